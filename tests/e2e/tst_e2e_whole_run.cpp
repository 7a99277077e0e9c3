#include "image_list/bmp_builder.h"
#include "image_list/image_export.h"
#include "image_list/text_io.h"
#include "image_list/ui/image_list_window.h"
#include "link/app_paths.h"
#include "link/vx5200.h"
#include "macro_editor/ui/edit_form.h"
#include "support/intel_hex.h"
#include "support/recording_sink.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "tutorial/ui/tutorial_window.h"

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>

using namespace kvx;
using namespace kvx::test;

namespace {

// What a user's pick in a list does: the item becomes current and the list reports
// the activation.
void choose(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text);
    if (i < 0)
        qFatal("%s has no item %s", qPrintable(combo->objectName()), qPrintable(text));
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

// Replaces a line edit's text the way a user types it.
void typeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

template <typename T> T *childOf(const QObject *parent, const QString &name)
{
    T *c = parent->findChild<T *>(name);
    if (!c)
        qFatal("no child %s", qPrintable(name));
    return c;
}

// Runs `action` on the modal window named `name` as soon as it is up, without
// blocking the code that opens it.
void whenModalShows(const QString &name, std::function<void(QWidget *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, name, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name)
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString goldenFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden");
}

// The pixels of the test's two bitmaps (1 = a lit dot).
bool logoDot(int x, int y)
{
    return (x + 2 * y) % 5 == 0 || y == 0;
}
bool markDot(int x, int y)
{
    return x == y || x == 7 - y;
}

} // namespace

// One user's session from a first start to a restart: on-line with a pseudo-terminal
// module, a recorded and played run of commands over the panels, the macro in every
// format the editor writes, an image list saved, exported and written into the
// module, the first tutorial steps, quit and start again. Every byte the module got
// and every file written is checked; the files against golden copies in which the
// run's own folders stand as <WORK>, <PROGRAM> and <PORT>.
class TestE2eWholeRun : public QObject
{
    Q_OBJECT

    QString m_work; // where the user keeps files
    QString m_port; // the module's device path
    QStringList m_updated;

    QByteArray placeholders(QByteArray bytes) const
    {
        bytes.replace(programFolder().toUtf8(), "<PROGRAM>");
        bytes.replace(m_work.toUtf8(), "<WORK>");
        bytes.replace(m_port.toUtf8(), "<PORT>");
        return bytes;
    }

    // Compares a written file with its golden copy (or, with KVX_UPDATE_GOLDEN set,
    // writes the golden copy).
    void checkGolden(const QString &path, const QString &goldenName)
    {
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const QByteArray actual = placeholders(readAll(path));
        const QString golden = goldenFolder() + QLatin1Char('/') + goldenName;
        if (qEnvironmentVariableIsSet("KVX_UPDATE_GOLDEN")) {
            QVERIFY(writeFile(golden, actual));
            m_updated << goldenName;
            return;
        }
        QVERIFY2(QFile::exists(golden), qPrintable(golden));
        const QByteArray expected = readAll(golden);
        if (actual != expected) {
            qWarning().noquote() << goldenName << "differs; written:\n" << actual;
            QFAIL(qPrintable(goldenName + QStringLiteral(" differs from its golden copy")));
        }
    }

    // The recorded commands as the encoder builds them, without any window.
    static QByteArray recordedCommands()
    {
        RecordingSink sink;
        ScriptedDialogs dialogs;
        VX5200 e(&sink, &dialogs);
        e.moduleName(QStringLiteral("VX140X32_52K"));
        QByteArray checker;
        QByteArray stripe;
        const char stripes[4] = {char(0x88), 0x44, 0x22, 0x11};
        for (int column = 0; column < 16; ++column) {
            checker += QByteArray(2, column % 2 ? char(0xAA) : char(0x55));
            stripe += QByteArray(2, stripes[(column + 2) % 4]);
        }
        e.DisplayClear();
        e.CursorOnOff(1);
        e.CharacterDisplay("VFD e2e");
        e.FontMagnified(2, 2);
        e.InternationalFontSet(1);
        e.WindowMode(QStringLiteral("Vertical scroll"));
        e.DrawMode(1);
        e.DrawReverseMode(1);
        e.BlinkAction(2, 10, 20, 3);
        e.ScrollAction(4, 140, 1);
        e.WaitAction(2);
        e.bright(7);
        e.BitImageDisplay(16, 2, checker);
        e.BitImageDisplay(16, 2, stripe);
        e.LedOnOff(1);
        e.BackLight(16, 255, 255, 255);
        e.ScreenSaver(3);
        e.ScreenSaver(1);
        e.HomePosition();
        return sink.all();
    }

