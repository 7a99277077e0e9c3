#include "image_list/ui/image_list_window.h"

#include "image_list/image_list.h"
#include "image_list/image_texts.h"
#include "image_list/ui/image_slot_view.h"
#include "image_list/ui/list_export_window.h"
#include "link/vx5200.h"
#include "shell/captions.h"
#include "shell/shell_state.h"
#include "shell/ui/panel_host.h"
#include "shell/ui/window_place.h"
#include "shell/user_dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace kvx {

namespace {

struct Caption
{
    const char *name;
    const char *english;
    const char *japanese;
};

// Captions of the menus and titles by object name.
const Caption kCaptions[] = {
    {"File", "&File", "ファイル(&F)"},
    {"New_", "&New", "新規リスト(&N)"},
    {"Open_", "&Open", "開く(&O)"},
    {"Save_", "&Save", "保存(&S)"},
    {"SaveAs", "Save &As", "別名で保存(&A)"},
    {"OutList", "Output List", "リスト出力"},
    {"Close_", "Close", "リスト編集終了"},
    {"Edit", "&Edit", "編集(&E)"},
    {"Add2End", "Add to End", "最後にイメージを追加"},
    {"Exchange", "Exchange", "イメージ入替"},
    {"InsertiMAGE", "Insert Image", "イメージ挿入"},
    {"InsBlank", "Insert Blank", "空イメージを挿入"},
    {"Remove", "Remove", "イメージを削除"},
    {"Export", "Export", "エキスポート"},
    {"Export2", "Export", "出力"},
    {"Option_", "Options", "設定"},
    {"WithBMP", "with BMP Files", "イメージリストにBMPを添付"},
    {"Label1_0", "Label", "ラベル"},
    {"Label1_1", "Image", "縮小画像"},
    {"Label1_2", "No.", "番号"},
    {"Label1_3", "Memory", "メモリ"},
    {"Label1_4", "Resolution", "画像サイズ"},
    {"Label1_5", "Path", "パス"},
    {"Label1_6", "File", "ファイル名"},
    {"Label1_7", "Page-Address", "頁-アドレス"},
    {"Label1_8", "Inv", "ネガ"},
    {"Frame4", "Memory Usage", "メモリ使用状況"},
    {"Frame5", "Memory Usage", "メモリ使用状況"},
    {"Frame2", "Memory Usage", "メモリ使用状況"},
    {"Label5_0", "# of Images", "画像数"},
    {"Label5_1", "# of Images", "画像数"},
    {"Label5_2", "# of Images", "画像数"},
};

// The toolbar's keys, which it dispatches on, each with the menu item that does the
// same: that item's caption is the key's tool tip. A key's picture is the resource
// named after it.
struct ToolbarKey
{
    const char *key;
    const char *menuItem;
};
const ToolbarKey ToolbarKeys[] = {
    {"New", "New_"},    {"Open", "Open_"},        {"Save", "Save_"},         {"Door", "Close_"},
    {"Add", "Add2End"}, {"Exchange", "Exchange"}, {"Insert", "InsertiMAGE"}, {"Ins_Blank", "InsBlank"},
    {"DEL", "Remove"},  {"Convert", "Export2"},
};

QString toolbarActionName(const char *key)
{
    return QStringLiteral("Toolbar1_") + QLatin1String(key);
}

QProgressBar *usageBar(const QString &name)
{
    auto *bar = new QProgressBar;
    bar->setObjectName(name);
    bar->setTextVisible(false);
    bar->setMaximumHeight(12);
    return bar;
}

void showBar(QProgressBar *bar, const UsageBar &usage)
{
    bar->setMaximum(usage.maximum);
    bar->setValue(std::min(usage.value, usage.maximum));
    bar->setVisible(usage.visible);
}

} // namespace

