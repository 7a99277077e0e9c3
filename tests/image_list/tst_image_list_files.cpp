#include "image_list/bmp_builder.h"
#include "image_list/definition_listing.h"
#include "image_list/image_list.h"
#include "image_list/list_files.h"
#include "link/app_paths.h"
#include "link/codepage.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>

using namespace kvx;
using kvx::test::ScriptedDialogs;

namespace {

ImageListEntry entry(const QString &label, const QString &path, int x, int y, int check, const QString &memory,
                     qint64 address)
{
    ImageListEntry e;
    e.imgLabel = label;
    e.imgPath = path;
    e.imgFileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    e.imgX = x;
    e.imgY = y;
    e.imgCheck = check;
    e.imgMemory = memory;
    e.imgAddress = address;
    return e;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Fields that a list file keeps (the page comes from the memory map).
QStringList kept(const QList<ImageListEntry> &entries)
{
    QStringList out;
    for (const ImageListEntry &e : entries)
        out << QStringLiteral("%1|%2|%3|%4x%5|%6|%7|%8")
                   .arg(e.imgLabel, e.imgPath, e.imgFileName)
                   .arg(e.imgX)
                   .arg(e.imgY)
                   .arg(e.imgCheck)
                   .arg(e.imgMemory)
                   .arg(e.imgAddress);
    return out;
}

void makeBmp(const QString &path, int width = 8, int height = 8, quint32 colour = 0)
{
    kvx::test::BmpLayout layout;
    layout.width = width;
    layout.height = height;
    QVERIFY(kvx::test::writeFile(path, kvx::test::buildBmp(layout, [&](int, int) { return colour; })));
}

} // namespace

class TestImageListFiles : public QObject
{
    Q_OBJECT
private slots:
    void listFileHasItsExactLines()
    {
        const QList<ImageListEntry> entries{
            entry(QStringLiteral("Logo"), QStringLiteral("/w/lists/pics/logo.bmp"), 128, 64, 1, QStringLiteral("F 1-4"),
                  0),
            entry(QStringLiteral("Blank"), QString(), 40, 16, 2, QStringLiteral("VRAM"), -5),
            entry(QStringLiteral("Other"), QStringLiteral("/w/lists2/a.bmp"), 8, 8, 0, QStringLiteral("RAM"), 512),
        };
        const QString expected = QStringLiteral(
            "Telmarin KVX35P evaluation tool\r\nMacro Editor Image List   KVX35P\r\n\r\nRev1.20\r\n"
            "Total number of Images :  3 \r\n\r\n"
            "No =  1 \r\nlabel = Logo\r\nFile = ./pics/logo.bmp\r\nX =  128 \r\nY =  64 \r\nCheck =  1 \r\n"
            "Memory = F 1-4\r\nAddress =  0 \r\n"
            "No =  2 \r\nlabel = Blank\r\nFile = \r\nX =  40 \r\nY =  16 \r\nCheck =  2 \r\n"
            "Memory = VRAM\r\nAddress = -5 \r\n"
            "No =  3 \r\nlabel = Other\r\nFile = /w/lists2/a.bmp\r\nX =  8 \r\nY =  8 \r\nCheck =  0 \r\n"
            "Memory = RAM\r\nAddress =  512 \r\n"
            "\r\nEOF\r\n");
        QCOMPARE(imageListFileText(entries, QStringLiteral("/w/lists"), false), expected);

        const QString withBmp = imageListFileText(entries, QStringLiteral("/w/lists"), true);
        QVERIFY(withBmp.contains(QStringLiteral("File = ./logo.bmp\r\n")));
        QVERIFY(withBmp.contains(QStringLiteral("File = ./a.bmp\r\n")));

        const QString temp = tempImageListText(entries);
        QVERIFY(temp.contains(QStringLiteral("Total number of Inages :  3 \r\n")));
        QVERIFY(temp.contains(QStringLiteral("File = /w/lists/pics/logo.bmp\r\n")));
    }

