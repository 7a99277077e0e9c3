#pragma once

#include <QHash>
#include <QIcon>
#include <QMutex>
#include <QProxyStyle>

namespace kvx {

// The application's style as Qt chose it, handing out one icon for each of its
// standard pictures. Qt's styles make a new icon at every request, and the pictures of
// each new icon go into the application's pixmap cache under keys of their own when
// it is painted: every window made afresh (the macro editor at each opening, each file
// dialog and message box) left its buttons' pictures in the cache once more.
class SharedIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    SharedIconStyle();

    QIcon standardIcon(StandardPixmap picture, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

    // Makes it the application's style, before the first window is made.
    static void install();

private:
    // The file dialogs' models ask for their files' icons from a thread of their own.
    mutable QMutex m_lock;
    mutable QHash<int, QIcon> m_icons;
};

} // namespace kvx
