#pragma once

#include "app/program_windows.h"
#include "link/app_paths.h"
#include "support/pty_module.h"
#include "support/scripted_dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

namespace kvx::test {

// Removes the files the program keeps between runs (Config.dat, Tmp.sei, temp.iml,
// enma.tmp, ...), so a window starts as on a first run.
inline void forgetProgramFiles()
{
    QDir(programFolder()).removeRecursively();
}

// The main window started offscreen without the splash, with scripted dialogs, on
// the given port (a pseudo-terminal's path, or a name that cannot be opened; or any
// name, when `ports` makes the port objects). It starts as on a first run unless
// `keepFiles` (a restart test).
struct StartedWindow
{
    explicit StartedWindow(const QString &port = QStringLiteral("/dev/kvx-no-such-port"),
                           std::function<void(MainWindow &)> beforeStart = {}, bool keepFiles = false,
                           Connection::PortFactory ports = {})
        : ports(std::move(ports)), program((keepFiles ? void() : forgetProgramFiles(), options())),
          window(program.mainWindow())
    {
        window.findChild<QComboBox *>(QStringLiteral("CommPortList"))->setCurrentText(port);
        if (beforeStart)
            beforeStart(window);
        window.startUp();
        dialogs.shown.clear();
    }
    MainWindow::Options options()
    {
        MainWindow::Options o;
        o.dialogs = &dialogs;
        o.showSplash = false;
        o.portFactory = ports;
        return o;
    }
    template <typename T> T *child(const QString &name) const
    {
        T *w = window.findChild<T *>(name);
        if (!w)
            qFatal("no widget named %s", qPrintable(name));
        return w;
    }
    void click(const QString &name) { child<QAbstractButton>(name)->click(); }

    ScriptedDialogs dialogs;
    Connection::PortFactory ports;
    ProgramWindows program;
    MainWindow &window;
};

// A started window whose port is a pseudo-terminal standing in for the module.
struct WindowWithModule
{
    WindowWithModule() : started(module.slavePath()) {}
    PtyModule module;
    StartedWindow started;
};

} // namespace kvx::test