    void readerRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("errorLine");
        const QString d = QStringLiteral("|||16x16|1|FROM|0");
        QTest::newRow("keys are case-insensitive, values trimmed")
            << "NO = 1\nLABEL =  Car  \nMemory =   F 1-4  \nX = 40abc\nY = &H20\nADDRESS = 70000\nCheck = 2.5"
            << QStringList{QStringLiteral("Car|||40x32|2|F 1-4|70000")} << 0;
        QTest::newRow("a line without = is ignored") << "No = 1\nlabel x\nlabel=y" << QStringList{d} << 0;
        QTest::newRow("nothing after EOF is read") << "No = 1\nEOF\nNo = 2" << QStringList{d} << 0;
        QTest::newRow("relative references resolve against the base, Windows separators too")
            << "No\nFile = .\\pics\\a.bmp\nNo\nFile = ./b.bmp\nNo\nFile = /abs/c.bmp"
            << QStringList{QStringLiteral("|/base/pics/a.bmp|a.bmp|16x16|1|FROM|0"),
                           QStringLiteral("|/base/b.bmp|b.bmp|16x16|1|FROM|0"),
                           QStringLiteral("|/abs/c.bmp|c.bmp|16x16|1|FROM|0")}
            << 0;
        QTest::newRow("no entries without a no line") << "Rev1.20\r\nhello\r\n" << QStringList{} << 0;
        QTest::newRow("an entry key before the first no line stops with its line")
            << "Rev1.20\r\nlabel = a\r\nNo = 1" << QStringList{} << 2;
        QTest::newRow("a size that does not fit stops, earlier entries stay")
            << "No = 1\nlabel = ok\nNo = 2\nX = 40000\nNo = 3" << QStringList{QStringLiteral("ok|||16x16|1|FROM|0"), d}
            << 4;
        QTest::newRow("an address beyond 32 bits stops") << "No\nAddress = 3000000000" << QStringList{d} << 2;
        QTest::newRow("currentpath is not an entry key") << "CurrentPath = /x\nNo" << QStringList{d} << 0;
    }
    void readerRules()
    {
        QFETCH(QString, text);
        const ImageListRead read = parseImageList(text, QStringLiteral("/base"), 1000);
        QTEST(kept(read.entries), "entries");
        QTEST(read.errorLine, "errorLine");
    }

    void readingStopsAtTheListLimit()
    {
        QString text;
        for (int i = 0; i < 1002; ++i)
            text += QStringLiteral("No = %1\r\nlabel = L%1\r\n").arg(i + 1);
        const ImageListRead read = parseImageList(text, QString(), 1000);
        QCOMPARE(read.entries.size(), 1000);
        QVERIFY(read.full);
        QCOMPARE(read.entries.last().imgLabel, QStringLiteral("L1000"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.iml"));
        QVERIFY(kvx::test::writeFile(path, text.toUtf8()));
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        ImageListFiles files(list, dialogs);
        dialogs.chooseFile(path);
        QVERIFY(!files.openImageList());
        QCOMPARE(list.imgCount(), 1000);
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("No more than 1000 images cannot be loaded.")});
    }

