#pragma once

#include "link/vx5200.h"
#include "shell/user_dialogs.h"

#include <QString>

#include <functional>

namespace kvx {

// Largest macros the module takes, in bytes of macro data; a macro of exactly the
// capacity is accepted.
int ramMacroCapacity(bool revisionB);   // 256, revision B 16384
int flashMacroCapacity(bool revisionB); // 4096, revision B 16384

// The small progress window shown while the text is read and while a flash macro is
// written.
class UploadProgress
{
public:
    virtual ~UploadProgress() = default;
    virtual void showProgress(const QString &caption, const QString &label) = 0;
    virtual void hideProgress() = 0;
};

// Writes the macro text into the module as the RAM macro or flash macro 1, switches
// its auto start and offers to run it, asking the user at each turn. The text is read
// with the writers' strict rules, and only when a macro is to be written: Cancel at the
// first question goes to the auto-start question whatever the text holds. Every command
// goes through the given encoder (the main window's); the first command that does not
// go out ends the upload with a message.
class MacroUpload
{
public:
    enum class Outcome {
        DataError,  // RAM or flash chosen, but a word is not wholly one byte: nothing sent
        TooLarge,   // the macro exceeds the chosen memory: nothing sent
        SendFailed, // a command did not go out: the commands after it were not sent
        Done,       // every chosen step was sent (possibly none, when nothing was chosen)
    };

    MacroUpload(VX5200 &encoder, UserDialogs &dialogs, UploadProgress *progress = nullptr);

    Outcome run(const QString &macroText, bool revisionB, bool japanese);

private:
    bool send(SendResult result);
    // The user set-up mode's entry, the command and the mode's exit, as one run.
    bool sendFramed(const std::function<SendResult()> &command);
    bool askTryNow(int macroNumber);
    Outcome autoStartAndTry();

    VX5200 &m_encoder;
    UserDialogs &m_dialogs;
    UploadProgress *m_progress;
    bool m_japanese = false;
};

} // namespace kvx
