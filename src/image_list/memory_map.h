#pragma once

#include "image_list/image_entry.h"

#include <QList>
#include <QString>

#include <array>

namespace kvx {

// One usage bar of the image-list window.
struct UsageBar
{
    bool visible = false;
    int value = 0;
    int maximum = 100;
};

// Where the memory map put the images and how full each area is.
struct MemoryMap
{
    qint64 ramUsed = 0;                // RamUsed
    std::array<qint64, 16> fromUsed{}; // FromUsed0 .. FromUsed15
    qint64 fromPageSize = 0;           // FromPageSize: 0, 32768 or 65536
    int lastPage = 0;
    QString status;  // "OK" / "ERROR ..." for series option 3, else ""
    UsageBar ramBar; // series option 3: percent of the RAM limit
    // Series option 1: one bar per page (bytes). Option 2: bar 0 only (bytes).
    // Option 3: bars 0..4 (percent of each page).
    std::array<UsageBar, 16> pageBars{};
};

// Series option of the main window: 0 no flash image memory, 1 sixteen pages of 32768
// bytes, 2 one page of 32768 bytes, 3 the older series (RAM and five pages of 65536).
constexpr int kFlashPage0Size = 32768;

// RAM for images: 4096 bytes on a "2100B" module, 1024 otherwise.
int ramLimit(const QString &moduleSeri);

// Places entries 0..count-1 (sets imgPage and imgAddress) and counts the bytes of
// each area. An area filled exactly to its size fits; one beyond it overflows.
MemoryMap assignImageAddresses(QList<ImageListEntry> &entries, int count, int seriesOption, const QString &moduleSeri);

} // namespace kvx
