#include "image_list/image_list.h"

#include "image_list/bmp_file.h"
#include "image_list/image_texts.h"
#include "shell/user_dialogs.h"

#include <QDir>

#include <algorithm>

namespace kvx {

namespace {

QString bareName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

const QString kVram = QStringLiteral("VRAM");
const QString kFrom = QStringLiteral("FROM");

} // namespace

ImageList::ImageList(UserDialogs &dialogs, QObject *parent)
    : QObject(parent), m_dialogs(&dialogs), m_entries(imgMax + 1)
{
    m_map = assignImageAddresses(m_entries, m_count, m_seriesOption, m_moduleSeri);
}

QStringList ImageList::comboItems() const
{
    QStringList items;
    for (int i = 0; i < m_count; ++i)
        items.append(m_entries[i].imgLabel + QStringLiteral(" [") + m_entries[i].imgFileName + QLatin1Char(']'));
    return items;
}

void ImageList::setSeriesOption(int option)
{
    m_seriesOption = option;
    refresh();
}

void ImageList::setModuleSeri(const QString &moduleSeri)
{
    m_moduleSeri = moduleSeri;
    refresh();
}

QString ImageList::uniqueImageLabel() const
{
    for (int n = 0; n <= imgMax; ++n) {
        const QString candidate = QStringLiteral("Image%1").arg(n, 4, 10, QLatin1Char('0'));
        bool taken = false;
        for (int i = 0; i < m_count && !taken; ++i)
            taken = m_entries[i].imgLabel == candidate;
        if (!taken)
            return candidate;
    }
    return QString();
}

void ImageList::refresh()
{
    m_map = assignImageAddresses(m_entries, m_count, m_seriesOption, m_moduleSeri);
    m_selected = std::clamp(m_selected, 0, m_count);
    const int topMax = m_count >= 8 ? m_count - 7 : 0;
    m_top = std::clamp(m_top, 0, topMax);
    emit changed();
}

bool ImageList::readSize(const QString &path, int &x, int &y)
{
    const BitmapSize size = readBitmapSize(path, m_language);
    if (!size.ok) {
        m_dialogs->message(size.message);
        return false;
    }
    x = size.width;
    y = size.height;
    return true;
}

// Fills the selected entry from a bitmap the user picks. A cancel or a refused file
// leaves the entry as it was; the caller decides whether the entry stays.
bool ImageList::chooseBmpForImage()
{
    UserDialogs::FileRequest request;
    request.start = m_bmpDialogFile.isEmpty() ? m_workFolder : m_bmpDialogFile;
    request.filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("BitMap Images (*.bmp)")};
    request.filterIndex = 1;
    request.confirmOverwrite = false;
    const UserDialogs::FileChoice choice = m_dialogs->openFile(request);
    if (!choice.accepted || choice.path.isEmpty())
        return false;
    m_bmpDialogFile = choice.path;
    if (!isBmpFile(choice.path)) {
        m_dialogs->message(image_msg::notBmp);
        return false;
    }
    int x = 0;
    int y = 0;
    if (!readSize(choice.path, x, y))
        return false;

    ImageListEntry &e = m_entries[m_selected];
    if (e.imgLabel.isEmpty())
        e.imgLabel = uniqueImageLabel();
    e.imgFileName = bareName(choice.path);
    e.imgPath = choice.path;
    if (!m_lastFlashMemory.startsWith(QLatin1Char('F')))
        m_lastFlashMemory = kFrom;
    if (e.imgMemory.isEmpty())
        e.imgMemory = m_lastFlashMemory;
    e.imgX = x;
    e.imgY = y;
    e.imgCheck = 0;
    return true;
}

// Fills the selected entry from a dropped bitmap: a new label, memory "FROM", "Inv"
// ticked.
bool ImageList::setImageFromPath(const QString &path)
{
    int x = 0;
    int y = 0;
    if (!readSize(path, x, y))
        return false;
    ImageListEntry e;
    e.imgLabel = uniqueImageLabel();
    e.imgFileName = bareName(path);
    e.imgPath = path;
    e.imgMemory = kFrom;
    e.imgX = x;
    e.imgY = y;
    e.imgCheck = 1;
    m_entries[m_selected] = e;
    return true;
}

// Entries from..count-1 move one place on; count has already been raised.
void ImageList::shiftDown(int from)
{
    for (int i = m_count; i > from; --i)
        m_entries[i] = m_entries[i - 1];
}

void ImageList::removeAt(int index)
{
    if (index < 0 || index >= m_count)
        return;
    --m_count;
    for (int i = index; i < m_count; ++i)
        m_entries[i] = m_entries[i + 1];
    // The freed element is cleared whole, so a later entry made there inherits nothing.
    m_entries[m_count] = ImageListEntry{};
}

void ImageList::addImageToEnd()
{
    if (m_count >= imgMax) {
        m_dialogs->message(image_msg::listFull(imgMax));
        return;
    }
    m_top = std::max(0, m_count - 7);
    m_selected = m_count;
    // The blank slot becomes the entry with what the user put into it (a label); freed
    // elements are clear already. A cancel or a refused file leaves it as it was.
    ++m_count;
    if (!chooseBmpForImage())
        --m_count;
    refresh();
}

bool ImageList::openSlot(int &index, const QString &memory)
{
    if (m_count >= imgMax - 1) {
        m_dialogs->message(image_msg::listFull(imgMax));
        return false;
    }
    index = std::clamp(index, 0, m_count);
    ++m_count;
    shiftDown(index);
    ImageListEntry &e = m_entries[index];
    e.imgLabel = uniqueImageLabel();
    e.imgFileName.clear();
    e.imgPath.clear();
    e.imgPage = 0;
    e.imgCheck = 1;
    e.imgMemory = memory;
    e.imgAddress = 0;
    m_selected = index;
    return true;
}

