#include "macro_editor/macro_files.h"

#include "link/app_paths.h"
#include "link/codepage.h"
#include "macro_editor/demo_firmware.h"
#include "macro_editor/macro_writers.h"
#include "shell/macro_tokenizer.h"
#include "shell/stored_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvx {

QString normaliseLoadedText(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("\r\n");
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\r\n");
        } else {
            out += c;
        }
    }
    if (out.endsWith(QLatin1String("\r\n")))
        out.chop(2);
    return out;
}

MacroFileOperations::MacroFileOperations(UserDialogs &dialogs) : m_dialogs(dialogs) {}

QString MacroFileOperations::text(const char *english, const char *japanese) const
{
    return QString::fromUtf8(m_japanese ? japanese : english);
}

bool MacroFileOperations::writeFile(const QString &path, const QByteArray &content)
{
    // The user chose the folder in the dialog: one that has gone since is not made again.
    const FileWriteResult result = writeFileSafely(path, content, MissingFolder::Fail);
    if (result.ok)
        return true;
    m_dialogs.message(writeFailureMessage(text("The file could not be written:", "ファイルに書き込めませんでした:"),
                                          result, QLatin1String(m_japanese ? "Japanese" : "English")),
                      UserDialogs::Icon::Critical);
    return false;
}

bool MacroFileOperations::save(const QString &macroText, bool demoEntries, QString &workFolder)
{
    const QString firmwareFolder = m_firmwareFolder.isEmpty() ? programFolder() : m_firmwareFolder;
    QList<HexVariant> boards;
    DemoFirmware firmware[4];
    if (demoEntries) {
        for (HexVariant b : {HexVariant::KdbT640, HexVariant::Pic, HexVariant::Tq}) {
            firmware[int(b)] = readDemoFirmware(b, firmwareFolder);
            if (firmware[int(b)].ok())
                boards.append(b);
        }
    }
    const QList<SaveFilter> filters = saveFilters(demoEntries, boards);

    UserDialogs::FileRequest request;
    for (const SaveFilter &f : filters)
        request.filters << f.entry;
    request.filterIndex = DefaultSaveFilter;
    request.confirmOverwrite = true;
    // The dialog offers the last file again when it is of the kind this save expects.
    const QString lastName = QFileInfo(m_lastPath).fileName();
    const QString kind = demoEntries ? QStringLiteral("HEX") : QStringLiteral("SEI");
    request.start = lastName.right(3).toUpper() == kind ? QDir(workFolder).filePath(lastName) : workFolder;

    const UserDialogs::FileChoice choice = m_dialogs.saveFile(request);
    if (!choice.accepted || choice.path.isEmpty())
        return false;
    m_lastPath = choice.path;
    workFolder = QFileInfo(choice.path).absolutePath();

    const bool knownFilter = choice.filterIndex >= 0 && choice.filterIndex < filters.size();
    const SaveFilter filter =
        knownFilter ? filters.at(choice.filterIndex) : SaveFilter{QString(), QStringLiteral(".hex"), HexVariant::Plain};
    const QString path = completeFileName(choice.path, filter.extension);
    if (path != choice.path)
        m_lastPath = path;
    if (!mayWriteCompletedName(m_dialogs, choice.path, path, m_japanese))
        return false;

    const MacroFormat format = formatForFileName(path);
    QString content;
    if (format == MacroFormat::Text) {
        content = textFile(macroText);
    } else {
        const MacroReading reading = readMacroForWriting(macroText, m_japanese);
        if (!reading.ok()) {
            m_dialogs.message(dataErrorMessage(*reading.error));
            return false;
        }
        if (format == MacroFormat::CSource) {
            content = cSourceFile(reading.lines, cNameForFile(path));
        } else if (format == MacroFormat::Assembler) {
            content = assemblerFile(reading.lines);
        } else {
            const HexFile hex =
                intelHexFile(reading.bytes(), filter.variant, firmware[int(filter.variant)], m_japanese);
            if (!hex.refusal.isEmpty()) {
                m_dialogs.message(hex.refusal, UserDialogs::Icon::Warning);
                return false;
            }
            if (!hex.capacityMessage.isEmpty())
                m_dialogs.message(hex.capacityMessage);
            content = hex.content;
        }
    }
    return writeFile(path, content.toUtf8());
}

std::optional<QString> MacroFileOperations::load(const QString &currentText, QString &workFolder)
{
    UserDialogs::FileRequest request;
    request.filters = QStringList{QStringLiteral("All Files (*)"), QStringLiteral("5200seiData(*.sei)"),
                                  QStringLiteral("Velademo Data(*.dat)")};
    request.filterIndex = 1;
    request.start = workFolder;
    request.confirmOverwrite = false;
    const UserDialogs::FileChoice choice = m_dialogs.openFile(request);
    if (!choice.accepted || choice.path.isEmpty())
        return std::nullopt;
    m_lastPath = choice.path;

    if (!currentText.isEmpty()
        && m_dialogs.ask(
               text("Are you sure? in process data will eliminate", "現在のデータが失われますが、よろしいですか？"),
               UserDialogs::Buttons::OkCancel, UserDialogs::Icon::Question, text("Open File", "ファイルを開く"))
            != UserDialogs::Answer::Ok)
        return std::nullopt;

    QFile file(choice.path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.message(QStringLiteral("File open error"));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_dialogs.message(QStringLiteral("File open error"));
        return std::nullopt;
    }
    workFolder = QFileInfo(choice.path).absolutePath();
    return normaliseLoadedText(decodeFileText(bytes));
}

} // namespace kvx
