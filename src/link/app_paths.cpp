#include "link/app_paths.h"

#include <QDir>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace kvx {

namespace {

// Where the environment names no home folder (HOME unset or empty, as for a program
// started by a service), Qt takes "/" and the files would land in "/Documents" and
// "/.config": the user's home from the user database is put in its place, so every
// path built on the home folder (these and the file dialogs' alike) finds the user's.
void settleHomeFolder()
{
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return;
    const passwd *user = getpwuid(getuid());
    if (user && user->pw_dir && *user->pw_dir)
        qputenv("HOME", user->pw_dir);
}

} // namespace

QString programFolder()
{
    settleHomeFolder();
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath() + QStringLiteral("/Documents");
    const QString folder = docs + QStringLiteral("/Telmarin/KVX35P");
    QDir().mkpath(folder);
    return folder;
}

QString programFile(const QString &name)
{
    return programFolder() + QLatin1Char('/') + name;
}

QString settingsIniPath()
{
    settleHomeFolder();
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Telmarin/KVX35P.ini");
}

} // namespace kvx
