#include "image_list/image_export.h"
#include "image_list/image_list.h"
#include "image_list/list_files.h"
#include "image_list/memory_map.h"
#include "link/app_paths.h"
#include "macro_editor/macro_files.h"
#include "shell/stored_text.h"
#include "support/fake_link_parts.h"
#include "support/message_text.h"
#include "support/queued_input.h"
#include "support/started_window.h"
#include "support/test_main.h"
#include "tutorial/ui/tutorial_window.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace kvx;
using namespace kvx::test;

namespace {

// While it lives no file of this process can grow past `room` bytes, as on a full
// disk: every write of a byte beyond fails. (Tests run as root, whom no folder
// permission stops.)
class FullDisk
{
public:
    explicit FullDisk(rlim_t room = 0)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_old;
        none.rlim_cur = room;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
};

// Standard error goes into a file while it lives.
struct StandardErrorInFile
{
    StandardErrorInFile()
    {
        if (file.open())
            ::dup2(file.handle(), STDERR_FILENO);
    }
    ~StandardErrorInFile()
    {
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    QTemporaryFile file;
    const int saved = ::dup(STDERR_FILENO);
};

const QByteArray OldBytes = "old bytes that must stay\r\n";
const QByteArray Blocker = "a file where the folder should be";

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Replaces the folder by a file of the same name.
bool blockFolder(const QString &folder)
{
    QDir(folder).removeRecursively();
    QFile::remove(folder);
    return put(folder, Blocker);
}

ImageListEntry vramEntry()
{
    ImageListEntry e;
    e.imgLabel = QStringLiteral("V");
    e.imgX = 40;
    e.imgY = 16;
    e.imgCheck = 2;
    e.imgMemory = QStringLiteral("VRAM");
    e.imgAddress = 300;
    return e;
}

// One file the program writes: its name, whether it lives in the program's own folder
// (else the user picks the place), and the write itself; true when it was written.
struct Writer
{
    QString fileName;
    bool ownFolder = false;
    std::function<bool(const QString &path, StartedWindow &s)> write;
};

Writer writer(const QString &name)
{
    const auto macro = [](const QString &file, int filter) {
        return Writer{file, false, [filter](const QString &path, StartedWindow &s) {
                          MacroFileOperations files(s.dialogs);
                          s.dialogs.chooseFile(path, filter);
                          QString folder;
                          return files.save(QStringLiteral("*** m ***\r\nPRT 1bh 40h;"), false, folder);
                      }};
    };
    if (name == "macro text")
        return macro(QStringLiteral("m.txt"), 0);
    if (name == "macro command sequence")
        return macro(QStringLiteral("m.sei"), 1);
    if (name == "macro Intel HEX")
        return macro(QStringLiteral("m.hex"), 2);
    if (name == "macro assembler")
        return macro(QStringLiteral("m.asm"), 3);
    if (name == "macro C")
        return macro(QStringLiteral("m.c"), 4);
    const auto list = [](StartedWindow &s) {
        auto *l = new ImageList(s.dialogs, &s.window);
        l->setSeriesOption(3);
        l->replaceEntries({vramEntry()});
        return l;
    };
    if (name == "image list")
        return {QStringLiteral("list.iml"), false, [list](const QString &path, StartedWindow &s) {
                    ImageListFiles files(*list(s), s.dialogs);
                    s.dialogs.chooseFile(path, 1);
                    return files.saveImageListAs();
                }};
    if (name == "image listing")
        return {QStringLiteral("listing.txt"), false, [list](const QString &path, StartedWindow &s) {
                    ImageListFiles files(*list(s), s.dialogs);
                    s.dialogs.chooseFile(path, 0);
                    return files.outputList();
                }};
    if (name == "temp.iml")
        return {QStringLiteral("temp.iml"), true, [list](const QString &, StartedWindow &s) {
                    return ImageListFiles(*list(s), s.dialogs).saveTempImageList();
                }};
    if (name == "Imgpath.tmp")
        return {QStringLiteral("Imgpath.tmp"), true, [list](const QString &, StartedWindow &s) {
                    return ImageListFiles(*list(s), s.dialogs).saveImgPathFile();
                }};
    if (name == "image export")
        return {QStringLiteral("export.txt"), false, [](const QString &path, StartedWindow &s) {
                    ExportContext c;
                    QList<ImageListEntry> none;
                    c.map = assignImageAddresses(none, 0, 1, QStringLiteral("2100"));
                    c.seriesOption = 1;
                    c.language = QStringLiteral("English");
                    return ImageExporter(s.dialogs).writeExportFile(path, c) > 0;
                }};
    if (name == "enma.tmp")
        return {QStringLiteral("enma.tmp"), true, [](const QString &path, StartedWindow &s) {
                    TutorialWindow *tutor = s.program.tutorWindow();
                    tutor->setRecordPath(path);
                    tutor->showTutorial();
                    s.dialogs.shown.clear();
                    const qsizetype before = s.dialogs.shown.size();
                    tutor->unloadTutorial();
                    return s.dialogs.shown.size() == before;
                }};
    qFatal("no writer %s", qPrintable(name));
}

} // namespace

class TestFaultFiles : public QObject
{
    Q_OBJECT
private:
    void writers()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"macro text", "macro command sequence", "macro Intel HEX", "macro assembler", "macro C", "image list",
              "image listing", "temp.iml", "Imgpath.tmp", "image export", "enma.tmp"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

private slots:
    void init() { forgetProgramFiles(); }
    void cleanup()
    {
        QFile::remove(programFolder()); // a file left standing in its place
        forgetProgramFiles();
    }

