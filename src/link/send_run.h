#pragma once

#include <functional>

namespace kvx {

// What one handler sends in one go (a module write, an upload, Initialize, a bitmap, a
// user font, a macro line) reaches the module as one run of bytes. While a run lasts
// the window still repaints and its timers still run, in rounds of events that the
// sending code runs itself (runRound), but:
//  - a send started from inside such a round, or from a dialog's loop opened while the
//    run lasts (a timer's, such as the character-set test's), is refused as busy: its
//    bytes would land in the middle of the run;
//  - the user's input stays in the window system's queue (the window side's Rounds
//    keep it there) and is taken, as Qt takes input, once the handler that ran the run
//    has returned to its event loop, so a click never starts a send inside another one;
//  - a request to close the main window is taken at once, and may give the run up
//    (cancel), after which every send fails until the handler has returned to the
//    event loop.
//
// A handler holds a SendRun for as long as its run lasts; each send holds one too, so a
// single command is a run by itself. The state is the program's (one window thread),
// not one link's.
class SendRun
{
public:
    SendRun();
    ~SendRun();
    SendRun(const SendRun &) = delete;
    SendRun &operator=(const SendRun &) = delete;

    // How the window side runs a round of events. It gives the input it kept back to
    // the window system's queue by itself, whenever an event loop wakes once the run
    // that kept it is over.
    class Rounds
    {
    public:
        virtual ~Rounds() = default;
        // Paints, runs timers and takes the main window's close; keeps other input.
        virtual void runRound() = 0;
    };
    // Without one (no window), a round runs every event but user input, which the event
    // loop takes later by itself.
    static void setRounds(Rounds *rounds);
    // Forgets `rounds` if they are the ones set.
    static void dropRounds(Rounds *rounds);

    // A run is under way: some handler up the stack holds a SendRun.
    static bool active();
    // The caller runs in the middle of a run, not as its own handler: in a round of its
    // events, or in the loop of a dialog opened while it lasts. A send started now
    // would put its bytes between the run's.
    static bool interrupted();
    // Calls `then` once, from the event loop, once no run is under way any more.
    static void afterRuns(std::function<void()> then);

    // Levels of event loops: the loop a handler was called from, and a dialog's own
    // loop one level up (QThread::loopLevel).
    static int loopLevel();
    // A round runs at this level now.
    static bool roundRunsAt(int level);
    // A run that began, or a round that runs, at this level or a dialog's loop above it.
    static bool busyAtOrAbove(int level);
    // One round of events in the middle of a run.
    static void runRound();

    // Gives the run under way, if any, up: every send fails, without a message, until
    // the handler that runs it has returned to the event loop.
    static void cancel();
    static bool cancelled();
};

} // namespace kvx
