#pragma once

#include "image_list/image_entry.h"
#include "image_list/memory_map.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace kvx {

class UserDialogs;

// The entry dialog: lets the user set the memory, address and size of entry index
// (with ImageList::setEntryParameters). True when the user accepted.
class EntryEditor
{
public:
    virtual ~EntryEditor() = default;
    virtual bool editEntry(int index) = 0;
};

// The program's one list of bitmap images for the module's memory, with every editing
// operation of the image-list window. Entries 0..imgCount()-1 are the list; the element
// at imgCount() is the blank slot where a new entry is made. After every change the
// memory map is computed again and changed() is emitted, so readers always see current
// pages and addresses.
class ImageList : public QObject
{
    Q_OBJECT
public:
    static constexpr int imgMax = 1000;

    explicit ImageList(UserDialogs &dialogs, QObject *parent = nullptr);

    int imgCount() const { return m_count; }
    int imgSelected() const { return m_selected; }
    int imgTop() const { return m_top; }
    // Entry i, 0..imgMax (entries at and after imgCount() are blank slots).
    const ImageListEntry &entry(int i) const { return m_entries.at(i); }
    QList<ImageListEntry> entries() const { return m_entries.mid(0, m_count); }
    const MemoryMap &memoryMap() const { return m_map; }
    // The main window's image choices: label + " [" + file name + "]", item i = entry i.
    QStringList comboItems() const;
    QString lastFlashMemory() const { return m_lastFlashMemory; }

    // What the list depends on in the main window.
    void setSeriesOption(int option);
    int seriesOption() const { return m_seriesOption; }
    void setModuleSeri(const QString &moduleSeri);
    QString moduleSeri() const { return m_moduleSeri; }
    void setWorkFolder(const QString &folder) { m_workFolder = folder; }
    QString workFolder() const { return m_workFolder; }
    void setLanguage(const QString &language) { m_language = language; }
    QString language() const { return m_language; }
    void setEntryEditor(EntryEditor *editor) { m_editor = editor; }
    // The dialogs of the window that edits the list, so its messages stand over it.
    void setDialogs(UserDialogs &dialogs) { m_dialogs = &dialogs; }

    // "Image" and four digits, the first such label no entry has.
    QString uniqueImageLabel() const;

    // Editing operations. Each ends with a refresh.
    void addImageToEnd();
    void insertImage(int index);
    void insertBlankImage(int index);
    void removeImage();
    void exchangeImage();
    // Files dropped on a slot's picture: bitmaps are inserted at index in order.
    void dropFilesOnSlot(int index, const QStringList &files);
    // Files dropped on a slot's frame: as above, then the page shows the end of the list.
    void dropFilesOnSlotFrame(int index, const QStringList &files);
    // Files dropped beside the slots: bitmaps are appended, the page shows the end.
    void dropFilesOnList(const QStringList &files);

    // Slot edits of entry index (the slot's ImgTop + slot number).
    void selectEntry(int index);         // a click on a slot
    void setCheck(int index, int value); // the "Inv" box
    void setLabel(int index, const QString &label);
    void chooseMemory(int index, const QString &memory); // the slot's memory choice
    void setImgTop(int top);                             // the scroll bar
    void setImgSelected(int index);
    // The entry dialog's Set.
    void setEntryParameters(int index, qint64 address, int x, int y, const QString &memory);

    // Whole-list changes of the list files.
    void newImageList();
    void replaceEntries(const QList<ImageListEntry> &entries);

    // Memory map, selection and page brought in line with the list; emits changed().
    void refresh();

signals:
    void changed();

private:
    bool chooseBmpForImage();
    bool setImageFromPath(const QString &path);
    bool dropOneOnList(const QString &path);
    bool readSize(const QString &path, int &x, int &y);
    void showEnd();
    void shiftDown(int from);
    // Opens a new entry at index (clamped) with a fresh label and the given memory,
    // and selects it; false after the list-full message.
    bool openSlot(int &index, const QString &memory);
    void removeAt(int index);

    UserDialogs *m_dialogs;
    EntryEditor *m_editor = nullptr;
    QList<ImageListEntry> m_entries;
    int m_count = 0;
    int m_selected = 0;
    int m_top = 0;
    int m_seriesOption = 0;
    QString m_moduleSeri;
    QString m_workFolder;
    QString m_language;
    QString m_lastFlashMemory;
    QString m_bmpDialogFile;
    MemoryMap m_map;
};

} // namespace kvx
