#include "image_list/ui/image_slot_view.h"

#include "image_list/image_list.h"
#include "image_list/image_window_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

namespace kvx {

namespace {

const char *const SlotProperty = "kvxSlot";
const char *const RoleProperty = "kvxRole";

// What a press, a double click or a drop on a part of a slot does.
enum Role { FrameRole, ThumbRole, RouteRole, DialogRole };

// The "Inv" box: a click ticks or clears it; only the program greys it.
class InvBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

QStringList droppedFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

QLineEdit *slotBox(const QString &name, int width, bool readOnly = true)
{
    auto *e = new QLineEdit;
    e->setObjectName(name);
    e->setFixedWidth(width);
    e->setReadOnly(readOnly);
    return e;
}

const QColor SelectedColour(128, 128, 255); // light blue

} // namespace

ImageSlotView::ImageSlotView(ImageList &list, EntryEditor &editor, QWidget *parent)
    : QWidget(parent), m_list(list), m_editor(editor)
{
    setObjectName(QStringLiteral("Frame1"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    for (int s = 0; s < Slots; ++s)
        column->addWidget(buildSlot(s));
    row->addLayout(column, 1);
    m_scroll = new QScrollBar(Qt::Vertical);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setRange(0, 0);
    m_scroll->setPageStep(8);
    row->addWidget(m_scroll);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_refreshing)
            m_list.setImgTop(value);
    });
    connect(&m_list, &ImageList::changed, this, &ImageSlotView::refresh);
    refresh();
}

QSize ImageSlotView::thumbnailBox()
{
    return QSize(89, 33);
}

QWidget *ImageSlotView::buildSlot(int s)
{
    Slot &slot = m_slots[size_t(s)];
    const QString n = QString::number(s);
    slot.frame = new QFrame;
    slot.frame->setObjectName(QStringLiteral("Frame_") + n);
    slot.frame->setFrameShape(QFrame::StyledPanel);
    slot.frame->setAutoFillBackground(true);
    auto *row = new QHBoxLayout(slot.frame);
    row->setContentsMargins(3, 2, 3, 2);

    slot.number = new QLabel;
    slot.number->setObjectName(QStringLiteral("LblNum_") + n);
    slot.number->setFixedWidth(32);
    slot.box = new QWidget;
    slot.box->setFixedSize(thumbnailBox());
    slot.thumb = new QLabel(slot.box);
    slot.thumb->setObjectName(QStringLiteral("Image") + n);
    slot.thumb->setScaledContents(true);
    slot.thumb->setGeometry(QRect(QPoint(0, 0), thumbnailBox()));
    slot.thumb->hide();
    slot.label = slotBox(QStringLiteral("txtLabel_") + n, 100, false);
    slot.memory = new QComboBox;
    slot.memory->setObjectName(QStringLiteral("CmbPage_") + n);
    slot.memory->setEditable(true);
    slot.memory->setInsertPolicy(QComboBox::NoInsert);
    slot.memory->setFixedWidth(76);
    slot.resolution = slotBox(QStringLiteral("Resolution_") + n, 72);
    slot.path = slotBox(QStringLiteral("Path_") + n, 200);
    slot.fileName = slotBox(QStringLiteral("FileName_") + n, 110);
    slot.page = slotBox(QStringLiteral("txtPage_") + n, 30);
    slot.address = slotBox(QStringLiteral("txtAdrs_") + n, 60);
    slot.check = new InvBox;
    slot.check->setObjectName(QStringLiteral("Check1_") + n);

    row->addWidget(slot.number);
    row->addWidget(slot.box);
    row->addWidget(slot.label);
    row->addWidget(slot.memory);
    row->addWidget(slot.resolution);
    row->addWidget(slot.path, 1);
    row->addWidget(slot.fileName);
    row->addWidget(slot.page);
    row->addWidget(new QLabel(QStringLiteral("-")));
    row->addWidget(slot.address);
    row->addWidget(slot.check);

    const std::pair<QWidget *, Role> roles[] = {
        {slot.frame, FrameRole},       {slot.number, FrameRole},   {slot.box, FrameRole},  {slot.thumb, ThumbRole},
        {slot.fileName, RouteRole},    {slot.path, RouteRole},     {slot.page, RouteRole}, {slot.label, RouteRole},
        {slot.resolution, DialogRole}, {slot.address, DialogRole},
    };
    for (const auto &[w, role] : roles) {
        w->setProperty(SlotProperty, s);
        w->setProperty(RoleProperty, int(role));
        w->installEventFilter(this);
    }
    slot.frame->setAcceptDrops(true);
    slot.thumb->setAcceptDrops(true);

    connect(slot.label, &QLineEdit::textEdited, this,
            [this, s](const QString &text) { m_list.setLabel(m_list.imgTop() + s, text); });
    connect(slot.check, &QCheckBox::clicked, this,
            [this, s](bool on) { m_list.setCheck(m_list.imgTop() + s, on ? 1 : 0); });
    connect(slot.memory, &QComboBox::activated, this,
            [this, s] { m_list.chooseMemory(m_list.imgTop() + s, m_slots[size_t(s)].memory->currentText()); });
    return slot.frame;
}

