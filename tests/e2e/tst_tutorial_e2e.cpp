#include "link/app_paths.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "tutorial/achievement_record.h"
#include "tutorial/fake_tutorial_host.h"
#include "tutorial/tutorial_engine.h"
#include "tutorial/ui/tutorial_window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

using namespace kvx;
using namespace kvx::test;

namespace {

const QByteArray Header = QByteArray("V1.0 \xe7\x9b\xb4\xe3\x81\xab\xe8\xa7\xa6\xe3\x81\xa3\xe3\x81\xa1\xe3\x82\x83"
                                     "\xe3\x81\xa0\xe3\x82\x81\xe3\x80\x82");

// A monochrome picture the bitmap file list offers, narrower than any module.
const QString PictureName = QStringLiteral("logo.bmp");

void writePicture(const QString &folder)
{
    QImage image(64, 16, QImage::Format_Mono);
    image.fill(0);
    for (int x = 0; x < 64; x += 2)
        image.setPixel(x, x % 16, 1);
    image.save(folder + QLatin1Char('/') + PictureName, "BMP");
}

// The main window with a pseudo-terminal module, the bitmap folder holding one picture.
struct Rig
{
    explicit Rig(bool keepFiles = false) : started(module.slavePath(), withPicture, keepFiles) {}
    static void withPicture(MainWindow &) { writePicture(programFolder()); }
    PtyModule module;
    StartedWindow started;
};

// A user at the real main window and the real tutorial window: every action is a click,
// a key or a choice in an open list, made after going to the window that holds the
// control, the way the tutorial tells the user to.
class User
{
public:
    explicit User(StartedWindow &s) : s(s), main(s.window) {}

    TutorialWindow *tutor() { return s.program.tutorWindow(); }
    TutorialEngine &engine() { return tutor()->engine(); }
    QString shown() { return tutor()->findChild<QPlainTextEdit *>(QStringLiteral("toviText"))->toPlainText(); }

    // The text of the table that the tutorial shows now, or a warning naming both.
    bool shows(const char *textId)
    {
        QString expected = engine().buildText(QString::fromLatin1(textId));
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (shown() == expected)
            return true;
        qWarning("step %d: expected %s, shown:\n%s", engine().currentStep(), textId, qPrintable(shown()));
        return false;
    }

    bool focused(QWidget *w)
    {
        return QTest::qWaitFor([w] { return QGuiApplication::focusWindow() == w->windowHandle(); });
    }
    bool goToMain()
    {
        main.activateWindow();
        return focused(&main);
    }
    bool backToTutor()
    {
        tutor()->activateWindow();
        return focused(tutor());
    }

