#include "e2e/fault_rig.h"
#include "image_list/image_export.h"
#include "link/qt_serial_port.h"
#include "macro_editor/macro_upload.h"
#include "panels/bitmap_files.h"
#include "panels/charset_test.h"
#include "panels/image_panel_rig.h"
#include "panels/led_backlight.h"
#include "panels/user_font.h"
#include "shell/macro_player.h"
#include "support/fake_link_parts.h"
#include "support/test_main.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

using namespace kvx;
using namespace kvx::test;

namespace {

// A long send of the program, run on a rig; true when it went to its end.
struct Operation
{
    QString ownMessage; // what the operation itself says when a send fails ("" for none)
    std::function<bool(SendRig &)> run;
};

Operation operation(const QString &name, const QTemporaryDir &folder)
{
    if (name == "macro player")
        return {QString(), [](SendRig &r) {
                    MacroPlayer player(r.link, r.state, r.dialogs, {});
                    if (!player.play(macroText(40)))
                        return false;
                    for (int i = 0; i < 1000 && player.running(); ++i)
                        player.tick();
                    // Every line played (a lost link stops the play too, shown stopped).
                    return !player.running() && !player.playButtonActive() && player.nextLine() == 40;
                }};
    if (name == "macro upload")
        return {
            QStringLiteral("The macro upload was stopped: a command could not be sent to the module."), [](SendRig &r) {
                // Flash macro, no change of auto start, not tried now.
                r.dialogs.answers << UserDialogs::Answer::No << UserDialogs::Answer::Cancel
                                  << UserDialogs::Answer::Cancel;
                return MacroUpload(r.encoder, r.dialogs).run(macroText(60), false, false) == MacroUpload::Outcome::Done;
            }};
    if (name == "user font")
        return {QStringLiteral("User font is NOT loaded."), [&folder](SendRig &r) {
                    const QString path = folder.filePath(QStringLiteral("font.txt"));
                    QFile f(path);
                    if (!f.open(QIODevice::WriteOnly) || f.write(userFontText().toLatin1()) < 0)
                        return false;
                    f.close();
                    return UserFontLoader(r.ctx, {}).loadFile(path);
                }};
    if (name == "character set test")
        return {QString(), [](SendRig &r) {
                    CharacterSetTest test(r.ctx);
                    test.Command1_Click();
                    for (int i = 0; i < 300; ++i)
                        test.TimerTestMode_Timer();
                    return test.running();
                }};
    if (name == "LED animation")
        return {QString(), [](SendRig &r) {
                    return LedBacklightPanel(r.ctx).CmdBL_Click(1, "21", "12", AnimationSettings()) == SendResult::Sent;
                }};
    if (name == "bitmap draw")
        return {QString(), [&folder](SendRig &r) {
                    const QString path = folder.filePath(QStringLiteral("pic.bmp"));
                    if (!writeMonoBmp(path, 128, 32, [](int x, int y) { return (x ^ y) & 1; }))
                        return false;
                    return BitmapFilesPanel(r.ctx).BmpDrawButton_Click(path, ActionScroll, 5) == SendResult::Sent;
                }};
    if (name == "image write")
        return {QString(), [](SendRig &r) {
                    QByteArray bytes;
                    for (int i = 0; i < 1500; ++i)
                        bytes.append(char(i * 7));
                    return sendModuleBytes(r.link, bytes).result == SendResult::Sent;
                }};
    qFatal("no operation %s", qPrintable(name));
}

// The bytes and log entries of the operation when the module takes everything.
struct Reference
{
    QByteArray bytes;
    QStringList logged;
};

Reference reference(const Operation &op)
{
    FakeClock clock;
    auto port = std::make_unique<FakeSerialPort>();
    FakeSerialPort *fake = port.get();
    fake->opened = true;
    SendRig rig(std::move(port), &clock);
    if (!op.run(rig) || !rig.dialogs.shown.filter(QStringLiteral("Error")).isEmpty())
        qFatal("the operation does not run through with a ready module");
    return {fake->written, rig.logged};
}

} // namespace

