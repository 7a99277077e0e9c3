#pragma once

#include "shell/user_dialogs.h"

#include <QString>

#include <optional>

namespace kvx {

// The text of a loaded file as the editor holds it: CR LF, a lone CR and a lone LF
// each end one line and become CR LF, and one line end at the very end is dropped (the
// one every save adds), so saving and loading give back the same text.
QString normaliseLoadedText(const QString &text);

// Saving and loading the command macro text: the file dialogs, the questions, the
// writers and the file itself. The editor window and the main window's save and open
// buttons only call these.
class MacroFileOperations
{
public:
    explicit MacroFileOperations(UserDialogs &dialogs);

    void setJapanese(bool japanese) { m_japanese = japanese; }
    // Where the demonstration boards' firmware files are looked for; the program's own
    // folder unless set.
    void setFirmwareFolder(const QString &folder) { m_firmwareFolder = folder; }
    // The last file chosen in either dialog (the dialogs remember it).
    QString lastPath() const { return m_lastPath; }

    // Asks for a name and writes the text in the format its extension names. The demo
    // boards' entries are offered when `demoEntries` (Ctrl and Shift held as the save
    // started) and the board's firmware file is usable. `workFolder` starts the dialog
    // and receives the chosen file's folder. True when a file was written.
    bool save(const QString &macroText, bool demoEntries, QString &workFolder);

    // Asks for a file and, when the editor holds text, whether to replace it; returns
    // the file's text, or nothing when the user cancelled or the file could not be read
    // (with a message). `workFolder` starts the dialog and receives the file's folder.
    std::optional<QString> load(const QString &currentText, QString &workFolder);

private:
    QString text(const char *english, const char *japanese) const;
    bool writeFile(const QString &path, const QByteArray &content);

    UserDialogs &m_dialogs;
    bool m_japanese = false;
    QString m_firmwareFolder;
    QString m_lastPath;
};

} // namespace kvx
