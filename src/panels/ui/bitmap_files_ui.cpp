#include "panels/ui/bitmap_files_ui.h"
#include "shell/ui/named_widgets.h"

#include "link/app_paths.h"
#include "panels/memory_images.h"
#include "shell/ui/eliding_combo_box.h"
#include "shell/ui/panel_host.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace kvx {

BitmapFilesPanelUi::BitmapFilesPanelUi(PanelHost &host)
    : QObject(host.hostWindow()), m_host(host), m_logic(host.panelContext())
{
    setObjectName(QStringLiteral("BitmapFilesPanelUi"));
    auto *frame = new QGroupBox(QStringLiteral("BMP File"));
    frame->setObjectName(QStringLiteral("FileBmpFrame"));
    auto *grid = new QGridLayout(frame);

    m_drive = new ElidingComboBox(12);
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_folderBox = new QLineEdit;
    m_folderBox->setObjectName(QStringLiteral("Dir1Path"));
    m_folderBox->setReadOnly(true);
    m_dir = new QListWidget;
    m_dir->setObjectName(QStringLiteral("Dir1"));
    m_file = new QListWidget;
    m_file->setObjectName(QStringLiteral("File1"));
    m_path = new QLineEdit;
    m_path->setObjectName(QStringLiteral("BmpPathBox"));
    auto *browse = button(QStringLiteral("cmdBrowse"), QStringLiteral("Browse"));
    m_draw = button(QStringLiteral("BmpDrawButton"), QStringLiteral("Draw"));
    auto *byDot = button(QStringLiteral("CmdDrawFileByDot"), QStringLiteral("Draw by Dot"));

    auto *actions = new QGroupBox(QStringLiteral("Action"));
    actions->setObjectName(QStringLiteral("FrmAction"));
    auto *actionLayout = new QHBoxLayout(actions);
    auto *actionGroup = new QButtonGroup(actions);
    const QStringList captions = {QStringLiteral("None"), QStringLiteral("Scroll"), QStringLiteral("Fountain"),
                                  QStringLiteral("Disolve")};
    for (int i = 0; i < 4; ++i) {
        m_action[i] = new QRadioButton(captions[i]);
        m_action[i]->setObjectName(QStringLiteral("OptAction_%1").arg(i));
        actionGroup->addButton(m_action[i], i);
        actionLayout->addWidget(m_action[i]);
    }
    m_action[0]->setChecked(true);

    grid->addWidget(m_drive, 0, 0);
    grid->addWidget(m_folderBox, 0, 1);
    grid->addWidget(m_dir, 1, 0);
    grid->addWidget(m_file, 1, 1);
    grid->addWidget(m_path, 2, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(browse);
    buttons->addWidget(byDot);
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    // Draw, the button the frame is for, stands at its lower right corner, clear of
    // the other controls, beside the action it draws with.
    auto *drawRow = new QHBoxLayout;
    drawRow->setSpacing(12);
    drawRow->addWidget(actions, 1);
    drawRow->addWidget(m_draw, 0, Qt::AlignBottom);
    grid->addLayout(drawRow, 4, 0, 1, 2);
    grid->setContentsMargins(4, 4, 6, 12);

    m_frame = frame;

    {
        const QSignalBlocker block(m_drive);
        m_drive->addItems(bmpRootFolders());
    }
    m_logic.folderChanged = [this](const QString &folder) { m_host.setBitmapFolder(folder); };
    m_logic.runningChanged = [this](bool running) { m_draw->setEnabled(!running); };

    connect(m_drive, &QComboBox::activated, this, &BitmapFilesPanelUi::Drive1_Change);
    connect(m_dir, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { Dir1_Activated(item->text()); });
    connect(m_file, &QListWidget::currentRowChanged, this, &BitmapFilesPanelUi::File1_Click);
    connect(m_path, &QLineEdit::textEdited, this, [this](const QString &text) { m_path->setToolTip(text); });
    connect(browse, &QPushButton::clicked, this, &BitmapFilesPanelUi::cmdBrowse_Click);
    connect(m_draw, &QPushButton::clicked, this, &BitmapFilesPanelUi::BmpDrawButton_Click);
    connect(byDot, &QPushButton::clicked, this, [this] { m_logic.CmdDrawFileByDot_Click(); });

    // The folder kept in Config.dat, or the program's folder when it is gone.
    connect(&host, &PanelHost::settingsRestored, this, [this] {
        if (!showFolder(m_host.bitmapFolder()))
            showFolder(programFolder());
    });
    if (!showFolder(host.bitmapFolder()))
        showFolder(programFolder());
}

bool BitmapFilesPanelUi::showFolder(const QString &folder)
{
    if (!m_logic.Dir1_Change(folder))
        return false;
    fillLists();
    return true;
}

void BitmapFilesPanelUi::fillLists()
{
    const QString folder = m_logic.folder();
    m_folderBox->setText(folder);
    {
        const QSignalBlocker block(m_dir);
        m_dir->clear();
        m_dir->addItems(bmpFolderItems(folder));
    }
    {
        const QSignalBlocker block(m_file);
        m_file->clear();
        m_file->addItems(bmpFileItems(folder));
        m_file->setCurrentRow(-1);
    }
    // The root the folder lies under (the longest that holds it).
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_drive->count(); ++i) {
        const QString root = m_drive->itemText(i);
        const bool holds =
            folder == root || folder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker block(m_drive);
    m_drive->setCurrentIndex(best);
}

void BitmapFilesPanelUi::Drive1_Change(int index)
{
    // A root that cannot be read leaves the lists as they were.
    if (!showFolder(m_drive->itemText(index)))
        fillLists();
}

void BitmapFilesPanelUi::Dir1_Activated(const QString &item)
{
    showFolder(bmpFolderOf(m_logic.folder(), item));
}

void BitmapFilesPanelUi::File1_Click(int row)
{
    if (row < 0)
        return;
    const QString full = m_logic.File1_Click(m_file->item(row)->text(), m_path->text());
    if (!full.isEmpty())
        setPathBox(full);
}

void BitmapFilesPanelUi::setPathBox(const QString &path)
{
    m_path->setText(path);
    m_path->setToolTip(path);
}

void BitmapFilesPanelUi::cmdBrowse_Click()
{
    const BitmapFilesPanel::Browse chosen = m_logic.cmdBrowse_Click();
    if (!chosen.accepted)
        return;
    fillLists();
    setPathBox(chosen.path);
    const QSignalBlocker block(m_file);
    for (int i = 0; i < m_file->count(); ++i) {
        if (m_file->item(i)->text() == chosen.fileName) {
            m_file->setCurrentRow(i);
            break;
        }
    }
}

void BitmapFilesPanelUi::BmpDrawButton_Click()
{
    const int action = [this] {
        for (int i = 0; i < 4; ++i)
            if (m_action[i]->isChecked())
                return i;
        return -1;
    }();
    const int speed = m_host.controlValue(QStringLiteral("WindowScrollSlider"));
    m_logic.BmpDrawButton_Click(m_path->text(), action, speed);
    if (m_logic.lastPlan().actionForced)
        chooseAction(0);
}

void BitmapFilesPanelUi::chooseAction(int index)
{
    const QSignalBlocker block(m_action[index]);
    m_action[index]->setChecked(true);
}

} // namespace kvx
