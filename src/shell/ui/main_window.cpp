#include "shell/ui/main_window.h"
#include "shell/ui/named_widgets.h"

#include "link/app_paths.h"
#include "link/qt_serial_port.h"
#include "link/send_run.h"
#include "link/serial_port_io.h"
#include "panels/ui/character_tools_ui.h"
#include "panels/ui/display_panels_ui.h"
#include "panels/ui/font_text_panel_ui.h"
#include "panels/ui/image_panels_ui.h"
#include "panels/ui/led_touch_panels_ui.h"
#include "shell/captions.h"
#include "shell/model_list.h"
#include "shell/model_series.h"
#include "shell/qt_port_prober.h"
#include "shell/series_layout.h"
#include "shell/settings_files.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/clickable_label.h"
#include "shell/ui/comm_scan.h"
#include "shell/ui/compact_style.h"
#include "shell/ui/input_hold.h"
#include "shell/ui/list_choice_box.h"
#include "shell/ui/session_signals.h"
#include "shell/ui/splash_dialog.h"
#include "shell/ui/window_place.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kvx {

namespace {

const QColor ActiveColour(255, 0, 0);

UsbIoTransport &chooseTransport(UsbIoTransport *given, std::unique_ptr<LinuxUsbIoTransport> &own)
{
    if (given)
        return *given;
    own = std::make_unique<LinuxUsbIoTransport>();
    return *own;
}

// Text goes in at the end of the box, the caret following it.
void appendAtEnd(QPlainTextEdit *box, const QString &text)
{
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(text);
}

// A tab control of the given pages and captions; page i is named "<tab>_page<i>".
QTabWidget *tabs(const QString &name, std::initializer_list<std::pair<QWidget *, QString>> pages)
{
    auto *t = new QTabWidget;
    t->setObjectName(name);
    // Every tab shows its whole caption; none hides behind scroll arrows.
    t->setUsesScrollButtons(false);
    for (const auto &[page, caption] : pages) {
        page->setObjectName(QStringLiteral("%1_page%2").arg(name).arg(t->count()));
        // The frames stand at the top of their page, as tall as they need, unless one
        // of them takes the page's height.
        if (auto *frames = qobject_cast<QBoxLayout *>(page->layout())) {
            bool stretched = false;
            for (int i = 0; i < frames->count(); ++i)
                stretched = stretched || frames->stretch(i) > 0;
            if (!stretched)
                frames->addStretch(1);
        }
        t->addTab(page, caption);
    }
    return t;
}

// A tab page holding the given frames, top to bottom; `tall` (one of them) takes the
// page's height.
QWidget *page(std::initializer_list<QWidget *> frames, QWidget *tall = nullptr)
{
    QWidget *p = tabPage();
    auto *layout = static_cast<QBoxLayout *>(p->layout());
    for (QWidget *w : frames)
        layout->addWidget(w, w == tall ? 1 : 0);
    return p;
}

// A column of the window body.
QVBoxLayout *column(QHBoxLayout *body)
{
    auto *c = new QVBoxLayout;
    body->addLayout(c);
    return c;
}

// The areas the tutorial names by their colour, as light tints of that hue so that
// every text on them stays readable.
const QColor GreenArea(190, 232, 185);
const QColor PinkArea(250, 205, 230);
const QColor SalmonArea(250, 185, 160);
const QColor YellowArea(250, 245, 170);

// A frame on a coloured area that keeps the window's own colour.
void plainArea(QWidget *w)
{
    fillBackground(w, QApplication::palette().color(QPalette::Window));
}

// The main window as the panels and the other windows see it.
class MainWindowHost final : public PanelHost
{
public:
    explicit MainWindowHost(MainWindow &window) : m_window(window) {}
    QWidget *hostWindow() override { return &m_window; }
    PanelContext &panelContext() override { return m_window.panelContext(); }
    Link &link() override { return m_window.link(); }
    Connection &connection() override { return m_window.connection(); }
    ReceiveMonitor *receiveMonitor() const override { return m_window.receiveMonitor(); }
    ImageList &imageList() override { return m_window.imageList(); }
    int seriesOption() const override { return m_window.seriesOption(); }
    QString bitmapFolder() const override { return m_window.bitmapFolder(); }
    void setBitmapFolder(const QString &folder) override { m_window.setBitmapFolder(folder); }
    int controlValue(const QString &name) const override { return m_window.controlValue(name); }
    void PlayCommandButton_Click() override { m_window.PlayCommandButton_Click(); }
    void PauseCommandButton_Click() override { m_window.PauseCommandButton_Click(); }
    void StopCommandButton_Click() override { m_window.StopCommandButton_Click(); }
    void OpYByte_Click(int index) override { m_window.OpYByte_Click(index); }
    void showImageListWindow() override { m_window.showImageListWindow(); }

private:
    MainWindow &m_window;
};

} // namespace

MainWindow::MainWindow() : MainWindow(Options()) {}

MainWindow::MainWindow(Options options)
    : m_host(std::make_unique<MainWindowHost>(*this)), m_quietDialogs(options.dialogs ? *options.dialogs : m_qtDialogs),
      m_dialogs(&m_quietDialogs), m_encoder(&m_link, m_dialogs), m_log(m_state),
      m_usb(chooseTransport(options.usbTransport, m_ownTransport), *m_dialogs),
      m_connection(m_link, m_state, *m_dialogs, options.portFactory ? options.portFactory : Connection::PortFactory([] {
                       return std::make_unique<QtSerialPort>();
                   })),
      m_ctx(m_encoder, m_log, *m_dialogs, m_state), m_basic(m_ctx),
      m_player(m_link, m_state, *m_dialogs, [this] { return m_log.paused(); }), m_images(*m_dialogs),
      m_showSplash(options.showSplash), m_bitmapFolder(programFolder()), m_hintColour(ToolTipsOnColour)
{
    setObjectName(QStringLiteral("Form1"));
    keepInputDuringSends(this);
    // One fixed size (keepArrangedSize): it can be minimised, never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_qtDialogs.setParentWidget(this);
    keepPlaceWhenHidden(*this);
    m_state.DisplayEncoder = &m_encoder;
    m_link.setNotifier(m_dialogs);
    m_link.setUsbLink(&m_usb);
    m_log.attachLink(&m_link);
    m_connection.setUsb(&m_usb);
    connect(m_host.get(), &PanelHost::seriesOptionChanged, &m_images, &ImageList::setSeriesOption);
    connect(m_host.get(), &PanelHost::moduleChanged, this, [this] { m_images.setModuleSeri(m_encoder.moduleSeri()); });
    connect(m_host.get(), &PanelHost::settingsRestored, this, [this] {
        m_images.setLanguage(m_state.UILanguage);
        m_images.setWorkFolder(m_state.WorkFolder);
    });
    m_connection.setPortSearch([this, prober = options.portProber] {
        QtPortProber system;
        // The search stands over the window it was asked from (this one, or the export
        // window).
        QWidget *asking = QApplication::activeWindow();
        CommScan scan(prober ? *prober : system, m_state, *m_dialogs, m_connection.portText(), asking ? asking : this);
        scan.exec();
        return scan.SelectedPort();
    });
    connect(m_host.get(), &PanelHost::languageChanged, this, [this] {
        m_images.setLanguage(m_state.UILanguage);
        if (m_monitor)
            m_monitor->setLanguage(m_state.UILanguage);
    });

    m_toviTimer.setObjectName(QStringLiteral("toviTimer"));
    m_toviTimer.setInterval(5000);
    connect(&m_toviTimer, &QTimer::timeout, this, &MainWindow::toviTimer_Timer);
    m_usbTimer.setObjectName(QStringLiteral("Timer_USB"));
    m_usbTimer.setInterval(100);
    connect(&m_usbTimer, &QTimer::timeout, &m_connection, &Connection::Timer_USB_Timer);

    buildUi();
    showHintColour();
    connectLink();
    connect(&m_player, &MacroPlayer::stateChanged, this, &MainWindow::showRecorderState);
    connect(&m_connection, &Connection::changed, this, &MainWindow::syncConnection);
    connect(&m_connection, &Connection::serialPortCreated, this, &MainWindow::startMonitor);
    connect(&m_connection, &Connection::serialPortReleased, this, [this] { m_monitor.reset(); });
    setWindowTitle(QStringLiteral("KVX35P V") + m_state.VersionText);
}

