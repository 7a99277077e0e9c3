#pragma once

#include "support/usb_fake_chip.h"

#include <QTemporaryDir>

#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kvx::test {

// The bridge chip served on a Unix-domain socket by a thread of its own, so the
// program's blocking exchange finds an answer: reads each request (8-byte head plus
// Length data bytes) and answers with the 8 bytes UsbChip gives.
class UsbSocketChip
{
public:
    UsbSocketChip() : m_path(m_dir.filePath(QStringLiteral("usbio.sock")))
    {
        m_listen = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = m_path.toLocal8Bit();
        std::memcpy(address.sun_path, native.constData(),
                    std::min(size_t(native.size()), sizeof(address.sun_path) - 1));
        m_ok = m_listen >= 0 && ::bind(m_listen, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0
            && ::listen(m_listen, 4) == 0;
        m_thread = std::thread([this] { serve(); });
    }
    ~UsbSocketChip() { vanish(); }

    bool listening() const { return m_ok; }
    QString path() const { return m_path; }

    // Runs f on the chip under its lock (set it up, or read what it received).
    template <typename F> auto with(F f)
    {
        std::lock_guard lock(m_mutex);
        return f(m_chip);
    }

    // Stops answering: requests then wait in vain.
    void goSilent() { m_silent = true; }
    // Hangs up the connection but leaves the socket file in place.
    void hangUp()
    {
        m_hangUp = true;
        waitFor([this] { return m_hungUp.load(); });
    }
    // The bridge is gone: connection closed, socket file removed.
    void vanish()
    {
        if (!m_thread.joinable())
            return;
        m_stop = true;
        m_thread.join();
        if (m_listen >= 0)
            ::close(m_listen);
        m_listen = -1;
        ::unlink(m_path.toLocal8Bit().constData());
    }

private:
    template <typename P> static void waitFor(P done)
    {
        for (int i = 0; i < 500 && !done(); ++i)
            ::usleep(2000);
    }

    bool readExactly(int fd, char *to, int n)
    {
        int got = 0;
        while (got < n) {
            if (m_stop || m_hangUp)
                return false;
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const ssize_t r = ::read(fd, to + got, size_t(n - got));
            if (r <= 0)
                return false;
            got += int(r);
        }
        return true;
    }

    void serve()
    {
        while (!m_stop && m_ok) {
            pollfd p{m_listen, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const int fd = ::accept(m_listen, nullptr, nullptr);
            if (fd < 0)
                continue;
            for (;;) {
                QByteArray request(UsbIoPacket::HeadSize, '\0');
                if (!readExactly(fd, request.data(), UsbIoPacket::HeadSize))
                    break;
                const int length = quint8(request[6]) | (quint8(request[7]) << 8);
                QByteArray data(std::min(length, UsbIoPacket::MaxData), '\0');
                if (!readExactly(fd, data.data(), int(data.size())))
                    break;
                request += data;
                QByteArray reply;
                {
                    std::lock_guard lock(m_mutex);
                    reply = m_chip.answer(request);
                }
                if (!m_silent && ::send(fd, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL) < 0)
                    break;
            }
            ::close(fd);
            if (m_hangUp) {
                m_hungUp = true;
                // Stay hung up: no new connection is taken until the chip vanishes.
                while (!m_stop)
                    ::usleep(2000);
            }
        }
    }

    QTemporaryDir m_dir;
    QString m_path;
    int m_listen = -1;
    bool m_ok = false;
    std::mutex m_mutex;
    UsbChip m_chip;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_silent{false};
    std::atomic<bool> m_hangUp{false};
    std::atomic<bool> m_hungUp{false};
    std::thread m_thread;
};

} // namespace kvx::test
