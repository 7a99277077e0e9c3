#include "link/usb_io_packet.h"

#include <algorithm>

namespace kvx {

namespace {

UsbIoPacket make(quint8 major, quint8 minor, quint8 lsb, quint8 msb)
{
    UsbIoPacket p;
    p.MajorCmd = major;
    p.MinorCmd = minor;
    p.DataLSB = lsb;
    p.DataMSB = msb;
    return p;
}

} // namespace

QByteArray UsbIoPacket::requestBytes() const
{
    const int length = std::clamp<int>(Length, 0, MaxData);
    QByteArray out(HeadSize + length, '\0');
    out[0] = char(Recipient);
    out[1] = char(DeviceModel);
    out[2] = char(MajorCmd);
    out[3] = char(MinorCmd);
    out[4] = char(DataLSB);
    out[5] = char(DataMSB);
    out[6] = char(quint16(Length) & 0xff);
    out[7] = char(quint16(Length) >> 8);
    for (int i = 0; i < length; ++i)
        out[HeadSize + i] = char(DataExt[size_t(i)]);
    return out;
}

std::optional<UsbIoPacket> UsbIoPacket::fromRequest(const QByteArray &request)
{
    if (request.size() < HeadSize)
        return std::nullopt;
    const auto byte = [&](int i) { return quint8(request[i]); };
    UsbIoPacket p = make(byte(2), byte(3), byte(4), byte(5));
    p.Recipient = byte(0);
    p.DeviceModel = byte(1);
    p.Length = qint16(quint16(byte(6) | (byte(7) << 8)));
    if (p.Length < 0 || p.Length > MaxData || request.size() != HeadSize + p.Length)
        return std::nullopt;
    for (int i = 0; i < p.Length; ++i)
        p.DataExt[size_t(i)] = byte(HeadSize + i);
    return p;
}

UsbIoPacket UsbIoPacket::busyOutMode()
{
    return make(MajorWrite, 40, 9, 0);
}
UsbIoPacket UsbIoPacket::statusReadMode()
{
    return make(MajorWrite, 40, 1, 0);
}
UsbIoPacket UsbIoPacket::cmd32(quint8 pin, quint8 value)
{
    return make(MajorWrite, 32, value, pin);
}
UsbIoPacket UsbIoPacket::cmd33(quint8 pin, quint8 value)
{
    return make(MajorWrite, 33, value, pin);
}
UsbIoPacket UsbIoPacket::cmd12(quint8 value)
{
    return make(MajorWrite, 12, quint8(255 - value), value);
}
UsbIoPacket UsbIoPacket::cmd11(quint8 value)
{
    return make(MajorWrite, 11, quint8(255 - value), value);
}
UsbIoPacket UsbIoPacket::statusRead()
{
    return make(MajorRead, 2, 2, 1);
}
UsbIoPacket UsbIoPacket::writeByte(quint8 byte)
{
    return make(MajorWrite, 14, byte, 1);
}

UsbIoPacket UsbIoPacket::data(const QByteArray &bytes)
{
    UsbIoPacket p = make(MajorWrite, 16, 0, 1);
    const int n = std::min<int>(int(bytes.size()), MaxData);
    p.Length = qint16(n);
    for (int i = 0; i < n; ++i)
        p.DataExt[size_t(i)] = quint8(bytes[i]);
    return p;
}

} // namespace kvx
