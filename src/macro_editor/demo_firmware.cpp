#include "macro_editor/demo_firmware.h"

#include <QDir>
#include <QFile>

#include <cctype>
#include <utility>
#include <vector>

namespace kvx {

namespace {

using Range = std::pair<int, int>; // first and last address

std::vector<Range> codeRanges(HexVariant board)
{
    switch (board) {
    case HexVariant::KdbT640: return {{0x0000, 0x0185}};
    case HexVariant::Pic: return {{0x0000, 0x0003}, {0x0008, 0x0025}, {0x0100, 0x0167}, {0x400E, 0x400F}};
    case HexVariant::Tq: return {{0x0000, 0x0037}, {0x0200, 0x02FD}};
    case HexVariant::Plain: break;
    }
    return {};
}

// The record type a board's program uses to set the upper address bits to 0.
int addressRecordType(HexVariant board)
{
    switch (board) {
    case HexVariant::Pic: return 0x04; // extended linear address
    case HexVariant::Tq: return 0x02;  // extended segment address
    default: return -1;
    }
}

bool inRanges(const std::vector<Range> &ranges, int first, int last)
{
    for (const Range &r : ranges) {
        if (first >= r.first && last <= r.second)
            return true;
    }
    return false;
}

// A firmware file is a few kilobytes; anything much larger is not one.
constexpr qint64 MaxFirmwareFileSize = 256 * 1024;

} // namespace

QString demoFirmwareFileName(HexVariant board)
{
    switch (board) {
    case HexVariant::KdbT640: return QStringLiteral("KDB-T640.hex");
    case HexVariant::Pic: return QStringLiteral("PIC.hex");
    case HexVariant::Tq: return QStringLiteral("TQ.hex");
    case HexVariant::Plain: break;
    }
    return QString();
}

DemoFirmware checkDemoFirmware(HexVariant board, const QByteArray &fileText)
{
    DemoFirmware fw;
    const std::vector<Range> ranges = codeRanges(board);
    if (ranges.empty()) {
        fw.problem = QStringLiteral("no demonstration board");
        return fw;
    }
    const auto fail = [&fw](int line, const QString &why) {
        fw.records.clear();
        fw.spans.clear();
        fw.problem = QStringLiteral("line %1: %2").arg(line).arg(why);
        return fw;
    };
    bool ended = false;
    int dataRecords = 0;
    const QList<QByteArray> lines = fileText.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int number = int(i + 1);
        if (line.isEmpty())
            continue;
        if (ended)
            return fail(number, QStringLiteral("record after the end record"));
        if (!line.startsWith(':') || line.size() < 11 || (line.size() - 1) % 2 != 0)
            return fail(number, QStringLiteral("not an Intel HEX record"));
        const QByteArray digits = line.mid(1);
        for (char c : digits) {
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return fail(number, QStringLiteral("not an Intel HEX record"));
        }
        const QByteArray bytes = QByteArray::fromHex(digits);
        const int length = uchar(bytes.at(0));
        if (bytes.size() != length + 5)
            return fail(number, QStringLiteral("wrong record length"));
        int sum = 0;
        for (char b : bytes)
            sum += uchar(b);
        if (sum % 256 != 0)
            return fail(number, QStringLiteral("wrong checksum"));
        const int address = uchar(bytes.at(1)) * 256 + uchar(bytes.at(2));
        const int type = uchar(bytes.at(3));
        if (type == 0x00) {
            if (length == 0 || !inRanges(ranges, address, address + length - 1))
                return fail(number, QStringLiteral("data outside the board's program ranges"));
            fw.spans.append({address, address + length - 1});
            ++dataRecords;
        } else if (type == 0x01) {
            if (length != 0)
                return fail(number, QStringLiteral("wrong end record"));
            ended = true;
            continue; // the image ends with its own end record
        } else if (type == addressRecordType(board)) {
            if (length != 2 || address != 0 || bytes.at(4) != 0 || bytes.at(5) != 0)
                return fail(number, QStringLiteral("extended address other than 0"));
        } else {
            return fail(number,
                        QStringLiteral("record type %1 not used by this board").arg(type, 2, 16, QLatin1Char('0')));
        }
        fw.records.append(QString::fromLatin1(line));
    }
    if (!ended)
        return fail(int(lines.size()), QStringLiteral("no end record"));
    if (dataRecords == 0)
        return fail(int(lines.size()), QStringLiteral("no program data"));
    return fw;
}

int DemoFirmware::firstFilledFrom(int address) const
{
    int first = 0x10000;
    for (const auto &[from, to] : spans) {
        if (to >= address)
            first = qMin(first, qMax(from, address));
    }
    return first;
}

DemoFirmware readDemoFirmware(HexVariant board, const QString &folder)
{
    QFile file(QDir(folder).filePath(demoFirmwareFileName(board)));
    DemoFirmware fw;
    if (!file.open(QIODevice::ReadOnly)) {
        fw.problem = file.fileName() + QStringLiteral(": ") + file.errorString();
        return fw;
    }
    if (file.size() > MaxFirmwareFileSize) {
        fw.problem = file.fileName() + QStringLiteral(": too large for a firmware file");
        return fw;
    }
    return checkDemoFirmware(board, file.readAll());
}

} // namespace kvx