ImageListWindow::ImageListWindow(PanelHost &main)
    : QMainWindow(main.hostWindow(), Qt::Window), m_main(main), m_list(main.imageList()),
      m_dialogs(main.dialogs(), this),
      m_editor(
          main.imageList(), m_dialogs, [&main] { return main.state().UILanguage; }, this),
      m_files(main.imageList(), m_dialogs)
{
    setObjectName(QStringLiteral("FrmImage"));
    keepPlaceWhenHidden(*this);
    setAcceptDrops(true);
    m_list.setEntryEditor(&m_editor);
    m_list.setDialogs(m_dialogs);

    auto *central = new QWidget;
    auto *root = new QVBoxLayout(central);
    auto *titles = new QHBoxLayout;
    // Column titles over the slots, in the order of the slot's boxes. The last one
    // also has the room over the scroll bar, as its narrow column leaves a wider font
    // no margin.
    const int order[] = {2, 1, 0, 3, 4, 5, 6, 7, 8};
    const int widths[] = {32, 89, 100, 76, 72, 200, 110, 104, 24 + 20};
    for (int i = 0; i < 9; ++i) {
        auto *t = new QLabel;
        t->setObjectName(QStringLiteral("Label1_%1").arg(order[i]));
        m_columnTitles[size_t(order[i])] = t;
        if (order[i] == 5)
            t->setMinimumWidth(widths[i]);
        else
            t->setFixedWidth(widths[i]);
        titles->addWidget(t, order[i] == 5 ? 1 : 0);
    }
    root->addLayout(titles);
    m_view = new ImageSlotView(m_list, m_editor);
    root->addWidget(m_view, 1);
    root->addWidget(buildUsageFrames());
    setCentralWidget(central);

    buildMenus();
    buildToolbar();
    applyCaptions();
    showCaption();
    // Shown or not, the window follows the interface language.
    connect(&main, &PanelHost::languageChanged, this, [this] {
        applyCaptions();
        showCaption();
    });

    connect(&m_list, &ImageList::changed, this, &ImageListWindow::showUsage);
    // The layout follows the series and the module while the window is up; it is
    // not redone on every activation (each message box activates the window again).
    auto follow = [this] {
        if (isVisible()) {
            setupForSeries();
            showUsage();
        }
    };
    connect(&main, &PanelHost::seriesOptionChanged, this, follow);
    connect(&main, &PanelHost::moduleChanged, this, follow);
    showUsage();
}

ImageListWindow::~ImageListWindow() = default;

void ImageListWindow::buildMenus()
{
    auto item = [this](QMenu *menu, const char *name, auto handler) {
        QAction *a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("File"));
    item(m_fileMenu, "New_", [this] { Toolbar1_ButtonClick(QStringLiteral("New")); });
    item(m_fileMenu, "Open_", [this] { Toolbar1_ButtonClick(QStringLiteral("Open")); });
    item(m_fileMenu, "SaveAs", [this] {
        m_files.saveImageListAs();
        showCaption();
    });
    item(m_fileMenu, "Save_", [this] { Toolbar1_ButtonClick(QStringLiteral("Save")); });
    item(m_fileMenu, "OutList", [this] { m_files.outputList(); });
    item(m_fileMenu, "Close_", [this] { Close_Click(); });

    m_editMenu = menuBar()->addMenu(QString());
    m_editMenu->setObjectName(QStringLiteral("Edit"));
    item(m_editMenu, "Add2End", [this] { Toolbar1_ButtonClick(QStringLiteral("Add")); });
    item(m_editMenu, "Exchange", [this] { Toolbar1_ButtonClick(QStringLiteral("Exchange")); });
    item(m_editMenu, "InsertiMAGE", [this] { Toolbar1_ButtonClick(QStringLiteral("Insert")); });
    item(m_editMenu, "InsBlank", [this] { Toolbar1_ButtonClick(QStringLiteral("Ins_Blank")); });
    item(m_editMenu, "Remove", [this] { Toolbar1_ButtonClick(QStringLiteral("DEL")); });
    m_exportMenu = m_editMenu->addMenu(QString());
    m_exportMenu->setObjectName(QStringLiteral("Export"));
    item(m_exportMenu, "Export2", [this] { ExportImageList(); });

    m_optionMenu = menuBar()->addMenu(QString());
    m_optionMenu->setObjectName(QStringLiteral("Option_"));
    m_withBmp = m_optionMenu->addAction(QString());
    m_withBmp->setObjectName(QStringLiteral("WithBMP"));
    m_withBmp->setCheckable(true);
    connect(m_withBmp, &QAction::triggered, this, [this](bool on) { m_files.setWithBmp(on); });
}

