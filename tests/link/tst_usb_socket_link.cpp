#include "link/app_paths.h"
#include "link/usb_io_link.h"
#include "link/usb_linux_transport.h"
#include "support/recording_sink.h"
#include "support/test_main.h"
#include "support/usb_socket_chip.h"

#include <QSettings>

using namespace kvx;
using kvx::test::RecordingNotifier;
using kvx::test::UsbChip;
using kvx::test::UsbSocketChip;

Q_DECLARE_METATYPE(kvx::UsbMode)

namespace {

void setDeviceName(const QString &path)
{
    QSettings settings(settingsIniPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("UsbIo/DeviceName"), path);
    settings.sync();
}

// The program's link, reading the device path from the settings file, over the real
// transport.
struct Program
{
    explicit Program(int replyTimeoutMs = 2000) : transport(replyTimeoutMs) {}
    LinuxUsbIoTransport transport;
    RecordingNotifier notifier;
    UsbIoLink link{transport, notifier};
};

} // namespace

class TestUsbSocketLink : public QObject
{
    Q_OBJECT
private slots:
    void writesReachTheChipInBothModes_data()
    {
        QTest::addColumn<UsbMode>("mode");
        QTest::addColumn<QString>("modeHead");
        QTest::newRow("busy out") << UsbMode::BusyOut << "10,40,9,0";
        QTest::newRow("status read") << UsbMode::StatusRead << "10,40,1,0";
    }
    void writesReachTheChipInBothModes()
    {
        QFETCH(UsbMode, mode);
        QFETCH(QString, modeHead);
        UsbSocketChip chip;
        QVERIFY(chip.listening());
        setDeviceName(chip.path());
        chip.with([](UsbChip &c) { c.busyBeforeByte[9] = 5; });

        Program program;
        program.link.setMode(mode);
        QVERIFY(program.link.InitUsbLink());
        QVERIFY(program.link.UsbDriverInstalled());
        const QByteArray command("ABCDEFGHIJKLMNOPQRST");
        for (qsizetype at = 0; at < command.size(); at += 8)
            QCOMPARE(program.link.UsbWriteData(command.mid(at, 8)), SendResult::Sent);
        QVERIFY(program.notifier.messages.isEmpty());

        chip.with([&](UsbChip &c) {
            QCOMPARE(c.badRequests, 0);
            QCOMPARE(c.heads().mid(16, 2), (QStringList{"10,12,128,127", modeHead}));
            QCOMPARE(c.moduleBytes, command);
            if (mode == UsbMode::BusyOut) {
                QCOMPARE(c.requests.size(), 18 + 3);
                QCOMPARE(c.requests.last().size(), 8 + 4);
            } else {
                QCOMPARE(c.statusReads, 20 + 5);
            }
        });
        program.link.CloseDevice();
        QVERIFY(!program.link.IsUsbOpen());
    }

    void linkWatchSeesTheBridgeGo_data()
    {
        QTest::addColumn<bool>("removeSocket");
        QTest::newRow("socket removed") << true;
        QTest::newRow("connection hung up") << false;
    }
    void linkWatchSeesTheBridgeGo()
    {
        QFETCH(bool, removeSocket);
        UsbSocketChip chip;
        setDeviceName(chip.path());
        Program program;
        QVERIFY(program.link.InitUsbLink());
        QVERIFY(program.link.watchTick());
        if (removeSocket)
            chip.vanish();
        else
            chip.hangUp();
        QVERIFY(!program.link.watchTick());
        QVERIFY(!program.link.IsUsbOpen());
        QVERIFY(program.notifier.messages.isEmpty());
    }

    void aBridgeThatStopsAnsweringFailsTheWrite()
    {
        UsbSocketChip chip;
        setDeviceName(chip.path());
        Program program(100);
        QVERIFY(program.link.InitUsbLink());
        chip.goSilent();
        QCOMPARE(program.link.UsbWriteData("A"), SendResult::Failed);
        QCOMPARE(program.link.lastFailure().number, ETIMEDOUT);
    }

    void deviceThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such device") << "/nonexistent/usbio0"
                                        << "Unable to open device, check connection and power";
        QTest::newRow("no device name") << ""
                                        << "Unable to open device, check connection and power.";
    }
    void deviceThatCannotBeOpened()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        setDeviceName(path);
        Program program;
        QVERIFY(!program.link.InitUsbLink());
        QVERIFY(!program.link.IsUsbOpen());
        QCOMPARE(program.notifier.messages, QStringList{message});
    }

    void aCharacterDeviceThatGivesNoReplyFailsTheSetUp()
    {
        // /dev/null takes the request and ends the reply at once.
        setDeviceName(QStringLiteral("/dev/null"));
        Program program;
        QVERIFY(!program.link.InitUsbLink());
        QVERIFY(!program.link.IsUsbOpen());
        QCOMPARE(program.link.lastFailure().number, EPIPE);
    }
};

KVX_TEST_MAIN(TestUsbSocketLink)
#include "tst_usb_socket_link.moc"
