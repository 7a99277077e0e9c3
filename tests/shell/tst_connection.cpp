#include "link/link.h"
#include "link/usb_io_link.h"
#include "shell/connection.h"
#include "shell/shell_state.h"
#include "support/fake_link_parts.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"
#include "support/usb_fake_chip.h"

#include <QSignalSpy>

using namespace kvx;
using namespace kvx::test;

namespace {

struct Rig
{
    Rig()
        : usb(transport, dialogs, [] { return QStringLiteral("/dev/usbio0"); }),
          connection(link, state, dialogs, [this] {
              auto p = std::make_unique<FakeSerialPort>();
              port = p.get();
              ++portsMade;
              p->openError = openError;
              return p;
          })
    {
        link.setUsbLink(&usb);
        connection.setUsb(&usb);
    }
    ShellState state;
    ScriptedDialogs dialogs;
    Link link;
    FakeUsbTransport transport;
    UsbIoLink usb;
    Connection connection;
    FakeSerialPort *port = nullptr;
    int portsMade = 0;
    QString openError;
};

const QString CannotOpen = QStringLiteral("Port cannot be opened.");

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT
private slots:
    void onLineOpensTheNumberedSerialPort()
    {
        Rig r;
        r.connection.setPortText("3");
        r.connection.setSettingsText("9600,n,8,1");
        r.connection.cmdOnLine_Click();
        QVERIFY(r.connection.indicatorVisible());
        QVERIFY(r.port->opened);
        QCOMPARE(r.port->name, QStringLiteral("/dev/ttyS2"));
        QCOMPARE(r.port->lastSettings, QStringLiteral("9600,n,8,1"));
        QVERIFY(r.dialogs.shown.isEmpty());
        QVERIFY(!r.connection.usbWatchEnabled());
    }

