#include "shell/series_layout.h"
#include "support/test_main.h"
#include "tutorial/achievement_record.h"
#include "tutorial/fake_tutorial_host.h"
#include "tutorial/tutorial_engine.h"
#include "tutorial/tutorial_texts.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace kvx;
using kvx::test::FakeTutorialHost;

namespace {

// The topics the main window's series layout switches for the series.
void layOutForSeries(TutorialEngine &engine, bool older)
{
    for (const auto &[topic, on] : tutorTopics(older))
        engine.setTopicEnabled(topic, on);
}

using Command = std::function<SendResult(VX5200 &)>;

// A user who follows the lesson: enters each step with Next, reads the introduction,
// does what it asks in the main window (the real encoder's bytes become the sent
// text) and comes back to the tutorial after each command.
class Walker
{
public:
    Walker(FakeTutorialHost &host, TutorialEngine &engine) : h(host), e(engine) {}

    // Next, then the introduction of the step reached.
    bool enter(int step)
    {
        e.next();
        if (e.currentStep() != step)
            return false;
        e.run();
        return e.introShown() && e.text() == e.buildText(QStringLiteral("s%1.intro").arg(step));
    }
    // One command sent, then the tutorial comes back and shows `textId`.
    bool send(const Command &command, const char *textId)
    {
        h.send(command);
        return comeBack(textId);
    }
    bool write(const char *textId)
    {
        h.writeTextBox();
        return comeBack(textId);
    }
    bool comeBack(const char *textId)
    {
        e.run();
        if (e.text() == e.buildText(QString::fromLatin1(textId)))
            return true;
        qWarning("step %d: expected %s, got %s", e.currentStep(), textId, qPrintable(e.text()));
        return false;
    }

    FakeTutorialHost &h;
    TutorialEngine &e;
};

QByteArray pattern(int width, int rows)
{
    return QByteArray(width * rows, '\xaa');
}

int achievedTotal(const TopicCounts &c)
{
    int n = 0;
    for (int v : c)
        n += v;
    return n;
}

const QByteArray Header = QByteArray("V1.0 \xe7\x9b\xb4\xe3\x81\xab\xe8\xa7\xa6\xe3\x81\xa3\xe3\x81\xa1\xe3\x82\x83"
                                     "\xe3\x81\xa0\xe3\x82\x81\xe3\x80\x82");

} // namespace

class TestTutorialWalk : public QObject
{
    Q_OBJECT
private slots:
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
        FakeTutorialHost host;
        host.encoder.moduleName(model);
        const bool older = host.moduleSeri().startsWith("2100");
        TutorialEngine engine(&host);
        layOutForSeries(engine, older);
        engine.load(TopicCounts{});
        Walker w(host, engine);

        engine.run();
        QVERIFY(engine.text().startsWith("   Welcome to the VX-"));

