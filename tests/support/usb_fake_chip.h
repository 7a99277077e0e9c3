#pragma once

#include "link/usb_io_packet.h"
#include "link/usb_io_transport.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>

namespace kvx::test {

// Plays the USB I/O bridge chip and the module behind it: keeps every request, collects
// the display bytes that reach the module and answers status reads, busy for a set
// number of polls before a given byte.
struct UsbChip
{
    QList<QByteArray> requests;
    QList<UsbIoPacket> packets;
    int badRequests = 0;
    QByteArray moduleBytes;
    // Index of a display byte -> status reads that answer busy before it goes out.
    QHash<int, int> busyBeforeByte;
    quint8 busyReply = 0x80;
    quint8 readyReply = 0x7f;
    int statusReads = 0;

    QByteArray answer(const QByteArray &request)
    {
        requests.append(request);
        QByteArray reply(UsbIoPacket::ReplySize, '\0');
        const std::optional<UsbIoPacket> p = UsbIoPacket::fromRequest(request);
        if (!p || p->Recipient != UsbIoPacket::RecipientValue || p->DeviceModel != UsbIoPacket::DeviceModelValue) {
            ++badRequests;
            return reply;
        }
        packets.append(*p);
        if (p->MajorCmd == UsbIoPacket::MajorRead && p->MinorCmd == 2) {
            ++statusReads;
            int &busyLeft = busyBeforeByte[int(moduleBytes.size())];
            reply[0] = char(busyLeft > 0 ? busyReply : readyReply);
            if (busyLeft > 0)
                --busyLeft;
        } else if (p->MajorCmd == UsbIoPacket::MajorWrite && p->MinorCmd == 14) {
            moduleBytes.append(char(p->DataLSB));
        } else if (p->MajorCmd == UsbIoPacket::MajorWrite && p->MinorCmd == 16) {
            for (int i = 0; i < p->Length; ++i)
                moduleBytes.append(char(p->DataExt[size_t(i)]));
        }
        return reply;
    }

    // The packets as (MajorCmd, MinorCmd, DataLSB, DataMSB) texts, "10,32,15,0", for
    // readable comparisons.
    QStringList heads(int from = 0) const
    {
        QStringList out;
        for (qsizetype i = from; i < packets.size(); ++i) {
            const UsbIoPacket &p = packets[i];
            out.append(QStringLiteral("%1,%2,%3,%4").arg(p.MajorCmd).arg(p.MinorCmd).arg(p.DataLSB).arg(p.DataMSB));
        }
        return out;
    }
};

// The chip in memory, behind the transport interface; it can refuse to open, fail an
// exchange, fail to close and vanish.
class FakeUsbTransport : public UsbIoTransport
{
public:
    OpenResult open(const QString &path) override
    {
        openedPaths.append(path);
        if (openResult == OpenResult::Opened)
            m_open = true;
        return openResult;
    }
    bool close() override
    {
        m_open = false;
        return !closeFails;
    }
    bool isOpen() const override { return m_open; }
    bool isPresent(const QString &) override { return present; }
    std::optional<QByteArray> exchange(const QByteArray &request) override
    {
        const int number = exchanges++;
        if (!m_open || number == failAtExchange)
            return std::nullopt;
        return chip.answer(request);
    }
    Failure lastFailure() const override { return failure; }

    UsbChip chip;
    OpenResult openResult = OpenResult::Opened;
    Failure failure{5, QStringLiteral("Input/output error")};
    bool closeFails = false;
    bool present = true;
    int failAtExchange = -1; // the exchange (counted from 0) that fails
    int exchanges = 0;
    QStringList openedPaths;

private:
    bool m_open = false;
};

} // namespace kvx::test
