#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kvx {

// Reads a whole text file; false when it cannot be opened or read.
bool readTextFile(const QString &path, QString &text);

// Writes text as UTF-8 through QSaveFile: on failure the old file stays whole and
// error (when given) receives the reason.
bool writeTextFile(const QString &path, const QString &text, QString *error = nullptr);

} // namespace kvx
