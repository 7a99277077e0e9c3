#include "panels/bitmap_files.h"

#include "link/send_run.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

namespace kvx {

namespace {

const char *const ImageHelp = "-----OpCode----- xL  xH  yL  yH  01  d1  d2  d3  .   .   .   (d?:BmpData 0<=d?<=255)";

BmpStep cursor(int x, int y)
{
    return {
        BmpStep::Cursor, x, y, 0, QStringLiteral("MoveCursor : "), QStringLiteral("-----OpCode----- xL  xH  yL  yH")};
}

BmpStep image(const QString &path)
{
    return {BmpStep::Image, 0, 0, 0, QStringLiteral("PrintBmpFile : ") + path, QLatin1String(ImageHelp)};
}

QStringList sortedByName(QStringList names)
{
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names;
}

} // namespace

BmpDrawPlan bmpDrawPlan(const QString &moduleSeri, int action, bool tutorialShown, int dotX, int dotY, int scrollSpeed,
                        const QString &path)
{
    BmpDrawPlan plan;
    if (moduleSeri == QLatin1String("5200")) {
        plan.action = action;
        plan.steps = {image(path)};
        return plan;
    }
    if (tutorialShown) {
        plan.actionForced = action != ActionNone;
        action = ActionNone;
    }
    plan.action = action;
    const int W = dotX;
    const int H = dotY;
    const int hiddenStart = W * H / 8; // the first display-memory byte right of the screen
    switch (action) {
    case ActionNone: plan.steps = {image(path)}; break;
    case ActionScroll:
        plan.steps = {cursor(W, 0),
                      image(path),
                      {BmpStep::Scroll, H / 8, W, scrollSpeed, QStringLiteral("ScrollAction : "),
                       QStringLiteral("-----OpCode----- ShiftAmount Repetition Speed  .   .   .   "
                                      "(1 <= repetition <= 65535)")},
                      cursor(0, 0)};
        break;
    case ActionFountain:
        plan.steps = {cursor(W, 0),
                      image(path),
                      {BmpStep::Fountain, 2, 1, hiddenStart, QStringLiteral("FountaunAction : "),
                       QStringLiteral("-----OpCode----- Direction Speed SourceDataAddress ")},
                      cursor(0, 0)};
        break;
    case ActionDisolve:
        plan.steps = {cursor(W, 0),
                      image(path),
                      {BmpStep::Disolve, 1, hiddenStart, 0, QStringLiteral("DisolveAunAction : "),
                       QStringLiteral("-----OpCode----- Direction SourceDataAddress")},
                      cursor(0, 0)};
        break;
    default: break;
    }
    return plan;
}

// ---------------------------------------------------------------- browser

QStringList bmpRootFolders()
{
    QStringList roots;
    auto add = [&roots](const QString &path) {
        if (path.isEmpty())
            return;
        const QString clean = QDir::cleanPath(path);
        if (!roots.contains(clean) && QFileInfo(clean).isDir())
            roots << clean;
    };
    add(QDir::rootPath());
    add(QDir::homePath());
    add(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (v.isValid() && v.isReady() && v.device().startsWith("/dev/"))
            add(v.rootPath());
    }
    return roots;
}

QStringList bmpFolderItems(const QString &folder)
{
    QDir dir(folder);
    QStringList items;
    if (!dir.isRoot())
        items << QStringLiteral("..");
    items << sortedByName(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot));
    return items;
}

QStringList bmpFileItems(const QString &folder)
{
    QStringList files;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        if (name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            files << name;
    }
    return sortedByName(files);
}

QString bmpFolderOf(const QString &folder, const QString &item)
{
    if (item == QLatin1String(".."))
        return QDir::cleanPath(QDir(folder).absoluteFilePath(QStringLiteral("..")));
    return QDir::cleanPath(QDir(folder).absoluteFilePath(item));
}

// ---------------------------------------------------------------- panel

bool BitmapFilesPanel::Dir1_Change(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    m_folder = QDir::cleanPath(info.absoluteFilePath());
    m_ctx.state.WorkFolder = m_folder;
    if (folderChanged)
        folderChanged(m_folder);
    return true;
}

QString BitmapFilesPanel::File1_Click(const QString &name, const QString &pathBox) const
{
    if (name.isEmpty())
        return QString();
    const QString full = QDir(m_folder).filePath(name);
    return full == pathBox ? QString() : full;
}

BitmapFilesPanel::Browse BitmapFilesPanel::cmdBrowse_Click()
{
    UserDialogs::FileRequest request;
    request.start = m_folder;
    request.filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("BitMap Images (*.bmp)")};
    request.filterIndex = 1;
    request.confirmOverwrite = false;
    const UserDialogs::FileChoice choice = m_ctx.dialogs.openFile(request);
    Browse result;
    if (!choice.accepted || choice.path.isEmpty())
        return result;
    const QFileInfo info(choice.path);
    result.accepted = true;
    result.path = choice.path;
    result.fileName = info.fileName();
    Dir1_Change(info.absolutePath());
    return result;
}

void BitmapFilesPanel::setRunning(bool running)
{
    m_running = running;
    if (runningChanged)
        runningChanged(running);
}

SendResult BitmapFilesPanel::runStep(const BmpStep &step, const Bmp1Image &picture)
{
    return m_ctx.run(
        [&](VX5200 &e) {
            switch (step.kind) {
            case BmpStep::Cursor: return e.CursorSet(step.a, step.b);
            case BmpStep::Image: return e.sendBmpImage(picture);
            case BmpStep::Scroll: return e.ScrollAction(step.a, step.b, step.c);
            case BmpStep::Fountain: return e.FountainAction(step.a, step.b, step.c);
            case BmpStep::Disolve: return e.DisolveAction(step.a, step.b);
            }
            return SendResult::Skipped;
        },
        step.logName, step.help);
}

SendResult BitmapFilesPanel::BmpDrawButton_Click(const QString &path, int action, int scrollSpeed)
{
    // One sequence at a time: a second one would interleave its commands.
    if (m_running)
        return SendResult::Busy;
    const VX5200 &enc = m_ctx.encoder;
    m_plan = bmpDrawPlan(enc.moduleSeri(), action, m_ctx.state.TutorialShown, enc.moduleDotX(), enc.moduleDotY(),
                         scrollSpeed, path);
    if (m_plan.steps.isEmpty())
        return SendResult::Skipped;
    // The picture is checked before anything moves: a file that cannot be drawn
    // leaves the module as it was and shows only its message.
    const VX5200::BmpLoad load = m_ctx.encoder.loadBmpFile(path);
    if (!load.ok)
        return SendResult::Skipped;
    setRunning(true);
    const SendRun run;
    SendResult r = SendResult::Skipped;
    for (const BmpStep &step : std::as_const(m_plan.steps)) {
        r = runStep(step, load.image);
        if (!wentOut(r))
            break;
    }
    setRunning(false);
    return r;
}

void BitmapFilesPanel::CmdDrawFileByDot_Click()
{
    m_ctx.dialogs.message(
        m_ctx.state.tr(QStringLiteral("This function is not supported yet. Please refer to the secification."),
                       QStringLiteral("この機能はこのソフトでは未対応です。詳細は仕様書をご確認下さい。")));
}

} // namespace kvx
