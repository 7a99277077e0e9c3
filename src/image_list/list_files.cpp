#include "image_list/list_files.h"

#include "image_list/definition_listing.h"
#include "image_list/image_list.h"
#include "image_list/image_texts.h"
#include "image_list/param_text.h"
#include "image_list/text_io.h"
#include "link/app_paths.h"
#include "link/codepage.h"
#include "link/numbers.h"
#include "shell/user_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace kvx {

namespace {

const QString kTempList = QStringLiteral("temp.iml");
const QString kImgPathFile = QStringLiteral("Imgpath.tmp");

QString item(qint64 value)
{
    return value < 0 ? QString::number(value) + QLatin1Char(' ')
                     : QLatin1Char(' ') + QString::number(value) + QLatin1Char(' ');
}

qsizetype lastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

QString folderOf(const QString &path)
{
    const qsizetype cut = lastSeparator(path);
    return cut < 0 ? QString() : path.left(cut);
}

QString nameOf(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString listText(const QList<ImageListEntry> &entries, const QString &totalWord,
                 const std::function<QString(const ImageListEntry &)> &reference)
{
    QStringList lines;
    lines << image_msg::banner << QStringLiteral("Macro Editor Image List   ") + image_msg::authorCredit << QString()
          << QStringLiteral("Rev1.20") << QStringLiteral("Total number of %1 : ").arg(totalWord) + item(entries.size())
          << QString();
    for (int i = 0; i < entries.size(); ++i) {
        const ImageListEntry &e = entries[i];
        lines << QStringLiteral("No = ") + item(i + 1) << QStringLiteral("label = ") + e.imgLabel
              << QStringLiteral("File = ") + reference(e) << QStringLiteral("X = ") + item(e.imgX)
              << QStringLiteral("Y = ") + item(e.imgY) << QStringLiteral("Check = ") + item(e.imgCheck)
              << QStringLiteral("Memory = ") + e.imgMemory << QStringLiteral("Address = ") + item(e.imgAddress);
    }
    lines << QString() << QStringLiteral("EOF");
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

} // namespace

QString imageListFileText(const QList<ImageListEntry> &entries, const QString &base, bool withBmp)
{
    return listText(entries, QStringLiteral("Images"), [&](const ImageListEntry &e) {
        if (e.imgPath.isEmpty())
            return QString(); // a blank image has no file, also beside the list
        if (withBmp)
            return QStringLiteral("./") + e.imgFileName;
        // Relative only below the folder itself: "/lists2/a.bmp" is not under "/lists".
        const QString prefix = base + QLatin1Char('/');
        if (!e.imgPath.isEmpty() && e.imgPath.startsWith(prefix))
            return QLatin1Char('.') + e.imgPath.mid(base.size());
        return e.imgPath;
    });
}

QString tempImageListText(const QList<ImageListEntry> &entries)
{
    // "Inages" is the header word temp.iml has always had.
    return listText(entries, QStringLiteral("Inages"), [](const ImageListEntry &e) { return e.imgPath; });
}

ImageListRead parseImageList(const QString &text, const QString &base, int maxEntries)
{
    ImageListRead read;
    const QStringList lines = splitFileLines(text);
    for (int n = 0; n < lines.size(); ++n) {
        QString rest = lines[n];
        const QString key = normalizeParamText(rest).toLower();
        if (key == QLatin1String("eof"))
            break;
        if (key == QLatin1String("no")) {
            if (read.entries.size() >= maxEntries) {
                read.full = true;
                break;
            }
            ImageListEntry e;
            e.imgX = 16;
            e.imgY = 16;
            e.imgCheck = 1;
            e.imgMemory = QStringLiteral("FROM");
            read.entries.append(e);
            continue;
        }
        static const QStringList entryKeys{QStringLiteral("label"),  QStringLiteral("file"),  QStringLiteral("x"),
                                           QStringLiteral("y"),      QStringLiteral("check"), QStringLiteral("memory"),
                                           QStringLiteral("address")};
        const bool entryKey = entryKeys.contains(key);
        if (!entryKey && key != QLatin1String("currentpath"))
            continue;
        if (normalizeParamText(rest) != QLatin1String("="))
            continue;
        if (key == QLatin1String("currentpath")) {
            read.currentPath = trimSpaces(rest) + QStringLiteral("/*.iml");
            continue;
        }
        if (read.entries.isEmpty()) {
            read.errorLine = n + 1;
            break;
        }
        ImageListEntry &e = read.entries.last();
        if (key == QLatin1String("label")) {
            e.imgLabel = trimSpaces(rest);
        } else if (key == QLatin1String("file")) {
            QString reference = trimSpaces(rest);
            if (reference.startsWith(QLatin1Char('.')))
                reference = base + reference.mid(1).replace(QLatin1Char('\\'), QLatin1Char('/'));
            e.imgPath = reference;
            e.imgFileName = nameOf(reference);
        } else if (key == QLatin1String("memory")) {
            e.imgMemory = trimSpaces(rest);
        } else {
            const double value = numericValue(normalizeParamText(rest));
            try {
                if (key == QLatin1String("address")) {
                    e.imgAddress = toWhole(value, IntWidth::Int32);
                } else {
                    const int v = int(toWhole(value, IntWidth::Int16));
                    (key == QLatin1String("x") ? e.imgX : key == QLatin1String("y") ? e.imgY : e.imgCheck) = v;
                }
            } catch (const EncodeError &) {
                read.errorLine = n + 1;
                break;
            }
        }
    }
    return read;
}

ImageListFiles::ImageListFiles(ImageList &list, UserDialogs &dialogs) : m_list(list), m_dialogs(dialogs) {}

QString ImageListFiles::caption() const
{
    const QString word = imageText(m_captionWord, m_list.language());
    return m_captionFile.isEmpty() ? word : word + QStringLiteral(" (") + m_captionFile + QLatin1Char(')');
}

void ImageListFiles::setCaption(ImageText word, const QString &path)
{
    m_captionWord = word;
    m_captionFile = path.isEmpty() ? QString() : nameOf(path);
}

void ImageListFiles::newImageList()
{
    m_list.newImageList();
    setCaption(ImageText::ImageLabelList, QString());
}

bool ImageListFiles::readListFile(const QString &path, const QString &base, ImageListRead &read)
{
    QString text;
    if (!readTextFile(path, text)) {
        m_dialogs.message(imageText(ImageText::ListReadFailed, m_list.language()).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    read = parseImageList(text, base, ImageList::imgMax);
    if (!read.currentPath.isEmpty())
        m_listDialogFile = read.currentPath;
    return true;
}

bool ImageListFiles::takeList(const ImageListRead &read, const QString &path)
{
    m_list.replaceEntries(read.entries);
    if (read.errorLine > 0)
        m_dialogs.message(imageText(ImageText::ListReadError, m_list.language())
                              .arg(read.errorLine)
                              .arg(QDir::toNativeSeparators(path)));
    if (read.full)
        m_dialogs.message(image_msg::listFull(ImageList::imgMax));
    return read.errorLine == 0 && !read.full;
}

bool ImageListFiles::readImageListFile(const QString &path, const QString &base)
{
    ImageListRead read;
    return readListFile(path, base, read) && takeList(read, path);
}

bool ImageListFiles::openImageList()
{
    UserDialogs::FileRequest request;
    request.start = m_listDialogFile.isEmpty() ? m_list.workFolder() : m_listDialogFile;
    request.filters = {QStringLiteral("CG files (*.IML)")};
    request.confirmOverwrite = false;
    const UserDialogs::FileChoice choice = m_dialogs.openFile(request);
    if (!choice.accepted || choice.path.isEmpty()) {
        m_list.refresh();
        return false;
    }
    m_listDialogFile = choice.path;
    const QString shown = QDir::toNativeSeparators(choice.path);
    ImageListRead read;
    if (!QFileInfo::exists(choice.path))
        m_dialogs.message(imageText(ImageText::ListReadFailed, m_list.language()).arg(shown));
    else if (readListFile(choice.path, folderOf(choice.path), read) && !read.isList())
        m_dialogs.message(imageText(ImageText::NotImageList, m_list.language()).arg(shown));
    if (!read.isList()) {
        // The list that is open stays.
        m_list.refresh();
        return false;
    }
    m_listPath = choice.path;
    setCaption(ImageText::ImageLabelList, choice.path);
    return takeList(read, choice.path);
}

void ImageListFiles::loadImgPathFile()
{
    m_listDialogFile.clear();
    QString text;
    if (readTextFile(programFile(kImgPathFile), text) || readTextFile(programFile(kImgPathFile.toLower()), text)) {
        const QStringList lines = splitFileLines(text);
        if (!lines.isEmpty())
            m_listDialogFile = lines[0];
        if (lines.size() > 1 && lines[1] == QLatin1String("Y"))
            m_withBmp = true;
        m_listPath.clear();
    }
    m_imgPath.took(imgPathBytes());
}

void ImageListFiles::loadTempImageList()
{
    const QString path = programFile(kTempList);
    // A list read only in part is written whole at the next save.
    const bool whole = !QFileInfo::exists(path) || readImageListFile(path, m_list.workFolder());
    m_tempList.took(whole ? std::optional(tempListBytes()) : std::nullopt);
    // No list file is open after start-up: the caption names none.
    setCaption(ImageText::ImageLabelList, m_listPath);
}

bool ImageListFiles::writeImageListFile(const QString &path)
{
    const QString base = folderOf(path);
    if (!writeTextFile(path, imageListFileText(m_list.entries(), base, m_withBmp)).ok)
        return false;
    if (m_withBmp)
        copyBmpFilesToListFolder(base);
    return true;
}

bool ImageListFiles::saveImageList()
{
    if (m_listPath.isEmpty())
        return saveImageListAs();
    if (writeImageListFile(m_listPath)) {
        setCaption(ImageText::ImageTool, m_listPath);
        return true;
    }
    m_dialogs.message(image_msg::error);
    setCaption(ImageText::ImageTool, QString());
    return false;
}

bool ImageListFiles::saveImageListAs()
{
    UserDialogs::FileRequest request;
    request.start = !m_listPath.isEmpty() ? m_listPath
        : !m_listDialogFile.isEmpty()     ? m_listDialogFile
                                          : m_list.workFolder();
    request.filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Image List (*.IML)")};
    request.filterIndex = 1;
    const UserDialogs::FileChoice choice = m_dialogs.saveFile(request);
    if (!choice.accepted || choice.path.isEmpty())
        return false;
    m_listDialogFile = choice.path;
    if (!writeImageListFile(choice.path)) {
        m_dialogs.message(image_msg::error);
        setCaption(ImageText::ImageTool, QString());
        return false;
    }
    m_listPath = choice.path;
    setCaption(ImageText::ImageTool, choice.path);
    return true;
}

QByteArray ImageListFiles::tempListBytes() const
{
    return tempImageListText(m_list.entries()).toUtf8();
}

bool ImageListFiles::saveTempImageList()
{
    return reportWrite(m_tempList.write(programFile(kTempList), tempListBytes()));
}

bool ImageListFiles::reportWrite(const FileWriteResult &result)
{
    if (!result.ok)
        m_dialogs.message(writeFailureMessage(result, m_list.language()));
    return result.ok;
}

QByteArray ImageListFiles::imgPathBytes() const
{
    return (m_listDialogFile + QLatin1String("\r\n") + QLatin1String(m_withBmp ? "Y" : "N") + QLatin1String("\r\n"))
        .toUtf8();
}

bool ImageListFiles::saveImgPathFile()
{
    return reportWrite(m_imgPath.write(programFile(kImgPathFile), imgPathBytes()));
}

void ImageListFiles::copyBmpFilesToListFolder(const QString &folder)
{
    QStringList nameTaken;
    QStringList notCopied;
    const QList<ImageListEntry> entries = m_list.entries();
    for (const ImageListEntry &e : entries) {
        if (e.imgPath.isEmpty())
            continue;
        QFile source(e.imgPath);
        if (!source.open(QIODevice::ReadOnly)) {
            m_dialogs.message(image_msg::fileNotExist + e.imgPath);
            continue;
        }
        const QString target = folder + QLatin1Char('/') + nameOf(e.imgPath);
        const QFileInfo targetInfo(target);
        if (targetInfo.exists()) {
            // Already there: the same file, or a copy with the same bytes, is fine;
            // a different file of that name is never replaced.
            if (targetInfo.canonicalFilePath() == QFileInfo(e.imgPath).canonicalFilePath())
                continue;
            QFile existing(target);
            const QByteArray mine = source.readAll();
            if (existing.open(QIODevice::ReadOnly) && existing.readAll() == mine)
                continue;
            if (!nameTaken.contains(nameOf(e.imgPath)))
                nameTaken.append(nameOf(e.imgPath));
            continue;
        }
        source.close();
        if (!QFile::copy(e.imgPath, target))
            notCopied.append(QDir::toNativeSeparators(e.imgPath));
    }
    const QString language = m_list.language();
    if (!nameTaken.isEmpty())
        m_dialogs.message(imageText(ImageText::NotCopiedNameTaken, language)
                              .arg(QDir::toNativeSeparators(folder), nameTaken.join(QLatin1Char('\n'))));
    if (!notCopied.isEmpty())
        m_dialogs.message(imageText(ImageText::NotCopied, language).arg(notCopied.join(QLatin1Char('\n'))));
}

bool ImageListFiles::outputList()
{
    UserDialogs::FileRequest request;
    request.start = m_listingPath.isEmpty() ? m_list.workFolder() : m_listingPath;
    request.filters = {QStringLiteral("Text Files (*.txt)"), QStringLiteral("C Lang (*.c)"),
                       QStringLiteral("Assem(*.asm)")};
    request.filterIndex = 0;
    request.confirmOverwrite = true;
    const UserDialogs::FileChoice choice = m_dialogs.saveFile(request);
    if (!choice.accepted || choice.path.isEmpty())
        return false;
    const ListingTarget target = listingTarget(choice.path, choice.filterIndex);
    m_listingPath = target.path;
    if (!mayWriteCompletedName(m_dialogs, choice.path, target.path, m_list.language() == QLatin1String("Japanese")))
        return false;
    return reportWrite(writeTextFile(target.path, definitionListing(m_list.entries(), target.form)));
}

} // namespace kvx
