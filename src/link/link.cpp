#include "link/link.h"

#include "link/numbers.h"
#include "link/send_run.h"
#include "link/serial_port_io.h"
#include "link/usb_link.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <optional>

#include <sys/prctl.h>
#include <time.h>

namespace kvx {

namespace {

constexpr qint64 NsPerMs = 1'000'000;

// Linux lets a sleeping thread wake up to 50 µs late by default: more than half a byte
// time at 115200 baud. While a send waits for the wire, the slack is cut to 1 µs.
class TimerSlack
{
public:
    TimerSlack() : m_old(::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0)) { ::prctl(PR_SET_TIMERSLACK, 1000UL, 0, 0, 0); }
    ~TimerSlack()
    {
        if (m_old > 0)
            ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(m_old), 0, 0, 0);
    }
    TimerSlack(const TimerSlack &) = delete;
    TimerSlack &operator=(const TimerSlack &) = delete;

private:
    long m_old;
};

} // namespace

void SteadyClock::pause(qint64 ns)
{
    if (ns <= 0)
        return;
    // Sleep at least a quarter of the time asked, so the lateness goes on being
    // measured even when it exceeds the time asked.
    const qint64 ask = qMax(ns - m_lateNs, ns / 4);
    const qint64 before = nsecs();
    const timespec t{time_t(ask / 1'000'000'000), long(ask % 1'000'000'000)};
    ::nanosleep(&t, nullptr);
    const qint64 late = nsecs() - before - ask;
    // Follows the wake-ups that are later than nine in ten: a rare long one (the
    // thread preempted) moves it only a little, and a busy machine, whose wake-ups
    // scatter more, does not make every tenth byte leave late.
    m_lateNs = std::clamp<qint64>(m_lateNs + (late > m_lateNs ? 2000 : -200), 0, 500'000);
}

Link::Link(QObject *parent) : QObject(parent) {}

Link::~Link() = default;

void Link::setClock(Clock *clock)
{
    m_clock = clock ? clock : &m_steadyClock;
    // Times kept from the clock before mean nothing on this one.
    m_wireFreeNs = 0;
    m_sentBefore = false;
}

void Link::setSerialPort(std::unique_ptr<SerialPortIo> port)
{
    m_serial = std::move(port);
    if (m_serial)
        m_serial->setLostHandler([this] { serialPortVanished(); });
}

void Link::releaseSerialPort()
{
    if (m_sending)
        m_releasedWhileSending = true;
    m_lostInRun = false;
    if (m_serial)
        m_serial->close();
    m_serial.reset();
}

void Link::usbBridgeGone()
{
    emit portLost();
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

SendResult Link::loseSerialPort()
{
    // A port that failed once holds the refused byte in its queue and would make
    // every later byte wait the whole ready time: it is closed instead, and the user
    // goes on-line again once the module is back. What sends by a timer stops before
    // the message stands.
    m_lostInRun = false;
    if (m_serial)
        m_serial->close();
    m_busyCount = -1;
    emit portLost();
    notify(QStringLiteral("Error has been detected.[AQ235]"));
    return SendResult::Failed;
}

void Link::serialPortVanished()
{
    // Closed meanwhile: gone off-line, or a send found the device gone first.
    if (!serialOpen())
        return;
    // Closed at once: a hung-up device stays readable (at end of file), and whatever
    // watches its handle would wake for it over and over.
    m_serial->close();
    if (SendRun::active()) {
        // Heard in the middle of a run: the send that waits on the port finds it closed,
        // or the run's next send finds the loss, and reports it (the run stops there);
        // a run that sends nothing more reports it once it is over.
        m_lostInRun = true;
        SendRun::afterRuns([link = QPointer<Link>(this)] {
            if (link && link->m_lostInRun)
                link->loseSerialPort();
        });
        return;
    }
    loseSerialPort();
}

void Link::beginEvents()
{
    // Sends that follow each other at once (a caller handing over one byte per call)
    // are one send for the window: its events stay due as they were.
    const qint64 now = m_clock->nsecs();
    if (!m_sentBefore || now - m_sendEndedNs > EventsEveryMs * NsPerMs)
        m_eventsDueNs = now + EventsEveryMs * NsPerMs;
    m_sentBefore = true;
}

void Link::runEventsIfDue()
{
    if (m_clock->nsecs() < m_eventsDueNs)
        return;
    // Timers (receive monitor, busy countdown) and painting run, but no clicks: a
    // click must not start another send in the middle of this one. A close request
    // of the main window is taken, and may give this send up.
    SendRun::runRound();
    m_eventsDueNs = m_clock->nsecs() + EventsEveryMs * NsPerMs;
}

bool Link::busy() const
{
    return m_sending || SendRun::interrupted();
}

bool Link::isSending() const
{
    return m_sending || SendRun::active();
}

void Link::takeHeldInput()
{
    // The input kept during the sends goes back to the queue as the event loop wakes
    // (SendRun's Rounds). One round of the event loop is not always enough (the platform
    // may bring a click in from the window system in one round and deliver it in the
    // next), so rounds run, taking input, until one finds nothing to do.
    QCoreApplication::processEvents(QEventLoop::AllEvents, HeldInputMs);
}

qint64 Link::pauseNs(qint64 now, qint64 waitStart, bool &sleptForWire) const
{
    // (A handler of the countdown may have released the port meanwhile.)
    const qint64 byteNs = m_serial ? m_serial->byteTimeNs() : 0;
    qint64 ns = 0;
    if (!sleptForWire && now < m_wireFreeNs) {
        // The byte before is still on the wire: sleep through most of it (a sleep cut
        // short by a round of events goes on after the round)...
        ns = m_wireFreeNs - now;
        if (ns <= m_eventsDueNs - now)
            sleptForWire = true;
    } else if (now < m_wireFreeNs + byteNs / 4) {
        // ...and poll near its end.
        ns = 0;
    } else {
        // The module holds the line (clear-to-send off, a full queue): look again
        // about once a byte time, less often the longer it lasts. Once the wait is
        // long, the program wakes only every LongWaitPollMs to look and run events,
        // so a module that stays busy for seconds costs next to nothing.
        const qint64 shortest = std::clamp<qint64>(byteNs, 50'000, NsPerMs);
        ns = std::clamp<qint64>((now - waitStart) / 16, shortest, LongWaitPollMs * NsPerMs);
        if (ns > EventsEveryMs * NsPerMs)
            return ns;
    }
    // Never sleep past the next run of events.
    return qMax<qint64>(0, qMin(ns, m_eventsDueNs - now));
}

Link::Wait Link::sendSerialByte(quint8 byte)
{
    const qint64 start = m_clock->nsecs();
    m_busyCount = ReadyTicks;
    emit busyCountChanged(m_busyCount);
    bool sleptForWire = false;
    for (;;) {
        runEventsIfDue();
        if (SendRun::cancelled())
            return Wait::Cancelled;
        if (!serialOpen())
            return Wait::Closed;
        if (m_serial->ctsHolding() && m_serial->outBufferCount() < 1) {
            const PortWrite w = m_serial->writeByte(byte);
            if (w == PortWrite::Taken) {
                m_wireFreeNs = m_clock->nsecs() + m_serial->byteTimeNs();
                m_busyCount = -1;
                return Wait::Sent;
            }
            if (w == PortWrite::Failed)
                return Wait::Failed;
            // A full queue: the module is not taking bytes; this one waits.
        }
        const qint64 now = m_clock->nsecs();
        const int left = ReadyTicks - int((now - start) / (TickMs * NsPerMs));
        if (left != m_busyCount) {
            m_busyCount = qMax(left, 0);
            emit busyCountChanged(m_busyCount);
        }
        if (left <= 0)
            return Wait::TimedOut;
        m_clock->pause(pauseNs(now, start, sleptForWire));
    }
}

SendResult Link::portOut(const QByteArray &bytes)
{
    // A sender that runs in the middle of a run (a timer's) would put its bytes
    // between the run's: it tries again on its next tick.
    if (busy())
        return SendResult::Busy;
    // The run was given up (the program is closing): its handler stops here.
    if (SendRun::cancelled())
        return SendResult::Failed;
    if (m_lostInRun)
        return loseSerialPort();
    const SendRun run;
    m_sending = true;
    struct Reset
    {
        Link &link;
        ~Reset()
        {
            link.m_sending = false;
            link.m_sendEndedNs = link.m_clock->nsecs();
        }
    } reset{*this};
    m_releasedWhileSending = false;

    emit sendStarted();
    if (bytes.isEmpty())
        return SendResult::Skipped;

    const bool linkAtStart = anyLinkOpen();
    std::optional<TimerSlack> slack;
    if (serialOpen())
        slack.emplace();
    beginEvents();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (serialOpen()) {
            const Wait w = sendSerialByte(quint8(bytes.at(i)));
            if (w == Wait::Cancelled) {
                m_busyCount = -1;
                return SendResult::Failed;
            }
            if (w == Wait::TimedOut) {
                m_busyCount = 0;
                notify(QStringLiteral("Display is not ready."));
                return SendResult::NotReady;
            }
            if (w == Wait::Closed) {
                // The port was closed while this byte waited (its device hung up):
                // the command is incomplete. Said only when the program did not
                // release it itself (going off-line under a waiting send).
                if (m_releasedWhileSending) {
                    m_busyCount = -1;
                    return SendResult::Failed;
                }
                return loseSerialPort();
            }
            if (w == Wait::Failed)
                return loseSerialPort();
        } else if (usbOpen()) {
            runEventsIfDue();
            if (SendRun::cancelled())
                return SendResult::Failed;
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
