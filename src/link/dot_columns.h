#pragma once

#include <QByteArray>

#include <functional>

namespace kvx {

// The module's bit-image layout: column by column from the left, each column as
// (height + 7) / 8 bytes from the top down, bit 7 of a byte being its top dot and a
// set bit a lit dot. Dots below the height in a column's last byte stay dark.

// Bytes a column of `height` dots takes.
inline int dotColumnByteCount(int height)
{
    return height > 0 ? (height + 7) / 8 : 0;
}

// Packs a width x height picture; isLit(x, y) tells whether the dot in column x,
// row y (0 = top) is lit. An empty or negative size gives no bytes.
QByteArray DotColumnBytes(int width, int height, const std::function<bool(int x, int y)> &isLit);

} // namespace kvx
