#include "shell/model_list.h"
#include "shell/series_layout.h"
#include "shell/settings_files.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "tutorial/ui/tutorial_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QWindow>

using namespace kvx;
using namespace kvx::test;

namespace {

void chooseModel(StartedWindow &s, const QString &model, bool revisionB)
{
    s.child<QComboBox>(QStringLiteral("HinmeiList"))->setCurrentText(model);
    s.child<QCheckBox>(QStringLiteral("Chk_B"))->setChecked(revisionB);
    s.window.HinmeiList_Click();
}

// The main window's own control of that name (the tutorial has controls of the same names).
QWidget *ownControl(MainWindow &window, const QString &name)
{
    for (QWidget *w : window.findChildren<QWidget *>(name))
        if (w->window() == &window)
            return w;
    return nullptr;
}

// Switched off by the program itself, whatever its frame.
bool switchedOn(QWidget *w)
{
    return !w->testAttribute(Qt::WA_ForceDisabled);
}

QStringList items(QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

LayoutInputs inputsOf(MainWindow &w)
{
    LayoutInputs in;
    in.moduleSeri = w.encoder().moduleSeri();
    in.dotWidth = w.encoder().moduleDotX();
    in.dotHeight = w.encoder().moduleDotY();
    in.uiLanguage = w.state().UILanguage;
    in.windowTitle = w.windowTitle();
    return in;
}

} // namespace

class TestSeriesLayoutWindow : public QObject
{
    Q_OBJECT
private slots:
    void choosingAModelLaysOutTheWidgets_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("revisionB");
        QTest::newRow("newer") << "VX160X80_52K" << false;
        QTest::newRow("newer B") << "VX128X64_52K" << true;
        QTest::newRow("older") << "VX256X16_21K" << false;
        QTest::newRow("older B") << "VX384x32_21K" << true;
    }
    void choosingAModelLaysOutTheWidgets()
    {
        QFETCH(QString, model);
        QFETCH(bool, revisionB);
        StartedWindow s;
        // From the other series first, so that every control really changes.
        chooseModel(s, model.endsWith("21K") ? "VX140X32_52K" : "VX256x64_21K", !revisionB);
        chooseModel(s, model, revisionB);
        const SeriesLayoutPlan plan = seriesLayout(inputsOf(s.window));

        for (const ControlFlag &f : plan.enabled) {
            QWidget *w = ownControl(s.window, f.name);
            // Every control the layout names is on the window, except the revision-B
            // box's separate label (its caption is the box's own).
            QVERIFY2(w || f.name == QLatin1String("Label35"), qPrintable(f.name));
            if (w)
                QVERIFY2(switchedOn(w) == f.on, qPrintable(f.name));
        }
        for (const PresetText &t : plan.texts) {
            auto *box = qobject_cast<QLineEdit *>(ownControl(s.window, t.name));
            QVERIFY2(box, qPrintable(t.name));
            QCOMPARE(box->text(), t.text);
        }
        // The twin of the LED count follows it.
        QCOMPARE(s.child<QLineEdit>("Text11")->text(), plan.textOf("TxtNoOfLED").value());
        QCOMPARE(items(s.child<QComboBox>("ListSize")), plan.fontSizes.items);
        QCOMPARE(s.child<QComboBox>("ListSize")->currentText(), QStringLiteral("6x8"));
        QCOMPARE(items(s.child<QComboBox>("MagunifiedList")), plan.magnification.items);
        QCOMPARE(items(s.child<QComboBox>("CharacterCodeList")), plan.codeTables.items);
        QCOMPARE(s.child<QSlider>("BrightSlider")->minimum(), plan.brightMinimum);
        QCOMPARE(s.child<QRadioButton>("OptRGB")->isChecked() || !plan.chooseRgb, true);
        QCOMPARE(s.window.windowTitle(), plan.windowTitle);
        QCOMPARE(s.program.tutorWindow()->windowTitle(), plan.tutorCaption);
        for (const auto &[topic, on] : plan.tutorTopics)
            QCOMPARE(s.program.tutorWindow()
                         ->findChild<QWidget *>(QStringLiteral("IndexCommandButton_%1").arg(topic))
                         ->isEnabled(),
                     on);
        QCOMPARE(s.child<QRadioButton>(plan.olderSeries ? "OptSeries_3" : "OptSeries_0")->isChecked(), true);
        // The character editor's size handler ran for the chosen size.
        QVERIFY(s.child<QRadioButton>(QStringLiteral("FontSizeOption_%1").arg(plan.fontSizeOption))->isChecked());
        QVERIFY(s.child<QRadioButton>(QStringLiteral("OptAction_%1").arg(plan.actionOption))->isChecked());
        QCOMPARE(s.child<QLineEdit>("Text4")->text(), QString::number(s.window.encoder().moduleDotX()));
        QCOMPARE(s.child<QLineEdit>("Text5")->text(), QString::number(s.window.encoder().moduleDotY()));

        const RevisionBPlan b = revisionBFeatures(s.window.encoder().moduleSeri(), s.window.yUnit());
        for (const ControlFlag &f : b.enabled) {
            QWidget *w = ownControl(s.window, f.name);
            QVERIFY2(w, qPrintable(f.name));
            QVERIFY2(switchedOn(w) == f.on, qPrintable(f.name));
        }
        QCOMPARE(s.child<QTabWidget>("SSTab4")->isTabEnabled(1), revisionB);
        QVERIFY(!s.window.state().ListUpdating);
    }

