#include "link/vx5200.h"
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
};

} // namespace

class TestDownloadCharacter : public QObject
{
    Q_OBJECT
private slots:
    void defineSendsTheCodeTwiceTheWidthAndEveryColumn_data()
    {
        QTest::addColumn<QList<int>>("dots");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("5x7 top-left dot") << QList<int>{7} << 0 << "30"
                                          << hexBytes("1B 26 01 30 30 05 80 00 00 00 00")
                                          << "DownloadCharacterDefine startCode=48 endCode=48 5X7dot fontData";
        QTest::newRow("6x8 bottom row") << QList<int>{0, 8, 16, 24, 32, 40} << 2 << "41"
                                        << hexBytes("1B 26 01 41 41 06 01 01 01 01 01 01")
                                        << "DownloadCharacterDefine startCode=65 endCode=65 6x8dot fontData";
        QTest::newRow("7x8 corners") << QList<int>{0, 7, 48, 55} << 1 << "7e"
                                     << hexBytes("1B 26 01 7E 7E 07 81 00 00 00 00 00 81")
                                     << "DownloadCharacterDefine startCode=126 endCode=126 7x8dot fontData";
        QTest::newRow("5x7 keeps a hidden bottom dot") << QList<int>{0, 1} << 0 << "20"
                                                       << hexBytes("1B 26 01 20 20 05 03 00 00 00 00")
                                                       << "DownloadCharacterDefine startCode=32 endCode=32 5X7dot fontData";
        QTest::newRow("empty code is 0") << QList<int>{} << 0 << ""
                                         << hexBytes("1B 26 01 00 00 05 00 00 00 00 00")
                                         << "DownloadCharacterDefine startCode=0 endCode=0 5X7dot fontData";
    }
    void defineSendsTheCodeTwiceTheWidthAndEveryColumn()
    {
        QFETCH(QList<int>, dots);
        QFETCH(int, size);
        QFETCH(QString, code);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        Rig r;
        // Dots drawn under the largest grid stay when a smaller size hides them.
        r.panel.FontSizeOption_Click(1);
        for (int d : dots)
            r.panel.FontCommandButton_Click(d);
        r.panel.FontSizeOption_Click(size);
        QCOMPARE(r.panel.FontDefineCommandButton_Click(code), SendResult::Sent);
        QCOMPARE(r.sink.commands, QList<QByteArray>{bytes});
        QCOMPARE(r.log.lastName(), name);
        QCOMPARE(r.log.lastHelp(), DownloadCharacterPanel::defineHelp(DownloadCharacterPanel::widthOf(size)));
    }

    void defineHelpListsOneDataByteAColumn()
    {
        QCOMPARE(DownloadCharacterPanel::defineHelp(5),
                 QStringLiteral("---OpCode--- c1  c2   x  d1  d2  d3  d4  d5  (x:XSize 5-5X7dotFont,7-7X8dotFont)"
                                "(c1:StartCode c2:EndCode &h20<=c1<=c2<=&hff)(d:BmpData)"));
    }

    void deleteSendsTheCode()
    {
        Rig r;
        QCOMPARE(r.panel.FontDeleteCommandButton_Click(QStringLiteral("41")), SendResult::Sent);
        QCOMPARE(r.sink.commands, QList<QByteArray>{hexBytes("1B 3F 01 41")});
        QCOMPARE(r.log.lastName(), QStringLiteral("DownloadCharacterDelete code=65"));
        QCOMPARE(r.log.lastHelp(), QStringLiteral("---OpCode---  c  (c:Code &h20<=c<=&hff)"));
    }

