#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

namespace kvx {

// Where waits take their time from; tests give a clock they move by hand.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 msecs() = 0;
    // Lets a moment pass inside a wait that has lasted waitedMs so far.
    virtual void idle(qint64 waitedMs) = 0;
};

class SteadyClock : public Clock
{
public:
    SteadyClock() { m_timer.start(); }
    qint64 msecs() override { return m_timer.elapsed(); }
    // Spins through the short busy spells of a byte time (a fraction of a
    // millisecond), and sleeps a little once the module has been busy for longer.
    void idle(qint64 waitedMs) override;

private:
    QElapsedTimer m_timer;
};

} // namespace kvx
