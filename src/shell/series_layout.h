#pragma once

#include "shell/model_series.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace kvx {

// The main window's layouts for the module series. They are plans: what each control
// of the window becomes, by object name ("CmdBL_1" is member 1 of CmdBL). The main
// window applies a plan to its widgets; nothing is sent.

// A control switched on or off.
struct ControlFlag
{
    QString name;
    bool on = false;
};

// A text box given a text.
struct PresetText
{
    QString name;
    QString text;
};

// What the series layouts read.
struct LayoutInputs
{
    QString moduleSeri; // "5200", "5200B", "2100" or "2100B"
    int dotWidth = 0;
    int dotHeight = 0;
    QString uiLanguage;        // "Japanese" selects the Japanese title
    QString windowTitle;       // the main window's caption now
    QString codeTableText;     // CharacterCodeList's text now
    QString magnificationText; // MagunifiedList's text now
    int seriesOption = 0;      // the chosen OptSeries index
};

// One series layout, in the order the window sets it.
struct SeriesLayoutPlan
{
    bool olderSeries = false;
    QList<ControlFlag> enabled;
    bool clearDutyAdjust = false; // chkDutyAdjust(0), (1) cleared
    bool chooseRgb = false;       // OptRGB chosen
    int actionOption = 0;         // OptAction chosen
    int brightMinimum = 0;        // BrightSlider's lower end
    QList<PresetText> texts;      // TxtNoOfLED, the scroll and test-pattern size boxes
    // OptSeries_Click to run (the option is chosen by it); -1: the option stays.
    int seriesOptionClick = -1;
    // FontSizeOption chosen; its click handler runs.
    int fontSizeOption = 0;
    ListFill magnification; // MagunifiedList
    ListFill codeTables;    // CharacterCodeList
    ListFill fontSizes;     // ListSize
    QString windowTitle;
    QString tutorCaption;
    QList<std::pair<int, bool>> tutorTopics; // IndexCommandButton(4), (6), (12) enabled

    std::optional<bool> isEnabled(const QString &name) const;
    std::optional<QString> textOf(const QString &name) const;
};

// The code tables in list order (the index is the table number the font panel
// sends): ten, and "UserFont" as the eleventh on the older series.
QStringList codeTableItems(bool olderSeries);
// The font sizes of ListSize.
QStringList fontSizeItems(const QString &moduleSeri, int dotHeight);
// The tutorial topics the series decides, with whether they are offered: the older
// series lacks proportional fonts (4), font modification (6) and the screen saver (12).
QList<std::pair<int, bool>> tutorTopics(bool olderSeries);
// The caption keeps its first 14 characters ("KVX35P V3.30.3") and takes the
// series suffix in the interface language; a suffix already there is replaced.
QString layoutWindowTitle(const QString &currentTitle, bool olderSeries, const QString &uiLanguage);

// The tutorial window's caption: the series ("5200", "2100B") and the word in the
// interface language.
QString tutorWindowCaption(const QString &series, const QString &uiLanguage);

SeriesLayoutPlan olderSeriesLayout(const LayoutInputs &in);
SeriesLayoutPlan newerSeriesLayout(const LayoutInputs &in);
// The layout for the inputs' series.
SeriesLayoutPlan seriesLayout(const LayoutInputs &in);

// The controls only revision-B modules offer.
struct RevisionBPlan
{
    QList<ControlFlag> enabled;
    bool dotTextTab = false; // the second tab (index 1) of SSTab4
    // OpYByte_Click to run; -1: the y unit stays. A module without dot units goes
    // back to "Y:8Dot".
    int yUnitClick = -1;

    std::optional<bool> isEnabled(const QString &name) const;
};
// yUnit: the chosen OpYByte index (0 "Y:8Dot", 1 "Y:1Dot").
RevisionBPlan revisionBFeatures(const QString &moduleSeri, int yUnit);

} // namespace kvx
