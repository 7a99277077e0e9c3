#include "panels/font_panel.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"

namespace kvx {

const QStringList &FontPanel::gapItems()
{
    static const QStringList items = {QStringLiteral("Fixed width 1"), QStringLiteral("Fixed width 2"),
                                      QStringLiteral("Proportional 1"), QStringLiteral("Proportional 2")};
    return items;
}

const QStringList &FontPanel::internationalItems()
{
    static const QStringList items = {
        QStringLiteral("America"),       QStringLiteral("France"),   QStringLiteral("Germany"),
        QStringLiteral("England"),       QStringLiteral("Denmark1"), QStringLiteral("Sweden"),
        QStringLiteral("Italy"),         QStringLiteral("Spain1"),   QStringLiteral("Japan"),
        QStringLiteral("Norway"),        QStringLiteral("Denmark2"), QStringLiteral("Spain2"),
        QStringLiteral("Latin America"), QStringLiteral("Korea")};
    return items;
}

int FontPanel::fontSizeCode(const QString &text)
{
    static const QStringList sizes = {QStringLiteral("6x8"), QStringLiteral("8x16"), QStringLiteral("12x24"),
                                      QStringLiteral("16x32")};
    return int(sizes.indexOf(text)) + 1;
}

ListFill FontPanel::magnificationFill(const QString &currentText) const
{
    return FillMagnificationList(m_ctx.encoder.moduleSeri(), m_ctx.encoder.moduleDotY(), currentText);
}

QString FontPanel::fontSizeHelp(const QString &moduleSeri)
{
    if (moduleSeri == QLatin1String("2100B"))
        return QStringLiteral("-----OpCode----- Size ( Size=1: 6x8, 2=:8x16, =3:12x24, =4:16x32)");
    return QStringLiteral("-----OpCode----- Size ( Size=1: 6x8, 2=:8x16, =4:16x32)");
}

QString FontPanel::codeTableHelp(const QString &moduleSeri)
{
    if (moduleSeri == QLatin1String("5200"))
        return QStringLiteral("-OpCode-  n  (n:CodeSet 0<=n<=5 or 16<=n<=19)");
    return QStringLiteral("-OpCode-  n  (n:CodeSet 0<=n<=5 or 10Hex <=n<=13Hex or n=FFhex)");
}

bool FontPanel::listsHeld() const
{
    return m_ctx.state.ListUpdating || m_ctx.state.FormLoading;
}

SendResult FontPanel::ListSize_Click(const QString &text)
{
    const int code = fontSizeCode(text);
    return m_ctx.run([code](VX5200 &e) { return e.FontSize(code); }, QStringLiteral("Font Size : "),
                     fontSizeHelp(m_ctx.encoder.moduleSeri()));
}

SendResult FontPanel::MagunifiedList_Click(const QString &item)
{
    if (listsHeld())
        return SendResult::Skipped;
    const double x = numericValue(item.mid(1, 1));
    const double y = numericValue(item.mid(4, 1));
    return m_ctx.run(
        [x, y](VX5200 &e) {
            return e.FontMagnified(int(toWhole(x, IntWidth::Int16)), int(toWhole(y, IntWidth::Int16)));
        },
        QStringLiteral("FontMagnified : ") + item,
        QStringLiteral("-----OPcode----- xX  xY (X:MugnifiedX 1<=X<=4)(Y:MugnifiedY 1<=Y<=2)"));
}

SendResult FontPanel::GapList_Click(int index, const QString &item)
{
    if (m_ctx.state.FormLoading)
        return SendResult::Skipped;
    return m_ctx.run([index](VX5200 &e) { return e.FontGapMode(index); }, QStringLiteral("FontGapMode : ") + item,
                     QStringLiteral("-----OpCode-----  w  (w:Mode 0-FixedWidth1,1-FixedWidth2,2-Proportional1,"
                                    "3-Proportional2)"));
}

SendResult FontPanel::InterNationalFontList_Click(int index, const QString &item)
{
    if (listsHeld())
        return SendResult::Skipped;
    return m_ctx.run([index](VX5200 &e) { return e.InternationalFontSet(index); },
                     QStringLiteral("InternationalFontSet : ") + item,
                     QStringLiteral("-OpCode-  n  (n:FontSet 0<=n<=5,16<=n<=19)"));
}

SendResult FontPanel::CharacterCodeList_Click(int index, const QString &item)
{
    if (listsHeld())
        return SendResult::Skipped;
    return m_ctx.run([index](VX5200 &e) { return e.CharacterCodeTable(index); },
                     QStringLiteral("CharacterCodeTable : ") + item, codeTableHelp(m_ctx.encoder.moduleSeri()));
}

SendResult FontPanel::DownloadFontCheck_Click(bool ticked)
{
    const QString name =
        QStringLiteral("DownloadEnable : ") + (ticked ? QStringLiteral("Enable") : QStringLiteral("Disable"));
    if (m_ctx.state.FormLoading)
        return SendResult::Skipped;
    const int n = ticked ? 1 : 0;
    return m_ctx.run([n](VX5200 &e) { return e.DownloadEnable(n); }, name,
                     QStringLiteral("-OpCode-  n  (n:DownloadCharacterEnable 0-Disable,1-Enable)"));
}

SendResult FontPanel::CmdFontExtension_Click(const QString &text8)
{
    const double value = numericValue(text8);
    quint8 b = 0;
    // A negative number has no byte: refused with the out-of-range message.
    try {
        b = lowByte(toWhole(value, IntWidth::Int32));
    } catch (const EncodeError &) {
        m_ctx.showValueOutOfRange();
        return SendResult::Skipped;
    }
    return m_ctx.run([b](VX5200 &e) { return e.ExtensionFontSelect(b); },
                     QStringLiteral("Extension Font Select n=(%1)").arg(b), QStringLiteral(" -OpCode-       n"));
}

} // namespace kvx
