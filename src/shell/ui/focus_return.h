#pragma once

#include <QPointer>

class QWidget;

namespace kvx {

// Gives the focus back to the window that asked for a dialog: made before the dialog,
// it asks for the focus as the dialog is gone.
//
// The window manager then hands the focus to a window of its own choice, not always the
// one that asked: some pass over a tool window (the tutorial) for the window under it,
// and some turn down a request made before their own choice (xfwm4; Qt takes it for
// granted all the same). So when the focus next moves to another window of the program
// with no input of the user before it, the window that asked asks again, once. A mouse
// press or a key from the window system ends the return at once: from then on the focus
// is where the user puts it, and a click that reaches the program only after that move
// and the request (a window manager gives the focus on the press, then passes the press
// on) gives the window clicked the focus again.
class FocusReturn
{
public:
    explicit FocusReturn(QWidget *window);
    ~FocusReturn();
    FocusReturn(const FocusReturn &) = delete;
    FocusReturn &operator=(const FocusReturn &) = delete;

    // The focus is on its way back from a dialog: the user has not pressed a button or a
    // key since the dialog closed, nor has the focus gone anywhere the return leaves it.
    // No move of the focus in the meantime is the user's.
    static bool returning();

private:
    QPointer<QWidget> m_window; // it may go while the dialog is up
};

} // namespace kvx
