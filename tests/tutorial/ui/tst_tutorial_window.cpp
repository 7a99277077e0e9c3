#include "shell/series_layout.h"
#include "shell/ui/qt_user_dialogs.h"
#include "support/queued_input.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"
#include "tutorial/achievement_record.h"
#include "tutorial/fake_tutorial_host.h"
#include "tutorial/tutor_place.h"
#include "tutorial/ui/tutorial_window.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <utility>

using namespace kvx;
using kvx::test::FakeTutorialHost;
using kvx::test::postActivate;
using kvx::test::postClick;
using kvx::test::postKey;
using kvx::test::ScriptedDialogs;

namespace {

struct Fixture
{
    explicit Fixture(UserDialogs *desktop = nullptr)
    {
        main.setObjectName("Form1");
        main.resize(300, 200);
        main.show();
        window = new TutorialWindow(&host, desktop ? desktop : &dialogs, &main);
        window->setRecordPath(dir.filePath("enma.tmp"));
    }
    QPushButton *button(const QString &name) { return window->findChild<QPushButton *>(name); }
    QString shownText() { return window->findChild<QPlainTextEdit *>("toviText")->toPlainText(); }
    QProgressBar *progress() { return window->findChild<QProgressBar *>("ToutatuProgressBar"); }
    void initialize()
    {
        host.send([](VX5200 &e) { return e.InitializeDisplay(); });
    }
    // What the main window does when a command completes while the tutorial waits.
    void commandCompleted()
    {
        if (host.tutorialWaiting)
            window->showTutorial();
    }
    // The main window's tutorial picture.
    void openFromPicture()
    {
        window->showTutorial();
        host.tutorialShown = host.tutorialWaiting = true;
    }
    void settle() { QTest::qWait(50); }

    QTemporaryDir dir;
    QWidget main;
    FakeTutorialHost host;
    ScriptedDialogs dialogs;
    TutorialWindow *window = nullptr;
};

// Gives a window the focus. (A window counts as active while one of its own windows,
// like the tutorial, has the focus, so the focus window itself is what is waited for.)
bool focus(QWidget *w)
{
    w->activateWindow();
    return QTest::qWaitFor([w] { return QGuiApplication::focusWindow() == w->windowHandle(); });
}

QString text(const QString &crlf)
{
    return QString(crlf).replace("\r\n", "\n");
}

} // namespace

class TestTutorialWindow : public QObject
{
    Q_OBJECT
private slots:
    void controlsAndCaptions()
    {
        Fixture f;
        QVERIFY(!f.window->isModal());
        QVERIFY(f.window->isWindow());
        for (int t = 0; t < 13; ++t)
            QVERIFY(f.button(QString("IndexCommandButton_%1").arg(t)));
        QCOMPARE(f.button("IndexCommandButton_7")->text(), QString("Writing Mode"));
        QCOMPARE(f.button("NextCommandButton")->text(), QString("Next"));
        QCOMPARE(f.button("ResetCommandButton")->toolTip(), QString("Reset Achievement Record"));
        QCOMPARE(f.window->findChild<QLabel *>("Label2")->text(), QString("MENU"));
        f.host.language = "Japanese";
        f.window->retranslate();
        QCOMPARE(f.button("BackCommandButton")->text(), QString::fromUtf8("戻る"));
        QCOMPARE(f.button("BtnAbort")->text(), QString::fromUtf8("中止"));
        QCOMPARE(f.button("IndexCommandButton_12")->text(), QString::fromUtf8("スクリーンセーバー"));
    }

    void initializeFromTheMainWindowIsJudgedOnce()
    {
        Fixture f;
        f.openFromPicture();
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.shownText(), text(f.window->engine().buildText("welcome.first")));
        QCOMPARE(f.window->windowTitle(), QString("5200 Tutor"));
        f.settle();

        int runs = f.host.engineRuns;
        QTest::mouseClick(f.button("IndexCommandButton_0"), Qt::LeftButton);
        f.settle();
        QCOMPARE(f.host.engineRuns, runs + 1);
        QCOMPARE(f.button("IndexCommandButton_0")->property("topicState").toString(), QString("current"));
        QTest::mouseClick(f.button("NextCommandButton"), Qt::LeftButton); // step 2
        f.settle();
        QCOMPARE(f.shownText(), text(f.window->engine().buildText("s2.intro")));

