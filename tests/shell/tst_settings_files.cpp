#include "link/app_paths.h"
#include "shell/settings_files.h"
#include "support/message_text.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

using namespace kvx;

Q_DECLARE_METATYPE(kvx::ConfigSettings)
Q_DECLARE_METATYPE(kvx::FileFailureKind)

namespace {

QByteArray crlf(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString q(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The ten records of a full file whose every value differs from the defaults.
QStringList fullRecords(const QString &tag, const QString &folder)
{
    return {q(tag),
            q(QStringLiteral("*** InterFace ***")),
            q(QStringLiteral("7")),
            q(QStringLiteral("19200,n,8,1")),
            q(QStringLiteral("VX256X64_52K")),
            QStringLiteral("8421631"),
            q(QStringLiteral("2190")),
            q(folder),
            QStringLiteral("1"),
            q(QStringLiteral("Japanese"))};
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString m_folder; // an existing folder a file may name as its bitmap folder

    ConfigSettings defaults() const
    {
        ConfigSettings s;
        s.bitmapFolder = QStringLiteral("/start");
        return s;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_folder = m_tmp.filePath(QStringLiteral("bitmaps"));
        QVERIFY(QDir().mkpath(m_folder));
    }

    void writerProducesTheNewestLayoutExactly_data()
    {
        QTest::addColumn<ConfigSettings>("settings");
        QTest::addColumn<QByteArray>("expected");

        ConfigSettings plain;
        plain.bitmapFolder = QStringLiteral("/home/u/Documents/Telmarin/KVX35P");
        QTest::newRow("defaults") << plain
                                  << QByteArray("\"5200seiV30b2\"\r\n\"*** InterFace ***\"\r\n\"1\"\r\n"
                                                "\"38400,n,8,1\"\r\n\"VX140X32_52K\"\r\n-2147483633\r\n"
                                                "\"5200\"\r\n\"/home/u/Documents/Telmarin/KVX35P\"\r\n0\r\n"
                                                "\"English\"\r\n");
        ConfigSettings s;
        s.port = QStringLiteral("USB");
        s.portSettings = QStringLiteral("Status Read");
        s.model = QStringLiteral("VX256x64_21K");
        s.hintColour = ToolTipsOnColour;
        s.series = 2;
        s.bitmapFolder = QStringLiteral("/data/画像");
        s.revisionB = true;
        s.language = QStringLiteral("Japanese");
        QTest::newRow("everything changed")
            << s
            << QByteArray("\"5200seiV30b2\"\r\n\"*** InterFace ***\"\r\n\"USB\"\r\n\"Status Read\"\r\n"
                          "\"VX256x64_21K\"\r\n8421631\r\n\"5290\"\r\n\"/data/\xE7\x94\xBB\xE5\x83\x8F\"\r\n"
                          "1\r\n\"Japanese\"\r\n");
    }
    void writerProducesTheNewestLayoutExactly()
    {
        QFETCH(ConfigSettings, settings);
        QFETCH(QByteArray, expected);
        QCOMPARE(configBytes(settings), expected);
    }

    void readerTakesWhatEachLayoutHolds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("layout");
        QTest::addColumn<ConfigSettings>("expected");
        QTest::addColumn<bool>("languageRead");

        const ConfigSettings d = defaults();
        const QStringList tags = configTags();
        // Each layout adds one record to the one before it.
        ConfigSettings e = d;
        e.port = QStringLiteral("7");
        e.portSettings = QStringLiteral("19200,n,8,1");
        e.model = QStringLiteral("VX256X64_52K");
        QList<ConfigSettings> byLayout{e};
        e.hintColour = ToolTipsOnColour;
        byLayout << e;
        e.series = 3;
        byLayout << e;
        e.bitmapFolder = m_folder;
        byLayout << e;
        e.revisionB = true;
        byLayout << e;
        e.language = QStringLiteral("Japanese");
        byLayout << e;
        for (int k = 0; k < tags.size(); ++k) {
            const QStringList records = fullRecords(tags.at(k), m_folder).mid(0, 5 + k);
            // The records of newer layouts after the last one are not read.
            const QStringList withExtra = records + fullRecords(tags.at(k), m_folder).mid(5 + k);
            QTest::addRow("%s", qPrintable(tags.at(k))) << crlf(records) << k << byLayout.at(k) << (k == 5);
            QTest::addRow("%s with later records", qPrintable(tags.at(k)))
                << crlf(withExtra) << k << byLayout.at(k) << (k == 5);
        }

        const QStringList full = fullRecords(QStringLiteral("5200seiV30b2"), m_folder);
        QTest::newRow("tag of other case")
            << crlf(fullRecords(QStringLiteral("5200seiv30b2"), m_folder)) << -1 << d << false;
        QTest::newRow("tag with trailing blank")
            << crlf(fullRecords(QStringLiteral("5200seiV30b2 "), m_folder)) << -1 << d << false;
        QTest::newRow("unknown tag") << crlf(fullRecords(QStringLiteral("5200seiV40"), m_folder)) << -1 << d << false;
        QTest::newRow("empty file") << QByteArray() << -1 << d << false;
        QTest::newRow("tag only") << crlf(full.mid(0, 1)) << 5 << d << false;

        ConfigSettings shortFile = byLayout.at(1);
        QTest::newRow("ends after the colour") << crlf(full.mid(0, 6)) << 5 << shortFile << false;
        QByteArray cut = crlf(full.mid(0, 7));
        cut += "\"/home/us";
        QTest::newRow("cut inside the folder") << cut << 5 << byLayout.at(2) << false;
        QByteArray noLastLineEnd = crlf(full);
        noLastLineEnd.chop(2);
        QTest::newRow("no line end at the end") << noLastLineEnd << 5 << byLayout.at(5) << true;

        auto with = [&](int record, const QString &value) {
            QStringList r = full;
            r[record - 1] = value;
            return crlf(r);
        };
        ConfigSettings x = byLayout.at(5);
        x.series = 0;
        QTest::newRow("unknown series string") << with(7, q(QStringLiteral("5300"))) << 5 << x << true;
        x = byLayout.at(5);
        x.model = QStringLiteral("VX256x64_21K");
        QTest::newRow("model of other case") << with(5, q(QStringLiteral("vx256X64_21k"))) << 5 << x << true;
        x.model = d.model;
        QTest::newRow("model not in the list") << with(5, q(QStringLiteral("VX999X99_52K"))) << 5 << x << true;
        x = byLayout.at(5);
        x.hintColour = d.hintColour;
        QTest::newRow("colour not a number") << with(6, QStringLiteral("red")) << 5 << x << true;
        x.hintColour = -1;
        QTest::newRow("hexadecimal colour wraps") << with(6, QStringLiteral("&HFFFFFFFF")) << 5 << x << true;
        x = byLayout.at(5);
        x.revisionB = false;
        QTest::newRow("revision other than 1") << with(9, QStringLiteral("yes")) << 5 << x << true;
        x = byLayout.at(5);
        x.bitmapFolder = d.bitmapFolder;
        QTest::newRow("folder that no longer exists")
            << with(8, q(m_tmp.filePath(QStringLiteral("gone")))) << 5 << x << true;
        QTest::newRow("folder of a Windows run")
            << with(8, q(QStringLiteral("C:\\Users\\u\\Documents"))) << 5 << x << true;
        x = byLayout.at(5);
        x.language = QStringLiteral("Klingon");
        QTest::newRow("language kept as read") << with(10, q(QStringLiteral("Klingon"))) << 5 << x << true;
        x = byLayout.at(5);
        x.portSettings = QStringLiteral("9600");
        // The bare "9600,n,8,1" is four fields, so the later records shift.
        x.model = d.model; // "n"
        x.hintColour = 8;
        x.series = d.series;             // "1"
        x.bitmapFolder = d.bitmapFolder; // "VX256X64_52K"
        x.revisionB = false;             // "8421631"
        x.language = QStringLiteral("2190");
        QTest::newRow("bare field splits at commas") << with(4, QStringLiteral("9600,n,8,1")) << 5 << x << true;
    }
    void readerTakesWhatEachLayoutHolds()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, layout);
        QFETCH(ConfigSettings, expected);
        QFETCH(bool, languageRead);

        const ConfigRead read = parseConfig(file);
        QCOMPARE(read.layout, layout);
        QCOMPARE(read.language.has_value(), languageRead);
        ConfigSettings s = defaults();
        read.applyTo(s);
        QCOMPARE(s.port, expected.port);
        QCOMPARE(s.portSettings, expected.portSettings);
        QCOMPARE(s.model, expected.model);
        QCOMPARE(s.hintColour, expected.hintColour);
        QCOMPARE(s.series, expected.series);
        QCOMPARE(s.bitmapFolder, expected.bitmapFolder);
        QCOMPARE(s.revisionB, expected.revisionB);
        QCOMPARE(s.language, expected.language);
    }

