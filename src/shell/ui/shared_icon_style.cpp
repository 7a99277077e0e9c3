#include "shell/ui/shared_icon_style.h"

#include <QApplication>

namespace kvx {

SharedIconStyle::SharedIconStyle() : QProxyStyle(QApplication::style()->name()) {}

QIcon SharedIconStyle::standardIcon(StandardPixmap picture, const QStyleOption *option, const QWidget *widget) const
{
    // A request with an option may depend on it; without one, only on the picture and
    // the layout direction.
    if (option)
        return QProxyStyle::standardIcon(picture, option, widget);
    const int key = 2 * int(picture) + (QGuiApplication::isRightToLeft() ? 1 : 0);
    {
        const QMutexLocker lock(&m_lock);
        if (const auto kept = m_icons.constFind(key); kept != m_icons.constEnd())
            return *kept;
    }
    // Made outside the lock: the base style asks this style again for the pictures
    // some of its icons are made of.
    const QIcon made = QProxyStyle::standardIcon(picture, nullptr, widget);
    const QMutexLocker lock(&m_lock);
    // Another thread may have made one meanwhile: the first one kept stays.
    auto kept = m_icons.find(key);
    if (kept == m_icons.end())
        kept = m_icons.insert(key, made);
    return *kept;
}

void SharedIconStyle::install()
{
    if (!qobject_cast<SharedIconStyle *>(QApplication::style()))
        QApplication::setStyle(new SharedIconStyle);
}

} // namespace kvx
