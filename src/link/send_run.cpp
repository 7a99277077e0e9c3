#include "link/send_run.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace kvx {

namespace {

// Comes through the event loop once a run has ended: by then the handler that ran it
// has returned, and what waited for the run (held input, the end of a cancel) may go.
class Settler : public QObject
{
public:
    using QObject::QObject;
    static const QEvent::Type Settle;
    void post();

protected:
    void customEvent(QEvent *event) override;

private:
    bool m_posted = false;
};

const QEvent::Type Settler::Settle = QEvent::Type(QEvent::registerEventType());

struct State
{
    int runs = 0;
    int rounds = 0;
    bool cancelled = false;
    SendRun::Rounds *hooks = nullptr;
    QPointer<Settler> settler;
};

State &state()
{
    static State s;
    return s;
}

bool settled()
{
    return state().runs == 0 && state().rounds == 0;
}

void Settler::post()
{
    if (m_posted)
        return;
    m_posted = true;
    QCoreApplication::postEvent(this, new QEvent(Settle));
}

void Settler::customEvent(QEvent *event)
{
    if (event->type() != Settle)
        return;
    m_posted = false;
    // Taken inside a run's own rounds (a posted event is not held): the end of that
    // run posts again.
    if (!settled())
        return;
    state().cancelled = false;
    SendRun::deliverHeldInput();
}

void postSettle()
{
    State &s = state();
    if (!QCoreApplication::instance())
        return;
    if (!s.settler)
        s.settler = new Settler(QCoreApplication::instance());
    s.settler->post();
}

} // namespace

SendRun::SendRun()
{
    ++state().runs;
}

SendRun::~SendRun()
{
    if (--state().runs == 0 && state().rounds == 0)
        postSettle();
}

void SendRun::setRounds(Rounds *rounds)
{
    state().hooks = rounds;
}

void SendRun::dropRounds(Rounds *rounds)
{
    if (state().hooks == rounds)
        state().hooks = nullptr;
}

bool SendRun::active()
{
    return state().runs > 0;
}

bool SendRun::inRound()
{
    return state().rounds > 0;
}

void SendRun::runRound()
{
    State &s = state();
    ++s.rounds;
    if (s.hooks)
        s.hooks->runRound();
    else
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (--s.rounds == 0 && s.runs == 0)
        postSettle();
}

void SendRun::deliverHeldInput()
{
    if (settled() && state().hooks)
        state().hooks->deliverHeld();
}

void SendRun::cancel()
{
    // Outside a run there is nothing to give up.
    if (state().runs == 0)
        return;
    state().cancelled = true;
}

bool SendRun::cancelled()
{
    return state().cancelled;
}

} // namespace kvx
