#pragma once

#include <QStringList>

#include "link/link.h"
#include "link/serial_port_io.h"
#include "link/vx5200.h"
#include "shell/command_log.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "support/pty_module.h"
#include "support/scripted_dialogs.h"

#include <QObject>

#include <memory>

namespace kvx::test {

const QString NotReadyMessage = QStringLiteral("Display is not ready.");
const QString PortErrorMessage = QStringLiteral("Error has been detected.[AQ235]");

// A link on the given serial port with everything a command panel works with: the
// encoder, the log (its entries kept), the dialogs (the link's messages land there
// too) and the shell state.
struct SendRig
{
    SendRig(std::unique_ptr<SerialPortIo> port, Clock *clock)
    {
        link.setClock(clock);
        link.setNotifier(&dialogs);
        link.setSerialPort(std::move(port));
        encoder.moduleName(QStringLiteral("VX256X64_21K"));
        QObject::connect(&log, &CommandLog::logged, [this](const QString &name, const QString &) { logged << name; });
    }
    ShellState state;
    ScriptedDialogs dialogs;
    Link link;
    VX5200 encoder{&link, &dialogs};
    CommandLog log{state};
    PanelContext ctx{encoder, log, dialogs, state};
    QStringList logged;
};

// The module vanishes just before byte `n` (counted from 0 over every send of the
// link) goes out: the pseudo-terminal's master is closed as the link starts to wait
// for that byte. Counts in `*attempts` every byte the link tried to send.
inline QMetaObject::Connection vanishBeforeByte(Link &link, PtyModule &module, qsizetype n, int *attempts)
{
    return QObject::connect(&link, &Link::busyCountChanged, [&module, n, attempts](int ticksLeft) {
        if (ticksLeft != Link::ReadyTicks)
            return; // a wait going on, not a new byte
        if ((*attempts)++ == n)
            module.closeMaster();
    });
}

// A long macro of `lines` eight-byte command lines.
inline QString macroText(int lines)
{
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("PRT 1bh 40h 41h 42h %1h 44h 45h 46h;").arg(i % 200 + 32, 2, 16, QLatin1Char('0'));
    return text.join(QStringLiteral("\r\n"));
}

// A complete user-font file (header and 768 values) as "PRT" lines.
inline QString userFontText()
{
    QStringList values{"1Fh", "28h", "65h", "13h", "01h"};
    for (int i = 0; i < 768; ++i)
        values << QStringLiteral("%1h").arg(i % 256, 2, 16, QLatin1Char('0'));
    QString text;
    for (int i = 0; i < values.size(); i += 16)
        text += QStringLiteral("PRT ") + values.mid(i, 16).join(QLatin1Char(' ')) + QStringLiteral(";\r\n");
    return text;
}

} // namespace kvx::test
