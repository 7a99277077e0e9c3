#pragma once

#include "shell/user_dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

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
        if (whileAsking)
            whileAsking(text);
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
        if (whileChoosing)
            whileChoosing(request);
        return files.isEmpty() ? FileChoice{} : files.dequeue();
    }
    FileChoice saveFile(const FileRequest &request) override
    {
        requests.append(request);
        if (whileChoosing)
            whileChoosing(request);
        return files.isEmpty() ? FileChoice{} : files.dequeue();
    }
    QString chooseFolder(const QString &, const QString &) override
    {
        return folders.isEmpty() ? QString() : folders.dequeue();
    }

    // Asked by a window: recorded in askedBy, then answered as above.
    Answer askFor(QObject *window, const QString &text, Buttons buttons, Icon icon, const QString &title) override
    {
        askedBy.append(window);
        return ask(text, buttons, icon, title);
    }
    FileChoice openFileFor(QObject *window, const FileRequest &request) override
    {
        askedBy.append(window);
        return openFile(request);
    }
    FileChoice saveFileFor(QObject *window, const FileRequest &request) override
    {
        askedBy.append(window);
        return saveFile(request);
    }

    void chooseFile(const QString &path, int filterIndex = 0) { files.enqueue({true, path, filterIndex}); }

    // Runs while a question stands, before it is answered (a user reading it).
    std::function<void(const QString &)> whileAsking;
    // Runs while a file dialog stands, before it is answered.
    std::function<void(const FileRequest &)> whileChoosing;
    QList<QObject *> askedBy; // the window of each question and file dialog asked for one
    QStringList shown;
    QStringList titles;
    QQueue<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
    QQueue<FileChoice> files;
    QQueue<QString> folders;
    QList<FileRequest> requests;
};

} // namespace kvx::test
