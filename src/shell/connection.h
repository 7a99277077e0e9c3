#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace kvx {

class Link;
class SerialPortIo;
class UserDialogs;
class UsbIoLink;
struct ShellState;

// The connection controls of the main window: the port list, the settings list, ON,
// OFF, the port search and the on-line indicator. Opens a serial port (through the
// link) or the USB link. The window shows `indicatorVisible()`, the settings items,
// and runs the USB link watch while `usbWatchEnabled()`.
class Connection : public QObject
{
    Q_OBJECT
public:
    using PortFactory = std::function<std::unique_ptr<SerialPortIo>()>;
    // Runs the port search and returns "COM" followed by the port chosen, or "".
    using PortSearch = std::function<QString()>;

    Connection(Link &link, ShellState &state, UserDialogs &dialogs, PortFactory factory, QObject *parent = nullptr);

    void setUsb(UsbIoLink *usb) { m_usb = usb; }
    void setPortSearch(PortSearch search) { m_search = std::move(search); }

    // The texts the two lists show (set by the window as the user types or chooses).
    QString portText() const { return m_portText; }
    void setPortText(const QString &text) { m_portText = text; }
    QString settingsText() const { return m_settingsText; }
    void setSettingsText(const QString &text) { m_settingsText = text; }

    QStringList settingsItems() const { return m_settingsItems; }
    static QStringList portItems();
    bool indicatorVisible() const { return m_indicator; }
    bool usbWatchEnabled() const { return m_usbWatch; }
    bool settingsEnabled() const { return m_settingsEnabled; }

    void cmdOnLine_Click();
    void cmdOffLine_Click();
    void CommPortList_Click();
    void CommSettingsList_Click();
    void Timer_USB_Timer();
    void Command2_Click();
    // Closes the USB link when the main window shuts down.
    void closeUsbForShutdown();

signals:
    // The indicator, the settings items, the texts or the USB watch changed.
    void changed();
    // A serial port object now exists (on-line attempt) or is gone (off-line).
    void serialPortCreated(SerialPortIo *port);
    void serialPortReleased();

private:
    bool isUsbText() const { return m_portText == QLatin1String("USB"); }
    bool openSerial();
    bool serialOpen() const;
    void closeSerial();
    void closeUsb();
    void applyUsbMode();
    void failed();
    void fillSettingsItems();

    Link &m_link;
    ShellState &m_state;
    UserDialogs &m_dialogs;
    PortFactory m_factory;
    PortSearch m_search;
    UsbIoLink *m_usb = nullptr;
    QString m_portText = QStringLiteral("1");
    QString m_settingsText = QStringLiteral("38400,n,8,1");
    QStringList m_settingsItems;
    bool m_indicator = false;
    bool m_usbWatch = false;
    bool m_settingsEnabled = true;
};

} // namespace kvx
