#include "panels/ui/display_panels_ui.h"
#include "shell/ui/named_widgets.h"

#include "link/vx5200.h"
#include "panels/ui/user_win_dialog.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/ui/clickable_label.h"
#include "shell/ui/panel_host.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace kvx {

namespace {

// The colour of each user window: its preview outline, label and selection option.
const QColor WindowColours[4] = {QColor(255, 128, 0), QColor(0, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)};
// The same colours lightened halfway to white, behind black text.
const QColor WindowTints[4] = {QColor(255, 191, 128), QColor(128, 255, 128), QColor(128, 255, 255),
                               QColor(255, 128, 255)};

// The colours that show the reverse mode and the display power.
const QColor ActiveColour(255, 128, 128);   // reverse on; display on
const QColor PowerOffColour(128, 128, 128); // display off
const QColor TimedOffColour(255, 255, 1);   // display switching itself off

// The number boxes of these panels are narrow.
QLineEdit *numberBox(const QString &name, const QString &text)
{
    QLineEdit *e = box(name, text);
    e->setMaximumWidth(60);
    return e;
}

// A number box that stands among words and always shows three digits.
QLineEdit *valueBox(const QString &name, const QString &text)
{
    QLineEdit *e = numberBox(name, text);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    return e;
}

// A screen action that reads as two lines, its start button at the end of the second.
void twoLines(QGroupBox *frame, std::initializer_list<QWidget *> first, std::initializer_list<QWidget *> second,
              QPushButton *start)
{
    const auto line = [](std::initializer_list<QWidget *> widgets) {
        auto *row = new QHBoxLayout;
        for (QWidget *w : widgets)
            row->addWidget(w);
        row->addStretch(1);
        return row;
    };
    auto *grid = new QGridLayout(frame);
    grid->addLayout(line(first), 0, 0);
    grid->addLayout(line(second), 1, 0);
    grid->addWidget(start, 1, 1);
}

} // namespace

// ---------------------------------------------------------------- preview

WindowLayoutView::WindowLayoutView(const VX5200 &encoder, const UserWindowsPanel &windows, QWidget *parent)
    : QWidget(parent), m_encoder(encoder), m_windows(windows)
{
    setObjectName(QStringLiteral("WindowLayoutView"));
    setMinimumSize(120, 60);
}

