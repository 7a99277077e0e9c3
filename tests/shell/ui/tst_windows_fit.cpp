#include "image_list/ui/image_list_window.h"
#include "image_list/ui/list_export_window.h"
#include "macro_editor/ui/progress_dialog.h"
#include "panels/ui/touch_para_window.h"
#include "panels/ui/user_win_dialog.h"
#include "shell/settings_files.h"
#include "shell/ui/comm_scan.h"
#include "shell/ui/panel_host.h"
#include "shell/ui/splash_dialog.h"
#include "support/fake_port_prober.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "support/window_fit.h"
#include "tutorial/ui/tutorial_window.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

using namespace kvx;
using namespace kvx::test;

namespace {

enum class Series { Newer, NewerOnePage, Older };

void chooseSeries(StartedWindow &s, Series series)
{
    s.child<QComboBox>(QStringLiteral("HinmeiList"))
        ->setCurrentText(series == Series::Older ? QStringLiteral("VX256X32_21K") : QStringLiteral("VX140X32_52K"));
    s.window.HinmeiList_Click();
    if (series != Series::Older)
        s.window.OptSeries_Click(series == Series::Newer ? 1 : 2);
}

// Entries with long names and paths, so a window that grew with what it shows would.
QList<ImageListEntry> longEntries()
{
    QList<ImageListEntry> entries;
    for (int i = 0; i < 3; ++i) {
        ImageListEntry e;
        e.imgLabel = QStringLiteral("a_rather_long_image_label_of_forty_chars%1").arg(i);
        e.imgFileName = QStringLiteral("an image file with a very long name indeed, %1.bmp").arg(i);
        e.imgPath = QStringLiteral("/home/someone/a/deep/folder/of/pictures/for/the/module/") + e.imgFileName;
        e.imgX = 128;
        e.imgY = 64;
        e.imgCheck = 1;
        e.imgMemory = QStringLiteral("F 0");
        entries << e;
    }
    return entries;
}

ImageListWindow *imageWindow(StartedWindow &s)
{
    return s.window.findChild<ImageListWindow *>();
}

// Opens the window the way the user does and hands it over shown.
using Opener = std::function<QWidget *(StartedWindow &)>;
using Make = std::function<QWidget *()>;

// A window holding the widget at the given size (its size hint when empty).
QStringList problemsOf(QWidget *w, QSize size = {})
{
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    w->setParent(&window);
    const QSize hint = w->sizeHint().expandedTo(w->minimumSizeHint());
    w->setGeometry(QRect(QPoint(0, 0), size.isValid() ? size : hint));
    window.resize(w->size() + QSize(10, 10));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {QStringLiteral("not shown")};
    return windowFitProblems(window);
}

} // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(Series)

class TestWindowsFit : public QObject
{
    Q_OBJECT
private slots:
    // The check itself: each kind of caption squeezed below its text is reported,
    // the same caption with room is not.
    void theCheckFindsACutCaption_data()
    {
        QTest::addColumn<Make>("make");
        const QString text = QStringLiteral("ドット x Quite a long caption");
        QTest::newRow("label") << Make([=] { return new QLabel(text); });
        QTest::newRow("push button") << Make([=] { return new QPushButton(text); });
        QTest::newRow("check box") << Make([=] { return new QCheckBox(text); });
        QTest::newRow("radio button") << Make([=] { return new QRadioButton(text); });
        QTest::newRow("frame") << Make([=] { return new QGroupBox(text); });
        QTest::newRow("list") << Make([=] {
            auto *list = new QComboBox;
            list->addItem(text);
            return list;
        });
        QTest::newRow("tabs") << Make([=] {
            auto *tabs = new QTabWidget;
            tabs->addTab(new QWidget, QStringLiteral("One"));
            tabs->addTab(new QLabel(text), QStringLiteral("Two"));
            return tabs;
        });
    }
    void theCheckFindsACutCaption()
    {
        QFETCH(Make, make);
        QCOMPARE(problemsOf(make()), QStringList());
        QWidget *w = make();
        const QSize hint = w->sizeHint().expandedTo(w->minimumSizeHint());
        QVERIFY(!problemsOf(w, QSize(hint.width() / 2, hint.height())).isEmpty());
    }

    void theCheckFindsATooLargeWindowAndATextWithNoRoomToSpare()
    {
        for (const auto &[size, problems] :
             {std::pair{QSize(1360, 700), 0}, {QSize(1361, 690), 1}, {QSize(1300, 701), 1}}) {
            QWidget window;
            window.resize(size);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(windowFitProblems(window).size(), problems);
        }
        // A label that cannot grow when a wider font needs it to.
        auto *held = new QLabel(QStringLiteral("ネガ"));
        held->setFixedWidth(held->sizeHint().width());
        QCOMPARE(problemsOf(held).size(), 1);
    }

    void everyWindowFitsASmallScreenWithNoCaptionCut_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<Series>("series");
        QTest::addColumn<bool>("japanese");

