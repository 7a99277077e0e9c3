#include "shell/macro_tokenizer.h"
#include "link/numbers.h"

namespace kvx {

namespace {

// The value of one byte word; above 0xFF when it gives no byte.
int wordValue(const QString &word, SystemCodePage page)
{
    if (word.startsWith(QLatin1Char('\''))) {
        if (word.size() < 2)
            return 0x100;
        char32_t ch = word.at(1).unicode();
        if (word.at(1).isHighSurrogate() && word.size() > 2 && word.at(2).isLowSurrogate())
            ch = QChar::surrogateToUcs4(word.at(1), word.at(2));
        return systemCodeOf(ch, page);
    }
    int value = 0;
    for (QChar c : word) {
        const int d = hexDigit(c);
        if (d < 0)
            break;
        value = value * 16 + d;
        if (value > 0xFF)
            return 0x100; // any further digit only makes it larger
    }
    return value;
}

QString trimBlanks(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && line.at(end - 1) == QLatin1Char(' '))
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

QByteArray MacroReading::bytes() const
{
    QByteArray all;
    if (!ok())
        return all;
    for (const MacroLine &line : lines)
        all += line.bytes;
    return all;
}

MacroTokenizer::MacroTokenizer(SystemCodePage page) : m_page(page) {}

MacroLine MacroTokenizer::readLine(const QString &line, int number, std::optional<MacroReadError> *error) const
{
    MacroLine result;
    result.number = number;
    result.text = line;
    if (line.startsWith(QLatin1String("***"))) {
        result.kind = MacroLine::Kind::Comment;
        return result;
    }
    const QString trimmed = trimBlanks(line);
    if (trimmed.isEmpty())
        return result;
    const QStringList words = trimmed.split(QLatin1Char(' '));
    if (words.first() != QLatin1String("PRT"))
        return result;
    result.kind = MacroLine::Kind::Command;
    result.bytes.reserve(words.size() - 1);
    for (qsizetype j = 1; j < words.size(); ++j) {
        const int value = wordValue(words.at(j), m_page);
        if (value > 0xFF) {
            result.bytes.clear();
            if (error)
                *error = MacroReadError{number, int(j + 1), words.at(j), trimmed};
            return result;
        }
        result.bytes.append(char(value));
    }
    return result;
}

MacroReading MacroTokenizer::read(const QString &text) const
{
    MacroReading reading;
    const QStringList lines = splitLines(text);
    reading.lines.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        reading.lines.append(readLine(lines.at(i), int(i + 1), &reading.error));
        if (reading.error) {
            reading.lines.clear();
            break;
        }
    }
    return reading;
}

QStringList MacroTokenizer::splitLines(const QString &text)
{
    return splitFileLines(text);
}

QString dataErrorMessage(const MacroReadError &error)
{
    return QStringLiteral("Data error at line: %1 Word:%2\r\n\r\n%3")
        .arg(error.line)
        .arg(error.word)
        .arg(error.trimmedLine);
}

} // namespace kvx
