#include "shell/ui/shared_icon_style.h"

#include <QApplication>
#include <QStyleOptionButton>

namespace kvx {

namespace {

// More looks of a face than the program's windows show at once: the recorder's, the
// display's and the tutorial's buttons, plain and coloured, on their areas' colours.
constexpr int KeptPalettes = 32;

} // namespace

SharedIconStyle::SharedIconStyle() : QProxyStyle(QApplication::style()->name()) {}

SharedIconStyle::SharedIconStyle(QStyle *base) : QProxyStyle(base) {}

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

void SharedIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    if (element == PE_PanelButtonCommand) {
        if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
            QStyleOptionButton face(*button);
            face.palette = sharedPalette(button->palette);
            QProxyStyle::drawPrimitive(element, &face, painter, widget);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QPalette SharedIconStyle::sharedPalette(const QPalette &palette) const
{
    // This very palette (most buttons keep theirs), or one of the same colours: the one
    // kept, whose pictures are in the cache.
    qsizetype at = 0;
    while (at < m_palettes.size() && m_palettes[at].cacheKey() != palette.cacheKey())
        ++at;
    if (at == m_palettes.size())
        at = m_palettes.indexOf(palette);
    if (at < 0) {
        m_palettes.prepend(palette);
        if (m_palettes.size() > KeptPalettes)
            m_palettes.removeLast();
        return palette;
    }
    m_palettes.move(at, 0);
    return m_palettes.first();
}

void SharedIconStyle::install()
{
    if (!qobject_cast<SharedIconStyle *>(QApplication::style()))
        QApplication::setStyle(new SharedIconStyle);
}

} // namespace kvx
