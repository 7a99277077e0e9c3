#pragma once

#include "tutorial/tutorial_texts.h"

#include <QList>

namespace kvx::tutorial_text_parts {

// The texts of the later steps, one table per group of topics; tutorialTexts() joins
// them after the welcome and the first steps.
QList<TutorialText> windowModeTexts(); // steps 6-11
QList<TutorialText> fontStyleTexts();  // steps 12-16
QList<TutorialText> graphicsTexts();   // steps 17-24

} // namespace kvx::tutorial_text_parts