        // The series whose layouts change the window; the image list's windows also
        // differ between the newer series' flash layouts.
        const QList<std::pair<const char *, Series>> one = {{"5200", Series::Newer}};
        const QList<std::pair<const char *, Series>> both = {{"5200", Series::Newer}, {"2100", Series::Older}};
        const QList<std::pair<const char *, Series>> all = {
            {"5200", Series::Newer}, {"5200 one page", Series::NewerOnePage}, {"2100", Series::Older}};
        struct Window
        {
            const char *name;
            QList<std::pair<const char *, Series>> series;
            Opener open;
        };
        const QList<Window> windows = {
            {"main window", both,
             [](StartedWindow &s) -> QWidget * {
                 s.window.show();
                 return &s.window;
             }},
            {"macro editor", one,
             [](StartedWindow &s) {
                 s.window.macroEditor()->showEditor();
                 // With the box of the bytes the module sent back.
                 emit s.window.host().receivedDataPanelNeeded();
                 return s.window.findChild<QWidget *>(QStringLiteral("EditForm"));
             }},
            {"upload progress", one,
             [](StartedWindow &s) -> QWidget * {
                 auto *progress = new ProgressDialog(s.window.state().japanese(), &s.window);
                 progress->showProgress(s.window.state().tr(QStringLiteral("Macro"), QStringLiteral("マクロ")),
                                        s.window.state().tr(QStringLiteral("Code translation on progress."),
                                                            QStringLiteral("マクロ書き込み中")));
                 return progress;
             }},
            {"image list", all,
             [](StartedWindow &s) -> QWidget * {
                 s.window.imageList().replaceEntries(longEntries());
                 imageWindow(s)->showWindow();
                 return imageWindow(s);
             }},
            {"export window", all,
             [](StartedWindow &s) -> QWidget * {
                 s.window.imageList().replaceEntries(longEntries());
                 ListExportWindow *w = imageWindow(s)->exportWindow();
                 if (!w->activate())
                     return nullptr;
                 w->show();
                 return w;
             }},
            {"entry dialog", one,
             [](StartedWindow &s) -> QWidget * {
                 s.window.imageList().replaceEntries(longEntries());
                 EntryParamDialog *d = imageWindow(s)->entryDialog();
                 d->setLanguage(s.window.state().UILanguage);
                 d->fill(0);
                 d->show();
                 return d;
             }},
            {"tutorial", both,
             [](StartedWindow &s) -> QWidget * {
                 s.program.tutorWindow()->showTutorial();
                 return s.program.tutorWindow();
             }},
            {"touch parameters", one,
             [](StartedWindow &s) {
                 auto *w = s.window.findChild<QWidget *>(QStringLiteral("TouchPara"));
                 w->show();
                 return w;
             }},
            {"user window", one,
             [](StartedWindow &s) -> QWidget * {
                 s.click(QStringLiteral("UserWindowRegistCheck_0"));
                 QTest::mouseClick(s.child<QLineEdit>(QStringLiteral("UserWindowLeftBox_0")), Qt::LeftButton);
                 return s.window.findChild<UserWinDialog *>();
             }},
            {"port search", one,
             [](StartedWindow &s) -> QWidget * {
                 static FakePortProber prober;
                 for (int i = 0; i < 16; ++i)
                     prober.ports.insert(QStringLiteral("/dev/ttyUSB%1").arg(i + 10),
                                         i % 3 ? PortState::Available : PortState::InUse);
                 auto *scan = new CommScan(prober, s.window.state(), s.dialogs, QStringLiteral("1"), &s.window);
                 scan->show();
                 scan->ScanPorts();
                 return scan;
             }},
            {"splash", one,
             [](StartedWindow &s) -> QWidget * {
                 auto *splash = new SplashDialog(s.window.windowTitle(), &s.window);
                 splash->show();
                 return splash;
             }},
        };
        for (const Window &w : windows)
            for (const bool japanese : {false, true})
                for (const auto &[seriesName, series] : w.series)
                    QTest::addRow("%s, %s, %s", w.name, japanese ? "Japanese" : "English", seriesName)
                        << w.open << series << japanese;
    }
    void everyWindowFitsASmallScreenWithNoCaptionCut()
    {
        QFETCH(Opener, open);
        QFETCH(Series, series);
        QFETCH(bool, japanese);
        StartedWindow s;
        QCOMPARE(s.window.logicalDpiX(), 96);
        QCOMPARE(s.window.logicalDpiY(), 96);
        chooseSeries(s, series);
        // A first run on a Japanese locale starts in Japanese; English is then the switch.
        if (s.window.state().japanese() != japanese)
            s.window.Image1_Click();
        QWidget *window = open(s);
        QVERIFY(window && window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList problems = windowFitProblems(*window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Long folders (the home folder among the bitmap panel's roots, the working
    // folder) and long image names neither widen the main window nor show cut.
    void theMainWindowKeepsItsSizeWhateverItsBoxesHold()
    {
        // Both in the language of the default settings: on a Japanese locale a first
        // run without them would start in Japanese.
        const QSize plain = StartedWindow(QStringLiteral("/dev/kvx-no-such-port"), [](MainWindow &) {
                                QVERIFY(saveConfig(defaultConfigSettings()).ok);
                            }).window.size();
        const QByteArray home = qgetenv("HOME");
        const QString longHome = QString::fromUtf8(home) + QStringLiteral("/%1/%1").arg(QString(48, QLatin1Char('h')));
        const QString folder = longHome + QStringLiteral("/%1").arg(QString(96, QLatin1Char('f')));
        QVERIFY(QDir().mkpath(folder));
        qputenv("HOME", longHome.toUtf8());
        StartedWindow s(QStringLiteral("/dev/kvx-no-such-port"), [&](MainWindow &window) {
            ConfigSettings settings = defaultConfigSettings();
            settings.bitmapFolder = folder;
            QVERIFY(saveConfig(settings).ok);
            window.imageList().replaceEntries(longEntries());
        });
        qputenv("HOME", home);
        QCOMPARE(s.window.state().WorkFolder, folder);
        QVERIFY(s.child<QComboBox>(QStringLiteral("CmbImageName"))
                    ->currentText()
                    .startsWith(longEntries().first().imgLabel));
        QCOMPARE(s.window.size(), plain);
        const QStringList problems = windowFitProblems(s.window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

KVX_TEST_MAIN(TestWindowsFit)
#include "tst_windows_fit.moc"