    void codeThatIsNoByteIsRefusedWithTheRangeMessage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("define");
        QTest::newRow("100 define") << "100" << true;
        QTest::newRow("FFFF define") << "FFFF" << true;
        QTest::newRow("huge define") << "FFFFFFFFFFFF" << true;
        QTest::newRow("100 delete") << "100" << false;
        QTest::newRow("FFFF delete") << "FFFF" << false;
    }
    void codeThatIsNoByteIsRefusedWithTheRangeMessage()
    {
        QFETCH(QString, code);
        QFETCH(bool, define);
        Rig r;
        const SendResult res = define ? r.panel.FontDefineCommandButton_Click(code)
                                      : r.panel.FontDeleteCommandButton_Click(code);
        QCOMPARE(res, SendResult::Skipped);
        QVERIFY(r.sink.commands.isEmpty());
        QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("Value out of range.")});
        QVERIFY(r.log.lastName().isEmpty());
    }

    void largerSizesFallBackTo6x8WithAMessage_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        const QString en = QStringLiteral("This format is not supported by this tool.\r\n"
                                          "Please refer to a specification for detail of the format.");
        QTest::newRow("8x16") << 3 << "English" << en;
        QTest::newRow("16x32") << 4 << "English" << en;
        QTest::newRow("12x24 Japanese") << 5 << "Japanese"
                                        << QStringLiteral("このフォーマットはこのソフトでサポートされていません。\r\n"
                                                          "フォーマットの詳細は仕様書を参照してください。");
    }
    void largerSizesFallBackTo6x8WithAMessage()
    {
        QFETCH(int, option);
        QFETCH(QString, language);
        QFETCH(QString, message);
        Rig r;
        r.state.UILanguage = language;
        QCOMPARE(r.panel.FontSizeOption_Click(option), int(DownloadCharacterPanel::Size6x8));
        QCOMPARE(r.panel.sizeOption(), int(DownloadCharacterPanel::Size6x8));
        QCOMPARE(r.dialogs.shown, QStringList{message});
        QVERIFY(r.sink.commands.isEmpty());
    }

    void eachSizeShowsItsPartOfTheGrid_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<int>>("hidden");
        QTest::newRow("5x7") << 0 << 35 << QList<int>{0, 8, 40, 47, 55};
        QTest::newRow("7x8") << 1 << 56 << QList<int>{};
        QTest::newRow("6x8") << 2 << 48 << QList<int>{48, 55};
    }
    void eachSizeShowsItsPartOfTheGrid()
    {
        QFETCH(int, option);
        QFETCH(int, shown);
        QFETCH(QList<int>, hidden);
        int count = 0;
        for (int i = 0; i < DotGrid::Count; ++i)
            count += DownloadCharacterPanel::dotVisible(option, i) ? 1 : 0;
        QCOMPARE(count, shown);
        for (int i : hidden)
            QVERIFY(!DownloadCharacterPanel::dotVisible(option, i));
        QVERIFY(DownloadCharacterPanel::dotVisible(option, 7));
    }

    void aDotClickedTwiceIsUnlitAndClearEmptiesTheGrid()
    {
        Rig r;
        r.panel.FontCommandButton_Click(12);
        r.panel.FontCommandButton_Click(12);
        QVERIFY(!r.panel.grid().lit(12));
        r.panel.FontCommandButton_Click(3);
        r.panel.FontCommandButton_Click(30);
        r.panel.FontClearCommandButton_Click();
        for (int c = 0; c < DotGrid::Columns; ++c)
            QCOMPARE(r.panel.grid().columnByte(c), quint8(0));
        QVERIFY(r.sink.commands.isEmpty());
    }

    void seriesShowsItsOwnSizes()
    {
        QCOMPARE(DownloadCharacterPanel::sizeOptionsShown(true), (QList<int>{0, 1}));
        QCOMPARE(DownloadCharacterPanel::sizeOptionsShown(false), (QList<int>{2, 3, 4, 5}));
        QCOMPARE(DownloadCharacterPanel::startSizeOption(true), 0);
        QCOMPARE(DownloadCharacterPanel::startSizeOption(false), 2);
    }
};

KVX_TEST_MAIN(TestDownloadCharacter)
#include "tst_panels_download_character.moc"
