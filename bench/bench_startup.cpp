// Start-up of the main window without the splash: from constructing kvx::MainWindow
// through startUp() until the window is exposed, first painted and the event queue has
// drained, with the process's peak memory. Every run is a process of its own in a
// fresh HOME (a first run: no settings, no kept files), going on-line to a
// pseudo-terminal standing in for the module, as the real program would.
//
//   QT_QPA_PLATFORM=offscreen bench_startup [runs]     (default 9; medians are printed)
//   xvfb-run -a bench_startup [runs]
//
// "bench_startup --one" is one run; it prints a line "run ..." of figures.

#include "fresh_home.h"
#include "shell/ui/main_window.h"
#include "shell/user_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <map>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace kvx;

namespace {

// Answers every question without showing anything, and counts what would be shown.
class SilentDialogs : public UserDialogs
{
public:
    Answer ask(const QString &text, Buttons buttons, Icon, const QString &) override
    {
        shown << text;
        switch (buttons) {
        case Buttons::Ok:
        case Buttons::OkCancel: return Answer::Ok;
        case Buttons::RetryCancel: return Answer::Cancel;
        default: return Answer::No;
        }
    }
    FileChoice openFile(const FileRequest &) override { return {}; }
    FileChoice saveFile(const FileRequest &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return QString(); }
    QStringList shown;
};

// Notes the times of the first expose event of the window and the first paint event
// of the widget.
class FirstEvents : public QObject
{
public:
    FirstEvents(QElapsedTimer &clock) : m_clock(clock) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && expose < 0)
            expose = m_clock.nsecsElapsed() / 1e6;
        if (event->type() == QEvent::Paint && paint < 0)
            paint = m_clock.nsecsElapsed() / 1e6;
        return false;
    }
    double expose = -1;
    double paint = -1;

private:
    QElapsedTimer &m_clock;
};

// From /proc/self/status, in KiB.
long statusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Handles events until a zero-time timer posted behind everything pending has fired;
// done a few times, since handling events posts more (layouts, updates, paints).
void drainEvents()
{
    for (int round = 0; round < 3; ++round) {
        bool fired = false;
        QTimer::singleShot(0, [&fired] { fired = true; });
        while (!fired)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

int oneRun(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVX35P"));
    QApplication::setOrganizationName(QStringLiteral("Telmarin"));
    QApplication::setQuitOnLastWindowClosed(false);
    const double appMs = clock.nsecsElapsed() / 1e6;

    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::printf("openpty failed\n");
        return 1;
    }

    SilentDialogs dialogs;
    MainWindow::Options options;
    options.dialogs = &dialogs;
    options.showSplash = false;

    clock.restart();
    MainWindow window(options);
    const double constructMs = clock.nsecsElapsed() / 1e6;
    FirstEvents first(clock);
    window.installEventFilter(&first);
    if (auto *port = window.findChild<QComboBox *>(QStringLiteral("CommPortList")))
        port->setCurrentText(QString::fromLocal8Bit(name));
    const double beforeStartMs = clock.nsecsElapsed() / 1e6;
    window.startUp();
    const double startUpMs = clock.nsecsElapsed() / 1e6;
    // show() made the native window; the window system may have exposed it already.
    auto exposed = [&window] { return window.windowHandle() && window.windowHandle()->isExposed(); };
    if (exposed())
        first.expose = startUpMs;
    else if (window.windowHandle())
        window.windowHandle()->installEventFilter(&first);
    // The first frame is painted while the expose event is handled.
    while (!exposed() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double frameMs = clock.nsecsElapsed() / 1e6;
    drainEvents();
    const double drainedMs = clock.nsecsElapsed() / 1e6;

    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("run app %.2f construct %.2f startUp %.2f startUpEnd %.2f expose %.2f paint %.2f frame %.2f "
                "drained %.2f vmhwm %ld maxrss %ld vmrss %ld messages %lld online %d\n",
                appMs, constructMs, startUpMs - beforeStartMs, startUpMs, first.expose, first.paint, frameMs, drainedMs,
                statusKb("VmHWM"), long(usage.ru_maxrss), statusKb("VmRSS"),
                static_cast<long long>(dialogs.shown.size()), window.link().serialPort() ? 1 : 0);
    for (const QString &text : dialogs.shown)
        std::printf("message: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::fflush(stdout);
    ::close(slave);
    ::close(master);
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--one") == 0)
        return oneRun(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    std::printf("platform: %s\n",
                qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                    ? qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM"))
                    : (qEnvironmentVariableIsSet("DISPLAY") ? "xcb (DISPLAY set)" : "default"));
    std::map<QString, std::vector<double>> figures;
    std::vector<double> processMs;
    for (int r = 0; r < runs; ++r) {
        QTemporaryDir home;
        QProcess child;
        child.setProcessEnvironment(kvx::bench::environmentWithHome(home.path()));
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--one")});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            std::printf("run %d failed\n", r + 1);
            return 1;
        }
        processMs.push_back(clock.nsecsElapsed() / 1e6);
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
        std::printf("%d: %s\n", r + 1, qPrintable(out));
        const QStringList words = out.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(' '));
        for (int i = 1; i + 1 < words.size(); i += 2)
            figures[words[i]].push_back(words[i + 1].toDouble());
    }
    auto m = [&](const char *key) { return median(figures[QString::fromLatin1(key)]); };
    std::printf("median of %d runs:\n", runs);
    std::printf("  QApplication construction       %8.2f ms (not counted below)\n", m("app"));
    std::printf("  MainWindow construction         %8.2f ms\n", m("construct"));
    std::printf("  startUp()                       %8.2f ms\n", m("startUp"));
    std::printf("  construction to end of startUp  %8.2f ms\n", m("startUpEnd"));
    std::printf("  construction to expose event    %8.2f ms\n", m("expose"));
    std::printf("  construction to first paint     %8.2f ms\n", m("paint"));
    std::printf("  construction to first frame     %8.2f ms (expose handled, window painted)\n", m("frame"));
    std::printf("  construction to queue drained   %8.2f ms   <- start-up to the shown main window\n", m("drained"));
    std::printf("  whole process (exec to exit)    %8.2f ms\n", median(processMs));
    std::printf("  peak memory VmHWM               %8.0f KiB (ru_maxrss %.0f KiB)\n", m("vmhwm"), m("maxrss"));
    return 0;
}
