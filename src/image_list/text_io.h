#pragma once

#include "shell/stored_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kvx {

// Reads a whole text file; false when it cannot be opened or read.
bool readTextFile(const QString &path, QString &text);

// Writes text as UTF-8 through QSaveFile: on failure the old file stays whole.
FileWriteResult writeTextFile(const QString &path, const QString &text);

} // namespace kvx
