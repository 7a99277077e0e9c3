#include "link/vx5200.h"
#include "panels/power_panel.h"
#include "panels/screen_actions.h"
#include "panels/user_windows.h"
#include "panels/window_layout.h"
#include "panels/window_modes.h"
#include "shell/command_log.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <functional>

using namespace kvx;
using namespace kvx::test;

namespace {

// A panel context over a recording sink, with every logged name kept.
struct Bench
{
    explicit Bench(const QString &model = QStringLiteral("VX140X32_52K"), bool revB = false)
        : encoder(&sink), log(state), ctx(encoder, log, dialogs, state), windows(ctx), modes(ctx, windows),
          actions(ctx), power(ctx)
    {
        encoder.moduleName(model);
        encoder.moduleRevB(revB);
        QObject::connect(&log, &CommandLog::logged, [this](const QString &name, const QString &help) {
            names << name;
            helps << help;
        });
    }
    QByteArray sent() const { return sink.all(); }
    void clear()
    {
        sink.commands.clear();
        names.clear();
        helps.clear();
        dialogs.shown.clear();
    }

    ShellState state;
    RecordingSink sink;
    VX5200 encoder;
    CommandLog log;
    ScriptedDialogs dialogs;
    PanelContext ctx;
    UserWindowsPanel windows;
    WindowModesPanel modes;
    ScreenActionsPanel actions;
    PowerPanel power;
    QStringList names;
    QStringList helps;
};

using Action = std::function<void(Bench &)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class WindowPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    // ---- user windows ----

    void userWindowActions_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("ticked");

