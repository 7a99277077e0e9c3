#include "macro_editor/macro_upload.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

using namespace kvx;
using kvx::test::hexBytes;
using Answer = UserDialogs::Answer;
using Outcome = MacroUpload::Outcome;

Q_DECLARE_METATYPE(QList<UserDialogs::Answer>)
Q_DECLARE_METATYPE(MacroUpload::Outcome)

namespace {

// Fails the command with the given index (counted from 0) and every one after it.
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
    QList<QByteArray> commands;
    qsizetype failFrom = 1 << 30;
};

class RecordingProgress : public UploadProgress
{
public:
    void showProgress(const QString &caption, const QString &label) override
    {
        events << caption + QLatin1Char('/') + label;
    }
    void hideProgress() override { events << QStringLiteral("hide"); }
    QStringList events;
};

// n bytes 00, 01, ... written as the recorder writes them.
QByteArray macroBytes(int n)
{
    QByteArray b(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        b[i] = char(i * 7);
    return b;
}
QString macroText(const QByteArray &bytes)
{
    QString t = QStringLiteral("*** Cmd ***\r\n*** -Op- ***\r\nPRT");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        t += QStringLiteral(" %1h").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0'));
        if (i % 16 == 15)
            t += QStringLiteral(";\r\nPRT");
    }
    return t + QStringLiteral(";\r\n\r\n");
}

QByteArray le16(qsizetype n)
{
    QByteArray b;
    b.append(char(n & 0xFF)).append(char(n >> 8));
    return b;
}
QByteArray ramDefine(const QByteArray &d)
{
    return hexBytes("1F 3A") + le16(d.size()) + d;
}
QByteArray flashDefine(const QByteArray &d)
{
    return hexBytes("1F 28 65 12 01") + le16(d.size()) + hexBytes("00 14") + d;
}
const QByteArray UserIn = hexBytes("1F 28 65 01 49 4E");
const QByteArray UserOut = hexBytes("1F 28 65 02 4F 55 54");
const QByteArray AutoOn = hexBytes("1F 28 65 03 13 01");
const QByteArray AutoOff = hexBytes("1F 28 65 03 13 00");
const QByteArray RunRam = hexBytes("1F 5E 00 00 14");
const QByteArray RunFlash = hexBytes("1F 5E 01 00 14");

const QString TooLarge = QStringLiteral("MACRO is larger than memory capacity.");

} // namespace

