// Memory over repetitions: the program's windows as a user opens and closes them all
// day. Each repetition below runs a few hundred times on the real program (the windows
// the program makes, the desktop's own message boxes and Qt's file dialogs as the
// program opens them, each closed once it is up and painted, as a user closes it);
// after a warm-up, the growth per repetition of the resident memory, of the heap in use
// and of the live QObjects is printed. Every repetition runs in a process of its own
// in a fresh HOME.
//
//   QT_QPA_PLATFORM=offscreen bench_repeat_memory [repetitions] [name ...]
//        (default: 300 repetitions of each)
//   QT_QPA_PLATFORM=offscreen bench_repeat_memory --one <name> <repetitions> [--objects | --exit-now]
//        one of them in this process; --objects lists the QObjects made during the
//        repetitions that are still alive, by class and parent; --exit-now ends the
//        process at once after them, so that a heap profiler (heaptrack) reports what
//        is alive then as left over
//
// The repetitions:
//   image-list  the image list opened from the main window and closed with its Door key
//   language    the EN / 日本語 picture clicked
//   dialogs     with the editor and the image list up: the editor's Save and Load and
//               the image list's Open (file dialogs, cancelled), and the export window
//               (closed)
//   editor      the macro editor opened with Edit and closed with its close box
//   save        the main window's Save: the file dialog takes a name and the macro is
//               written (over the file of the round before, which the dialog asks about)
//   play        with the Japanese interface, a 60-line macro of Japanese commands played
//               to the end by the main window's Play
//   editor-play the same macro in the editor: its Play, to the end, then three steps
//               with F8
//
// The resident memory is read after malloc_trim(), so what the allocator holds free
// does not count.

#include "app/program_windows.h"
#include "fresh_home.h"
#include "image_list/bmp_builder.h"
#include "image_list/ui/image_list_window.h"
#include "image_list/ui/list_export_window.h"
#include "macro_editor/ui/edit_form.h"
#include "shell/macro_player.h"
#include "slow_module.h"
#include "support/queued_input.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <private/qhooks_p.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_set>

using namespace kvx;

namespace {

// ---------------------------------------------------------------- live QObjects

// Every QObject alive, through Qt's hooks (objects of other threads included).
struct LiveObjects
{
    std::mutex lock;
    std::unordered_set<QObject *> objects;
};
LiveObjects *g_live = nullptr;

void objectAdded(QObject *o)
{
    const std::lock_guard guard(g_live->lock);
    g_live->objects.insert(o);
}

void objectRemoved(QObject *o)
{
    const std::lock_guard guard(g_live->lock);
    g_live->objects.erase(o);
}

void watchObjects()
{
    g_live = new LiveObjects;
    qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&objectAdded);
    qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(&objectRemoved);
}

std::unordered_set<QObject *> liveObjects()
{
    const std::lock_guard guard(g_live->lock);
    return g_live->objects;
}

QString describe(const QObject *o)
{
    const auto one = [](const QObject *x) {
        return x->objectName().isEmpty()
            ? QString::fromLatin1(x->metaObject()->className())
            : QStringLiteral("%1 \"%2\"").arg(x->metaObject()->className(), x->objectName());
    };
    return o->parent() ? QStringLiteral("%1 under %2").arg(one(o), one(o->parent()))
                       : one(o) + QStringLiteral(" (no parent)");
}

// ---------------------------------------------------------------- memory

long residentKb()
{
    ::malloc_trim(0);
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Handles what is pending, deferred deletions included.
void settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// ---------------------------------------------------------------- the user's hands

// Acts on the next modal window of type T once it is up and painted, from within its
// own event loop, as a user would.
template <typename T> void whenModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(1);
    auto ticks = std::make_shared<int>(0);
    auto shownAt = std::make_shared<int>(-1);
    QObject::connect(timer, &QTimer::timeout, [timer, act, ticks, shownAt] {
        ++*ticks;
        auto *d = qobject_cast<T *>(QApplication::activeModalWidget());
        // A few rounds of the loop after its window is exposed: it has been painted.
        if (d && *shownAt < 0 && d->windowHandle() && d->windowHandle()->isExposed())
            *shownAt = *ticks;
        if (d && *shownAt >= 0 && *ticks - *shownAt >= 3) {
            timer->stop();
            timer->deleteLater();
            act(d);
        } else if (*ticks > 10000) {
            qFatal("no %s came up (active modal: %s)", T::staticMetaObject.className(),
                   QApplication::activeModalWidget() ? QApplication::activeModalWidget()->metaObject()->className()
                                                     : "none");
        }
    });
    timer->start();
}

