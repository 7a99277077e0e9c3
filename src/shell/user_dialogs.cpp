#include "shell/user_dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace kvx {

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
