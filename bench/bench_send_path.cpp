// The sending routine against the wire:
// - through a port that drains at a set baud rate in real time (one byte is 10 bit
//   times: start, 8 data, stop): the rate reached against the line rate, the CPU time
//   the process spent over the wall time, and the longest gap between the ticks of a
//   16 ms timer (the window's timers and painting) during the send;
// - through a pseudo-terminal pair whose reader stops reading for 3 s in the middle of
//   60,000 bytes: every byte must arrive, in order, and the send end as sent;
// - through a pseudo-terminal that vanishes while nothing is sent (its master side
//   closes, as an adapter pulled out), with the receive monitor running as in the
//   window: the CPU share while the vanished port waits, the messages the user got
//   and whether the port was closed.
// Figures depend on the machine's load: run it when the machine is quiet.

#include "link/link.h"
#include "link/qt_serial_port.h"
#include "link/receive_monitor.h"
#include "link/serial_port_io.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <pty.h>
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace kvx;
using WallClock = std::chrono::steady_clock;

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double secondsSince(WallClock::time_point start)
{
    return std::chrono::duration<double>(WallClock::now() - start).count();
}

// Takes a byte and is busy for one byte time, as a UART at the given rate would be.
class DrainingPort : public SerialPortIo
{
public:
    explicit DrainingPort(int baud) : m_byteTime(std::chrono::nanoseconds(10'000'000'000LL / baud)) {}
    QString open(const QString &, const QString &) override { return QString(); }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    QString deviceName() const override { return QStringLiteral("drain"); }
    qint64 byteTimeNs() const override { return m_byteTime.count(); }
    bool ctsHolding() override { return true; }
    int outBufferCount() override { return WallClock::now() < m_busyUntil ? 1 : 0; }
    PortWrite writeByte(quint8) override
    {
        const auto now = WallClock::now();
        m_busyUntil = (now > m_busyUntil ? now : m_busyUntil) + m_byteTime;
        ++written;
        return PortWrite::Taken;
    }
    int inBufferCount() override { return 0; }
    QByteArray readAll() override { return QByteArray(); }
    WallClock::time_point busyUntil() const { return m_busyUntil; }
    qint64 written = 0;

private:
    std::chrono::nanoseconds m_byteTime;
    WallClock::time_point m_busyUntil = WallClock::now();
    bool m_open = true;
};

QByteArray payload(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

// A 16 ms timer, as the window's own: the longest gap between its ticks.
class TickWatch
{
public:
    TickWatch()
    {
        m_timer.setInterval(16);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const auto now = WallClock::now();
            m_longest = std::max(m_longest, std::chrono::duration<double, std::milli>(now - m_last).count());
            m_last = now;
            ++ticks;
        });
    }
    void start()
    {
        m_last = WallClock::now();
        m_timer.start();
    }
    double longestGapMs()
    {
        m_timer.stop();
        return std::max(m_longest, std::chrono::duration<double, std::milli>(WallClock::now() - m_last).count());
    }
    int ticks = 0;

private:
    QTimer m_timer;
    WallClock::time_point m_last;
    double m_longest = 0;
};

void drainingRun(int baud, qsizetype size)
{
    Link link;
    auto port = std::make_unique<DrainingPort>(baud);
    DrainingPort *p = port.get();
    link.setSerialPort(std::move(port));
    const QByteArray bytes = payload(size);
    TickWatch watch;
    watch.start();
    const double cpuStart = cpuSeconds();
    const auto start = WallClock::now();
    const SendResult r = link.portOut(bytes);
    // The last byte still has to leave the wire.
    std::this_thread::sleep_until(p->busyUntil());
    const double secs = secondsSince(start);
    const double cpu = cpuSeconds() - cpuStart;
    const double gap = watch.longestGapMs();
    const double rate = double(p->written) / secs;
    const double line = baud / 10.0;
    std::printf("draining port %6d baud: %s, %lld bytes in %.3f s = %.0f B/s, ratio to line rate %.4f; "
                "CPU %.3f s = %.1f%% of one core; 16 ms timer: %d ticks, longest gap %.1f ms\n",
                baud, r == SendResult::Sent ? "sent" : "FAILED", static_cast<long long>(p->written), secs, rate,
                rate / line, cpu, 100.0 * cpu / secs, watch.ticks, gap);
}

// The program's port on a pseudo-terminal; the reader on the master side stops for
// `stallSeconds` once half of the bytes have arrived.
void ptyRun(qsizetype size, double stallSeconds)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::printf("pseudo-terminal: openpty failed\n");
        return;
    }
    termios raw{};
    tcgetattr(master, &raw);
    cfmakeraw(&raw);
    tcsetattr(master, TCSANOW, &raw);
    const QByteArray bytes = payload(size);
    QByteArray received;
    std::atomic<qsizetype> got{0};
    std::thread reader([&] {
        char buf[4096];
        bool stalled = false;
        while (received.size() < bytes.size()) {
            if (!stalled && received.size() >= bytes.size() / 2) {
                stalled = true;
                std::this_thread::sleep_for(std::chrono::duration<double>(stallSeconds));
            }
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0)
                got = received.append(buf, n).size();
            else if (n < 0)
                break; // the program's side closed
            // A module takes what has come every millisecond, not byte by byte.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    Link link;
    auto port = std::make_unique<QtSerialPort>();
    const QString err = port->open(QString::fromLocal8Bit(name), QStringLiteral("115200,n,8,1"));
    if (!err.isEmpty()) {
        std::printf("pseudo-terminal: open failed: %s\n", qPrintable(err));
    } else {
        link.setSerialPort(std::move(port));
        TickWatch watch;
        watch.start();
        const double cpuStart = cpuSeconds();
        const auto start = WallClock::now();
        const SendResult r = link.portOut(bytes);
        const double sendSecs = secondsSince(start);
        const double cpu = cpuSeconds() - cpuStart;
        const double gap = watch.longestGapMs();
        const bool open = link.serialOpen();
        // What is still in the pseudo-terminal arrives a moment later.
        for (int i = 0; i < 500 && got < bytes.size(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        link.releaseSerialPort();
        ::close(slave);
        reader.join();
        std::printf("pseudo-terminal, reader stalled %.1f s: %s, port %s, %lld of %lld bytes received, %s; "
                    "send %.3f s, CPU %.3f s = %.1f%% of one core; 16 ms timer longest gap %.1f ms\n",
                    stallSeconds, r == SendResult::Sent ? "sent" : "FAILED", open ? "open" : "CLOSED",
                    static_cast<long long>(received.size()), static_cast<long long>(bytes.size()),
                    received == bytes ? "in order" : "NOT THE BYTES SENT", sendSecs, cpu, 100.0 * cpu / sendSecs, gap);
    }
    if (reader.joinable()) {
        ::close(slave);
        reader.join();
    }
    ::close(master);
}

// Counts the messages the user would see.
class CountingNotifier : public Notifier
{
public:
    void notify(const QString &) override { ++shown; }
    int shown = 0;
};

// The port opened last (as ON opens it), then its device vanishes while nothing is
// sent; the program waits for `seconds` with the receive monitor polling.
void vanishedRun(double seconds)
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::printf("vanished port: openpty failed\n");
        return;
    }
    ::close(slave);
    Link link;
    CountingNotifier notifier;
    link.setNotifier(&notifier);
    auto port = std::make_unique<QtSerialPort>();
    const QString err = port->open(QString::fromLocal8Bit(name), QStringLiteral("38400,n,8,1"));
    if (!err.isEmpty()) {
        std::printf("vanished port: open failed: %s\n", qPrintable(err));
        ::close(master);
        return;
    }
    ReceiveMonitor monitor(port.get());
    link.setSerialPort(std::move(port));
    const auto runFor = [](double s) {
        QEventLoop loop;
        QTimer::singleShot(int(s * 1000), &loop, &QEventLoop::quit);
        loop.exec();
    };
    runFor(0.2);
    ::close(master);
    const double cpuStart = cpuSeconds();
    const auto start = WallClock::now();
    runFor(seconds);
    const double secs = secondsSince(start);
    const double cpu = cpuSeconds() - cpuStart;
    std::printf("vanished port, %.1f s waiting: CPU %.3f s = %.2f%% of one core; %d message(s); port %s\n", secs, cpu,
                100.0 * cpu / secs, notifier.shown, link.serialOpen() ? "STILL OPEN" : "closed");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The runs named on the command line ("9600", "38400", "115200", "pty", "vanished"),
    // else all.
    const QStringList runs = app.arguments().mid(1);
    const auto wanted = [&runs](const char *name) { return runs.isEmpty() || runs.contains(QLatin1String(name)); };
    // About 8 s of sending at each rate.
    if (wanted("9600"))
        drainingRun(9600, 8 * 1024);
    if (wanted("38400"))
        drainingRun(38400, 32 * 1024);
    if (wanted("115200"))
        drainingRun(115200, 64 * 1024);
    if (wanted("pty"))
        ptyRun(60'000, 3.0);
    if (wanted("vanished"))
        vanishedRun(5.0);
    return 0;
}
