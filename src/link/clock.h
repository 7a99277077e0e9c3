#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

namespace kvx {

// Where waits take their time from; tests give a clock they move by hand.
class Clock
{
public:
    virtual ~Clock() = default;
    // Monotonic time.
    virtual qint64 nsecs() = 0;
    qint64 msecs() { return nsecs() / 1'000'000; }
    // Lets about ns pass inside a wait; 0 asks for no pause at all (the caller polls).
    virtual void pause(qint64 ns) = 0;
};

class SteadyClock : public Clock
{
public:
    SteadyClock() { m_timer.start(); }
    qint64 nsecs() override { return m_timer.nsecsElapsed(); }
    // Sleeps. The thread wakes up late by a few microseconds or more, so the sleep
    // ends early by what the recent wake-ups were late: the caller, polling from
    // then on, finds the wire free in time instead of some way past it.
    void pause(qint64 ns) override;

private:
    QElapsedTimer m_timer;
    qint64 m_lateNs = 0;
};

} // namespace kvx
