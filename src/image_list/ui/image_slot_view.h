#pragma once

#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace kvx {

class EntryEditor;
class ImageList;

// The image-list window's page: eight slots, each one entry of the list (number,
// thumbnail, label, memory, size, path, file name, page, address, "Inv"), and the
// scroll bar over the list. It keeps no data of its own: every change of the list
// redraws it. Filling the boxes runs no handler; the user's edits go to the list.
class ImageSlotView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Slots = 8;

    ImageSlotView(ImageList &list, EntryEditor &editor, QWidget *parent = nullptr);

    // The memory choices of every slot (the series option's).
    void setMemoryChoices(const QStringList &choices);
    // Draws the page from the list (done on every change of the list).
    void refresh();

    // What a slot's thumbnail shows now (tests): its place in the slot's box and the
    // file it was loaded from ("" for none).
    QRect thumbnailGeometry(int slot) const;
    static QSize thumbnailBox();

    // Handlers of the user's actions on slot s.
    void Frame_Click(int s);
    void Frame_DblClick(int s);
    void Frame_OLEDragDrop(int s, const QStringList &files);
    void Image_OLEDragDrop(int s, const QStringList &files);
    void Resolution_Click(int s);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Slot
    {
        QFrame *frame = nullptr;
        QLabel *number = nullptr;
        QWidget *box = nullptr;
        QLabel *thumb = nullptr;
        QLineEdit *label = nullptr;
        QComboBox *memory = nullptr;
        QLineEdit *resolution = nullptr;
        QLineEdit *path = nullptr;
        QLineEdit *fileName = nullptr;
        QLineEdit *page = nullptr;
        QLineEdit *address = nullptr;
        QCheckBox *check = nullptr;
    };
    QWidget *buildSlot(int s);
    void showThumbnail(Slot &slot, const QString &path, int x, int y);

    ImageList &m_list;
    EntryEditor &m_editor;
    std::array<Slot, Slots> m_slots;
    QScrollBar *m_scroll = nullptr;
    bool m_refreshing = false;
};

} // namespace kvx
