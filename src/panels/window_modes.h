#pragma once

#include "link/byte_sink.h"

#include <QString>

namespace kvx {

class PanelContext;
class UserWindowsPanel;

// Window mode of the current window, draw mode, reverse mode, write-screen mode of
// the base window and horizontal scroll speed.
class WindowModesPanel
{
public:
    static constexpr int SpeedMinimum = 1;
    static constexpr int SpeedMaximum = 31;

    WindowModesPanel(PanelContext &ctx, UserWindowsPanel &windows) : m_ctx(ctx), m_windows(windows) {}

    // The mark a window-mode button leaves on the current window's preview label.
    static QString mark(int index);

    SendResult WindowModeCommandButton_Click(int index);
    // caption: the option's caption, which the log repeats.
    SendResult DrawModeOption_Click(int index, const QString &caption);
    // Toggles the reverse mode; the mode changes only when the command went out.
    SendResult ReverseCommandButton_Click();
    bool reverseOn() const { return m_reverse; }
    SendResult BaseWindowWriteModeOption_Click(int index, const QString &caption);

    // The scroll speed slider moved by the user to `value`.
    SendResult WindowScrollSlider_Change(int value);
    // The arrows step the speed within its range and send it, even unchanged.
    SendResult Label37_Click();
    SendResult Label38_Click();
    int scrollSpeed() const { return m_speed; }

    void resetControls();

private:
    PanelContext &m_ctx;
    UserWindowsPanel &m_windows;
    bool m_reverse = false;
    int m_speed = SpeedMinimum;
};

} // namespace kvx
