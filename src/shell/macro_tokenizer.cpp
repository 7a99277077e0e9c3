#include "shell/macro_tokenizer.h"
#include "link/numbers.h"

namespace kvx {

namespace {

constexpr int NoByte = 0x100;

// The code of the character behind the "'" of a character word; NoByte for a lone "'"
// and for a character the code page lacks (the "?" that stands for such a character
// elsewhere would send a byte the user never typed). `end` receives where the
// character ends in the word.
int characterValue(const QString &word, SystemCodePage page, qsizetype *end = nullptr)
{
    if (word.size() < 2)
        return NoByte;
    char32_t ch = word.at(1).unicode();
    qsizetype next = 2;
    if (word.at(1).isHighSurrogate() && word.size() > 2 && word.at(2).isLowSurrogate()) {
        ch = QChar::surrogateToUcs4(word.at(1), word.at(2));
        next = 3;
    }
    if (end)
        *end = next;
    return systemCodeIfAny(ch, page).value_or(NoByte);
}

// The number the word's leading hexadecimal digits give (0 for none), NoByte above
// 0xFF. `used` receives how many characters were digits.
int leadingHexValue(const QString &word, qsizetype *used = nullptr)
{
    int value = 0;
    qsizetype n = 0;
    for (; n < word.size(); ++n) {
        const int d = hexDigit(word.at(n));
        if (d < 0)
            break;
        value = value * 16 + d;
        if (value > 0xFF)
            return NoByte; // any further digit only makes it larger
    }
    if (used)
        *used = n;
    return value;
}

// The value of one byte word under the player's rules; above 0xFF when it gives no byte.
int playerWordValue(const QString &word, SystemCodePage page)
{
    if (word.startsWith(QLatin1Char('\'')))
        return characterValue(word, page);
    return leadingHexValue(word);
}

// The value of one byte word under the writers' rules, with its two digits as typed;
// NoByte when the word is not wholly one byte.
int strictWordValue(QString word, SystemCodePage page, QString &digits)
{
    const auto character = [&](const QString &w) {
        qsizetype end = 0;
        const int value = characterValue(w, page, &end);
        if (end != w.size() || value > 0xFF)
            return NoByte;
        digits = QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
        return value;
    };
    if (word.startsWith(QLatin1Char('\''))) {
        // "';" is the character ";"; after any other character a ";" closes the word.
        const int value = character(word);
        if (value <= 0xFF || !word.endsWith(QLatin1Char(';')))
            return value;
        word.chop(1);
        return character(word);
    }
    if (word.endsWith(QLatin1Char(';')))
        word.chop(1);
    if (word.isEmpty()) {
        digits = QStringLiteral("00");
        return 0;
    }
    if (word.endsWith(QLatin1Char('h')) || word.endsWith(QLatin1Char('H')))
        word.chop(1);
    qsizetype used = 0;
    const int value = leadingHexValue(word, &used);
    if (word.isEmpty() || word.size() > 2 || used != word.size())
        return NoByte;
    digits = word.size() == 1 ? QLatin1Char('0') + word : word;
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

MacroTokenizer::MacroTokenizer(SystemCodePage page, Rules rules) : m_page(page), m_rules(rules) {}

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
    const bool strict = m_rules == Rules::Strict;
    result.bytes.reserve(words.size() - 1);
    for (qsizetype j = 1; j < words.size(); ++j) {
        QString digits;
        const int value = strict ? strictWordValue(words.at(j), m_page, digits) : playerWordValue(words.at(j), m_page);
        if (value > 0xFF) {
            result.bytes.clear();
            result.digits.clear();
            if (error)
                *error = MacroReadError{number, int(j + 1), words.at(j), trimmed};
            return result;
        }
        result.bytes.append(char(value));
        if (strict)
            result.digits.append(digits);
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

MacroReading readMacroForWriting(const QString &text, bool japanese)
{
    const SystemCodePage page = japanese ? SystemCodePage::Cp932 : SystemCodePage::Windows1252;
    return MacroTokenizer(page, MacroTokenizer::Rules::Strict).read(text);
}

QString dataErrorMessage(const MacroReadError &error)
{
    return QStringLiteral("Data error at line: %1 Word:%2\r\n\r\n%3")
        .arg(error.line)
        .arg(error.word)
        .arg(error.trimmedLine);
}

} // namespace kvx
