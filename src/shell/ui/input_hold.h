#pragma once

class QWidget;

namespace kvx {

// The user's input that comes during a run (SendRun) is kept as the window system
// handed it over, before Qt has made anything of it, and put back at the head of the
// window system's queue once the handler that ran the run has returned to its event
// loop. Qt then takes it as any input: a press and a release make a click, a window
// behind a modal dialog gets nothing, a shortcut fires only where it may. The main
// window's close request is taken at once.
//
// (Qt's own way, leaving user input out of a round, also leaves out the window
// manager's close request: the program could not be closed until the module took every
// byte.)
//
// This is the program's one use of Qt's private interface (the window system's queue);
// the build accepts only the Qt versions it was tried on.
//
// `mainWindow` is a main window: closing it ends the program, so its close request is
// never kept. The first call starts keeping input.
void keepInputDuringSends(QWidget *mainWindow);

} // namespace kvx