        // Check Connection
        QVERIFY(w.enter(1));
        QVERIFY(w.comeBack("s1.done"));
        QVERIFY(w.enter(2));
        QVERIFY(w.send([](VX5200 &e) { return e.InitializeDisplay(); }, "s2.done"));
        // Display Character
        QVERIFY(w.enter(3));
        QCOMPARE(host.boxText("TextBox"), QString("Hello"));
        QVERIFY(w.write("s3.done"));
        QVERIFY(w.enter(4));
        QVERIFY(w.send([](VX5200 &e) { return e.CursorSet(1, 1); }, "s4.cursor"));
        QVERIFY(w.write("s4.written"));
        QVERIFY(w.enter(5));
        QVERIFY(w.send([](VX5200 &e) { return e.DisplayClear(); }, "s5.cleared"));
        QVERIFY(w.write("s5.done"));
        // Window Mode
        QVERIFY(w.enter(6));
        QVERIFY(w.write("s6.written"));
        QVERIFY(w.enter(7));
        QVERIFY(w.send([](VX5200 &e) { return e.WindowMode("Vertical scroll"); }, "s7.mode"));
        QVERIFY(w.write("s7.written"));
        QVERIFY(w.enter(8));
        QVERIFY(w.send([](VX5200 &e) { return e.WindowMode("Horizontal scroll"); }, "s8.mode"));
        QVERIFY(w.write("s8.written"));
        QVERIFY(w.enter(9));
        host.values["WindowScrollSlider"] = 4;
        QVERIFY(w.send([](VX5200 &e) { return e.HorizontalScrollSpeed(4); }, "s9.four"));
        QVERIFY(w.write("s9.written"));
        QVERIFY(w.send([](VX5200 &e) { return e.WindowMode("Over"); }, "s9.over"));
        QCOMPARE(engine.achieved()[2], 4); // 7, 8 and two in 9 fill the topic
        QVERIFY(w.enter(10));
        QVERIFY(w.send([](VX5200 &e) { return e.WriteScreenMode(1); }, "s10.all"));
        QVERIFY(w.write("s10.writtenAll"));
        host.checked << "BaseWindowWriteModeOption#0";
        QVERIFY(w.send([](VX5200 &e) { return e.WriteScreenMode(0); }, "s10.screen"));
        QVERIFY(w.write("s10.writtenScreen"));
        QCOMPARE(engine.achieved()[2], 4);
        // Font Magnification
        QVERIFY(w.enter(11));
        host.lists["MagunifiedList"] = "X2 Y2";
        QVERIFY(w.send([](VX5200 &e) { return e.FontMagnified(2, 2); }, "s11.size"));
        QVERIFY(w.write("s11.written"));
        host.lists["MagunifiedList"] = "X1 Y1";
        QVERIFY(w.send([](VX5200 &e) { return e.FontMagnified(1, 1); }, "s11.normal"));
        // Proportional Font (newer series only)
        if (!older) {
            QVERIFY(w.enter(12));
            host.lists["GapList"] = "Proportional 2";
            QVERIFY(w.send([](VX5200 &e) { return e.FontGapMode(3); }, "s12.two"));
            QVERIFY(w.write("s12.written"));
        }
        // International Font
        QVERIFY(w.enter(13));
        host.lists["InterNationalFontList"] = "France";
        QVERIFY(w.send([](VX5200 &e) { return e.InternationalFontSet(1); }, "s13.france"));
        QVERIFY(w.write("s13.written"));
        QVERIFY(w.enter(14));
        QCOMPARE(host.boxText("TextBox"), QString::fromUtf8("ｶﾀｶﾅ"));
        QVERIFY(w.send([](VX5200 &e) { return e.CharacterCodeTable(1); }, "s14.katakana"));
        QVERIFY(w.send([](VX5200 &e) { return e.CharacterDisplay(QByteArray("\xb6\xc0\xb6\xc5")); }, "s14.written"));
        // Font Modification (newer series only)
        if (!older) {
            QVERIFY(w.enter(15));
            host.boxes["FontCodeTextBox"] = "30";
            QVERIFY(w.send([](VX5200 &e) { return e.DownloadCharacterDefine(0x30, 0x30, QByteArray(5, '\x3e')); },
                           "s15.defined"));
            QVERIFY(w.send([](VX5200 &e) { return e.DownloadEnable(1); }, "s15.enabled"));
            QVERIFY(w.write("s15.written"));
        }
        // Writing Mode
        QVERIFY(w.enter(16));
        QVERIFY(w.send([](VX5200 &e) { return e.DrawMode(0); }, "s16.over"));
        QVERIFY(w.send([](VX5200 &e) { return e.DrawMode(1); }, "s16.or"));
        QVERIFY(w.send([](VX5200 &e) { return e.DrawMode(2); }, "s16.and"));
        QVERIFY(w.send([](VX5200 &e) { return e.DrawMode(3); }, "s16.exor"));
        QVERIFY(w.send([](VX5200 &e) { return e.DrawReverseMode(1); }, "s16.reverseOn"));
        QVERIFY(w.send([](VX5200 &e) { return e.DrawReverseMode(0); }, "s16.reverseOff"));
        QVERIFY(w.write("s16.written"));
        // Graphic Data
        QVERIFY(w.enter(17));
        host.boxes["BmpXSizeBox"] = "300";
        host.boxes["BmpYSizeBox"] = "4";
        QVERIFY(w.send([](VX5200 &e) { return e.CursorSet(0, 0); }, "s17.home"));
        QVERIFY(w.send([](VX5200 &e) { return e.BitImageDisplay(300, 4, pattern(300, 4)); }, "s17.done"));
        QVERIFY(w.enter(18));
        host.lists["File1"] = "logo.bmp";
        QVERIFY(w.send([](VX5200 &e) { return e.BitImageDisplay(128, 4, pattern(128, 4)); }, "s18.done"));
        // User Window
        QVERIFY(w.enter(19));
        QVERIFY(w.send([](VX5200 &e) { return e.UserWindowDefine(1, 0, 0, 64, 2); }, "s19.defined"));
        QVERIFY(w.send([](VX5200 &e) { return e.CurrentWindowSelect(1); }, "s19.selected"));
        QVERIFY(w.send([](VX5200 &e) { return e.UserWindowCancel(1); }, "s19.cancelled"));
        // Screen Actions
        QVERIFY(w.enter(20));
        QVERIFY(w.send([](VX5200 &e) { return e.WaitAction(4); }, "s20.done"));
        QVERIFY(w.send([](VX5200 &e) { return e.DisplayClear(); }, "s20.hint"));
        QVERIFY(w.enter(21));
        QVERIFY(w.send([](VX5200 &e) { return e.ScrollAction(1, 140, 2); }, "s21.done"));
        QVERIFY(w.enter(22));
        QVERIFY(w.send([](VX5200 &e) { return e.BlinkAction(1, 20, 20, 3); }, "s22.done"));
        // Brightness Control
        QVERIFY(w.enter(23));
        QVERIFY(w.send([](VX5200 &e) { return e.bright(4); }, "s23.done"));
        // Screen Saver (newer series only)
        if (!older) {
            QVERIFY(w.enter(24));
            QVERIFY(w.send([](VX5200 &e) { return e.ScreenSaver(3); }, "s24.allOn"));
            QVERIFY(w.send([](VX5200 &e) { return e.ScreenSaver(2); }, "s24.allOff"));
            QVERIFY(w.send([](VX5200 &e) { return e.ScreenSaver(4); }, "s24.alternate"));
            QVERIFY(w.send([](VX5200 &e) { return e.ScreenSaver(0); }, "s24.powerOff"));
            QVERIFY(w.send([](VX5200 &e) { return e.ScreenSaver(1); }, "s24.powerOn"));
        }

