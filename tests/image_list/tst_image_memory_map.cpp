#include "image_list/image_export.h"
#include "image_list/memory_map.h"
#include "support/test_main.h"

using namespace kvx;

namespace {

// "RAM 64x64,F 0 13x8" -> entries (memory text, then width x height).
QList<ImageListEntry> entriesFrom(const QString &layout)
{
    QList<ImageListEntry> list;
    if (layout.isEmpty())
        return list;
    for (const QString &item : layout.split(QLatin1Char(','))) {
        const qsizetype cut = item.lastIndexOf(QLatin1Char(' '));
        ImageListEntry e;
        e.imgMemory = item.left(cut);
        const QStringList size = item.mid(cut + 1).split(QLatin1Char('x'));
        e.imgX = size[0].toInt();
        e.imgY = size[1].toInt();
        list.append(e);
    }
    return list;
}

// "page:address" per entry.
QString placements(const QList<ImageListEntry> &list)
{
    QStringList out;
    for (const ImageListEntry &e : list)
        out.append(QStringLiteral("%1:%2").arg(e.imgPage).arg(e.imgAddress));
    return out.join(QLatin1Char(' '));
}

QString used(const MemoryMap &map, int pages)
{
    QStringList out{QString::number(map.ramUsed)};
    for (int p = 0; p < pages; ++p)
        out.append(QString::number(map.fromUsed[size_t(p)]));
    return out.join(QLatin1Char('/'));
}

} // namespace

class TestImageMemoryMap : public QObject
{
    Q_OBJECT
private slots:
    void placesImagesPerSeriesOption_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("moduleSeri");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<QString>("usage"); // RAM/page0/page1/...(5 pages)
        QTest::addColumn<QString>("status");

