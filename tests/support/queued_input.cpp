#include "support/queued_input.h"

#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace kvx::test {

void postClick(QWidget *widget)
{
    QWidget *top = widget->window();
    const QPoint centre = widget->rect().center();
    const QPointF local = widget->mapTo(top, centre);
    const QPointF global = widget->mapToGlobal(centre);
    using Queue = QWindowSystemInterface;
    Queue::handleMouseEvent<Queue::AsynchronousDelivery>(top->windowHandle(), local, global, Qt::LeftButton,
                                                         Qt::LeftButton, QEvent::MouseButtonPress);
    Queue::handleMouseEvent<Queue::AsynchronousDelivery>(top->windowHandle(), local, global, Qt::NoButton,
                                                         Qt::LeftButton, QEvent::MouseButtonRelease);
}

void postClose(QWidget *window)
{
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(window->windowHandle());
}

void postActivate(QWidget *window)
{
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::AsynchronousDelivery>(
        window->windowHandle(), Qt::ActiveWindowFocusReason);
}

} // namespace kvx::test
