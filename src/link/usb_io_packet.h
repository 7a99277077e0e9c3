#pragma once

#include <QByteArray>

#include <array>
#include <optional>

namespace kvx {

// One request to the USB I/O bridge chip. The layout is 16 bytes, little-endian; the
// bridge is handed the 8-byte head followed by the first `Length` bytes of `DataExt`,
// and answers every request with 8 bytes.
struct UsbIoPacket
{
    static constexpr quint8 RecipientValue = 8;
    static constexpr quint8 DeviceModelValue = 18;
    static constexpr quint8 MajorWrite = 10;
    static constexpr quint8 MajorRead = 11;
    static constexpr int HeadSize = 8;
    static constexpr int MaxData = 8;
    static constexpr int ReplySize = 8;

    quint8 Recipient = 0;
    quint8 DeviceModel = 0;
    quint8 MajorCmd = 0;
    quint8 MinorCmd = 0;
    quint8 DataLSB = 0;
    quint8 DataMSB = 0;
    qint16 Length = 0;
    std::array<quint8, MaxData> DataExt{};

    // The request bytes: head and the DataExt bytes in use (Length is kept within 0..8).
    QByteArray requestBytes() const;
    // Reads request bytes back into a packet; nullopt when they are not a whole request.
    static std::optional<UsbIoPacket> fromRequest(const QByteArray &request);

    // The packets the link sends; Recipient and DeviceModel are filled in on sending.
    static UsbIoPacket busyOutMode();
    static UsbIoPacket statusReadMode();
    static UsbIoPacket cmd32(quint8 pin, quint8 value);
    static UsbIoPacket cmd33(quint8 pin, quint8 value);
    static UsbIoPacket cmd12(quint8 value);
    static UsbIoPacket cmd11(quint8 value);
    static UsbIoPacket statusRead();
    static UsbIoPacket writeByte(quint8 byte);
    // Display bytes for the chip to hand over with its own handshake; at most 8 are taken.
    static UsbIoPacket data(const QByteArray &bytes);

    bool operator==(const UsbIoPacket &) const = default;
};

} // namespace kvx
