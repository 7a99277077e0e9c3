#include "image_list/image_list.h"
#include "image_list/ui/image_list_window.h"
#include "link/app_paths.h"
#include "shell/settings_files.h"
#include "shell/ui/qt_user_dialogs.h"
#include "support/fake_link_parts.h"
#include "support/queued_input.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "tutorial/achievement_record.h"
#include "tutorial/ui/tutorial_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <csignal>

using namespace kvx;
using namespace kvx::test;

namespace {

// The main window on a slow module in memory: it takes a byte at most every 0.3 ms,
// so a line of the macro below takes about 50 ms. Armed, it posts queued clicks when
// byte 50 of the next line is due and, stalling, takes no byte for 150 ms from there.
struct SlowModuleWindow
{
    SlowModuleWindow()
        : started(QStringLiteral("/dev/kvx-slow-module"), {}, false, [this]() -> std::unique_ptr<SerialPortIo> {
              auto p = std::make_unique<FakeSerialPort>();
              port = p.get();
              p->beforeReadyCheck = [this](FakeSerialPort &q) { ready(q); };
              return p;
          })
    {
        started.window.state().MacroText = QString(line(1) + "\r\n" + line(2) + "\r\n" + line(3));
    }
    static QString line(int value) { return "PRT" + QString(QStringLiteral(" 0%1h").arg(value)).repeated(LineBytes); }
    void ready(FakeSerialPort &p)
    {
        if (!clock.isValid())
            clock.start();
        const qint64 now = clock.nsecsElapsed();
        if (p.written.size() != lastCount) {
            lastCount = p.written.size();
            lastByteNs = now;
        }
        if ((!armedClicks.isEmpty() || !pacedClicks.isEmpty() || armedClose) && p.written.size() % LineBytes == armAt) {
            if (stall)
                stallUntilNs = now + stallMs * 1'000'000;
            byteGapNs = std::exchange(gapWhenArmedNs, byteGapNs);
            for (const QString &name : std::exchange(armedClicks, {}))
                postClick(started.child<QWidget>(name));
            QList<QWidget *> paced;
            for (const QString &name : std::exchange(pacedClicks, {}))
                paced << started.child<QWidget>(name);
            pacedUntil.setRemainingTime(postPacedClicks(paced));
            if (std::exchange(armedClose, false)) {
                postClose(&started.window);
                closeAskedNs = now;
                writtenAtClose = p.written.size();
            }
        }
        p.cts = now >= stallUntilNs && now - lastByteNs >= byteGapNs;
    }
    // The lines that went out, by the value each line repeats.
    QString linesSent() const
    {
        QStringList lines;
        for (qsizetype i = 0; i < port->written.size(); i += LineBytes)
            lines << QString::number(int(port->written.at(i)));
        return lines.join(' ');
    }
    // Runs the event loop as the program does until the play has ended or waits for
    // the pause, and a little longer so that a line sent too many would show.
    void settle()
    {
        QEventLoop loop;
        QTimer poll;
        QElapsedTimer since;
        since.start();
        qint64 settledMs = -1;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            const MacroPlayer &player = started.window.player();
            if (settledMs < 0 && (!player.running() || player.waiting()))
                settledMs = since.elapsed();
            if ((settledMs >= 0 && since.elapsed() > settledMs + 100) || since.elapsed() > 5000)
                loop.quit();
        });
        poll.start(5);
        loop.exec();
    }
    static constexpr int LineBytes = 150;
    // (Before the window, which makes the port as it starts.)
    FakeSerialPort *port = nullptr;
    QElapsedTimer clock;
    qsizetype lastCount = 0;
    qint64 lastByteNs = -1'000'000'000;
    qint64 stallUntilNs = 0;
    QStringList armedClicks;
    QStringList pacedClicks;
    QDeadlineTimer pacedUntil;
    qsizetype armAt = 50;
    qint64 byteGapNs = 300'000;
    qint64 gapWhenArmedNs = 300'000;
    bool armedClose = false;
    qint64 closeAskedNs = -1;
    qsizetype writtenAtClose = -1;
    bool stall = false;
    qint64 stallMs = 150;
    StartedWindow started;
};

} // namespace