void ImageList::insertImage(int index)
{
    if (!openSlot(index, kFrom))
        return;
    if (m_selected - m_top > 7)
        ++m_top;
    if (chooseBmpForImage())
        ++m_selected;
    else
        removeAt(index);
    refresh();
}

void ImageList::insertBlankImage(int index)
{
    // The size stays that of the entry pushed down: the dialog offers it.
    if (!openSlot(index, kVram))
        return;
    if (m_editor && m_editor->editEntry(index)) {
        const bool wasLow = m_selected - m_top > 6;
        ++m_selected;
        if (wasLow)
            m_top = m_selected - 7;
    } else {
        removeAt(index);
    }
    if (m_selected - m_top > 7)
        ++m_top;
    refresh();
}

void ImageList::removeImage()
{
    removeAt(m_selected);
    refresh();
}

void ImageList::exchangeImage()
{
    if (m_selected < 0 || m_selected >= m_count)
        return;
    // A refused file or a cancel keeps the entry as it was.
    chooseBmpForImage();
    refresh();
}

void ImageList::dropFilesOnSlot(int index, const QStringList &files)
{
    m_selected = std::clamp(index, 0, m_count);
    int shift = 0;
    for (const QString &file : files) {
        if (m_count >= imgMax - 1) {
            m_dialogs->message(image_msg::listFull(imgMax));
            refresh();
            return;
        }
        if (!isBmpFile(file))
            continue;
        int x = 0;
        int y = 0;
        if (!readSize(file, x, y))
            continue;
        ++m_count;
        if (m_count >= 8)
            ++shift;
        shiftDown(m_selected);
        setImageFromPath(file);
        ++m_selected;
    }
    m_top += shift;
    refresh();
}

void ImageList::showEnd()
{
    m_selected = m_count;
    m_top = std::max(0, m_count - 7);
    refresh();
}

void ImageList::dropFilesOnSlotFrame(int index, const QStringList &files)
{
    if (!files.isEmpty())
        dropFilesOnSlot(std::min(index, m_count), files);
    showEnd();
}

bool ImageList::dropOneOnList(const QString &path)
{
    if (m_count >= imgMax) {
        m_dialogs->message(image_msg::listFull(imgMax));
        return false;
    }
    if (!isBmpFile(path))
        return false;
    int x = 0;
    int y = 0;
    if (!readSize(path, x, y))
        return false;
    m_top = std::max(0, m_count - 7);
    m_selected = m_count;
    ++m_count;
    return setImageFromPath(path);
}

void ImageList::dropFilesOnList(const QStringList &files)
{
    for (const QString &file : files)
        dropOneOnList(file);
    showEnd();
}

void ImageList::selectEntry(int index)
{
    m_selected = index;
    refresh();
}

void ImageList::setImgSelected(int index)
{
    m_selected = index;
    refresh();
}

void ImageList::setImgTop(int top)
{
    m_top = top;
    refresh();
}

void ImageList::setCheck(int index, int value)
{
    if (index < 0 || index > imgMax)
        return;
    m_entries[index].imgCheck = value;
    emit changed();
}

void ImageList::setLabel(int index, const QString &label)
{
    if (index < 0 || index > imgMax)
        return;
    m_entries[index].imgLabel = label;
    emit changed();
}

void ImageList::setEntryParameters(int index, qint64 address, int x, int y, const QString &memory)
{
    if (index < 0 || index > imgMax)
        return;
    ImageListEntry &e = m_entries[index];
    e.imgAddress = address;
    e.imgX = x;
    e.imgY = y;
    e.imgMemory = memory;
    refresh();
}

void ImageList::chooseMemory(int index, const QString &memory)
{
    if (index < 0 || index > imgMax)
        return;
    m_selected = index;
    if (index > m_count) {
        m_selected = m_count;
        refresh();
        return;
    }
    ImageListEntry &e = m_entries[index];
    const QString old = e.imgMemory;
    const QString oldLabel = e.imgLabel;
    e.imgMemory = memory;

    auto askParameters = [&] {
        if (e.imgLabel.isEmpty())
            e.imgLabel = uniqueImageLabel();
        const bool accepted = m_editor && m_editor->editEntry(index);
        if (accepted) {
            if (index == m_count && m_count < imgMax) {
                ++m_count;
                m_selected = index + 1;
                if (m_selected - m_top > 7)
                    ++m_top;
            }
        } else {
            // Cancel: the entry keeps the memory it had before the choice, and the
            // blank slot (which shows its label) the label too.
            m_entries[index].imgMemory = old;
            if (index == m_count)
                m_entries[index].imgLabel = oldLabel;
        }
    };

    if (memory != kVram) {
        if (!e.imgPath.isEmpty() && isBmpFile(e.imgPath)) {
            int x = 0;
            int y = 0;
            if (readSize(e.imgPath, x, y)) {
                e.imgX = x;
                e.imgY = y;
            }
        } else {
            askParameters();
        }
        m_selected = index; // the slot is selected as by a click
    } else {
        askParameters();
    }
    refresh();
    const QString &chosen = m_entries[m_selected].imgMemory;
    if (chosen.startsWith(QLatin1Char('F')))
        m_lastFlashMemory = chosen;
}

void ImageList::newImageList()
{
    for (ImageListEntry &e : m_entries)
        e = ImageListEntry{};
    m_count = 0;
    m_top = 0;
    refresh();
}

void ImageList::replaceEntries(const QList<ImageListEntry> &entries)
{
    m_count = int(std::min<qsizetype>(entries.size(), imgMax));
    for (int i = 0; i <= imgMax; ++i)
        m_entries[i] = i < m_count ? entries[i] : ImageListEntry{};
    refresh();
}

} // namespace kvx
