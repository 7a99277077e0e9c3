#include "link/vx5200.h"
#include "panels/charset_test.h"
#include "panels/module_init.h"
#include "shell/command_log.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

namespace {

struct Rig
{
    RecordingSink sink;
    ScriptedDialogs dialogs;
    ShellState state;
    VX5200 encoder{&sink, &dialogs};
    CommandLog log{state};
    PanelContext ctx{encoder, log, dialogs, state};
    int n = 1;
    bool waiting = false;
    CharacterSetTest test{ctx, [this] { return n; }, [this] { return waiting; }};

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            test.TimerTestMode_Timer();
    }
};

} // namespace

class TestCharacterSet : public QObject
{
    Q_OBJECT
private slots:
    void tenTicksOneApartSendTheCodesFrom20To29()
    {
        Rig r;
        r.test.Command1_Click();
        QVERIFY(r.test.running());
        QCOMPARE(r.test.caption(), QStringLiteral("Diplay STOP"));
        r.ticks(10);
        QByteArray expected;
        for (char c = 0x20; c <= 0x29; ++c)
            expected.append(c);
        QCOMPARE(r.sink.commands.size(), 10);
        QCOMPARE(r.sink.all(), expected);
        QCOMPARE(r.log.lastName(), QStringLiteral("Write a character ')"));
        QCOMPARE(r.log.lastHelp(), QString());
        QCOMPARE(r.test.testCode(), QStringLiteral("42"));
    }

    void slider3SendsOnEveryThirdTick()
    {
        Rig r;
        r.n = 3;
        r.test.Command1_Click();
        QList<int> counts;
        for (int i = 0; i < 7; ++i) {
            r.test.TimerTestMode_Timer();
            counts << int(r.sink.commands.size());
        }
        QCOMPARE(counts, (QList<int>{0, 0, 1, 1, 1, 2, 2}));
        QCOMPARE(r.test.tickCount(), 1);
    }

    void typedCodesAreSentWithinTheSet_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("next");
        QTest::newRow("65") << "65" << "English" << QByteArray("A") << "Write a character 'A" << "66";
        QTest::newRow("quote Z") << "'Z" << "English" << QByteArray("Z") << "Write a character 'Z" << "91";
        QTest::newRow("255 wraps") << "255" << "English" << QByteArray("\xff") << QStringLiteral("Write a character 'ÿ")
                                   << "32";
        QTest::newRow("below 32") << "10" << "English" << QByteArray(" ") << "Write a character ' " << "33";
        QTest::newRow("negative") << "-5" << "English" << QByteArray(" ") << "Write a character ' " << "33";
        QTest::newRow("above 255") << "300" << "English" << QByteArray(" ") << "Write a character ' " << "33";
        QTest::newRow("no number") << "abc" << "English" << QByteArray(" ") << "Write a character ' " << "33";
        QTest::newRow("euro") << "128" << "English" << QByteArray("\x80") << QStringLiteral("Write a character '€")
                              << "129";
        QTest::newRow("katakana") << "177" << "Japanese" << QByteArray("\xb1")
                                  << QStringLiteral("Write a character 'ｱ") << "178";
        QTest::newRow("quote katakana") << QStringLiteral("'ｱ") << "Japanese" << QByteArray("\xb1")
                                        << QStringLiteral("Write a character 'ｱ") << "178";
    }
    void typedCodesAreSentWithinTheSet()
    {
        QFETCH(QString, typed);
        QFETCH(QString, language);
        QFETCH(QByteArray, sent);
        QFETCH(QString, name);
        QFETCH(QString, next);
        Rig r;
        r.state.UILanguage = language;
        r.test.setTestCode(typed);
        r.test.Command1_Click();
        r.test.TimerTestMode_Timer();
        QCOMPARE(r.sink.commands, QList<QByteArray>{sent});
        QCOMPARE(r.log.lastName(), name);
        QCOMPARE(r.test.testCode(), next);
    }

    void aLoneQuoteSendsNothingUntilTheCharacterIsTyped()
    {
        Rig r;
        r.test.setTestCode(QStringLiteral("'"));
        r.test.Command1_Click();
        r.ticks(3);
        QVERIFY(r.sink.commands.isEmpty());
        QCOMPARE(r.test.testCode(), QStringLiteral("'"));
        r.test.setTestCode(QStringLiteral("'a"));
        r.test.TimerTestMode_Timer();
        QCOMPARE(r.sink.all(), QByteArray("a"));
    }

    void refusedWhileTheTutorialIsShown()
    {
        Rig r;
        r.state.TutorialShown = true;
        r.state.UILanguage = QStringLiteral("Japanese");
        r.test.Command1_Click();
        QVERIFY(!r.test.running());
        QCOMPARE(r.test.caption(), QStringLiteral("文字順次表示"));
        QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("This button is not available under tutorial.")});
        r.ticks(2);
        QVERIFY(r.sink.commands.isEmpty());
    }

    void aSendThatFailsStopsTheTestAndAWaitingSendSkipsTicks()
    {
        Rig r;
        r.test.Command1_Click();
        r.waiting = true;
        r.ticks(3);
        QVERIFY(r.sink.commands.isEmpty());
        QCOMPARE(r.test.tickCount(), 0);
        r.waiting = false;

        r.sink.result = SendResult::Busy;
        r.test.TimerTestMode_Timer();
        QVERIFY(r.test.running());
        QCOMPARE(r.test.testCode(), QStringLiteral("32"));

        r.sink.result = SendResult::NotReady;
        r.test.TimerTestMode_Timer();
        QVERIFY(!r.test.running());
        QVERIFY(r.log.lastName().isEmpty());
        QCOMPARE(r.test.testCode(), QStringLiteral("32"));
        QCOMPARE(r.test.caption(), QStringLiteral("Diplay Character Set"));
    }

    void secondClickStopsAndANewRunContinues()
    {
        Rig r;
        r.test.Command1_Click();
        r.ticks(2);
        r.test.Command1_Click();
        QVERIFY(!r.test.running());
        r.ticks(2);
        QCOMPARE(r.sink.commands.size(), 2);
        r.test.Command1_Click();
        r.test.TimerTestMode_Timer();
        QCOMPARE(r.sink.commands.last(), QByteArray("\""));
        QVERIFY(CharacterSetTest::isStoppedCaption(QStringLiteral("文字順次表示")));
        QVERIFY(!CharacterSetTest::isStoppedCaption(QStringLiteral("順次表示停止")));
    }

    void initializeSendsOnlyTheCommandAndResetsEvenWhenItFails_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("logged");
        QTest::newRow("sent") << int(SendResult::Sent) << true;
        QTest::newRow("not ready") << int(SendResult::NotReady) << false;
    }
    void initializeSendsOnlyTheCommandAndResetsEvenWhenItFails()
    {
        QFETCH(int, result);
        QFETCH(bool, logged);
        Rig r;
        r.sink.result = SendResult(result);
        int resets = 0;
        ModuleInitializer init(r.ctx, [&] { ++resets; });
        init.InitializeCommandButton_Click();
        QCOMPARE(r.sink.commands, QList<QByteArray>{hexBytes("1B 40")});
        QCOMPARE(resets, 1);
        QCOMPARE(r.log.lastName(), logged ? QStringLiteral("Initialize") : QString());
        QCOMPARE(r.log.lastHelp(), logged ? QStringLiteral("-OpCode-") : QString());
    }
};

KVX_TEST_MAIN(TestCharacterSet)
#include "tst_panels_charset_test.moc"
