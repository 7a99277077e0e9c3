#pragma once

#include "link/byte_sink.h"
#include "link/usb_io_packet.h"
#include "link/usb_io_transport.h"
#include "link/usb_link.h"

#include <QString>

#include <functional>
#include <optional>

namespace kvx {

// How display bytes reach the module through the bridge.
enum class UsbMode {
    BusyOut,    // one data packet of up to 8 bytes; the chip does the handshake
    StatusRead, // the program polls the module's busy line before each byte
};

// The mode a settings-list text selects: "Status Read" (exactly), every other text Busy OUT.
UsbMode usbModeForSettings(const QString &settingsText);

// The device path of the bridge: the value UsbIo/DeviceName of the program's INI
// settings file, empty when missing.
QString usbDevicePathSetting();

// The USB link to the module through the USB I/O bridge: opens the bridge's device,
// sets up the chip's ports, selects the mode and writes display bytes. Messages are
// English only. One link at a time; everything runs on the user-interface thread.
class UsbIoLink : public UsbLink
{
public:
    using PathReader = std::function<QString()>;

    // Busy polls allowed before each byte in Status Read mode.
    static constexpr int StatusReadPolls = 1000;
    static inline const QString DeviceNotFound = QStringLiteral("Device Not Found!");

    UsbIoLink(UsbIoTransport &transport, Notifier &notifier, PathReader readDevicePath = usbDevicePathSetting);

    // ---- device access ----
    // Reads the device path and opens it; a link still open is closed first.
    bool OpenDevice();
    // Closes the device; the link counts as closed afterwards even when closing failed
    // ("Error closing file"). Closing a closed link does nothing.
    bool CloseDevice();
    void CloseUsbLink() { CloseDevice(); }
    bool IsUsbOpen() const override { return m_transport.isOpen(); }
    // The device path is configured and the bridge is there.
    bool UsbDriverInstalled();
    // The path last read, or "Device Not Found!" after a failed open.
    QString UsbDevicePath() const { return m_devicePath; }

    // ---- set-up and mode ----
    // Opens the device, sets up the chip's ports and sends the packet of the mode
    // chosen last. False when the device did not open or a packet failed; the link is
    // then closed.
    bool InitUsbLink();
    UsbMode mode() const { return m_mode; }
    // Remembers the mode and, while the link is open, sends its packet (false when that
    // failed). With the link closed the mode only waits for the next set-up.
    bool setMode(UsbMode mode);

    // ---- module access ----
    // Busy (true) or ready (false); nullopt when the bridge failed.
    std::optional<bool> UsbReadStatus();
    bool UsbWriteByte(quint8 byte);
    // Writes display bytes in the current mode: Sent, NotReady when the module stayed
    // busy for StatusReadPolls polls before a byte (the rest is not sent), Failed when
    // the bridge failed or the link is closed.
    SendResult UsbWriteData(const QByteArray &chunk) override;

    // ---- link watch ----
    // One tick of the 100 ms link watch: closes the link when the bridge is gone.
    // Returns whether the bridge is still there.
    bool watchTick();

    // What the bridge met when an exchange last failed.
    UsbIoTransport::Failure lastFailure() const { return m_transport.lastFailure(); }

private:
    // Sends one packet and returns the reply; nullopt when the bridge failed. With the
    // link closed: "SendPacket() Handle invalid!" and an all-zero reply.
    std::optional<QByteArray> SendPacket(UsbIoPacket packet);
    bool send(const UsbIoPacket &packet) { return SendPacket(packet).has_value(); }
    bool sendModePacket();

    UsbIoTransport &m_transport;
    Notifier &m_notifier;
    PathReader m_readDevicePath;
    QString m_devicePath;
    UsbMode m_mode = UsbMode::BusyOut;
};

} // namespace kvx
