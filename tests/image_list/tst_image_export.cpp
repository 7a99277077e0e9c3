#include "image_list/bmp_builder.h"
#include "image_list/image_export.h"
#include "image_list/param_text.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QBuffer>
#include <QTemporaryDir>

using namespace kvx;
using kvx::test::RecordingNotifier;

namespace {

// A bitmap whose every dot is black (lit) or white.
QString makeBmp(const QTemporaryDir &dir, const QString &name, int width, int height, bool black, int bitCount = 24)
{
    kvx::test::BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    const QString path = dir.filePath(name);
    kvx::test::writeFile(path, kvx::test::buildBmp(layout, [&](int, int) { return black ? 0u : 0xffffffu; }));
    return path;
}

ImageListEntry entry(const QString &path, int x, int y, int check, const QString &memory)
{
    ImageListEntry e;
    e.imgPath = path;
    e.imgFileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    e.imgX = x;
    e.imgY = y;
    e.imgCheck = check;
    e.imgMemory = memory;
    return e;
}

ExportContext context(QList<ImageListEntry> entries, int option)
{
    ExportContext c;
    c.map = assignImageAddresses(entries, int(entries.size()), option, QStringLiteral("2100"));
    c.entries = entries;
    c.seriesOption = option;
    c.language = QStringLiteral("English");
    return c;
}

// "PRT" lines of count bytes, 16 a line.
QStringList data(int count, const QString &byte)
{
    QStringList lines;
    for (int done = 0; done < count; done += 16)
        lines << QStringLiteral("PRT") + (QLatin1Char(' ') + byte).repeated(std::min(16, count - done))
                + QLatin1Char(';');
    return lines;
}

QStringList padding(int count)
{
    return data(count, QStringLiteral("00h"));
}

QString joined(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A device that refuses every write.
class BrokenDevice : public QIODevice
{
public:
    BrokenDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

} // namespace

class TestImageExport : public QObject
{
    Q_OBJECT
private slots:
    void rewriteLayoutWithNoPageTicked()
    {
        RecordingNotifier notifier;
        ImageExporter exporter(notifier);
        exporter.exportCheckSum = 99;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const qint64 n = exporter.writeListRewriteMode(out, context({}, 1));
        const QString expected = joined({QStringLiteral("*** KVX35P image export ***"), QStringLiteral("***    ***"),
                                         QString(), QStringLiteral("*** CHKSUM = 00000000h; ***"), QString(),
                                         QStringLiteral("*** End of File ***"), QString()});
        QCOMPARE(QString::fromUtf8(out.data()), expected);
        QCOMPARE(n, expected.size());
    }

    void rewriteLayoutWritesPagesInAddressOrderWithPadding()
    {
        QTemporaryDir dir;
        const QList<ImageListEntry> entries{
            entry(makeBmp(dir, QStringLiteral("c.bmp"), 3, 8, true), 3, 8, 1, QStringLiteral("FROM")),
            entry(makeBmp(dir, QStringLiteral("b.bmp"), 1, 16, false, 1), 1, 16, 0, QStringLiteral("F 3")),
            entry(makeBmp(dir, QStringLiteral("d.bmp"), 1, 8, true), 1, 8, 1, QStringLiteral("F10")),
            entry(makeBmp(dir, QStringLiteral("a.bmp"), 2, 12, true), 2, 12, 2, QStringLiteral("F 0")),
        };
        ExportContext c = context(entries, 1);
        c.areas.chkFROM[0] = 1;
        c.areas.chkFROM[3] = 1;
        c.areas.chkFROM[10] = 1;
        c.areas.chkFROM[4] = 2; // greyed: not written
        RecordingNotifier notifier;
        ImageExporter exporter(notifier);
        int progress = 0;
        exporter.imageWritten = [&] { ++progress; };
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        const qint64 n = exporter.writeExportFile(path, c);

        QStringList lines{QStringLiteral("*** KVX35P image export ***"),
                          QStringLiteral("***    ***"),
                          QStringLiteral("***   ***"),
                          QStringLiteral("*** memory rewrite Mode ***"),
                          QStringLiteral("PRT 1ch 7ch 4dh d0h 4dh 4fh 44h 45h 49h 4eh;"),
                          QString(),
                          QString()};
        auto page = [&](int number, const QString &header) {
            lines << QStringLiteral("*** ***") << QStringLiteral("*** FROM (%1) ***").arg(number)
                  << QStringLiteral("*** ***") << QString() << QStringLiteral("*** Page Header ***") << header
                  << QString();
        };
        // Page 0: "F 0" (placed first, grey "Inv": inverted) then the FROM image behind it.
        page(0, QStringLiteral("PRT 42h bdh 00h;"));
        lines << QStringLiteral("*** a.bmp ***") << QStringLiteral("PRT 00h 00h;") << QString()
              << QStringLiteral("*** c.bmp ***") << QStringLiteral("PRT ffh ffh ffh;") << QString()
              << padding(32768 - 5);
        // Page 3: a white 1-bit image is 255 (unlit); inverted to ff for the top byte.
        page(3, QStringLiteral("PRT 42h bdh 03h;"));
        lines << QStringLiteral("*** b.bmp ***") << QStringLiteral("PRT ffh ffh;") << QString() << padding(32768 - 2);
        page(10, QStringLiteral("PRT 42h bdh 0Ah;"));
        lines << QStringLiteral("*** d.bmp ***") << QStringLiteral("PRT ffh;") << QString() << padding(32768 - 1);
        lines << QString() << QString() << QStringLiteral("*** Exit memory rewrite mode ***") << QString()
              << QStringLiteral("PRT 45h bah;") << QString() << QStringLiteral("*** CHKSUM = 000005FAh; ***")
              << QString() << QStringLiteral("*** End of File ***") << QString();
        const QString expected = joined(lines);
        const QString written = readText(path);
        QCOMPARE(written.left(2000), expected.left(2000));
        QCOMPARE(written.right(3000), expected.right(3000));
        QCOMPARE(written, expected);
        QCOMPARE(n, expected.size());
        QCOMPARE(exporter.exportCheckSum, 0x5fa);
        QCOMPARE(progress, 4);
        QCOMPARE(notifier.messages, QStringList{});

        // The module write takes exactly the bytes of the three pages.
        const ModuleBytes bytes = kvx::exportTextToBytes(written);
        QVERIFY(bytes.ok);
        QCOMPARE(bytes.bytes.size(), 10 + 3 * (3 + 32768) + 2);
        QCOMPARE(bytes.bytes.left(16), kvx::test::hexBytes("1C 7C 4D D0 4D 4F 44 45 49 4E 42 BD 00 00 00 FF"));
        QCOMPARE(bytes.bytes.right(2), kvx::test::hexBytes("45 BA"));
    }

    void userSetLayoutWritesRamAndPages()
    {
        QTemporaryDir dir;
        const QList<ImageListEntry> entries{
            entry(makeBmp(dir, QStringLiteral("r1.bmp"), 300, 8, true), 300, 8, 1, QStringLiteral("RAM")),
            entry(makeBmp(dir, QStringLiteral("r2.bmp"), 65, 64, true), 65, 64, 1, QStringLiteral("RAM")),
            entry(makeBmp(dir, QStringLiteral("f0.bmp"), 13, 8, true), 13, 8, 1, QStringLiteral("F 0")),
            entry(makeBmp(dir, QStringLiteral("f14.bmp"), 3, 8, false), 3, 8, 1, QStringLiteral("F 1-4")),
            entry(makeBmp(dir, QStringLiteral("f1.bmp"), 2, 8, true), 2, 8, 1, QStringLiteral("F 1")),
            entry(makeBmp(dir, QStringLiteral("f2.bmp"), 2, 8, true), 2, 8, 1, QStringLiteral("F 2")),
        };
        ExportContext c = context(entries, 3);
        c.areas.chkRAM = 1;
        c.areas.chkFROM[0] = 1;
        c.areas.chkFROM[1] = 1;
        c.areas.chkFROM[2] = 2; // greyed: not written
        RecordingNotifier notifier;
        ImageExporter exporter(notifier);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const qint64 n = exporter.writeListUserSetMode(out, c);

        QStringList lines{QStringLiteral("*** KVX35P image export ***"),
                          QString(),
                          QString(),
                          QString(),
                          QStringLiteral("*** ***"),
                          QStringLiteral("*** RAM ***"),
                          QStringLiteral("*** ***"),
                          QStringLiteral("*** r1.bmp ***"),
                          QStringLiteral("PRT 1fh 28h 66h 01h 00h 00h 00h 2ch 1h 0h;"),
                          QString()};
        lines << data(300, QStringLiteral("ffh")) << QString() << QStringLiteral("*** r2.bmp ***")
              << QStringLiteral("PRT 1fh 28h 66h 01h 2ch 01h 00h 08h 2h 0h;") << QString()
              << data(520, QStringLiteral("ffh")) << QString();
        lines << QStringLiteral("*** ***") << QStringLiteral("*** User Set Mode ***")
              << QStringLiteral("PRT 1fh 28h 65h 01h 49h 4eh;") << QString() << QString()
              << QStringLiteral("***          ***") << QStringLiteral("*** FROM (0) ***")
              << QStringLiteral("***          ***") << QStringLiteral("*** f0.bmp ***")
              << QStringLiteral("PRT 1fh 28h 65h 10h 00h 00h 00h 0eh 00h 00h;") << data(13, QStringLiteral("ffh"))
              << QString() << QStringLiteral("PRT 00h;");
        lines << QString() << QStringLiteral("*** FROM (1) ***") << QString() << QString()
              << QStringLiteral("*** Page Header ***") << QStringLiteral("PRT 1fh 28h 65h 10h 00h 00h 01h 06h 00h 00h;")
              << QString() << QStringLiteral("*** f1.bmp ***") << QStringLiteral("PRT ffh ffh;") << QString()
              << QStringLiteral("*** f14.bmp ***") << QStringLiteral("PRT 00h 00h 00h;") << QString()
              << QStringLiteral("PRT 00h;");
        lines << QString() << QString() << QStringLiteral("*** Exit user set mode ***") << QString()
              << QStringLiteral("PRT 1fh 28h 65h 02h 4fh 55h 54h;") << QStringLiteral("*** End of File ***")
              << QString();
        const QString expected = joined(lines);
        QCOMPARE(QString::fromUtf8(out.data()), expected);
        QCOMPARE(n, expected.size());
        QCOMPARE(notifier.messages, QStringList{});
    }

    void userSetLayoutWithOnlyRamHasNoUserSetMode()
    {
        QTemporaryDir dir;
        ExportContext c =
            context({entry(makeBmp(dir, QStringLiteral("r.bmp"), 1, 8, true), 1, 8, 1, QStringLiteral("RAM")),
                     entry(makeBmp(dir, QStringLiteral("f.bmp"), 1, 8, true), 1, 8, 1, QStringLiteral("FROM"))},
                    3);
        c.areas.chkRAM = 1;
        RecordingNotifier notifier;
        ImageExporter exporter(notifier);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(exporter.writeListUserSetMode(out, c) > 0);
        const QString text = QString::fromUtf8(out.data());
        QVERIFY(!text.contains(QStringLiteral("User Set Mode")));
        QVERIFY(text.endsWith(QStringLiteral("PRT ffh;\r\n\r\n*** End of File ***\r\n\r\n")));
    }

    void failuresEndTheExportWithResultZero_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("missing bitmap") << 0 << QStringList{QStringLiteral("Image No.2 is not accecible.")};
        QTest::newRow("refused depth") << 1 << QStringList{QStringLiteral("This Color Depth is not supported Yet. 32")};
        QTest::newRow("image too large") << 2 << QStringList{QStringLiteral("Image is too large.")};
        QTest::newRow("file smaller than the list says")
            << 3
            << QStringList{
                   QStringLiteral("good.bmp is 2 x 8 dots now, not 3 x 8 as in the list. Add it to the list again. "
                                  "The export was stopped.")};
        QTest::newRow("the only image of its page has grown")
            << 5
            << QStringList{
                   QStringLiteral("good.bmp is 2 x 8 dots now, not 1 x 8 as in the list. Add it to the list again. "
                                  "The export was stopped.")};
        QTest::newRow("truncated bitmap")
            << 4
            << QStringList{QStringLiteral(" File cannot be opened. error 121"),
                           QStringLiteral("Image No.2 is not a BMP file, or not accecible.")};
    }
    void failuresEndTheExportWithResultZero()
    {
        QFETCH(int, failure);
        QTemporaryDir dir;
        const QString good = makeBmp(dir, QStringLiteral("good.bmp"), 2, 8, true);
        QList<ImageListEntry> entries{entry(good, 2, 8, 1, QStringLiteral("FROM"))};
        switch (failure) {
        case 0: entries << entry(dir.filePath(QStringLiteral("gone.bmp")), 2, 8, 1, QStringLiteral("FROM")); break;
        case 1:
            entries << entry(makeBmp(dir, QStringLiteral("deep.bmp"), 2, 8, true, 32), 2, 8, 1, QStringLiteral("FROM"));
            break;
        case 2:
            entries << entry(makeBmp(dir, QStringLiteral("wide.bmp"), 15000, 8, true), 15000, 8, 1,
                             QStringLiteral("FROM"));
            break;
        case 3:
            entries[0].imgX = 3; // the list says 3 columns, the file has 2
            entries << entry(good, 2, 8, 1, QStringLiteral("FROM"));
            break;
        case 5: entries[0].imgX = 1; break;
        default: {
            QFile::copy(good, dir.filePath(QStringLiteral("cut.bmp")));
            QFile cut(dir.filePath(QStringLiteral("cut.bmp")));
            cut.resize(cut.size() - 4);
            entries << entry(cut.fileName(), 2, 8, 1, QStringLiteral("FROM"));
            break;
        }
        }
        for (int option : {1, 3}) {
            ExportContext c = context(entries, option);
            c.areas.chkFROM[0] = 1;
            RecordingNotifier notifier;
            ImageExporter exporter(notifier);
            const QString path = dir.filePath(QStringLiteral("out.txt"));
            QVERIFY(kvx::test::writeFile(path, "old"));
            QCOMPARE(exporter.writeExportFile(path, c), 0);
            QTEST(notifier.messages, "messages");
            QCOMPARE(readText(path), QStringLiteral("old")); // nothing replaced
        }
    }

    void writeErrorsAndOptionZeroGiveZero()
    {
        RecordingNotifier notifier;
        ImageExporter exporter(notifier);
        BrokenDevice broken;
        QCOMPARE(exporter.writeListUserSetMode(broken, context({}, 3)), 0);
        QCOMPARE(exporter.writeListRewriteMode(broken, context({}, 1)), 0);
        QCOMPARE(notifier.messages,
                 (QStringList{QStringLiteral("File write error."), QStringLiteral("File write error.")}));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.txt"));
        QCOMPARE(exporter.writeExportFile(path, context({}, 0)), 0);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(exporter.writeExportFile(dir.filePath(QStringLiteral("no/dir/x.txt")), context({}, 1)), 0);
        QCOMPARE(notifier.messages.size(), 3);
    }

    void exportTextBecomesBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorLine");
        QTest::newRow("hex tokens") << "PRT 1ch 7ch;" << kvx::test::hexBytes("1C 7C") << 0;
        QTest::newRow("comments, empty lines and lower-case prt send nothing")
            << "*** PRT ***\r\n\r\nprt 1ch;\r\n  PRT 00h;  " << kvx::test::hexBytes("00") << 0;
        QTest::newRow("decimal and upper-case hex digits") << "PRT 10 0Ah 255;" << kvx::test::hexBytes("0A 0A FF") << 0;
        QTest::newRow("a last single-character token is sent") << "PRT 1ch 7" << kvx::test::hexBytes("1C 07") << 0;
        QTest::newRow("no number") << "PRT 1ch;\nPRT zz;" << QByteArray() << 2;
        QTest::newRow("beyond a byte") << "PRT 256;" << QByteArray() << 1;
        QTest::newRow("hex beyond a byte") << "PRT 100h;" << QByteArray() << 1;
        QTest::newRow("a comma") << "PRT 1ch,2ch;" << QByteArray() << 1;
        QTest::newRow("h alone") << "PRT h;" << QByteArray() << 1;
    }
    void exportTextBecomesBytes()
    {
        QFETCH(QString, text);
        const ModuleBytes b = kvx::exportTextToBytes(text);
        QTEST(b.bytes, "bytes");
        QTEST(b.errorLine, "errorLine");
        QFETCH(int, errorLine);
        QCOMPARE(b.ok, errorLine == 0);
    }

