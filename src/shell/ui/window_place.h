#pragma once

class QWidget;

namespace kvx {

// Has a top-level window come back where it was each time the program hides it and
// shows it again (closing it by its close box included), whatever the window manager:
// its frame's top-left as the user saw it before it was hidden. A window manager
// places a window mapped again by its own rules unless the window asks for a place,
// and some give the window back its place shifted by the frame: the place is asked
// for before the window is mapped and checked once the window is shown and framed.
// The helper lives as long as the window; a minimised window keeps its place anyway.
void keepPlaceWhenHidden(QWidget &window);

} // namespace kvx
