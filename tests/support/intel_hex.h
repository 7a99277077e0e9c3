#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kvx::test {

// One Intel HEX record with its checksum.
inline QString hexRecord(int type, int address, const QByteArray &data)
{
    QByteArray r;
    r.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF)).append(char(type));
    r += data;
    int sum = 0;
    for (char b : r)
        sum += uchar(b);
    r.append(char((256 - sum % 256) % 256));
    return QLatin1Char(':') + QString::fromLatin1(r.toHex().toUpper());
}

// Data records of `size` made-up program bytes from `address`, 16 per record.
inline QStringList hexData(int address, int size)
{
    QStringList records;
    for (int pos = 0; pos < size; pos += 16) {
        QByteArray d;
        for (int k = 0; k < qMin(16, size - pos); ++k)
            d.append(char((address + pos + k) * 13 + 5));
        records << hexRecord(0, address + pos, d);
    }
    return records;
}

// Firmware files shaped as each demonstration board's program is: KDB-T640 390 bytes
// from 0; PIC an extended linear address record, code at 0-3, 8-0x25, 0x100-0x167 and
// the configuration word at 0x400E; TQ an extended segment address record, code at
// 0-0x37 and 0x200-0x2FD. Without the end record.
inline QStringList kdbFirmware()
{
    return hexData(0, 390);
}
inline QStringList picFirmware()
{
    return QStringList{hexRecord(4, 0, QByteArray(2, 0))} + hexData(0, 4) + hexData(8, 30) + hexData(0x100, 104)
        + hexData(0x400E, 2);
}
inline QStringList tqFirmware()
{
    return QStringList{hexRecord(2, 0, QByteArray(2, 0))} + hexData(0, 56) + hexData(0x200, 254);
}
inline QByteArray firmwareFile(const QStringList &records)
{
    return (records.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n:00000001FF\r\n")).toLatin1();
}

} // namespace kvx::test