    // Each writer works where it can write (so the failures below are the folder's).
    void writesWhereTheFolderIsThere_data() { writers(); }
    void writesWhereTheFolderIsThere()
    {
        QFETCH(QString, name);
        const Writer w = writer(name);
        QTemporaryDir dir;
        const QString path = QDir(w.ownFolder ? programFolder() : dir.path()).filePath(w.fileName);
        StartedWindow s;
        QVERIFY(w.write(path, s));
        QVERIFY(QFile::exists(path));
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.dialogs.shown.join(" | ")));
    }

    // A file stands where the folder should be: the write fails with a message that
    // names the file, and the file in the folder's place is left alone.
    void writeIntoAFolderThatIsAFileShowsAMessage_data() { writers(); }
    void writeIntoAFolderThatIsAFileShowsAMessage()
    {
        QFETCH(QString, name);
        const Writer w = writer(name);
        QTemporaryDir dir;
        StartedWindow s;
        const QString folder = w.ownFolder ? programFolder() : dir.filePath(QStringLiteral("sub"));
        QVERIFY(blockFolder(folder));
        QVERIFY(!w.write(folder + QLatin1Char('/') + w.fileName, s));
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(contents(folder), Blocker);
    }

    // The disk refuses every byte: the write fails with a message and the old file
    // keeps every byte it had; no half-written file is left beside it.
    void failedWriteLeavesTheOldFileWhole_data() { writers(); }
    void failedWriteLeavesTheOldFileWhole()
    {
        QFETCH(QString, name);
        const Writer w = writer(name);
        QTemporaryDir dir;
        StartedWindow s;
        const QString folder = w.ownFolder ? programFolder() : dir.path();
        const QString path = QDir(folder).filePath(w.fileName);
        QVERIFY(put(path, OldBytes));
        const QStringList before = QDir(folder).entryList(QDir::Files);
        bool written = true;
        {
            FullDisk full;
            written = w.write(path, s);
        }
        QVERIFY(!written);
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(contents(path), OldBytes);
        QCOMPARE(QDir(folder).entryList(QDir::Files), before);
    }

    // A write the disk stops part-way names its real reason, not an unknown error.
    void writeThatStopsPartWayNamesItsReason()
    {
        const QByteArray bytes(64 * 1024, 'x');
        QFile device(QStringLiteral("/dev/full")); // not through a save file, which would replace it
        QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QCOMPARE(writeAllBytes(device.handle(), bytes, "/dev").value_or(FileFailure{}).kind, FileFailureKind::NoSpace);
        const QString memo = programFile(QStringLiteral("Tmp.sei"));
        QVERIFY(put(memo, OldBytes));
        FullDisk full(4096); // the first 4 KiB go in
        QCOMPARE(writeFileSafely(memo, bytes).failure.kind, FileFailureKind::FileTooLarge);
        QCOMPARE(contents(memo), OldBytes);
    }

    // The window's shut-down writes Config.dat and Tmp.sei first: when they cannot be
    // written, one question names both and asks whether to close anyway. Yes goes on
    // to the tutorial's record (enma.tmp) and the image list's list (temp.iml), each
    // failure reported once, and with a full disk the old files stay whole; No keeps
    // the window open as it was, and a later close with room writes the session's
    // macro. One in Japanese holds no English word of the program's beside the paths.
    // A close asked for while a macro plays stops the play before it writes and asks:
    // no byte goes out while the question stands, and No leaves the play stopped.
    void shutDownThatCannotWriteItsFilesAsks_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<bool>("closeAnyway");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("playing");
        QTest::newRow("folder is a file, closed anyway") << true << true << "English" << false;
        QTest::newRow("disk full, closed anyway") << false << true << "English" << false;
        QTest::newRow("disk full, kept open") << false << false << "English" << false;
        QTest::newRow("folder is a file, Japanese") << true << true << "Japanese" << false;
        QTest::newRow("disk full, Japanese") << false << true << "Japanese" << false;
        QTest::newRow("disk full while a macro plays, kept open") << false << false << "English" << true;
    }
    void shutDownThatCannotWriteItsFilesAsks()
    {
        QFETCH(bool, folderIsAFile);
        QFETCH(bool, closeAnyway);
        QFETCH(QString, language);
        QFETCH(bool, playing);
        // A module that takes a byte every millisecond.
        FakeSerialPort *port = nullptr;
        QElapsedTimer clock;
        clock.start();
        StartedWindow s(QStringLiteral("/dev/kvx-slow-module"), {}, false, [&]() -> std::unique_ptr<SerialPortIo> {
            auto p = std::make_unique<FakeSerialPort>();
            port = p.get();
            p->beforeReadyCheck = [&clock](FakeSerialPort &q) {
                q.cts = clock.nsecsElapsed() / 1'000'000 >= q.written.size();
            };
            return p;
        });
        const QString config = programFile(QStringLiteral("Config.dat"));
        const QString memo = programFile(QStringLiteral("Tmp.sei"));
        s.window.state().MacroText =
            playing ? QStringLiteral("PRT 1bh 40h 0ch;\r\n").repeated(2000) : QStringLiteral("PRT 1bh 40h;");
        s.dialogs.answers << (closeAnyway ? UserDialogs::Answer::Yes : UserDialogs::Answer::No);
        qsizetype sentWhileAsked = -1;
        s.dialogs.whileAsking = [&](const QString &) {
            if (!playing || sentWhileAsked >= 0)
                return;
            const qsizetype before = port->written.size();
            QTest::qWait(300);
            sentWhileAsked = port->written.size() - before;
        };
        s.window.state().UILanguage = language;
        if (folderIsAFile) {
            QVERIFY(blockFolder(programFolder()));
            s.window.close();
            QCOMPARE(contents(programFolder()), Blocker);
        } else if (playing) {
            QVERIFY(put(config, OldBytes));
            clock.restart();
            s.click(QStringLiteral("PlayCommandButton"));
            QTRY_VERIFY(port->written.size() > 30);
            FullDisk full;
            postClose(&s.window);
            QTRY_VERIFY(!s.window.player().running());
            QTRY_COMPARE(s.dialogs.shown.size(), 1);
        } else {
            QVERIFY(put(config, OldBytes));
            QVERIFY(put(memo, OldBytes + "memo"));
            FullDisk full;
            s.window.close();
        }
        QCOMPARE(s.dialogs.shown.size(), closeAnyway ? 3 : 1);
        QCOMPARE(sentWhileAsked, qsizetype(playing ? 0 : -1));
        QVERIFY(s.dialogs.shown[0].contains(QDir::toNativeSeparators(config)));
        QVERIFY(s.dialogs.shown[0].contains(QDir::toNativeSeparators(memo)));
        QVERIFY(language == "Japanese" || s.dialogs.shown[0].contains(QStringLiteral("Close the program anyway?")));
        const QStringList paths{programFile(QStringLiteral("enma.tmp")), programFile(QStringLiteral("temp.iml")),
                                config, memo, programFolder()};
        for (const QString &m : std::as_const(s.dialogs.shown))
            QVERIFY2(language == "English" || latinLettersBesidePaths(m, paths).isEmpty(), qPrintable(m));
        if (!folderIsAFile && !playing) {
            QCOMPARE(contents(config), OldBytes);
            QCOMPARE(contents(memo), OldBytes + "memo");
            QCOMPARE(QDir(programFolder()).entryList(QDir::Files), (QStringList{"Config.dat", "Tmp.sei"}));
        }
        QCOMPARE(s.window.isVisible(), !closeAnyway);
        if (playing) {
            const qsizetype after = port->written.size();
            QTest::qWait(100);
            QCOMPARE(port->written.size(), after);
            QVERIFY(!s.window.player().running());
        }
        if (closeAnyway) {
            QVERIFY(s.dialogs.shown[1].contains(programFile(QStringLiteral("enma.tmp"))));
            QVERIFY(s.dialogs.shown[2].contains(QDir::toNativeSeparators(programFile(QStringLiteral("temp.iml")))));
            return;
        }
        s.window.close();
        QVERIFY(!s.window.isVisible());
        QCOMPARE(contents(memo), s.window.state().MacroText.toUtf8() + "\r\n");
    }

    // The desktop ends the session (a logout) while the close question stands: the
    // question is closed, the program ends with the files it could write, and what
    // could not be written is said on standard error, as nobody is there to read it.
    void aSignalWhileTheCloseQuestionStandsEndsAndSaysTheFailureOnStandardError()
    {
        StartedWindow s;
        const QString config = programFile(QStringLiteral("Config.dat"));
        QVERIFY(QDir().mkpath(config));
        s.window.state().MacroText = QStringLiteral("PRT 1bh 40h;");
        s.dialogs.answers << UserDialogs::Answer::No;
        int question = -1;
        QElapsedTimer clock;
        s.dialogs.whileAsking = [&](const QString &text) {
            QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Yes | QMessageBox::No, &s.window);
            QTimer::singleShot(0, [&] {
                clock.start();
                std::raise(SIGTERM);
            });
            question = box.exec();
        };
        StandardErrorInFile error;
        s.window.close();
        QTRY_VERIFY(!s.window.isVisible());
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(question, int(QDialog::Rejected));
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(contents(programFile(QStringLiteral("Tmp.sei"))), QByteArray("PRT 1bh 40h;\r\n"));
        QVERIFY(contents(error.file.fileName()).contains(QDir::toNativeSeparators(config).toLocal8Bit()));
    }
};

KVX_TEST_MAIN(TestFaultFiles)
#include "tst_fault_files.moc"
