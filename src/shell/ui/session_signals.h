#pragma once

class QWidget;

namespace kvx {

// The desktop ends a session with SIGTERM (a logout, `kill`), the terminal that started
// the program with SIGHUP (closed) or SIGINT (Ctrl+C). Each is taken as the window
// manager's request to close the main window, through the window system's queue: the
// main window's shut-down stops what sends, writes its files and asks if one fails,
// and a modal dialog standing at that moment is answered first.
void closeOnSessionSignals(QWidget *mainWindow);

} // namespace kvx
