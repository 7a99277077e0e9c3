#pragma once

#include "link/vx5200.h"
#include "shell/user_dialogs.h"

#include <QString>

#include <functional>

namespace kvx {

// A selection in the macro text, as character positions of the CR LF text; `start`
// is where the caret stands for the step.
struct MacroSelection
{
    int start = 0;
    int end = 0;
    bool operator==(const MacroSelection &) const = default;
};

// The editor's step: sends the command line at the caret to the module, byte by byte,
// and highlights the next line. It keeps no state between presses: the selection is
// its position.
//
// The whole line is read before anything is sent, so a line with a word that gives
// no byte sends nothing; the bytes go out one per command and the step stops at the
// first byte that does not go out, leaving the line selected for another try.
class MacroStep
{
public:
    // `encoder` is the step's own (it only sends); `moduleReady` tells whether the
    // module can take bytes now.
    MacroStep(VX5200 &encoder, UserDialogs &dialogs, std::function<bool()> moduleReady);

    // One press on the text (CR LF line ends) with the current selection; returns the
    // selection to show afterwards.
    MacroSelection step(const QString &text, MacroSelection current, bool japanese);

    // The line the caret stands in, without its line end.
    static MacroSelection lineAt(const QString &text, int caret);
    // The line after the one ending at `lineEnd` (the caret moves behind the line
    // end and the next line is selected).
    static MacroSelection nextLine(const QString &text, int lineEnd);

private:
    VX5200 &m_encoder;
    UserDialogs &m_dialogs;
    std::function<bool()> m_moduleReady;
};

} // namespace kvx
