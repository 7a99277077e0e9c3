#include "link/receive_monitor.h"
#include "link/serial_port_io.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QSignalSpy>

using namespace kvx;
using kvx::test::hexBytes;

namespace {

// A port whose received bytes the test puts in by hand.
class FakePort : public SerialPortIo
{
public:
    QString open(const QString &, const QString &) override { return {}; }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    QString deviceName() const override { return QStringLiteral("/dev/fake"); }
    qint64 byteTimeNs() const override { return 0; }
    bool ctsHolding() override { return true; }
    int outBufferCount() override { return 0; }
    PortWrite writeByte(quint8) override { return PortWrite::Taken; }
    int inBufferCount() override { return int(incoming.size()) + phantom; }
    QByteArray readAll() override
    {
        ++reads;
        return std::exchange(incoming, {});
    }

    bool opened = true;
    QByteArray incoming;
    int phantom = 0; // bytes counted that the read no longer finds
    int reads = 0;
};

QStringList texts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &args : spy)
        out.append(args.at(0).toString());
    return out;
}

} // namespace

class TestReceiveMonitor : public QObject
{
    Q_OBJECT
private slots:
    void editorLinesShowCodePageCharactersAbove32_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lines");
        QTest::newRow("1B 41 20") << "English" << hexBytes("1B 41 20") << "1Bh \r\n41h A\r\n20h \r\n";
        QTest::newRow("00 and 21") << "" << hexBytes("00 21") << "00h \r\n21h !\r\n";
        QTest::newRow("1252 euro") << "English" << hexBytes("80") << QString::fromUtf8("80h €\r\n");
        QTest::newRow("1252 undefined 81") << "English" << hexBytes("81") << QString::fromUtf16(u"81h \u0081\r\n");
        QTest::newRow("1252 E9") << "English" << hexBytes("E9") << QString::fromUtf8("E9h é\r\n");
        QTest::newRow("932 katakana") << "Japanese" << hexBytes("B1 DF") << QString::fromUtf8("B1h ｱ\r\nDFh ﾟ\r\n");
        QTest::newRow("932 lone lead byte") << "Japanese" << hexBytes("82") << "82h ?\r\n";
        QTest::newRow("language compared exactly") << "japanese" << hexBytes("B1") << QString::fromUtf8("B1h ±\r\n");
    }
    void editorLinesShowCodePageCharactersAbove32()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lines);
        ReceiveText t;
        t.setLanguage(language);
        QCOMPARE(t.editorLines(bytes), lines);
    }

    void hexTextIsUpperCasePairsWithBlanks()
    {
        QCOMPARE(ReceiveText::hexText(hexBytes("1B 41 0a ff")), QStringLiteral("1B 41 0A FF "));
    }

    void editorBoxIsCutAfterItsFirstCharacter_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("after");
        QTest::newRow("at the limit, no cut") << 2988 << 2 << 3000;
        QTest::newRow("ten short, two bytes: one cut") << 2990 << 2 << 2502;
        QTest::newRow("long burst stays bounded") << 2988 << 300 << 2788;
    }
    void editorBoxIsCutAfterItsFirstCharacter()
    {
        QFETCH(int, before);
        QFETCH(int, bytes);
        QFETCH(int, after);
        ReceiveText t;
        // Byte lines take 6 characters, separators 7: reach `before` exactly, the
        // box starting with the line of byte 10.
        int separators = 0;
        while ((before - 7 * separators) % 6 != 0)
            ++separators;
        t.received(QByteArray(1, '\x10') + QByteArray((before - 7 * separators) / 6 - 1, '\x01'));
        for (int i = 0; i < separators; ++i) {
            t.quiet();
            t.received({});
        }
        QCOMPARE(t.editorBox().size(), before);
        const QString whole = t.editorBox() + t.editorLines(QByteArray(bytes, '\x02'));
        t.received(QByteArray(bytes, '\x02'));
        QCOMPARE(t.editorBox().size(), after);
        QCOMPARE(t.editorBox(), whole.left(1) + whole.right(after - 1));
    }

    void burstsAreClosedByOneSeparator()
    {
        FakePort port;
        ReceiveMonitor monitor(&port);
        QCOMPARE(monitor.timer().interval(), 50);
        QVERIFY(monitor.timer().isActive());
        QSignalSpy panel(&monitor, &ReceiveMonitor::receivedDataPanelNeeded);
        QSignalSpy editor(&monitor, &ReceiveMonitor::receivedDataChanged);
        QSignalSpy sendBox(&monitor, &ReceiveMonitor::sendTextAppended);
        QSignalSpy touchBox(&monitor, &ReceiveMonitor::touchTextAppended);

        monitor.tick(); // the first quiet tick after start closes with a separator
        monitor.tick();
        QCOMPARE(texts(sendBox), QStringList{" >"});
        QCOMPARE(texts(touchBox), QStringList{"\r\n>"});
        QCOMPARE(monitor.receivedDataText(), QStringLiteral("-----\r\n"));
        QCOMPARE(panel.count(), 0);

        port.incoming = hexBytes("1B 41");
        monitor.tick();
        port.incoming = hexBytes("20");
        monitor.tick();
        monitor.tick();
        monitor.tick();
        QCOMPARE(panel.count(), 1); // the first bytes show the box, though it held a separator
        QCOMPARE(texts(sendBox), (QStringList{" >", "1B 41 ", "20 ", " >"}));
        QCOMPARE(texts(touchBox), (QStringList{"\r\n>", "1B 41 ", "20 ", "\r\n>"}));
        QCOMPARE(monitor.receivedDataText(), QStringLiteral("-----\r\n1Bh \r\n41h A\r\n20h \r\n-----\r\n"));
        QCOMPARE(texts(editor).last(), monitor.receivedDataText());

        monitor.clearReceivedData();
        QCOMPARE(texts(editor).last(), QString());
        port.incoming = hexBytes("41");
        monitor.tick();
        QCOMPARE(panel.count(), 2);
        QCOMPARE(monitor.receivedDataText(), QStringLiteral("41h A\r\n"));
    }

    void aPortThatCannotDeliverEndsTheTickQuietly()
    {
        FakePort port;
        ReceiveMonitor monitor(&port);
        monitor.tick();
        QSignalSpy sendBox(&monitor, &ReceiveMonitor::sendTextAppended);

        port.phantom = 3; // counted, then gone
        monitor.tick();
        QCOMPARE(port.reads, 1);
        QCOMPARE(sendBox.count(), 0);

        port.phantom = 0;
        port.incoming = hexBytes("41");
        port.opened = false; // a closed port is not read at all
        monitor.tick();
        QCOMPARE(port.reads, 1);
        QCOMPARE(sendBox.count(), 0);

        ReceiveMonitor withoutPort(nullptr);
        QSignalSpy quiet(&withoutPort, &ReceiveMonitor::sendTextAppended);
        withoutPort.tick();
        QCOMPARE(texts(quiet), QStringList{" >"});
    }
};

KVX_TEST_MAIN(TestReceiveMonitor)
#include "tst_receive_monitor.moc"
