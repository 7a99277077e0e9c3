#pragma once

#include "link/byte_sink.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kvx {

class PanelContext;

// One character of the rich text box and whether it is marked reversed.
struct RichChar
{
    char32_t ch = 0;
    bool reversed = false;
};

// The text panels: typed text at the cursor ("Write" of TEXT Entry), rich text at a
// dot position with reversed runs ("Write" of Text with Adrs), and the Asian two-byte
// font mode. Text goes to the module in the code page of the language chosen in Combo1.
class TextPanel
{
public:
    explicit TextPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // The longest text a dot-position display carries.
    static constexpr int MaxDotTextBytes = 255;

    // " " and then each character followed by three blanks, so each stands under its
    // four-character group in the sent-bytes box.
    static QString helpLine(const QString &text);

    // The code page of a Combo1 text; for a text naming no language the message
    // "unknown language" is shown and the system code page is used.
    int codePageForLanguage(const QString &comboText);

    // The bytes of a rich text: 11h where a reversed run begins, 10h where one ends (none
    // after a run that reaches the end), each character in the code page. Cut after the
    // last whole character that fits in maxBytes.
    static QByteArray richTextBytes(const QList<RichChar> &chars, int codePage, int maxBytes = MaxDotTextBytes);

    // cmdBtn1(11) "Write": TextBox at the cursor.
    SendResult SendTextAction(const QString &text, const QString &comboText);
    // Command9 "Write": the rich text at X = Text9, Y = Text10.
    SendResult Command9_Click(const QList<RichChar> &chars, const QString &xText, const QString &yText,
                              const QString &comboText);
    // Command8 "con'd": the X text that makes the next "Write" continue where the last ended.
    static QString continuedX() { return QStringLiteral("65535"); }

    // "Set up": 8x16 font, two-byte mode on, the language. Stops at the first command
    // that does not go out; sizeSelected tells the caller to show "8x16" in ListSize.
    struct AsianFontOn
    {
        SendResult result = SendResult::Skipped;
        bool sizeSelected = false;
    };
    AsianFontOn CmdAsiaFont_ON_Click(const QString &comboText);
    SendResult CmdAsiaFont_OFF_Click();
    // "Check": not supported by this program.
    void Command7_Click();

    // What SetupAsianFontList does to Combo1 and the frame FrmASIA for a series and an
    // interface language. With `refill` false the list and the caption stay as they are.
    struct AsianFontList
    {
        bool enabled = false; // FrmASIA, Combo1, CmdAsiaFont_ON, CmdAsiaFont_OFF
        bool refill = false;
        QStringList items;
        QString caption;
        int index = 0; // the index to select again afterwards (never "none")
    };
    static AsianFontList SetupAsianFontList(const QString &moduleSeri, const QString &uiLanguage, int currentIndex);
    // The font character set of a Combo1 text; 0 for a text naming no language.
    static int charsetOf(const QString &comboText);

    // The plain text of an RTF string as bytes in the code page of `lcid`; an empty
    // result (after a message) for a string that is not RTF as the rich text box writes it.
    QByteArray RTF2DBText(const QString &rtf, int lcid);

private:
    PanelContext &m_ctx;
};

} // namespace kvx
