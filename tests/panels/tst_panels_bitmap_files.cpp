#include "panels/bitmap_files.h"

#include "image_panel_rig.h"
#include "support/test_main.h"

#include <QDir>
#include <QTemporaryDir>

using namespace kvx;
using namespace kvx::test;

namespace {

// A folder with an 8 x 8 bitmap "PIC.BMP" (a diagonal), a lower-case "a.bmp", a text
// file, a sub-folder and a bitmap too wide for any module.
struct BitmapFolder
{
    BitmapFolder()
    {
        writeMonoBmp(path(QStringLiteral("PIC.BMP")), 8, 8, [](int x, int y) { return x == y; });
        writeMonoBmp(path(QStringLiteral("a.bmp")), 8, 8, [](int, int) { return true; });
        writeMonoBmp(path(QStringLiteral("wide.bmp")), 1200, 8, [](int, int) { return false; });
        writeFile(path(QStringLiteral("note.txt")), "text");
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
    }
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

const QByteArray Diagonal = hexBytes("1F 28 66 11 08 00 01 00 01 80 40 20 10 08 04 02 01");

} // namespace

class TestPanelsBitmapFiles : public QObject
{
    Q_OBJECT
private slots:
    void eachSeriesDrawsItsSequence_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("revisionB");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("tutorial");
        QTest::addColumn<QList<QByteArray>>("commands");
        QTest::addColumn<QStringList>("logs");
        const QString pic = QStringLiteral("PrintBmpFile : %1");
        const QByteArray home = hexBytes("1F 24 00 00 00 00");
        QTest::newRow("5200 draws the image whatever the action")
            << "VX140X32_52K" << false << 2 << false << QList<QByteArray>{Diagonal} << QStringList{pic};
        QTest::newRow("5200B none") << "VX140X32_52K" << true << 0 << false << QList<QByteArray>{Diagonal}
                                    << QStringList{pic};
        QTest::newRow("5200B scroll") << "VX140X32_52K" << true << 1 << false
                                      << QList<QByteArray>{hexBytes("1F 24 8C 00 00 00"), Diagonal,
                                                           hexBytes("1F 28 61 10 04 00 8C 00 07"), home}
                                      << QStringList{"MoveCursor : ", pic, "ScrollAction : ", "MoveCursor : "};
        QTest::newRow("2100 256x64 fountain")
            << "VX256x64_21K" << false << 2 << false
            << QList<QByteArray>{hexBytes("1F 24 00 01 00 00"), Diagonal, hexBytes("1F 28 61 13 02 01 00 08"), home}
            << QStringList{"MoveCursor : ", pic, "FountaunAction : ", "MoveCursor : "};
        QTest::newRow("2100B dissolve") << "VX256x64_21K" << true << 3 << false
                                        << QList<QByteArray>{hexBytes("1F 24 00 01 00 00"), Diagonal,
                                                             hexBytes("1F 28 61 14 01 00 08"), home}
                                        << QStringList{"MoveCursor : ", pic, "DisolveAunAction : ", "MoveCursor : "};
        QTest::newRow("the tutorial draws without action")
            << "VX256x64_21K" << false << 1 << true << QList<QByteArray>{Diagonal} << QStringList{pic};
        QTest::newRow("no action chosen")
            << "VX256x64_21K" << false << -1 << false << QList<QByteArray>{} << QStringList{};
    }
    void eachSeriesDrawsItsSequence()
    {
        QFETCH(QString, model);
        QFETCH(bool, revisionB);
        QFETCH(int, action);
        QFETCH(bool, tutorial);
        QFETCH(QList<QByteArray>, commands);
        QFETCH(QStringList, logs);
        BitmapFolder folder;
        const QString path = folder.path(QStringLiteral("PIC.BMP"));
        ImagePanelRig rig(model, revisionB);
        rig.state.TutorialShown = tutorial;
        BitmapFilesPanel panel(rig.ctx);
        panel.BmpDrawButton_Click(path, action, 7);
        QCOMPARE(rig.sink.commands, commands);
        logs.replaceInStrings(QStringLiteral("%1"), path);
        QCOMPARE(rig.logNames(), logs);
        QCOMPARE(panel.lastPlan().actionForced, tutorial);
    }

