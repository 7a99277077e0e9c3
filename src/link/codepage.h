#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kvx {

// The single-byte "system code page": CP932 under the Japanese interface,
// Windows-1252 under any other.
enum class SystemCodePage { Windows1252, Cp932 };

// The code page of the interface language ("Japanese" exactly selects CP932).
SystemCodePage systemCodePage(const QString &uiLanguage);

// The code of one character (a Unicode code point) in the code page: 0..255 for a
// character of one byte, lead * 256 + trail for a character CP932 writes with two
// bytes, and nothing for a character the code page lacks.
std::optional<int> systemCodeIfAny(char32_t ch, SystemCodePage page);

// The same, with '?' for a character the code page lacks.
int systemCodeOf(char32_t ch, SystemCodePage page);

// The single byte of one character: its byte, or '?' when it has none of one byte.
char systemByteOf(char32_t ch, SystemCodePage page);

// One byte alone as a character of the code page. In CP932 a byte alone is a
// character only below 0x80 or as a half-width katakana; a lead byte without its
// partner and the unassigned bytes give "?".
QChar systemCharOf(quint8 byte, SystemCodePage page);

// The text of a file read from disk: UTF-8 when the bytes are valid UTF-8 (a leading
// byte-order mark is dropped), otherwise CP932, so files written on Windows still load.
// A byte CP932 cannot read becomes U+FFFD.
QString decodeFileText(const QByteArray &bytes);

// The lines of a text: CR LF, CR and LF each end one line; a final line end adds no
// empty line.
QStringList splitFileLines(const QString &text);

} // namespace kvx
