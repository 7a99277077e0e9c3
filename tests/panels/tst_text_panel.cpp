#include "font_text_fixture.h"
#include "panels/text_panel.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

namespace {

// "ABC" with the characters whose positions are listed marked reversed.
QList<RichChar> rich(const QString &text, const QList<int> &reversed = {})
{
    QList<RichChar> chars;
    const QList<uint> codes = text.toUcs4();
    for (int i = 0; i < codes.size(); ++i)
        chars.append(RichChar{char32_t(codes[i]), reversed.contains(i)});
    return chars;
}

const QString DotName = QStringLiteral("\r\n    -Op-            -X- -X- -Y- -Y- -m- len ");

} // namespace

class TestTextPanel : public QObject
{
    Q_OBJECT
private slots:
    void writeSendsTextInTheLanguagesCodePage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("help");
        QTest::newRow("ASCII") << "Japanese"
                               << "AB" << hexBytes("41 42") << " A   B   ";
        QTest::newRow("hiragana") << "Japanese"
                                  << "あ" << hexBytes("82 A0") << " あ   ";
        QTest::newRow("half-width katakana") << "日本語"
                                             << "ｶﾀｶﾅ" << hexBytes("B6 C0 B6 C5") << " ｶ   ﾀ   ｶ   ﾅ   ";
        QTest::newRow("Korean") << "Korean"
                                << "가" << hexBytes("B0 A1") << " 가   ";
        QTest::newRow("simplified") << "簡体字"
                                    << "中" << hexBytes("D6 D0") << " 中   ";
        QTest::newRow("lacking character") << "Korean"
                                           << "aｶ" << QByteArray("a?") << " a   ｶ   ";
    }
    void writeSendsTextInTheLanguagesCodePage()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, help);
        PanelFixture f;
        TextPanel panel(f.ctx);
        QCOMPARE(panel.SendTextAction(text, language), SendResult::Sent);
        QCOMPARE(f.sink.commands, QList<QByteArray>{bytes});
        QCOMPARE(f.lastName(), QStringLiteral("CharacterDisplay text=") + text);
        QCOMPARE(f.lastHelp(), help);
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void unknownLanguageWarnsAndSendsInTheSystemCodePage()
    {
        PanelFixture f;
        TextPanel panel(f.ctx);
        panel.SendTextAction(QStringLiteral("é"), QString());
        QCOMPARE(f.dialogs.shown, QStringList{QStringLiteral("Error (87323), unknown language.")});
        QCOMPARE(f.sink.commands, QList<QByteArray>{hexBytes("E9")});
        f.state.UILanguage = QStringLiteral("Japanese");
        panel.SendTextAction(QStringLiteral("あ"), QStringLiteral("none"));
        QCOMPARE(f.dialogs.shown.last(), QStringLiteral("エラー (87323), 認識できない言語です。"));
        QCOMPARE(f.sink.commands.last(), hexBytes("82 A0"));
    }

    void reversedRunsAreMarkedWithOneByteEach_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("reversed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("middle run closes") << "ABC" << QList<int>{1} << hexBytes("41 11 42 10 43");
        QTest::newRow("run at the end stays open") << "ABC" << QList<int>{2} << hexBytes("41 42 11 43");
        QTest::newRow("two runs") << "ABCDE" << QList<int>{0, 1, 3, 4} << hexBytes("11 41 42 10 43 11 44 45");
    }
    void reversedRunsAreMarkedWithOneByteEach()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, reversed);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextPanel::richTextBytes(rich(text, reversed), 932), bytes);
    }

    void longTextIsCutAfterTheLastWholeCharacter()
    {
        // 127 two-byte characters fill 254 bytes; the 128th would need 256.
        const QString text = QString(128, QChar(0x3042));
        QCOMPARE(TextPanel::richTextBytes(rich(text), 932).size(), 254);
        QCOMPARE(TextPanel::richTextBytes(rich(QStringLiteral("a") + text), 932).size(), 255);
        // A marker is not left at the end without its character.
        const QByteArray cut =
            TextPanel::richTextBytes(rich(QString(254, QLatin1Char('x')) + QStringLiteral("y"), {254}), 932);
        QCOMPARE(cut, QByteArray(254, 'x'));
    }

    void dotWriteSendsPositionAndText()
    {
        PanelFixture f(QStringLiteral("VX140X32_52K"), true);
        TextPanel panel(f.ctx);
        QCOMPARE(panel.Command9_Click(rich(QStringLiteral("ABC"), {1}), QStringLiteral("300"), QStringLiteral("8"),
                                      QStringLiteral("Japanese")),
                 SendResult::Sent);
        QCOMPARE(f.sink.commands, QList<QByteArray>{hexBytes("1F 28 64 30 2C 01 08 00 00 05 41 11 42 10 43")});
        QCOMPARE(f.lastName(), QStringLiteral("CharacterDisplay text=ABC") + DotName);
        QCOMPARE(f.lastHelp(), QStringLiteral(" A   B   C   "));
        panel.Command9_Click(rich(QStringLiteral("가")), TextPanel::continuedX(), QStringLiteral("2.5"),
                             QStringLiteral("Korean"));
        QCOMPARE(f.sink.commands.last(), hexBytes("1F 28 64 30 FF FF 02 00 00 02 B0 A1"));
    }

    void dotPositionsOutsideTheFieldAreRefused_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::newRow("x 65536") << "65536"
                                 << "0";
        QTest::newRow("y 70000") << "0"
                                 << "70000";
        QTest::newRow("negative x") << "-1"
                                    << "0";
    }
    void dotPositionsOutsideTheFieldAreRefused()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        PanelFixture f;
        TextPanel panel(f.ctx);
        QCOMPARE(panel.Command9_Click(rich(QStringLiteral("A")), x, y, QStringLiteral("Japanese")),
                 SendResult::Skipped);
        QVERIFY(f.sink.commands.isEmpty());
        QVERIFY(f.logged.isEmpty());
        QCOMPARE(f.dialogs.shown, QStringList{QStringLiteral("Value out of range.")});
    }

    void asianFontOnStopsAtTheFirstFailure()
    {
        PanelFixture f;
        f.sink.result = SendResult::NotReady;
        TextPanel panel(f.ctx);
        const TextPanel::AsianFontOn on = panel.CmdAsiaFont_ON_Click(QStringLiteral("Japanese"));
        QCOMPARE(on.result, SendResult::NotReady);
        QVERIFY(!on.sizeSelected);
        QCOMPARE(f.sink.commands.size(), 1);
        QVERIFY(f.logged.isEmpty());
    }

    void asianFontListFollowsSeriesAndLanguage_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5200B English") << "5200B"
                                       << "English" << 1 << true << "Asian Font (521x, 529x Only)"
                                       << "Korean";
        QTest::newRow("5200 Japanese keeps the index") << "5200"
                                                       << "Japanese" << 3 << true << "アジアフォント (521x, 529x のみ)"
                                                       << "繁体字";
        QTest::newRow("2100 English") << "2100"
                                      << "English" << 2 << true << "Asian Font"
                                      << "Simplified Chinese";
        QTest::newRow("nothing chosen selects the first") << "5200"
                                                          << "English" << -1 << true << "Asian Font (521x, 529x Only)"
                                                          << "Japanese";
        QTest::newRow("no series disables") << ""
                                            << "English" << 2 << false << ""
                                            << "";
    }
    void asianFontListFollowsSeriesAndLanguage()
    {
        QFETCH(QString, series);
        QFETCH(QString, language);
        QFETCH(int, current);
        QFETCH(bool, enabled);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        const TextPanel::AsianFontList list = TextPanel::SetupAsianFontList(series, language, current);
        QCOMPARE(list.enabled, enabled);
        QCOMPARE(list.refill, enabled);
        QCOMPARE(list.caption, caption);
        QCOMPARE(list.index, qMax(0, current));
        if (enabled)
            QCOMPARE(list.items.at(list.index), shown);
    }

    void rtfTextBecomesCodePageBytes_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<int>("lcid");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString head =
            QStringLiteral("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fnil\\fcharset128 MS UI Gothic;}}");
        QTest::newRow("Japanese escaped pair")
            << head + "\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs18 A\\'82\\'a0B\\par\r\n}" << 1041
            << hexBytes("41 82 A0 42") << "";
        QTest::newRow("half-width kana stay single")
            << head + "\\lang1041\\f0 \\'b6\\'c0\\par\r\n}" << 1041 << hexBytes("B6 C0") << "";
        QTest::newRow("paragraphs inside are CR LF")
            << head + "\\lang1041 a\\par b\\par\r\n}" << 1041 << QByteArray("a\r\nb") << "";
        QTest::newRow("other control words dropped")
            << head + "\\lang1041 \\b bold\\b0  x}" << 1041 << QByteArray("bold x") << "";
        QTest::newRow("not RTF") << "abc" << 1041 << QByteArray() << "Unknown RTF format: Error 1283";
        QTest::newRow("no header end") << "{\\rtf1 abc}" << 1041 << QByteArray() << "Unknown RTF format: Error 1284";
        QTest::newRow("unknown language")
            << head + "\\lang1031 x}" << 1041 << QByteArray() << "Unknown Character ID: ERROR 1299\r\n";
    }
    void rtfTextBecomesCodePageBytes()
    {
        QFETCH(QString, rtf);
        QFETCH(int, lcid);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        PanelFixture f;
        TextPanel panel(f.ctx);
        QCOMPARE(panel.RTF2DBText(rtf, lcid), bytes);
        QCOMPARE(f.dialogs.shown, message.isEmpty() ? QStringList() : QStringList{message});
    }
};

KVX_TEST_MAIN(TestTextPanel)
#include "tst_text_panel.moc"
