#include "macro_editor/macro_files.h"
#include "support/intel_hex.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kvx;
using Answer = UserDialogs::Answer;

namespace {

const QString Recorded = QStringLiteral("*** InitializeDisplay ***\r\n*** -Op- ***\r\nPRT 1bh 40h;\r\n\r\n");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestMacroFiles : public QObject
{
    Q_OBJECT
private slots:
    void saveWritesTheFormatTheNameAsksFor_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("macro with the C entry") << "macro" << 4 << "macro.c" << QByteArray("/**\r\n");
        QTest::newRow("data.hex with the text entry")
            << "data.hex" << 0 << "data.hex" << QByteArray(":0404000000021B409B\r\n");
        QTest::newRow("notes.doc is text") << "notes.doc" << 1 << "notes.doc" << Recorded.toUtf8() + "\r\n";
        QTest::newRow("sei entry") << "m" << 1 << "m.sei" << Recorded.toUtf8() + "\r\n";
        QTest::newRow("assembler entry") << "m" << 3 << "m.asm" << QByteArray("\r\n;*** InitializeDisplay ***\r\n");
        QTest::newRow("Intel HEX entry") << "m" << 2 << "m.hex" << QByteArray(":04040000");
    }
    void saveWritesTheFormatTheNameAsksFor()
    {
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        QTemporaryDir dir;
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath(chosen), filter);
        MacroFileOperations ops(dialogs);
        QString workFolder = QStringLiteral("/nowhere");
        QVERIFY(ops.save(Recorded, false, workFolder));
        QVERIFY(dialogs.shown.isEmpty());
        QVERIFY(readAll(dir.filePath(written)).startsWith(start));
        QCOMPARE(workFolder, QDir(dir.path()).absolutePath());
        QCOMPARE(ops.lastPath(), dir.filePath(written));
        const UserDialogs::FileRequest &r = dialogs.requests.first();
        QCOMPARE(r.filters.size(), 5);
        QCOMPARE(r.filterIndex, 1);
        QCOMPARE(r.start, QStringLiteral("/nowhere"));
    }

    void cancelledSaveDoesNothing()
    {
        test::ScriptedDialogs dialogs;
        MacroFileOperations ops(dialogs);
        QString workFolder = QStringLiteral("/w");
        QVERIFY(!ops.save(Recorded, false, workFolder));
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(workFolder, QStringLiteral("/w"));
    }

    void addedExtensionAsksBeforeReplacing_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("keep") << Answer::No;
        QTest::newRow("replace") << Answer::Yes;
    }
    void addedExtensionAsksBeforeReplacing()
    {
        QFETCH(Answer, answer);
        QTemporaryDir dir;
        writeBytes(dir.filePath("macro.c"), "old");
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath("macro"), 4);
        dialogs.answers << answer;
        MacroFileOperations ops(dialogs);
        QString workFolder;
        QCOMPARE(ops.save(Recorded, false, workFolder), answer == Answer::Yes);
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(dialogs.shown.first().contains(QStringLiteral("macro.c already exists.")));
        QCOMPARE(readAll(dir.filePath("macro.c")) == "old", answer == Answer::No);
    }

    // Every converted format refuses a word that is not wholly one byte and writes no file.
    void unreadableTextWritesNoConvertedFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("japanese");
        QTest::newRow("HEX, above FF") << "bad.hex" << 2 << "PRT 1bh;\r\nPRT 100h;"
                                       << "Data error at line: 2 Word:2\r\n\r\nPRT 100h;" << false;
        const QString xyz = "PRT 1bh;\r\nPRT 1bh xyz;";
        const QString xyzMessage = "Data error at line: 2 Word:3\r\n\r\nPRT 1bh xyz;";
        QTest::newRow("HEX, xyz") << "bad.hex" << 2 << xyz << xyzMessage << false;
        QTest::newRow("assembler, xyz") << "bad.asm" << 3 << xyz << xyzMessage << false;
        QTest::newRow("C, xyz") << "bad.c" << 4 << xyz << xyzMessage << false;
        QTest::newRow("PIC demo, xyz") << "bad.hex" << 5 << xyz << xyzMessage << false;
        QTest::newRow("HEX, character 1252 lacks") << "bad.hex" << 2 << "PRT 1bh;\r\nPRT 41h '\u3042;"
                                                   << "Data error at line: 2 Word:3\r\n\r\nPRT 41h '\u3042;" << false;
        QTest::newRow("C, character 932 lacks") << "bad.c" << 4 << "PRT '\u00e9"
                                                << "Data error at line: 1 Word:2\r\n\r\nPRT '\u00e9" << true;
    }
    void unreadableTextWritesNoConvertedFile()
    {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(bool, japanese);
        QTemporaryDir dir;
        writeBytes(dir.filePath("PIC.hex"), test::firmwareFile(test::picFirmware()));
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath(name), filter);
        MacroFileOperations ops(dialogs);
        ops.setFirmwareFolder(dir.path());
        ops.setJapanese(japanese);
        QString workFolder;
        QVERIFY(!ops.save(text, true, workFolder));
        QCOMPARE(dialogs.shown, QStringList{message});
        QVERIFY(!QFile::exists(dir.filePath(name)));
        // A file of that name stays as it was.
        writeBytes(dir.filePath(name), "old");
        dialogs.chooseFile(dir.filePath(name), filter);
        QVERIFY(!ops.save(text, true, workFolder));
        QCOMPARE(readAll(dir.filePath(name)), QByteArray("old"));
    }

    void writeFailureIsShown()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("taken.sei"));
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath("taken.sei"), 1);
        dialogs.chooseFile(dir.filePath("missing/x.sei"), 1);
        MacroFileOperations ops(dialogs);
        QString workFolder;
        QVERIFY(!ops.save(Recorded, false, workFolder));
        QVERIFY(!ops.save(Recorded, false, workFolder));
        QCOMPARE(dialogs.shown.size(), 2);
        QVERIFY(dialogs.shown.at(0).startsWith(QStringLiteral("The file could not be written:")));
        QVERIFY(QFileInfo(dir.filePath("taken.sei")).isDir());
    }

    void demoEntriesNeedAUsableFirmwareFile()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath("PIC.hex"), test::firmwareFile(test::picFirmware()));
        QByteArray badTq = test::firmwareFile(test::tqFirmware());
        badTq[8] = badTq[8] == '0' ? '1' : '0';
        writeBytes(dir.filePath("TQ.hex"), badTq);
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath("demo"), 5);
        MacroFileOperations ops(dialogs);
        ops.setFirmwareFolder(dir.path());
        QString workFolder;
        QVERIFY(ops.save(Recorded, true, workFolder));
        QCOMPARE(dialogs.requests.first().filters.size(), 6);
        QCOMPARE(dialogs.requests.first().filters.last(), QStringLiteral("PIC Demo Program(*.hex)"));
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("Remaining Memory: 3324Bytes")});
        const QString written = QString::fromLatin1(readAll(dir.filePath("demo.hex")));
        QVERIFY(written.startsWith(test::picFirmware().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        QVERIFY(written.contains(QStringLiteral(":08040000003402341B344034C7\r\n")));
    }

    void saveDialogOffersTheLastFileOfItsKind()
    {
        QTemporaryDir dir;
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath("first.sei"), 1);
        dialogs.chooseFile(dir.filePath("second.c"), 4);
        MacroFileOperations ops(dialogs);
        QString workFolder;
        ops.save(Recorded, false, workFolder);
        ops.save(Recorded, false, workFolder);
        ops.save(Recorded, false, workFolder);
        QCOMPARE(dialogs.requests.at(1).start, QDir(dir.path()).filePath("first.sei"));
        QCOMPARE(dialogs.requests.at(2).start, QDir(dir.path()).absolutePath());
    }

    void loadAsksAndReports()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath("a.sei"), "PRT 0ch;\r\n");
        test::ScriptedDialogs dialogs;
        MacroFileOperations ops(dialogs);
        QString workFolder = QStringLiteral("/w");

        QVERIFY(!ops.load(QStringLiteral("old"), workFolder)); // cancelled dialog: silent
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(dialogs.requests.first().filters.size(), 3);
        QCOMPARE(dialogs.requests.first().filterIndex, 1);
        QCOMPARE(dialogs.requests.first().start, QStringLiteral("/w"));

        dialogs.chooseFile(dir.filePath("a.sei"));
        dialogs.answers << Answer::Cancel;
        QVERIFY(!ops.load(QStringLiteral("old"), workFolder));
        QCOMPARE(dialogs.shown, QStringList{QStringLiteral("Are you sure? in process data will eliminate")});
        QCOMPARE(dialogs.titles, QStringList{QStringLiteral("Open File")});
        QCOMPARE(workFolder, QStringLiteral("/w"));

        dialogs.chooseFile(dir.filePath("a.sei"));
        QCOMPARE(ops.load(QString(), workFolder), std::optional<QString>(QStringLiteral("PRT 0ch;")));
        QCOMPARE(dialogs.shown.size(), 1); // an empty editor is not asked
        QCOMPARE(workFolder, QDir(dir.path()).absolutePath());

        dialogs.chooseFile(dir.filePath("gone.sei"));
        QVERIFY(!ops.load(QString(), workFolder));
        QCOMPARE(dialogs.shown.last(), QStringLiteral("File open error"));
    }

    void loadedLineEnds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "a\r\nb";
        QTest::newRow("CR LF without final end") << QByteArray("a\r\nb") << "a\r\nb";
        QTest::newRow("LF") << QByteArray("a\nb\n") << "a\r\nb";
        QTest::newRow("CR") << QByteArray("a\rb\r") << "a\r\nb";
        QTest::newRow("mixed") << QByteArray("a\nb\rc\r\n\r\n") << "a\r\nb\r\nc\r\n";
        QTest::newRow("LF CR") << QByteArray("a\n\rb") << "a\r\n\r\nb";
        QTest::newRow("Windows CP932 file") << QByteArray("*** \x93\xfa\x96\x7b ***\r\nPRT 'A;\r\n")
                                            << QStringLiteral("*** \u65e5\u672c ***\r\nPRT 'A;");
        QTest::newRow("UTF-8 file") << QByteArray("*** \xe6\x97\xa5 ***\n") << QStringLiteral("*** \u65e5 ***");
    }
    void loadedLineEnds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QTemporaryDir dir;
        writeBytes(dir.filePath("f.txt"), file);
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath("f.txt"));
        MacroFileOperations ops(dialogs);
        QString workFolder;
        QCOMPARE(ops.load(QString(), workFolder), std::optional<QString>(text));
    }

    void saveThenLoadGivesTheSameText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("recorded") << Recorded + Recorded;
        QTest::newRow("Japanese comments")
            << QStringLiteral("*** \u6587\u5b57\u8868\u793a ***\r\n*** -Op- ***\r\nPRT 41h;\r\n\r\n");
        QTest::newRow("no final line end") << QStringLiteral("PRT 0ch;");
        QTest::newRow("ends with empty lines") << QStringLiteral("PRT 0ch;\r\n\r\n\r\n");
        QTest::newRow("empty") << QString();
    }
    void saveThenLoadGivesTheSameText()
    {
        QFETCH(QString, text);
        QTemporaryDir dir;
        test::ScriptedDialogs dialogs;
        dialogs.chooseFile(dir.filePath("r.sei"), 1);
        dialogs.chooseFile(dir.filePath("r.sei"), 1);
        MacroFileOperations ops(dialogs);
        QString workFolder;
        QVERIFY(ops.save(text, false, workFolder));
        QCOMPARE(ops.load(QString(), workFolder), std::optional<QString>(text));
    }
};

KVX_TEST_MAIN(TestMacroFiles)
#include "tst_macro_files.moc"
