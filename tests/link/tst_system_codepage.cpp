#include "link/codepage.h"
#include "support/test_main.h"

using namespace kvx;

class TestSystemCodePage : public QObject
{
    Q_OBJECT
private slots:
    void languageChoosesTheCodePage()
    {
        QCOMPARE(systemCodePage(QStringLiteral("Japanese")), SystemCodePage::Cp932);
        QCOMPARE(systemCodePage(QStringLiteral("English")), SystemCodePage::Windows1252);
        QCOMPARE(systemCodePage(QStringLiteral("japanese")), SystemCodePage::Windows1252);
        QCOMPARE(systemCodePage(QString()), SystemCodePage::Windows1252);
    }

    void characterCodes_data()
    {
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<uint>("ch");
        QTest::addColumn<int>("code");
        QTest::newRow("1252 ASCII") << false << uint('A') << 0x41;
        QTest::newRow("1252 euro") << false << 0x20ACu << 0x80;
        QTest::newRow("1252 Y diaeresis at 9F") << false << 0x178u << 0x9F;
        QTest::newRow("1252 undefined 81 kept") << false << 0x81u << 0x81;
        QTest::newRow("1252 undefined 8D kept") << false << 0x8Du << 0x8D;
        QTest::newRow("1252 undefined 8F kept") << false << 0x8Fu << 0x8F;
        QTest::newRow("1252 undefined 90 kept") << false << 0x90u << 0x90;
        QTest::newRow("1252 undefined 9D kept") << false << 0x9Du << 0x9D;
        QTest::newRow("1252 C1 80 lacking") << false << 0x80u << int('?');
        QTest::newRow("1252 latin-1 e acute") << false << 0xE9u << 0xE9;
        QTest::newRow("1252 hiragana lacking") << false << 0x3042u << int('?');
        QTest::newRow("1252 outside the BMP") << false << 0x1F600u << int('?');
        QTest::newRow("932 question mark") << true << uint('?') << int('?');
        QTest::newRow("932 ASCII") << true << uint('b') << 0x62;
        QTest::newRow("932 half-width katakana") << true << 0xFF71u << 0xB1;
        QTest::newRow("932 hiragana two bytes") << true << 0x3042u << 0x82A0;
        QTest::newRow("932 ideographic space") << true << 0x3000u << 0x8140;
        QTest::newRow("932 e acute lacking") << true << 0xE9u << int('?');
        QTest::newRow("932 lone surrogate") << true << 0xD800u << int('?');
    }
    void characterCodes()
    {
        QFETCH(bool, japanese);
        QFETCH(uint, ch);
        QFETCH(int, code);
        const SystemCodePage page = japanese ? SystemCodePage::Cp932 : SystemCodePage::Windows1252;
        QCOMPARE(systemCodeOf(char32_t(ch), page), code);
        QCOMPARE(systemByteOf(char32_t(ch), page), code > 0xFF ? '?' : char(code));
        QCOMPARE(systemCodeIfAny(char32_t(ch), page).has_value(), code != '?' || ch == '?');
    }

    void fileTextIsUtf8WhenValidElseCp932_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII") << QByteArray("PRT 1bh;\r\n") << QStringLiteral("PRT 1bh;\r\n");
        QTest::newRow("UTF-8") << QByteArray("\xe3\x81\x82") << QStringLiteral("\u3042");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfx") << QStringLiteral("x");
        QTest::newRow("CP932") << QByteArray("*** \x82\xa0 ***") << QStringLiteral("*** \u3042 ***");
        QTest::newRow("CP932 half-width") << QByteArray("\xb1\xb2") << QStringLiteral("\uff71\uff72");
        QTest::newRow("CP932 cut lead byte") << QByteArray("\xb1\x82") << QStringLiteral("\uff71\ufffd");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void fileTextIsUtf8WhenValidElseCp932()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeFileText(bytes), text);
    }
};

KVX_TEST_MAIN(TestSystemCodePage)
#include "tst_system_codepage.moc"
