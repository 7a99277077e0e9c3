#include "support/window_fit.h"

#include "shell/captions.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace kvx::test {

namespace {

// The line edits whose text is a caption, not the user's data.
const QSet<QString> &captionBoxes()
{
    static const QSet<QString> names = [] {
        QSet<QString> n;
        for (const auto table : {captionTable(), ownCaptionTable()})
            for (const ControlText &e : table)
                if (e.property == TextProperty::BoxText)
                    n.insert(ControlRef{QString::fromLatin1(e.name), e.index}.objectName());
        return n;
    }();
    return names;
}

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString sizeText(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

QSize textSize(const QFontMetrics &fm, const QString &text)
{
    return fm.size(Qt::TextShowMnemonic, text);
}

QSize withSlack(const QWidget *w, QSize need)
{
    if (w->maximumWidth() <= w->width())
        need.rwidth() += (need.width() + 9) / 10;
    if (w->maximumHeight() <= w->height())
        need.rheight() += (need.height() + 9) / 10;
    return need;
}

class Checker
{
public:
    explicit Checker(QWidget &window) : m_window(window) {}

    QStringList run()
    {
        if (m_window.width() > LargestWindow.width() || m_window.height() > LargestWindow.height())
            add(&m_window,
                QStringLiteral("window %1 is larger than %2").arg(sizeText(m_window.size()), sizeText(LargestWindow)));
        children(&m_window);
        return m_problems;
    }

private:
    void add(const QWidget *w, const QString &what)
    {
        m_problems << QStringLiteral("%1: %2: %3").arg(nameOf(&m_window), nameOf(w), what);
    }

    // The text needs `need` and gets `room`. A widget that cannot grow with its text
    // needs a tenth more: another machine's font may well be that much larger.
    void measure(const QWidget *w, const QString &text, QSize need, QSize room)
    {
        need = withSlack(w, need);
        if (need.width() > room.width() || need.height() > room.height())
            add(w, QStringLiteral("\"%1\" needs %2, has %3").arg(text, sizeText(need), sizeText(room)));
    }

    void children(QWidget *parent)
    {
        // Switching tab pages may add or remove widgets on the way.
        QList<QPointer<QWidget>> widgets;
        for (QObject *o : parent->children())
            if (auto *w = qobject_cast<QWidget *>(o))
                widgets << w;
        for (QWidget *w : widgets)
            if (w && !w->isWindow() && w->isVisible())
                widget(w);
    }

    void widget(QWidget *w)
    {
        const QRect inParent = w->geometry();
        if (!w->parentWidget()->rect().contains(inParent))
            add(w,
                QStringLiteral("at %1,%2 size %3 lies outside its parent (%4)")
                    .arg(inParent.x())
                    .arg(inParent.y())
                    .arg(sizeText(inParent.size()), sizeText(w->parentWidget()->size())));
        if (!w->property("elidesText").toBool())
            text(w);
        // What scrolls or is typed in holds data; its parts are not captions.
        if (qobject_cast<QAbstractScrollArea *>(w) || qobject_cast<QAbstractSpinBox *>(w)
            || qobject_cast<QComboBox *>(w))
            return;
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            return tabPages(tabs);
        children(w);
    }

    void tabPages(QTabWidget *tabs)
    {
        widget(tabs->tabBar());
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            children(tabs->widget(i));
        }
        tabs->setCurrentIndex(current);
    }

    void text(QWidget *w)
    {
        const QFontMetrics fm = w->fontMetrics();
        if (auto *l = qobject_cast<QLabel *>(w))
            label(l, fm);
        else if (auto *b = qobject_cast<QPushButton *>(w))
            button(b, QStyle::SE_PushButtonContents, fm);
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            button(check, QStyle::SE_CheckBoxContents, fm);
        else if (auto *r = qobject_cast<QRadioButton *>(w))
            button(r, QStyle::SE_RadioButtonContents, fm);
        else if (auto *t = qobject_cast<QToolButton *>(w))
            toolButton(t);
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            groupBox(g, fm);
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            lineEdit(e, fm);
        else if (auto *list = qobject_cast<QComboBox *>(w))
            comboBox(list, fm);
        else if (auto *tabs = qobject_cast<QTabBar *>(w))
            tabBar(tabs, fm);
        else if (auto *tools = qobject_cast<QToolBar *>(w))
            toolBar(tools);
        else if (auto *menus = qobject_cast<QMenuBar *>(w))
            menuBar(menus);
    }

    void label(const QLabel *l, const QFontMetrics &fm)
    {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText
            || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
            return;
        QRect room = l->contentsRect();
        const int margin = l->margin();
        room.adjust(margin, margin, -margin, -margin);
        if (l->indent() > 0)
            room.setLeft(room.left() + l->indent());
        if (l->wordWrap()) {
            const QRect need =
                fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap | Qt::TextShowMnemonic, l->text());
            measure(l, l->text(), need.size(), room.size());
        } else {
            // Without a buddy the label shows an ampersand as it is.
            measure(l, l->text(), l->buddy() ? textSize(fm, l->text()) : fm.size(0, l->text()), room.size());
        }
    }

