#include "link/numbers.h"

#include <cmath>
#include <limits>

namespace kvx {

EncodeError::EncodeError(const QString &what) : std::runtime_error(what.toStdString()) {}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

int digitValue(QChar c, int radix)
{
    const int d = hexDigit(c);
    return d < radix ? d : -1;
}

double radixValue(const QString &s, qsizetype pos, int radix)
{
    double v = 0;
    for (; pos < s.size(); ++pos) {
        const int d = digitValue(s.at(pos), radix);
        if (d < 0)
            break;
        v = v * radix + d;
    }
    return v;
}

} // namespace

double numericValue(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isSkipped(c))
            s.append(c);

    if (s.startsWith(QLatin1Char('&'))) {
        if (s.size() >= 2 && (s.at(1) == QLatin1Char('H') || s.at(1) == QLatin1Char('h')))
            return radixValue(s, 2, 16);
        if (s.size() >= 2 && (s.at(1) == QLatin1Char('O') || s.at(1) == QLatin1Char('o')))
            return radixValue(s, 2, 8);
        return radixValue(s, 1, 8);
    }

    // Collect the longest prefix that forms a decimal number and let the C library
    // convert it, so rounding of the digits is exact.
    std::string num;
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        num += char(s.at(i++).unicode());
    bool digits = false;
    while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128) {
        num += char(s.at(i++).unicode());
        digits = true;
    }
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        num += '.';
        ++i;
        while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128) {
            num += char(s.at(i++).unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < s.size()) {
        const char16_t e = s.at(i).unicode();
        if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
            std::string exp = "e";
            qsizetype j = i + 1;
            if (j < s.size() && (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-')))
                exp += char(s.at(j++).unicode());
            bool expDigits = false;
            while (j < s.size() && s.at(j).isDigit() && s.at(j).unicode() < 128) {
                exp += char(s.at(j++).unicode());
                expDigits = true;
            }
            if (expDigits)
                num += exp;
        }
    }
    return std::strtod(num.c_str(), nullptr);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

qint64 toWhole(double value, IntWidth width)
{
    const double r = roundHalfEven(value);
    const double lo = width == IntWidth::Int16 ? -32768.0 : -2147483648.0;
    const double hi = width == IntWidth::Int16 ? 32767.0 : 2147483647.0;
    if (!std::isfinite(r) || r < lo || r > hi)
        throw EncodeError(QStringLiteral("Overflow: %1").arg(value));
    return qint64(r);
}

quint8 plainByte(qint64 value)
{
    if (value < 0 || value > 255)
        throw EncodeError(QStringLiteral("Overflow: %1 is not a byte").arg(value));
    return quint8(value);
}

quint8 lowByte(qint64 value)
{
    if (value < 0)
        throw EncodeError(QStringLiteral("Overflow: %1 is negative").arg(value));
    return quint8(value % 256);
}

void appendLE16(QByteArray &out, qint64 value, IntWidth width)
{
    const qint64 hi = width == IntWidth::Int16 ? 32767 : 2147483647;
    if (value < 0 || value > hi)
        throw EncodeError(QStringLiteral("Overflow: %1 does not fit the field").arg(value));
    out.append(char(value % 256));
    out.append(char((value / 256) % 256));
}

void appendLE16(QByteArray &out, double value)
{
    appendLE16(out, toWhole(value, IntWidth::Int32), IntWidth::Int32);
}

void appendLE24(QByteArray &out, qint64 value)
{
    if (value < 0 || value > 2147483647)
        throw EncodeError(QStringLiteral("Overflow: %1 is negative").arg(value));
    out.append(char(value % 256));
    out.append(char((value / 256) % 256));
    out.append(char((value / 65536) % 256));
}

QString decimalText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15)
        .replace(QLatin1String("e+"), QLatin1String("E+"))
        .replace(QLatin1String("e-"), QLatin1String("E-"));
}

QString bracketHex(const QByteArray &bytes)
{
    static const char digits[] = "0123456789abcdef";
    QString s;
    s.reserve(bytes.size() * 4);
    for (char ch : bytes) {
        const auto b = quint8(ch);
        s.append(QLatin1Char('['));
        s.append(QLatin1Char(digits[b >> 4]));
        s.append(QLatin1Char(digits[b & 15]));
        s.append(QLatin1Char(']'));
    }
    return s;
}

} // namespace kvx