void WindowLayoutView::paintEvent(QPaintEvent *)
{
    const WindowLayout layout =
        windowLayout(QSizeF(size()), m_encoder.moduleDotX(), m_encoder.moduleDotY(), m_windows.layoutWindows());
    if (!layout.drawn)
        return;
    QPainter p(this);
    auto outline = [&](const QRectF &r, const QColor &colour, bool current, const QString &text) {
        p.setPen(QPen(colour, current ? 3 : 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        p.drawText(r, Qt::AlignCenter, text);
    };
    outline(layout.base, palette().color(QPalette::WindowText), m_windows.currentWindow() == 0, m_windows.label(0));
    for (int i = 0; i < 4; ++i) {
        if (layout.shown[size_t(i)])
            outline(layout.windows[size_t(i)], WindowColours[i], m_windows.currentWindow() == i + 1,
                    m_windows.label(i + 1));
    }
}

// ---------------------------------------------------------------- building

DisplayPanelsUi::DisplayPanelsUi(PanelHost &host)
    : QObject(host.hostWindow()), m_host(host), m_windows(host.panelContext()), m_modes(host.panelContext(), m_windows),
      m_actions(host.panelContext()), m_power(host.panelContext())
{
    setObjectName(QStringLiteral("DisplayPanelsUi"));
    m_frames = {buildScreenActions(), buildUserWindowSizing(), buildWindowSelection(),
                buildWindowLayout(),  buildWindowModes(),      buildScrollSpeed(),
                buildDrawModes(),     buildWriteModes(),       buildControls()};

    m_windows.DrawWindowLayout = [this] { showUserWindows(); };
    setPowerOffTimer();
    showUserWindows();
    showModes();
    showPower();
}

DisplayPanelsUi::~DisplayPanelsUi()
{
    m_windows.DrawWindowLayout = nullptr;
}

QWidget *DisplayPanelsUi::buildUserWindowSizing()
{
    auto *sizing = frame(QStringLiteral("UserWindowFrame"), QStringLiteral("User Window Sizing"));
    auto *grid = new QGridLayout(sizing);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    grid->addWidget(label(QStringLiteral("Label14"), QStringLiteral("Enable")), 0, 0, 1, 2);
    const char *heads[4] = {"Label16", "Label13", "Label17", "Label18"};
    const char *headTexts[4] = {"Left", "Top", "Width", "Height"};
    const char *units[4] = {"Label12", "Label19", "Label20", "Label21"};
    const char *unitTexts[4] = {"Dots", "Bytes", "Dots", "Bytes"};
    for (int b = 0; b < 4; ++b) {
        grid->addWidget(label(QLatin1String(heads[b]), QLatin1String(headTexts[b])), 0, b + 2);
        grid->addWidget(label(QLatin1String(units[b]), QLatin1String(unitTexts[b])), 1, b + 2);
    }
    const char *boxNames[4] = {"UserWindowLeftBox", "UserWindowTopBox", "UserWindowWidthBox", "UserWindowHeightBox"};
    for (int i = 0; i < 4; ++i) {
        auto *number = label(QStringLiteral("Label15_%1").arg(i), QString::number(i + 1));
        number->setAlignment(Qt::AlignCenter);
        QFont f = number->font();
        f.setPointSize(7);
        number->setFont(f);
        grid->addWidget(number, i + 2, 0);
        m_regist[size_t(i)] = new QCheckBox;
        m_regist[size_t(i)]->setObjectName(QStringLiteral("UserWindowRegistCheck_%1").arg(i));
        // Room around the box for its row's colour to show.
        m_regist[size_t(i)]->setMinimumSize(22, 20);
        grid->addWidget(m_regist[size_t(i)], i + 2, 1);
        // Each row's number and Enable box carry its window's colour, as the
        // selection options and the preview do.
        fillBackground(number, WindowTints[i]);
        fillBackground(m_regist[size_t(i)], WindowTints[i]);
        connect(m_regist[size_t(i)], &QCheckBox::clicked, this, [this, i](bool ticked) {
            m_windows.UserWindowRegistCheck_Click(i, ticked);
            showUserWindows();
        });
        for (int b = 0; b < 4; ++b) {
            QLineEdit *e = numberBox(QStringLiteral("%1_%2").arg(QLatin1String(boxNames[b])).arg(i), QString());
            e->installEventFilter(this);
            m_boxes[size_t(i)][size_t(b)] = e;
            grid->addWidget(e, i + 2, b + 2);
            connect(e, &QLineEdit::textEdited, this, [this, i, b](const QString &text) {
                m_windows.UserWindowBox_Change(i, UserWindowsPanel::Box(b), text);
                showUserWindows();
            });
        }
    }
    return sizing;
}

QWidget *DisplayPanelsUi::buildWindowSelection()
{
    auto *selection = frame(QStringLiteral("WindowSelectFrame"), QStringLiteral("User Window Selection"));
    auto *selLayout = new QVBoxLayout(selection);
    auto *group = new QButtonGroup(selection);
    for (int i = 0; i < 5; ++i) {
        auto *r = new QRadioButton(i == 0 ? QStringLiteral("Base") : QStringLiteral("User%1").arg(i));
        r->setObjectName(QStringLiteral("WindowSelectOption_%1").arg(i));
        QFont f = r->font();
        f.setPointSize(8);
        r->setFont(f);
        if (i > 0)
            r->setStyleSheet(QStringLiteral("color: %1;").arg(WindowColours[i - 1].name()));
        group->addButton(r, i);
        selLayout->addWidget(r);
        m_select[size_t(i)] = r;
        connect(r, &QRadioButton::clicked, this, [this, i] {
            m_windows.WindowSelectOption_Click(i);
            showUserWindows();
        });
    }
    selLayout->addStretch(1);
    return selection;
}

QWidget *DisplayPanelsUi::buildWindowLayout()
{
    auto *layoutFrame = frame(QStringLiteral("WindowLayoutFrame"), QStringLiteral("Window Layout"));
    auto *layoutBox = new QVBoxLayout(layoutFrame);
    layoutBox->setContentsMargins(2, 2, 2, 2);
    m_preview = new WindowLayoutView(m_host.encoder(), m_windows);
    layoutBox->addWidget(m_preview);
    return layoutFrame;
}

QWidget *DisplayPanelsUi::buildWindowModes()
{
    auto *g = frame(QStringLiteral("WindowModeFrame"), QStringLiteral("Windows Action Selection"));
    auto *grid = new QGridLayout(g);
    const QString captions[4] = {QStringLiteral("Over"), QStringLiteral("V Scroll"), QStringLiteral("H Scroll"),
                                 QStringLiteral("H Scrl Ready")};
    // Over, V Scroll and H Scroll side by side in the upper row; H Scrl Ready, which
    // only revision-B modules know, below them at the right.
    for (int i = 0; i < 4; ++i) {
        m_windowMode[size_t(i)] = button(QStringLiteral("WindowModeCommandButton_%1").arg(i), captions[i]);
        if (i < 3)
            grid->addWidget(m_windowMode[size_t(i)], 0, i);
        else
            grid->addWidget(m_windowMode[size_t(i)], 1, 2, 1, 2);
        connect(m_windowMode[size_t(i)], &QPushButton::clicked, this, [this, i] {
            m_modes.WindowModeCommandButton_Click(i);
            showUserWindows();
        });
    }
    for (int column = 0; column < 4; ++column)
        grid->setColumnStretch(column, 1);
    // Room under the upper row, so that it stands clearly in the frame's upper half.
    grid->setVerticalSpacing(8);
    grid->setContentsMargins(4, 4, 4, 8);
    return g;
}

QWidget *DisplayPanelsUi::buildScrollSpeed()
{
    auto *speed = new QWidget;
    speed->setObjectName(QStringLiteral("ScrollSpeedArea"));
    auto *grid = new QGridLayout(speed);
    grid->setContentsMargins(0, 0, 0, 0);
    auto *down = new ClickableLabel(QStringLiteral("<"));
    down->setObjectName(QStringLiteral("Label37"));
    auto *up = new ClickableLabel(QStringLiteral(">"));
    up->setObjectName(QStringLiteral("Label38"));
    m_scrollSpeed = new QSlider(Qt::Horizontal);
    m_scrollSpeed->setObjectName(QStringLiteral("WindowScrollSlider"));
    m_scrollSpeed->setRange(WindowModesPanel::SpeedMinimum, WindowModesPanel::SpeedMaximum);
    m_scrollSpeed->setTracking(false);
    m_scrollSpeed->setValue(WindowModesPanel::SpeedMinimum);
    // The caption over the slider, the unit under its right end.
    grid->addWidget(label(QStringLiteral("Label23"), QStringLiteral("Horiz. Scroll Speed")), 0, 0, 1, 3);
    grid->addWidget(down, 1, 0);
    grid->addWidget(m_scrollSpeed, 1, 1);
    grid->addWidget(up, 1, 2);
    grid->addWidget(label(QStringLiteral("Label24"), QStringLiteral("(n-1)xT mS/dots")), 2, 0, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    connect(m_scrollSpeed, &QSlider::valueChanged, this, [this](int v) { m_modes.WindowScrollSlider_Change(v); });
    connect(down, &ClickableLabel::clicked, this, [this] {
        m_modes.Label37_Click();
        setWindowScrollSlider(m_modes.scrollSpeed());
    });
    connect(up, &ClickableLabel::clicked, this, [this] {
        m_modes.Label38_Click();
        setWindowScrollSlider(m_modes.scrollSpeed());
    });
    return speed;
}

QWidget *DisplayPanelsUi::buildDrawModes()
{
    auto *g = frame(QStringLiteral("DrawModeFrame"), QStringLiteral("Drawing Mode"));
    auto *grid = new QGridLayout(g);
    auto *group = new QButtonGroup(g);
    const QString captions[4] = {QStringLiteral("OVER"), QStringLiteral("OR"), QStringLiteral("AND"),
                                 QStringLiteral("EX-OR")};
    for (int i = 0; i < 4; ++i) {
        auto *r = new QRadioButton(captions[i]);
        r->setObjectName(QStringLiteral("DrawModeOption_%1").arg(i));
        group->addButton(r, i);
        grid->addWidget(r, i / 2, i % 2);
        m_drawMode[size_t(i)] = r;
        connect(r, &QRadioButton::clicked, this, [this, i, r] { m_modes.DrawModeOption_Click(i, r->text()); });
    }
    m_drawMode[0]->setChecked(true);
    m_reverse = button(QStringLiteral("ReverseCommandButton"), QStringLiteral("Reverse"));
    grid->addWidget(m_reverse, 2, 0, 1, 2);
    connect(m_reverse, &QPushButton::clicked, this, [this] {
        m_modes.ReverseCommandButton_Click();
        showModes();
    });
    return g;
}

QWidget *DisplayPanelsUi::buildWriteModes()
{
    auto *g = frame(QStringLiteral("BaseWindowWriteModeFrame"), QStringLiteral("Base Window Definition"));
    auto *v = new QVBoxLayout(g);
    auto *group = new QButtonGroup(g);
    const QString captions[2] = {QStringLiteral("Display Screen"), QStringLiteral("All Memory")};
    for (int i = 0; i < 2; ++i) {
        auto *r = new QRadioButton(captions[i]);
        r->setObjectName(QStringLiteral("BaseWindowWriteModeOption_%1").arg(i));
        group->addButton(r, i);
        v->addWidget(r);
        m_writeMode[size_t(i)] = r;
        connect(r, &QRadioButton::clicked, this,
                [this, i, r] { m_modes.BaseWindowWriteModeOption_Click(i, r->text()); });
    }
    m_writeMode[0]->setChecked(true);
    return g;
}

QWidget *DisplayPanelsUi::buildControls()
{
    auto *g = frame(QStringLiteral("ControlFrame"), QStringLiteral("Power Controls"));
    auto *v = new QVBoxLayout(g);
    auto *h = new QHBoxLayout;
    auto *init = button(QStringLiteral("InitializeCommandButton"), QStringLiteral("Initialize"));
    h->addWidget(init);
    // The module initialisation (and the reset of every panel) is wired by the window.
    h->addWidget(label(QStringLiteral("Label1"), QStringLiteral("Brightness")));
    m_bright = new QSlider(Qt::Horizontal);
    m_bright->setObjectName(QStringLiteral("BrightSlider"));
    m_bright->setRange(1, PowerPanel::BrightMaximum);
    m_bright->setValue(PowerPanel::BrightMaximum);
    m_bright->setTracking(false);
    m_bright->setPageStep(1);
    m_bright->setTickPosition(QSlider::TicksBelow);
    h->addWidget(m_bright, 1);
    connect(m_bright, &QSlider::valueChanged, this, [this](int n) { m_power.BrightSlider_Change(n); });
    v->addLayout(h);
    // The screen saver is one of the display's power controls.
    v->addWidget(buildScreenSaver());
    return g;
}

QWidget *DisplayPanelsUi::buildScreenSaver()
{
    auto *g = frame(QStringLiteral("ScreenSaverFrame"), QStringLiteral("ScreenSaver"));
    auto *grid = new QGridLayout(g);
    auto *fullOn = button(QStringLiteral("FullOnCommandButton"), QStringLiteral("All On"));
    auto *fullOff = button(QStringLiteral("FullOffCommandButton"), QStringLiteral("All Off"));
    auto *reverse4 = button(QStringLiteral("Reverse4CommandButton"), QStringLiteral("Reverse "));
    m_dispPower = button(QStringLiteral("DispPowerCommandButton"), QStringLiteral("Power"));
    QFont f = m_dispPower->font();
    f.setPointSize(7);
    m_dispPower->setFont(f);
    auto *cancel = button(QStringLiteral("ScreenSaverCancelCommandButton"), QStringLiteral("Cancel"));
    auto *timerLabel = label(QStringLiteral("Label39"), QStringLiteral("Timer"));
    m_offTimer = new QComboBox;
    m_offTimer->setObjectName(QStringLiteral("ListOffTimer"));
    grid->addWidget(fullOn, 0, 0);
    grid->addWidget(fullOff, 0, 1);
    grid->addWidget(reverse4, 0, 2);
    grid->addWidget(m_dispPower, 1, 0);
    grid->addWidget(cancel, 1, 1);
    auto *timer = new QHBoxLayout;
    timer->addWidget(timerLabel);
    timer->addWidget(m_offTimer, 1);
    grid->addLayout(timer, 1, 2);
    connect(fullOn, &QPushButton::clicked, this, [this] { m_power.FullOnCommandButton_Click(); });
    connect(fullOff, &QPushButton::clicked, this, [this] { m_power.FullOffCommandButton_Click(); });
    connect(reverse4, &QPushButton::clicked, this, [this] { m_power.Reverse4CommandButton_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_power.ScreenSaverCancelCommandButton_Click();
        showPower();
    });
    connect(m_dispPower, &QPushButton::clicked, this, [this] {
        m_power.DispPowerCommandButton_Click(m_offTimer->isEnabled(), m_offTimer->currentText());
        showPower();
    });
    return g;
}

QWidget *DisplayPanelsUi::buildScreenActions()
{
    QWidget *page = tabPage();
    auto *wait = frame(QStringLiteral("WaitFrame"), QStringLiteral("Delay"));
    auto *wl = new QGridLayout(wait);
    m_waitSlider = new QSlider(Qt::Horizontal);
    m_waitSlider->setObjectName(QStringLiteral("WaitSlider"));
    m_waitSlider->setRange(ScreenActionsPanel::WaitMinimum, ScreenActionsPanel::WaitMaximum);
    m_waitSlider->setValue(ScreenActionsPanel::WaitStart);
    m_waitLabel = label(QStringLiteral("Label40"), QString::number(ScreenActionsPanel::WaitStart));
    auto *shorter = button(QStringLiteral("Shorter"), QStringLiteral("Short"));
    auto *longer = button(QStringLiteral("Longer"), QStringLiteral(">Long"));
    auto *waitStart = button(QStringLiteral("WaitCommandButton"), QStringLiteral("Start"));
    wl->addWidget(shorter, 0, 0);
    wl->addWidget(m_waitSlider, 0, 1);
    wl->addWidget(longer, 0, 2);
    wl->addWidget(m_waitLabel, 0, 3);
    wl->addWidget(waitStart, 0, 4);
    connect(m_waitSlider, &QSlider::valueChanged, m_waitLabel,
            [this](int v) { m_waitLabel->setText(QString::number(v)); });
    connect(shorter, &QPushButton::clicked, this,
            [this] { m_waitSlider->setValue(ScreenActionsPanel::Shorter_Click(m_waitSlider->value())); });
    connect(longer, &QPushButton::clicked, this,
            [this] { m_waitSlider->setValue(ScreenActionsPanel::Longer_Click(m_waitSlider->value())); });
    connect(waitStart, &QPushButton::clicked, this,
            [this] { m_actions.WaitCommandButton_Click(m_waitSlider->value()); });

    auto *scroll = frame(QStringLiteral("ScrollFrame"), QStringLiteral("Scroll"));
    m_scrollShift = valueBox(QStringLiteral("ScrollShiftBox"), QStringLiteral("4"));
    m_scrollRepetition = valueBox(QStringLiteral("ScrollRepetitionBox"), QStringLiteral("140"));
    m_scrollSpeedBox = valueBox(QStringLiteral("ScrollSpeedBox"), QStringLiteral("1"));
    auto *scrollStart = button(QStringLiteral("ScrollCommandButton"), QStringLiteral("Start"));
    twoLines(scroll,
             {m_scrollShift, label(QStringLiteral("Label26"), QStringLiteral("bytes x ")), m_scrollRepetition,
              label(QStringLiteral("Label27"), QStringLiteral("times / ("))},
             {m_scrollSpeedBox, label(QStringLiteral("ScrollTimeLabel"), QStringLiteral("x 14 mSec)"))}, scrollStart);
    connect(scrollStart, &QPushButton::clicked, this, [this] {
        m_actions.ScrollCommandButton_Click(m_scrollShift->text(), m_scrollRepetition->text(),
                                            m_scrollSpeedBox->text());
    });

    auto *blink = frame(QStringLiteral("BlinkFrame"), QStringLiteral("Blink Rate"));
    m_blinkPattern = new QComboBox;
    m_blinkPattern->setObjectName(QStringLiteral("BlinkPatternList"));
    m_blinkPattern->addItems({QStringLiteral("Nomal"), QStringLiteral("Blank"), QStringLiteral("Reverse")});
    m_blinkPattern->setCurrentIndex(2);
    m_blinkNormal = valueBox(QStringLiteral("BlinkNormalTimeBox"), QStringLiteral("20"));
    m_blinkEvent = valueBox(QStringLiteral("BlinkEventTimeBox"), QStringLiteral("10"));
    m_blinkRepetition = valueBox(QStringLiteral("BlinkRepetitionBox"), QStringLiteral("3"));
    auto *blinkStart = button(QStringLiteral("BlinkCommandButton"), QStringLiteral("Start"));
    twoLines(blink,
             {m_blinkPattern, label(QString(), QStringLiteral("(")), m_blinkNormal,
              label(QString(), QStringLiteral("/")), m_blinkEvent,
              label(QStringLiteral("Label32"), QStringLiteral(")x 14mS"))},
             {m_blinkRepetition, label(QStringLiteral("BlinkTimesLabel"), QStringLiteral("times"))}, blinkStart);
    connect(blinkStart, &QPushButton::clicked, this, [this] {
        m_actions.BlinkCommandButton_Click(m_blinkPattern->currentIndex(), m_blinkPattern->currentText(),
                                           m_blinkEvent->text(), m_blinkNormal->text(), m_blinkRepetition->text());
    });

    page->layout()->addWidget(wait);
    page->layout()->addWidget(scroll);
    page->layout()->addWidget(blink);
    return page;
}

// ---------------------------------------------------------------- behaviour

bool DisplayPanelsUi::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 4; ++i)
            for (QLineEdit *e : m_boxes[size_t(i)])
                if (e == watched)
                    openUserWin(i);
    }
    return QObject::eventFilter(watched, event);
}

