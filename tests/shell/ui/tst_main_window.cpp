#include "shell/ui/main_window.h"
#include "shell/ui/shared_icon_style.h"
#include "shell/ui/splash_dialog.h"
#include "support/fake_link_parts.h"
#include "support/pty_module.h"
#include "support/scripted_dialogs.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommonStyle>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace kvx;
using namespace kvx::test;

namespace {

class FakeTutorial : public TutorialSeam
{
public:
    void showTutorial() override { ++shows; }
    void hideTutorial() override { ++hides; }
    void unloadTutorial() override { ++unloads; }
    void setSeriesLayout(const QString &, const QList<std::pair<int, bool>> &) override {}
    int shows = 0;
    int hides = 0;
    int unloads = 0;
};

class FakeEditor : public MacroEditorSeam
{
public:
    bool isEditorVisible() const override { return visible; }
    void insertAtCaret(const QString &t) override { text += t; }
    void showEditor() override { visible = true; }
    QString editorText() const override { return text; }
    void setEditorText(const QString &t) override { text = t; }
    QString receivedDataText() const override { return QString(); }
    void saveCommand() override { savedText = text; }
    void loadCommand() override {}
    bool visible = false;
    QString text;
    QString savedText;
};

struct Started
{
    explicit Started(const QString &port = QString()) : window(options())
    {
        if (!port.isEmpty())
            window.findChild<QComboBox *>("CommPortList")->setCurrentText(port);
        window.setTutorial(&tutorial);
        window.setMacroEditor(&editor);
        window.startUp();
    }
    MainWindow::Options options()
    {
        MainWindow::Options o;
        o.dialogs = &dialogs;
        o.showSplash = false;
        return o;
    }
    template <typename T> T *child(const char *name) { return window.findChild<T *>(QLatin1String(name)); }
    void click(const char *name) { child<QPushButton>(name)->click(); }