MainWindow::~MainWindow() = default;

void MainWindow::setMacroEditor(MacroEditorSeam *editor)
{
    m_editor = editor;
    m_log.setInsertTarget(editor);
}

MacroEditorSeam *MainWindow::macroEditor()
{
    if (!m_editor && m_editorFactory)
        setMacroEditor(m_editorFactory());
    return m_editor;
}

void MainWindow::setMacroEditorFactory(MacroEditorFactory factory)
{
    m_editorFactory = std::move(factory);
}

void MainWindow::macroEditorUnloaded(MacroEditorSeam *editor)
{
    // Forgotten at once, so the next opening makes a new one.
    if (m_editor == editor)
        setMacroEditor(nullptr);
}

// ---------------------------------------------------------------- building

// The whole arrangement of the window. The tutorial tells the learner where controls
// stand and names some areas by their colour, so the arrangement keeps those words
// true:
// - the left half is one green area: the user-window choice and its preview, the text
//   tabs (upper left of the area), the basic codes and the font settings (lower left);
//   beside them the window modes (green), the graphic data tabs with the pink bitmap
//   file frame in the middle of the height, the download characters and the draw modes;
// - the right half: the user-window sizing with the base window's write mode at the
//   top middle, the scroll speed at the very top right; the command log across; then
//   the module, the yellow power controls in the lower middle and the screen actions
//   in the middle of the right half; connection and recording at the bottom, the ON
//   button at the lower right.
// The command panels build their frames and pages; this is the one place that decides
// where each of them stands. The window has to fit a 1366 x 768 screen in both
// languages, so everything is laid out tightly (see CompactStyle).
void MainWindow::buildUi()
{
    auto *central = new QWidget;
    setCentralWidget(central);
    createPanels();
    const FontTextPanelUi::Frames &fontText = m_fontText->frames();
    const LedTouchPanelsUi::Frames &ledTouch = m_ledTouch->frames();
    const DisplayPanelsUi::Frames &display = m_display->frames();
    const CharacterToolsUi::Frames &tools = m_tools->frames();

    auto *root = new QHBoxLayout(central);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    // ---- the green half: text and fonts, window modes and graphics
    auto *green = new QWidget;
    fillBackground(green, GreenArea);
    auto *left = new QHBoxLayout(green);
    root->addWidget(green);

    QVBoxLayout *text = column(left);
    auto *windowChoice = new QHBoxLayout;
    fillBackground(display.windowSelection, SalmonArea);
    windowChoice->addWidget(display.windowSelection);
    plainArea(display.windowLayout);
    windowChoice->addWidget(display.windowLayout, 1);
    text->addLayout(windowChoice);
    m_tab4 = tabs(QStringLiteral("SSTab4"),
                  {{fontText.textEntryPage, QStringLiteral("TEXT Entry")},
                   {fontText.dotTextPage, QStringLiteral("Text with Adrs")},
                   {fontText.asianPage, QStringLiteral("CJK Font")}});
    for (int i = 0; i < m_tab4->count(); ++i)
        fillBackground(m_tab4->widget(i), GreenArea);
    text->addWidget(m_tab4);
    QWidget *basicCodes = buildBasicCodesFrame();
    plainArea(basicCodes);
    text->addWidget(basicCodes);
    fillBackground(fontText.fontFrame, GreenArea);
    text->addWidget(fontText.fontFrame);
    text->addWidget(tools.toolRow);
    text->addStretch(1);

    QVBoxLayout *graphics = column(left);
    fillBackground(display.windowModes, GreenArea);
    graphics->addWidget(display.windowModes);
    // The two "Home" buttons that stand below the bitmap and test-pattern controls.
    auto *cursorHome = button(QStringLiteral("CmdCursorHome"), QStringLiteral("Home"));
    connect(cursorHome, &QPushButton::clicked, this, [this] { m_basic.CmdCursorHome_Click(); });
    auto *home = button(QStringLiteral("CmdHome"), QStringLiteral("Home"));
    connect(home, &QPushButton::clicked, this, [this] { m_basic.CmdHome_Click(); });
    QWidget *bitmapFiles = m_imagePanels->bitmapFiles->frame();
    fillBackground(bitmapFiles, PinkArea);
    // The bitmap file and test pattern frames take their page's height: the file
    // lists grow with it, and the pattern buttons come to the middle of the window.
    m_tab1 = tabs(QStringLiteral("SSTab1"),
                  {{page({bitmapFiles, cursorHome}, bitmapFiles), QStringLiteral("File Image")},
                   {page({m_imagePanels->memoryImages->frame()}), QStringLiteral("Memory")},
                   {page({m_imagePanels->testPatterns->frame(), home}, m_imagePanels->testPatterns->frame()),
                    QStringLiteral("Test")},
                   {buildDrawPage(), QStringLiteral("Draw")}});
    auto *graphicData = frame(QStringLiteral("BmpFrame"), QStringLiteral("Graphic Data"));
    plainArea(graphicData);
    auto *graphicDataLayout = new QVBoxLayout(graphicData);
    graphicDataLayout->setContentsMargins(2, 2, 2, 2);
    graphicDataLayout->addWidget(m_tab1);
    graphics->addWidget(graphicData, 1);
    plainArea(tools.downloadCharacter);
    graphics->addWidget(tools.downloadCharacter);
    plainArea(display.drawModes);
    graphics->addWidget(display.drawModes);

    // ---- the right half
    auto *right = new QGridLayout;
    right->setContentsMargins(4, 4, 4, 4);
    root->addLayout(right, 1);

    auto *userWindows = frame(QStringLiteral("WindowDefineFrame"), QStringLiteral("User Window Specification"));
    auto *userWindowsLayout = new QHBoxLayout(userWindows);
    userWindowsLayout->addWidget(display.writeModes, 0, Qt::AlignTop);
    userWindowsLayout->addWidget(display.userWindowSizing, 1);
    right->addWidget(userWindows, 0, 0);
    auto *corner = new QHBoxLayout;
    corner->addWidget(display.scrollSpeed, 1, Qt::AlignTop);
    corner->addLayout(buildPictures());
    right->addLayout(corner, 0, 1, Qt::AlignTop);

    right->addWidget(buildLogArea(), 1, 0, 1, 2);

    auto *power = new QVBoxLayout;
    power->addWidget(buildModelFrame());
    fillBackground(display.controls, YellowArea);
    power->addWidget(display.controls);
    power->addStretch(1);
    right->addLayout(power, 2, 0);
    m_tab3 = tabs(QStringLiteral("SSTab3"),
                  {{display.screenActionsPage, QStringLiteral("Screen Action")},
                   {ledTouch.backLightPage, QStringLiteral("Back Light")},
                   {ledTouch.animationPage, QStringLiteral("LED Animation")},
                   {ledTouch.touchPage, QStringLiteral("Touch Switch")}});
    right->addWidget(m_tab3, 2, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(buildConnectionFrame());
    bottom->addWidget(buildRecorderFrame(), 1);
    right->addLayout(bottom, 3, 0, 1, 2);
    right->setRowStretch(2, 1);

    if (auto *init = findChild<QPushButton *>(QStringLiteral("InitializeCommandButton")))
        connect(init, &QPushButton::clicked, m_tools, &CharacterToolsUi::InitializeCommandButton_Click);
    CompactStyle::apply(*this);
    keepArrangedSize();
}

void MainWindow::createPanels()
{
    // The panels' per-series state is set by the series layouts (ApplyModuleIdentity,
    // EnableRevisionBFeatures), which the model choice runs.
    m_fontText = new FontTextPanelUi(*m_host);
    connect(m_host.get(), &PanelHost::resetControlsRequested, m_fontText, &FontTextPanelUi::resetControls);
    m_ledTouch = new LedTouchPanelsUi(*m_host);
    m_display = new DisplayPanelsUi(*m_host);
    connect(m_host.get(), &PanelHost::resetControlsRequested, m_display, &DisplayPanelsUi::resetControls);
    m_tools = new CharacterToolsUi(*m_host);
    m_imagePanels = new ImagePanelsUi(*m_host);
}

QVBoxLayout *MainWindow::buildPictures()
{
    auto *pictures = new QVBoxLayout;
    auto *language = new ClickableLabel(QStringLiteral("EN / 日本語"));
    language->setObjectName(QStringLiteral("Image1"));
    language->setFrameShape(QFrame::Panel);
    language->setAlignment(Qt::AlignCenter);
    language->setCursor(Qt::PointingHandCursor);
    auto *tutor = new ClickableLabel(QStringLiteral("Tutor"));
    tutor->setObjectName(QStringLiteral("toviImage"));
    tutor->setFrameShape(QFrame::Panel);
    tutor->setAlignment(Qt::AlignCenter);
    tutor->setCursor(Qt::PointingHandCursor);
    connect(tutor, &ClickableLabel::clicked, this, &MainWindow::toviImage_Click);
    connect(language, &ClickableLabel::clicked, this, &MainWindow::Image1_Click);
    m_hint = button(QStringLiteral("HintCommandButton"), QStringLiteral("Tool Tips"));
    m_hint->setToolTip(QStringLiteral("Pop-up Help On/OFF"));
    connect(m_hint, &QPushButton::clicked, this, &MainWindow::HintCommandButton_Click);
    // The two pictures are as tall as the button under them.
    for (QLabel *picture : {static_cast<QLabel *>(language), static_cast<QLabel *>(tutor)})
        picture->setMinimumHeight(m_hint->sizeHint().height());
    pictures->addWidget(language);
    pictures->addWidget(tutor);
    pictures->addWidget(m_hint);
    return pictures;
}

// The drawing tab only tells what the tool leaves out.
QWidget *MainWindow::buildDrawPage()
{
    auto *draw = frame(QStringLiteral("DrawFrame"), QStringLiteral("Drawing"));
    auto *drawNote = new QLabel(QStringLiteral("Line and Box drawing are not supported by this tool."));
    drawNote->setObjectName(QStringLiteral("Label54"));
    drawNote->setWordWrap(true);
    (new QVBoxLayout(draw))->addWidget(drawNote);
    return page({draw});
}

QWidget *MainWindow::buildConnectionFrame()
{
    auto *g = frame(QStringLiteral("IfFrame"), QStringLiteral("Communication Settings"));
    auto *grid = new QGridLayout(g);
    auto *portLabel = new QLabel(QStringLiteral("Port"));
    portLabel->setObjectName(QStringLiteral("CommPortLabel"));
    auto *ports = new ListChoiceBox;
    m_portList = ports;
    m_portList->setObjectName(QStringLiteral("CommPortList"));
    fixListWidth(m_portList, 10);
    m_portList->addItems(Connection::portItems());
    const QStringList devices = [] {
        QStringList names;
        for (const QString &n : QDir(QStringLiteral("/dev"))
                                    .entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")}, QDir::System))
            names << n;
        return names;
    }();
    m_portList->addItems(devices);
    m_portList->addItem(QStringLiteral("USB"));
    m_portList->setCurrentText(QStringLiteral("1"));
    auto *settingsLabel = new QLabel(QStringLiteral("Settings"));
    settingsLabel->setObjectName(QStringLiteral("SendLabel"));
    auto *settings = new ListChoiceBox;
    m_settingsList = settings;
    m_settingsList->setObjectName(QStringLiteral("CommSettingsList"));
    fixListWidth(m_settingsList, 12);
    m_settingsList->addItems(m_connection.settingsItems());
    m_settingsList->setCurrentIndex(0);
    auto *on = button(QStringLiteral("cmdOnLine"), QStringLiteral("ON"));
    auto *off = button(QStringLiteral("cmdOffLine"), QStringLiteral("OFF"));
    auto *search = button(QStringLiteral("Command2"), QStringLiteral("Serch"));
    m_onLine = new QLabel(QStringLiteral("● On-line"));
    m_onLine->setObjectName(QStringLiteral("imgOnLine"));
    m_onLine->setStyleSheet(QStringLiteral("color: rgb(0, 160, 0); font-weight: bold;"));
    m_onLine->setVisible(false);
    // The indicator keeps its room while hidden, so going on-line moves nothing.
    QSizePolicy keep = m_onLine->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_onLine->setSizePolicy(keep);
    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(m_portList, 0, 1);
    grid->addWidget(search, 0, 2);
    grid->addWidget(on, 0, 3);
    grid->addWidget(settingsLabel, 1, 0);
    grid->addWidget(m_settingsList, 1, 1, 1, 2);
    grid->addWidget(off, 1, 3);
    grid->addWidget(m_onLine, 0, 4);

    connect(on, &QPushButton::clicked, this, [this] {
        m_connection.setPortText(m_portList->currentText());
        m_connection.setSettingsText(m_settingsList->currentText());
        m_connection.cmdOnLine_Click();
    });
    connect(off, &QPushButton::clicked, &m_connection, &Connection::cmdOffLine_Click);
    connect(search, &QPushButton::clicked, &m_connection, &Connection::Command2_Click);
    connect(ports, &ListChoiceBox::chosen, this, [this] {
        m_connection.setPortText(m_portList->currentText());
        m_connection.CommPortList_Click();
    });
    connect(m_portList, &QComboBox::editTextChanged, this,
            [this](const QString &text) { m_connection.setPortText(text); });
    connect(settings, &ListChoiceBox::chosen, this, [this] {
        m_connection.setSettingsText(m_settingsList->currentText());
        m_connection.CommSettingsList_Click();
    });
    connect(m_settingsList, &QComboBox::editTextChanged, this,
            [this](const QString &text) { m_connection.setSettingsText(text); });
    return g;
}

QWidget *MainWindow::buildModelFrame()
{
    auto *g = frame(QStringLiteral("ModelFrame"), QStringLiteral("Module"));
    auto *grid = new QGridLayout(g);
    m_models = new QComboBox;
    m_models->setObjectName(QStringLiteral("HinmeiList"));
    m_models->addItems(ModelList());
    m_models->setCurrentText(QLatin1String(DefaultModel));
    m_revB = new QCheckBox;
    m_revB->setObjectName(QStringLiteral("Chk_B"));
    // The box's caption is a label of its own; a click on it ticks the box as well.
    auto *revBLabel = new ClickableLabel(QStringLiteral("Rev.B"));
    revBLabel->setObjectName(QStringLiteral("Label35"));
    connect(revBLabel, &ClickableLabel::clicked, m_revB, &QCheckBox::click);
    auto *revB = new QHBoxLayout;
    revB->setSpacing(2);
    revB->addWidget(m_revB);
    revB->addWidget(revBLabel);
    grid->addWidget(m_models, 0, 0, 1, 3);
    grid->addLayout(revB, 0, 3);
    const QStringList captions = {QStringLiteral("-520x"), QStringLiteral("-521x"), QStringLiteral("-529x"),
                                  QStringLiteral("-2xxx")};
    auto *group = new QButtonGroup(g);
    for (int i = 0; i < 4; ++i) {
        m_series[i] = new QRadioButton(captions[i]);
        m_series[i]->setObjectName(QStringLiteral("OptSeries_%1").arg(i));
        group->addButton(m_series[i], i);
        grid->addWidget(m_series[i], 1, i);
    }
    m_series[0]->setChecked(true);
    connect(m_models, &QComboBox::activated, this, &MainWindow::HinmeiList_Click);
    connect(m_revB, &QCheckBox::clicked, this, &MainWindow::Chk_B_Click);
    connect(group, &QButtonGroup::idClicked, this, &MainWindow::OptSeries_Click);
    return g;
}

QWidget *MainWindow::buildRecorderFrame()
{
    auto *g = frame(QStringLiteral("RecFrame"), QStringLiteral("Code Recording"));
    auto *grid = new QGridLayout(g);
    m_rec = button(QStringLiteral("RecCommandButton"), QStringLiteral("Rec"));
    m_play = button(QStringLiteral("PlayCommandButton"), QStringLiteral("Play"));
    m_pause = button(QStringLiteral("PauseCommandButton"), QStringLiteral("Pause"));
    m_stop = button(QStringLiteral("StopCommandButton"), QStringLiteral("Stop"));
    auto *edit = button(QStringLiteral("EditCommandButton"), QStringLiteral("Edit"));
    auto *save = button(QStringLiteral("Command4"), QStringLiteral("Save"));
    auto *open = new ClickableLabel(QStringLiteral("Click here for\nSample codes of Actions."));
    open->setObjectName(QStringLiteral("Label31"));
    open->setCursor(Qt::PointingHandCursor);
    open->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192); text-decoration: underline;"));
    grid->addWidget(m_rec, 0, 0);
    grid->addWidget(m_play, 0, 1);
    grid->addWidget(m_pause, 0, 2);
    grid->addWidget(m_stop, 0, 3);
    grid->addWidget(edit, 1, 0);
    grid->addWidget(save, 1, 1);
    grid->addWidget(open, 1, 2, 1, 2);
    connect(m_rec, &QPushButton::clicked, this, &MainWindow::RecCommandButton_Click);
    connect(m_play, &QPushButton::clicked, this, &MainWindow::PlayCommandButton_Click);
    connect(m_stop, &QPushButton::clicked, this, &MainWindow::StopCommandButton_Click);
    connect(m_pause, &QPushButton::clicked, this, &MainWindow::PauseCommandButton_Click);
    connect(edit, &QPushButton::clicked, this, &MainWindow::EditCommandButton_Click);
    connect(save, &QPushButton::clicked, this, &MainWindow::Command4_Click);
    connect(open, &ClickableLabel::clicked, this, &MainWindow::Label31_Click);
    return g;
}

QWidget *MainWindow::buildLogArea()
{
    auto *w = new QWidget;
    auto *grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);
    m_sendCommandBox = new QLineEdit;
    m_sendCommandBox->setObjectName(QStringLiteral("sendCommandBox"));
    m_sendCommandBox->setReadOnly(true);
    m_sendHelpBox = new QLineEdit;
    m_sendHelpBox->setObjectName(QStringLiteral("sendHelpBox"));
    m_sendHelpBox->setReadOnly(true);
    m_sendTextBox = new QPlainTextEdit;
    m_sendTextBox->setObjectName(QStringLiteral("SendTextBox"));
    m_sendTextBox->setReadOnly(true);
    m_sendTextBox->setMaximumHeight(48);
    m_sendTextBox->setFont(fixedFont());
    auto *commandLabel = new QLabel(QStringLiteral("Command"));
    commandLabel->setObjectName(QStringLiteral("Label49"));
    grid->addWidget(commandLabel, 0, 0);
    grid->addWidget(m_sendCommandBox, 0, 1);
    grid->addWidget(label(QStringLiteral("LogHelpLabel"), QStringLiteral("OpCode")), 0, 2);
    grid->addWidget(m_sendHelpBox, 0, 3);
    grid->addWidget(label(QStringLiteral("LogSentLabel"), QStringLiteral("Sent")), 1, 0);
    grid->addWidget(m_sendTextBox, 1, 1, 1, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 3);
    connect(&m_log, &CommandLog::logged, this, [this](const QString &name, const QString &help) {
        m_sendCommandBox->setText(name);
        m_sendHelpBox->setText(help);
    });
    return w;
}

