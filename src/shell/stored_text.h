#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

namespace kvx {

// Why a file could not be written, as the user can act on it. The system's rarer
// reasons are kept in its own words (Other).
enum class FileFailureKind {
    NoSpace,            // the disk (or the user's quota) is full
    NoPermission,       // the user may not write there
    NotAFolder,         // a file stands where the path needs a folder
    ReadOnlyFileSystem, // the disk is mounted read-only
    FolderNotCreated,   // the missing folder could not be made
    FileTooLarge,       // larger than the file system or the process may write
    Other,
};

struct FileFailure
{
    FileFailureKind kind = FileFailureKind::Other;
    QString folder;     // NotAFolder, FolderNotCreated: the folder concerned
    QString systemText; // Other: the system's own words
};

// The failure an errno value stands for; `folder` is the folder the failed call
// worked in, `fallback` the words used when errno names nothing (0).
FileFailure fileFailureFromErrno(int error, const QString &folder, const QString &fallback = QString());

// The reason as one sentence in the interface language ("Japanese" exactly, else
// English); only the folder's path and Other's system words are not translated.
QString fileFailureReason(const FileFailure &failure, const QString &uiLanguage);

// The outcome of writing one of the program's files.
struct FileWriteResult
{
    bool ok = false;
    QString path;
    QString error;       // the reason in English when the write failed (for logs)
    FileFailure failure; // the reason when the write failed
};

enum class MissingFolder { Create, Fail };

// Writes the bytes through QSaveFile, creating the folder when it is missing unless
// told not to. A write that fails leaves any old file whole and names its real
// reason, also when the disk fills part-way.
FileWriteResult writeFileSafely(const QString &path, const QByteArray &bytes,
                                MissingFolder missing = MissingFolder::Create);

// One of the files a copy of the program writes at close or when a window unloads.
// Two copies may run on one home folder: a copy writes such a file only when what it
// would write differs from what it took from the file or last wrote there itself, so
// an idle copy does not undo what another saved. A missing file is always written.
class KeptFile
{
public:
    // The content this copy holds as the file's once it has read it (what it starts
    // from when the file was missing). Nothing: it took only part of the file (a read
    // that stopped early), so the next write goes ahead. Until then, every write does.
    void took(std::optional<QByteArray> content) { m_held = std::move(content); }
    // Writes content to path unless a file there already holds it as far as this copy
    // knows; a file left as it is counts as written.
    FileWriteResult write(const QString &path, const QByteArray &content);

private:
    std::optional<QByteArray> m_held;
};

// Writes all bytes to an open file through its handle; the failure when the system
// refused any of them (Qt's own buffered write loses errno after a partial write).
std::optional<FileFailure> writeAllBytes(int handle, const QByteArray &bytes, const QString &folder);

// The text that tells the user a file could not be written, in the interface language
// ("Japanese" exactly, else English): the head, the file's path and the reason, each on
// a line of its own. Without a head, a general one ("The file could not be saved.").
QString writeFailureMessage(const FileWriteResult &result, const QString &uiLanguage);
QString writeFailureMessage(const QString &head, const FileWriteResult &result, const QString &uiLanguage);

} // namespace kvx
