#pragma once

#include <QPointer>

class QWidget;

namespace kvx {

// Gives the focus back to the window that asked for a dialog: made before the dialog,
// it asks for the focus as the dialog is gone.
//
// The window manager then hands the focus to a window of its own choice, not always the
// one that asked: some pass over a tool window (the tutorial) for the window under it,
// and some turn down the request when it came before their own choice. So when the next
// move of the focus goes to another window of the program with no input of the user
// before it, the window that asked takes it back, once. A mouse press or a key from the
// window system ends that at once: from then on the focus is where the user puts it. (A
// window manager gives a window the focus on a click before the click itself reaches
// the program; a click that comes after the focus was taken back gives it to the
// clicked window again.)
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
