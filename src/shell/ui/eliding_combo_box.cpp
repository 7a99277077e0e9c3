#include "shell/ui/eliding_combo_box.h"
#include "shell/ui/named_widgets.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace kvx {

ElidingComboBox::ElidingComboBox(int characters, QWidget *parent) : QComboBox(parent)
{
    fixListWidth(this, characters);
    // Tells the window checks that the box shortens its text itself.
    setProperty("elidesText", true);
}

void ElidingComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideMiddle, field.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace kvx
