#include "link/bmp1_reader.h"

#include <QFile>
#include <QFileInfo>

namespace kvx {

namespace {

// Little-endian fields; bytes beyond the end read as 0, so a short file shows up as
// a picture of size 0 rather than as a read past the end.
quint32 field(const QByteArray &b, qsizetype at, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v <<= 8;
        if (at + i < b.size())
            v |= quint8(b[at + i]);
    }
    return v;
}

Bmp1Read failure(const QString &message = {})
{
    Bmp1Read r;
    r.message = message;
    return r;
}

constexpr qsizetype kHeadersBytes = 14 + 40; // file header and the smallest info header we read

} // namespace

Bmp1Read ReadBmpToImage(const QByteArray &file)
{
    if (file.size() > kMaxBmpFileBytes)
        return failure();

    // Only the low 16 bits of the width and height count; a top-down bitmap (negative
    // height) lands above 32767 and is refused with them.
    const quint32 width = field(file, 18, 2);
    const quint32 height = field(file, 22, 2);
    if (width >= 32768 || height >= 32768)
        return failure();
    if (width == 0 || height == 0)
        return failure(QString::fromLatin1(kBmpSizeZeroMessage));

    if (file.size() < kHeadersBytes)
        return failure();
    if (!file.startsWith("BM"))
        return failure(QString::fromLatin1(kNotBmpFileMessage));
    if (field(file, 2, 4) > quint32(file.size())) // declared longer than it is: cut short
        return failure();
    if (field(file, 14, 4) < 40) // an old core header lays its fields out otherwise
        return failure();
    if (field(file, 28, 2) != 1 || field(file, 30, 4) != 0)
        return failure();

    const qint64 offset = field(file, 10, 4);
    const qint64 stride = 4 * ((qint64(width) + 31) / 32);
    if (offset < kHeadersBytes || offset + stride * height > file.size())
        return failure();

    const auto *data = reinterpret_cast<const quint8 *>(file.constData());
    const int w = int(width);
    const int h = int(height);
    Bmp1Read r;
    r.ok = true;
    r.image.width = w;
    r.image.height = h;
    // Rows are stored bottom-up; within a row the leftmost dot is bit 7 of its byte.
    r.image.columns = DotColumnBytes(w, h, [&](int x, int y) {
        const quint8 *row = data + offset + stride * (h - 1 - y);
        return (row[x / 8] & (0x80 >> (x % 8))) != 0;
    });
    return r;
}

Bmp1Read readBmpFileToImage(const QString &path)
{
    if (!path.toLower().contains(QLatin1String(".bmp")))
        return failure(QString::fromLatin1(kNotBmpFileMessage));

    QFile f(path);
    if (!f.exists())
        return failure(QString::fromLatin1(kBmpSizeZeroMessage));
    if (QFileInfo(f).size() > kMaxBmpFileBytes)
        return failure();
    if (!f.open(QIODevice::ReadOnly))
        return failure();
    const QByteArray bytes = f.read(kMaxBmpFileBytes + 1);
    if (f.error() != QFileDevice::NoError)
        return failure();
    return ReadBmpToImage(bytes);
}

} // namespace kvx