    // The tutorial picture of the main window.
    void openTutorial() { QTest::mouseClick(s.child<QWidget>(QStringLiteral("toviImage")), Qt::LeftButton); }
    void tutorButton(const char *name)
    {
        QTest::mouseClick(tutor()->findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    // Next, and the introduction of the step reached.
    bool next(int step)
    {
        tutorButton("NextCommandButton");
        if (engine().currentStep() == step)
            return shows(qPrintable(QStringLiteral("s%1.intro").arg(step)));
        qWarning("Next reached step %d, not %d", engine().currentStep(), step);
        return false;
    }

    // Brings the control's tab pages to the front by clicking their tabs.
    void reveal(QWidget *w)
    {
        QList<QPair<QTabWidget *, int>> tabs;
        for (QWidget *child = w, *p = w->parentWidget(); p; child = p, p = p->parentWidget())
            if (auto *t = qobject_cast<QTabWidget *>(p); t && t->indexOf(child) >= 0)
                tabs.prepend({t, t->indexOf(child)});
        for (const auto &[t, index] : tabs)
            if (t->currentIndex() != index)
                QTest::mouseClick(t->tabBar(), Qt::LeftButton, {}, t->tabBar()->tabRect(index).center());
    }

    // The user goes to the main window and acts on it: the command goes out, and the
    // tutorial comes to the front by itself and answers with `textId`.
    template <typename Act> bool act(Act action, const char *textId)
    {
        if (!goToMain())
            return false;
        action();
        return focused(tutor()) && shows(textId);
    }

    void click(const QString &name)
    {
        QWidget *w = s.child<QWidget>(name);
        reveal(w);
        QPoint at = w->rect().center();
        // A check box or an option button takes the click on its indicator.
        auto *b = qobject_cast<QAbstractButton *>(w);
        if (b && (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w))) {
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = b->text();
            const auto element =
                qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator;
            at = b->style()->subElementRect(element, &o, b).center();
        }
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    // Replaces the text of a box by typing (select all, then the keys).
    void type(const QString &name, const QString &text)
    {
        QWidget *w = s.child<QWidget>(name);
        reveal(w);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, text);
    }
    void key(const QString &name, Qt::Key k)
    {
        QWidget *w = s.child<QWidget>(name);
        reveal(w);
        QTest::keyClick(w, k);
    }
    // Opens a list, moves to the entry and takes it with Enter.
    bool choose(const QString &name, const QString &entry)
    {
        auto *combo = s.child<QComboBox>(name);
        reveal(combo);
        const int index = combo->findText(entry);
        if (index < 0 || !combo->isEnabled()) {
            qWarning("%s: no entry %s to choose", qPrintable(name), qPrintable(entry));
            return false;
        }
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        view->setCurrentIndex(view->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
        QTest::keyClick(view, Qt::Key_Return);
        return combo->currentIndex() == index;
    }
    // Clicks an entry of a list view.
    void pick(const QString &name, const QString &entry)
    {
        auto *list = s.child<QListWidget>(name);
        reveal(list);
        const QList<QListWidgetItem *> items = list->findItems(entry, Qt::MatchExactly);
        if (items.isEmpty())
            return;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    }

    StartedWindow &s;
    MainWindow &main;
};

int achievedTotal(const TopicCounts &c)
{
    int n = 0;
    for (int v : c)
        n += v;
    return n;
}

} // namespace

class TestTutorialE2e : public QObject
{
    Q_OBJECT
private slots:
    // Opened from the picture, the tutorial judges the real Initialize button once;
    // closed, it keeps the progress for the next run of the program.
    void initializeIsJudgedOnceAndTheNextRunWelcomesBack()
    {
        {
            Rig rig;
            QVERIFY(rig.module.isOpen());
            User u(rig.started);
            u.openTutorial();
            QVERIFY(u.focused(u.tutor()));
            QVERIFY(rig.started.window.state().TutorialShown);
            QVERIFY(rig.started.window.state().TutorialWaiting);
            QVERIFY(u.shown().startsWith("   Welcome to the VX-5200 Tutorial !"));
            QVERIFY(u.next(1));
            QVERIFY(u.next(2));

            rig.module.readAvailable();
            rig.module.clearReceived();
            QVERIFY(u.act([&] { u.click("InitializeCommandButton"); }, "s2.done"));
            QVERIFY(rig.module.waitForBytes(2));
            QCOMPARE(rig.module.received(), QByteArray("\x1b\x40"));
            QVERIFY(u.shown().contains("O.K.  Initialization has been completed.\nClick Next for the next step."));
            // A second run would have shown the introduction again (the step advanced).
            QCoreApplication::processEvents();
            QVERIFY(u.shows("s2.done"));
            QCOMPARE(u.engine().achieved()[0], 1);

            u.tutor()->close();
            QVERIFY(!u.tutor()->isVisible());
            QVERIFY(!rig.started.window.state().TutorialShown);
            QVERIFY(!rig.started.window.state().TutorialWaiting);
            TopicCounts saved{};
            saved[0] = 1;
            QCOMPARE(achievement_record::load(achievement_record::defaultPath()), saved);
        }
        StartedWindow again(QStringLiteral("/dev/kvx-no-such-port"), {}, true);
        User u(again);
        u.openTutorial();
        QVERIFY(u.focused(u.tutor()));
        QVERIFY(u.shown().startsWith("     Welcome back to the VX-5200 Tutorial !\n\nLet's start where you left off"));
        QCOMPARE(u.engine().achieved()[0], 1);
    }

