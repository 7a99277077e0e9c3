#include "shell/settings_files.h"

#include "link/codepage.h"

#include "link/app_paths.h"
#include "shell/model_series.h"
#include "shell/user_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace kvx {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Reads the comma- and line-separated fields of a sequential settings file: a field
// in double quotes keeps commas and blanks; a bare field ends at a comma or a line
// end and loses its outer blanks.
class FieldReader
{
public:
    explicit FieldReader(const QString &text) : m_text(text) {}

    // The next field, or nothing when the file has ended or the field is cut off.
    std::optional<QString> next()
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            return std::nullopt;
        if (m_text.at(m_pos) == QLatin1Char('"'))
            return quoted();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && !isDelimiter(m_text.at(m_pos)))
            ++m_pos;
        const QString field = m_text.mid(start, m_pos - start).trimmed();
        consumeDelimiter();
        return field;
    }

private:
    static bool isDelimiter(QChar c)
    {
        return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }
    static bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text.at(m_pos)))
            ++m_pos;
    }

    // A quoted field ends at the quote that is followed, after blanks, by a comma, a
    // line end or the end of the file, so a text holding a quote of its own (which the
    // writer cannot escape) still comes back whole.
    std::optional<QString> quoted()
    {
        const qsizetype start = m_pos + 1;
        for (qsizetype q = start; q < m_text.size(); ++q) {
            if (m_text.at(q) != QLatin1Char('"'))
                continue;
            qsizetype after = q + 1;
            while (after < m_text.size() && isBlank(m_text.at(after)))
                ++after;
            if (after == m_text.size() || isDelimiter(m_text.at(after))) {
                const QString field = m_text.mid(start, q - start);
                m_pos = after;
                consumeDelimiter();
                return field;
            }
        }
        // No closing quote: the file was cut off inside this field.
        m_pos = m_text.size();
        return std::nullopt;
    }

    void consumeDelimiter()
    {
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text.at(m_pos++);
        if (c == QLatin1Char('\r') && m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\n'))
            ++m_pos;
    }

    QString m_text;
    qsizetype m_pos = 0;
};

// A whole number as a 32-bit colour: decimal with an optional sign, or "&H" and up to
// eight hexadecimal digits (which wrap to the signed range as a long literal does).
std::optional<qint32> parseColour(const QString &field)
{
    const QString t = field.trimmed();
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const QString digits = t.mid(2);
        bool ok = false;
        const quint32 v = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 8)
            return std::nullopt;
        return qint32(v);
    }
    bool ok = false;
    const qint32 v = t.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

QString quotedField(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"') + CrLf;
}

} // namespace

const QStringList &configTags()
{
    static const QStringList tags = {
        QStringLiteral("5200seiV10b"),  QStringLiteral("5200seiV10b3"), QStringLiteral("5200seiV10b4"),
        QStringLiteral("5200seiV10b5"), QStringLiteral("5200seiV30b0"), QStringLiteral("5200seiV30b2"),
    };
    return tags;
}

ConfigSettings defaultConfigSettings()
{
    ConfigSettings s;
    s.bitmapFolder = programFolder();
    return s;
}

void ConfigRead::applyTo(ConfigSettings &settings) const
{
    if (port)
        settings.port = *port;
    if (portSettings)
        settings.portSettings = *portSettings;
    if (model)
        settings.model = *model;
    if (hintColour)
        settings.hintColour = *hintColour;
    if (series)
        settings.series = *series;
    if (bitmapFolder && !bitmapFolder->isEmpty() && QFileInfo(*bitmapFolder).isDir())
        settings.bitmapFolder = *bitmapFolder;
    if (revisionB)
        settings.revisionB = *revisionB;
    if (language)
        settings.language = *language;
}

