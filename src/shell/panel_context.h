#pragma once

#include "link/byte_sink.h"

#include <QString>

#include <functional>
#include <initializer_list>

namespace kvx {

class VX5200;
class CommandLog;
class UserDialogs;
struct ShellState;

// What every command panel works with: the main window's encoder, the command log,
// the dialogs and the shell state. `run` is the one way a panel sends a command.
class PanelContext
{
public:
    PanelContext(VX5200 &encoder, CommandLog &log, UserDialogs &dialogs, ShellState &state)
        : encoder(encoder), log(log), dialogs(dialogs), state(state)
    {
    }

    // Sends one command and logs it with (name, help) only when it went out. A value
    // the encoder refuses shows "Value out of range." (in the interface language) and
    // sends and logs nothing. Returns what became of the command (Skipped when refused).
    SendResult run(const std::function<SendResult(VX5200 &)> &command, const QString &name, const QString &help);

    // Sends a group of commands in order, stopping at the first that does not go out;
    // returns the result of the last command tried. For a group logged as one command.
    static SendResult inOrder(std::initializer_list<std::function<SendResult()>> steps);

    // The message for a value the encoder refused.
    void showValueOutOfRange();

    VX5200 &encoder;
    CommandLog &log;
    UserDialogs &dialogs;
    ShellState &state;
};

} // namespace kvx
