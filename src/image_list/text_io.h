#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kvx {

// Text of a file: UTF-8 when the bytes are valid UTF-8, otherwise CP932, so files
// made on Windows still load.
QString decodeText(const QByteArray &bytes);

// Reads a whole text file; false when it cannot be opened or read.
bool readTextFile(const QString &path, QString &text);

// Lines of a text, split at CR LF, LF or CR. A final line end adds no empty line.
QStringList splitLines(const QString &text);

// Writes text as UTF-8 through QSaveFile: on failure the old file stays whole and
// error (when given) receives the reason.
bool writeTextFile(const QString &path, const QString &text, QString *error = nullptr);

} // namespace kvx
