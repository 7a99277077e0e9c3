#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace kvx {

// A widget with the object name the program knows it by (the name the tutorial, the
// caption table and the tests look it up by); an empty name leaves it unnamed.
template <typename Widget, typename... Args> Widget *named(const QString &name, Args &&...args)
{
    auto *w = new Widget(std::forward<Args>(args)...);
    if (!name.isEmpty())
        w->setObjectName(name);
    return w;
}

inline QPushButton *button(const QString &name, const QString &caption)
{
    return named<QPushButton>(name, caption);
}

inline QLabel *label(const QString &name, const QString &caption)
{
    return named<QLabel>(name, caption);
}

inline QLineEdit *box(const QString &name, const QString &text)
{
    return named<QLineEdit>(name, text);
}

inline QGroupBox *frame(const QString &name, const QString &caption)
{
    return named<QGroupBox>(name, caption);
}

// A list whose items come from outside (paths, device and image names): it is as wide
// as the given number of characters whatever it holds, so a long item never widens
// the window; the drop-down still shows the items whole.
inline void fixListWidth(QComboBox *list, int characters)
{
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(characters);
}

// The widget's background in the colour; what stands on it without a background of
// its own shows the colour too.
inline void fillBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    // Buttons and check boxes fill their background with a colour of their own.
    p.setColor(w->backgroundRole(), colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A push button's face in the colour, or the usual face for an invalid colour. The
// colour goes into the button's palette, which the style paints the face from. (With a
// style sheet the style would be handed a new palette at every paint; as it keeps each
// face it paints in the application's pixmap cache under the palette's identity, every
// repaint of the button would add a picture to the cache.)
inline void showFaceColour(QAbstractButton *b, const QColor &colour)
{
    QPalette p; // no colour of its own: the colours of its surroundings
    if (colour.isValid()) {
        p.setColor(QPalette::Button, colour);
        // The face's outline is drawn from the window colour.
        p.setColor(QPalette::Window, colour);
    }
    b->setPalette(p);
}

// A page for a tab control: an empty widget whose QVBoxLayout the panel fills; the
// main window's layout puts it into its tab control.
inline QWidget *tabPage()
{
    auto *page = new QWidget;
    new QVBoxLayout(page);
    return page;
}

} // namespace kvx