        // The user goes to the main window and sends Initialize.
        QVERIFY(focus(&f.main));
        runs = f.host.engineRuns;
        f.initialize();
        f.commandCompleted();
        f.settle();
        QCOMPARE(f.host.engineRuns, runs + 1);
        QVERIFY(f.shownText().contains("O.K.  Initialization has been completed.\nClick Next for the next step."));
        QCOMPARE(f.window->engine().achieved()[0], 1);
    }

    void comingBackFromTheMainWindowRunsTheEngineOtherWindowsDoNot()
    {
        Fixture f;
        f.openFromPicture();
        QVERIFY(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == f.window->windowHandle(); }));
        QCOMPARE(f.host.engineRuns, 1); // shown: once, not again for the activation
        QVERIFY(focus(&f.main));

        int runs = f.host.engineRuns;
        QVERIFY(focus(f.window));
        QCOMPARE(f.host.engineRuns, runs + 1);

        // A message box closes and the tutorial is active again: no run.
        QDialog box(f.window);
        box.show();
        QVERIFY(focus(&box));
        runs = f.host.engineRuns;
        box.hide();
        QVERIFY(focus(f.window));
        QCOMPARE(f.host.engineRuns, runs);
    }

    void resetAsksAndKeepsTheRecordUntilClose()
    {
        Fixture f;
        TopicCounts saved{};
        saved[0] = 2;
        saved[1] = 1;
        QVERIFY(achievement_record::save(f.dir.filePath("enma.tmp"), saved).ok);
        f.openFromPicture();
        QVERIFY(f.shownText().startsWith("     Welcome back to the VX-5200 Tutorial !"));
        QCOMPARE(f.progress()->value(), 3);
        QCOMPARE(f.progress()->maximum(), 33);
        QCOMPARE(f.button("IndexCommandButton_0")->property("topicState").toString(), QString("complete"));

        f.dialogs.answers.enqueue(UserDialogs::Answer::Cancel);
        QTest::mouseClick(f.button("ResetCommandButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs.titles.last(), QString("All Clear"));
        QCOMPARE(f.dialogs.shown.last(),
                 QString("This action will reset your Achievement Record.  Would you like to continue?"));
        QCOMPARE(f.progress()->value(), 3);

        f.dialogs.answers.enqueue(UserDialogs::Answer::Ok);
        QTest::mouseClick(f.button("ResetCommandButton"), Qt::LeftButton);
        QCOMPARE(f.progress()->value(), 0);
        QCOMPARE(f.button("IndexCommandButton_0")->property("topicState").toString(), QString("open"));
        QCOMPARE(achievement_record::load(f.dir.filePath("enma.tmp")), saved);

        f.window->close();
        QCOMPARE(achievement_record::load(f.dir.filePath("enma.tmp")), TopicCounts{});
    }

    // Answered on the desktop's own message box. The window manager may give the main
    // window the focus as the question goes, or once the tutorial has it again: the
    // tutorial takes it back and runs no step. What the user does right after is theirs:
    // a click into the main window keeps it there with the keys typed next (also a click
    // that comes after the take-back, with no move of the focus of its own), and going to
    // the main window and back to the tutorial runs the step.
    void theFocusComesBackToTheTutorialFromItsQuestion_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("mainKeepsIt");
        QTest::addColumn<int>("runs");
        QTest::newRow("OK, the main window first") << QMessageBox::Ok << "main first" << false << 0;
        QTest::newRow("Cancel, the main window after the tutorial")
            << QMessageBox::Cancel << "main after" << false << 0;
        QTest::newRow("a click into the main window") << QMessageBox::Ok << "click main" << true << 0;
        QTest::newRow("a click into the main window after the take-back")
            << QMessageBox::Ok << "click main late" << true << 0;
        QTest::newRow("the user goes to the main window and back")
            << QMessageBox::Cancel << "main and back" << false << 1;
    }
    void theFocusComesBackToTheTutorialFromItsQuestion()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, then);
        QFETCH(bool, mainKeepsIt);
        QFETCH(int, runs);
        QtUserDialogs desktop;
        Fixture f(&desktop);
        auto *edit = new QLineEdit(&f.main);
        edit->show();
        f.openFromPicture();
        QVERIFY(focus(f.window));
        const int before = f.host.engineRuns;
        bool asked = false;
        int arrivals = 0; // at the tutorial, after the question
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, f.window, [&](QWindow *now) {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && !std::exchange(asked, true)) {
                if (then == "main first")
                    connect(box, &QDialog::finished, [&] { postActivate(&f.main); });
                postClick(box->button(answer));
                return;
            }
            if (!asked || box || now != f.window->windowHandle())
                return;
            const bool first = ++arrivals == 1;
            if (first && then != "main first")
                postActivate(&f.main); // by the window manager, or at the user's click
            if ((first && (then == "click main" || then == "main and back")) || (!first && then == "click main late"))
                postClick(edit);
            if (first && then == "main and back") {
                postActivate(f.window);
                postClick(f.window->findChild<QPlainTextEdit *>("toviText"));
            }
        });
        postClick(f.button("ResetCommandButton"));
        QVERIFY(QTest::qWaitFor([&] { return asked && !QApplication::activeModalWidget(); }));
        f.settle();
        QWidget *focused = QGuiApplication::focusWindow() == f.main.windowHandle() ? &f.main : f.window;
        postKey(focused, Qt::Key_X);
        postKey(focused, Qt::Key_Y);
        f.settle();
        QCOMPARE(QGuiApplication::focusWindow(), mainKeepsIt ? f.main.windowHandle() : f.window->windowHandle());
        QCOMPARE(edit->text(), mainKeepsIt ? QString("xy") : QString());
        QCOMPARE(f.host.engineRuns, before + runs);
    }

    void abortHidesWithoutSaving()
    {
        Fixture f;
        f.openFromPicture();
        f.window->engine().setCurrentStepForTest(2, true);
        f.initialize();
        f.commandCompleted();
        QCOMPARE(f.window->engine().achieved()[0], 1);
        QTest::mouseClick(f.button("BtnAbort"), Qt::LeftButton);
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.host.tutorialShown);
        QVERIFY(!f.host.tutorialWaiting);
        QCOMPARE(f.host.timerStops, 1);
        QVERIFY(!QFile::exists(f.dir.filePath("enma.tmp")));
        // Hiding keeps the state: shown again, the same step.
        f.window->showTutorial();
        QCOMPARE(f.window->engine().currentStep(), 2);
    }

    void closeSavesClearsTheFlagsAndReopensAfresh()
    {
        Fixture f;
        f.window->setSeriesLayout(QStringLiteral("2100 Tutor"), tutorTopics(true));
        QCOMPARE(f.window->windowTitle(), QString("2100 Tutor"));
        f.openFromPicture();
        f.window->engine().setCurrentStepForTest(2, true);
        f.initialize();
        f.commandCompleted();
        f.window->close();
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.host.tutorialShown);
        QVERIFY(!f.host.tutorialWaiting);
        QVERIFY(f.host.timerStops >= 1);
        TopicCounts expected{};
        expected[0] = 1;
        QCOMPARE(achievement_record::load(f.dir.filePath("enma.tmp")), expected);

        // A command after the close does not bring the tutorial back.
        f.initialize();
        f.commandCompleted();
        QVERIFY(!f.window->isVisible());

        f.openFromPicture();
        QCOMPARE(f.window->engine().currentStep(), 0);
        QVERIFY(f.shownText().startsWith("     Welcome back to the VX-5200 Tutorial !"));
        for (int t : {4, 6, 12})
            QVERIFY(!f.button(QString("IndexCommandButton_%1").arg(t))->isEnabled());
        QCOMPARE(f.progress()->maximum(), 25);
    }

    void failedSaveIsShownAndTheFlagsStillClear()
    {
        Fixture f;
        QFile blocker(f.dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.window->setRecordPath(blocker.fileName() + "/enma.tmp");
        f.openFromPicture();
        f.window->unloadTutorial();
        QCOMPARE(f.dialogs.shown.size(), 1);
        QVERIFY(f.dialogs.shown.first().startsWith("The tutorial's achievement record could not be saved."));
        QVERIFY(!f.host.tutorialShown);
        QVERIFY(!f.host.tutorialWaiting);
        QVERIFY(!f.window->isLoaded());
    }

    void minimisedMainWindowStopsTheEngine()
    {
        Fixture f;
        f.host.normal = false;
        f.openFromPicture();
        QVERIFY(f.shownText().isEmpty());
        f.host.normal = true;
        QTest::mouseClick(f.button("NextCommandButton"), Qt::LeftButton);
        QCOMPARE(f.shownText(), text(f.window->engine().buildText("s1.intro")));
    }

    // Frames as a window manager draws them: 1 px borders, a 20 px title; the main
    // window 1340 x 688 with its frame, the tutorial 529 x 421.
    void theTutorialStandsBesideTheMainWindowOrAtTheScreensRightEdge_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QPoint>("tutor");
        QTest::addColumn<QPoint>("mainWindow");
        const QRect full(0, 0, 1920, 1080);
        QTest::newRow("1920 x 1080, main window centred: it moves left")
            << full << QRect(290, 196, 1340, 688) << QPoint(1391, 196) << QPoint(51, 196);
        QTest::newRow("1920 x 1080, room on the left only")
            << full << QRect(580, 40, 1340, 688) << QPoint(51, 40) << QPoint(580, 40);
        QTest::newRow("1366 x 768: at the right edge, level with the main window")
            << QRect(0, 0, 1366, 768) << QRect(13, 40, 1340, 688) << QPoint(837, 40) << QPoint(13, 40);
        QTest::newRow("1366 x 768, main window low: the tutorial stays on the screen")
            << QRect(0, 0, 1366, 768) << QRect(13, 500, 1340, 688) << QPoint(837, 347) << QPoint(13, 500);
    }
    void theTutorialStandsBesideTheMainWindowOrAtTheScreensRightEdge()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, mainFrame);
        QFETCH(QPoint, tutor);
        QFETCH(QPoint, mainWindow);
        const TutorPlace place = tutorPlace(screen, mainFrame, QSize(529, 421));
        QCOMPARE(place.tutor, tutor);
        QCOMPARE(place.mainWindow, mainWindow);
    }

    // A secondary window of the main window, placed as it first opens and then left
    // where the user puts it, shown again while open or after being hidden.
    void theTutorialBelongsToTheMainWindowAndKeepsTheUsersPlace_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("a command while it is open") << "command";
        QTest::newRow("hidden by Abort, opened by the picture") << "BtnAbort";
    }
    void theTutorialBelongsToTheMainWindowAndKeepsTheUsersPlace()
    {
        QFETCH(QString, way);
        Fixture f;
        f.openFromPicture();
        QVERIFY(QTest::qWaitForWindowExposed(f.window));
        QCOMPARE(f.window->parentWidget(), &f.main);
        QCOMPARE(f.window->windowHandle()->transientParent(), f.main.windowHandle());
        // The desktop keeps only tool and dialog windows above the window they stand
        // over; a plain top-level one would go behind the main window at a click there.
        QVERIFY(f.window->windowType() == Qt::Tool || f.window->windowType() == Qt::Dialog);
        const QRect frame = f.window->frameGeometry();
        QCOMPARE(frame.right(), f.main.screen()->availableGeometry().right());
        QCOMPARE(frame.top(), f.main.frameGeometry().top());

        const QPoint moved = frame.topLeft() + QPoint(-40, 30);
        f.window->move(moved);
        if (way == "command") {
            f.host.tutorialWaiting = true;
            f.commandCompleted();
        } else {
            postClick(f.button(way));
            QTRY_VERIFY(!f.window->isVisible());
            f.openFromPicture();
        }
        QTRY_COMPARE(f.window->frameGeometry().topLeft(), moved);
    }
};

KVX_TEST_MAIN(TestTutorialWindow)
#include "tst_tutorial_window.moc"