    void recordARun(StartedWindow &s)
    {
        s.click("RecCommandButton");
        s.click("cmdBtn1_1");
        s.click("cmdBtn1_3");
        auto *text = s.child<QPlainTextEdit>("TextBox");
        text->clear();
        QTest::keyClicks(text, "VFD e2e");
        s.click("cmdBtn1_11");
        choose(s.child<QComboBox>("MagunifiedList"), "X2 Y2");
        choose(s.child<QComboBox>("InterNationalFontList"), "France");
        s.click("WindowModeCommandButton_1");
        s.child<QRadioButton>("DrawModeOption_1")->click();
        s.click("ReverseCommandButton");
        s.click("BlinkCommandButton");
        s.click("ScrollCommandButton");
        s.click("Longer");
        s.click("WaitCommandButton");
        QTest::keyClick(s.child<QAbstractSlider>("BrightSlider"), Qt::Key_Left);
        typeInto(s.child<QLineEdit>("BmpXSizeBox"), "16");
        typeInto(s.child<QLineEdit>("BmpYSizeBox"), "2");
        s.click("CmdTextChecker");
        s.click("CmdTestStripe_2");
        s.click("Command12");
        s.click("CmdLED");
        s.click("FullOnCommandButton");
        s.click("ScreenSaverCancelCommandButton");
        s.click("cmdBtn1_6");
        s.click("StopCommandButton");
    }

    // Saves the editor's text under `name` with the save dialog's entry `filter`.
    void saveFromEditor(StartedWindow &s, EditForm *editor, const QString &name, int filter, bool demoEntries,
                        const QStringList &messages)
    {
        s.dialogs.shown.clear();
        s.dialogs.chooseFile(m_work + QStringLiteral("/") + name, filter);
        if (demoEntries) {
            // The demonstration boards' entries are there while Ctrl and Shift are held.
            QTest::keyPress(editor, Qt::Key_Control, Qt::ControlModifier);
            QTest::keyPress(editor, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
        }
        childOf<QAction>(editor, "SaveAs")->trigger();
        if (demoEntries) {
            QTest::keyRelease(editor, Qt::Key_Shift, Qt::ControlModifier);
            QTest::keyRelease(editor, Qt::Key_Control, Qt::NoModifier);
        }
        QVERIFY(s.dialogs.files.isEmpty());
        QCOMPARE(s.dialogs.shown, messages);
        s.dialogs.shown.clear();
    }

    void saveInEveryFormat(StartedWindow &s)
    {
        // The boards' firmware files, where the program looks for them.
        QDir().mkpath(programFolder());
        QVERIFY(writeFile(programFile(QStringLiteral("KDB-T640.hex")), firmwareFile(kdbFirmware())));
        QVERIFY(writeFile(programFile(QStringLiteral("PIC.hex")), firmwareFile(picFirmware())));
        QVERIFY(writeFile(programFile(QStringLiteral("TQ.hex")), firmwareFile(tqFirmware())));

        s.click("EditCommandButton");
        auto *editor = s.window.findChild<EditForm *>(QStringLiteral("EditForm"));
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->editorText(), s.window.state().MacroText);

        const struct
        {
            const char *name;
            int filter;
            bool demo;
            const char *message; // what the save tells about the board's memory
        } saves[] = {
            {"macro.sei", 1, false, nullptr},
            {"macro.txt", 0, false, nullptr},
            {"macro.hex", 2, false, nullptr},
            {"macro.asm", 3, false, nullptr},
            {"macro.c", 4, false, nullptr},
            {"kdb.hex", 5, true, nullptr},
            {"pic.hex", 6, true, "Remaining Memory: 3169Bytes"},
            {"tq.hex", 7, true, "Remaining Memory: 13151Bytes"},
        };
        for (const auto &save : saves) {
            saveFromEditor(s, editor, QLatin1String(save.name), save.filter, save.demo,
                           save.message ? QStringList{QLatin1String(save.message)} : QStringList());
            if (QTest::currentTestFailed())
                return;
            checkGolden(m_work + QLatin1Char('/') + QLatin1String(save.name), QLatin1String(save.name));
            if (QTest::currentTestFailed())
                return;
        }
        // The requests offered the boards' entries exactly while the keys were held.
        QCOMPARE(s.dialogs.requests.size(), 8);
        QCOMPARE(s.dialogs.requests.at(4).filters.size(), 5);
        QCOMPARE(s.dialogs.requests.at(5).filters.size(), 8);
        childOf<QAction>(editor, "Close_")->trigger();
        QVERIFY(!editor->isVisible());
    }

