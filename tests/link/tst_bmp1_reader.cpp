#include "link/bmp1_reader.h"
#include "link/dot_columns.h"
#include "link/vx5200.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace kvx;
using kvx::test::hexBytes;

using Dots = std::function<bool(int, int)>;
Q_DECLARE_METATYPE(Dots)

namespace {

void putLE(QByteArray &b, int at, quint32 v, int size)
{
    for (int i = 0; i < size; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A 1-bit bitmap as a drawing program writes it: headers, two-colour table, rows
// bottom-up padded to four bytes. `gap` extra bytes stand between table and rows.
QByteArray makeBmp(int width, int height, const Dots &lit, int gap = 0)
{
    const int stride = 4 * ((width + 31) / 32);
    const int offset = 62 + gap;
    QByteArray b(offset + stride * height, '\0');
    b[0] = 'B';
    b[1] = 'M';
    putLE(b, 2, quint32(b.size()), 4);
    putLE(b, 10, quint32(offset), 4);
    putLE(b, 14, 40, 4);
    putLE(b, 18, quint32(width), 4);
    putLE(b, 22, quint32(height), 4);
    putLE(b, 26, 1, 2);
    putLE(b, 28, 1, 2);
    putLE(b, 58, 0xFFFFFF, 4); // colour 1 white
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (lit(x, y))
                b[offset + stride * (height - 1 - y) + x / 8] |= char(0x80 >> (x % 8));
    return b;
}

QByteArray repeated(const char *hex, int times)
{
    return hexBytes(hex).repeated(times);
}

const Dots kTopRow = [](int, int y) { return y == 0; };
const Dots kNone = [](int, int) { return false; };

} // namespace

class TestBmp1Reader : public QObject
{
    Q_OBJECT
private slots:
    void dotColumnsPackTopDotIntoBit7_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<Dots>("lit");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("top dot") << 1 << 8 << Dots([](int, int y) { return y == 0; }) << hexBytes("80");
        QTest::newRow("bottom dot") << 1 << 8 << Dots([](int, int y) { return y == 7; }) << hexBytes("01");
        QTest::newRow("columns left to right, bytes top down")
            << 2 << 16 << Dots([](int x, int y) { return x == 1 && (y == 8 || y == 0); }) << hexBytes("00 00 80 80");
        QTest::newRow("height 10 pads with dark dots")
            << 1 << 10 << Dots([](int, int) { return true; }) << hexBytes("FF C0");
        QTest::newRow("no width") << 0 << 8 << Dots([](int, int) { return true; }) << QByteArray();
    }
    void dotColumnsPackTopDotIntoBit7()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(Dots, lit);
        QFETCH(QByteArray, expected);
        QCOMPARE(DotColumnBytes(width, height, lit).toHex(' '), expected.toHex(' '));
    }

