#include "link/app_paths.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "support/usb_socket_chip.h"

#include <QLabel>
#include <QSettings>

using namespace kvx;
using namespace kvx::test;

namespace {

void setDeviceName(const QString &path)
{
    QSettings settings(settingsIniPath(), QSettings::IniFormat);
    if (path.isEmpty())
        settings.remove(QStringLiteral("UsbIo/DeviceName"));
    else
        settings.setValue(QStringLiteral("UsbIo/DeviceName"), path);
    settings.sync();
}

} // namespace

// The main window reaching the module through the USB I/O bridge, which a socket
// served by the test stands in for.
class TestUsbMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void goesOnLineOverUsbAndSendsThroughTheBridge()
    {
        UsbSocketChip chip;
        QVERIFY(chip.listening());
        setDeviceName(chip.path());
        StartedWindow s(QStringLiteral("USB"));
        QVERIFY(s.dialogs.shown.isEmpty());
        QVERIFY(s.window.usbLink().IsUsbOpen());
        QVERIFY(s.child<QLabel>("imgOnLine")->isVisible());
        QVERIFY(s.window.usbTimer().isActive());

        s.click("cmdBtn1_1");
        s.click("cmdBtn1_3");
        QCOMPARE(chip.with([](UsbChip &c) { return c.moduleBytes; }), QByteArray("\x0c\x1f\x43\x01", 4));
        QCOMPARE(s.window.link().lastText(), QStringLiteral("[1f][43][01]"));

        // The bridge goes away: the watch closes the link at its next tick.
        chip.vanish();
        s.window.connection().Timer_USB_Timer();
        QVERIFY(!s.window.usbLink().IsUsbOpen());
        QVERIFY(!s.child<QLabel>("imgOnLine")->isVisible());
        QVERIFY(!s.window.usbTimer().isActive());
        s.window.close();
    }

    void aBridgeThatGoesAwayDuringAPlayStopsIt()
    {
        UsbSocketChip chip;
        setDeviceName(chip.path());
        StartedWindow s(QStringLiteral("USB"));
        QVERIFY(s.window.usbLink().IsUsbOpen());
        QString macro;
        for (int i = 0; i < 50; ++i)
            macro += QStringLiteral("PRT 0ch 41h 42h;\r\n");
        s.window.state().MacroText = macro;
        s.click("PlayCommandButton");
        // A few lines go through, then the bridge is pulled out.
        for (int i = 0; i < 5; ++i)
            s.window.player().tick();
        chip.vanish();
        for (int i = 0; i < 100 && s.window.player().running(); ++i)
            s.window.player().tick();
        QVERIFY(!s.window.player().running());
        QVERIFY(s.dialogs.shown.contains("Error has been detected.[AQ235]"));
        const QByteArray received = chip.with([](UsbChip &c) { return c.moduleBytes; });
        QVERIFY(received.size() >= 15 && received.size() < 150);
        // The watch notices the bridge is gone; the window goes on.
        s.window.connection().Timer_USB_Timer();
        QVERIFY(!s.window.usbLink().IsUsbOpen());
        s.click("cmdBtn1_1");
        QCOMPARE(s.window.link().lastText(), QStringLiteral("[0c]"));
        s.window.close();
    }

    void withoutADevicePathTheLinkStaysClosed()
    {
        setDeviceName(QString());
        StartedWindow s(QStringLiteral("USB"));
        s.click("cmdOnLine");
        QCOMPARE(s.dialogs.shown,
                 (QStringList{"Unable to open device, check connection and power.", "Port cannot be opened."}));
        QVERIFY(!s.window.usbLink().IsUsbOpen());
        QVERIFY(!s.child<QLabel>("imgOnLine")->isVisible());
        s.window.close();
    }
};

KVX_TEST_MAIN(TestUsbMainWindow)
#include "tst_usb_main_window.moc"
