#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace kvx {

// The two-language texts of the main window. The language is the stored string
// UILanguage: exactly "Japanese" selects the Japanese texts, anything else English.
// The texts are exact strings: recorded macros and the tutorial compare some of them.

enum class TextProperty {
    Caption,       // button, label, check box, option button or frame caption
    BoxText,       // the text of a text box
    TabCaption,    // caption of tab `part` of a tab control
    ListItem,      // item `part` of a list
    ToolTip,       // a tool tip that belongs to the caption run, not to the tool-tip runs
    SeriesCaption, // a caption the module series decides; the caption run leaves it alone
};

// One text of the caption table. `index` is the member of a control array (-1 for a
// single control); `part` the tab or item number for TabCaption and ListItem.
struct ControlText
{
    const char *name;
    int index;
    TextProperty property;
    int part;
    const char *english;
    const char *japanese;

    QString text(bool japanese) const;
};

// One control of a list, or the members first..last of a control array
// (first = last = -1 for a single control).
struct ControlRange
{
    const char *name;
    int first;
    int last;
};

// A font size the language switch sets (the same in both languages).
struct FontSizeSetting
{
    const char *name;
    int index;
    double points;
};

// One tool tip of the on-state runs.
struct ToolTipText
{
    const char *name;
    int index;
    const char *english;
    const char *japanese;

    QString text(bool japanese) const;
};

// A control object: a single control (index -1) or one member of an array.
struct ControlRef
{
    QString name;
    int index = -1;

    // The widget's object name: the name, or "<name>_<index>" for an array member.
    QString objectName() const;
    bool operator==(const ControlRef &) const = default;
};

bool isJapanese(const QString &uiLanguage);
// What a click on the language picture makes of the language.
QString toggledLanguage(const QString &uiLanguage);
// A menu caption as plain text, without its access key: "&Open" and "開く(&O)" give
// "Open" and "開く"; "&&" stands for "&".
QString withoutAccessKey(const QString &caption);

// The caption table, in the order the language run applies it.
std::span<const ControlText> captionTable();
// The captions of controls this program adds around the table's (the log, the model
// frame, the recorder's buttons, the tool-tip button), applied after the table.
std::span<const ControlText> ownCaptionTable();
// The controls whose font family follows the language.
std::span<const ControlRange> captionFontControls();
std::span<const FontSizeSetting> captionFontSizes();
// The font families of the captions: the first is the language's own font, the
// rest stand in for it where it is not installed.
QString captionFontName(bool japanese);
QStringList captionFontCandidates(bool japanese);
// The families of every other text of the program, proportional and fixed-pitch, in
// order of preference; the last of each comes with the program's setup. They are the
// program's own choice, never the desktop's default, so that a text takes the same
// room on every desktop and locale (a Japanese locale's default font is wider).
QStringList interfaceFontCandidates();
QStringList fixedFontCandidates();
// The size of the interface font, in points.
inline constexpr int InterfaceFontPoints = 9;

// Tool tips. The state is the tool-tip button's colour as Config.dat keeps it:
// exactly the button-face colour is off, every other colour on.
bool toolTipsOn(qint32 hintColour);
qint32 nextHintColour(qint32 hintColour);
std::span<const ToolTipText> toolTipTable();
// The control objects the off run clears, in order.
const QList<ControlRef> &toolTipOffList();
// Every control object the on runs set, in order.
QList<ControlRef> toolTipOnList();

// Expands ranges into control objects.
QList<ControlRef> controlObjects(std::span<const ControlRange> ranges);

} // namespace kvx
