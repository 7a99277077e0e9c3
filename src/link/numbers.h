#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <stdexcept>

namespace kvx {

// Raised when a value does not fit the byte or field a command gives it. The
// command is then abandoned before anything is sent.
class EncodeError : public std::runtime_error
{
public:
    explicit EncodeError(const QString &what);
};

// Width of the whole-number variable a value is assigned to before it is used.
enum class IntWidth { Int16, Int32 };

// The number a typed text begins with: blanks, tabs and line feeds are ignored
// wherever they stand; an optional sign, digits, a decimal point and an exponent
// (E or D) follow; "&H" starts a hexadecimal and "&O" (or "&" and a digit) an octal
// number. A text that does not begin with a number reads as 0.
double numericValue(const QString &text);

// The value of a hexadecimal digit (either case), -1 for any other character.
int hexDigit(QChar c);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// A number taken as a whole number of the given width: rounded halves to even,
// EncodeError when it is not finite or lies outside the width's signed range.
qint64 toWhole(double value, IntWidth width);

// The value itself, which must lie in 0..255.
quint8 plainByte(qint64 value);
// The value modulo 256; a negative value does not fit.
quint8 lowByte(qint64 value);
// Low byte then high byte. A 16-bit value must lie in 0..32767 (its high byte is the
// quotient by 256); a 32-bit value in 0..2^31-1 (the quotient by 256 modulo 256).
void appendLE16(QByteArray &out, qint64 value, IntWidth width);
// A general number: rounded halves to even, then as a 32-bit value.
void appendLE16(QByteArray &out, double value);
// Memory addresses: value mod 256, quotient by 256 mod 256, quotient by 65536 mod 256.
void appendLE24(QByteArray &out, qint64 value);

// A number as the logs write it: plain decimal, no leading blank, no needless
// zeros ("12", "2.5", "0.14", "-3").
QString decimalText(double value);

// "[1b][40]": each byte as two lower-case hexadecimal digits in square brackets.
QString bracketHex(const QByteArray &bytes);

} // namespace kvx
