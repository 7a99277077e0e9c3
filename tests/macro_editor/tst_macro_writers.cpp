#include "macro_editor/macro_writers.h"
#include "support/intel_hex.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kvx;
using kvx::test::hexBytes;

Q_DECLARE_METATYPE(kvx::HexVariant)
Q_DECLARE_METATYPE(kvx::MacroFormat)

namespace {

QList<MacroLine> linesOf(const QString &text)
{
    const MacroReading r = readMacroForWriting(text, false);
    Q_ASSERT(r.ok());
    return r.lines;
}

QString recorderText(const QByteArray &bytes)
{
    QString t = QStringLiteral("*** Cmd ***\r\n*** -Op- ***\r\nPRT");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        t += QStringLiteral(" %1h").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0'));
        if (i % 16 == 15)
            t += QStringLiteral(";\r\nPRT");
    }
    return t + QStringLiteral(";\r\n\r\n");
}

QByteArray someBytes(int n)
{
    QByteArray b(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        b[i] = char(i * 37 + 11);
    return b;
}

DemoFirmware firmwareOf(HexVariant v)
{
    switch (v) {
    case HexVariant::KdbT640: return checkDemoFirmware(v, test::firmwareFile(test::kdbFirmware()));
    case HexVariant::Pic: return checkDemoFirmware(v, test::firmwareFile(test::picFirmware()));
    case HexVariant::Tq: return checkDemoFirmware(v, test::firmwareFile(test::tqFirmware()));
    default: return {};
    }
}

// The image an independent reader makes of a HEX file: every byte from address 0.
QByteArray srecBinary(const QString &hexPath, QString *info)
{
    QProcess p;
    p.start(QStringLiteral("srec_info"), {hexPath, QStringLiteral("-intel")});
    p.waitForFinished();
    *info = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    if (p.exitCode() != 0)
        return "srec_info failed";
    QProcess c;
    c.start(QStringLiteral("srec_cat"),
            {hexPath, QStringLiteral("-intel"), QStringLiteral("-o"), QStringLiteral("-"), QStringLiteral("-binary")});
    c.waitForFinished();
    if (c.exitCode() != 0)
        return "srec_cat failed: " + c.readAllStandardError();
    return c.readAllStandardOutput();
}

} // namespace

