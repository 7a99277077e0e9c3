#pragma once

class QWidget;

namespace kvx::test {

// Clicks a widget as a user's click arrives: press and release go into the window
// system's queue and reach the widget only when the event loop next takes user input
// (QTest's clicks are delivered at once, which says nothing about that moment).
void postClick(QWidget *widget);
// Asks to close a window as the window manager does (its close box, Alt+F4), through
// the same queue.
void postClose(QWidget *window);
// Gives a window the focus as the window manager does, through the same queue.
void postActivate(QWidget *window);

} // namespace kvx::test
