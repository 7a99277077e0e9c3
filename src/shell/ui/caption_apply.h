#pragma once

#include "shell/captions.h"

#include <QFont>
#include <QStringList>

class QWidget;

namespace kvx {

// Puts the texts and fonts of the caption and tool-tip tables on the widgets of one
// window. Controls are found by object name among the window's own widgets only: the
// secondary windows it owns reuse some of the names.

QWidget *windowControl(const QWidget &window, const QString &objectName);

// Sets the entry's text in the language; false when its control is missing or has no
// text of that kind.
bool applyControlText(const QWidget &window, const ControlText &entry, bool japanese);
// Puts up the texts of a window's own caption table; an entry named after the window
// itself is its title.
void applyWindowTexts(QWidget &window, std::span<const ControlText> texts, bool japanese);
// The text the entry's control shows now (empty when it is missing).
QString controlText(const QWidget &window, const ControlText &entry);

// The caption fonts: only the family changes (plus the table's fixed sizes).
QStringList installedCaptionFamilies(bool japanese);
void applyCaptionFonts(const QWidget &window, bool japanese);

// The program's own fonts for every text the caption fonts leave alone: the
// application's font (set once, before any window is made) and the fixed-pitch font
// of the boxes that show bytes and macro text.
QFont interfaceFont();
QFont fixedFont();
void useProgramFonts();

bool setControlToolTip(const QWidget &window, const ControlRef &control, const QString &text);

} // namespace kvx
