#include "shell/qt_port_prober.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace kvx {

QStringList QtPortProber::devices()
{
    QStringList out;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        out << info.systemLocation();
    return out;
}

PortState QtPortProber::probe(const QString &device)
{
    QSerialPort port;
    port.setPortName(device);
    port.setBaudRate(38400);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::HardwareControl);
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return PortState::Available;
    }
    const QFileInfo file(device);
    if (port.error() == QSerialPort::PermissionError && file.exists() && file.isReadable() && file.isWritable())
        return PortState::InUse;
    return PortState::NotExist;
}

} // namespace kvx
