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

    // The panel's frame, for the main window's layout to place.
    QWidget *frame() const { return m_frame; }

private:
    TestPatternPanel m_logic;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QWidget *m_frame = nullptr;
};

} // namespace kvx