    void seriesOptionFollowsTheSeriesAndComesBack()
    {
        StartedWindow s;
        chooseModel(s, "VX256X32_21K", false);
        QCOMPARE(s.window.seriesOption(), 3);
        chooseModel(s, "VX140X32_52K", false);
        QCOMPARE(s.window.seriesOption(), 0);
        QVERIFY(s.child<QRadioButton>("OptSeries_0")->isChecked());
        s.click("OptSeries_2");
        chooseModel(s, "VX128X32_52K", false);
        QCOMPARE(s.window.seriesOption(), 2);
        chooseModel(s, "VX256X32_21K", false);
        QCOMPARE(s.window.seriesOption(), 3);
        QVERIFY(s.child<QRadioButton>("OptSeries_3")->isChecked());
    }

    void userFontFallsBackOnTheNewerSeries()
    {
        StartedWindow s;
        chooseModel(s, "VX256X32_21K", false);
        auto *tables = s.child<QComboBox>("CharacterCodeList");
        QCOMPARE(tables->count(), 11);
        tables->setCurrentText("UserFont");
        chooseModel(s, "VX256x64_21K", false);
        QCOMPARE(tables->currentText(), QStringLiteral("UserFont"));
        chooseModel(s, "VX140X32_52K", false);
        QCOMPARE(tables->count(), 10);
        QCOMPARE(tables->currentText(), QStringLiteral("PC437(USA Euro std)"));
    }

    void everyModelChoiceSendsNothingAndNeverStacksTheTitle()
    {
        StartedWindow s;
        QSignalSpy sent(&s.window.link(), &Link::commandSent);
        QSignalSpy logged(&s.window.commandLog(), &CommandLog::logged);
        for (const QString &model : ModelList()) {
            for (bool revB : {false, true}) {
                chooseModel(s, model, revB);
                const QString title = s.window.windowTitle();
                chooseModel(s, model, revB);
                QCOMPARE(s.window.windowTitle(), title);
            }
        }
        QCOMPARE(sent.count(), 0);
        QCOMPARE(logged.count(), 0);
        QCOMPARE(s.dialogs.shown.size(), 0);

        s.window.state().UILanguage = QStringLiteral("Japanese");
        chooseModel(s, "VX256X32_21K", false);
        QCOMPARE(s.window.windowTitle(), QStringLiteral("KVX35P V3.30.3 /2100 ダイレクトモード"));
        s.window.state().UILanguage = QStringLiteral("English");
        chooseModel(s, "VX140X32_52K", false);
        QCOMPARE(s.window.windowTitle(), QStringLiteral("KVX35P V3.30.3 /5200 Mode"));
    }

