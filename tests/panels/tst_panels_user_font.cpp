#include "link/link.h"
#include "link/vx5200.h"
#include "panels/user_font.h"
#include "shell/command_log.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "support/fake_link_parts.h"
#include "support/recording_sink.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QFile>
#include <QTemporaryDir>

using namespace kvx;
using namespace kvx::test;

namespace {

const QString NotLoaded = QStringLiteral("User font is NOT loaded.");
const QString Completed = QStringLiteral("Download is completed.\r\nPlease reconfigure User Font Style.");
const QString Wait6x8 = QStringLiteral("6x8dot user font\r\nPlease wait while font is being sent.");

// A font file as the recorder writes it: 16 values a "PRT" line, then a "PRT;" line.
QString fontText(int m, int patternBytes, const QString &header = QString())
{
    QStringList values;
    if (header.isEmpty())
        values << "1Fh"
               << "28h"
               << "65h"
               << "13h" << QStringLiteral("%1h").arg(m, 2, 16, QLatin1Char('0'));
    else
        values = header.split(QLatin1Char(' '));
    for (int i = 0; i < patternBytes; ++i)
        values << QStringLiteral("%1h").arg(i % 256, 2, 16, QLatin1Char('0'));
    QString text = QStringLiteral("*** FROM User Definable Font ***\r\n");
    for (int i = 0; i < values.size(); i += 16)
        text += QStringLiteral("PRT ") + values.mid(i, 16).join(QLatin1Char(' ')) + QStringLiteral(";\r\nPRT;\r\n");
    return text;
}

QByteArray fontCommand(int m, int patternBytes)
{
    QByteArray a = hexBytes("1F 28 65 13");
    a.append(char(m));
    for (int i = 0; i < patternBytes; ++i)
        a.append(char(i % 256));
    return a;
}

struct Rig
{
    Rig() { encoder.moduleName(QStringLiteral("VX256X64_21K")); }
    QString write(const QString &text)
    {
        const QString path = dir.filePath(QStringLiteral("font.txt"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
        return path;
    }
    QTemporaryDir dir;
    RecordingSink sink;
    ScriptedDialogs dialogs;
    ShellState state;
    VX5200 encoder{&sink, &dialogs};
    CommandLog log{state};
    PanelContext ctx{encoder, log, dialogs, state};
    int initialized = 0;
    UserFontLoader loader{ctx, [this] {
                              ++initialized;
                              encoder.InitializeDisplay();
                          }};
};

} // namespace

class TestUserFont : public QObject
{
    Q_OBJECT
private slots:
    void numbersFollowTheTokenRules_data()
    {
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<bool>("refused");
        QTest::newRow("hex with H or h") << "1FH 28h,65H" << QList<int>{31, 40, 101} << false;
        QTest::newRow("two commas") << "1,,2" << QList<int>{1, 0, 2} << false;
        QTest::newRow("blank then comma") << "1 ,2" << QList<int>{1, 0, 2} << false;
        QTest::newRow("semicolon behind") << "12h 13h;" << QList<int>{18, 19} << false;
        QTest::newRow("lone semicolon") << "1 2 ;" << QList<int>{1, 2, 0} << false;
        QTest::newRow("hex without H") << "1F" << QList<int>{} << true;
        QTest::newRow("negative") << "-5" << QList<int>{} << true;
        QTest::newRow("above 255") << "256" << QList<int>{} << true;
        QTest::newRow("fraction") << "1.5" << QList<int>{} << true;
    }
    void numbersFollowTheTokenRules()
    {
        QFETCH(QString, rest);
        QFETCH(QList<int>, values);
        QFETCH(bool, refused);
        QList<int> got;
        bool wasRefused = false;
        while (!rest.isEmpty()) {
            const std::optional<int> v = nextUserFontNumber(rest);
            if (!v) {
                wasRefused = true;
                break;
            }
            got << *v;
        }
        QCOMPARE(wasRefused, refused);
        if (!refused)
            QCOMPARE(got, values);
    }

    void fileIsCheckedForHeaderAndCount_data()
    {
        using S = UserFontFile::Status;
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<qsizetype>("count");
        QTest::newRow("6x8") << fontText(1, 768) << int(S::Ok) << qsizetype(773);
        QTest::newRow("8x16") << fontText(2, 2048) << int(S::Ok) << qsizetype(2053);
        QTest::newRow("16x32") << fontText(4, 8192) << int(S::Ok) << qsizetype(8197);
        QTest::newRow("decimal header") << fontText(1, 768, "31 40 101 19 1") << int(S::Ok) << qsizetype(773);
        QTest::newRow("one short") << fontText(1, 767) << int(S::TooFew) << qsizetype(772);
        QTest::newRow("one more") << fontText(4, 8193) << int(S::TooMany) << qsizetype(8198);
        QTest::newRow("wrong header") << fontText(1, 768, "1Fh 28h 65h 14h 01h") << int(S::WrongHeader)
                                      << qsizetype(773);
        QTest::newRow("size 3") << fontText(3, 768) << int(S::WrongSize) << qsizetype(773);
        QTest::newRow("lower-case prt ignored")
            << QString(fontText(1, 768)).replace("PRT", "prt") << int(S::WrongHeader) << qsizetype(0);
        QTest::newRow("negative value") << fontText(1, 768, "1Fh 28h 65h 13h 01h -5") << int(S::Unreadable)
                                        << qsizetype(5);
    }
    void fileIsCheckedForHeaderAndCount()
    {
        QFETCH(QString, text);
        QFETCH(int, status);
        QFETCH(qsizetype, count);
        const UserFontFile f = UserFontFile::parse(text);
        QCOMPARE(int(f.status), status);
        QCOMPARE(f.count, count);
        if (f.status == UserFontFile::Status::Ok)
            QCOMPARE(f.command.size(), count);
    }