QWidget *MainWindow::buildBasicCodesFrame()
{
    auto *g = frame(QStringLiteral("BasicCodeFrame"), QStringLiteral("Basic Codes"));
    auto *grid = new QGridLayout(g);
    const QStringList captions = {QStringLiteral("Set"),       QStringLiteral("Clear"),    QStringLiteral("Cursor OFF"),
                                  QStringLiteral("Cursor ON"), QStringLiteral("Line CLR"), QStringLiteral("Clr to end"),
                                  QStringLiteral("Home"),      QStringLiteral("Tab"),      QStringLiteral("BS"),
                                  QStringLiteral("CR"),        QStringLiteral("LF")};
    auto *label = new QLabel(QStringLiteral("Cursor X-Y"));
    label->setObjectName(QStringLiteral("Label2"));
    m_cursorX = new QLineEdit(QStringLiteral("0"));
    m_cursorX->setObjectName(QStringLiteral("CursorXBox"));
    m_cursorY = new QLineEdit(QStringLiteral("0"));
    m_cursorY->setObjectName(QStringLiteral("CursorYBox"));
    auto *xUnit = new QLabel(QStringLiteral("Dots x"));
    xUnit->setObjectName(QStringLiteral("Label3"));
    auto *yUnit = new QLabel(QStringLiteral(" Byte"));
    yUnit->setObjectName(QStringLiteral("Label5"));
    auto *cursor = new QHBoxLayout;
    cursor->addWidget(label);
    cursor->addWidget(m_cursorX);
    cursor->addWidget(xUnit);
    // "Set", in bold, closes the cursor row right after the y box and its unit.
    auto *ySet = new QHBoxLayout;
    ySet->setSpacing(1);
    ySet->addWidget(m_cursorY);
    ySet->addWidget(yUnit);
    cursor->addLayout(ySet);
    grid->addLayout(cursor, 0, 0, 1, 4);
    // The other codes follow four to a row.
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = button(QStringLiteral("cmdBtn1_%1").arg(i), captions[i]);
        if (i == 0) {
            QFont bold = b->font();
            bold.setBold(true);
            b->setFont(bold);
            ySet->addWidget(b);
        } else {
            grid->addWidget(b, 1 + (i - 1) / 4, (i - 1) % 4);
        }
        connect(b, &QPushButton::clicked, this,
                [this, i] { m_basic.cmdBtn1_Click(i, m_cursorX->text(), m_cursorY->text()); });
    }
    return g;
}

