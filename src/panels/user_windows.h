#pragma once

#include "link/byte_sink.h"
#include "panels/window_layout.h"

#include <QString>

#include <array>
#include <functional>

namespace kvx {

class PanelContext;

// The four box texts of one user window.
struct UserWindowBoxes
{
    QString left;
    QString top;
    QString width;
    QString height;
    bool operator==(const UserWindowBoxes &) const = default;
};

// The user-window panel: up to four windows defined in the module, cancelled, and
// one of them (or the base window, 0) current. The panel keeps what its controls
// show (box texts, ticks, the current window, the preview's labels); the window
// reads it back after every action. Each action sends its commands at once.
class UserWindowsPanel
{
public:
    enum Box { Left, Top, Width, Height };

    explicit UserWindowsPanel(PanelContext &ctx);

    static UserWindowBoxes defaultBoxes(int index);

    const UserWindowBoxes &boxes(int index) const { return m_boxes[size_t(index)]; }
    bool registered(int index) const { return m_registered[size_t(index)]; }
    // 0 for the base window, 1..4 for a user window.
    int currentWindow() const { return m_current; }
    // The preview's label of window 0 (base) .. 4; marks of the window mode land here.
    QString label(int window) const { return m_labels[size_t(window)]; }

    // The user typed in box `box` of window `index`: a changed text re-sends the
    // definition of a ticked window, the cancel of an unticked one.
    void UserWindowBox_Change(int index, Box box, const QString &text);
    // The user ticked or unticked window `index`.
    void UserWindowRegistCheck_Click(int index, bool ticked);
    // The user chose window `index` (0 = base) as the current window.
    void WindowSelectOption_Click(int index);
    // Whether a click on a box of window `index` opens the resize dialog.
    bool opensDialog(int index) const { return registered(index); }
    // The resize dialog's OK: the four values at once, then one check and one send
    // (nothing when no box changes).
    void UserWin_OK(int index, const UserWindowBoxes &values);

    // The window mode's mark on the current window's preview label.
    void markCurrentWindow(const QString &mark);

    // What module initialisation puts back, without sending: no window defined, the
    // base window current.
    void resetControls();

    // What the preview draws.
    std::array<LayoutWindow, 4> layoutWindows() const;

    // Called after every change the preview has to follow.
    std::function<void()> DrawWindowLayout;

private:
    void registCheckChanged(int index);
    void selectWindow(int index);
    bool fits(int index) const;
    void redraw();

    PanelContext &m_ctx;
    std::array<UserWindowBoxes, 4> m_boxes;
    std::array<bool, 4> m_registered{};
    int m_current = 0;
    std::array<QString, 5> m_labels;
};

} // namespace kvx
