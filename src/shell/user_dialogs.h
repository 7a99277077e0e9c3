#pragma once

#include "link/byte_sink.h"

#include <QString>
#include <QStringList>

class QObject;

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

    // The same, asked by a window of the program (`window`): the dialog belongs to
    // that window, stands over it and hands the front back to it when it closes. These
    // ask as above unless an implementation tells windows apart.
    virtual Answer askFor(QObject * /*window*/, const QString &text, Buttons buttons, Icon icon, const QString &title)
    {
        return ask(text, buttons, icon, title);
    }
    virtual FileChoice openFileFor(QObject * /*window*/, const FileRequest &request) { return openFile(request); }
    virtual FileChoice saveFileFor(QObject * /*window*/, const FileRequest &request) { return saveFile(request); }
    virtual QString chooseFolderFor(QObject * /*window*/, const QString &caption, const QString &start)
    {
        return chooseFolder(caption, start);
    }

    // A message with an OK button.
    void message(const QString &text, Icon icon = Icon::None, const QString &title = QString())
    {
        ask(text, Buttons::Ok, icon, title);
    }
    void notify(const QString &text) override { message(text); }
};

// The dialogs of one window: what it asks goes to the program's dialogs as asked by
// that window. Each window that asks the user holds one, and hands it to the logic
// that asks on its behalf.
class WindowDialogs final : public UserDialogs
{
public:
    WindowDialogs(UserDialogs &program, QObject *window) : m_program(program), m_window(window) {}

    Answer ask(const QString &text, Buttons buttons, Icon icon = Icon::None, const QString &title = QString()) override
    {
        return m_program.askFor(m_window, text, buttons, icon, title);
    }
    FileChoice openFile(const FileRequest &request) override { return m_program.openFileFor(m_window, request); }
    FileChoice saveFile(const FileRequest &request) override { return m_program.saveFileFor(m_window, request); }
    QString chooseFolder(const QString &caption, const QString &start) override
    {
        return m_program.chooseFolderFor(m_window, caption, start);
    }
    // A window's dialogs handed on to a window of its own (the list window's to its
    // entry dialog) keep the window that asks.
    Answer askFor(QObject *window, const QString &text, Buttons buttons, Icon icon, const QString &title) override
    {
        return m_program.askFor(window, text, buttons, icon, title);
    }
    FileChoice openFileFor(QObject *window, const FileRequest &request) override
    {
        return m_program.openFileFor(window, request);
    }
    FileChoice saveFileFor(QObject *window, const FileRequest &request) override
    {
        return m_program.saveFileFor(window, request);
    }
    QString chooseFolderFor(QObject *window, const QString &caption, const QString &start) override
    {
        return m_program.chooseFolderFor(window, caption, start);
    }

private:
    UserDialogs &m_program;
    QObject *m_window;
};

// The program's dialogs, quiet while a run is given up (the main window closing in the
// middle of a send): the handler of that run shows nothing more, which would hold the
// shut-down up, and each question gets the answer that stops. Quiet too once the
// session has ended (a logout, the terminal closed): nobody is there to answer, so
// each question gets that answer and each message goes to standard error, where the
// desktop or the terminal keeps it.
class QuietWhenCancelled final : public UserDialogs
{
public:
    explicit QuietWhenCancelled(UserDialogs &program) : m_program(program) {}

    Answer ask(const QString &text, Buttons buttons, Icon icon = Icon::None, const QString &title = QString()) override
    {
        return askFor(nullptr, text, buttons, icon, title);
    }
    FileChoice openFile(const FileRequest &request) override { return openFileFor(nullptr, request); }
    FileChoice saveFile(const FileRequest &request) override { return saveFileFor(nullptr, request); }
    QString chooseFolder(const QString &caption, const QString &start) override
    {
        return chooseFolderFor(nullptr, caption, start);
    }
    Answer askFor(QObject *window, const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    FileChoice openFileFor(QObject *window, const FileRequest &request) override;
    FileChoice saveFileFor(QObject *window, const FileRequest &request) override;
    QString chooseFolderFor(QObject *window, const QString &caption, const QString &start) override;
    // The program's dialogs themselves, for the one question a close asks after it has
    // given the run up.
    UserDialogs &unquiet() { return m_program; }

    void endSession() { m_sessionEnded = true; }
    bool sessionEnded() const { return m_sessionEnded; }

private:
    bool quiet() const;

    UserDialogs &m_program;
    bool m_sessionEnded = false;
};

// A save dialog asks before replacing the name the user chose only. When the program
// completed that name (an extension added), this asks about the completed path, if
// such a file exists: true when the file may be written.
bool mayWriteCompletedName(UserDialogs &dialogs, const QString &chosen, const QString &path, bool japanese);

} // namespace kvx
