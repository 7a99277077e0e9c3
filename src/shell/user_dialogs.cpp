#include "shell/user_dialogs.h"

#include "link/send_run.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace kvx {

bool QuietWhenCancelled::quiet() const
{
    return m_sessionEnded || SendRun::cancelled();
}

UserDialogs::Answer QuietWhenCancelled::askFor(QObject *window, const QString &text, Buttons buttons, Icon icon,
                                               const QString &title)
{
    if (!quiet())
        return m_program.askFor(window, text, buttons, icon, title);
    if (m_sessionEnded && buttons == Buttons::Ok)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel: break;
    }
    return Answer::Cancel;
}

UserDialogs::FileChoice QuietWhenCancelled::openFileFor(QObject *window, const FileRequest &request)
{
    return quiet() ? FileChoice() : m_program.openFileFor(window, request);
}

UserDialogs::FileChoice QuietWhenCancelled::saveFileFor(QObject *window, const FileRequest &request)
{
    return quiet() ? FileChoice() : m_program.saveFileFor(window, request);
}

QString QuietWhenCancelled::chooseFolderFor(QObject *window, const QString &caption, const QString &start)
{
    return quiet() ? QString() : m_program.chooseFolderFor(window, caption, start);
}

bool mayWriteCompletedName(UserDialogs &dialogs, const QString &chosen, const QString &path, bool japanese)
{
    if (path == chosen || !QFileInfo::exists(path))
        return true;
    const QString question = QDir::toNativeSeparators(path)
        + (japanese ? QStringLiteral(" は既にあります。\n置き換えますか？")
                    : QStringLiteral(" already exists.\nDo you want to replace it?"));
    return dialogs.ask(question, UserDialogs::Buttons::YesNo, UserDialogs::Icon::Warning) == UserDialogs::Answer::Yes;
}

} // namespace kvx