class TestMainWindowRestart : public QObject
{
    Q_OBJECT
private slots:
    // What an earlier test left in the event queue is taken first: a send given up by
    // a close is over only once the event loop has run.
    void init() { QCoreApplication::processEvents(); }

    void aRestartBringsEverySettingBack()
    {
        QFile::remove(configPath());
        QFile::remove(textMemoPath());
        const QString bitmaps = programFolder() + "/bitmaps";
        {
            StartedWindow s;
            QDir().mkpath(bitmaps);
            QCOMPARE(s.window.encoder().moduleName(), QStringLiteral("VX140X32_52K"));
            s.child<QComboBox>("HinmeiList")->setCurrentText("VX256x64_21K");
            s.window.HinmeiList_Click();
            s.child<QCheckBox>("Chk_B")->setChecked(true);
            s.window.Chk_B_Click();
            s.child<QRadioButton>("OptSeries_3")->click();
            s.child<QComboBox>("CommPortList")->setCurrentText("ttyUSB7");
            s.child<QComboBox>("CommSettingsList")->setCurrentText("9600,n,8,1");
            s.window.setBitmapFolder(bitmaps);
            s.window.setHintColour(0x8080FF);
            s.window.state().UILanguage = "Japanese";
            s.window.state().MacroText = QStringLiteral("*** 日本語 ***\r\nPRT 0ch;\r\n");
            s.window.close();
            QVERIFY(s.dialogs.shown.isEmpty());
        }
        // The tutorial's record too, in a run that never opens the tutorial.
        const TopicCounts counts{2, 0, 0, 0, 0, 0, 0, 3};
        QVERIFY(achievement_record::save(achievement_record::defaultPath(), counts).ok);
        StartedWindow again("/dev/kvx-no-such-port", {}, true);
        QCOMPARE(again.program.tutorWindow()->engine().achieved(), counts);
        QVERIFY(QFile::remove(achievement_record::defaultPath()));
        // The port restored from the file replaced the one the test put in.
        QCOMPARE(again.child<QComboBox>("CommPortList")->currentText(), QStringLiteral("ttyUSB7"));
        QCOMPARE(again.child<QComboBox>("CommSettingsList")->currentText(), QStringLiteral("9600,n,8,1"));
        QCOMPARE(again.window.encoder().moduleName(), QStringLiteral("VX256x64_21K"));
        QCOMPARE(again.window.encoder().moduleSeri(), QStringLiteral("2100B"));
        QVERIFY(again.child<QRadioButton>("OptSeries_3")->isChecked());
        QCOMPARE(again.window.seriesOption(), 3);
        QCOMPARE(again.window.bitmapFolder(), bitmaps);
        QCOMPARE(again.window.state().WorkFolder, bitmaps);
        QCOMPARE(again.window.hintColour(), qint32(0x8080FF));
        QCOMPARE(again.window.state().UILanguage, QStringLiteral("Japanese"));
        QCOMPARE(again.window.state().MacroText, QStringLiteral("*** 日本語 ***\r\nPRT 0ch;\r\n"));
        again.window.close();
        QCOMPARE(achievement_record::load(achievement_record::defaultPath()), counts);

        // A bitmap folder that has gone since keeps the default.
        QDir(bitmaps).removeRecursively();
        StartedWindow third("/dev/kvx-no-such-port", {}, true);
        QCOMPARE(third.window.bitmapFolder(), programFolder());
    }

    void recordedCommandsPlayBackTheSameBytes()
    {
        QFile::remove(configPath());
        QFile::remove(textMemoPath());
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.click("RecCommandButton");
        s.click("cmdBtn1_1");
        s.child<QLineEdit>("CursorXBox")->setText("300");
        s.click("cmdBtn1_0");
        s.click("cmdBtn1_6");
        s.click("StopCommandButton");
        QVERIFY(w.module.waitForBytes(8));
        const QByteArray sent = w.module.received();
        w.module.clearReceived();
        s.click("PlayCommandButton");
        QTRY_VERIFY(!s.window.player().running());
        QVERIFY(w.module.waitForBytes(sent.size()));
        QCOMPARE(w.module.received().toHex(' '), sent.toHex(' '));
        QVERIFY(s.dialogs.shown.isEmpty());
        QVERIFY(!s.window.player().playButtonActive());
        s.window.close();
    }

