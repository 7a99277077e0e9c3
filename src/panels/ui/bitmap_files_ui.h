#pragma once

#include "panels/bitmap_files.h"

#include <QObject>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kvx {

class MainWindow;

// The "File Image" page of SSTab1: a folder browser for bitmap files, the path box,
// the draw button and the screen action that brings the picture in.
class BitmapFilesPanelUi : public QObject
{
    Q_OBJECT
public:
    explicit BitmapFilesPanelUi(MainWindow &window);

    // Shows `folder` in the lists (the working folder follows); false when it is no
    // readable folder.
    bool showFolder(const QString &folder);
    // Back to the start values, sending nothing: action "None".

private:
    void fillLists();
    void Drive1_Change(int index);
    void Dir1_Activated(const QString &item);
    void File1_Click(int row);
    void cmdBrowse_Click();
    void BmpDrawButton_Click();
    void setPathBox(const QString &path);
    void chooseAction(int index);

    MainWindow &m_window;
    BitmapFilesPanel m_logic;
    QComboBox *m_drive = nullptr;
    QLineEdit *m_folderBox = nullptr;
    QListWidget *m_dir = nullptr;
    QListWidget *m_file = nullptr;
    QLineEdit *m_path = nullptr;
    QPushButton *m_draw = nullptr;
    QRadioButton *m_action[4] = {};
};

} // namespace kvx
