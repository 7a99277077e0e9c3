#include "image_list/memory_map.h"

#include <algorithm>

namespace kvx {

namespace {

constexpr qint64 kOlderPageSize = 65536;

// Page of a memory text that names one page ("F 0".."F 9", "F10".."F15"), else -1.
int namedPage(const QString &memory)
{
    if (memory.size() != 3 || memory.at(0) != QLatin1Char('F'))
        return -1;
    const QChar tens = memory.at(1);
    const QChar ones = memory.at(2);
    if (!ones.isDigit() || ones.unicode() > '9')
        return -1;
    if (tens == QLatin1Char(' '))
        return ones.unicode() - '0';
    if (tens == QLatin1Char('1') && ones.unicode() <= '5')
        return 10 + ones.unicode() - '0';
    return -1;
}

bool placedInPass2(const QString &memory)
{
    return memory == QLatin1String("FROM") || memory.isEmpty() || memory == QLatin1String("F 1-4")
        || memory == QLatin1String("F any");
}

} // namespace

int ramLimit(const QString &moduleSeri)
{
    return moduleSeri == QLatin1String("2100B") ? 4096 : 1024;
}

MemoryMap assignImageAddresses(QList<ImageListEntry> &entries, int count, int seriesOption, const QString &moduleSeri)
{
    MemoryMap map;
    switch (seriesOption) {
    case 1:
        map.fromPageSize = kFlashPage0Size;
        map.lastPage = 15;
        break;
    case 2:
        map.fromPageSize = kFlashPage0Size;
        map.lastPage = 0;
        break;
    case 3:
        map.fromPageSize = kOlderPageSize;
        map.lastPage = 4;
        break;
    default: break;
    }
    const bool older = seriesOption == 3;
    std::array<qint64, 16> &counter = map.fromUsed;
    count = std::clamp(count, 0, int(entries.size()));

    auto place = [&](ImageListEntry &e, int page, qint64 size) {
        e.imgPage = page;
        e.imgAddress = counter[size_t(page)];
        counter[size_t(page)] += size;
    };

    // Pass 1: RAM and the images given one page.
    for (int i = 0; i < count; ++i) {
        ImageListEntry &e = entries[i];
        e.imgPage = 0;
        const qint64 size = imageSize(e);
        if (e.imgMemory == QLatin1String("RAM")) {
            e.imgAddress = map.ramUsed;
            map.ramUsed += size;
            continue;
        }
        const int page = namedPage(e.imgMemory);
        if (page < 0)
            continue;
        place(e, page, size);
        // The older series keeps every image of pages 0..4 on an even address.
        if (older && page <= 4)
            counter[size_t(page)] += counter[size_t(page)] % 2;
    }

    // Pass 2: images that go wherever they fit, in list order.
    for (int i = 0; i < count; ++i) {
        ImageListEntry &e = entries[i];
        if (!placedInPass2(e.imgMemory))
            continue;
        qint64 size = imageSize(e);
        if (older)
            size += size % 2;
        if (e.imgMemory == QLatin1String("F 1-4") || e.imgMemory == QLatin1String("F any")) {
            int page = 4; // an image that fits no page is counted on the last one, which
                          // then reports the overflow and cannot be exported
            for (int p = 1; p <= 4; ++p) {
                if (counter[size_t(p)] + size <= kOlderPageSize) {
                    page = p;
                    break;
                }
            }
            place(e, page, size);
            continue;
        }
        if (counter[0] + size <= kFlashPage0Size || map.lastPage == 0) {
            place(e, 0, size);
            continue;
        }
        int page = map.lastPage;
        for (int p = 1; p <= map.lastPage; ++p) {
            if (counter[size_t(p)] + size <= map.fromPageSize) {
                page = p;
                break;
            }
        }
        place(e, page, size);
    }

    // Usage bars and status.
    auto bar = [](qint64 used, qint64 capacity, qint64 divisor, int maximum) {
        UsageBar b;
        b.maximum = maximum;
        if (used <= capacity) {
            b.visible = true;
            b.value = int(std::min<qint64>(used / divisor, maximum));
        } else {
            b.value = maximum;
        }
        return b;
    };
    if (seriesOption == 1) {
        for (int p = 0; p < 16; ++p)
            map.pageBars[size_t(p)] = bar(counter[size_t(p)], kFlashPage0Size, 1, kFlashPage0Size);
    } else if (seriesOption == 2) {
        map.pageBars[0] = bar(counter[0], kFlashPage0Size, 1, kFlashPage0Size);
    } else if (older) {
        const int limit = ramLimit(moduleSeri);
        map.ramBar.maximum = 100;
        if (map.ramUsed <= limit) {
            map.ramBar.visible = true;
            map.ramBar.value = int(map.ramUsed * 100 / limit);
        } else {
            map.ramBar.value = 100;
        }
        map.pageBars[0] = bar(counter[0], kFlashPage0Size, 328, 100);
        for (int p = 1; p <= 4; ++p)
            map.pageBars[size_t(p)] = bar(counter[size_t(p)], kOlderPageSize, 655, 100);

        map.status = QStringLiteral("OK");
        if (map.ramUsed > limit) {
            map.status = QStringLiteral("ERROR RAM overflow");
        } else if (counter[0] > kFlashPage0Size) {
            map.status = QStringLiteral("ERROR FROM:0 Overflow");
        } else {
            for (int p = 1; p <= 4; ++p) {
                if (counter[size_t(p)] > kOlderPageSize) {
                    map.status = QStringLiteral("ERROR FROM:%1 Overflow").arg(p);
                    break;
                }
            }
        }
    }
    return map;
}

} // namespace kvx
