#include "image_list/ui/image_list_window.h"
#include "image_list/ui/list_export_window.h"
#include "shell/captions.h"
#include "shell/model_list.h"
#include "shell/series_layout.h"
#include "shell/settings_files.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/comm_scan.h"
#include "shell/ui/splash_dialog.h"
#include "support/fake_port_prober.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>

using namespace kvx;
using namespace kvx::test;

namespace {

// Controls of the table whose panels are still being built elsewhere. Empty this list
// as they arrive; the check below fails for a name listed here that exists.
const QStringList pendingWidgets = {};

// Everything the language and tool-tip runs may change, per widget of the main window.
QMap<QString, QString> snapshot(const MainWindow &window)
{
    QMap<QString, QString> shot;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->window() != &window || w->objectName().isEmpty())
            continue;
        QString text;
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            text = b->text();
        else if (auto *l = qobject_cast<QLabel *>(w))
            text = l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            text = g->title();
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            text = e->text();
        else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                text += c->itemText(i) + '|';
            text += QString::number(c->currentIndex());
        } else if (auto *t = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                text += t->tabText(i) + '|';
        }
        shot.insert(w->objectName(),
                    text + "\t" + w->toolTip() + "\t" + w->font().toString() + "\t" + w->font().families().join(','));
    }
    return shot;
}

// Whether the widget shows when its window and its tab page do.
bool shownInWindow(const QWidget *w)
{
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget *>(w->parentWidget()))
            return false;
    return true;
}

// The captions a window shows: window title, buttons, labels, frames and tabs of every
// widget not hidden inside it, on every tab page. What the user types or chooses is
// data, not a caption.
QStringList captionsOf(QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->window() != &window || !shownInWindow(w))
            continue;
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << b->text();
        else if (auto *l = qobject_cast<QLabel *>(w))
            texts << l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            texts << g->title();
        else if (auto *t = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i);
    }
    return texts;
}

bool latinOnly(const QString &text)
{
    bool letters = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x2E80)
            return false;
        letters = letters || (c.unicode() < 0x80 && c.isLetter());
    }
    return letters;
}

// Texts that read the same in both languages: names of models, sizes, codes and
// units, and the captions the Japanese table itself keeps.
bool sameInBothLanguages(const QString &text)
{
    static const QRegularExpression names(
        QStringLiteral("^(\\s*\\d+x\\d+|-\\d+x+|X|Y|OK|OR|AND|EX-OR|LED \\d|\\d+ [RGB]|VX-K4xxS|KVX5200\\+2100)$"));
    if (names.match(text.trimmed()).hasMatch() || ModelList().contains(text))
        return true;
    for (const auto table : {captionTable(), ownCaptionTable()})
        for (const ControlText &e : table)
            if (text == e.text(false) && text == e.text(true))
                return true;
    return false;
}

// Qt's own texts as the program shows them: a message box's buttons, a save dialog's
// title and labels.
QStringList qtOwnTexts()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
    QStringList texts;
    for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok})
        texts << box.button(b)->text();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    texts << dialog.windowTitle();
    for (const char *label : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        texts << dialog.findChild<QLabel *>(label)->text();
    return texts;
}
const QStringList englishQtTexts{"&Yes", "&No", "Cancel", "OK", "Save As", "Look in:", "File &name:", "Files of type:"};
const QStringList japaneseQtTexts{"はい(&Y)",         "いいえ(&N)", "キャンセル",      "OK",
                                  "名前を付けて保存", "アドレス:",  "ファイル名(&N):", "ファイルの種類:"};

// The language key, and the re-translation Qt posts to every window with it.
void pressLanguageKey(StartedWindow &s)
{
    s.window.Image1_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void writeConfigLanguage(const QString &language, qint32 hintColour)
{
    ConfigSettings s = defaultConfigSettings();
    s.language = language;
    s.hintColour = hintColour;
    QVERIFY(saveConfig(s).ok);
}

} // namespace

