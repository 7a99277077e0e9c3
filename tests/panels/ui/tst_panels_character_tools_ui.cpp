#include "panels/ui/character_tools_ui.h"
#include "shell/ui/main_window.h"
#include "support/recording_sink.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>

using namespace kvx;
using namespace kvx::test;

namespace {

CharacterToolsUi *tools(MainWindow &w)
{
    auto *t = w.findChild<CharacterToolsUi *>();
    if (!t)
        qFatal("character tools not installed");
    return t;
}

QByteArray fontFileCommand()
{
    QByteArray a = hexBytes("1F 28 65 13 01");
    for (int i = 0; i < 768; ++i)
        a.append(char(i % 256));
    return a;
}

QString fontFileText()
{
    QString text;
    const QByteArray cmd = fontFileCommand();
    for (int i = 0; i < cmd.size(); i += 16) {
        QStringList tokens;
        for (char c : cmd.mid(i, 16))
            tokens << QStringLiteral("%1h").arg(quint8(c), 2, 16, QLatin1Char('0'));
        text += QStringLiteral("PRT ") + tokens.join(QLatin1Char(' ')) + QStringLiteral(";\r\n");
    }
    return text;
}

// What the user can set in the main window's controls, by object name.
QMap<QString, QString> controlStates(const MainWindow &window)
{
    QMap<QString, QString> states;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->window() != &window || w->objectName().isEmpty())
            continue;
        if (auto *e = qobject_cast<QLineEdit *>(w); e && !e->isReadOnly())
            states.insert(w->objectName(), e->text());
        else if (auto *slider = qobject_cast<QAbstractSlider *>(w))
            states.insert(w->objectName(), QString::number(slider->value()));
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            states.insert(w->objectName(), QString::number(b->isChecked()) + b->styleSheet());
        else if (auto *list = qobject_cast<QComboBox *>(w))
            states.insert(w->objectName(), list->currentText());
    }
    return states;
}

// The controls module initialisation puts back (members of a family by its name).
const QStringList InitializeTable = {"ReverseCommandButton",
                                     "WindowSelectOption",
                                     "DrawModeOption",
                                     "BaseWindowWriteModeOption",
                                     "UserWindowRegistCheck",
                                     "DownloadFontCheck",
                                     "WindowScrollSlider",
                                     "BrightSlider",
                                     "MagunifiedList",
                                     "GapList",
                                     "InterNationalFontList",
                                     "CharacterCodeList",
                                     "ListSize",
                                     "DispPowerCommandButton"};

} // namespace

