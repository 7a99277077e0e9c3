#include "panels/ui/led_touch_panels_ui.h"
#include "shell/ui/named_widgets.h"

#include "link/vx5200.h"
#include "panels/ui/touch_para_window.h"
#include "shell/shell_state.h"
#include "shell/ui/panel_host.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <optional>

namespace kvx {

namespace {

QSlider *slider(const QString &name, int minimum, int maximum, int value)
{
    auto *s = new QSlider(Qt::Horizontal);
    s->setObjectName(name);
    s->setRange(minimum, maximum);
    s->setValue(value);
    return s;
}

struct AnimationSlider
{
    int minimum;
    int maximum;
    int start;
};
// SldBL(0..5): the three colour tones, speed, phase and length.
constexpr AnimationSlider AnimationSliders[6] = {{-15, 15, 0},  {-15, 15, 0}, {-15, 15, 0},
                                                 {-40, 40, 10}, {-20, 20, 0}, {-20, 20, 10}};

const char *const ColourSuffix[3] = {" R", " G", " B"};

} // namespace

LedTouchPanelsUi::LedTouchPanelsUi(PanelHost &host)
    : QObject(host.hostWindow()), m_host(host), m_led(host.panelContext()), m_touch(host.panelContext())
{
    setObjectName(QStringLiteral("LedTouchPanels"));
    m_frames = {buildBackLightPage(), buildAnimationPage(), buildTouchPage()};

    // Created now, hidden, so that it is there for every language change.
    m_touchPara = new TouchParaWindow(host.panelContext(), host.hostWindow());
    m_touchPara->hide();

    connect(&host, &PanelHost::touchTextAppended, this, &LedTouchPanelsUi::appendTouchText);
}

// ---------------------------------------------------------------- building

QWidget *LedTouchPanelsUi::buildBackLightPage()
{
    QWidget *page = tabPage();
    auto *top = new QHBoxLayout;
    m_ledOn = button(QStringLiteral("Command12"), QStringLiteral("LED ON"));
    m_ledCount = new QLineEdit(QStringLiteral("1"));
    m_ledCount->setObjectName(QStringLiteral("TxtNoOfLED"));
    m_ledCount->setMaximumWidth(60);
    top->addWidget(m_ledOn);
    top->addStretch(1);
    top->addWidget(label(QStringLiteral("LedCountLabel_0"), QStringLiteral("No.of LED")));
    top->addWidget(m_ledCount);

    auto *colour = new QGroupBox(QStringLiteral("Color"));
    colour->setObjectName(QStringLiteral("FrmLED1color"));
    auto *grid = new QGridLayout(colour);
    const QString sliderNames[3] = {QStringLiteral("Sld_R"), QStringLiteral("Sld_G"), QStringLiteral("Sld_B")};
    for (int i = 0; i < 3; ++i) {
        m_rgb[i] = slider(sliderNames[i], 0, 255, 255);
        m_rgbLabels[i] =
            label(QStringLiteral("LblColor_%1").arg(i), QStringLiteral("255") + QLatin1String(ColourSuffix[i]));
        m_rgbLabels[i]->setMinimumWidth(50);
        grid->addWidget(m_rgb[i], i, 0, 1, 3);
        grid->addWidget(m_rgbLabels[i], i, 3);
        connect(m_rgb[i], &QSlider::valueChanged, this,
                [this, i](int v) { m_rgbLabels[i]->setText(QString::number(v) + QLatin1String(ColourSuffix[i])); });
    }
    m_optR = new QRadioButton(QStringLiteral("Red"));
    m_optR->setObjectName(QStringLiteral("OptR"));
    m_optG = new QRadioButton(QStringLiteral("Green"));
    m_optG->setObjectName(QStringLiteral("OptG"));
    m_optB = new QRadioButton(QStringLiteral("Blue"));
    m_optB->setObjectName(QStringLiteral("OptB"));
    m_optRGB = new QRadioButton(QStringLiteral("RGB"));
    m_optRGB->setObjectName(QStringLiteral("OptRGB"));
    m_optRGB->setChecked(true);
    auto *options = new QHBoxLayout;
    for (QRadioButton *o : {m_optR, m_optG, m_optB, m_optRGB})
        options->addWidget(o);
    grid->addLayout(options, 3, 0, 1, 4);

    m_all = button(QStringLiteral("CmdLED"), QStringLiteral("All"));
    connect(m_all, &QPushButton::clicked, this, &LedTouchPanelsUi::CmdLED_Click);
    auto *blocks = new QHBoxLayout;
    blocks->addWidget(m_all);
    for (int i = 0; i < 4; ++i) {
        m_blocks[i] = button(QStringLiteral("CmdLedBlk_%1").arg(i), QStringLiteral("LED %1").arg(i));
        connect(m_blocks[i], &QPushButton::clicked, this, [this, i] { CmdLedBlk_Click(i); });
        blocks->addWidget(m_blocks[i]);
    }
    grid->addLayout(blocks, 4, 0, 1, 4);

    m_duty[0] = new QCheckBox(QStringLiteral("Duty adjustment"));
    m_duty[0]->setObjectName(QStringLiteral("chkDutyAdjust_0"));
    grid->addWidget(m_duty[0], 5, 0, 1, 4);

    auto *layout = page->layout();
    auto *box = new QVBoxLayout;
    box->addLayout(top);
    box->addWidget(colour);
    static_cast<QVBoxLayout *>(layout)->addLayout(box);

    connect(m_ledOn, &QPushButton::clicked, this, [this] { m_led.Command12_Click(); });
    return page;
}

QWidget *LedTouchPanelsUi::buildAnimationPage()
{
    QWidget *page = tabPage();
    auto *frame = new QGroupBox(QStringLiteral("Animation"));
    frame->setObjectName(QStringLiteral("FrmLEDAnime"));
    auto *grid = new QGridLayout(frame);

    m_ledCount2 = new QLineEdit(m_ledCount->text());
    m_ledCount2->setObjectName(QStringLiteral("Text11"));
    m_ledCount2->setMaximumWidth(60);
    grid->addWidget(label(QStringLiteral("LedCountLabel_1"), QStringLiteral("No.of LED")), 0, 0);
    grid->addWidget(m_ledCount2, 0, 1);
    m_duty[1] = new QCheckBox(QStringLiteral("Duty adjustment"));
    m_duty[1]->setObjectName(QStringLiteral("chkDutyAdjust_1"));
    grid->addWidget(m_duty[1], 0, 2, 1, 2);

    m_wave = button(QStringLiteral("CmdBL_1"), QStringLiteral("Wave"));
    m_wipeBoth = button(QStringLiteral("CmdBL_3"), QStringLiteral("Wipe <-->"));
    m_wipeOne = button(QStringLiteral("CmdBL_4"), QStringLiteral("Wipe --->"));
    grid->addWidget(m_wave, 1, 0);
    grid->addWidget(m_wipeBoth, 1, 1);
    grid->addWidget(m_wipeOne, 1, 2);
    connect(m_wave, &QPushButton::clicked, this, [this] { CmdBL_Click(1); });
    connect(m_wipeBoth, &QPushButton::clicked, this, [this] { CmdBL_Click(3); });
    connect(m_wipeOne, &QPushButton::clicked, this, [this] { CmdBL_Click(4); });

    m_repeat = new QComboBox;
    m_repeat->setObjectName(QStringLiteral("ComboNumberOfRepeat"));
    m_repeat->setEditable(true);
    for (int i = 1; i <= 20; ++i)
        m_repeat->addItem(QString::number(i));
    m_repeat->setCurrentText(QStringLiteral("20"));
    grid->addWidget(label(QStringLiteral("LabelBL_2"), QStringLiteral("Repeat")), 2, 0);
    grid->addWidget(m_repeat, 2, 1);

    grid->addWidget(label(QStringLiteral("LabelBL_0"), QStringLiteral("Color Tone")), 3, 0);
    grid->addWidget(label(QStringLiteral("LabelBL_7"), QStringLiteral("R   G   B")), 3, 1);
    for (int i = 0; i < 6; ++i) {
        const AnimationSlider &a = AnimationSliders[i];
        m_anim[i] = slider(QStringLiteral("SldBL_%1").arg(i), a.minimum, a.maximum, a.start);
        // One frame when the user lets go of a slider (or steps it with the keys).
        m_anim[i]->setTracking(false);
        connect(m_anim[i], &QSlider::valueChanged, this, [this] { CmdBL_Click(100); });
    }
    for (int i = 0; i < 3; ++i)
        grid->addWidget(m_anim[i], 4 + i, 0, 1, 3);
    grid->addWidget(label(QStringLiteral("LabelBL_1"), QStringLiteral("Speed")), 7, 0);
    grid->addWidget(m_anim[3], 7, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("LabelBL_3"), QStringLiteral("Phase")), 8, 0);
    grid->addWidget(m_anim[4], 8, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("LabelBL_4"), QStringLiteral("Length")), 9, 0);
    grid->addWidget(m_anim[5], 9, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("LabelBL_5"), QStringLiteral("Color1")), 10, 0);
    grid->addWidget(label(QStringLiteral("LabelBL_6"), QStringLiteral("Color2")), 10, 1);

    static_cast<QVBoxLayout *>(page->layout())->addWidget(frame);

    // The two count boxes and the two duty boxes show the same value.
    connect(m_ledCount, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (m_ledCount2->text() != t)
            m_ledCount2->setText(t);
    });
    connect(m_ledCount2, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (m_ledCount->text() != t)
            m_ledCount->setText(t);
    });
    for (int i = 0; i < 2; ++i) {
        QCheckBox *other = m_duty[1 - i];
        connect(m_duty[i], &QCheckBox::toggled, this, [other](bool on) {
            if (other->isChecked() != on)
                other->setChecked(on);
        });
    }
    return page;
}

