#include "shell/series_layout.h"
#include "support/test_main.h"
#include "tutorial/fake_tutorial_host.h"
#include "tutorial/tutorial_engine.h"
#include "tutorial/tutorial_texts.h"

#include <QSet>

#include <functional>

using namespace kvx;
using kvx::test::FakeTutorialHost;

using HostAction = std::function<void(FakeTutorialHost &)>;
Q_DECLARE_METATYPE(HostAction)
Q_DECLARE_METATYPE(kvx::StepCheck)

namespace {

// The topics the main window's series layout switches for the series.
void layOutForSeries(TutorialEngine &engine, bool older)
{
    for (const auto &[topic, on] : tutorTopics(older))
        engine.setTopicEnabled(topic, on);
}

TopicCounts fullCounts()
{
    TopicCounts c{};
    for (int t = 0; t < tutorial::TopicCount; ++t)
        c[t] = tutorial::topicCheckpoints(t);
    return c;
}

// The commands the steps ask for, sent through the real encoder.
void initialize(FakeTutorialHost &h)
{
    h.send([](VX5200 &e) { return e.InitializeDisplay(); });
}
void clearDisplay(FakeTutorialHost &h)
{
    h.send([](VX5200 &e) { return e.DisplayClear(); });
}
void cursorOneOne(FakeTutorialHost &h)
{
    h.send([](VX5200 &e) { return e.CursorSet(1, 1); });
}
void writeBox(FakeTutorialHost &h)
{
    h.writeTextBox();
}
void nothing(FakeTutorialHost &) {}

// One command through the real encoder.
HostAction sending(const std::function<SendResult(VX5200 &)> &command)
{
    return [command](FakeTutorialHost &h) { h.send(command); };
}
// Sets a box, then sends.
HostAction withBox(const QString &box, const QString &text, const HostAction &then)
{
    return [=](FakeTutorialHost &h) {
        h.boxes[box] = text;
        then(h);
    };
}
QByteArray pattern(int width, int rows)
{
    return QByteArray(width * rows, '\x55');
}

} // namespace

class TestTutorialEngine : public QObject
{
    Q_OBJECT
    QSet<QString> reachedRows;
private slots:
    void navigation_data()
    {
        QTest::addColumn<bool>("older");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("expected");
        QTest::newRow("next from the welcome") << false << 0 << "next" << 1;
        QTest::newRow("next past the last step shows the welcome") << false << 24 << "next" << 0;
        QTest::newRow("back from step 1 goes to the last step") << false << 1 << "back" << 24;
        QTest::newRow("back from the welcome goes to the last step") << false << 0 << "back" << 24;
        QTest::newRow("back within a topic") << false << 10 << "back" << 9;
        QTest::newRow("older: next skips proportional font") << true << 11 << "next" << 13;
        QTest::newRow("older: next skips font modification") << true << 14 << "next" << 16;
        QTest::newRow("older: next skips the screen saver to the welcome") << true << 23 << "next" << 0;
        QTest::newRow("older: back skips proportional font") << true << 13 << "back" << 11;
        QTest::newRow("older: back skips font modification") << true << 16 << "back" << 14;
        QTest::newRow("older: back from step 1 skips the screen saver") << true << 1 << "back" << 23;
        QTest::newRow("topic button leads to the topic's first step") << false << 3 << "topic 8" << 17;
        QTest::newRow("older: a disabled topic cannot be entered") << true << 3 << "topic 12" << 3;
    }
    void navigation()
    {
        QFETCH(bool, older);
        QFETCH(int, from);
        QFETCH(QString, action);
        QFETCH(int, expected);
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        layOutForSeries(engine, older);
        engine.setCurrentStepForTest(from, true);
        if (action == "next")
            engine.next();
        else if (action == "back")
            engine.back();
        else
            engine.goToTopic(action.mid(6).toInt());
        QCOMPARE(engine.currentStep(), expected);
        QCOMPARE(engine.introShown(), expected == from);
    }

