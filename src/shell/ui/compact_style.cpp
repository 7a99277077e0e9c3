#include "shell/ui/compact_style.h"

#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QPointer>
#include <QStyleOptionButton>
#include <QWidget>

namespace kvx {

namespace {

// Room left and right of a button's caption, and the narrowest captioned button.
constexpr int ButtonPadding = 6;
constexpr int ButtonMinimumWidth = 36;

} // namespace

CompactStyle::CompactStyle()
{
    setObjectName(QStringLiteral("CompactStyle"));
}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_LayoutLeftMargin:
    case PM_LayoutRightMargin:
    case PM_LayoutTopMargin:
    case PM_LayoutBottomMargin:
        // A frame's caption already sets its contents apart from the frame above.
        return 4;
    case PM_LayoutHorizontalSpacing:
    case PM_LayoutVerticalSpacing: return 3;
    case PM_TabBarTabHSpace: return 10;
    default: return SharedIconStyle::pixelMetric(metric, option, widget);
    }
}

QSize CompactStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                     const QWidget *widget) const
{
    QSize size = SharedIconStyle::sizeFromContents(type, option, contentsSize, widget);
    if (type != CT_PushButton)
        return size;
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button || button->text.isEmpty())
        return size;
    const int frame = 2 * pixelMetric(PM_DefaultFrameWidth, option, widget);
    const int natural = contentsSize.width() + pixelMetric(PM_ButtonMargin, option, widget) + frame + 2 * ButtonPadding;
    size.setWidth(qMax(natural, ButtonMinimumWidth));
    return size;
}

void CompactStyle::apply(QWidget &window)
{
    static QPointer<CompactStyle> style;
    if (!style) {
        style = new CompactStyle;
        style->setParent(qApp);
    }
    window.setStyle(style);
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *w : widgets)
        if (w->window() == &window)
            w->setStyle(style);
    refreshSizes(window);
}

void CompactStyle::refreshSizes(QWidget &window)
{
    // A change of style is what makes a list forget both of its sizes.
    for (QComboBox *list : window.findChildren<QComboBox *>()) {
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(list, &styleChange);
    }
    for (QLayout *l : window.findChildren<QLayout *>())
        l->invalidate();
    for (QWidget *w : window.findChildren<QWidget *>())
        w->updateGeometry();
}

} // namespace kvx
