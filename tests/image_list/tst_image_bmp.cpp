#include "image_list/bmp_builder.h"
#include "image_list/bmp_file.h"
#include "support/test_main.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace kvx;
using kvx::test::BmpLayout;
using kvx::test::buildBmp;

namespace {

QByteArray greys(const GreyImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.grey.data()), qsizetype(image.grey.size()));
}

QByteArray expected(int width, int height, const std::function<int(int, int)> &grey)
{
    QByteArray out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            out.append(char(grey(x, y)));
    }
    return out;
}

// A grey image from rows of grey levels.
GreyImage image(int width, int height, const std::function<int(int, int)> &grey)
{
    GreyImage g;
    g.width = width;
    g.height = height;
    const QByteArray bytes = expected(width, height, grey);
    g.grey.assign(bytes.begin(), bytes.end());
    return g;
}

const QString kEnglish = QStringLiteral("English");

BmpLayout bmp(int width, int height, int bitCount, const QList<quint32> &palette = {})
{
    BmpLayout s;
    s.width = width;
    s.height = height;
    s.bitCount = bitCount;
    s.palette = palette;
    return s;
}

} // namespace

class TestImageBmp : public QObject
{
    Q_OBJECT
private slots:
    void convertsEachDepthToGreyLevels_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QByteArray>("grey");

        auto set1 = [](int x, int y) { return (x * 7 + y) % 3 == 0; };
        BmpLayout one = bmp(10, 3, 1, {0xffffff, 0x000000});
        QTest::newRow("1 bit, 10 wide: padding skipped, a set bit is 255 whatever the colours")
            << buildBmp(one, [&](int x, int y) { return quint32(set1(x, y)); }) << 10 << 3
            << expected(10, 3, [&](int x, int y) { return set1(x, y) ? 255 : 0; });

        // The greys that black, white and 030303 show.
        const QList<int> greys{255, 0, 252};
        BmpLayout four = bmp(5, 2, 4, {0x000000, 0xffffff, 0x030303});
        auto idx4 = [](int x, int y) { return quint32((x + y) % 3); };
        QTest::newRow("4 bit: 255 minus the colour's grey, odd width")
            << buildBmp(four, idx4) << 5 << 2 << expected(5, 2, [&](int x, int y) { return greys[idx4(x, y)]; });

        BmpLayout four16 = bmp(9, 2, 4, {});
        for (int i = 0; i < 16; ++i)
            four16.palette.append(quint32(i * 3) * 0x010101);
        four16.clrUsed = 0;
        QTest::newRow("4 bit without a colour count reads 16 colours")
            << buildBmp(four16, [](int x, int y) { return quint32((x + 5 * y) % 16); }) << 9 << 2
            << expected(9, 2, [](int x, int y) { return 255 - 3 * ((x + 5 * y) % 16); });

        BmpLayout eightRaw = bmp(6, 3, 8, {0x000000});
        eightRaw.clrUsed = 0;
        QTest::newRow("8 bit without a colour count: the index is the grey")
            << buildBmp(eightRaw, [](int x, int y) { return quint32(x * 40 + y); }) << 6 << 3
            << expected(6, 3, [](int x, int y) { return x * 40 + y; });

        BmpLayout eight = bmp(3, 2, 8, {0x000000, 0xffffff, 0x030303});
        QTest::newRow("8 bit with a colour table, black index 0 is unlit")
            << buildBmp(eight, [](int x, int) { return quint32(x); }) << 3 << 2
            << expected(3, 2, [&](int x, int) { return greys[x]; });

        const QList<quint32> colours{0xffffff, 0x000000, 0x808080, 0x818181, 0x02fd84, 0x84fd02};
        const QList<int> colourGrey{255, 0, 128, 129, 128, 129};
        BmpLayout rgb = bmp(5, 2, 24);
        auto pick = [&](int x, int y) { return (x + 3 * y) % 6; };
        QTest::newRow("24 bit, 5 wide: one byte of padding; thirds added in double arithmetic")
            << buildBmp(rgb, [&](int x, int y) { return colours[pick(x, y)]; }) << 5 << 2
            << expected(5, 2, [&](int x, int y) { return colourGrey[pick(x, y)]; });

