#pragma once

#include "link/usb_io_transport.h"

namespace kvx {

// The bridge as a device file: a character device (written and read directly) or a
// Unix-domain stream socket (connected, then the same write-request, read-reply
// exchange). A reply that does not come within the reply timeout fails the exchange,
// so a silent bridge cannot hang the program.
class LinuxUsbIoTransport : public UsbIoTransport
{
public:
    explicit LinuxUsbIoTransport(int replyTimeoutMs = 2000);
    ~LinuxUsbIoTransport() override;
    LinuxUsbIoTransport(const LinuxUsbIoTransport &) = delete;
    LinuxUsbIoTransport &operator=(const LinuxUsbIoTransport &) = delete;

    OpenResult open(const QString &path) override;
    bool close() override;
    bool isOpen() const override { return m_fd >= 0; }
    bool isPresent(const QString &path) override;
    std::optional<QByteArray> exchange(const QByteArray &request) override;
    Failure lastFailure() const override { return m_failure; }

private:
    void fail(int error);

    int m_fd = -1;
    bool m_socket = false;
    int m_replyTimeoutMs;
    Failure m_failure;
};

} // namespace kvx
