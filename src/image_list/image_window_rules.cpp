#include "image_list/image_window_rules.h"

#include "link/numbers.h"

#include <algorithm>

namespace kvx {

QStringList slotMemoryChoices(int seriesOption)
{
    switch (seriesOption) {
    case 1: {
        QStringList items{QStringLiteral("FROM")};
        for (int p = 0; p < 16; ++p)
            items << (p < 10 ? QStringLiteral("F %1").arg(p) : QStringLiteral("F%1").arg(p));
        return items;
    }
    case 2: return {QStringLiteral("FROM"), QStringLiteral("F 0")};
    case 3: return entryMemoryChoices();
    default: return {};
    }
}

QStringList entryMemoryChoices()
{
    return {QStringLiteral("VRAM"), QStringLiteral("RAM"),   QStringLiteral("FROM"),
            QStringLiteral("F 0"),  QStringLiteral("F 1-4"), QStringLiteral("F 1"),
            QStringLiteral("F 2"),  QStringLiteral("F 3"),   QStringLiteral("F 4")};
}

UsageFrame usageFrameFor(int seriesOption, bool new5290)
{
    switch (seriesOption) {
    case 1: return UsageFrame::Pages;
    case 2: return new5290 ? UsageFrame::Pages : UsageFrame::Single;
    case 3: return UsageFrame::Older;
    default: return UsageFrame::None;
    }
}

QRect fitThumbnail(qint64 width, qint64 height, const QSize &box)
{
    const qint64 bw = box.width();
    const qint64 bh = box.height();
    if (width <= 0 || height <= 0 || bw <= 0 || bh <= 0)
        return QRect(QPoint(0, 0), box);
    // Wider in proportion than the box: full width; otherwise full height. The sizes
    // are computed in 64 bits, so large bitmaps fit as well as small ones.
    if (width * bh > height * bw) {
        const int h = int(std::max<qint64>(1, (height * bw + width / 2) / width));
        return QRect(0, int((bh - h) / 2), int(bw), h);
    }
    const int w = int(std::max<qint64>(1, (width * bh + height / 2) / height));
    return QRect(int((bw - w) / 2), 0, w, int(bh));
}

EntryInput readEntryInput(const QString &address, const QString &x, const QString &y)
{
    EntryInput in;
    auto read = [&](const QString &text, IntWidth width, const char *field) -> qint64 {
        if (!in.ok)
            return 0;
        try {
            return toWhole(numericValue(text), width);
        } catch (const EncodeError &) {
            in.ok = false;
            in.field = QLatin1String(field);
            return 0;
        }
    };
    in.address = read(address, IntWidth::Int32, "txtAdrs");
    in.x = int(read(x, IntWidth::Int16, "txtX"));
    in.y = int(read(y, IntWidth::Int16, "txtY"));
    return in;
}

} // namespace kvx
