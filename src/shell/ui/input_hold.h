#pragma once

#include "link/send_run.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <memory>

namespace kvx {

// The rounds of events of a run (SendRun), as the window side runs them: every event is
// taken from the window system, so a close request is heard at once, but the user's
// input (mouse, keys, shortcuts, typed text, a secondary window's close box) is held at
// the window it came to and delivered later, in its order, once the run is over.
//
// (Qt's own way, leaving user input out of a round, also leaves out the window
// manager's close request: the program could not be closed until the module took every
// byte.)
class InputHold : public QObject, public SendRun::Rounds
{
public:
    // `mainWindow`: its close requests are never held (closing it ends the program).
    explicit InputHold(QObject *mainWindow);
    ~InputHold() override;

    void runRound() override;
    void deliverHeld() override;

    bool holding() const { return !m_held.empty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event; // none: a close request, given again by close()
    };
    bool holds(const QObject *receiver, const QEvent *event) const;

    QPointer<QObject> m_mainWindow;
    std::deque<Held> m_held;
    // The event-loop levels whose events are held now: those of the rounds running, and
    // the level input was held at until it has been delivered (so later input does not
    // overtake it). A modal dialog opened meanwhile runs one level up and takes its
    // input as usual.
    std::vector<int> m_roundLevels;
    int m_heldLevel = -1;
    const QEvent *m_passing = nullptr;
    bool m_delivering = false;
};

} // namespace kvx
