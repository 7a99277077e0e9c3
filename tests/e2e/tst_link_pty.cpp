#include "link/link.h"
#include "link/qt_serial_port.h"
#include "link/vx5200.h"
#include "support/fake_link_parts.h"
#include "support/pty_module.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

using namespace kvx;
using namespace kvx::test;

class TestLinkPty : public QObject
{
    Q_OBJECT
private slots:
    void scriptOfCommandsArrivesByteExactAndInOrder()
    {
        PtyModule module;
        QVERIFY2(module.isOpen(), qPrintable(module.errorString()));
        Link link;
        auto port = std::make_unique<QtSerialPort>();
        QCOMPARE(port->open(module.slavePath(), "38400,n,8,1"), QString());
        link.setSerialPort(std::move(port));

        // The same script through a recording sink gives the expected stream.
        RecordingSink reference;
        auto script = [](VX5200 &e) {
            e.moduleName("VX256X64_21K");
            e.InitializeDisplay();
            e.CursorSet(10, 2);
            e.CharacterDisplay("Hello");
            e.bright(3);
            e.BlinkAction(1, 20, 10, 3);
            e.BackLight3(0, 1, 2, 3, 2, 5);
            QByteArray all;
            for (int i = 0; i < 256; ++i)
                all.append(char(i));
            e.BitImageDisplay(256, 1, all);
            e.MacroDifine(1, "1Bh 40h ", 2);
        };
        VX5200 ref(&reference);
        script(ref);
        VX5200 enc(&link);
        script(enc);
        const QByteArray expected = reference.all();
        QVERIFY(module.waitForBytes(expected.size()));
        QCOMPARE(module.received().toHex(' '), expected.toHex(' '));
    }

    // The module stops reading: once the pseudo-terminal's queue is full the port
    // refuses bytes ("would block"), which is the module not being ready.
    void aModuleThatStopsReadingIsWaitedFor_data()
    {
        QTest::addColumn<int>("stallMs");
        QTest::newRow("for 3 s") << 3000;
        QTest::newRow("past the ready wait") << -1; // with a clock moved by hand
    }
    void aModuleThatStopsReadingIsWaitedFor()
    {
        QFETCH(int, stallMs);
        const bool forGood = stallMs < 0;
        PtyModule module;
        Link link;
        RecordingNotifier notes;
        link.setNotifier(&notes);
        FakeClock clock;
        clock.step = 250;
        if (forGood)
            link.setClock(&clock);
        auto port = std::make_unique<QtSerialPort>();
        QCOMPARE(port->open(module.slavePath(), "38400,n,8,1"), QString());
        link.setSerialPort(std::move(port));
        QByteArray bytes(150000, '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i + i / 256);

        // The module reads once what has come (its timer runs during the send), then
        // stops: more than twice what the queue holds (20 KB, up to 68 KB on a busy
        // machine) is still to come.
        QElapsedTimer stalled;
        bool resumedDuringSend = false;
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&] {
            if (!stalled.isValid()) {
                if (!module.readAvailable().isEmpty())
                    stalled.start();
            } else if (!forGood && stalled.hasExpired(stallMs)) {
                resumedDuringSend = resumedDuringSend || link.isSending();
                module.readAvailable();
            }
        });
        reader.start(5);
        QSignalSpy sent(&link, &Link::commandSent);
        QCOMPARE(link.portOut(bytes), forGood ? SendResult::NotReady : SendResult::Sent);
        reader.stop();
        QVERIFY(forGood || resumedDuringSend); // the send waited for the module
        QCOMPARE(notes.messages, forGood ? QStringList{"Display is not ready."} : QStringList());
        QVERIFY(link.serialOpen());
        QCOMPARE(sent.size(), forGood ? 0 : 1);
        // What the port took arrives whole and in order.
        QVERIFY(forGood || module.waitForBytes(bytes.size()));
        module.readAvailable();
        QCOMPARE(module.received(), bytes.left(module.received().size()));
    }
};

KVX_TEST_MAIN(TestLinkPty)
#include "tst_link_pty.moc"