    void saveAndLoadGiveBackEverySetting()
    {
        // In the program's own folder under the test's fresh home, created on demand.
        QDir(programFolder()).removeRecursively();
        ConfigSettings s = defaultConfigSettings();
        s.port = QStringLiteral("/dev/pts/3");
        s.portSettings = QStringLiteral("115200,n,8,1");
        s.model = QStringLiteral("VX128x128_52K");
        s.hintColour = ToolTipsOnColour;
        s.series = 1;
        s.bitmapFolder = m_tmp.filePath(QStringLiteral("say \"cheese\" here"));
        QVERIFY(QDir().mkpath(s.bitmapFolder));
        s.revisionB = true;
        s.language = QStringLiteral("Japanese");
        const FileWriteResult w = saveConfig(s);
        QVERIFY2(w.ok, qPrintable(w.error));
        QCOMPARE(w.path, QDir(programFolder()).filePath(QStringLiteral("Config.dat")));

        const ConfigRead read = loadConfig();
        QVERIFY(read.fileFound);
        ConfigSettings back = defaultConfigSettings();
        read.applyTo(back);
        QCOMPARE(back, s);
    }

    void missingConfigReadsNothing()
    {
        const ConfigRead read = loadConfig(m_tmp.filePath(QStringLiteral("none/Config.dat")));
        QVERIFY(!read.fileFound);
        ConfigSettings s = defaults();
        read.applyTo(s);
        QCOMPARE(s, defaults());
    }

