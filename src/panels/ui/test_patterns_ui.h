#pragma once

#include "panels/test_patterns.h"

#include <QObject>

class QLineEdit;

namespace kvx {

class MainWindow;

// The "Test" page of SSTab1: the size boxes and the test-pattern buttons.
class TestPatternPanelUi : public QObject
{
    Q_OBJECT
public:
    explicit TestPatternPanelUi(MainWindow &window);

private:
    TestPatternPanel m_logic;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
};

} // namespace kvx
