#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>

namespace kvx {

// What the Intel HEX writer puts in front of the macro data block: nothing, or the
// program of one of the three demonstration boards.
enum class HexVariant { Plain, KdbT640, Pic, Tq };

// The firmware file of a board, looked for in the program's own folder:
// "KDB-T640.hex", "PIC.hex" or "TQ.hex".
QString demoFirmwareFileName(HexVariant board);

// A board's firmware as read from its Intel HEX file.
struct DemoFirmware
{
    QStringList records; // the file's records before its end record, as they stand
    QString problem;     // why the file cannot be used; empty when it can
    // The addresses its data records fill, each as its first and last address.
    QList<std::pair<int, int>> spans;
    bool ok() const { return problem.isEmpty(); }
    // The lowest address from `address` on that the firmware fills; 0x10000 when none.
    int firstFilledFrom(int address) const;
};

// Checks the text of a board's firmware file: every non-empty line an Intel HEX record
// with a correct length and checksum, data records and the board's extended-address
// record (for address 0 only) before one end-of-file record, and every data byte in the
// board's code ranges (KDB-T640 0x0000-0x0185; PIC 0x0000-0x0003, 0x0008-0x0025,
// 0x0100-0x0167 and the configuration word 0x400E-0x400F; TQ 0x0000-0x0037 and
// 0x0200-0x02FD). The PIC's configuration word lies above the macro data's start
// (0x0400), so it bounds how large a macro its image can hold.
DemoFirmware checkDemoFirmware(HexVariant board, const QByteArray &fileText);

// Reads and checks the board's firmware file in the given folder.
DemoFirmware readDemoFirmware(HexVariant board, const QString &folder);

} // namespace kvx
