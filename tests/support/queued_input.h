#pragma once

#include <QList>

class QWidget;

namespace kvx::test {

// Clicks a widget as a user's click arrives: press and release go into the window
// system's queue and reach the widget only when the event loop next takes user input
// (QTest's clicks are delivered at once, which says nothing about that moment).
void postClick(QWidget *widget);
// Clicks the widgets one after the other at a person's pace, from the event loop's
// timers: each button held down for 0.4 s, the next pressed 0.4 s after the release.
// Returns how long the clicks take, in ms.
int postPacedClicks(const QList<QWidget *> &widgets);
// Presses and releases a key at the window that has the keyboard, through the queue. A
// letter key types its small letter.
void postKey(QWidget *window, int key);
// Asks to close a window as the window manager does (its close box, Alt+F4), through
// the same queue.
void postClose(QWidget *window);
// Gives a window the focus as the window manager does, through the same queue.
void postActivate(QWidget *window);
// Gives a window the focus at once, as the window manager does; none (nullptr) is
// another program's window.
void activateNow(QWidget *window);

} // namespace kvx::test