    // The Intel HEX file read back by another tool holds the count and the bytes at
    // 0x0400; the C program prints the bytes it holds.
    void checkOutputsWithOtherTools(const QByteArray &macroBytes)
    {
        QByteArray block;
        block.append(char(macroBytes.size() >> 8)).append(char(macroBytes.size() & 0xFF)).append(macroBytes);
        QProcess srec;
        srec.start(QStringLiteral("srec_cat"),
                   {m_work + QStringLiteral("/macro.hex"), QStringLiteral("-intel"), QStringLiteral("-offset"),
                    QStringLiteral("-0x400"), QStringLiteral("-o"), QStringLiteral("-"), QStringLiteral("-binary")});
        QVERIFY2(srec.waitForStarted(), "srec_cat (srecord) is needed");
        QVERIFY(srec.waitForFinished());
        QCOMPARE(srec.exitCode(), 0);
        QCOMPARE(srec.readAllStandardOutput().toHex(' '), block.toHex(' '));

        const QString program = m_work + QStringLiteral("/macro_c");
        QProcess gcc;
        // The file's own "void main()" is what users' projects build on; only errors count.
        gcc.start(QStringLiteral("gcc"),
                  {QStringLiteral("-w"), m_work + QStringLiteral("/macro.c"), QStringLiteral("-o"), program});
        QVERIFY2(gcc.waitForStarted(), "gcc is needed");
        QVERIFY(gcc.waitForFinished());
        QVERIFY2(gcc.exitCode() == 0, gcc.readAllStandardError().constData());
        QProcess run;
        run.start(program, {});
        QVERIFY(run.waitForFinished());
        QString printed;
        for (char b : macroBytes)
            printed += QString::asprintf("%2x ", uchar(b));
        QCOMPARE(QString::fromLatin1(run.readAllStandardOutput()), printed);
    }

