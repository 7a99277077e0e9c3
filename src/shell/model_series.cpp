#include "shell/model_series.h"

#include "link/vx5200.h"
#include "shell/model_list.h"

namespace kvx {

const QList<SeriesOption> &seriesOptions()
{
    static const QList<SeriesOption> options = {
        {QStringLiteral("-520x"), QStringLiteral("5200")},
        {QStringLiteral("-521x"), QStringLiteral("5210")},
        {QStringLiteral("-529x"), QStringLiteral("5290")},
        {QStringLiteral("-2xxx"), QStringLiteral("2190")},
    };
    return options;
}

int seriesIndexForSettings(const QString &text)
{
    const QList<SeriesOption> &options = seriesOptions();
    for (int i = 0; i < options.size(); ++i) {
        if (options.at(i).settingsString == text)
            return i;
    }
    return -1;
}

QString seriesSettingsString(int index)
{
    const QList<SeriesOption> &options = seriesOptions();
    return index >= 0 && index < options.size() ? options.at(index).settingsString : QString();
}

std::optional<SeriesControls> seriesOptionControls(int index)
{
    SeriesControls c;
    switch (index) {
    case 0:
        // The newest series keeps no images to edit or draw, and none of the newer
        // series scrolls them.
        c.clearChkScroll = true;
        return c;
    case 1:
    case 2:
        c.CmdEditImageList = c.CmdIndicate = true;
        c.clearChkScroll = true;
        return c;
    case 3: c.CmdEditImageList = c.CmdIndicate = c.ChkScroll = c.Label50 = c.CmbSpeed = true; return c;
    default: return std::nullopt;
    }
}

const QStringList &yUnitCaptions()
{
    static const QStringList captions = {QStringLiteral("Y:8Dot"), QStringLiteral("Y:1Dot")};
    return captions;
}

std::optional<YUnitControls> yUnitControls(int index)
{
    if (index != 0 && index != 1)
        return std::nullopt;
    YUnitControls c;
    c.chosen = index;
    const bool byteUnits = index == 0;
    c.ChkScroll = c.Label50 = c.CmbSpeed = c.Text3 = byteUnits;
    return c;
}

std::optional<QString> matchModel(const QString &text)
{
    for (const QString &model : ModelList()) {
        if (model.compare(text, Qt::CaseInsensitive) == 0)
            return model;
    }
    return std::nullopt;
}

bool isOlderSeries(const QString &moduleSeries)
{
    return moduleSeries == QLatin1String("2100") || moduleSeries == QLatin1String("2100B");
}

ListFill switchListFill(int currentIndex, int switchCount)
{
    ListFill fill;
    const int remembered = qMax(currentIndex, 0);
    for (int i = 1; i <= switchCount; ++i)
        fill.items.append(QStringLiteral(" SW%1").arg(i));
    if (fill.items.isEmpty())
        return fill;
    fill.index = remembered < fill.items.size() ? remembered : 0;
    return fill;
}

ListFill FillMagnificationList(const QString &moduleSeries, int dotHeight, const QString &currentText)
{
    const bool newer = moduleSeries == QLatin1String("5200") || moduleSeries == QLatin1String("5200B");
    int rows = 4;
    if (newer || dotHeight == 32)
        rows = 2;
    else if (dotHeight == 16)
        rows = 1;

    ListFill fill;
    for (int y = 1; y <= rows; ++y) {
        for (int x = 1; x <= 4; ++x)
            fill.items.append(QStringLiteral("X%1 Y%2").arg(x).arg(y));
    }
    const int kept = int(fill.items.indexOf(currentText));
    fill.index = kept >= 0 ? kept : 0; // item 0 is "X1 Y1"
    return fill;
}

std::optional<QString> ledCountForModel(const QString &modelText)
{
    if (modelText == QLatin1String("VX256x64_21K"))
        return QStringLiteral("8");
    if (modelText == QLatin1String("VX512x32_21K"))
        return QStringLiteral("20");
    return std::nullopt;
}

ModuleIdentityView moduleIdentityView(const VX5200 &encoder)
{
    ModuleIdentityView view;
    view.olderSeries = isOlderSeries(encoder.moduleSeri());
    view.dotWidth = QString::number(encoder.moduleDotX());
    view.dotHeight = QString::number(encoder.moduleDotY());
    return view;
}

ModelChoice chooseModel(VX5200 &encoder, const QString &modelText, bool revisionB, int currentSwitchIndex)
{
    encoder.moduleName(modelText);
    encoder.moduleRevB(revisionB);
    ModelChoice choice;
    choice.identity = moduleIdentityView(encoder);
    choice.ledCount = ledCountForModel(modelText);
    choice.switches = switchListFill(currentSwitchIndex, encoder.NumberOfSW());
    return choice;
}

} // namespace kvx