    ScriptedDialogs dialogs;
    FakeTutorial tutorial;
    FakeEditor editor;
    MainWindow window;
};

// Tells the palette each push button's face was painted under.
class FacePalettes : public QCommonStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelButtonCommand)
            last = option->palette.cacheKey();
        QCommonStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable qint64 last = 0;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void splashEndsOnAClickAndTheCaptionCarriesTheVersion()
    {
        ScriptedDialogs dialogs;
        MainWindow::Options o;
        o.dialogs = &dialogs;
        MainWindow w(o);
        QString version;
        QTimer::singleShot(0, &w, [&] {
            QVERIFY(w.splash());
            version = w.splash()->findChild<QLabel *>("Label1")->text();
            QTest::mouseClick(w.splash(), Qt::LeftButton);
        });
        w.startUp();
        QCOMPARE(w.windowTitle(), QStringLiteral("KVX35P V3.30.3 /5200 Mode"));
        QCOMPARE(version, QStringLiteral("3.30.3"));
        QVERIFY(!w.state().FormLoading);
        QVERIFY(w.isVisible());
    }

    void splashEndsByItsTimer()
    {
        ScriptedDialogs dialogs;
        MainWindow::Options o;
        o.dialogs = &dialogs;
        MainWindow w(o);
        bool timerRunning = false;
        QTimer::singleShot(0, &w, [&] {
            auto *splash = qobject_cast<SplashDialog *>(w.splash());
            timerRunning = splash->timer()->isActive() && splash->timer()->interval() == 3000;
            splash->Timer1_Timer();
        });
        w.startUp();
        QVERIFY(timerRunning);
        QVERIFY(w.splash() == nullptr);
    }

    void startsOnLineWithTheModuleOnAPseudoTerminal()
    {
        PtyModule module;
        Started s(module.slavePath());
        QVERIFY(s.dialogs.shown.isEmpty());
        QVERIFY(s.child<QLabel>("imgOnLine")->isVisible());
        QVERIFY(s.window.link().serialOpen());
        QCOMPARE(s.window.encoder().moduleName(), QStringLiteral("VX140X32_52K"));
        QVERIFY(s.window.state().WorkFolder.endsWith("Telmarin/KVX35P"));
    }

    void unopenablePortLeavesTheIndicatorHidden()
    {
        Started s("/dev/kvx-no-such-port");
        QCOMPARE(s.dialogs.shown, QStringList{"Port cannot be opened."});
        QVERIFY(!s.child<QLabel>("imgOnLine")->isVisible());
    }

    void onlyAChoiceFromThePortListReopensThePort_data()
    {
        QTest::addColumn<QString>("openError");
        QTest::newRow("port that cannot be opened") << "No such device";
        QTest::newRow("port that opens") << "";
    }
    void onlyAChoiceFromThePortListReopensThePort()
    {
        QFETCH(QString, openError);
        ScriptedDialogs dialogs;
        QStringList opened;
        MainWindow::Options o;
        o.dialogs = &dialogs;
        o.showSplash = false;
        o.portFactory = [&]() -> std::unique_ptr<SerialPortIo> {
            struct Port : FakeSerialPort
            {
                QStringList *log = nullptr;
                QString open(const QString &device, const QString &settings) override
                {
                    *log << device;
                    return FakeSerialPort::open(device, settings);
                }
            };
            auto p = std::make_unique<Port>();
            p->log = &opened;
            p->openError = openError;
            return p;
        };
        MainWindow w(o);
        auto *ports = w.findChild<QComboBox *>("CommPortList");
        ports->setCurrentText("7"); // as restored from the settings file
        w.startUp();
        const QStringList once = openError.isEmpty() ? QStringList() : QStringList{"Port cannot be opened."};
        QCOMPARE(opened, QStringList{"/dev/ttyS6"});
        QCOMPARE(dialogs.shown, once);

        // The text matches a list entry: leaving the box or Return is no choice.
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(ports, &out);
        QTest::keyClick(ports, Qt::Key_Return);
        w.findChild<QPushButton *>("cmdBtn1_1")->click();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(dialogs.shown, once);

        // Typing changes the text only; ON opens it once.
        ports->lineEdit()->selectAll();
        QTest::keyClicks(ports, "8");
        QApplication::sendEvent(ports, &out);
        QCOMPARE(opened.size(), 1);
        w.findChild<QPushButton *>("cmdOnLine")->click();
        QCOMPARE(opened, (QStringList{"/dev/ttyS6", "/dev/ttyS7"}));
        QCOMPARE(dialogs.shown, once + once);

        // A choice from the list is one.
        QTest::keyClick(ports, Qt::Key_Down);
        QCOMPARE(ports->currentText(), QStringLiteral("9"));
        QCOMPARE(opened.last(), QStringLiteral("/dev/ttyS8"));
        QCOMPARE(opened.size(), 3);
        QCOMPARE(dialogs.shown, once + once + once);
    }

    void basicCodeButtonsSendLogAndShowTheirBytes()
    {
        PtyModule module;
        Started s(module.slavePath());
        s.click("cmdBtn1_1");
        QVERIFY(module.waitForBytes(1));
        QCOMPARE(module.received(), QByteArray("\x0c"));
        QCOMPARE(s.child<QPlainTextEdit>("SendTextBox")->toPlainText(), QStringLiteral("[0c]"));
        QCOMPARE(s.child<QLineEdit>("sendCommandBox")->text(), QStringLiteral("DisplayClear"));
        QCOMPARE(s.child<QLineEdit>("sendHelpBox")->text(), QStringLiteral("-Op-"));

        module.clearReceived();
        s.child<QLineEdit>("CursorXBox")->setText("2.5");
        s.child<QLineEdit>("CursorYBox")->setText("3.5");
        s.click("cmdBtn1_0");
        QVERIFY(module.waitForBytes(6));
        QCOMPARE(module.received(), QByteArray("\x1f\x24\x02\x00\x04\x00", 6));
        QCOMPARE(s.child<QLineEdit>("sendCommandBox")->text(), QStringLiteral("CursorSet(2.5,3.5)"));

        module.clearReceived();
        // "Line CLR" and "Clr to end" are there for a revision-B module of the older series.
        s.child<QComboBox>("HinmeiList")->setCurrentText("VX256X32_21K");
        s.child<QCheckBox>("Chk_B")->click();
        const char *names[] = {"cmdBtn1_2", "cmdBtn1_3", "cmdBtn1_4",  "cmdBtn1_5",     "cmdBtn1_6", "cmdBtn1_7",
                               "cmdBtn1_8", "cmdBtn1_9", "cmdBtn1_10", "CmdCursorHome", "CmdHome"};
        for (const char *n : names)
            s.click(n);
        const QByteArray expected("\x1f\x43\x00\x1f\x43\x01\x18\x19\x0b\x09\x08\x0d\x0a"
                                  "\x1f\x24\x00\x00\x00\x00\x1f\x24\x00\x00\x00\x00",
                                  25);
        QVERIFY(module.waitForBytes(expected.size()));
        QCOMPARE(module.received(), expected);
        QCOMPARE(s.child<QLineEdit>("sendCommandBox")->text(), QStringLiteral("CursorSet(0,0)"));
    }

    void bytesTheModuleSendsBackAreShownOnceSeparated()
    {
        PtyModule module;
        Started s(module.slavePath());
        QSignalSpy touch(&s.window.host(), &PanelHost::touchTextAppended);
        QSignalSpy received(&s.window.host(), &PanelHost::receivedDataChanged);
        s.click("cmdBtn1_1");
        QVERIFY(module.waitForBytes(1));
        module.write(QByteArray("\x1b\x41", 2));
        QTRY_VERIFY(s.window.receiveMonitor()->receivedDataText().contains("-----"));
        QCOMPARE(s.child<QPlainTextEdit>("SendTextBox")->toPlainText(), QStringLiteral("[0c]1B 41  >"));
        QCOMPARE(s.window.receiveMonitor()->receivedDataText(), QStringLiteral("1Bh \r\n41h A\r\n-----\r\n"));
        QCOMPARE(touch.size(), 2);
        QVERIFY(!received.isEmpty());
        // The recorder and the tutorial read the link's copy, which holds no received text.
        QCOMPARE(s.window.link().lastText(), QStringLiteral("[0c]"));

        // An answer that comes while a command waits to go out stays in the box (its
        // separator may come too); the command's bytes follow it.
        auto *box = s.child<QPlainTextEdit>("SendTextBox");
        QMetaObject::Connection answer = connect(&s.window.link(), &Link::busyCountChanged, [&] {
            disconnect(answer);
            module.write(QByteArray("\x06"));
            QTRY_VERIFY(box->toPlainText().startsWith(QStringLiteral("06 ")));
        });
        s.click("cmdBtn1_1");
        const QString shown = box->toPlainText();
        QVERIFY2(shown.startsWith("06 ") && shown.endsWith("[0c]"), qPrintable(shown));
        QCOMPARE(s.window.link().lastText(), QStringLiteral("[0c]"));
    }

    void outOfRangeCursorIsRefusedWithAMessage()
    {
        Started s("/dev/kvx-no-such-port");
        s.dialogs.shown.clear();
        s.child<QLineEdit>("CursorXBox")->setText("40000");
        s.click("cmdBtn1_0");
        QCOMPARE(s.dialogs.shown, QStringList{"Value out of range."});
        QVERIFY(s.child<QPlainTextEdit>("SendTextBox")->toPlainText().isEmpty());
        QVERIFY(s.child<QLineEdit>("sendCommandBox")->text().isEmpty());
    }

    void recorderAppendsEachCommandToTheMacro()
    {
        Started s("/dev/kvx-no-such-port");
        s.click("RecCommandButton");
        s.click("cmdBtn1_6");
        s.click("PauseCommandButton");
        s.click("cmdBtn1_1");
        s.click("PauseCommandButton");
        s.click("cmdBtn1_9");
        s.click("StopCommandButton");
        s.click("cmdBtn1_1");
        QCOMPARE(s.window.state().MacroText,
                 QStringLiteral("*** HomePosition ***\r\n*** -Op- ***\r\nPRT 0bh;\r\n\r\n"
                                "*** CarriageReturn ***\r\n*** -Op- ***\r\nPRT 0dh;\r\n\r\n"));
    }

    // The recorder's buttons change colour at every play, and styles keep the pictures of
    // a face under its palette's identity: a face back in a colour it had is painted
    // under the palette of that colour, so it finds its pictures again.
    void aRecorderButtonBackInAColourIsPaintedUnderThePaletteItHadThen()
    {
        auto *faces = new FacePalettes;
        SharedIconStyle style(faces); // outlives the window that uses it
        Started s("/dev/kvx-no-such-port");
        auto *pause = s.child<QPushButton>("PauseCommandButton");
        QVERIFY(qobject_cast<SharedIconStyle *>(pause->style()));
        pause->setStyle(&style);
        QList<qint64> painted;
        for (int i = 0; i < 4; ++i) {
            pause->grab();
            painted << faces->last;
            s.click("PauseCommandButton");
        }
        // Plain, red, plain, red.
        QVERIFY(painted[0] != painted[1]);
        QCOMPARE(painted[2], painted[0]);
        QCOMPARE(painted[3], painted[1]);
    }

    void savingWhileTheEditorIsHiddenSavesTheRecording()
    {
        Started s("/dev/kvx-no-such-port");
        s.editor.text = "old";
        s.window.state().MacroText = "recorded";
        s.click("Command4");
        QCOMPARE(s.editor.savedText, QStringLiteral("recorded"));
    }

    void tutorialPictureOpensAndClosesTheTutorial()
    {
        Started s("/dev/kvx-no-such-port");
        s.window.toviImage_Click();
        QCOMPARE(s.tutorial.shows, 1);
        QVERIFY(s.window.state().TutorialShown && s.window.state().TutorialWaiting);
        // A command sent while the tutorial waits brings it back and stops the timer.
        s.window.toviTimer().start();
        s.click("cmdBtn1_1");
        QCOMPARE(s.tutorial.shows, 2);
        QVERIFY(!s.window.toviTimer().isActive());
        s.window.toviImage_Click();
        QCOMPARE(s.tutorial.hides, 1);
        QVERIFY(!s.window.state().TutorialShown && !s.window.state().TutorialWaiting);
        s.click("cmdBtn1_1");
        QCOMPARE(s.tutorial.shows, 2);
        // A timer tick after the tutorial was closed shows nothing.
        s.window.toviTimer_Timer();
        QCOMPARE(s.tutorial.shows, 2);
    }

    void shutDownKeepsTheEditedMacroAndUnloadsTheTutorial()
    {
        Started s("/dev/kvx-no-such-port");
        s.editor.visible = true;
        s.editor.text = "edited";
        s.window.close();
        QCOMPARE(s.window.state().MacroText, QStringLiteral("edited"));
        QCOMPARE(s.tutorial.unloads, 1);
    }
};

KVX_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
