#include "image_list/image_export.h"

#include "image_list/image_texts.h"
#include "image_list/param_text.h"
#include "image_list/text_io.h"
#include "link/codepage.h"
#include "link/send_run.h"

#include <QIODevice>
#include <QSaveFile>

namespace kvx {

namespace {

const QString kFirstComment = QStringLiteral("*** KVX35P image export ***");
const QString kZeroLine = QStringLiteral("PRT 00h 00h 00h 00h 00h 00h 00h 00h 00h 00h 00h 00h 00h 00h 00h 00h;");
const QString kOddPad = QStringLiteral("PRT 00h;");

// Two lower-case hexadecimal digits of the value's low byte.
QString hh(qint64 value)
{
    return hexByte(int(value & 0xff)).toLower();
}

// The last width characters of blanks followed by text.
QString rightAligned(const QString &text, int blanks, int width)
{
    return (QString(blanks, QLatin1Char(' ')) + text).right(width);
}

} // namespace

// Lines of the export text with their count; remembers a failed write.
class ImageExporter::Writer
{
public:
    explicit Writer(QIODevice &device) : m_device(device) {}
    void line(const QString &text = QString())
    {
        const QByteArray bytes = (text + QLatin1String("\r\n")).toUtf8();
        if (m_device.write(bytes) != bytes.size())
            m_failed = true;
        m_chars += text.size() + 2;
    }
    bool failed() const { return m_failed; }
    qint64 chars() const { return m_chars; }

private:
    QIODevice &m_device;
    qint64 m_chars = 0;
    bool m_failed = false;
};

bool ImageExporter::loadImage(const ExportContext &context, int index, GreyImage &image)
{
    const ImageListEntry &e = context.entries[index];
    const QString number = imageText(ImageText::ImageNo, context.language) + QString::number(index + 1);
    if (!isBmpFile(e.imgPath)) {
        m_notifier.notify(number + imageText(ImageText::NotAccessible, context.language));
        return false;
    }
    BmpLoad load = loadBmpFile(e.imgPath, context.language);
    if (load.status == BmpLoad::Status::Failed) {
        m_notifier.notify(load.message);
        m_notifier.notify(number + imageText(ImageText::NotBmpOrNotAccessible, context.language));
        return false;
    }
    if (load.status == BmpLoad::Status::Refused) {
        m_notifier.notify(load.message);
        return false;
    }
    // Its place in memory was counted from the size in the list: a bitmap that has
    // grown or shrunk since would overwrite or leave a gap before the next image.
    if (load.image.width != e.imgX || load.image.height != e.imgY) {
        m_notifier.notify(imageText(ImageText::SizeChanged, context.language)
                              .arg(e.imgFileName)
                              .arg(e.imgX)
                              .arg(e.imgY)
                              .arg(load.image.width)
                              .arg(load.image.height));
        return false;
    }
    image = std::move(load.image);
    if (imageWritten)
        imageWritten();
    return true;
}

bool ImageExporter::writeData(Writer &out, const ExportContext &context, int index, const GreyImage &image)
{
    const ImageListEntry &e = context.entries[index];
    // "Inv" ticked (1) keeps the dots as converted; clear or grey inverts them.
    const QString polarity = e.imgCheck == 1 ? QStringLiteral("posi") : QStringLiteral("nega");
    bool tooLarge = false;
    const QString text = imageToHexText(image, polarity, HexTextFormat{}, exportCheckSum, &tooLarge);
    if (tooLarge) {
        m_notifier.notify(imageText(ImageText::ImageTooLarge, context.language));
        return false;
    }
    out.line(text);
    return true;
}

// Writes the images of one flash page in address order, each starting where the one
// before ended. A position where no image starts ends the export with a message.
bool ImageExporter::pageWalk(Writer &out, const ExportContext &context, int page, qint64 used, bool evenAfterImage)
{
    qint64 position = 0;
    while (position < used) {
        const qint64 before = position;
        for (int i = 0; i < context.entries.size(); ++i) {
            const ImageListEntry &e = context.entries[i];
            if (!isFlashMemory(e.imgMemory) || e.imgPage != page || e.imgAddress != position)
                continue;
            GreyImage image;
            if (!loadImage(context, i, image))
                return false;
            out.line(QStringLiteral("*** ") + e.imgFileName + QStringLiteral(" ***"));
            if (!writeData(out, context, i, image))
                return false;
            position += imageByteCount(image);
            if (evenAfterImage && position % 2 != 0) {
                out.line(kOddPad);
                ++position;
            }
        }
        if (position == before) {
            m_notifier.notify(imageText(ImageText::PageWalkStalled, context.language).arg(page).arg(position));
            return false;
        }
    }
    return true;
}

qint64 ImageExporter::finish(Writer &out)
{
    if (out.failed()) {
        m_notifier.notify(image_msg::fileWriteError);
        return 0;
    }
    return out.chars();
}

qint64 ImageExporter::writeListRewriteMode(QIODevice &device, const ExportContext &context)
{
    exportCheckSum = 0;
    Writer out(device);
    out.line(kFirstComment);
    out.line(QStringLiteral("***    ***"));
    bool anyPage = false;
    for (int v : context.areas.chkFROM)
        anyPage = anyPage || v != 0;
    if (anyPage) {
        out.line(QStringLiteral("***   ***"));
        out.line(QStringLiteral("*** memory rewrite Mode ***"));
        out.line(QStringLiteral("PRT 1ch 7ch 4dh d0h 4dh 4fh 44h 45h 49h 4eh;"));
        out.line();
        out.line();
        for (int n = 0; n < 16; ++n) {
            if (context.areas.chkFROM[size_t(n)] != 1)
                continue;
            out.line(QStringLiteral("*** ***"));
            out.line(QStringLiteral("*** FROM (%1) ***").arg(n));
            out.line(QStringLiteral("*** ***"));
            out.line();
            out.line(QStringLiteral("*** Page Header ***"));
            out.line(QStringLiteral("PRT 42h bdh ") + hexByte(n) + QStringLiteral("h;"));
            out.line();
            const qint64 used = context.map.fromUsed[size_t(n)];
            if (!pageWalk(out, context, n, used, false))
                return 0;
            qint64 padding = kFlashPage0Size - used;
            for (; padding > 15; padding -= 16)
                out.line(kZeroLine);
            if (padding > 0)
                out.line(QStringLiteral("PRT") + QStringLiteral(" 00h").repeated(padding) + QLatin1Char(';'));
            if (out.failed())
                return finish(out);
        }
        out.line();
        out.line();
        out.line(QStringLiteral("*** Exit memory rewrite mode ***"));
        out.line();
        out.line(QStringLiteral("PRT 45h bah;"));
    }
    out.line();
    out.line(QStringLiteral("*** CHKSUM = %1h; ***")
                 .arg(QStringLiteral("%1").arg(quint32(exportCheckSum), 8, 16, QLatin1Char('0')).toUpper()));
    out.line();
    out.line(QStringLiteral("*** End of File ***"));
    out.line();
    return finish(out);
}

qint64 ImageExporter::writeListUserSetMode(QIODevice &device, const ExportContext &context)
{
    Writer out(device);
    out.line(kFirstComment);
    out.line();
    out.line();
    out.line();

    if (context.areas.chkRAM == 1) {
        out.line(QStringLiteral("*** ***"));
        out.line(QStringLiteral("*** RAM ***"));
        out.line(QStringLiteral("*** ***"));
        for (int i = 0; i < context.entries.size(); ++i) {
            const ImageListEntry &e = context.entries[i];
            if (e.imgMemory != QLatin1String("RAM"))
                continue;
            GreyImage image;
            if (!loadImage(context, i, image))
                return 0;
            out.line(QStringLiteral("*** ") + e.imgFileName + QStringLiteral(" ***"));
            const qint64 a = e.imgAddress;
            const qint64 s = imageSize(e);
            // The size's upper bytes go as plain hexadecimal digits ("2h 0h"): the
            // module's macro reader has always taken them that way.
            out.line(QStringLiteral("PRT 1fh 28h 66h 01h %1h %2h 00h %3h %4h %5h;")
                         .arg(hh(a % 256), hh(a / 256), hh(s % 256), QString::number(s / 256, 16),
                              QString::number(s / 65536, 16)));
            out.line();
            if (!writeData(out, context, i, image))
                return 0;
        }
    }

    bool anyPage = false;
    for (int n = 0; n <= 4; ++n)
        anyPage = anyPage || context.areas.chkFROM[size_t(n)] != 0;
    if (anyPage) {
        out.line(QStringLiteral("*** ***"));
        out.line(QStringLiteral("*** User Set Mode ***"));
        out.line(QStringLiteral("PRT 1fh 28h 65h 01h 49h 4eh;"));
        out.line();
        out.line();
        if (context.areas.chkFROM[0] == 1) {
            out.line(QStringLiteral("***          ***"));
            out.line(QStringLiteral("*** FROM (0) ***"));
            out.line(QStringLiteral("***          ***"));
            for (int i = 0; i < context.entries.size(); ++i) {
                const ImageListEntry &e = context.entries[i];
                if (!isFlashMemory(e.imgMemory) || e.imgPage != 0)
                    continue;
                GreyImage image;
                if (!loadImage(context, i, image))
                    return 0;
                out.line(QStringLiteral("*** ") + e.imgFileName + QStringLiteral(" ***"));
                const qint64 a = e.imgAddress;
                const qint64 size = imageSize(e);
                const qint64 s = size + size % 2;
                out.line(QStringLiteral("PRT 1fh 28h 65h 10h %1h %2h 00h %3h %4h %5h;")
                             .arg(hh(a % 256), hh(a / 256), hh(s % 256), hh(s / 256), hh(s / 65536)));
                if (!writeData(out, context, i, image))
                    return 0;
                if (size % 2 != 0)
                    out.line(kOddPad);
            }
        }
        for (int n = 1; n <= 4; ++n) {
            if (context.areas.chkFROM[size_t(n)] != 1)
                continue;
            const qint64 u = context.map.fromUsed[size_t(n)];
            out.line();
            out.line(QStringLiteral("*** FROM (%1) ***").arg(n));
            out.line();
            out.line();
            out.line(QStringLiteral("*** Page Header ***"));
            out.line(QStringLiteral("PRT 1fh 28h 65h 10h 00h 00h %1h %2h %3h %4h;")
                         .arg(hh(n), hh(u % 256), hh(u / 256), hh(u / 65536)));
            out.line();
            if (!pageWalk(out, context, n, u, true))
                return 0;
        }
        out.line();
        out.line();
        out.line(QStringLiteral("*** Exit user set mode ***"));
        out.line();
        out.line(QStringLiteral("PRT 1fh 28h 65h 02h 4fh 55h 54h;"));
    }
    out.line(QStringLiteral("*** End of File ***"));
    out.line();
    return finish(out);
}

qint64 ImageExporter::writeExportFile(const QString &path, const ExportContext &context)
{
    if (context.seriesOption < 1 || context.seriesOption > 3)
        return 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_notifier.notify(image_msg::fileWriteError);
        return 0;
    }
    const qint64 written =
        context.seriesOption == 3 ? writeListUserSetMode(file, context) : writeListRewriteMode(file, context);
    if (written == 0) {
        file.cancelWriting();
        return 0;
    }
    // QSaveFile commits even when the last buffered bytes could not be written (a full
    // disk), replacing the old file by a cut one: the flush says so first.
    if (!file.flush()) {
        file.cancelWriting();
        m_notifier.notify(image_msg::fileWriteError);
        return 0;
    }
    if (!file.commit()) {
        m_notifier.notify(image_msg::fileWriteError);
        return 0;
    }
    return written;
}