    void sendingStopsAtTheFirstFailure()
    {
        class FailingSink : public ByteSink
        {
        public:
            SendResult portOut(const QByteArray &bytes) override
            {
                commands.append(bytes);
                return commands.size() == 3 ? SendResult::NotReady : SendResult::NoLink;
            }
            QList<QByteArray> commands;
        } sink;
        QList<qsizetype> progress;
        const SendReport report =
            sendModuleBytes(sink, kvx::test::hexBytes("01 02 03 04"), [&](qsizetype sent, qsizetype total) {
                QCOMPARE(total, 4);
                progress.append(sent);
            });
        QCOMPARE(report.result, SendResult::NotReady);
        QCOMPARE(report.sent, 2);
        QCOMPARE(sink.commands, (QList<QByteArray>{"\x01", "\x02", "\x03"}));
        QCOMPARE(progress, (QList<qsizetype>{1, 2}));

        kvx::test::RecordingSink ok;
        const SendReport all = sendModuleBytes(ok, kvx::test::hexBytes("1C 7C"));
        QCOMPARE(all.result, SendResult::Sent);
        QCOMPARE(all.sent, 2);
        QCOMPARE(ok.commands.size(), 2);
    }

    void paramTextTokens_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("rest");
        QTest::newRow("blank ends") << "1ch 7ch;"
                                    << "1ch"
                                    << " 7ch;";
        QTest::newRow("comma ends") << "a,b"
                                    << "a"
                                    << ",b";
        QTest::newRow("leading comma") << ",b"
                                       << ""
                                       << ",b";
        QTest::newRow("leading blanks and tabs skipped") << " \t x y"
                                                         << "x"
                                                         << " y";
        QTest::newRow("a quote opens a run that the next blank closes") << "a\"b c\"d e"
                                                                        << "a\"b c\"d e"
                                                                        << "";
        QTest::newRow("the blank after a quote closes the run") << "a\" b c"
                                                                << "a\" b"
                                                                << " c";
        QTest::newRow("! opens a run like a quote") << "x! y z"
                                                    << "x! y"
                                                    << " z";
        QTest::newRow("to the end") << "abc"
                                    << "abc"
                                    << "";
    }
    void paramTextTokens()
    {
        QFETCH(QString, text);
        QTEST(normalizeParamText(text), "token");
        QTEST(text, "rest");
    }

    void trimSpacesRemovesBlanksOnly()
    {
        QString a = QStringLiteral("  PRT 00h;  ");
        QCOMPARE(trimSpaces(a), QStringLiteral("PRT 00h;"));
        QString b = QStringLiteral("\tPRT ");
        QCOMPARE(trimSpaces(b), QStringLiteral("\tPRT"));
    }
};

KVX_TEST_MAIN(TestImageExport)
#include "tst_image_export.moc"