QWidget *LedTouchPanelsUi::buildTouchPage()
{
    QWidget *page = tabPage();
    const QString captions[7] = {
        QStringLiteral("Read All switch"), QStringLiteral("Read one SW"),    QStringLiteral("Read All sence level"),
        QStringLiteral("Cancell"),         QStringLiteral("Set Parameters"), QStringLiteral("All Switch"),
        QStringLiteral("One Switch")};
    for (int i = 0; i < 7; ++i) {
        m_touchButtons[i] = button(QStringLiteral("cmdTouch_%1").arg(i), captions[i]);
        connect(m_touchButtons[i], &QPushButton::clicked, this, [this, i] { cmdTouch_Click(i); });
    }
    m_switches = new QComboBox;
    m_switches->setObjectName(QStringLiteral("ComboTSW_0"));
    m_modes = new QComboBox;
    m_modes->setObjectName(QStringLiteral("ComboTSW_1"));
    m_modes->addItems(autoTransmitItems(m_host.state().japanese()));
    m_modes->setCurrentIndex(0);
    FillSwitchList();

    auto *grid = new QGridLayout;
    grid->addWidget(m_touchButtons[0], 0, 0);
    grid->addWidget(m_touchButtons[2], 0, 1);
    grid->addWidget(m_touchButtons[1], 1, 0);
    grid->addWidget(m_switches, 1, 1);

    auto *automatic = new QGroupBox(QStringLiteral("Automatic Trans."));
    automatic->setObjectName(QStringLiteral("FrmTouch"));
    auto *autoGrid = new QGridLayout(automatic);
    autoGrid->addWidget(m_touchButtons[5], 0, 0);
    autoGrid->addWidget(m_touchButtons[6], 0, 1);
    autoGrid->addWidget(m_touchButtons[3], 1, 0);
    autoGrid->addWidget(m_modes, 1, 1);
    grid->addWidget(automatic, 2, 0, 1, 2);
    grid->addWidget(m_touchButtons[4], 3, 0);

    m_note = new QLineEdit(touchNoteInitial(m_host.state().japanese()));
    m_note->setObjectName(QStringLiteral("lblTouch"));
    m_note->setReadOnly(true);
    grid->addWidget(m_note, 4, 0, 1, 2);
    m_answers = new QPlainTextEdit;
    m_answers->setObjectName(QStringLiteral("Text12"));
    m_answers->setReadOnly(true);
    m_answers->setMaximumHeight(90);
    grid->addWidget(m_answers, 5, 0, 1, 2);

    static_cast<QVBoxLayout *>(page->layout())->addLayout(grid);

    // Any change of either list (the user's or the program's) only refreshes the buttons.
    for (QComboBox *c : {m_switches, m_modes}) {
        connect(c, &QComboBox::currentIndexChanged, this, &LedTouchPanelsUi::UpdateTouchControls);
        connect(c, &QComboBox::activated, this, &LedTouchPanelsUi::UpdateTouchControls);
    }
    return page;
}

