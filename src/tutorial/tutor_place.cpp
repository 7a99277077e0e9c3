#include "tutorial/tutor_place.h"

#include <algorithm>

namespace kvx {

namespace {

// The start of a span of `length` at `wanted`, kept inside the span [low, high)
// where it fits, at `low` where it does not.
int within(int wanted, int length, int low, int high)
{
    return std::max(low, std::min(wanted, high - length));
}

} // namespace

TutorPlace tutorPlace(const QRect &screen, const QRect &mainFrame, const QSize &tutorFrame)
{
    const int left = screen.x();
    const int right = screen.x() + screen.width();
    TutorPlace place{{}, mainFrame.topLeft()};
    place.tutor.setY(within(mainFrame.y(), tutorFrame.height(), screen.y(), screen.y() + screen.height()));

    if (mainFrame.width() + tutorFrame.width() > screen.width()) {
        place.tutor.setX(within(right - tutorFrame.width(), tutorFrame.width(), left, right));
        return place;
    }
    // The room beside the main window, negative where it reaches off the screen.
    const int roomRight = right - (mainFrame.x() + mainFrame.width());
    const int roomLeft = mainFrame.x() - left;
    const int moveLeft = std::max(0, tutorFrame.width() - roomRight);
    const int moveRight = std::max(0, tutorFrame.width() - roomLeft);
    if (moveLeft <= moveRight) {
        place.mainWindow.setX(mainFrame.x() - moveLeft);
        place.tutor.setX(place.mainWindow.x() + mainFrame.width());
    } else {
        place.mainWindow.setX(mainFrame.x() + moveRight);
        place.tutor.setX(place.mainWindow.x() - tutorFrame.width());
    }
    return place;
}

} // namespace kvx
