#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kvx {

// The Asian languages the module's two-byte fonts offer, in list order.
struct AsianLanguage
{
    QString english;  // the list item under the English interface
    QString japanese; // the list item under the Japanese interface
    int lcid;         // Windows language identifier
    int charset;      // font character set
    int codePage;
};
const QList<AsianLanguage> &asianLanguages();

// The language a list item names, in either interface language; null when none does.
const AsianLanguage *findAsianLanguage(const QString &item);

// The code page of a language identifier: 932, 949, 936 or 950 for the four
// languages, 1252 for US English, and for identifier 0 (and any other) the system
// code page of the interface language (932 under "Japanese", otherwise 1252).
int codePageOfLcid(int lcid, const QString &uiLanguage);

// Converts text for the module one character at a time: each character becomes its
// one or two bytes in the code page, or "?" when the code page lacks it, so a text
// never fails as a whole. Code pages: 932, 949, 936, 950 and 1252.
class CodePageEncoder
{
public:
    explicit CodePageEncoder(int codePage);
    ~CodePageEncoder();
    CodePageEncoder(const CodePageEncoder &) = delete;
    CodePageEncoder &operator=(const CodePageEncoder &) = delete;

    QByteArray encode(char32_t ch);
    QByteArray encode(const QString &text);
    // The bytes of each character of the text, in order (for cutting at whole characters).
    QList<QByteArray> encodeEach(const QString &text);

private:
    int m_codePage;
    void *m_cd; // iconv_t, or null for Windows-1252
};

// True when the byte starts a two-byte character in the code page.
bool isLeadByte(quint8 byte, int codePage);

// One character of the code page (one byte, or a lead and a trail byte) as text;
// U+FFFD when the code page has no such character.
QString decodeCodePageChar(const QByteArray &bytes, int codePage);

} // namespace kvx