class TestMacroUpload : public QObject
{
    Q_OBJECT
private slots:
    void answerPaths_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("revB");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QList<QByteArray>>("commands");
        QTest::addColumn<int>("questions");
        const QByteArray d = macroBytes(2);
        using L = QList<Answer>;
        using C = QList<QByteArray>;
        QTest::newRow("RAM, run") << 2 << false << L{Answer::Yes, Answer::Ok} << C{ramDefine(d), RunRam} << 2;
        QTest::newRow("RAM, no run") << 2 << false << L{Answer::Yes, Answer::Cancel} << C{ramDefine(d)} << 2;
        QTest::newRow("flash, auto start on") << 2 << false << L{Answer::No, Answer::Yes}
                                              << C{UserIn, flashDefine(d), UserOut, UserIn, AutoOn, UserOut} << 2;
        QTest::newRow("flash, auto start off, run")
            << 2 << false << L{Answer::No, Answer::No, Answer::Ok}
            << C{UserIn, flashDefine(d), UserOut, UserIn, AutoOff, UserOut, RunFlash} << 3;
        QTest::newRow("flash, no change, no run")
            << 2 << false << L{Answer::No, Answer::Cancel, Answer::Cancel} << C{UserIn, flashDefine(d), UserOut} << 3;
        QTest::newRow("flash, no change, run") << 2 << false << L{Answer::No, Answer::Cancel, Answer::Ok}
                                               << C{UserIn, flashDefine(d), UserOut, RunFlash} << 3;
        QTest::newRow("cancel, auto start on only")
            << 2 << false << L{Answer::Cancel, Answer::Yes} << C{UserIn, AutoOn, UserOut} << 2;
        QTest::newRow("cancel, cancel, run flash")
            << 2 << false << L{Answer::Cancel, Answer::Cancel, Answer::Ok} << C{RunFlash} << 3;
        QTest::newRow("empty RAM macro") << 0 << false << L{Answer::Yes, Answer::Cancel} << C{ramDefine({})} << 2;
        QTest::newRow("empty flash macro")
            << 0 << false << L{Answer::No, Answer::Cancel, Answer::Cancel} << C{UserIn, flashDefine({}), UserOut} << 3;
    }
    void answerPaths()
    {
        QFETCH(int, size);
        QFETCH(bool, revB);
        QFETCH(QList<Answer>, answers);
        QFETCH(QList<QByteArray>, commands);
        QFETCH(int, questions);
        test::RecordingSink sink;
        VX5200 enc(&sink);
        test::ScriptedDialogs dialogs;
        for (Answer a : answers)
            dialogs.answers.enqueue(a);
        MacroUpload upload(enc, dialogs);
        QCOMPARE(upload.run(macroText(macroBytes(size)), revB, false), Outcome::Done);
        QCOMPARE(sink.commands, commands);
        QCOMPARE(dialogs.shown.size(), questions);
        QVERIFY(dialogs.answers.isEmpty());
    }

    void capacityLimits_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("revB");
        QTest::addColumn<bool>("ram");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("RAM 256") << 256 << false << true << true;
        QTest::newRow("RAM 257") << 257 << false << true << false;
        QTest::newRow("RAM B 16384") << 16384 << true << true << true;
        QTest::newRow("RAM B 16385") << 16385 << true << true << false;
        QTest::newRow("flash 4096") << 4096 << false << false << true;
        QTest::newRow("flash 4097") << 4097 << false << false << false;
        QTest::newRow("flash B 16384") << 16384 << true << false << true;
        QTest::newRow("flash B 16385") << 16385 << true << false << false;
    }
    void capacityLimits()
    {
        QFETCH(int, size);
        QFETCH(bool, revB);
        QFETCH(bool, ram);
        QFETCH(bool, accepted);
        test::RecordingSink sink;
        VX5200 enc(&sink);
        test::ScriptedDialogs dialogs;
        dialogs.answers << (ram ? Answer::Yes : Answer::No) << Answer::Cancel << Answer::Cancel;
        const QByteArray d = macroBytes(size);
        const Outcome r = MacroUpload(enc, dialogs).run(macroText(d), revB, false);
        if (!accepted) {
            QCOMPARE(r, Outcome::TooLarge);
            QVERIFY(sink.commands.isEmpty());
            QCOMPARE(dialogs.shown.last(), TooLarge);
            QCOMPARE(dialogs.titles.last(), QStringLiteral("ERROR"));
            return;
        }
        QCOMPARE(r, Outcome::Done);
        QCOMPARE(sink.commands.value(ram ? 0 : 1), ram ? ramDefine(d) : flashDefine(d));
    }

    // RAM and flash refuse a word that is not wholly one byte; Cancel writes no macro,
    // so it goes on to the auto-start question.
    void dataErrorSendsNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Answer>("target");
        QTest::addColumn<QString>("message"); // empty: no data error
        QTest::addColumn<bool>("japanese");
        QTest::newRow("above FF") << "PRT 1bh;\r\nPRT 1bh 40 1000h;\r\n"
                                  << Answer::Yes << "Data error at line: 2 Word:4\r\n\r\nPRT 1bh 40 1000h;" << false;
        QTest::newRow("RAM, xyz") << "PRT 1bh;\r\nPRT 1bh xyz;" << Answer::Yes
                                  << "Data error at line: 2 Word:3\r\n\r\nPRT 1bh xyz;" << false;
        QTest::newRow("flash, 4oh") << "PRT 4oh" << Answer::No << "Data error at line: 1 Word:2\r\n\r\nPRT 4oh"
                                    << false;
        QTest::newRow("cancel") << "PRT 4oh" << Answer::Cancel << "" << false;
        QTest::newRow("RAM, character 1252 lacks")
            << "PRT 41h '\u3042;" << Answer::Yes << "Data error at line: 1 Word:3\r\n\r\nPRT 41h '\u3042;" << false;
        QTest::newRow("flash, character 932 lacks")
            << "PRT 41h '\u00e9;" << Answer::No << "Data error at line: 1 Word:3\r\n\r\nPRT 41h '\u00e9;" << true;
    }
    void dataErrorSendsNothing()
    {
        QFETCH(QString, text);
        QFETCH(Answer, target);
        QFETCH(QString, message);
        QFETCH(bool, japanese);
        test::RecordingSink sink;
        VX5200 enc(&sink);
        test::ScriptedDialogs dialogs;
        dialogs.answers << target << Answer::Yes;
        const Outcome r = MacroUpload(enc, dialogs).run(text, false, japanese);
        QCOMPARE(r, message.isEmpty() ? Outcome::Done : Outcome::DataError);
        QCOMPARE(sink.commands, message.isEmpty() ? QList<QByteArray>({UserIn, AutoOn, UserOut}) : QList<QByteArray>());
        QCOMPARE(dialogs.shown.size(), 2); // the first question, then the error or the auto-start question
        if (!message.isEmpty())
            QCOMPARE(dialogs.shown.last(), message);
    }

    void firstFailedCommandStopsTheUpload_data()
    {
        QTest::addColumn<int>("failAt");
        QTest::addColumn<int>("questions"); // the first question and the failure message
        QTest::newRow("user mode in") << 0 << 2;
        QTest::newRow("flash define") << 1 << 2;
        QTest::newRow("user mode out") << 2 << 2;
        QTest::newRow("auto start switch") << 4 << 3;
    }
    void firstFailedCommandStopsTheUpload()
    {
        QFETCH(int, failAt);
        QFETCH(int, questions);
        FailingSink sink;
        sink.failFrom = failAt;
        VX5200 enc(&sink);
        test::ScriptedDialogs dialogs;
        dialogs.answers << Answer::No << Answer::No << Answer::Ok;
        RecordingProgress progress;
        QCOMPARE(MacroUpload(enc, dialogs, &progress).run(macroText(macroBytes(3)), false, false), Outcome::SendFailed);
        QCOMPARE(sink.commands.size(), failAt);
        QCOMPARE(dialogs.shown.size(), questions);
        QVERIFY(dialogs.shown.last().startsWith(QStringLiteral("The macro upload was stopped")));
        QCOMPARE(progress.events.last(), QStringLiteral("hide"));
    }

    void messagesAndProgressTexts()
    {
        test::RecordingSink sink;
        VX5200 enc(&sink);
        test::ScriptedDialogs dialogs;
        dialogs.answers << Answer::No << Answer::No << Answer::Cancel;
        RecordingProgress progress;
        MacroUpload(enc, dialogs, &progress).run(macroText(macroBytes(1)), false, false);
        QCOMPARE(
            dialogs.shown,
            (QStringList{
                "Do you want to use RAM MACRO?\r\nYES = RAM Macro, NO = FROM Macro, Cancel = Stop",
                "Setup Auto Start of Macro?\r\nYES: Set Auto Start\r\n NO: Remove Auto Start \r\n CANCEL: No change",
                QStringLiteral("Do you wantot try\u3000Macro now?"),
            }));
        QCOMPARE(progress.events,
                 (QStringList{"Macro/Code translation on progress.", "hide", "Macro/Macro uploading ...", "hide"}));

        test::ScriptedDialogs jp;
        jp.answers << Answer::Yes << Answer::Cancel;
        MacroUpload(enc, jp).run(macroText(macroBytes(300)), false, true);
        QCOMPARE(jp.shown.value(0),
                 QStringLiteral("RAM マクロにしますか？\r\nはい=RAM Macro, いいえ= FROM Macro, キャンセル=中断"));
        QCOMPARE(jp.shown.value(1), QStringLiteral("マクロがメモリに収まりません。"));
    }

    void japaneseReadsCharactersInCp932()
    {
        test::RecordingSink sink;
        VX5200 enc(&sink);
        test::ScriptedDialogs dialogs;
        dialogs.answers << Answer::Yes << Answer::Cancel;
        MacroUpload(enc, dialogs).run(QStringLiteral("PRT '\uff71 'A '?\r\n"), false, true);
        QCOMPARE(sink.commands.value(0), hexBytes("1F 3A 03 00 B1 41 3F"));
    }
};

KVX_TEST_MAIN(TestMacroUpload)
#include "tst_macro_upload.moc"
