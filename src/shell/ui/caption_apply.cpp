#include "shell/ui/caption_apply.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace kvx {

QWidget *windowControl(const QWidget &window, const QString &objectName)
{
    const auto found = window.findChildren<QWidget *>(objectName);
    for (QWidget *w : found)
        if (w->window() == &window)
            return w;
    return nullptr;
}

namespace {

QString objectNameOf(const ControlText &entry)
{
    return ControlRef{QString::fromLatin1(entry.name), entry.index}.objectName();
}

} // namespace

bool applyControlText(const QWidget &window, const ControlText &entry, bool japanese)
{
    QWidget *w = windowControl(window, objectNameOf(entry));
    if (!w)
        return false;
    const QString text = entry.text(japanese);
    switch (entry.property) {
    case TextProperty::Caption:
    case TextProperty::SeriesCaption: {
        const bool set = entry.property == TextProperty::Caption;
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            if (set)
                b->setText(text);
            return true;
        }
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (set)
                l->setText(text);
            return true;
        }
        if (auto *g = qobject_cast<QGroupBox *>(w)) {
            if (set)
                g->setTitle(text);
            return true;
        }
        return false;
    }
    case TextProperty::BoxText:
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            e->setText(text);
            return true;
        }
        if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
            p->setPlainText(text);
            return true;
        }
        return false;
    case TextProperty::TabCaption:
        if (auto *t = qobject_cast<QTabWidget *>(w); t && entry.part < t->count()) {
            t->setTabText(entry.part, text);
            return true;
        }
        return false;
    case TextProperty::ListItem:
        // Setting an item's text keeps the selection.
        if (auto *c = qobject_cast<QComboBox *>(w); c && entry.part < c->count()) {
            c->setItemText(entry.part, text);
            return true;
        }
        return false;
    case TextProperty::ToolTip: w->setToolTip(text); return true;
    }
    return false;
}

void applyWindowTexts(QWidget &window, std::span<const ControlText> texts, bool japanese)
{
    for (const ControlText &entry : texts) {
        if (window.objectName() == QLatin1String(entry.name))
            window.setWindowTitle(entry.text(japanese));
        else
            applyControlText(window, entry, japanese);
    }
}

QString controlText(const QWidget &window, const ControlText &entry)
{
    QWidget *w = windowControl(window, objectNameOf(entry));
    if (!w)
        return QString();
    switch (entry.property) {
    case TextProperty::Caption:
    case TextProperty::SeriesCaption:
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            return b->text();
        if (auto *l = qobject_cast<QLabel *>(w))
            return l->text();
        if (auto *g = qobject_cast<QGroupBox *>(w))
            return g->title();
        return QString();
    case TextProperty::BoxText:
        if (auto *e = qobject_cast<QLineEdit *>(w))
            return e->text();
        if (auto *p = qobject_cast<QPlainTextEdit *>(w))
            return p->toPlainText();
        return QString();
    case TextProperty::TabCaption:
        if (auto *t = qobject_cast<QTabWidget *>(w))
            return t->tabText(entry.part);
        return QString();
    case TextProperty::ListItem:
        if (auto *c = qobject_cast<QComboBox *>(w))
            return c->itemText(entry.part);
        return QString();
    case TextProperty::ToolTip: return w->toolTip();
    }
    return QString();
}

QStringList installedCaptionFamilies(bool japanese)
{
    const QStringList candidates = captionFontCandidates(japanese);
    // The language's own font name always leads, so a system that has it uses it.
    // Asked by name, not looked up among the listed families: a Japanese locale
    // lists a font under its Japanese name ("IPA Pゴシック" for IPAPGothic).
    QStringList families{candidates.first()};
    for (qsizetype i = 1; i < candidates.size(); ++i)
        if (QFontDatabase::hasFamily(candidates[i]))
            families << candidates[i];
    return families;
}

namespace {

QFont ownFont(const QStringList &families, QFont::StyleHint hint)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSize(InterfaceFontPoints);
    return font;
}

} // namespace

QFont interfaceFont()
{
    return ownFont(interfaceFontCandidates(), QFont::SansSerif);
}

QFont fixedFont()
{
    return ownFont(fixedFontCandidates(), QFont::TypeWriter);
}

void useProgramFonts()
{
    QApplication::setFont(interfaceFont());
}

void applyCaptionFonts(const QWidget &window, bool japanese)
{
    const QStringList families = installedCaptionFamilies(japanese);
    QHash<QString, double> sizes;
    for (const FontSizeSetting &s : captionFontSizes())
        sizes.insert(ControlRef{QString::fromLatin1(s.name), s.index}.objectName(), s.points);
    for (const ControlRef &c : controlObjects(captionFontControls())) {
        const QString name = c.objectName();
        QWidget *w = windowControl(window, name);
        if (!w)
            continue;
        // Only the family (and a fixed size) is set; everything else still comes from
        // the surroundings, so a switch back restores the font exactly. A weight the
        // window gave the control itself (a bold caption) stays.
        QFont font;
        font.setFamilies(families);
        if (w->font().resolveMask() & QFont::WeightResolved)
            font.setWeight(w->font().weight());
        if (const auto size = sizes.constFind(name); size != sizes.constEnd())
            font.setPointSizeF(*size);
        w->setFont(font);
    }
}

bool setControlToolTip(const QWidget &window, const ControlRef &control, const QString &text)
{
    QWidget *w = windowControl(window, control.objectName());
    if (!w)
        return false;
    w->setToolTip(text);
    return true;
}

} // namespace kvx
