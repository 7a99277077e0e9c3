#include "link/link.h"
#include "link/send_run.h"
#include "link/serial_settings.h"
#include "link/vx5200.h"
#include "support/fake_link_parts.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>

using namespace kvx;
using namespace kvx::test;

namespace {

struct Rig
{
    Rig()
    {
        link.setClock(&clock);
        link.setNotifier(&notes);
        auto p = std::make_unique<FakeSerialPort>();
        port = p.get();
        port->opened = true;
        link.setSerialPort(std::move(p));
    }
    Link link;
    FakeClock clock;
    RecordingNotifier notes;
    FakeSerialPort *port = nullptr;
};

} // namespace

class TestLink : public QObject
{
    Q_OBJECT
private slots:
    void withNoLinkTheBytesAreOnlyLogged()
    {
        Link link;
        RecordingNotifier notes;
        link.setNotifier(&notes);
        QSignalSpy sent(&link, &Link::commandSent);
        QCOMPARE(link.portOut(hexBytes("1B 40")), SendResult::NoLink);
        QCOMPARE(link.lastText(), QStringLiteral("[1b][40]"));
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0][1].toString(), QStringLiteral("[1b][40]"));
        QVERIFY(notes.messages.isEmpty());
    }

    void emptyCommandClearsAndLogsNothing()
    {
        Rig r;
        r.link.portOut(hexBytes("0C"));
        QSignalSpy started(&r.link, &Link::sendStarted);
        QSignalSpy sent(&r.link, &Link::commandSent);
        QCOMPARE(r.link.portOut(QByteArray()), SendResult::Skipped);
        QCOMPARE(started.size(), 1);
        QCOMPARE(sent.size(), 0);
        QCOMPARE(r.port->written, hexBytes("0C"));
    }

    void serialSendsEveryByteWhenReady()
    {
        Rig r;
        QSignalSpy sent(&r.link, &Link::commandSent);
        QCOMPARE(r.link.portOut(hexBytes("0A FF 1B")), SendResult::Sent);
        QCOMPARE(r.port->written, hexBytes("0A FF 1B"));
        QCOMPARE(r.link.lastText(), QStringLiteral("[0a][ff][1b]"));
        QCOMPARE(r.link.lastBytes(), hexBytes("0A FF 1B"));
        QCOMPARE(r.link.busyCount(), -1);
        QCOMPARE(sent.size(), 1);
    }

    void eachByteWaitsForClearToSendAndAnEmptyQueue()
    {
        Rig r;
        // Clear-to-send drops after each byte and comes back 3 checks later; the queue
        // holds the byte for one more check.
        int checks = 0;
        r.port->beforeReadyCheck = [&](FakeSerialPort &p) {
            ++checks;
            p.cts = checks % 4 == 0;
            p.outQueue = checks % 4 == 0 ? 0 : 1;
        };
        QCOMPARE(r.link.portOut(hexBytes("01 02")), SendResult::Sent);
        QCOMPARE(r.port->written, hexBytes("01 02"));
        QCOMPARE(checks, 8);
    }

    void moduleNeverReadyGivesUpAfterThirtySeconds()
    {
        Rig r;
        r.port->cts = false;
        r.clock.step = 250;
        QSignalSpy sent(&r.link, &Link::commandSent);
        QSignalSpy ticks(&r.link, &Link::busyCountChanged);
        QCOMPARE(r.link.portOut(hexBytes("1B 40")), SendResult::NotReady);
        QCOMPARE(r.notes.messages, QStringList{"Display is not ready."});
        QVERIFY(r.port->written.isEmpty());
        QCOMPARE(sent.size(), 0);
        QVERIFY(r.clock.now >= 30000 && r.clock.now < 30000 + 2 * r.clock.step);
        QCOMPARE(ticks.first().first().toInt(), 30);
        QCOMPARE(ticks.last().first().toInt(), 0);
        QCOMPARE(r.link.busyCount(), 0);
    }

    void moduleThatStopsMidCommandLeavesTheRestUnsent()
    {
        Rig r;
        r.clock.step = 1000;
        r.port->beforeReadyCheck = [](FakeSerialPort &p) { p.cts = p.written.size() < 2; };
        QCOMPARE(r.link.portOut(hexBytes("01 02 03 04")), SendResult::NotReady);
        QCOMPARE(r.port->written, hexBytes("01 02"));
        QCOMPARE(r.notes.messages.size(), 1);
    }

    void readyJustBeforeTheDeadlineStillSends()
    {
        Rig r;
        r.clock.step = 100;
        r.port->cts = false;
        r.port->beforeReadyCheck = [&](FakeSerialPort &p) { p.cts = r.clock.now >= 29900; };
        QCOMPARE(r.link.portOut(hexBytes("41")), SendResult::Sent);
        QVERIFY(r.notes.messages.isEmpty());
    }

    void portClosedWhileWaitingWritesNothing()
    {
        Rig r;
        r.port->cts = false;
        r.port->beforeReadyCheck = [&](FakeSerialPort &p) {
            if (r.clock.now > 3000)
                p.opened = false;
        };
        r.clock.step = 500;
        QSignalSpy sent(&r.link, &Link::commandSent);
        QCOMPARE(r.link.portOut(hexBytes("1B 40")), SendResult::Failed);
        QVERIFY(r.port->written.isEmpty());
        QCOMPARE(sent.size(), 0);
    }

    void writeErrorStopsWithItsMessage()
    {
        Rig r;
        r.port->failWrites = true;
        QCOMPARE(r.link.portOut(hexBytes("1B 40")), SendResult::Failed);
        QCOMPARE(r.notes.messages, QStringList{"Error has been detected.[AQ235]"});
        QCOMPARE(r.link.lastText(), QString());
        QVERIFY(!r.port->opened);
    }

    // A full queue refuses the byte with "would block": the module is not ready yet.
    void aByteRefusedWithWouldBlockWaits_data()
    {
        QTest::addColumn<int>("refusals");
        QTest::newRow("for 20 s") << 80;
        QTest::newRow("past the ready wait") << 1000;
    }
    void aByteRefusedWithWouldBlockWaits()
    {
        QFETCH(int, refusals);
        const bool sent = refusals < 120;
        Rig r;
        r.clock.step = 250;
        r.port->refusals = refusals;
        QCOMPARE(r.link.portOut(hexBytes("1B 40")), sent ? SendResult::Sent : SendResult::NotReady);
        QCOMPARE(r.port->written, sent ? hexBytes("1B 40") : QByteArray());
        QCOMPARE(r.notes.messages, sent ? QStringList() : QStringList{"Display is not ready."});
        QCOMPARE(r.link.lastText(), sent ? QStringLiteral("[1b][40]") : QString());
        QVERIFY(r.port->opened);
    }

    // Each byte waits a moment only (clear-to-send drops for one check), far less
    // than the 20 ms the window may go without its events.
    void eventsRunThroughoutASendOfShortWaits()
    {
        Rig r;
        r.port->beforeReadyCheck = [](FakeSerialPort &p) { p.cts = !p.cts; };
        qint64 last = 0;
        qint64 longest = 0;
        QTimer events;
        connect(&events, &QTimer::timeout,
                [&] { longest = qMax(longest, r.clock.now - std::exchange(last, r.clock.now)); });
        events.start(0);
        QCOMPARE(r.link.portOut(QByteArray(2000, 'x')), SendResult::Sent);
        QVERIFY(r.clock.now >= 2000);
        QVERIFY2(qMax(longest, r.clock.now - last) <= 20, qPrintable(QString::number(longest)));
    }

    void nestedSendWhileWaitingIsBusy()
    {
        Rig r;
        SendResult nested = SendResult::Sent;
        r.port->beforeReadyCheck = [&](FakeSerialPort &p) {
            if (p.readyChecks == 1)
                nested = r.link.portOut(hexBytes("0C"));
        };
        QCOMPARE(r.link.portOut(hexBytes("0B")), SendResult::Sent);
        QCOMPARE(nested, SendResult::Busy);
        QCOMPARE(r.port->written, hexBytes("0B"));
    }

    // A handler's run of sends: a timer that fires in a round of events between its
    // sends, or in a dialog's loop the handler opened, is refused, so nothing comes
    // between them; a run given up fails its next sends without a message until the
    // handler has returned to the event loop.
    void aRunKeepsOtherSendersOutAndCanBeGivenUp()
    {
        Rig r;
        QList<SendResult> fromTimer;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { fromTimer << r.link.portOut(hexBytes("EE")); });
        timer.start(0);
        {
            const SendRun run;
            QCOMPARE(r.link.portOut(hexBytes("01")), SendResult::Sent);
            SendRun::runRound();
            QEventLoop dialog;
            QTimer::singleShot(5, &dialog, &QEventLoop::quit);
            dialog.exec();
            QCOMPARE(r.link.portOut(hexBytes("02")), SendResult::Sent);
            SendRun::cancel();
            QCOMPARE(r.link.portOut(hexBytes("03")), SendResult::Failed);
        }
        timer.stop();
        QVERIFY(!fromTimer.isEmpty());
        QCOMPARE(fromTimer.count(SendResult::Busy), fromTimer.size());
        QCOMPARE(r.port->written, hexBytes("01 02"));
        QCOMPARE(r.notes.messages, QStringList());
        QCoreApplication::processEvents();
        QCOMPARE(r.link.portOut(hexBytes("04")), SendResult::Sent);
    }

    void usbSendsChunksOfEight()
    {
        Link link;
        FakeUsbLink usb;
        link.setUsbLink(&usb);
        QByteArray bytes;
        for (int i = 0; i < 20; ++i)
            bytes.append(char(i));
        QCOMPARE(link.portOut(bytes), SendResult::Sent);
        QCOMPARE(usb.chunks.size(), 3);
        QCOMPARE(usb.chunks[0], bytes.mid(0, 8));
        QCOMPARE(usb.chunks[1], bytes.mid(8, 8));
        QCOMPARE(usb.chunks[2], bytes.mid(16, 4));
        QVERIFY(link.moduleReady());
    }

    void usbNotReadyIsReportedAndNotLogged()
    {
        Link link;
        RecordingNotifier notes;
        link.setNotifier(&notes);
        FakeUsbLink usb;
        usb.result = SendResult::NotReady;
        link.setUsbLink(&usb);
        QSignalSpy sent(&link, &Link::commandSent);
        QCOMPARE(link.portOut(hexBytes("1B 40")), SendResult::NotReady);
        QCOMPARE(notes.messages, QStringList{"Display is not ready."});
        QCOMPARE(sent.size(), 0);
    }

    void serialIsPreferredOverUsb()
    {
        Rig r;
        FakeUsbLink usb;
        r.link.setUsbLink(&usb);
        QCOMPARE(r.link.portOut(hexBytes("1B 40")), SendResult::Sent);
        QCOMPARE(r.port->written, hexBytes("1B 40"));
        QVERIFY(usb.chunks.isEmpty());
    }

    void moduleReadyFollowsTheOpenLink()
    {
        Rig r;
        r.port->cts = false;
        QVERIFY(!r.link.moduleReady());
        r.port->cts = true;
        QVERIFY(r.link.moduleReady());
        r.link.releaseSerialPort();
        QVERIFY(!r.link.moduleReady());
        FakeUsbLink usb;
        r.link.setUsbLink(&usb);
        QVERIFY(r.link.moduleReady());
        usb.open = false;
        QVERIFY(!r.link.moduleReady());
    }

    void encoderCommandsReachThePortInOrder()
    {
        Rig r;
        VX5200 enc(&r.link);
        enc.moduleName("VX140X32_52K");
        enc.InitializeDisplay();
        enc.CursorSet(8, 1);
        enc.CharacterDisplay("Hi");
        QCOMPARE(r.port->written, hexBytes("1B 40 1F 24 08 00 01 00 48 69"));
        QCOMPARE(r.link.lastText(), QStringLiteral("[48][69]"));
    }

    void settingsTextsAreParsedOrRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("default") << "38400,n,8,1" << true;
        QTest::newRow("115200") << "115200,n,8,1" << true;
        QTest::newRow("even 7 2") << "9600,E,7,2" << true;
        QTest::newRow("one and a half") << "9600,n,8,1.5" << true;
        QTest::newRow("three fields") << "9600,n,8" << false;
        QTest::newRow("bad parity") << "9600,x,8,1" << false;
        QTest::newRow("bad bits") << "9600,n,9,1" << false;
        QTest::newRow("bad baud") << "fast,n,8,1" << false;
        QTest::newRow("zero baud") << "0,n,8,1" << false;
        QTest::newRow("empty") << "" << false;
    }
    void settingsTextsAreParsedOrRefused()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(SerialSettings::parse(text).has_value(), valid);
    }

    void portNamesNameDevices()
    {
        QCOMPARE(serialDevicePath("1"), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(serialDevicePath("40"), QStringLiteral("/dev/ttyS39"));
        QCOMPARE(serialDevicePath("0"), QString());
        QCOMPARE(serialDevicePath("ttyUSB0"), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(serialDevicePath("/dev/pts/3"), QStringLiteral("/dev/pts/3"));
        QCOMPARE(serialDevicePath("USB"), QString());
        QCOMPARE(serialDevicePath("../etc/passwd"), QString());
        QCOMPARE(serialDevicePath("COM3"), QStringLiteral("/dev/COM3"));
    }
};

KVX_TEST_MAIN(TestLink)
#include "tst_link.moc"
