#include "shell/stored_text.h"

#include "shell/captions.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace kvx {

namespace {

const QString English = QStringLiteral("English");

FileWriteResult failedWrite(const QString &path, const FileFailure &failure)
{
    FileWriteResult result;
    result.path = path;
    result.failure = failure;
    result.error = fileFailureReason(failure, English);
    return result;
}

} // namespace

FileFailure fileFailureFromErrno(int error, const QString &folder, const QString &fallback)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return {FileFailureKind::NoSpace, folder, QString()};
    case EACCES:
    case EPERM: return {FileFailureKind::NoPermission, folder, QString()};
    // EEXIST: making a folder where a file of that name stands.
    case ENOTDIR:
    case EEXIST: return {FileFailureKind::NotAFolder, folder, QString()};
    case EROFS: return {FileFailureKind::ReadOnlyFileSystem, folder, QString()};
    case EFBIG: return {FileFailureKind::FileTooLarge, folder, QString()};
    case 0: return {FileFailureKind::Other, folder, fallback};
    default: return {FileFailureKind::Other, folder, qt_error_string(error)};
    }
}

QString fileFailureReason(const FileFailure &failure, const QString &uiLanguage)
{
    const bool ja = isJapanese(uiLanguage);
    const QString folder = QDir::toNativeSeparators(failure.folder);
    switch (failure.kind) {
    case FileFailureKind::NoSpace:
        return ja ? QStringLiteral("ディスクに空きがありません。")
                  : QStringLiteral("There is no space left on the disk.");
    case FileFailureKind::NoPermission:
        return ja ? QStringLiteral("この場所に書き込む権限がありません。")
                  : QStringLiteral("You have no permission to write there.");
    case FileFailureKind::NotAFolder:
        if (ja)
            return QStringLiteral("%1 はフォルダーではありません"
                                  "（そこか、その上のフォルダーの場所にファイルがあります）。")
                .arg(folder);
        return QStringLiteral("%1 is not a folder: a file stands in its place or in the place of a folder above it.")
            .arg(folder);
    case FileFailureKind::ReadOnlyFileSystem:
        return ja ? QStringLiteral("ディスクが読み取り専用です。") : QStringLiteral("The disk is read-only.");
    case FileFailureKind::FolderNotCreated:
        return (ja ? QStringLiteral("フォルダー %1 を作成できません。")
                   : QStringLiteral("The folder %1 cannot be created."))
            .arg(folder);
    case FileFailureKind::FileTooLarge:
        return ja ? QStringLiteral("ファイルが、ディスクまたはシステムが許す大きさを超えています。")
                  : QStringLiteral("The file is larger than the disk or the system allows.");
    case FileFailureKind::Other: break;
    }
    if (!failure.systemText.isEmpty())
        return failure.systemText;
    return ja ? QStringLiteral("原因は分かりません。") : QStringLiteral("The reason is not known.");
}

std::optional<FileFailure> writeAllBytes(int handle, const QByteArray &bytes, const QString &folder)
{
    const char *at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(handle, at, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fileFailureFromErrno(errno, folder);
        // A file that takes no byte and names no error: the disk has no room left.
        if (n == 0)
            return fileFailureFromErrno(ENOSPC, folder);
        at += n;
        left -= n;
    }
    return std::nullopt;
}

FileWriteResult writeFileSafely(const QString &path, const QByteArray &bytes, MissingFolder missing)
{
    const QString folder = QFileInfo(path).absolutePath();
    // errno is read right after each failing call: Qt keeps only a text, and none at
    // all after a write that stopped part-way.
    errno = 0;
    if (missing == MissingFolder::Create && !QDir().mkpath(folder)) {
        FileFailure failure = fileFailureFromErrno(errno, folder);
        if (failure.kind == FileFailureKind::Other)
            failure = {FileFailureKind::FolderNotCreated, folder, QString()};
        return failedWrite(path, failure);
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failedWrite(path, fileFailureFromErrno(errno, folder, file.errorString()));
    // Written through the handle, not QSaveFile's buffer: QSaveFile commits even when
    // the last buffered bytes could not be written, and loses the reason.
    if (const std::optional<FileFailure> failure = writeAllBytes(file.handle(), bytes, folder)) {
        file.cancelWriting();
        return failedWrite(path, *failure);
    }
    // Some file systems report a full disk only when the data reaches it; QSaveFile's
    // own sync at the commit passes over its failure. EINVAL: a file that cannot sync.
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        const FileFailure failure = fileFailureFromErrno(errno, folder);
        file.cancelWriting();
        return failedWrite(path, failure);
    }
    errno = 0;
    if (!file.commit())
        return failedWrite(path, fileFailureFromErrno(errno, folder, file.errorString()));
    FileWriteResult result;
    result.ok = true;
    result.path = path;
    return result;
}

FileWriteResult KeptFile::write(const QString &path, const QByteArray &content)
{
    if (content == m_held && QFileInfo(path).isFile()) {
        FileWriteResult unchanged;
        unchanged.ok = true;
        unchanged.path = path;
        return unchanged;
    }
    FileWriteResult result = writeFileSafely(path, content);
    if (result.ok)
        m_held = content;
    return result;
}

QString writeFailureMessage(const QString &head, const FileWriteResult &result, const QString &uiLanguage)
{
    return head + QLatin1Char('\n') + QDir::toNativeSeparators(result.path) + QLatin1Char('\n')
        + fileFailureReason(result.failure, uiLanguage);
}

QString writeFailureMessage(const FileWriteResult &result, const QString &uiLanguage)
{
    const QString head = isJapanese(uiLanguage) ? QStringLiteral("ファイルを保存できませんでした。")
                                                : QStringLiteral("The file could not be saved.");
    return writeFailureMessage(head, result, uiLanguage);
}

} // namespace kvx
