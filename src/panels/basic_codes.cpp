#include "panels/basic_codes.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"

namespace kvx {

namespace {
const QString Op = QStringLiteral("-Op-");
const QString OnOffHelp = QStringLiteral("-OpCode- n (n=0: off, 1: on)");
} // namespace

QString BasicCodesPanel::cursorSetHelp()
{
    return QStringLiteral("-OpCode- xL  xH  yL  yH  (xL:CursorX LowByte)(xH:CursorX HeighByte)"
                          "(yL:CursorY LowByte)(yH:CursorY HeighByte)");
}

SendResult BasicCodesPanel::cmdBtn1_Click(int index, const QString &cursorX, const QString &cursorY)
{
    switch (index) {
    case 0: {
        const double x = numericValue(cursorX);
        const double y = numericValue(cursorY);
        return m_ctx.run(
            [&](VX5200 &e) { return e.CursorSet(int(toWhole(x, IntWidth::Int16)), int(toWhole(y, IntWidth::Int16))); },
            QStringLiteral("CursorSet(%1,%2)").arg(decimalText(x), decimalText(y)), cursorSetHelp());
    }
    case 1: return m_ctx.run([](VX5200 &e) { return e.DisplayClear(); }, QStringLiteral("DisplayClear"), Op);
    case 2: return m_ctx.run([](VX5200 &e) { return e.CursorOnOff(0); }, QStringLiteral("Cursor OFF"), OnOffHelp);
    case 3: return m_ctx.run([](VX5200 &e) { return e.CursorOnOff(1); }, QStringLiteral("Cursor ON"), OnOffHelp);
    case 4: return m_ctx.run([](VX5200 &e) { return e.LineClear(); }, QStringLiteral("LineClear"), Op);
    case 5: return m_ctx.run([](VX5200 &e) { return e.ClearToEnd(); }, QStringLiteral("ClearToEnd"), Op);
    case 6: return m_ctx.run([](VX5200 &e) { return e.HomePosition(); }, QStringLiteral("HomePosition"), Op);
    case 7: return m_ctx.run([](VX5200 &e) { return e.HorizontalTab(); }, QStringLiteral("HorizontalTab"), Op);
    case 8: return m_ctx.run([](VX5200 &e) { return e.BackSpace(); }, QStringLiteral("BackSpace"), Op);
    case 9: return m_ctx.run([](VX5200 &e) { return e.CarriageReturn(); }, QStringLiteral("CarriageReturn"), Op);
    case 10: return m_ctx.run([](VX5200 &e) { return e.LineFeed(); }, QStringLiteral("LineFeed"), Op);
    default: return SendResult::Skipped;
    }
}

SendResult BasicCodesPanel::CmdCursorHome_Click()
{
    return m_ctx.run([](VX5200 &e) { return e.CursorSet(0, 0); }, QStringLiteral("MoveCursor : address (0,0) "),
                     QStringLiteral("-----OpCode----- xL  xH  yL  yH"));
}

SendResult BasicCodesPanel::CmdHome_Click()
{
    return m_ctx.run([](VX5200 &e) { return e.CursorSet(0, 0); }, QStringLiteral("CursorSet(0,0)"), cursorSetHelp());
}

} // namespace kvx