    void newerSeriesClearsDutyAdjustmentAndKeepsTheColourOption()
    {
        StartedWindow s;
        chooseModel(s, "VX256X32_21K", false);
        s.click("chkDutyAdjust_0");
        QVERIFY(s.child<QCheckBox>("chkDutyAdjust_1")->isChecked());
        s.child<QRadioButton>("OptR")->setChecked(true);
        chooseModel(s, "VX140X32_52K", false);
        QVERIFY(!s.child<QCheckBox>("chkDutyAdjust_0")->isChecked());
        QVERIFY(!s.child<QCheckBox>("chkDutyAdjust_1")->isChecked());
        QVERIFY(s.child<QRadioButton>("OptR")->isChecked());
        chooseModel(s, "VX256X32_21K", false);
        QVERIFY(s.child<QRadioButton>("OptRGB")->isChecked());
        QVERIFY(!s.child<QCheckBox>("chkDutyAdjust_0")->isChecked()); // not ticked again
    }

    // The window is the size it opens at for its language and series, also when the
    // switches brought it there; a resize past its size hints (as a desktop may) lasts
    // until the user comes back from the tutorial, and it never maximises.
    void theWindowKeepsTheSizeItOpensAt_data()
    {
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<bool>("older");
        QTest::newRow("English, 5200") << false << false;
        QTest::newRow("English, 2100") << false << true;
        QTest::newRow("Japanese, 5200") << true << false;
        QTest::newRow("Japanese, 2100") << true << true;
    }
    void theWindowKeepsTheSizeItOpensAt()
    {
        QFETCH(bool, japanese);
        QFETCH(bool, older);
        const QString port = QStringLiteral("/dev/kvx-no-such-port");
        const auto startIn = [port](bool ja, bool old) {
            return [=](MainWindow &) {
                ConfigSettings c = defaultConfigSettings();
                c.port = port;
                c.language = ja ? "Japanese" : "English";
                c.model = old ? "VX256X32_21K" : "VX140X32_52K";
                QVERIFY(saveConfig(c).ok);
            };
        };
        const QSize opened = StartedWindow(port, startIn(japanese, older)).window.size();
        StartedWindow s(port, startIn(!japanese, !older));
        s.window.Image1_Click();
        chooseModel(s, older ? "VX256X32_21K" : "VX140X32_52K", false);
        QCOMPARE(s.window.size(), opened);

        s.window.windowHandle()->resize(1700, 950);
        QTRY_COMPARE(s.window.size(), QSize(1700, 950));
        s.program.tutorWindow()->showTutorial();
        QTRY_VERIFY(QGuiApplication::focusWindow() == s.program.tutorWindow()->windowHandle());
        s.window.activateWindow();
        QTRY_COMPARE(s.window.size(), opened);
        s.window.showMaximized();
        QTRY_VERIFY(s.window.mainWindowNormal());
        QCOMPARE(s.window.size(), opened);
    }

    void modelsWithTheirOwnLedCountSetItAfterTheLayout()
    {
        StartedWindow s;
        chooseModel(s, "VX512x32_21K", false);
        QCOMPARE(s.child<QLineEdit>("TxtNoOfLED")->text(), QStringLiteral("20"));
        QCOMPARE(s.child<QLineEdit>("Text11")->text(), QStringLiteral("20"));
        chooseModel(s, "VX384x32_21K", false);
        QCOMPARE(s.child<QLineEdit>("TxtNoOfLED")->text(), QStringLiteral("8"));
    }
};

KVX_TEST_MAIN(TestSeriesLayoutWindow)
#include "tst_series_layout_window.moc"
