#include "shell/ui/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace kvx {

namespace {

// A press of a mouse button, a key or a touch, as the window system hands the user's
// input over (the program's own events are not spontaneous).
bool isUserPress(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::TouchBegin: return event->spontaneous();
    default: return false;
    }
}

QWindow *topWindowOf(QObject *receiver)
{
    if (auto *widget = qobject_cast<QWidget *>(receiver))
        return widget->window()->windowHandle();
    auto *window = qobject_cast<QWindow *>(receiver);
    while (window && window->parent())
        window = window->parent();
    return window;
}

// The return after one dialog, a child of the window that asked. It ends at the user's
// first press or key, when the focus leaves the program or goes to a modal dialog, and
// after its one take-back when the focus moves on again.
class FocusWatch final : public QObject
{
public:
    explicit FocusWatch(QWidget *window) : QObject(window), m_window(window)
    {
        qApp->installEventFilter(this);
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &FocusWatch::focusMoved);
    }

    bool ended() const { return m_ended; }
    void end()
    {
        if (std::exchange(m_ended, true))
            return;
        qApp->removeEventFilter(this);
        disconnect(qGuiApp, nullptr, this, nullptr);
        deleteLater();
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (m_ended || !isUserPress(event))
            return false;
        // The click that gave that window the focus, arriving after the take-back.
        if (m_takenBack && m_movedTo && event->type() != QEvent::KeyPress && topWindowOf(receiver) == m_movedTo)
            m_movedTo->requestActivate();
        end();
        return false;
    }

private:
    void focusMoved(QWindow *now)
    {
        if (m_ended || now == m_window->windowHandle())
            return;
        if (!now || m_takenBack || QGuiApplication::modalWindow()) {
            end();
            return;
        }
        m_movedTo = now;
        // Taken back once the window system's input that came with the move has been
        // seen: a window manager hands the focus on with the click it was given.
        QMetaObject::invokeMethod(this, &FocusWatch::takeBack, Qt::QueuedConnection);
    }
    void takeBack()
    {
        if (m_ended || m_takenBack || QGuiApplication::focusWindow() != m_movedTo)
            return; // the user acted, or the focus came back by itself
        if (!m_window->isVisible() || m_window->isMinimized()) {
            end();
            return;
        }
        m_takenBack = true;
        m_window->activateWindow();
    }

    QWidget *m_window;           // the parent
    QPointer<QWindow> m_movedTo; // where the window manager moved the focus
    bool m_takenBack = false;
    bool m_ended = false;
};

// The one return under way: a new dialog ends the one before.
QPointer<FocusWatch> s_watch;

void endWatch()
{
    if (s_watch)
        s_watch->end();
}

} // namespace

FocusReturn::FocusReturn(QWidget *window) : m_window(window)
{
    endWatch();
}

FocusReturn::~FocusReturn()
{
    endWatch();
    QWidget *window = m_window;
    if (!window || !window->isVisible() || window->isMinimized())
        return;
    window->activateWindow();
    s_watch = new FocusWatch(window);
}

bool FocusReturn::returning()
{
    return s_watch && !s_watch->ended();
}

} // namespace kvx
