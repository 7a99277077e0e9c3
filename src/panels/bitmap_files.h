#pragma once

#include "link/byte_sink.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kvx {

class PanelContext;
struct Bmp1Image;

// ---- the draw sequence ----

// The screen actions of OptAction, by index.
enum BmpAction { ActionNone = 0, ActionScroll = 1, ActionFountain = 2, ActionDisolve = 3 };

// One command of a bitmap draw sequence, with what the log says of it.
struct BmpStep
{
    enum Kind { Cursor, Image, Scroll, Fountain, Disolve };
    Kind kind = Image;
    int a = 0; // Cursor: x; Scroll: shift; Fountain, Disolve: direction
    int b = 0; // Cursor: y; Scroll: repetition; Fountain: speed; Disolve: source address
    int c = 0; // Scroll: speed; Fountain: source address
    QString logName;
    QString help;

    bool operator==(const BmpStep &) const = default;
};

struct BmpDrawPlan
{
    int action = -1;           // the action the sequence uses (the tutorial forces "None")
    bool actionForced = false; // OptAction(0) is to be chosen on the window
    QList<BmpStep> steps;
};

// The commands that draw the bitmap at `path`. The plain newer series ("5200") only
// draws the image; the other series bring it in with the chosen action: the image is
// drawn just right of the visible screen (dotX x dotY) and scrolled in, or shown by
// the fountain or dissolve effect, after which the cursor goes home. While the
// tutorial is shown the action is "None". An action outside 0..3 draws nothing.
BmpDrawPlan bmpDrawPlan(const QString &moduleSeri, int action, bool tutorialShown, int dotX, int dotY, int scrollSpeed,
                        const QString &path);

// ---- the folder browser ----

// The folders the root list offers: "/", the home and Documents folders, and the
// mounted volumes of real devices; each once, in that order.
QStringList bmpRootFolders();
// The folder list of `folder`: ".." (below the root) and the sub-folders, by name.
QStringList bmpFolderItems(const QString &folder);
// The bitmap files of `folder`: names ending in ".bmp" in any letter case, by name.
QStringList bmpFileItems(const QString &folder);
// The folder an entry of the folder list leads to (".." the parent).
QString bmpFolderOf(const QString &folder, const QString &item);

// ---- the panel ----

// The bitmap files panel: a folder browser, a path box and the draw button.
class BitmapFilesPanel
{
public:
    explicit BitmapFilesPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // The folder the file list shows.
    QString folder() const { return m_folder; }
    // Dir1_Change: shows `path` (a readable folder) and makes it the working folder;
    // false when it is no readable folder (nothing changes then).
    bool Dir1_Change(const QString &path);
    // Called whenever the folder changes (the window keeps it in Config.dat).
    std::function<void(const QString &)> folderChanged;

    // File1_Click: the full path of a file of the list; `pathBox` is BmpPathBox's text.
    // Nothing (empty) when the path box already holds it.
    QString File1_Click(const QString &name, const QString &pathBox) const;

    struct Browse
    {
        bool accepted = false;
        QString path;     // the file chosen
        QString fileName; // its name, to select in the file list
    };
    // cmdBrowse_Click: the open dialog for a bitmap; on a choice its folder is shown.
    Browse cmdBrowse_Click();

    // BmpDrawButton_Click: checks the bitmap, then sends the sequence for the module's
    // series and logs each command that went out, stopping at the first that did not.
    // A bitmap that cannot be drawn only shows its message. `action` is the chosen
    // OptAction (-1 none); `scrollSpeed` the window scroll slider's value. The plan
    // used is left in lastPlan() (the window chooses "None" when it was forced).
    SendResult BmpDrawButton_Click(const QString &path, int action, int scrollSpeed);
    const BmpDrawPlan &lastPlan() const { return m_plan; }

    // CmdDrawFileByDot_Click: the function is not there; a message says so.
    void CmdDrawFileByDot_Click();

    // True while a draw sequence runs; runningChanged tells the window, which keeps
    // the send buttons off meanwhile.
    bool running() const { return m_running; }
    std::function<void(bool)> runningChanged;

private:
    SendResult runStep(const BmpStep &step, const Bmp1Image &image);
    void setRunning(bool running);

    PanelContext &m_ctx;
    QString m_folder;
    BmpDrawPlan m_plan;
    bool m_running = false;
};

} // namespace kvx
