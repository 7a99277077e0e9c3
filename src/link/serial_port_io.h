#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace kvx {

// What became of a byte handed to the port.
enum class PortWrite {
    Taken,    // the port took the byte
    NotTaken, // the port's queue is full ("would block"): the module is not ready yet
    Failed,   // a real error (the device is gone): the port is lost
};

// What the program needs of a serial port: open and close with a settings text,
// the clear-to-send line, the bytes still waiting to go out, a one-byte write and
// the bytes received. The real port is QSerialPort; tests use fakes.
class SerialPortIo
{
public:
    virtual ~SerialPortIo() = default;

    // Opens the named port ("/dev/ttyS0", "/dev/pts/3", ...) with settings such as
    // "38400,n,8,1" and hardware flow control. Returns an empty text on success,
    // otherwise why it failed.
    virtual QString open(const QString &device, const QString &settings) = 0;
    virtual void close() = 0;
    // Drops what waits in the output queue, unsent (the program is closing).
    virtual void discardOutput() {}
    virtual bool isOpen() const = 0;
    virtual QString deviceName() const = 0;
    // How long one byte (start bit, data, parity and stop bits) takes on the wire at
    // the open port's settings, in nanoseconds; 0 when not known.
    virtual qint64 byteTimeNs() const = 0;

    // The module is ready to take a byte when it holds clear-to-send and nothing is
    // still waiting in the output queue.
    virtual bool ctsHolding() = 0;
    virtual int outBufferCount() = 0;
    // Hands one byte to the port without blocking.
    virtual PortWrite writeByte(quint8 byte) = 0;

    virtual int inBufferCount() = 0;
    virtual QByteArray readAll() = 0;

    // Called once per opening, from the event loop, when the open port's device is
    // found gone (the line hung up, an adapter pulled out) without a write failing.
    // The port stays open: the owner decides what becomes of it.
    virtual void setLostHandler(std::function<void()> lost) { (void)lost; }
};

} // namespace kvx
