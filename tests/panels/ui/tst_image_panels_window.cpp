#include "image_list/image_list.h"
#include "link/app_paths.h"
#include "panels/image_panel_rig.h"
#include "shell/settings_files.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace kvx;
using namespace kvx::test;

namespace {

class FakeImageWindow : public ImageListSeam
{
public:
    void preload() override {}
    void unload() override {}
    void showWindow() override { ++shows; }
    int shows = 0;
};

ImageListEntry entry(const QString &label, const QString &memory, int x, int y)
{
    ImageListEntry e;
    e.imgLabel = label;
    e.imgFileName = label + QStringLiteral(".bmp");
    e.imgMemory = memory;
    e.imgX = x;
    e.imgY = y;
    return e;
}

QString text(StartedWindow &w, const QString &name)
{
    return w.child<QLineEdit>(name)->text();
}

void setText(StartedWindow &w, const QString &name, const QString &value)
{
    w.child<QLineEdit>(name)->setText(value);
}

void chooseImage(StartedWindow &w, int index)
{
    auto *combo = w.child<QComboBox>(QStringLiteral("CmbImageName"));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void chooseModel(StartedWindow &w, const QString &model)
{
    w.child<QComboBox>(QStringLiteral("HinmeiList"))->setCurrentText(model);
    w.window.HinmeiList_Click();
}

} // namespace

class TestImagePanelsWindow : public QObject
{
    Q_OBJECT
private slots:
    void aTestPatternOfTheBoxSizeReachesTheModule()
    {
        WindowWithModule w;
        QVERIFY(w.module.isOpen());
        // The boxes show the default module (140 x 32 dots).
        QCOMPARE(text(w.started, "BmpXSizeBox"), QStringLiteral("140"));
        QCOMPARE(text(w.started, "BmpYSizeBox"), QStringLiteral("4"));
        setText(w.started, "BmpXSizeBox", "4");
        setText(w.started, "BmpYSizeBox", "1");
        w.module.clearReceived();
        w.started.click(QStringLiteral("CmdTextChecker"));
        const QByteArray expected = hexBytes("1F 28 66 11 04 00 01 00 01 55 AA 55 AA");
        QVERIFY(w.module.waitForBytes(expected.size()));
        QCOMPARE(w.module.received(), expected);
        QCOMPARE(w.started.window.commandLog().lastName(),
                 QStringLiteral("BitImageDisplay xSize=4 ySize=1 test pattern"));
    }

    void theImageChoiceFollowsTheListAndDrawsFromTheModulesMemory()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        auto *combo = s.child<QComboBox>(QStringLiteral("CmbImageName"));
        auto *draw = s.child<QPushButton>(QStringLiteral("CmdIndicate"));
        QCOMPARE(combo->count(), 0);
        QVERIFY(!draw->isEnabled());

        s.window.OptSeries_Click(3);
        QVERIFY(!draw->isEnabled()); // nothing to draw yet
        s.window.imageList().replaceEntries({entry("Logo", "RAM", 16, 8), entry("Big", "RAM", 128, 40)});
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(1), QStringLiteral("Big [Big.bmp]"));
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(draw->isEnabled());

        chooseImage(s, 1);
        QCOMPARE(s.child<QLabel>(QStringLiteral("Label48"))->text(), QStringLiteral("Size (X x Y) of ( 128 x  40)"));
        QCOMPARE(text(s, "Text4"), QStringLiteral("128"));
        QCOMPARE(text(s, "Text5"), QStringLiteral("32"));
        setText(s, "Text1", "3");
        setText(s, "Text2", "1");
        QCOMPARE(text(s, "Text3"), QStringLiteral("&H0010")); // 3 x 40 / 8 + 1

        // "Big" lies after "Logo" (16 bytes) in RAM: address 16 + 16.
        w.module.clearReceived();
        s.click(QStringLiteral("CmdIndicate"));
        const QByteArray expected = hexBytes("1F 28 66 10 00 20 00 00 05 00 80 00 04 00 01");
        QVERIFY(w.module.waitForBytes(expected.size()));
        QCOMPARE(w.module.received(), expected);

