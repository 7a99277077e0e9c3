#include "shell/series_layout.h"

#include "shell/captions.h"

namespace kvx {

namespace {

// The length of "KVX35P V3.30.3": what the caption keeps in front of the suffix.
constexpr int TitleStemLength = 14;

QString member(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

void add(QList<ControlFlag> &flags, const QString &name, bool on)
{
    flags.append(ControlFlag{name, on});
}

void add(QList<ControlFlag> &flags, const char *name, bool on)
{
    add(flags, QLatin1String(name), on);
}

template <typename Item> std::optional<Item> findByName(const QList<Item> &items, const QString &name)
{
    for (const Item &item : items)
        if (item.name == name)
            return item;
    return std::nullopt;
}

// What both layouts set, the same way or the opposite way, in the window's order.
SeriesLayoutPlan commonLayout(const LayoutInputs &in, bool older)
{
    SeriesLayoutPlan p;
    p.olderSeries = older;
    QList<ControlFlag> &f = p.enabled;
    add(f, "Chk_B", true);
    add(f, "Label35", true);
    add(f, member("CmdBL", 1), older);
    add(f, member("CmdBL", 3), false);
    add(f, member("CmdBL", 4), false);
    for (int i = 0; i < 4; ++i)
        add(f, member("CmdLedBlk", i), older);
    for (int i = 0; i < 3; ++i)
        add(f, member("OptSeries", i), !older);
    add(f, member("OptSeries", 3), older);
    add(f, member("chkDutyAdjust", 0), older);
    add(f, member("chkDutyAdjust", 1), older);
    add(f, "OptR", !older);
    add(f, "OptG", !older);
    add(f, "OptB", !older);
    add(f, "FrmAction", true);
    // The fountain and the dissolve belong to the older series.
    for (int i = 0; i < 4; ++i)
        add(f, member("OptAction", i), older || i < 2);
    add(f, "FullOnCommandButton", !older);
    add(f, "Reverse4CommandButton", !older);
    add(f, "FullOffCommandButton", !older);
    add(f, member("FontSizeOption", 0), !older);
    add(f, member("FontSizeOption", 1), !older);
    for (int i = 2; i < 6; ++i)
        add(f, member("FontSizeOption", i), older);
    add(f, "Command7", older);
    add(f, "Label10", !older);
    add(f, "GapList", !older);
    add(f, "CmdUDF", older);
    add(f, "labelSize", true);
    add(f, "ListSize", true);

    p.clearDutyAdjust = !older;
    p.chooseRgb = older;
    p.actionOption = 0;
    p.brightMinimum = older ? 0 : 1;
    p.fontSizeOption = older ? 2 : 0;
    p.texts = {
        {QStringLiteral("TxtNoOfLED"), older ? QStringLiteral("8") : QStringLiteral("1")},
        {QStringLiteral("ScrollShiftBox"), QString::number(in.dotHeight / 8)},
        {QStringLiteral("ScrollRepetitionBox"), QString::number(in.dotWidth)},
        {QStringLiteral("BmpXSizeBox"), QString::number(in.dotWidth)},
        {QStringLiteral("BmpYSizeBox"), QString::number(in.dotHeight / 8)},
    };

    p.windowTitle = layoutWindowTitle(in.windowTitle, older, in.uiLanguage);
    p.tutorCaption = tutorWindowCaption(older ? QStringLiteral("2100") : QStringLiteral("5200"), in.uiLanguage);
    p.tutorTopics = tutorTopics(older);

    p.fontSizes = ListFill{fontSizeItems(in.moduleSeri, in.dotHeight), 0};
    return p;
}

} // namespace

std::optional<bool> SeriesLayoutPlan::isEnabled(const QString &name) const
{
    if (const auto f = findByName(enabled, name))
        return f->on;
    return std::nullopt;
}

std::optional<QString> SeriesLayoutPlan::textOf(const QString &name) const
{
    if (const auto t = findByName(texts, name))
        return t->text;
    return std::nullopt;
}

std::optional<bool> RevisionBPlan::isEnabled(const QString &name) const
{
    if (const auto f = findByName(enabled, name))
        return f->on;
    return std::nullopt;
}

QStringList codeTableItems(bool olderSeries)
{
    QStringList items = {QStringLiteral("PC437(USA Euro std)"),
                         QStringLiteral("Katakana -Japanese"),
                         QStringLiteral("PC850 (Multilingual)"),
                         QStringLiteral("PC860 (Portuguese)"),
                         QStringLiteral("PC863 (Canadian - French)"),
                         QStringLiteral("PC865 (Nordic)"),
                         QStringLiteral("WPC1252"),
                         QStringLiteral("PC866(Cyrillic #2)"),
                         QStringLiteral("PC852(Latin 2)"),
                         QStringLiteral("PC858")};
    if (olderSeries)
        items << QStringLiteral("UserFont");
    return items;
}

QStringList fontSizeItems(const QString &moduleSeri, int dotHeight)
{
    QStringList items = {QStringLiteral("6x8"), QStringLiteral("8x16")};
    if (isOlderSeries(moduleSeri)) {
        if (moduleSeri.endsWith(QLatin1Char('B')))
            items << QStringLiteral("12x24");
        if (dotHeight >= 32)
            items << QStringLiteral("16x32");
    }
    return items;
}

QList<std::pair<int, bool>> tutorTopics(bool olderSeries)
{
    return {{4, !olderSeries}, {6, !olderSeries}, {12, !olderSeries}};
}

QString layoutWindowTitle(const QString &currentTitle, bool olderSeries, const QString &uiLanguage)
{
    const bool japanese = uiLanguage == QLatin1String("Japanese");
    QString suffix;
    if (olderSeries)
        suffix = japanese ? QStringLiteral(" /2100 ダイレクトモード") : QStringLiteral(" /2100 Direct Mode");
    else
        suffix = japanese ? QStringLiteral(" /5200 モード") : QStringLiteral(" /5200 Mode");
    return currentTitle.left(TitleStemLength) + suffix;
}

QString tutorWindowCaption(const QString &series, const QString &uiLanguage)
{
    return series + (isJapanese(uiLanguage) ? QStringLiteral(" チュートリアル") : QStringLiteral(" Tutor"));
}

SeriesLayoutPlan olderSeriesLayout(const LayoutInputs &in)
{
    SeriesLayoutPlan p = commonLayout(in, true);
    p.seriesOptionClick = 3;
    p.magnification = FillMagnificationList(in.moduleSeri, in.dotHeight, in.magnificationText);
    const QStringList tables = codeTableItems(true);
    // The table chosen before stays; a text the list lacks shows the first table.
    p.codeTables = ListFill{tables, qMax(0, int(tables.indexOf(in.codeTableText)))};
    return p;
}

SeriesLayoutPlan newerSeriesLayout(const LayoutInputs &in)
{
    SeriesLayoutPlan p = commonLayout(in, false);
    p.seriesOptionClick = in.seriesOption == 3 ? 0 : -1;
    p.magnification = FillMagnificationList(in.moduleSeri, in.dotHeight, in.magnificationText);
    p.magnification.index = int(p.magnification.items.indexOf(QStringLiteral("X1 Y1")));
    const QStringList tables = codeTableItems(false);
    // "UserFont" exists on the older series only.
    p.codeTables = ListFill{tables, qMax(0, int(tables.indexOf(in.codeTableText)))};
    return p;
}

SeriesLayoutPlan seriesLayout(const LayoutInputs &in)
{
    return isOlderSeries(in.moduleSeri) ? olderSeriesLayout(in) : newerSeriesLayout(in);
}

RevisionBPlan revisionBFeatures(const QString &moduleSeri, int yUnit)
{
    const bool olderB = moduleSeri == QLatin1String("2100B");
    const bool revB = olderB || moduleSeri == QLatin1String("5200B");
    RevisionBPlan p;
    QList<ControlFlag> &f = p.enabled;
    add(f, member("cmdBtn1", 4), olderB);
    add(f, member("cmdBtn1", 5), olderB);
    add(f, member("WindowModeCommandButton", 3), olderB);
    add(f, "ListOffTimer", olderB);
    add(f, "Label39", olderB);
    add(f, "CmdDrawFileByDot", revB);
    add(f, member("OpYByte", 0), true);
    add(f, member("OpYByte", 1), revB);
    add(f, "Label52", revB);
    add(f, "Text6", revB);
    add(f, "Text7", revB);
    add(f, "Label51", revB);
    add(f, "Command9", revB);
    add(f, "CmdFontExtension", revB);
    p.dotTextTab = revB;
    p.yUnitClick = !revB && yUnit != 0 ? 0 : -1;
    return p;
}

} // namespace kvx
