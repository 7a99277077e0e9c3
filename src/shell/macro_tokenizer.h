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

// Reads command macro text into bytes, the one reading rule of the player, the editor's
// step, the upload and the file converters.
//
// Lines end at CR LF, CR or LF. A line is a command line when, after its leading and
// trailing blanks are removed, its first blank-separated word is exactly "PRT". Every
// further word gives one byte: "'c" the code of the character c in the system code
// page (characters after it are ignored); any other word the hexadecimal number its
// leading hexadecimal digits give ("1bh", "1B" and "1bh;" all give 1B), 0 when it has
// none, so two blanks in a row give a 00 byte. A value above FF, a two-byte character
// and a lone "'" are data errors of that word. Lines that begin with "***" are comments.
class MacroTokenizer
{
public:
    explicit MacroTokenizer(SystemCodePage page = SystemCodePage::Windows1252);

    // One line (without its line end) with its number. On a data error the line's
    // bytes are empty and `error` (when given) receives the error.
    MacroLine readLine(const QString &line, int number = 1, std::optional<MacroReadError> *error = nullptr) const;

    // The whole text, stopping at the first data error.
    MacroReading read(const QString &text) const;

    // The text cut into lines; a line end at the very end opens no further line.
    static QStringList splitLines(const QString &text);

private:
    SystemCodePage m_page;
};

// "Data error at line: 3 Word:2" CR LF CR LF and the trimmed line.
QString dataErrorMessage(const MacroReadError &error);

} // namespace kvx
