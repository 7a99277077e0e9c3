#pragma once

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

// A page for a tab control: an empty widget whose QVBoxLayout the panel fills; the
// main window's layout puts it into its tab control.
inline QWidget *tabPage()
{
    auto *page = new QWidget;
    new QVBoxLayout(page);
    return page;
}

} // namespace kvx
