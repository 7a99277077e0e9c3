#pragma once

#include <QString>
#include <QtGlobal>

namespace kvx {

// One image of the image list. Sizes and addresses are kept wider than the fields of
// the list file so that no size computation overflows.
struct ImageListEntry
{
    QString imgLabel;
    QString imgFileName; // the bare file name of imgPath
    QString imgPath;     // full path of the bitmap, "" for a blank image
    int imgX = 0;        // width in dots
    int imgY = 0;        // height in dots
    int imgPage = 0;     // flash page given by the memory map
    int imgCheck = 0;    // "Inv" box: 0 clear, 1 ticked (exported positive), 2 grey
    QString imgMemory;   // "VRAM", "RAM", "FROM", "F 0".."F 9", "F10".."F15", "F 1-4", "F any", ""
    qint64 imgAddress = 0;

    bool operator==(const ImageListEntry &) const = default;
};

// Bytes an image takes in the module: one column of imgY / 8 bytes (a partial last
// byte is not stored) per dot column. A negative size counts as nothing.
inline qint64 imageSize(const ImageListEntry &e)
{
    const qint64 size = qint64(e.imgY / 8) * e.imgX;
    return size < 0 ? 0 : size;
}

// The memory text of a flash area: begins with "F", or is empty (placed like "FROM").
inline bool isFlashMemory(const QString &memory)
{
    return memory.isEmpty() || memory.startsWith(QLatin1Char('F'));
}

} // namespace kvx