class TestFaultSends : public QObject
{
    Q_OBJECT
private:
    void operations()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"macro player", "macro upload", "user font", "character set test", "LED animation",
                                 "bitmap draw", "image write"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

private slots:
    void moduleNotReadyStopsEachSendAtTheFirstByteNotSent_data() { operations(); }
    void moduleNotReadyStopsEachSendAtTheFirstByteNotSent()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const Operation op = operation(name, folder);
        const Reference ref = reference(op);
        QVERIFY(ref.bytes.size() > 200);
        const qsizetype cut = ref.bytes.size() / 2;

        FakeClock clock;
        clock.step = 250;
        auto port = std::make_unique<FakeSerialPort>();
        FakeSerialPort *fake = port.get();
        fake->opened = true;
        fake->beforeReadyCheck = [cut](FakeSerialPort &p) { p.cts = p.written.size() < cut; };
        SendRig rig(std::move(port), &clock);

        QVERIFY(!op.run(rig));
        QCOMPARE(fake->written.toHex(' '), ref.bytes.left(cut).toHex(' '));
        QCOMPARE(rig.dialogs.shown.count(NotReadyMessage), 1);
        if (!op.ownMessage.isEmpty())
            QVERIFY2(rig.dialogs.shown.contains(op.ownMessage), qPrintable(rig.dialogs.shown.join(" | ")));
        // One ready wait of 30 s, then nothing more was tried.
        QVERIFY2(clock.now >= 30000 && clock.now < 31000, qPrintable(QString::number(clock.now)));
        QVERIFY(!rig.link.isSending());
        QVERIFY(fake->opened);
        // Only the commands that went out are in the log.
        QVERIFY(rig.logged.size() < ref.logged.size() || ref.logged.isEmpty());
        QCOMPARE(rig.logged, ref.logged.mid(0, rig.logged.size()));
    }

    void moduleVanishingStopsEachSendWithItsMessage_data() { operations(); }
    void moduleVanishingStopsEachSendWithItsMessage()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const Operation op = operation(name, folder);
        const Reference ref = reference(op);
        const qsizetype cut = ref.bytes.size() / 2;

        PtyModule module;
        QVERIFY2(module.isOpen(), qPrintable(module.errorString()));
        auto port = std::make_unique<QtSerialPort>();
        QCOMPARE(port->open(module.slavePath(), QStringLiteral("38400,n,8,1")), QString());
        SendRig rig(std::move(port), nullptr);
        QSignalSpy lost(&rig.link, &Link::portLost);
        int attempts = 0;
        vanishBeforeByte(rig.link, module, cut, &attempts);

        QElapsedTimer took;
        took.start();
        QVERIFY(!op.run(rig));
        QVERIFY2(took.elapsed() < 5000, "a send waited for the vanished module");
        QCOMPARE(module.received().toHex(' '), ref.bytes.left(cut).toHex(' '));
        QCOMPARE(attempts, cut + 1); // the byte that failed, and nothing after it
        QCOMPARE(rig.dialogs.shown.count(PortErrorMessage), 1);
        if (!op.ownMessage.isEmpty())
            QVERIFY2(rig.dialogs.shown.contains(op.ownMessage), qPrintable(rig.dialogs.shown.join(" | ")));
        QCOMPARE(rig.logged, ref.logged.mid(0, rig.logged.size()));

        // The port is closed and the program is off-line: the next command is only
        // logged, at once, with no ready wait and no further message.
        QCOMPARE(lost.size(), 1);
        QVERIFY(!rig.link.serialOpen());
        const qsizetype shown = rig.dialogs.shown.size();
        took.restart();
        QCOMPARE(rig.encoder.InitializeDisplay(), SendResult::NoLink);
        QVERIFY(took.elapsed() < 1000);
        QCOMPARE(rig.dialogs.shown.size(), shown);

        // Going on-line again to a module that is there: commands arrive whole.
        PtyModule next;
        QCOMPARE(rig.link.serialPort()->open(next.slavePath(), QStringLiteral("38400,n,8,1")), QString());
        QCOMPARE(rig.encoder.InitializeDisplay(), SendResult::Sent);
        QVERIFY(next.waitForBytes(2));
        QCOMPARE(next.received(), hexBytes("1B 40"));
    }

    // The module vanishes while nothing is sent: the program idles on (no loop spins
    // on the hung-up port), tells the user once without waiting for a send and closes
    // the port; the next command is only logged, at once.
    void moduleVanishedBetweenSendsIsToldOnceWhileIdle()
    {
        PtyModule module;
        auto port = std::make_unique<QtSerialPort>();
        QtSerialPort *qtPort = port.get();
        QCOMPARE(port->open(module.slavePath(), QStringLiteral("38400,n,8,1")), QString());
        SendRig rig(std::move(port), nullptr);
        QSignalSpy lost(&rig.link, &Link::portLost);
        QCOMPARE(rig.encoder.InitializeDisplay(), SendResult::Sent);
        module.closeMaster();

        const auto cpuSeconds = [] {
            rusage u{};
            getrusage(RUSAGE_SELF, &u);
            return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
                + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
        };
        const double before = cpuSeconds();
        QEventLoop idle;
        QTimer::singleShot(300, &idle, &QEventLoop::quit);
        idle.exec();
        QVERIFY2(cpuSeconds() - before < 0.15, "the event loop spins on the hung-up port");
        QCOMPARE(rig.dialogs.shown, QStringList{PortErrorMessage});
        QCOMPARE(lost.size(), 1);
        QVERIFY(!rig.link.serialOpen());
        // What the receive monitor asks of the port does not block either.
        QElapsedTimer took;
        took.start();
        QCOMPARE(qtPort->inBufferCount(), 0);
        QVERIFY(qtPort->readAll().isEmpty());
        QCOMPARE(rig.encoder.InitializeDisplay(), SendResult::NoLink);
        QVERIFY(took.elapsed() < 1000);
        QCOMPARE(rig.dialogs.shown, QStringList{PortErrorMessage});
    }

    // The port closing under a waiting byte is an error unless the program released
    // it itself (the window shutting down): then the send ends without a message. A
    // device heard hanging up meanwhile is told once, by the send.
    void portGoneUnderAWaitingByte_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("device closed") << "closed" << QStringList{PortErrorMessage};
        QTest::newRow("released by the program") << "released" << QStringList{};
        QTest::newRow("device hung up") << "hung up" << QStringList{PortErrorMessage};
    }
    void portGoneUnderAWaitingByte()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, messages);
        FakeClock clock;
        clock.step = 100;
        auto port = std::make_unique<FakeSerialPort>();
        FakeSerialPort *fake = port.get();
        port->opened = true;
        port->cts = false;
        SendRig rig(std::move(port), &clock);
        rig.link.serialPort()->open("x", "38400,n,8,1");
        QObject::connect(&rig.link, &Link::busyCountChanged, [&](int left) {
            if (left == 28 && rig.link.serialPort()) {
                if (how == "released")
                    rig.link.releaseSerialPort();
                else if (how == "hung up")
                    fake->lost();
                else
                    rig.link.serialPort()->close();
            }
        });
        QCOMPARE(rig.link.portOut(hexBytes("1B 40")), SendResult::Failed);
        QCOMPARE(rig.dialogs.shown, messages);
        QVERIFY(clock.now < 3000);
    }

    // The player's timer runs while a byte waits for a busy module: that tick must
    // not end the play nor skip a line.
    void playerWaitsThroughABusyModule()
    {
        FakeClock clock;
        auto port = std::make_unique<FakeSerialPort>();
        FakeSerialPort *fake = port.get();
        fake->opened = true;
        // The module is busy for 20 ms after every byte.
        qint64 busyUntil = 0;
        qsizetype seen = 0;
        fake->beforeReadyCheck = [&](FakeSerialPort &p) {
            if (p.written.size() != seen) {
                seen = p.written.size();
                busyUntil = clock.now + 20;
            }
            p.cts = clock.now >= busyUntil;
        };
        SendRig rig(std::move(port), &clock);
        Reference ref = reference(operation("macro player", QTemporaryDir()));
        MacroPlayer player(rig.link, rig.state, rig.dialogs, {});
        QVERIFY(player.play(macroText(40)));
        QTRY_VERIFY_WITH_TIMEOUT(!player.running(), 10000);
        QCOMPARE(fake->written.toHex(' '), ref.bytes.toHex(' '));
        QVERIFY(rig.dialogs.shown.isEmpty());
        QVERIFY(!player.playButtonActive());
    }
};

KVX_TEST_MAIN(TestFaultSends)
#include "tst_fault_sends.moc"
