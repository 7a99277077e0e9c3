#include "link/vx5200.h"
#include "shell/model_list.h"
#include "shell/series_layout.h"
#include "support/test_main.h"

using namespace kvx;

namespace {

LayoutInputs inputsFor(const QString &model, bool revisionB, int seriesOption = 0,
                       const QString &codeTable = QStringLiteral("PC437(USA Euro std)"),
                       const QString &magnification = QStringLiteral("X1 Y1"))
{
    VX5200 encoder;
    encoder.moduleName(model);
    encoder.moduleRevB(revisionB);
    LayoutInputs in;
    in.moduleSeri = encoder.moduleSeri();
    in.dotWidth = encoder.moduleDotX();
    in.dotHeight = encoder.moduleDotY();
    in.uiLanguage = QStringLiteral("English");
    in.windowTitle = QStringLiteral("KVX35P V3.30.3");
    in.codeTableText = codeTable;
    in.magnificationText = magnification;
    in.seriesOption = seriesOption;
    return in;
}

// Controls whose state differs between the layouts: (name, older layout, newer layout).
struct FlagRow
{
    const char *name;
    bool older;
    bool newer;
};
const FlagRow LayoutFlags[] = {
    {"Chk_B", true, true},
    {"CmdBL_1", true, false},
    {"CmdBL_3", false, false},
    {"CmdLedBlk_0", true, false},
    {"OptSeries_0", false, true},
    {"OptSeries_3", true, false},
    {"chkDutyAdjust_1", true, false},
    {"OptR", false, true},
    {"OptAction_1", true, true},
    {"OptAction_2", true, false},
    {"FullOnCommandButton", false, true},
    {"FullOffCommandButton", false, true},
    {"Reverse4CommandButton", false, true},
    {"FontSizeOption_1", false, true},
    {"FontSizeOption_5", true, false},
    {"Command7", true, false},
    {"Label10", false, true},
    {"GapList", false, true},
    {"CmdUDF", true, false},
};

} // namespace

class TestSeriesLayout : public QObject
{
    Q_OBJECT
private slots:
    void everyModelGetsTheLayoutOfItsSeries_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("revisionB");
        QTest::addColumn<bool>("older");
        QTest::addColumn<QStringList>("sizes");
        QTest::addColumn<int>("magnifications");

