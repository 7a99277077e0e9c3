#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kvx {

// Memory choices a slot of the image-list window offers under a series option (none
// under option 0). "F any" is never offered; it is kept when a list file holds it.
QStringList slotMemoryChoices(int seriesOption);

// Memory choices of the entry dialog, whatever the series.
QStringList entryMemoryChoices();

// Which memory-usage frame the image-list window shows.
enum class UsageFrame {
    None,   // series option 0: the window does not open
    Pages,  // sixteen page bars
    Single, // one bar for page 0
    Older,  // the RAM bar and five page bars
};
UsageFrame usageFrameFor(int seriesOption, bool new5290);

// Largest first entry of the page: the last page shows the last seven entries and
// the blank slot.
inline int scrollMaximum(int count)
{
    return count >= 8 ? count - 7 : 0;
}

// Where a thumbnail of width x height dots stands inside a box of the given size:
// as large as fits with the image's proportions, centred. A size of 0 or less fills
// the box (the placeholder shows there).
QRect fitThumbnail(qint64 width, qint64 height, const QSize &box);

// The entry dialog's boxes read as numbers (blanks ignored, "&H" hexadecimal,
// halves rounded to even). A value outside the field of the list file (a signed
// 32-bit address, signed 16-bit sizes) refuses the input: ok false and field names
// the box.
struct EntryInput
{
    bool ok = true;
    QString field; // "txtAdrs", "txtX" or "txtY" when refused
    qint64 address = 0;
    int x = 0;
    int y = 0;
};
EntryInput readEntryInput(const QString &address, const QString &x, const QString &y);

} // namespace kvx
