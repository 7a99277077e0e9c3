// Throughput of the sending routine: 64 KiB through portOut to a port that drains at
// a set baud rate in real time (one byte is 10 bit times: start, 8 data, stop), and
// 64 KiB through a pseudo-terminal pair with a reader on the other side.

#include "link/link.h"
#include "link/qt_serial_port.h"
#include "link/serial_port_io.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <pty.h>
#include <thread>
#include <unistd.h>

using namespace kvx;
using WallClock = std::chrono::steady_clock;

namespace {

// Takes a byte and is busy for one byte time, as a UART at the given rate would be.
class DrainingPort : public SerialPortIo
{
public:
    explicit DrainingPort(int baud)
        : m_byteTime(std::chrono::nanoseconds(10'000'000'000LL / baud))
    {
    }
    QString open(const QString &, const QString &) override { return QString(); }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    QString deviceName() const override { return QStringLiteral("drain"); }
    bool ctsHolding() override { return true; }
    int outBufferCount() override { return WallClock::now() < m_busyUntil ? 1 : 0; }
    bool writeByte(quint8) override
    {
        const auto now = WallClock::now();
        m_busyUntil = (now > m_busyUntil ? now : m_busyUntil) + m_byteTime;
        ++written;
        return true;
    }
    int inBufferCount() override { return 0; }
    QByteArray readAll() override { return QByteArray(); }
    qint64 written = 0;

private:
    std::chrono::nanoseconds m_byteTime;
    WallClock::time_point m_busyUntil = WallClock::now();
    bool m_open = true;
};

QByteArray payload()
{
    QByteArray bytes(64 * 1024, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    return bytes;
}

void drainingRun(int baud)
{
    Link link;
    auto port = std::make_unique<DrainingPort>(baud);
    DrainingPort *p = port.get();
    link.setSerialPort(std::move(port));
    const QByteArray bytes = payload();
    const auto start = WallClock::now();
    const SendResult r = link.portOut(bytes);
    // The last byte still has to leave the wire.
    while (p->outBufferCount() > 0) {
    }
    const double secs = std::chrono::duration<double>(WallClock::now() - start).count();
    const double rate = double(p->written) / secs;
    const double line = baud / 10.0;
    std::printf("draining port %6d baud: %s, %lld bytes in %.3f s = %.0f B/s, ratio to line rate %.4f\n", baud,
                r == SendResult::Sent ? "sent" : "FAILED", static_cast<long long>(p->written), secs, rate,
                rate / line);
}

void ptyRun()
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::printf("pseudo-terminal: openpty failed\n");
        return;
    }
    std::atomic<long long> received{0};
    std::atomic<bool> stop{false};
    std::thread reader([&] {
        char buf[4096];
        while (!stop) {
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n > 0)
                received += n;
            else if (n < 0)
                break;
        }
    });
    Link link;
    auto port = std::make_unique<QtSerialPort>();
    const QString err = port->open(QString::fromLocal8Bit(name), QStringLiteral("115200,n,8,1"));
    if (!err.isEmpty()) {
        std::printf("pseudo-terminal: open failed: %s\n", qPrintable(err));
    } else {
        link.setSerialPort(std::move(port));
        const QByteArray bytes = payload();
        const auto start = WallClock::now();
        const SendResult r = link.portOut(bytes);
        while (received < bytes.size() && std::chrono::duration<double>(WallClock::now() - start).count() < 60)
            std::this_thread::yield();
        const double secs = std::chrono::duration<double>(WallClock::now() - start).count();
        std::printf("pseudo-terminal: %s, %lld of %lld bytes received in %.3f s = %.0f B/s\n",
                    r == SendResult::Sent ? "sent" : "FAILED", received.load(),
                    static_cast<long long>(bytes.size()), secs, double(received) / secs);
        link.releaseSerialPort();
    }
    stop = true;
    ::close(slave);
    ::close(master);
    reader.join();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    drainingRun(38400);
    drainingRun(115200);
    ptyRun();
    return 0;
}
