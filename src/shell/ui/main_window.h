#pragma once

#include "link/link.h"
#include "link/receive_monitor.h"
#include "link/usb_io_link.h"
#include "link/usb_linux_transport.h"
#include "link/vx5200.h"
#include "panels/basic_codes.h"
#include "shell/command_log.h"
#include "shell/connection.h"
#include "shell/panel_context.h"
#include "shell/seams.h"
#include "shell/shell_state.h"
#include "shell/ui/qt_user_dialogs.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;

namespace kvx {

class ClickableLabel;

// The main window: the connection, the model, the recorder, the command log and
// every command panel. Its public state lives in `state()`; other windows reach it
// through the shell, never through the widgets.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    struct Options
    {
        UserDialogs *dialogs = nullptr;        // the desktop's dialogs when null
        Connection::PortFactory portFactory;   // real serial ports when empty
        UsbIoTransport *usbTransport = nullptr; // the Linux transport when null
        bool showSplash = true;
    };

    MainWindow();
    explicit MainWindow(Options options);
    ~MainWindow() override;

    // The start-up: splash, settings, language, identity, going on-line.
    void startUp();

    ShellState &state() { return m_state; }
    Link &link() { return m_link; }
    VX5200 &encoder() { return m_encoder; }
    CommandLog &commandLog() { return m_log; }
    Connection &connection() { return m_connection; }
    UserDialogs &dialogs() { return *m_dialogs; }
    PanelContext &panelContext() { return m_ctx; }
    UsbIoLink &usbLink() { return m_usb; }

    void setMacroEditor(MacroEditorSeam *editor);
    void setImageList(ImageListSeam *imageList) { m_imageList = imageList; }
    void setTutorial(TutorialSeam *tutorial) { m_tutorial = tutorial; }

    // The splash window of the running start-up (tests close it).
    QDialog *splash() const { return m_splash; }
    QTimer &toviTimer() { return m_toviTimer; }
    QTimer &usbTimer() { return m_usbTimer; }

    // addLog of the command log, for the panels.
    void addLog(const QString &name, const QString &help) { m_log.addLog(name, help); }

    ReceiveMonitor *receiveMonitor() const { return m_monitor.get(); }

    // The places the command panels fill: page `index` of the tab control `tab`
    // ("SSTab1", "SSTab3", "SSTab4"; each page has a QVBoxLayout), and the three
    // columns of the window body (0 left, 1 middle, 2 right).
    QWidget *tabPage(const QString &tab, int index) const;
    QVBoxLayout *column(int index) const { return m_columns[index]; }

signals:
    // What the receive monitor shows, for the macro editor's received-data box and
    // the touch-switch panel's box (the monitor itself comes and goes with the port).
    void receivedDataPanelNeeded();
    void receivedDataChanged(const QString &text);
    void touchTextAppended(const QString &text);

public slots:
    void toviImage_Click();
    void toviTimer_Timer();
    void RecCommandButton_Click();
    void StopCommandButton_Click();
    void PauseCommandButton_Click();
    void EditCommandButton_Click();
    void Command4_Click();
    void Label31_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildUi();
    // Creates the command panels; each installs its controls into tabPage()/column().
    void installPanels();
    QWidget *buildConnectionFrame();
    QWidget *buildModelFrame();
    QWidget *buildRecorderFrame();
    QWidget *buildLogArea();
    QWidget *buildBasicCodesFrame();
    void connectLink();
    void startMonitor(SerialPortIo *port);
    void syncConnection();
    void showRecorderState();
    void Form_Activate();
    void commandCompleted();
    void applyModelToEncoder();

    ShellState m_state;
    QtUserDialogs m_qtDialogs;
    UserDialogs *m_dialogs;
    Link m_link;
    VX5200 m_encoder;
    CommandLog m_log;
    std::unique_ptr<LinuxUsbIoTransport> m_ownTransport;
    UsbIoLink m_usb;
    Connection m_connection;
    PanelContext m_ctx;
    BasicCodesPanel m_basic;
    bool m_showSplash;
    bool m_shutDown = false;

    MacroEditorSeam *m_editor = nullptr;
    ImageListSeam *m_imageList = nullptr;
    TutorialSeam *m_tutorial = nullptr;

    std::unique_ptr<ReceiveMonitor> m_monitor;
    QTimer m_toviTimer;
    QTimer m_usbTimer;
    QDialog *m_splash = nullptr;

    // Widgets the handlers read or write.
    QComboBox *m_portList = nullptr;
    QComboBox *m_settingsList = nullptr;
    QLabel *m_onLine = nullptr;
    QComboBox *m_models = nullptr;
    QCheckBox *m_revB = nullptr;
    QRadioButton *m_series[4] = {};
    QPushButton *m_rec = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_pause = nullptr;
    QPushButton *m_stop = nullptr;
    QLineEdit *m_sendCommandBox = nullptr;
    QLineEdit *m_sendHelpBox = nullptr;
    QPlainTextEdit *m_sendTextBox = nullptr;
    QLineEdit *m_cursorX = nullptr;
    QLineEdit *m_cursorY = nullptr;
    QTabWidget *m_tab1 = nullptr;
    QTabWidget *m_tab3 = nullptr;
    QTabWidget *m_tab4 = nullptr;
    QVBoxLayout *m_columns[3] = {};
};

} // namespace kvx
