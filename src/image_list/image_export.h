#pragma once

#include "image_list/bmp_file.h"
#include "image_list/image_entry.h"
#include "image_list/memory_map.h"
#include "link/byte_sink.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <functional>

class QIODevice;

namespace kvx {

// Values of the export window's area boxes: 0 clear, 1 ticked, 2 greyed. Only ticked
// areas are written.
struct ExportAreas
{
    int chkRAM = 0;
    std::array<int, 16> chkFROM{};
};

// Everything an export reads, taken when it starts.
struct ExportContext
{
    QList<ImageListEntry> entries; // the list, placed by the memory map
    MemoryMap map;
    ExportAreas areas;
    int seriesOption = 0;
    QString language;
};

// Writes the images of the ticked areas as command macro text: the memory-rewrite
// layout for series options 1 and 2, the user-set layout for option 3. Every failure
// (a missing or refused bitmap, an image too large, a page that cannot be walked, a
// write error) is shown, ends the export and gives the result 0.
class ImageExporter
{
public:
    explicit ImageExporter(Notifier &notifier) : m_notifier(notifier) {}

    // Called after each image is loaded (the export window's image progress).
    std::function<void()> imageWritten;
    // Sum of every image byte written (after inversion); the rewrite layout starts it
    // at 0 and prints it, the user-set layout adds to it.
    qint32 exportCheckSum = 0;

    // The file at path (through QSaveFile: nothing is replaced after a failure). The
    // result is the number of characters written, line ends counted, or 0.
    qint64 writeExportFile(const QString &path, const ExportContext &context);
    qint64 writeListRewriteMode(QIODevice &out, const ExportContext &context);
    qint64 writeListUserSetMode(QIODevice &out, const ExportContext &context);

private:
    class Writer;
    bool loadImage(const ExportContext &context, int index, GreyImage &image);
    bool writeData(Writer &out, const ExportContext &context, int index, const GreyImage &image);
    bool pageWalk(Writer &out, const ExportContext &context, int page, qint64 used, bool evenAfterImage);
    qint64 finish(Writer &out);

    Notifier &m_notifier;
};

// Which area boxes of the export window can be ticked: an area with images that fit
// it (full counts as fitting) and that the series option has.
struct AreaBoxStates
{
    bool ram = false;
    std::array<bool, 16> from{};
};
AreaBoxStates exportAreaStates(const MemoryMap &map, int seriesOption, const QString &moduleSeri);
// "Check All": every enabled box ticked, the others clear.
ExportAreas checkAllAreas(const AreaBoxStates &states);
// "RAM :   515 Byte" and "ROM: 3-    1200 Byte"; the unit in the interface language.
QString ramBoxCaption(qint64 used, bool japanese = false);
QString fromBoxCaption(int page, qint64 used, bool japanese = false);

// The bytes of the "PRT" lines of an export text, in order. The whole text is
// converted before anything is sent: a token that is not a byte (decimal, or
// hexadecimal with the suffix "h") refuses the text and names its line.
struct ModuleBytes
{
    bool ok = true;
    QByteArray bytes;
    int errorLine = 0; // counted from 1
    QString errorToken;
};
ModuleBytes exportTextToBytes(const QString &text);
QString moduleBytesError(const ModuleBytes &bytes, const QString &language);

// Sends the bytes one per portOut call, stopping at the first result other than Sent
// or NoLink. progress gets the count sent and the total after each byte.
struct SendReport
{
    SendResult result = SendResult::Sent;
    qsizetype sent = 0;
};
SendReport sendModuleBytes(ByteSink &sink, const QByteArray &bytes,
                           const std::function<void(qsizetype, qsizetype)> &progress = {});

} // namespace kvx