        QCOMPARE(achievedTotal(engine.achieved()), checkpoints);
        // The last credit shows at the next run: the graduation, whatever the step.
        engine.next();
        QCOMPARE(engine.currentStep(), 0);
        engine.run();
        QCOMPARE(engine.progress().maximum, checkpoints);
        QCOMPARE(engine.progress().value, checkpoints);
        QVERIFY(engine.text().startsWith("    Congratulations!\r\n\r\nYou now graduated from the VX-"
                                         + host.moduleSeri() + " Tutorial.\r\n"));
        QCOMPARE(engine.text(), engine.buildText("graduation"));

        QTemporaryDir dir;
        const QString path = dir.filePath("enma.tmp");
        QVERIFY(achievement_record::save(path, engine.achieved()).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), record);
    }

    // A feedback text that quotes the main window answers in its language at the
    // moment of the call.
    void languageFollowsTheMainWindowAtEachCall()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.setCurrentStepForTest(23, true);
        host.send([](VX5200 &e) { return e.bright(2); });
        engine.run();
        QCOMPARE(engine.text(),
                 QString("      Brightness Control\r\n\r\nNow, You can change the brightness of VX-5200."
                         "\r\n\r\nLet's go to the next stage.\r\n"));
        host.language = "Japanese";
        host.captions["Label1"] = QString::fromUtf8("輝度");
        host.send([](VX5200 &e) { return e.DisplayClear(); });
        engine.run();
        QCOMPARE(engine.text(),
                 QString::fromUtf8("      ◆輝度\r\n\r\n ん、[輝度]スライダが見つかりませんか？\r\n\r\n"));
    }
};

KVX_TEST_MAIN(TestTutorialWalk)
#include "tst_tutorial_walk.moc"
