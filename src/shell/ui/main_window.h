#pragma once

#include "image_list/image_list.h"
#include "link/link.h"
#include "link/receive_monitor.h"
#include "link/usb_io_link.h"
#include "link/usb_linux_transport.h"
#include "link/vx5200.h"
#include "panels/basic_codes.h"
#include "shell/command_log.h"
#include "shell/connection.h"
#include "shell/macro_player.h"
#include "shell/panel_context.h"
#include "shell/qt_text_language.h"
#include "shell/seams.h"
#include "shell/settings_files.h"
#include "shell/shell_state.h"
#include "shell/ui/panel_host.h"
#include "shell/ui/qt_user_dialogs.h"
#include "tutorial/tutorial_host.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
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

class CharacterToolsUi;
class ClickableLabel;
class DisplayPanelsUi;
class FontTextPanelUi;
class ImagePanelsUi;
class LedTouchPanelsUi;
class PortProber;
struct LayoutInputs;
struct RevisionBPlan;
struct SeriesLayoutPlan;

// The main window: the connection, the model, the recorder, the command log and
// every command panel. The panels and the other windows reach it through `host()`,
// never through this class or its widgets.
class MainWindow : public QMainWindow, public TutorialHost
{
    Q_OBJECT
public:
    struct Options
    {
        UserDialogs *dialogs = nullptr;         // the desktop's dialogs when null
        Connection::PortFactory portFactory;    // real serial ports when empty
        UsbIoTransport *usbTransport = nullptr; // the Linux transport when null
        PortProber *portProber = nullptr;       // the system's serial ports when null
        bool showSplash = true;
    };

    MainWindow();
    explicit MainWindow(Options options);
    ~MainWindow() override;

    // The window opens as small as its arrangement allows: its frames hold their
    // controls at the controls' own sizes, so it fits a laptop's screen. It keeps that
    // one size, worked out again when the language or the series changes the
    // arrangement; activation puts it back at it.
    QSize sizeHint() const override { return minimumSizeHint(); }

    // The start-up: splash, settings, language, identity, going on-line.
    void startUp();

    // What the panels and the other windows reach of this window, and its events.
    PanelHost &host() { return *m_host; }
    ShellState &state() { return m_state; }
    Link &link() { return m_link; }
    VX5200 &encoder() { return m_encoder; }
    CommandLog &commandLog() { return m_log; }
    Connection &connection() { return m_connection; }
    UserDialogs &dialogs() { return *m_dialogs; }
    PanelContext &panelContext() { return m_ctx; }
    UsbIoLink &usbLink() { return m_usb; }

    void setMacroEditor(MacroEditorSeam *editor);
    // Makes a new macro editor window (handed in by the program's composition root).
    using MacroEditorFactory = std::function<MacroEditorSeam *()>;
    void setMacroEditorFactory(MacroEditorFactory factory);
    // The editor's close box unloaded it: the next opening makes a new one.
    void macroEditorUnloaded(MacroEditorSeam *editor);
    // The macro editor, made afresh when there is none (its close box unloads it);
    // null only without a factory.
    MacroEditorSeam *macroEditor();
    void setImageList(ImageListSeam *imageList) { m_imageList = imageList; }
    void setTutorial(TutorialSeam *tutorial) { m_tutorial = tutorial; }

    // The splash window of the running start-up (tests close it).
    QDialog *splash() const { return m_splash; }
    QTimer &toviTimer() { return m_toviTimer; }
    QTimer &usbTimer() { return m_usbTimer; }

    MacroPlayer &player() { return m_player; }
    // The image list (kept between runs by the image-list window), read by the memory
    // images panel; it follows the series option, the module and the language.
    ImageList &imageList() { return m_images; }
    // The chosen series option (0..3) and the Y unit option (0 "Y:8Dot", 1 "Y:1Dot").
    int seriesOption() const { return m_seriesOption; }
    int yUnit() const { return m_yUnit; }
    QString currentModel() const;
    bool revisionB() const;
    // The folder of the bitmap file list (kept in Config.dat).
    QString bitmapFolder() const { return m_bitmapFolder; }
    void setBitmapFolder(const QString &folder) { m_bitmapFolder = folder; }
    // The tool-tip button's colour as Config.dat keeps it: exactly the button-face
    // colour means tool tips off, any other colour on.
    qint32 hintColour() const { return m_hintColour; }
    // Sets and shows the colour; the tool tips follow at the next SetToolTips.
    void setHintColour(qint32 colour);

    // Applies UILanguage to the main window: lists that depend on it, caption fonts,
    // the caption table and the tool tips; then every other window follows.
    void changeLamguage();

