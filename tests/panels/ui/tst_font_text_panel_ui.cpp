#include "panels/ui/font_text_panel_ui.h"
#include "support/recording_sink.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

using namespace kvx;
using namespace kvx::test;

namespace {

// A user's choice in a list.
void choose(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

QStringList items(QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

struct Module : WindowWithModule
{
    Module()
    {
        QCoreApplication::processEvents();
        module.readAvailable();
        module.clearReceived();
    }
    template <typename T> T *child(const QString &name) { return started.child<T>(name); }
    FontTextPanelUi *panel() { return started.window.findChild<FontTextPanelUi *>(QStringLiteral("FontTextPanelUi")); }
    // The user picks a model; the window's model change then sets the panel up.
    void chooseModel(const QString &model, bool revB)
    {
        auto *b = child<QCheckBox>(QStringLiteral("Chk_B"));
        b->setChecked(revB);
        choose(child<QComboBox>(QStringLiteral("HinmeiList")), model);
    }
    // Whatever arrived by now, cleared for the next step.
    QByteArray take(qsizetype expected)
    {
        if (expected > 0)
            module.waitForBytes(expected, 3000);
        QTest::qWait(expected > 0 ? 0 : 50);
        module.readAvailable();
        const QByteArray got = module.received();
        module.clearReceived();
        return got;
    }
};

} // namespace

class TestFontTextPanelUi : public QObject
{
    Q_OBJECT
private slots:
    void typedTextGoesOutInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Japanese") << "Japanese"
                                  << "Aあｶ" << hexBytes("41 82 A0 B6");
        QTest::newRow("Korean") << "Korean"
                                << "가똠" << hexBytes("B0 A1 8C 63");
        QTest::newRow("simplified Chinese") << "Simplified Chinese"
                                            << "中" << hexBytes("D6 D0");
        QTest::newRow("traditional Chinese") << "Traditional Chinese"
                                             << "中" << hexBytes("A4 A4");
    }
    void typedTextGoesOutInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        Module m;
        QVERIFY(m.module.isOpen());
        choose(m.child<QComboBox>(QStringLiteral("Combo1")), language);
        QCOMPARE(m.take(0), QByteArray()); // a language choice sends nothing
        m.child<QPlainTextEdit>(QStringLiteral("TextBox"))->setPlainText(text);
        m.started.click(QStringLiteral("cmdBtn1_11"));
        QCOMPARE(m.take(bytes.size()).toHex(' '), bytes.toHex(' '));
        QCOMPARE(m.started.window.commandLog().lastName(), QStringLiteral("CharacterDisplay text=") + text);
    }

