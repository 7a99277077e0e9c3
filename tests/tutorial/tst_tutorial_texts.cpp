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
