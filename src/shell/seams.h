#pragma once

#include "shell/command_log.h"

#include <QList>
#include <QString>

#include <utility>

namespace kvx {

// What the main window needs of the macro editor window.
class MacroEditorSeam : public MacroInsertTarget
{
public:
    virtual void showEditor() = 0;
    virtual QString editorText() const = 0;
    virtual void setEditorText(const QString &text) = 0;
    // What the received-data box shows (CR LF line ends).
    virtual QString receivedDataText() const = 0;
    // Asks for a file and saves the editor's text in the chosen format.
    virtual void saveCommand() = 0;
    // Asks for a macro file and loads it into the editor.
    virtual void loadCommand() = 0;
};

// What the main window needs of the image-list window.
class ImageListSeam
{
public:
    virtual ~ImageListSeam() = default;
    // Restores the list kept between runs, without showing the window.
    virtual void preload() = 0;
    // Keeps the list for the next run.
    virtual void unload() = 0;
    virtual void showWindow() = 0;
};

// What the main window needs of its tutorial window.
class TutorialSeam
{
public:
    virtual ~TutorialSeam() = default;
    virtual void showTutorial() = 0;
    virtual void hideTutorial() = 0;
    // Saves the progress record and drops the window (main window shut-down).
    virtual void unloadTutorial() = 0;
    // The window caption and the topics (number, enabled) of the series layout that
    // the main window applied.
    virtual void setSeriesLayout(const QString &caption, const QList<std::pair<int, bool>> &topics) = 0;
};

} // namespace kvx
