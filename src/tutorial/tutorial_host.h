#pragma once

#include <QString>

namespace kvx {

// Everything the tutorial reads from or does to the main window. The main window
// implements it; tests use a fake. Controls are named by their object names
// ("cmdBtn1" with index 11, "TextBox", "CursorXBox", "SSTab1" with a tab index, ...).
class TutorialHost
{
public:
    virtual ~TutorialHost() = default;

    // The main window is neither minimised nor maximised. The step engine does
    // nothing otherwise.
    virtual bool mainWindowNormal() const = 0;
    // "Japanese" or "English".
    virtual QString uiLanguage() const = 0;
    // The series text of the main window's encoder, such as "5200" or "5200B".
    virtual QString moduleSeri() const = 0;

    // The bytes of the last command that went out, as "[1b][40]" (what the link keeps
    // and announces once per completed command), never bytes received or a send still
    // under way. Empty before the first command.
    virtual QString lastSentText() const = 0;

    // The caption of a control as the user sees it, without the "&" that marks an
    // access key. index -1 names a control that is not a member of a family; for
    // "SSTab1" the index is the tab.
    virtual QString caption(const QString &name, int index = -1) const = 0;
    // The text of an entry box.
    virtual QString boxText(const QString &name) const = 0;
    // Sets the text of an entry box (the tutorial only presets "TextBox").
    virtual void setBoxText(const QString &name, const QString &text) = 0;
    // The selected index of a list (-1 for none) and the entry at it ("" for none).
    virtual int listIndex(const QString &name) const = 0;
    virtual QString listEntry(const QString &name) const = 0;
    // The value of a slider.
    virtual int controlValue(const QString &name) const = 0;
    // Whether an option button or check box is set.
    virtual bool isChecked(const QString &name, int index = -1) const = 0;

    // The tutorial only ever clears these two flags; the main window's tutorial
    // picture sets them.
    virtual void clearTutorialShown() = 0;
    virtual void clearTutorialWaiting() = 0;

    // The delay after which the main window's one-shot toviTimer brings the tutorial
    // back. The tutorial never starts that timer; it only stops it when the tutorial
    // is aborted or closed, so a tick cannot bring back a tutorial the user put away.
    virtual void setTutorTimerInterval(int milliseconds) = 0;
    virtual void stopTutorTimer() = 0;
};

} // namespace kvx
