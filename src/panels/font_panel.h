#pragma once

#include "link/byte_sink.h"
#include "shell/model_series.h"

#include <QString>
#include <QStringList>

namespace kvx {

class PanelContext;

// The font settings panel: size, magnification, spacing, international set, code
// table, downloaded characters and extension font. A user's choice in a list is the
// command; nothing here runs when the program itself changes a list.
class FontPanel
{
public:
    explicit FontPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // ---- list contents ----
    static const QStringList &gapItems();
    static const QStringList &internationalItems();
    // The size code of a font-size text: 1..4, 0 for any other text.
    static int fontSizeCode(const QString &text);

    // The magnification list refilled for the encoder's module, the given text kept
    // when the list still holds it.
    ListFill magnificationFill(const QString &currentText) const;

    static QString fontSizeHelp(const QString &moduleSeri);
    static QString codeTableHelp(const QString &moduleSeri);

    // ---- the user's actions ----
    // The caller refills MagunifiedList with magnificationFill() afterwards.
    SendResult ListSize_Click(const QString &text);
    SendResult MagunifiedList_Click(const QString &item);
    SendResult GapList_Click(int index, const QString &item);
    SendResult InterNationalFontList_Click(int index, const QString &item);
    SendResult CharacterCodeList_Click(int index, const QString &item);
    SendResult DownloadFontCheck_Click(bool ticked);
    // text8: the text of Text8.
    SendResult CmdFontExtension_Click(const QString &text8);

private:
    bool listsHeld() const;
    PanelContext &m_ctx;
};

} // namespace kvx
