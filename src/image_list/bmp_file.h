#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace kvx {

// Fields of a Windows bitmap's file and info headers that the image list uses.
struct BmpHeader
{
    qint64 fileSize = 0;
    quint32 offBits = 0;    // start of the pixel rows
    quint32 headerSize = 0; // biSize: the colour table follows the info header
    qint32 width = 0;
    qint32 height = 0; // negative: rows stored top row first
    quint16 bitCount = 0;
    quint32 compression = 0;
    quint32 clrUsed = 0;
};

// Reads the headers from the start of the file's bytes; false when the bytes are too
// short to hold the signature and the size fields.
bool readBmpHeader(const QByteArray &bytes, BmpHeader &header);

// True when the file starts with "BM" and gives a width and a height other than 0.
bool isBmpFile(const QString &path);

// The size an entry stores for a bitmap: the width and the absolute height. ok is
// false (with a message) when the file cannot be read or a size lies outside 1..32767.
struct BitmapSize
{
    bool ok = false;
    int width = 0;
    int height = 0;
    QString message;
};
BitmapSize readBitmapSize(const QString &path, const QString &language);

// Grey levels 0..255 of an image, x from the left, y from the top.
struct GreyImage
{
    int width = 0;
    int height = 0;
    std::vector<quint8> grey;
    quint8 at(int x, int y) const { return grey[size_t(y) * size_t(width) + size_t(x)]; }
};

// A bitmap converted to grey levels. Refused: a depth, compression, colour table or
// size this program does not convert (message says which). Failed: the file cannot be
// opened or is shorter than its headers say.
struct BmpLoad
{
    enum class Status { Loaded, Refused, Failed };
    Status status = Status::Failed;
    GreyImage image;
    QString message;
};

// Reads a bitmap of 1, 4, 8 or 24 bits per pixel, uncompressed, stored either bottom
// row first or top row first.
//
// The grey levels keep the module's established polarity, on which the "Inv" values
// stored in users' image lists depend: a set bit of a 1-bit file is 255 whatever its
// colour table says; a 4- or 8-bit colour index gives 255 minus the grey of its colour;
// an 8-bit file without a colour table uses the index itself as the grey; a 24-bit
// pixel gives Int(B/3 + G/3 + R/3) computed in double arithmetic.
BmpLoad loadBmpFile(const QString &path, const QString &language);
BmpLoad loadBmpBytes(const QByteArray &bytes, const QString &language);

// Two upper-case hexadecimal digits of the value's low byte (10 -> "0A", 300 -> "2C").
QString hexByte(int value);

// The image as dot-column bytes written as text: for each column from the left, the
// whole groups of 8 rows from the top, bit 7 the top dot; a dot is lit when its grey
// is 128 or less. "nega" inverts every byte. Each emitted byte is added to checksum.
// Lines are linePrefix, then per byte separator (not before the first of a line),
// bytePrefix, two lower-case digits and byteSuffix, closed by lineEnd and CR LF after
// bytesPerLine bytes (after each column when bytesPerLine < 1). When the text grows
// past 65530 characters the result is empty and tooLarge is set; the bytes already
// counted stay in the checksum.
struct HexTextFormat
{
    QString linePrefix = QStringLiteral("PRT");
    QString bytePrefix = QStringLiteral(" ");
    QString byteSuffix = QStringLiteral("h");
    QString separator;
    QString lineEnd = QStringLiteral(";");
    int bytesPerLine = 16;
};
QString imageToHexText(const GreyImage &image, const QString &polarity, const HexTextFormat &format, qint32 &checksum,
                       bool *tooLarge = nullptr);

// Bytes of the image in the dot layout: width times whole groups of 8 rows.
inline qint64 imageByteCount(const GreyImage &image)
{
    return qint64(image.width) * (image.height / 8);
}

} // namespace kvx