void MainWindow::connectLink()
{
    connect(&m_link, &Link::sendStarted, this, [this] { m_sendTextBox->clear(); });
    connect(&m_link, &Link::commandSent, this, [this](const QByteArray &, const QString &text) {
        // What the module sent back while the command waited stays; the bytes follow it.
        appendAtEnd(m_sendTextBox, text);
        commandCompleted();
    });
}

void MainWindow::startMonitor(SerialPortIo *port)
{
    m_monitor = std::make_unique<ReceiveMonitor>(port);
    m_monitor->setLanguage(m_state.UILanguage);
    // The editor's received-data box outlives the port: the new monitor goes on
    // appending to what it shows.
    if (m_editor)
        m_monitor->keepReceivedData(m_editor->receivedDataText());
    connect(m_monitor.get(), &ReceiveMonitor::sendTextAppended, this,
            [this](const QString &text) { appendAtEnd(m_sendTextBox, text); });
    connect(m_monitor.get(), &ReceiveMonitor::receivedDataPanelNeeded, m_host.get(),
            &PanelHost::receivedDataPanelNeeded);
    connect(m_monitor.get(), &ReceiveMonitor::receivedDataChanged, m_host.get(), &PanelHost::receivedDataChanged);
    connect(m_monitor.get(), &ReceiveMonitor::touchTextAppended, m_host.get(), &PanelHost::touchTextAppended);
}