void ImageSlotView::setMemoryChoices(const QStringList &choices)
{
    for (Slot &slot : m_slots) {
        const QSignalBlocker block(slot.memory);
        const QString text = slot.memory->currentText();
        slot.memory->clear();
        slot.memory->addItems(choices);
        slot.memory->setCurrentText(text);
    }
}

void ImageSlotView::showThumbnail(Slot &slot, const QString &path, int x, int y)
{
    // The picture is loaded only when the slot's path changes: the path box is the
    // key of what the thumbnail holds. A bitmap that does not load leaves black.
    if (slot.path->text() != path) {
        slot.path->setText(path);
        slot.path->setCursorPosition(0);
        if (!path.isEmpty()) {
            QPixmap black(thumbnailBox());
            black.fill(Qt::black);
            QPixmap picture;
            slot.thumb->setPixmap(picture.load(path) ? picture : black);
            slot.thumb->setProperty("kvxLoaded", picture.isNull() ? QString() : path);
        }
    }
    slot.thumb->setGeometry(fitThumbnail(x, y, thumbnailBox()));
}

void ImageSlotView::refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    const int count = m_list.imgCount();
    const int top = m_list.imgTop();
    const int selected = m_list.imgSelected();
    {
        const QSignalBlocker block(m_scroll);
        m_scroll->setRange(0, scrollMaximum(count));
        m_scroll->setValue(top);
    }
    QList<int> greyed; // shown "VRAM" entries whose "Inv" box turns grey
    for (int s = 0; s < Slots; ++s) {
        Slot &slot = m_slots[size_t(s)];
        const int k = top + s;
        QPalette palette = slot.frame->palette();
        palette.setColor(QPalette::Window, k == selected ? SelectedColour : QPalette().color(QPalette::Button));
        slot.frame->setPalette(palette);
        slot.frame->setProperty("selected", k == selected);

        auto setText = [](QLineEdit *e, const QString &text) {
            if (e->text() != text) {
                e->setText(text);
                e->setCursorPosition(0);
            }
        };
        const QSignalBlocker blockMemory(slot.memory);
        const QSignalBlocker blockCheck(slot.check);
        if (k >= count) {
            slot.number->clear();
            // The blank slot keeps a label typed into it, as any other slot does.
            setText(slot.label, k == count ? m_list.entry(k).imgLabel : QString());
            setText(slot.fileName, QString());
            setText(slot.path, QString());
            setText(slot.resolution, QString());
            setText(slot.page, QString());
            setText(slot.address, QString());
            slot.memory->setCurrentText(QString());
            slot.check->setEnabled(true);
            slot.check->setCheckState(Qt::PartiallyChecked);
            slot.thumb->hide();
            continue;
        }
        const ImageListEntry &e = m_list.entry(k);
        slot.number->setText(QString::number(k + 1));
        setText(slot.label, e.imgLabel);
        setText(slot.fileName, e.imgFileName);
        slot.memory->setCurrentText(e.imgMemory);
        setText(slot.page, QString::number(e.imgPage));
        setText(slot.address, QString::number(e.imgAddress));
        setText(slot.resolution, QStringLiteral("%1x%2").arg(e.imgX).arg(e.imgY));
        slot.check->setEnabled(true);
        slot.check->setCheckState(e.imgCheck == 1       ? Qt::Checked
                                      : e.imgCheck == 0 ? Qt::Unchecked
                                                        : Qt::PartiallyChecked);
        showThumbnail(slot, e.imgPath, e.imgX, e.imgY);
        slot.thumb->setVisible(!e.imgPath.isEmpty());
        if (e.imgMemory == QLatin1String("VRAM")) {
            // A blank image in display memory: no file, no page, a grey "Inv" box.
            setText(slot.fileName, QString());
            setText(slot.path, QString());
            setText(slot.page, QString());
            slot.check->setCheckState(Qt::PartiallyChecked);
            slot.thumb->hide();
            if (e.imgCheck != 2)
                greyed << k;
        }
    }
    m_refreshing = false;
    // The grey box is the entry's value too (a list saved later keeps 2).
    for (int k : greyed)
        m_list.setCheck(k, 2);
}

