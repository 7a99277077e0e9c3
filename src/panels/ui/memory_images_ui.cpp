#include "panels/ui/memory_images_ui.h"
#include "shell/ui/named_widgets.h"

#include "image_list/image_list.h"
#include "link/vx5200.h"
#include "shell/model_series.h"
#include "shell/ui/eliding_combo_box.h"
#include "shell/ui/panel_host.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace kvx {

MemoryImagesPanelUi::MemoryImagesPanelUi(PanelHost &host)
    : QObject(host.hostWindow()), m_host(host), m_logic(host.panelContext(), host.imageList())
{
    setObjectName(QStringLiteral("MemoryImagesPanelUi"));
    auto *frame = new QGroupBox(QStringLiteral("Memory Image"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);

    m_names = new ElidingComboBox(16);
    m_names->setObjectName(QStringLiteral("CmbImageName"));
    m_edit = button(QStringLiteral("CmdEditImageList"), QStringLiteral("Edit Image List"));
    m_size = label(QStringLiteral("Label48"), QStringLiteral("Size (X x Y)"));
    m_text[1] = box(QStringLiteral("Text1"), QStringLiteral("0"));
    m_text[2] = box(QStringLiteral("Text2"), QStringLiteral("0"));
    m_text[3] = box(QStringLiteral("Text3"), QStringLiteral("0"));
    m_text[4] = box(QStringLiteral("Text4"), QString());
    m_text[5] = box(QStringLiteral("Text5"), QString());
    m_text[6] = box(QStringLiteral("Text6"), QStringLiteral("0"));
    m_text[7] = box(QStringLiteral("Text7"), QStringLiteral("0"));
    auto *offsetClear = button(QStringLiteral("CmdOffsetClear"), QStringLiteral("Clear Offset"));
    auto *yGroup = new QButtonGroup(frame);
    const QStringList yCaptions = yUnitCaptions();
    for (int i = 0; i < 2; ++i) {
        m_yUnit[i] = new QRadioButton(yCaptions.value(i));
        m_yUnit[i]->setObjectName(QStringLiteral("OpYByte_%1").arg(i));
        yGroup->addButton(m_yUnit[i], i);
    }
    m_yUnit[0]->setChecked(true);
    auto *position = label(QStringLiteral("Label52"), QStringLiteral("Display Position"));
    auto *positionUnit = label(QStringLiteral("Label51"), QStringLiteral("Dots"));
    m_scroll = new QCheckBox(QStringLiteral("Scroll"));
    m_scroll->setObjectName(QStringLiteral("ChkScroll"));
    m_speedLabel = label(QStringLiteral("Label50"), QStringLiteral("Speed"));
    m_speed = new QComboBox;
    m_speed->setObjectName(QStringLiteral("CmbSpeed"));
    m_speed->setEditable(true);
    for (int i = 0; i <= 31; ++i)
        m_speed->addItem(QString::number(i));
    m_speed->setCurrentText(QStringLiteral("2"));
    m_draw = button(QStringLiteral("CmdIndicate"), QStringLiteral("Draw Memory Image"));

    // The size label shows the chosen image's numbers: a long one takes a second line
    // rather than widening the window.
    m_size->setWordWrap(true);
    int row = 0;
    grid->addWidget(label(QStringLiteral("Label46"), QStringLiteral("Avilable for VX-5210/ 5290/ 2xxx")), row, 0, 1, 4);
    ++row;
    grid->addWidget(m_names, row, 0, 1, 4);
    ++row;
    grid->addWidget(m_size, row, 0, 1, 2);
    grid->addWidget(m_text[4], row, 2);
    grid->addWidget(m_text[5], row, 3);
    ++row;
    grid->addWidget(label(QStringLiteral("Label43"), QStringLiteral("Image Offset (X x Y)")), row, 0);
    grid->addWidget(m_text[1], row, 1);
    grid->addWidget(m_text[2], row, 2);
    grid->addWidget(m_text[3], row, 3);
    ++row;
    grid->addWidget(m_yUnit[0], row, 0);
    grid->addWidget(m_yUnit[1], row, 1);
    grid->addWidget(offsetClear, row, 2, 1, 2);
    ++row;
    grid->addWidget(position, row, 0);
    grid->addWidget(m_text[6], row, 1);
    grid->addWidget(m_text[7], row, 2);
    grid->addWidget(positionUnit, row, 3);
    ++row;
    grid->addWidget(m_scroll, row, 0);
    grid->addWidget(m_speedLabel, row, 1);
    grid->addWidget(m_speed, row, 2);
    ++row;
    grid->addWidget(m_edit, row, 0);
    grid->addWidget(m_draw, row, 1, 1, 3);

    m_frame = frame;

    connect(m_names, &QComboBox::activated, this, &MemoryImagesPanelUi::CmbImageName_Click);
    connect(m_text[1], &QLineEdit::textChanged, this, &MemoryImagesPanelUi::recomputeOffset);
    connect(m_text[2], &QLineEdit::textChanged, this, &MemoryImagesPanelUi::recomputeOffset);
    connect(offsetClear, &QPushButton::clicked, this, &MemoryImagesPanelUi::CmdOffsetClear_Click);
    connect(m_draw, &QPushButton::clicked, this, &MemoryImagesPanelUi::CmdIndicate_Click);
    connect(m_edit, &QPushButton::clicked, &host, &PanelHost::showImageListWindow);
    connect(yGroup, &QButtonGroup::idClicked, &host, &PanelHost::OpYByte_Click);

    connect(&host.imageList(), &ImageList::changed, this, &MemoryImagesPanelUi::rebuildImageNames);
    connect(&host, &PanelHost::seriesOptionChanged, this, &MemoryImagesPanelUi::applySeriesOption);
    connect(&host, &PanelHost::yUnitChanged, this, &MemoryImagesPanelUi::applyYUnit);

    applySeriesOption(host.seriesOption());
    rebuildImageNames();
}

void MemoryImagesPanelUi::rebuildImageNames()
{
    const QString chosen = m_names->currentIndex() >= 0 ? m_names->currentText() : QString();
    const QStringList items = m_host.imageList().comboItems();
    {
        const QSignalBlocker block(m_names);
        m_names->clear();
        m_names->addItems(items);
        const int kept = chosen.isEmpty() ? -1 : int(items.indexOf(chosen));
        m_names->setCurrentIndex(kept >= 0 ? kept : (items.isEmpty() ? -1 : 0));
    }
    // The sizes follow the entry the combo now names.
    if (m_names->currentIndex() >= 0)
        CmbImageName_Click(m_names->currentIndex());
    updateDrawButton();
}

void MemoryImagesPanelUi::CmbImageName_Click(int index)
{
    const auto view = m_logic.CmbImageName_Click(index, m_host.encoder().moduleDotY());
    if (view) {
        m_size->setText(view->label48);
        m_text[4]->setText(view->text4);
        m_text[5]->setText(view->text5);
        recomputeOffset();
    }
    updateDrawButton();
}

void MemoryImagesPanelUi::recomputeOffset()
{
    if (const auto text = m_logic.offsetText(m_names->currentIndex(), m_text[1]->text(), m_text[2]->text()))
        m_text[3]->setText(*text);
}

void MemoryImagesPanelUi::CmdOffsetClear_Click()
{
    m_text[1]->setText(QStringLiteral("0"));
    m_text[2]->setText(QStringLiteral("0"));
    m_text[3]->setText(QStringLiteral("0"));
}

void MemoryImagesPanelUi::CmdIndicate_Click()
{
    MemoryImageInputs in;
    in.index = m_names->currentIndex();
    in.text3 = m_text[3]->text();
    in.text4 = m_text[4]->text();
    in.text5 = m_text[5]->text();
    in.text6 = m_text[6]->text();
    in.text7 = m_text[7]->text();
    in.oneDotUnit = !m_yUnit[0]->isChecked();
    in.scroll = m_scroll->isChecked() && m_scroll->isEnabled();
    in.speed = m_speed->currentText();
    m_logic.CmdIndicate_Click(in);
}

void MemoryImagesPanelUi::updateDrawButton()
{
    m_draw->setEnabled(drawMemoryImageEnabled(m_seriesOption, m_logic.validEntry(m_names->currentIndex())));
}

void MemoryImagesPanelUi::applySeriesOption(int index)
{
    const auto c = seriesOptionControls(index);
    if (!c)
        return;
    m_seriesOption = index;
    m_edit->setEnabled(c->CmdEditImageList);
    if (c->clearChkScroll)
        m_scroll->setChecked(false);
    m_scroll->setEnabled(c->ChkScroll);
    m_speedLabel->setEnabled(c->Label50);
    m_speed->setEnabled(c->CmbSpeed);
    updateDrawButton();
}

void MemoryImagesPanelUi::applyYUnit(int index)
{
    const auto c = yUnitControls(index);
    if (!c)
        return;
    {
        const QSignalBlocker b0(m_yUnit[0]);
        const QSignalBlocker b1(m_yUnit[1]);
        m_yUnit[c->chosen]->setChecked(true);
    }
    m_scroll->setEnabled(c->ChkScroll);
    m_speedLabel->setEnabled(c->Label50);
    m_speed->setEnabled(c->CmbSpeed);
    m_text[3]->setEnabled(c->Text3);
}

} // namespace kvx
