#pragma once

#include "panels/power_panel.h"
#include "panels/screen_actions.h"
#include "panels/user_windows.h"
#include "panels/window_modes.h"

#include <QObject>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace kvx {

class PanelHost;
class UserWinDialog;
class VX5200;

// The preview of the user windows, drawn to scale from the module's dot size.
class WindowLayoutView : public QWidget
{
public:
    WindowLayoutView(const VX5200 &encoder, const UserWindowsPanel &windows, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {200, 90}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const VX5200 &m_encoder;
    const UserWindowsPanel &m_windows;
};

// The window panels of the main window: user windows and their preview, window and
// draw modes, scroll speed, the screen actions (wait, scroll, blink), brightness,
// display power and the screen saver.
class DisplayPanelsUi : public QObject
{
    Q_OBJECT
public:
    explicit DisplayPanelsUi(PanelHost &host);
    ~DisplayPanelsUi() override;

    // Redraws the user-window preview (after a change of model).
    void DrawWindowLayout();
    // Refills the power-off time list in the interface language, "None" chosen.
    void setPowerOffTimer();
    // The controls' start values, without sending (module initialisation).
    void resetControls();

    UserWindowsPanel &userWindows() { return m_windows; }
    WindowModesPanel &windowModes() { return m_modes; }
    PowerPanel &power() { return m_power; }
    // The resize dialog, once a box of a defined window was clicked.
    UserWinDialog *userWinDialog() const { return m_dialog; }

    // What the panel builds, for the main window's layout to place.
    struct Frames
    {
        QWidget *screenActionsPage;
        QWidget *userWindowSizing;
        QWidget *windowSelection;
        QWidget *windowLayout;
        QWidget *windowModes;
        // The horizontal scroll speed's slider with its labels, in no frame.
        QWidget *scrollSpeed;
        QWidget *drawModes;
        QWidget *writeModes;
        // Initialize and brightness, with the screen saver's frame inside.
        QWidget *controls;
    };
    const Frames &frames() const { return m_frames; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildUserWindowSizing();
    QWidget *buildWindowSelection();
    QWidget *buildWindowLayout();
    QWidget *buildWindowModes();
    QWidget *buildScrollSpeed();
    QWidget *buildDrawModes();
    QWidget *buildWriteModes();
    QWidget *buildControls();
    QWidget *buildScreenSaver();
    QWidget *buildScreenActions();
    void openUserWin(int index);
    void showUserWindows();
    void showModes();
    void showPower();
    void setWindowScrollSlider(int value);

    PanelHost &m_host;
    UserWindowsPanel m_windows;
    WindowModesPanel m_modes;
    ScreenActionsPanel m_actions;
    PowerPanel m_power;
    Frames m_frames{};

    std::array<QCheckBox *, 4> m_regist{};
    std::array<std::array<QLineEdit *, 4>, 4> m_boxes{};
    std::array<QRadioButton *, 5> m_select{};
    WindowLayoutView *m_preview = nullptr;
    UserWinDialog *m_dialog = nullptr;

    std::array<QPushButton *, 4> m_windowMode{};
    std::array<QRadioButton *, 4> m_drawMode{};
    QPushButton *m_reverse = nullptr;
    std::array<QRadioButton *, 2> m_writeMode{};
    QSlider *m_scrollSpeed = nullptr;

    QSlider *m_waitSlider = nullptr;
    QLabel *m_waitLabel = nullptr;
    QLineEdit *m_scrollShift = nullptr;
    QLineEdit *m_scrollRepetition = nullptr;
    QLineEdit *m_scrollSpeedBox = nullptr;
    QComboBox *m_blinkPattern = nullptr;
    QLineEdit *m_blinkNormal = nullptr;
    QLineEdit *m_blinkEvent = nullptr;
    QLineEdit *m_blinkRepetition = nullptr;

    QSlider *m_bright = nullptr;
    QPushButton *m_dispPower = nullptr;
    QComboBox *m_offTimer = nullptr;
};

} // namespace kvx
