#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kvx {

class VX5200;

// ---- series options (OptSeries) ----

// The four series options in index order: the caption on the window and the string
// Config.dat stores for it. The series option chooses the module's memory layout for
// images and macros; it is independent of the model.
struct SeriesOption
{
    QString caption;
    QString settingsString;
};
const QList<SeriesOption> &seriesOptions();

// The option index of a Config.dat series string ("5200", "5210", "5290", "2190"),
// -1 for any other text.
int seriesIndexForSettings(const QString &text);
// The Config.dat string of an option index; empty outside 0..3.
QString seriesSettingsString(int index);

// What choosing a series option (`OptSeries_Click`) does to the image-list and scroll
// controls. The window's series-option handler applies it.
struct SeriesControls
{
    bool CmdEditImageList = false;
    bool CmdIndicate = false;
    bool ChkScroll = false;      // enabled
    bool clearChkScroll = false; // ChkScroll's value is cleared as well
    bool Label50 = false;
    bool CmbSpeed = false;
};
// Nothing for an index outside 0..3: such a choice changes nothing.
std::optional<SeriesControls> seriesOptionControls(int index);

// ---- y-unit options (OpYByte) ----

// Captions of OpYByte(0) and OpYByte(1).
const QStringList &yUnitCaptions();

// What choosing a y unit (`OpYByte_Click`) does: which option ends chosen, and the
// enabled state of the scroll controls and Text3.
struct YUnitControls
{
    int chosen = 0;
    bool ChkScroll = false;
    bool Label50 = false;
    bool CmbSpeed = false;
    bool Text3 = false;
};
std::optional<YUnitControls> yUnitControls(int index);

// ---- models ----

// The model list's own spelling of a text that names a model regardless of letter
// case; nothing when the text names no model.
std::optional<QString> matchModel(const QString &text);

// True for the older series ("2100", "2100B").
bool isOlderSeries(const QString &moduleSeries);

// The items of a refilled list and the index to select (-1: none).
struct ListFill
{
    QStringList items;
    int index = -1;
    QString text() const { return index >= 0 && index < items.size() ? items.at(index) : QString(); }
};

// The touch-switch list ComboTSW(0): " SW1" to " SW<count>"; the index selected
// before (below 0 counts as 0) stays when the new list is long enough, else index 0.
ListFill switchListFill(int currentIndex, int switchCount);

// The magnification list MagunifiedList for the module's series and dot height; the
// text shown before is put back when the new list holds it, else "X1 Y1".
ListFill FillMagnificationList(const QString &moduleSeries, int dotHeight, const QString &currentText);

// The LED count a model sets on top of its layout: "8" for exactly "VX256x64_21K",
// "20" for exactly "VX512x32_21K" (case-sensitive); nothing for every other model.
std::optional<QString> ledCountForModel(const QString &modelText);

// What `ApplyModuleIdentity` shows for the encoder's module: which series layout to
// run, and the texts of the dot width (Text4) and dot height (Text5) boxes.
struct ModuleIdentityView
{
    bool olderSeries = false;
    QString dotWidth;
    QString dotHeight;
};
ModuleIdentityView moduleIdentityView(const VX5200 &encoder);

// The logic of choosing a model (`HinmeiList_Click`, also run by `Chk_B_Click`): the
// encoder takes the model and the revision-B flag, and the results say what the window
// shows. The handler keeps ListUpdating set around it and runs the window's own steps
// (the user-window preview, the series layout, the Asian-font list, the revision-B
// controls) in the order it needs.
struct ModelChoice
{
    ModuleIdentityView identity;
    std::optional<QString> ledCount; // set TxtNoOfLED after the layout; nothing: leave it
    ListFill switches;               // ComboTSW(0)
};
ModelChoice chooseModel(VX5200 &encoder, const QString &modelText, bool revisionB, int currentSwitchIndex);

} // namespace kvx
