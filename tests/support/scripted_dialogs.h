#pragma once

#include "shell/user_dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace kvx::test {

// Answers the program's questions from a script and keeps everything it was shown.
// With an empty script, questions get `defaultAnswer` (or the first button) and file
// dialogs are cancelled.
class ScriptedDialogs : public UserDialogs
{
public:
    Answer ask(const QString &text, Buttons buttons, Icon, const QString &title) override
    {
        shown.append(text);
        titles.append(title);
        if (!answers.isEmpty())
            return answers.dequeue();
        if (buttons == Buttons::Ok || buttons == Buttons::OkCancel)
            return Answer::Ok;
        if (buttons == Buttons::RetryCancel)
            return Answer::Cancel;
        return defaultAnswer;
    }
    FileChoice openFile(const FileRequest &request) override
    {
        requests.append(request);
        return files.isEmpty() ? FileChoice{} : files.dequeue();
    }
    FileChoice saveFile(const FileRequest &request) override
    {
        requests.append(request);
        return files.isEmpty() ? FileChoice{} : files.dequeue();
    }
    QString chooseFolder(const QString &, const QString &) override
    {
        return folders.isEmpty() ? QString() : folders.dequeue();
    }

    void chooseFile(const QString &path, int filterIndex = 0) { files.enqueue({true, path, filterIndex}); }

    QStringList shown;
    QStringList titles;
    QQueue<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
    QQueue<FileChoice> files;
    QQueue<QString> folders;
    QList<FileRequest> requests;
};

} // namespace kvx::test
