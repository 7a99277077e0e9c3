#include "panels/ui/display_panels_ui.h"
#include "panels/ui/user_win_dialog.h"
#include "support/recording_sink.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

using namespace kvx;
using namespace kvx::test;

class WindowPanelsUiTest : public QObject
{
    Q_OBJECT

    static DisplayPanelsUi *panels(StartedWindow &s) { return s.window.findChild<DisplayPanelsUi *>(); }

private slots:
    void tickingAWindowSendsItsDefinitionToTheModule()
    {
        WindowWithModule w;
        QVERIFY(w.module.isOpen());
        w.started.child<QCheckBox>("UserWindowRegistCheck_0")->click();
        QVERIFY(w.module.waitForBytes(14));
        QCOMPARE(w.module.received(), hexBytes("1F 28 77 02 01 01 00 00 00 00 78 00 01 00"));
    }

    void theResizeDialogSendsOneDefinition()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.child<QCheckBox>("UserWindowRegistCheck_0")->click();
        QVERIFY(w.module.waitForBytes(14));
        w.module.clearReceived();

        // A box of an unticked window opens nothing.
        QTest::mouseClick(s.child<QLineEdit>("UserWindowLeftBox_1"), Qt::LeftButton);
        QVERIFY(!panels(s)->userWinDialog());

