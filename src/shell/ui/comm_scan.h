#pragma once

#include "shell/port_scan.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QProgressBar;
class QRadioButton;

namespace kvx {

struct ShellState;
class UserDialogs;

// The port search window: probes the serial ports whenever it becomes active (and
// on "Refresh") and lets the user pick one. Run it with exec(); afterwards
// SelectedPort() holds "COM" followed by the port chosen, or "".
class CommScan : public QDialog
{
    Q_OBJECT
public:
    // `mainPortText` is the port the main window shows; it is chosen after a scan
    // when available.
    CommScan(PortProber &prober, const ShellState &state, UserDialogs &dialogs, const QString &mainPortText,
             QWidget *parent = nullptr);

    QString SelectedPort() const { return m_selectedPort; }
    const PortScanner &scanner() const { return m_scanner; }

public slots:
    void ScanPorts();
    void cmdSet_Click();
    void cmdClose_Click();
    void cmdSysinfo_Click();

signals:
    void scanFinished();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showOptions();

    PortScanner m_scanner;
    const ShellState &m_state;
    UserDialogs &m_dialogs;
    QString m_mainPortText;
    QString m_selectedPort;
    bool m_scanning = false;
    // The window last gave up activation to another window of this program (a
    // message box): coming back from it is not a new activation.
    bool m_leftForOwnWindow = false;

    QRadioButton *m_options[PortScanner::OptionCount] = {};
    QButtonGroup *m_group = nullptr;
    QGroupBox *m_scanFrame = nullptr;
    QProgressBar *m_bar = nullptr;
};

} // namespace kvx