    void loadSendsUserModeTheFontUserModeOutAndInitializes()
    {
        Rig r;
        r.state.WorkFolder = QStringLiteral("/nowhere");
        const QString path = r.write(fontText(1, 768));
        r.dialogs.chooseFile(path);
        QVERIFY(r.loader.CmdUDF_Click());
        QCOMPARE(r.dialogs.requests.size(), 1);
        QCOMPARE(r.dialogs.requests[0].start, QStringLiteral("/nowhere"));
        QCOMPARE(r.dialogs.requests[0].filterIndex, 2);
        QCOMPARE(r.sink.commands,
                 (QList<QByteArray>{hexBytes("1F 28 65 01 49 4E"), fontCommand(1, 768),
                                    hexBytes("1F 28 65 02 4F 55 54"), hexBytes("1B 40")}));
        QCOMPARE(r.initialized, 1);
        QCOMPARE(r.dialogs.shown, (QStringList{Wait6x8, Completed}));
        QCOMPARE(r.log.lastName(), QStringLiteral("Exit User Set up mode : "));
        // The next dialog starts in the file's folder, not at the file.
        QCOMPARE(r.state.WorkFolder, r.dir.path());
    }

    void refusedFilesSendNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("too few") << fontText(1, 700) << "English"
                                 << QStringList{QStringLiteral("Insufficient data"), NotLoaded};
        QTest::newRow("too many") << fontText(2, 2100) << "English"
                                  << QStringList{QStringLiteral("Too many data"), NotLoaded};
        QTest::newRow("wrong header") << fontText(1, 768, "1F 28h 65h 13h 01h") << "English" << QStringList{NotLoaded};
        QTest::newRow("header 1821") << fontText(1, 768, "1Fh 28h 66h 13h 01h") << "English"
                                     << QStringList{QStringLiteral("Wrong format. (#1821)")};
        QTest::newRow("size 1831") << fontText(8, 768) << "Japanese"
                                   << QStringList{QStringLiteral("不正なフォーマット (#1831)")};
    }
    void refusedFilesSendNothing()
    {
        QFETCH(QString, text);
        QFETCH(QString, language);
        QFETCH(QStringList, shown);
        Rig r;
        r.state.UILanguage = language;
        r.dialogs.chooseFile(r.write(text));
        QVERIFY(!r.loader.CmdUDF_Click());
        QCOMPARE(r.dialogs.shown, shown);
        QVERIFY(r.sink.commands.isEmpty());
        QCOMPARE(r.initialized, 0);
    }

    void newerSeriesIsRefusedBeforeTheDialog()
    {
        Rig r;
        r.encoder.moduleName(QStringLiteral("VX140X32_52K"));
        QVERIFY(!r.loader.CmdUDF_Click());
        QVERIFY(r.dialogs.requests.isEmpty());
        QCOMPARE(r.dialogs.shown, QStringList{QStringLiteral("This fonction is not avilable for VX-5200.")});

        // Revision-B modules of the newer series take user fonts.
        r.encoder.moduleRevB(true);
        r.dialogs.shown.clear();
        QVERIFY(!r.loader.CmdUDF_Click());
        QCOMPARE(r.dialogs.requests.size(), 1);
    }

    void moduleThatStopsBeingReadyEndsTheLoad()
    {
        Rig r;
        Link link;
        FakeClock clock;
        clock.step = 1000;
        link.setClock(&clock);
        link.setNotifier(&r.dialogs);
        auto port = std::make_unique<FakeSerialPort>();
        FakeSerialPort *p = port.get();
        p->opened = true;
        p->beforeReadyCheck = [](FakeSerialPort &fp) { fp.cts = fp.written.size() < 100; };
        link.setSerialPort(std::move(port));
        r.encoder.setSink(&link);

        r.dialogs.chooseFile(r.write(fontText(1, 768)));
        QVERIFY(!r.loader.CmdUDF_Click());
        QCOMPARE(r.dialogs.shown, (QStringList{Wait6x8, QStringLiteral("Display is not ready."), NotLoaded}));
        QCOMPARE(p->written, (hexBytes("1F 28 65 01 49 4E") + fontCommand(1, 768)).left(100));
        QCOMPARE(r.initialized, 0);
        QCOMPARE(r.log.lastName(), QStringLiteral("Enter User set up mode : "));
    }
};

KVX_TEST_MAIN(TestUserFont)
#include "tst_panels_user_font.moc"
