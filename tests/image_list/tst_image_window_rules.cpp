#include "image_list/image_window_rules.h"
#include "support/test_main.h"

using namespace kvx;

class TestImageWindowRules : public QObject
{
    Q_OBJECT
private slots:
    void thumbnailsKeepTheirProportions_data()
    {
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<QRect>("expected");
        // Box 89 x 33 (the 1335 x 495 twips of the page at 15 twips a pixel).
        QTest::newRow("wide: full width, centred") << qint64(256) << qint64(64) << QRect(0, 5, 89, 22);
        QTest::newRow("narrow: full height, centred") << qint64(128) << qint64(64) << QRect(11, 0, 66, 33);
        QTest::newRow("same proportions as the box") << qint64(89) << qint64(33) << QRect(0, 0, 89, 33);
        // Sizes whose products leave 16 bits (and even 32 bits) still fit.
        QTest::newRow("very wide") << qint64(30000) << qint64(8) << QRect(0, 16, 89, 1);
        QTest::newRow("very tall") << qint64(8) << qint64(32767) << QRect(44, 0, 1, 33);
        QTest::newRow("huge") << qint64(3000000000) << qint64(1000000000) << QRect(0, 1, 89, 30);
        QTest::newRow("zero width fills the box") << qint64(0) << qint64(16) << QRect(0, 0, 89, 33);
        QTest::newRow("negative height fills the box") << qint64(16) << qint64(-8) << QRect(0, 0, 89, 33);
    }
    void thumbnailsKeepTheirProportions()
    {
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        QTEST(fitThumbnail(width, height, QSize(89, 33)), "expected");
    }

    void entryBoxesReadAsNumbersWithinTheirFields_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("refused"); // "" when accepted
        QTest::addColumn<qint64>("outAddress");
        QTest::addColumn<int>("outX");
        QTest::addColumn<int>("outY");
        QTest::newRow("plain") << "100"
                               << "128"
                               << "64"
                               << "" << qint64(100) << 128 << 64;
        QTest::newRow("hexadecimal address") << "&H100"
                                             << "8"
                                             << "8"
                                             << "" << qint64(256) << 8 << 8;
        QTest::newRow("digits then letters, letters alone") << "0"
                                                            << "12abc"
                                                            << "abc"
                                                            << "" << qint64(0) << 12 << 0;
        QTest::newRow("halves to even") << "0"
                                        << "2.5"
                                        << "3.5"
                                        << "" << qint64(0) << 2 << 4;
        QTest::newRow("blanks between digits") << "0"
                                               << "1 2 8"
                                               << "6\t4"
                                               << "" << qint64(0) << 128 << 64;
        QTest::newRow("negative sizes are stored") << "-5"
                                                   << "-1"
                                                   << "0"
                                                   << "" << qint64(-5) << -1 << 0;
        QTest::newRow("width beyond 16 bits") << "0"
                                              << "32768"
                                              << "8"
                                              << "txtX" << qint64(0) << 0 << 0;
        QTest::newRow("height beyond 16 bits") << "0"
                                               << "8"
                                               << "-32769"
                                               << "txtY" << qint64(0) << 0 << 0;
        QTest::newRow("address beyond 32 bits") << "2147483648"
                                                << "8"
                                                << "8"
                                                << "txtAdrs" << qint64(0) << 0 << 0;
    }
    void entryBoxesReadAsNumbersWithinTheirFields()
    {
        QFETCH(QString, address);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, refused);
        const EntryInput in = readEntryInput(address, x, y);
        QCOMPARE(in.ok, refused.isEmpty());
        QCOMPARE(in.field, refused);
        if (in.ok) {
            QTEST(in.address, "outAddress");
            QTEST(in.x, "outX");
            QTEST(in.y, "outY");
        }
    }

    void seriesDecideTheChoicesAndTheUsageFrame()
    {
        QCOMPARE(slotMemoryChoices(0), QStringList());
        const QStringList pages = slotMemoryChoices(1);
        QCOMPARE(pages.size(), 17);
        QCOMPARE(pages.first(), QStringLiteral("FROM"));
        QCOMPARE(pages.at(10), QStringLiteral("F 9"));
        QCOMPARE(pages.at(11), QStringLiteral("F10"));
        QCOMPARE(slotMemoryChoices(2), (QStringList{QStringLiteral("FROM"), QStringLiteral("F 0")}));
        QCOMPARE(slotMemoryChoices(3), entryMemoryChoices());
        QVERIFY(!entryMemoryChoices().contains(QStringLiteral("F any")));

        QCOMPARE(usageFrameFor(0, true), UsageFrame::None);
        QCOMPARE(usageFrameFor(1, false), UsageFrame::Pages);
        QCOMPARE(usageFrameFor(2, true), UsageFrame::Pages);
        QCOMPARE(usageFrameFor(2, false), UsageFrame::Single);
        QCOMPARE(usageFrameFor(3, true), UsageFrame::Older);

        QCOMPARE(scrollMaximum(0), 0);
        QCOMPARE(scrollMaximum(7), 0);
        QCOMPARE(scrollMaximum(8), 1);
        QCOMPARE(scrollMaximum(20), 13);
    }
};

KVX_TEST_MAIN(TestImageWindowRules)
#include "tst_image_window_rules.moc"