void ImageListWindow::buildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar1"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    // Always there: the window's context menu offers no switch to hide it.
    m_toolbar->toggleViewAction()->setVisible(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolbarKey &k : ToolbarKeys) {
        const char *key = k.key;
        QAction *a = m_toolbar->addAction(
            QIcon(QStringLiteral(":/toolbar/%1.png").arg(QString::fromLatin1(key).toLower())), QLatin1String(key));
        a->setObjectName(toolbarActionName(key));
        connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(QLatin1String(key)); });
    }
    // The keys show their pictures in a bar no taller than their words would need, so
    // the slots keep their room; a 16-pixel picture fits.
    const int wordsHeight = m_toolbar->sizeHint().height();
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar->setFixedHeight(wordsHeight);
}

QWidget *ImageListWindow::buildUsageFrames()
{
    auto *holder = new QWidget;
    auto *row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    auto countBox = [this](QGridLayout *grid, int i, int column) {
        m_countTitles[size_t(i)] = new QLabel;
        m_countTitles[size_t(i)]->setObjectName(QStringLiteral("Label5_%1").arg(i));
        m_counts[size_t(i)] = new QLineEdit;
        m_counts[size_t(i)]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        m_counts[size_t(i)]->setReadOnly(true);
        m_counts[size_t(i)]->setFixedWidth(50);
        grid->addWidget(m_countTitles[size_t(i)], 0, column);
        grid->addWidget(m_counts[size_t(i)], 1, column);
    };

    m_pagesFrame = new QGroupBox;
    m_pagesFrame->setObjectName(QStringLiteral("Frame4"));
    auto *pages = new QGridLayout(m_pagesFrame);
    for (int p = 0; p < 16; ++p) {
        pages->addWidget(new QLabel(QString::number(p)), p % 8, 2 * (p / 8));
        m_pageBars[size_t(p)] = usageBar(QStringLiteral("ProgressBar1_%1").arg(p));
        pages->addWidget(m_pageBars[size_t(p)], p % 8, 2 * (p / 8) + 1);
    }
    countBox(pages, 0, 4);

    m_singleFrame = new QGroupBox;
    m_singleFrame->setObjectName(QStringLiteral("Frame5"));
    auto *single = new QGridLayout(m_singleFrame);
    m_singleBar = usageBar(QStringLiteral("ProgressBar2"));
    single->addWidget(m_singleBar, 0, 0, 2, 1);
    countBox(single, 1, 1);

    m_olderFrame = new QGroupBox;
    m_olderFrame->setObjectName(QStringLiteral("Frame2"));
    auto *older = new QGridLayout(m_olderFrame);
    older->addWidget(new QLabel(QStringLiteral("RAM")), 0, 0);
    m_ramBar = usageBar(QStringLiteral("ProgressBarRAM"));
    older->addWidget(m_ramBar, 0, 1);
    for (int p = 0; p < 5; ++p) {
        older->addWidget(new QLabel(QStringLiteral("F %1").arg(p)), p + 1, 0);
        m_olderBars[size_t(p)] = usageBar(QStringLiteral("BarFrom_%1").arg(p));
        older->addWidget(m_olderBars[size_t(p)], p + 1, 1);
    }
    countBox(older, 2, 2);

    row->addWidget(m_pagesFrame);
    row->addWidget(m_singleFrame);
    row->addWidget(m_olderFrame);
    row->addStretch(1);
    m_singleFrame->hide();
    m_olderFrame->hide();
    return holder;
}

void ImageListWindow::applyCaptions()
{
    const bool ja = m_main.state().japanese();
    for (const Caption &c : kCaptions) {
        const QString name = QLatin1String(c.name);
        const QString text = QString::fromUtf8(ja ? c.japanese : c.english);
        // Menus under the menu bar, titles in the window body (not in its dialogs).
        if (auto *menu = menuBar()->findChild<QMenu *>(name))
            menu->setTitle(text);
        else if (auto *action = menuBar()->findChild<QAction *>(name))
            action->setText(text);
        else if (auto *label = centralWidget()->findChild<QLabel *>(name))
            label->setText(text);
        else if (auto *group = centralWidget()->findChild<QGroupBox *>(name))
            group->setTitle(text);
    }
    for (const ToolbarKey &k : ToolbarKeys) {
        const auto *item = menuBar()->findChild<QAction *>(QLatin1String(k.menuItem));
        m_toolbar->findChild<QAction *>(toolbarActionName(k.key))->setToolTip(withoutAccessKey(item->text()));
    }
}

