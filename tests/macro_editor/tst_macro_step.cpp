#include "macro_editor/macro_step.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

using namespace kvx;
using kvx::test::hexBytes;
using Answer = UserDialogs::Answer;

Q_DECLARE_METATYPE(QList<UserDialogs::Answer>)
Q_DECLARE_METATYPE(kvx::MacroSelection)

namespace {

const QString Block = QStringLiteral("*** Clear ***\r\n*** 0Ch ***\r\nPRT 1bh 40h;\r\n\r\n");

// Sends until `failFrom` commands went out; every later one fails.
class FailingSink : public ByteSink
{
public:
    SendResult portOut(const QByteArray &bytes) override
    {
        if (commands.size() >= failFrom)
            return SendResult::NotReady;
        commands.append(bytes);
        return SendResult::Sent;
    }
    QByteArray all() const
    {
        QByteArray a;
        for (const QByteArray &c : commands)
            a += c;
        return a;
    }
    QList<QByteArray> commands;
    qsizetype failFrom = 1 << 30;
};

} // namespace

class TestMacroStep : public QObject
{
    Q_OBJECT
private slots:
    void lineAtFindsTheCaretsLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<MacroSelection>("line");
        const QString t = QStringLiteral("ab\r\ncde\r\nf");
        QTest::newRow("start of text") << t << 0 << MacroSelection{0, 2};
        QTest::newRow("inside the first line") << t << 1 << MacroSelection{0, 2};
        QTest::newRow("at the first line's end") << t << 2 << MacroSelection{0, 2};
        QTest::newRow("just behind a line end") << t << 4 << MacroSelection{4, 7};
        QTest::newRow("inside the second line") << t << 6 << MacroSelection{4, 7};
        QTest::newRow("last line without line end") << t << 9 << MacroSelection{9, 10};
        QTest::newRow("empty line") << QStringLiteral("a\r\n\r\nb") << 3 << MacroSelection{3, 3};
    }
    void lineAtFindsTheCaretsLine()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(MacroSelection, line);
        QCOMPARE(MacroStep::lineAt(text, caret), line);
    }

    void stepSendsTheLineAndMovesOn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<MacroSelection>("caret");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<MacroSelection>("after");
        QTest::addColumn<QStringList>("messages");

        const QString cmd = QStringLiteral("PRT 1bh 40h;\r\nPRT 0ch;\r\n");
        QTest::newRow("command line, next line highlighted")
            << cmd << MacroSelection{0, 0} << true << QList<Answer>() << hexBytes("1b 40") << MacroSelection{14, 22}
            << QStringList();
        QTest::newRow("caret inside the first line steps the first line")
            << cmd << MacroSelection{5, 5} << true << QList<Answer>() << hexBytes("1b 40") << MacroSelection{14, 22}
            << QStringList();
        QTest::newRow("selection counts from its start") << cmd << MacroSelection{14, 22} << true << QList<Answer>()
                                                         << hexBytes("0c") << MacroSelection{24, 24} << QStringList();
        QTest::newRow("two blanks give a 00 byte")
            << QStringLiteral("PRT 1bh  40h;\r\n") << MacroSelection{0, 0} << true << QList<Answer>()
            << hexBytes("1b 00 40") << MacroSelection{15, 15} << QStringList();
        QTest::newRow("comment line is stepped over") << Block << MacroSelection{0, 0} << true << QList<Answer>()
                                                      << QByteArray() << MacroSelection{15, 26} << QStringList();
        QTest::newRow("bad word: nothing sent, line kept")
            << QStringLiteral("x\r\nPRT 1bh 100h 40h\r\nPRT 0ch;\r\n") << MacroSelection{3, 3} << true
            << QList<Answer>() << QByteArray() << MacroSelection{3, 19}
            << QStringList{QStringLiteral("Data error at Word:3\r\nPRT 1bh 100h 40h")};
        QTest::newRow("character 1252 lacks: nothing sent, line kept")
            << QStringLiteral("PRT 41h '\u03a9;\r\n") << MacroSelection{0, 0} << true << QList<Answer>() << QByteArray()
            << MacroSelection{0, 11} << QStringList{QStringLiteral("Data error at Word:3\r\nPRT 41h '\u03a9;")};
        QTest::newRow("characters as the player reads them")
            << QStringLiteral("PRT 'A '?;\r\n") << MacroSelection{0, 0} << true << QList<Answer>() << hexBytes("41 3f")
            << MacroSelection{12, 12} << QStringList();
        QTest::newRow("module not ready: nothing sent, nothing moves")
            << cmd << MacroSelection{0, 3} << false << QList<Answer>() << QByteArray() << MacroSelection{0, 3}
            << QStringList{QStringLiteral("Display is not conected or no power")};
        QTest::newRow("at the end, OK starts from the top")
            << cmd << MacroSelection{24, 24} << true << QList<Answer>{Answer::Ok} << hexBytes("1b 40")
            << MacroSelection{14, 22} << QStringList{QStringLiteral("Do you want to start form the top?")};
        QTest::newRow("at the end, Cancel ends the step")
            << cmd << MacroSelection{22, 24} << true << QList<Answer>{Answer::Cancel} << QByteArray()
            << MacroSelection{22, 24} << QStringList{QStringLiteral("Do you want to start form the top?")};
        QTest::newRow("last line without line end is sent")
            << QStringLiteral("PRT 1bh;\r\nPRT 0ch 0bh;") << MacroSelection{10, 10} << true << QList<Answer>()
            << hexBytes("0c 0b") << MacroSelection{22, 22} << QStringList();
        QTest::newRow("'PRT;' line sends nothing")
            << QStringLiteral("PRT;\r\nPRT 0ch;\r\n") << MacroSelection{0, 0} << true << QList<Answer>() << QByteArray()
            << MacroSelection{6, 14} << QStringList();
        QTest::newRow("empty text asks, then stays")
            << QString() << MacroSelection{0, 0} << true << QList<Answer>{Answer::Ok} << QByteArray()
            << MacroSelection{0, 0} << QStringList{QStringLiteral("Do you want to start form the top?")};
    }
    void stepSendsTheLineAndMovesOn()
    {
        QFETCH(QString, text);
        QFETCH(MacroSelection, caret);
        QFETCH(bool, ready);
        QFETCH(QList<Answer>, answers);
        QFETCH(QByteArray, sent);
        QFETCH(MacroSelection, after);
        QFETCH(QStringList, messages);

        test::RecordingSink sink;
        test::ScriptedDialogs dialogs;
        for (Answer a : answers)
            dialogs.answers.enqueue(a);
        VX5200 encoder(&sink);
        MacroStep step(encoder, dialogs, [ready] { return ready; });
        QCOMPARE(step.step(text, caret, false), after);
        QCOMPARE(sink.all().toHex(' '), sent.toHex(' '));
        // One byte per command.
        for (const QByteArray &c : sink.commands)
            QCOMPARE(c.size(), 1);
        QCOMPARE(dialogs.shown, messages);
    }

    void stepStopsAtTheFirstByteNotSent()
    {
        FailingSink sink;
        sink.failFrom = 1;
        test::ScriptedDialogs dialogs;
        VX5200 encoder(&sink);
        MacroStep step(encoder, dialogs, [] { return true; });
        const QString text = QStringLiteral("PRT 1bh 40h 0ch;\r\nPRT 0ch;\r\n");
        QCOMPARE(step.step(text, {0, 0}, false), (MacroSelection{0, 16}));
        QCOMPARE(sink.all(), hexBytes("1b"));
    }

    void stepWalksARecordedBlockToTheRestartQuestion()
    {
        test::RecordingSink sink;
        test::ScriptedDialogs dialogs;
        dialogs.answers.enqueue(Answer::Cancel);
        VX5200 encoder(&sink);
        MacroStep step(encoder, dialogs, [] { return true; });
        const QString text = Block + QStringLiteral("*** Home ***\r\n*** 0Bh ***\r\nPRT 0bh;\r\n\r\n");
        MacroSelection at{0, 0};
        for (int i = 0; i < 8; ++i)
            at = step.step(text, at, false);
        QCOMPARE(sink.all(), hexBytes("1b 40 0b"));
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("Do you want to start form the top?")});
    }
};

KVX_TEST_MAIN(TestMacroStep)
#include "tst_macro_step.moc"