// ---------------------------------------------------------------- start-up and shut-down

void MainWindow::startUp()
{
    m_state.VersionText = QStringLiteral("3.30.3");
    setWindowTitle(QStringLiteral("KVX35P V") + m_state.VersionText);
    if (m_showSplash) {
        SplashDialog splash(windowTitle(), this);
        m_splash = &splash;
        splash.exec();
        m_splash = nullptr;
    }
    m_state.FormLoading = true;
    m_state.UILanguage = QStringLiteral("English");
    m_state.WorkFolder = programFolder();
    m_state.TutorialShown = false;
    m_state.TutorialWaiting = false;

    LoadConfig();
    if (const auto memo = loadTextMemo())
        m_state.MacroText = *memo;
    changeLamguage();

    HinmeiList_Click();

    m_connection.setPortText(m_portList->currentText());
    m_connection.setSettingsText(m_settingsList->currentText());
    m_connection.cmdOnLine_Click();

    if (m_imageList)
        m_imageList->preload();

    // What close compares with: the settings and the macro as the window took them.
    if (m_configReadInFull)
        m_configFile.took(configBytes(configSettings()));
    m_memoFile.took(textMemoBytes(m_state.MacroText));

    show();
    raise();
    activateWindow();
    m_state.FormLoading = false;
    // From here on the session holds what its end must keep (a signal before ends the
    // program as it comes: nothing has changed yet).
    endOnSessionSignals(this, [this] { endSession(); });
}

