#pragma once

#include "image_list/bmp_builder.h"
#include "link/vx5200.h"
#include "shell/command_log.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"

#include <QList>
#include <QPair>
#include <QString>

namespace kvx::test {

// A panel context over a recording sink: the bytes each command hands to portOut,
// the log entries and the messages shown.
struct ImagePanelRig
{
    explicit ImagePanelRig(const QString &model = QStringLiteral("VX256X64_21K"), bool revisionB = false)
        : encoder(&sink, &dialogs), log(state), ctx(encoder, log, dialogs, state)
    {
        encoder.moduleName(model);
        encoder.moduleRevB(revisionB);
        const auto keep = [this](const QString &name, const QString &help) { logged.append({name, help}); };
        QObject::connect(&log, &CommandLog::logged, keep);
    }
    QStringList logNames() const
    {
        QStringList names;
        for (const auto &entry : logged)
            names << entry.first;
        return names;
    }

    RecordingSink sink;
    ScriptedDialogs dialogs;
    ShellState state;
    VX5200 encoder;
    CommandLog log;
    PanelContext ctx;
    QList<QPair<QString, QString>> logged;
};

// A 1-bit bitmap file of width x height dots, lit where lit(x, y).
inline bool writeMonoBmp(const QString &path, int width, int height, const std::function<bool(int, int)> &lit)
{
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = 1;
    layout.palette = {0x000000, 0xFFFFFF};
    return writeFile(path, buildBmp(layout, [&](int x, int y) { return lit(x, y) ? 1u : 0u; }));
}

} // namespace kvx::test
