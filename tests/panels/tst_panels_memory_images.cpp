#include "panels/memory_images.h"

#include "image_list/image_list.h"
#include "image_panel_rig.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

namespace {

ImageListEntry entry(const QString &memory, int x, int y)
{
    ImageListEntry e;
    e.imgLabel = QStringLiteral("Image");
    e.imgFileName = QStringLiteral("a.bmp");
    e.imgMemory = memory;
    e.imgX = x;
    e.imgY = y;
    return e;
}

// A list placed by the image list's own memory map (series option 1: flash pages of
// 32768 bytes): entry 1 is a RAM image at address 100, entry 3 an "F 2" image at
// address 16 of page 2, entry 4 a display-memory image.
struct ListRig
{
    ListRig() : images(rig.dialogs)
    {
        images.setSeriesOption(1);
        images.replaceEntries({entry(QStringLiteral("RAM"), 10, 80), entry(QStringLiteral("RAM"), 128, 32),
                               entry(QStringLiteral("F 2"), 2, 64), entry(QStringLiteral("F 2"), 16, 40),
                               entry(QStringLiteral("VRAM"), 8, 8)});
    }
    ImagePanelRig rig;
    ImageList images;
};

} // namespace

class TestPanelsMemoryImages : public QObject
{
    Q_OBJECT
private slots:
    void theMemoryTextGivesTheAreaByte_data()
    {
        QTest::addColumn<QString>("memory");
        QTest::addColumn<int>("area");
        QTest::newRow("display memory") << "VRAM" << 2;
        QTest::newRow("RAM") << "RAM" << 0;
        QTest::newRow("flash") << "FROM" << 1;
        QTest::newRow("a flash page") << "F15" << 1;
        QTest::newRow("any page") << "F any" << 1;
        QTest::newRow("none") << "" << 1;
        QTest::newRow("letter case counts") << "ram" << 1;
    }
    void theMemoryTextGivesTheAreaByte()
    {
        QFETCH(QString, memory);
        QFETCH(int, area);
        QCOMPARE(memoryAreaByte(memory), area);
    }

    void choosingAnImageShowsItsSizeClippedToTheModule()
    {
        QCOMPARE(imageSizeCaption(128, 32), QStringLiteral("Size (X x Y) of ( 128 x  32)"));
        QCOMPARE(imageSizeCaption(-1, 8), QStringLiteral("Size (X x Y) of (-1 x  8)"));
        QCOMPARE(drawHeightText(40, 32), QStringLiteral("32"));
        QCOMPARE(drawHeightText(16, 32), QStringLiteral("16"));

        ListRig r; // module 64 dots high
        MemoryImagesPanel panel(r.rig.ctx, r.images);
        const auto view = panel.CmbImageName_Click(2, 32);
        QVERIFY(view);
        QCOMPARE(view->label48, QStringLiteral("Size (X x Y) of ( 2 x  64)"));
        QCOMPARE(view->text4, QStringLiteral("2"));
        QCOMPARE(view->text5, QStringLiteral("32"));
        QVERIFY(!panel.CmbImageName_Click(-1, 32));
        QVERIFY(!panel.CmbImageName_Click(5, 32));
    }

    void theOffsetBoxesGiveTheAddressDifference_data()
    {
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<int>("imgY");
        QTest::addColumn<QString>("text3"); // "" : Text3 stays
        QTest::newRow("3 columns and a row of a 32-dot image") << "3"
                                                               << "1" << 32 << "&H000D";
        QTest::newRow("nothing") << "0"
                                 << "0" << 32 << "&H0000";
        QTest::newRow("fractions round to even") << "1.5"
                                                 << "0" << 16 << "&H0003";
        QTest::newRow("row fraction rounds") << "0"
                                             << "2.5" << 8 << "&H0002";
        QTest::newRow("only the low 16 bits") << "65537"
                                              << "0" << 8 << "&H0001";
        QTest::newRow("upper-case digits") << "0"
                                           << "&HABC" << 8 << "&H0ABC";
        QTest::newRow("a negative offset") << "-1"
                                           << "0" << 8 << "&HFFFF";
        QTest::newRow("not a number") << "abc"
                                      << "0" << 8 << "";
        QTest::newRow("empty") << ""
                               << "0" << 8 << "";
        QTest::newRow("partly a number") << "3x"
                                         << "0" << 8 << "";
        QTest::newRow("beyond 32 bits") << "1e12"
                                        << "0" << 8 << "";
    }
    void theOffsetBoxesGiveTheAddressDifference()
    {
        QFETCH(QString, text1);
        QFETCH(QString, text2);
        QFETCH(int, imgY);
        QFETCH(QString, text3);
        const auto got = offsetAddressText(text1, text2, imgY);
        QCOMPARE(got.value_or(QString()), text3);
    }

