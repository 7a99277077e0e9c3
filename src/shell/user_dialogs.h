#pragma once

#include "link/byte_sink.h"

#include <QString>
#include <QStringList>

namespace kvx {

// Every message box, question and file dialog of the program goes through this
// interface, so logic can ask the user and tests can script the answers.
class UserDialogs : public Notifier
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Retry };
    enum class Icon { None, Information, Warning, Critical, Question };

    struct FileRequest
    {
        QString caption;
        QString start;       // a folder, or a folder and a file name
        QStringList filters; // "Text (*.txt)" entries, in order
        int filterIndex = 0; // the entry chosen first
        bool confirmOverwrite = true;
    };
    struct FileChoice
    {
        bool accepted = false;
        QString path;
        int filterIndex = 0; // the entry the user left chosen
    };

    // Shows text with the given buttons and returns the button pressed. The title is
    // the program's title when empty.
    virtual Answer ask(const QString &text, Buttons buttons, Icon icon = Icon::None,
                       const QString &title = QString()) = 0;
    virtual FileChoice openFile(const FileRequest &request) = 0;
    virtual FileChoice saveFile(const FileRequest &request) = 0;
    virtual QString chooseFolder(const QString &caption, const QString &start) = 0;

    // A message with an OK button.
    void message(const QString &text, Icon icon = Icon::None, const QString &title = QString())
    {
        ask(text, Buttons::Ok, icon, title);
    }
    void notify(const QString &text) override { message(text); }
};

// A save dialog asks before replacing the name the user chose only. When the program
// completed that name (an extension added), this asks about the completed path, if
// such a file exists: true when the file may be written.
bool mayWriteCompletedName(UserDialogs &dialogs, const QString &chosen, const QString &path, bool japanese);

} // namespace kvx
