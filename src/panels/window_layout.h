#pragma once

#include <QRectF>
#include <QSizeF>

#include <array>

namespace kvx {

// One user window as the preview sees it: its four box values (left and width in
// dots, top and height in rows of 8 dots) and whether it is defined.
struct LayoutWindow
{
    bool shown = false;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Where the preview draws the display and the user windows, in the preview's own
// pixels.
struct WindowLayout
{
    bool drawn = false;            // false when there is no module size or no room
    double scale = 0;              // pixels per module dot
    QRectF display;                // the module's display area
    QRectF base;                   // the base window's outline, just outside the display
    std::array<QRectF, 4> windows; // user windows 1..4 (meaningful where shown)
    std::array<bool, 4> shown{};
};

// Scales a module of dotX x dotY dots into `area` less `margin` on every side: the
// display's width fills the room unless its height would not fit, in which case the
// height fills it. The display is centred in the area.
WindowLayout windowLayout(const QSizeF &area, int dotX, int dotY, const std::array<LayoutWindow, 4> &windows,
                          double margin = 8);

} // namespace kvx
