#pragma once

#include "link/serial_port_io.h"

#include <QSerialPort>
#include <QSocketNotifier>

#include <memory>

namespace kvx {

// A real serial port: QSerialPort with hardware flow control. The modem lines and
// the kernel's output queue are read with ioctl on the port's handle; a device
// without modem lines (a pseudo-terminal) counts as always clear-to-send, so a
// pseudo-terminal can stand in for a module. A device that hangs up is reported to the
// lost handler once per opening, found on the port's handle itself.
class QtSerialPort : public SerialPortIo
{
public:
    QtSerialPort();
    ~QtSerialPort() override;

    QString open(const QString &device, const QString &settings) override;
    void close() override;
    void discardOutput() override;
    bool isOpen() const override;
    QString deviceName() const override;
    qint64 byteTimeNs() const override { return m_byteTimeNs; }
    bool ctsHolding() override;
    int outBufferCount() override;
    // Writes straight to the port's handle, so that a full queue ("would block")
    // tells apart from a device that is gone.
    PortWrite writeByte(quint8 byte) override;
    int inBufferCount() override;
    QByteArray readAll() override;
    void setLostHandler(std::function<void()> lost) override { m_lost = std::move(lost); }

private:
    void hangUpSignalled();
    bool hungUp() const;

    QSerialPort m_port;
    // Wakes when the port's handle polls as hung up (or in error).
    std::unique_ptr<QSocketNotifier> m_hangUpWatch;
    QString m_device;
    qint64 m_byteTimeNs = 0;
    std::function<void()> m_lost;
    bool m_lostNoticed = false;
};

} // namespace kvx
