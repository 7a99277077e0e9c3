#include "link/send_run.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <vector>

namespace kvx {

namespace {

// Comes through the event loop once a run has ended: by then the handler that ran it
// has returned, and a cancel is over.
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
    // The event-loop levels the runs under way began at, and those of the rounds
    // running now, innermost last.
    std::vector<int> runs;
    std::vector<int> rounds;
    bool cancelled = false;
    std::vector<std::function<void()>> afterRuns;
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
    return state().runs.empty() && state().rounds.empty();
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
    // Taken inside a run's own rounds: the end of that run posts again.
    if (!settled())
        return;
    state().cancelled = false;
    std::vector<std::function<void()>> then;
    then.swap(state().afterRuns);
    for (const auto &f : then)
        f();
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
    state().runs.push_back(loopLevel());
}

SendRun::~SendRun()
{
    state().runs.pop_back();
    if (settled())
        postSettle();
}

int SendRun::loopLevel()
{
    return QThread::currentThread()->loopLevel();
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
    return !state().runs.empty();
}

bool SendRun::interrupted()
{
    const State &s = state();
    return !s.rounds.empty() || (!s.runs.empty() && loopLevel() > s.runs.back());
}

void SendRun::afterRuns(std::function<void()> then)
{
    state().afterRuns.push_back(std::move(then));
    if (settled())
        postSettle();
}

bool SendRun::roundRunsAt(int level)
{
    const std::vector<int> &rounds = state().rounds;
    return std::find(rounds.begin(), rounds.end(), level) != rounds.end();
}

bool SendRun::busyAtOrAbove(int level)
{
    const auto atOrAbove = [level](int l) { return l >= level; };
    const State &s = state();
    return std::any_of(s.runs.begin(), s.runs.end(), atOrAbove)
        || std::any_of(s.rounds.begin(), s.rounds.end(), atOrAbove);
}

void SendRun::runRound()
{
    State &s = state();
    s.rounds.push_back(loopLevel());
    if (s.hooks)
        s.hooks->runRound();
    else
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    s.rounds.pop_back();
    if (settled())
        postSettle();
}

void SendRun::cancel()
{
    // Outside a run there is nothing to give up.
    if (state().runs.empty())
        return;
    state().cancelled = true;
}

bool SendRun::cancelled()
{
    return state().cancelled;
}

} // namespace kvx