    void failedWriteIsReported()
    {
        QFile blocker(m_tmp.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = m_tmp.filePath(QStringLiteral("blocker/Config.dat"));
        const FileWriteResult w = saveConfig(defaults(), path);
        QVERIFY(!w.ok);
        QVERIFY(!w.error.isEmpty());
        QCOMPARE(w.failure.kind, FileFailureKind::NotAFolder); // the file in the folder's place
        QVERIFY(writeFailureMessage(w, QStringLiteral("English")).contains(path));
        QVERIFY(writeFailureMessage(w, QStringLiteral("Japanese")).startsWith(QStringLiteral("ファイル")));
        QVERIFY(!saveTextMemo(QStringLiteral("x"), m_tmp.filePath(QStringLiteral("blocker/Tmp.sei"))).ok);
    }

    // Each reason the system gives is named in the interface language; in Japanese no
    // word of English is left beside the paths. The rarer ones keep the system's words.
    void failedWriteNamesItsReasonInBothLanguages_data()
    {
        QTest::addColumn<int>("error"); // 0: a failure the writer finds itself
        QTest::addColumn<FileFailureKind>("kind");
        QTest::addColumn<QString>("english");
        QTest::newRow("no space") << ENOSPC << FileFailureKind::NoSpace << "no space left";
        QTest::newRow("quota used up") << EDQUOT << FileFailureKind::NoSpace << "no space left";
        QTest::newRow("no permission") << EACCES << FileFailureKind::NoPermission << "no permission";
        QTest::newRow("not a folder") << ENOTDIR << FileFailureKind::NotAFolder << "is not a folder";
        QTest::newRow("read-only disk") << EROFS << FileFailureKind::ReadOnlyFileSystem << "read-only";
        QTest::newRow("folder not made") << 0 << FileFailureKind::FolderNotCreated << "cannot be created";
        QTest::newRow("too large") << EFBIG << FileFailureKind::FileTooLarge << "larger than";
        QTest::newRow("rarer: the system's words") << EISDIR << FileFailureKind::Other << qt_error_string(EISDIR);
    }
    void failedWriteNamesItsReasonInBothLanguages()
    {
        QFETCH(int, error);
        QFETCH(FileFailureKind, kind);
        QFETCH(QString, english);
        const QString folder = m_tmp.filePath(QStringLiteral("Telmarin"));
        FileWriteResult w;
        w.path = folder + QStringLiteral("/Config.dat");
        w.failure = error ? fileFailureFromErrno(error, folder) : FileFailure{kind, folder, QString()};
        QCOMPARE(w.failure.kind, kind);

        const QString en = writeFailureMessage(w, QStringLiteral("English"));
        const QString ja = writeFailureMessage(w, QStringLiteral("Japanese"));
        QVERIFY2(en.contains(english, Qt::CaseInsensitive), qPrintable(en));
        QVERIFY(en.contains(w.path) && ja.contains(w.path));
        QVERIFY(ja.startsWith(QStringLiteral("ファイルを保存できませんでした。")));
        if (kind != FileFailureKind::Other)
            QVERIFY2(test::latinLettersBesidePaths(ja, {w.path, folder}).isEmpty(), qPrintable(ja));
    }

    // Without a home folder in the environment the user's own, from the user database,
    // holds the program's files and settings (not "/Documents" at the root).
    void withoutHomeTheUsersHomeFolderHoldsTheFiles()
    {
        const QString home = QFile::decodeName(getpwuid(getuid())->pw_dir);
        QStringList made; // the folders this test makes in the real home, removed after
        for (QString f = home + QStringLiteral("/Documents/Telmarin/KVX35P"); f != home; f = QFileInfo(f).path()) {
            if (!QFileInfo::exists(f))
                made << f;
        }
        const QByteArray testHome = qgetenv("HOME");
        qunsetenv("HOME");
        const QString folder = programFolder();
        const QString ini = settingsIniPath();
        qputenv("HOME", testHome);
        for (const QString &f : std::as_const(made))
            QDir().rmdir(f);
        QVERIFY2(folder.startsWith(home + QLatin1Char('/')), qPrintable(folder));
        QVERIFY(folder.endsWith(QStringLiteral("/Telmarin/KVX35P")));
        QCOMPARE(ini, home + QStringLiteral("/.config/Telmarin/KVX35P.ini"));
    }

    void textMemoRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("one line") << QStringLiteral("PRT 0ch;");
        QTest::newRow("Japanese lines") << QStringLiteral(
            "*** 文字表示 ***\r\nPRT 82h A0h;\r\n*** 日本語 ***\r\nPRT 1bh 40h;");
        QTest::newRow("ends with a line end") << QStringLiteral("PRT 0ch;\r\n");
        QTest::newRow("blank lines") << QStringLiteral("\r\n\r\n");
    }
    void textMemoRoundTrips()
    {
        QFETCH(QString, text);
        const QString path = m_tmp.filePath(QStringLiteral("memo/Tmp.sei"));
        QVERIFY(saveTextMemo(text, path).ok);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), text.toUtf8() + "\r\n");
        // Many restarts must not make the text grow.
        for (int run = 0; run < 3; ++run) {
            const std::optional<QString> back = loadTextMemo(path);
            QVERIFY(back.has_value());
            QCOMPARE(*back, text);
            QVERIFY(saveTextMemo(*back, path).ok);
        }
    }

    void textMemoReadsOlderFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("grown by earlier runs")
            << QByteArray("PRT 0ch;\r\n\r\n\r\n") << QStringLiteral("PRT 0ch;\r\n\r\n");
        QTest::newRow("CP932") << QByteArray("*** \x93\xFA\x96\x7B ***\r\n") << QStringLiteral("*** 日本 ***");
        QTest::newRow("no line end") << QByteArray("PRT 0ch;") << QStringLiteral("PRT 0ch;");
        QTest::newRow("only a line end") << QByteArray("\r\n") << QString();
    }
    void textMemoReadsOlderFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QCOMPARE(parseTextMemo(file), text);
    }

    void missingTextMemoLeavesTheText()
    {
        QVERIFY(!loadTextMemo(m_tmp.filePath(QStringLiteral("nowhere/Tmp.sei"))).has_value());
    }

    void languageDecision_data()
    {
        QTest::addColumn<QString>("file");   // "<absent>": no language record read
        QTest::addColumn<QString>("locale"); // "<failed>": the locale could not be asked
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("asked");

        const QStringList files = {QStringLiteral("<absent>"), QStringLiteral("none"),   QStringLiteral("Japanese"),
                                   QStringLiteral("English"),  QStringLiteral("French"), QString()};
        const QStringList locales = {QStringLiteral("Japanese"), QStringLiteral("English"), QStringLiteral("japanese"),
                                     QStringLiteral("<failed>")};
        for (const QString &file : files) {
            const bool fromFile = file != QLatin1String("<absent>") && file != QLatin1String("none");
            for (const QString &locale : locales) {
                for (const bool yes : {true, false}) {
                    const bool asked = !fromFile && locale == QLatin1String("Japanese");
                    QString expected = QStringLiteral("English");
                    if (fromFile)
                        expected = file;
                    else if (asked && yes)
                        expected = QStringLiteral("Japanese");
                    QTest::addRow("file=%s locale=%s %s", qPrintable(file), qPrintable(locale), yes ? "yes" : "no")
                        << file << locale << yes << expected << asked;
                }
            }
        }
    }
    void languageDecision()
    {
        QFETCH(QString, file);
        QFETCH(QString, locale);
        QFETCH(bool, answerYes);
        QFETCH(QString, expected);
        QFETCH(bool, asked);

        test::ScriptedDialogs dialogs;
        dialogs.answers.enqueue(answerYes ? UserDialogs::Answer::Yes : UserDialogs::Answer::No);
        const std::optional<QString> fileValue =
            file == QLatin1String("<absent>") ? std::nullopt : std::optional<QString>(file);
        const std::optional<QString> localeName =
            locale == QLatin1String("<failed>") ? std::nullopt : std::optional<QString>(locale);

        QCOMPARE(decideLanguage(fileValue, localeName, dialogs), expected);
        QCOMPARE(dialogs.shown.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(dialogs.shown.first(), QStringLiteral("日本語画面にしますか？"));
            QCOMPARE(dialogs.titles.first(), QStringLiteral("メニュー言語選択"));
        }
    }
};

KVX_TEST_MAIN(TestSettingsFiles)
#include "tst_settings_files.moc"