template <typename T> T *child(QObject *parent, const char *name)
{
    T *c = parent->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return c;
}

void press(QPushButton *button)
{
    if (!button->isEnabled())
        qFatal("%s cannot be clicked", qPrintable(button->objectName()));
    button->click();
}

// The button of Qt's file dialog.
QPushButton *fileDialogButton(QFileDialog *d, QDialogButtonBox::StandardButton which)
{
    return child<QDialogButtonBox>(d, "buttonBox")->button(which);
}

// Runs the event loop until the play under way has ended.
void playToTheEnd(MacroPlayer &player)
{
    QElapsedTimer since;
    since.start();
    while (player.running() || player.playButtonActive()) {
        if (since.elapsed() > 30'000)
            qFatal("the play did not end");
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
}

// A macro as the recorder writes it with the Japanese interface: 15 commands, four
// lines each (their two comment lines, the bytes and an empty line), 15 bytes each.
constexpr int MacroBytes = 15 * 15;
QString japaneseMacro()
{
    QString text;
    for (int i = 0; i < 15; ++i) {
        text += QStringLiteral("*** 文字表示 テキスト=こんにちは%1 ***\r\n").arg(i);
        text += QStringLiteral("*** -OpCode- 1fh 28h 67h 03h n (n:文字の拡大 1-4) ***\r\n");
        text += QStringLiteral("PRT 1fh 28h 67h 01h 82h a0h 82h a2h 82h a4h 82h a6h 'A 'B 0%1h;\r\n\r\n").arg(i % 10);
    }
    return text;
}

void cancelFileDialog()
{
    whenModal<QFileDialog>([](QFileDialog *d) { press(fileDialogButton(d, QDialogButtonBox::Cancel)); });
}

// ---------------------------------------------------------------- the program

struct Program;

// One repetition, and what sets it up.
struct Repetition
{
    const char *name;
    std::function<void(Program &, const QString &folder)> setUp;
    std::function<void(Program &, const QString &folder)> once;
};

struct Program
{
    explicit Program(const QElapsedTimer &clock)
        : windows([this, &clock] {
              MainWindow::Options o;
              o.showSplash = false;
              // The desktop's own dialogs: o.dialogs stays null.
              o.portFactory = [this, &clock]() -> std::unique_ptr<SerialPortIo> {
                  auto p = std::make_unique<bench::SlowModule>(clock, 1000);
                  module = p.get();
                  return p;
              };
              return o;
          }()),
          main(windows.mainWindow())
    {
        main.findChild<QComboBox *>(QStringLiteral("CommPortList"))->setCurrentText(QStringLiteral("slow"));
        main.startUp();
        // A series with flash memory: the image list opens.
        child<QAbstractButton>(&main, "OptSeries_1")->click();
        settle();
    }

    void japanese()
    {
        // The EN / 日本語 picture.
        QTest::mouseClick(child<QWidget>(&main, "Image1"), Qt::LeftButton);
        settle();
        if (main.state().UILanguage != QLatin1String("Japanese"))
            qFatal("the interface is not Japanese");
    }
    ImageListWindow *imageList() { return child<ImageListWindow>(&main, "FrmImage"); }
    EditForm *editor()
    {
        for (EditForm *f : main.findChildren<EditForm *>())
            if (f->isVisible())
                return f;
        qFatal("the editor is not up");
    }
    void openImageList()
    {
        press(child<QPushButton>(&main, "CmdEditImageList"));
        if (!imageList()->isVisible())
            qFatal("the image list did not open");
    }
    void door() { child<QAction>(imageList(), "Toolbar1_Door")->trigger(); }
    // One bitmap in the list, so that the list shows a thumbnail and exports.
    void oneImage(const QString &folder)
    {
        test::BmpLayout layout;
        layout.width = 32;
        layout.height = 16;
        layout.bitCount = 1;
        layout.palette = {0x000000, 0xffffff};
        const QString path = QDir(folder).filePath(QStringLiteral("picture.bmp"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)
            || f.write(test::buildBmp(layout, [](int x, int y) { return (x + y) % 2u; })) < 0)
            qFatal("cannot write %s", qPrintable(path));
        f.close();
        main.imageList().dropFilesOnList({path});
        if (main.imageList().imgCount() != 1)
            qFatal("the bitmap did not go into the list");
    }

    void once(const Repetition &rep, const QString &folder)
    {
        rep.once(*this, folder);
        // The module in memory keeps what it was sent; that is not the program's.
        if (module) {
            module->bytes.clear();
            module->times.clear();
        }
    }

    bench::SlowModule *module = nullptr;
    ProgramWindows windows;
    MainWindow &main;
};

const Repetition Repetitions[] = {
    {"image-list", [](Program &p, const QString &folder) { p.oneImage(folder); },
     [](Program &p, const QString &) {
         p.openImageList();
         settle();
         p.door();
         settle();
     }},
    {"language", [](Program &, const QString &) {},
     [](Program &p, const QString &) {
         QTest::mouseClick(child<QWidget>(&p.main, "Image1"), Qt::LeftButton);
         settle();
     }},
    {"dialogs",
     [](Program &p, const QString &folder) {
         p.oneImage(folder);
         press(child<QPushButton>(&p.main, "EditCommandButton"));
         p.openImageList();
         settle();
     },
     [](Program &p, const QString &) {
         EditForm *editor = p.editor();
         cancelFileDialog();
         press(child<QPushButton>(editor, "SaveCommandButton"));
         cancelFileDialog();
         press(child<QPushButton>(editor, "LoadCommandButton"));
         ImageListWindow *list = p.imageList();
         cancelFileDialog();
         child<QAction>(list, "Toolbar1_Open")->trigger();
         whenModal<ListExportWindow>([](ListExportWindow *w) { press(child<QPushButton>(w, "cmdClose")); });
         child<QAction>(list, "Toolbar1_Convert")->trigger();
         settle();
     }},
    {"editor", [](Program &, const QString &) {},
     [](Program &p, const QString &) {
         press(child<QPushButton>(&p.main, "EditCommandButton"));
         settle();
         p.editor()->close();
         settle();
     }},
    {"save",
     [](Program &p, const QString &) { p.main.state().MacroText = QStringLiteral("Clear\r\nTEXT \"Hello\"\r\n"); },
     [](Program &p, const QString &folder) {
         const QString path = QDir(folder).filePath(QStringLiteral("macro.sei"));
         const bool replace = QFile::exists(path);
         whenModal<QFileDialog>([path, replace](QFileDialog *d) {
             // The dialog asks before it replaces the file of the round before.
             if (replace)
                 whenModal<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
             // The name typed into its file name box, and its Save button.
             child<QLineEdit>(d, "fileNameEdit")->setText(path);
             press(fileDialogButton(d, QDialogButtonBox::Save));
         });
         press(child<QPushButton>(&p.main, "Command4"));
         settle();
         if (!QFile::exists(path))
             qFatal("the save wrote nothing");
     }},
    {"play",
     [](Program &p, const QString &) {
         p.japanese();
         p.main.state().MacroText = japaneseMacro();
     },
     [](Program &p, const QString &) {
         test::postClick(child<QPushButton>(&p.main, "PlayCommandButton"));
         settle();
         playToTheEnd(p.main.player());
         settle();
         if (p.module->bytes.size() != MacroBytes)
             qFatal("the play sent %d bytes", int(p.module->bytes.size()));
     }},
    {"editor-play",
     [](Program &p, const QString &) {
         p.japanese();
         p.main.state().MacroText = japaneseMacro();
         press(child<QPushButton>(&p.main, "EditCommandButton"));
         settle();
         test::activateNow(p.editor());
         settle();
     },
     [](Program &p, const QString &) {
         EditForm *editor = p.editor();
         test::postClick(child<QPushButton>(editor, "PlayCommandButton"));
         settle();
         playToTheEnd(p.main.player());
         if (p.module->bytes.size() != MacroBytes)
             qFatal("the play sent %d bytes", int(p.module->bytes.size()));
         // The caret at the top, as a click there puts it: the steps go through the
         // first lines.
         child<QPlainTextEdit>(editor, "EditBox")->moveCursor(QTextCursor::Start);
         for (int step = 0; step < 3; ++step) {
             test::postKey(editor, Qt::Key_F8);
             settle();
         }
         // The third line holds the first command.
         if (p.module->bytes.size() != MacroBytes + MacroBytes / 15)
             qFatal("the steps sent %d bytes", int(p.module->bytes.size() - MacroBytes));
     }},
};

const Repetition *findRepetition(const QString &name)
{
    for (const Repetition &r : Repetitions)
        if (name == QLatin1String(r.name))
            return &r;
    return nullptr;
}

constexpr int WarmUp = 20;

int oneRun(int argc, char *argv[])
{
    watchObjects();
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX35P"));
    QApplication::setOrganizationName(QStringLiteral("Telmarin"));
    QApplication::setQuitOnLastWindowClosed(false);
    const Repetition *rep = findRepetition(QString::fromLocal8Bit(argv[2]));
    const int count = std::max(2, atoi(argv[3]));
    const bool listObjects = argc > 4 && qstrcmp(argv[4], "--objects") == 0;
    const bool exitNow = argc > 4 && qstrcmp(argv[4], "--exit-now") == 0;
    if (!rep)
        qFatal("no repetition %s", argv[2]);

    const QString folder = QDir::home().filePath(QStringLiteral("work"));
    QDir().mkpath(folder);
    Program program(clock);
    rep->setUp(program, folder);
    for (int i = 0; i < WarmUp; ++i)
        program.once(*rep, folder);
    settle();

    const long kb0 = residentKb();
    const qint64 heap0 = qint64(mallinfo2().uordblks);
    const std::unordered_set<QObject *> before = liveObjects();
    for (int i = 0; i < count / 2; ++i)
        program.once(*rep, folder);
    settle();
    const long kb1 = residentKb();
    const std::size_t objects1 = liveObjects().size();
    for (int i = count / 2; i < count; ++i)
        program.once(*rep, folder);
    settle();
    const long kb2 = residentKb();
    const qint64 heap2 = qint64(mallinfo2().uordblks);
    const std::unordered_set<QObject *> after = liveObjects();
    const int half = count / 2;
    const int rest = count - half;
    std::printf("run vmrss %ld heap %.3f kib0 %.3f kib1 %.3f kib %.3f objects0 %.3f objects1 %.3f objects %.3f\n", kb2,
                double(heap2 - heap0) / 1024 / count, double(kb1 - kb0) / half, double(kb2 - kb1) / rest,
                double(kb2 - kb0) / count, double(qsizetype(objects1) - qsizetype(before.size())) / half,
                double(qsizetype(after.size()) - qsizetype(objects1)) / rest,
                double(qsizetype(after.size()) - qsizetype(before.size())) / count);
    if (listObjects) {
        std::map<QString, int> stayed;
        for (QObject *o : after)
            if (!before.count(o))
                ++stayed[describe(o)];
        for (const auto &[what, n] : stayed)
            std::printf("stayed %6d  %s\n", n, qPrintable(what));
    }
    std::fflush(stdout);
    // What is alive now shows as left over to a heap profiler.
    if (exitNow)
        std::_Exit(0);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 3 && qstrcmp(argv[1], "--one") == 0)
        return oneRun(argc, argv);

    QCoreApplication app(argc, argv);
    int count = 300;
    QStringList names;
    for (int i = 1; i < argc; ++i) {
        bool number = false;
        const int n = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (number)
            count = std::max(2, n);
        else if (findRepetition(QString::fromLocal8Bit(argv[i])))
            names << QString::fromLocal8Bit(argv[i]);
        else {
            std::printf("unknown repetition %s\n", argv[i]);
            return 2;
        }
    }
    if (names.isEmpty())
        for (const Repetition &r : Repetitions)
            names << QLatin1String(r.name);

    std::printf("platform: %s; %d repetitions after %d of warm-up, each in a fresh HOME\n",
                qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                    ? qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM"))
                    : (qEnvironmentVariableIsSet("DISPLAY") ? "xcb (DISPLAY set)" : "default"),
                count, WarmUp);
    std::printf("growth per repetition: resident memory (in all, first and second half), heap in use, live QObjects\n");
    std::printf("%-11s %10s %10s %10s %10s %10s %10s\n", "", "KiB", "1st half", "2nd half", "heap KiB", "QObjects",
                "VmRSS KiB");
    int failed = 0;
    for (const QString &name : names) {
        QTemporaryDir home;
        QProcess child;
        child.setProcessEnvironment(kvx::bench::environmentWithHome(home.path()));
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--one"), name, QString::number(count)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            std::printf("%-11s failed:\n%s\n", qPrintable(name), child.readAllStandardError().constData());
            ++failed;
            continue;
        }
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
        const QStringList words = out.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(' '));
        std::map<QString, QString> figures;
        for (int i = 1; i + 1 < words.size(); i += 2)
            figures[words[i]] = words[i + 1];
        std::printf("%-11s %10s %10s %10s %10s %10s %10s\n", qPrintable(name), qPrintable(figures["kib"]),
                    qPrintable(figures["kib0"]), qPrintable(figures["kib1"]), qPrintable(figures["heap"]),
                    qPrintable(figures["objects"]), qPrintable(figures["vmrss"]));
        std::fflush(stdout);
    }
    return failed ? 1 : 0;
}
