#include "link/asian_codepage.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

using namespace kvx;
using kvx::test::hexBytes;

class TestAsianCodePage : public QObject
{
    Q_OBJECT
private slots:
    void textConvertsPerCharacter_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("932 hiragana") << 932 << QStringLiteral("あ") << hexBytes("82 A0");
        QTest::newRow("932 half-width katakana one byte each")
            << 932 << QStringLiteral("ｶﾀｶﾅ") << hexBytes("B6 C0 B6 C5");
        QTest::newRow("932 circled one (beyond strict Shift_JIS)") << 932 << QStringLiteral("①") << hexBytes("87 40");
        QTest::newRow("932 ASCII and kanji mixed") << 932 << QStringLiteral("A漢B") << hexBytes("41 8A BF 42");
        QTest::newRow("949 hangul") << 949 << QStringLiteral("가") << hexBytes("B0 A1");
        QTest::newRow("949 hangul beyond strict EUC-KR") << 949 << QStringLiteral("똠") << hexBytes("8C 63");
        QTest::newRow("936 simplified") << 936 << QStringLiteral("中") << hexBytes("D6 D0");
        QTest::newRow("950 traditional") << 950 << QStringLiteral("中") << hexBytes("A4 A4");
        QTest::newRow("1252 e acute and euro") << 1252 << QStringLiteral("é€") << hexBytes("E9 80");
        QTest::newRow("932 lacking character is ?, the rest goes on")
            << 932 << QStringLiteral("a가b") << QByteArray("a?b");
        QTest::newRow("949 lacking kana") << 949 << QStringLiteral("ｶ") << QByteArray("?");
        QTest::newRow("936 emoji outside the BMP is one ?") << 936 << QStringLiteral("x😀y") << QByteArray("x?y");
        QTest::newRow("1252 kanji lacking") << 1252 << QStringLiteral("漢") << QByteArray("?");
        QTest::newRow("control characters pass") << 950 << QStringLiteral("\r\n") << hexBytes("0D 0A");
    }
    void textConvertsPerCharacter()
    {
        QFETCH(int, codePage);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        CodePageEncoder encoder(codePage);
        QCOMPARE(encoder.encode(text), bytes);
    }

    void leadBytesAndDecoding()
    {
        QVERIFY(isLeadByte(0x82, 932));
        QVERIFY(!isLeadByte(0xB6, 932)); // half-width katakana stands alone
        QVERIFY(isLeadByte(0xB0, 949));
        QVERIFY(!isLeadByte(0x41, 950));
        QVERIFY(!isLeadByte(0xE9, 1252));
        QCOMPARE(decodeCodePageChar(hexBytes("82 A0"), 932), QStringLiteral("あ"));
        QCOMPARE(decodeCodePageChar(hexBytes("B6"), 932), QStringLiteral("ｶ"));
        QCOMPARE(decodeCodePageChar(hexBytes("A4 A4"), 950), QStringLiteral("中"));
        QCOMPARE(decodeCodePageChar(hexBytes("80"), 1252), QStringLiteral("€"));
        QCOMPARE(decodeCodePageChar(hexBytes("E9"), 1252), QStringLiteral("é"));
        QCOMPARE(decodeCodePageChar(hexBytes("82"), 932), QString(QChar(0xFFFD)));
    }
};

KVX_TEST_MAIN(TestAsianCodePage)
#include "tst_asian_codepage.moc"
