#pragma once

#include "link/dot_columns.h"

#include <QByteArray>
#include <QString>

namespace kvx {

// A picture ready for the module: width x height dots in DotColumnBytes layout.
struct Bmp1Image
{
    int width = 0;
    int height = 0;
    QByteArray columns;

    // Bytes per column: the height rounded up to whole bytes, padded with dark dots.
    int columnBytes() const { return dotColumnByteCount(height); }
};

// What reading a bitmap gave: the image, or the reader's own message (empty when it
// fails without one; the caller then only says the file cannot be opened).
struct Bmp1Read
{
    bool ok = false;
    Bmp1Image image;
    QString message;
};

inline constexpr qsizetype kMaxBmpFileBytes = 200000;
inline constexpr auto kNotBmpFileMessage = "Not BMP File!";
inline constexpr auto kBmpSizeZeroMessage = "File size 0 error!";

// Reads an uncompressed 1-bit Windows bitmap held in memory. A stored 1 is a lit dot
// whatever the colour table says. Everything the header claims is checked against
// the bytes that are really there before a single row is read.
Bmp1Read ReadBmpToImage(const QByteArray &file);

// The file form: the name must contain ".bmp" in any letter case; the file is opened
// by the path as given. A missing or empty file counts as a zero-sized picture.
Bmp1Read readBmpFileToImage(const QString &path);

} // namespace kvx
