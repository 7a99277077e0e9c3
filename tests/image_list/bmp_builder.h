#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <functional>

namespace kvx::test {

// Describes a bitmap file to build. Pixels are colour indexes (1, 4, 8 bits) or
// 0xRRGGBB values (24 bits), x from the left and y from the top.
struct BmpLayout
{
    int width = 8;
    int height = 8;
    int bitCount = 24;
    QList<quint32> palette; // 0xRRGGBB per entry, written as blue, green, red, 0
    qint64 clrUsed = -1;    // -1: the palette's size
    bool topDown = false;
    quint32 compression = 0;
    quint32 headerSize = 40;
};

inline void put32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}

inline QByteArray buildBmp(const BmpLayout &s, const std::function<quint32(int, int)> &pixel)
{
    const int rowBytes = ((s.width * s.bitCount + 31) / 32) * 4;
    const int paletteOffset = 14 + int(s.headerSize);
    const int offBits = paletteOffset + 4 * int(s.palette.size());
    QByteArray b(offBits, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, quint32(offBits));
    put32(b, 14, s.headerSize);
    put32(b, 18, quint32(s.width));
    put32(b, 22, quint32(s.topDown ? -s.height : s.height));
    b[26] = 1;
    b[28] = char(s.bitCount);
    put32(b, 30, s.compression);
    put32(b, 46, quint32(s.clrUsed < 0 ? s.palette.size() : s.clrUsed));
    for (int i = 0; i < s.palette.size(); ++i)
        put32(b, paletteOffset + 4 * i, s.palette[i]); // 0x00RRGGBB little-endian is B, G, R, 0
    for (int row = 0; row < s.height; ++row) {
        const int y = s.topDown ? row : s.height - 1 - row;
        QByteArray r(rowBytes, '\0');
        for (int x = 0; x < s.width; ++x) {
            const quint32 v = pixel(x, y);
            switch (s.bitCount) {
            case 1:
                if (v)
                    r[x / 8] = char(uchar(r[x / 8]) | (0x80 >> (x % 8)));
                break;
            case 4: r[x / 2] = char(uchar(r[x / 2]) | (x % 2 == 0 ? (v & 15) << 4 : (v & 15))); break;
            case 8: r[x] = char(v); break;
            case 24:
                r[3 * x] = char(v);
                r[3 * x + 1] = char(v >> 8);
                r[3 * x + 2] = char(v >> 16);
                break;
            default: break;
            }
        }
        b += r;
    }
    put32(b, 2, quint32(b.size()));
    return b;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace kvx::test
