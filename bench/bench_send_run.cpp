// What runs beside a long send, and how soon a close request ends the program.
// The main window (no splash, fresh HOME) on a module in memory that takes 2 bytes per
// ms, on the platform's own event dispatcher:
// - a module write of 32 KiB (the image list's write: one run, a round of events every
//   256 bytes) with the character-set test running: the longest gap of a 16 ms timer
//   during the write, and the test's characters found inside the write (0 is right);
// - a close request put into the window system's queue 2 s into a send to a module
//   that takes no bytes, and in the middle of a 4 KiB line going out slowly: the time
//   from the request to the end of the program's event loop, and the bytes the module
//   took after the request.
//
//   QT_QPA_PLATFORM=offscreen bench_send_run
//   xvfb-run -a bench_send_run

#include "image_list/image_export.h"
#include "link/send_run.h"
#include "link/serial_port_io.h"
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

#include <cstdio>
#include <functional>
#include <memory>

using namespace kvx;

namespace {

constexpr qint64 ByteNs = 500'000; // 2 bytes per ms

using SlowModule = kvx::bench::SlowModule;

using Program = kvx::bench::WindowOnSlowModule;

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Starts `send` from the event loop, asks to close the main window when `arm` says so,
// and runs the program's loop until it ends. Prints the time from the request to the
// end and the bytes taken after it.
void closeDuring(const char *what, const QElapsedTimer &clock, const std::function<void(Program &)> &send,
                 const std::function<void(Program &, const std::function<void()> &)> &arm)
{
    Program p(clock, ByteNs);
    qint64 askedNs = -1;
    qsizetype takenAtRequest = -1;
    arm(p, [&] {
        kvx::test::postClose(p.window.get());
        askedNs = clock.nsecsElapsed();
        takenAtRequest = p.module->bytes.size();
    });
    QTimer::singleShot(0, [&] { send(p); });
    // A program that does not end is stopped after 60 s.
    QTimer::singleShot(60'000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const qint64 endedNs = clock.nsecsElapsed();
    if (askedNs < 0) {
        std::printf("%s: the close request was never put\n", what);
        return;
    }
    std::printf("%s: the program ended %.1f ms after the close request; the module took %lld bytes after it; "
                "messages shown: %lld\n",
                what, double(endedNs - askedNs) / 1e6, static_cast<long long>(p.module->bytes.size() - takenAtRequest),
                static_cast<long long>(p.dialogs.shown.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    std::printf("platform %s, event dispatcher %s\n", qPrintable(QGuiApplication::platformName()),
                QAbstractEventDispatcher::instance()->metaObject()->className());

    {
        Program p(clock, ByteNs);
        runFor(300);
        p.button("Command1")->click(); // the character-set test
        runFor(200);
        const qsizetype before = p.module->bytes.size();
        QByteArray bytes;
        for (int i = 0; i < 32 * 1024; ++i)
            bytes.append(char(i % 251));
        QTimer probe;
        QElapsedTimer since;
        qint64 longestGapNs = 0;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (since.isValid())
                longestGapNs = std::max(longestGapNs, since.nsecsElapsed());
            since.start();
        });
        probe.start(16);
        // As the list's export window writes: one run, a round every 256 bytes.
        const SendReport report = sendModuleBytes(p.window->link(), bytes, [](qsizetype sent, qsizetype) {
            if (sent % 256 == 0)
                SendRun::runRound();
        });
        probe.stop();
        runFor(100);
        p.button("Command1")->click();
        const QByteArray taken = p.module->bytes.mid(before);
        const qsizetype at = taken.indexOf(bytes);
        std::printf("module write of %lld bytes with the character-set test running: %s; longest gap of a 16 ms "
                    "timer %.1f ms; %s\n",
                    static_cast<long long>(bytes.size()), report.result == SendResult::Sent ? "sent" : "NOT SENT",
                    double(longestGapNs) / 1e6,
                    at >= 0 ? qPrintable(QStringLiteral("no foreign byte inside the write (%1 test characters before "
                                                        "it, %2 after)")
                                             .arg(at)
                                             .arg(taken.size() - at - bytes.size()))
                            : "FOREIGN BYTES INSIDE THE WRITE");
        p.window->close();
        // (Takes the quit the close queued, which means nothing outside the program's loop.)
        runFor(100);
    }

    closeDuring(
        "close 2 s into a send to a module that takes no bytes", clock,
        [](Program &p) {
            p.module->stopped = true;
            p.button("cmdBtn1_1")->click();
        },
        [](Program &, const std::function<void()> &request) { QTimer::singleShot(2000, request); });

    closeDuring(
        "close in the middle of a 4096-byte line going out slowly", clock,
        [](Program &p) {
            p.window->state().MacroText = "PRT" + QStringLiteral(" 41h").repeated(4096);
            p.button("PlayCommandButton")->click();
        },
        [](Program &p, const std::function<void()> &request) {
            p.module->atCount = 1500;
            p.module->atByte = request;
        });
    return 0;
}
