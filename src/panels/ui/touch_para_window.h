#pragma once

#include "panels/touch_switches.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace kvx {

class PanelContext;

// The touch-parameter window `TouchPara`: the four detection parameters of the touch
// switches, each with its slider, fine steps and "Send", and the factory settings.
// Modeless; closing hides it, and it keeps its values while hidden.
class TouchParaWindow : public QWidget
{
    Q_OBJECT
public:
    TouchParaWindow(PanelContext &ctx, QWidget *parent = nullptr);

    // Applies the captions and fonts of the main window's UILanguage.
    void Language();

    QSlider *slider(int index) const { return m_sliders[index]; }

public slots:
    void Command1_Click(int index);
    void Command2_Click(int index);

private:
    void showToolTip(int index);

    PanelContext &m_ctx;
    TouchParameterSender m_sender;
    QSlider *m_sliders[4] = {};
    QGroupBox *m_frames[5] = {};
    QLabel *m_label2[4] = {};
    QPushButton *m_command1[6] = {};
    QPushButton *m_command2[8] = {};
    QLabel *m_label1 = nullptr;
    QWidget *m_tab = nullptr;
};

} // namespace kvx
