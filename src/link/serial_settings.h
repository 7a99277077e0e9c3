#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kvx {

// A serial settings text such as "38400,n,8,1": baud rate, parity (n, e, o, m, s),
// data bits (5 to 8) and stop bits (1, 1.5 or 2).
struct SerialSettings
{
    int baudRate = 38400;
    char parity = 'n';
    int dataBits = 8;
    double stopBits = 1;

    // How long one byte takes on the wire: start bit, data bits, parity bit, stop bits.
    qint64 byteTimeNs() const
    {
        const double bits = 1 + dataBits + (parity == 'n' ? 0 : 1) + stopBits;
        return qint64(bits * 1e9 / baudRate);
    }

    static std::optional<SerialSettings> parse(const QString &text);
};

// The settings texts the connection offers.
const QStringList &serialSettingsChoices();

// What a port name in the port list names: a number n is /dev/ttyS<n-1>, a full
// path is itself, any other text a device under /dev ("ttyUSB0"). Empty when the
// text names no device ("0", "", "USB").
QString serialDevicePath(const QString &portName);

} // namespace kvx
