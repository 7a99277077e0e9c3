#pragma once

#include "shell/user_dialogs.h"

class QWidget;

namespace kvx {

// Message boxes and file dialogs of the desktop.
class QtUserDialogs : public UserDialogs
{
public:
    explicit QtUserDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    Answer ask(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    FileChoice openFile(const FileRequest &request) override;
    FileChoice saveFile(const FileRequest &request) override;
    QString chooseFolder(const QString &caption, const QString &start) override;

private:
    QWidget *m_parent;
};

} // namespace kvx