class TestMainWindowLanguage : public QObject
{
    Q_OBJECT
private slots:
    void everyTableEntryFindsItsWidget()
    {
        StartedWindow s;
        QStringList missing;
        for (const ControlText &e : captionTable()) {
            const QString name = ControlRef{e.name, e.index}.objectName();
            if (!pendingWidgets.contains(name) && !applyControlText(s.window, e, false))
                missing << name;
        }
        for (const ControlText &e : ownCaptionTable())
            if (!applyControlText(s.window, e, false))
                missing << QString::fromLatin1(e.name);
        QList<ControlRef> controls = controlObjects(captionFontControls());
        controls += toolTipOnList();
        controls += toolTipOffList();
        for (const ControlRef &c : controls)
            if (!pendingWidgets.contains(c.objectName()) && !windowControl(s.window, c.objectName()))
                missing << c.objectName();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(' ')));

        // Each name of the tables and of the series layouts is one widget of the window.
        QStringList names;
        for (const auto table : {captionTable(), ownCaptionTable()})
            for (const ControlText &e : table)
                names << ControlRef{e.name, e.index}.objectName();
        for (const ControlRef &c : controls)
            names << c.objectName();
        for (const char *series : {"2100", "2100B", "5200", "5200B"}) {
            LayoutInputs in;
            in.moduleSeri = QLatin1String(series);
            const SeriesLayoutPlan plan = seriesLayout(in);
            for (const ControlFlag &f : plan.enabled + revisionBFeatures(in.moduleSeri, 0).enabled)
                names << f.name;
            for (const PresetText &t : plan.texts)
                names << t.name;
        }
        QMap<QString, int> widgets;
        for (QWidget *w : s.window.findChildren<QWidget *>())
            if (w->window() == &s.window && !w->objectName().isEmpty())
                ++widgets[w->objectName()];
        names.removeDuplicates();
        QStringList notOne;
        for (const QString &name : names)
            if (widgets.value(name) != 1)
                notOne << QStringLiteral("%1 (%2)").arg(name).arg(widgets.value(name));
        QVERIFY2(notOne.isEmpty(), qPrintable(notOne.join(' ')));
        for (const QString &name : pendingWidgets)
            QVERIFY2(!windowControl(s.window, name), qPrintable(name + " exists now: take it off pendingWidgets"));
    }

    void startUpAppliesTheStoredLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("japanese");
        QTest::newRow("Japanese") << "Japanese" << true;
        QTest::newRow("English") << "English" << false;
        QTest::newRow("lower case") << "japanese" << false;
    }
    void startUpAppliesTheStoredLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, japanese);
        StartedWindow s("/dev/kvx-no-such-port",
                        [&](MainWindow &) { writeConfigLanguage(language, ToolTipsOnColour); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(s.window.state().UILanguage, language);
        QCOMPARE(qtOwnTexts(), japanese ? japaneseQtTexts : englishQtTexts);
        for (const ControlText &e : captionTable()) {
            if (e.property == TextProperty::SeriesCaption
                || !windowControl(s.window, ControlRef{e.name, e.index}.objectName()))
                continue;
            QCOMPARE(controlText(s.window, e), e.text(japanese));
        }
        // The rich text's reverse-mark buttons keep their English captions.
        QCOMPARE(s.child<QAbstractButton>("Command10")->text(), QStringLiteral("Reverse"));
        QCOMPARE(s.child<QAbstractButton>("Command11")->text(), QStringLiteral("Normal"));
        const QString tip = s.child<QWidget>("HinmeiList")->toolTip();
        QCOMPARE(tip,
                 japanese ? QStringLiteral("表示器のドット数と表示器のシリーズを選択します。")
                          : QStringLiteral("Select display resolution."));
        const QFont font = s.child<QWidget>("cmdBtn1_0")->font();
        QCOMPARE(font.families().first(), captionFontName(japanese));
        if (japanese)
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
    }

    void togglingTwiceRestoresEveryTextToolTipAndFont()
    {
        for (const qint32 colour : {ToolTipsOnColour, ButtonFaceColour}) {
            StartedWindow s("/dev/kvx-no-such-port", [&](MainWindow &) { writeConfigLanguage("English", colour); });
            auto *touchModes = s.child<QComboBox>("ComboTSW_1");
            touchModes->setCurrentIndex(2);
            QVERIFY(s.child<QLineEdit>("lblTouch")->text() != QStringLiteral("This Tab is for VX-K4xxS."));
            // A switch puts the note back to the table's text, whatever the mode wrote.
            pressLanguageKey(s);
            pressLanguageKey(s);
            QCOMPARE(s.child<QLineEdit>("lblTouch")->text(), QStringLiteral("This Tab is for VX-K4xxS."));
            const auto before = snapshot(s.window);
            pressLanguageKey(s);
            QCOMPARE(qtOwnTexts(), japaneseQtTexts);
            QCOMPARE(s.window.state().UILanguage, QStringLiteral("Japanese"));
            QCOMPARE(s.child<QTabWidget>("SSTab3")->tabText(0), QStringLiteral("ｽｸﾘｰﾝｱｸｼｮﾝ"));
            QCOMPARE(touchModes->currentIndex(), 2);
            QCOMPARE(touchModes->currentText(), QStringLiteral("自動（個別スイッチ）"));
            QVERIFY(snapshot(s.window) != before);
            pressLanguageKey(s);
            QCOMPARE(s.window.state().UILanguage, QStringLiteral("English"));
            QCOMPARE(qtOwnTexts(), englishQtTexts);
            const auto after = snapshot(s.window);
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                QCOMPARE(after.value(it.key()), it.value());
        }
    }

    void anUnknownLanguageBecomesJapaneseOnAClick()
    {
        StartedWindow s;
        s.window.state().UILanguage = QString();
        s.window.Image1_Click();
        QCOMPARE(s.window.state().UILanguage, QStringLiteral("Japanese"));
        QCOMPARE(s.child<QAbstractButton>("cmdBtn1_11")->text(), QStringLiteral("表示"));
    }

    void fontSizesAreTheSameInBothLanguages()
    {
        StartedWindow s;
        for (int round = 0; round < 2; ++round) {
            for (const FontSizeSetting &f : captionFontSizes()) {
                const QString name = ControlRef{f.name, f.index}.objectName();
                if (QWidget *w = windowControl(s.window, name))
                    QCOMPARE(w->font().pointSizeF(), f.points);
            }
            s.window.Image1_Click();
        }
    }

    void theOffRunClearsExactlyTheOffList()
    {
        StartedWindow s("/dev/kvx-no-such-port",
                        [&](MainWindow &) { writeConfigLanguage("Japanese", ToolTipsOnColour); });
        // Every tool tip marked, so a cleared one shows.
        for (const ControlRef &c : toolTipOnList())
            setControlToolTip(s.window, c, "mark");
        setControlToolTip(s.window, {"FileBmpFrame", -1}, "mark");
        setControlToolTip(s.window, {"cmdBtn1", 2}, "mark");
        s.click("HintCommandButton");
        QCOMPARE(s.window.hintColour(), ButtonFaceColour);
        const QList<ControlRef> &off = toolTipOffList();
        for (const ControlRef &c : toolTipOnList()) {
            if (QWidget *w = windowControl(s.window, c.objectName()))
                QCOMPARE(w->toolTip(), off.contains(c) ? QString() : QStringLiteral("mark"));
        }
        QCOMPARE(s.child<QWidget>("cmdBtn1_2")->toolTip(), QStringLiteral("mark"));
        // Label31's tip belongs to the caption run: set in Japanese even with tips off.
        s.window.Image1_Click();
        s.window.Image1_Click();
        QCOMPARE(s.child<QWidget>("Label31")->toolTip(),
                 QStringLiteral("操作記録機能を使い特殊効果のサンプルコードを読み込んでください。"));
        // A language change leaves them off; the kept ones hold the last on-run's texts.
        QCOMPARE(s.child<QWidget>("HinmeiList")->toolTip(), QString());
        QCOMPARE(s.child<QWidget>("Image1")->toolTip(), QStringLiteral("mark"));
    }

    void anEditedColourKeepsTipsOnForOneMoreClick()
    {
        StartedWindow s("/dev/kvx-no-such-port", [&](MainWindow &) { writeConfigLanguage("English", 0x123456); });
        QCOMPARE(s.window.hintColour(), qint32(0x123456));
        QCOMPARE(s.child<QWidget>("HintCommandButton")->toolTip(), QStringLiteral("On/OFF Tool tips"));
        s.click("HintCommandButton");
        QCOMPARE(s.window.hintColour(), ToolTipsOnColour);
        QCOMPARE(s.child<QWidget>("Image1")->toolTip(), QStringLiteral("Japanese Menu"));
        QCOMPARE(s.child<QWidget>("cmdTouch_4")->toolTip(), QString());
        s.click("HintCommandButton");
        QCOMPARE(s.window.hintColour(), ButtonFaceColour);
        QCOMPARE(s.child<QWidget>("HinmeiList")->toolTip(), QString());
    }

    void everyCaptionOfEveryWindowIsJapaneseAfterTheSwitch()
    {
        StartedWindow s;
        // Every window the program has, opened in English first so each must follow.
        s.program.tutorWindow();
        s.click("UserWindowRegistCheck_0");
        QTest::mouseClick(s.child<QLineEdit>("UserWindowLeftBox_0"), Qt::LeftButton);
        auto *images = s.window.findChild<ImageListWindow *>();
        QVERIFY(images);
        images->exportWindow();
        images->entryDialog();
        s.window.Image1_Click();
        // The modal ones take the language as they open.
        images->entryDialog();
        images->exportWindow()->activate();
        FakePortProber prober;
        CommScan scan(prober, s.window.state(), s.dialogs, QStringLiteral("1"), &s.window);
        SplashDialog splash(s.window.windowTitle(), &s.window);

        QStringList latin;
        for (const bool older : {false, true}) {
            if (older) {
                // The older series' layout shows texts of its own.
                s.child<QComboBox>("HinmeiList")->setCurrentText("VX256X32_21K");
                s.child<QCheckBox>("Chk_B")->click();
            }
            for (QWidget *top : QApplication::topLevelWidgets())
                for (const QString &text : captionsOf(*top))
                    if (latinOnly(text) && !sameInBothLanguages(text))
                        latin << top->objectName() + ": " + text;
        }
        latin.removeDuplicates();
        QVERIFY2(latin.isEmpty(), qPrintable(latin.join('\n')));
    }

    void theOtherWindowsFollowTheLanguage()
    {
        StartedWindow s;
        auto *editor = s.window.findChild<QWidget *>("EditForm");
        auto *touchPara = s.window.findChild<QWidget *>("TouchPara");
        QVERIFY(editor && touchPara);
        const QString editorTitle = editor->windowTitle();
        auto threshold = [&] { return touchPara->findChild<QGroupBox *>("Frame0")->title(); };
        QCOMPARE(threshold(), QStringLiteral("Threshold"));
        s.window.Image1_Click();
        QCOMPARE(threshold(), QStringLiteral("しきい値"));
        QVERIFY(editor->windowTitle() != editorTitle);
        QCOMPARE(s.window.imageList().language(), QStringLiteral("Japanese"));
        s.window.Image1_Click();
        QCOMPARE(editor->windowTitle(), editorTitle);
        QCOMPARE(threshold(), QStringLiteral("Threshold"));
    }
};

KVX_TEST_MAIN(TestMainWindowLanguage)
#include "tst_main_window_language.moc"