// ---------------------------------------------------------------- outside calls

void LedTouchPanelsUi::FillSwitchList()
{
    const ListFill switches = switchListFill(m_switches->currentIndex(), m_host.encoder().NumberOfSW());
    const QSignalBlocker block(m_switches);
    m_switches->clear();
    m_switches->addItems(switches.items);
    m_switches->setCurrentIndex(switches.index);
}

void LedTouchPanelsUi::languageChanged()
{
    const int remembered = qMax(m_modes->currentIndex(), 0);
    {
        const QSignalBlocker block(m_modes);
        m_modes->clear();
        m_modes->addItems(autoTransmitItems(m_host.state().japanese()));
    }
    // Choosing the item again counts as a choice of the list.
    m_modes->setCurrentIndex(remembered);
    UpdateTouchControls();
    m_touchPara->Language();
}

// ---------------------------------------------------------------- LEDs and backlight

LedColourOption LedTouchPanelsUi::colourOption() const
{
    if (m_optR->isChecked())
        return LedColourOption::Red;
    if (m_optG->isChecked())
        return LedColourOption::Green;
    if (m_optB->isChecked())
        return LedColourOption::Blue;
    return LedColourOption::RGB;
}

AnimationSettings LedTouchPanelsUi::animationSettings() const
{
    AnimationSettings s;
    s.toneRed = m_anim[0]->value();
    s.toneGreen = m_anim[1]->value();
    s.toneBlue = m_anim[2]->value();
    s.speed = m_anim[3]->value();
    s.phase = m_anim[4]->value();
    s.length = m_anim[5]->value();
    return s;
}

