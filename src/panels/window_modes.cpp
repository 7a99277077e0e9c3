#include "panels/window_modes.h"

#include "link/vx5200.h"
#include "panels/user_windows.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"

namespace kvx {

QString WindowModesPanel::mark(int index)
{
    static const char *const marks[4] = {"O", "V", "H", ""};
    return index >= 0 && index < 4 ? QString::fromLatin1(marks[index]) : QString();
}

SendResult WindowModesPanel::WindowModeCommandButton_Click(int index)
{
    static const char *const modes[4] = {"Over-write", "Vertical scroll", "Horizontal scroll",
                                         "Horizontal scroll ready"};
    if (index < 0 || index > 3)
        return SendResult::Skipped;
    m_windows.markCurrentWindow(mark(index));
    const QString mode = QString::fromLatin1(modes[index]);
    return m_ctx.run([&](VX5200 &e) { return e.WindowMode(mode); }, QStringLiteral("WindowMode : ") + mode,
                     QStringLiteral("-Op-  m  (m:Mode 1<=m<=3)"));
}

SendResult WindowModesPanel::DrawModeOption_Click(int index, const QString &caption)
{
    if (m_ctx.state.FormLoading)
        return SendResult::Skipped;
    return m_ctx.run([&](VX5200 &e) { return e.DrawMode(index); }, QStringLiteral("DrawMode : ") + caption,
                     QStringLiteral("-OpCode-  n  (n:Mode 0-OVER,1-OR,2-AND,3-EX-OR)"));
}

SendResult WindowModesPanel::ReverseCommandButton_Click()
{
    const bool on = !m_reverse;
    const SendResult r =
        m_ctx.run([&](VX5200 &e) { return e.DrawReverseMode(on ? 1 : 0); },
                  on ? QStringLiteral("DrawReverseMode : Reverse") : QStringLiteral("DrawReverseMode : Normal"),
                  QStringLiteral("-OpCode-  n  (n:Mode 0-Normal,1-Reverse)"));
    if (wentOut(r))
        m_reverse = on;
    return r;
}

SendResult WindowModesPanel::BaseWindowWriteModeOption_Click(int index, const QString &caption)
{
    if (m_ctx.state.FormLoading)
        return SendResult::Skipped;
    return m_ctx.run([&](VX5200 &e) { return e.WriteScreenMode(index); },
                     QStringLiteral("WriteScreenMode : ") + caption,
                     QStringLiteral("-----OpCode-----  a  (a:Mode 0-DisplayScreen,1-AllMemory)"));
}

SendResult WindowModesPanel::WindowScrollSlider_Change(int value)
{
    m_speed = value;
    return m_ctx.run([&](VX5200 &e) { return e.HorizontalScrollSpeed(value); },
                     QStringLiteral("HorizontalScrollSpeed : %1").arg(value),
                     QStringLiteral("-OpCode-  n  (n:Speed 0<=n<=31)"));
}

SendResult WindowModesPanel::Label37_Click()
{
    return WindowScrollSlider_Change(m_speed > SpeedMinimum ? m_speed - 1 : m_speed);
}

SendResult WindowModesPanel::Label38_Click()
{
    return WindowScrollSlider_Change(m_speed < SpeedMaximum ? m_speed + 1 : m_speed);
}

void WindowModesPanel::resetControls()
{
    m_reverse = false;
    m_speed = SpeedMinimum;
}

} // namespace kvx