    // Played with Pause down, the first line goes and the player waits. Stopped while
    // paused, it plays the next line and stops; the window closed while paused sends
    // nothing more.
    void aPausedPlayStopsOrCloses_data()
    {
        QTest::addColumn<bool>("close");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("stop sends the next line") << false << QByteArray("01 02");
        QTest::newRow("closing sends nothing more") << true << QByteArray("01");
    }
    void aPausedPlayStopsOrCloses()
    {
        QFETCH(bool, close);
        QFETCH(QByteArray, sent);
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.window.state().MacroText = QStringLiteral("PRT 01h;\r\nPRT 02h;\r\nPRT 03h;");
        s.click("PauseCommandButton");
        s.click("PlayCommandButton");
        QTest::qWait(50);
        if (close)
            s.window.close();
        else
            s.click("StopCommandButton");
        QTRY_VERIFY(!s.window.player().running());
        QTest::qWait(100);
        w.module.readAvailable();
        QCOMPARE(w.module.received().toHex(' '), sent);
        s.window.close();
    }

    // Clicks as a user gives them, through the window system's queue while the play
    // runs: a click during a line (going out slowly, or waiting for the module) is
    // taken after that line and before the next. Steps: "during:A B" arms queued
    // clicks for byte 50 of the next line, "stalled" makes the module stop there too,
    // "click:A" clicks at once, "post:A B" queues clicks together, "sent:1 2" checks
    // the lines sent so far; each click step runs the event loop until the play ends
    // or waits.
    void queuedClicksAreTakenBetweenLines_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<bool>("waiting");
        QTest::newRow("pause during a long line") << QStringList{"during:Pause", "click:Play"} << "1" << true;
        QTest::newRow("stop during a long line") << QStringList{"during:Stop", "click:Play"} << "1" << false;
        QTest::newRow("pause during the ready wait")
            << QStringList{"stalled", "during:Pause", "click:Play"} << "1" << true;
        QTest::newRow("stop during the ready wait")
            << QStringList{"stalled", "during:Stop", "click:Play"} << "1" << false;
        QTest::newRow("rec while paused waits for the release")
            << QStringList{"click:Pause", "click:Play", "sent:1", "post:Rec", "sent:1", "post:Pause"} << "1 2" << false;
        QTest::newRow("play and stop queued together") << QStringList{"post:Play Stop"} << "1" << false;
    }
    void queuedClicksAreTakenBetweenLines()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, sent);
        QFETCH(bool, waiting);
        SlowModuleWindow w;
        QVERIFY(w.port);
        for (const QString &step : steps) {
            const QString what = step.section(':', 0, 0);
            const QStringList names = step.section(':', 1).split(' ', Qt::SkipEmptyParts);
            QStringList buttons;
            for (const QString &name : names)
                buttons << name + "CommandButton";
            if (what == "stalled") {
                w.stall = true;
            } else if (what == "during") {
                w.armedClicks = buttons;
            } else if (what == "sent") {
                QCOMPARE(w.linesSent(), step.section(':', 1));
            } else {
                for (const QString &button : buttons)
                    what == "click" ? w.started.click(button) : postClick(w.started.child<QWidget>(button));
                w.settle();
            }
        }
        QCOMPARE(w.linesSent(), sent);
        QCOMPARE(w.started.window.player().running(), waiting);
        QCOMPARE(w.started.window.player().waiting(), waiting);
        w.started.window.close();
    }

    // Buttons clicked at a person's pace while a line goes out slowly or the module
    // takes no bytes, the last clicks while the clicked commands go out: each click is
    // taken once the send before it is over, once, in the order given, its command's
    // bytes whole, as the same clicks send when nothing is sending.
    void clicksAtAPersonsPaceAreTakenAfterTheSendInOrder_data()
    {
        QTest::addColumn<bool>("stalled");
        QTest::newRow("a slow module") << false;
        QTest::newRow("a module taking no bytes for a while") << true;
    }
    void clicksAtAPersonsPaceAreTakenAfterTheSendInOrder()
    {
        QFETCH(bool, stalled);
        const QStringList buttons{"cmdBtn1_1", "cmdBtn1_6", "cmdBtn1_1", "cmdBtn1_0", "cmdBtn1_6"};
        SlowModuleWindow w;
        QVERIFY(w.port);
        // The same clicks with nothing sending.
        for (const QString &button : buttons)
            w.started.click(button);
        const QByteArray idle = w.port->written;
        w.port->written.clear();
        w.lastCount = 0;
        w.lastByteNs = -1'000'000'000;
        w.started.window.state().MacroText = SlowModuleWindow::line(1);
        w.stall = stalled;
        w.stallMs = 1800;
        // Slow from byte 125 on: 2.5 s for the rest of the line; the clicks go on for 3.6 s.
        w.armAt = stalled ? 50 : 125;
        w.gapWhenArmedNs = stalled ? 300'000 : 100'000'000;
        w.pacedClicks = buttons;
        w.started.click(QStringLiteral("PlayCommandButton"));
        QTRY_COMPARE_WITH_TIMEOUT(w.port->written.mid(SlowModuleWindow::LineBytes).toHex(' '), idle.toHex(' '), 15000);
        QTest::qWait(300);
        QCOMPARE(w.port->written.mid(SlowModuleWindow::LineBytes).toHex(' '), idle.toHex(' '));
        QCOMPARE(w.started.dialogs.shown, QStringList());
        w.started.window.close();
    }

    // The window manager asks to close the main window in the middle of a line going
    // out slowly, or of a module that has stopped taking bytes for good: the request
    // is taken at once, nothing follows the byte in progress, the line is given up
    // without the link's message, and the window closes with its files written.
    void aCloseRequestDuringASendEndsItAtOnce_data()
    {
        QTest::addColumn<bool>("stalled");
        QTest::newRow("slow line") << false;
        QTest::newRow("module taking no bytes") << true;
    }
    void aCloseRequestDuringASendEndsItAtOnce()
    {
        QFETCH(bool, stalled);
        SlowModuleWindow w;
        QVERIFY(w.port);
        w.stall = stalled;
        w.stallMs = 60'000;
        w.armedClose = true;
        w.started.click(QStringLiteral("PlayCommandButton"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.started.window.isVisible(), 5000);
        const qint64 tookMs = (w.clock.nsecsElapsed() - w.closeAskedNs) / 1'000'000;
        QVERIFY2(tookMs < 1000, qPrintable(QString::number(tookMs)));
        // The request is seen at the next round of events: what the module takes in that
        // time (a byte every 0.3 ms), where the rest of the line was a hundred.
        QVERIFY2(w.port->written.size() <= w.writtenAtClose + Link::EventsEveryMs * 10 / 3 + 5,
                 qPrintable(QString::number(w.port->written.size() - w.writtenAtClose)));
        QVERIFY(!w.started.window.player().running());
        QVERIFY(!w.started.window.link().isSending());
        QCOMPARE(w.started.dialogs.shown, QStringList());
        QCOMPARE(loadTextMemo(), std::optional<QString>(w.started.window.state().MacroText));
    }

    // The desktop or the terminal ends the session with a signal: it closes the window
    // as its close box does, and the macro recorded in the session is kept. A file
    // dialog that stands is closed as cancelled at once.
    void aSignalThatEndsTheSessionClosesAndKeepsTheMacro_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("fileDialog");
        QTest::newRow("SIGTERM, a logout") << SIGTERM << false;
        QTest::newRow("SIGHUP, the terminal closed") << SIGHUP << false;
        QTest::newRow("SIGINT, Ctrl+C") << SIGINT << false;
        QTest::newRow("SIGTERM while a file dialog stands") << SIGTERM << true;
    }
    void aSignalThatEndsTheSessionClosesAndKeepsTheMacro()
    {
        QFETCH(int, signal);
        QFETCH(bool, fileDialog);
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.click("RecCommandButton");
        s.click("cmdBtn1_1");
        s.click("StopCommandButton");
        QVERIFY(s.window.state().MacroText.contains(QStringLiteral("PRT")));
        QElapsedTimer clock;
        if (fileDialog) {
            std::optional<UserDialogs::FileChoice> choice;
            s.dialogs.whileChoosing = [&](const UserDialogs::FileRequest &request) {
                QTimer::singleShot(0, [&] {
                    clock.start();
                    std::raise(signal);
                });
                choice = QtUserDialogs(&s.window).openFile(request);
            };
            s.click("cmdBrowse");
            QVERIFY(choice && !choice->accepted);
        } else {
            clock.start();
            std::raise(signal);
        }
        QTRY_VERIFY(!s.window.isVisible());
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(loadTextMemo(), std::optional<QString>(s.window.state().MacroText));
        QCOMPARE(s.dialogs.shown, QStringList());
    }

    // Two copies of the program run at once; one changes its settings, records a
    // macro, keeps one of the two images of its image list, ticks "with BMP Files" and
    // resets the tutorial's progress; the other changes nothing. Whichever closes last
    // (each leaving its image list first), what the changed copy wrote stays. Before
    // them, a first start that records nothing still leaves a Tmp.sei (CR LF alone).
    void twoCopiesKeepWhatTheOtherChanged_data()
    {
        QTest::addColumn<bool>("changedClosesFirst");
        QTest::newRow("the changed copy closes first") << true;
        QTest::newRow("the changed copy closes last") << false;
    }
    void twoCopiesKeepWhatTheOtherChanged()
    {
        QFETCH(bool, changedClosesFirst);
        const auto closeCopy = [](StartedWindow &s) {
            s.window.findChild<ImageListWindow *>()->Close_Click();
            s.window.close();
        };
        QList<ImageListEntry> images(2);
        images[0].imgPath = QStringLiteral("/pictures/a.bmp");
        images[1].imgPath = QStringLiteral("/pictures/b.bmp");
        {
            StartedWindow first;
            first.window.imageList().replaceEntries(images);
            closeCopy(first);
        }
        QFile memo(textMemoPath());
        QVERIFY(memo.open(QIODevice::ReadOnly));
        QCOMPARE(memo.readAll(), QByteArray("\r\n"));
        QVERIFY(achievement_record::save(achievement_record::defaultPath(), TopicCounts{2, 3}).ok);
        StartedWindow idle("/dev/kvx-no-such-port", {}, true);
        StartedWindow changed("/dev/kvx-no-such-port", {}, true);
        changed.child<QComboBox>("CommPortList")->setCurrentText("ttyUSB5");
        changed.window.state().MacroText = QStringLiteral("PRT 02h;");
        changed.window.imageList().replaceEntries(images.mid(1));
        changed.window.findChild<QAction *>(QStringLiteral("WithBMP"))->trigger();
        changed.program.tutorWindow()->engine().resetAchievements();
        if (changedClosesFirst) {
            closeCopy(changed);
            closeCopy(idle);
        } else {
            closeCopy(idle);
            closeCopy(changed);
        }
        QCOMPARE(loadTextMemo(), std::optional<QString>(QStringLiteral("PRT 02h;")));
        QCOMPARE(loadConfig().port, std::optional<QString>(QStringLiteral("ttyUSB5")));
        StartedWindow next("/dev/kvx-no-such-port", {}, true);
        QCOMPARE(next.window.imageList().entries().size(), 1);
        QVERIFY(next.window.findChild<ImageListWindow *>()->files().withBmp());
        QCOMPARE(next.program.tutorWindow()->engine().achieved(), TopicCounts{});
    }
};

KVX_TEST_MAIN(TestMainWindowRestart)
#include "tst_main_window_restart.moc"