    void unopenablePortsSayTheyCannotBeOpened_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("openError");
        QTest::newRow("port zero") << "0"
                                   << "38400,n,8,1"
                                   << "";
        QTest::newRow("missing device") << "COM3"
                                        << "38400,n,8,1"
                                        << "No such file or directory";
        QTest::newRow("bad settings") << "1"
                                      << "fast"
                                      << "";
    }
    void unopenablePortsSayTheyCannotBeOpened()
    {
        QFETCH(QString, port);
        QFETCH(QString, settings);
        QFETCH(QString, openError);
        Rig r;
        r.openError = openError;
        r.connection.setPortText(port);
        r.connection.setSettingsText(settings);
        r.connection.cmdOnLine_Click();
        QCOMPARE(r.dialogs.shown, QStringList{CannotOpen});
        QVERIFY(!r.connection.indicatorVisible());
        QVERIFY(!r.link.serialOpen());
    }

    void messageFollowsTheInterfaceLanguage()
    {
        Rig r;
        r.state.UILanguage = "Japanese";
        r.connection.setPortText("0");
        r.connection.cmdOnLine_Click();
        QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("ポートを開けません。")});
    }

    void offLineDropsThePortAndHidesTheIndicator()
    {
        Rig r;
        r.connection.cmdOnLine_Click();
        QVERIFY(r.link.serialPort());
        r.connection.cmdOffLine_Click();
        QVERIFY(!r.link.serialPort());
        QVERIFY(!r.connection.indicatorVisible());
        r.connection.cmdOffLine_Click(); // off while off-line changes nothing
        QVERIFY(!r.connection.indicatorVisible());
        // The next use creates a fresh port.
        r.connection.cmdOnLine_Click();
        QCOMPARE(r.portsMade, 2);
    }

    void choosingAPortDuringStartUpOnlyRefillsTheSettings()
    {
        Rig r;
        r.state.FormLoading = true;
        r.connection.setPortText("USB");
        r.connection.CommPortList_Click();
        QCOMPARE(r.connection.settingsItems(), (QStringList{"Status Read", "Busy OUT"}));
        QVERIFY(r.transport.chip.packets.isEmpty());
        QVERIFY(!r.usb.IsUsbOpen());
        QCOMPARE(r.portsMade, 0);
    }

    void choosingASerialPortReopensWithTheFirstSettings()
    {
        Rig r;
        r.connection.setSettingsText("9600,n,8,1");
        r.connection.cmdOnLine_Click();
        r.connection.setPortText("2");
        r.connection.CommPortList_Click();
        QCOMPARE(r.connection.settingsText(), QStringLiteral("38400,n,8,1"));
        QCOMPARE(r.port->name, QStringLiteral("/dev/ttyS1"));
        QVERIFY(r.port->opened);
        QVERIFY(r.connection.indicatorVisible());
    }

    void settingsWhileClosedAreOnlyStored()
    {
        Rig r;
        r.connection.setSettingsText("19200,n,8,1");
        r.connection.CommSettingsList_Click();
        QVERIFY(!r.connection.indicatorVisible());
        QCOMPARE(r.portsMade, 0);
        r.connection.cmdOnLine_Click();
        r.connection.setSettingsText("115200,n,8,1");
        r.connection.CommSettingsList_Click();
        QCOMPARE(r.port->lastSettings, QStringLiteral("115200,n,8,1"));
        QVERIFY(r.connection.indicatorVisible());
    }

    void usbOnLineSetsUpTheBridgeAndWatchesIt()
    {
        Rig r;
        r.connection.setPortText("USB");
        r.connection.setSettingsText("Status Read");
        r.connection.cmdOnLine_Click();
        QVERIFY(r.usb.IsUsbOpen());
        QCOMPARE(r.usb.mode(), UsbMode::StatusRead);
        QVERIFY(r.connection.indicatorVisible());
        QVERIFY(r.connection.usbWatchEnabled());
        QVERIFY(r.dialogs.shown.isEmpty());
        r.transport.present = false;
        // Told as a lost link, so what sends by a timer stops as for a serial port.
        QSignalSpy lost(&r.link, &Link::portLost);
        r.connection.Timer_USB_Timer();
        QCOMPARE(lost.size(), 1);
        QVERIFY(!r.usb.IsUsbOpen());
        QVERIFY(!r.connection.indicatorVisible());
        QVERIFY(!r.connection.usbWatchEnabled());
        QVERIFY(r.dialogs.shown.isEmpty());
    }

    void usbWithSerialSettingsIsBusyOut()
    {
        Rig r;
        r.connection.setPortText("USB");
        r.connection.setSettingsText("38400,n,8,1");
        r.connection.cmdOnLine_Click();
        QCOMPARE(r.usb.mode(), UsbMode::BusyOut);
        QVERIFY(r.usb.IsUsbOpen());
    }

    void choosingUsbFromTheListOpensItAndNeverSendsToAClosedHandle()
    {
        Rig r;
        r.connection.setPortText("USB");
        r.connection.CommPortList_Click();
        QVERIFY(r.usb.IsUsbOpen());
        QVERIFY(r.connection.usbWatchEnabled());
        QVERIFY(r.dialogs.shown.isEmpty());
        QCOMPARE(r.connection.settingsText(), QStringLiteral("Status Read"));
        QCOMPARE(r.usb.mode(), UsbMode::StatusRead);
    }

    void usbThatCannotOpenSaysSo()
    {
        Rig r;
        r.transport.openResult = UsbIoTransport::OpenResult::Unavailable;
        r.connection.setPortText("USB");
        r.connection.cmdOnLine_Click();
        QVERIFY(r.dialogs.shown.contains(CannotOpen));
        QVERIFY(!r.connection.indicatorVisible());
    }

    void portSearchClosesThePortHidesTheIndicatorAndTakesTheChoice()
    {
        Rig r;
        r.connection.cmdOnLine_Click();
        QString answer = QStringLiteral("COM5");
        r.connection.setPortSearch([&] { return answer; });
        r.connection.Command2_Click();
        QVERIFY(!r.port->opened);
        QVERIFY(!r.connection.indicatorVisible());
        QCOMPARE(r.connection.portText(), QStringLiteral("5"));
        answer.clear();
        r.connection.Command2_Click();
        QCOMPARE(r.connection.portText(), QStringLiteral("5"));
    }
};

KVX_TEST_MAIN(TestConnection)
#include "tst_connection.moc"
