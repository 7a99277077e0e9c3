#pragma once

#include "shell/port_scan.h"

namespace kvx {

// The system's serial ports: the devices QSerialPortInfo reports, probed by opening
// them as the link would (38400,n,8,1, RTS/CTS) and closing them again. A device
// that refuses us although we may read and write it is held by someone else (Qt's
// lock file or an exclusive open): in use. Any other failure: not there.
class QtPortProber : public PortProber
{
public:
    QStringList devices() override;
    PortState probe(const QString &device) override;
};

} // namespace kvx
