#include "shell/ui/session_signals.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QSocketNotifier>

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

    void add(QObject *window, std::function<void()> end)
    {
        m_ends.removeIf([](const End &e) { return !e.window; });
        m_ends.append({window, std::move(end)});
    }

private:
    struct End
    {
        QPointer<QObject> window;
        std::function<void()> end;
    };

    SessionSignals() : QObject(QCoreApplication::instance())
    {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
            return;
        m_readEnd = ends[0];
        g_writeEnd = ends[1];
        m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionSignals::received);
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int s : Signals)
            ::sigaction(s, &action, nullptr);
    }

    // Runs in whichever event loop is innermost (a dialog's, a send's round): the
    // shut-down does not wait for the dialogs to go, and what it asks is answered at
    // once. A dialog that stays up regardless ends with every event loop as the program
    // quits.
    void received()
    {
        char bytes[64];
        while (::read(m_readEnd, bytes, sizeof bytes) > 0) {}
        const QList<End> ends = m_ends;
        for (const End &e : ends)
            if (e.window)
                e.end();
        QList<QPointer<QDialog>> dialogs;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QDialog *>(w); dialog && dialog->isVisible())
                dialogs << dialog;
        for (const QPointer<QDialog> &dialog : std::as_const(dialogs))
            if (dialog)
                dialog->reject();
    }

    int m_readEnd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QList<End> m_ends;
};

} // namespace

void endOnSessionSignals(QObject *window, std::function<void()> end)
{
    SessionSignals::instance().add(window, std::move(end));
}

} // namespace kvx
