#include "link/vx5200.h"
#include "shell/model_list.h"
#include "shell/model_series.h"
#include "support/test_main.h"

using namespace kvx;

namespace {

QStringList magnifications(int rows)
{
    QStringList items;
    for (int y = 1; y <= rows; ++y)
        for (int x = 1; x <= 4; ++x)
            items << QStringLiteral("X%1 Y%2").arg(x).arg(y);
    return items;
}

} // namespace

class TestModelSeries : public QObject
{
    Q_OBJECT
private slots:
    void everyModelGivesItsIdentityAndLists_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("older");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("switches");
        QTest::addColumn<int>("magnificationRows");
        QTest::addColumn<QString>("leds"); // empty: the layout's count stays

        auto row = [](const char *m, bool older, const char *w, const char *h, int sw, int rows, const char *led) {
            QTest::newRow(m) << QString::fromLatin1(m) << older << QString::fromLatin1(w) << QString::fromLatin1(h)
                             << sw << rows << QString::fromLatin1(led);
        };
        row("VX112X16_52K", false, "112", "16", 16, 2, "");
        row("VX128X32_52K", false, "128", "32", 16, 2, "");
        row("VX128X64_52K", false, "128", "64", 32, 2, "");
        row("VX128x128_52K", false, "128", "128", 32, 2, "");
        row("VX140X16_52K", false, "140", "16", 16, 2, "");
        row("VX140X32_52K", false, "140", "32", 16, 2, "");
        row("VX160X32_52K", false, "160", "32", 16, 2, "");
        row("VX160X80_52K", false, "160", "80", 32, 2, "");
        row("VX256X64_52K", false, "256", "64", 32, 2, "");
        row("VX280X16_52K", false, "280", "16", 16, 2, "");
        row("VX128X128_21K", true, "128", "128", 32, 4, "");
        row("VX240X64_21K", true, "240", "64", 32, 4, "");
        row("VX256X16_21K", true, "256", "16", 16, 1, "");
        row("VX256X32_21K", true, "256", "32", 16, 2, "");
        row("VX256x64_21K", true, "256", "64", 32, 4, "8");
        row("VX256X128_21K", true, "256", "128", 32, 4, "");
        row("VX320x32_21K", true, "320", "32", 16, 2, "");
        row("VX384x32_21K", true, "384", "32", 16, 2, "");
        row("VX512x32_21K", true, "512", "32", 16, 2, "20");
    }
    void everyModelGivesItsIdentityAndLists()
    {
        QFETCH(QString, model);
        QFETCH(bool, older);
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(int, switches);
        QFETCH(int, magnificationRows);
        QFETCH(QString, leds);

        QVERIFY(ModelList().contains(model));
        for (const bool revisionB : {false, true}) {
            VX5200 encoder;
            const ModelChoice c = chooseModel(encoder, model, revisionB, 3);
            QCOMPARE(encoder.moduleSeri(), QString(older ? "2100" : "5200") + (revisionB ? "B" : ""));
            QCOMPARE(c.identity.olderSeries, older);
            QCOMPARE(c.identity.dotWidth, width);
            QCOMPARE(c.identity.dotHeight, height);
            QCOMPARE(c.switches.items.size(), switches);
            QCOMPARE(c.switches.items.last(), QStringLiteral(" SW%1").arg(switches));
            QCOMPARE(c.switches.index, 3);
            QCOMPARE(c.ledCount.value_or(QString()), leds);
            // Only the list's own spelling sets the count.
            QVERIFY(!ledCountForModel(model.toUpper()) || model == model.toUpper());
            const ListFill mag =
                FillMagnificationList(encoder.moduleSeri(), encoder.moduleDotY(), QStringLiteral("X4 Y4"));
            QCOMPARE(mag.items, magnifications(magnificationRows));
            QCOMPARE(mag.text(), magnificationRows == 4 ? QStringLiteral("X4 Y4") : QStringLiteral("X1 Y1"));
        }
    }

    void modelTextMatchesRegardlessOfCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("model"); // empty: no model
        QTest::newRow("exact") << "VX140X16_52K"
                               << "VX140X16_52K";
        QTest::newRow("lower x to list's upper") << "VX140x16_52K"
                                                 << "VX140X16_52K";
        QTest::newRow("upper X to list's lower") << "VX512X32_21K"
                                                 << "VX512x32_21K";
        QTest::newRow("all lower") << "vx128x128_21k"
                                   << "VX128X128_21K";
        QTest::newRow("trailing blank") << "VX140X32_52K "
                                        << "";
        QTest::newRow("unknown") << "VX999X99_52K"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void modelTextMatchesRegardlessOfCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, model);
        QCOMPARE(matchModel(text).value_or(QString()), model);
    }

    void switchListKeepsTheIndexWhenItFits_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::newRow("nothing chosen") << -1 << 16 << 0;
        QTest::newRow("fits") << 15 << 16 << 15;
        QTest::newRow("one past the end") << 16 << 16 << 0;
        QTest::newRow("more switches keep it") << 20 << 32 << 20;
        QTest::newRow("fewer switches fall back") << 20 << 16 << 0;
        QTest::newRow("no switches") << 3 << 0 << -1;
    }
    void switchListKeepsTheIndexWhenItFits()
    {
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, index);
        const ListFill fill = switchListFill(current, count);
        QCOMPARE(fill.items.size(), count);
        if (count > 0)
            QCOMPARE(fill.items.first(), QStringLiteral(" SW1"));
        QCOMPARE(fill.index, index);
    }

    void magnificationListPutsTheTextBack_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("text");
        QTest::newRow("newer refuses Y3") << "5200" << 64 << "X1 Y3" << 8 << "X1 Y1";
        QTest::newRow("older 16 refuses Y2") << "2100" << 16 << "X2 Y2" << 4 << "X1 Y1";
        QTest::newRow("older 16 keeps") << "2100B" << 16 << "X4 Y1" << 4 << "X4 Y1";
        QTest::newRow("text not an item") << "2100" << 128 << "x1 y1" << 16 << "X1 Y1";
    }
    void magnificationListPutsTheTextBack()
    {
        QFETCH(QString, series);
        QFETCH(int, height);
        QFETCH(QString, current);
        QFETCH(int, items);
        QFETCH(QString, text);
        const ListFill fill = FillMagnificationList(series, height, current);
        QCOMPARE(fill.items, magnifications(items / 4));
        QCOMPARE(fill.text(), text);
    }

    void seriesOptionSwitchesImageAndScrollControls_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("imageList"); // CmdEditImageList and CmdIndicate
        QTest::addColumn<bool>("scroll");    // ChkScroll, Label50, CmbSpeed enabled
        QTest::addColumn<bool>("cleared");   // ChkScroll's value cleared
        QTest::newRow("-520x") << 0 << true << false << false << true;
        QTest::newRow("-521x") << 1 << true << true << false << true;
        QTest::newRow("-529x") << 2 << true << true << false << true;
        QTest::newRow("-2xxx") << 3 << true << true << true << false;
        QTest::newRow("below") << -1 << false << false << false << false;
        QTest::newRow("above") << 4 << false << false << false << false;
    }
    void seriesOptionSwitchesImageAndScrollControls()
    {
        QFETCH(int, index);
        QFETCH(bool, valid);
        QFETCH(bool, imageList);
        QFETCH(bool, scroll);
        QFETCH(bool, cleared);
        const std::optional<SeriesControls> c = seriesOptionControls(index);
        QCOMPARE(c.has_value(), valid);
        if (!c)
            return;
        QCOMPARE(c->CmdEditImageList, imageList);
        QCOMPARE(c->CmdIndicate, imageList);
        QCOMPARE(c->ChkScroll, scroll);
        QCOMPARE(c->Label50, scroll);
        QCOMPARE(c->CmbSpeed, scroll);
        QCOMPARE(c->clearChkScroll, cleared);
    }
};

KVX_TEST_MAIN(TestModelSeries)
#include "tst_model_series.moc"