class TestMacroWriters : public QObject
{
    Q_OBJECT
private slots:
    void hexWorkedExamples_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<HexVariant>("variant");
        QTest::addColumn<QStringList>("records"); // after the firmware
        QTest::newRow("two bytes") << recorderText(hexBytes("1B 40")) << HexVariant::Plain
                                   << QStringList{":0404000000021B409B"};
        QTest::newRow("PIC two bytes") << recorderText(hexBytes("1B 40")) << HexVariant::Pic
                                       << QStringList{":08040000003402341B344034C7"};
        QTest::newRow("empty macro") << QString() << HexVariant::Plain << QStringList{":020400000000FA"};
        QTest::newRow("upper case digits")
            << QStringLiteral("PRT ab 0c") << HexVariant::Plain << QStringList{":040400000002AB0C3F"};
        QTest::newRow("typed question mark")
            << QStringLiteral("PRT 41h '?;") << HexVariant::Plain << QStringList{":040400000002413F76"};
        QTest::newRow("17 bytes") << recorderText(hexBytes("00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10"))
                                  << HexVariant::Plain
                                  << QStringList{":100400000011000102030405060708090A0B0C0D80", ":030410000E0F10BC"};
    }
    void hexWorkedExamples()
    {
        QFETCH(QString, text);
        QFETCH(HexVariant, variant);
        QFETCH(QStringList, records);
        const DemoFirmware fw = firmwareOf(variant);
        const HexFile f = intelHexFile(readMacroForWriting(text, false).bytes(), variant, fw, false);
        QVERIFY(f.refusal.isEmpty());
        const QString expected =
            (fw.records + records + QStringList{":00000001FF", "", ""}).join(QStringLiteral("\r\n"));
        QCOMPARE(f.content, expected);
    }

    void everyHexVariantReadsBackWithSrecord_data()
    {
        QTest::addColumn<HexVariant>("variant");
        QTest::addColumn<int>("size");
        QTest::newRow("plain empty") << HexVariant::Plain << 0;
        QTest::newRow("plain 17") << HexVariant::Plain << 17;
        QTest::newRow("plain 64510, the most") << HexVariant::Plain << 64510;
        QTest::newRow("KDB-T640") << HexVariant::KdbT640 << 300;
        QTest::newRow("PIC") << HexVariant::Pic << 100;
        QTest::newRow("PIC 7685, the most below its configuration word") << HexVariant::Pic << 7685;
        QTest::newRow("TQ") << HexVariant::Tq << 1000;
        QTest::newRow("TQ above its capacity") << HexVariant::Tq << 20000;
    }
    void everyHexVariantReadsBackWithSrecord()
    {
        QFETCH(HexVariant, variant);
        QFETCH(int, size);
        if (QStandardPaths::findExecutable(QStringLiteral("srec_cat")).isEmpty())
            QSKIP("srecord is not installed");
        const QByteArray macro = someBytes(size);
        const DemoFirmware fw = firmwareOf(variant);
        const HexFile f = intelHexFile(macro, variant, fw, false);
        QVERIFY(f.refusal.isEmpty());
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("m.hex")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(f.content.toLatin1());
        file.close();
        QString info;
        const QByteArray image = srecBinary(file.fileName(), &info);
        QVERIFY2(!image.startsWith("srec"), image.constData());

        QByteArray block = macroDataBlock(macro);
        QCOMPARE(block.left(2), QByteArray(1, char(size >> 8)) + char(size & 0xFF));
        if (variant == HexVariant::Pic) {
            QByteArray words;
            for (char b : block)
                words.append(b).append(char(0x34));
            block = words;
        }
        QCOMPARE(image.mid(MacroBlockAddress, block.size()).toHex(), block.toHex());
        QVERIFY2(info.contains(QStringLiteral("0400 - ")) || info.contains(QStringLiteral("0400 -")), qPrintable(info));
        // The firmware's bytes stand in front, where the board's program has them.
        for (const QString &record : fw.records) {
            const QByteArray r = QByteArray::fromHex(record.mid(1).toLatin1());
            if (r.at(3) != 0)
                continue;
            const int address = uchar(r.at(1)) * 256 + uchar(r.at(2));
            QCOMPARE(image.mid(address, uchar(r.at(0))).toHex(), r.mid(4, uchar(r.at(0))).toHex());
        }
    }

    void boardCapacityMessages_data()
    {
        QTest::addColumn<HexVariant>("variant");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<QString>("message");
        QTest::newRow("PIC 3326") << HexVariant::Pic << 3326 << false << "Remaining Memory: 0Bytes";
        QTest::newRow("PIC 3000") << HexVariant::Pic << 3000 << false << "Remaining Memory: 326Bytes";
        QTest::newRow("PIC 3327") << HexVariant::Pic << 3327 << false << "Out of Memory of Target.";
        QTest::newRow("TQ 13308") << HexVariant::Tq << 13308 << false << "Remaining Memory: 0Bytes";
        QTest::newRow("TQ 13309") << HexVariant::Tq << 13309 << false << "Out of Memory of Target.";
        QTest::newRow("TQ 13308 Japanese") << HexVariant::Tq << 13308 << true << "あと0バイト残っています。";
        QTest::newRow("PIC 3327 Japanese") << HexVariant::Pic << 3327 << true << "表示データがROM容量を越えています。";
        QTest::newRow("KDB-T640 has no limit") << HexVariant::KdbT640 << 40000 << false << "";
        QTest::newRow("plain has no limit") << HexVariant::Plain << 40000 << false << "";
    }
    void boardCapacityMessages()
    {
        QFETCH(HexVariant, variant);
        QFETCH(int, size);
        QFETCH(bool, japanese);
        QFETCH(QString, message);
        const HexFile f = intelHexFile(someBytes(size), variant, firmwareOf(variant), japanese);
        QCOMPARE(f.capacityMessage, message);
        QVERIFY(f.content.endsWith(QStringLiteral(":00000001FF\r\n\r\n"))); // written in either case
    }

    // A block that would reach an address the board's firmware holds, or pass 0xFFFF,
    // is refused with the largest macro the file can hold.
    void onlyWhatCannotBeWrittenIsRefused_data()
    {
        QTest::addColumn<HexVariant>("variant");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("most"); // 0: written
        QTest::newRow("plain 64510") << HexVariant::Plain << 64510 << 0;
        QTest::newRow("plain 64511 passes 0xFFFF") << HexVariant::Plain << 64511 << 64510;
        QTest::newRow("PIC 7685 ends below the configuration word") << HexVariant::Pic << 7685 << 0;
        QTest::newRow("PIC 7686 reaches the configuration word") << HexVariant::Pic << 7686 << 7685;
        QTest::newRow("PIC 16382") << HexVariant::Pic << 16382 << 7685;
        QTest::newRow("PIC 32254") << HexVariant::Pic << 32254 << 7685;
        QTest::newRow("PIC 32255") << HexVariant::Pic << 32255 << 7685;
        QTest::newRow("TQ 20000") << HexVariant::Tq << 20000 << 0;
        QTest::newRow("TQ 64511 passes 0xFFFF") << HexVariant::Tq << 64511 << 64510;
        QTest::newRow("plain 70000") << HexVariant::Plain << 70000 << 64510;
    }
    void onlyWhatCannotBeWrittenIsRefused()
    {
        QFETCH(HexVariant, variant);
        QFETCH(int, size);
        QFETCH(int, most);
        const HexFile f = intelHexFile(someBytes(size), variant, firmwareOf(variant), false);
        QCOMPARE(f.content.isEmpty(), most > 0);
        QCOMPARE(f.refusal,
                 most ? QStringLiteral("The macro is too large for this file: it holds at most %1 bytes.").arg(most)
                      : QString());
        if (most)
            QVERIFY(f.capacityMessage.isEmpty());
    }

    void cSourceLayout()
    {
        const QString c = cSourceFile(linesOf(recorderText(hexBytes("1b 40"))), QStringLiteral("macro"));
        const QStringList lines = c.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(0, 2), (QStringList{"/**", "*** Telmarin Display Products"}));
        QVERIFY(lines.contains(QStringLiteral("#define _macro_leng   2")));
        QVERIFY(lines.contains(QStringLiteral("unsigned char  _macro_code[ _macro_leng ] =")));
        QVERIFY(lines.contains(QStringLiteral("      0x1b,  0x40,")));
        // Typed upper-case digits stay as typed.
        QVERIFY(cSourceFile(linesOf("PRT 1B 4A;"), "m").contains(QStringLiteral("\r\n      0x1B,  0x4A,\r\n")));
        QVERIFY(lines.contains(QStringLiteral("/*** Cmd *****/")));
        QVERIFY(lines.contains(QStringLiteral("    printf(\"%2x \",_macro_code[i]);")));
        QVERIFY(lines.contains(QStringLiteral("**  printf(\"%c \",_macro_code[i]);")));
        QVERIFY(c.endsWith(QStringLiteral("}\r\n}\r\n\r\n")));
        const QString empty = cSourceFile({}, QStringLiteral("x"));
        QVERIFY(empty.contains(QStringLiteral("#define _x_leng   0\r\n")));
        QVERIFY(empty.contains(QStringLiteral("{\r\n       };")));
    }

    void cSourceCompilesAndPrintsTheBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("recorded blocks") << recorderText(someBytes(40)) + recorderText({}) + recorderText(someBytes(16))
                                         << "macro.c";
        QTest::newRow("empty macro") << QString() << "empty.c";
        QTest::newRow("comments that end C comments") << QStringLiteral(
            "*** a */ b ***\r\n***/ starts with a slash\r\n*** \u65e5\u672c\u8a9e ***\r\nPRT 41h;\r\n")
                                                      << "awkward.c";
        QTest::newRow("name that is no identifier") << QStringLiteral("PRT 0ch 'A") << "my macro-1.v2.c";
        QTest::newRow("single comment lines")
            << QStringLiteral("*** one ***\r\nPRT 01h\r\n*** two ***\r\nPRT 02h") << "single.c";
    }
    void cSourceCompilesAndPrintsTheBytes()
    {
        QFETCH(QString, text);
        QFETCH(QString, fileName);
        const QString gcc = QStandardPaths::findExecutable(QStringLiteral("gcc"));
        if (gcc.isEmpty())
            QSKIP("gcc is not installed");
        const MacroReading reading = readMacroForWriting(text, false);
        QVERIFY(reading.ok());
        QTemporaryDir dir;
        const QString source = dir.filePath(fileName);
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(cSourceFile(reading.lines, cNameForFile(source)).toUtf8());
        file.close();
        QProcess cc;
        cc.start(gcc, {QStringLiteral("-w"), QStringLiteral("-o"), dir.filePath(QStringLiteral("prog")), source});
        QVERIFY(cc.waitForFinished(60000));
        QVERIFY2(cc.exitCode() == 0, cc.readAllStandardError().constData());
        QProcess run;
        run.start(dir.filePath(QStringLiteral("prog")), QStringList());
        QVERIFY(run.waitForFinished(10000));
        QByteArray printed;
        for (const QByteArray &word : run.readAllStandardOutput().simplified().split(' ')) {
            if (!word.isEmpty())
                printed.append(char(word.toInt(nullptr, 16)));
        }
        QCOMPARE(printed.toHex(' '), reading.bytes().toHex(' '));
    }

    void assemblerLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("recorder pair") << recorderText(hexBytes("1b 40"))
                                       << "\r\n;*** Cmd ***\r\n;*** -Op- ***\r\n .db $1b, $40\r\n\r\n";
        QTest::newRow("single comment ends its line") << "*** one ***\r\nPRT 01h;\r\n"
                                                      << "\r\n;*** one ***\r\n .db $01\r\n\r\n";
        QTest::newRow("PRT; writes nothing") << "*** a ***\r\n*** b ***\r\nPRT;\r\n\r\n"
                                             << "\r\n;*** a ***\r\n;*** b ***\r\n\r\n";
        QTest::newRow("16 bytes then PRT;")
            << recorderText(QByteArray(16, 'A'))
            << "\r\n;*** Cmd ***\r\n;*** -Op- ***\r\n .db $41, $41, $41, $41, $41, $41, $41, $41, $41, $41, $41, $41, "
               "$41, $41, $41, $41\r\n\r\n";
        QTest::newRow("typed upper case kept") << "PRT 1B 4A;\r\n"
                                               << " .db $1B, $4A\r\n\r\n";
        QTest::newRow("three comments") << "*** a\r\n*** b\r\n*** c\r\nPRT 0c"
                                        << "\r\n;*** a\r\n;*** b\r\n\r\n;*** c\r\n .db $0c\r\n\r\n";
    }
    void assemblerLayout()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(assemblerFile(linesOf(text)), expected);
    }

    void extensionRuleAndWriterChoice_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("filterExtension");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<MacroFormat>("format");
        QTest::addColumn<QString>("cName");
        QTest::newRow("macro with C") << "/d/macro"
                                      << ".c"
                                      << "/d/macro.c" << MacroFormat::CSource << "macro";
        QTest::newRow("data.hex with text") << "/d/data.hex"
                                            << ".txt"
                                            << "/d/data.hex" << MacroFormat::IntelHex << "data";
        QTest::newRow("x.C with C") << "/d/x.C"
                                    << ".c"
                                    << "/d/x.C.c" << MacroFormat::CSource << "x";
        QTest::newRow("notes.doc") << "/d/notes.doc"
                                   << ".sei"
                                   << "/d/notes.doc" << MacroFormat::Text << "notes";
        QTest::newRow("a.b.c") << "/d/a.b.c"
                               << ".sei"
                               << "/d/a.b.c" << MacroFormat::CSource << "a";
        QTest::newRow("upper-case HEX") << "/d/A.HEX"
                                        << ".sei"
                                        << "/d/A.HEX" << MacroFormat::IntelHex << "A";
        QTest::newRow("asm") << "/d/m.asm"
                             << ".c"
                             << "/d/m.asm" << MacroFormat::Assembler << "m";
        QTest::newRow("sei") << "/d/m"
                             << ".sei"
                             << "/d/m.sei" << MacroFormat::Text << "m";
        QTest::newRow("two-letter extension") << "/d/m.js"
                                              << ".hex"
                                              << "/d/m.js.hex" << MacroFormat::IntelHex << "m";
        QTest::newRow("dot in the folder only") << "/d/a.b/c"
                                                << ".txt"
                                                << "/d/a.b/c.txt" << MacroFormat::Text << "c";
        QTest::newRow("odd characters") << "/d/my macro-1.c"
                                        << ".c"
                                        << "/d/my macro-1.c" << MacroFormat::CSource << "my_macro_1";
    }
    void extensionRuleAndWriterChoice()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, filterExtension);
        QFETCH(QString, completed);
        QFETCH(MacroFormat, format);
        QFETCH(QString, cName);
        QCOMPARE(completeFileName(chosen, filterExtension), completed);
        QCOMPARE(formatForFileName(completed), format);
        QCOMPARE(cNameForFile(completed), cName);
    }

    void filterLists()
    {
        const auto entries = [](const QList<SaveFilter> &f) {
            QStringList e;
            for (const SaveFilter &s : f)
                e << s.entry + QLatin1Char('|') + s.extension;
            return e;
        };
        QCOMPARE(entries(saveFilters(false, {HexVariant::Pic})),
                 (QStringList{"Text Files (*.txt)|.txt", "5200seiData(*.sei)|.sei", "Intel Hex File(*.hex)|.hex",
                              "Assembler Source(*.asm)|.asm", "C code(*.c)|.c"}));
        const QList<SaveFilter> all = saveFilters(true, {HexVariant::KdbT640, HexVariant::Pic, HexVariant::Tq});
        QCOMPARE(all.size(), 8);
        QCOMPARE(all.at(5).entry, QStringLiteral("KDB-T640 Demo Program(*.hex)"));
        QCOMPARE(all.at(6).variant, HexVariant::Pic);
        QCOMPARE(all.at(7).entry, QStringLiteral("TQ Demo Board(*.hex)"));
        const QList<SaveFilter> tqOnly = saveFilters(true, {HexVariant::Tq});
        QCOMPARE(tqOnly.size(), 6);
        QCOMPARE(tqOnly.last().variant, HexVariant::Tq);
    }

    void firmwareFileChecks_data()
    {
        QTest::addColumn<HexVariant>("board");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("usable");
        const QByteArray kdb = test::firmwareFile(test::kdbFirmware());
        QTest::newRow("KDB-T640") << HexVariant::KdbT640 << kdb << true;
        QTest::newRow("PIC") << HexVariant::Pic << test::firmwareFile(test::picFirmware()) << true;
        QTest::newRow("TQ") << HexVariant::Tq << test::firmwareFile(test::tqFirmware()) << true;
        QTest::newRow("LF line ends, lower case")
            << HexVariant::KdbT640 << QByteArray(kdb).replace("\r\n", "\n").toLower() << true;
        QByteArray badSum = kdb;
        badSum[9] = badSum[9] == '0' ? '1' : '0';
        QTest::newRow("bad checksum") << HexVariant::KdbT640 << badSum << false;
        QTest::newRow("wrong range") << HexVariant::KdbT640 << test::firmwareFile(test::hexData(0x0180, 16)) << false;
        QTest::newRow("data in the macro block")
            << HexVariant::Tq << test::firmwareFile(test::hexData(0x0400, 4)) << false;
        QTest::newRow("PIC program on a TQ board")
            << HexVariant::Tq << test::firmwareFile(test::picFirmware()) << false;
        QTest::newRow("extended address not 0")
            << HexVariant::Pic
            << test::firmwareFile(QStringList{test::hexRecord(4, 0, hexBytes("00 01"))} + test::hexData(0, 4)) << false;
        QTest::newRow("start address record")
            << HexVariant::KdbT640
            << test::firmwareFile(test::hexData(0, 4) << test::hexRecord(3, 0, hexBytes("00 00 00 00"))) << false;
        QTest::newRow("no end record") << HexVariant::KdbT640 << test::kdbFirmware().join("\r\n").toLatin1() << false;
        QTest::newRow("record after end")
            << HexVariant::KdbT640 << kdb + test::hexData(0, 4).first().toLatin1() << false;
        QTest::newRow("length field wrong")
            << HexVariant::KdbT640 << QByteArray(":0500000001020304F2\r\n:00000001FF") << false;
        QTest::newRow("not hex") << HexVariant::KdbT640 << QByteArray(":04000000XX020304F2\r\n:00000001FF") << false;
        QTest::newRow("no data") << HexVariant::KdbT640 << QByteArray(":00000001FF\r\n") << false;
        QTest::newRow("empty file") << HexVariant::Pic << QByteArray() << false;
    }
    void firmwareFileChecks()
    {
        QFETCH(HexVariant, board);
        QFETCH(QByteArray, file);
        QFETCH(bool, usable);
        const DemoFirmware fw = checkDemoFirmware(board, file);
        QVERIFY2(fw.ok() == usable, qPrintable(fw.problem));
        if (usable)
            QVERIFY(!fw.records.isEmpty() && !fw.records.last().endsWith(QStringLiteral("01FF"), Qt::CaseInsensitive));
        else
            QVERIFY(fw.records.isEmpty());
    }
};

KVX_TEST_MAIN(TestMacroWriters)
#include "tst_macro_writers.moc"