    void readerDecodesRowsIntoColumns_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QByteArray>("columns");
        QTest::newRow("16x8 top row") << makeBmp(16, 8, kTopRow) << 16 << 8 << repeated("80", 16);
        QByteArray bottomStored = makeBmp(8, 8, kNone);
        bottomStored[62] = char(0xFF); // the first stored row is the bottom one
        QTest::newRow("rows stored bottom-up") << bottomStored << 8 << 8 << repeated("01", 8);
        QByteArray leftmost = makeBmp(8, 8, kNone);
        leftmost[62 + 4 * 7] = char(0x80); // last stored row (stride 4) = top row, leftmost dot
        QTest::newRow("leftmost dot is bit 7") << leftmost << 8 << 8 << (hexBytes("80") + QByteArray(7, '\0'));
        QTest::newRow("rows padded to four bytes") << makeBmp(33, 8, [](int x, int y) { return x == 32 && y == 1; })
                                                   << 33 << 8 << (QByteArray(32, '\0') + hexBytes("40"));
        QTest::newRow("height 12 rounds up to two bytes")
            << makeBmp(2, 12, [](int x, int y) { return x == 0 && y == 11; }) << 2 << 12 << hexBytes("00 10 00 00");
        QTest::newRow("pixel data where the header says") << makeBmp(8, 8, kTopRow, 16) << 8 << 8 << repeated("80", 8);
    }
    void readerDecodesRowsIntoColumns()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QByteArray, columns);
        const Bmp1Read r = ReadBmpToImage(file);
        QVERIFY(r.ok);
        QCOMPARE(r.image.width, width);
        QCOMPARE(r.image.height, height);
        QCOMPARE(r.image.columns.toHex(' '), columns.toHex(' '));
    }

    void readerRefusesWhatItCannotTrust_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QByteArray good = makeBmp(16, 8, kTopRow);
        auto with = [&](int at, quint32 v, int size) {
            QByteArray b = good;
            putLE(b, at, v, size);
            return b;
        };
        QTest::newRow("empty") << QByteArray() << "File size 0 error!";
        QTest::newRow("width 0") << with(18, 0, 4) << "File size 0 error!";
        QTest::newRow("height 0") << with(22, 0, 4) << "File size 0 error!";
        QTest::newRow("no BM") << QByteArray(good).replace(0, 2, "XX") << "Not BMP File!";
        QTest::newRow("width 32768") << with(18, 32768, 4) << "";
        QTest::newRow("top-down rows") << with(22, quint32(-8), 4) << "";
        QTest::newRow("header only") << good.left(40) << "";
        QTest::newRow("4 bits per dot") << with(28, 4, 2) << "";
        QTest::newRow("compressed") << with(30, 1, 4) << "";
        QTest::newRow("core header") << with(14, 12, 4) << "";
        QTest::newRow("declared larger than it is") << with(2, quint32(good.size() + 1), 4) << "";
        QTest::newRow("last row cut off") << good.left(good.size() - 1) << "";
        QTest::newRow("offset past the rows") << with(10, 200, 4) << "";
        QTest::newRow("offset inside the header") << with(10, 20, 4) << "";
        QTest::newRow("taller than the rows") << with(22, 9, 4) << "";
        QTest::newRow("over 200000 bytes") << (good + QByteArray(200000, '\0')) << "";
    }
    void readerRefusesWhatItCannotTrust()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        const Bmp1Read r = ReadBmpToImage(file);
        QVERIFY(!r.ok);
        QCOMPARE(r.message, message);
    }

    void printBmpFileDrawsOrExplains_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("name");    // file name written in the temporary folder
        QTest::addColumn<QByteArray>("file"); // contents; "-" writes no file
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("sent");
        const QString m140 = QStringLiteral("VX140X32_52K");
        QTest::newRow("16x8 top row") << m140 << "pic.bmp" << makeBmp(16, 8, kTopRow) << QStringList()
                                      << (hexBytes("1F 28 66 11 10 00 01 00 01") + repeated("80", 16));
        QTest::newRow("capital name, opened as given")
            << m140 << "Pics/PIC.BMP" << makeBmp(16, 8, kTopRow) << QStringList()
            << (hexBytes("1F 28 66 11 10 00 01 00 01") + repeated("80", 16));
        QTest::newRow("height 12 sent as two rows")
            << m140 << "a.bmp" << makeBmp(1, 12, [](int, int y) { return y == 11; }) << QStringList()
            << hexBytes("1F 28 66 11 01 00 02 00 01 00 10");
        QTest::newRow("height 5 sent as one row") << m140 << "a.bmp" << makeBmp(1, 5, [](int, int) { return true; })
                                                  << QStringList() << hexBytes("1F 28 66 11 01 00 01 00 01 F8");
        QTest::newRow("512x80 bigger than 4096 bytes")
            << "VX128x128_52K"
            << "big.bmp" << makeBmp(512, 80, kNone) << QStringList()
            << (hexBytes("1F 28 66 11 00 02 0A 00 01") + QByteArray(5120, '\0'));
        QTest::newRow("not a .bmp name") << m140 << "pic.txt" << makeBmp(16, 8, kTopRow)
                                         << QStringList{"Not BMP File!", "Image File cannot be opened!"}
                                         << QByteArray();
        QTest::newRow("missing file") << m140 << "gone.bmp" << QByteArray("-")
                                      << QStringList{"File size 0 error!", "Image File cannot be opened!"}
                                      << QByteArray();
        QTest::newRow("24-bit bitmap") << m140 << "deep.bmp" <<
            [] {
                QByteArray b = makeBmp(16, 8, kTopRow);
                b[28] = 24;
                return b;
            }() << QStringList{"Image File cannot be opened!"}
                                       << QByteArray();
        QTest::newRow("257x32 too wide") << m140 << "wide.bmp" << makeBmp(257, 32, kNone)
                                         << QStringList{"ERROR: Image size is too large."} << QByteArray();
    }
    void printBmpFileDrawsOrExplains()
    {
        QFETCH(QString, model);
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, sent);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (file != "-") {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(file);
        }
        test::RecordingSink sink;
        test::RecordingNotifier notes;
        VX5200 enc(&sink, &notes);
        enc.moduleName(model);
        QCOMPARE(enc.printBmpFile(path), messages.isEmpty());
        QCOMPARE(notes.messages, messages);
        QCOMPARE(sink.all().toHex(' '), sent.toHex(' '));
    }

    void loadingSendsNothingAndAFailedSendIsNoSuccess()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("pic.bmp");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(makeBmp(16, 8, kTopRow));
        f.close();
        test::RecordingSink sink;
        test::RecordingNotifier notes;
        VX5200 enc(&sink, &notes);
        enc.moduleName(QStringLiteral("VX140X32_52K"));

        const VX5200::BmpLoad load = enc.loadBmpFile(path);
        QVERIFY(load.ok);
        QVERIFY(sink.commands.isEmpty());
        QCOMPARE(enc.imageWidth(), 16);
        QCOMPARE(enc.imageBuffer(), load.image.columns);

        sink.result = SendResult::NotReady;
        QVERIFY(!enc.printBmpFile(path));
        QVERIFY(notes.messages.isEmpty());
    }
};

KVX_TEST_MAIN(TestBmp1Reader)
#include "tst_bmp1_reader.moc"