AreaBoxStates exportAreaStates(const MemoryMap &map, int seriesOption, const QString &moduleSeri)
{
    AreaBoxStates s;
    s.ram = map.ramUsed != 0 && map.ramUsed <= ramLimit(moduleSeri);
    s.from[0] = map.fromUsed[0] != 0 && map.fromUsed[0] <= kFlashPage0Size;
    for (size_t n = 1; n < 16; ++n)
        s.from[n] = map.fromUsed[n] != 0 && map.fromUsed[n] <= map.fromPageSize;
    switch (seriesOption) {
    case 0: s = AreaBoxStates{}; break;
    case 1: s.ram = false; break;
    case 2:
        s.ram = false;
        for (size_t n = 1; n < 16; ++n)
            s.from[n] = false;
        break;
    case 3:
        for (size_t n = 5; n < 16; ++n)
            s.from[n] = false;
        break;
    default: break;
    }
    return s;
}

ExportAreas checkAllAreas(const AreaBoxStates &states)
{
    ExportAreas a;
    a.chkRAM = states.ram ? 1 : 0;
    for (size_t n = 0; n < 16; ++n)
        a.chkFROM[n] = states.from[n] ? 1 : 0;
    return a;
}

namespace {
QString byteUnit(bool japanese)
{
    return japanese ? QStringLiteral(" バイト") : QStringLiteral(" Byte");
}
} // namespace

