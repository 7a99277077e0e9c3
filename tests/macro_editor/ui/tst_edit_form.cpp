#include "link/app_paths.h"
#include "macro_editor/ui/edit_form.h"
#include "support/fake_link_parts.h"
#include "support/queued_input.h"
#include "support/recording_sink.h"
#include "support/started_window.h"
#include "support/test_main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>

using namespace kvx;
using namespace kvx::test;
using Answer = UserDialogs::Answer;

namespace {

EditForm *editorOf(MainWindow &w)
{
    auto *e = w.findChild<EditForm *>();
    if (!e)
        qFatal("no editor");
    return e;
}

template <typename T> T *in(EditForm *e, const char *name)
{
    T *w = e->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no %s in the editor", name);
    return w;
}

void press(EditForm *e, const char *name)
{
    in<QAbstractButton>(e, name)->click();
}

void trigger(EditForm *e, const char *action)
{
    in<QAction>(e, action)->trigger();
}

} // namespace

class TestEditForm : public QObject
{
    Q_OBJECT
private slots:
    // Each window starts from nothing: no settings or macro kept by an earlier one.
    void init() { QDir(programFolder()).removeRecursively(); }

    void editButtonShowsTheMacroAndCloseHandsItBack()
    {
        StartedWindow s;
        EditForm *e = editorOf(s.window);
        QVERIFY(!e->isVisible());
        s.window.state().MacroText = QStringLiteral("*** a ***\r\nPRT 1bh;\r\n");
        s.click("EditCommandButton");
        QVERIFY(e->isVisible());
        auto *box = in<QPlainTextEdit>(e, "EditBox");
        QCOMPARE(box->toPlainText(), QStringLiteral("*** a ***\nPRT 1bh;\n"));
        box->moveCursor(QTextCursor::End);
        box->insertPlainText(QStringLiteral("PRT 0ch;\n"));
        trigger(e, "Close_");
        QVERIFY(!e->isVisible());
        QCOMPARE(s.window.state().MacroText, QStringLiteral("*** a ***\r\nPRT 1bh;\r\nPRT 0ch;\r\n"));

        // Recorded while hidden: part of the text on reopening.
        s.click("RecCommandButton");
        s.click("cmdBtn1_1");
        s.click("EditCommandButton");
        QVERIFY(e->editorText().startsWith(QStringLiteral("*** a ***\r\nPRT 1bh;\r\nPRT 0ch;\r\n")));
        QVERIFY(e->editorText().contains(QStringLiteral("PRT 0ch;")));
        QCOMPARE(e->editorText(), s.window.state().MacroText);

        // The close box hands the text back too, and unloads the window: the next opening
        // makes a new one, without what the old one showed.
        box->setPlainText(QStringLiteral("edited"));
        emit s.window.host().receivedDataChanged(QStringLiteral("41h A\r\n"));
        QPointer<EditForm> closed = e;
        e->close();
        QCOMPARE(s.window.state().MacroText, QStringLiteral("edited"));
        QTRY_VERIFY(closed.isNull());
        s.click("EditCommandButton");
        e = editorOf(s.window);
        QCOMPARE(e->editorText(), QStringLiteral("edited"));
        QCOMPARE(e->windowTitle(), QStringLiteral("Edit"));
        QVERIFY(in<QPlainTextEdit>(e, "TxtSO")->toPlainText().isEmpty());
    }

    // Each opening makes a new editor, whose buttons show the icons of the last one: the
    // pictures painted before are found again in the pixmap cache.
    void aNewEditorsButtonsHaveTheIconsOfTheLastOne()
    {
        StartedWindow s;
        s.click("EditCommandButton");
        QPointer<EditForm> first = editorOf(s.window);
        const qint64 icon = in<QAbstractButton>(first, "SaveCommandButton")->icon().cacheKey();
        first->close();
        QTRY_VERIFY(first.isNull());
        s.click("EditCommandButton");
        QCOMPARE(in<QAbstractButton>(editorOf(s.window), "SaveCommandButton")->icon().cacheKey(), icon);
    }

