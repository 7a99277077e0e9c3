#include "link/usb_linux_transport.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace kvx {

namespace {

qint64 elapsedMs(const timespec &since)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - since.tv_sec) * 1000 + (now.tv_nsec - since.tv_nsec) / 1000000;
}

} // namespace

LinuxUsbIoTransport::LinuxUsbIoTransport(int replyTimeoutMs) : m_replyTimeoutMs(replyTimeoutMs) {}

LinuxUsbIoTransport::~LinuxUsbIoTransport()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void LinuxUsbIoTransport::fail(int error)
{
    m_failure = {error, QString::fromLocal8Bit(std::strerror(error))};
}

UsbIoTransport::OpenResult LinuxUsbIoTransport::open(const QString &path)
{
    if (m_fd >= 0)
        close();
    const QByteArray native = QFile::encodeName(path);
    struct stat st = {};
    if (::stat(native.constData(), &st) != 0) {
        fail(errno);
        return OpenResult::Unavailable;
    }
    if (S_ISSOCK(st.st_mode)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(native.size()) >= sizeof(address.sun_path)) {
            fail(ENAMETOOLONG);
            return OpenResult::Error;
        }
        std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            fail(errno);
            return OpenResult::Error;
        }
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
            fail(errno);
            ::close(fd);
            return OpenResult::Unavailable;
        }
        m_fd = fd;
        m_socket = true;
        return OpenResult::Opened;
    }
    const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        fail(errno);
        return OpenResult::Unavailable;
    }
    m_fd = fd;
    m_socket = false;
    return OpenResult::Opened;
}

bool LinuxUsbIoTransport::close()
{
    if (m_fd < 0)
        return true;
    const int result = ::close(m_fd);
    m_fd = -1;
    if (result != 0) {
        fail(errno);
        return false;
    }
    return true;
}

bool LinuxUsbIoTransport::isPresent(const QString &path)
{
    struct stat st = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    if (m_fd < 0)
        return true;
    // A bridge that was pulled out (or a peer that went away) shows as a hang-up on
    // the open handle even while its path lingers.
    pollfd p{m_fd, short(m_socket ? POLLRDHUP : 0), 0};
    if (::poll(&p, 1, 0) < 0)
        return errno == EINTR;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL | POLLRDHUP)) == 0;
}

std::optional<QByteArray> LinuxUsbIoTransport::exchange(const QByteArray &request)
{
    if (m_fd < 0) {
        fail(EBADF);
        return std::nullopt;
    }
    qsizetype sent = 0;
    while (sent < request.size()) {
        const char *from = request.constData() + sent;
        const size_t left = size_t(request.size() - sent);
        // A socket whose peer is gone must give an error, not end the program by SIGPIPE.
        const ssize_t n = m_socket ? ::send(m_fd, from, left, MSG_NOSIGNAL) : ::write(m_fd, from, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
            return std::nullopt;
        }
        sent += n;
    }

    QByteArray reply(8, '\0');
    int got = 0;
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    while (got < reply.size()) {
        const qint64 left = m_replyTimeoutMs - elapsedMs(start);
        if (left <= 0) {
            fail(ETIMEDOUT);
            return std::nullopt;
        }
        pollfd p{m_fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left));
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
            return std::nullopt;
        }
        if (ready == 0)
            continue; // the deadline check above ends the wait
        const ssize_t n = ::read(m_fd, reply.data() + got, size_t(reply.size() - got));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            fail(errno);
            return std::nullopt;
        }
        if (n == 0) {
            // The other end closed before answering.
            fail(EPIPE);
            return std::nullopt;
        }
        got += int(n);
    }
    return reply;
}

} // namespace kvx
