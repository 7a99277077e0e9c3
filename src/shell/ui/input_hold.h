#pragma once

#include "link/send_run.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <qpa/qwindowsysteminterface_p.h>

#include <memory>
#include <vector>

class QWidget;

namespace kvx {

// The rounds of events of a run (SendRun), as the window side runs them. Every event is
// taken from the window system, so the main window's close request is heard at once;
// the user's other input (mouse, keys, wheel, a secondary window's close box) is kept
// as the window system handed it over, before Qt has made anything of it, and put back
// at the head of the window system's queue once the handler that ran the run has
// returned to its event loop. Qt then takes it as any input: a press and a release
// make a click, a window behind a modal dialog gets nothing, a shortcut fires only
// where it may.
//
// (Qt's own way, leaving user input out of a round, also leaves out the window
// manager's close request: the program could not be closed until the module took every
// byte.)
class InputHold final : public QObject, public SendRun::Rounds, public QWindowSystemEventHandler
{
public:
    // The one instance, made on first use; it lives as long as the application.
    static InputHold &instance();
    // `window` is a main window: closing it ends the program, so its close request is
    // never kept.
    static void neverHoldClose(QWidget *window);

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

} // namespace kvx