        QTest::mouseClick(s.child<QLineEdit>("UserWindowTopBox_0"), Qt::LeftButton);
        UserWinDialog *dialog = panels(s)->userWinDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel *>("lblUserWindowNo")->text(), QStringLiteral("USER WINDOR No.:1"));
        // The open dialog follows a language switch.
        s.window.Image1_Click();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("ユーザウインドウ設定変更"));
        QCOMPARE(dialog->findChild<QLabel *>("lblUserWindowNo")->text(), QStringLiteral("ユーザウインドウ　No.:1"));
        s.window.Image1_Click();
        QCOMPARE(dialog->findChild<QLineEdit *>("txtWidth")->text(), QStringLiteral("120"));
        dialog->findChild<QLineEdit *>("TxtLeft")->setText("50");
        dialog->findChild<QLineEdit *>("txtTop")->setText("3");
        dialog->findChild<QLineEdit *>("txtWidth")->setText("70");
        dialog->findChild<QPushButton *>("cmdOK")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(w.module.waitForBytes(14));
        QTest::qWait(50);
        QCOMPARE(w.module.received(), hexBytes("1F 28 77 02 01 01 32 00 03 00 46 00 01 00"));
        QCOMPARE(s.child<QLineEdit>("UserWindowLeftBox_0")->text(), QStringLiteral("50"));
        QCOMPARE(s.child<QLineEdit>("UserWindowTopBox_0")->text(), QStringLiteral("3"));
    }

    void aRefusedWindowIsUntickedOnScreen()
    {
        StartedWindow s;
        auto *height = s.child<QLineEdit>("UserWindowHeightBox_0");
        height->selectAll();
        QTest::keyClicks(height, "5");
        auto *check = s.child<QCheckBox>("UserWindowRegistCheck_0");
        check->click();
        QVERIFY(!check->isChecked());
        QCOMPARE(s.dialogs.shown, QStringList{"Window is out of memory size."});
        QCOMPARE(s.window.link().lastBytes(), hexBytes("1F 28 77 02 01 00"));
    }

    void scrollSpeedArrowsMoveTheSliderAndSend()
    {
        StartedWindow s;
        auto *slider = s.child<QSlider>("WindowScrollSlider");
        QTest::mouseClick(s.child<QLabel>("Label37"), Qt::LeftButton);
        QCOMPARE(s.window.link().lastBytes(), hexBytes("1F 73 01"));
        QTest::mouseClick(s.child<QLabel>("Label38"), Qt::LeftButton);
        QCOMPARE(slider->value(), 2);
        QCOMPARE(s.window.link().lastBytes(), hexBytes("1F 73 02"));
        QCOMPARE(s.window.commandLog().lastName(), QStringLiteral("HorizontalScrollSpeed : 2"));
    }

    void timedPowerOffOnARevisionBOlderModule()
    {
        StartedWindow s;
        s.child<QComboBox>("HinmeiList")->setCurrentText("VX256X128_21K");
        s.child<QCheckBox>("Chk_B")->setChecked(true);
        s.window.HinmeiList_Click();
        auto *list = s.child<QComboBox>("ListOffTimer");
        QVERIFY(list->isEnabled());
        QVERIFY(!s.child<QPushButton>("FullOnCommandButton")->isEnabled());
        QVERIFY(s.child<QPushButton>("WindowModeCommandButton_3")->isEnabled());
        QCOMPARE(s.child<QSlider>("BrightSlider")->minimum(), 0);
        list->setCurrentText("10");
        s.click("DispPowerCommandButton");
        QCOMPARE(panels(s)->power().power(), PowerPanel::Power::TimedOff);
        QCOMPARE(s.child<QPushButton>("DispPowerCommandButton")->palette().color(QPalette::Button), QColor("#ffff01"));
        QCOMPARE(s.window.link().lastBytes(), hexBytes("1F 28 61 40 10"));
        s.click("DispPowerCommandButton");
        QCOMPARE(panels(s)->power().power(), PowerPanel::Power::On);
        QCOMPARE(s.window.link().lastBytes(), hexBytes("1F 28 61 40 01"));
    }

    void languageSwitchRefillsThePowerOffList()
    {
        StartedWindow s;
        auto *list = s.child<QComboBox>("ListOffTimer");
        list->setCurrentIndex(4);
        s.window.state().UILanguage = "Japanese";
        panels(s)->setPowerOffTimer();
        QCOMPARE(list->count(), 12);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->currentText(), QStringLiteral("なし"));
    }

    void resetPutsTheControlsBackWithoutSending()
    {
        StartedWindow s;
        s.child<QCheckBox>("UserWindowRegistCheck_1")->click();
        s.click("WindowSelectOption_2");
        s.click("ReverseCommandButton");
        s.click("DrawModeOption_2");
        s.click("BaseWindowWriteModeOption_1");
        s.click("DispPowerCommandButton");
        s.child<QSlider>("BrightSlider")->triggerAction(QAbstractSlider::SliderPageStepSub);
        QTest::mouseClick(s.child<QLabel>("Label38"), Qt::LeftButton);
        const QByteArray last = s.window.link().lastBytes();
        const QString lastName = s.window.commandLog().lastName();

        panels(s)->resetControls();
        QCOMPARE(s.window.link().lastBytes(), last);
        QCOMPARE(s.window.commandLog().lastName(), lastName);
        QVERIFY(!s.child<QCheckBox>("UserWindowRegistCheck_1")->isChecked());
        QVERIFY(s.child<QRadioButton>("WindowSelectOption_0")->isChecked());
        QVERIFY(s.child<QRadioButton>("DrawModeOption_0")->isChecked());
        QVERIFY(s.child<QRadioButton>("BaseWindowWriteModeOption_0")->isChecked());
        QCOMPARE(s.child<QPushButton>("ReverseCommandButton")->palette().color(QPalette::Button),
                 QApplication::palette().color(QPalette::Button));
        QCOMPARE(panels(s)->power().power(), PowerPanel::Power::On);
        QCOMPARE(s.child<QSlider>("BrightSlider")->value(), 8);
        QCOMPARE(s.child<QSlider>("WindowScrollSlider")->value(), 1);
    }

    void recordedMacroOfThePanels()
    {
        StartedWindow s;
        s.click("RecCommandButton");
        s.child<QCheckBox>("UserWindowRegistCheck_0")->click();
        s.click("WindowSelectOption_1");
        s.click("WindowModeCommandButton_1");
        s.click("DrawModeOption_1");
        s.click("ReverseCommandButton");
        s.click("BaseWindowWriteModeOption_1");
        s.click("Longer");
        s.click("WaitCommandButton");
        s.click("ScrollCommandButton");
        s.click("BlinkCommandButton");
        s.child<QSlider>("BrightSlider")->triggerAction(QAbstractSlider::SliderPageStepSub);
        s.click("FullOffCommandButton");
        s.click("DispPowerCommandButton");
        s.click("ScreenSaverCancelCommandButton");
        s.click("InitializeCommandButton");
        s.click("StopCommandButton");
        const QString saver = "*** -----OpCode-----  p  (p:Mode 0-DisplayPowerOff,1-DisplayPowerOn,2-FullOn,"
                              "3-FullOff,4-Reverse4sec) ***\r\n";
        const QString golden =
            "*** UserWindowDefine : User1 left=0 top=0 width=120 height=1 ***\r\n"
            "*** -----OpCode-----  a   b xPL xPH yPL yPH xSL xSH ySL ySH (a:window 1<=a<=4)(b:0-Cancel,1-Define)"
            "(xP:Left)(yP:Top)(xS:Width)(yS:Height) ***\r\n"
            "PRT 1fh 28h 77h 02h 01h 01h 00h 00h 00h 00h 78h 00h 01h 00h;\r\n\r\n"
            "*** CurrentWindowSelect : User1 ***\r\n*** -----OpCode-----  a  (0<=a<=4) ***\r\n"
            "PRT 1fh 28h 77h 01h 01h;\r\n\r\n"
            "*** WindowMode : Vertical scroll ***\r\n*** -Op-  m  (m:Mode 1<=m<=3) ***\r\nPRT 1fh 02h;\r\n\r\n"
            "*** DrawMode : OR ***\r\n*** -OpCode-  n  (n:Mode 0-OVER,1-OR,2-AND,3-EX-OR) ***\r\n"
            "PRT 1fh 77h 01h;\r\n\r\n"
            "*** DrawReverseMode : Reverse ***\r\n*** -OpCode-  n  (n:Mode 0-Normal,1-Reverse) ***\r\n"
            "PRT 1fh 72h 01h;\r\n\r\n"
            "*** WriteScreenMode : All Memory ***\r\n"
            "*** -----OpCode-----  a  (a:Mode 0-DisplayScreen,1-AllMemory) ***\r\nPRT 1fh 28h 77h 10h 01h;\r\n\r\n"
            "*** WaitAction : 2X 0.5sec=1sec ***\r\n*** -----OpCode-----  t  (t:Time 0<=t<=255) ***\r\n"
            "PRT 1fh 28h 61h 01h 02h;\r\n\r\n"
            "*** ScrollAction shift=4 Repetition=140 speed=1(0.014msec) ***\r\n"
            "*** -----OpCode----- wL  wH  cL  cH   s  (w:Shift 0<=w<=1023)(c:Repetition 1<=c<=65535)"
            "(s:Speed 0<=s<=255) ***\r\nPRT 1fh 28h 61h 10h 04h 00h 8ch 00h 01h;\r\n\r\n"
            "*** BlinkAction pattern=Reverse eventTime=10(0.14msec)  normalTime=20(0.28msec)  repetition=3 ***\r\n"
            "*** -----OpCode-----  p  t1  t2   c  (p:Pattern 0-Normal,1-Blank,2-Reverse)"
            "(t1:NormalTime 1<=t1<=255)(t2:EventTime 1<=t2<=255)(c:Repetition 0<=c<=255) ***\r\n"
            "PRT 1fh 28h 61h 11h 02h 14h 0ah 03h;\r\n\r\n"
            "*** bright : 7(87.5%) ***\r\n*** -OpCode-  n  (n:Brightness 1<=n<=8) ***\r\nPRT 1fh 58h 07h;\r\n\r\n"
            "*** ScreenSaver type=FullOff ***\r\n"
            + saver
            + "PRT 1fh 28h 61h 40h 02h;\r\n\r\n"
              "*** ScreenSaver type=DispPowerOff ***\r\n"
            + saver
            + "PRT 1fh 28h 61h 40h 00h;\r\n\r\n"
              "*** ScreenSaver cancel(type=DispPowerOn) ***\r\n"
            + saver
            + "PRT 1fh 28h 61h 40h 01h;\r\n\r\n"
              "*** Initialize ***\r\n*** -OpCode- ***\r\nPRT 1bh 40h;\r\n\r\n";
        QCOMPARE(s.window.state().MacroText, golden);
    }
};

KVX_TEST_MAIN(WindowPanelsUiTest)
#include "tst_window_panels_ui.moc"
