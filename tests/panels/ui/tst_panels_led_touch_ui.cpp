#include "panels/ui/led_touch_panels_ui.h"
#include "panels/ui/touch_para_window.h"
#include "support/recording_sink.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

using namespace kvx;
using namespace kvx::test;

namespace {

LedTouchPanelsUi *panels(StartedWindow &s)
{
    return s.window.findChild<LedTouchPanelsUi *>(QStringLiteral("LedTouchPanels"));
}

// Nothing more arrives at the module for a while.
bool staysQuiet(PtyModule &module, int ms = 200)
{
    const qsizetype before = module.received().size();
    QTest::qWait(ms);
    module.readAvailable();
    return module.received().size() == before;
}

// The user picks a model (not revision B); the window lays itself out for it.
void chooseModel(StartedWindow &s, const QString &model)
{
    s.child<QComboBox>(QStringLiteral("HinmeiList"))->setCurrentText(model);
    s.window.HinmeiList_Click();
}

bool isEnabled(StartedWindow &s, const char *name)
{
    return s.child<QWidget>(QLatin1String(name))->isEnabled();
}

} // namespace

class TestLedTouchUi : public QObject
{
    Q_OBJECT
private slots:
    void allSendsTheSlidersColour()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.child<QSlider>("Sld_R")->setValue(1);
        s.child<QSlider>("Sld_G")->setValue(2);
        QCOMPARE(s.child<QLabel>("LblColor_1")->text(), "2 G");
        s.click("CmdLED");
        QVERIFY(w.module.waitForBytes(6));
        QCOMPARE(w.module.received(), hexBytes("1F 4C 10 FF 02 01")); // blue first
    }

    void animationRunsWithTheSendButtonsDisabled()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        chooseModel(s, "VX256X32_21K"); // the wave belongs to the older series
        s.child<QLineEdit>("TxtNoOfLED")->setText("3");
        s.child<QComboBox>("ComboNumberOfRepeat")->setCurrentText("2");
        QList<bool> enabledWhileRunning;
        connect(&s.window.commandLog(), &CommandLog::logged, this, [&] {
            for (const char *name : {"CmdBL_1", "CmdLED", "Command12", "CmdLedBlk_0", "SldBL_4"})
                enabledWhileRunning.append(isEnabled(s, name));
        });
        s.click("CmdBL_1");
        QVERIFY(w.module.waitForBytes(44));
        const QByteArray wait = hexBytes("1F 28 61 02 0A");
        QCOMPARE(w.module.received(),
                 hexBytes("1F 4C 91 03 00 80 00 40 01 20 00 A0 02 00 00 F0 00") + wait
                     + hexBytes("1F 4C 91 03 00 20 00 A0 01 00 00 F0 02 00 20 A0 00") + wait);
        QCOMPARE(enabledWhileRunning.size(), 4 * 5);
        QVERIFY(!enabledWhileRunning.contains(true));
        // Afterwards each control is as the layout left it.
        QVERIFY(isEnabled(s, "CmdBL_1") && isEnabled(s, "CmdLED") && isEnabled(s, "SldBL_4"));
        QVERIFY(!isEnabled(s, "CmdBL_3"));
    }

    void movingAnAnimationSliderSendsOneFrame()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.child<QLineEdit>("TxtNoOfLED")->setText("2");
        s.child<QSlider>("SldBL_5")->triggerAction(QAbstractSlider::SliderSingleStepSub); // length 9
        QVERIFY(w.module.waitForBytes(13));
        QVERIFY(staysQuiet(w.module));
        // LED 0: 21/9 = 2.33 -> 64; green -> 0; blue 2.33 - 14 -> 9 -> 128. LED 1: 4.67 -> 5 -> 192;
        // green -2.33 -> 19 -> 0; blue -9.33 -> 12 -> 16.
        QCOMPARE(w.module.received(), hexBytes("1F 4C 91 02 00 80 00 40 01 10 00 C0 00"));
        QCOMPARE(s.window.commandLog().lastName(), "Back ligh Color : RGB");
    }

    void countAndDutyBoxesStayEqual()
    {
        StartedWindow s;
        // Duty adjustment belongs to the older series.
        s.child<QComboBox>("HinmeiList")->setCurrentText("VX256X32_21K");
        s.window.HinmeiList_Click();
        s.child<QLineEdit>("Text11")->setText("5");
        QCOMPARE(s.child<QLineEdit>("TxtNoOfLED")->text(), "5");
        s.child<QLineEdit>("TxtNoOfLED")->setText("7");
        QCOMPARE(s.child<QLineEdit>("Text11")->text(), "7");
        s.click("chkDutyAdjust_1");
        QVERIFY(s.child<QCheckBox>("chkDutyAdjust_0")->isChecked());
        s.click("chkDutyAdjust_0");
        QVERIFY(!s.child<QCheckBox>("chkDutyAdjust_1")->isChecked());
    }

    void modelChoiceRefillsTheSwitchListAndSendsNothing()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        QVERIFY(staysQuiet(w.module, 100));
        w.module.clearReceived();
        auto *switches = s.child<QComboBox>("ComboTSW_0");
        chooseModel(s, "VX512x32_21K");
        QCOMPARE(switches->count(), 16);
        switches->setCurrentIndex(4);
        chooseModel(s, "VX256X64_52K");
        QCOMPARE(switches->count(), 32);
        QCOMPARE(switches->itemText(31), " SW32");
        QCOMPARE(switches->currentIndex(), 4);
        QVERIFY(staysQuiet(w.module, 100));
        QVERIFY(w.module.received().isEmpty());
    }

    void automaticModeShowsTheModulesAnswers()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        auto *text12 = s.child<QPlainTextEdit>("Text12");
        // The monitor's first quiet moment after going on-line.
        QTRY_COMPARE(text12->toPlainText(), "\n>");

        s.click("cmdTouch_5");
        QVERIFY(w.module.waitForBytes(4));
        QCOMPARE(w.module.received(), hexBytes("1F 4B 18 01"));
        QCOMPARE(text12->toPlainText(), ">");
        QCOMPARE(s.child<QComboBox>("ComboTSW_1")->currentIndex(), 1);
        QVERIFY(!isEnabled(s, "cmdTouch_0") && !isEnabled(s, "cmdTouch_1") && !isEnabled(s, "cmdTouch_2"));
        QCOMPARE(s.child<QLineEdit>("lblTouch")->text(), "Auto-Trans disable switch read commands.");

        QVERIFY(w.module.write(hexBytes("12 34 AB")));
        QTRY_COMPARE(text12->toPlainText(), ">12 34 AB \n>");

        w.module.clearReceived();
        s.click("cmdTouch_3");
        QVERIFY(w.module.waitForBytes(4));
        QCOMPARE(w.module.received(), hexBytes("1F 4B 18 00"));
        QVERIFY(isEnabled(s, "cmdTouch_0") && isEnabled(s, "cmdTouch_1") && isEnabled(s, "cmdTouch_2"));
        QCOMPARE(s.child<QLineEdit>("lblTouch")->text(), "This Tab support VX-K4xxS.");
    }

    void choosingAModeByHandSendsNothing()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.child<QComboBox>("ComboTSW_1")->setCurrentIndex(2);
        QVERIFY(!isEnabled(s, "cmdTouch_0"));
        s.child<QComboBox>("ComboTSW_1")->setCurrentIndex(0);
        QVERIFY(isEnabled(s, "cmdTouch_0"));
        QVERIFY(staysQuiet(w.module, 100));
        QVERIFY(w.module.received().isEmpty());
    }

    void answersBoxStaysBounded()
    {
        StartedWindow s;
        auto *text12 = s.child<QPlainTextEdit>("Text12");
        for (int i = 0; i < 1500; ++i) {
            emit s.window.host().touchTextAppended(
                QStringLiteral("%1 ").arg(i % 256, 2, 16, QLatin1Char('0')).toUpper());
            if (i % 7 == 0)
                emit s.window.host().touchTextAppended(QStringLiteral("\r\n>"));
        }
        const QString text = text12->toPlainText();
        QVERIFY(text.size() <= kTouchTextLimit);
        QVERIFY(text.size() > kTouchTextLimit / 2);
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QVERIFY(text.endsWith(QStringLiteral("DB ")));

        // A burst as long as the box, then one line longer than it: the newest stays.
        const QString burst = QStringLiteral("0F ").repeated(kTouchTextLimit / 3 - 1) + QStringLiteral("A5 ");
        emit s.window.host().touchTextAppended(burst + QStringLiteral("\r\n>"));
        QCOMPARE(text12->toPlainText(), burst.mid(2) + QStringLiteral("\n>"));
        emit s.window.host().touchTextAppended(burst + burst);
        QCOMPARE(text12->toPlainText(), burst);
    }

    void touchParameterWindow()
    {
        WindowWithModule w;
        StartedWindow &s = w.started;
        auto *para = s.window.findChild<TouchParaWindow *>(QStringLiteral("TouchPara"));
        QVERIFY(para && !para->isVisible());
        s.click("cmdTouch_4");
        QVERIFY(para->isVisible());
        QVERIFY(!para->isModal());
        QVERIFY(w.module.received().isEmpty());

        auto *threshold = para->findChild<QSlider *>("Slider1_0");
        auto *calibration = para->findChild<QSlider *>("Slider1_3");
        QCOMPARE(calibration->toolTip(), "Ah");
        para->findChild<QPushButton *>("Command2_1")->click();
        QCOMPARE(threshold->value(), 7);
        para->findChild<QPushButton *>("Command2_0")->click();
        QCOMPARE(threshold->value(), 6);
        calibration->setValue(64);
        QCOMPARE(calibration->toolTip(), "40h");
        para->findChild<QPushButton *>("Command1_3")->click();
        QVERIFY(w.module.waitForBytes(5));
        QCOMPARE(w.module.received(), hexBytes("1F 4B 70 03 40"));

        w.module.clearReceived();
        para->findChild<QPushButton *>("Command1_4")->click();
        QVERIFY(w.module.waitForBytes(20));
        QCOMPARE(w.module.received(), hexBytes("1F 4B 70 00 07 1F 4B 70 01 03 1F 4B 70 02 06 1F 4B 70 03 0A"));
        QCOMPARE(threshold->value(), 7);
        QCOMPARE(calibration->value(), 10);
        QCOMPARE(calibration->toolTip(), "Ah");

        para->findChild<QPushButton *>("Command1_5")->click();
        QVERIFY(!para->isVisible());
    }

    void languageChangeReachesTheListAndTheParameterWindow()
    {
        StartedWindow s;
        auto *modes = s.child<QComboBox>("ComboTSW_1");
        auto *para = s.window.findChild<TouchParaWindow *>(QStringLiteral("TouchPara"));
        modes->setCurrentIndex(2);
        s.window.state().UILanguage = "Japanese";
        panels(s)->languageChanged();
        QCOMPARE(modes->itemText(1), "自動（全スイッチ）");
        QCOMPARE(modes->currentIndex(), 2);
        QCOMPARE(s.child<QLineEdit>("lblTouch")->text(), "自動送信設定中は読出コマンドは無効です。");
        QCOMPARE(para->findChild<QGroupBox *>("Frame0")->title(), "しきい値");
        QCOMPARE(para->findChild<QPushButton *>("Command1_4")->text(), "工場設定送信");
        QCOMPARE(para->findChild<QLabel *>("Label2_1")->text(), "高速　　<<=======>>　耐ノイズ");
        QCOMPARE(para->findChild<QLabel *>("Label1")->text(),
                 "現在の設定を読み出すことはできません。\nメモリスイッチの変更は行いません。\n"
                 "メモリスイッチでリセット後の状態を変更できます。");

        s.window.state().UILanguage = "japanese"; // anything but "Japanese" is English
        panels(s)->languageChanged();
        QCOMPARE(modes->itemText(2), "Auto: One SW");
        QCOMPARE(para->findChild<QGroupBox *>("Frame3")->title(), "Calibration time");
        QCOMPARE(para->findChild<QLabel *>("Label2_1")->text(), "Fast <<======>>　Noize resistant");
        QCOMPARE(para->findChild<QPushButton *>("Command1_5")->font().family(), "Times New Roman");
    }
};

KVX_TEST_MAIN(TestLedTouchUi)
#include "tst_panels_led_touch_ui.moc"