    void backNeverShowsTheWelcome()
    {
        for (bool older : {false, true}) {
            FakeTutorialHost host;
            TutorialEngine engine(&host);
            layOutForSeries(engine, older);
            for (int i = 0; i < 60; ++i) {
                engine.back();
                QVERIFY(engine.currentStep() != 0);
                QVERIFY(engine.topicEnabled(tutorial::stepTopic(engine.currentStep())));
            }
        }
    }

    void navigationEndsWithEveryTopicDisabled()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        for (int t = 0; t < tutorial::TopicCount; ++t)
            engine.setTopicEnabled(t, false);
        engine.setCurrentStepForTest(5, true);
        engine.next();
        QCOMPARE(engine.currentStep(), 0);
        engine.setCurrentStepForTest(5, true);
        engine.back();
        QCOMPARE(engine.currentStep(), 5);
    }

    void progressCountsOnlyEnabledTopics()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        TopicCounts c{};
        c[0] = 2; // complete
        c[4] = 1; // complete, but missing on the older series
        c[12] = 3;
        engine.load(c);
        engine.setCurrentStepForTest(1, false); // topic 0
        engine.refreshProgress();
        QCOMPARE(engine.progress().maximum, 33);
        QCOMPARE(engine.progress().value, 6);
        QCOMPARE(engine.progress().title, QString("5200 Tutor"));
        QCOMPARE(engine.progress().topics[0], TutorialEngine::TopicState::Current);
        QCOMPARE(engine.progress().topics[4], TutorialEngine::TopicState::Complete);
        QCOMPARE(engine.progress().topics[1], TutorialEngine::TopicState::Open);

        layOutForSeries(engine, true);
        engine.setCurrentStepForTest(0, false); // the welcome colours no topic red
        engine.refreshProgress();
        QCOMPARE(engine.progress().maximum, 25);
        QCOMPARE(engine.progress().value, 2);
        QCOMPARE(engine.progress().topics[0], TutorialEngine::TopicState::Complete);
    }

    void welcomeFirstAndReturning()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.run();
        QVERIFY(engine.text().startsWith("   Welcome to the VX-5200 Tutorial !\r\n\r\n"));
        QCOMPARE(host.timerInterval, 5000);
        QVERIFY(!engine.introShown());

        TopicCounts c{};
        c[1] = 1;
        engine.load(c);
        engine.run();
        QVERIFY(engine.text().startsWith("     Welcome back to the VX-5200 Tutorial !\r\n\r\n"
                                         "Let's start where you left off last time last time."));
        QVERIFY(engine.text().contains("Remember, after each step, click the Next to move ahead."));
        QVERIFY(engine.text().contains("by clicking [Back] button."));
        QCOMPARE(engine.achieved()[1], 1); // the welcome never credits
    }

    void nothingHappensUnlessTheMainWindowIsNormal()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.setCurrentStepForTest(2, true);
        initialize(host);
        host.normal = false;
        engine.run();
        QVERIFY(engine.text().isEmpty());
        QCOMPARE(engine.achieved()[0], 0);
        QVERIFY(engine.introShown());
        host.normal = true;
        engine.run();
        QCOMPARE(engine.achieved()[0], 1);
    }

    // Each row enters a step, runs it once (the introduction), does something in the
    // main window with the real encoder and runs it again.
    void stepChecks_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<HostAction>("action");
        QTest::addColumn<QString>("textId"); // "" = the introduction stays
        QTest::addColumn<bool>("introShownAfter");
        QTest::addColumn<int>("credits");

        QTest::newRow("1: coming back is the success") << 1 << HostAction(nothing) << "s1.done" << false << 1;
        QTest::newRow("2: initialize") << 2 << HostAction(initialize) << "s2.done" << false << 1;
        QTest::newRow("2: anything else is a hint") << 2 << HostAction(clearDisplay) << "s2.hint" << true << 0;
        QTest::newRow("3: the preset text written") << 3 << HostAction(writeBox) << "s3.done" << false << 1;
        QTest::newRow("3: a shorter text written") << 3 << HostAction([](FakeTutorialHost &h) {
            h.boxes["TextBox"] = "abc";
            writeBox(h);
        }) << "s3.done" << false << 1;
        QTest::newRow("3: initialize changes nothing") << 3 << HostAction(initialize) << "" << true << 0;
        QTest::newRow("3: another command is a hint") << 3 << HostAction(clearDisplay) << "s3.hint" << true << 0;
        QTest::newRow("3: two-byte text is not plain text") << 3 << HostAction([](FakeTutorialHost &h) {
            h.boxes["TextBox"] = QString::fromUtf8("漢字");
            h.send([](VX5200 &e) { return e.CharacterDisplay(QByteArray("\x8a\xbf\x8e\x9a", 4)); });
        }) << "s3.hint" << true << 0;
        QTest::newRow("4: cursor set credits and stays") << 4 << HostAction(cursorOneOne) << "s4.cursor" << true << 1;
        QTest::newRow("4: text written ends the step") << 4 << HostAction(writeBox) << "s4.written" << false << 0;
        QTest::newRow("4: anything else is a hint") << 4 << HostAction(clearDisplay) << "s4.hint" << true << 0;
        QTest::newRow("5: text written") << 5 << HostAction(writeBox) << "s5.done" << false << 1;
        QTest::newRow("5: display clear is a remark") << 5 << HostAction(clearDisplay) << "s5.cleared" << true << 0;
        QTest::newRow("5: anything else changes nothing") << 5 << HostAction(initialize) << "" << true << 0;

        // Steps 6 to 24 never return to their introduction.
        const HostAction over = sending([](VX5200 &e) { return e.WindowMode("Over"); });
        QTest::newRow("6: text written, no credit") << 6 << HostAction(writeBox) << "s6.written" << true << 0;
        QTest::newRow("6: initialize changes nothing") << 6 << HostAction(initialize) << "" << true << 0;
        QTest::newRow("6: 9 bytes of anything pass as the text")
            << 6 << sending([](VX5200 &e) { return e.portOut(QByteArray(9, '\x01')); }) << "s6.written" << true << 0;
        QTest::newRow("6: another command is a hint") << 6 << HostAction(clearDisplay) << "s6.hint" << true << 0;
        QTest::newRow("7: vertical scroll credits")
            << 7 << sending([](VX5200 &e) { return e.WindowMode("Vertical scroll"); }) << "s7.mode" << true << 1;
        QTest::newRow("7: text written") << 7 << HostAction(writeBox) << "s7.written" << true << 0;
        QTest::newRow("7: anything else is a hint") << 7 << over << "s7.hint" << true << 0;
        QTest::newRow("8: horizontal scroll credits")
            << 8 << sending([](VX5200 &e) { return e.WindowMode("Horizontal scroll"); }) << "s8.mode" << true << 1;
        QTest::newRow("8: text written") << 8 << HostAction(writeBox) << "s8.written" << true << 0;
        QTest::newRow("8: anything else is a hint") << 8 << HostAction(initialize) << "s8.hint" << true << 0;
        QTest::newRow("9: speed 4 credits")
            << 9 << sending([](VX5200 &e) { return e.HorizontalScrollSpeed(4); }) << "s9.four" << true << 1;
        QTest::newRow("9: another speed credits")
            << 9 << sending([](VX5200 &e) { return e.HorizontalScrollSpeed(7); }) << "s9.speed" << true << 1;
        QTest::newRow("9: text written") << 9 << HostAction(writeBox) << "s9.written" << true << 0;
        QTest::newRow("9: back to over-write credits") << 9 << over << "s9.over" << true << 1;
        QTest::newRow("9: anything else is a hint") << 9 << HostAction(clearDisplay) << "s9.hint" << true << 0;
        QTest::newRow("10: all memory credits")
            << 10 << sending([](VX5200 &e) { return e.WriteScreenMode(1); }) << "s10.all" << true << 1;
        QTest::newRow("10: display screen, no credit")
            << 10 << sending([](VX5200 &e) { return e.WriteScreenMode(0); }) << "s10.screen" << true << 0;
        QTest::newRow("10: text written with display screen set") << 10 << HostAction([](FakeTutorialHost &h) {
            h.checked << "BaseWindowWriteModeOption#0";
            writeBox(h);
        }) << "s10.writtenScreen" << true << 0;
        QTest::newRow("10: text written with all memory set")
            << 10 << HostAction(writeBox) << "s10.writtenAll" << true << 0;
        QTest::newRow("10: anything else is a hint") << 10 << HostAction(clearDisplay) << "s10.hint" << true << 0;
        QTest::newRow("11: X1 Y1 credits")
            << 11 << sending([](VX5200 &e) { return e.FontMagnified(1, 1); }) << "s11.normal" << true << 1;
        QTest::newRow("11: another size credits")
            << 11 << sending([](VX5200 &e) { return e.FontMagnified(2, 1); }) << "s11.size" << true << 1;
        QTest::newRow("11: text written") << 11 << HostAction(writeBox) << "s11.written" << true << 0;
        QTest::newRow("11: anything else is a hint") << 11 << HostAction(initialize) << "s11.hint" << true << 0;

        QTest::newRow("12: proportional 2 credits")
            << 12 << sending([](VX5200 &e) { return e.FontGapMode(3); }) << "s12.two" << true << 1;
        QTest::newRow("12: another gap credits")
            << 12 << sending([](VX5200 &e) { return e.FontGapMode(1); }) << "s12.gap" << true << 1;
        QTest::newRow("12: carriage return")
            << 12 << sending([](VX5200 &e) { return e.CarriageReturn(); }) << "s12.cr" << true << 0;
        QTest::newRow("12: line feed") << 12 << sending([](VX5200 &e) { return e.LineFeed(); }) << "s12.lf" << true
                                       << 0;
        QTest::newRow("12: display clear") << 12 << HostAction(clearDisplay) << "s12.cleared" << true << 0;
        QTest::newRow("12: text written") << 12 << HostAction(writeBox) << "s12.written" << true << 0;
        QTest::newRow("12: anything else is a hint") << 12 << HostAction(initialize) << "s12.hint" << true << 0;
        QTest::newRow("13: France credits")
            << 13 << sending([](VX5200 &e) { return e.InternationalFontSet(1); }) << "s13.france" << true << 1;
        QTest::newRow("13: another country, no credit")
            << 13 << sending([](VX5200 &e) { return e.InternationalFontSet(8); }) << "s13.other" << true << 0;
        QTest::newRow("13: the preset ] written") << 13 << HostAction(writeBox) << "s13.written" << true << 0;
        QTest::newRow("13: any one-byte command passes as the preset ]")
            << 13 << HostAction(clearDisplay) << "s13.written" << true << 0;
        QTest::newRow("13: anything else is a hint") << 13 << HostAction(initialize) << "s13.hint" << true << 0;
        QTest::newRow("14: katakana table credits")
            << 14 << sending([](VX5200 &e) { return e.CharacterCodeTable(1); }) << "s14.katakana" << true << 1;
        QTest::newRow("14: another table, no credit")
            << 14 << sending([](VX5200 &e) { return e.CharacterCodeTable(0); }) << "s14.other" << true << 0;
        QTest::newRow("14: four half-width katakana are 16 characters")
            << 14 << sending([](VX5200 &e) { return e.CharacterDisplay(QByteArray("\xb6\xc0\xb6\xc5")); })
            << "s14.written" << true << 0;
        QTest::newRow("14: anything else is a hint") << 14 << HostAction(initialize) << "s14.hint" << true << 0;
        QTest::newRow("15: a definition credits")
            << 15 << sending([](VX5200 &e) { return e.DownloadCharacterDefine(0x30, 0x30, QByteArray(5, '\x7f')); })
            << "s15.defined" << true << 1;
        QTest::newRow("15: enabling credits")
            << 15 << sending([](VX5200 &e) { return e.DownloadEnable(1); }) << "s15.enabled" << true << 1;
        QTest::newRow("15: disabling, no credit")
            << 15 << sending([](VX5200 &e) { return e.DownloadEnable(0); }) << "s15.disabled" << true << 0;
        QTest::newRow("15: deleting, no credit")
            << 15 << sending([](VX5200 &e) { return e.DownloadCharacterDelete(0x30); }) << "s15.deleted" << true << 0;
        QTest::newRow("15: the preset written") << 15 << HostAction(writeBox) << "s15.written" << true << 0;
        QTest::newRow("15: anything else is a hint") << 15 << HostAction(clearDisplay) << "s15.hint" << true << 0;
        const char *drawIds[] = {"s16.over", "s16.or", "s16.and", "s16.exor"};
        for (int m = 0; m < 4; ++m)
            QTest::addRow("16: drawing mode %d credits", m)
                << 16 << sending([m](VX5200 &e) { return e.DrawMode(m); }) << drawIds[m] << true << 1;
        QTest::newRow("16: reverse on credits")
            << 16 << sending([](VX5200 &e) { return e.DrawReverseMode(1); }) << "s16.reverseOn" << true << 1;
        QTest::newRow("16: reverse off, no credit")
            << 16 << sending([](VX5200 &e) { return e.DrawReverseMode(0); }) << "s16.reverseOff" << true << 0;
        QTest::newRow("16: text written") << 16 << HostAction(writeBox) << "s16.written" << true << 0;
        QTest::newRow("16: anything else is a hint") << 16 << HostAction(clearDisplay) << "s16.hint" << true << 0;

        const HostAction pattern300 = sending([](VX5200 &e) { return e.BitImageDisplay(300, 4, pattern(300, 4)); });
        QTest::newRow("17: display clear") << 17 << HostAction(clearDisplay) << "s17.cleared" << true << 0;
        QTest::newRow("17: cursor home") << 17 << sending([](VX5200 &e) { return e.CursorSet(0, 0); }) << "s17.home"
                                         << true << 0;
        QTest::newRow("17: pattern of the box's width credits")
            << 17 << withBox("BmpXSizeBox", "300", pattern300) << "s17.done" << true << 1;
        QTest::newRow("17: 44 is the low byte of 300")
            << 17 << withBox("BmpXSizeBox", "44", pattern300) << "s17.done" << true << 1;
        QTest::newRow("17: 45 is not") << 17 << withBox("BmpXSizeBox", "45", pattern300) << "s17.hint" << true << 0;
        QTest::newRow("17: a huge size matches nothing")
            << 17 << withBox("BmpXSizeBox", "1e30", sending([](VX5200 &e) { return e.BitImageDisplay(0, 1, {}); }))
            << "s17.hint" << true << 0;
        QTest::newRow("17: more than 32 bits matches nothing")
            << 17 << withBox("BmpXSizeBox", "4294967340", pattern300) << "s17.hint" << true << 0;
        QTest::newRow("17: an empty box reads 0")
            << 17
            << withBox("BmpXSizeBox", "", sending([](VX5200 &e) { return e.BitImageDisplay(256, 1, pattern(256, 1)); }))
            << "s17.done" << true << 1;
        QTest::newRow("17: a prefix longer than the sent text fails")
            << 17
            << withBox("BmpXSizeBox", "0", sending([](VX5200 &e) { return e.portOut(QByteArray("\x1f\x28\x66", 3)); }))
            << "s17.hint" << true << 0;
        QTest::newRow("18: display clear") << 18 << HostAction(clearDisplay) << "s18.cleared" << true << 0;
        QTest::newRow("18: an image of another width credits")
            << 18
            << withBox("BmpXSizeBox", "300",
                       sending([](VX5200 &e) { return e.BitImageDisplay(140, 4, pattern(140, 4)); }))
            << "s18.done" << true << 1;
        QTest::newRow("18: an image of the box's width is the test pattern")
            << 18
            << withBox("BmpXSizeBox", "140",
                       sending([](VX5200 &e) { return e.BitImageDisplay(140, 4, pattern(140, 4)); }))
            << "s18.hint" << true << 0;
        QTest::newRow("19: display clear") << 19 << HostAction(clearDisplay) << "s19.cleared" << true << 0;
        QTest::newRow("19: defining a window credits")
            << 19 << sending([](VX5200 &e) { return e.UserWindowDefine(3, 0, 0, 64, 2); }) << "s19.defined" << true
            << 1;
        QTest::newRow("19: cancelling a window, no credit")
            << 19 << sending([](VX5200 &e) { return e.UserWindowCancel(3); }) << "s19.cancelled" << true << 0;
        QTest::newRow("19: selecting the base window credits")
            << 19 << sending([](VX5200 &e) { return e.CurrentWindowSelect(0); }) << "s19.base" << true << 1;
        QTest::newRow("19: selecting a user window credits")
            << 19 << sending([](VX5200 &e) { return e.CurrentWindowSelect(4); }) << "s19.selected" << true << 1;
        QTest::newRow("19: anything else is a hint") << 19 << HostAction(initialize) << "s19.hint" << true << 0;
        QTest::newRow("20: wait credits")
            << 20 << sending([](VX5200 &e) { return e.WaitAction(2); }) << "s20.done" << true << 1;
        QTest::newRow("20: anything else") << 20 << HostAction(clearDisplay) << "s20.hint" << true << 0;
        QTest::newRow("21: scroll credits")
            << 21 << sending([](VX5200 &e) { return e.ScrollAction(1, 140, 1); }) << "s21.done" << true << 1;
        QTest::newRow("21: anything else")
            << 21 << sending([](VX5200 &e) { return e.WaitAction(2); }) << "s21.hint" << true << 0;
        QTest::newRow("22: blink credits")
            << 22 << sending([](VX5200 &e) { return e.BlinkAction(1, 10, 10, 3); }) << "s22.done" << true << 1;
        QTest::newRow("22: anything else") << 22 << HostAction(clearDisplay) << "s22.hint" << true << 0;
        QTest::newRow("23: any brightness credits")
            << 23 << sending([](VX5200 &e) { return e.bright(3); }) << "s23.done" << true << 1;
        QTest::newRow("23: a lone 1f is a hint")
            << 23 << sending([](VX5200 &e) { return e.portOut(QByteArray(1, '\x1f')); }) << "s23.hint" << true << 0;
        const char *saverIds[] = {"s24.powerOff", "s24.powerOn", "s24.allOff", "s24.allOn", "s24.alternate"};
        for (int m = 0; m < 5; ++m)
            QTest::addRow("24: screen saver mode %d credits", m)
                << 24 << sending([m](VX5200 &e) { return e.ScreenSaver(m); }) << saverIds[m] << true << 1;
        QTest::newRow("24: anything else") << 24 << HostAction(clearDisplay) << "s24.hint" << true << 0;
    }
    void stepChecks()
    {
        QFETCH(int, step);
        QFETCH(HostAction, action);
        QFETCH(QString, textId);
        QFETCH(bool, introShownAfter);
        QFETCH(int, credits);
        FakeTutorialHost host;
        host.boxes["TextBox"] = "Hello";
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.goToTopic(tutorial::stepTopic(step));
        while (engine.currentStep() != step)
            engine.next();
        // The introduction comes first, whatever was sent before.
        action(host);
        engine.run();
        QVERIFY(engine.introShown());
        const QString intro = engine.text();
        QVERIFY(!intro.isEmpty());
        QCOMPARE(engine.achieved()[tutorial::stepTopic(step)], 0);

        action(host);
        engine.run();
        QCOMPARE(engine.text(), textId.isEmpty() ? intro : engine.buildText(textId));
        QCOMPARE(engine.introShown(), introShownAfter);
        QCOMPARE(engine.achieved()[tutorial::stepTopic(step)], credits);
        reachedRows.insert(textId);
    }

    // Runs after stepChecks: every feedback row of every step was reached by it.
    void everyFeedbackRowIsChecked()
    {
        if (reachedRows.isEmpty())
            QSKIP("runs after stepChecks");
        for (const StepDefinition &d : stepDefinitions())
            for (const StepRow &r : d.rows)
                QVERIFY2(reachedRows.contains(r.textId), qPrintable(r.textId));
    }

    void introductionsPresetTheMainWindow_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("preset");
        QTest::newRow("1") << 1 << 5000 << "";
        QTest::newRow("2") << 2 << 5000 << "";
        QTest::newRow("3") << 3 << 20000 << "TextBox=Hello";
        QTest::newRow("4") << 4 << 20000 << "";
        QTest::newRow("5") << 5 << 20000 << "";
        QTest::newRow("6") << 6 << 20000 << "TextBox=Hello5200";
        for (int step = 7; step <= 12; ++step)
            QTest::addRow("%d", step) << step << 5000 << "TextBox=Hello5200";
        QTest::newRow("13") << 13 << 5000 << "TextBox=]";
        QTest::newRow("14") << 14 << 5000 << QString::fromUtf8("TextBox=ｶﾀｶﾅ");
        QTest::newRow("15") << 15 << 10000 << "TextBox=VX5200";
        QTest::newRow("16") << 16 << 10000 << "TextBox=VX5200";
        for (int step = 17; step <= 19; ++step)
            QTest::addRow("%d", step) << step << 20000 << "";
        for (int step = 20; step <= 24; ++step)
            QTest::addRow("%d", step) << step << 10000 << "";
    }
    void introductionsPresetTheMainWindow()
    {
        QFETCH(int, step);
        QFETCH(int, interval);
        QFETCH(QString, preset);
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.setCurrentStepForTest(step, false);
        engine.run();
        QCOMPARE(host.timerInterval, interval);
        QCOMPARE(host.boxWrites.join(','), preset);
    }

    void stayingSuccessCreditsOnEveryRunUpToTheCap()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.setCurrentStepForTest(4, true);
        cursorOneOne(host);
        for (int expected : {1, 2, 3, 3, 3}) {
            engine.run();
            QCOMPARE(engine.achieved()[1], expected);
        }
        QVERIFY(engine.introShown());
        // Then a text written ends the step without a further credit.
        host.boxes["TextBox"] = "Hello";
        writeBox(host);
        engine.run();
        QCOMPARE(engine.text(), engine.buildText("s4.written"));
        QVERIFY(!engine.introShown());
        QCOMPARE(engine.achieved()[1], 3);
    }

    void creditShowsAtTheNextRun()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.setCurrentStepForTest(2, true);
        initialize(host);
        engine.run();
        QCOMPARE(engine.achieved()[0], 1);
        QCOMPARE(engine.progress().value, 0);
        engine.run(); // the introduction again
        QCOMPARE(engine.progress().value, 1);
        QCOMPARE(engine.text(), engine.buildText("s2.intro"));
    }

    void graduation()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        TopicCounts almost = fullCounts();
        almost[0] = 1;
        engine.load(almost);
        engine.setCurrentStepForTest(2, true);
        initialize(host);
        engine.run(); // the last checkpoint: its feedback still shows
        QCOMPARE(engine.text(), engine.buildText("s2.done"));
        for (int step : {2, 0, 7}) {
            engine.setCurrentStepForTest(step, false);
            engine.run();
            QVERIFY(
                engine.text().startsWith("    Congratulations!\r\n\r\nYou now graduated from the VX-5200 Tutorial."));
        }
        engine.resetAchievements();
        QCOMPARE(engine.progress().value, 0);
        engine.setCurrentStepForTest(3, false);
        engine.run();
        QCOMPARE(engine.text(), engine.buildText("s3.intro"));
    }

    void olderSeriesGraduatesWithoutItsMissingTopics()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        TopicCounts c = fullCounts();
        c[4] = c[6] = c[12] = 0;
        engine.load(c);
        layOutForSeries(engine, true);
        engine.run();
        QCOMPARE(engine.text(), engine.buildText("graduation"));
        layOutForSeries(engine, false);
        engine.run();
        QCOMPARE(engine.text(), engine.buildText("welcome.back"));
    }

    void loadClampsCountsAndKeepsEnablement()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        layOutForSeries(engine, true);
        engine.setCurrentStepForTest(9, true);
        TopicCounts c{};
        c[0] = 9;
        c[1] = -4;
        engine.load(c);
        QCOMPARE(engine.achieved()[0], 2);
        QCOMPARE(engine.achieved()[1], 0);
        QCOMPARE(engine.currentStep(), 0);
        QVERIFY(!engine.introShown());
        QVERIFY(!engine.topicEnabled(4));
    }

    void japaneseTexts()
    {
        FakeTutorialHost host;
        host.language = "Japanese";
        TutorialEngine engine(&host);
        engine.load(TopicCounts{});
        engine.run();
        QVERIFY(engine.text().startsWith(QString::fromUtf8("     \u3000★ようこそ、「VX-5200チュートリアル」へ！")));
        QVERIFY(engine.text().contains(QString::fromUtf8("[次へ]")));
        QVERIFY(engine.text().contains(QString::fromUtf8("[戻る]")));
        engine.setCurrentStepForTest(2, true);
        clearDisplay(host);
        engine.run();
        QCOMPARE(engine.text().section("\r\n", 2, 2),
                 QString::fromUtf8("[表示用電源制御他]の [Initialize] が見つかりませんか？"));
    }

    // Conditions the later steps are built from.
    void conditions_data()
    {
        QTest::addColumn<StepCheck>("check");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("expected");
        using C = StepCheck;
        const QString bitImage = "[1f][28][66][11][2c][01][04][00][01]";
        QTest::newRow("prefix holds") << C::sentBeginsWith("[1f][24]") << "[1f][24][01][00]"
                                      << "" << true;
        QTest::newRow("prefix longer than text fails") << C::sentBeginsWith("[1f][28][66][11]") << "[1f]"
                                                       << "" << false;
        QTest::newRow("slice in the middle") << C::sentSliceEquals(21, "[01]") << "[1f][28][77][02][01][01]"
                                             << "" << true;
        QTest::newRow("slice beyond the text") << C::sentSliceEquals(21, "[01]") << "[1f][28][77][02][01]"
                                               << "" << false;
        QTest::newRow("byte vs low byte of 300")
            << C::sentByteVsBox(5, 16, C::Compare::Equal, C::Operand::BoxLowByte, "X") << bitImage << "300" << true;
        QTest::newRow("byte vs low byte of 44")
            << C::sentByteVsBox(5, 16, C::Compare::Equal, C::Operand::BoxLowByte, "X") << bitImage << " 44" << true;
        QTest::newRow("byte vs low byte of 45")
            << C::sentByteVsBox(5, 16, C::Compare::Equal, C::Operand::BoxLowByte, "X") << bitImage << "45" << false;
        QTest::newRow("byte differs from 300 unrounded")
            << C::sentByteVsBox(5, 16, C::Compare::NotEqual, C::Operand::BoxNumber, "X") << bitImage << "300" << true;
        QTest::newRow("byte equals 44") << C::sentByteVsBox(5, 16, C::Compare::NotEqual, C::Operand::BoxNumber, "X")
                                        << bitImage << "44" << false;
        QTest::newRow("missing byte fails") << C::sentByte(5, 16, C::Compare::NotEqual, 0) << "[1f][28][66][11]"
                                            << "" << false;
        QTest::newRow("decimal read of 03") << C::sentByte(5, 10, C::Compare::Equal, 3) << "[1f][28][77][01][03]"
                                            << "" << true;
        QTest::newRow("decimal read of 1f stops at f") << C::sentByte(1, 10, C::Compare::Equal, 1) << "[1f]"
                                                       << "" << true;
        QTest::newRow("text sent: empty box, nothing sent") << C::textSent() << ""
                                                            << "" << true;
    }
    void conditions()
    {
        QFETCH(StepCheck, check);
        QFETCH(QString, sent);
        QFETCH(QString, box);
        QFETCH(bool, expected);
        FakeTutorialHost host;
        host.sent = sent;
        host.boxes["X"] = box;
        host.boxes["TextBox"] = box;
        TutorialEngine engine(&host);
        QCOMPARE(engine.holds(check), expected);
    }

    void optionCondition()
    {
        FakeTutorialHost host;
        TutorialEngine engine(&host);
        const StepCheck c = StepCheck::optionChecked("BaseWindowWriteModeOption", 0);
        QVERIFY(!engine.holds(c));
        host.checked << "BaseWindowWriteModeOption#0";
        QVERIFY(engine.holds(c));
    }
};

KVX_TEST_MAIN(TestTutorialEngine)
#include "tst_tutorial_engine.moc"