        const QStringList newer = {"6x8", "8x16"};
        auto rows = [&](const char *model, bool older, const QStringList &plain, const QStringList &revB, int mag) {
            QTest::addRow("%s", model) << QString::fromLatin1(model) << false << older << plain << mag;
            QTest::addRow("%s B", model) << QString::fromLatin1(model) << true << older << revB << mag;
        };
        rows("VX112X16_52K", false, newer, newer, 8);
        rows("VX128X32_52K", false, newer, newer, 8);
        rows("VX128X64_52K", false, newer, newer, 8);
        rows("VX128x128_52K", false, newer, newer, 8);
        rows("VX140X16_52K", false, newer, newer, 8);
        rows("VX140X32_52K", false, newer, newer, 8);
        rows("VX160X32_52K", false, newer, newer, 8);
        rows("VX160X80_52K", false, newer, newer, 8);
        rows("VX256X64_52K", false, newer, newer, 8);
        rows("VX280X16_52K", false, newer, newer, 8);
        const QStringList low = {"6x8", "8x16"};
        const QStringList lowB = {"6x8", "8x16", "12x24"};
        const QStringList high = {"6x8", "8x16", "16x32"};
        const QStringList highB = {"6x8", "8x16", "12x24", "16x32"};
        rows("VX128X128_21K", true, high, highB, 16);
        rows("VX240X64_21K", true, high, highB, 16);
        rows("VX256X16_21K", true, low, lowB, 4);
        rows("VX256X32_21K", true, high, highB, 8);
        rows("VX256x64_21K", true, high, highB, 16);
        rows("VX256X128_21K", true, high, highB, 16);
        rows("VX320x32_21K", true, high, highB, 8);
        rows("VX384x32_21K", true, high, highB, 8);
        rows("VX512x32_21K", true, high, highB, 8);
    }
    void everyModelGetsTheLayoutOfItsSeries()
    {
        QFETCH(QString, model);
        QFETCH(bool, revisionB);
        QFETCH(bool, older);
        QFETCH(QStringList, sizes);
        QFETCH(int, magnifications);
        QVERIFY(ModelList().contains(model));

        const LayoutInputs in = inputsFor(model, revisionB, 3);
        const SeriesLayoutPlan p = seriesLayout(in);
        QCOMPARE(p.olderSeries, older);
        for (const FlagRow &f : LayoutFlags)
            QVERIFY2(p.isEnabled(QLatin1String(f.name)) == (older ? f.older : f.newer), f.name);

        QCOMPARE(p.fontSizes.items, sizes);
        QCOMPARE(p.fontSizes.text(), QStringLiteral("6x8"));
        QCOMPARE(p.magnification.items.size(), magnifications);
        QCOMPARE(p.magnification.text(), QStringLiteral("X1 Y1"));
        QCOMPARE(p.codeTables.items.size(), older ? 11 : 10);
        QCOMPARE(p.codeTables.items.contains(QStringLiteral("UserFont")), older);
        QCOMPARE(p.codeTables.text(), QStringLiteral("PC437(USA Euro std)"));

        QCOMPARE(p.textOf("TxtNoOfLED"), older ? QStringLiteral("8") : QStringLiteral("1"));
        QCOMPARE(p.textOf("ScrollShiftBox"), QString::number(in.dotHeight / 8));
        QCOMPARE(p.textOf("BmpXSizeBox"), QString::number(in.dotWidth));
        QCOMPARE(p.brightMinimum, older ? 0 : 1);
        QCOMPARE(p.fontSizeOption, older ? 2 : 0);
        QCOMPARE(p.clearDutyAdjust, !older);
        QCOMPARE(p.chooseRgb, older);
        QCOMPARE(p.actionOption, 0);
        // "-2xxx" was chosen: the older series keeps it, the newer one moves to "-520x".
        QCOMPARE(p.seriesOptionClick, older ? 3 : 0);

        QCOMPARE(p.windowTitle,
                 older ? QStringLiteral("KVX35P V3.30.3 /2100 Direct Mode")
                       : QStringLiteral("KVX35P V3.30.3 /5200 Mode"));
        QCOMPARE(p.tutorCaption, older ? QStringLiteral("2100 Tutor") : QStringLiteral("5200 Tutor"));
        const QList<std::pair<int, bool>> topics = {{4, !older}, {6, !older}, {12, !older}};
        QCOMPARE(p.tutorTopics, topics);

        // The revision-B controls follow the module series.
        const RevisionBPlan b = revisionBFeatures(in.moduleSeri, 0);
        const bool olderB = older && revisionB;
        for (const char *name : {"cmdBtn1_4", "cmdBtn1_5", "WindowModeCommandButton_3", "ListOffTimer", "Label39"})
            QVERIFY2(b.isEnabled(QLatin1String(name)) == olderB, name);
        for (const char *name :
             {"CmdDrawFileByDot", "OpYByte_1", "Label52", "Text6", "Text7", "Label51", "Command9", "CmdFontExtension"})
            QVERIFY2(b.isEnabled(QLatin1String(name)) == revisionB, name);
        QCOMPARE(b.isEnabled("OpYByte_0"), true);
        QCOMPARE(b.dotTextTab, revisionB);
    }

    void aNewerSeriesOptionStaysOnTheNewerSeries()
    {
        for (int option : {0, 1, 2})
            QCOMPARE(seriesLayout(inputsFor("VX140X32_52K", false, option)).seriesOptionClick, -1);
    }

    void codeTableKeptWhereTheListHasIt_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("UserFont falls back on the newer series") << "VX140X32_52K"
                                                                 << "UserFont"
                                                                 << "PC437(USA Euro std)";
        QTest::newRow("another table stays on the newer series") << "VX140X32_52K"
                                                                 << "PC858"
                                                                 << "PC858";
        QTest::newRow("UserFont stays on the older series") << "VX256X32_21K"
                                                            << "UserFont"
                                                            << "UserFont";
        QTest::newRow("a table stays on the older series") << "VX256X32_21K"
                                                           << "WPC1252"
                                                           << "WPC1252";
        QTest::newRow("an unknown text shows the first table") << "VX256X32_21K"
                                                               << ""
                                                               << "PC437(USA Euro std)";
    }
    void codeTableKeptWhereTheListHasIt()
    {
        QFETCH(QString, model);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const SeriesLayoutPlan p = seriesLayout(inputsFor(model, false, 0, before));
        QCOMPARE(p.codeTables.text(), after);
        // The list index is the table number sent.
        QCOMPARE(p.codeTables.index, int(codeTableItems(true).indexOf(after)));
    }

    void magnificationKeptOnlyOnTheOlderSeries_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("newer series always shows X1 Y1") << "VX140X32_52K"
                                                         << "X3 Y2"
                                                         << "X1 Y1";
        QTest::newRow("older, 64 high keeps X3 Y4") << "VX256x64_21K"
                                                    << "X3 Y4"
                                                    << "X3 Y4";
        QTest::newRow("older, 32 high keeps X4 Y2") << "VX256X32_21K"
                                                    << "X4 Y2"
                                                    << "X4 Y2";
        QTest::newRow("older, 16 high lacks Y2") << "VX256X16_21K"
                                                 << "X1 Y2"
                                                 << "X1 Y1";
    }
    void magnificationKeptOnlyOnTheOlderSeries()
    {
        QFETCH(QString, model);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(seriesLayout(inputsFor(model, false, 0, {}, before)).magnification.text(), after);
    }

    void titleSuffixInTheInterfaceLanguageNeverStacks_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("older, English") << "VX256X32_21K"
                                        << "English"
                                        << "KVX35P V3.30.3 /2100 Direct Mode";
        QTest::newRow("newer, English") << "VX140X32_52K"
                                        << "English"
                                        << "KVX35P V3.30.3 /5200 Mode";
        QTest::newRow("older, Japanese") << "VX256X32_21K"
                                         << "Japanese"
                                         << "KVX35P V3.30.3 /2100 ダイレクトモード";
        QTest::newRow("newer, Japanese") << "VX140X32_52K"
                                         << "Japanese"
                                         << "KVX35P V3.30.3 /5200 モード";
        QTest::newRow("other language is English") << "VX140X32_52K"
                                                   << "japanese"
                                                   << "KVX35P V3.30.3 /5200 Mode";
    }
    void titleSuffixInTheInterfaceLanguageNeverStacks()
    {
        QFETCH(QString, model);
        QFETCH(QString, language);
        QFETCH(QString, title);
        LayoutInputs in = inputsFor(model, false);
        in.uiLanguage = language;
        const QString once = seriesLayout(in).windowTitle;
        QCOMPARE(once, title);
        in.windowTitle = once;
        QCOMPARE(seriesLayout(in).windowTitle, title);
        // A suffix of the other series (or language) is replaced, not kept.
        in.windowTitle = QStringLiteral("KVX35P V3.30.3 /2100 ダイレクトモード");
        QCOMPARE(seriesLayout(in).windowTitle, title);
    }

    void withoutDotUnitsTheYUnitGoesBackTo8Dots_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<int>("yUnit");
        QTest::addColumn<int>("click");
        QTest::newRow("2100, Y:1Dot") << "2100" << 1 << 0;
        QTest::newRow("5200, Y:1Dot") << "5200" << 1 << 0;
        QTest::newRow("2100, Y:8Dot") << "2100" << 0 << -1;
        QTest::newRow("2100B, Y:1Dot") << "2100B" << 1 << -1;
        QTest::newRow("5200B, Y:1Dot") << "5200B" << 1 << -1;
    }
    void withoutDotUnitsTheYUnitGoesBackTo8Dots()
    {
        QFETCH(QString, series);
        QFETCH(int, yUnit);
        QFETCH(int, click);
        QCOMPARE(revisionBFeatures(series, yUnit).yUnitClick, click);
    }
};

KVX_TEST_MAIN(TestSeriesLayout)
#include "tst_series_layout.moc"