    // A button's label goes into the style's contents rectangle: icon, a gap, then
    // the text (beside a check box's or radio button's indicator); a push button's
    // menu arrow takes room of its own.
    void button(const QAbstractButton *b, QStyle::SubElement contents, const QFontMetrics &fm)
    {
        if (b->text().isEmpty())
            return;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        const auto *push = qobject_cast<const QPushButton *>(b);
        if (push && push->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        if (push && push->isFlat())
            opt.features |= QStyleOptionButton::Flat;
        QSize need = textSize(fm, b->text());
        if (!b->icon().isNull())
            need.rwidth() += b->iconSize().width() + 4;
        QSize room = b->style()->subElementRect(contents, &opt, b).size();
        if (push && push->menu())
            room.rwidth() -= b->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &opt, b);
        measure(b, b->text(), need, room);
    }

    // A tool button lays out its icon and text its own way; it gets its size hint
    // wherever it shows text (toolbars give it that).
    void toolButton(const QToolButton *t)
    {
        if (t->text().isEmpty() || t->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        measure(t, t->text(), t->sizeHint(), t->size());
    }

    // The style places the title (and its check box) from the text's size; the text
    // then has to lie inside the frame.
    void groupBox(const QGroupBox *g, const QFontMetrics &fm)
    {
        if (g->title().isEmpty())
            return;
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.lineWidth = 1;
        opt.textAlignment = g->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (g->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        if (g->isFlat())
            opt.features |= QStyleOptionFrame::Flat;
        const QStyle *style = g->style();
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        QRect need(label.topLeft(), label.size().expandedTo(withSlack(g, textSize(fm, g->title()))));
        if (g->isCheckable())
            need |= style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxCheckBox, g);
        if (!g->rect().contains(need))
            add(g,
                QStringLiteral("title \"%1\" needs %2 at %3,%4, the frame is %5")
                    .arg(g->title(), sizeText(need.size()))
                    .arg(need.x())
                    .arg(need.y())
                    .arg(sizeText(g->size())));
    }

    void lineEdit(const QLineEdit *e, const QFontMetrics &fm)
    {
        if (e->text().isEmpty() || !captionBoxes().contains(e->objectName()))
            return;
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        // The text's room: the frame's contents less the box's own side margins.
        const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
        const QMargins m = e->textMargins();
        const int sideMargin = 2; // the box keeps this much free beside the text
        const QSize room(contents.width() - m.left() - m.right() - 2 * sideMargin,
                         contents.height() - m.top() - m.bottom());
        measure(e, e->text(), QSize(fm.horizontalAdvance(e->text()), fm.height()), room);
    }

    void comboBox(const QComboBox *c, const QFontMetrics &fm)
    {
        if (c->isEditable() || c->currentText().isEmpty())
            return;
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.editable = false;
        opt.frame = c->hasFrame();
        opt.currentText = c->currentText();
        opt.subControls = QStyle::SC_All;
        QSize need = textSize(fm, c->currentText());
        if (!c->itemIcon(c->currentIndex()).isNull())
            need.rwidth() += c->iconSize().width() + 4;
        measure(c, c->currentText(), need,
                c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).size());
    }

    // A tab's text goes into the style's text rectangle of the tab (the bar elides
    // what does not fit); every tab shows without the scroll buttons.
    void tabBar(const QTabBar *bar, const QFontMetrics &fm)
    {
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i))
                continue;
            QStyleOptionTab opt;
            opt.initFrom(bar);
            opt.rect = bar->tabRect(i);
            opt.shape = bar->shape();
            opt.text = bar->tabText(i);
            opt.icon = bar->tabIcon(i);
            opt.iconSize = bar->iconSize();
            opt.documentMode = bar->documentMode();
            opt.leftButtonSize =
                bar->tabButton(i, QTabBar::LeftSide) ? bar->tabButton(i, QTabBar::LeftSide)->size() : QSize();
            opt.rightButtonSize =
                bar->tabButton(i, QTabBar::RightSide) ? bar->tabButton(i, QTabBar::RightSide)->size() : QSize();
            const QString what = QStringLiteral("tab %1").arg(i);
            if (!bar->rect().contains(opt.rect))
                add(bar, QStringLiteral("%1 \"%2\" lies outside the bar").arg(what, opt.text));
            QSize room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &opt, bar).size();
            if (opt.shape == QTabBar::RoundedEast || opt.shape == QTabBar::RoundedWest
                || opt.shape == QTabBar::TriangularEast || opt.shape == QTabBar::TriangularWest)
                room.transpose();
            measure(bar, opt.text, textSize(fm, opt.text), room);
        }
    }

    void toolBar(const QToolBar *bar)
    {
        for (const QToolButton *t : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
            if (t->objectName() == QLatin1String("qt_toolbar_ext_button") && t->isVisible())
                add(bar, QStringLiteral("hides items behind its extension button"));
    }

    void menuBar(const QMenuBar *bar)
    {
        for (QAction *a : bar->actions()) {
            if (!a->isVisible())
                continue;
            const QRect r = bar->actionGeometry(a);
            if (r.isEmpty() || !bar->rect().contains(r))
                add(bar, QStringLiteral("menu \"%1\" is not on the bar").arg(a->text()));
        }
    }

    QWidget &m_window;
    QStringList m_problems;
};

} // namespace

QStringList windowFitProblems(QWidget &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return Checker(window).run();
}

} // namespace kvx::test