        QTest::newRow("option 3 worked example") << 3 << "2100"
                                                 << "RAM 64x64,RAM 3x8,F 0 13x8,FROM 2052x8,F 1-4 240x64,F 2 100x32"
                                                 << "0:0 0:512 0:0 0:14 1:0 2:0"
                                                 << "515/2066/1920/400/0/0"
                                                 << "OK";
        QTest::newRow("option 1 three FROM images overflow into the next pages")
            << 1 << "5200"
            << "FROM 20000x8,FROM 20000x8,FROM 20000x8"
            << "0:0 1:0 2:0"
            << "0/20000/20000/20000/0/0"
            << "";
        QTest::newRow("option 1 named pages come first, FROM fills behind") << 1 << "5200"
                                                                            << "FROM 100x8,F 5 50x8,F10 10x16,FROM 30x8"
                                                                            << "0:0 5:0 10:0 0:100"
                                                                            << "0/130/0/0/0/0"
                                                                            << "";
        QTest::newRow("option 2 all FROM on page 0 even beyond its size") << 2 << "5200B"
                                                                          << "FROM 20000x8,FROM 20000x8"
                                                                          << "0:0 0:20000"
                                                                          << "0/40000/0/0/0/0"
                                                                          << "";
        QTest::newRow("option 0 places on page 0 and reports nothing") << 0 << "5200"
                                                                       << "FROM 10x8,RAM 10x8"
                                                                       << "0:0 0:0"
                                                                       << "10/10/0/0/0/0"
                                                                       << "";
        QTest::newRow("option 3 pass-2 sizes are rounded to even before placing") << 3 << "2100"
                                                                                  << "FROM 100x33,FROM 3x8,FROM 2x8"
                                                                                  << "0:0 0:400 0:404"
                                                                                  << "0/406/0/0/0/0"
                                                                                  << "OK";
        QTest::newRow("option 3 named pages round the counter after adding") << 3 << "2100"
                                                                             << "F 0 3x8,F 0 2x8,F 1 5x8"
                                                                             << "0:0 0:4 1:0"
                                                                             << "0/6/6/0/0/0"
                                                                             << "OK";
        QTest::newRow("other series do not round") << 1 << "5200"
                                                   << "F 0 3x8,F 0 2x8"
                                                   << "0:0 0:3"
                                                   << "0/5/0/0/0/0"
                                                   << "";
        QTest::newRow("F 1-4 takes the first page with room") << 3 << "2100"
                                                              << "F 1-4 65536x8,F any 2x8"
                                                              << "1:0 2:0"
                                                              << "0/0/65536/2/0/0"
                                                              << "OK";
        QTest::newRow("page 0 holds at most 32768 bytes also on the older series") << 3 << "2100"
                                                                                   << "FROM 32768x8,FROM 2x8"
                                                                                   << "0:0 1:0"
                                                                                   << "0/32768/2/0/0/0"
                                                                                   << "OK";
        QTest::newRow("unknown memory text stays at page 0 and counts nowhere") << 3 << "2100"
                                                                                << "XYZ 8x8,FROM 8x8"
                                                                                << "0:0 0:0"
                                                                                << "0/8/0/0/0/0"
                                                                                << "OK";
        QTest::newRow("empty list") << 3 << "2100"
                                    << ""
                                    << ""
                                    << "0/0/0/0/0/0"
                                    << "OK";
        QTest::newRow("RAM limit is inclusive") << 3 << "2100"
                                                << "RAM 128x64"
                                                << "0:0"
                                                << "1024/0/0/0/0/0"
                                                << "OK";
        QTest::newRow("RAM beyond the limit") << 3 << "2100"
                                              << "RAM 128x64,RAM 1x8"
                                              << "0:0 0:1024"
                                              << "1025/0/0/0/0/0"
                                              << "ERROR RAM overflow";
        QTest::newRow("2100B has 4096 bytes of RAM") << 3 << "2100B"
                                                     << "RAM 512x64"
                                                     << "0:0"
                                                     << "4096/0/0/0/0/0"
                                                     << "OK";
        QTest::newRow("2100B RAM beyond 4096") << 3 << "2100B"
                                               << "RAM 512x64,RAM 1x8"
                                               << "0:0 0:4096"
                                               << "4097/0/0/0/0/0"
                                               << "ERROR RAM overflow";
        QTest::newRow("an exactly full page fits") << 3 << "2100"
                                                   << "F 0 32768x8,F 1 32768x16"
                                                   << "0:0 1:0"
                                                   << "0/32768/65536/0/0/0"
                                                   << "OK";
        QTest::newRow("page 0 beyond its size") << 3 << "2100"
                                                << "F 0 32769x8"
                                                << "0:0"
                                                << "0/32770/0/0/0/0"
                                                << "ERROR FROM:0 Overflow";
        QTest::newRow("page 3 beyond its size") << 3 << "2100"
                                                << "F 3 32767x24"
                                                << "3:0"
                                                << "0/0/0/0/98302/0"
                                                << "ERROR FROM:3 Overflow";
        QTest::newRow("F 1-4 that fits no page is counted on page 4")
            << 3 << "2100"
            << "F 1-4 32768x16,F any 32768x16,F 1-4 32768x16,F 1-4 32768x16,F 1-4 8x8"
            << "1:0 2:0 3:0 4:0 4:65536"
            << "0/0/65536/65536/65536/65544"
            << "ERROR FROM:4 Overflow";
        QTest::newRow("huge images are counted without overflow of the arithmetic") << 3 << "2100"
                                                                                    << "FROM 32767x32767"
                                                                                    << "4:0"
                                                                                    << "0/0/0/0/0/134180866"
                                                                                    << "ERROR FROM:4 Overflow";
    }
    void placesImagesPerSeriesOption()
    {
        QFETCH(int, option);
        QFETCH(QString, moduleSeri);
        QFETCH(QString, entries);
        QList<ImageListEntry> list = entriesFrom(entries);
        const MemoryMap map = assignImageAddresses(list, int(list.size()), option, moduleSeri);
        QTEST(placements(list), "placed");
        QTEST(used(map, 5), "usage");
        QTEST(map.status, "status");
    }

    void vramKeepsItsAddressAndOnlyCountedEntriesArePlaced()
    {
        QList<ImageListEntry> list = entriesFrom(QStringLiteral("VRAM 8x8,FROM 8x8,FROM 8x8"));
        list[0].imgAddress = 777;
        list[0].imgPage = 3;
        list[2].imgAddress = 555; // outside the counted part of the list
        const MemoryMap map = assignImageAddresses(list, 2, 3, QStringLiteral("2100"));
        QCOMPARE(list[0].imgAddress, 777);
        QCOMPARE(list[0].imgPage, 0);
        QCOMPARE(list[2].imgAddress, 555);
        QCOMPARE(map.fromUsed[0], 8);
    }

    void anImageThatFitsNoPageIsCountedOnTheLastPageAndCannotBeExported()
    {
        // Series option 1: sixteen full pages, then one image more.
        QList<ImageListEntry> list;
        for (int i = 0; i < 17; ++i)
            list.append(entriesFrom(QStringLiteral("FROM 4096x64")));
        const MemoryMap map = assignImageAddresses(list, 17, 1, QStringLiteral("5200"));
        QCOMPARE(list[16].imgPage, 15);
        QCOMPARE(list[16].imgAddress, 32768);
        QCOMPARE(map.fromUsed[15], 65536);
        QVERIFY(!map.pageBars[15].visible);
        QVERIFY(map.pageBars[14].visible);
        QCOMPARE(map.pageBars[14].value, 32768);
        const AreaBoxStates boxes = exportAreaStates(map, 1, QStringLiteral("5200"));
        QVERIFY(boxes.from[14]);
        QVERIFY(!boxes.from[15]);
    }

    void olderSeriesBarsShowPercentages()
    {
        QList<ImageListEntry> list =
            entriesFrom(QStringLiteral("RAM 64x64,RAM 3x8,F 0 13x8,FROM 2052x8,F 1-4 240x64,F 2 100x32"));
        const MemoryMap map = assignImageAddresses(list, int(list.size()), 3, QStringLiteral("2100"));
        QCOMPARE(map.ramBar.value, 50); // 515 * 100 / 1024
        QVERIFY(map.ramBar.visible);
        QCOMPARE(map.pageBars[0].value, 6); // 2066 \ 328
        QCOMPARE(map.pageBars[1].value, 2); // 1920 \ 655
        QCOMPARE(map.fromPageSize, 65536);

        QList<ImageListEntry> full = entriesFrom(QStringLiteral("F 0 32768x8,F 1 32768x16,RAM 128x64"));
        const MemoryMap fullMap = assignImageAddresses(full, 3, 3, QStringLiteral("2100"));
        QVERIFY(fullMap.pageBars[0].visible);
        QCOMPARE(fullMap.pageBars[0].value, 99);
        QVERIFY(fullMap.pageBars[1].visible);
        QCOMPARE(fullMap.pageBars[1].value, 100);
        QCOMPARE(fullMap.ramBar.value, 100);
        QVERIFY(fullMap.ramBar.visible);
    }

    void exportBoxesFollowCapacityAndSeries_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("moduleSeri");
        QTest::addColumn<qint64>("ram");
        QTest::addColumn<qint64>("page0");
        QTest::addColumn<qint64>("page7");
        QTest::addColumn<qint64>("pageSize");
        QTest::addColumn<QString>("enabled"); // R, then page numbers
        QTest::newRow("option 3 RAM at the limit") << 3 << "2100" << 1024LL << 10LL << 0LL << 65536LL << "R 0";
        QTest::newRow("option 3 RAM beyond the limit") << 3 << "2100" << 1025LL << 10LL << 0LL << 65536LL << "0";
        QTest::newRow("option 3 2100B RAM") << 3 << "2100B" << 4096LL << 0LL << 0LL << 65536LL << "R";
        QTest::newRow("option 3 has no page 7") << 3 << "2100" << 0LL << 0LL << 10LL << 65536LL << "";
        QTest::newRow("option 1 full page") << 1 << "5200" << 5LL << 32768LL << 32768LL << 32768LL << "0 7";
        QTest::newRow("option 1 page beyond") << 1 << "5200" << 0LL << 32769LL << 32769LL << 32768LL << "";
        QTest::newRow("option 2 page 0 only") << 2 << "5200" << 5LL << 100LL << 100LL << 32768LL << "0";
        QTest::newRow("option 0 nothing") << 0 << "5200" << 5LL << 100LL << 100LL << 32768LL << "";
    }
    void exportBoxesFollowCapacityAndSeries()
    {
        QFETCH(int, option);
        QFETCH(QString, moduleSeri);
        MemoryMap map;
        QFETCH(qint64, ram);
        QFETCH(qint64, page0);
        QFETCH(qint64, page7);
        QFETCH(qint64, pageSize);
        map.ramUsed = ram;
        map.fromUsed[0] = page0;
        map.fromUsed[7] = page7;
        map.fromPageSize = pageSize;
        const AreaBoxStates s = exportAreaStates(map, option, moduleSeri);
        QStringList enabled;
        if (s.ram)
            enabled.append(QStringLiteral("R"));
        for (int n = 0; n < 16; ++n) {
            if (s.from[size_t(n)])
                enabled.append(QString::number(n));
        }
        QTEST(enabled.join(QLatin1Char(' ')), "enabled");
        const ExportAreas ticks = checkAllAreas(s);
        QCOMPARE(ticks.chkRAM, s.ram ? 1 : 0);
    }

    void boxCaptionsAlignTheirNumbers()
    {
        QCOMPARE(ramBoxCaption(515), QStringLiteral("RAM :   515 Byte"));
        QCOMPARE(fromBoxCaption(3, 1200), QStringLiteral("ROM: 3-    1200 Byte"));
        QCOMPARE(fromBoxCaption(12, 32768), QStringLiteral("ROM:12-   32768 Byte"));
        QCOMPARE(fromBoxCaption(0, 0), QStringLiteral("ROM: 0-      0 Byte"));
        QCOMPARE(fromBoxCaption(3, 1200, true), QStringLiteral("ROM: 3-    1200 バイト"));
    }
};

KVX_TEST_MAIN(TestImageMemoryMap)
#include "tst_image_memory_map.moc"
