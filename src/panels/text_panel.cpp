#include "panels/text_panel.h"

#include "link/asian_codepage.h"
#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/model_series.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

namespace kvx {

namespace {

const QString Op = QStringLiteral("-Op-");
const char ReverseOn = 0x11;
const char ReverseOff = 0x10;

// A dot position: a whole number that fits the command's 16-bit field.
qint64 dotPosition(double value)
{
    const qint64 v = toWhole(value, IntWidth::Int32);
    if (v > 65535)
        throw EncodeError(QStringLiteral("Overflow: dot position %1").arg(v));
    return v;
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// "\'hh" at position i: the byte, or -1.
int escapedByte(const QString &s, qsizetype i)
{
    if (i + 3 >= s.size() || s[i] != QLatin1Char('\\') || s[i + 1] != QLatin1Char('\'') || !isHexDigit(s[i + 2])
        || !isHexDigit(s[i + 3]))
        return -1;
    return s.mid(i + 2, 2).toInt(nullptr, 16);
}

} // namespace

QString TextPanel::helpLine(const QString &text)
{
    QString help = QStringLiteral(" ");
    for (char32_t ch : text.toUcs4())
        help += QString::fromUcs4(&ch, 1) + QStringLiteral("   ");
    return help;
}

int TextPanel::codePageForLanguage(const QString &comboText)
{
    int lcid = 0;
    if (const AsianLanguage *language = findAsianLanguage(comboText)) {
        lcid = language->lcid;
    } else {
        m_ctx.dialogs.message(m_ctx.state.tr(QStringLiteral("Error (87323), unknown language."),
                                             QStringLiteral("エラー (87323), 認識できない言語です。")));
    }
    return codePageOfLcid(lcid, m_ctx.state.UILanguage);
}

QByteArray TextPanel::richTextBytes(const QList<RichChar> &chars, int codePage, int maxBytes)
{
    CodePageEncoder encoder(codePage);
    QByteArray bytes;
    bool reversed = false;
    for (const RichChar &c : chars) {
        QByteArray piece;
        if (c.reversed != reversed) {
            piece += reversed ? ReverseOff : ReverseOn;
            reversed = c.reversed;
        }
        piece += encoder.encode(c.ch);
        // A marker travels with the character it stands before, so a cut never leaves
        // a run opened on nothing or splits a two-byte character.
        if (bytes.size() + piece.size() > maxBytes)
            break;
        bytes += piece;
    }
    return bytes;
}

SendResult TextPanel::SendTextAction(const QString &text, const QString &comboText)
{
    const QString help = helpLine(text);
    const int codePage = codePageForLanguage(comboText);
    const QByteArray bytes = CodePageEncoder(codePage).encode(text);
    return m_ctx.run([&bytes](VX5200 &e) { return e.CharacterDisplay(bytes); },
                     QStringLiteral("CharacterDisplay text=") + text, help);
}

SendResult TextPanel::Command9_Click(const QList<RichChar> &chars, const QString &xText, const QString &yText,
                                     const QString &comboText)
{
    QString text;
    for (const RichChar &c : chars)
        text += QString::fromUcs4(&c.ch, 1);
    const QString help = helpLine(text);
    const int codePage = codePageForLanguage(comboText);
    const QByteArray bytes = richTextBytes(chars, codePage);
    const double x = numericValue(xText);
    const double y = numericValue(yText);
    return m_ctx.run([&](VX5200 &e) { return e.DotUnitCharacterDisplay(dotPosition(x), dotPosition(y), 0, bytes); },
                     QStringLiteral("CharacterDisplay text=") + text
                         + QStringLiteral("\r\n    -Op-            -X- -X- -Y- -Y- -m- len "),
                     help);
}

TextPanel::AsianFontOn TextPanel::CmdAsiaFont_ON_Click(const QString &comboText)
{
    AsianFontOn on;
    on.result =
        m_ctx.run([](VX5200 &e) { return e.SelectFontSize8x16(); }, QStringLiteral("Select 8x16 font size"), Op);
    if (!wentOut(on.result))
        return on;
    on.sizeSelected = true;
    on.result = m_ctx.run([](VX5200 &e) { return e.KanjiModeActive(); }, QStringLiteral("Activeate 2 Byte Font"), Op);
    if (!wentOut(on.result))
        return on;
    on.result = m_ctx.run([&comboText](VX5200 &e) { return e.Select2ByteLanguage(comboText); },
                          QStringLiteral("Select \"") + comboText + QStringLiteral("\" for 2 byte character"), Op);
    return on;
}

SendResult TextPanel::CmdAsiaFont_OFF_Click()
{
    return m_ctx.run([](VX5200 &e) { return e.KanjiModeDeactive(); }, QStringLiteral("Deactiveate 2 Byte Font"), Op);
}

void TextPanel::Command7_Click()
{
    m_ctx.dialogs.message(
        m_ctx.state.tr(QStringLiteral("This function is not supported. Please check with a specification."),
                       QStringLiteral("このソフトではサポートしていない機能です。仕様書をご確認ください。")));
}

TextPanel::AsianFontList TextPanel::SetupAsianFontList(const QString &moduleSeri, const QString &uiLanguage,
                                                       int currentIndex)
{
    const bool japanese = uiLanguage == QLatin1String("Japanese");
    AsianFontList list;
    // With nothing chosen every send would go out as "unknown language".
    list.index = qMax(0, currentIndex);
    if (moduleSeri == QLatin1String("5200") || moduleSeri == QLatin1String("5200B")) {
        list.caption = japanese ? QStringLiteral("アジアフォント (521x, 529x のみ)")
                                : QStringLiteral("Asian Font (521x, 529x Only)");
    } else if (isOlderSeries(moduleSeri)) {
        list.caption = japanese ? QStringLiteral("アジアフォント") : QStringLiteral("Asian Font");
    } else {
        return list;
    }
    list.enabled = true;
    list.refill = true;
    for (const AsianLanguage &l : asianLanguages())
        list.items << (japanese ? l.japanese : l.english);
    if (list.index >= list.items.size())
        list.index = 0;
    return list;
}

int TextPanel::charsetOf(const QString &comboText)
{
    const AsianLanguage *language = findAsianLanguage(comboText);
    return language ? language->charset : 0;
}

QByteArray TextPanel::RTF2DBText(const QString &rtf, int lcid)
{
    const auto fail = [this](const QString &english, const QString &inJapanese) {
        m_ctx.dialogs.message(m_ctx.state.tr(english, inJapanese));
        return QByteArray();
    };
    if (!rtf.startsWith(QLatin1Char('{')))
        return fail(QStringLiteral("Unknown RTF format: Error 1283"),
                    QStringLiteral("認識できない RTF フォーマット: エラー 1283"));

    // The header: up to the "}" that closes the first group inside the outer one.
    const qsizetype n = rtf.size();
    qsizetype i = 1;
    int depth = 1;
    bool headerEnded = false;
    for (; i < n; ++i) {
        if (rtf[i] == QLatin1Char('{')) {
            ++depth;
        } else if (rtf[i] == QLatin1Char('}')) {
            --depth;
            if (depth == 1) {
                ++i;
                headerEnded = true;
                break;
            }
        }
    }
    if (!headerEnded)
        return fail(QStringLiteral("Unknown RTF format: Error 1284"),
                    QStringLiteral("認識できない RTF フォーマット: Error 1284"));

    QString text;
    int current = 0; // the language of the bytes that follow
    int groups = 0;  // groups opened inside the body
    while (i < n) {
        const QChar c = rtf[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            ++i;
        } else if (c == QLatin1Char('}')) {
            if (groups == 0)
                break;
            --groups;
            ++i;
        } else if (c == QLatin1Char('{')) {
            ++groups;
            ++i;
        } else if (c != QLatin1Char('\\')) {
            qsizetype j = i;
            while (j < n && rtf[j] != QLatin1Char('\\') && rtf[j] != QLatin1Char('{') && rtf[j] != QLatin1Char('}')
                   && rtf[j] != QLatin1Char('\r') && rtf[j] != QLatin1Char('\n'))
                ++j;
            text += rtf.mid(i, j - i);
            i = j;
        } else if (const int first = escapedByte(rtf, i); first >= 0) {
            const int codePage = codePageOfLcid(current, m_ctx.state.UILanguage);
            QByteArray bytes(1, char(first));
            i += 4;
            // Two escaped bytes are one character only when the first leads one.
            const int second = escapedByte(rtf, i);
            if (second >= 0 && isLeadByte(quint8(first), codePage)) {
                bytes += char(second);
                i += 4;
            }
            text += decodeCodePageChar(bytes, codePage);
        } else if (i + 1 < n
                   && (rtf[i + 1] == QLatin1Char('\\') || rtf[i + 1] == QLatin1Char('{')
                       || rtf[i + 1] == QLatin1Char('}'))) {
            text += rtf[i + 1];
            i += 2;
        } else {
            qsizetype j = i + 1;
            while (j < n && isAsciiLetter(rtf[j]))
                ++j;
            const QString word = rtf.mid(i + 1, j - i - 1);
            if (word == QLatin1String("lang")) {
                qsizetype k = j;
                while (k < n && rtf[k].isDigit())
                    ++k;
                const int id = rtf.mid(j, k - j).toInt();
                if (id == 1041 || id == 1042 || id == 1028) {
                    current = id;
                } else if (id == 1033 || id == 2052) {
                    current = 2052;
                } else {
                    return fail(QStringLiteral("Unknown Character ID: ERROR 1299\r\n"),
                                QStringLiteral("認識できない文字 ID: エラー 1299\r\n"));
                }
                i = (k < n && rtf[k] == QLatin1Char(' ')) ? k + 1 : k;
            } else if (word == QLatin1String("par") && (j >= n || !(rtf[j].isDigit() || rtf[j] == QLatin1Char('-')))) {
                text += QStringLiteral("\r\n");
                i = (j < n && rtf[j] == QLatin1Char(' ')) ? j + 1 : j;
            } else {
                // Any other control word, up to a blank (dropped too), a backslash, a
                // brace or a line end.
                qsizetype k = i + 1;
                while (k < n && rtf[k] != QLatin1Char(' ') && rtf[k] != QLatin1Char('\\') && rtf[k] != QLatin1Char('}')
                       && rtf[k] != QLatin1Char('{') && rtf[k] != QLatin1Char('\r') && rtf[k] != QLatin1Char('\n'))
                    ++k;
                i = (k < n && rtf[k] == QLatin1Char(' ')) ? k + 1 : k;
            }
        }
    }
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return CodePageEncoder(codePageOfLcid(lcid, m_ctx.state.UILanguage)).encode(text);
}

} // namespace kvx