void DisplayPanelsUi::openUserWin(int index)
{
    if (!m_windows.opensDialog(index))
        return;
    if (!m_dialog) {
        m_dialog = new UserWinDialog(m_host.state(), m_host.hostWindow());
        m_dialog->setWindowFlag(Qt::Tool);
        connect(&m_host, &PanelHost::languageChanged, m_dialog, &UserWinDialog::retranslate);
        connect(m_dialog, &UserWinDialog::okClicked, this, [this](int i, const UserWindowBoxes &values) {
            m_windows.UserWin_OK(i, values);
            showUserWindows();
        });
    }
    m_dialog->openFor(index, m_windows.boxes(index));
}

void DisplayPanelsUi::showUserWindows()
{
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(m_regist[size_t(i)]);
        m_regist[size_t(i)]->setChecked(m_windows.registered(i));
        const UserWindowBoxes &b = m_windows.boxes(i);
        const QString texts[4] = {b.left, b.top, b.width, b.height};
        for (int k = 0; k < 4; ++k) {
            QLineEdit *e = m_boxes[size_t(i)][size_t(k)];
            if (e->text() != texts[k]) {
                const QSignalBlocker blockBox(e);
                e->setText(texts[k]);
            }
        }
    }
    m_select[size_t(m_windows.currentWindow())]->setChecked(true);
    m_preview->update();
}

