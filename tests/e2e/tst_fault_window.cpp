#include "e2e/fault_rig.h"
#include "macro_editor/ui/edit_form.h"
#include "panels/ui/character_tools_ui.h"
#include "support/queued_input.h"
#include "support/recording_sink.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

using namespace kvx;
using namespace kvx::test;
using Answer = UserDialogs::Answer;

namespace {

bool stoppedCaption(StartedWindow &s)
{
    return s.child<QAbstractButton>(QStringLiteral("Command1"))->text() == QStringLiteral("Diplay Character Set");
}

// Starts a long send of the window the way the user does; `finished` tells when it
// is over (a send the user stops is stopped once `enough` bytes have come).
void start(const QString &name, WindowWithModule &m, const QTemporaryDir &dir)
{
    StartedWindow &s = m.started;
    if (name == "player") {
        s.window.state().MacroText = macroText(40);
        s.click(QStringLiteral("PlayCommandButton"));
    } else if (name == "macro upload") {
        s.click(QStringLiteral("EditCommandButton"));
        auto *editor = s.window.findChild<EditForm *>();
        editor->setEditorText(macroText(60));
        s.dialogs.answers << Answer::No << Answer::Cancel << Answer::Cancel;
        editor->findChild<QAction *>(QStringLiteral("Macro"))->trigger();
    } else if (name == "user font") {
        const QString path = dir.filePath(QStringLiteral("font.txt"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(userFontText().toLatin1()) < 0)
            qFatal("cannot write the font file");
        f.close();
        s.dialogs.chooseFile(path);
        s.click(QStringLiteral("CmdUDF"));
    } else if (name == "character set test") {
        s.click(QStringLiteral("Command1"));
    } else {
        qFatal("no operation %s", qPrintable(name));
    }
}

bool finished(const QString &name, WindowWithModule &m, qsizetype enough)
{
    StartedWindow &s = m.started;
    if (name == "player")
        return !s.window.player().running();
    if (name == "character set test") {
        m.module.readAvailable();
        if (!stoppedCaption(s) && m.module.received().size() >= enough)
            s.click(QStringLiteral("Command1"));
        return stoppedCaption(s);
    }
    return true; // the upload and the font load run to their end inside the click
}

WindowWithModule *freshWindow()
{
    auto *m = new WindowWithModule;
    MainWindow &w = m->started.window;
    m->started.child<QComboBox>(QStringLiteral("HinmeiList"))->setCurrentText(QStringLiteral("VX256x64_21K"));
    w.HinmeiList_Click();
    m->module.waitForBytes(1, 50);
    m->module.clearReceived();
    m->started.dialogs.shown.clear();
    return m;
}

} // namespace

class TestFaultWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { forgetProgramFiles(); }

    // The module vanishes in the middle of a long send started from the window: the
    // send stops at once with the link's message, the window shows off-line, no
    // progress window stays up, and after going on-line to a module that is there
    // the next command arrives.
    void windowGoesOnAfterTheModuleVanishesUnderALongSend_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"player", "macro upload", "user font", "character set test"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void windowGoesOnAfterTheModuleVanishesUnderALongSend()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        constexpr qsizetype Cut = 150;

        QByteArray reference;
        {
            std::unique_ptr<WindowWithModule> m(freshWindow());
            start(name, *m, dir);
            QTRY_VERIFY_WITH_TIMEOUT(finished(name, *m, 2 * Cut), 20000);
            QVERIFY(m->module.waitForBytes(2 * Cut));
            reference = m->module.received();
            QVERIFY2(m->started.dialogs.shown.filter(QStringLiteral("Error")).isEmpty(),
                     qPrintable(m->started.dialogs.shown.join(" | ")));
        }

        std::unique_ptr<WindowWithModule> m(freshWindow());
        StartedWindow &s = m->started;
        int attempts = 0;
        vanishBeforeByte(s.window.link(), m->module, Cut, &attempts);
        QElapsedTimer took;
        took.start();
        start(name, *m, dir);
        // Far below the 30 s ready wait, with room for a loaded machine.
        QTRY_VERIFY_WITH_TIMEOUT(finished(name, *m, 2 * Cut), 15000);
        QVERIFY(took.elapsed() < 15000);
        QCOMPARE(m->module.received().toHex(' '), reference.left(Cut).toHex(' '));
        QCOMPARE(attempts, Cut + 1);
        QCOMPARE(s.dialogs.shown.count(PortErrorMessage), 1);
        QVERIFY(!s.window.link().isSending());
        QVERIFY(!s.window.link().serialOpen());
        QVERIFY(!s.child<QLabel>(QStringLiteral("imgOnLine"))->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!QApplication::activeModalWidget());

