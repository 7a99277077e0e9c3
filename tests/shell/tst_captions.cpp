#include "panels/touch_switches.h"
#include "shell/captions.h"
#include "shell/qt_text_language.h"
#include "shell/settings_files.h"
#include "support/test_main.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace kvx;

namespace {

const ControlText *findEntry(const QString &name, int index, TextProperty property, int part = -1)
{
    for (const ControlText &e : captionTable())
        if (name == QLatin1String(e.name) && e.index == index && e.property == property && e.part == part)
            return &e;
    return nullptr;
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT
private slots:
    void onlyExactlyJapaneseSelectsJapanese_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<QString>("toggled");
        QTest::newRow("Japanese") << "Japanese" << true << "English";
        QTest::newRow("English") << "English" << false << "Japanese";
        QTest::newRow("lower case") << "japanese" << false << "Japanese";
        QTest::newRow("other") << "none" << false << "Japanese";
        QTest::newRow("empty") << "" << false << "Japanese";
        QTest::newRow("trailing blank") << "Japanese " << false << "Japanese";
    }
    void onlyExactlyJapaneseSelectsJapanese()
    {
        QFETCH(QString, language);
        QFETCH(bool, japanese);
        QFETCH(QString, toggled);
        QCOMPARE(isJapanese(language), japanese);
        QCOMPARE(toggledLanguage(language), toggled);
    }

    void qtTextsStayEnglishWithoutTheirCatalogue()
    {
        const QTemporaryDir noCatalogue;
        QtTextLanguage qtTexts(noCatalogue.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("qtbase_ja.qm"));
        QVERIFY(!qtTexts.follow(QStringLiteral("Japanese")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    }

    void onlyTheButtonFaceColourTurnsToolTipsOff_data()
    {
        QTest::addColumn<qint32>("colour");
        QTest::addColumn<bool>("on");
        QTest::addColumn<qint32>("afterClick");
        QTest::newRow("on") << ToolTipsOnColour << true << ButtonFaceColour;
        QTest::newRow("off") << ButtonFaceColour << false << ToolTipsOnColour;
        // An edited Config.dat: on, and the next click keeps them on.
        QTest::newRow("other colour") << qint32(0x123456) << true << ToolTipsOnColour;
        QTest::newRow("black") << qint32(0) << true << ToolTipsOnColour;
        QTest::newRow("other system colour") << qint32(0x80000005u - 0x100000000ull) << true << ToolTipsOnColour;
    }
    void onlyTheButtonFaceColourTurnsToolTipsOff()
    {
        QFETCH(qint32, colour);
        QFETCH(bool, on);
        QFETCH(qint32, afterClick);
        QCOMPARE(toolTipsOn(colour), on);
        QCOMPARE(nextHintColour(colour), afterClick);
    }

    // Texts that recorded macros, the character-set test and the tutorial compare.
    void comparedTextsAreExact_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("property");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        const int caption = int(TextProperty::Caption);
        const int tab = int(TextProperty::TabCaption);
        QTest::newRow("test idle") << "Command1" << -1 << caption << -1 << "Diplay Character Set"
                                   << "文字順次表示";
        QTest::newRow("draw mode") << "DrawModeOption" << 0 << caption << -1 << "OVER"
                                   << "OVER";
        QTest::newRow("write mode 0") << "BaseWindowWriteModeOption" << 0 << caption << -1 << "Display Screen"
                                      << "表示画面モード";
        QTest::newRow("write mode 1") << "BaseWindowWriteModeOption" << 1 << caption << -1 << "All Memory"
                                      << "全画面モード";
        QTest::newRow("test tab") << "SSTab1" << -1 << tab << 2 << "Test"
                                  << "ﾃｽﾄﾊﾟﾀｰﾝ";
        QTest::newRow("bmp tab") << "SSTab1" << -1 << tab << 0 << "File Image"
                                 << "ファイル";
        QTest::newRow("text tab") << "SSTab4" << -1 << tab << 1 << "Text with Adrs"
                                  << "アドレス付テキスト";
        QTest::newRow("touch tab") << "SSTab3" << -1 << tab << 3 << "Touch Switch"
                                   << "ﾀｯﾁｽｲｯﾁ";
        QTest::newRow("clear") << "cmdBtn1" << 1 << caption << -1 << "Clear"
                               << "クリア";
        QTest::newRow("write") << "cmdBtn1" << 11 << caption << -1 << "Write"
                               << "表示";
        QTest::newRow("cursor label") << "Label2" << -1 << caption << -1 << "Cursor X-Y"
                                      << "カーソル\n位置";
        QTest::newRow("font aspect") << "Label11" << -1 << caption << -1 << "Font Aspect: "
                                     << "拡大表示指定";
        QTest::newRow("ideographic space") << "ControlFrame" << -1 << caption << -1 << "Power Controls"
                                           << "表示用電源制御　他";
        QTest::newRow("half-width") << "Label39" << -1 << caption << -1 << "Timer"
                                    << "ﾀｲﾏ-";
        QTest::newRow("two blanks") << "Label22" << -1 << caption << -1 << "Bytes  8 Dots"
                                    << "バイト\n8Dot";
        QTest::newRow("label tip") << "Label31" << -1 << int(TextProperty::ToolTip) << -1 << ""
                                   << "操作記録機能を使い特殊効果のサンプルコードを読み込んでください。";
    }
    void comparedTextsAreExact()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(int, property);
        QFETCH(int, part);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        const ControlText *e = findEntry(name, index, TextProperty(property), part);
        QVERIFY(e);
        QCOMPARE(e->text(false), english);
        QCOMPARE(e->text(true), japanese);
    }

