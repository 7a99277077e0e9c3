#pragma once

#include "shell/port_scan.h"

#include <QMap>

#include <functional>

namespace kvx::test {

// Serial devices that exist only in a table: each device path with what a probe of
// it finds. Records the devices probed, in order.
class FakePortProber : public PortProber
{
public:
    QStringList devices() override { return ports.keys(); }
    PortState probe(const QString &device) override
    {
        probed << device;
        if (onProbe)
            onProbe(device);
        return ports.value(device, PortState::NotExist);
    }

    QMap<QString, PortState> ports;
    QStringList probed;
    std::function<void(const QString &)> onProbe; // runs inside each probe
};

} // namespace kvx::test
