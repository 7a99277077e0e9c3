#include "image_list/bmp_builder.h"
#include "image_list/image_list.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace kvx;
using kvx::test::ScriptedDialogs;

namespace {

class ScriptedEditor : public EntryEditor
{
public:
    explicit ScriptedEditor(ImageList &list) : m_list(list) {}
    bool editEntry(int index) override
    {
        edited.append(index);
        if (accept)
            m_list.setEntryParameters(index, 100, 64, 32, m_list.entry(index).imgMemory);
        return accept;
    }
    bool accept = true;
    QList<int> edited;

private:
    ImageList &m_list;
};

QList<ImageListEntry> labelled(int count)
{
    QList<ImageListEntry> entries;
    for (int i = 0; i < count; ++i) {
        ImageListEntry e;
        e.imgLabel = QStringLiteral("L%1").arg(i);
        e.imgMemory = QStringLiteral("FROM");
        e.imgX = 8;
        e.imgY = 8;
        entries.append(e);
    }
    return entries;
}

QStringList labels(const ImageList &list)
{
    QStringList out;
    for (int i = 0; i < list.imgCount(); ++i)
        out.append(list.entry(i).imgLabel);
    return out;
}

} // namespace

class TestImageListEdit : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString bmp(const QString &name, int width = 16, int height = 8, bool topDown = false)
    {
        kvx::test::BmpLayout layout;
        layout.width = width;
        layout.height = height;
        layout.topDown = topDown;
        const QString path = m_dir.filePath(name);
        kvx::test::writeFile(path, kvx::test::buildBmp(layout, [](int, int) { return 0u; }));
        return path;
    }

