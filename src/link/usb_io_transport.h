#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kvx {

// The road to the USB I/O bridge: open its device, exchange one request for the
// bridge's 8-byte reply, close it again, and tell whether the device is still there.
// The program uses LinuxUsbIoTransport; tests put a stand-in chip here.
class UsbIoTransport
{
public:
    enum class OpenResult {
        Opened,
        Unavailable, // the device is not there or refused to open
        Error,       // something else went wrong on the way (see lastFailure())
    };
    // What the last failed operation met: the system's error number and its text.
    struct Failure
    {
        int number = 0;
        QString text;
    };

    virtual ~UsbIoTransport() = default;

    virtual OpenResult open(const QString &path) = 0;
    // Closed afterwards in every case; false when the system reported an error.
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
    // The device at path exists and, when it is open, has not hung up.
    virtual bool isPresent(const QString &path) = 0;
    // Sends one request and returns the 8 reply bytes; nullopt when the exchange failed.
    virtual std::optional<QByteArray> exchange(const QByteArray &request) = 0;
    virtual Failure lastFailure() const = 0;
};

} // namespace kvx
