#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QMutex>
#include <QPalette>
#include <QProxyStyle>

namespace kvx {

// The application's style as Qt chose it, painting each look of a thing once. The
// style keeps what it paints in the application's pixmap cache, under keys that name
// the picture's icon or the palette's identity:
// - it hands out one icon for each of its standard pictures. Qt's styles make a new
//   icon at every request, and the pictures of each new icon went into the cache under
//   keys of their own when it was painted: every window made afresh (the macro editor
//   at each opening, each file dialog and message box) left its buttons' pictures in
//   the cache once more;
// - a push button's face is painted under one palette for each set of colours. A
//   button that changes its face colour (the recorder's Play and Pause, the display's
//   Power) gets a palette of a new identity at each change, even back to a colour it
//   had, so each play left the pictures of a red and a plain Play button in the cache.
class SharedIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // On a style of the application's kind (the one given with -style, too).
    SharedIconStyle();
    // On the given style, which it takes.
    explicit SharedIconStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap picture, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // Makes it the application's style, before the first window is made.
    static void install();

private:
    QPalette sharedPalette(const QPalette &palette) const;

    // The file dialogs' models ask for their files' icons from a thread of their own.
    mutable QMutex m_lock;
    mutable QHash<int, QIcon> m_icons;
    // The palettes of the faces painted last, the latest first (painting is the
    // window thread's).
    mutable QList<QPalette> m_palettes;
};

} // namespace kvx
