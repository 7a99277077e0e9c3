#include "link/serial_settings.h"

namespace kvx {

std::optional<SerialSettings> SerialSettings::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    SerialSettings s;
    bool ok = false;
    s.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        return std::nullopt;
    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("neoms").contains(parity))
        return std::nullopt;
    s.parity = char(parity.at(0).unicode());
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return std::nullopt;
    const QString stop = parts[3].trimmed();
    if (stop == QLatin1String("1"))
        s.stopBits = 1;
    else if (stop == QLatin1String("1.5"))
        s.stopBits = 1.5;
    else if (stop == QLatin1String("2"))
        s.stopBits = 2;
    else
        return std::nullopt;
    return s;
}

const QStringList &serialSettingsChoices()
{
    static const QStringList choices = {QStringLiteral("38400,n,8,1"), QStringLiteral("19200,n,8,1"),
                                        QStringLiteral("9600,n,8,1"), QStringLiteral("115200,n,8,1")};
    return choices;
}

QString serialDevicePath(const QString &portName)
{
    const QString name = portName.trimmed();
    if (name.isEmpty() || name.compare(QLatin1String("USB"), Qt::CaseInsensitive) == 0)
        return QString();
    bool isNumber = false;
    const int n = name.toInt(&isNumber);
    if (isNumber)
        return n >= 1 ? QStringLiteral("/dev/ttyS%1").arg(n - 1) : QString();
    if (name.startsWith(QLatin1Char('/')))
        return name;
    if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return QStringLiteral("/dev/") + name;
}

} // namespace kvx
