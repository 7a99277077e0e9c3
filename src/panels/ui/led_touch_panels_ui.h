#pragma once

#include "panels/led_backlight.h"
#include "panels/touch_switches.h"
#include "shell/model_series.h"

#include <QObject>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace kvx {

class MainWindow;
class TouchParaWindow;

// The widgets of the LEDs and backlight panel (tabs "Back Light" and "LED Animation")
// and of the touch switches panel (tab "Touch Switch"), and the touch-parameter
// window, created hidden so that it follows the language from the start.
class LedTouchPanelsUi : public QObject
{
    Q_OBJECT
public:
    explicit LedTouchPanelsUi(MainWindow &window);

    // Refills the switch list ComboTSW(0) for the encoder's module (FillSwitchList);
    // nothing is sent. The series layouts set the rest of the panel for a model.
    void fillSwitchList();
    // After a language change: the transmit-mode list in the new language (keeping
    // its choice) and the touch-parameter window's texts.
    void languageChanged();
    // The controls back at their start values, without sending.

    LedBacklightPanel &ledPanel() { return m_led; }
    TouchSwitchPanel &touchPanel() { return m_touch; }
    TouchParaWindow *touchParaWindow() const { return m_touchPara; }

    // The touch-switch panel's `UpdateTouchControls`.
    void UpdateTouchControls();

private:
    void buildBackLightPage(QWidget *page);
    void buildAnimationPage(QWidget *page);
    void buildTouchPage(QWidget *page);

    void CmdLED_Click();
    void CmdLedBlk_Click(int index);
    void CmdBL_Click(int index);
    void cmdTouch_Click(int index);
    void appendTouchText(const QString &text);
    AnimationSettings animationSettings() const;
    LedColourOption colourOption() const;
    QList<QWidget *> ledSendControls() const;

    MainWindow &m_window;
    LedBacklightPanel m_led;
    TouchSwitchPanel m_touch;
    TouchParaWindow *m_touchPara = nullptr;

    // "Back Light"
    QPushButton *m_ledOn = nullptr;
    QLineEdit *m_ledCount = nullptr;
    QSlider *m_rgb[3] = {};
    QLabel *m_rgbLabels[3] = {};
    QRadioButton *m_optR = nullptr;
    QRadioButton *m_optG = nullptr;
    QRadioButton *m_optB = nullptr;
    QRadioButton *m_optRGB = nullptr;
    QPushButton *m_all = nullptr;
    QPushButton *m_blocks[4] = {};
    QCheckBox *m_duty[2] = {};
    // "LED Animation"
    QLineEdit *m_ledCount2 = nullptr;
    QPushButton *m_wave = nullptr;
    QPushButton *m_wipeBoth = nullptr;
    QPushButton *m_wipeOne = nullptr;
    QComboBox *m_repeat = nullptr;
    QSlider *m_anim[6] = {};
    // "Touch Switch"
    QPushButton *m_touchButtons[7] = {};
    QComboBox *m_switches = nullptr;
    QComboBox *m_modes = nullptr;
    QLineEdit *m_note = nullptr;
    QPlainTextEdit *m_answers = nullptr;
};

} // namespace kvx
