#pragma once

#include "link/vx5200.h"
#include "shell/command_log.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"

#include <QSignalSpy>

namespace kvx::test {

// A panel's world without a window: the encoder sends into a recording sink, the
// dialogs are scripted and every addLog is kept.
struct PanelFixture
{
    explicit PanelFixture(const QString &model = QStringLiteral("VX140X32_52K"), bool revB = false)
    {
        encoder.moduleName(model);
        encoder.moduleRevB(revB);
    }
    QString lastName() const { return logged.isEmpty() ? QString() : logged.last().at(0).toString(); }
    QString lastHelp() const { return logged.isEmpty() ? QString() : logged.last().at(1).toString(); }

    RecordingSink sink;
    ScriptedDialogs dialogs;
    ShellState state;
    VX5200 encoder{&sink, &dialogs};
    CommandLog log{state};
    PanelContext ctx{encoder, log, dialogs, state};
    QSignalSpy logged{&log, &CommandLog::logged};
};

} // namespace kvx::test
