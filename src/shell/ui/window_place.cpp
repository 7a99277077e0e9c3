#include "shell/ui/window_place.h"

#include "shell/window_return.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace kvx {

namespace {

// Watches the window's own hiding and showing (not the window system's: a minimised
// window keeps its place), and its native window for the first exposure after a
// showing: by then the window manager has framed and placed it.
class PlaceKeeper : public QObject
{
public:
    explicit PlaceKeeper(QWidget &window) : QObject(&window), m_window(window) { window.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched == &m_window && !event->spontaneous()) {
            if (type == QEvent::Hide)
                remember();
            else if (type == QEvent::Show)
                askForPlace();
        } else if (type == QEvent::Expose && m_settling && m_handle && m_handle->isExposed()) {
            settle();
        }
        return false;
    }

private:
    void remember()
    {
        m_return.remember(m_window.frameGeometry().topLeft(), m_window.geometry().topLeft());
        m_settling = false;
    }

    // Sent before the window is mapped: the place goes with the mapping, where the
    // window manager reads it. The native window is asked too, even for an unchanged
    // place: a window never placed by the program is otherwise placed by the window
    // manager's own rules, and one that was keeps whatever position the window
    // manager gave it back while it was hidden.
    void askForPlace()
    {
        if (!m_return.holdsPlace())
            return;
        const QRect place(m_return.clientPlace(), m_window.size());
        m_window.setGeometry(place);
        if (QWindow *handle = m_window.windowHandle()) {
            handle->setGeometry(place);
            if (handle != m_handle) {
                handle->installEventFilter(this);
                m_handle = handle;
            }
        }
        m_settling = true;
    }

    // Judged once per showing, when the window manager has framed and placed the
    // window, so that nothing fights a window manager that will not have it there, nor
    // the user who moves it afterwards.
    void settle()
    {
        m_settling = false;
        if (m_return.settle(m_window.frameGeometry().topLeft(), m_window.geometry().topLeft())
            == WindowReturn::Settle::MoveBack)
            m_window.setGeometry(QRect(m_return.clientPlace(), m_window.size()));
    }

    QWidget &m_window;
    WindowReturn m_return;
    QPointer<QWindow> m_handle;
    bool m_settling = false;
};

} // namespace

void keepPlaceWhenHidden(QWidget &window)
{
    new PlaceKeeper(window);
}

} // namespace kvx
