#include "link/usb_io_link.h"
#include "support/recording_sink.h"
#include "support/test_main.h"
#include "support/usb_fake_chip.h"

using namespace kvx;
using kvx::test::FakeUsbTransport;
using kvx::test::hexBytes;
using kvx::test::RecordingNotifier;

Q_DECLARE_METATYPE(kvx::UsbIoPacket)
Q_DECLARE_METATYPE(kvx::UsbMode)
Q_DECLARE_METATYPE(kvx::SendResult)

namespace {

const QString Path = QStringLiteral("/dev/usbio0");

// A link over the in-memory chip with a configured device path.
struct Rig
{
    FakeUsbTransport transport;
    RecordingNotifier notifier;
    QString path = Path;
    UsbIoLink link{transport, notifier, [this] { return path; }};

    // Opens the link and forgets the set-up packets.
    bool online(UsbMode mode)
    {
        link.setMode(mode);
        const bool ok = link.InitUsbLink();
        transport.chip = {};
        return ok;
    }
};

QStringList setUpHeads()
{
    QStringList heads;
    for (int pin = 0; pin < 8; ++pin)
        heads << QStringLiteral("10,32,15,%1").arg(pin) << QStringLiteral("10,33,0,%1").arg(pin);
    heads << QStringLiteral("10,12,128,127");
    return heads;
}

} // namespace

class TestUsbIoLink : public QObject
{
    Q_OBJECT
private slots:
    void packetsAreHeadAndDataInUse_data()
    {
        QTest::addColumn<UsbIoPacket>("packet");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("busy out mode") << UsbIoPacket::busyOutMode() << hexBytes("00 00 0a 28 09 00 00 00");
        QTest::newRow("status read mode") << UsbIoPacket::statusReadMode() << hexBytes("00 00 0a 28 01 00 00 00");
        QTest::newRow("cmd32 pin 5") << UsbIoPacket::cmd32(5, 15) << hexBytes("00 00 0a 20 0f 05 00 00");
        QTest::newRow("cmd33 pin 7") << UsbIoPacket::cmd33(7, 0) << hexBytes("00 00 0a 21 00 07 00 00");
        QTest::newRow("cmd12 127") << UsbIoPacket::cmd12(127) << hexBytes("00 00 0a 0c 80 7f 00 00");
        QTest::newRow("cmd11 255") << UsbIoPacket::cmd11(255) << hexBytes("00 00 0a 0b 00 ff 00 00");
        QTest::newRow("status read") << UsbIoPacket::statusRead() << hexBytes("00 00 0b 02 02 01 00 00");
        QTest::newRow("byte write") << UsbIoPacket::writeByte(0x1b) << hexBytes("00 00 0a 0e 1b 01 00 00");
        QTest::newRow("data 3 bytes") << UsbIoPacket::data(hexBytes("1b 40 0c"))
                                      << hexBytes("00 00 0a 10 00 01 03 00 1b 40 0c");
        QTest::newRow("data takes 8 at most") << UsbIoPacket::data(hexBytes("01 02 03 04 05 06 07 08 09"))
                                              << hexBytes("00 00 0a 10 00 01 08 00 01 02 03 04 05 06 07 08");
        UsbIoPacket wild = UsbIoPacket::data(hexBytes("aa"));
        wild.Length = 300;
        QTest::newRow("oversized length keeps to DataExt")
            << wild << hexBytes("00 00 0a 10 00 01 2c 01 aa 00 00 00 00 00 00 00");
    }
    void packetsAreHeadAndDataInUse()
    {
        QFETCH(UsbIoPacket, packet);
        QFETCH(QByteArray, request);
        QCOMPARE(packet.requestBytes(), request);
    }

    void initUsbLinkSetsUpThePortsThenSendsTheRememberedMode_data()
    {
        QTest::addColumn<UsbMode>("mode");
        QTest::addColumn<QString>("modeHead");
        QTest::newRow("busy out") << UsbMode::BusyOut << "10,40,9,0";
        QTest::newRow("status read") << UsbMode::StatusRead << "10,40,1,0";
    }
    void initUsbLinkSetsUpThePortsThenSendsTheRememberedMode()
    {
        QFETCH(UsbMode, mode);
        QFETCH(QString, modeHead);
        Rig rig;
        // Chosen while closed: only remembered, nothing sent, no message.
        QVERIFY(rig.link.setMode(mode));
        QVERIFY(rig.transport.chip.requests.isEmpty());

        QVERIFY(rig.link.InitUsbLink());
        QVERIFY(rig.link.IsUsbOpen());
        QCOMPARE(rig.transport.openedPaths, QStringList{Path});
        QCOMPARE(rig.transport.chip.heads(), setUpHeads() << modeHead);
        QCOMPARE(rig.transport.chip.badRequests, 0); // every request carries 8 and 18
        for (const QByteArray &r : rig.transport.chip.requests)
            QCOMPARE(r.size(), 8);
        QVERIFY(rig.notifier.messages.isEmpty());
    }

