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

// A window of its own on the desktop (not a menu, a tip or a splash).
bool takesFocus(const QWindow *window)
{
    const Qt::WindowType type = window->type();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
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
        // The window clicked has the focus by now, unless the click reached the program
        // after the window manager's move and the take-back.
        if (event->type() != QEvent::KeyPress) {
            QWindow *clicked = topWindowOf(receiver);
            if (clicked && clicked != QGuiApplication::focusWindow() && takesFocus(clicked))
                clicked->requestActivate();
        }
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
        // Taken back once the window system's input that came with the move has been
        // seen: a window manager hands the focus on with the click it was given.
        QMetaObject::invokeMethod(this, &FocusWatch::takeBack, Qt::QueuedConnection);
    }
    // Asked for also when the focus seems to have come back by itself: Qt takes a
    // request that the window manager turned down for granted (xfwm4 turns down the
    // one made as the dialog closed), and only a request made after the window
    // manager's own move gets the focus there in truth.
    void takeBack()
    {
        if (m_ended || m_takenBack)
            return; // the user acted
        if (!m_window->isVisible() || m_window->isMinimized()) {
            end();
            return;
        }
        m_takenBack = true;
        m_window->activateWindow();
    }

    QWidget *m_window; // the parent
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
