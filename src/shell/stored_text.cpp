#include "shell/stored_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace kvx {

FileWriteResult writeFileSafely(const QString &path, const QByteArray &bytes)
{
    FileWriteResult result;
    result.path = path;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    // QSaveFile commits even when the last buffered bytes could not be written (a full
    // disk): the old file would be replaced by a cut one. The flush says so first.
    if (!file.flush()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

QString writeFailureMessage(const FileWriteResult &result, const QString &uiLanguage)
{
    const QString path = QDir::toNativeSeparators(result.path);
    if (uiLanguage == QLatin1String("Japanese"))
        return QStringLiteral("ファイルを保存できませんでした。\n%1\n%2").arg(path, result.error);
    return QStringLiteral("The file could not be saved.\n%1\n%2").arg(path, result.error);
}

} // namespace kvx
