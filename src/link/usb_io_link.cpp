#include "link/usb_io_link.h"

#include "link/app_paths.h"

#include <QSettings>

namespace kvx {

UsbMode usbModeForSettings(const QString &settingsText)
{
    return settingsText == QLatin1String("Status Read") ? UsbMode::StatusRead : UsbMode::BusyOut;
}

QString usbDevicePathSetting()
{
    QSettings settings(settingsIniPath(), QSettings::IniFormat);
    QString path = settings.value(QStringLiteral("UsbIo/DeviceName")).toString();
    const qsizetype nul = path.indexOf(QChar(u'\0'));
    if (nul >= 0)
        path.truncate(nul);
    return path;
}

UsbIoLink::UsbIoLink(UsbIoTransport &transport, Notifier &notifier, PathReader readDevicePath)
    : m_transport(transport), m_notifier(notifier), m_readDevicePath(std::move(readDevicePath))
{
}

bool UsbIoLink::OpenDevice()
{
    // Opening over an open link would leave the old handle dangling.
    if (m_transport.isOpen())
        m_transport.close();
    m_devicePath = m_readDevicePath ? m_readDevicePath() : QString();
    if (m_devicePath.isEmpty()) {
        m_notifier.notify(QStringLiteral("Unable to open device, check connection and power."));
        m_devicePath = DeviceNotFound;
        return false;
    }
    switch (m_transport.open(m_devicePath)) {
    case UsbIoTransport::OpenResult::Opened: return true;
    case UsbIoTransport::OpenResult::Unavailable:
        m_notifier.notify(QStringLiteral("Unable to open device, check connection and power"));
        m_devicePath = DeviceNotFound;
        return false;
    case UsbIoTransport::OpenResult::Error: break;
    }
    const UsbIoTransport::Failure failure = m_transport.lastFailure();
    m_notifier.notify(QStringLiteral("OpenDevice() ERROR #%1 : %2").arg(failure.number).arg(failure.text));
    return false;
}

bool UsbIoLink::CloseDevice()
{
    if (!m_transport.isOpen())
        return true;
    if (m_transport.close())
        return true;
    m_notifier.notify(QStringLiteral("Error closing file"));
    return false;
}

bool UsbIoLink::UsbDriverInstalled()
{
    m_devicePath = m_readDevicePath ? m_readDevicePath() : QString();
    return !m_devicePath.isEmpty() && m_transport.isPresent(m_devicePath);
}

std::optional<QByteArray> UsbIoLink::SendPacket(UsbIoPacket packet)
{
    if (!m_transport.isOpen()) {
        m_notifier.notify(QStringLiteral("SendPacket() Handle invalid!"));
        return QByteArray(UsbIoPacket::ReplySize, '\0');
    }
    packet.Recipient = UsbIoPacket::RecipientValue;
    packet.DeviceModel = UsbIoPacket::DeviceModelValue;
    return m_transport.exchange(packet.requestBytes());
}

bool UsbIoLink::sendModePacket()
{
    return send(m_mode == UsbMode::StatusRead ? UsbIoPacket::statusReadMode() : UsbIoPacket::busyOutMode());
}

bool UsbIoLink::InitUsbLink()
{
    if (!OpenDevice())
        return false;
    bool ok = true;
    for (quint8 pin = 0; ok && pin < 8; ++pin)
        ok = send(UsbIoPacket::cmd32(pin, 15)) && send(UsbIoPacket::cmd33(pin, 0));
    ok = ok && send(UsbIoPacket::cmd12(127)) && sendModePacket();
    if (!ok) {
        // A half set-up chip must not be written to: leave the link closed.
        CloseDevice();
        return false;
    }
    return true;
}

bool UsbIoLink::setMode(UsbMode mode)
{
    m_mode = mode;
    return !IsUsbOpen() || sendModePacket();
}

std::optional<bool> UsbIoLink::UsbReadStatus()
{
    if (!send(UsbIoPacket::cmd11(255)))
        return std::nullopt;
    const std::optional<QByteArray> reply = SendPacket(UsbIoPacket::statusRead());
    if (!reply)
        return std::nullopt;
    return reply->isEmpty() ? false : (quint8(reply->at(0)) & 0x80) != 0;
}

bool UsbIoLink::UsbWriteByte(quint8 byte)
{
    return send(UsbIoPacket::cmd11(255)) && send(UsbIoPacket::writeByte(byte));
}

SendResult UsbIoLink::UsbWriteData(const QByteArray &chunk)
{
    if (!IsUsbOpen()) {
        // Nothing can reach the module: say so rather than report the bytes as sent.
        m_notifier.notify(QStringLiteral("SendPacket() Handle invalid!"));
        return SendResult::Failed;
    }
    if (m_mode == UsbMode::BusyOut) {
        // One packet carries at most 8 bytes; a longer chunk goes in several.
        for (qsizetype at = 0; at < chunk.size(); at += UsbIoPacket::MaxData) {
            if (!send(UsbIoPacket::data(chunk.mid(at, UsbIoPacket::MaxData))))
                return SendResult::Failed;
        }
        return SendResult::Sent;
    }
    for (const char byte : chunk) {
        bool busy = true;
        for (int poll = 0; busy && poll < StatusReadPolls; ++poll) {
            const std::optional<bool> status = UsbReadStatus();
            if (!status)
                return SendResult::Failed;
            busy = *status;
        }
        if (busy)
            return SendResult::NotReady;
        if (!UsbWriteByte(quint8(byte)))
            return SendResult::Failed;
    }
    return SendResult::Sent;
}

bool UsbIoLink::watchTick()
{
    if (UsbDriverInstalled())
        return true;
    CloseDevice();
    return false;
}

} // namespace kvx
