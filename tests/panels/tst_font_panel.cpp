#include "font_text_fixture.h"
#include "panels/font_panel.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

namespace {

enum Control { Size, Magnified, Gap, International, CodeTable, Download, Extension };

SendResult act(FontPanel &panel, int control, int index, const QString &text)
{
    switch (control) {
    case Size: return panel.ListSize_Click(text);
    case Magnified: return panel.MagunifiedList_Click(text);
    case Gap: return panel.GapList_Click(index, text);
    case International: return panel.InterNationalFontList_Click(index, text);
    case CodeTable: return panel.CharacterCodeList_Click(index, text);
    case Download: return panel.DownloadFontCheck_Click(index != 0);
    default: return panel.CmdFontExtension_Click(text);
    }
}

const QString SizeHelp = QStringLiteral("-----OpCode----- Size ( Size=1: 6x8, 2=:8x16, =4:16x32)");
const QString TableHelp = QStringLiteral("-OpCode-  n  (n:CodeSet 0<=n<=5 or 10Hex <=n<=13Hex or n=FFhex)");
const QString DownloadHelp = QStringLiteral("-OpCode-  n  (n:DownloadCharacterEnable 0-Disable,1-Enable)");

} // namespace

class TestFontPanel : public QObject
{
    Q_OBJECT
private slots:
    void everyControlSendsAndLogs_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("revB");
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("help");
        const QString m52 = QStringLiteral("VX140X32_52K"), m21 = QStringLiteral("VX256X64_21K");
        QTest::newRow("size 8x16") << m52 << false << int(Size) << 1 << "8x16" << hexBytes("1F 28 67 01 02")
                                   << "Font Size : " << SizeHelp;
        QTest::newRow("size 12x24 on 2100B")
            << m21 << true << int(Size) << 2 << "12x24" << hexBytes("1F 28 67 01 03") << "Font Size : "
            << "-----OpCode----- Size ( Size=1: 6x8, 2=:8x16, =3:12x24, =4:16x32)";
        QTest::newRow("size other text is 0 (5200B help)")
            << m52 << true << int(Size) << 0 << "6X8" << hexBytes("1F 28 67 01 00") << "Font Size : " << SizeHelp;
        QTest::newRow("magnified X4 Y2") << m52 << false << int(Magnified) << 5 << "X4 Y2"
                                         << hexBytes("1F 28 67 40 04 02") << "FontMagnified : X4 Y2"
                                         << "-----OPcode----- xX  xY (X:MugnifiedX 1<=X<=4)(Y:MugnifiedY 1<=Y<=2)";
        QTest::newRow("gap proportional 2")
            << m52 << false << int(Gap) << 3 << "Proportional 2" << hexBytes("1F 28 67 03 03")
            << "FontGapMode : Proportional 2"
            << "-----OpCode-----  w  (w:Mode 0-FixedWidth1,1-FixedWidth2,2-Proportional1,3-Proportional2)";
        QTest::newRow("international France") << m52 << false << int(International) << 1 << "France"
                                              << hexBytes("1B 52 01") << "InternationalFontSet : France"
                                              << "-OpCode-  n  (n:FontSet 0<=n<=5,16<=n<=19)";
        QTest::newRow("code table on 5200") << m52 << false << int(CodeTable) << 1 << "Katakana -Japanese"
                                            << hexBytes("1B 74 01") << "CharacterCodeTable : Katakana -Japanese"
                                            << "-OpCode-  n  (n:CodeSet 0<=n<=5 or 16<=n<=19)";
        QTest::newRow("code table on 5200B")
            << m52 << true << int(CodeTable) << 8 << "PC852(Latin 2)" << hexBytes("1B 74 12")
            << "CharacterCodeTable : PC852(Latin 2)" << TableHelp;
        QTest::newRow("code table UserFont on 2100")
            << m21 << false << int(CodeTable) << 10 << "UserFont" << hexBytes("1B 74 FF")
            << "CharacterCodeTable : UserFont" << TableHelp;
        QTest::newRow("download ticked") << m52 << false << int(Download) << 1 << "" << hexBytes("1B 25 01")
                                         << "DownloadEnable : Enable" << DownloadHelp;
        QTest::newRow("download cleared") << m52 << false << int(Download) << 0 << "" << hexBytes("1B 25 00")
                                          << "DownloadEnable : Disable" << DownloadHelp;
        QTest::newRow("extension 258 wraps to 2") << m52 << true << int(Extension) << 0 << "258"
                                                  << hexBytes("1F 28 67 05 02") << "Extension Font Select n=(2)"
                                                  << " -OpCode-       n";
        QTest::newRow("extension abc is 0") << m52 << true << int(Extension) << 0 << "abc" << hexBytes("1F 28 67 05 00")
                                            << "Extension Font Select n=(0)"
                                            << " -OpCode-       n";
    }
    void everyControlSendsAndLogs()
    {
        QFETCH(QString, model);
        QFETCH(bool, revB);
        QFETCH(int, control);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        PanelFixture f(model, revB);
        FontPanel panel(f.ctx);
        QCOMPARE(act(panel, control, index, text), SendResult::Sent);
        QCOMPARE(f.sink.commands, QList<QByteArray>{bytes});
        QCOMPARE(f.logged.size(), 1);
        QTEST(f.lastName(), "name");
        QTEST(f.lastHelp(), "help");
    }

    // Which flag holds which control back (the size list and the extension button
    // have no guard; the gap list and the check box only FormLoading).
    void guardsHoldBackTheirControls_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("heldByListUpdating");
        QTest::addColumn<bool>("heldByFormLoading");
        QTest::newRow("size") << int(Size) << false << false;
        QTest::newRow("magnified") << int(Magnified) << true << true;
        QTest::newRow("gap") << int(Gap) << false << true;
        QTest::newRow("international") << int(International) << true << true;
        QTest::newRow("code table") << int(CodeTable) << true << true;
        QTest::newRow("download") << int(Download) << false << true;
        QTest::newRow("extension") << int(Extension) << false << false;
    }
    void guardsHoldBackTheirControls()
    {
        QFETCH(int, control);
        QFETCH(bool, heldByListUpdating);
        QFETCH(bool, heldByFormLoading);
        for (const bool listUpdating : {true, false}) {
            PanelFixture f;
            f.state.ListUpdating = listUpdating;
            f.state.FormLoading = !listUpdating;
            FontPanel panel(f.ctx);
            act(panel, control, 1, QStringLiteral("X1 Y1"));
            const bool held = listUpdating ? heldByListUpdating : heldByFormLoading;
            QCOMPARE(f.sink.commands.isEmpty(), held);
            QCOMPARE(f.logged.isEmpty(), held);
        }
    }

    void negativeOrHugeExtensionIsRefused()
    {
        PanelFixture f;
        FontPanel panel(f.ctx);
        QCOMPARE(panel.CmdFontExtension_Click(QStringLiteral("-1")), SendResult::Skipped);
        QCOMPARE(panel.CmdFontExtension_Click(QStringLiteral("1e20")), SendResult::Skipped);
        QVERIFY(f.sink.commands.isEmpty() && f.logged.isEmpty());
        QCOMPARE(f.dialogs.shown, QStringList(2, QStringLiteral("Value out of range.")));
    }
};

KVX_TEST_MAIN(TestFontPanel)
#include "tst_font_panel.moc"
