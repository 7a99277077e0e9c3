#include "link/link.h"
#include "link/qt_serial_port.h"
#include "link/vx5200.h"
#include "support/pty_module.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

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
};

KVX_TEST_MAIN(TestLinkPty)
#include "tst_link_pty.moc"