ConfigRead parseConfig(const QByteArray &bytes)
{
    ConfigRead read;
    read.fileFound = true;
    FieldReader fields(decodeFileText(bytes));

    const std::optional<QString> tag = fields.next();
    if (!tag)
        return read;
    read.tag = *tag;
    read.layout = int(configTags().indexOf(*tag)); // exact, case-sensitive
    if (read.layout < 0)
        return read;

    // Record 2, "*** InterFace ***", is read and passed over.
    if (!fields.next())
        return read;

    // Layout k holds records 3 to 5 + k; the reads stop where the file ends.
    const int lastRecord = 5 + read.layout;
    for (int record = 3; record <= lastRecord; ++record) {
        const std::optional<QString> field = fields.next();
        if (!field)
            break;
        switch (record) {
        case 3: read.port = *field; break;
        case 4: read.portSettings = *field; break;
        case 5:
            // A text that names no model would give the module no size: keep the model.
            if (const std::optional<QString> m = matchModel(*field))
                read.model = *m;
            break;
        case 6: read.hintColour = parseColour(*field); break;
        case 7: {
            const int index = seriesIndexForSettings(*field);
            if (index >= 0)
                read.series = index;
            break;
        }
        case 8: read.bitmapFolder = *field; break;
        case 9: read.revisionB = (*field == QLatin1String("1")); break;
        case 10: read.language = *field; break;
        }
    }
    return read;
}

QByteArray configBytes(const ConfigSettings &s)
{
    QString text;
    text += quotedField(QString::fromLatin1(CurrentConfigTag));
    text += quotedField(QStringLiteral("*** InterFace ***"));
    text += quotedField(s.port);
    text += quotedField(s.portSettings);
    text += quotedField(s.model);
    text += QString::number(s.hintColour) + CrLf;
    text += quotedField(seriesSettingsString(s.series));
    text += quotedField(s.bitmapFolder);
    text += QString::number(s.revisionB ? 1 : 0) + CrLf;
    text += quotedField(s.language);
    return text.toUtf8();
}

QString configPath()
{
    return programFile(QStringLiteral("Config.dat"));
}
QString textMemoPath()
{
    return programFile(QStringLiteral("Tmp.sei"));
}

ConfigRead loadConfig(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseConfig(file.readAll());
}

FileWriteResult saveConfig(const ConfigSettings &settings, const QString &path)
{
    return writeFileSafely(path, configBytes(settings));
}

QByteArray textMemoBytes(const QString &macroText)
{
    return (macroText + CrLf).toUtf8();
}

QString parseTextMemo(const QByteArray &bytes)
{
    QString text = decodeFileText(bytes);
    if (text.endsWith(CrLf))
        text.chop(2);
    return text;
}

FileWriteResult saveTextMemo(const QString &macroText, const QString &path)
{
    return writeFileSafely(path, textMemoBytes(macroText));
}

std::optional<QString> loadTextMemo(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseTextMemo(file.readAll());
}

std::optional<QString> systemLocaleLanguageName()
{
    const QLocale::Language language = QLocale::system().language();
    if (language == QLocale::AnyLanguage)
        return std::nullopt;
    return QLocale::languageToString(language);
}

QString decideLanguage(const std::optional<QString> &fileLanguage, const std::optional<QString> &localeLanguageName,
                       UserDialogs &dialogs)
{
    // "none" is the value the window holds while no language has been read.
    if (fileLanguage && *fileLanguage != QLatin1String("none"))
        return *fileLanguage;
    if (localeLanguageName && *localeLanguageName == QLatin1String("Japanese")) {
        const UserDialogs::Answer answer =
            dialogs.ask(QString::fromUtf8(LanguageQuestionText), UserDialogs::Buttons::YesNo,
                        UserDialogs::Icon::Question, QString::fromUtf8(LanguageQuestionTitle));
        return answer == UserDialogs::Answer::Yes ? QStringLiteral("Japanese") : QStringLiteral("English");
    }
    return QStringLiteral("English");
}

} // namespace kvx
