#pragma once

#include <QPoint>

#include <optional>

namespace kvx {

// Where a window the program hides comes back to when it is shown again: the top-left
// corner of its frame, as the user last saw it. The window system is asked for the
// client area's position and draws the frame around it; the offset between the two is
// the frame's left and top width, which is known only while the window manager frames
// the window. A window just mapped again may report no frame yet, or a client
// position shifted by the frame, so the place is judged by the frame alone, and only
// once the frame offset is the one the window had.
class WindowReturn
{
public:
    // As the window is hidden: its frame's and its client area's last top-left.
    void remember(QPoint frame, QPoint client);
    bool holdsPlace() const { return m_place.has_value(); }
    // Where to ask for the client area: the remembered frame with the frame offset it
    // had (the same window manager draws the same frame).
    QPoint clientPlace() const;

    enum class Settle {
        FrameUnknown, // the frame offset reported is not the remembered one
        InPlace,      // the frame stands where it stood
        MoveBack,     // framed elsewhere: ask for clientPlace() again
    };
    // Once the window is shown and framed, from its frame's and client area's top-left.
    Settle settle(QPoint frame, QPoint client) const;

private:
    struct Place
    {
        QPoint frame;
        QPoint offset; // client minus frame
    };
    std::optional<Place> m_place;
};

} // namespace kvx
