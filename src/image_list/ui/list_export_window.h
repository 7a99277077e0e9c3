#pragma once

#include "image_list/image_export.h"
#include "shell/user_dialogs.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QProgressBar;
class QPushButton;

namespace kvx {

class ImageList;
class PanelHost;

// The export window: the bytes each memory area of the image list uses, the areas
// to export (an area can be ticked when its images fit it and the series has it),
// and the two outputs: the export text saved to a file, or written straight into
// the module.
class ListExportWindow : public QDialog
{
    Q_OBJECT
public:
    ListExportWindow(PanelHost &main, ImageList &list, QWidget *parent = nullptr);

    // What each showing does first: captions, enabled areas, all of them ticked.
    // False (after its message) when the list is empty: the window does not show.
    bool activate();
    // activate(), then the window modally.
    void run();

    ExportAreas areas() const;

public slots:
    void cmdChkAll_Click();
    void cmdRemove_Click();
    void cmdClose_Click() { reject(); }
    void cmdSearch_Click();
    void cmdExport2File_Click();
    void cmdWrite_Click();

private:
    ExportContext context() const;
    void enableButtons(bool on);
    QString language() const;

    PanelHost &m_main;
    ImageList &m_list;
    WindowDialogs m_dialogs;
    QString m_exportFile; // where the save dialog starts after its first use
    QCheckBox *m_ram = nullptr;
    std::array<QCheckBox *, 16> m_from{};
    QPushButton *m_export = nullptr;
    QPushButton *m_write = nullptr;
    QPushButton *m_close = nullptr;
    QComboBox *m_port = nullptr;
    QProgressBar *m_images = nullptr;
    QProgressBar *m_sent = nullptr;
};

} // namespace kvx