    void choosingTheModeWhileOpenSendsItsPacket()
    {
        Rig rig;
        QVERIFY(rig.online(UsbMode::BusyOut));
        QVERIFY(rig.link.setMode(usbModeForSettings(QStringLiteral("Status Read"))));
        QVERIFY(rig.link.setMode(usbModeForSettings(QStringLiteral("38400,n,8,1"))));
        QCOMPARE(rig.transport.chip.heads(), (QStringList{"10,40,1,0", "10,40,9,0"}));
        rig.link.CloseDevice();
        QVERIFY(rig.link.setMode(UsbMode::StatusRead));
        QCOMPARE(rig.transport.chip.packets.size(), 2);
        QVERIFY(rig.notifier.messages.isEmpty());
    }

    void openingFailsWithTheMessageOfItsCause_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<UsbIoTransport::OpenResult>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("pathAfter");
        using R = UsbIoTransport::OpenResult;
        QTest::newRow("no device path") << "" << R::Opened << "Unable to open device, check connection and power."
                                        << "Device Not Found!";
        QTest::newRow("device will not open")
            << Path << R::Unavailable << "Unable to open device, check connection and power"
            << "Device Not Found!";
        QTest::newRow("other error") << Path << R::Error << "OpenDevice() ERROR #5 : Input/output error" << Path;
    }
    void openingFailsWithTheMessageOfItsCause()
    {
        QFETCH(QString, path);
        QFETCH(UsbIoTransport::OpenResult, result);
        QFETCH(QString, message);
        QFETCH(QString, pathAfter);
        Rig rig;
        rig.path = path;
        rig.transport.openResult = result;
        QVERIFY(!rig.link.InitUsbLink());
        QVERIFY(!rig.link.IsUsbOpen());
        QCOMPARE(rig.notifier.messages, QStringList{message});
        QCOMPARE(rig.link.UsbDevicePath(), pathAfter);
        QVERIFY(rig.transport.chip.requests.isEmpty());
    }

    void setUpThatFailsHalfwayLeavesTheLinkClosed_data()
    {
        QTest::addColumn<int>("failAt");
        QTest::newRow("first packet") << 0;
        QTest::newRow("port set-up") << 9;
        QTest::newRow("mode packet") << 17;
    }
    void setUpThatFailsHalfwayLeavesTheLinkClosed()
    {
        QFETCH(int, failAt);
        Rig rig;
        rig.transport.failAtExchange = failAt;
        QVERIFY(!rig.link.InitUsbLink());
        QVERIFY(!rig.link.IsUsbOpen());
        QCOMPARE(rig.transport.chip.packets.size(), failAt);
    }

    void busyOutWritesUpToEightBytesPerPacket_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("requestSizes");
        QTest::newRow("3 bytes, one packet") << hexBytes("1b 40 0c") << QList<int>{11};
        QTest::newRow("8 bytes, one packet") << QByteArray(8, 'a') << QList<int>{16};
        QTest::newRow("20 bytes as 8, 8, 4") << QByteArray("ABCDEFGHIJKLMNOPQRST") << QList<int>{16, 16, 12};
        QTest::newRow("nothing") << QByteArray() << QList<int>{};
    }
    void busyOutWritesUpToEightBytesPerPacket()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, requestSizes);
        Rig rig;
        QVERIFY(rig.online(UsbMode::BusyOut));
        QCOMPARE(rig.link.UsbWriteData(bytes), SendResult::Sent);
        QList<int> sizes;
        for (const QByteArray &r : rig.transport.chip.requests)
            sizes.append(int(r.size()));
        QCOMPARE(sizes, requestSizes);
        QCOMPARE(rig.transport.chip.moduleBytes, bytes);
        QCOMPARE(rig.transport.chip.statusReads, 0);
    }

    void statusReadPollsBeforeEachByte_data()
    {
        QTest::addColumn<int>("busyBefore"); // index of the byte the module is busy before
        QTest::addColumn<int>("busyPolls");
        QTest::addColumn<SendResult>("result");
        QTest::addColumn<QByteArray>("reached");
        const QByteArray all = hexBytes("1b 40 0c");
        QTest::newRow("ready at once") << 0 << 0 << SendResult::Sent << all;
        QTest::newRow("busy 5 polls before the second byte") << 1 << 5 << SendResult::Sent << all;
        QTest::newRow("ready at the last allowed poll") << 2 << 999 << SendResult::Sent << all;
        QTest::newRow("busy 1000 polls before the second byte") << 1 << 1000 << SendResult::NotReady << all.left(1);
        QTest::newRow("busy 1000 polls before the first byte") << 0 << 1000 << SendResult::NotReady << QByteArray();
    }
    void statusReadPollsBeforeEachByte()
    {
        QFETCH(int, busyBefore);
        QFETCH(int, busyPolls);
        QFETCH(SendResult, result);
        QFETCH(QByteArray, reached);
        Rig rig;
        QVERIFY(rig.online(UsbMode::StatusRead));
        rig.transport.chip.busyBeforeByte[busyBefore] = busyPolls;
        QCOMPARE(rig.link.UsbWriteData(hexBytes("1b 40 0c")), result);
        QCOMPARE(rig.transport.chip.moduleBytes, reached);
        const int polls = result == SendResult::Sent ? 3 + busyPolls : int(reached.size()) + 1000;
        QCOMPARE(rig.transport.chip.statusReads, polls);
        // Every poll and every byte is preceded by the 11-packet.
        const QStringList heads = rig.transport.chip.heads();
        for (int i = 0; i < heads.size(); i += 2) {
            QCOMPARE(heads[i], QStringLiteral("10,11,0,255"));
            QVERIFY(heads[i + 1] == QStringLiteral("11,2,2,1") || heads[i + 1].startsWith(QStringLiteral("10,14,")));
        }
        QVERIFY(rig.notifier.messages.isEmpty());
    }

    void statusReplyBusyIsBitSeven_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<bool>("busy");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("127") << 127 << false;
        QTest::newRow("128") << 128 << true;
        QTest::newRow("255") << 255 << true;
    }
    void statusReplyBusyIsBitSeven()
    {
        QFETCH(int, reply);
        QFETCH(bool, busy);
        Rig rig;
        QVERIFY(rig.online(UsbMode::StatusRead));
        rig.transport.chip.readyReply = quint8(reply);
        QCOMPARE(rig.link.UsbReadStatus(), std::optional<bool>(busy));
    }

    void bridgeErrorsFailTheWrite_data()
    {
        QTest::addColumn<UsbMode>("mode");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<QByteArray>("reached");
        const QByteArray nine = QByteArray("123456789");
        QTest::newRow("busy out, first packet") << UsbMode::BusyOut << 0 << QByteArray();
        QTest::newRow("busy out, second packet") << UsbMode::BusyOut << 1 << nine.left(8);
        QTest::newRow("status read, the 11-packet of a poll") << UsbMode::StatusRead << 4 << nine.left(1);
        QTest::newRow("status read, the status read") << UsbMode::StatusRead << 5 << nine.left(1);
        QTest::newRow("status read, the byte write") << UsbMode::StatusRead << 7 << nine.left(1);
    }
    void bridgeErrorsFailTheWrite()
    {
        QFETCH(UsbMode, mode);
        QFETCH(int, failAt);
        QFETCH(QByteArray, reached);
        Rig rig;
        QVERIFY(rig.online(mode));
        rig.transport.failAtExchange = rig.transport.exchanges + failAt;
        QCOMPARE(rig.link.UsbWriteData("123456789"), SendResult::Failed);
        QCOMPARE(rig.transport.chip.moduleBytes, reached);
    }

    void writingOverAClosedLinkFails()
    {
        Rig rig;
        QCOMPARE(rig.link.UsbWriteData("A"), SendResult::Failed);
        QCOMPARE(rig.notifier.messages, QStringList{"SendPacket() Handle invalid!"});
        QVERIFY(rig.transport.chip.requests.isEmpty());
    }

    void closingLeavesTheLinkClosedEvenWhenItFails()
    {
        Rig rig;
        QVERIFY(rig.online(UsbMode::BusyOut));
        rig.transport.closeFails = true;
        QVERIFY(!rig.link.CloseDevice());
        QVERIFY(!rig.link.IsUsbOpen());
        rig.link.CloseUsbLink(); // already closed: nothing more to say
        QCOMPARE(rig.notifier.messages, QStringList{"Error closing file"});
    }

    void linkWatchClosesTheLinkWhenTheBridgeIsGone_data()
    {
        QTest::addColumn<bool>("devicePresent");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("stays");
        QTest::newRow("bridge there") << true << Path << true;
        QTest::newRow("bridge pulled out") << false << Path << false;
        QTest::newRow("device name removed") << true << "" << false;
    }
    void linkWatchClosesTheLinkWhenTheBridgeIsGone()
    {
        QFETCH(bool, devicePresent);
        QFETCH(QString, path);
        QFETCH(bool, stays);
        Rig rig;
        QVERIFY(rig.online(UsbMode::BusyOut));
        rig.transport.present = devicePresent;
        rig.path = path;
        QCOMPARE(rig.link.watchTick(), stays);
        QCOMPARE(rig.link.IsUsbOpen(), stays);
        QVERIFY(rig.notifier.messages.isEmpty());
    }
};

KVX_TEST_MAIN(TestUsbIoLink)
#include "tst_usb_io_link.moc"
