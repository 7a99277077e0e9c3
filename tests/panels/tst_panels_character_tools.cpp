#include "link/vx5200.h"
#include "panels/charset_test.h"
#include "panels/download_character.h"
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
    DownloadCharacterPanel panel{ctx};
    int n = 1;
    CharacterSetTest test{ctx, [this] { return n; }};

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            test.TimerTestMode_Timer();
    }
};

} // namespace

class TestCharacterTools : public QObject
{
    Q_OBJECT
private slots:
    void defineSendsEveryColumnHiddenDotsIncluded_data()
    {
        QTest::addColumn<QList<int>>("dots");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("5x7 top-left dot") << QList<int>{7} << 0 << "30" << hexBytes("1B 26 01 30 30 05 80 00 00 00 00")
                                          << "DownloadCharacterDefine startCode=48 endCode=48 5X7dot fontData";
        QTest::newRow("6x8 bottom row") << QList<int>{0, 8, 16, 24, 32, 40} << 2 << "41"
                                        << hexBytes("1B 26 01 41 41 06 01 01 01 01 01 01")
                                        << "DownloadCharacterDefine startCode=65 endCode=65 6x8dot fontData";
        QTest::newRow("7x8 corners") << QList<int>{0, 7, 48, 55} << 1 << "7e"
                                     << hexBytes("1B 26 01 7E 7E 07 81 00 00 00 00 00 81")
                                     << "DownloadCharacterDefine startCode=126 endCode=126 7x8dot fontData";
        QTest::newRow("5x7 hidden bottom dot, empty code")
            << QList<int>{0, 1} << 0 << "" << hexBytes("1B 26 01 00 00 05 03 00 00 00 00")
            << "DownloadCharacterDefine startCode=0 endCode=0 5X7dot fontData";
    }
    void defineSendsEveryColumnHiddenDotsIncluded()
    {
        QFETCH(QList<int>, dots);
        QFETCH(int, size);
        QFETCH(QString, code);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        Rig r;
        // Dots drawn on the whole grid stay when a smaller size hides them.
        r.panel.FontSizeOption_Click(1);
        for (int d : dots)
            r.panel.FontCommandButton_Click(d);
        r.panel.FontSizeOption_Click(size);
        QCOMPARE(r.panel.FontDefineCommandButton_Click(code), SendResult::Sent);
        QCOMPARE(r.sink.commands, QList<QByteArray>{bytes});
        QCOMPARE(r.log.lastName(), name);
    }

    void deleteLogsTheCodeAndCodesOutsideAByteAreRefused()
    {
        Rig r;
        QCOMPARE(DownloadCharacterPanel::defineHelp(5),
                 QStringLiteral("---OpCode--- c1  c2   x  d1  d2  d3  d4  d5  (x:XSize 5-5X7dotFont,7-7X8dotFont)"
                                "(c1:StartCode c2:EndCode &h20<=c1<=c2<=&hff)(d:BmpData)"));
        r.panel.FontDeleteCommandButton_Click(QStringLiteral("41"));
        QCOMPARE(r.sink.commands, QList<QByteArray>{hexBytes("1B 3F 01 41")});
        QCOMPARE(r.log.lastName(), QStringLiteral("DownloadCharacterDelete code=65"));

        QCOMPARE(r.panel.FontDefineCommandButton_Click(QStringLiteral("100")), SendResult::Skipped);
        QCOMPARE(r.panel.FontDeleteCommandButton_Click(QStringLiteral("FFFFFFFFFF")), SendResult::Skipped);
        QCOMPARE(r.sink.commands.size(), 1);
        QCOMPARE(r.dialogs.shown, QStringList(2, QStringLiteral("Value out of range.")));
    }

    void tenTicksOneApartSend20To29()
    {
        Rig r;
        r.test.Command1_Click();
        QCOMPARE(r.test.caption(), QStringLiteral("Diplay STOP"));
        r.ticks(10);
        QCOMPARE(r.sink.all(), hexBytes("20 21 22 23 24 25 26 27 28 29"));
        QCOMPARE(r.sink.commands.size(), 10);
        QCOMPARE(r.log.lastName(), QStringLiteral("Write a character ')"));
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
    }

    void typedCodesStayWithin32To255_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("next");
        QTest::newRow("quote Z") << "'Z"
                                 << "English" << QByteArray("Z") << "91";
        QTest::newRow("255 wraps") << "255"
                                   << "English" << QByteArray("\xff") << "32";
        QTest::newRow("below 32") << "10"
                                  << "English" << QByteArray(" ") << "33";
        QTest::newRow("above 255") << "300"
                                   << "English" << QByteArray(" ") << "33";
        QTest::newRow("lone quote") << "'"
                                    << "English" << QByteArray() << "'";
        QTest::newRow("quote katakana") << QStringLiteral("'ｱ") << "Japanese" << QByteArray("\xb1") << "178";
    }
    void typedCodesStayWithin32To255()
    {
        QFETCH(QString, typed);
        QFETCH(QString, language);
        QFETCH(QByteArray, sent);
        QFETCH(QString, next);
        Rig r;
        r.state.UILanguage = language;
        r.test.setTestCode(typed);
        r.test.Command1_Click();
        r.test.TimerTestMode_Timer();
        QCOMPARE(r.sink.all(), sent);
        QCOMPARE(r.test.testCode(), next);
    }

    void refusedUnderTheTutorialRetriedWhenBusyAndStoppedByAFailedSend()
    {
        Rig r;
        r.state.TutorialShown = true;
        r.test.Command1_Click();
        QVERIFY(!r.test.running());
        QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("This button is not available under tutorial.")});
        r.state.TutorialShown = false;

        r.test.Command1_Click();
        // Refused as busy (another send under way): the same character is due again at
        // the next tick, not n ticks later.
        r.n = 3;
        r.sink.result = SendResult::Busy;
        r.ticks(3);
        QCOMPARE(r.sink.commands.size(), 1);
        r.ticks(1);
        QCOMPARE(r.sink.commands, QList<QByteArray>(2, hexBytes("20")));
        QVERIFY(r.test.running());
        r.sink.result = SendResult::NotReady;
        r.test.TimerTestMode_Timer();
        QVERIFY(!r.test.running());
        QCOMPARE(r.sink.commands.size(), 3);
        QCOMPARE(r.test.testCode(), QStringLiteral("32"));
    }
};

KVX_TEST_MAIN(TestCharacterTools)
#include "tst_panels_character_tools.moc"