    void textKeepsCrLfAndTheWidgetUsesNewlines_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("kept");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\nb\n")
                               << QStringLiteral("a\r\nb\r\n");
        QTest::newRow("lone LF and CR") << QStringLiteral("a\nb\rc") << QStringLiteral("a\nb\nc")
                                        << QStringLiteral("a\r\nb\r\nc");
        QTest::newRow("no-break space kept") << QStringLiteral("*** a\u00a0b ***") << QStringLiteral("*** a b ***")
                                             << QStringLiteral("*** a\u00a0b ***");
    }
    void textKeepsCrLfAndTheWidgetUsesNewlines()
    {
        QFETCH(QString, given);
        QFETCH(QString, widget);
        QFETCH(QString, kept);
        StartedWindow s;
        EditForm *e = editorOf(s.window);
        e->setEditorText(given);
        QCOMPARE(in<QPlainTextEdit>(e, "EditBox")->toPlainText(), widget);
        QCOMPARE(e->editorText(), kept);
    }

    void recorderInsertsAtTheCaretWhileShown()
    {
        StartedWindow s;
        EditForm *e = editorOf(s.window);
        s.window.state().MacroText = QStringLiteral("first\r\nlast\r\n");
        s.click("EditCommandButton");
        e->setSelection({7, 7});
        s.click("RecCommandButton");
        s.click("cmdBtn1_1");
        const QString text = e->editorText();
        QVERIFY2(text.startsWith(QStringLiteral("first\r\n\r\n*** ")), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral(" ***\r\nPRT 0ch;\r\n\r\n\r\nlast\r\n")), qPrintable(text));
        // Still in the editor only.
        QCOMPARE(s.window.state().MacroText, QStringLiteral("first\r\nlast\r\n"));
    }

    void f8StepsARecordedBlockByteExact()
    {
        WindowWithModule m;
        MainWindow &w = m.started.window;
        m.started.click("RecCommandButton");
        m.started.click("cmdBtn1_1"); // 0C
        w.findChild<QLineEdit *>(QStringLiteral("CursorXBox"))->setText(QStringLiteral("300"));
        w.findChild<QLineEdit *>(QStringLiteral("CursorYBox"))->setText(QStringLiteral("2"));
        m.started.click("cmdBtn1_0"); // 1F 24 2C 01 02 00
        m.started.click("StopCommandButton");
        QVERIFY(m.module.waitForBytes(7));
        const QByteArray recorded = m.module.received();
        m.module.clearReceived();

        m.started.click("EditCommandButton");
        EditForm *e = editorOf(w);
        auto *box = in<QPlainTextEdit>(e, "EditBox");
        e->activateWindow();
        // The editor's own window, not only its native one: the shortcut goes by it.
        QTRY_COMPARE(QApplication::activeWindow(), e);
        box->setFocus();
        box->moveCursor(QTextCursor::Start);
        m.started.dialogs.answers.enqueue(Answer::Cancel);
        const int lines = int(e->editorText().count(QLatin1String("\r\n")));
        for (int i = 0; i < lines; ++i)
            QTest::keyClick(box, Qt::Key_F8);
        QVERIFY(m.module.waitForBytes(recorded.size()));
        QTest::qWait(50);
        m.module.readAvailable();
        QCOMPARE(m.module.received().toHex(' '), recorded.toHex(' '));
        QCOMPARE(m.started.dialogs.shown, QStringList{QStringLiteral("Do you want to start form the top?")});

        // A modified key does not step.
        box->moveCursor(QTextCursor::Start);
        m.module.clearReceived();
        QTest::keyClick(box, Qt::Key_F8, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_F8, Qt::ControlModifier);
        QTest::qWait(50);
        QVERIFY(m.module.readAvailable().isEmpty());
        QCOMPARE(box->textCursor().position(), 0);
    }

    void playRunsTheMainWindowsPlayerOnTheEditorsText()
    {
        WindowWithModule m;
        MainWindow &w = m.started.window;
        m.started.click("EditCommandButton");
        EditForm *e = editorOf(w);
        e->setEditorText(QStringLiteral("*** x ***\r\nPRT 1bh 40h;\r\nPRT 0ch;\r\n"));
        m.module.clearReceived();
        press(e, "PlayCommandButton");
        QVERIFY(m.module.waitForBytes(3));
        QCOMPARE(m.module.received(), hexBytes("1b 40 0c"));
        QCOMPARE(w.state().MacroText, e->editorText());
    }

    void stepWithNoModuleSendsNothing()
    {
        StartedWindow s;
        EditForm *e = editorOf(s.window);
        e->setEditorText(QStringLiteral("PRT 1bh 40h;\r\n"));
        s.dialogs.askedBy.clear();
        press(e, "StepCommandButton");
        QCOMPARE(s.dialogs.shown, QStringList{QStringLiteral("Display is not conected or no power")});
        QCOMPARE(s.dialogs.askedBy, QList<QObject *>{e});
        QCOMPARE(e->selection().start, 0);
        QCOMPARE(e->selection().end, 0);
    }

    void bytesFromTheModuleShowInTheReceivedDataColumn()
    {
        WindowWithModule m;
        MainWindow &w = m.started.window;
        m.started.click("EditCommandButton");
        EditForm *e = editorOf(w);
        auto *txt = in<QPlainTextEdit>(e, "TxtSO");
        QVERIFY(!txt->isVisible());
        QVERIFY(w.receiveMonitor());
        m.module.write(QByteArray("\x1b\x41", 2));
        QTRY_VERIFY(txt->toPlainText().contains(QLatin1String("-----")));
        // One line per byte, the burst closed by the separator.
        QVERIFY2(txt->toPlainText().endsWith(QStringLiteral("1Bh \n41h A\n-----\n")), qPrintable(txt->toPlainText()));
        QVERIFY(txt->isVisible());
        QVERIFY(in<QLabel>(e, "LblSO")->isVisible());
        QVERIFY(in<QPushButton>(e, "CmdClrSO")->isVisible());
        QVERIFY(txt->x() > in<QPlainTextEdit>(e, "EditBox")->geometry().right());

        // Off-line and on-line again: the box keeps its text and the new port's
        // monitor appends to it (first a separator, as after every start).
        const QString shown = txt->toPlainText();
        m.started.click("cmdOffLine");
        m.started.click("cmdOnLine");
        QVERIFY(w.receiveMonitor());
        QTRY_COMPARE(txt->toPlainText(), shown + "-----\n");
        m.module.write(QByteArray("B"));
        QTRY_COMPARE(txt->toPlainText(), shown + "-----\n42h B\n-----\n");

        press(e, "CmdClrSO");
        QVERIFY(txt->toPlainText().isEmpty());
        QVERIFY(w.receiveMonitor()->receivedDataText().isEmpty());
        e->resize(e->width() + 20, e->height());
        QTRY_VERIFY(!txt->isVisible());
    }

    void shutDownWithTheEditorOpenKeepsTheEdits()
    {
        StartedWindow s;
        s.click("EditCommandButton");
        EditForm *e = editorOf(s.window);
        in<QPlainTextEdit>(e, "EditBox")->setPlainText(QStringLiteral("PRT 1bh;\n"));
        s.window.close();
        QCOMPARE(s.window.state().MacroText, QStringLiteral("PRT 1bh;\r\n"));
        // The next run finds it in Tmp.sei (once the main window keeps the macro there).
        QFile memo(programFile(QStringLiteral("Tmp.sei")));
        if (memo.open(QIODevice::ReadOnly))
            QVERIFY(memo.readAll().startsWith("PRT 1bh;\r\n"));
    }

    void clearAsksFirst()
    {
        StartedWindow s;
        s.window.state().MacroText = QStringLiteral("PRT 1bh;");
        s.click("EditCommandButton");
        EditForm *e = editorOf(s.window);
        s.dialogs.askedBy.clear();
        s.dialogs.answers.enqueue(Answer::Cancel);
        press(e, "ClearCommandButton");
        QCOMPARE(s.dialogs.askedBy, QList<QObject *>{e});
        QCOMPARE(e->editorText(), QStringLiteral("PRT 1bh;"));
        QCOMPARE(s.dialogs.titles.last(), QStringLiteral("All Clear"));
        QCOMPARE(s.dialogs.shown.last(), QStringLiteral("Are you sure? in process data will eliminate"));
        s.dialogs.answers.enqueue(Answer::Ok);
        press(e, "ClearCommandButton");
        QVERIFY(e->editorText().isEmpty());
        QVERIFY(s.window.state().MacroText.isEmpty());
    }

    void pauseAndStopActOnTheMainWindowsRecorder()
    {
        StartedWindow s;
        s.click("EditCommandButton");
        EditForm *e = editorOf(s.window);
        s.click("RecCommandButton");
        press(e, "PauseCommandButton");
        QVERIFY(s.window.commandLog().paused());
        QCOMPARE(in<QPushButton>(e, "PauseCommandButton")->palette().color(QPalette::Button), QColor(255, 0, 0));
        press(e, "StopCommandButton");
        QVERIFY(!s.window.commandLog().recording());
        QVERIFY(!s.window.commandLog().paused());
        QCOMPARE(in<QPushButton>(e, "PauseCommandButton")->palette().color(QPalette::Button),
                 QApplication::palette().color(QPalette::Button));
    }

    void captionsAndMacroItemFollowLanguageAndSeries()
    {
        StartedWindow s;
        EditForm *e = editorOf(s.window);
        s.click("EditCommandButton");
        QCOMPARE(e->windowTitle(), QStringLiteral("Edit"));
        QCOMPARE(in<QAction>(e, "Macro")->text(), QString());
        QCOMPARE(in<QPushButton>(e, "StepCommandButton")->text(), QStringLiteral("Step(F8 key)"));
        QVERIFY(!in<QAction>(e, "Macro")->isEnabled()); // newer series
        trigger(e, "Close_");

        s.window.state().UILanguage = QStringLiteral("Japanese");
        s.window.encoder().moduleName(QStringLiteral("VX256X64_21K"));
        s.click("EditCommandButton");
        QCOMPARE(e->windowTitle(), QStringLiteral("操作記録と編集"));
        QCOMPARE(in<QAction>(e, "Macro")->text(), QStringLiteral("マクロ書込"));
        QCOMPARE(in<QMenu>(e, "File")->title(), QStringLiteral("ファイル"));
        QVERIFY(in<QAction>(e, "Macro")->isEnabled());
    }

    void uploadGoesThroughTheMainEncoderWithRevisionB_data()
    {
        QTest::addColumn<bool>("revisionB");
        QTest::addColumn<bool>("written");
        QTest::newRow("300 bytes too large for RAM") << false << false;
        QTest::newRow("300 bytes fit with revision B") << true << true;
    }
    void uploadGoesThroughTheMainEncoderWithRevisionB()
    {
        QFETCH(bool, revisionB);
        QFETCH(bool, written);
        WindowWithModule m;
        MainWindow &w = m.started.window;
        w.findChild<QCheckBox *>(QStringLiteral("Chk_B"))->setChecked(revisionB);
        w.encoder().moduleName(QStringLiteral("VX256X64_21K"));
        m.started.click("EditCommandButton");
        EditForm *e = editorOf(w);
        QString text;
        for (int i = 0; i < 300; ++i)
            text += QStringLiteral("PRT 41h;\r\n");
        e->setEditorText(text);
        m.module.clearReceived();
        m.started.dialogs.answers << Answer::Yes << Answer::Ok;
        trigger(e, "Macro");
        QVERIFY(!e->findChild<QWidget *>(QStringLiteral("ProgressDialog"))
                || !e->findChild<QWidget *>(QStringLiteral("ProgressDialog"))->isVisible());
        if (!written) {
            QVERIFY(!m.started.dialogs.shown.isEmpty());
            QCOMPARE(m.started.dialogs.shown.last(), QStringLiteral("MACRO is larger than memory capacity."));
            QTest::qWait(50);
            QVERIFY(m.module.readAvailable().isEmpty());
            return;
        }
        const QByteArray expected = hexBytes("1f 3a 2c 01") + QByteArray(300, 'A') + hexBytes("1f 5e 00 00 14");
        QVERIFY(m.module.waitForBytes(expected.size()));
        QCOMPARE(m.module.received().toHex(' '), expected.toHex(' '));
    }

    // F8 pressed while a RAM upload goes out to a slow module: the question that follows
    // the upload is modal, and the key steps nothing while it stands, as Qt keeps input
    // from a window behind a modal dialog.
    void aKeyPressedDuringAnUploadStepsNothingBehindItsQuestion()
    {
        FakeSerialPort *port = nullptr;
        QElapsedTimer clock;
        clock.start();
        qint64 lastByteMs = 0;
        EditForm *e = nullptr;
        StartedWindow s(QStringLiteral("/dev/kvx-slow-module"), {}, false, [&]() -> std::unique_ptr<SerialPortIo> {
            auto p = std::make_unique<FakeSerialPort>();
            port = p.get();
            p->beforeReadyCheck = [&](FakeSerialPort &q) {
                if (q.written.size() == 20 && e && q.cts) {
                    e->activateWindow();
                    postKey(e, Qt::Key_F8);
                }
                if (q.written.size() != 0 && clock.elapsed() - lastByteMs < 5) {
                    q.cts = false;
                    return;
                }
                if (!q.cts)
                    lastByteMs = clock.elapsed();
                q.cts = true;
            };
            return p;
        });
        QVERIFY(port);
        s.window.encoder().moduleName(QStringLiteral("VX256X64_21K"));
        s.click("EditCommandButton");
        e = editorOf(s.window);
        e->setEditorText(QStringLiteral("PRT 41h;\r\n").repeated(60));
        e->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), e);
        in<QPlainTextEdit>(e, "EditBox")->setFocus();
        s.dialogs.answers << Answer::Yes << Answer::Cancel;
        qsizetype whileAsked = -1;
        s.dialogs.whileAsking = [&](const QString &text) {
            if (!text.startsWith(QStringLiteral("Do you wantot")))
                return;
            QDialog box(e);
            box.setModal(true);
            box.show();
            const qsizetype before = port->written.size();
            QTest::qWait(500);
            whileAsked = port->written.size() - before;
        };
        trigger(e, "Macro");
        QCOMPARE(whileAsked, qsizetype(0));
        QTest::qWait(300);
        QCOMPARE(port->written.size(), qsizetype(4 + 60));
    }

    void saveAndLoadThroughTheEditor()
    {
        QTemporaryDir dir;
        StartedWindow s;
        s.click("EditCommandButton");
        EditForm *e = editorOf(s.window);
        const QString text = QStringLiteral("*** 日本語 ***\r\nPRT 1bh 40h;\r\n");
        e->setEditorText(text);
        const QString path = dir.filePath(QStringLiteral("m.sei"));
        s.dialogs.askedBy.clear();
        s.dialogs.chooseFile(path, 1);
        trigger(e, "SaveAs");
        QVERIFY(QFile::exists(path));
        QCOMPARE(s.window.state().WorkFolder, dir.path());

        e->setEditorText(QStringLiteral("other"));
        s.dialogs.chooseFile(path, 1);
        s.dialogs.answers.enqueue(Answer::Ok);
        trigger(e, "Open_");
        QCOMPARE(e->editorText(), text);
        QCOMPARE(s.dialogs.shown.last(), QStringLiteral("Are you sure? in process data will eliminate"));
        // The main window's sample-code label opens the editor's file dialog.
        s.window.Label31_Click();
        // Every dialog stands over the editor: save, open and its question, open again.
        QCOMPARE(s.dialogs.askedBy, (QList<QObject *>{e, e, e, e}));
    }
};

KVX_TEST_MAIN(TestEditForm)
#include "tst_edit_form.moc"
