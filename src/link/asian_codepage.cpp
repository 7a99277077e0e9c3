#include "link/asian_codepage.h"

#include "link/codepage.h"

#include <iconv.h>

namespace kvx {

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

const char *iconvName(int codePage)
{
    switch (codePage) {
    case 932: return "CP932";
    case 949: return "CP949";
    case 936: return "CP936";
    case 950: return "CP950";
    default: return nullptr;
    }
}

} // namespace

const QList<AsianLanguage> &asianLanguages()
{
    static const QList<AsianLanguage> table = {
        {QStringLiteral("Japanese"), QStringLiteral("日本語"), 1041, 128, 932},
        {QStringLiteral("Korean"), QStringLiteral("韓国語"), 1042, 129, 949},
        {QStringLiteral("Simplified Chinese"), QStringLiteral("簡体字"), 2052, 134, 936},
        {QStringLiteral("Traditional Chinese"), QStringLiteral("繁体字"), 1028, 136, 950},
    };
    return table;
}

const AsianLanguage *findAsianLanguage(const QString &item)
{
    for (const AsianLanguage &l : asianLanguages()) {
        if (item == l.english || item == l.japanese)
            return &l;
    }
    return nullptr;
}

int codePageOfLcid(int lcid, const QString &uiLanguage)
{
    for (const AsianLanguage &l : asianLanguages()) {
        if (l.lcid == lcid)
            return l.codePage;
    }
    if (lcid == 1033)
        return 1252;
    return systemCodePage(uiLanguage) == SystemCodePage::Cp932 ? 932 : 1252;
}

CodePageEncoder::CodePageEncoder(int codePage) : m_codePage(codePage), m_cd(nullptr)
{
    if (const char *name = iconvName(codePage)) {
        iconv_t cd = iconv_open(name, "UTF-32LE");
        if (cd != NoConverter)
            m_cd = cd;
    }
}

CodePageEncoder::~CodePageEncoder()
{
    if (m_cd)
        iconv_close(static_cast<iconv_t>(m_cd));
}

QByteArray CodePageEncoder::encode(char32_t ch)
{
    if (ch < 0x80)
        return QByteArray(1, char(ch));
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return QByteArrayLiteral("?");
    if (!iconvName(m_codePage))
        return QByteArray(1, systemByteOf(ch, SystemCodePage::Windows1252));
    if (!m_cd)
        return QByteArrayLiteral("?");
    auto cd = static_cast<iconv_t>(m_cd);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[4] = {char(ch & 0xFF), char((ch >> 8) & 0xFF), char((ch >> 16) & 0xFF), 0};
    char out[8] = {};
    char *inPtr = in;
    char *outPtr = out;
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1))
        return QByteArrayLiteral("?");
    const qsizetype n = outPtr - out;
    if (n < 1 || n > 2)
        return QByteArrayLiteral("?");
    return QByteArray(out, n);
}

QList<QByteArray> CodePageEncoder::encodeEach(const QString &text)
{
    QList<QByteArray> parts;
    for (char32_t ch : text.toUcs4())
        parts.append(encode(ch));
    return parts;
}

QByteArray CodePageEncoder::encode(const QString &text)
{
    QByteArray bytes;
    for (const QByteArray &part : encodeEach(text))
        bytes += part;
    return bytes;
}

bool isLeadByte(quint8 byte, int codePage)
{
    switch (codePage) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 949:
    case 936:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
    }
}

QString decodeCodePageChar(const QByteArray &bytes, int codePage)
{
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() == 1 && quint8(bytes[0]) < 0x80)
        return QString(QChar(bytes[0]));
    const char *name = iconvName(codePage);
    if (!name) {
        // Windows-1252: the five bytes it leaves undefined stand for the C1 control of
        // the same number, as on Windows.
        if (bytes.size() != 1)
            return QString(QChar(0xFFFD));
        if (quint8(bytes[0]) >= 0xA0)
            return QString(QChar(quint8(bytes[0])));
        for (char32_t ch = 0x80; ch <= 0xFFFF; ++ch) {
            if (ch >= 0xD800 && ch <= 0xDFFF)
                continue;
            if (systemCodeOf(ch, SystemCodePage::Windows1252) == quint8(bytes[0]))
                return QString::fromUcs4(&ch, 1);
        }
        return QString(QChar(0xFFFD));
    }
    iconv_t cd = iconv_open("UTF-32LE", name);
    if (cd == NoConverter)
        return QString(QChar(0xFFFD));
    QByteArray input = bytes;
    char *inPtr = input.data();
    size_t inLeft = size_t(input.size());
    char out[16] = {};
    char *outPtr = out;
    size_t outLeft = sizeof out;
    const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == size_t(-1) || inLeft != 0 || outPtr - out != 4)
        return QString(QChar(0xFFFD));
    const auto *u = reinterpret_cast<const unsigned char *>(out);
    const char32_t ch = char32_t(u[0]) | char32_t(u[1]) << 8 | char32_t(u[2]) << 16 | char32_t(u[3]) << 24;
    return QString::fromUcs4(&ch, 1);
}

} // namespace kvx
