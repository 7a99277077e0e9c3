#include "shell/ui/input_hold.h"

#include "link/send_run.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface_p.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace kvx {

namespace {

using Wse = QWindowSystemInterfacePrivate;

template <class Event> std::unique_ptr<Wse::WindowSystemEvent> copyAs(const Wse::WindowSystemEvent *event)
{
    return std::make_unique<Event>(*static_cast<const Event *>(event));
}

// A copy of the user's input as the window system handed it over, or none for the
// kinds this platform never sends (they pass as they come).
std::unique_ptr<Wse::WindowSystemEvent> copyOfInput(const Wse::WindowSystemEvent *event)
{
    switch (event->type) {
    case Wse::Close: return copyAs<Wse::CloseEvent>(event);
    case Wse::Enter: return copyAs<Wse::EnterEvent>(event);
    case Wse::Leave: return copyAs<Wse::LeaveEvent>(event);
    case Wse::Mouse: return copyAs<Wse::MouseEvent>(event);
    case Wse::Wheel: return copyAs<Wse::WheelEvent>(event);
    case Wse::Key: return copyAs<Wse::KeyEvent>(event);
    case Wse::Touch: return copyAs<Wse::TouchEvent>(event);
    case Wse::Tablet: return copyAs<Wse::TabletEvent>(event);
    case Wse::TabletEnterProximity: return copyAs<Wse::TabletEnterProximityEvent>(event);
    case Wse::TabletLeaveProximity: return copyAs<Wse::TabletLeaveProximityEvent>(event);
#ifndef QT_NO_CONTEXTMENU
    case Wse::ContextMenu: return copyAs<Wse::ContextMenuEvent>(event);
#endif
#ifndef QT_NO_GESTURES
    case Wse::Gesture: return copyAs<Wse::GestureEvent>(event);
#endif
    default: return nullptr;
    }
}

QWindow *windowOf(const Wse::WindowSystemEvent *event)
{
    switch (event->type) {
    case Wse::Close: return static_cast<const Wse::CloseEvent *>(event)->window;
    case Wse::Enter: return static_cast<const Wse::EnterEvent *>(event)->enter;
    case Wse::Leave: return static_cast<const Wse::LeaveEvent *>(event)->leave;
#ifndef QT_NO_CONTEXTMENU
    case Wse::ContextMenu: return static_cast<const Wse::ContextMenuEvent *>(event)->window;
#endif
    default: return static_cast<const Wse::UserEvent *>(event)->window;
    }
}

// Kept input given back is marked, so that it is told from new input when Qt takes it.
constexpr int GivenBack = 0x40000000;

// The window the input was for is still shown as Qt takes the input. One that has gone
// or was hidden meanwhile (a dialog closed, an earlier kept click hid it) would not have
// got it from the window system at this moment: Qt would hand it to the hidden window,
// or to whatever window lies under the pointer.
bool windowStillShown(const Wse::WindowSystemEvent *event)
{
    if (event->nullWindow())
        return true;
    const QWindow *window = windowOf(event);
    return window && window->visibility() != QWindow::Hidden && window->visibility() != QWindow::Minimized;
}

class InputHold final : public QObject, public SendRun::Rounds, public QWindowSystemEventHandler
{
public:
    // The one instance, made on first use; it lives as long as the application.
    static InputHold &instance();
    void neverHoldClose(QWidget *window);

    void runRound() override;
    bool sendEvent(QWindowSystemInterfacePrivate::WindowSystemEvent *event) override;

private:
    InputHold();
    ~InputHold() override;

    using WindowSystemEvent = QWindowSystemInterfacePrivate::WindowSystemEvent;
    struct Held
    {
        int level; // the level of event loops the input came at
        std::unique_ptr<WindowSystemEvent> event;
    };
    bool holds(const WindowSystemEvent *event) const;
    bool isMainWindowClose(const WindowSystemEvent *event) const;
    // Gives back what the runs that kept it, now over, kept.
    void deliverHeld();

    QWindowSystemEventHandler *m_previous = nullptr;
    QList<QPointer<QWidget>> m_mainWindows;
    std::vector<Held> m_held;
};

InputHold &InputHold::instance()
{
    static QPointer<InputHold> hold;
    if (!hold)
        hold = new InputHold;
    return *hold;
}

void InputHold::neverHoldClose(QWidget *window)
{
    m_mainWindows.removeAll(nullptr);
    m_mainWindows << window;
}

InputHold::InputHold() : QObject(QCoreApplication::instance())
{
    m_previous = Wse::eventHandler;
    Wse::eventHandler = this;
    SendRun::setRounds(this);
    // Kept input goes back as soon as an event loop takes events again once the run
    // that kept it is over (its handler has returned, or waits in a dialog of its own):
    // Qt then takes it as it would have taken it at that moment.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &InputHold::deliverHeld);
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &InputHold::deliverHeld);
    }
}

InputHold::~InputHold()
{
    SendRun::dropRounds(this);
    if (Wse::eventHandler == this)
        Wse::eventHandler = m_previous;
}

void InputHold::runRound()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool InputHold::isMainWindowClose(const WindowSystemEvent *event) const
{
    if (event->type != Wse::Close)
        return false;
    const QWindow *window = static_cast<const Wse::CloseEvent *>(event)->window;
    return std::any_of(m_mainWindows.begin(), m_mainWindows.end(),
                       [window](const QPointer<QWidget> &w) { return w && window && w->windowHandle() == window; });
}

bool InputHold::holds(const WindowSystemEvent *event) const
{
    if (!(event->type & Wse::UserInputEvent) || isMainWindowClose(event))
        return false;
    // Input is kept in the rounds of a run, and after them while what was kept at the
    // same level has not gone back yet, so that later input does not overtake it. A
    // modal dialog opened meanwhile runs one level up and takes its input as usual.
    const int level = SendRun::loopLevel();
    return SendRun::roundRunsAt(level)
        || std::any_of(m_held.begin(), m_held.end(), [level](const Held &h) { return h.level == level; });
}

bool InputHold::sendEvent(WindowSystemEvent *event)
{
    if (event->flags & GivenBack) {
        event->flags &= ~GivenBack;
        if (!windowStillShown(event))
            return true;
    }
    if (holds(event)) {
        if (auto copy = copyOfInput(event)) {
            m_held.push_back({SendRun::loopLevel(), std::move(copy)});
            return true;
        }
    }
    return m_previous ? m_previous->sendEvent(event) : QWindowSystemEventHandler::sendEvent(event);
}

void InputHold::deliverHeld()
{
    if (m_held.empty())
        return;
    // Back at the head of the queue in the order it came, before anything that came
    // after it; what came in a round still under way (or in a dialog a run still under
    // way opened) waits for that run.
    bool released = false;
    for (auto it = m_held.rbegin(); it != m_held.rend(); ++it) {
        if (SendRun::busyAtOrAbove(it->level))
            continue;
        it->event->flags |= GivenBack;
        Wse::windowSystemEventQueue.prepend(it->event.release());
        released = true;
    }
    if (!released)
        return;
    m_held.erase(std::remove_if(m_held.begin(), m_held.end(), [](const Held &h) { return !h.event; }), m_held.end());
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

} // namespace

void keepInputDuringSends(QWidget *mainWindow)
{
    InputHold::instance().neverHoldClose(mainWindow);
}

} // namespace kvx
