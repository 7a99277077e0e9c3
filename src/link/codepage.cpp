#include "link/codepage.h"

#include <QStringDecoder>

#include <array>
#include <cerrno>
#include <iconv.h>

namespace kvx {

namespace {

// Windows-1252 from 0x80 to 0x9F. The five bytes the code page leaves undefined map to
// the C1 control of the same number, as Windows does; glibc's table lacks them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The code of a character the code page has none for.
constexpr int Lacking = -1;

int cp1252Code(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return int(ch);
    for (std::size_t i = 0; i < Cp1252High.size(); ++i) {
        if (Cp1252High[i] == ch)
            return int(0x80 + i);
    }
    return Lacking;
}

// One iconv conversion descriptor, closed when it goes out of scope.
class Iconv
{
public:
    Iconv(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (ok())
            iconv_close(m_cd);
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// The code of a character in CP932 (two-byte characters as lead * 256 + trail),
// Lacking when the code page has none.
int cp932Code(char32_t ch)
{
    if (ch < 0x80)
        return int(ch);
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return Lacking;
    Iconv cd("CP932", "UTF-32LE");
    if (!cd.ok())
        return Lacking;
    char in[4] = {char(ch & 0xFF), char((ch >> 8) & 0xFF), char((ch >> 16) & 0xFF), 0};
    char out[8] = {};
    char *inPtr = in;
    char *outPtr = out;
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof out;
    if (iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1))
        return Lacking;
    const auto *u = reinterpret_cast<const unsigned char *>(out);
    switch (outPtr - out) {
    case 1: return u[0];
    case 2: return u[0] * 256 + u[1];
    default: return Lacking;
    }
}

QString decodeCp932(const QByteArray &bytes)
{
    Iconv cd("UTF-16LE", "CP932");
    if (!cd.ok())
        return QString::fromLatin1(bytes);
    QString result;
    result.reserve(bytes.size());
    QByteArray input = bytes;
    char *inPtr = input.data();
    size_t inLeft = size_t(input.size());
    char buffer[4096];
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        result.append(reinterpret_cast<const QChar *>(buffer), (outPtr - buffer) / 2);
        if (r == size_t(-1) && errno != E2BIG) {
            // A byte that starts no character (or a lead byte at the very end).
            result.append(QChar(0xFFFD));
            ++inPtr;
            --inLeft;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return result;
}

} // namespace

SystemCodePage systemCodePage(const QString &uiLanguage)
{
    return uiLanguage == QLatin1String("Japanese") ? SystemCodePage::Cp932 : SystemCodePage::Windows1252;
}

std::optional<int> systemCodeIfAny(char32_t ch, SystemCodePage page)
{
    const int code = page == SystemCodePage::Cp932 ? cp932Code(ch) : cp1252Code(ch);
    if (code == Lacking)
        return std::nullopt;
    return code;
}

int systemCodeOf(char32_t ch, SystemCodePage page)
{
    return systemCodeIfAny(ch, page).value_or('?');
}

char systemByteOf(char32_t ch, SystemCodePage page)
{
    const int code = systemCodeOf(ch, page);
    return code <= 0xFF ? char(code) : '?';
}

QChar systemCharOf(quint8 b, SystemCodePage page)
{
    if (b < 0x80)
        return QChar(b);
    if (page == SystemCodePage::Cp932)
        return (b >= 0xA1 && b <= 0xDF) ? QChar(char16_t(0xFF61 + (b - 0xA1))) : QChar(u'?');
    if (b < 0xA0)
        return QChar(Cp1252High[b - 0x80]);
    return QChar(b);
}

QString decodeFileText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp932(bytes);
}

QStringList splitFileLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

} // namespace kvx
