#pragma once

#include <QByteArray>
#include <QString>

namespace kvx {

// The single-byte "system code page": CP932 under the Japanese interface,
// Windows-1252 under any other.
enum class SystemCodePage { Windows1252, Cp932 };

// The code page of the interface language ("Japanese" exactly selects CP932).
SystemCodePage systemCodePage(const QString &uiLanguage);

// The code of one character (a Unicode code point) in the code page: 0..255 for a
// character of one byte, lead * 256 + trail for a character CP932 writes with two
// bytes, and '?' for a character the code page lacks.
int systemCodeOf(char32_t ch, SystemCodePage page);

// The single byte of one character: its byte, or '?' when it has none of one byte.
char systemByteOf(char32_t ch, SystemCodePage page);

// The character one byte stands for in the code page; U+FFFD for a byte that starts
// no character of its own (a CP932 lead byte).
QString systemCharOf(quint8 byte, SystemCodePage page);

// The text of a file read from disk: UTF-8 when the bytes are valid UTF-8 (a leading
// byte-order mark is dropped), otherwise CP932, so files written on Windows still load.
// A byte CP932 cannot read becomes U+FFFD.
QString decodeFileText(const QByteArray &bytes);

} // namespace kvx