    void savedListReadsBackWithItsBitmapsBeside()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("pics"));
        QDir(dir.path()).mkpath(QStringLiteral("lists"));
        const QString logo = dir.filePath(QStringLiteral("pics/logo.bmp"));
        makeBmp(logo, 16, 8);
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.setSeriesOption(3);
        list.replaceEntries({entry(QStringLiteral("Logo"), logo, 16, 8, 1, QStringLiteral("FROM"), 0),
                             entry(QStringLiteral("V"), QString(), 40, 16, 2, QStringLiteral("VRAM"), 300)});
        ImageListFiles files(list, dialogs);

        // Plain save: a reference relative to the list's folder does not apply here.
        const QString plain = dir.filePath(QStringLiteral("plain.iml"));
        dialogs.chooseFile(plain, 1);
        QVERIFY(files.saveImageListAs());
        QCOMPARE(files.caption(), QStringLiteral("Image Tool (plain.iml)"));
        QVERIFY(readAll(plain).contains("File = ./pics/logo.bmp\r\n"));

        // With the bitmaps beside the list.
        files.setWithBmp(true);
        const QString withBmp = dir.filePath(QStringLiteral("lists/with.iml"));
        dialogs.chooseFile(withBmp, 1);
        QVERIFY(files.saveImageListAs());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("lists/logo.bmp"))));
        QVERIFY(readAll(withBmp).contains("File = ./logo.bmp\r\n"));

        ImageList other(dialogs);
        other.setSeriesOption(3);
        ImageListFiles reader(other, dialogs);
        dialogs.chooseFile(withBmp);
        QVERIFY(reader.openImageList());
        QCOMPARE(reader.caption(), QStringLiteral("Image Label List (with.iml)"));
        QList<ImageListEntry> expected = list.entries();
        expected[0].imgPath = dir.filePath(QStringLiteral("lists/logo.bmp"));
        expected[1].imgFileName.clear();
        QCOMPARE(kept(other.entries()), kept(expected));
        QCOMPARE(other.entry(1).imgPage, 0);
        QCOMPARE(dialogs.shown, QStringList{});

        // Save writes to the list's own file, not to the last listing.
        dialogs.chooseFile(dir.filePath(QStringLiteral("listing.txt")), 0);
        QVERIFY(reader.outputList());
        const QByteArray listing = readAll(dir.filePath(QStringLiteral("listing.txt")));
        QVERIFY(reader.saveImageList());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("listing.txt"))), listing);
        // A listing whose extension the program added replaces a file only when asked.
        QVERIFY(kvx::test::writeFile(dir.filePath(QStringLiteral("listing.c")), "mine"));
        dialogs.chooseFile(dir.filePath(QStringLiteral("listing")), 1);
        dialogs.answers.enqueue(UserDialogs::Answer::No);
        QVERIFY(!reader.outputList());
        QVERIFY(dialogs.shown.last().endsWith(QStringLiteral("listing.c already exists.\nDo you want to replace it?")));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("listing.c"))), QByteArray("mine"));
        QCOMPARE(reader.caption(), QStringLiteral("Image Tool (with.iml)"));
    }

    void copyingBesideAListNeverOverwrites()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        d.mkpath(QStringLiteral("one"));
        d.mkpath(QStringLiteral("two"));
        d.mkpath(QStringLiteral("list"));
        makeBmp(dir.filePath(QStringLiteral("one/a.bmp")), 8, 8, 0);
        makeBmp(dir.filePath(QStringLiteral("two/a.bmp")), 8, 8, 0xffffff); // same name, other bytes
        makeBmp(dir.filePath(QStringLiteral("one/b.bmp")), 9, 8, 0);
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("one/b.bmp")), dir.filePath(QStringLiteral("list/b.bmp"))));
        makeBmp(dir.filePath(QStringLiteral("list/c.bmp")), 10, 8, 0);
        const QByteArray listA = readAll(dir.filePath(QStringLiteral("one/a.bmp")));

        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.replaceEntries(
            {entry(QStringLiteral("A1"), dir.filePath(QStringLiteral("one/a.bmp")), 8, 8, 0, QStringLiteral("FROM"), 0),
             entry(QStringLiteral("A2"), dir.filePath(QStringLiteral("two/a.bmp")), 8, 8, 0, QStringLiteral("FROM"), 0),
             entry(QStringLiteral("B"), dir.filePath(QStringLiteral("one/b.bmp")), 9, 8, 0, QStringLiteral("FROM"), 0),
             entry(QStringLiteral("C"), dir.filePath(QStringLiteral("list/c.bmp")), 10, 8, 0, QStringLiteral("FROM"),
                   0),
             entry(QStringLiteral("M"), dir.filePath(QStringLiteral("gone.bmp")), 8, 8, 0, QStringLiteral("FROM"), 0)});
        ImageListFiles files(list, dialogs);
        files.copyBmpFilesToListFolder(dir.filePath(QStringLiteral("list")));

        QCOMPARE(readAll(dir.filePath(QStringLiteral("list/a.bmp"))), listA);
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown[0], QStringLiteral("File not exist:") + dir.filePath(QStringLiteral("gone.bmp")));
        QVERIFY(dialogs.shown[1].startsWith(QStringLiteral("These files were not copied")));
        QVERIFY(dialogs.shown[1].endsWith(QStringLiteral(":\na.bmp")));
    }

    void tempListSurvivesARestart()
    {
        QTemporaryDir dir;
        const QString pic = dir.filePath(QStringLiteral("p.bmp"));
        makeBmp(pic);
        {
            ScriptedDialogs dialogs;
            ImageList list(dialogs);
            list.setWorkFolder(dir.filePath(QStringLiteral("work")));
            list.replaceEntries({entry(QStringLiteral("P"), pic, 8, 8, 0, QStringLiteral("F 2"), 0),
                                 entry(QStringLiteral("Q"), QString(), 24, 8, 1, QStringLiteral("RAM"), 7)});
            ImageListFiles files(list, dialogs);
            files.setWithBmp(true);
            QVERIFY(files.saveTempImageList());
            QVERIFY(files.saveImgPathFile());
        }
        QVERIFY(readAll(programFile(QStringLiteral("temp.iml"))).contains(("File = " + pic + "\r\n").toUtf8()));
        QCOMPARE(readAll(programFile(QStringLiteral("Imgpath.tmp"))), QByteArray("\r\nY\r\n"));

        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.setWorkFolder(QStringLiteral("/elsewhere")); // the working folder moved
        ImageListFiles files(list, dialogs);
        files.loadImgPathFile();
        files.loadTempImageList();
        QVERIFY(files.withBmp());
        QCOMPARE(list.imgCount(), 2);
        QCOMPARE(list.entry(0).imgPath, pic);
        QCOMPARE(list.entry(0).imgMemory, QStringLiteral("F 2"));
        QCOMPARE(list.comboItems(), (QStringList{QStringLiteral("P [p.bmp]"), QStringLiteral("Q []")}));
        QCOMPARE(dialogs.shown, QStringList{});

        // An older temp.iml with a relative reference reads against the working folder.
        QVERIFY(kvx::test::writeFile(programFile(QStringLiteral("temp.iml")), "No = 1\r\nFile = .\\sub\\x.bmp\r\n"));
        files.loadTempImageList();
        QCOMPARE(list.entry(0).imgPath, QStringLiteral("/elsewhere/sub/x.bmp"));
    }

    void filesMadeOnWindowsReadAsCp932()
    {
        QTemporaryDir dir;
        QStringEncoder cp932("CP932");
        QVERIFY(cp932.isValid());
        const QByteArray bytes = "No = 1\r\nlabel = " + QByteArray(cp932.encode(QStringLiteral("画像"))) + "\r\n";
        const QString path = dir.filePath(QStringLiteral("jp.iml"));
        QVERIFY(kvx::test::writeFile(path, bytes));
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        ImageListFiles files(list, dialogs);
        QVERIFY(files.readImageListFile(path, dir.path()));
        QCOMPARE(list.entry(0).imgLabel, QStringLiteral("画像"));
    }

    void failedReadsAndSavesAreReported()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        ImageList list(dialogs);
        list.replaceEntries({entry(QStringLiteral("A"), QString(), 8, 8, 0, QStringLiteral("FROM"), 0)});
        ImageListFiles files(list, dialogs);

        const QString bad = dir.filePath(QStringLiteral("bad.iml"));
        QVERIFY(kvx::test::writeFile(bad, "No\r\nlabel = one\r\nNo\r\nY = 99999\r\n"));
        dialogs.chooseFile(bad);
        QVERIFY(!files.openImageList());
        QCOMPARE(list.imgCount(), 2);
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(dialogs.shown[0].startsWith(QStringLiteral("Line 4 of ")));

        // A file without entries is no list: the open one stays.
        QVERIFY(kvx::test::writeFile(dir.filePath(QStringLiteral("none.iml")), "Rev1.20\r\nlabel = x\r\n"));
        dialogs.chooseFile(dir.filePath(QStringLiteral("none.iml")));
        QVERIFY(!files.openImageList());
        QCOMPARE(list.imgCount(), 2);
        QVERIFY(dialogs.shown.last().endsWith(QStringLiteral("none.iml is not an image list: it holds no images.")
                                              + QStringLiteral(" The list stays as it is.")));

        dialogs.shown.clear();
        // A file stands where the folder would have to be.
        QVERIFY(kvx::test::writeFile(dir.filePath(QStringLiteral("plain")), "x"));
        dialogs.chooseFile(dir.filePath(QStringLiteral("plain/x.iml")), 1);
        QVERIFY(!files.saveImageListAs());
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("Error")});
        QCOMPARE(files.caption(), QStringLiteral("Image Tool"));
    }

    void listingTargetFollowsTheExtensionRule_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("form");
        QTest::newRow("no extension, C filter") << "list" << 1 << "list.c" << int(ListingForm::C);
        QTest::newRow("upper-case TXT kept") << "list.TXT" << 1 << "list.TXT" << int(ListingForm::Text);
        QTest::newRow("upper-case C is not C") << "list.C" << 1 << "list.C.c" << int(ListingForm::C);
        QTest::newRow("ASM any case") << "x.ASM" << 0 << "x.ASM" << int(ListingForm::Assembler);
        QTest::newRow("other extension, asm filter") << "x.doc" << 2 << "x.doc.asm" << int(ListingForm::Assembler);
        QTest::newRow("unknown filter gives txt") << "x" << 7 << "x.txt" << int(ListingForm::Text);
    }
    void listingTargetFollowsTheExtensionRule()
    {
        QFETCH(QString, path);
        QFETCH(int, filter);
        const ListingTarget t = listingTarget(path, filter);
        QTEST(t.path, "target");
        QTEST(int(t.form), "form");
    }

    void listingsWriteEachForm()
    {
        QList<ImageListEntry> entries{
            entry(QStringLiteral("LongLabel123"), QStringLiteral("/p/a_very_long_file_name_25.bmp"), 128, 64, 1,
                  QStringLiteral("F 1"), 4096),
            entry(QStringLiteral("logo"), QStringLiteral("/p/logo.v2.bmp"), 8, 16, 1, QStringLiteral("FROM"), 123456),
        };
        entries[0].imgPage = 1;
        const QString text = definitionListing(entries, ListingForm::Text);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines[4], QStringLiteral("Total number of Images :  2 "));
        QCOMPARE(lines[6], QStringLiteral("  No.  Label      FileName               X x  Y     P- Address"));
        QCOMPARE(lines[8], QStringLiteral("    1 LongLabel1 a_very_long_file_nam  128 x  64    1-   4096"));
        QCOMPARE(lines[9], QStringLiteral("    2 logo       logo.v2.bmp             8 x  16    0- 123456"));
        QCOMPARE(lines.mid(10), (QStringList{QString(), QStringLiteral("EOF"), QString()}));

        const QString c = definitionListing(entries, ListingForm::C);
        QVERIFY(c.contains(QStringLiteral("\r\n#define  _a_very_long_file_name_25_page   1\r\n"
                                          "#define  _a_very_long_file_name_25_adrs   4096\r\n\r\n")));
        QVERIFY(c.contains(QStringLiteral("#define  _logo_adrs   123456\r\n")));
        QVERIFY(definitionListing(entries, ListingForm::Assembler)
                    .contains(QStringLiteral("\r\n.equ logo_page 0\r\n.equ logo_adrs 123456\r\n\r\n")));

        QCOMPARE(definitionListing({}, ListingForm::Text).split(QStringLiteral("\r\n")).mid(6),
                 (QStringList{QStringLiteral("  No.  Label      FileName               X x  Y     P- Address"),
                              QString(), QString(), QStringLiteral("EOF"), QString()}));
        QVERIFY(definitionListing({}, ListingForm::C).endsWith(QStringLiteral("**/\r\n\r\n\r\n\r\n\r\n")));

        // The C form is C: a compiler takes it.
        const QString gcc = QStandardPaths::findExecutable(QStringLiteral("gcc"));
        if (gcc.isEmpty())
            QSKIP("gcc not installed");
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("images.c"));
        QVERIFY(kvx::test::writeFile(
            source, (c + QStringLiteral("int main(void) { return _logo_page + _logo_adrs; }\n")).toUtf8()));
        QProcess compiler;
        compiler.start(gcc,
                       {QStringLiteral("-fsyntax-only"), QStringLiteral("-Wall"), QStringLiteral("-Werror"), source});
        QVERIFY(compiler.waitForFinished(30000));
        QCOMPARE(compiler.readAllStandardError(), QByteArray());
        QCOMPARE(compiler.exitCode(), 0);
    }

    void randomBytesNeverCrashTheListReader()
    {
        QRandomGenerator rng(99);
        const QByteArray seed = imageListFileText({entry(QStringLiteral("A"), QStringLiteral("/a.bmp"), 8, 8, 1,
                                                         QStringLiteral("FROM"), 0)},
                                                  QStringLiteral("/"), false)
                                    .toUtf8();
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = seed;
            for (int f = 0; f < 1 + rng.bounded(10); ++f)
                bytes[rng.bounded(int(bytes.size()))] = char(rng.bounded(256));
            if (round % 3 == 0) {
                bytes.resize(rng.bounded(200));
                for (char &ch : bytes)
                    ch = char(rng.bounded(256));
            }
            const ImageListRead read = parseImageList(decodeTextForTest(bytes), QStringLiteral("/b"), 1000);
            QVERIFY(read.entries.size() <= 1000);
        }
    }

private:
    static QString decodeTextForTest(const QByteArray &bytes);
};

#include "image_list/text_io.h"
QString TestImageListFiles::decodeTextForTest(const QByteArray &bytes)
{
    return kvx::decodeFileText(bytes);
}

KVX_TEST_MAIN(TestImageListFiles)
#include "tst_image_list_files.moc"
