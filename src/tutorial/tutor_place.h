#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kvx {

// Where the tutorial opens, as frame positions (a window's top-left corner with its
// frame): the tutorial and the main window, which may have to move for both to fit.
struct TutorPlace
{
    QPoint tutor;
    QPoint mainWindow;
};

// The tutorial stands beside the main window, level with its top, wholly on the
// screen (`screen`, the screen's area left free by panels and task bars), so that it
// hides none of the main window's controls. When the screen holds both side by side
// the tutorial goes to the side with room, the right one first; when neither side has
// room the main window moves the least it can for it. On a screen too narrow for both
// the tutorial goes to the screen's right edge, over the main window's right side
// (the user-window sizing and the command log, which the first steps do not name).
// `mainFrame` and `tutorFrame` are the windows with their frames.
TutorPlace tutorPlace(const QRect &screen, const QRect &mainFrame, const QSize &tutorFrame);

} // namespace kvx
