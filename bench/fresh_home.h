#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace kvx::bench {

// This process's environment with `home` as the home folder and no XDG folder of its
// own, so a child program finds its settings and files under `home` alone.
inline QProcessEnvironment environmentWithHome(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    for (const char *var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        env.remove(QString::fromLatin1(var));
    return env;
}

} // namespace kvx::bench
