#include "image_list/image_export.h"
#include "image_list/text_io.h"
#include "image_list/ui/image_window_rig.h"
#include "image_list/ui/list_export_window.h"
#include "link/app_paths.h"
#include "support/fake_link_parts.h"
#include "support/queued_input.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QCheckBox>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

using namespace kvx;
using namespace kvx::test;

namespace {

struct Area
{
    QString memory;
    int x;
    int y;
};

ImageListEntry areaEntry(const Area &a)
{
    return bitmapEntry(QStringLiteral("/nowhere/%1x%2.bmp").arg(a.x).arg(a.y), a.x, a.y, a.memory);
}

ListExportWindow *exportWindow(StartedWindow &s)
{
    return imageWindow(s.window)->exportWindow();
}

QCheckBox *box(ListExportWindow *w, const QString &name)
{
    return w->findChild<QCheckBox *>(name);
}

// The main window on a module in memory that takes no byte while `stalled`, with the
// character-set test running and the image list up.
struct ListOverStallingModule
{
    explicit ListOverStallingModule(const QList<ImageListEntry> &entries)
    {
        s.window.OptSeries_Click(1);
        s.window.imageList().replaceEntries(entries);
        s.click(QStringLiteral("Command1"));
        s.window.showImageListWindow();
        list = imageWindow(s.window);
    }
    QWidget *toolButton(const char *key) const
    {
        return list->findChild<QToolBar *>(QStringLiteral("Toolbar1"))
            ->widgetForAction(list->findChild<QAction *>(QLatin1String("Toolbar1_") + QLatin1String(key)));
    }

    bool stalled = false;
    StartedWindow s{QStringLiteral("/dev/kvx-slow-module"), {}, false, [this]() -> std::unique_ptr<SerialPortIo> {
                        auto p = std::make_unique<FakeSerialPort>();
                        p->beforeReadyCheck = [this](FakeSerialPort &q) { q.cts = !stalled; };
                        return p;
                    }};
    ImageListWindow *list = nullptr;
};

QString fileText(const QString &path)
{
    QString text;
    readTextFile(path, text);
    return text;
}

} // namespace