    // Every caption the steps quote, read from the real panels by object name, is the
    // English caption the steps were written against (the tutorial's own "Label1" and
    // "Label2" are not the main window's).
    void captionsTheTutorialQuotes()
    {
        StartedWindow s;
        s.program.tutorWindow(); // its own "Label1" and "Label2" must not be taken for the main window's
        const FakeTutorialHost parts;
        for (auto it = parts.captions.cbegin(); it != parts.captions.cend(); ++it) {
            const QStringList key = it.key().split(QLatin1Char('#'));
            const int index = key.size() > 1 ? key[1].toInt() : -1;
            QVERIFY2(s.window.caption(key[0], index) == it.value(), qPrintable(it.key()));
        }
    }

    void walkToGraduation_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("checkpoints");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("newer series, 33 checkpoints")
            << "VX140X32_52K" << 33
            << QByteArray(
                   Header
                   + "\r\n 2 \r\n 3 \r\n 4 \r\n 1 \r\n 1 \r\n 2 \r\n 2 \r\n 5 \r\n 2 \r\n 2 \r\n 3 \r\n 1 \r\n 5 \r\n");
        QTest::newRow("older series, 25 checkpoints")
            << "VX256X32_21K" << 25
            << QByteArray(
                   Header
                   + "\r\n 2 \r\n 3 \r\n 4 \r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n 5 \r\n 2 \r\n 2 \r\n 3 \r\n 1 \r\n 0 \r\n");
    }
    void walkToGraduation()
    {
        QFETCH(QString, model);
        QFETCH(int, checkpoints);
        QFETCH(QByteArray, record);
        Rig rig;
        QVERIFY(rig.module.isOpen());
        User u(rig.started);
        MainWindow &main = rig.started.window;
        if (main.currentModel() != model)
            QVERIFY(u.choose("HinmeiList", model));
        const bool older = main.moduleSeri().startsWith("2100");

        u.openTutorial();
        QVERIFY(u.focused(u.tutor()));
        QVERIFY(u.shows("welcome.first"));
        QCOMPARE(u.tutor()->windowTitle(), main.moduleSeri() + " Tutor");
        for (int topic : {4, 6, 12})
            QCOMPARE(
                u.tutor()->findChild<QPushButton *>(QStringLiteral("IndexCommandButton_%1").arg(topic))->isEnabled(),
                !older);

        // Check Connection: the user clicks [ON] as asked (nothing is sent); coming back to
        // the tutorial is the success.
        QVERIFY(u.next(1));
        QVERIFY(u.goToMain());
        u.click("cmdOnLine");
        QVERIFY(main.link().serialOpen());
        QVERIFY(rig.started.dialogs.shown.isEmpty());
        QVERIFY(u.shows("s1.intro"));
        QVERIFY(u.backToTutor());
        QVERIFY(u.shows("s1.done"));
        QVERIFY(u.next(2));
        QVERIFY(u.act([&] { u.click("InitializeCommandButton"); }, "s2.done"));

        // Display Character
        QVERIFY(u.next(3));
        QCOMPARE(main.boxText("TextBox"), QString("Hello"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s3.done"));
        QVERIFY(u.next(4));
        QVERIFY(u.act(
            [&] {
                u.type("CursorXBox", "1");
                u.type("CursorYBox", "1");
                u.click("cmdBtn1_0");
            },
            "s4.cursor"));
        QCOMPARE(u.engine().achieved()[1], 2); // one run per command: one credit
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s4.written"));
        QVERIFY(u.next(5));
        QVERIFY(u.act([&] { u.click("cmdBtn1_1"); }, "s5.cleared"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s5.done"));

        // Window Mode
        QVERIFY(u.next(6));
        QCOMPARE(main.boxText("TextBox"), QString("Hello5200"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s6.written"));
        QVERIFY(u.next(7));
        QVERIFY(u.act([&] { u.click("WindowModeCommandButton_1"); }, "s7.mode"));
        QCOMPARE(u.engine().achieved()[2], 1);
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s7.written"));
        QVERIFY(u.next(8));
        QVERIFY(u.act([&] { u.click("WindowModeCommandButton_2"); }, "s8.mode"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s8.written"));
        QVERIFY(u.next(9));
        QVERIFY(u.act([&] { u.key("WindowScrollSlider", Qt::Key_Right); }, "s9.speed"));
        QVERIFY(u.act([&] { u.key("WindowScrollSlider", Qt::Key_Right); }, "s9.speed"));
        QVERIFY(u.shown().contains("it's OK to set up the 3\n"));
        QVERIFY(u.act([&] { u.key("WindowScrollSlider", Qt::Key_Right); }, "s9.four"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s9.written"));
        QVERIFY(u.act([&] { u.click("WindowModeCommandButton_0"); }, "s9.over"));
        QCOMPARE(u.engine().achieved()[2], 4);
        QVERIFY(u.next(10));
        QVERIFY(u.act([&] { u.click("BaseWindowWriteModeOption_1"); }, "s10.all"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s10.writtenAll"));
        QVERIFY(u.act([&] { u.click("BaseWindowWriteModeOption_0"); }, "s10.screen"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s10.writtenScreen"));

        // Font Magnification
        QVERIFY(u.next(11));
        QVERIFY(u.act([&] { u.choose("MagunifiedList", "X2 Y2"); }, "s11.size"));
        QVERIFY(u.shown().contains("you enter X2 Y2 will be"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s11.written"));
        QVERIFY(u.act([&] { u.choose("MagunifiedList", "X1 Y1"); }, "s11.normal"));

        // Proportional Font (newer series only)
        if (!older) {
            QVERIFY(u.next(12));
            QVERIFY(u.act([&] { u.choose("GapList", "Proportional 2"); }, "s12.two"));
            QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s12.written"));
            QVERIFY(u.act([&] { u.click("cmdBtn1_9"); }, "s12.cr"));
            QVERIFY(u.act([&] { u.click("cmdBtn1_10"); }, "s12.lf"));
            QVERIFY(u.act([&] { u.choose("GapList", "Fixed width 2"); }, "s12.gap"));
        }

        // International Font
        QVERIFY(u.next(13));
        QCOMPARE(main.boxText("TextBox"), QString("]"));
        QVERIFY(u.act([&] { u.choose("InterNationalFontList", "France"); }, "s13.france"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s13.written"));
        QVERIFY(u.act([&] { u.choose("InterNationalFontList", "America"); }, "s13.other"));
        QVERIFY(u.next(14));
        QCOMPARE(main.boxText("TextBox"), QString::fromUtf8("ｶﾀｶﾅ"));
        QVERIFY(u.act([&] { u.choose("CharacterCodeList", "Katakana -Japanese"); }, "s14.katakana"));
        rig.module.readAvailable();
        rig.module.clearReceived();
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s14.written"));
        // One byte per character, the half-width katakana of the chosen code table.
        QVERIFY(rig.module.waitForBytes(4));
        QCOMPARE(rig.module.received(), QByteArray("\xb6\xc0\xb6\xc5"));

        // Font Modification (newer series only)
        if (!older) {
            QVERIFY(u.next(15));
            QVERIFY(u.goToMain());
            u.click("FontClearCommandButton");
            for (int dot : {1, 2, 3, 8, 12})
                u.click(QStringLiteral("FontCommandButton_%1").arg(dot));
            QVERIFY(u.act(
                [&] {
                    u.type("FontCodeTextBox", "30");
                    u.click("FontDefineCommandButton");
                },
                "s15.defined"));
            QVERIFY(u.act([&] { u.click("DownloadFontCheck"); }, "s15.enabled"));
            QVERIFY(u.act(
                [&] {
                    u.type("TextBox", "0");
                    u.click("cmdBtn1_11");
                },
                "s15.written"));
        }

        // Writing Mode
        QVERIFY(u.next(16));
        QVERIFY(u.act([&] { u.click("DrawModeOption_0"); }, "s16.over"));
        QCOMPARE(u.engine().achieved()[7], 1);
        QVERIFY(u.act([&] { u.click("DrawModeOption_1"); }, "s16.or"));
        QVERIFY(u.act([&] { u.click("DrawModeOption_2"); }, "s16.and"));
        QVERIFY(u.act([&] { u.click("DrawModeOption_3"); }, "s16.exor"));
        QVERIFY(u.act([&] { u.click("ReverseCommandButton"); }, "s16.reverseOn"));
        QVERIFY(u.act([&] { u.click("ReverseCommandButton"); }, "s16.reverseOff"));
        QVERIFY(u.act([&] { u.click("cmdBtn1_11"); }, "s16.written"));

        // Graphic Data
        QVERIFY(u.next(17));
        QVERIFY(u.act([&] { u.click("cmdBtn1_1"); }, "s17.cleared"));
        QVERIFY(u.act([&] { u.click("CmdHome"); }, "s17.home"));
        QVERIFY(u.act([&] { u.click("CmdTextChecker"); }, "s17.done"));
        // The size boxes show the module: its width and its height in bytes of 8 dots.
        QVERIFY(u.shown().contains(QStringLiteral("OK\n%1 X %2 a test pattern")
                                       .arg(main.encoder().moduleDotX())
                                       .arg(main.encoder().moduleDotY())));
        QVERIFY(u.next(18));
        QVERIFY(u.act(
            [&] {
                u.pick("File1", PictureName);
                u.click("BmpDrawButton");
            },
            "s18.done"));
        QVERIFY(u.shown().contains("you choose " + PictureName + " will be shown"));

        // User Window
        QVERIFY(u.next(19));
        QVERIFY(u.act([&] { u.click("UserWindowRegistCheck_0"); }, "s19.defined"));
        QVERIFY(u.shown().contains("User 1 will be enabled."));
        QVERIFY(u.act([&] { u.click("WindowSelectOption_1"); }, "s19.selected"));
        // Disabling the current window cancels it and makes the base window current:
        // two commands, the tutorial answers the last.
        QVERIFY(u.act([&] { u.click("UserWindowRegistCheck_0"); }, "s19.base"));

        // Screen Actions
        QVERIFY(u.next(20));
        QVERIFY(u.act([&] { u.click("WaitCommandButton"); }, "s20.done"));
        QCOMPARE(u.engine().achieved()[10], 1);
        QVERIFY(u.act([&] { u.click("cmdBtn1_1"); }, "s20.hint"));
        QVERIFY(u.next(21));
        QVERIFY(u.act([&] { u.click("ScrollCommandButton"); }, "s21.done"));
        QVERIFY(u.next(22));
        QVERIFY(u.act([&] { u.click("BlinkCommandButton"); }, "s22.done"));

        // Brightness Control
        QVERIFY(u.next(23));
        QVERIFY(u.act([&] { u.key("BrightSlider", Qt::Key_Left); }, "s23.done"));

        // Screen Saver (newer series only)
        if (!older) {
            QVERIFY(u.next(24));
            QVERIFY(u.act([&] { u.click("FullOnCommandButton"); }, "s24.allOn"));
            QCOMPARE(u.engine().achieved()[12], 1);
            QVERIFY(u.act([&] { u.click("FullOffCommandButton"); }, "s24.allOff"));
            QVERIFY(u.act([&] { u.click("Reverse4CommandButton"); }, "s24.alternate"));
            QVERIFY(u.act([&] { u.click("DispPowerCommandButton"); }, "s24.powerOff"));
            QVERIFY(u.act([&] { u.click("DispPowerCommandButton"); }, "s24.powerOn"));
        }

        QCOMPARE(achievedTotal(u.engine().achieved()), checkpoints);
        // The last credit shows at the next run: the graduation.
        u.tutorButton("NextCommandButton");
        QCOMPARE(u.engine().currentStep(), 0);
        QVERIFY(u.shows("graduation"));
        QVERIFY(u.shown().startsWith("    Congratulations!\n\nYou now graduated from the VX-" + main.moduleSeri()
                                     + " Tutorial.\n"));

        u.tutor()->close();
        QFile file(achievement_record::defaultPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), record);
    }
};

KVX_TEST_MAIN(TestTutorialE2e)
#include "tst_tutorial_e2e.moc"
