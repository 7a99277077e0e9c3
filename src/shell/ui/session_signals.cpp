#include "shell/ui/session_signals.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QList>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kvx {

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing: it writes a byte that the event loop reads.
int g_writeEnd = -1;

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_writeEnd, &byte, 1);
    errno = saved;
}

class SessionSignals : public QObject
{
public:
    static SessionSignals &instance()
    {
        static QPointer<SessionSignals> one;
        if (!one)
            one = new SessionSignals;
        return *one;
    }

    void add(QWidget *mainWindow)
    {
        m_windows.removeAll(nullptr);
        m_windows << mainWindow;
    }

private:
    SessionSignals() : QObject(QCoreApplication::instance())
    {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
            return;
        m_readEnd = ends[0];
        g_writeEnd = ends[1];
        m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionSignals::received);
        m_waitForModal.setInterval(200);
        connect(&m_waitForModal, &QTimer::timeout, this, &SessionSignals::requestClose);
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int s : Signals)
            ::sigaction(s, &action, nullptr);
    }

    void received()
    {
        char bytes[64];
        while (::read(m_readEnd, bytes, sizeof bytes) > 0) {}
        requestClose();
    }

    void requestClose()
    {
        // A window behind a modal dialog takes no close request: it is asked for once
        // the dialog has been answered.
        if (QGuiApplication::modalWindow()) {
            m_waitForModal.start();
            return;
        }
        m_waitForModal.stop();
        for (const QPointer<QWidget> &w : std::as_const(m_windows)) {
            if (!w)
                continue;
            if (QWindow *window = w->windowHandle())
                QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(window);
            else
                w->close();
        }
    }

    int m_readEnd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_waitForModal;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace

void closeOnSessionSignals(QWidget *mainWindow)
{
    SessionSignals::instance().add(mainWindow);
}

} // namespace kvx
