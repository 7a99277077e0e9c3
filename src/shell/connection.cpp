#include "shell/connection.h"

#include "link/link.h"
#include "link/serial_port_io.h"
#include "link/serial_settings.h"
#include "link/usb_io_link.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

namespace kvx {

Connection::Connection(Link &link, ShellState &state, UserDialogs &dialogs, PortFactory factory, QObject *parent)
    : QObject(parent), m_link(link), m_state(state), m_dialogs(dialogs), m_factory(std::move(factory)),
      m_settingsItems(serialSettingsChoices())
{
    // A serial port whose device went away has been closed by the link, or the USB
    // link's watch found the bridge gone: off-line.
    connect(&m_link, &Link::portLost, this, [this] {
        m_indicator = false;
        emit changed();
    });
}

QStringList Connection::portItems()
{
    QStringList items;
    for (int i = 1; i <= 40; ++i)
        items << QString::number(i);
    return items;
}

bool Connection::serialOpen() const
{
    return m_link.serialOpen();
}

void Connection::closeSerial()
{
    if (m_link.serialPort())
        m_link.serialPort()->close();
}

void Connection::closeUsb()
{
    if (m_usb && m_usb->IsUsbOpen())
        m_usb->CloseUsbLink();
}

void Connection::applyUsbMode()
{
    if (!m_usb)
        return;
    m_usb->setMode(usbModeForSettings(m_settingsText));
}

bool Connection::openSerial()
{
    if (!m_link.serialPort()) {
        m_link.setSerialPort(m_factory());
        emit serialPortCreated(m_link.serialPort());
    }
    SerialPortIo *port = m_link.serialPort();
    const QString device = serialDevicePath(m_portText);
    if (device.isEmpty() || !SerialSettings::parse(m_settingsText))
        return false;
    if (!port->open(device, m_settingsText).isEmpty())
        return false;
    port->readAll(); // whatever arrived before is not the module's answer to us
    m_indicator = true;
    return port->isOpen();
}

void Connection::failed()
{
    m_dialogs.message(m_state.tr(QStringLiteral("Port cannot be opened."), QStringLiteral("ポートを開けません。")));
    closeSerial();
    m_indicator = false;
}

void Connection::fillSettingsItems()
{
    m_settingsItems =
        isUsbText() ? QStringList{QStringLiteral("Status Read"), QStringLiteral("Busy OUT")} : serialSettingsChoices();
}

void Connection::cmdOnLine_Click()
{
    closeSerial();
    closeUsb();
    if (isUsbText()) {
        m_settingsEnabled = true;
        // The mode is remembered now and sent by the set-up once the bridge is open.
        applyUsbMode();
        if (!m_usb || !m_usb->InitUsbLink()) {
            failed();
        } else {
            m_indicator = true;
            m_usbWatch = true;
        }
    } else if (!openSerial()) {
        failed();
    }
    emit changed();
}

void Connection::cmdOffLine_Click()
{
    if (m_usb && m_usb->IsUsbOpen()) {
        m_usb->CloseDevice();
        m_usbWatch = false;
    }
    if (m_link.serialPort()) {
        m_link.releaseSerialPort();
        emit serialPortReleased();
    }
    m_indicator = false;
    emit changed();
}

void Connection::CommPortList_Click()
{
    fillSettingsItems();
    if (m_state.FormLoading) {
        emit changed();
        return;
    }
    closeSerial();
    closeUsb();
    m_settingsText = m_settingsItems.first();
    if (isUsbText()) {
        m_settingsEnabled = true;
        CommSettingsList_Click();
        if (!m_usb || !m_usb->InitUsbLink()) {
            failed();
        } else {
            // The set-up sent the mode chosen above; the watch runs on this path as
            // well, so a bridge pulled out is noticed.
            m_indicator = true;
            m_usbWatch = true;
        }
    } else {
        CommSettingsList_Click();
        if (!openSerial())
            failed();
    }
    emit changed();
}

void Connection::CommSettingsList_Click()
{
    if (m_state.FormLoading)
        return;
    if (isUsbText()) {
        applyUsbMode();
        return;
    }
    if (serialOpen()) {
        closeSerial();
        SerialPortIo *port = m_link.serialPort();
        const QString device = serialDevicePath(m_portText);
        if (!device.isEmpty() && SerialSettings::parse(m_settingsText))
            port->open(device, m_settingsText);
    }
    m_indicator = serialOpen();
    emit changed();
}

void Connection::Timer_USB_Timer()
{
    if (!m_usb || m_usb->watchTick())
        return;
    m_usbWatch = false;
    m_link.usbBridgeGone();
}

void Connection::Command2_Click()
{
    closeSerial();
    m_indicator = false;
    emit changed();
    const QString selected = m_search ? m_search() : QString();
    if (!selected.isEmpty()) {
        m_portText = selected.mid(3);
        emit changed();
    }
}

void Connection::closeUsbForShutdown()
{
    closeUsb();
    m_usbWatch = false;
}

} // namespace kvx