    // ---- what the tutorial reads of the main window ----
    bool mainWindowNormal() const override;
    QString uiLanguage() const override { return m_state.UILanguage; }
    QString moduleSeri() const override { return m_encoder.moduleSeri(); }
    QString lastSentText() const override { return m_link.lastText(); }
    QString caption(const QString &name, int index = -1) const override;
    QString boxText(const QString &name) const override;
    void setBoxText(const QString &name, const QString &text) override;
    int listIndex(const QString &name) const override;
    QString listEntry(const QString &name) const override;
    int controlValue(const QString &name) const override;
    bool isChecked(const QString &name, int index = -1) const override;
    void clearTutorialShown() override { m_state.TutorialShown = false; }
    void clearTutorialWaiting() override { m_state.TutorialWaiting = false; }
    void setTutorTimerInterval(int milliseconds) override { m_toviTimer.setInterval(milliseconds); }
    void stopTutorTimer() override { m_toviTimer.stop(); }

    ReceiveMonitor *receiveMonitor() const { return m_monitor.get(); }

public slots:
    void HinmeiList_Click();
    void Chk_B_Click() { HinmeiList_Click(); }
    void OptSeries_Click(int index);
    void OpYByte_Click(int index);
    // The window laid out for the encoder's module, and the dot width and height shown.
    void ApplyModuleIdentity();
    void SetupOlderSeriesLayout();
    void SetupNewerSeriesLayout();
    void EnableRevisionBFeatures();
    void PlayCommandButton_Click();
    void toviImage_Click();
    void toviTimer_Timer();
    void RecCommandButton_Click();
    void StopCommandButton_Click();
    void PauseCommandButton_Click();
    void EditCommandButton_Click();
    void Command4_Click();
    void Label31_Click();
    // Shows the image-list window (modeless).
    void showImageListWindow();
    void Image1_Click();
    void HintCommandButton_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildUi();
    // Creates the command panels; each builds its frames for buildUi() to place.
    void createPanels();
    QVBoxLayout *buildPictures();
    QWidget *buildDrawPage();
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
    // The desktop or the terminal ended the session (session_signals.h).
    void endSession();
    // After a close could not write the session's files: whether the program closes.
    bool mayCloseWithout(const QList<FileWriteResult> &failed);
    void commandCompleted();
    void LoadConfig();
    // Config.dat and Tmp.sei as they are to be found by the next run: each is written only
    // when this copy changed what it read or the file is missing, so another copy's
    // changes are not overwritten. The writes that failed.
    QList<FileWriteResult> SaveConfig(const QString &macroText);
    ConfigSettings configSettings() const;
    QWidget *namedWidget(const QString &name, int index) const;
    void SetToolTips();
    void showHintColour();
    // The main window's own control of that name (not one of a window it owns).
    QWidget *ownControl(const QString &name) const;
    LayoutInputs layoutInputs() const;
    void applyLayout(const SeriesLayoutPlan &plan);
    void applyRevisionB(const RevisionBPlan &plan);
    void setControlText(const QString &name, const QString &text);
    void keepArrangedSize();

    // First, so that it outlives everything that may still reach it.
    std::unique_ptr<PanelHost> m_host;
    ShellState m_state;
    QtTextLanguage m_qtTexts;
    QtUserDialogs m_qtDialogs;
    QuietWhenCancelled m_quietDialogs;
    UserDialogs *m_dialogs;
    Link m_link;
    VX5200 m_encoder;
    CommandLog m_log;
    std::unique_ptr<LinuxUsbIoTransport> m_ownTransport;
    UsbIoLink m_usb;
    Connection m_connection;
    PanelContext m_ctx;
    BasicCodesPanel m_basic;
    MacroPlayer m_player;
    ImageList m_images;
    bool m_showSplash;
    int m_seriesOption = 0;
    int m_yUnit = 0;
    QString m_bitmapFolder;
    qint32 m_hintColour;
    bool m_shutDown = false;
    bool m_askingToClose = false;
    // Config.dat and Tmp.sei as the window took them at start-up (Config.dat not read in
    // full is written at close) or last wrote them.
    KeptFile m_configFile;
    bool m_configReadInFull = false;
    KeptFile m_memoFile;

    MacroEditorSeam *m_editor = nullptr;
    MacroEditorFactory m_editorFactory;
    ImageListSeam *m_imageList = nullptr;
    TutorialSeam *m_tutorial = nullptr;

    // The panels the series layouts and the language switch drive.
    FontTextPanelUi *m_fontText = nullptr;
    LedTouchPanelsUi *m_ledTouch = nullptr;
    DisplayPanelsUi *m_display = nullptr;
    CharacterToolsUi *m_tools = nullptr;
    ImagePanelsUi *m_imagePanels = nullptr;

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
    QPushButton *m_hint = nullptr;
};

} // namespace kvx
