#include "panels/led_backlight.h"
#include "panels/led_touch_rig.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

Q_DECLARE_METATYPE(kvx::LedColourOption)

namespace {
const QVector<int> Wave = ShellState().BacklightWave;
const QString FrameName = QStringLiteral("Back ligh Color : RGB");
// Frame 1 of three LEDs with the sliders at their start values: LED 0 red 64, green 0,
// blue 128; LED 1 160, 0, 32; LED 2 240, 0, 0 (each LED: number, blue, green, red).
const QByteArray Frame1 = hexBytes("1F 4C 91 03 00 80 00 40 01 20 00 A0 02 00 00 F0 00");
const QByteArray Wait10 = hexBytes("1F 28 61 02 0A");
} // namespace

class TestLedBacklight : public QObject
{
    Q_OBJECT
private slots:
    void stepValueFollowsTheWave_data()
    {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("lengthAfter");
        QTest::newRow("red of LED 0") << 1 << 0 << 10 << 64 << 10;
        QTest::newRow("green of LED 0") << 1 << 7 << 10 << 0 << 10;
        QTest::newRow("blue of LED 0") << 1 << 14 << 10 << 128 << 10;
        QTest::newRow("half rounds to even") << 5 << 0 << 10 << 64 << 10;
        QTest::newRow("negative half rounds to even") << 5 << 0 << -10 << 32 << -10;
        QTest::newRow("length 0 acts as 1") << 1 << 0 << 0 << 16 << 1;
        QTest::newRow("far position wraps") << 30 << 0 << 10 << 16 << 10;
        QTest::newRow("phase -20") << 1 << -20 << 10 << 32 << 10;
        QTest::newRow("phase 20 on blue") << 1 << 34 << 10 << 64 << 10;
        QTest::newRow("far below zero") << 40 << 34 << -20 << 160 << -20;
    }
    void stepValueFollowsTheWave()
    {
        QFETCH(int, p);
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(int, value);
        QFETCH(int, lengthAfter);
        QCOMPARE(BacklightStepValue(Wave, p, offset, length), value);
        QCOMPARE(length, lengthAfter);
    }

    void frameTablesTakeToneAndPhase_data()
    {
        QTest::addColumn<int>("toneRed");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("start");
        QTest::addColumn<QVector<int>>("red");
        QTest::addColumn<QVector<int>>("green");
        QTest::addColumn<QVector<int>>("blue");
        QTest::newRow("start values") << 0 << 0 << 1 << QVector<int>{64, 160, 240} << QVector<int>{0, 0, 0}
                                      << QVector<int>{128, 32, 0};
        QTest::newRow("tone 15 takes 240 and 16 to 0")
            << 15 << 0 << 1 << QVector<int>{0, 0, 0} << QVector<int>{0, 0, 0} << QVector<int>{128, 32, 0};
        QTest::newRow("tone -15 wraps above 255")
            << -15 << 0 << 1 << QVector<int>{48, 144, 224} << QVector<int>{0, 0, 0} << QVector<int>{128, 32, 0};
        QTest::newRow("phase shifts all three")
            << 0 << 3 << 1 << QVector<int>{0, 32, 128} << QVector<int>{0, 0, 0} << QVector<int>{240, 160, 64};
        QTest::newRow("second frame") << 0 << 0 << 2 << QVector<int>{160, 240, 160} << QVector<int>{0, 0, 32}
                                      << QVector<int>{32, 0, 0};
    }
    void frameTablesTakeToneAndPhase()
    {
        QFETCH(int, toneRed);
        QFETCH(int, phase);
        QFETCH(int, start);
        AnimationSettings s;
        s.toneRed = toneRed;
        s.phase = phase;
        const AnimationFrame f = animationFrame(Wave, s, start, 3);
        QTEST(f.red, "red");
        QTEST(f.green, "green");
        QTEST(f.blue, "blue");
    }

