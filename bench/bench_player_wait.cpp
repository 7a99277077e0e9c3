// What the program costs while it waits, and how soon the player takes a click.
// The main window (no splash, fresh HOME) on a module in memory, on the platform's
// own event dispatcher:
// - the CPU share, over the wall time, of the idle window, of a play paused between
//   lines, and of a send waiting for a module that takes no bytes (the ready wait);
// - a slow module (2 bytes per ms) and a macro of 256-byte lines (about 0.13 s each):
//   Pause clicks put into the window system's queue at scattered moments of a line;
//   for each, the time from the last byte of the line going out at the click to the
//   click being taken, and the lines sent after the click (1 is right: that line).
//
//   QT_QPA_PLATFORM=offscreen bench_player_wait [seconds per wait]   (default 5)
//   xvfb-run -a bench_player_wait [seconds per wait]

#include "link/serial_port_io.h"
#include "shell/macro_player.h"
#include "shell/ui/main_window.h"
#include "slow_module.h"
#include "support/queued_input.h"
#include "support/scripted_dialogs.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

using namespace kvx;
using kvx::test::postClick;

namespace {

constexpr int LineBytes = 256;
constexpr qint64 ByteNs = 500'000; // 2 bytes per ms

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

using SlowModule = kvx::bench::SlowModule;

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds (looked at every 2 ms) or 30 s have passed.
void runUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer since;
    since.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || since.elapsed() > 30'000)
            loop.quit();
    });
    poll.start(2);
    loop.exec();
}

double cpuShareOver(int ms, const std::function<void()> &during = {})
{
    QElapsedTimer wall;
    const double cpu0 = cpuSeconds();
    wall.start();
    if (during)
        during();
    else
        runFor(ms);
    return 100.0 * (cpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
}

QString macro(int lines)
{
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << "PRT" + QStringLiteral(" 41h").repeated(LineBytes);
    return text.join(QStringLiteral("\r\n"));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QElapsedTimer clock;
    clock.start();
    kvx::bench::WindowOnSlowModule program(clock, ByteNs);
    MainWindow &window = *program.window;
    runFor(500);
    SlowModule *module = program.module;
    if (!module) {
        std::printf("the window did not open the module's port\n");
        return 1;
    }
    auto button = [&](const char *name) { return program.button(name); };
    MacroPlayer &player = window.player();
    std::printf("platform %s, event dispatcher %s, %d s per wait\n", qPrintable(QGuiApplication::platformName()),
                QAbstractEventDispatcher::instance()->metaObject()->className(), seconds);

    std::printf("idle window: CPU %.2f%% of one core\n", cpuShareOver(seconds * 1000));

    window.state().MacroText = macro(3);
    button("PauseCommandButton")->click();
    button("PlayCommandButton")->click();
    runUntil([&] { return player.waiting() || !player.running(); });
    std::printf("play paused between lines (%s): CPU %.2f%% of one core\n",
                player.waiting() ? "waiting" : "NOT WAITING", cpuShareOver(seconds * 1000));
    button("StopCommandButton")->click();
    runUntil([&] { return !player.running(); });

    // A command sent while the module takes no bytes waits up to 30 s for it.
    module->stopped = true;
    const double waitShare = cpuShareOver(0, [&] {
        QTimer::singleShot(seconds * 1000, [&] { module->stopped = false; });
        button("cmdBtn1_1")->click();
    });
    std::printf("send waiting for a module that takes no bytes: CPU %.2f%% of one core\n", waitShare);

    // Pause clicks at scattered moments of a line on a slow module.
    const int trials = 12;
    window.state().MacroText = macro(trials * 3 + 4);
    module->times.clear();
    button("PlayCommandButton")->click();
    std::vector<double> delaysMs;
    std::vector<int> linesAfter;
    int trial = 0;
    std::size_t bytesAtClick = 0;
    QObject::connect(button("PauseCommandButton"), &QAbstractButton::clicked, [&] {
        if (!window.player().running() || bytesAtClick == 0)
            return;
        // The last byte of the line that was going out at the click.
        const std::size_t lineEnd = ((bytesAtClick + LineBytes - 1) / LineBytes) * LineBytes;
        if (lineEnd <= module->times.size())
            delaysMs.push_back(double(clock.nsecsElapsed() - module->times[lineEnd - 1]) / 1e6);
    });
    while (trial < trials && player.running()) {
        // A moment between 10 % and 90 % of the next line, varying from trial to trial.
        const std::size_t lineStart = ((module->times.size() / LineBytes) + 1) * LineBytes;
        module->atCount = lineStart + std::size_t(LineBytes * (10 + (trial * 37) % 80) / 100);
        module->atByte = [&] {
            bytesAtClick = module->times.size();
            postClick(button("PauseCommandButton"));
        };
        runUntil([&] { return player.waiting() || !player.running(); });
        runFor(50);
        const std::size_t lineOfClick = (bytesAtClick + LineBytes - 1) / LineBytes;
        linesAfter.push_back(int(module->times.size() / LineBytes) - int(lineOfClick) + 1);
        bytesAtClick = 0;
        postClick(button("PauseCommandButton"));
        runUntil([&] { return !player.waiting(); });
        ++trial;
    }
    button("StopCommandButton")->click();
    runUntil([&] { return !player.running(); });
    std::sort(delaysMs.begin(), delaysMs.end());
    const int worstLines = linesAfter.empty() ? 0 : *std::max_element(linesAfter.begin(), linesAfter.end());
    if (delaysMs.empty()) {
        std::printf("slow module: no click was taken\n");
        return 1;
    }
    std::printf("slow module, %d-byte lines, %zu Pause clicks: taken %.2f ms (median) / %.2f ms (worst) after the "
                "line's last byte; lines sent after the click: at most %d\n",
                LineBytes, delaysMs.size(), delaysMs[delaysMs.size() / 2], delaysMs.back(), worstLines);
    window.close();
    return 0;
}