        s.click(QStringLiteral("CmdOffsetClear"));
        QCOMPARE(text(s, "Text1") + text(s, "Text2") + text(s, "Text3"), QStringLiteral("000"));

        // The list changes under the combo: the chosen image is found again by name,
        // and an emptied list leaves nothing to draw.
        s.window.imageList().replaceEntries({entry("New", "VRAM", 8, 8), entry("Big", "RAM", 128, 40)});
        QCOMPARE(combo->currentIndex(), 1);
        s.window.imageList().replaceEntries({entry("New", "VRAM", 8, 8)});
        QCOMPARE(combo->currentIndex(), 0);
        s.window.imageList().replaceEntries({});
        QCOMPARE(combo->count(), 0);
        QVERIFY(!draw->isEnabled());
        w.module.clearReceived();
        s.click(QStringLiteral("CmdIndicate"));
        QVERIFY(!w.module.waitForBytes(1, 100));
    }

    void theSeriesOptionAndTheYUnitSwitchTheScrollControls()
    {
        FakeImageWindow imageWindow;
        StartedWindow s(QStringLiteral("/dev/kvx-no-such-port"), [&](MainWindow &m) { m.setImageList(&imageWindow); });
        auto *scroll = s.child<QCheckBox>(QStringLiteral("ChkScroll"));
        auto *edit = s.child<QPushButton>(QStringLiteral("CmdEditImageList"));
        QVERIFY(!edit->isEnabled());
        QVERIFY(!scroll->isEnabled());

        s.window.OptSeries_Click(3);
        QVERIFY(edit->isEnabled());
        QVERIFY(scroll->isEnabled());
        scroll->setChecked(true);
        s.window.OptSeries_Click(1);
        QVERIFY(edit->isEnabled());
        QVERIFY(!scroll->isEnabled());
        QVERIFY(!scroll->isChecked());
        s.click(QStringLiteral("CmdEditImageList"));
        QCOMPARE(imageWindow.shows, 1);

        // "Y:1Dot" belongs to revision-B modules.
        auto *oneDot = s.child<QRadioButton>(QStringLiteral("OpYByte_1"));
        QVERIFY(!oneDot->isEnabled());
        s.click(QStringLiteral("Chk_B"));
        QVERIFY(oneDot->isEnabled());
        QVERIFY(s.child<QLineEdit>(QStringLiteral("Text6"))->isEnabled());
        // The display position starts at 0, 0.
        QCOMPARE(s.child<QLineEdit>(QStringLiteral("Text6"))->text(), QStringLiteral("0"));
        QCOMPARE(s.child<QLineEdit>(QStringLiteral("Text7"))->text(), QStringLiteral("0"));
        QVERIFY(s.child<QPushButton>(QStringLiteral("CmdDrawFileByDot"))->isEnabled());
        s.window.OptSeries_Click(3);
        s.click(QStringLiteral("OpYByte_1"));
        QVERIFY(oneDot->isChecked());
        QVERIFY(!scroll->isEnabled());
        QVERIFY(!s.child<QLineEdit>(QStringLiteral("Text3"))->isEnabled());
        // Back to a plain module: the 8-dot unit again, scroll controls on.
        s.click(QStringLiteral("Chk_B"));
        QVERIFY(s.child<QRadioButton>(QStringLiteral("OpYByte_0"))->isChecked());
        QVERIFY(scroll->isEnabled());
        QVERIFY(s.child<QLineEdit>(QStringLiteral("Text3"))->isEnabled());
        QVERIFY(!s.child<QLineEdit>(QStringLiteral("Text6"))->isEnabled());
    }

    void aBrowsedBitmapIsListedAndDrawn()
    {
        QTemporaryDir dir;
        const QString pic = QDir(dir.path()).filePath(QStringLiteral("PIC.BMP"));
        QVERIFY(writeMonoBmp(pic, 8, 8, [](int x, int y) { return x == y; }));
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
        WindowWithModule w;
        StartedWindow &s = w.started;

        s.dialogs.chooseFile(pic);
        s.click(QStringLiteral("cmdBrowse"));
        auto *files = s.child<QListWidget>(QStringLiteral("File1"));
        QCOMPARE(files->count(), 1);
        QCOMPARE(s.window.listEntry(QStringLiteral("File1")), QStringLiteral("PIC.BMP"));
        QCOMPARE(text(s, "BmpPathBox"), pic);
        QCOMPARE(s.child<QLineEdit>(QStringLiteral("BmpPathBox"))->toolTip(), pic);
        QCOMPARE(s.window.state().WorkFolder, dir.path());
        QCOMPARE(s.window.bitmapFolder(), dir.path());

        w.module.clearReceived();
        s.click(QStringLiteral("BmpDrawButton"));
        const QByteArray expected = hexBytes("1F 28 66 11 08 00 01 00 01 80 40 20 10 08 04 02 01");
        QVERIFY(w.module.waitForBytes(expected.size()));
        QCOMPARE(w.module.received(), expected);
        QCOMPARE(s.window.commandLog().lastName(), QStringLiteral("PrintBmpFile : ") + pic);
        QVERIFY(s.child<QPushButton>(QStringLiteral("BmpDrawButton"))->isEnabled());

        // Into the sub-folder and back up with "..".
        auto *folders = s.child<QListWidget>(QStringLiteral("Dir1"));
        emit folders->itemActivated(folders->findItems(QStringLiteral("sub"), Qt::MatchExactly).value(0));
        QCOMPARE(s.window.state().WorkFolder, QDir(dir.path()).filePath(QStringLiteral("sub")));
        QCOMPARE(files->count(), 0);
        emit folders->itemActivated(folders->item(0));
        QCOMPARE(s.window.state().WorkFolder, dir.path());
        files->setCurrentRow(0);
        QCOMPARE(text(s, "BmpPathBox"), pic);
    }

    void theSeriesOffersItsActionsAndTheTutorialDrawsWithout()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        QVERIFY(!s.child<QRadioButton>(QStringLiteral("OptAction_2"))->isEnabled());
        chooseModel(s, QStringLiteral("VX256x64_21K"));
        QVERIFY(s.child<QRadioButton>(QStringLiteral("OptAction_2"))->isEnabled());
        QVERIFY(s.child<QRadioButton>(QStringLiteral("OptAction_0"))->isChecked());

        QTemporaryDir dir;
        const QString pic = QDir(dir.path()).filePath(QStringLiteral("pic.bmp"));
        QVERIFY(writeMonoBmp(pic, 8, 8, [](int, int) { return true; }));
        setText(s, "BmpPathBox", pic);
        s.click(QStringLiteral("OptAction_1"));
        s.window.state().TutorialShown = true;
        w.module.clearReceived();
        s.click(QStringLiteral("BmpDrawButton"));
        const QByteArray expected = hexBytes("1F 28 66 11 08 00 01 00 01") + QByteArray(8, char(0xFF));
        QVERIFY(w.module.waitForBytes(expected.size()));
        QCOMPARE(w.module.received(), expected);
        QVERIFY(s.child<QRadioButton>(QStringLiteral("OptAction_0"))->isChecked());
    }

    void aSavedFolderThatIsGoneFallsBackToTheProgramFolder()
    {
        ConfigSettings settings = defaultConfigSettings();
        settings.bitmapFolder = QStringLiteral("/no/such/folder/anywhere");
        QVERIFY(saveConfig(settings).ok);
        StartedWindow s;
        QCOMPARE(s.window.bitmapFolder(), programFolder());
        QCOMPARE(s.window.state().WorkFolder, programFolder());
        QFile::remove(configPath());
    }
};

KVX_TEST_MAIN(TestImagePanelsWindow)
#include "tst_image_panels_window.moc"
