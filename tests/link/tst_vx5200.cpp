#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/model_list.h"
#include "support/recording_sink.h"
#include "support/test_main.h"

#include <functional>

using namespace kvx;
using kvx::test::hexBytes;

using Op = std::function<SendResult(VX5200 &)>;
Q_DECLARE_METATYPE(Op)

namespace {

// Each row: the model the encoder is given (empty: a fresh encoder), the operation,
// and the exact bytes expected ("" = nothing sent, "!" = refused with EncodeError).
void row(const char *name, const QString &model, const char *hex, Op op)
{
    QTest::newRow(name) << model << op << QByteArray(hex);
}

const QString M52 = QStringLiteral("VX140X32_52K");
const QString M21 = QStringLiteral("VX256X64_21K");

QString hex48(int n)
{
    return QString(QStringLiteral("%1h ")).arg(n, 2, 16, QLatin1Char('0'));
}

} // namespace

class TestVX5200 : public QObject
{
    Q_OBJECT
private:
    void addColumns()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Op>("op");
        QTest::addColumn<QByteArray>("expected");
    }
    void runRow()
    {
        QFETCH(QString, model);
        QFETCH(Op, op);
        QFETCH(QByteArray, expected);
        test::RecordingSink sink;
        VX5200 enc(&sink);
        if (!model.isEmpty())
            enc.moduleName(model);
        if (expected == "!") {
            QVERIFY_THROWS_EXCEPTION(EncodeError, op(enc));
            QVERIFY2(sink.commands.isEmpty(), "a refused command must send nothing");
            return;
        }
        const SendResult r = op(enc);
        if (expected.isEmpty()) {
            QCOMPARE(r, SendResult::Skipped);
            QVERIFY(sink.commands.isEmpty());
            return;
        }
        QCOMPARE(r, SendResult::Sent);
        QCOMPARE(sink.commands.size(), 1);
        QCOMPARE(sink.commands.first().toHex(' '), hexBytes(expected.constData()).toHex(' '));
    }