        // Back on-line to a module that is there.
        PtyModule next;
        s.child<QComboBox>(QStringLiteral("CommPortList"))->setCurrentText(next.slavePath());
        s.click(QStringLiteral("cmdOnLine"));
        QVERIFY(s.child<QLabel>(QStringLiteral("imgOnLine"))->isVisible());
        s.window.state().MacroText = QStringLiteral("PRT 1bh 40h;");
        if (auto *editor = s.window.findChild<EditForm *>(); editor && editor->isVisible())
            editor->setEditorText(s.window.state().MacroText); // the player plays what the editor shows
        s.click(QStringLiteral("PlayCommandButton"));
        QTRY_VERIFY(!s.window.player().running());
        QVERIFY(next.waitForBytes(2));
        QCOMPARE(next.received(), hexBytes("1B 40"));
    }

    // The port's device vanishes while nothing is sent (a pseudo-terminal closed and
    // its name removed, as an adapter pulled out), whichever way the port was opened
    // and whatever sends by a timer meanwhile: the user is told once, the port is
    // closed, the window shows off-line and the timer's sender shows stopped; once the
    // device is back under its name, ON opens it again and nothing sends by itself.
    void vanishedPortIsToldOnceAndOpensAgainWhenBack_data()
    {
        QTest::addColumn<bool>("offAndOn");
        QTest::addColumn<QString>("sender");
        QTest::newRow("opened at start-up") << false << QString();
        QTest::newRow("opened by OFF and ON") << true << QString();
        QTest::newRow("character-set test running") << false << QStringLiteral("character set test");
        QTest::newRow("player paused") << false << QStringLiteral("paused player");
    }
    void vanishedPortIsToldOnceAndOpensAgainWhenBack()
    {
        QFETCH(bool, offAndOn);
        QFETCH(QString, sender);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("ttyV0"));
        PtyModule module;
        QVERIFY(QFile::link(module.slavePath(), name));
        StartedWindow s(name);
        auto *onLine = s.child<QLabel>(QStringLiteral("imgOnLine"));
        QVERIFY(onLine->isVisible());
        if (offAndOn) {
            postClick(s.child<QWidget>(QStringLiteral("cmdOffLine")));
            QTRY_VERIFY(!onLine->isVisible());
            postClick(s.child<QWidget>(QStringLiteral("cmdOnLine")));
            QTRY_VERIFY(onLine->isVisible());
        }
        QVERIFY(s.window.link().serialOpen());
        QTimer &testTimer = s.window.findChild<CharacterToolsUi *>()->testTimer();
        MacroPlayer &player = s.window.player();
        if (sender == "character set test") {
            // The slowest pace, and the device pulled just after a character: the next
            // one is far off, so the loss is heard while the test waits between them.
            auto *pace = s.child<QSlider>(QStringLiteral("WindowScrollSlider"));
            pace->setValue(pace->maximum());
            QVERIFY(module.waitForBytes(3));
            module.clearReceived();
            postClick(s.child<QWidget>(QStringLiteral("Command1")));
            QVERIFY(module.waitForBytes(1));
        } else if (sender == "paused player") {
            s.window.state().MacroText = macroText(5);
            postClick(s.child<QWidget>(QStringLiteral("PauseCommandButton")));
            postClick(s.child<QWidget>(QStringLiteral("PlayCommandButton")));
            QTRY_VERIFY(player.waiting());
        }

        module.closeMaster();
        QVERIFY(QFile::remove(name));
        QTRY_COMPARE(s.dialogs.shown, QStringList{PortErrorMessage});
        QVERIFY(!s.window.link().serialOpen());
        QVERIFY(!onLine->isVisible());
        QVERIFY(stoppedCaption(s) && !testTimer.isActive());
        QVERIFY(!player.running() && !player.playButtonActive());
        QTest::qWait(200);
        QCOMPARE(s.dialogs.shown.size(), 1);

        PtyModule back;
        QVERIFY(QFile::link(back.slavePath(), name));
        postClick(s.child<QWidget>(QStringLiteral("cmdOnLine")));
        QTRY_VERIFY(onLine->isVisible());
        QVERIFY(s.window.link().serialOpen());
        if (sender == "paused player")
            postClick(s.child<QWidget>(QStringLiteral("PauseCommandButton")));
        postClick(s.child<QWidget>(QStringLiteral("InitializeCommandButton")));
        QVERIFY(back.waitForBytes(2));
        QCOMPARE(back.received().left(2), hexBytes("1B 40"));
        QCOMPARE(s.dialogs.shown.size(), 1);
        QVERIFY(!testTimer.isActive() && !player.running());
    }
};

KVX_TEST_MAIN(TestFaultWindow)
#include "tst_fault_window.moc"
