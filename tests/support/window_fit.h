#pragma once

#include <QSize>
#include <QStringList>

class QWidget;

namespace kvx::test {

// The largest window, without its frame, that fits a 1366 x 768 screen at 96 DPI
// with room for the frame and a task bar.
inline constexpr QSize LargestWindow{1360, 700};

// What keeps a shown top-level window from fitting a small screen, as readable lines
// ("EditForm: PlayCommandButton: text 80x15 in 60x15"); empty when it fits:
// - the window, without its frame, is larger than LargestWindow;
// - a visible widget lies partly outside its parent, so part of it cannot be seen;
// - a toolbar or menu bar hides items behind its extension button, a tab bar has
//   tabs that need its scroll buttons;
// - a caption does not fit the room its widget gives it, in width or in height:
//   labels, push, check and radio buttons, tool buttons showing text, group-box
//   titles, the current item of a list that cannot be typed in, tab texts, and line
//   edits whose text is a caption of the caption tables. A widget held at its size
//   (its maximum width or height reached) needs a tenth more than its text, since a
//   wider font elsewhere cannot make it grow.
// Every page of every tab widget is looked at (the current page is restored). What
// scrolls or is typed in (text edits, list views, line edits with the user's data,
// editable lists, spin boxes) is not a caption and is not measured; neither is a
// widget with the dynamic property "elidesText" set, which shortens its text itself.
//
// The measure is the widget's font against the rectangle its style draws the text
// in, so it is only as good as the fonts installed here.
QStringList windowFitProblems(QWidget &window);

} // namespace kvx::test