void ImageListWindow::setupForSeries()
{
    const int option = m_main.seriesOption();
    m_usage = usageFrameFor(option, m_main.encoder().New5290());
    m_pagesFrame->setVisible(m_usage == UsageFrame::Pages);
    m_singleFrame->setVisible(m_usage == UsageFrame::Single);
    m_olderFrame->setVisible(m_usage == UsageFrame::Older);
    if (option != 0)
        m_view->setMemoryChoices(slotMemoryChoices(option));
}

void ImageListWindow::showUsage()
{
    for (QLineEdit *count : m_counts)
        count->setText(QString::number(m_list.imgCount()));
    const MemoryMap &map = m_list.memoryMap();
    // Page 0's use shows in whichever frame the series shows (series option 2 may
    // show the sixteen-page frame).
    for (size_t p = 0; p < 16; ++p)
        showBar(m_pageBars[p], map.pageBars[p]);
    showBar(m_singleBar, map.pageBars[0]);
    showBar(m_ramBar, map.ramBar);
    for (size_t p = 0; p < 5; ++p)
        showBar(m_olderBars[p], map.pageBars[p]);
}

void ImageListWindow::showCaption()
{
    setWindowTitle(m_files.caption());
}

void ImageListWindow::preload()
{
    m_list.setLanguage(m_main.state().UILanguage);
    m_list.setWorkFolder(m_main.state().WorkFolder);
    m_files.loadImgPathFile();
    m_files.loadTempImageList();
    m_withBmp->setChecked(m_files.withBmp());
    showCaption();
}

void ImageListWindow::unload()
{
    // The language may have changed since the list was loaded: a failure is told in
    // today's.
    m_list.setLanguage(m_main.state().UILanguage);
    m_files.saveTempImageList();
    hide();
}

void ImageListWindow::showWindow()
{
    m_list.setLanguage(m_main.state().UILanguage);
    m_list.setWorkFolder(m_main.state().WorkFolder);
    applyCaptions();
    showCaption();
    if (m_main.seriesOption() == 0) {
        // That series has no flash memory for images: the window does not open.
        m_dialogs.message(image_msg::noFrom);
        return;
    }
    setupForSeries();
    m_list.refresh();
    show();
    raise();
    activateWindow();
    m_main.hostWindow()->hide();
}

// Every way out: the list file folder is remembered, the main window comes back and
// the readers of the list (the main window's image choices) are refreshed.
void ImageListWindow::leave()
{
    m_files.saveImgPathFile();
    hide();
    m_main.hostWindow()->show();
    m_list.refresh();
}

void ImageListWindow::Close_Click()
{
    leave();
}

void ImageListWindow::closeEvent(QCloseEvent *event)
{
    leave();
    event->accept();
}

void ImageListWindow::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("New")) {
        m_files.newImageList();
        showCaption();
    } else if (key == QLatin1String("Open")) {
        m_files.openImageList();
        showCaption();
    } else if (key == QLatin1String("Save")) {
        m_files.saveImageList();
        showCaption();
    } else if (key == QLatin1String("Door")) {
        Close_Click();
    } else if (key == QLatin1String("Add")) {
        m_list.addImageToEnd();
    } else if (key == QLatin1String("Exchange")) {
        m_list.exchangeImage();
    } else if (key == QLatin1String("Insert")) {
        m_list.insertImage(m_list.imgSelected());
    } else if (key == QLatin1String("Ins_Blank")) {
        m_list.insertBlankImage(m_list.imgSelected());
    } else if (key == QLatin1String("DEL")) {
        m_list.removeImage();
    } else if (key == QLatin1String("Convert")) {
        ExportImageList();
    }
}

ListExportWindow *ImageListWindow::exportWindow()
{
    if (!m_export)
        m_export = new ListExportWindow(m_main, m_list, this);
    return m_export;
}

void ImageListWindow::ExportImageList()
{
    m_list.refresh();
    exportWindow()->run();
    m_list.refresh();
}

void ImageListWindow::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void ImageListWindow::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    QStringList files;
    if (event->mimeData() && event->mimeData()->hasUrls()) {
        for (const QUrl &url : event->mimeData()->urls()) {
            if (url.isLocalFile())
                files << url.toLocalFile();
        }
    }
    m_list.dropFilesOnList(files);
}

} // namespace kvx