        BmpLayout topDown = bmp(5, 3, 24);
        topDown.topDown = true;
        QTest::newRow("24 bit stored top row first")
            << buildBmp(topDown, [](int x, int y) { return quint32(y * 50 + x) * 0x010101; }) << 5 << 3
            << expected(5, 3, [](int x, int y) { return y * 50 + x; });

        BmpLayout topDown1 = bmp(3, 4, 1);
        topDown1.topDown = true;
        QTest::newRow("1 bit stored top row first")
            << buildBmp(topDown1, [](int x, int y) { return quint32(x == y); }) << 3 << 4
            << expected(3, 4, [](int x, int y) { return x == y ? 255 : 0; });
    }
    void convertsEachDepthToGreyLevels()
    {
        QFETCH(QByteArray, file);
        const BmpLoad load = loadBmpBytes(file, kEnglish);
        QCOMPARE(load.status, BmpLoad::Status::Loaded);
        QTEST(load.image.width, "width");
        QTEST(load.image.height, "height");
        QTEST(greys(load.image), "grey");
    }

    void refusesWhatItDoesNotConvert_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        auto zero = [](int, int) { return 0u; };
        const int refused = int(BmpLoad::Status::Refused);
        const int failed = int(BmpLoad::Status::Failed);

        QTest::newRow("16 bit") << buildBmp(bmp(4, 4, 16), zero) << refused
                                << "This Color Depth is not supported Yet. 16";
        QTest::newRow("32 bit") << buildBmp(bmp(4, 4, 32), zero) << refused
                                << "This Color Depth is not supported Yet. 32";
        BmpLayout rle = bmp(4, 4, 8, {0});
        rle.compression = 1;
        QTest::newRow("compressed") << buildBmp(rle, zero) << refused << "Compressed BMP files are not supported.";
        BmpLayout big4 = bmp(4, 4, 4, {0});
        big4.clrUsed = 17;
        QTest::newRow("4 bit colour count above 16")
            << buildBmp(big4, zero) << refused << "Color table size is larger than 16.";
        BmpLayout big8 = bmp(4, 4, 8, {0});
        big8.clrUsed = 257;
        QTest::newRow("8 bit colour count above 256")
            << buildBmp(big8, zero) << refused << "Color table size is larger than expected.";
        QTest::newRow("width above 32767") << buildBmp(bmp(40000, 1, 1), zero) << refused
                                           << "The image size 40000 x 1 is not supported (1 to 32767 dots).";
        QByteArray zeroWidth = buildBmp(bmp(4, 4, 24), zero);
        kvx::test::put32(zeroWidth, 18, 0);
        QTest::newRow("width 0") << zeroWidth << refused << "The image size 0 x 4 is not supported (1 to 32767 dots).";

        QTest::newRow("truncated pixel rows")
            << buildBmp(bmp(4, 4, 24), zero).chopped(3) << failed << " File cannot be opened. error 121";
        QByteArray hugeHeader = buildBmp(bmp(4, 4, 8, {0, 0}), zero);
        kvx::test::put32(hugeHeader, 14, 0x7fffffff);
        QTest::newRow("info header beyond the file") << hugeHeader << failed << " File cannot be opened. error 121";
        QByteArray core = buildBmp(bmp(4, 4, 24), zero);
        kvx::test::put32(core, 14, 12);
        QTest::newRow("old 12-byte header") << core << failed << " File cannot be opened. error 121";
        QByteArray farPixels = buildBmp(bmp(4, 4, 24), zero);
        kvx::test::put32(farPixels, 10, 0xfffffff0);
        QTest::newRow("pixel offset beyond the file") << farPixels << failed << " File cannot be opened. error 121";
        QTest::newRow("not a bitmap") << QByteArray(80, 'x') << failed << " File cannot be opened. error 121";
        QTest::newRow("shorter than the headers")
            << buildBmp(bmp(4, 4, 24), zero).left(40) << failed << " File cannot be opened. error 121";
    }
    void refusesWhatItDoesNotConvert()
    {
        QFETCH(QByteArray, file);
        const BmpLoad load = loadBmpBytes(file, kEnglish);
        QTEST(int(load.status), "status");
        QTEST(load.message, "message");
    }

    void sizeAndSignatureOfAFile()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.bmp"));
        BmpLayout topDown = bmp(12, 20, 24);
        topDown.topDown = true;
        QVERIFY(kvx::test::writeFile(good, buildBmp(topDown, [](int, int) { return 0u; })));
        QVERIFY(isBmpFile(good));
        const BitmapSize size = readBitmapSize(good, kEnglish);
        QVERIFY(size.ok);
        QCOMPARE(size.width, 12);
        QCOMPARE(size.height, 20); // absolute height of a top-down file

        const QString text = dir.filePath(QStringLiteral("a.txt"));
        QVERIFY(kvx::test::writeFile(text, "BM but not much more"));
        QVERIFY(!isBmpFile(text));
        QVERIFY(!isBmpFile(dir.filePath(QStringLiteral("missing.bmp"))));
        QByteArray noHeight = buildBmp(bmp(4, 4, 24), [](int, int) { return 0u; });
        kvx::test::put32(noHeight, 22, 0);
        QVERIFY(kvx::test::writeFile(text, noHeight));
        QVERIFY(!isBmpFile(text));

        QVERIFY(kvx::test::writeFile(good, buildBmp(bmp(32768, 1, 1), [](int, int) { return 0u; })));
        QVERIFY(isBmpFile(good));
        const BitmapSize wide = readBitmapSize(good, QStringLiteral("Japanese"));
        QVERIFY(!wide.ok);
        QVERIFY(wide.message.contains(QStringLiteral("32768")));
    }

    void dotBytesFollowTheThreshold()
    {
        // One column of 8 dots from 24-bit colours: 128 is lit, 129 is not; the
        // colour (B 132, G 253, R 2) has the grey 128 in double arithmetic.
        const QList<quint32> rows{0x808080, 0x818181, 0x02fd84, 0xffffff, 0x000000, 0xffffff, 0x000000, 0xffffff};
        const BmpLoad load = loadBmpBytes(buildBmp(bmp(1, 8, 24), [&](int, int y) { return rows[y]; }), kEnglish);
        QCOMPARE(load.status, BmpLoad::Status::Loaded);
        qint32 sum = 0;
        QCOMPARE(imageToHexText(load.image, QStringLiteral("posi"), {}, sum), QStringLiteral("PRT aah;\r\n"));
        QCOMPARE(imageToHexText(load.image, QStringLiteral("nega"), {}, sum), QStringLiteral("PRT 55h;\r\n"));
        QCOMPARE(sum, 0xaa + 0x55);
    }

    void hexTextLayout_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("polarity");
        QTest::addColumn<int>("perLine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sum");
        // Column x is lit at rows 3..5 for x even, 1..5 for x odd: bytes 1C and 7C.
        QTest::newRow("two bytes") << 2 << 8 << "posi" << 16 << "PRT 1ch 7ch;\r\n" << 0x1c + 0x7c;
        QTest::newRow("rows beyond the last group of 8 are dropped") << 2 << 12 << "posi" << 16 << "PRT 1ch 7ch;\r\n"
                                                                     << 0x1c + 0x7c;
        QTest::newRow("nega inverts") << 1 << 8 << "nega" << 16 << "PRT e3h;\r\n" << 0xe3;
        QTest::newRow("any other polarity keeps") << 1 << 8 << "Nega" << 16 << "PRT 1ch;\r\n" << 0x1c;
        QTest::newRow("lines run across columns")
            << 3 << 16 << "posi" << 4 << "PRT 1ch 00h 7ch 00h;\r\nPRT 1ch 00h;\r\n"
            << 0x1c * 2 + 0x7c;
        QTest::newRow("one line a column") << 2 << 16 << "posi" << 0 << "PRT 1ch 00h;\r\nPRT 7ch 00h;\r\n"
                                           << 0x1c + 0x7c;
        QTest::newRow("fewer than 8 rows give nothing") << 3 << 7 << "nega" << 16 << "" << 0;
    }
    void hexTextLayout()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, polarity);
        QFETCH(int, perLine);
        const GreyImage g = image(width, height, [](int x, int y) {
            const bool lit = y < 8 && y <= 5 && (x % 2 == 0 ? y >= 3 : y >= 1);
            return lit ? 0 : 255;
        });
        HexTextFormat format;
        format.bytesPerLine = perLine;
        qint32 sum = 0;
        QTEST(imageToHexText(g, polarity, format, sum), "text");
        QTEST(int(sum), "sum");
    }

    void textIsCappedAt65530Characters()
    {
        qint32 sum = 0;
        bool tooLarge = true;
        const GreyImage fits = image(14977, 8, [](int, int) { return 0; });
        const QString text = imageToHexText(fits, QStringLiteral("posi"), {}, sum, &tooLarge);
        QVERIFY(!tooLarge);
        QCOMPARE(text.size(), 65527 + 3);
        QCOMPARE(sum, 14977 * 255);

        sum = 0;
        const GreyImage large = image(14978, 8, [](int, int) { return 0; });
        QCOMPARE(imageToHexText(large, QStringLiteral("posi"), {}, sum, &tooLarge), QString());
        QVERIFY(tooLarge);
        QVERIFY(sum > 0); // the bytes counted before the stop stay counted
    }

    void hexByteGivesTwoUpperCaseDigits()
    {
        QCOMPARE(hexByte(10), QStringLiteral("0A"));
        QCOMPARE(hexByte(300), QStringLiteral("2C"));
        QCOMPARE(hexByte(0), QStringLiteral("00"));
        QCOMPARE(hexByte(-1), QStringLiteral("FF"));
    }

    // Random and mutated files never crash the reader and never give an image whose
    // size disagrees with its pixels.
    void randomBytesNeverCrashTheReader()
    {
        QRandomGenerator rng(20240611);
        const QList<QByteArray> seeds{
            buildBmp(bmp(10, 9, 1), [](int x, int y) { return quint32((x + y) & 1); }),
            buildBmp(bmp(5, 9, 4, {0, 0xffffff}), [](int x, int) { return quint32(x & 1); }),
            buildBmp(bmp(7, 9, 8, {0, 0xffffff, 0x808080}), [](int x, int) { return quint32(x % 3); }),
            buildBmp(bmp(5, 9, 24), [](int x, int y) { return quint32(x * y * 999); }),
        };
        for (int round = 0; round < 4000; ++round) {
            QByteArray bytes;
            if (round % 4 == 0) {
                bytes.resize(rng.bounded(120));
                for (char &c : bytes)
                    c = char(rng.bounded(256));
                if (bytes.size() > 2 && rng.bounded(2)) {
                    bytes[0] = 'B';
                    bytes[1] = 'M';
                }
            } else {
                bytes = seeds[rng.bounded(int(seeds.size()))];
                const int flips = 1 + rng.bounded(6);
                for (int f = 0; f < flips; ++f)
                    bytes[rng.bounded(int(bytes.size()))] = char(rng.bounded(256));
                if (rng.bounded(4) == 0)
                    bytes.truncate(rng.bounded(int(bytes.size())));
            }
            BmpHeader header;
            readBmpHeader(bytes, header);
            const BmpLoad load = loadBmpBytes(bytes, kEnglish);
            if (load.status == BmpLoad::Status::Loaded) {
                QCOMPARE(load.image.grey.size(), size_t(load.image.width) * size_t(load.image.height));
                qint32 sum = 0;
                imageToHexText(load.image, QStringLiteral("nega"), {}, sum);
            }
        }
    }
};

KVX_TEST_MAIN(TestImageBmp)
#include "tst_image_bmp.moc"