    void frameOrderFollowsTheSpeedsSign_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QVector<int>>("starts");
        QTest::newRow("forward") << 3 << 10 << QVector<int>{1, 2, 3};
        QTest::newRow("backward") << 3 << -10 << QVector<int>{3, 2, 1};
        QTest::newRow("speed 0 runs forward") << 2 << 0 << QVector<int>{1, 2};
        QTest::newRow("no frames") << 0 << 10 << QVector<int>{};
    }
    void frameOrderFollowsTheSpeedsSign()
    {
        QFETCH(int, frames);
        QFETCH(int, speed);
        QTEST(animationFrameStarts(frames, speed), "starts");
    }

    void animationTakesLedCountsUpTo21Only_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count"); // -1: refused
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("21 with blanks") << " 21 " << 21;
        QTest::newRow("hexadecimal") << "&H10" << 16;
        QTest::newRow("halves to even") << "2.5" << 2;
        QTest::newRow("22") << "22" << -1;
        QTest::newRow("rounds to 22") << "21.5" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("not a number") << "abc" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void animationTakesLedCountsUpTo21Only()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(animationLedCount(text).value_or(-1), count);
    }

    void allSendsTheColourOfTheSeries_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("revisionB");
        QTest::addColumn<LedColourOption>("option");
        QTest::addColumn<bool>("duty");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("help");
        const QString rgbHelp = "-----OpCode-----  B(B), B(G), B(R)  (0 to FF 16 steps)";
        const QString brHelp = "-----OpCode-----  Br (0 to FF 16 steps)";
        // Red 1, green 2, blue 3.
        QTest::newRow("2100 duty") << "VX256x64_21K" << false << LedColourOption::RGB << true
                                   << hexBytes("1F 4C 80 03 02 01") << "Back lighr Color with Duty adjust:RGB 3, 2, 1"
                                   << rgbHelp;
        QTest::newRow("2100 ignores the options")
            << "VX256x64_21K" << false << LedColourOption::Red << false << hexBytes("1F 4C 81 03 02 01")
            << "Back lighr Color : RGB   3, 2, 1" << rgbHelp;
        QTest::newRow("2100B takes the options") << "VX256x64_21K" << true << LedColourOption::Red << true
                                                 << hexBytes("1F 4C 02 01") << "Back lighr Color : Red   1" << brHelp;
        QTest::newRow("5200 green") << "VX140X32_52K" << false << LedColourOption::Green << false
                                    << hexBytes("1F 4C 01 02") << "Back lighr Color : Green 2" << brHelp;
        QTest::newRow("5200 blue") << "VX140X32_52K" << false << LedColourOption::Blue << false
                                   << hexBytes("1F 4C 00 03") << "Back lighr Color : Blue  3" << brHelp;
        QTest::newRow("5200B RGB") << "VX140X32_52K" << true << LedColourOption::RGB << false
                                   << hexBytes("1F 4C 10 03 02 01") << "Back lighr Color : RGB   3, 2, 1" << rgbHelp;
    }
    void allSendsTheColourOfTheSeries()
    {
        QFETCH(QString, model);
        QFETCH(bool, revisionB);
        QFETCH(LedColourOption, option);
        QFETCH(bool, duty);
        PanelRig rig(model, revisionB);
        LedBacklightPanel panel(rig.ctx);
        panel.CmdLED_Click(1, 2, 3, option, duty);
        QCOMPARE(rig.sink.commands.size(), 1);
        QTEST(rig.sink.commands.first(), "bytes");
        QTEST(rig.names.value(0), "name");
        QTEST(rig.helps.value(0), "help");
    }

    void blocksAreQuartersOfTheLedCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("duty");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("10, block 0") << "10" << 0 << false << hexBytes("1F 4C 91 02 00 03 02 01 01 03 02 01 00")
                                     << "Back lighr Color : Red   1";
        QTest::newRow("10, block 1 starts at 2 (2.5 to even)")
            << "10" << 1 << false << hexBytes("1F 4C 91 02 02 03 02 01 03 03 02 01 00") << "Back lighr Color : Red   1";
        QTest::newRow("10, block 2") << "10" << 2 << true << hexBytes("1F 4C 90 02 05 03 02 01 06 03 02 01 00")
                                     << "Back lighr Color with Duty adjust : RGB   3, 2, 1";
        QTest::newRow("10, block 3 starts at 8")
            << "10" << 3 << false << hexBytes("1F 4C 91 02 08 03 02 01 09 03 02 01 00") << "Back lighr Color : Red   1";
        QTest::newRow("not a number: an empty block")
            << "x" << 3 << false << hexBytes("1F 4C 91 00 00") << "Back lighr Color : Red   1";
    }
    void blocksAreQuartersOfTheLedCount()
    {
        QFETCH(QString, count);
        QFETCH(int, index);
        QFETCH(bool, duty);
        PanelRig rig("VX256x64_21K");
        LedBacklightPanel panel(rig.ctx);
        panel.CmdLedBlk_Click(index, count, 1, 2, 3, duty);
        QCOMPARE(rig.sink.commands.size(), 1);
        QTEST(rig.sink.commands.first(), "bytes");
        QTEST(rig.names.value(0), "name");
    }

    void blockBeyondAByteIsRefused()
    {
        PanelRig rig("VX256x64_21K");
        LedBacklightPanel panel(rig.ctx);
        panel.CmdLedBlk_Click(0, "2000", 1, 2, 3, false);
        QVERIFY(rig.sink.commands.isEmpty());
        QVERIFY(rig.names.isEmpty());
        QCOMPARE(rig.dialogs.shown, QStringList{"Value out of range."});
    }

    void animationSendsEachFrameThenAWait()
    {
        PanelRig rig("VX256x64_21K");
        LedBacklightPanel panel(rig.ctx);
        QCOMPARE(panel.CmdBL_Click(1, "3", "2", AnimationSettings()), SendResult::Sent);
        QCOMPARE(rig.sink.commands.size(), 4);
        QCOMPARE(rig.sink.commands[0], Frame1);
        QCOMPARE(rig.sink.commands[1], Wait10);
        QCOMPARE(rig.sink.commands[2], hexBytes("1F 4C 91 03 00 20 00 A0 01 00 00 F0 02 00 20 A0 00"));
        QCOMPARE(rig.sink.commands[3], Wait10);
        const QString wait = "WaitAction : 10X 14mS=140mSec";
        QCOMPARE(rig.names, (QStringList{FrameName, wait, FrameName, wait}));
        QCOMPARE(rig.helps.value(0), "  -----OpCode-----  Br (0 to FF 16 steps)");
        QCOMPARE(rig.helps.value(1), "-----OpCode-----  t  (t:Time 0<=t<=255)");
    }

    void animationFrameCountAndDirection_data()
    {
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("commands");
        QTest::newRow("20 frames") << "20" << 10 << 40;
        QTest::newRow("21 LEDs at -40") << "5" << -40 << 10;
    }
    void animationFrameCountAndDirection()
    {
        QFETCH(QString, repeat);
        QFETCH(int, speed);
        PanelRig rig("VX256x64_21K");
        LedBacklightPanel panel(rig.ctx);
        AnimationSettings s;
        s.speed = speed;
        panel.CmdBL_Click(3, "21", repeat, s);
        QTEST(int(rig.sink.commands.size()), "commands");
        for (int i = 1; i < rig.sink.commands.size(); i += 2)
            QCOMPARE(rig.sink.commands[i], hexBytes("1F 28 61 02") + char(qAbs(speed)));
        for (int i = 0; i < rig.sink.commands.size(); i += 2)
            QCOMPARE(rig.sink.commands[i].size(), 4 * 21 + 5);
    }

    void backwardsPlaysTheFramesInReverse()
    {
        auto frames = [](int speed) {
            PanelRig rig("VX256x64_21K");
            LedBacklightPanel panel(rig.ctx);
            AnimationSettings s;
            s.speed = speed;
            panel.CmdBL_Click(4, "8", "3", s);
            QList<QByteArray> f;
            for (int i = 0; i < rig.sink.commands.size(); i += 2)
                f.append(rig.sink.commands[i]);
            return f;
        };
        QList<QByteArray> forward = frames(10);
        std::reverse(forward.begin(), forward.end());
        QCOMPARE(frames(-10), forward);
    }

    void sliderSendsOneFrameAndNoWait()
    {
        PanelRig rig("VX256x64_21K");
        LedBacklightPanel panel(rig.ctx);
        panel.CmdBL_Click(100, "3", "not even read", AnimationSettings());
        QCOMPARE(rig.sink.commands, QList<QByteArray>{Frame1});
        QCOMPARE(rig.names, QStringList{FrameName});
    }

    void badCountsSendNothing_data()
    {
        QTest::addColumn<QString>("leds");
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<QString>("message");
        QTest::newRow("22 LEDs") << "22"
                                 << "2"
                                 << "The number of LEDs must be 0 to 21.";
        QTest::newRow("LEDs not a number") << "eight"
                                           << "2"
                                           << "The number of LEDs must be 0 to 21.";
        QTest::newRow("frames beyond 16 bits") << "3"
                                               << "40000"
                                               << "Value out of range.";
    }
    void badCountsSendNothing()
    {
        QFETCH(QString, leds);
        QFETCH(QString, repeat);
        PanelRig rig("VX256x64_21K");
        LedBacklightPanel panel(rig.ctx);
        QCOMPARE(panel.CmdBL_Click(1, leds, repeat, AnimationSettings()), SendResult::Skipped);
        QVERIFY(rig.sink.commands.isEmpty());
        QVERIFY(rig.names.isEmpty());
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QTEST(rig.dialogs.shown.first(), "message");
    }

    void animationStopsAtTheFirstCommandNotSent_data()
    {
        QTest::addColumn<int>("good");
        QTest::addColumn<int>("tried");
        QTest::addColumn<int>("logged");
        QTest::newRow("first frame fails") << 0 << 1 << 0;
        QTest::newRow("first wait fails") << 1 << 2 << 1;
        QTest::newRow("second frame fails") << 2 << 3 << 2;
    }
    void animationStopsAtTheFirstCommandNotSent()
    {
        QFETCH(int, good);
        PanelRig rig("VX256x64_21K");
        rig.sink.goodCommands = good;
        LedBacklightPanel panel(rig.ctx);
        QCOMPARE(panel.CmdBL_Click(1, "3", "20", AnimationSettings()), SendResult::NotReady);
        QTEST(int(rig.sink.commands.size()), "tried");
        QTEST(int(rig.names.size()), "logged");
        QVERIFY(!panel.animationRunning());
    }

    void clickDuringAnAnimationStartsNothing()
    {
        PanelRig rig("VX256x64_21K");
        LedBacklightPanel panel(rig.ctx);
        QList<SendResult> nested;
        rig.sink.onSend = [&] {
            if (nested.isEmpty())
                nested.append(panel.CmdBL_Click(1, "3", "20", AnimationSettings()));
        };
        panel.CmdBL_Click(1, "3", "2", AnimationSettings());
        QCOMPARE(nested, QList<SendResult>{SendResult::Busy});
        QCOMPARE(rig.sink.commands.size(), 4);
        QVERIFY(!panel.animationRunning());
    }
};

KVX_TEST_MAIN(TestLedBacklight)
#include "tst_panels_led_backlight.moc"
