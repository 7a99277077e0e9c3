#pragma once

#include "link/codepage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kvx {

// One line of command macro text as the macro's readers see it.
struct MacroLine
{
    enum class Kind {
        Comment, // begins with "***"
        Command, // first word "PRT" (after leading blanks)
        Other,   // anything else: empty lines, "PRT;", continued comment text
    };
    Kind kind = Kind::Other;
    int number = 0;   // counted from 1
    QString text;     // the line without its line end
    QByteArray bytes; // the bytes of a command line
    // Under the writers' rules: each byte's two hexadecimal digits as typed ("1B", "1b";
    // a single digit with a "0" before it; lower case for a character or an empty word).
    QStringList digits;
};

// A word of a command line that gives no byte.
struct MacroReadError
{
    int line = 0;        // counted from 1
    int word = 0;        // counted from 1; "PRT" is word 1, so the first byte is word 2
    QString wordText;    // the word as it stands
    QString trimmedLine; // the line without leading and trailing blanks
};

// The reading of a whole macro text.
struct MacroReading
{
    QList<MacroLine> lines;              // every line; empty when the text has an error
    std::optional<MacroReadError> error; // the first word that gives no byte

    bool ok() const { return !error.has_value(); }
    // The bytes of all command lines, in order; none when the text has an error.
    QByteArray bytes() const;
};

// Reads command macro text into bytes, for the player, the editor's step, the upload
// and the file converters.
//
// Lines end at CR LF, CR or LF. A line is a command line when, after its leading and
// trailing blanks are removed, its first blank-separated word is exactly "PRT". Every
// further word gives one byte; two blanks in a row give an empty word, a 00 byte. Lines
// that begin with "***" are comments.
//
// The player's and the step's rules (`Rules::Player`): "'c" is the code of the
// character c in the system code page (characters after it are ignored); any other
// word the hexadecimal number its leading hexadecimal digits give ("1bh", "1B" and
// "1bh;" all give 1B), 0 when it has none. A value above FF, a two-byte character, a
// character the code page lacks and a lone "'" are data errors of that word.
//
// The rules of everything that writes the macro into the module or a file
// (`Rules::Strict`): a word is one or two hexadecimal digits with an optional "h" or
// "H", or "'" and exactly one character, either closed by one ";"; an empty word (or a
// lone ";") is 00. Any other word is a data error, so no byte is ever made of a part of
// what was typed.
class MacroTokenizer
{
public:
    enum class Rules { Player, Strict };

    explicit MacroTokenizer(SystemCodePage page = SystemCodePage::Windows1252, Rules rules = Rules::Player);

    // One line (without its line end) with its number. On a data error the line's
    // bytes are empty and `error` (when given) receives the error.
    MacroLine readLine(const QString &line, int number = 1, std::optional<MacroReadError> *error = nullptr) const;

    // The whole text, stopping at the first data error.
    MacroReading read(const QString &text) const;

    // The text cut into lines; a line end at the very end opens no further line.
    static QStringList splitLines(const QString &text);

private:
    SystemCodePage m_page;
    Rules m_rules;
};

// The whole text as everything that writes the macro reads it (the upload, every saved
// format): the strict rules in the interface's code page (CP932 when `japanese`).
MacroReading readMacroForWriting(const QString &text, bool japanese);

// "Data error at line: 3 Word:2" CR LF CR LF and the trimmed line.
QString dataErrorMessage(const MacroReadError &error);

} // namespace kvx