    void eachTextIsSetOnceAndNoneIsMissing()
    {
        QSet<QString> seen;
        for (const ControlText &e : captionTable()) {
            const QString key = QStringLiteral("%1/%2/%3/%4").arg(e.name).arg(e.index).arg(int(e.property)).arg(e.part);
            QVERIFY2(!seen.contains(key), qPrintable(key));
            seen.insert(key);
            if (e.property != TextProperty::ToolTip)
                QVERIFY2(!e.text(false).isEmpty() && !e.text(true).isEmpty(), e.name);
        }
        QCOMPARE(captionTable().size(), size_t(177));
        QCOMPARE(toolTipTable().size(), size_t(137));
        QCOMPARE(captionFontControls().size(), size_t(126));
    }

    // The transmit-mode list is rebuilt by the touch panel; its items are the table's.
    void transmitModeItemsAgreeWithTheTouchPanel()
    {
        for (const bool japanese : {false, true}) {
            const QStringList items = autoTransmitItems(japanese);
            QCOMPARE(items.size(), 3);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(findEntry("ComboTSW", 1, TextProperty::ListItem, i)->text(japanese), items[i]);
        }
    }

    void theOffRunLeavesNineObjectsAndAddsTheBitmapFileFrame()
    {
        const QList<ControlRef> on = toolTipOnList();
        const QList<ControlRef> &off = toolTipOffList();
        QCOMPARE(off.size(), 129);
        const QList<ControlRef> kept = {{"FrmTouch", -1},  {"ComboTSW", 0},           {"ComboTSW", 1},
                                        {"toviImage", -1}, {"sendCommandBox", -1},    {"sendHelpBox", -1},
                                        {"Command1", -1},  {"HintCommandButton", -1}, {"Image1", -1}};
        for (const ControlRef &c : on)
            QCOMPARE(off.contains(c), !kept.contains(c));
        QVERIFY(off.contains(ControlRef{"FileBmpFrame", -1}));
        QVERIFY(!on.contains(ControlRef{"FileBmpFrame", -1}));
        // Left to other code: the two cursor buttons and the sample-code label.
        for (const ControlRef &c : {ControlRef{"cmdBtn1", 2}, ControlRef{"cmdBtn1", 3}, ControlRef{"Label31", -1}})
            QVERIFY(!on.contains(c) && !off.contains(c));
    }

    void toolTipsNameTheOtherLanguageAndTheParameterButtonHasNone()
    {
        for (const ToolTipText &t : toolTipTable()) {
            if (t.name == QLatin1String("Image1")) {
                QCOMPARE(t.text(false), QStringLiteral("Japanese Menu"));
                QCOMPARE(t.text(true), QStringLiteral("English Menu"));
            } else if (t.name == QLatin1String("cmdTouch") && t.index == 4) {
                QVERIFY(t.text(false).isEmpty() && t.text(true).isEmpty());
            } else {
                QVERIFY2(!t.text(false).isEmpty() && !t.text(true).isEmpty(), t.name);
            }
        }
    }

    void fontsAreTheLanguagesOwnFirst()
    {
        QCOMPARE(captionFontCandidates(false).first(), QStringLiteral("Times New Roman"));
        QCOMPARE(captionFontCandidates(true).first(), QStringLiteral("MS Pゴシック"));
        QVERIFY(captionFontCandidates(true).contains(QStringLiteral("IPAPGothic")));
    }
};

KVX_TEST_MAIN(TestCaptions)
#include "tst_captions.moc"