QString ramBoxCaption(qint64 used, bool japanese)
{
    return QStringLiteral("RAM :") + rightAligned(QString::number(used), 6, 6) + byteUnit(japanese);
}

QString fromBoxCaption(int page, qint64 used, bool japanese)
{
    return QStringLiteral("ROM:") + rightAligned(QString::number(page), 2, 2) + QLatin1Char('-')
        + rightAligned(QString::number(used), 6, 8) + byteUnit(japanese);
}

ModuleBytes exportTextToBytes(const QString &text)
{
    ModuleBytes result;
    const QStringList lines = splitFileLines(text);
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        trimSpaces(line);
        if (!line.startsWith(QLatin1String("PRT")))
            continue;
        QString rest = line.mid(3);
        trimSpaces(rest);
        while (!rest.isEmpty()) {
            QString token = normalizeParamText(rest);
            if (token.isEmpty() && !rest.isEmpty()) {
                // A separator the export never writes (a comma).
                result.ok = false;
                result.errorLine = n + 1;
                result.errorToken = rest.left(1);
                result.bytes.clear();
                return result;
            }
            trimSpaces(rest);
            if (token.endsWith(QLatin1Char(';')))
                token.chop(1);
            if (token.isEmpty())
                continue;
            bool ok = false;
            uint value = 0;
            if (token.endsWith(QLatin1Char('h'))) {
                const QString digits = token.left(token.size() - 1);
                value = digits.toUInt(&ok, 16);
                ok = ok && !digits.isEmpty() && !digits.startsWith(QLatin1Char('+'))
                    && !digits.startsWith(QLatin1Char('-'));
            } else {
                value = token.toUInt(&ok, 10);
                ok = ok && !token.startsWith(QLatin1Char('+'));
            }
            if (!ok || value > 255) {
                result.ok = false;
                result.errorLine = n + 1;
                result.errorToken = token;
                result.bytes.clear();
                return result;
            }
            result.bytes.append(char(value));
        }
    }
    return result;
}

QString moduleBytesError(const ModuleBytes &bytes, const QString &language)
{
    return imageText(ImageText::ExportLineMalformed, language).arg(bytes.errorLine).arg(bytes.errorToken);
}

SendReport sendModuleBytes(ByteSink &sink, const QByteArray &bytes,
                           const std::function<void(qsizetype, qsizetype)> &progress)
{
    SendReport report;
    const SendRun run;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const SendResult r = sink.portOut(bytes.mid(i, 1));
        if (!wentOut(r)) {
            report.result = r;
            return report;
        }
        if (r == SendResult::NoLink)
            report.result = r;
        ++report.sent;
        if (progress)
            progress(report.sent, bytes.size());
    }
    return report;
}

} // namespace kvx
