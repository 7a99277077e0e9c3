#include "support/pty_module.h"
#include "support/test_main.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using kvx::test::PtyModule;

namespace {

// The program's side of the pair, opened the way a serial port is.
class SlaveFd
{
public:
    explicit SlaveFd(const QString &path) : fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
    }
    ~SlaveFd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool write(const QByteArray &b) const { return ::write(fd, b.constData(), size_t(b.size())) == b.size(); }
    QByteArray read(qsizetype n, int timeoutMs = 2000) const
    {
        QByteArray out;
        QElapsedTimer t;
        t.start();
        while (out.size() < n && t.elapsed() < timeoutMs) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 10) > 0) {
                char buf[512];
                const ssize_t got = ::read(fd, buf, sizeof buf);
                if (got > 0)
                    out.append(buf, got);
            }
        }
        return out;
    }
    int fd;
};

QByteArray everyByteValue()
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    return all;
}

} // namespace

class TestPtyModule : public QObject
{
    Q_OBJECT
private slots:
    void everyByteValueArrivesUnchanged()
    {
        PtyModule module;
        QVERIFY2(module.isOpen(), qPrintable(module.errorString()));
        QVERIFY(module.slavePath().startsWith("/dev/"));
        SlaveFd program(module.slavePath());
        QVERIFY(program.fd >= 0);
        // Twice, so line-discipline mappings (CR/LF, XON/XOFF, ^C) would show.
        QVERIFY(program.write(everyByteValue()));
        QVERIFY(program.write(everyByteValue()));
        QVERIFY(module.waitForBytes(512));
        QCOMPARE(module.received(), everyByteValue() + everyByteValue());
        QVERIFY(module.readAvailable().isEmpty());
    }

    void theModuleAnswersUnchanged()
    {
        PtyModule module;
        SlaveFd program(module.slavePath());
        const QByteArray reply = everyByteValue();
        QVERIFY(module.write(reply));
        QCOMPARE(program.read(reply.size()), reply);
        QVERIFY(module.received().isEmpty()); // no echo comes back
        QVERIFY(!module.waitForBytes(1, 20));
    }

    void waitingRunsEventsAndKeepsItsDeadline()
    {
        PtyModule module;
        SlaveFd program(module.slavePath());
        QTimer::singleShot(20, [&] { program.write("AB"); });
        QVERIFY(module.waitForBytes(2, 5000)); // only a timer event can write them

        QElapsedTimer t;
        t.start();
        QVERIFY(!module.waitForBytes(3, 100));
        QVERIFY(t.elapsed() >= 100);
        QVERIFY(t.elapsed() < 2000);
        QCOMPARE(module.received(), QByteArray("AB"));
        module.clearReceived();
        QVERIFY(module.received().isEmpty());
    }

    void aSerialPortWithHandshakeWorksOnTheSlave()
    {
        PtyModule module;
        QSerialPort port(module.slavePath());
        port.setBaudRate(38400);
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        QVERIFY(port.setFlowControl(QSerialPort::HardwareControl));
        port.write("\x1b\x40\x0d\x11", 4);
        QVERIFY(port.waitForBytesWritten(2000));
        QVERIFY(module.waitForBytes(4));
        QCOMPARE(module.received(), QByteArray("\x1b\x40\x0d\x11", 4));

        QVERIFY(module.write("\x13\x0a"));
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (got.size() < 2 && t.elapsed() < 2000) {
            port.waitForReadyRead(50);
            got += port.readAll();
        }
        QCOMPARE(got, QByteArray("\x13\x0a"));
    }
};

KVX_TEST_MAIN(TestPtyModule)
#include "tst_pty_module.moc"
