#include "image_list/bmp_file.h"

#include "image_list/image_texts.h"

#include <QFile>

#include <array>
#include <cstdlib>

namespace kvx {

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kInfoHeaderSize = 40;
constexpr int kMaxSide = 32767;
constexpr qsizetype kMaxHexText = 65530;

quint32 u32(const QByteArray &b, qsizetype at)
{
    if (at + 4 > b.size())
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const QByteArray &b, qsizetype at)
{
    if (at + 2 > b.size())
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(b.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}

QByteArray readStart(const QString &path, bool &ok)
{
    QFile file(path);
    ok = file.open(QIODevice::ReadOnly);
    if (!ok)
        return {};
    return file.read(kFileHeaderSize + kInfoHeaderSize);
}

// Grey of a colour as the module's tools have always computed it: each third taken
// in double arithmetic, summed left to right, truncated. (132, 253, 2) gives 128.
int greyOf(int blue, int green, int red)
{
    return int(blue / 3.0 + green / 3.0 + red / 3.0);
}

BmpLoad failed()
{
    BmpLoad r;
    r.status = BmpLoad::Status::Failed;
    r.message = image_msg::cannotOpen;
    return r;
}

BmpLoad refused(const QString &message)
{
    BmpLoad r;
    r.status = BmpLoad::Status::Refused;
    r.message = message;
    return r;
}

} // namespace

bool readBmpHeader(const QByteArray &bytes, BmpHeader &h)
{
    if (bytes.size() < 26)
        return false;
    h = BmpHeader{};
    h.fileSize = bytes.size();
    h.offBits = u32(bytes, 10);
    h.headerSize = u32(bytes, 14);
    h.width = qint32(u32(bytes, 18));
    h.height = qint32(u32(bytes, 22));
    h.bitCount = u16(bytes, 28);
    h.compression = u32(bytes, 30);
    h.clrUsed = u32(bytes, 46);
    return true;
}

bool isBmpFile(const QString &path)
{
    bool ok = false;
    const QByteArray start = readStart(path, ok);
    BmpHeader h;
    if (!ok || !readBmpHeader(start, h))
        return false;
    return start.at(0) == 'B' && start.at(1) == 'M' && h.width != 0 && h.height != 0;
}

BitmapSize readBitmapSize(const QString &path, const QString &language)
{
    BitmapSize size;
    bool ok = false;
    const QByteArray start = readStart(path, ok);
    BmpHeader h;
    if (!ok || !readBmpHeader(start, h)) {
        size.message = image_msg::cannotOpen;
        return size;
    }
    const qint64 w = h.width;
    const qint64 hh = std::llabs(qint64(h.height));
    if (w < 1 || w > kMaxSide || hh < 1 || hh > kMaxSide) {
        size.message = imageText(ImageText::ImageSizeRefused, language).arg(h.width).arg(h.height);
        return size;
    }
    size.ok = true;
    size.width = int(w);
    size.height = int(hh);
    return size;
}

BmpLoad loadBmpFile(const QString &path, const QString &language)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed();
    return loadBmpBytes(bytes, language);
}

