#pragma once

#include "shell/stored_text.h"

#include <QList>
#include <QString>

namespace kvx {

// One text the tutorial shows, in both languages. Lines are separated by "\n" here
// and joined by CR LF when the text is built. Named placeholders are filled when the
// text is built:
//   {series}             the module series (moduleSeri)
//   {next} {back} {menu} captions of the tutorial's Next and Back buttons and of its
//                        topic-button heading
//   {caption:Name}       caption of a main-window control; {caption:Name:i} of member i
//   {text:Name}          text of a main-window entry box
//   {entry:Name}         selected entry of a main-window list
//   {value:Name}         value of a main-window slider, in decimal
//   {byte:k:base}        byte k (from 1) of the last sent text, read in base 16 or 10
//   {times8:Name}        the number a box begins with, times 8
struct TutorialText
{
    const char *id;
    const char *english;
    const char *japanese;
};

const QList<TutorialText> &tutorialTexts();
// nullptr when there is no text of that id.
const TutorialText *findTutorialText(const QString &id);

// Captions of the tutorial window's own controls ("NextCommandButton", "Label2",
// "IndexCommandButton" with the topic as index, ...); "" for an unknown name.
QString tutorialCaption(const QString &name, bool japanese, int index = -1);
QString tutorialToolTip(const QString &name, bool japanese);

// The question Reset asks and its title.
QString resetQuestion(bool japanese);
QString resetTitle();
// Shown when the achievement record could not be written.
QString recordSaveFailed(const FileWriteResult &result, const QString &uiLanguage);

} // namespace kvx
