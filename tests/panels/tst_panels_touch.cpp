#include "panels/led_touch_rig.h"
#include "panels/touch_switches.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

class TestTouch : public QObject
{
    Q_OBJECT
private slots:
    void everyTouchCommandSendsAndLogs_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("switchIndex");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("help");
        QTest::newRow("read all") << 0 << 4 << hexBytes("1F 4B 10") << "Read All Switches"
                                  << "---OpCode-- ";
        QTest::newRow("read the fifth switch") << 1 << 4 << hexBytes("1F 4B 11 04") << "Read Switch No.4"
                                               << "---OpCode-- SW";
        QTest::newRow("read levels, logged as read all") << 2 << 0 << hexBytes("1F 4B 14") << "Read All Switches"
                                                         << "---OpCode-- ";
        QTest::newRow("cancel") << 3 << 0 << hexBytes("1F 4B 18 00") << "Cancel Auto Switch mode "
                                << "---OpCode-- Mode";
        QTest::newRow("all switches") << 5 << 0 << hexBytes("1F 4B 18 01") << "Send All SW data when touched"
                                      << "---OpCode-- Mode";
        QTest::newRow("one switch") << 6 << 0 << hexBytes("1F 4B 18 02") << "Send One SW data when touched"
                                    << "---OpCode-- Mode";
    }
    void everyTouchCommandSendsAndLogs()
    {
        QFETCH(int, index);
        QFETCH(int, switchIndex);
        PanelRig rig;
        TouchSwitchPanel panel(rig.ctx);
        panel.cmdTouch_Click(index, switchIndex);
        QCOMPARE(rig.sink.commands.size(), 1);
        QTEST(rig.sink.commands.first(), "bytes");
        QTEST(rig.names.value(0), "name");
        QTEST(rig.helps.value(0), "help");
    }

    void transmitModesSwitchTheReadButtons_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("note");
        QTest::newRow("nothing chosen") << -1 << false << false << false << "";
        QTest::newRow("off") << 0 << false << true << true << "";
        QTest::newRow("all") << 1 << false << true << false << "Auto-Trans disable switch read commands.";
        QTest::newRow("one") << 2 << false << true << false << "Auto-Trans disable switch read commands.";
        QTest::newRow("3") << 3 << true << true << false << "自動送信設定中は読出コマンドは無効です。";
        QTest::newRow("4") << 4 << false << false << false << "";
    }
    void transmitModesSwitchTheReadButtons()
    {
        QFETCH(int, mode);
        QFETCH(bool, japanese);
        const std::optional<TouchControls> c = updateTouchControls(mode, japanese);
        QTEST(c.has_value(), "changes");
        if (!c)
            return;
        QTEST(c->readButtonsEnabled, "enabled");
        QTEST(c->note.value_or(QString()), "note");
    }

    void answersBoxKeepsItsNewestLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("result");
        QTest::newRow("under the limit") << ">"
                                         << "12 34 " << 20 << ">12 34 ";
        QTest::newRow("exactly the limit") << ">1234"
                                           << "5" << 6 << ">12345";
        QTest::newRow("oldest whole line goes") << ">11 22 \n>33 "
                                                << "44 " << 12 << ">33 44 ";
        QTest::newRow("several lines go") << ">1\n>2\n>3\n>4"
                                          << "\n>" << 5 << ">4\n>";
        QTest::newRow("one endless line is cut") << ">AA BB CC "
                                                 << "DD " << 6 << "CC DD ";
        QTest::newRow("a burst that fills the box keeps its end before the separator") << ">1\n>AA BB "
                                                                                       << "\n>" << 6 << " BB \n>";
    }
    void answersBoxKeepsItsNewestLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, added);
        QFETCH(int, limit);
        const QString r = appendTouchText(text, added, limit);
        QTEST(r, "result");
        QVERIFY(r.size() <= limit);
    }

    void parameterFineStepsStayInRange_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("result");
        QTest::newRow("threshold > at 7") << 1 << 7 << 7;
        QTest::newRow("threshold < at 0") << 0 << 0 << 0;
        QTest::newRow("on samples < at 1") << 2 << 1 << 1;
        QTest::newRow("off samples > at 254") << 5 << 254 << 254;
        QTest::newRow("calibration < at 10") << 6 << 10 << 9;
        QTest::newRow("calibration > at 64") << 7 << 64 << 64;
    }
    void parameterFineStepsStayInRange()
    {
        QFETCH(int, button);
        QFETCH(int, value);
        QTEST(touchParameterStep(button, value), "result");
    }

    void factorySettingsStopAtTheFirstNotSent()
    {
        PanelRig rig;
        rig.sink.goodCommands = 1;
        TouchParameterSender sender(rig.ctx);
        QCOMPARE(sender.sendFactorySettings(), SendResult::NotReady);
        QCOMPARE(rig.sink.commands.size(), 2);
        QCOMPARE(rig.names.size(), 1);
    }
};

KVX_TEST_MAIN(TestTouch)
#include "tst_panels_touch.moc"
