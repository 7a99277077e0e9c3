#include "shell/macro_tokenizer.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QRandomGenerator>

using namespace kvx;
using kvx::test::hexBytes;

namespace {

// One recorded command as the recorder writes it: the comment pair, "PRT" lines of at
// most 16 tokens closed by ";", a "PRT;" line after a full line, and an empty line.
QString recorderBlock(const QString &name, const QString &help, const QByteArray &bytes)
{
    QString b = QStringLiteral("*** ") + name + QStringLiteral(" ***\r\n*** ") + help + QStringLiteral(" ***\r\nPRT");
    int onLine = 0;
    for (char c : bytes) {
        b += QStringLiteral(" %1h").arg(uchar(c), 2, 16, QLatin1Char('0'));
        if (++onLine == 16) {
            b += QStringLiteral(";\r\nPRT");
            onLine = 0;
        }
    }
    return b + QStringLiteral(";\r\n\r\n");
}

} // namespace

class TestMacroTokenizer : public QObject
{
    Q_OBJECT
private slots:
    void commandLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<QByteArray>("bytes"); // hex
        QTest::addColumn<int>("badWord");      // 0: no error
        QTest::newRow("recorder tokens") << "PRT 1bh 40h;" << false << QByteArray("1b40") << 0;
        QTest::newRow("bare digits") << "PRT 1B 40" << false << QByteArray("1b40") << 0;
        QTest::newRow("single digit") << "PRT 1 a" << false << QByteArray("010a") << 0;
        QTest::newRow("leading zeros") << "PRT 00001bh" << false << QByteArray("1b") << 0;
        QTest::newRow("lower-case prt is no command") << "prt 1bh" << false << QByteArray() << 0;
        QTest::newRow("PRT; is no command") << "PRT;" << false << QByteArray() << 0;
        QTest::newRow("PRT alone") << "PRT" << false << QByteArray() << 0;
        QTest::newRow("PRT glued to a word") << "PRTX 1bh" << false << QByteArray() << 0;
        QTest::newRow("tab after PRT is no blank") << "PRT\t1bh" << false << QByteArray() << 0;
        QTest::newRow("leading and trailing blanks") << "  PRT 0ch  " << false << QByteArray("0c") << 0;
        QTest::newRow("two blanks give 00") << "PRT 1bh  40h;" << false << QByteArray("1b0040") << 0;
        QTest::newRow("lone semicolon gives 00") << "PRT 1bh 40h ;" << false << QByteArray("1b4000") << 0;
        QTest::newRow("non-hex word gives 00") << "PRT xyz" << false << QByteArray("00") << 0;
        QTest::newRow("characters") << "PRT 'A 'b" << false << QByteArray("4162") << 0;
        QTest::newRow("character rest ignored") << "PRT 'AB" << false << QByteArray("41") << 0;
        QTest::newRow("character apostrophe") << "PRT ''" << false << QByteArray("27") << 0;
        QTest::newRow("1252 euro") << "PRT '\u20ac" << false << QByteArray("80") << 0;
        QTest::newRow("1252 lacking character") << "PRT '\u3042" << false << QByteArray() << 2;
        QTest::newRow("typed question mark") << "PRT '? '\u00e9" << false << QByteArray("3fe9") << 0;
        QTest::newRow("932 half-width katakana") << "PRT '\uff71" << true << QByteArray("b1") << 0;
        QTest::newRow("932 lacking e acute") << "PRT '? '\u00e9" << true << QByteArray() << 3;
        QTest::newRow("932 two-byte character") << "PRT 1bh '\u3042" << true << QByteArray() << 3;
        QTest::newRow("lone apostrophe") << "PRT 1bh ' 40h" << false << QByteArray() << 3;
        QTest::newRow("100h") << "PRT 100h;" << false << QByteArray() << 2;
        QTest::newRow("FFFFh") << "PRT 1bh FFFFh;" << false << QByteArray() << 3;
        QTest::newRow("8000h") << "PRT 8000h;" << false << QByteArray() << 2;
        QTest::newRow("very long number") << "PRT 123456789abcdef0123h" << false << QByteArray() << 2;
        QTest::newRow("FF") << "PRT ffh FFh" << false << QByteArray("ffff") << 0;
        QTest::newRow("comment holding PRT") << "*** PRT 1bh ***" << false << QByteArray() << 0;
    }
    void commandLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, japanese);
        QFETCH(QByteArray, bytes);
        QFETCH(int, badWord);
        const MacroTokenizer t(japanese ? SystemCodePage::Cp932 : SystemCodePage::Windows1252);
        std::optional<MacroReadError> error;
        const MacroLine read = t.readLine(line, 4, &error);
        QCOMPARE(read.bytes.toHex(), bytes);
        if (badWord == 0) {
            QVERIFY(!error);
            return;
        }
        QVERIFY(error);
        QCOMPARE(error->line, 4);
        QCOMPARE(error->word, badWord);
        QCOMPARE(error->trimmedLine, line.trimmed());
    }

    // What writes the macro takes a word only when the whole of it is one byte, and
    // keeps the digits as typed.
    void strictRulesTakeOnlyWholeBytes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("digits"); // as typed; empty for a data error at word 3
        QTest::newRow("recorder tokens") << "PRT 1bh 40h;"
                                         << "1b40";
        QTest::newRow("typed upper case, single digit") << "PRT 1B 4AH a"
                                                        << "1B4A0a";
        QTest::newRow("two blanks, lone semicolon") << "PRT 1bh  40h ;"
                                                    << "1b004000";
        QTest::newRow("characters") << "PRT 'A ';"
                                    << "413b";
        for (const char *word : {"xyz", "Oh", "4oh", "1bh,40h", "1bh\t40h", "1bh;40h", "01bh", "h", "'AB"})
            QTest::newRow(word) << QStringLiteral("PRT 1bh %1").arg(QLatin1String(word)) << "";
    }
    void strictRulesTakeOnlyWholeBytes()
    {
        QFETCH(QString, line);
        QFETCH(QString, digits);
        const MacroReading r = readMacroForWriting(line, false);
        QCOMPARE(r.ok() ? 0 : r.error->word, digits.isEmpty() ? 3 : 0);
        QCOMPARE(r.lines.value(0).digits.join(QString()), digits);
        QCOMPARE(r.bytes().toHex(), digits.toLower().toLatin1());
    }

    void recorderOutputGivesTheRecordedBytes()
    {
        QRandomGenerator rng(2115);
        QString text;
        QByteArray expected;
        // Sizes around the 16-byte line and a command that sent nothing.
        const int sizes[] = {1, 0, 2, 15, 16, 17, 31, 32, 33, 5, 48};
        for (int n : sizes) {
            QByteArray bytes(n, Qt::Uninitialized);
            for (char &c : bytes)
                c = char(rng.bounded(256));
            text += recorderBlock(QStringLiteral("Cmd %1").arg(n), QStringLiteral("-OpCode- n"), bytes);
            expected += bytes;
        }
        // A two-line name continues the comment on a line without "***".
        text += recorderBlock(QStringLiteral("Text\r\nsecond line"), QStringLiteral("-Op-"), hexBytes("41 42"));
        expected += hexBytes("41 42");
        const MacroReading reading = MacroTokenizer().read(text);
        QVERIFY(reading.ok());
        QCOMPARE(reading.bytes().toHex(' '), expected.toHex(' '));
        QCOMPARE(readMacroForWriting(text, false).bytes().toHex(' '), expected.toHex(' '));
        QCOMPARE(reading.lines.first().kind, MacroLine::Kind::Comment);
        QCOMPARE(reading.lines.at(2).kind, MacroLine::Kind::Command);
        QCOMPARE(reading.lines.at(3).kind, MacroLine::Kind::Other);
    }

    void lineEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("no final line end") << "a\r\nPRT 1bh" << QStringList{"a", "PRT 1bh"};
        QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << "a\r\n\r\n\nb" << QStringList{"a", "", "", "b"};
        QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("only a line end") << "\r\n" << QStringList{""};
    }
    void lineEnds()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(MacroTokenizer::splitLines(text), lines);
    }

    void textWithoutFinalLineEndGivesItsLastLine()
    {
        const MacroReading r = MacroTokenizer().read(QStringLiteral("*** Init ***\r\nPRT 1bh 40h;"));
        QVERIFY(r.ok());
        QCOMPARE(r.bytes(), hexBytes("1B 40"));
    }

    void dataErrorIsLocatedAndYieldsNothing()
    {
        const QString text = QStringLiteral("*** a ***\r\nPRT 0ch;\r\n\r\n  PRT 1bh 100h 40h;  \r\nPRT 0bh;\r\n");
        const MacroReading r = MacroTokenizer().read(text);
        QVERIFY(!r.ok());
        QVERIFY(r.bytes().isEmpty());
        QVERIFY(r.lines.isEmpty());
        QCOMPARE(r.error->line, 4);
        QCOMPARE(r.error->word, 3);
        QCOMPARE(r.error->wordText, QStringLiteral("100h"));
        QCOMPARE(dataErrorMessage(*r.error), QStringLiteral("Data error at line: 4 Word:3\r\n\r\nPRT 1bh 100h 40h;"));
    }

    void malformedTextEndsWithoutHanging_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("comment without line end") << "*** never closed";
        QTest::newRow("other line without LF") << "garbage without end";
        QTest::newRow("PRT then blanks and semicolons") << "PRT ;;; ; ;";
        QTest::newRow("lone CR after PRT") << "PRT 1\r";
        QTest::newRow("one-character tokens") << "PRT 1 2 3 4 5";
    }
    void malformedTextEndsWithoutHanging()
    {
        QFETCH(QString, text);
        const MacroReading r = MacroTokenizer().read(text);
        QVERIFY(r.ok()); // the test is that it returns at all
    }
};

KVX_TEST_MAIN(TestMacroTokenizer)
#include "tst_macro_tokenizer.moc"
