#pragma once

#include "panels/memory_images.h"

#include <QObject>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kvx {

class MainWindow;

// The "Memory" page of SSTab1: draws an image stored in the module, chosen from the
// image list.
class MemoryImagesPanelUi : public QObject
{
    Q_OBJECT
public:
    explicit MemoryImagesPanelUi(MainWindow &window);

    // Rebuilds CmbImageName from the image list (item i = entry i), keeping the chosen
    // image when the list still holds it, else choosing the first.
    void rebuildImageNames();
    // The series option's and the y unit's effect on the panel's controls.
    void applySeriesOption(int index);
    void applyYUnit(int index);
    // Back to the start values, sending nothing: offsets 0, scroll off at speed 2.

private:
    void CmbImageName_Click(int index);
    void recomputeOffset();
    void CmdOffsetClear_Click();
    void CmdIndicate_Click();
    void updateDrawButton();

    MainWindow &m_window;
    MemoryImagesPanel m_logic;
    int m_seriesOption = 0;

    QComboBox *m_names = nullptr;
    QLabel *m_size = nullptr;
    QLineEdit *m_text[8] = {}; // Text1..Text7 at their numbers
    QRadioButton *m_yUnit[2] = {};
    QCheckBox *m_scroll = nullptr;
    QLabel *m_speedLabel = nullptr;
    QComboBox *m_speed = nullptr;
    QPushButton *m_draw = nullptr;
    QPushButton *m_edit = nullptr;
};

} // namespace kvx
