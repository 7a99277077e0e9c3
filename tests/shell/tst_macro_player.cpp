#include "link/link.h"
#include "shell/macro_player.h"
#include "shell/shell_state.h"
#include "support/fake_link_parts.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

namespace {

struct Rig
{
    Rig() : player(link, state, dialogs, [this] { return paused; })
    {
        auto p = std::make_unique<FakeSerialPort>();
        port = p.get();
        port->opened = true;
        link.setSerialPort(std::move(p));
        link.setNotifier(&dialogs);
        link.setClock(&clock);
    }
    // Plays to the end (or until the player stops by itself).
    void runOut(int maxTicks = 1000)
    {
        for (int i = 0; i < maxTicks && player.running(); ++i)
            player.tick();
    }
    ShellState state;
    ScriptedDialogs dialogs;
    Link link;
    FakeClock clock;
    FakeSerialPort *port = nullptr;
    bool paused = false;
    MacroPlayer player;
};

} // namespace

class TestMacroPlayer : public QObject
{
    Q_OBJECT
private slots:
    void linesBecomeBytes_data()
    {
        QTest::addColumn<QString>("macro");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("message");
        QTest::newRow("recorder line") << "PRT 1bh 40h;" << hexBytes("1B 40") << "";
        QTest::newRow("bare digits") << "PRT 1B 40" << hexBytes("1B 40") << "";
        QTest::newRow("lower prt") << "prt 1bh" << QByteArray() << "";
        QTest::newRow("empty PRT") << "PRT;" << QByteArray() << "";
        QTest::newRow("characters") << "PRT 'A 'b" << hexBytes("41 62") << "";
        QTest::newRow("character then more") << "PRT 'AB" << hexBytes("41") << "";
        QTest::newRow("two blanks give 00") << "PRT 1bh  40h;" << hexBytes("1B 00 40") << "";
        QTest::newRow("blank before semicolon") << "PRT 1bh 40h ;" << hexBytes("1B 40 00") << "";
        QTest::newRow("comments and blank lines") << "*** HomePosition ***\r\n*** -Op- ***\r\nPRT 0bh;\r\n\r\n"
                                                  << hexBytes("0B") << "";
        QTest::newRow("above FF") << "PRT 100h;" << QByteArray() << "Data error at line: 1 Word:2\r\n\r\nPRT 100h;";
        QTest::newRow("FFFF") << "PRT 0ch\r\nPRT FFFFh;" << hexBytes("0C")
                              << "Data error at line: 2 Word:2\r\n\r\nPRT FFFFh;";
        QTest::newRow("lone quote") << "PRT 41h '" << QByteArray() << "Data error at line: 1 Word:3\r\n\r\nPRT 41h '";
        QTest::newRow("character 1252 lacks") << "PRT 0ch\r\nPRT 41h '\u3042;" << hexBytes("0C")
                                              << "Data error at line: 2 Word:3\r\n\r\nPRT 41h '\u3042;";
        QTest::newRow("typed question mark") << "PRT '? '\u00e9" << hexBytes("3F E9") << "";
    }
    void linesBecomeBytes()
    {
        QFETCH(QString, macro);
        QFETCH(QByteArray, sent);
        QFETCH(QString, message);
        Rig r;
        QVERIFY(r.player.play(macro));
        r.runOut();
        QCOMPARE(r.port->written.toHex(' '), sent.toHex(' '));
        QCOMPARE(r.dialogs.shown, message.isEmpty() ? QStringList() : QStringList{message});
        // A data error ends the play but leaves the play button showing it.
        QCOMPARE(r.player.playButtonActive(), !message.isEmpty());
        QVERIFY(!r.player.running());
    }