private slots:
    void uniqueLabelsTakeTheFirstFreeNumber()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        QCOMPARE(list.uniqueImageLabel(), QStringLiteral("Image0000"));
        QList<ImageListEntry> entries = labelled(2);
        entries[0].imgLabel = QStringLiteral("Image0000");
        entries[1].imgLabel = QStringLiteral("Image0002");
        list.replaceEntries(entries);
        QCOMPARE(list.uniqueImageLabel(), QStringLiteral("Image0001"));
    }

    void removingClearsTheFreedElement()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.replaceEntries(labelled(1));
        list.setImgSelected(1);
        list.removeImage(); // the blank slot
        QCOMPARE(list.imgCount(), 1);
        list.setImgSelected(0);
        list.removeImage();
        QCOMPARE(list.imgCount(), 0);
        QCOMPARE(list.imgSelected(), 0);
        QCOMPARE(list.entry(0), ImageListEntry{});
    }

    void fullListRefusesMore_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("operation");
        QTest::newRow("append to 1000") << 1000 << 0;
        QTest::newRow("insert into 999") << 999 << 1;
        QTest::newRow("blank insert into 999") << 999 << 2;
        QTest::newRow("drop on a slot with 999") << 999 << 3;
        QTest::newRow("drop beside the slots with 1000") << 1000 << 4;
    }
    void fullListRefusesMore()
    {
        QFETCH(int, count);
        QFETCH(int, operation);
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.replaceEntries(labelled(count));
        const QString file = bmp(QStringLiteral("full.bmp"));
        switch (operation) {
        case 0: list.addImageToEnd(); break;
        case 1: list.insertImage(0); break;
        case 2: list.insertBlankImage(0); break;
        case 3: list.dropFilesOnSlot(0, {file}); break;
        default: list.dropFilesOnList({file}); break;
        }
        QCOMPARE(list.imgCount(), count);
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("No more than 1000 images cannot be loaded.")});
        QVERIFY(dialogs.requests.isEmpty());
    }

    void addingFillsANewEntryFromTheChosenBitmap()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.setWorkFolder(m_dir.path());
        list.setSeriesOption(3);
        // A removed "VRAM" entry leaves nothing behind for the next one.
        QList<ImageListEntry> entries = labelled(2);
        entries[1].imgMemory = QStringLiteral("VRAM");
        entries[1].imgAddress = 999;
        list.replaceEntries(entries);
        list.setImgSelected(1);
        list.removeImage();

        dialogs.chooseFile(bmp(QStringLiteral("top.bmp"), 24, 16, true));
        list.addImageToEnd();
        QCOMPARE(dialogs.requests[0].start, m_dir.path());
        QCOMPARE(dialogs.requests[0].filterIndex, 1);
        QCOMPARE(list.imgCount(), 2);
        const ImageListEntry &e = list.entry(1);
        QCOMPARE(e.imgLabel, QStringLiteral("Image0000"));
        QCOMPARE(e.imgFileName, QStringLiteral("top.bmp"));
        QCOMPARE(e.imgMemory, QStringLiteral("FROM"));
        QCOMPARE(e.imgX, 24);
        QCOMPARE(e.imgY, 16); // stored top row first: the height is still positive
        QCOMPARE(e.imgCheck, 0);
        QCOMPARE(e.imgAddress, 8); // placed behind entry 0
        QCOMPARE(list.imgSelected(), 1);

        // A cancelled add leaves no entry behind.
        list.addImageToEnd();
        QCOMPARE(list.imgCount(), 2);
        QCOMPARE(list.entry(2), ImageListEntry{});
        QCOMPARE(dialogs.requests[1].start, e.imgPath); // the dialog starts at the last file

        // A label typed into the blank slot names the entry made there.
        list.setLabel(2, QStringLiteral("Mine"));
        dialogs.chooseFile(e.imgPath);
        list.addImageToEnd();
        QCOMPARE(labels(list),
                 (QStringList{QStringLiteral("L0"), QStringLiteral("Image0000"), QStringLiteral("Mine")}));
    }

    void refusedFilesAreNotTaken_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a bitmap") << 0 << "This is not a BMP file.";
        QTest::newRow("too wide") << 1 << "The image size 40000 x 8 is not supported (1 to 32767 dots).";
    }
    void refusedFilesAreNotTaken()
    {
        QFETCH(int, kind);
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.replaceEntries(labelled(3));
        QString file = m_dir.filePath(QStringLiteral("note.txt"));
        if (kind == 0)
            kvx::test::writeFile(file, "hello");
        else
            file = bmp(QStringLiteral("wide.bmp"), 40000, 8);

        dialogs.chooseFile(file);
        list.insertImage(1); // the inserted entry goes again, the others stay
        QCOMPARE(labels(list), (QStringList{QStringLiteral("L0"), QStringLiteral("L1"), QStringLiteral("L2")}));

        dialogs.chooseFile(file);
        list.setImgSelected(2);
        list.exchangeImage(); // the entry stays as it was
        QCOMPARE(list.imgCount(), 3);
        QCOMPARE(list.entry(2).imgLabel, QStringLiteral("L2"));
        QCOMPARE(list.entry(2).imgX, 8);

        list.dropFilesOnList({file});
        QCOMPARE(list.imgCount(), 3);
        QFETCH(QString, message);
        const int shown = kind == 0 ? 2 : 3; // dropped non-bitmaps are skipped silently
        QCOMPARE(dialogs.shown, QStringList(shown, message));
    }

    void insertAndExchange()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.replaceEntries(labelled(3));
        dialogs.chooseFile(bmp(QStringLiteral("ins.bmp")));
        list.insertImage(50); // beyond the list: at its end
        QCOMPARE(list.imgCount(), 4);
        QCOMPARE(list.entry(3).imgFileName, QStringLiteral("ins.bmp"));
        QCOMPARE(list.entry(3).imgMemory, QStringLiteral("FROM"));
        QCOMPARE(list.imgSelected(), 4);

        dialogs.chooseFile(bmp(QStringLiteral("mid.bmp"), 32, 16));
        list.insertImage(1);
        QCOMPARE(list.entry(1).imgFileName, QStringLiteral("mid.bmp"));
        QCOMPARE(list.entry(2).imgLabel, QStringLiteral("L1"));
        QCOMPARE(list.imgSelected(), 2);

        list.setLabel(1, QStringLiteral("Keep"));
        list.setCheck(1, 1);
        list.setImgSelected(1);
        dialogs.chooseFile(bmp(QStringLiteral("new.bmp"), 40, 24));
        list.exchangeImage();
        const ImageListEntry &e = list.entry(1);
        QCOMPARE(e.imgLabel, QStringLiteral("Keep"));
        QCOMPARE(e.imgFileName, QStringLiteral("new.bmp"));
        QCOMPARE(e.imgX, 40);
        QCOMPARE(e.imgY, 24);
        QCOMPARE(e.imgCheck, 0);
    }

    void blankInsertAsksForTheParameters()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        ScriptedEditor editor(list);
        list.setEntryEditor(&editor);
        list.replaceEntries(labelled(2));
        list.insertBlankImage(1);
        QCOMPARE(editor.edited, QList<int>{1});
        QCOMPARE(list.imgCount(), 3);
        QCOMPARE(list.entry(1).imgMemory, QStringLiteral("VRAM"));
        QCOMPARE(list.entry(1).imgAddress, 100);
        QCOMPARE(list.entry(1).imgX, 64);
        QCOMPARE(list.imgSelected(), 2);

        editor.accept = false;
        list.insertBlankImage(0);
        QCOMPARE(labels(list), (QStringList{QStringLiteral("L0"), QStringLiteral("Image0000"), QStringLiteral("L1")}));
    }

    void memoryChoiceOfASlot()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        ScriptedEditor editor(list);
        list.setEntryEditor(&editor);
        QList<ImageListEntry> entries = labelled(2);
        entries[0].imgPath = bmp(QStringLiteral("m.bmp"), 48, 16);
        entries[1].imgMemory = QStringLiteral("VRAM");
        list.replaceEntries(entries);

        // An entry with a bitmap takes the choice and its size from the file.
        list.chooseMemory(0, QStringLiteral("F 3"));
        QCOMPARE(list.entry(0).imgMemory, QStringLiteral("F 3"));
        QCOMPARE(list.entry(0).imgX, 48);
        QCOMPARE(list.lastFlashMemory(), QStringLiteral("F 3"));
        QVERIFY(editor.edited.isEmpty());

        // Cancel keeps the memory the entry had.
        editor.accept = false;
        list.chooseMemory(1, QStringLiteral("RAM"));
        QCOMPARE(list.entry(1).imgMemory, QStringLiteral("VRAM"));
        list.chooseMemory(1, QStringLiteral("VRAM"));
        QCOMPARE(list.entry(1).imgMemory, QStringLiteral("VRAM"));

        // Accepted on the blank slot, it becomes an entry.
        editor.accept = true;
        list.chooseMemory(2, QStringLiteral("VRAM"));
        QCOMPARE(list.imgCount(), 3);
        QCOMPARE(list.entry(2).imgLabel, QStringLiteral("Image0000"));
        QCOMPARE(list.imgSelected(), 3);

        // A new image takes the last flash memory chosen.
        dialogs.chooseFile(bmp(QStringLiteral("n.bmp")));
        list.addImageToEnd();
        QCOMPARE(list.entry(3).imgMemory, QStringLiteral("F 3"));

        // Beyond the blank slot: only the selection moves.
        list.chooseMemory(9, QStringLiteral("RAM"));
        QCOMPARE(list.imgSelected(), 4);
        QCOMPARE(list.entry(9), ImageListEntry{});
    }

    void dropsInsertBitmapsInOrder()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.replaceEntries(labelled(5));
        const QString text = m_dir.filePath(QStringLiteral("t.txt"));
        kvx::test::writeFile(text, "x");
        list.dropFilesOnSlot(
            2, {bmp(QStringLiteral("d1.bmp")), text, bmp(QStringLiteral("d2.bmp")), bmp(QStringLiteral("d3.bmp"))});
        QCOMPARE(labels(list),
                 (QStringList{QStringLiteral("L0"), QStringLiteral("L1"), QStringLiteral("Image0000"),
                              QStringLiteral("Image0001"), QStringLiteral("Image0002"), QStringLiteral("L2"),
                              QStringLiteral("L3"), QStringLiteral("L4")}));
        QCOMPARE(list.entry(3).imgFileName, QStringLiteral("d2.bmp"));
        QCOMPARE(list.entry(3).imgMemory, QStringLiteral("FROM"));
        QCOMPARE(list.entry(3).imgCheck, 1);
        QCOMPARE(list.imgSelected(), 5);
        QCOMPARE(dialogs.shown, QStringList{});

        // Beside the slots: appended, the page shows the end with the blank slot chosen.
        list.dropFilesOnList({bmp(QStringLiteral("e1.bmp")), bmp(QStringLiteral("e2.bmp"))});
        QCOMPARE(list.imgCount(), 10);
        QCOMPARE(list.entry(9).imgFileName, QStringLiteral("e2.bmp"));
        QCOMPARE(list.imgSelected(), 10);
        QCOMPARE(list.imgTop(), 3);

        // On a slot frame: inserted, then the page moves to the end too.
        list.setImgTop(0);
        list.dropFilesOnSlotFrame(6, {bmp(QStringLiteral("f.bmp"))});
        QCOMPARE(list.entry(6).imgFileName, QStringLiteral("f.bmp"));
        QCOMPARE(list.imgSelected(), 11);
        QCOMPARE(list.imgTop(), 4);
    }

    void changesAnnounceAndReplaceTheMemoryMap()
    {
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        QSignalSpy spy(&list, &ImageList::changed);
        list.replaceEntries(labelled(2));
        list.setModuleSeri(QStringLiteral("2100"));
        list.setSeriesOption(3);
        QCOMPARE(list.memoryMap().status, QStringLiteral("OK"));
        QCOMPARE(list.entry(1).imgAddress, 8);
        list.setEntryParameters(0, 0, 8, 8, QStringLiteral("F 2"));
        QCOMPARE(list.entry(0).imgPage, 2);
        QCOMPARE(list.entry(1).imgAddress, 0);
        list.setSeriesOption(0);
        QCOMPARE(list.memoryMap().status, QString());
        QCOMPARE(spy.count(), 5);
        QCOMPARE(list.comboItems(), (QStringList{QStringLiteral("L0 []"), QStringLiteral("L1 []")}));

        // The page never starts beyond the last seven entries and the blank slot.
        list.replaceEntries(labelled(20));
        list.setImgTop(50);
        QCOMPARE(list.imgTop(), 13);
        list.setImgSelected(40);
        QCOMPARE(list.imgSelected(), 20);
        list.newImageList();
        QCOMPARE(list.imgCount(), 0);
        QCOMPARE(list.imgTop(), 0);
        QCOMPARE(list.imgSelected(), 0);
    }
};

KVX_TEST_MAIN(TestImageListEdit)
#include "tst_image_list_edit.moc"
