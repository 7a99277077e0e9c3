#include "support/queued_input.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace kvx::test {

namespace {

using Queue = QWindowSystemInterface;

constexpr int HeldMs = 400;
constexpr int GapMs = 400;

void postButton(QWidget *widget, bool down)
{
    QWidget *top = widget->window();
    const QPoint centre = widget->rect().center();
    const QPointF local = widget->mapTo(top, centre);
    const QPointF global = widget->mapToGlobal(centre);
    Queue::handleMouseEvent<Queue::AsynchronousDelivery>(top->windowHandle(), local, global,
                                                         down ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                                                         down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease);
}

} // namespace

void postClick(QWidget *widget)
{
    postButton(widget, true);
    postButton(widget, false);
}

int postPacedClicks(const QList<QWidget *> &widgets)
{
    int at = 0;
    for (QWidget *widget : widgets) {
        const QPointer<QWidget> w(widget);
        QTimer::singleShot(at, [w] {
            if (w)
                postButton(w, true);
        });
        QTimer::singleShot(at + HeldMs, [w] {
            if (w)
                postButton(w, false);
        });
        at += HeldMs + GapMs;
    }
    return at;
}

void postKey(QWidget *window, int key)
{
    QWindow *w = window->window()->windowHandle();
    const QString text = key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key - Qt::Key_A + 'a')) : QString();
    Queue::handleKeyEvent<Queue::AsynchronousDelivery>(w, QEvent::KeyPress, key, Qt::NoModifier, text);
    Queue::handleKeyEvent<Queue::AsynchronousDelivery>(w, QEvent::KeyRelease, key, Qt::NoModifier, text);
}

void postClose(QWidget *window)
{
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(window->windowHandle());
}

namespace {

// Qt 6.7 renamed the window system's activation to what it is, a change of the focus
// window.
template <class Delivery> void focusWindow(QWindow *window)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    QWindowSystemInterface::handleFocusWindowChanged<Delivery>(window, Qt::ActiveWindowFocusReason);
#else
    QWindowSystemInterface::handleWindowActivated<Delivery>(window, Qt::ActiveWindowFocusReason);
#endif
}

} // namespace

void postActivate(QWidget *window)
{
    focusWindow<QWindowSystemInterface::AsynchronousDelivery>(window->windowHandle());
}

void activateNow(QWidget *window)
{
    focusWindow<QWindowSystemInterface::SynchronousDelivery>(window ? window->window()->windowHandle() : nullptr);
}

} // namespace kvx::test