BmpLoad loadBmpBytes(const QByteArray &bytes, const QString &language)
{
    BmpHeader h;
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || !readBmpHeader(bytes, h) || bytes.at(0) != 'B'
        || bytes.at(1) != 'M' || h.headerSize < kInfoHeaderSize)
        return failed();

    const int depth = h.bitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24)
        return refused(image_msg::depthRefused(depth));
    if (h.compression != 0)
        return refused(imageText(ImageText::CompressedBmp, language));
    const qint64 width = h.width;
    const qint64 height = std::llabs(qint64(h.height));
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide)
        return refused(imageText(ImageText::ImageSizeRefused, language).arg(h.width).arg(h.height));

    // Colour table into a grey lookup table. A 4-bit file that gives no colour count
    // has the full 16 entries.
    std::array<quint8, 256> table{};
    qint64 colours = 0;
    if (depth == 4) {
        if (h.clrUsed > 16)
            return refused(image_msg::colorTable16);
        colours = h.clrUsed == 0 ? 16 : h.clrUsed;
    } else if (depth == 8) {
        if (h.clrUsed > 256)
            return refused(image_msg::colorTable256);
        colours = h.clrUsed;
        if (colours == 0) {
            for (int i = 0; i < 256; ++i)
                table[size_t(i)] = quint8(i);
        }
    }
    const qint64 palette = kFileHeaderSize + qint64(h.headerSize);
    if (colours > 0) {
        if (palette + 4 * colours > bytes.size())
            return failed();
        const auto *p = reinterpret_cast<const uchar *>(bytes.constData()) + palette;
        for (qint64 i = 0; i < colours; ++i)
            table[size_t(i)] = quint8(255 - greyOf(p[4 * i], p[4 * i + 1], p[4 * i + 2]));
    }

    qint64 pixelBytes = 0; // bytes of one row that hold pixels
    qint64 rowBytes = 0;   // the same with the padding to a 4-byte boundary
    switch (depth) {
    case 1:
        pixelBytes = (width + 7) / 8;
        rowBytes = (pixelBytes + 3) / 4 * 4;
        break;
    case 4:
        pixelBytes = (width + 1) / 2;
        rowBytes = (width + 7) / 8 * 4;
        break;
    case 8:
        pixelBytes = width;
        rowBytes = (width + 3) / 4 * 4;
        break;
    default:
        pixelBytes = 3 * width;
        rowBytes = (3 * width + 3) / 4 * 4;
        break;
    }
    if (qint64(h.offBits) + (height - 1) * rowBytes + pixelBytes > bytes.size())
        return failed();

    BmpLoad r;
    r.status = BmpLoad::Status::Loaded;
    r.image.width = int(width);
    r.image.height = int(height);
    r.image.grey.assign(size_t(width) * size_t(height), 0);
    const bool bottomUp = h.height > 0;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    for (qint64 row = 0; row < height; ++row) {
        const uchar *src = data + h.offBits + row * rowBytes;
        const qint64 y = bottomUp ? height - 1 - row : row;
        quint8 *dst = r.image.grey.data() + size_t(y) * size_t(width);
        for (qint64 x = 0; x < width; ++x) {
            switch (depth) {
            case 1: dst[x] = (src[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0; break;
            case 4: dst[x] = table[size_t(x % 2 == 0 ? src[x / 2] >> 4 : src[x / 2] & 0x0f)]; break;
            case 8: dst[x] = table[src[x]]; break;
            default: dst[x] = quint8(greyOf(src[3 * x], src[3 * x + 1], src[3 * x + 2])); break;
            }
        }
    }
    return r;
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value & 0xff, 2, 16, QLatin1Char('0')).toUpper();
}

QString imageToHexText(const GreyImage &image, const QString &polarity, const HexTextFormat &format, qint32 &checksum,
                       bool *tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    QString text;
    bool lineOpen = false;
    int count = 0;
    const bool nega = polarity == QLatin1String("nega");
    static constexpr char lowerDigits[] = "0123456789abcdef";
    auto closeLine = [&] {
        text += format.lineEnd;
        text += QLatin1String("\r\n");
        count = 0;
        lineOpen = false;
    };
    for (int x = 0; x < image.width; ++x) {
        for (int j = 0; j < image.height / 8; ++j) {
            if (!lineOpen)
                text += format.linePrefix;
            int byte = 0;
            for (int k = 0; k < 8; ++k) {
                if (image.at(x, 8 * j + k) <= 128)
                    byte |= 0x80 >> k;
            }
            if (nega)
                byte ^= 0xff;
            checksum += byte;
            if (lineOpen)
                text += format.separator;
            text += format.bytePrefix;
            // Two digits written directly: an export formats a six-figure number of bytes.
            text += QLatin1Char(lowerDigits[byte >> 4]);
            text += QLatin1Char(lowerDigits[byte & 0xF]);
            text += format.byteSuffix;
            if (text.size() > kMaxHexText) {
                if (tooLarge)
                    *tooLarge = true;
                return QString();
            }
            lineOpen = true;
            ++count;
            if (format.bytesPerLine >= 1 && count >= format.bytesPerLine)
                closeLine();
        }
        if (format.bytesPerLine < 1 && lineOpen)
            closeLine();
    }
    if (lineOpen)
        closeLine();
    return text;
}

} // namespace kvx