class TestCharacterToolsUi : public QObject
{
    Q_OBJECT
private slots:
    void initializeSendsExactly1b40AndResetsTheSettingsControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("WindowSelectOption_0") << "WindowSelectOption_0"
                                              << "checked";
        QTest::newRow("DrawModeOption_0") << "DrawModeOption_0"
                                          << "checked";
        QTest::newRow("BaseWindowWriteModeOption_0") << "BaseWindowWriteModeOption_0"
                                                     << "checked";
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("UserWindowRegistCheck_%1").arg(i);
            QTest::newRow(qPrintable(name)) << name << "unchecked";
        }
        QTest::newRow("DownloadFontCheck") << "DownloadFontCheck"
                                           << "unchecked";
        QTest::newRow("WindowScrollSlider") << "WindowScrollSlider"
                                            << "0";
        QTest::newRow("BrightSlider") << "BrightSlider"
                                      << "8";
        QTest::newRow("MagunifiedList") << "MagunifiedList"
                                        << "X1 Y1";
        QTest::newRow("GapList") << "GapList"
                                 << "Fixed width 2";
        QTest::newRow("InterNationalFontList") << "InterNationalFontList"
                                               << "America";
        QTest::newRow("CharacterCodeList") << "CharacterCodeList"
                                           << "PC437(USA Euro std)";
        QTest::newRow("ListSize") << "ListSize"
                                  << "6x8";
    }
    void initializeSendsExactly1b40AndResetsTheSettingsControls()
    {
        QFETCH(QString, control);
        QFETCH(QString, expected);
        StartedWindow s;
        QWidget *w = control.isEmpty() ? nullptr : s.window.findChild<QWidget *>(control);
        if (!control.isEmpty() && !w)
            QSKIP("the control's panel is not installed");

        // Move the control away from its start value without sending anything.
        if (qobject_cast<QRadioButton *>(w)) {
            QString other = control;
            other.chop(1);
            auto *second = s.window.findChild<QRadioButton *>(other + QLatin1Char('1'));
            QVERIFY(second);
            const QSignalBlocker block(second);
            second->setChecked(true);
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            const QSignalBlocker block(check);
            check->setChecked(true);
        } else if (auto *slider = qobject_cast<QAbstractSlider *>(w)) {
            const QSignalBlocker block(slider);
            slider->setValue(slider->maximum());
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            const QSignalBlocker block(list);
            list->setCurrentIndex(list->count() - 1);
        }

        QSignalSpy sent(&s.window.link(), &Link::commandSent);
        QSignalSpy reset(&s.window.host(), &PanelHost::resetControlsRequested);
        tools(s.window)->InitializeCommandButton_Click();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(reset.size(), 1);
        QCOMPARE(s.child<QPlainTextEdit>(QStringLiteral("SendTextBox"))->toPlainText(), QStringLiteral("[1b][40]"));
        QCOMPARE(s.child<QLineEdit>(QStringLiteral("sendCommandBox"))->text(), QStringLiteral("Initialize"));

        if (auto *radio = qobject_cast<QRadioButton *>(w)) {
            QVERIFY(radio->isChecked());
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            QVERIFY(!check->isChecked());
        } else if (auto *slider = qobject_cast<QAbstractSlider *>(w)) {
            // A slider that starts at 1 cannot show 0.
            QCOMPARE(slider->value(), qMax(expected.toInt(), slider->minimum()));
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            QCOMPARE(list->currentText(), expected);
        }
    }

    void initializeLeavesEveryOtherControlAsTheUserSetIt()
    {
        StartedWindow s;
        s.window.OptSeries_Click(3);
        auto type = [&](const QString &name, const QString &text) {
            auto *box = s.child<QLineEdit>(name);
            box->selectAll();
            QTest::keyClicks(box, text);
        };
        type(QStringLiteral("BmpXSizeBox"), QStringLiteral("17"));
        type(QStringLiteral("BmpYSizeBox"), QStringLiteral("2"));
        type(QStringLiteral("Text1"), QStringLiteral("3"));
        type(QStringLiteral("Text6"), QStringLiteral("5"));
        s.click(QStringLiteral("ChkScroll"));
        s.child<QComboBox>(QStringLiteral("CmbSpeed"))->setCurrentText(QStringLiteral("7"));
        s.click(QStringLiteral("OptAction_1"));
        s.child<QSlider>(QStringLiteral("Sld_R"))->setValue(10);
        s.child<QSlider>(QStringLiteral("SldBL_3"))->setValue(5);
        s.child<QComboBox>(QStringLiteral("ComboNumberOfRepeat"))->setCurrentText(QStringLiteral("5"));

        const QMap<QString, QString> before = controlStates(s.window);
        tools(s.window)->InitializeCommandButton_Click();
        const QMap<QString, QString> after = controlStates(s.window);
        QStringList outside;
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (after.value(it.key()) != it.value() && !InitializeTable.contains(it.key().section('_', 0, 0)))
                outside << it.key();
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(' ')));
        QCOMPARE(s.child<QLineEdit>(QStringLiteral("BmpXSizeBox"))->text(), QStringLiteral("17"));
    }

    void userFontGoesToTheModuleBehindAProgressWindow()
    {
        WindowWithModule m;
        QVERIFY(m.module.isOpen());
        StartedWindow &s = m.started;
        s.child<QComboBox>(QStringLiteral("HinmeiList"))->setCurrentText(QStringLiteral("VX256x64_21K"));
        s.window.HinmeiList_Click();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("font.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fontFileText().toLatin1());
        f.close();
        s.dialogs.chooseFile(path);

        QStringList progressDuringSends;
        connect(&s.window.link(), &Link::commandSent, this, [&] {
            const auto *progress = s.window.findChild<QWidget *>(QStringLiteral("UserFontProgress"));
            progressDuringSends << (progress && progress->isVisible() ? progress->objectName() : QString());
        });
        s.click(QStringLiteral("CmdUDF"));

        const QByteArray expected =
            hexBytes("1F 28 65 01 49 4E") + fontFileCommand() + hexBytes("1F 28 65 02 4F 55 54") + hexBytes("1B 40");
        QVERIFY(m.module.waitForBytes(expected.size()));
        QCOMPARE(m.module.received(), expected);
        QCOMPARE(progressDuringSends, QStringList(4, QStringLiteral("UserFontProgress")));
        QCOMPARE(s.dialogs.shown,
                 (QStringList{QStringLiteral("6x8dot user font\r\nPlease wait while font is being sent."),
                              QStringLiteral("Download is completed.\r\nPlease reconfigure User Font Style.")}));
        QCoreApplication::processEvents();
        const auto *progress = s.window.findChild<QWidget *>(QStringLiteral("UserFontProgress"));
        QVERIFY(!progress || !progress->isVisible());
        QCOMPARE(s.window.state().WorkFolder, dir.path());
    }

    void dotGridDefinesTheDrawnCharacterAndLargeSizesFallBack()
    {
        StartedWindow s;
        s.click(QStringLiteral("FontCommandButton_7"));
        s.click(QStringLiteral("FontDefineCommandButton"));
        QCOMPARE(s.window.link().lastText(), QStringLiteral("[1b][26][01][30][30][05][80][00][00][00][00]"));

        // The large sizes are offered on the older series.
        s.child<QComboBox>(QStringLiteral("HinmeiList"))->setCurrentText(QStringLiteral("VX256X32_21K"));
        s.window.HinmeiList_Click();
        s.click(QStringLiteral("FontSizeOption_4"));
        QCOMPARE(s.dialogs.shown.size(), 1);
        QVERIFY(s.child<QRadioButton>(QStringLiteral("FontSizeOption_2"))->isChecked());
        QVERIFY(!s.child<QWidget>(QStringLiteral("FontCommandButton_0"))->isHidden());
        QVERIFY(s.child<QWidget>(QStringLiteral("FontCommandButton_48"))->isHidden());
    }

    void characterSetTestRunsOnItsTimerAtTheSliderPace()
    {
        StartedWindow s;
        auto *ui = tools(s.window);
        auto *slider = s.window.findChild<QAbstractSlider *>(QStringLiteral("WindowScrollSlider"));
        if (!slider) {
            slider = new QSlider(&s.window);
            slider->setObjectName(QStringLiteral("WindowScrollSlider"));
        }
        slider->setRange(1, 100);
        slider->setValue(2);

        s.click(QStringLiteral("Command1"));
        auto *button = s.child<QPushButton>(QStringLiteral("Command1"));
        QCOMPARE(button->text(), QStringLiteral("Diplay STOP"));
        QVERIFY(ui->testTimer().isActive());
        QCOMPARE(ui->testTimer().interval(), 15);

        QSignalSpy sent(&s.window.link(), &Link::commandSent);
        ui->TimerTestMode_Timer();
        QCOMPARE(sent.size(), 0);
        QCOMPARE(s.child<QLineEdit>(QStringLiteral("TxtTimer"))->text(), QStringLiteral("1"));
        ui->TimerTestMode_Timer();
        QCOMPARE(s.window.link().lastText(), QStringLiteral("[20]"));
        QCOMPARE(s.child<QLineEdit>(QStringLiteral("TxtTestCode"))->text(), QStringLiteral("33"));

        // Re-captioned to the stopped caption (a change of language): the next tick stops.
        button->setText(QStringLiteral("文字順次表示"));
        ui->TimerTestMode_Timer();
        ui->TimerTestMode_Timer();
        QCOMPARE(sent.size(), 1);
        QVERIFY(!ui->testTimer().isActive());
        QCOMPARE(button->text(), QStringLiteral("Diplay Character Set"));

        s.window.state().TutorialShown = true;
        s.click(QStringLiteral("Command1"));
        QCOMPARE(button->text(), QStringLiteral("Diplay Character Set"));
        QVERIFY(!ui->testTimer().isActive());
        QCOMPARE(s.dialogs.shown, QStringList{QStringLiteral("This button is not available under tutorial.")});
    }
};

KVX_TEST_MAIN(TestCharacterToolsUi)
#include "tst_panels_character_tools_ui.moc"