    void aBitmapThatCannotBeDrawnSendsNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "gone.bmp"
                                 << "Image File cannot be opened!";
        QTest::newRow("too wide") << "wide.bmp"
                                  << "ERROR: Image size is too large.";
    }
    void aBitmapThatCannotBeDrawnSendsNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        BitmapFolder folder;
        ImagePanelRig rig; // older series, so the action would move the cursor first
        BitmapFilesPanel panel(rig.ctx);
        QCOMPARE(panel.BmpDrawButton_Click(folder.path(name), ActionFountain, 0), SendResult::Skipped);
        QVERIFY(rig.sink.commands.isEmpty());
        QVERIFY(rig.logged.isEmpty());
        QVERIFY(rig.dialogs.shown.contains(message));
    }

    void theSequenceStopsAtTheFirstCommandThatDoesNotGoOut()
    {
        BitmapFolder folder;
        ImagePanelRig rig;
        rig.sink.result = SendResult::NotReady;
        BitmapFilesPanel panel(rig.ctx);
        QCOMPARE(panel.BmpDrawButton_Click(folder.path(QStringLiteral("PIC.BMP")), ActionScroll, 0),
                 SendResult::NotReady);
        QCOMPARE(rig.sink.commands.size(), 1);
        QVERIFY(rig.logged.isEmpty());
    }

    void aSecondDrawWhileOneRunsIsRefused()
    {
        BitmapFolder folder;
        const QString path = folder.path(QStringLiteral("PIC.BMP"));
        ImagePanelRig rig;
        BitmapFilesPanel panel(rig.ctx);
        QList<bool> states;
        QList<SendResult> nested;
        panel.runningChanged = [&](bool running) {
            states << running;
            if (running)
                nested << panel.BmpDrawButton_Click(path, ActionScroll, 0);
        };
        QCOMPARE(panel.BmpDrawButton_Click(path, ActionScroll, 0), SendResult::Sent);
        QCOMPARE(states, (QList<bool>{true, false}));
        QCOMPARE(nested, QList<SendResult>{SendResult::Busy});
        QCOMPARE(rig.sink.commands.size(), 4);
        QVERIFY(!panel.running());
    }

    void theBrowserListsFoldersAndBitmapsOfAnyCase()
    {
        BitmapFolder folder;
        QCOMPARE(bmpFileItems(folder.dir.path()),
                 (QStringList{QStringLiteral("a.bmp"), QStringLiteral("PIC.BMP"), QStringLiteral("wide.bmp")}));
        QCOMPARE(bmpFolderItems(folder.dir.path()), (QStringList{QStringLiteral(".."), QStringLiteral("sub")}));
        QVERIFY(!bmpFolderItems(QStringLiteral("/")).contains(QStringLiteral("..")));
        QCOMPARE(bmpFolderOf(folder.path(QStringLiteral("sub")), QStringLiteral("..")), folder.dir.path());
        QCOMPARE(bmpFolderOf(folder.dir.path(), QStringLiteral("sub")), folder.path(QStringLiteral("sub")));
        QStringList roots = bmpRootFolders();
        QCOMPARE(roots.value(0), QStringLiteral("/"));
        QVERIFY(roots.contains(QDir::homePath()));
        QCOMPARE(roots.removeDuplicates(), 0);
    }

    void changingFolderMakesItTheWorkingFolder()
    {
        BitmapFolder folder;
        ImagePanelRig rig;
        rig.state.WorkFolder = QStringLiteral("/elsewhere");
        BitmapFilesPanel panel(rig.ctx);
        QStringList told;
        panel.folderChanged = [&](const QString &f) { told << f; };
        QVERIFY(panel.Dir1_Change(folder.path(QStringLiteral("sub"))));
        QCOMPARE(rig.state.WorkFolder, folder.path(QStringLiteral("sub")));
        QCOMPARE(panel.folder(), folder.path(QStringLiteral("sub")));
        QVERIFY(!panel.Dir1_Change(folder.path(QStringLiteral("nothing"))));
        QVERIFY(!panel.Dir1_Change(folder.path(QStringLiteral("PIC.BMP"))));
        QCOMPARE(rig.state.WorkFolder, folder.path(QStringLiteral("sub")));
        QCOMPARE(told, QStringList{folder.path(QStringLiteral("sub"))});
    }

    void aFileOfTheListFillsThePathBox()
    {
        ImagePanelRig rig;
        BitmapFilesPanel panel(rig.ctx);
        panel.Dir1_Change(QStringLiteral("/"));
        QCOMPARE(panel.File1_Click(QStringLiteral("x.bmp"), QString()), QStringLiteral("/x.bmp"));
        QCOMPARE(panel.File1_Click(QStringLiteral("x.bmp"), QStringLiteral("/x.bmp")), QString());
    }

    void browsingChoosesFolderAndFile()
    {
        BitmapFolder folder;
        ImagePanelRig rig;
        BitmapFilesPanel panel(rig.ctx);
        panel.Dir1_Change(QDir::homePath());

        const BitmapFilesPanel::Browse cancelled = panel.cmdBrowse_Click();
        QVERIFY(!cancelled.accepted);
        QCOMPARE(panel.folder(), QDir::homePath());
        QCOMPARE(rig.dialogs.requests.size(), 1);
        QCOMPARE(rig.dialogs.requests[0].start, QDir::homePath());
        QCOMPARE(rig.dialogs.requests[0].filters,
                 (QStringList{QStringLiteral("All Files (*.*)"), QStringLiteral("BitMap Images (*.bmp)")}));
        QCOMPARE(rig.dialogs.requests[0].filterIndex, 1);

        rig.dialogs.chooseFile(folder.path(QStringLiteral("PIC.BMP")));
        const BitmapFilesPanel::Browse chosen = panel.cmdBrowse_Click();
        QVERIFY(chosen.accepted);
        QCOMPARE(chosen.path, folder.path(QStringLiteral("PIC.BMP")));
        QCOMPARE(chosen.fileName, QStringLiteral("PIC.BMP"));
        QCOMPARE(panel.folder(), folder.dir.path());
        QCOMPARE(rig.state.WorkFolder, folder.dir.path());
    }
};

KVX_TEST_MAIN(TestPanelsBitmapFiles)
#include "tst_panels_bitmap_files.moc"
