#pragma once

#include "panels/test_patterns.h"

#include <QObject>

class QLineEdit;

namespace kvx {

class PanelHost;

// The "Test" page of SSTab1: the size boxes and the test-pattern buttons.
class TestPatternPanelUi : public QObject
{
    Q_OBJECT
public:
    explicit TestPatternPanelUi(PanelHost &host);

    // The size boxes show the whole module: its dot width and its height in bytes.
    void applyModuleSize();
    // Back to the start values (the module's size), sending nothing.
    void resetControls() { applyModuleSize(); }

    // The panel's frame, for the main window's layout to place.
    QWidget *frame() const { return m_frame; }

private:
    PanelHost &m_host;
    TestPatternPanel m_logic;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QWidget *m_frame = nullptr;
};

} // namespace kvx
