#include "image_list/list_files.h"
#include "image_list/text_io.h"
#include "image_list/ui/entry_param_dialog.h"
#include "image_list/ui/image_slot_view.h"
#include "image_list/ui/image_window_rig.h"
#include "image_list/ui/list_export_window.h"
#include "link/app_paths.h"
#include "support/test_main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

using namespace kvx;
using namespace kvx::test;

namespace {

// Runs answer on the entry dialog once it is up (it is modal).
void whenDialogShows(const std::function<void(EntryParamDialog &)> &answer)
{
    QTimer::singleShot(0, [answer] {
        auto *d = qobject_cast<EntryParamDialog *>(QApplication::activeModalWidget());
        QVERIFY(d);
        answer(*d);
    });
}

template <typename T> T *childOf(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no child %s", qPrintable(name));
    return c;
}

// An action in the list window and the window expected to ask.
using Act = std::function<QObject *(ImageListWindow *)>;

} // namespace

Q_DECLARE_METATYPE(Act)

class TestImageListWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { QFile::remove(programFile(QStringLiteral("temp.iml"))); }

    void theSeriesOptionDecidesWhetherAndHowTheWindowOpens_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("choices");
        QTest::newRow("no flash memory") << 0 << 0;
        QTest::newRow("sixteen pages") << 1 << 17;
        QTest::newRow("one page") << 2 << 2;
        QTest::newRow("older series") << 3 << 9;
    }
    void theSeriesOptionDecidesWhetherAndHowTheWindowOpens()
    {
        QFETCH(int, option);
        QFETCH(int, choices);
        StartedWindow s;
        s.window.OptSeries_Click(option);
        ImageListWindow *w = imageWindow(s.window);
        w->showWindow();
        if (option == 0) {
            QCOMPARE(s.dialogs.shown, QStringList{QStringLiteral("VX-5200 has no FROM.")});
            QVERIFY(!w->isVisible());
            QVERIFY(s.window.isVisible());
            return;
        }
        QVERIFY(s.dialogs.shown.isEmpty());
        QVERIFY(w->isVisible());
        QVERIFY(!s.window.isVisible());
        QCOMPARE(childOf<QComboBox>(w, "CmbPage_7")->count(), choices);
        QCOMPARE(w->usageFrame(), usageFrameFor(option, s.window.encoder().New5290()));
        QCOMPARE(childOf<QWidget>(w, "Frame2")->isVisible(), option == 3);
        QCOMPARE(w->windowTitle(), QStringLiteral("Image Label List"));

        // A series change while the window is up lays it out anew; an entry keeps a
        // memory the new choices lack.
        s.window.imageList().replaceEntries({bitmapEntry(QStringLiteral("/x/a.bmp"), 8, 8, QStringLiteral("RAM"))});
        s.window.OptSeries_Click(option == 1 ? 3 : 1);
        QCOMPARE(childOf<QComboBox>(w, "CmbPage_0")->count(), option == 1 ? 9 : 17);
        QCOMPARE(childOf<QComboBox>(w, "CmbPage_0")->currentText(), QStringLiteral("RAM"));
    }

    void everyWayOutBringsBackTheMainWindowAndRefreshesTheList_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Close menu") << "Close_";
        QTest::newRow("Door key") << "Toolbar1_Door";
        QTest::newRow("title bar") << "";
    }
    void everyWayOutBringsBackTheMainWindowAndRefreshesTheList()
    {
        QFETCH(QString, way);
        QTemporaryDir dir;
        StartedWindow s;
        s.window.OptSeries_Click(1);
        ImageListWindow *w = imageWindow(s.window);
        // The main window comes back where the user left it, even when the window
        // system, while it is hidden, puts its client area at the frame's place.
        s.window.move(140, 90);
        const QPoint frame = s.window.frameGeometry().topLeft();
        w->showWindow();
        s.window.windowHandle()->setPosition(frame);
        QCoreApplication::processEvents();
        QFile::remove(programFile(QStringLiteral("Imgpath.tmp")));
        dropFiles(w, {makeBitmap(dir, QStringLiteral("one.bmp"), 8, 8)});
        QSignalSpy changed(&s.window.imageList(), &ImageList::changed);
        if (way.isEmpty())
            w->close();
        else
            childOf<QAction>(w, way)->trigger();
        QVERIFY(!w->isVisible());
        QVERIFY(s.window.isVisible());
        QCOMPARE(s.window.frameGeometry().topLeft(), frame);
        QVERIFY(changed.count() >= 1); // the main window's image choices refill
        QCOMPARE(s.window.imageList().comboItems(), QStringList{QStringLiteral("Image0000 [one.bmp]")});
        QVERIFY(QFile::exists(programFile(QStringLiteral("Imgpath.tmp"))));
    }

    void droppedFilesGoInInTheirOrder()
    {
        QTemporaryDir dir;
        StartedWindow s;
        s.window.OptSeries_Click(1);
        ImageListWindow *w = imageWindow(s.window);
        w->showWindow();
        ImageList &list = s.window.imageList();
        const QString a = makeBitmap(dir, QStringLiteral("a.bmp"), 8, 8);
        const QString b = makeBitmap(dir, QStringLiteral("b.bmp"), 16, 8);
        const QString c = makeBitmap(dir, QStringLiteral("c.bmp"), 24, 8);
        const QString text = dir.filePath(QStringLiteral("notes.txt"));
        writeFile(text, "not a bitmap");
        // Beside the slots: appended; a missing file and a text file are passed over.
        dropFiles(w, {a, text, dir.filePath(QStringLiteral("gone.bmp")), b});
        QCOMPARE(list.comboItems(), (QStringList{"Image0000 [a.bmp]", "Image0001 [b.bmp]"}));
        QCOMPARE(list.imgSelected(), 2);
        QVERIFY(s.dialogs.shown.isEmpty());
        // On a thumbnail: inserted at that entry, in order.
        dropFiles(childOf<QWidget>(w, "Image1"), {c, a});
        QCOMPARE(list.comboItems(),
                 (QStringList{"Image0000 [a.bmp]", "Image0002 [c.bmp]", "Image0003 [a.bmp]", "Image0001 [b.bmp]"}));
        QCOMPARE(list.entry(1).imgCheck, 1);
        QCOMPARE(list.entry(1).imgMemory, QStringLiteral("FROM"));
        // On the frame of a slot past the list: at the end, the blank slot selected.
        dropFiles(childOf<QWidget>(w, "Frame_6"), {b});
        QCOMPARE(list.imgCount(), 5);
        QCOMPARE(list.entry(4).imgFileName, QStringLiteral("b.bmp"));
        QCOMPARE(list.imgSelected(), 5);
        QCOMPARE(childOf<QLineEdit>(w, "Resolution_4")->text(), QStringLiteral("16x8"));
        QCOMPARE(childOf<QWidget>(w, "Frame_5")->property("selected").toBool(), true);
    }

    void theSlotViewFollowsTheScrollBar()
    {
        QTemporaryDir dir;
        StartedWindow s;
        s.window.OptSeries_Click(1);
        const QString wide = makeBitmap(dir, QStringLiteral("wide.bmp"), 256, 64);
        QList<ImageListEntry> entries;
        for (int i = 0; i < 20; ++i) {
            ImageListEntry e = bitmapEntry(wide, 256, 64);
            e.imgLabel = QStringLiteral("L%1").arg(i);
            entries << e;
        }
        s.window.imageList().replaceEntries(entries);
        ImageListWindow *w = imageWindow(s.window);
        w->showWindow();
        auto *scroll = childOf<QScrollBar>(w, "VScroll1");
        QCOMPARE(scroll->maximum(), 13);
        QCOMPARE(childOf<QLineEdit>(w, "Text1_0")->text(), QStringLiteral("20"));
        scroll->setValue(5);
        QCOMPARE(s.window.imageList().imgTop(), 5);
        QCOMPARE(childOf<QLabel>(w, "LblNum_0")->text(), QStringLiteral("6"));
        QCOMPARE(childOf<QLineEdit>(w, "txtLabel_0")->text(), QStringLiteral("L5"));
        QCOMPARE(childOf<QLineEdit>(w, "txtAdrs_7")->text(), QStringLiteral("24576")); // entry 12 of 2048 bytes each
        QCOMPARE(w->slotView()->thumbnailGeometry(0), QRect(0, 5, 89, 22));
        QVERIFY(childOf<QWidget>(w, "Image0")->isVisibleTo(w));
        // A click on a slot's number selects its entry; editing a label writes it back.
        QTest::mouseClick(childOf<QWidget>(w, "LblNum_2"), Qt::LeftButton);
        QCOMPARE(s.window.imageList().imgSelected(), 7);
        childOf<QLineEdit>(w, "txtLabel_2")->end(false);
        QTest::keyClicks(childOf<QLineEdit>(w, "txtLabel_2"), QStringLiteral("xy"));
        QCOMPARE(s.window.imageList().entry(7).imgLabel, QStringLiteral("L7xy"));
        // Removing near the end pulls the page back.
        scroll->setValue(13);
        s.window.imageList().replaceEntries(entries.mid(0, 10));
        QCOMPARE(scroll->maximum(), 3);
        QCOMPARE(scroll->value(), 3);
        QCOMPARE(childOf<QLabel>(w, "LblNum_7")->text(), QString()); // the blank slot
        // A label typed there stays in its box and in the list, key after key.
        QTest::keyClicks(childOf<QLineEdit>(w, "txtLabel_7"), QStringLiteral("Ab"));
        QCOMPARE(childOf<QLineEdit>(w, "txtLabel_7")->text(), QStringLiteral("Ab"));
        QCOMPARE(s.window.imageList().entry(10).imgLabel, QStringLiteral("Ab"));
    }

    void aShownVramEntryIsGreyAndKeepsThat()
    {
        StartedWindow s;
        s.window.OptSeries_Click(3);
        ImageListEntry vram = bitmapEntry(QStringLiteral("/x/v.bmp"), 40, 16, QStringLiteral("VRAM"));
        vram.imgAddress = 77;
        s.window.imageList().replaceEntries({vram});
        ImageListWindow *w = imageWindow(s.window);
        w->showWindow();
        QCOMPARE(s.window.imageList().entry(0).imgCheck, 2);
        QCOMPARE(childOf<QCheckBox>(w, "Check1_0")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(childOf<QLineEdit>(w, "Path_0")->text(), QString());
        QCOMPARE(childOf<QLineEdit>(w, "txtPage_0")->text(), QString());
        QCOMPARE(childOf<QLineEdit>(w, "txtAdrs_0")->text(), QStringLiteral("77"));
        QCOMPARE(childOf<QLineEdit>(w, "Resolution_0")->text(), QStringLiteral("40x16"));
    }

    void theEntryDialogChecksAndStoresItsBoxes()
    {
        StartedWindow s;
        ImageList &list = s.window.imageList();
        ImageListEntry e;
        e.imgLabel = QStringLiteral("blank");
        e.imgX = 16;
        e.imgY = 8;
        ImageListEntry from = bitmapEntry(QStringLiteral("/x/f.bmp"), 24, 16);
        from.imgAddress = 5;
        list.replaceEntries({e, from});
        EntryParamDialog *d = imageWindow(s.window)->entryDialog();
        auto *memory = childOf<QComboBox>(d, "Combo1");
        auto *address = childOf<QLineEdit>(d, "txtAdrs");

        // No memory: opens as "VRAM" with the address box enabled.
        d->fill(0);
        QCOMPARE(memory->currentText(), QStringLiteral("VRAM"));
        QVERIFY(address->isEnabled());
        memory->setCurrentText(QStringLiteral("RAM"));
        d->Combo1_Click();
        QVERIFY(!address->isEnabled());
        memory->setCurrentText(QStringLiteral("VRAM"));
        d->Combo1_Click();
        address->setText(QStringLiteral("&H100"));
        childOf<QLineEdit>(d, "txtX")->setText(QStringLiteral("1 2 8"));
        childOf<QLineEdit>(d, "txtY")->setText(QStringLiteral("32768"));
        childOf<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(s.dialogs.shown, QStringList{QStringLiteral("Value out of range.")});
        QCOMPARE(list.entry(0), e); // nothing stored
        childOf<QLineEdit>(d, "txtY")->setText(QStringLiteral("64"));
        childOf<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(list.entry(0).imgAddress, 256);
        QCOMPARE(list.entry(0).imgX, 128);
        QCOMPARE(list.entry(0).imgY, 64);
        QCOMPARE(list.entry(0).imgMemory, QStringLiteral("VRAM"));

        // A flash entry: the address box is disabled and Set stores the values shown.
        d->fill(1);
        QVERIFY(!address->isEnabled());
        QCOMPARE(childOf<QLineEdit>(d, "txtX")->text(), QStringLiteral("24"));
        const ImageListEntry before = list.entry(1);
        childOf<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(list.entry(1), before);
    }

    void insertBlankKeepsTheEntryOnlyWhenSet()
    {
        StartedWindow s;
        s.window.OptSeries_Click(3);
        ImageList &list = s.window.imageList();
        ImageListWindow *w = imageWindow(s.window);
        w->showWindow();
        whenDialogShows([](EntryParamDialog &d) { childOf<QPushButton>(&d, "cmdCancel")->click(); });
        childOf<QAction>(w, "InsBlank")->trigger();
        QCOMPARE(list.imgCount(), 0);

        whenDialogShows([](EntryParamDialog &d) {
            childOf<QLineEdit>(&d, "txtAdrs")->setText(QStringLiteral("40"));
            childOf<QLineEdit>(&d, "txtX")->setText(QStringLiteral("20"));
            childOf<QLineEdit>(&d, "txtY")->setText(QStringLiteral("16"));
            childOf<QPushButton>(&d, "cmdOK")->click();
        });
        childOf<QAction>(w, "Toolbar1_Ins_Blank")->trigger();
        QCOMPARE(list.imgCount(), 1);
        QCOMPARE(list.entry(0).imgMemory, QStringLiteral("VRAM"));
        QCOMPARE(list.entry(0).imgAddress, 40);
        QCOMPARE(list.entry(0).imgCheck, 2); // shown grey
        QCOMPARE(list.imgSelected(), 1);
    }

    // The keys keep the names the toolbar dispatches on; each shows a picture of the
    // program's own and, as its tool tip, the caption of the menu item doing the same.
    void theToolbarKeysShowPicturesAndTheMenuCaptions()
    {
        const QStringList keys{"New",      "Open",   "Save",      "Door", "Add",
                               "Exchange", "Insert", "Ins_Blank", "DEL",  "Convert"};
        const QStringList english{"New",      "Open",         "Save",         "Close",  "Add to End",
                                  "Exchange", "Insert Image", "Insert Blank", "Remove", "Export"};
        const QStringList japanese{"新規リスト",           "開く",         "保存",         "リスト編集終了",
                                   "最後にイメージを追加", "イメージ入替", "イメージ挿入", "空イメージを挿入",
                                   "イメージを削除",       "出力"};
        StartedWindow s;
        auto *toolbar = childOf<QToolBar>(imageWindow(s.window), "Toolbar1");
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        for (const QStringList &tips : {english, japanese, english}) {
            for (qsizetype i = 0; i < keys.size(); ++i) {
                auto *a = childOf<QAction>(toolbar, "Toolbar1_" + keys[i]);
                QCOMPARE(a->text(), keys[i]);
                QVERIFY(!a->icon().pixmap(16, 16).isNull());
                QCOMPARE(a->toolTip(), tips[i]);
            }
            s.window.Image1_Click();
        }
    }

    void theConvertKeyOpensTheExportWindowModally()
    {
        QTemporaryDir dir;
        StartedWindow s;
        s.window.OptSeries_Click(1);
        ImageListWindow *w = imageWindow(s.window);
        w->showWindow();
        childOf<QAction>(w, "Toolbar1_Convert")->trigger(); // an empty list: refused, nothing modal
        QCOMPARE(s.dialogs.shown, QStringList{QStringLiteral("No images are selected.")});

        s.window.imageList().replaceEntries({bitmapEntry(makeBitmap(dir, QStringLiteral("a.bmp"), 8, 8), 8, 8)});
        bool seen = false;
        QTimer::singleShot(0, [&seen] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            seen = modal->objectName() == QLatin1String("frmListExport");
            childOf<QPushButton>(modal, "cmdClose")->click();
        });
        childOf<QAction>(w, "Export2")->trigger();
        QVERIFY(seen);
        QVERIFY(w->isVisible());
    }

    // A dialog belongs to the window whose action opened it (the list's operations to
    // the list window), so that window comes back to the front.
    void everyDialogBelongsToTheWindowThatAsked_data()
    {
        QTest::addColumn<Act>("act");
        QTest::newRow("bitmap to add") << Act([](ImageListWindow *w) {
            childOf<QAction>(w, "Add2End")->trigger();
            return w;
        });
        QTest::newRow("entry dialog's check") << Act([](ImageListWindow *w) -> QObject * {
            EntryParamDialog *d = w->entryDialog();
            d->fill(0);
            childOf<QLineEdit>(d, "txtY")->setText(QStringLiteral("32768"));
            childOf<QPushButton>(d, "cmdOK")->click();
            return d;
        });
        QTest::newRow("export window's refusal") << Act([](ImageListWindow *w) -> QObject * {
            childOf<QAction>(w, "Export2")->trigger();
            return w->exportWindow();
        });
    }
    void everyDialogBelongsToTheWindowThatAsked()
    {
        QFETCH(Act, act);
        StartedWindow s;
        s.window.OptSeries_Click(1);
        ImageListWindow *w = imageWindow(s.window);
        w->showWindow();
        s.dialogs.askedBy.clear();
        QObject *asking = act(w);
        QCOMPARE(s.dialogs.askedBy, QList<QObject *>{asking});
    }

    void theListSurvivesARestartUnderItsPlainCaption()
    {
        QTemporaryDir dir;
        const QString a = makeBitmap(dir, QStringLiteral("a.bmp"), 8, 8);
        {
            StartedWindow s;
            s.window.imageList().replaceEntries({bitmapEntry(a, 8, 8)});
            s.window.close(); // the shut-down keeps the list in temp.iml
        }
        StartedWindow s(QStringLiteral("/dev/kvx-no-such-port"), {}, true);
        QCOMPARE(s.window.imageList().comboItems(), QStringList{QStringLiteral("a [a.bmp]")});
        QCOMPARE(imageWindow(s.window)->windowTitle(), QStringLiteral("Image Label List"));
    }
};

KVX_TEST_MAIN(TestImageListWindow)
#include "tst_image_list_window.moc"