        const QString tooLarge = QStringLiteral("Window is out of memory size.");
        const QByteArray cancel1 = hexBytes("1F 28 77 02 01 00");
        QTest::newRow("window 1 with its start boxes")
            << Action([](Bench &b) { b.windows.UserWindowRegistCheck_Click(0, true); })
            << hexBytes("1F 28 77 02 01 01 00 00 00 00 78 00 01 00")
            << QStringList{"UserWindowDefine : User1 left=0 top=0 width=120 height=1"} << QStringList{} << true;
        QTest::newRow("top 3 height 1 fits 32 dots")
            << Action([](Bench &b) {
                   b.windows.UserWindowBox_Change(0, UserWindowsPanel::Top, "3");
                   b.clear();
                   b.windows.UserWindowRegistCheck_Click(0, true);
               })
            << hexBytes("1F 28 77 02 01 01 00 00 03 00 78 00 01 00")
            << QStringList{"UserWindowDefine : User1 left=0 top=3 width=120 height=1"} << QStringList{} << true;
        QTest::newRow("top 3 height 2 is refused and cancelled") << Action([](Bench &b) {
            b.windows.UserWindowBox_Change(0, UserWindowsPanel::Top, "3");
            b.windows.UserWindowBox_Change(0, UserWindowsPanel::Height, "2");
            b.clear();
            b.windows.UserWindowRegistCheck_Click(0, true);
        }) << cancel1 << QStringList{"UserWindowCancel User1"} << QStringList{tooLarge}
                                                                 << false;
        QTest::newRow("negative left counts as too large") << Action([](Bench &b) {
            b.windows.UserWindowBox_Change(0, UserWindowsPanel::Left, "-5");
            b.clear();
            b.windows.UserWindowRegistCheck_Click(0, true);
        }) << cancel1 << QStringList{"UserWindowCancel User1"}
                                                           << QStringList{tooLarge} << false;
        QTest::newRow("width beyond 16 bits counts as too large") << Action([](Bench &b) {
            b.windows.UserWindowBox_Change(0, UserWindowsPanel::Width, "70000");
            b.clear();
            b.windows.UserWindowRegistCheck_Click(0, true);
        }) << cancel1 << QStringList{"UserWindowCancel User1"} << QStringList{tooLarge}
                                                                  << false;
        QTest::newRow("2.5 is checked as typed, sent rounded, logged as typed")
            << Action([](Bench &b) {
                   b.windows.UserWindowBox_Change(0, UserWindowsPanel::Left, "2.5");
                   b.clear();
                   b.windows.UserWindowRegistCheck_Click(0, true);
               })
            << hexBytes("1F 28 77 02 01 01 02 00 00 00 78 00 01 00")
            << QStringList{"UserWindowDefine : User1 left=2.5 top=0 width=120 height=1"} << QStringList{} << true;
        QTest::newRow("typing in a ticked window re-sends it")
            << Action([](Bench &b) {
                   b.windows.UserWindowRegistCheck_Click(0, true);
                   b.clear();
                   b.windows.UserWindowBox_Change(0, UserWindowsPanel::Width, "12");
               })
            << hexBytes("1F 28 77 02 01 01 00 00 00 00 0C 00 01 00")
            << QStringList{"UserWindowDefine : User1 left=0 top=0 width=12 height=1"} << QStringList{} << true;
        QTest::newRow("typing in an unticked window cancels it")
            << Action([](Bench &b) { b.windows.UserWindowBox_Change(0, UserWindowsPanel::Width, "12"); }) << cancel1
            << QStringList{"UserWindowCancel User1"} << QStringList{} << false;
        QTest::newRow("an unchanged text sends nothing")
            << Action([](Bench &b) { b.windows.UserWindowBox_Change(0, UserWindowsPanel::Width, "120"); })
            << QByteArray() << QStringList{} << QStringList{} << false;
        QTest::newRow("unticking the current window makes the base current")
            << Action([](Bench &b) {
                   b.windows.UserWindowRegistCheck_Click(1, true);
                   b.windows.WindowSelectOption_Click(2);
                   b.clear();
                   b.windows.UserWindowRegistCheck_Click(1, false);
                   QCOMPARE(b.windows.currentWindow(), 0);
                   b.windows.UserWindowRegistCheck_Click(0, false);
               })
            << hexBytes("1F 28 77 02 02 00 1F 28 77 01 00") + cancel1
            << QStringList{"UserWindowCancel User2", "CurrentWindowSelect : Base", "UserWindowCancel User1"}
            << QStringList{} << false;
        QTest::newRow("choosing an undefined window selects the base once")
            << Action([](Bench &b) {
                   b.windows.WindowSelectOption_Click(3);
                   QCOMPARE(b.windows.currentWindow(), 0);
               })
            << hexBytes("1F 28 77 01 00") << QStringList{"CurrentWindowSelect : Base"}
            << QStringList{"User window needs to be enabled to select it.: Error 1538"} << false;
        // From 0/0/120/4 to 50/3/70/1: taken box by box, top 3 with height 4 would not fit.
        QTest::newRow("the dialog's OK checks and sends the final window once")
            << Action([](Bench &b) {
                   b.windows.UserWindowBox_Change(0, UserWindowsPanel::Height, "4");
                   b.windows.UserWindowRegistCheck_Click(0, true);
                   b.clear();
                   b.windows.UserWin_OK(0, {"50", "3", "70", "1"});
               })
            << hexBytes("1F 28 77 02 01 01 32 00 03 00 46 00 01 00")
            << QStringList{"UserWindowDefine : User1 left=50 top=3 width=70 height=1"} << QStringList{} << true;
        QTest::newRow("the dialog's OK without a change sends nothing") << Action([](Bench &b) {
            b.windows.UserWindowRegistCheck_Click(0, true);
            b.clear();
            b.windows.UserWin_OK(0, UserWindowsPanel::defaultBoxes(0));
        }) << QByteArray() << QStringList{} << QStringList{} << true;
    }
    void userWindowActions()
    {
        QFETCH(Action, action);
        Bench b;
        action(b);
        QFETCH(QByteArray, bytes);
        QCOMPARE(b.sent(), bytes);
        QFETCH(QStringList, names);
        QCOMPARE(b.names, names);
        QFETCH(QStringList, messages);
        QCOMPARE(b.dialogs.shown, messages);
        QFETCH(bool, ticked);
        QCOMPARE(b.windows.registered(0), ticked);
    }

    void windowLayoutGeometry_data()
    {
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<int>("dotX");
        QTest::addColumn<int>("dotY");
        QTest::addColumn<bool>("drawn");
        QTest::addColumn<QRectF>("display");
        QTest::addColumn<QRectF>("window1");

        // 140 x 32 in 296 x 116 less 8 on each side: 2 px a dot across, centred.
        QTest::newRow("wide module fills the width")
            << QSizeF(296, 116) << 140 << 32 << true << QRectF(8, 26, 280, 64) << QRectF(8, 26, 240, 16);
        // 128 x 128 in 296 x 116: the height decides, 100 / 128 px a dot.
        QTest::newRow("tall module fills the height")
            << QSizeF(296, 116) << 128 << 128 << true << QRectF(98, 8, 100, 100)
            << QRectF(98, 8, 120 * 100.0 / 128, 8 * 100.0 / 128);
        QTest::newRow("no module size draws nothing") << QSizeF(296, 116) << 0 << 32 << false << QRectF() << QRectF();
        QTest::newRow("no room draws nothing") << QSizeF(10, 10) << 140 << 32 << false << QRectF() << QRectF();
    }
    void windowLayoutGeometry()
    {
        QFETCH(bool, drawn);
        std::array<LayoutWindow, 4> windows;
        windows[0] = {true, 0, 0, 120, 1};
        QFETCH(QSizeF, area);
        QFETCH(int, dotX);
        QFETCH(int, dotY);
        const WindowLayout l = windowLayout(area, dotX, dotY, windows);
        QCOMPARE(l.drawn, drawn);
        if (!drawn)
            return;
        QFETCH(QRectF, display);
        QCOMPARE(l.display, display);
        QCOMPARE(l.base, l.display.adjusted(-1, -1, 1, 1));
        QVERIFY(l.shown[0] && !l.shown[1]);
        QFETCH(QRectF, window1);
        QCOMPARE(l.windows[0], window1);
    }

    // ---- window and draw modes ----

    void modeActions_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("V scroll on user window 2 marks its label") << Action([](Bench &b) {
            b.windows.UserWindowRegistCheck_Click(1, true);
            b.windows.WindowSelectOption_Click(2);
            b.clear();
            b.modes.WindowModeCommandButton_Click(1);
            QCOMPARE(b.windows.label(2), QStringLiteral("V"));
            QCOMPARE(b.windows.label(0), QString());
            QCOMPARE(b.windows.label(1), QStringLiteral("1"));
        }) << hexBytes("1F 02") << QStringList{"WindowMode : Vertical scroll"};
        QTest::newRow("H Scrl Ready clears the current label")
            << Action([](Bench &b) {
                   b.modes.WindowModeCommandButton_Click(2);
                   QCOMPARE(b.windows.label(0), QStringLiteral("H"));
                   b.modes.WindowModeCommandButton_Click(3);
                   QCOMPARE(b.windows.label(0), QString());
               })
            << hexBytes("1F 03 1F 05")
            << QStringList{"WindowMode : Horizontal scroll", "WindowMode : Horizontal scroll ready"};
        QTest::newRow("reverse twice") << Action([](Bench &b) {
            b.modes.ReverseCommandButton_Click();
            QVERIFY(b.modes.reverseOn());
            b.modes.ReverseCommandButton_Click();
            QVERIFY(!b.modes.reverseOn());
        }) << hexBytes("1F 72 01 1F 72 00")
                                       << QStringList{"DrawReverseMode : Reverse", "DrawReverseMode : Normal"};
        QTest::newRow("draw mode and write-screen mode log their captions") << Action([](Bench &b) {
            b.modes.DrawModeOption_Click(3, "EX-OR");
            b.modes.BaseWindowWriteModeOption_Click(1, "All Memory");
        }) << hexBytes("1F 77 03 1F 28 77 10 01") << QStringList{"DrawMode : EX-OR", "WriteScreenMode : All Memory"};
        QTest::newRow("nothing while the window loads") << Action([](Bench &b) {
            b.state.FormLoading = true;
            b.modes.DrawModeOption_Click(0, "OVER");
            b.modes.BaseWindowWriteModeOption_Click(0, "Display Screen");
        }) << QByteArray() << QStringList{};
        QTest::newRow("arrows re-send at the ends")
            << Action([](Bench &b) {
                   b.modes.Label37_Click();
                   b.modes.WindowScrollSlider_Change(31);
                   b.modes.Label38_Click();
                   QCOMPARE(b.modes.scrollSpeed(), 31);
                   b.modes.Label37_Click();
                   QCOMPARE(b.modes.scrollSpeed(), 30);
               })
            << hexBytes("1F 73 01 1F 73 1F 1F 73 1F 1F 73 1E")
            << QStringList{"HorizontalScrollSpeed : 1", "HorizontalScrollSpeed : 31", "HorizontalScrollSpeed : 31",
                           "HorizontalScrollSpeed : 30"};
    }
    void modeActions()
    {
        QFETCH(Action, action);
        Bench b;
        action(b);
        QFETCH(QByteArray, bytes);
        QCOMPARE(b.sent(), bytes);
        QFETCH(QStringList, names);
        QCOMPARE(b.names, names);
    }

    void reverseStaysWhenTheCommandFails()
    {
        Bench b;
        b.sink.result = SendResult::NotReady;
        b.modes.ReverseCommandButton_Click();
        QVERIFY(!b.modes.reverseOn());
        QVERIFY(b.names.isEmpty());
    }

    // ---- screen actions ----

    void screenActions_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("wait 5") << Action([](Bench &b) { b.actions.WaitCommandButton_Click(5); })
                                << hexBytes("1F 28 61 01 05") << QStringList{"WaitAction : 5X 0.5sec=2.5sec"}
                                << QStringList{};
        QTest::newRow("scroll") << Action([](Bench &b) { b.actions.ScrollCommandButton_Click("2", "300", "10"); })
                                << hexBytes("1F 28 61 10 02 00 2C 01 0A")
                                << QStringList{"ScrollAction shift=2 Repetition=300 speed=10(0.14msec)"}
                                << QStringList{};
        QTest::newRow("scroll takes two-byte values above 32767")
            << Action([](Bench &b) { b.actions.ScrollCommandButton_Click("40000", "65535", "1"); })
            << hexBytes("1F 28 61 10 40 9C FF FF 01")
            << QStringList{"ScrollAction shift=40000 Repetition=65535 speed=1(0.014msec)"} << QStringList{};
        QTest::newRow("scroll repetition beyond two bytes")
            << Action([](Bench &b) { b.actions.ScrollCommandButton_Click("1", "65536", "1"); }) << QByteArray()
            << QStringList{} << QStringList{"Value out of range."};
        QTest::newRow("scroll speed beyond a byte")
            << Action([](Bench &b) { b.actions.ScrollCommandButton_Click("1", "1", "256"); }) << QByteArray()
            << QStringList{} << QStringList{"Value out of range."};
        QTest::newRow("blink sends the normal time first")
            << Action([](Bench &b) { b.actions.BlinkCommandButton_Click(1, "Blank", "10", "20", "3"); })
            << hexBytes("1F 28 61 11 01 14 0A 03")
            << QStringList{"BlinkAction pattern=Blank eventTime=10(0.14msec)  normalTime=20(0.28msec)  repetition=3"}
            << QStringList{};
        QTest::newRow("blink without a pattern")
            << Action([](Bench &b) { b.actions.BlinkCommandButton_Click(-1, "", "10", "20", "3"); }) << QByteArray()
            << QStringList{} << QStringList{"Value out of range."};
        QTest::newRow("blink repetition beyond a byte")
            << Action([](Bench &b) { b.actions.BlinkCommandButton_Click(0, "Nomal", "10", "20", "256"); })
            << QByteArray() << QStringList{} << QStringList{"Value out of range."};
    }
    void screenActions()
    {
        QFETCH(Action, action);
        Bench b;
        action(b);
        QFETCH(QByteArray, bytes);
        QCOMPARE(b.sent(), bytes);
        QFETCH(QStringList, names);
        QCOMPARE(b.names, names);
        QFETCH(QStringList, messages);
        QCOMPARE(b.dialogs.shown, messages);
    }

    // ---- brightness and power ----

    void brightnessBySeries_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("revB");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("help");
        QTest::newRow("5200") << "VX140X32_52K" << false << hexBytes("1F 58 04")
                              << "-OpCode-  n  (n:Brightness 1<=n<=8)";
        QTest::newRow("5200B") << "VX140X32_52K" << true << hexBytes("1F 58 04")
                               << "-OpCode-  n  (n:Brightness 0<=n<=8)";
        QTest::newRow("2100") << "VX256X64_21K" << false << hexBytes("1F 58 14")
                              << "-OpCode-  n  (n:Brightness 0<=n<=8)";
    }
    void brightnessBySeries()
    {
        QFETCH(QString, model);
        QFETCH(bool, revB);
        Bench b(model, revB);
        b.power.BrightSlider_Change(4);
        QFETCH(QByteArray, bytes);
        QCOMPARE(b.sent(), bytes);
        QCOMPARE(b.names, QStringList{"bright : 4(50%)"});
        QFETCH(QString, help);
        QCOMPARE(b.helps, QStringList{help});
    }

    void displayPower_data()
    {
        QTest::addColumn<bool>("timerEnabled");
        QTest::addColumn<QString>("timer");
        QTest::addColumn<QByteArray>("firstClick");
        QTest::addColumn<QStringList>("firstNames");
        QTest::addColumn<int>("stateAfter");

        QTest::newRow("no timer: off") << false << "10" << hexBytes("1F 28 61 40 00")
                                       << QStringList{"ScreenSaver type=DispPowerOff"} << int(PowerPanel::Power::Off);
        QTest::newRow("timer None: off") << true << "None" << hexBytes("1F 28 61 40 00")
                                         << QStringList{"ScreenSaver type=DispPowerOff"} << int(PowerPanel::Power::Off);
        QTest::newRow("timer 10: timed off")
            << true << "10" << hexBytes("1F 28 61 40 11 0A 1F 28 61 40 10")
            << QStringList{"ScreenSaver:Set Power Auto Off timer", "ScreenSaver type=DispPowerAutoOff"}
            << int(PowerPanel::Power::TimedOff);
    }
    void displayPower()
    {
        Bench b;
        QFETCH(bool, timerEnabled);
        QFETCH(QString, timer);
        b.power.DispPowerCommandButton_Click(timerEnabled, timer);
        QFETCH(QByteArray, firstClick);
        QCOMPARE(b.sent(), firstClick);
        QFETCH(QStringList, firstNames);
        QCOMPARE(b.names, firstNames);
        QFETCH(int, stateAfter);
        QCOMPARE(int(b.power.power()), stateAfter);
        b.clear();
        // Any click from off or timed off switches the display on.
        b.power.DispPowerCommandButton_Click(timerEnabled, timer);
        QCOMPARE(b.sent(), hexBytes("1F 28 61 40 01"));
        QCOMPARE(b.names, QStringList{"ScreenSaver type=DispPowerOn"});
        QCOMPARE(b.power.power(), PowerPanel::Power::On);
    }

    void saverButtons()
    {
        Bench b;
        b.power.DispPowerCommandButton_Click(false, "None");
        b.clear();
        b.power.FullOnCommandButton_Click();
        b.power.FullOffCommandButton_Click();
        b.power.Reverse4CommandButton_Click();
        QCOMPARE(b.power.power(), PowerPanel::Power::Off);
        b.power.ScreenSaverCancelCommandButton_Click();
        QCOMPARE(b.power.power(), PowerPanel::Power::On);
        QCOMPARE(b.sent(), hexBytes("1F 28 61 40 03 1F 28 61 40 02 1F 28 61 40 04 1F 28 61 40 01"));
        QCOMPARE(b.names,
                 (QStringList{"ScreenSaver type=FullOn", "ScreenSaver type=FullOff", "ScreenSaver type=Reverse4",
                              "ScreenSaver cancel(type=DispPowerOn)"}));
        QCOMPARE(b.helps.first(),
                 QStringLiteral("-----OpCode-----  p  (p:Mode 0-DisplayPowerOff,1-DisplayPowerOn,"
                                "2-FullOn,3-FullOff,4-Reverse4sec)"));
    }

    void powerStaysWhenTheCommandFails()
    {
        Bench b;
        b.sink.result = SendResult::Failed;
        b.power.DispPowerCommandButton_Click(true, "10");
        QCOMPARE(b.power.power(), PowerPanel::Power::On);
        QCOMPARE(b.sink.commands.size(), 1); // stopped after the timer command
        QVERIFY(b.names.isEmpty());
    }
};

KVX_TEST_MAIN(WindowPanelsTest)
#include "tst_window_panels.moc"