    void offsetTextIsReadBack_data()
    {
        QTest::addColumn<QString>("text3");
        QTest::addColumn<qint64>("offset");
        QTest::newRow("as written") << "&H000D" << qint64(13);
        QTest::newRow("largest") << "&HFFFF" << qint64(65535);
        QTest::newRow("lower case") << "&h1f" << qint64(31);
        QTest::newRow("typed decimal") << "12" << qint64(12);
        QTest::newRow("design text") << "0" << qint64(0);
        QTest::newRow("not a number") << "Text" << qint64(0);
    }
    void offsetTextIsReadBack()
    {
        QFETCH(QString, text3);
        QFETCH(qint64, offset);
        QCOMPARE(offsetFromText(text3), offset);
    }

    void theYUnitAndTheScrollBoxChooseTheCommand_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("oneDot");
        QTest::addColumn<bool>("scroll");
        QTest::addColumn<QString>("text3");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("logName");
        // RAM image 128 x 32 at 100, offset 4: area 0, address 104, 4 bytes a column.
        QTest::newRow("RAM image, 8-dot rows")
            << 1 << false << false << "&H0004" << hexBytes("1F 28 66 10 00 68 00 00 04 00 80 00 04 00 01")
            << "Downloaded Image Display";
        QTest::newRow("scrolled in at speed 2")
            << 1 << false << true << "&H0004" << hexBytes("1F 28 66 90 00 68 00 00 04 00 80 00 04 00 01 02")
            << "Downloaded Image Scroll Display";
        // "F 2" image of page 2 at 16: address 2 x 65536 + 16.
        QTest::newRow("flash page image")
            << 3 << false << false << "0" << hexBytes("1F 28 66 10 01 10 00 02 05 00 10 00 04 00 01")
            << "Downloaded Image Display";
        QTest::newRow("dot unit ignores the scroll box")
            << 4 << true << true << "0"
            << hexBytes("1F 28 64 20 00 00 00 00 02 00 00 00 01 00 00 00 00 00 08 00 20 00 01")
            << "Dot unit Downloaded Image Display";
    }
    void theYUnitAndTheScrollBoxChooseTheCommand()
    {
        QFETCH(int, index);
        QFETCH(bool, oneDot);
        QFETCH(bool, scroll);
        QFETCH(QString, text3);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, logName);
        ListRig r;
        QCOMPARE(r.images.entry(1).imgAddress, 100);
        QCOMPARE(r.images.entry(3).imgPage, 2);
        QCOMPARE(r.images.entry(3).imgAddress, 16);
        MemoryImagesPanel panel(r.rig.ctx, r.images);
        MemoryImageInputs in;
        in.index = index;
        in.text3 = text3;
        in.text4 = QString::number(r.images.entry(index).imgX);
        in.text5 = QStringLiteral("32");
        in.text6 = QStringLiteral("Text6");
        in.text7 = QStringLiteral("Text7");
        in.oneDotUnit = oneDot;
        in.scroll = scroll;
        QCOMPARE(panel.CmdIndicate_Click(in), SendResult::Sent);
        QCOMPARE(r.rig.sink.commands.value(0).toHex(' '), bytes.toHex(' '));
        QCOMPARE(r.rig.logNames(), QStringList{logName});
    }

    void noChosenEntrySendsNothing_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("none chosen") << -1;
        QTest::newRow("beyond the list") << 5;
    }
    void noChosenEntrySendsNothing()
    {
        QFETCH(int, index);
        ListRig r;
        MemoryImagesPanel panel(r.rig.ctx, r.images);
        MemoryImageInputs in;
        in.index = index;
        QCOMPARE(panel.CmdIndicate_Click(in), SendResult::Skipped);
        QVERIFY(r.rig.sink.commands.isEmpty());
        QVERIFY(r.rig.logged.isEmpty());
        QVERIFY(!panel.validEntry(index));
    }

    void aValueTheCommandCannotTakeSendsNothing()
    {
        ListRig r;
        MemoryImagesPanel panel(r.rig.ctx, r.images);
        MemoryImageInputs in;
        in.index = 1;
        in.text4 = QStringLiteral("128");
        in.text5 = QStringLiteral("32");
        in.scroll = true;
        in.speed = QStringLiteral("300");
        QCOMPARE(panel.CmdIndicate_Click(in), SendResult::Skipped);
        QVERIFY(r.rig.sink.commands.isEmpty());
        QCOMPARE(r.rig.dialogs.shown, QStringList{QStringLiteral("Value out of range.")});
    }
};

KVX_TEST_MAIN(TestPanelsMemoryImages)
#include "tst_panels_memory_images.moc"
