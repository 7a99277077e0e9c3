#include "support/pty_module.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace kvx::test {

namespace {

bool makeRaw(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

} // namespace

PtyModule::PtyModule()
{
    char name[256] = {};
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        m_error = QStringLiteral("openpty: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    if (!makeRaw(master) || !makeRaw(slave) || fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK) != 0) {
        m_error = QStringLiteral("raw mode: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::close(master);
        ::close(slave);
        return;
    }
    fcntl(master, F_SETFD, FD_CLOEXEC);
    fcntl(slave, F_SETFD, FD_CLOEXEC);
    m_master = master;
    m_slave = slave;
    m_slavePath = QString::fromLocal8Bit(name);
}

PtyModule::~PtyModule()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

QByteArray PtyModule::readAvailable()
{
    QByteArray got;
    if (m_master < 0)
        return got;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            got.append(buf, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: nothing more for now
    }
    m_received += got;
    return got;
}

bool PtyModule::waitForBytes(qsizetype n, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        readAvailable();
        if (m_received.size() >= n)
            return true;
        if (deadline.hasExpired() || m_master < 0)
            return false;
        // Let the program's timers and queued work run, then sleep until bytes come
        // (or a short while, so events are processed again).
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd p{m_master, POLLIN, 0};
        const int slice = int(qMin<qint64>(5, qMax<qint64>(0, deadline.remainingTime())));
        ::poll(&p, 1, slice);
    }
}

bool PtyModule::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return false;
    qsizetype done = 0;
    QDeadlineTimer deadline(5000);
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (deadline.hasExpired())
            return false;
        pollfd p{m_master, POLLOUT, 0};
        ::poll(&p, 1, 5);
    }
    return true;
}

void PtyModule::closeMaster()
{
    if (m_master < 0)
        return;
    // Bytes written on the slave reach the master a moment later: collect until the
    // line has been quiet for a while, so received() holds all that was sent.
    for (;;) {
        readAvailable();
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
            break;
    }
    ::close(m_master);
    m_master = -1;
}

} // namespace kvx::test