QList<QWidget *> LedTouchPanelsUi::ledSendControls() const
{
    QList<QWidget *> w = {m_ledOn, m_all, m_wave, m_wipeBoth, m_wipeOne};
    for (QPushButton *b : m_blocks)
        w.append(b);
    for (QSlider *s : m_anim)
        w.append(s);
    return w;
}

void LedTouchPanelsUi::CmdLED_Click()
{
    m_led.CmdLED_Click(m_rgb[0]->value(), m_rgb[1]->value(), m_rgb[2]->value(), colourOption(), m_duty[0]->isChecked());
}

void LedTouchPanelsUi::CmdLedBlk_Click(int index)
{
    m_led.CmdLedBlk_Click(index, m_ledCount->text(), m_rgb[0]->value(), m_rgb[1]->value(), m_rgb[2]->value(),
                          m_duty[0]->isChecked());
}

void LedTouchPanelsUi::CmdBL_Click(int index)
{
    if (m_led.animationRunning())
        return;
    // The frames wait for the module one by one; no second animation (or any other
    // command of the panel) may start in between.
    QList<QPair<QWidget *, bool>> enabled;
    for (QWidget *w : ledSendControls()) {
        enabled.append({w, w->isEnabled()});
        w->setEnabled(false);
    }
    m_led.CmdBL_Click(index, m_ledCount->text(), m_repeat->currentText(), animationSettings());
    for (const auto &[w, on] : enabled)
        w->setEnabled(on);
}

// ---------------------------------------------------------------- touch switches

void LedTouchPanelsUi::UpdateTouchControls()
{
    const std::optional<TouchControls> c = updateTouchControls(m_modes->currentIndex(), m_host.state().japanese());
    if (!c)
        return;
    for (int i = 0; i < 3; ++i)
        m_touchButtons[i]->setEnabled(c->readButtonsEnabled);
    if (c->note)
        m_note->setText(*c->note);
}

void LedTouchPanelsUi::cmdTouch_Click(int index)
{
    if (index == 4) {
        m_touchPara->show();
        m_touchPara->raise();
        m_touchPara->activateWindow();
        return;
    }
    const std::optional<int> mode = TouchSwitchPanel::modeForButton(index);
    if (mode)
        m_modes->setCurrentIndex(*mode);
    m_touch.cmdTouch_Click(index, m_switches->currentIndex());
    if (!mode)
        return;
    UpdateTouchControls();
    if (index == 3)
        m_note->setText(touchNoteCancelled(m_host.state().japanese()));
    else
        m_answers->setPlainText(QStringLiteral(">"));
}

void LedTouchPanelsUi::appendTouchText(const QString &text)
{
    // Lines end in LF alone in the box.
    QString added = text;
    added.remove(QLatin1Char('\r'));
    m_answers->setPlainText(kvx::appendTouchText(m_answers->toPlainText(), added));
    m_answers->moveCursor(QTextCursor::End);
}

} // namespace kvx
