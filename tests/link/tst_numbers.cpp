#include "link/numbers.h"
#include "support/test_main.h"

using namespace kvx;

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void numericValueReadsTheNumberATextBeginsWith_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower") << "&hff" << 255.0;
        QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal without O") << "&17" << 15.0;
        QTest::newRow("sign decimal exponent") << " -2.5e1" << -25.0;
        QTest::newRow("D exponent") << "1D2" << 100.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("blanks inside") << " 1 2" << 12.0;
        QTest::newRow("tabs and line feeds") << "\t3\n4" << 34.0;
        QTest::newRow("sign apart") << "- 5" << -5.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone ampersand") << "&" << 0.0;
        QTest::newRow("carriage return ends") << "1\r2" << 1.0;
    }
    void numericValueReadsTheNumberATextBeginsWith()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(numericValue(text), value);
    }

    void roundingTakesHalvesToTheEvenNeighbour()
    {
        QCOMPARE(roundHalfEven(2.5), 2.0);
        QCOMPARE(roundHalfEven(3.5), 4.0);
        QCOMPARE(roundHalfEven(-2.5), -2.0);
        QCOMPARE(roundHalfEven(-3.5), -4.0);
        QCOMPARE(roundHalfEven(2.4999), 2.0);
        QCOMPARE(roundHalfEven(0.5), 0.0);
        QCOMPARE(toWhole(32767.4, IntWidth::Int16), 32767);
        QVERIFY_THROWS_EXCEPTION(EncodeError, toWhole(32767.6, IntWidth::Int16));
        QVERIFY_THROWS_EXCEPTION(EncodeError, toWhole(-32769, IntWidth::Int16));
        QCOMPARE(toWhole(-2147483648.0, IntWidth::Int32), -2147483648LL);
        QVERIFY_THROWS_EXCEPTION(EncodeError, toWhole(2147483648.0, IntWidth::Int32));
        QVERIFY_THROWS_EXCEPTION(EncodeError, toWhole(numericValue("1e400"), IntWidth::Int32));
    }

    void byteConversionsRefuseValuesThatDoNotFit()
    {
        QCOMPARE(plainByte(0), quint8(0));
        QCOMPARE(plainByte(255), quint8(255));
        QVERIFY_THROWS_EXCEPTION(EncodeError, plainByte(256));
        QVERIFY_THROWS_EXCEPTION(EncodeError, plainByte(-1));
        QCOMPARE(lowByte(256), quint8(0));
        QCOMPARE(lowByte(65535), quint8(255));
        QVERIFY_THROWS_EXCEPTION(EncodeError, lowByte(-1));

        QByteArray b;
        appendLE16(b, 32767, IntWidth::Int16);
        QCOMPARE(b, QByteArray("\xff\x7f", 2));
        QVERIFY_THROWS_EXCEPTION(EncodeError, appendLE16(b, 32768, IntWidth::Int16));
        QVERIFY_THROWS_EXCEPTION(EncodeError, appendLE16(b, -1, IntWidth::Int16));
        b.clear();
        appendLE16(b, 65536 + 258, IntWidth::Int32);
        QCOMPARE(b, QByteArray("\x02\x01", 2));
        b.clear();
        appendLE16(b, 2.5);
        QCOMPARE(b, QByteArray("\x02\x00", 2));
        b.clear();
        appendLE24(b, 0x123456);
        QCOMPARE(b, QByteArray("\x56\x34\x12", 3));
        QVERIFY_THROWS_EXCEPTION(EncodeError, appendLE24(b, -1));
    }

    void bracketHexWritesLowerCaseTwoDigitGroups()
    {
        QCOMPARE(bracketHex(QByteArray("\x1b\x40", 2)), QStringLiteral("[1b][40]"));
        QCOMPARE(bracketHex(QByteArray("\x0a\xff", 2)), QStringLiteral("[0a][ff]"));
        QCOMPARE(bracketHex(QByteArray()), QString());
    }
};

KVX_TEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