QRect ImageSlotView::thumbnailGeometry(int slot) const
{
    return m_slots[size_t(slot)].thumb->geometry();
}

void ImageSlotView::Frame_Click(int s)
{
    m_list.selectEntry(m_list.imgTop() + s);
}

void ImageSlotView::Frame_DblClick(int s)
{
    const int k = m_list.imgTop() + s;
    if (k >= m_list.imgCount() || m_list.entry(k).imgPath.isEmpty())
        return;
    // Whatever the desktop answers (no viewer, file gone) is left to it.
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_list.entry(k).imgPath));
}

void ImageSlotView::Frame_OLEDragDrop(int s, const QStringList &files)
{
    m_list.dropFilesOnSlotFrame(m_list.imgTop() + s, files);
}

void ImageSlotView::Image_OLEDragDrop(int s, const QStringList &files)
{
    if (!files.isEmpty())
        m_list.dropFilesOnSlot(std::min(m_list.imgTop() + s, m_list.imgCount()), files);
}

void ImageSlotView::Resolution_Click(int s)
{
    Frame_Click(s);
    const int k = m_list.imgSelected();
    if (k < m_list.imgCount() && m_list.entry(k).imgMemory == QLatin1String("VRAM")) {
        m_editor.editEntry(k);
        m_list.refresh();
    }
}

bool ImageSlotView::eventFilter(QObject *watched, QEvent *event)
{
    const QVariant slotValue = watched->property(SlotProperty);
    if (!slotValue.isValid())
        return QWidget::eventFilter(watched, event);
    const int s = slotValue.toInt();
    const auto role = Role(watched->property(RoleProperty).toInt());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            break;
        if (role == DialogRole) {
            Resolution_Click(s);
            return true;
        }
        Frame_Click(s);
        // A press on the number or the picture is the slot's alone (not its frame's too).
        return role == FrameRole || role == ThumbRole;
    case QEvent::MouseButtonDblClick:
        if (role == FrameRole || role == ThumbRole) {
            Frame_DblClick(s);
            return true;
        }
        break;
    case QEvent::DragEnter:
        if (role == FrameRole || role == ThumbRole) {
            static_cast<QDragEnterEvent *>(event)->acceptProposedAction();
            return true;
        }
        break;
    case QEvent::Drop:
        if (role == FrameRole || role == ThumbRole) {
            auto *drop = static_cast<QDropEvent *>(event);
            drop->acceptProposedAction();
            const QStringList files = droppedFiles(drop->mimeData());
            if (role == ThumbRole)
                Image_OLEDragDrop(s, files);
            else
                Frame_OLEDragDrop(s, files);
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kvx
