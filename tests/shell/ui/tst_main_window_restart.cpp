#include "link/app_paths.h"
#include "shell/settings_files.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "tutorial/achievement_record.h"
#include "tutorial/ui/tutorial_window.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

using namespace kvx;
using namespace kvx::test;

class TestMainWindowRestart : public QObject
{
    Q_OBJECT
private slots:
    void aRestartBringsEverySettingBack()
    {
        QFile::remove(configPath());
        QFile::remove(textMemoPath());
        const QString bitmaps = programFolder() + "/bitmaps";
        {
            StartedWindow s;
            QDir().mkpath(bitmaps);
            QCOMPARE(s.window.encoder().moduleName(), QStringLiteral("VX140X32_52K"));
            s.child<QComboBox>("HinmeiList")->setCurrentText("VX256x64_21K");
            s.window.HinmeiList_Click();
            s.child<QCheckBox>("Chk_B")->setChecked(true);
            s.window.Chk_B_Click();
            s.child<QRadioButton>("OptSeries_3")->click();
            s.child<QComboBox>("CommPortList")->setCurrentText("ttyUSB7");
            s.child<QComboBox>("CommSettingsList")->setCurrentText("9600,n,8,1");
            s.window.setBitmapFolder(bitmaps);
            s.window.setHintColour(0x8080FF);
            s.window.state().UILanguage = "Japanese";
            s.window.state().MacroText = QStringLiteral("*** 日本語 ***\r\nPRT 0ch;\r\n");
            s.window.close();
            QVERIFY(s.dialogs.shown.isEmpty());
        }
        // The tutorial's record too, in a run that never opens the tutorial.
        const TopicCounts counts{2, 0, 0, 0, 0, 0, 0, 3};
        QVERIFY(achievement_record::save(achievement_record::defaultPath(), counts));
        StartedWindow again("/dev/kvx-no-such-port", {}, true);
        QCOMPARE(again.program.tutorWindow()->engine().achieved(), counts);
        QVERIFY(QFile::remove(achievement_record::defaultPath()));
        // The port restored from the file replaced the one the test put in.
        QCOMPARE(again.child<QComboBox>("CommPortList")->currentText(), QStringLiteral("ttyUSB7"));
        QCOMPARE(again.child<QComboBox>("CommSettingsList")->currentText(), QStringLiteral("9600,n,8,1"));
        QCOMPARE(again.window.encoder().moduleName(), QStringLiteral("VX256x64_21K"));
        QCOMPARE(again.window.encoder().moduleSeri(), QStringLiteral("2100B"));
        QVERIFY(again.child<QRadioButton>("OptSeries_3")->isChecked());
        QCOMPARE(again.window.seriesOption(), 3);
        QCOMPARE(again.window.bitmapFolder(), bitmaps);
        QCOMPARE(again.window.state().WorkFolder, bitmaps);
        QCOMPARE(again.window.hintColour(), qint32(0x8080FF));
        QCOMPARE(again.window.state().UILanguage, QStringLiteral("Japanese"));
        QCOMPARE(again.window.state().MacroText, QStringLiteral("*** 日本語 ***\r\nPRT 0ch;\r\n"));
        again.window.close();
        QCOMPARE(achievement_record::load(achievement_record::defaultPath()), counts);

        // A bitmap folder that has gone since keeps the default.
        QDir(bitmaps).removeRecursively();
        StartedWindow third("/dev/kvx-no-such-port", {}, true);
        QCOMPARE(third.window.bitmapFolder(), programFolder());
    }

    void recordedCommandsPlayBackTheSameBytes()
    {
        QFile::remove(configPath());
        QFile::remove(textMemoPath());
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.click("RecCommandButton");
        s.click("cmdBtn1_1");
        s.child<QLineEdit>("CursorXBox")->setText("300");
        s.click("cmdBtn1_0");
        s.click("cmdBtn1_6");
        s.click("StopCommandButton");
        QVERIFY(w.module.waitForBytes(8));
        const QByteArray sent = w.module.received();
        w.module.clearReceived();
        s.click("PlayCommandButton");
        QTRY_VERIFY(!s.window.player().running());
        QVERIFY(w.module.waitForBytes(sent.size()));
        QCOMPARE(w.module.received().toHex(' '), sent.toHex(' '));
        QVERIFY(s.dialogs.shown.isEmpty());
        QVERIFY(!s.window.player().playButtonActive());
        s.window.close();
    }

    // Played with Pause down, the first line goes and the player waits. Stopped while
    // paused, it plays the next line and stops; the window closed while paused sends
    // nothing more.
    void aPausedPlayStopsOrCloses_data()
    {
        QTest::addColumn<bool>("close");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("stop sends the next line") << false << QByteArray("01 02");
        QTest::newRow("closing sends nothing more") << true << QByteArray("01");
    }
    void aPausedPlayStopsOrCloses()
    {
        QFETCH(bool, close);
        QFETCH(QByteArray, sent);
        WindowWithModule w;
        StartedWindow &s = w.started;
        s.window.state().MacroText = QStringLiteral("PRT 01h;\r\nPRT 02h;\r\nPRT 03h;");
        s.click("PauseCommandButton");
        s.click("PlayCommandButton");
        QTest::qWait(50);
        if (close)
            s.window.close();
        else
            s.click("StopCommandButton");
        QTRY_VERIFY(!s.window.player().running());
        QTest::qWait(100);
        w.module.readAvailable();
        QCOMPARE(w.module.received().toHex(' '), sent);
        s.window.close();
    }
};

KVX_TEST_MAIN(TestMainWindowRestart)
#include "tst_main_window_restart.moc"
