#pragma once

#include "image_list/image_window_rules.h"
#include "image_list/list_files.h"
#include "image_list/ui/entry_param_dialog.h"
#include "shell/seams.h"
#include "shell/user_dialogs.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QToolBar;

namespace kvx {

class ImageList;
class ImageSlotView;
class ListExportWindow;
class PanelHost;

// The image-list window: a page of eight slots over the main window's image list,
// the menus and toolbar of every list operation, and the memory use of the series.
// The main window is hidden while it is up and shown again on every way out. The
// list itself lives in the main window; this window only edits it, so every change
// reaches the main window's readers through ImageList::changed().
class ImageListWindow : public QMainWindow, public ImageListSeam
{
    Q_OBJECT
public:
    explicit ImageListWindow(PanelHost &main);
    ~ImageListWindow() override;

    // ImageListSeam
    void preload() override;
    void unload() override;
    void showWindow() override;

    ImageListFiles &files() { return m_files; }
    ImageSlotView *slotView() const { return m_view; }
    UsageFrame usageFrame() const { return m_usage; }
    EntryParamDialog *entryDialog() { return m_editor.dialog(); }
    ListExportWindow *exportWindow();

public slots:
    void Close_Click();
    void ExportImageList();
    // A key of the toolbar ("New", "Open", "Save", "Door", "Add", "Exchange",
    // "Insert", "Ins_Blank", "DEL", "Convert"); other keys do nothing.
    void Toolbar1_ButtonClick(const QString &key);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    QWidget *buildUsageFrames();
    void applyCaptions();
    void setupForSeries();
    void showUsage();
    void showCaption();
    void leave();

    PanelHost &m_main;
    ImageList &m_list;
    // The messages and file dialogs of the list's operations stand over this window.
    WindowDialogs m_dialogs;
    DialogEntryEditor m_editor;
    ImageListFiles m_files;
    ImageSlotView *m_view = nullptr;
    ListExportWindow *m_export = nullptr;
    UsageFrame m_usage = UsageFrame::None;

    QGroupBox *m_pagesFrame = nullptr;  // Frame4
    QGroupBox *m_singleFrame = nullptr; // Frame5
    QGroupBox *m_olderFrame = nullptr;  // Frame2
    std::array<QProgressBar *, 16> m_pageBars{};
    QProgressBar *m_singleBar = nullptr;
    QProgressBar *m_ramBar = nullptr;
    std::array<QProgressBar *, 5> m_olderBars{};
    std::array<QLineEdit *, 3> m_counts{};
    std::array<QLabel *, 3> m_countTitles{};
    std::array<QLabel *, 9> m_columnTitles{};
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_exportMenu = nullptr;
    QMenu *m_optionMenu = nullptr;
    QAction *m_withBmp = nullptr;
    QToolBar *m_toolbar = nullptr;
};

} // namespace kvx
