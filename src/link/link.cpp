#include "link/link.h"

#include "link/numbers.h"
#include "link/serial_port_io.h"
#include "link/usb_link.h"

#include <QCoreApplication>
#include <QThread>

namespace kvx {

void SteadyClock::idle(qint64 waitedMs)
{
    if (waitedMs >= 5)
        QThread::usleep(200);
}

Link::Link(QObject *parent)
    : QObject(parent)
{
}

Link::~Link() = default;

void Link::setClock(Clock *clock)
{
    m_clock = clock ? clock : &m_steadyClock;
}

void Link::setSerialPort(std::unique_ptr<SerialPortIo> port)
{
    m_serial = std::move(port);
}

void Link::releaseSerialPort()
{
    if (m_sending)
        m_releasedWhileSending = true;
    if (m_serial)
        m_serial->close();
    m_serial.reset();
}

bool Link::serialOpen() const
{
    return m_serial && m_serial->isOpen();
}

bool Link::usbOpen() const
{
    return m_usb && m_usb->IsUsbOpen();
}

bool Link::moduleReady() const
{
    if (serialOpen())
        return m_serial->ctsHolding();
    return usbOpen();
}

void Link::notify(const QString &message)
{
    if (m_notifier)
        m_notifier->notify(message);
}

SendResult Link::portLost()
{
    // A port that failed once holds the refused byte in its queue and would make
    // every later byte wait the whole ready time: it is closed instead, and the user
    // goes on-line again once the module is back.
    if (m_serial)
        m_serial->close();
    m_busyCount = -1;
    emit serialPortLost();
    notify(QStringLiteral("Error has been detected.[AQ235]"));
    return SendResult::Failed;
}

Link::Wait Link::waitUntilReady()
{
    const qint64 start = m_clock->msecs();
    qint64 lastEvents = start;
    m_busyCount = ReadyTicks;
    emit busyCountChanged(m_busyCount);
    for (;;) {
        if (!serialOpen())
            return Wait::Closed;
        if (m_serial->ctsHolding() && m_serial->outBufferCount() < 1)
            return Wait::Ready;
        const qint64 now = m_clock->msecs();
        const int left = ReadyTicks - int((now - start) / TickMs);
        if (left != m_busyCount) {
            m_busyCount = qMax(left, 0);
            emit busyCountChanged(m_busyCount);
        }
        if (left <= 0)
            return Wait::TimedOut;
        // Let timers (receive monitor, busy countdown) run, but no clicks: a click
        // must not start another send in the middle of this one.
        if (now - lastEvents >= 5) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            lastEvents = now;
        }
        m_clock->idle(now - start);
    }
}

SendResult Link::portOut(const QByteArray &bytes)
{
    if (m_sending)
        return SendResult::Busy;
    m_sending = true;
    struct Reset
    {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_sending};
    m_releasedWhileSending = false;

    emit sendStarted();
    if (bytes.isEmpty())
        return SendResult::Skipped;

    const bool linkAtStart = anyLinkOpen();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (serialOpen()) {
            const Wait w = waitUntilReady();
            if (w == Wait::TimedOut) {
                m_busyCount = 0;
                notify(QStringLiteral("Display is not ready."));
                return SendResult::NotReady;
            }
            if (w == Wait::Closed) {
                // The port went away while this byte waited: the command is
                // incomplete. Said only when the program did not close it itself
                // (shut-down releases the port under a waiting send).
                if (m_releasedWhileSending) {
                    m_busyCount = -1;
                    return SendResult::Failed;
                }
                return portLost();
            }
            if (!m_serial->writeByte(quint8(bytes.at(i))))
                return portLost();
            m_busyCount = -1;
        } else if (usbOpen()) {
            const qsizetype n = qMin<qsizetype>(8, bytes.size() - i);
            const SendResult r = m_usb->UsbWriteData(bytes.mid(i, n));
            if (r == SendResult::NotReady) {
                notify(QStringLiteral("Display is not ready."));
                return r;
            }
            if (r != SendResult::Sent) {
                notify(QStringLiteral("Error has been detected.[AQ235]"));
                return SendResult::Failed;
            }
            i += n - 1;
        } else if (linkAtStart) {
            // The link closed in the middle of the command.
            return SendResult::Failed;
        }
    }

    m_lastBytes = bytes;
    m_lastText = bracketHex(bytes);
    emit commandSent(m_lastBytes, m_lastText);
    return linkAtStart ? SendResult::Sent : SendResult::NoLink;
}

} // namespace kvx
