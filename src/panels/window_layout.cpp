#include "panels/window_layout.h"

namespace kvx {

WindowLayout windowLayout(const QSizeF &area, int dotX, int dotY, const std::array<LayoutWindow, 4> &windows,
                          double margin)
{
    WindowLayout out;
    const double roomX = area.width() - 2 * margin;
    const double roomY = area.height() - 2 * margin;
    if (dotX <= 0 || dotY <= 0 || roomX <= 0 || roomY <= 0)
        return out;
    // The base outline stands one pixel outside the display on each side.
    double k = roomX / dotX;
    if (k * dotY + 2 > roomY)
        k = roomY / dotY;
    out.drawn = true;
    out.scale = k;
    const double cx = area.width() / 2;
    const double cy = area.height() / 2;
    out.display = QRectF(cx - k * dotX / 2, cy - k * dotY / 2, k * dotX, k * dotY);
    out.base = out.display.adjusted(-1, -1, 1, 1);
    for (int i = 0; i < 4; ++i) {
        const LayoutWindow &w = windows[size_t(i)];
        out.shown[size_t(i)] = w.shown;
        if (w.shown)
            out.windows[size_t(i)] = QRectF(out.display.left() + w.left * k, out.display.top() + w.top * 8 * k,
                                            w.width * k, w.height * 8 * k);
    }
    return out;
}

} // namespace kvx