private slots:
    void controlCodesAndEscapes_data()
    {
        addColumns();
        row("BackSpace", M52, "08", [](VX5200 &e) { return e.BackSpace(); });
        row("HorizontalTab", M52, "09", [](VX5200 &e) { return e.HorizontalTab(); });
        row("LineFeed", M52, "0A", [](VX5200 &e) { return e.LineFeed(); });
        row("HomePosition", M52, "0B", [](VX5200 &e) { return e.HomePosition(); });
        row("DisplayClear", M52, "0C", [](VX5200 &e) { return e.DisplayClear(); });
        row("CarriageReturn", M52, "0D", [](VX5200 &e) { return e.CarriageReturn(); });
        row("LineClear", M52, "18", [](VX5200 &e) { return e.LineClear(); });
        row("ClearToEnd", M52, "19", [](VX5200 &e) { return e.ClearToEnd(); });
        row("InitializeDisplay", "", "1B 40", [](VX5200 &e) { return e.InitializeDisplay(); });
        row("DownloadEnable 1", M52, "1B 25 01", [](VX5200 &e) { return e.DownloadEnable(1); });
        row("DownloadEnable 256", M52, "!", [](VX5200 &e) { return e.DownloadEnable(256); });
        row("DownloadCharacterDefine", M52, "1B 26 01 20 21 05 7F 00",
            [](VX5200 &e) { return e.DownloadCharacterDefine(0x20, 0x21, hexBytes("05 7F 00")); });
        row("DownloadCharacterDefine c2 -1", M52, "!",
            [](VX5200 &e) { return e.DownloadCharacterDefine(0x20, -1, QByteArray()); });
        row("DownloadCharacterDelete", M52, "1B 3F 01 FF", [](VX5200 &e) { return e.DownloadCharacterDelete(255); });
        row("InternationalFontSet", M52, "1B 52 01", [](VX5200 &e) { return e.InternationalFontSet(1); });
        row("CharacterCodeTable 0", M52, "1B 74 00", [](VX5200 &e) { return e.CharacterCodeTable(0); });
        row("CharacterCodeTable 5", M52, "1B 74 05", [](VX5200 &e) { return e.CharacterCodeTable(5); });
        row("CharacterCodeTable 6", M52, "1B 74 10", [](VX5200 &e) { return e.CharacterCodeTable(6); });
        row("CharacterCodeTable 9", M52, "1B 74 13", [](VX5200 &e) { return e.CharacterCodeTable(9); });
        row("CharacterCodeTable 10", M52, "1B 74 FF", [](VX5200 &e) { return e.CharacterCodeTable(10); });
        row("CharacterCodeTable 11", M52, "1B 74 15", [](VX5200 &e) { return e.CharacterCodeTable(11); });
        row("CharacterCodeTable 245", M52, "1B 74 FF", [](VX5200 &e) { return e.CharacterCodeTable(245); });
        row("CharacterCodeTable 246", M52, "!", [](VX5200 &e) { return e.CharacterCodeTable(246); });
        row("CharacterCodeTable -1", M52, "!", [](VX5200 &e) { return e.CharacterCodeTable(-1); });
    }
    void controlCodesAndEscapes() { runRow(); }

    void textCommands_data()
    {
        addColumns();
        row("CharacterDisplay empty", M52, "", [](VX5200 &e) { return e.CharacterDisplay({}); });
        row("CharacterDisplay AB", M52, "41 42", [](VX5200 &e) { return e.CharacterDisplay("AB"); });
        row("CharacterDisplay 32768 bytes", M52, "!",
            [](VX5200 &e) { return e.CharacterDisplay(QByteArray(32768, 'a')); });
        row("DotUnitCharacterDisplay p 3", M52, "1F 28 64 30 00 00 00 00 01 01 41",
            [](VX5200 &e) { return e.DotUnitCharacterDisplay(0, 0, 3, "A"); });
        row("DotUnitCharacterDisplay 65535 258", M52, "1F 28 64 30 FF FF 02 01 00 02 41 42",
            [](VX5200 &e) { return e.DotUnitCharacterDisplay(65535, 258, 0, "AB"); });
        row("DotUnitCharacterDisplay 32-bit x wraps", M52, "1F 28 64 30 01 00 00 00 00 01 41",
            [](VX5200 &e) { return e.DotUnitCharacterDisplay(65536 + 1, 0, 0, "A"); });
        row("DotUnitCharacterDisplay empty", M52, "", [](VX5200 &e) { return e.DotUnitCharacterDisplay(0, 0, 0, {}); });
        row("DotUnitCharacterDisplay negative p", M52, "!",
            [](VX5200 &e) { return e.DotUnitCharacterDisplay(0, 0, -1, "A"); });
        row("DotUnitCharacterDisplay negative x", M52, "!",
            [](VX5200 &e) { return e.DotUnitCharacterDisplay(-1, 0, 0, "A"); });
    }
    void textCommands() { runRow(); }

    void dotUnitTextIsCutAt255Bytes()
    {
        test::RecordingSink sink;
        VX5200 enc(&sink);
        QByteArray text(300, 'x');
        enc.DotUnitCharacterDisplay(0, 0, 3, text);
        QCOMPARE(sink.commands.size(), 1);
        QCOMPARE(sink.commands[0].left(10), hexBytes("1F 28 64 30 00 00 00 00 01 FF"));
        QCOMPARE(sink.commands[0].size(), 265);
        QCOMPARE(sink.commands[0].mid(10), QByteArray(255, 'x'));
    }

    void unitCommands_data()
    {
        addColumns();
        row("CursorSet", M52, "1F 24 00 00 00 00", [](VX5200 &e) { return e.CursorSet(0, 0); });
        row("CursorSet 256 255", M52, "1F 24 00 01 FF 00", [](VX5200 &e) { return e.CursorSet(256, 255); });
        row("CursorSet 32767", M52, "1F 24 FF 7F 00 00", [](VX5200 &e) { return e.CursorSet(32767, 0); });
        row("CursorSet 32768", M52, "!", [](VX5200 &e) { return e.CursorSet(32768, 0); });
        row("CursorSet -1", M52, "!", [](VX5200 &e) { return e.CursorSet(0, -1); });
        row("CursorOnOff 1", M52, "1F 43 01", [](VX5200 &e) { return e.CursorOnOff(1); });
        row("CursorOnOff 257", M52, "1F 43 01", [](VX5200 &e) { return e.CursorOnOff(257); });
        row("CursorOnOff -1", M52, "!", [](VX5200 &e) { return e.CursorOnOff(-1); });
        row("bright 2 on 5200", M52, "1F 58 02", [](VX5200 &e) { return e.bright(2); });
        row("bright 2 on 2100", M21, "1F 58 12", [](VX5200 &e) { return e.bright(2); });
        row("bright 2 on 5200B", M52, "1F 58 02", [](VX5200 &e) {
            e.moduleRevB(true);
            return e.bright(2);
        });
        row("bright 2 on fresh encoder", "", "1F 58 12", [](VX5200 &e) { return e.bright(2); });
        row("bright 239 on 2100", M21, "1F 58 FF", [](VX5200 &e) { return e.bright(239); });
        row("bright 240 on 2100", M21, "!", [](VX5200 &e) { return e.bright(240); });
        row("bright 255 on 5200", M52, "1F 58 FF", [](VX5200 &e) { return e.bright(255); });
        row("bright 256 on 5200", M52, "!", [](VX5200 &e) { return e.bright(256); });
        row("MacroExecute", M52, "1F 5E 01 02 03", [](VX5200 &e) { return e.MacroExecute(1, 2, 3); });
        row("MacroExecute low bytes", M52, "1F 5E 00 FF 70",
            [](VX5200 &e) { return e.MacroExecute(256, 65535, 70000); });
        row("MacroExecute negative", M52, "!", [](VX5200 &e) { return e.MacroExecute(0, -1, 0); });
        row("DrawReverseMode", M52, "1F 72 01", [](VX5200 &e) { return e.DrawReverseMode(1); });
        row("HorizontalScrollSpeed", M52, "1F 73 1F", [](VX5200 &e) { return e.HorizontalScrollSpeed(31); });
        row("DrawMode", M52, "1F 77 03", [](VX5200 &e) { return e.DrawMode(3); });
        row("WindowMode over", M52, "1F 01", [](VX5200 &e) { return e.WindowMode("Over-write"); });
        row("WindowMode vertical", M52, "1F 02", [](VX5200 &e) { return e.WindowMode("Vertical scroll"); });
        row("WindowMode horizontal", M52, "1F 03", [](VX5200 &e) { return e.WindowMode("Horizontal scroll"); });
        row("WindowMode ready", M52, "1F 05", [](VX5200 &e) { return e.WindowMode("Horizontal scroll ready"); });
        row("WindowMode lower case", M52, "1F 01", [](VX5200 &e) { return e.WindowMode("over-write"); });
        row("WindowMode other", M52, "1F 01", [](VX5200 &e) { return e.WindowMode("vertical scroll"); });
    }
    void unitCommands() { runRow(); }

    void macros_data()
    {
        addColumns();
        row("RAM macro", M52, "1F 3A 02 00 1F 28", [](VX5200 &e) { return e.MacroDifine(0, "1Fh 28h ", 2); });
        row("flash macro 2", M52, "1F 28 65 12 02 01 00 00 14 0C",
            [](VX5200 &e) { return e.MacroDifine(2, "0Ch ", 1); });
        row("flash macro 4", M52, "1F 28 65 12 04 01 00 00 14 FF",
            [](VX5200 &e) { return e.MacroDifine(4, "ff, ", 1); });
        row("macro 5 sends nothing", M52, "", [](VX5200 &e) { return e.MacroDifine(5, "0Ch ", 1); });
        row("macro -1 sends nothing", M52, "", [](VX5200 &e) { return e.MacroDifine(-1, "0Ch ", 1); });
        row("missing characters give 0", M52, "1F 3A 03 00 41 00 00",
            [](VX5200 &e) { return e.MacroDifine(0, "41h ", 3); });
        row("non-hex pair", M52, "1F 3A 02 00 01 00", [](VX5200 &e) { return e.MacroDifine(0, "1Gh G1h ", 2); });
        row("empty macro", M52, "1F 3A 00 00", [](VX5200 &e) { return e.MacroDifine(0, "", 0); });
        row("65536 bytes refused", M52, "!", [](VX5200 &e) { return e.MacroDifine(1, "", 65536); });
        row("negative count refused", M52, "!", [](VX5200 &e) { return e.MacroDifine(0, "", -1); });
        row("SetMemorySwitch", M52, "1F 28 65 03 01 03", [](VX5200 &e) { return e.SetMemorySwitch(257, 3); });
        row("SetMemorySwitch negative", M52, "!", [](VX5200 &e) { return e.SetMemorySwitch(-1, 3); });
        row("userModeIn", M52, "1F 28 65 01 49 4E", [](VX5200 &e) { return e.userModeIn(); });
        row("userModeOut", M52, "1F 28 65 02 4F 55 54", [](VX5200 &e) { return e.userModeOut(); });
    }
    void macros() { runRow(); }

    void largestMacroFillsTheLengthField()
    {
        test::RecordingSink sink;
        VX5200 enc(&sink);
        QString text;
        for (int i = 0; i < 65535; ++i)
            text += hex48(i % 256);
        QCOMPARE(enc.MacroDifine(1, text, 65535), SendResult::Sent);
        const QByteArray &c = sink.commands.first();
        QCOMPARE(c.size(), 65535 + 9);
        QCOMPARE(c.left(9), hexBytes("1F 28 65 12 01 FF FF 00 14"));
        QCOMPARE(quint8(c.at(9 + 255)), quint8(255));
        QCOMPARE(quint8(c.at(9 + 256)), quint8(0));
    }

    void actionsAndPower_data()
    {
        addColumns();
        row("WaitAction", M52, "1F 28 61 01 14", [](VX5200 &e) { return e.WaitAction(20); });
        row("WaitAction 256", M52, "!", [](VX5200 &e) { return e.WaitAction(256); });
        row("ShortWaitAction", M52, "1F 28 61 02 01", [](VX5200 &e) { return e.ShortWaitAction(1); });
        row("ScrollAction", M52, "1F 28 61 10 04 00 00 01 02", [](VX5200 &e) { return e.ScrollAction(4, 256, 2); });
        row("ScrollAction s 256", M52, "!", [](VX5200 &e) { return e.ScrollAction(4, 256, 256); });
        row("BlinkAction swaps times", M52, "1F 28 61 11 01 0A 14 03",
            [](VX5200 &e) { return e.BlinkAction(1, 20, 10, 3); });
        row("FountainAction", M52, "1F 28 61 13 01 02 2C 01", [](VX5200 &e) { return e.FountainAction(1, 2, 300); });
        row("DisolveAction", M52, "1F 28 61 14 01 FF 7F", [](VX5200 &e) { return e.DisolveAction(1, 65535 / 2); });
        row("ScreenSaver", M52, "1F 28 61 40 10", [](VX5200 &e) { return e.ScreenSaver(16); });
        row("AutoOffTimer", M52, "1F 28 61 40 11 2C", [](VX5200 &e) { return e.AutoOffTimer(300); });
        row("AutoOffTimer negative", M52, "!", [](VX5200 &e) { return e.AutoOffTimer(-5); });
    }
    void actionsAndPower() { runRow(); }

    void fontsAndWindows_data()
    {
        addColumns();
        row("FontSize 2.5 rounds to 2", M52, "1F 28 67 01 02", [](VX5200 &e) { return e.FontSize(2.5); });
        row("FontSize 3.5 rounds to 4", M52, "1F 28 67 01 04", [](VX5200 &e) { return e.FontSize(3.5); });
        row("FontSize 255.6", M52, "!", [](VX5200 &e) { return e.FontSize(255.6); });
        row("SelectFontSize8x16", M52, "1F 28 67 01 02", [](VX5200 &e) { return e.SelectFontSize8x16(); });
        row("KanjiModeActive", M52, "1F 28 67 02 01", [](VX5200 &e) { return e.KanjiModeActive(); });
        row("KanjiModeDeactive", M52, "1F 28 67 02 00", [](VX5200 &e) { return e.KanjiModeDeactive(); });
        row("FontGapMode", M52, "1F 28 67 03 03", [](VX5200 &e) { return e.FontGapMode(3); });
        row("ExtensionFontSelect", M52, "1F 28 67 05 FF", [](VX5200 &e) { return e.ExtensionFontSelect(0xFF); });
        row("FontMagnified", M52, "1F 28 67 40 01 02", [](VX5200 &e) { return e.FontMagnified(1, 2); });
        row("FontMagnified 0 256", M52, "!", [](VX5200 &e) { return e.FontMagnified(0, 256); });
        row("Select2ByteLanguage 5200 Japanese", M52, "1F 28 67 0F 00",
            [](VX5200 &e) { return e.Select2ByteLanguage("Japanese"); });
        row("Select2ByteLanguage 5200 Korean", M52, "1F 28 67 0F 01",
            [](VX5200 &e) { return e.Select2ByteLanguage(QStringLiteral("韓国語")); });
        row("Select2ByteLanguage 2100 simplified", M21, "1F 28 67 03 02",
            [](VX5200 &e) { return e.Select2ByteLanguage("Simplified Chinese"); });
        row("Select2ByteLanguage 2100 traditional", M21, "1F 28 67 03 03",
            [](VX5200 &e) { return e.Select2ByteLanguage(QStringLiteral("繁体字")); });
        row("Select2ByteLanguage 2100 Japanese kanji", M21, "1F 28 67 03 00",
            [](VX5200 &e) { return e.Select2ByteLanguage(QStringLiteral("日本語")); });
        row("CurrentWindowSelect", M52, "1F 28 77 01 04", [](VX5200 &e) { return e.CurrentWindowSelect(4); });
        row("UserWindowDefine", M52, "1F 28 77 02 01 01 00 00 00 00 00 01 02 00",
            [](VX5200 &e) { return e.UserWindowDefine(1, 0, 0, 256, 2); });
        row("UserWindowDefine example", M52, "1F 28 77 02 01 01 00 00 00 00 78 00 01 00",
            [](VX5200 &e) { return e.UserWindowDefine(1, 0, 0, 120, 1); });
        row("UserWindowDefine negative", M52, "!", [](VX5200 &e) { return e.UserWindowDefine(1, -1, 0, 1, 1); });
        row("UserWindowCancel", M52, "1F 28 77 02 02 00", [](VX5200 &e) { return e.UserWindowCancel(2); });
        row("WriteScreenMode", M52, "1F 28 77 10 01", [](VX5200 &e) { return e.WriteScreenMode(1); });
    }
    void fontsAndWindows() { runRow(); }

    void languageSelectShowsItsMessageAndSendsNothing()
    {
        test::RecordingSink sink;
        test::RecordingNotifier notes;
        VX5200 fresh(&sink, &notes);
        QCOMPARE(fresh.Select2ByteLanguage("Japanese"), SendResult::Skipped);
        QCOMPARE(notes.messages, QStringList{"Unknown module type for Language setting. ERROR 76432"});

        notes.messages.clear();
        VX5200 enc(&sink, &notes);
        enc.moduleName(M52);
        QCOMPARE(enc.Select2ByteLanguage("Klingon"), SendResult::Skipped);
        QCOMPARE(notes.messages, QStringList{"Unknown Font is selected"});
        QCOMPARE(enc.Select2ByteLanguage("japanese"), SendResult::Skipped);
        QVERIFY(sink.commands.isEmpty());
    }

    void bitImages_data()
    {
        addColumns();
        row("BitImageDisplay", M52, "1F 28 66 11 10 00 01 00 01 80 80",
            [](VX5200 &e) { return e.BitImageDisplay(16, 1, QByteArray(2, '\x80')); });
        row("BitImageDisplay 32768", M52, "!", [](VX5200 &e) { return e.BitImageDisplay(32768, 1, {}); });
        row("DownloadedImageDisplay", M52, "1F 28 66 10 01 00 10 00 04 00 80 00 04 00 01",
            [](VX5200 &e) { return e.DownloadedImageDisplay(1, 4096, 4, 128, 4); });
        row("DownloadedImageDisplay 24-bit address", M52, "1F 28 66 10 01 56 34 12 00 00 00 00 00 00 01",
            [](VX5200 &e) { return e.DownloadedImageDisplay(257, 0x123456, 65536, 0, 0); });
        row("DownloadedImageScrollDisplay", M52, "1F 28 66 90 01 00 10 00 04 00 80 00 04 00 01 03",
            [](VX5200 &e) { return e.DownloadedImageScrollDisplay(1, 4096, 4, 128, 4, 3); });
        row("DownloadedImageScrollDisplay speed 256", M52, "!",
            [](VX5200 &e) { return e.DownloadedImageScrollDisplay(1, 0, 4, 128, 4, 256); });
        row("DotUnitDownloadedBitImageDisplay", M52,
            "1F 28 64 20 08 00 00 00 00 00 01 00 04 00 00 00 00 00 20 00 20 00 01",
            [](VX5200 &e) { return e.DotUnitDownloadedBitImageDisplay(8, 0, 0, 256, 4, 0, 0, 32, 32); });
        row("DotUnitDownloadedBitImageDisplay rounds", M52,
            "1F 28 64 20 02 00 04 00 00 00 00 00 01 00 00 00 00 00 01 00 01 00 01",
            [](VX5200 &e) { return e.DotUnitDownloadedBitImageDisplay(2.5, 3.5, 0, 0, 1, 0, 0, 1, 1); });
        row("DotUnitDownloadedBitImageDisplay negative", M52, "!",
            [](VX5200 &e) { return e.DotUnitDownloadedBitImageDisplay(-1, 0, 0, 0, 1, 0, 0, 1, 1); });
    }
    void bitImages() { runRow(); }

    void backlightLedsAndSwitches_data()
    {
        addColumns();
        row("LedOnOff", M52, "1F 4C 61 40 05", [](VX5200 &e) { return e.LedOnOff(5); });
        row("BackLight 0", M52, "1F 4C 00 07", [](VX5200 &e) { return e.BackLight(0, 9, 8, 7); });
        row("BackLight 1", M52, "1F 4C 01 08", [](VX5200 &e) { return e.BackLight(1, 9, 8, 7); });
        row("BackLight 2", M52, "1F 4C 02 09", [](VX5200 &e) { return e.BackLight(2, 9, 8, 7); });
        row("BackLight 16", M52, "1F 4C 10 01 02 03", [](VX5200 &e) { return e.BackLight(16, 3, 2, 1); });
        row("BackLight 128", M52, "1F 4C 80 01 02 03", [](VX5200 &e) { return e.BackLight(128, 3, 2, 1); });
        row("BackLight 129", M52, "1F 4C 81 00 00 FF", [](VX5200 &e) { return e.BackLight(129, 255, 0, 0); });
        row("BackLight 3 sends nothing", M52, "", [](VX5200 &e) { return e.BackLight(3, 0, 0, 0); });
        row("BackLight 16 256", M52, "!", [](VX5200 &e) { return e.BackLight(16, 256, 0, 0); });
        row("BackLight2 one", M52, "1F 4C 07 01 00 10 00 FF 00",
            [](VX5200 &e) { return e.BackLight2(7, {255}, {0}, {16}, 1); });
        row("BackLight2 none", M52, "1F 4C 07 00 00", [](VX5200 &e) { return e.BackLight2(7, {}, {}, {}, 0); });
        const auto lowBytes = [](VX5200 &e) { return e.BackLight2(0, {256, 1}, {257, 2}, {258, 3}, 2); };
        row("BackLight2 low bytes", M52, "1F 4C 00 02 00 02 01 00 01 03 02 01 00", lowBytes);
        row("BackLight2 short arrays", M52, "!", [](VX5200 &e) { return e.BackLight2(0, {1}, {1}, {1}, 2); });
        row("BackLight2 negative colour", M52, "!", [](VX5200 &e) { return e.BackLight2(0, {-1}, {1}, {1}, 1); });
        row("BackLight3", M52, "1F 4C 00 02 05 03 02 01 06 03 02 01 00",
            [](VX5200 &e) { return e.BackLight3(0, 1, 2, 3, 2, 5); });
        row("BackLight3 switch past 255", M52, "!", [](VX5200 &e) { return e.BackLight3(0, 1, 2, 3, 2, 255); });
        row("ReadAllSwitches", M52, "1F 4B 10", [](VX5200 &e) { return e.ReadAllSwitches(); });
        row("ReadOneSwitch", M52, "1F 4B 11 1F", [](VX5200 &e) { return e.ReadOneSwitch(31); });
        row("ReadAllSwitcheLevel", M52, "1F 4B 14", [](VX5200 &e) { return e.ReadAllSwitcheLevel(); });
        row("SetReadSwitch", M52, "1F 4B 18 02", [](VX5200 &e) { return e.SetReadSwitch(2); });
        row("TouchParameter", M52, "1F 4B 70 03 C8", [](VX5200 &e) { return e.TouchParameter(3, 200); });
        row("TouchParameter -1", M52, "!", [](VX5200 &e) { return e.TouchParameter(-1, 0); });
    }
    void backlightLedsAndSwitches() { runRow(); }

    void identityOfEveryListedModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("dotX");
        QTest::addColumn<int>("dotY");
        QTest::addColumn<QString>("series");
        const int sizes[19][2] = {{112, 16}, {128, 32},  {128, 64}, {128, 128}, {140, 16}, {140, 32}, {160, 32},
                                  {160, 80}, {256, 64},  {280, 16}, {128, 128}, {240, 64}, {256, 16}, {256, 32},
                                  {256, 64}, {256, 128}, {320, 32}, {384, 32},  {512, 32}};
        for (int i = 0; i < 19; ++i)
            QTest::newRow(qPrintable(ModelList().at(i)))
                << ModelList().at(i) << sizes[i][0] << sizes[i][1] << QString(i < 10 ? "5200" : "2100");
    }
    void identityOfEveryListedModel()
    {
        QFETCH(QString, model);
        QFETCH(int, dotX);
        QFETCH(int, dotY);
        QFETCH(QString, series);
        VX5200 enc;
        enc.moduleName(model);
        QCOMPARE(enc.moduleName(), model);
        QCOMPARE(enc.moduleDotX(), dotX);
        QCOMPARE(enc.moduleDotY(), dotY);
        QCOMPARE(enc.moduleSeri(), series);
        QCOMPARE(enc.moduleByteY(), dotY / 8);
        QCOMPARE(enc.gramY(), double(dotY / 8));
        QCOMPARE(enc.gramX(), 1024.0 / (dotY / 8));
        QCOMPARE(enc.NumberOfSW(), dotY <= 32 ? 16 : 32);
        const bool old5290 = (dotX == 140 && dotY == 16) || (dotX == 128 && dotY == 32);
        QCOMPARE(enc.New5290(), !old5290);
        enc.moduleRevB(true);
        QCOMPARE(enc.moduleSeri(), series + "B");
        QCOMPARE(enc.moduleRevB(), QStringLiteral("B"));
        enc.moduleRevB(false);
        QCOMPARE(enc.moduleSeri(), series);
        QCOMPARE(enc.moduleRevB(), QString());
    }

    void freshAndDamagedIdentities()
    {
        VX5200 fresh;
        QCOMPARE(fresh.moduleSeri(), QString());
        QCOMPARE(fresh.moduleDotX(), 0);
        QVERIFY(fresh.New5290());
        QCOMPARE(fresh.NumberOfSW(), 16);
        QCOMPARE(fresh.gramX(), 0.0);
        QVERIFY(fresh.OverSize(8, 8));

        VX5200 damaged;
        damaged.moduleName("XX_1K");
        QCOMPARE(damaged.moduleSeri(), QStringLiteral("2100"));
        QCOMPARE(damaged.moduleDotY(), 0);
        QCOMPARE(damaged.gramX(), 0.0);
        QVERIFY(damaged.OverSize(1, 1));

        VX5200 low;
        low.moduleName("VX140X4_52K");
        QCOMPARE(low.moduleDotY(), 4);
        QVERIFY(low.OverSize(1, 1));
        QCOMPARE(low.gramX(), 0.0);

        VX5200 lower;
        lower.moduleName("VX128x128_52K");
        QCOMPARE(lower.gramX(), 64.0);
        QCOMPARE(lower.moduleSeri(), QStringLiteral("5200"));
        lower.moduleName("VX256X64_1k");
        QCOMPARE(lower.moduleSeri(), QStringLiteral("5200"));
    }

    void overSizeLimits_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("0 wide") << M52 << 0 << 8 << true;
        QTest::newRow("0 high") << M52 << 8 << 0 << true;
        QTest::newRow("140x32 256x32") << M52 << 256 << 32 << false;
        QTest::newRow("140x32 257x32") << M52 << 257 << 32 << true;
        QTest::newRow("140x32 256x33") << M52 << 256 << 33 << true;
        QTest::newRow("140x16 512x16") << "VX140X16_52K" << 512 << 16 << false;
        QTest::newRow("140x16 513x16") << "VX140X16_52K" << 513 << 16 << true;
        QTest::newRow("140x16 8x17") << "VX140X16_52K" << 8 << 17 << true;
        QTest::newRow("128x64 512x64") << "VX128X64_52K" << 512 << 64 << false;
        QTest::newRow("128x64 512x65") << "VX128X64_52K" << 512 << 65 << true;
        QTest::newRow("160x80 512x80") << "VX160X80_52K" << 512 << 80 << false;
        QTest::newRow("160x80 512x81") << "VX160X80_52K" << 512 << 81 << true;
        QTest::newRow("128x128 52K 512x80") << "VX128x128_52K" << 512 << 80 << false;
        QTest::newRow("256x64 21K 512x64") << M21 << 512 << 64 << false;
        QTest::newRow("256x64 21K 513x64") << M21 << 513 << 64 << true;
        QTest::newRow("256x64 21K 512x65") << M21 << 512 << 65 << true;
        QTest::newRow("256x128 21K 512x128") << "VX256X128_21K" << 512 << 128 << false;
        QTest::newRow("256x128 21K 513x128") << "VX256X128_21K" << 513 << 128 << true;
        QTest::newRow("256x16 21K 2048x16") << "VX256X16_21K" << 2048 << 16 << false;
        QTest::newRow("256x16 21K 2049x16") << "VX256X16_21K" << 2049 << 16 << true;
        QTest::newRow("240x64 21K 512x64") << "VX240X64_21K" << 512 << 64 << false;
    }
    void overSizeLimits()
    {
        QFETCH(QString, model);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, tooLarge);
        VX5200 enc;
        enc.moduleName(model);
        QCOMPARE(enc.OverSize(width, height), tooLarge);
    }

    void withoutASinkNothingIsSentButTheCommandCounts()
    {
        VX5200 enc;
        QCOMPARE(enc.InitializeDisplay(), SendResult::NoLink);
    }
};

KVX_TEST_MAIN(TestVX5200)
#include "tst_vx5200.moc"