void MainWindow::endSession()
{
    m_quietDialogs.endSession();
    // A close whose question stands goes on once the question is closed.
    if (!m_askingToClose)
        close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_shutDown) {
        event->accept();
        return;
    }
    // Everything that sends stops first, so that nothing more reaches the module while
    // the files are written or the question below stands: a send under way is given up
    // at the byte in progress (its handler shows nothing more), the player stops, and
    // what still waits in the port's queue is dropped unsent.
    SendRun::cancel();
    m_player.abort();
    if (SerialPortIo *port = m_link.serialPort())
        port->discardOutput();
    // The macro being edited is what the next run should find.
    const QString macro = m_editor && m_editor->isEditorVisible() ? m_editor->editorText() : m_state.MacroText;
    const QList<FileWriteResult> failed = SaveConfig(macro);
    if (!failed.isEmpty() && !mayCloseWithout(failed)) {
        event->ignore();
        return;
    }
    m_shutDown = true;
    m_state.MacroText = macro;
    // With the port closed nothing more reaches the module (not even the line a stop
    // while paused would play).
    if (SerialPortIo *port = m_link.serialPort())
        port->close();
    if (m_tutorial)
        m_tutorial->unloadTutorial();
    if (m_imageList)
        m_imageList->unload();
    m_connection.closeUsbForShutdown();
    m_usbTimer.stop();
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool MainWindow::mayCloseWithout(const QList<FileWriteResult> &failed)
{
    // The session's macro or settings would be lost: the user may make room or save the
    // macro from the editor first; the play stays stopped. Once the session has ended,
    // nobody is there to answer: the program ends and says what was lost on standard
    // error, also when the session ends while the question stands.
    QStringList texts;
    for (const FileWriteResult &r : failed)
        texts << writeFailureMessage(r, m_state.UILanguage);
    if (!m_quietDialogs.sessionEnded()) {
        const QScopedValueRollback asking(m_askingToClose, true);
        const QString question =
            m_state.tr(QStringLiteral("Close the program anyway? What could not be saved will be lost."),
                       QStringLiteral("このまま終了しますか？保存できなかった内容は失われます。"));
        if (m_quietDialogs.unquiet().ask((texts + QStringList{question}).join(QStringLiteral("\n\n")),
                                         UserDialogs::Buttons::YesNo, UserDialogs::Icon::Warning)
            == UserDialogs::Answer::Yes)
            return true;
        if (!m_quietDialogs.sessionEnded())
            return false;
    }
    m_dialogs->message(texts.join(QStringLiteral("\n\n")), UserDialogs::Icon::Warning);
    return true;
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    // A desktop that maximises the window against its size hints gets it back in its
    // normal state.
    if (event->type() == QEvent::WindowStateChange && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        QMetaObject::invokeMethod(
            this, [this] { setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen)); },
            Qt::QueuedConnection);
}

void MainWindow::Form_Activate()
{
    m_state.ListUpdating = true;
    if (mainWindowNormal()) {
        // Back at its one size, should anything have resized it.
        if (size() != minimumSize())
            resize(minimumSize());
        m_toviTimer.stop();
    }
    m_state.ListUpdating = false;
}

// ---------------------------------------------------------------- model and series

QString MainWindow::currentModel() const
{
    return m_models->currentText();
}

bool MainWindow::revisionB() const
{
    return m_revB->isChecked();
}

void MainWindow::HinmeiList_Click()
{
    m_state.ListUpdating = true;
    m_encoder.moduleName(m_models->currentText());
    m_encoder.moduleRevB(m_revB->isChecked());
    // Other windows that follow the module (the image list) learn of it first; the
    // layouts below have the last word on every control.
    emit m_host->moduleChanged();
    if (m_display)
        m_display->DrawWindowLayout();
    ApplyModuleIdentity();
    if (m_fontText)
        m_fontText->SetupAsianFontList();
    EnableRevisionBFeatures();
    m_state.ListUpdating = false;
    if (const auto count = ledCountForModel(m_models->currentText()))
        setControlText(QStringLiteral("TxtNoOfLED"), *count);
    if (m_ledTouch)
        m_ledTouch->FillSwitchList();
    // The layout refilled lists and switched captions.
    keepArrangedSize();
}

void MainWindow::OptSeries_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    m_seriesOption = index;
    {
        const QSignalBlocker block(m_series[index]);
        m_series[index]->setChecked(true);
    }
    emit m_host->seriesOptionChanged(index);
}

void MainWindow::OpYByte_Click(int index)
{
    if (index < 0 || index > 1)
        return;
    m_yUnit = index;
    emit m_host->yUnitChanged(index);
}

// ---------------------------------------------------------------- series layouts

void MainWindow::ApplyModuleIdentity()
{
    const ModuleIdentityView identity = moduleIdentityView(m_encoder);
    if (identity.olderSeries)
        SetupOlderSeriesLayout();
    else
        SetupNewerSeriesLayout();
    setControlText(QStringLiteral("Text4"), identity.dotWidth);
    setControlText(QStringLiteral("Text5"), identity.dotHeight);
}

void MainWindow::SetupOlderSeriesLayout()
{
    applyLayout(olderSeriesLayout(layoutInputs()));
}

void MainWindow::SetupNewerSeriesLayout()
{
    applyLayout(newerSeriesLayout(layoutInputs()));
}

void MainWindow::EnableRevisionBFeatures()
{
    applyRevisionB(revisionBFeatures(m_encoder.moduleSeri(), m_yUnit));
}

LayoutInputs MainWindow::layoutInputs() const
{
    LayoutInputs in;
    in.moduleSeri = m_encoder.moduleSeri();
    in.dotWidth = m_encoder.moduleDotX();
    in.dotHeight = m_encoder.moduleDotY();
    in.uiLanguage = m_state.UILanguage;
    in.windowTitle = windowTitle();
    if (auto *c = qobject_cast<QComboBox *>(ownControl(QStringLiteral("CharacterCodeList"))))
        in.codeTableText = c->currentText();
    if (auto *c = qobject_cast<QComboBox *>(ownControl(QStringLiteral("MagunifiedList"))))
        in.magnificationText = c->currentText();
    in.seriesOption = m_seriesOption;
    return in;
}

QWidget *MainWindow::ownControl(const QString &name) const
{
    // Windows the main window owns (the tutorial, the macro editor) have controls of
    // the same names.
    const QList<QWidget *> found = findChildren<QWidget *>(name);
    for (QWidget *w : found)
        if (w->window() == this)
            return w;
    return nullptr;
}

void MainWindow::setControlText(const QString &name, const QString &text)
{
    QWidget *w = ownControl(name);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *c = qobject_cast<QComboBox *>(w))
        c->setCurrentText(text);
}

namespace {

void fillList(QComboBox *list, const ListFill &fill)
{
    if (!list)
        return;
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(fill.items);
    list->setCurrentIndex(fill.index);
}

void choose(QWidget *option, bool checked = true)
{
    if (auto *b = qobject_cast<QAbstractButton *>(option))
        b->setChecked(checked);
}

QString member(const QString &name, int index)
{
    return QStringLiteral("%1_%2").arg(name).arg(index);
}

} // namespace

