#pragma once

#include "link/byte_sink.h"

#include <QByteArray>

namespace kvx {

// What the sending routine needs of the USB link: whether it is open, and a write of
// one chunk of 1 to 8 bytes that reports whether the chunk reached the module.
class UsbLink
{
public:
    virtual ~UsbLink() = default;
    virtual bool IsUsbOpen() const = 0;
    // Sent when every byte went out; NotReady when the module stayed busy; Failed on a
    // driver error.
    virtual SendResult UsbWriteData(const QByteArray &chunk) = 0;
};

} // namespace kvx
