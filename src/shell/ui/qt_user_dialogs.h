#pragma once

#include "shell/user_dialogs.h"

#include <QIcon>

class QWidget;

namespace kvx {

// Message boxes and file dialogs of the desktop. A dialog belongs to the window that
// asked for it; a question that names no window (one of the program's shared parts
// asks: the link, the player) belongs to the program's window the user is working
// in, else to the default parent.
class QtUserDialogs : public UserDialogs
{
public:
    explicit QtUserDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    Answer ask(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    FileChoice openFile(const FileRequest &request) override;
    FileChoice saveFile(const FileRequest &request) override;
    QString chooseFolder(const QString &caption, const QString &start) override;

    Answer askFor(QObject *window, const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    FileChoice openFileFor(QObject *window, const FileRequest &request) override;
    FileChoice saveFileFor(QObject *window, const FileRequest &request) override;
    QString chooseFolderFor(QObject *window, const QString &caption, const QString &start) override;

private:
    QWidget *parentFor(QObject *window) const;

    QWidget *m_parent;
    // The picture of the file list's header, made once for every file dialog.
    QIcon m_fileListHeader;
};

} // namespace kvx