void MainWindow::applyLayout(const SeriesLayoutPlan &plan)
{
    // Changes of values run the controls' own change handlers (the LED count and the
    // duty boxes keep their twins in step); nothing here sends.
    for (const ControlFlag &f : plan.enabled)
        if (QWidget *w = ownControl(f.name))
            w->setEnabled(f.on);
    if (plan.seriesOptionClick >= 0)
        OptSeries_Click(plan.seriesOptionClick);
    if (plan.clearDutyAdjust) {
        choose(ownControl(member(QStringLiteral("chkDutyAdjust"), 0)), false);
        choose(ownControl(member(QStringLiteral("chkDutyAdjust"), 1)), false);
    }
    if (plan.chooseRgb)
        choose(ownControl(QStringLiteral("OptRGB")));
    choose(ownControl(member(QStringLiteral("OptAction"), plan.actionOption)));
    if (auto *bright = qobject_cast<QAbstractSlider *>(ownControl(QStringLiteral("BrightSlider")))) {
        // Moving the slider's end is not a brightness the user chose.
        const QSignalBlocker block(bright);
        bright->setMinimum(plan.brightMinimum);
    }
    for (const PresetText &t : plan.texts)
        setControlText(t.name, t.text);
    // The download-character editor shows the grid of the chosen size.
    if (auto *size =
            qobject_cast<QAbstractButton *>(ownControl(member(QStringLiteral("FontSizeOption"), plan.fontSizeOption))))
        size->click();
    setWindowTitle(plan.windowTitle);
    fillList(qobject_cast<QComboBox *>(ownControl(QStringLiteral("MagunifiedList"))), plan.magnification);
    fillList(qobject_cast<QComboBox *>(ownControl(QStringLiteral("CharacterCodeList"))), plan.codeTables);
    fillList(qobject_cast<QComboBox *>(ownControl(QStringLiteral("ListSize"))), plan.fontSizes);

    if (m_tutorial)
        m_tutorial->setSeriesLayout(plan.tutorCaption, plan.tutorTopics);
}

void MainWindow::applyRevisionB(const RevisionBPlan &plan)
{
    for (const ControlFlag &f : plan.enabled)
        if (QWidget *w = ownControl(f.name))
            w->setEnabled(f.on);
    m_tab4->setTabEnabled(1, plan.dotTextTab);
    if (plan.yUnitClick >= 0)
        OpYByte_Click(plan.yUnitClick);
}

// ---------------------------------------------------------------- settings files

void MainWindow::LoadConfig()
{
    const ConfigRead read = loadConfig();
    m_configReadInFull = read.readInFull();
    if (read.port) {
        const QSignalBlocker block(m_portList);
        m_portList->setCurrentText(*read.port);
    }
    if (read.portSettings) {
        const QSignalBlocker block(m_settingsList);
        m_settingsList->setCurrentText(*read.portSettings);
    }
    if (read.model) {
        const QSignalBlocker block(m_models);
        m_models->setCurrentText(*read.model);
    }
    if (read.hintColour) {
        setHintColour(*read.hintColour);
        SetToolTips();
    }
    if (read.series)
        OptSeries_Click(*read.series);
    // A folder that no longer exists keeps the default.
    if (read.bitmapFolder && QFileInfo(*read.bitmapFolder).isDir()) {
        m_bitmapFolder = *read.bitmapFolder;
        m_state.WorkFolder = *read.bitmapFolder;
    }
    if (read.revisionB && *read.revisionB != m_revB->isChecked()) {
        m_revB->setChecked(*read.revisionB);
        Chk_B_Click();
    }
    const std::optional<QString> localeLanguage = systemLocaleLanguageName();
    // A first start on a Japanese desktop asks in Japanese, with Japanese buttons; the
    // language run that follows puts Qt's texts in the language chosen.
    m_qtTexts.follow(localeLanguage.value_or(QString()));
    m_state.UILanguage = decideLanguage(read.language, localeLanguage, *m_dialogs);
    emit m_host->settingsRestored();
}

ConfigSettings MainWindow::configSettings() const
{
    ConfigSettings s;
    s.port = m_portList->currentText();
    s.portSettings = m_settingsList->currentText();
    s.model = m_models->currentText();
    s.hintColour = m_hintColour;
    s.series = m_seriesOption;
    s.bitmapFolder = m_bitmapFolder;
    s.revisionB = m_revB->isChecked();
    s.language = m_state.UILanguage;
    return s;
}

QList<FileWriteResult> MainWindow::SaveConfig(const QString &macroText)
{
    QList<FileWriteResult> failed;
    for (const FileWriteResult &r : {m_configFile.write(configPath(), configBytes(configSettings())),
                                     m_memoFile.write(textMemoPath(), textMemoBytes(macroText))})
        if (!r.ok)
            failed << r;
    return failed;
}

// ---------------------------------------------------------------- connection

void MainWindow::syncConnection()
{
    m_onLine->setVisible(m_connection.indicatorVisible());
    if (m_connection.usbWatchEnabled() && !m_usbTimer.isActive())
        m_usbTimer.start();
    else if (!m_connection.usbWatchEnabled())
        m_usbTimer.stop();
    if (m_portList->currentText() != m_connection.portText()) {
        const QSignalBlocker block(m_portList);
        m_portList->setCurrentText(m_connection.portText());
    }
    QStringList items;
    for (int i = 0; i < m_settingsList->count(); ++i)
        items << m_settingsList->itemText(i);
    const QSignalBlocker block(m_settingsList);
    if (items != m_connection.settingsItems()) {
        m_settingsList->clear();
        m_settingsList->addItems(m_connection.settingsItems());
    }
    m_settingsList->setCurrentText(m_connection.settingsText());
    m_settingsList->setEnabled(m_connection.settingsEnabled());
}

// ---------------------------------------------------------------- recorder

void MainWindow::showRecorderState()
{
    showFaceColour(m_rec, m_log.recording() ? ActiveColour : QColor());
    showFaceColour(m_pause, m_log.paused() ? ActiveColour : QColor());
    showFaceColour(m_play, m_player.playButtonActive() ? ActiveColour : QColor());
}

void MainWindow::RecCommandButton_Click()
{
    // Recording ends a play (after its current line).
    if (m_player.playButtonActive())
        m_player.stop();
    m_log.setRecording(true);
    showRecorderState();
}

void MainWindow::StopCommandButton_Click()
{
    // The player sees the stop before the pause is released: stopped while paused, it
    // plays the next line, then stops.
    m_player.stop();
    m_log.setRecording(false);
    m_log.setPaused(false);
    m_player.pauseChanged();
    showRecorderState();
}

void MainWindow::PlayCommandButton_Click()
{
    if (m_editor && m_editor->isEditorVisible())
        m_state.MacroText = m_editor->editorText();
    if (!m_player.play(m_state.MacroText))
        return;
    m_log.setRecording(false);
    showRecorderState();
}

void MainWindow::PauseCommandButton_Click()
{
    m_log.setPaused(!m_log.paused());
    m_player.pauseChanged();
    showRecorderState();
}

void MainWindow::EditCommandButton_Click()
{
    m_toviTimer.stop();
    MacroEditorSeam *editor = macroEditor();
    if (!editor)
        return;
    if (!editor->isEditorVisible())
        editor->setEditorText(m_state.MacroText);
    editor->showEditor();
}

