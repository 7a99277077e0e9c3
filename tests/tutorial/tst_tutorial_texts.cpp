#include "support/test_main.h"
#include "tutorial/fake_tutorial_host.h"
#include "tutorial/tutorial_engine.h"
#include "tutorial/tutorial_texts.h"

#include <QRegularExpression>
#include <QSet>

using namespace kvx;
using kvx::test::FakeTutorialHost;

class TestTutorialTexts : public QObject
{
    Q_OBJECT
private slots:
    void everyTextInBothLanguagesWithKnownPlaceholders()
    {
        const QRegularExpression token("\\{([^{}]*)\\}");
        QSet<QString> ids;
        for (const TutorialText &t : tutorialTexts()) {
            const QString id = QString::fromLatin1(t.id);
            QVERIFY2(!ids.contains(id), qPrintable("duplicate " + id));
            ids.insert(id);
            for (const char *raw : {t.english, t.japanese}) {
                const QString text = QString::fromUtf8(raw);
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(id));
                QVERIFY2(!text.contains('\r'), qPrintable(id));
                // A title, then an empty line.
                QVERIFY2(text.section('\n', 1, 1).isEmpty(), qPrintable(id));
                for (auto it = token.globalMatch(text); it.hasNext();) {
                    const QString name = it.next().captured(1);
                    QVERIFY2(TutorialEngine::knownPlaceholder(name), qPrintable(id + ": " + name));
                }
                QCOMPARE(text.count('{'), text.count('}'));
            }
            // Japanese titles: six blanks and a diamond, or the welcome's star.
            const QString jaTitle = QString::fromUtf8(t.japanese).section('\n', 0, 0);
            QVERIFY2(jaTitle.startsWith(QString::fromUtf8("      ◆")) || jaTitle.contains(QString::fromUtf8("★")),
                     qPrintable(id));
        }
    }

    void everyStepTextExists()
    {
        for (const StepDefinition &d : stepDefinitions()) {
            QVERIFY2(findTutorialText(d.introId), qPrintable(d.introId));
            for (const StepRow &r : d.rows)
                QVERIFY2(findTutorialText(r.textId), qPrintable(r.textId));
        }
        QVERIFY(findTutorialText("welcome.first") && findTutorialText("welcome.back")
                && findTutorialText("graduation"));
        // Every step but the welcome has its definition, and no text is left unused.
        for (int step = 1; step < tutorial::StepCount; ++step)
            QVERIFY2(stepDefinition(step), qPrintable(QString::number(step)));
        QCOMPARE(tutorialTexts().size(), 115);
    }

    void builtTextsAreFilledAndUseCrLf()
    {
        for (const QString language : {"English", "Japanese"}) {
            FakeTutorialHost host;
            host.language = language;
            host.boxes["TextBox"] = "Hello";
            TutorialEngine engine(&host);
            for (const TutorialText &t : tutorialTexts()) {
                const QString text = engine.buildText(QString::fromLatin1(t.id));
                QVERIFY2(!text.contains('{') && !text.contains('<'), qPrintable(text));
                QCOMPARE(text.count('\n'), text.count("\r\n"));
            }
        }
    }

    void exactEnglishFeedback()
    {
        FakeTutorialHost host;
        host.boxes["TextBox"] = "Hello";
        TutorialEngine engine(&host);
        QCOMPARE(engine.buildText("s3.done"),
                 QString("     Entering Text and Numeric Characters\r\n\r\nO.K. \r\n"
                         "Now you should see Hello indicated in the upper-left part of the Main Form.\r\n\r\n"
                         "Click Next to go to the next step."));
        QCOMPARE(engine.buildText("s4.cursor"),
                 QString("    Setting the Cursor Position\r\n\r\nNow,\r\n"
                         "the Cursor should be positioned at 1 dot from the left end & 1 dot from the top end.\r\n"
                         "Click [Write] button to send the Character data to the display."));
        QCOMPARE(engine.buildText("s5.cleared"),
                 QString("     Setting Cursor Position - Step 2\r\n\r\n"
                         "Remember - You can clear the display anytime by using the [[Clear]] button.\r\n"
                         "Let's try [Write] on clear screen."));
    }

    // Values read from the main window go into the texts as the user sees them.
    void exactTextsWithValues_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("expected");
        QTest::newRow("6: the introduction ends with a line break")
            << "English"
            << "s6.intro"
            << ""
            << "    Window mode....over write\r\n\r\nIf you write a character to the edge of the display,\r\n"
               "Can you guess what happens?\r\n\r\nTo find out, type Hello5200 in the Text Message Entry box and "
               "then\r\n"
               "click the [Write] button as many times as needed to fill the screen with characters.\r\n";
        QTest::newRow("9: the slider's value")
            << "English"
            << "s9.speed"
            << "[1f][73][07]"
            << "     Window mode...Horizontal Scroll\r\n\r\nBy the way, it's OK to set up the 7\r\n\r\n"
               "Anyway, you know how to change the scrolling speed.\r\n\r\nTo practice, type Hello 5200 then, \r\n"
               "click the [Write] button.";
        QTest::newRow("10: option caption")
            << "Japanese"
            << "s10.all"
            << ""
            << QString::fromUtf8(
                   "      ◆ベースウィンドウモード\r\n\r\n そうですね、All Memory オプションが選ばれました。\r\n"
                   "これで、文字は画面の端を越えて続けて書かれます。\r\n\r\n"
                   "文字入力ボックスに Hello5200 と書いて、[Write] ボタンをクリックしてみてください。");
        QTest::newRow("17: width as typed, height times 8")
            << "English"
            << "s17.done"
            << ""
            << "     Bit Map Image\r\n\r\nOK\r\n 300 X 32 a test pattern will be shown to the right of the cursor "
               "position you selected.\r\n\r\nNote the when you display a BMP file, the cursor position does not "
               "change.\r\n\r\nClick Next to proceed.";
        QTest::newRow("17: Japanese")
            << "Japanese"
            << "s17.done"
            << ""
            << QString::fromUtf8(
                   "      ◆BMP表示\r\n\r\n そうですね、\r\n横 300dot×縦32dotのテストパターン画像がカーソルの位置から"
                   "右下に書かれました。\r\n\r\nBMPを描いた時には、文字と違って、カーソル位置は移動しません。\r\n\r\n\r"
                   "\n"
                   " では、次へ ボタンで次に進みましょう。");
        QTest::newRow("18: the selected file")
            << "English"
            << "s18.done"
            << ""
            << "     Bit Map Image\r\n\r\nOK the file you choose logo.bmp will be shown to the right and bottom "
               "from cursor position. \r\n\r\nClick Next to proceed.";
        QTest::newRow("19: window number read in decimal")
            << "English"
            << "s19.defined"
            << "[1f][28][77][02][03][01][00][00][00][00][40][00][02][00]"
            << "      User Windows \r\n\r\nThat's right.\r\nUser 3 will be enabled.\r\n\r\n"
               "But the function of User 3 is still incomplete.\r\nYou must choose User 3 from User Window Selection "
               "located on the upper left corner (Salmon colored area) of the main dialog box.\r\n";
        QTest::newRow("24: the closing lines")
            << "English"
            << "s24.allOn"
            << ""
            << "       Screen Saver\r\n\r\nPretty Bright ? this is All Dots on!\r\n\r\nTry the other commands.\r\n\r\n"
               "After you check the all the functions, click the Next button and proceed.\r\n";
        QTest::newRow("24: Japanese closing lines")
            << "Japanese"
            << "s24.allOff"
            << ""
            << QString::fromUtf8("      ◆スクリーンセーバー\r\n\r\n はいまっくら、全消灯になりました。\r\n\r\n "
                                 "他のボタンも確かめてみてね。"
                                 "\r\n\r\n\r\n 全部確かめたら、次へ ボタンで次に進みましょう。\r\n");
    }
    void exactTextsWithValues()
    {
        QFETCH(QString, language);
        QFETCH(QString, id);
        QFETCH(QString, sent);
        QFETCH(QString, expected);
        FakeTutorialHost host;
        host.language = language;
        host.sent = sent;
        host.values["WindowScrollSlider"] = 7;
        host.boxes["BmpXSizeBox"] = " 300";
        host.boxes["BmpYSizeBox"] = "4";
        host.lists["File1"] = "logo.bmp";
        TutorialEngine engine(&host);
        QCOMPARE(engine.buildText(id), expected);
    }

    void ownCaptions()
    {
        QCOMPARE(tutorialCaption("IndexCommandButton", false, 12), QString("Screen Saver"));
        QCOMPARE(tutorialCaption("IndexCommandButton", true, 0), QString::fromUtf8("接続確認"));
        QCOMPARE(tutorialCaption("IndexCommandButton", false, 13), QString());
        QCOMPARE(tutorialCaption("Label1", false), QString("Achievement\r\nLevel"));
        QCOMPARE(tutorialCaption("NextCommandButton", true), QString::fromUtf8("次へ"));
    }
};

KVX_TEST_MAIN(TestTutorialTexts)
#include "tst_tutorial_texts.moc"
