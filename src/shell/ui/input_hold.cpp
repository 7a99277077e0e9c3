#include "shell/ui/input_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <algorithm>

namespace kvx {

namespace {

int loopLevel()
{
    return QThread::currentThread()->loopLevel();
}

// What the window system hands a window as the user's input.
bool isWindowInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture: return true;
    default: return false;
    }
}

} // namespace

InputHold::InputHold(QObject *mainWindow) : m_mainWindow(mainWindow)
{
    QCoreApplication::instance()->installEventFilter(this);
    SendRun::setRounds(this);
}

InputHold::~InputHold()
{
    SendRun::dropRounds(this);
}

void InputHold::runRound()
{
    m_roundLevels.push_back(loopLevel());
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_roundLevels.pop_back();
}

bool InputHold::holds(const QObject *receiver, const QEvent *event) const
{
    const int level = loopLevel();
    const bool levelHeld = std::find(m_roundLevels.begin(), m_roundLevels.end(), level) != m_roundLevels.end()
        || (!m_held.empty() && level == m_heldLevel);
    if (!levelHeld || event == m_passing)
        return false;
    switch (event->type()) {
    case QEvent::Shortcut:
    case QEvent::InputMethod:
        // A key that matched a shortcut reaches its action, text typed through an
        // input method its box: neither comes through the window.
        return true;
    case QEvent::Close:
        // The window system's request to close a window of the program other than the
        // main window (the program's own close() calls pass).
        return event->spontaneous() && receiver->isWidgetType() && receiver != m_mainWindow;
    default:
        // Delivered again below without the window system's mark, so never held twice.
        return event->spontaneous() && receiver->isWindowType() && isWindowInput(event->type());
    }
}

bool InputHold::eventFilter(QObject *watched, QEvent *event)
{
    if ((m_roundLevels.empty() && m_held.empty()) || !holds(watched, event))
        return false;
    if (m_held.empty())
        m_heldLevel = loopLevel();
    if (event->type() == QEvent::Close) {
        // Not closed now: the window stays as it is until the request is given again.
        event->ignore();
        m_held.push_back({watched, nullptr});
    } else {
        m_held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    }
    return true;
}

void InputHold::deliverHeld()
{
    // A delivered click may run a send whose own held input is delivered by this same
    // loop, after what came before it.
    if (m_delivering)
        return;
    m_delivering = true;
    while (!m_held.empty()) {
        Held held = std::move(m_held.front());
        m_held.pop_front();
        if (!held.receiver)
            continue;
        if (!held.event) {
            QMetaObject::invokeMethod(held.receiver, "close");
            continue;
        }
        m_passing = held.event.get();
        QCoreApplication::sendEvent(held.receiver, held.event.get());
        m_passing = nullptr;
    }
    m_heldLevel = -1;
    m_delivering = false;
}

} // namespace kvx