class TestImageExportWindow : public QObject
{
    Q_OBJECT
private slots:
    void areasCanBeTickedWhenTheirImagesFit_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QList<Area>>("areas");
        QTest::addColumn<bool>("ram");
        QTest::addColumn<QList<int>>("pages"); // enabled and ticked
        QTest::newRow("a page filled exactly") << 1 << QList<Area>{{"F 0", 4096, 64}} << false << QList<int>{0};
        QTest::newRow("a page one byte over") << 1 << QList<Area>{{"F 0", 10923, 24}} << false << QList<int>{};
        QTest::newRow("sixteen pages have no RAM")
            << 1 << QList<Area>{{"RAM", 8, 8}, {"F 7", 8, 8}} << false << QList<int>{7};
        QTest::newRow("one page has only page 0")
            << 2 << QList<Area>{{"F 0", 8, 8}, {"F 1", 8, 8}} << false << QList<int>{0};
        QTest::newRow("older series: RAM at its limit")
            << 3 << QList<Area>{{"RAM", 128, 64}, {"F 4", 8, 8}, {"F 5", 8, 8}} << true << QList<int>{4};
        QTest::newRow("older series: RAM one byte over") << 3 << QList<Area>{{"RAM", 1025, 8}} << false << QList<int>{};
        QTest::newRow("no flash series") << 0 << QList<Area>{{"F 0", 8, 8}, {"RAM", 8, 8}} << false << QList<int>{};
    }
    void areasCanBeTickedWhenTheirImagesFit()
    {
        QFETCH(int, option);
        QFETCH(QList<Area>, areas);
        QFETCH(bool, ram);
        QFETCH(QList<int>, pages);
        StartedWindow s;
        s.window.OptSeries_Click(option);
        QList<ImageListEntry> entries;
        for (const Area &a : areas)
            entries << areaEntry(a);
        s.window.imageList().replaceEntries(entries);
        ListExportWindow *w = exportWindow(s);
        QVERIFY(w->activate());
        QCOMPARE(box(w, "chkRAM")->isEnabled(), ram);
        QCOMPARE(box(w, "chkRAM")->isChecked(), ram);
        for (int n = 0; n < 16; ++n) {
            QCheckBox *page = box(w, QStringLiteral("chkFROM_%1").arg(n));
            QCOMPARE(page->isEnabled(), pages.contains(n));
            QCOMPARE(page->isChecked(), pages.contains(n));
            QCOMPARE(page->text(), fromBoxCaption(n, s.window.imageList().memoryMap().fromUsed[size_t(n)]));
        }
        w->findChild<QPushButton *>(QStringLiteral("cmdRemove"))->click();
        QCOMPARE(w->areas().chkFROM, (std::array<int, 16>{}));
        if (pages.isEmpty() && !ram) {
            w->findChild<QPushButton *>(QStringLiteral("cmdExport2File"))->click();
            QCOMPARE(s.dialogs.shown, QStringList{QStringLiteral("No Image to be exported.")});
            QVERIFY(s.dialogs.requests.isEmpty()); // no file asked for
        }
    }

    void anEmptyListIsNotExported()
    {
        StartedWindow s;
        s.window.OptSeries_Click(1);
        QVERIFY(!exportWindow(s)->activate());
        QCOMPARE(s.dialogs.shown, QStringList{QStringLiteral("No images are selected.")});
    }

    void theFileHoldsTheExportText()
    {
        QTemporaryDir dir;
        StartedWindow s;
        s.window.OptSeries_Click(1);
        ImageList &list = s.window.imageList();
        list.replaceEntries({bitmapEntry(makeBitmap(dir, QStringLiteral("a.bmp"), 16, 16), 16, 16),
                             bitmapEntry(makeBitmap(dir, QStringLiteral("b.bmp"), 8, 8), 8, 8, QStringLiteral("F 3"))});
        ListExportWindow *w = exportWindow(s);
        QVERIFY(w->activate());
        const QString path = dir.filePath(QStringLiteral("export.txt"));
        s.dialogs.chooseFile(path);
        w->findChild<QPushButton *>(QStringLiteral("cmdExport2File"))->click();
        QCOMPARE(s.dialogs.shown, QStringList());
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(s.window.state().WorkFolder, dir.path()); // a folder, not the file

        ExportContext golden;
        golden.entries = list.entries();
        golden.map = list.memoryMap();
        golden.areas.chkFROM[0] = 1;
        golden.areas.chkFROM[3] = 1;
        golden.seriesOption = 1;
        golden.language = s.window.state().UILanguage;
        RecordingNotifier notifier;
        ImageExporter exporter(notifier);
        const QString expected = dir.filePath(QStringLiteral("golden.txt"));
        QVERIFY(exporter.writeExportFile(expected, golden) > 0);
        QCOMPARE(fileText(dir.filePath(QStringLiteral("export.txt"))), fileText(expected));
    }

    // The write reaches the module as one run of bytes: the character-set test, left
    // running, sends its characters before or after it, never inside.
    void theModuleGetsExactlyTheBytesOfTheExportText_data()
    {
        QTest::addColumn<bool>("characterTest");
        QTest::newRow("alone") << false;
        QTest::newRow("character-set test running") << true;
    }
    void theModuleGetsExactlyTheBytesOfTheExportText()
    {
        QFETCH(bool, characterTest);
        QTemporaryDir dir;
        WindowWithModule m;
        StartedWindow &s = m.started;
        QVERIFY(s.window.link().anyLinkOpen());
        s.window.OptSeries_Click(1);
        s.window.imageList().replaceEntries(
            {bitmapEntry(makeBitmap(dir, QStringLiteral("a.bmp"), 64, 64), 64, 64),
             bitmapEntry(makeBitmap(dir, QStringLiteral("b.bmp"), 8, 8), 8, 8, QStringLiteral("F 2"))});
        ListExportWindow *w = exportWindow(s);
        QVERIFY(w->activate());
        // The module reads while the write goes on.
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&m] { m.module.readAvailable(); });
        reader.start(0);
        if (characterTest) {
            s.click(QStringLiteral("Command1"));
            QVERIFY(m.module.waitForBytes(2));
        }
        const qsizetype before = m.module.received().size();
        w->findChild<QPushButton *>(QStringLiteral("cmdWrite"))->click();
        reader.stop();
        if (characterTest) {
            QTest::qWait(50);
            s.click(QStringLiteral("Command1"));
        }
        QCOMPARE(s.dialogs.shown, QStringList());
        const ModuleBytes expected = exportTextToBytes(fileText(programFile(QStringLiteral("temp.txt"))));
        QVERIFY(expected.ok);
        QVERIFY(expected.bytes.size() > 512);
        QVERIFY(m.module.waitForBytes(before + expected.bytes.size()));
        const QByteArray write = m.module.received().mid(before, expected.bytes.size());
        QCOMPARE(write.toHex(' '), expected.bytes.toHex(' '));
        QCOMPARE(w->findChild<QProgressBar *>(QStringLiteral("ProgressBar2"))->value(), 100);
        QCOMPARE(w->result(), int(QDialog::Accepted));
    }

    // The character-set test runs and the image list is up. The module stops taking
    // bytes while the user clicks Convert, and again, once the export window that
    // click opened is up, while the user clicks flash page 0's box in it. Each click is
    // taken once the send it came during is over, at whatever depth of dialogs, and the
    // export window's close box closes it.
    void clicksDuringSendsAreTakenInADialogAClickOpened()
    {
        ListOverStallingModule m({areaEntry({"F 0", 8, 8})});
        StartedWindow &s = m.s;
        bool &stalled = m.stalled;
        QTRY_VERIFY(m.list->isVisible());
        const auto clickWhileStalled = [&stalled](QWidget *target) {
            stalled = true;
            QTimer::singleShot(postPacedClicks({target}) + 300, [&stalled] { stalled = false; });
        };
        // The export window runs its own event loop: what follows is driven from it.
        ListExportWindow *w = exportWindow(s);
        QCheckBox *page0 = box(w, QStringLiteral("chkFROM_0"));
        int step = 0;
        QTimer script;
        connect(&script, &QTimer::timeout, [&] {
            if (step == 0 && w->isVisible() && page0->isChecked()) {
                clickWhileStalled(page0);
                step = 1;
            } else if (step == 1 && !page0->isChecked() && !stalled) {
                postClose(w);
                step = 2;
            } else if (step == 2 && !w->isVisible()) {
                step = 3;
            }
        });
        script.start(50);
        clickWhileStalled(m.toolButton("Convert"));
        QTRY_COMPARE_WITH_TIMEOUT(step, 3, 10000);
        s.click(QStringLiteral("Command1"));
        QCOMPARE(s.dialogs.shown, QStringList());
    }

    // The same, with an empty image list: the user clicks Door, then Convert, while the
    // module takes no bytes. Door hides the list once the send is over; the Convert
    // click kept for the list, hidden by then, goes nowhere, as it would with nothing
    // sending.
    void aClickKeptForAWindowHiddenMeanwhileGoesNowhere()
    {
        ListOverStallingModule m({});
        QTRY_VERIFY(m.list->isVisible());
        m.stalled = true;
        QTimer::singleShot(postPacedClicks({m.toolButton("Door"), m.toolButton("Convert")}) + 300,
                           [&m] { m.stalled = false; });
        QTRY_VERIFY_WITH_TIMEOUT(!m.stalled && !m.list->isVisible() && m.s.window.isVisible(), 10000);
        QTest::qWait(100);
        m.s.click(QStringLiteral("Command1"));
        QCOMPARE(m.s.dialogs.shown, QStringList());
        QVERIFY(!exportWindow(m.s)->isVisible());
    }

    void aWriteThatCannotGoThroughSendsNothing_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no open link") << "offline" << QStringList{"Fail to open port."};
        QTest::newRow("missing bitmap") << "missing"
                                        << QStringList{"Image No.1 is not accecible.", " File convert error."};
        QTest::newRow("bitmap changed since the list was made")
            << "changed"
            << QStringList{"a.bmp is 8 x 8 dots now, not 16 x 8 as in the list. Add it to the list again. The export "
                           "was stopped.",
                           " File convert error."};
        QTest::newRow("module not ready") << "notReady" << QStringList{"Display is not ready."};
    }
    void aWriteThatCannotGoThroughSendsNothing()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        WindowWithModule m;
        StartedWindow &s = m.started;
        s.window.OptSeries_Click(1);
        const QString a = makeBitmap(dir, QStringLiteral("a.bmp"), 8, 8);
        QList<ImageListEntry> entries{bitmapEntry(a, 8, 8), bitmapEntry(a, 8, 8)};
        if (failure == QLatin1String("missing"))
            entries[0].imgPath = dir.filePath(QStringLiteral("gone.bmp"));
        if (failure == QLatin1String("changed"))
            entries[0].imgX = 16; // the file has shrunk to 8 columns since
        s.window.imageList().replaceEntries(entries);
        FakeClock clock;
        clock.step = 1000;
        auto port = std::make_unique<FakeSerialPort>();
        FakeSerialPort *fake = port.get();
        if (failure == QLatin1String("offline") || failure == QLatin1String("notReady")) {
            s.click(QStringLiteral("cmdOffLine"));
            QVERIFY(!s.window.link().anyLinkOpen());
        }
        if (failure == QLatin1String("notReady")) {
            // A module that never holds clear-to-send, on a clock that runs out at once.
            port->opened = true;
            port->cts = false;
            s.window.link().setSerialPort(std::move(port));
            s.window.link().setClock(&clock);
        }
        ListExportWindow *w = exportWindow(s);
        QVERIFY(w->activate());
        w->findChild<QPushButton *>(QStringLiteral("cmdWrite"))->click();
        QFETCH(QStringList, messages);
        const qsizetype total = exportTextToBytes(fileText(programFile(QStringLiteral("temp.txt")))).bytes.size();
        QCOMPARE(s.dialogs.shown, messages.replaceInStrings(QStringLiteral("%1"), QString::number(total)));
        QVERIFY(w->findChild<QPushButton *>(QStringLiteral("cmdWrite"))->isEnabled()); // may try again
        QVERIFY(!m.module.waitForBytes(1, 200));
        QVERIFY(fake->written.isEmpty());
        s.window.link().setClock(nullptr);
    }
};

KVX_TEST_MAIN(TestImageExportWindow)
#include "tst_image_export_window.moc"
