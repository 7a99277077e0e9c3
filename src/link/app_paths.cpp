#include "link/app_paths.h"

#include <QDir>
#include <QStandardPaths>

namespace kvx {

QString programFolder()
{
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
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Telmarin/KVX35P.ini");
}

} // namespace kvx