    void refusesWhenTheModuleIsNotReady()
    {
        Rig r;
        r.port->cts = false;
        QVERIFY(!r.player.play("PRT 0ch;"));
        QCOMPARE(r.dialogs.shown, QStringList{"Display is not conected or no power"});
        QVERIFY(!r.player.playButtonActive());
        r.state.UILanguage = "Japanese";
        r.player.play("PRT 0ch;");
        QCOMPARE(r.dialogs.shown.last(), QStringLiteral("ディスプレイが未接続か電源が入っていません。"));
        r.link.releaseSerialPort();
        QVERIFY(!r.player.play("PRT 0ch;"));
    }

    void pauseWaitsBetweenLinesAndStopEndsAfterTheLine()
    {
        Rig r;
        r.player.play("PRT 01h 02h;\r\nPRT 03h;\r\nPRT 04h;\r\nPRT 05h;");
        r.player.tick();
        QCOMPARE(r.port->written, hexBytes("01 02"));
        r.paused = true;
        for (int i = 0; i < 5; ++i)
            r.player.tick();
        QCOMPARE(r.port->written, hexBytes("01 02"));
        // Stop while paused: the next line still goes, then the play ends.
        r.player.stop();
        r.paused = false;
        r.player.pauseChanged();
        r.runOut();
        QCOMPARE(r.port->written, hexBytes("01 02 03"));
        QVERIFY(!r.player.playButtonActive());

        Rig s;
        s.player.play("PRT 01h;\r\nPRT 02h;\r\nPRT 03h;");
        s.player.tick();
        s.player.stop();
        s.runOut();
        QCOMPARE(s.port->written, hexBytes("01"));
    }

    // Pause down as the play starts: the first line goes, then the player waits; Pause
    // pressed during the last line waits after it too.
    void aPlayStartedWhilePausedSendsTheFirstLineThenWaits()
    {
        Rig r;
        r.paused = true;
        QVERIFY(r.player.play("PRT 01h 02h;\r\nPRT 03h;"));
        for (int i = 0; i < 5; ++i)
            r.player.tick();
        QCOMPARE(r.port->written, hexBytes("01 02"));
        r.paused = false;
        r.port->beforeReadyCheck = [&](FakeSerialPort &) { r.paused = true; };
        r.player.pauseChanged();
        r.player.tick();
        QCOMPARE(r.port->written, hexBytes("01 02 03"));
        QVERIFY(r.player.waiting());
        r.paused = false;
        r.player.pauseChanged();
        QVERIFY(!r.player.playButtonActive());
    }

    // Timers run while a line is sent: a tick that comes then does not start the next.
    void aTickDuringASendWaitsForIt()
    {
        Rig r;
        bool ticked = false;
        r.port->beforeReadyCheck = [&](FakeSerialPort &p) {
            if (p.written.size() == 1 && !std::exchange(ticked, true))
                r.player.tick();
        };
        r.player.play("PRT 01h;\r\nPRT 02h;\r\nPRT 03h;");
        r.runOut();
        QCOMPARE(r.port->written, hexBytes("01 02 03"));
        QVERIFY(!r.player.playButtonActive());
    }

    void stopsAtTheFirstByteNotSent()
    {
        Rig r;
        r.clock.step = 1000;
        r.port->beforeReadyCheck = [](FakeSerialPort &p) { p.cts = p.written.size() < 3; };
        r.player.play("PRT 01h 02h;\r\nPRT 03h 04h;\r\nPRT 05h;");
        r.runOut();
        QCOMPARE(r.port->written, hexBytes("01 02 03"));
        QCOMPARE(r.dialogs.shown, QStringList{"Display is not ready."});
        QVERIFY(!r.player.running());
    }

    void overUsbTheOpenLinkIsReady()
    {
        Rig r;
        r.link.releaseSerialPort();
        FakeUsbLink usb;
        r.link.setUsbLink(&usb);
        QVERIFY(r.player.play("PRT 1bh 40h;"));
        r.runOut();
        QCOMPARE(usb.chunks, (QList<QByteArray>{hexBytes("1B"), hexBytes("40")}));
    }
};

KVX_TEST_MAIN(TestMacroPlayer)
#include "tst_macro_player.moc"
