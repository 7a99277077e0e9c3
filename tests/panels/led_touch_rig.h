#pragma once

#include "link/vx5200.h"
#include "shell/command_log.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"

#include <QStringList>

#include <functional>

namespace kvx::test {

// A sink whose first `goodCommands` commands go out and the rest find the module
// not ready; `onSend` runs inside portOut (to try a nested click).
class CountingSink : public ByteSink
{
public:
    SendResult portOut(const QByteArray &bytes) override
    {
        commands.append(bytes);
        if (onSend)
            onSend();
        return commands.size() <= goodCommands ? SendResult::Sent : SendResult::NotReady;
    }
    QList<QByteArray> commands;
    int goodCommands = 1 << 30;
    std::function<void()> onSend;
};

// A panel context over a recording sink, with the log entries kept.
struct PanelRig
{
    explicit PanelRig(const QString &model = QStringLiteral("VX140X32_52K"), bool revisionB = false)
    {
        encoder.moduleName(model);
        encoder.moduleRevB(revisionB);
        QObject::connect(&log, &CommandLog::logged, [this](const QString &name, const QString &help) {
            names.append(name);
            helps.append(help);
        });
    }
    ShellState state;
    CountingSink sink;
    ScriptedDialogs dialogs;
    VX5200 encoder{&sink, &dialogs};
    CommandLog log{state};
    PanelContext ctx{encoder, log, dialogs, state};
    QStringList names;
    QStringList helps;
};

} // namespace kvx::test