void MainWindow::Command4_Click()
{
    MacroEditorSeam *editor = macroEditor();
    if (!editor)
        return;
    // Save what was recorded, not what the hidden editor held before.
    if (!editor->isEditorVisible())
        editor->setEditorText(m_state.MacroText);
    editor->saveCommand();
}

void MainWindow::Label31_Click()
{
    m_toviTimer.stop();
    MacroEditorSeam *editor = macroEditor();
    if (!editor)
        return;
    if (!editor->isEditorVisible()) {
        editor->setEditorText(m_state.MacroText);
        editor->showEditor();
    }
    m_state.WorkFolder = programFolder();
    editor->loadCommand();
    editor->showEditor();
}

void MainWindow::showImageListWindow()
{
    if (m_imageList)
        m_imageList->showWindow();
}

// ---------------------------------------------------------------- what the tutorial reads

bool MainWindow::mainWindowNormal() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

QWidget *MainWindow::namedWidget(const QString &name, int index) const
{
    return findChild<QWidget *>(index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index));
}

QString MainWindow::caption(const QString &name, int index) const
{
    QString text;
    if (auto *t = findChild<QTabWidget *>(name); t && index >= 0)
        text = t->tabText(index);
    else if (auto *w = namedWidget(name, index)) {
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            text = b->text();
        else if (auto *l = qobject_cast<QLabel *>(w))
            text = l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            text = g->title();
    }
    return text.remove(QLatin1Char('&'));
}

QString MainWindow::boxText(const QString &name) const
{
    QWidget *w = findChild<QWidget *>(name);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        return p->toPlainText();
    if (auto *t = qobject_cast<QTextEdit *>(w))
        return t->toPlainText();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    return QString();
}

void MainWindow::setBoxText(const QString &name, const QString &text)
{
    QWidget *w = findChild<QWidget *>(name);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        p->setPlainText(text);
    else if (auto *t = qobject_cast<QTextEdit *>(w))
        t->setPlainText(text);
    else if (auto *c = qobject_cast<QComboBox *>(w))
        c->setCurrentText(text);
}

int MainWindow::listIndex(const QString &name) const
{
    QWidget *w = findChild<QWidget *>(name);
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentIndex();
    // Any list view, a file list over a file-system model included.
    if (auto *v = qobject_cast<QAbstractItemView *>(w))
        return v->currentIndex().isValid() ? v->currentIndex().row() : -1;
    return -1;
}

QString MainWindow::listEntry(const QString &name) const
{
    QWidget *w = findChild<QWidget *>(name);
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentIndex() >= 0 ? c->itemText(c->currentIndex()) : QString();
    if (auto *v = qobject_cast<QAbstractItemView *>(w))
        return v->currentIndex().isValid() ? v->currentIndex().data(Qt::DisplayRole).toString() : QString();
    return QString();
}

int MainWindow::controlValue(const QString &name) const
{
    if (auto *s = findChild<QAbstractSlider *>(name))
        return s->value();
    if (auto *b = findChild<QAbstractSpinBox *>(name))
        return b->text().toInt();
    return 0;
}

bool MainWindow::isChecked(const QString &name, int index) const
{
    if (auto *b = qobject_cast<QAbstractButton *>(namedWidget(name, index)))
        return b->isChecked();
    return false;
}

// ---------------------------------------------------------------- tutorial hooks

void MainWindow::toviImage_Click()
{
    if (m_state.TutorialShown) {
        if (m_tutorial)
            m_tutorial->hideTutorial();
        m_state.TutorialShown = false;
        m_state.TutorialWaiting = false;
        m_toviTimer.stop();
    } else {
        // Shown first, so the tutorial's own start sees the flags it sets.
        if (m_tutorial)
            m_tutorial->showTutorial();
        m_state.TutorialShown = true;
        m_state.TutorialWaiting = true;
    }
    raise();
}

void MainWindow::toviTimer_Timer()
{
    m_toviTimer.stop();
    // A tick left over from a tutorial that was closed or aborted shows nothing.
    if (m_state.TutorialShown && m_tutorial)
        m_tutorial->showTutorial();
}

void MainWindow::commandCompleted()
{
    if (!m_state.TutorialWaiting)
        return;
    m_toviTimer.stop();
    if (m_tutorial)
        m_tutorial->showTutorial();
}

// ---------------------------------------------------------------- languages and tool tips

void MainWindow::Image1_Click()
{
    m_state.UILanguage = toggledLanguage(m_state.UILanguage);
    changeLamguage();
}

void MainWindow::changeLamguage()
{
    const bool japanese = isJapanese(m_state.UILanguage);
    // Qt's own texts first: the windows it re-translates (message boxes, file dialogs)
    // are Qt's, and none of the program's captions passes through its catalogue.
    m_qtTexts.follow(m_state.UILanguage);
    // Lists whose items depend on the language come first.
    if (m_display)
        m_display->setPowerOffTimer();
    if (m_fontText)
        m_fontText->SetupAsianFontList();
    applyCaptionFonts(*this, japanese);
    if (m_ledTouch) {
        m_ledTouch->FillSwitchList();
        // The transmit-mode list (keeping its choice) and the touch-parameter window.
        m_ledTouch->languageChanged();
    }
    for (const ControlText &entry : captionTable())
        applyControlText(*this, entry, japanese);
    for (const ControlText &entry : ownCaptionTable())
        applyControlText(*this, entry, japanese);
    // The title's series suffix is in the interface language too.
    setWindowTitle(layoutWindowTitle(windowTitle(), isOlderSeries(m_encoder.moduleSeri()), m_state.UILanguage));
    SetToolTips();
    emit m_host->languageChanged();
    keepArrangedSize();
}

void MainWindow::keepArrangedSize()
{
    // Every size worked out afresh for what the window shows now; that is the size it
    // opens at, and its border cannot change it.
    CompactStyle::refreshSizes(*this);
    setFixedSize(minimumSizeHint());
}

void MainWindow::SetToolTips()
{
    if (!toolTipsOn(m_hintColour)) {
        for (const ControlRef &c : toolTipOffList())
            setControlToolTip(*this, c, QString());
        return;
    }
    const bool japanese = isJapanese(m_state.UILanguage);
    for (const ToolTipText &t : toolTipTable())
        setControlToolTip(*this, {QString::fromLatin1(t.name), t.index}, t.text(japanese));
}

void MainWindow::HintCommandButton_Click()
{
    setHintColour(nextHintColour(m_hintColour));
    SetToolTips();
}

void MainWindow::setHintColour(qint32 colour)
{
    m_hintColour = colour;
    showHintColour();
}

void MainWindow::showHintColour()
{
    if (!m_hint)
        return;
    // A stored colour is 0x00BBGGRR; a value with the top bit set names a system colour,
    // shown as the ordinary button face.
    const auto c = quint32(m_hintColour);
    showFaceColour(m_hint,
                   m_hintColour < 0 ? QColor() : QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
}

} // namespace kvx
