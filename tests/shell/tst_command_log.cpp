#include "link/link.h"
#include "shell/command_log.h"
#include "shell/macro_tokenizer.h"
#include "shell/prt_macro_text.h"
#include "shell/settings_files.h"
#include "shell/shell_state.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <QSignalSpy>

using namespace kvx;
using kvx::test::hexBytes;

namespace {

class FakeEditor : public MacroInsertTarget
{
public:
    bool isEditorVisible() const override { return visible; }
    void insertAtCaret(const QString &text) override { inserted += text; }
    bool visible = true;
    QString inserted;
};

QByteArray countingBytes(int n)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b.append(char(i));
    return b;
}

} // namespace

class TestCommandLog : public QObject
{
    Q_OBJECT
private slots:
    void blockLinesHoldAtMostSixteenBytes_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("bytePart");
        QTest::newRow("0") << 0 << "PRT;\r\n\r\n";
        QTest::newRow("1") << 1 << "PRT 00h;\r\n\r\n";
        const QString sixteen = "PRT 00h 01h 02h 03h 04h 05h 06h 07h 08h 09h 0ah 0bh 0ch 0dh 0eh 0fh;\r\n";
        QTest::newRow("16") << 16 << sixteen + "PRT;\r\n\r\n";
        QTest::newRow("17") << 17 << sixteen + "PRT 10h;\r\n\r\n";
        QTest::newRow("33") << 33
                            << sixteen + "PRT 10h 11h 12h 13h 14h 15h 16h 17h 18h 19h 1ah 1bh 1ch 1dh 1eh 1fh;\r\n"
                + "PRT 20h;\r\n\r\n";
    }
    void blockLinesHoldAtMostSixteenBytes()
    {
        QFETCH(int, count);
        QFETCH(QString, bytePart);
        QCOMPARE(prtMacroBlock("Name", "-Op-", countingBytes(count)),
                 QString("*** Name ***\r\n*** -Op- ***\r\n") + bytePart);
    }

    void everyLineOfAMultiLineNameIsMarked()
    {
        QCOMPARE(prtMacroBlock("CharacterDisplay\r\nPRT 1bh", "help\nPRT 40h", hexBytes("0B")),
                 QStringLiteral("*** CharacterDisplay ***\r\n*** PRT 1bh ***\r\n*** help ***\r\n"
                                "*** PRT 40h ***\r\nPRT 0bh;\r\n\r\n"));
    }

    void recordsOnlyWhileRecordingAndNotPaused()
    {
        ShellState state;
        CommandLog log(state);
        QSignalSpy logged(&log, &CommandLog::logged);
        log.commandCompleted(hexBytes("0B"));
        log.addLog("HomePosition", "-Op-");
        QCOMPARE(logged.size(), 1);
        QVERIFY(state.MacroText.isEmpty());

        log.setRecording(true);
        log.setPaused(true);
        log.commandCompleted(hexBytes("0B"));
        log.addLog("HomePosition", "-Op-");
        QVERIFY(state.MacroText.isEmpty());

        log.setPaused(false);
        log.commandCompleted(hexBytes("0B"));
        log.addLog("HomePosition", "-Op-");
        QCOMPARE(state.MacroText, QStringLiteral("*** HomePosition ***\r\n*** -Op- ***\r\nPRT 0bh;\r\n\r\n"));
        QCOMPARE(log.lastName(), QStringLiteral("HomePosition"));
    }

    void eachCommandIsRecordedOnceWithItsOwnBytes()
    {
        ShellState state;
        Link link;
        CommandLog log(state);
        log.attachLink(&link);
        log.setRecording(true);
        link.portOut(hexBytes("1B 40"));
        log.addLog("InitializeDisplay", "-Op-");
        // A log without a new command does not repeat the previous bytes.
        log.addLog("Nothing", "-Op-");
        QCOMPARE(state.MacroText,
                 QStringLiteral("*** InitializeDisplay ***\r\n*** -Op- ***\r\nPRT 1bh 40h;\r\n\r\n"
                                "*** Nothing ***\r\n*** -Op- ***\r\nPRT;\r\n\r\n"));
    }

    // Tmp.sei gives a kept macro back without its final line end.
    void aBlockRecordedBehindAKeptMacroStartsOnItsOwnLine()
    {
        ShellState state;
        state.MacroText = parseTextMemo(textMemoBytes(QStringLiteral("PRT 41h;")));
        CommandLog log(state);
        log.setRecording(true);
        log.commandCompleted(hexBytes("0C"));
        log.addLog("DisplayClear", "-Op-");
        QCOMPARE(MacroTokenizer().read(state.MacroText).bytes(), hexBytes("41 0C"));
    }

    void visibleEditorTakesTheBlockAtItsCaret()
    {
        ShellState state;
        CommandLog log(state);
        FakeEditor editor;
        log.setInsertTarget(&editor);
        log.setRecording(true);
        log.commandCompleted(hexBytes("0C"));
        log.addLog("DisplayClear", "-Op-");
        QCOMPARE(editor.inserted, QStringLiteral("\r\n*** DisplayClear ***\r\n*** -Op- ***\r\nPRT 0ch;\r\n\r\n\r\n"));
        QVERIFY(state.MacroText.isEmpty());
        editor.visible = false;
        log.addLog("DisplayClear", "-Op-");
        QVERIFY(state.MacroText.startsWith("*** DisplayClear"));
    }
};

KVX_TEST_MAIN(TestCommandLog)
#include "tst_command_log.moc"