void DisplayPanelsUi::showModes()
{
    showFaceColour(m_reverse, m_modes.reverseOn() ? ActiveColour : QColor());
}

void DisplayPanelsUi::showPower()
{
    switch (m_power.power()) {
    case PowerPanel::Power::On: showFaceColour(m_dispPower, ActiveColour); break;
    case PowerPanel::Power::Off: showFaceColour(m_dispPower, PowerOffColour); break;
    case PowerPanel::Power::TimedOff: showFaceColour(m_dispPower, TimedOffColour); break;
    }
}

void DisplayPanelsUi::setWindowScrollSlider(int value)
{
    const QSignalBlocker block(m_scrollSpeed);
    m_scrollSpeed->setValue(value);
}

void DisplayPanelsUi::DrawWindowLayout()
{
    showUserWindows();
}

void DisplayPanelsUi::setPowerOffTimer()
{
    const QSignalBlocker block(m_offTimer);
    m_offTimer->clear();
    m_offTimer->addItems(PowerPanel::powerOffTimerItems(m_host.state().japanese()));
    m_offTimer->setCurrentIndex(0);
}

void DisplayPanelsUi::resetControls()
{
    m_windows.resetControls();
    m_modes.resetControls();
    m_power.resetControls();
    {
        const QSignalBlocker a(m_drawMode[0]);
        m_drawMode[0]->setChecked(true);
        const QSignalBlocker b(m_writeMode[0]);
        m_writeMode[0]->setChecked(true);
    }
    setWindowScrollSlider(m_modes.scrollSpeed());
    {
        const QSignalBlocker block(m_bright);
        m_bright->setValue(PowerPanel::BrightMaximum);
    }
    showUserWindows();
    showModes();
    showPower();
}

} // namespace kvx
