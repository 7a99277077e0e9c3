#pragma once

#include <QByteArray>
#include <QString>

namespace kvx {

// The outcome of writing one of the program's files.
struct FileWriteResult
{
    bool ok = false;
    QString path;
    QString error; // the system's reason when the write failed
};

// Writes the bytes through QSaveFile, creating the folder when it is missing. A write
// that fails leaves any old file whole.
FileWriteResult writeFileSafely(const QString &path, const QByteArray &bytes);

// The text that tells the user a file could not be written, in the interface language
// ("Japanese" exactly, else English).
QString writeFailureMessage(const FileWriteResult &result, const QString &uiLanguage);

} // namespace kvx
