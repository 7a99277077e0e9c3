#pragma once

#include <functional>

class QObject;

namespace kvx {

// The desktop ends a session with SIGTERM (a logout, `kill`), the terminal that started
// the program with SIGHUP (closed) or SIGINT (Ctrl+C); a desktop that still finds the
// program there a few seconds later kills it. So each signal ends the session at once,
// whatever stands: `end` runs for every window that asked (the main window's shut-down,
// with nobody there to answer), and every dialog standing is closed as cancelled, its
// exec returning once the loops above it have.
void endOnSessionSignals(QObject *window, std::function<void()> end);

} // namespace kvx
