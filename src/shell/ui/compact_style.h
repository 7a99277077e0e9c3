#pragma once

#include "shell/ui/shared_icon_style.h"

class QWidget;

namespace kvx {

// The look of a window that has to hold many controls on a small screen: narrow
// margins and spacing, and push buttons as wide as their caption needs (the usual
// styles never make a captioned button narrower than 80 pixels). Every size still
// follows from the font and the texts, so a longer caption gets a wider button. Like
// the application's style, it paints each look of a thing once (SharedIconStyle).
class CompactStyle : public SharedIconStyle
{
    Q_OBJECT
public:
    CompactStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                           const QWidget *widget) const override;

    // Gives every widget of the window (not the windows it owns) this style; the one
    // instance lives as long as the application.
    static void apply(QWidget &window);
    // Has every size of the window's widgets worked out afresh. Qt keeps some sizes
    // it worked out before: a list keeps its smallest size through a change of its
    // font or its items, a layout the sizes of its items, a layout worked out before
    // the style was set its old spacing. The window then fits what it shows now, in
    // either language, whatever it showed before.
    static void refreshSizes(QWidget &window);
};

} // namespace kvx