    void asianFontOnAndOffOnEachSeries_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("revB");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("select");
        QTest::newRow("5200") << "VX140X32_52K" << false << "Asian Font (521x, 529x Only)"
                              << hexBytes("1F 28 67 0F 01");
        QTest::newRow("5200B") << "VX256X64_52K" << true << "Asian Font (521x, 529x Only)"
                               << hexBytes("1F 28 67 0F 01");
        QTest::newRow("2100") << "VX256X32_21K" << false << "Asian Font" << hexBytes("1F 28 67 03 01");
        QTest::newRow("2100B") << "VX256X128_21K" << true << "Asian Font" << hexBytes("1F 28 67 03 01");
    }
    void asianFontOnAndOffOnEachSeries()
    {
        QFETCH(QString, model);
        QFETCH(bool, revB);
        QFETCH(QString, caption);
        QFETCH(QByteArray, select);
        Module m;
        choose(m.child<QComboBox>(QStringLiteral("Combo1")), QStringLiteral("Korean"));
        m.chooseModel(model, revB);
        QCOMPARE(m.take(0), QByteArray()); // setting the panel up sends nothing
        QCOMPARE(m.child<QGroupBox>(QStringLiteral("FrmASIA"))->title(), caption);
        QCOMPARE(m.child<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("Korean"));
        QSignalSpy logged(&m.started.window.commandLog(), &CommandLog::logged);
        m.started.click(QStringLiteral("CmdAsiaFont_ON"));
        const QByteArray on = hexBytes("1F 28 67 01 02 1F 28 67 02 01") + select;
        QCOMPARE(m.take(on.size()).toHex(' '), on.toHex(' '));
        const QList<QVariantList> expectedLog = {{"Select 8x16 font size", "-Op-"},
                                                 {"Activeate 2 Byte Font", "-Op-"},
                                                 {"Select \"Korean\" for 2 byte character", "-Op-"}};
        QCOMPARE(QList<QVariantList>(logged), expectedLog);
        QCOMPARE(m.child<QComboBox>(QStringLiteral("ListSize"))->currentText(), QStringLiteral("8x16"));
        QCOMPARE(m.take(0), QByteArray()); // showing 8x16 sends nothing more
        m.started.click(QStringLiteral("CmdAsiaFont_OFF"));
        QCOMPARE(m.take(5).toHex(' '), hexBytes("1F 28 67 02 00").toHex(' '));
        QCOMPARE(m.started.window.commandLog().lastName(), QStringLiteral("Deactiveate 2 Byte Font"));
    }

    void fontListsSendOnTheUsersChoiceOnly()
    {
        Module m;
        m.chooseModel(QStringLiteral("VX256X128_21K"), true);
        auto *size = m.child<QComboBox>(QStringLiteral("ListSize"));
        auto *magnification = m.child<QComboBox>(QStringLiteral("MagunifiedList"));
        QCOMPARE(items(size), (QStringList{"6x8", "8x16", "12x24", "16x32"}));
        QVERIFY(!m.child<QComboBox>(QStringLiteral("GapList"))->isEnabled());
        QCOMPARE(m.child<QComboBox>(QStringLiteral("CharacterCodeList"))->count(), 11);

        choose(magnification, QStringLiteral("X3 Y4"));
        QCOMPARE(m.take(6).toHex(' '), hexBytes("1F 28 67 40 03 04").toHex(' '));
        choose(size, QStringLiteral("12x24"));
        QCOMPARE(m.take(5).toHex(' '), hexBytes("1F 28 67 01 03").toHex(' '));
        QCOMPARE(magnification->currentText(), QStringLiteral("X3 Y4")); // refilled, choice kept
        choose(m.child<QComboBox>(QStringLiteral("InterNationalFontList")), QStringLiteral("France"));
        QCOMPARE(m.take(3).toHex(' '), hexBytes("1B 52 01").toHex(' '));
        choose(m.child<QComboBox>(QStringLiteral("CharacterCodeList")), QStringLiteral("UserFont"));
        QCOMPARE(m.take(3).toHex(' '), hexBytes("1B 74 FF").toHex(' '));
        m.started.click(QStringLiteral("DownloadFontCheck"));
        QCOMPARE(m.take(3).toHex(' '), hexBytes("1B 25 01").toHex(' '));
        m.child<QLineEdit>(QStringLiteral("Text8"))->setText(QStringLiteral("258"));
        m.started.click(QStringLiteral("CmdFontExtension"));
        QCOMPARE(m.take(5).toHex(' '), hexBytes("1F 28 67 05 02").toHex(' '));

        // The program's changes: a newer-series model and the initialisation's reset.
        m.chooseModel(QStringLiteral("VX140X32_52K"), false);
        QCOMPARE(items(size), (QStringList{"6x8", "8x16"}));
        QCOMPARE(magnification->currentText(), QStringLiteral("X1 Y1"));
        QCOMPARE(m.child<QComboBox>(QStringLiteral("CharacterCodeList"))->currentText(),
                 QStringLiteral("PC437(USA Euro std)"));
        QVERIFY(m.child<QComboBox>(QStringLiteral("GapList"))->isEnabled());
        QVERIFY(!m.child<QPushButton>(QStringLiteral("CmdFontExtension"))->isEnabled());
        m.panel()->resetControls();
        QVERIFY(!m.child<QCheckBox>(QStringLiteral("DownloadFontCheck"))->isChecked());
        QCOMPARE(m.child<QComboBox>(QStringLiteral("InterNationalFontList"))->currentText(), QStringLiteral("America"));
        QCOMPARE(m.take(0), QByteArray());
    }

    void richTextGoesToTheDotPositionWithReversedRuns()
    {
        Module m;
        m.chooseModel(QStringLiteral("VX256X64_52K"), true);
        QVERIFY(m.child<QTabWidget>(QStringLiteral("SSTab4"))->isTabEnabled(1));
        auto *rich = m.child<QTextEdit>(QStringLiteral("RichTextBox1"));
        rich->setPlainText(QStringLiteral("ABCDE"));
        QTextCursor c = rich->textCursor();
        const auto select = [&](int from, int to) {
            c.setPosition(from);
            c.setPosition(to, QTextCursor::KeepAnchor);
            rich->setTextCursor(c);
        };
        select(0, 5);
        m.started.click(QStringLiteral("Command10"));
        select(2, 3);
        m.started.click(QStringLiteral("Command11")); // "C" back to normal: two runs
        QVERIFY(rich->toPlainText() == QStringLiteral("ABCDE"));
        m.child<QLineEdit>(QStringLiteral("Text10"))->setText(QStringLiteral("16"));
        m.started.click(QStringLiteral("Command8"));
        QCOMPARE(m.child<QLineEdit>(QStringLiteral("Text9"))->text(), QStringLiteral("65535"));
        m.started.click(QStringLiteral("Command9"));
        const QByteArray expected = hexBytes("1F 28 64 30 FF FF 10 00 00 08 11 41 42 10 43 11 44 45");
        QCOMPARE(m.take(expected.size()).toHex(' '), expected.toHex(' '));

        // Without revision B the dot-position tab is off.
        m.chooseModel(QStringLiteral("VX256X64_52K"), false);
        QVERIFY(!m.child<QTabWidget>(QStringLiteral("SSTab4"))->isTabEnabled(1));
        QVERIFY(!m.child<QPushButton>(QStringLiteral("Command9"))->isEnabled());
    }

    void startUpSetsThePanelUpForTheModule()
    {
        StartedWindow w(QStringLiteral("/dev/kvx-no-such-port"), [](MainWindow &window) {
            window.findChild<QComboBox *>(QStringLiteral("HinmeiList"))
                ->setCurrentText(QStringLiteral("VX256X128_21K"));
        });
        QCOMPARE(items(w.child<QComboBox>(QStringLiteral("ListSize"))), (QStringList{"6x8", "8x16", "16x32"}));
        QCOMPARE(w.child<QGroupBox>(QStringLiteral("FrmASIA"))->title(), QStringLiteral("Asian Font"));
        QVERIFY(w.child<QPushButton>(QStringLiteral("Command7"))->isEnabled());
        QCOMPARE(w.child<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("Japanese"));
    }

    void languageSwitchKeepsTheChosenLanguage()
    {
        StartedWindow w;
        auto *panel = w.window.findChild<FontTextPanelUi *>(QStringLiteral("FontTextPanelUi"));
        auto *combo = w.child<QComboBox>(QStringLiteral("Combo1"));
        choose(combo, QStringLiteral("Simplified Chinese"));
        w.window.state().UILanguage = QStringLiteral("Japanese");
        panel->SetupAsianFontList();
        QCOMPARE(combo->currentText(), QStringLiteral("簡体字"));
        QCOMPARE(w.child<QGroupBox>(QStringLiteral("FrmASIA"))->title(),
                 QStringLiteral("アジアフォント (521x, 529x のみ)"));
        panel->SetupAsianFontList(QString(), QStringLiteral("Japanese"));
        QVERIFY(!combo->isEnabled());
        QVERIFY(!w.child<QPushButton>(QStringLiteral("CmdAsiaFont_ON"))->isEnabled());
        QCOMPARE(combo->currentText(), QStringLiteral("簡体字"));
    }
};

KVX_TEST_MAIN(TestFontTextPanelUi)
#include "tst_font_text_panel_ui.moc"
