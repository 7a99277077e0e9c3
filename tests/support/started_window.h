#pragma once

#include "shell/ui/main_window.h"
#include "support/pty_module.h"
#include "support/scripted_dialogs.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace kvx::test {

// The main window started offscreen without the splash, with scripted dialogs, on
// the given port (a pseudo-terminal's path, or a name that cannot be opened).
struct StartedWindow
{
    explicit StartedWindow(const QString &port = QStringLiteral("/dev/kvx-no-such-port"),
                           std::function<void(MainWindow &)> beforeStart = {})
        : window(options())
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
    MainWindow window;
};

// A started window whose port is a pseudo-terminal standing in for the module.
struct WindowWithModule
{
    WindowWithModule()
        : started(module.slavePath())
    {
    }
    PtyModule module;
    StartedWindow started;
};

} // namespace kvx::test