    void buildAndWriteAnImageList(PtyModule &module, StartedWindow &s)
    {
        const QString pics = m_work + QStringLiteral("/pics");
        QDir().mkpath(pics);
        BmpLayout logo;
        logo.width = 16;
        logo.height = 16;
        QVERIFY(writeFile(pics + QStringLiteral("/logo.bmp"),
                          buildBmp(logo, [](int x, int y) { return logoDot(x, y) ? 0xffffffu : 0u; })));
        BmpLayout mark;
        mark.width = 8;
        mark.height = 8;
        mark.bitCount = 1;
        mark.palette = {0x000000, 0xffffff};
        QVERIFY(writeFile(pics + QStringLiteral("/mark.bmp"),
                          buildBmp(mark, [](int x, int y) { return markDot(x, y) ? 1u : 0u; })));

        s.child<QRadioButton>("OptSeries_1")->click();
        s.window.showImageListWindow();
        auto *w = s.window.findChild<ImageListWindow *>(QStringLiteral("FrmImage"));
        QVERIFY(w && w->isVisible());
        s.dialogs.chooseFile(pics + QStringLiteral("/logo.bmp"), 1);
        childOf<QAction>(w, "Toolbar1_Add")->trigger();
        s.dialogs.chooseFile(pics + QStringLiteral("/mark.bmp"), 1);
        childOf<QAction>(w, "Toolbar1_Add")->trigger();
        QCOMPARE(s.window.imageList().comboItems(), (QStringList{"Image0000 [logo.bmp]", "Image0001 [mark.bmp]"}));
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.dialogs.shown.join(" | ")));

        s.dialogs.chooseFile(m_work + QStringLiteral("/list.iml"), 1);
        childOf<QAction>(w, "Toolbar1_Save")->trigger();
        checkGolden(m_work + QStringLiteral("/list.iml"), QStringLiteral("list.iml"));
        if (QTest::currentTestFailed())
            return;

        // The export window: first to a file.
        const QString exportPath = m_work + QStringLiteral("/images.txt");
        bool exported = false;
        whenModalShows(QStringLiteral("frmListExport"), [&](QWidget *modal) {
            s.dialogs.chooseFile(exportPath);
            childOf<QPushButton>(modal, "cmdExport2File")->click();
            exported = true;
        });
        childOf<QAction>(w, "Toolbar1_Convert")->trigger();
        QVERIFY(exported);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.dialogs.shown.join(" | ")));
        checkGolden(exportPath, QStringLiteral("images.txt"));
        if (QTest::currentTestFailed())
            return;

        // Then straight into the module.
        module.readAvailable();
        const qsizetype before = module.received().size();
        int written = -1;
        whenModalShows(QStringLiteral("frmListExport"), [&](QWidget *modal) {
            childOf<QPushButton>(modal, "cmdWrite")->click();
            written = childOf<QProgressBar>(modal, "ProgressBar2")->value();
        });
        childOf<QAction>(w, "Toolbar1_Convert")->trigger();
        QCOMPARE(written, 100);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.dialogs.shown.join(" | ")));
        QString exportText;
        QVERIFY(readTextFile(exportPath, exportText));
        const ModuleBytes image = exportTextToBytes(exportText);
        QVERIFY(image.ok);
        QVERIFY(module.waitForBytes(before + image.bytes.size()));
        QCOMPARE(module.received().mid(before).toHex(' '), image.bytes.toHex(' '));
        m_imageBytes = image.bytes;

        childOf<QAction>(w, "Toolbar1_Door")->trigger();
        QVERIFY(!w->isVisible());
        QVERIFY(s.window.isVisible());
    }

    void walkTheFirstTutorialSteps(StartedWindow &s)
    {
        QTest::mouseClick(s.child<QLabel>("toviImage"), Qt::LeftButton);
        auto *tutor = s.window.findChild<TutorialWindow *>(QStringLiteral("tutorForm"));
        QVERIFY(tutor && tutor->isVisible());
        auto shown = [tutor] { return childOf<QPlainTextEdit>(tutor, "toviText")->toPlainText(); };
        auto said = [tutor](const char *id) {
            return tutor->engine().buildText(QLatin1String(id)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        };
        QCOMPARE(shown(), said("welcome.first"));
        // Check Connection: the first step is done once the tutorial looks again.
        childOf<QPushButton>(tutor, "NextCommandButton")->click();
        QCOMPARE(shown(), said("s1.intro"));
        s.window.toviTimer_Timer();
        QCOMPARE(shown(), said("s1.done"));
        childOf<QPushButton>(tutor, "NextCommandButton")->click();
        QCOMPARE(shown(), said("s2.intro"));
        s.click("InitializeCommandButton");
        QCOMPARE(shown(), said("s2.done"));
        // Display Character: the tutorial puts "Hello" in the text box; the user writes it.
        childOf<QPushButton>(tutor, "NextCommandButton")->click();
        QCOMPARE(shown(), said("s3.intro"));
        QCOMPARE(s.child<QPlainTextEdit>("TextBox")->toPlainText(), QStringLiteral("Hello"));
        s.click("cmdBtn1_11");
        QCOMPARE(shown(), said("s3.done"));
        // A credit shows on the bar at the tutorial's next look.
        QCOMPARE(childOf<QProgressBar>(tutor, "ToutatuProgressBar")->value(), 2);
        childOf<QPushButton>(tutor, "NextCommandButton")->click();
        QCOMPARE(shown(), said("s4.intro"));
        QCOMPARE(childOf<QProgressBar>(tutor, "ToutatuProgressBar")->value(), 3);
    }

    QByteArray m_imageBytes;

private slots:
    void aWholeSessionSurvivesARestart()
    {
        m_work = QDir::homePath() + QStringLiteral("/work");
        QVERIFY(QDir().mkpath(m_work));
        const QByteArray recorded = recordedCommands();
        QString macroText;
        PtyModule module;
        QVERIFY2(module.isOpen(), qPrintable(module.errorString()));
        m_port = module.slavePath();
        {
            StartedWindow s(m_port);
            // The module reads whatever comes, all the time.
            QTimer reader;
            connect(&reader, &QTimer::timeout, [&module] { module.readAvailable(); });
            reader.start(1);

            QVERIFY(s.window.link().anyLinkOpen());
            s.click("cmdOnLine");
            QVERIFY(s.child<QLabel>("imgOnLine")->isVisible());
            QVERIFY(s.dialogs.shown.isEmpty());

            recordARun(s);
            QVERIFY(!QTest::currentTestFailed());
            QVERIFY(module.waitForBytes(recorded.size()));
            QCOMPARE(module.received().toHex(' '), recorded.toHex(' '));
            macroText = s.window.state().MacroText;

            s.click("PlayCommandButton");
            QTRY_VERIFY(!s.window.player().running());
            QVERIFY(!s.window.player().playButtonActive());
            QVERIFY(module.waitForBytes(2 * recorded.size()));
            QCOMPARE(module.received().toHex(' '), (recorded + recorded).toHex(' '));
            QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.dialogs.shown.join(" | ")));

            saveInEveryFormat(s);
            if (QTest::currentTestFailed())
                return;
            checkOutputsWithOtherTools(recorded);
            if (QTest::currentTestFailed())
                return;

            buildAndWriteAnImageList(module, s);
            if (QTest::currentTestFailed())
                return;

            walkTheFirstTutorialSteps(s);
            if (QTest::currentTestFailed())
                return;

            RecordingSink sink;
            ScriptedDialogs dialogs;
            VX5200 tutorial(&sink, &dialogs);
            tutorial.InitializeDisplay();
            tutorial.CharacterDisplay("Hello");
            const QByteArray all = recorded + recorded + m_imageBytes + sink.all();
            QVERIFY(module.waitForBytes(all.size()));
            QCOMPARE(module.received().toHex(' '), all.toHex(' '));

            s.window.close();
            QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.dialogs.shown.join(" | ")));
            QTest::qWait(20);
            module.readAvailable();
            QCOMPARE(module.received().size(), all.size());
        }
        for (const char *file : {"Config.dat", "Tmp.sei", "temp.iml", "Imgpath.tmp", "enma.tmp"})
            checkGolden(programFile(QLatin1String(file)), QLatin1String(file));
        // The module write went through the same export text as the file.
        QCOMPARE(readAll(programFile(QStringLiteral("temp.txt"))), readAll(m_work + QStringLiteral("/images.txt")));
        if (QTest::currentTestFailed())
            return;

        // The restart finds everything as it was left, on-line on the same module.
        const qsizetype sent = module.received().size();
        StartedWindow s(QStringLiteral("1"), {}, true);
        QCOMPARE(s.child<QComboBox>("CommPortList")->currentText(), m_port);
        QVERIFY(s.window.link().anyLinkOpen());
        QVERIFY(s.child<QLabel>("imgOnLine")->isVisible());
        QCOMPARE(s.window.encoder().moduleName(), QStringLiteral("VX140X32_52K"));
        QCOMPARE(s.window.state().MacroText, macroText);
        QCOMPARE(s.window.seriesOption(), 1);
        QVERIFY(s.child<QRadioButton>("OptSeries_1")->isChecked());
        QCOMPARE(s.window.imageList().comboItems(), (QStringList{"Image0000 [logo.bmp]", "Image0001 [mark.bmp]"}));
        QCOMPARE(s.window.imageList().entries().at(1).imgAddress, 32);
        QCOMPARE(s.window.state().UILanguage, QStringLiteral("English"));
        // The tutorial remembers the three checkpoints.
        QTest::mouseClick(s.child<QLabel>("toviImage"), Qt::LeftButton);
        auto *tutor = s.window.findChild<TutorialWindow *>(QStringLiteral("tutorForm"));
        QVERIFY(tutor && tutor->isVisible());
        QVERIFY(childOf<QPlainTextEdit>(tutor, "toviText")
                    ->toPlainText()
                    .startsWith(QStringLiteral("     Welcome back to the VX-5200 Tutorial !")));
        QCOMPARE(childOf<QProgressBar>(tutor, "ToutatuProgressBar")->value(), 3);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.dialogs.shown.join(" | ")));
        s.window.close();
        // Starting and stopping sent the module nothing.
        QTest::qWait(20);
        module.readAvailable();
        QCOMPARE(module.received().size(), sent);
        if (!m_updated.isEmpty())
            qWarning() << "golden files written:" << m_updated;
    }
};

KVX_TEST_MAIN(TestE2eWholeRun)
#include "tst_e2e_whole_run.moc"
