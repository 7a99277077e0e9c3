#include "link/qt_serial_port.h"

#include "link/serial_settings.h"

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace kvx {

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort()
{
    close();
}

QString QtSerialPort::open(const QString &device, const QString &settings)
{
    close();
    const auto s = SerialSettings::parse(settings);
    if (!s)
        return QStringLiteral("Invalid settings \"%1\"").arg(settings);
    if (device.isEmpty())
        return QStringLiteral("No port");
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite))
        return m_port.errorString();
    QSerialPort::Parity parity = QSerialPort::NoParity;
    switch (s->parity) {
    case 'e': parity = QSerialPort::EvenParity; break;
    case 'o': parity = QSerialPort::OddParity; break;
    case 'm': parity = QSerialPort::MarkParity; break;
    case 's': parity = QSerialPort::SpaceParity; break;
    default: break;
    }
    const auto stop = s->stopBits == 2 ? QSerialPort::TwoStop
        : s->stopBits == 1.5           ? QSerialPort::OneAndHalfStop
                                       : QSerialPort::OneStop;
    // A pseudo-terminal takes no line settings; only a refused baud rate on a
    // device that has one is an error worth reporting.
    const bool ok = m_port.setBaudRate(s->baudRate);
    m_port.setParity(parity);
    m_port.setDataBits(QSerialPort::DataBits(s->dataBits));
    m_port.setStopBits(stop);
    m_port.setFlowControl(QSerialPort::HardwareControl);
    if (!ok && m_port.error() != QSerialPort::UnsupportedOperationError) {
        const QString why = m_port.errorString();
        m_port.close();
        return why;
    }
    m_port.clearError();
    m_lostNoticed = false;
    // A device that goes away (an adapter pulled out, the far end of a pseudo-terminal
    // closed) hangs the line up: its handle then polls as hung up and in error, and
    // reads as end of file. What QSerialPort makes of that end of file depends on the
    // Qt version (a read error of whatever kind a stale errno says, or nothing at all
    // while it goes on reading the handle at full speed), so the handle is watched
    // here: an exception notifier wakes on the error, and only then.
    m_hangUpWatch = std::make_unique<QSocketNotifier>(qintptr(m_port.handle()), QSocketNotifier::Exception);
    QObject::connect(m_hangUpWatch.get(), &QSocketNotifier::activated, &m_port, [this] { hangUpSignalled(); });
    m_device = device;
    m_byteTimeNs = s->byteTimeNs();
    return QString();
}

void QtSerialPort::close()
{
    // Before the handle goes: a notifier must not outlive its handle.
    m_hangUpWatch.reset();
    if (m_port.isOpen())
        m_port.close();
    m_lostNoticed = false;
    m_device.clear();
    m_byteTimeNs = 0;
}

void QtSerialPort::discardOutput()
{
    if (m_port.isOpen())
        m_port.clear(QSerialPort::Output);
}

bool QtSerialPort::isOpen() const
{
    return m_port.isOpen();
}

QString QtSerialPort::deviceName() const
{
    return m_device;
}

bool QtSerialPort::hungUp() const
{
    pollfd p{int(m_port.handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void QtSerialPort::hangUpSignalled()
{
    if (m_lostNoticed || !m_port.isOpen() || !hungUp())
        return;
    m_lostNoticed = true;
    // The hang-up lasts: the notifier would wake again on every round of events.
    m_hangUpWatch->setEnabled(false);
    // Told from the event loop, not from inside the notifier's own signal: the handler
    // closes the port, which deletes the notifier.
    QMetaObject::invokeMethod(
        &m_port,
        [this] {
            if (m_lostNoticed && m_port.isOpen() && m_lost)
                m_lost();
        },
        Qt::QueuedConnection);
}

bool QtSerialPort::ctsHolding()
{
    if (!m_port.isOpen())
        return false;
    int status = 0;
    if (::ioctl(int(m_port.handle()), TIOCMGET, &status) != 0)
        return true; // no modem lines (a pseudo-terminal): always ready
    return (status & TIOCM_CTS) != 0;
}

int QtSerialPort::outBufferCount()
{
    if (!m_port.isOpen())
        return 0;
    int queued = 0;
    if (::ioctl(int(m_port.handle()), TIOCOUTQ, &queued) != 0)
        queued = 0;
    return int(m_port.bytesToWrite()) + queued;
}

PortWrite QtSerialPort::writeByte(quint8 byte)
{
    if (!m_port.isOpen())
        return PortWrite::Failed;
    // The handle is non-blocking: the byte goes to the kernel at once (so the output
    // queue tells when it has gone) or is refused while the queue is full.
    const char c = char(byte);
    const ssize_t n = ::write(int(m_port.handle()), &c, 1);
    if (n == 1)
        return PortWrite::Taken;
    if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        return PortWrite::NotTaken;
    return PortWrite::Failed;
}

int QtSerialPort::inBufferCount()
{
    if (!m_port.isOpen())
        return 0;
    m_port.waitForReadyRead(0);
    return int(m_port.bytesAvailable());
}

QByteArray QtSerialPort::readAll()
{
    if (!m_port.isOpen())
        return QByteArray();
    m_port.waitForReadyRead(0);
    return m_port.readAll();
}

} // namespace kvx
