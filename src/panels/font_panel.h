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
    explicit FontPanel(PanelContext &ctx)
        : m_ctx(ctx)
    {
    }

    // ---- list contents ----
    static const QStringList &GapItems();
    static const QStringList &InternationalItems();
    // The code tables: ten, and "UserFont" as the eleventh on the older series.
    static QStringList CodeTableItems(bool olderSeries);
    // Font sizes: "6x8", "8x16"; on the older series also "12x24" for a revision-B
    // module and "16x32" for a module at least 32 dots high.
    static QStringList FontSizeItems(const QString &moduleSeri, int dotHeight);
    // The size code of a font-size text: 1..4, 0 for any other text.
    static int fontSizeCode(const QString &text);

    // What a series layout does to the panel's lists and controls (sends nothing).
    struct ModuleLists
    {
        ListFill sizes;         // ListSize, "6x8" shown
        ListFill magnification; // MagunifiedList
        ListFill codeTables;    // CharacterCodeList
        bool gapList = false;   // GapList and its label Label10
        bool extensionFont = false; // CmdFontExtension (revision-B modules)
    };
    static ModuleLists listsForModule(const QString &moduleSeri, int dotHeight, const QString &magnificationText,
                                      const QString &codeTableText);

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
