#include "link/app_paths.h"
#include "shell/port_scan.h"
#include "shell/qt_port_prober.h"
#include "support/fake_port_prober.h"
#include "support/pty_module.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QFile>
#include <QSerialPort>
#include <QSettings>

using namespace kvx;
using namespace kvx::test;

namespace {

using States = QMap<QString, PortState>;

const PortState A = PortState::Available;
const PortState N = PortState::NotExist;
const PortState U = PortState::InUse;

QString ttyS(int n)
{
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
} // the device of port n

QStringList captions(const PortScanner &s)
{
    QStringList out;
    for (int i = 0; i < PortScanner::OptionCount; ++i)
        out << s.option(i).caption;
    return out;
}

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace

class TestPortScan : public QObject
{
    Q_OBJECT
private slots:
    void candidatesAreNamedAsThePortListNamesThem_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("portText");
        QTest::addColumn<QString>("label");
        QTest::newRow("first classic port") << "/dev/ttyS0"
                                            << "1"
                                            << "COM1";
        QTest::newRow("classic port 12") << "/dev/ttyS11"
                                         << "12"
                                         << "COM12";
        QTest::newRow("usb adapter") << "/dev/ttyUSB0"
                                     << "ttyUSB0"
                                     << "ttyUSB0";
        QTest::newRow("leading zero is not port 2") << "/dev/ttyS01"
                                                    << "ttyS01"
                                                    << "ttyS01";
        QTest::newRow("device in a sub-folder") << "/dev/pts/3"
                                                << "/dev/pts/3"
                                                << "/dev/pts/3";
    }
    void candidatesAreNamedAsThePortListNamesThem()
    {
        QFETCH(QString, device);
        QFETCH(QString, portText);
        QFETCH(QString, label);
        const PortCandidate c = portCandidate(device);
        QCOMPARE(c.portText, portText);
        QCOMPARE(c.label, label);
        // The export window names the port in use the same way.
        QCOMPARE(portLabel(portText), label);
    }

    void candidatesAreAtMostSixteenInNameOrder()
    {
        QStringList devices;
        for (int i = 19; i >= 0; --i)
            devices << QStringLiteral("/dev/ttyS%1").arg(i);
        devices << "/dev/ttyUSB0"
                << "/dev/ttyACM0"
                << "/dev/ttyS3";
        QStringList labels;
        for (const PortCandidate &c : portCandidates(devices))
            labels << c.label;
        QStringList expected{"ttyACM0"};
        for (int n = 1; n <= 15; ++n)
            expected << QStringLiteral("COM%1").arg(n);
        QCOMPARE(labels, expected);
    }

    void scanCaptionsEveryPortByWhatItsProbeFound_data()
    {
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << false
                                 << QStringList{"COM1 : NOT exist.", "COM2 : in use.", "COM3 : avilable.",
                                                "COM11 : avilable.", "ttyUSB0 : avilable."};
        QTest::newRow("Japanese") << true
                                  << QStringList{"COM1 : なし", "COM2 : 使用中", "COM3 : 使用可", "COM11 : 使用可",
                                                 "ttyUSB0 : 使用可"};
    }
    void scanCaptionsEveryPortByWhatItsProbeFound()
    {
        QFETCH(bool, japanese);
        QFETCH(QStringList, expected);
        FakePortProber prober;
        prober.ports = {{ttyS(1), N}, {ttyS(2), U}, {ttyS(3), A}, {ttyS(11), A}, {"/dev/ttyUSB0", A}};
        PortScanner scanner(prober);
        scanner.scan("1", japanese);
        QStringList shown = captions(scanner);
        QCOMPARE(shown.mid(0, 5), expected);
        QCOMPARE(shown.mid(5), QStringList(11, QString()));
        QCOMPARE(prober.probed, (QStringList{ttyS(1), ttyS(2), ttyS(3), ttyS(11), "/dev/ttyUSB0"}));
        for (int i = 0; i < PortScanner::OptionCount; ++i)
            QCOMPARE(scanner.option(i).enabled, i >= 2 && i <= 4);
    }

    void scanSelectsTheMainPortElseTheFirstElseTheLastAvailable_data()
    {
        QTest::addColumn<States>("ports");
        QTest::addColumn<QString>("mainPort");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("nothing available keeps the first")
            << States{{ttyS(1), N}, {ttyS(2), N}, {ttyS(3), N}} << "2" << 0 << "COM1";
        QTest::newRow("main port available") << States{{ttyS(1), N}, {ttyS(3), A}, {ttyS(5), A}} << "5" << 2 << "COM5";
        QTest::newRow("main port USB: last available")
            << States{{ttyS(1), N}, {ttyS(3), A}, {ttyS(5), A}, {ttyS(6), N}} << "USB" << 2 << "COM5";
        QTest::newRow("main port missing: first available")
            << States{{ttyS(1), A}, {ttyS(3), A}, {ttyS(7), N}} << "7" << 0 << "COM1";
        QTest::newRow("main port in use: first available")
            << States{{ttyS(1), A}, {ttyS(2), U}, {ttyS(3), A}} << "2" << 0 << "COM1";
        QTest::newRow("first in use, none available: nothing") << States{{ttyS(1), U}, {ttyS(2), N}} << "1" << -1 << "";
        QTest::newRow("first in use, second available") << States{{ttyS(1), U}, {ttyS(2), A}} << "1" << 1 << "COM2";
        QTest::newRow("main port by device name")
            << States{{ttyS(1), A}, {"/dev/ttyUSB0", A}} << "ttyUSB0" << 1 << "COMttyUSB0";
        QTest::newRow("main port by full path") << States{{ttyS(1), A}, {ttyS(2), A}} << "/dev/ttyS1" << 1 << "COM2";
        QTest::newRow("no serial device at all") << States{} << "1" << 0 << "";
    }
    void scanSelectsTheMainPortElseTheFirstElseTheLastAvailable()
    {
        QFETCH(States, ports);
        QFETCH(QString, mainPort);
        QFETCH(int, selected);
        QFETCH(QString, chosen);
        FakePortProber prober;
        prober.ports = ports;
        PortScanner scanner(prober);
        scanner.scan(mainPort, false);
        QCOMPARE(scanner.selected(), selected);
        QCOMPARE(scanner.chosenPort(), chosen);
    }

    void onlyAnAvailablePortCanBePickedAndARescanForgetsOldResults()
    {
        FakePortProber prober;
        prober.ports = {{ttyS(1), A}, {ttyS(2), N}, {ttyS(3), A}};
        PortScanner scanner(prober);
        scanner.scan("1", false);
        scanner.select(1);
        QCOMPARE(scanner.chosenPort(), QStringLiteral("COM1"));
        scanner.select(2);
        QCOMPARE(scanner.chosenPort(), QStringLiteral("COM3"));
        prober.ports = {{ttyS(2), A}};
        scanner.scan("1", false);
        QCOMPARE(scanner.option(0).caption, QStringLiteral("COM2 : avilable."));
        QCOMPARE(scanner.option(2).caption, QString());
        QVERIFY(!scanner.option(2).enabled);
        QCOMPARE(scanner.chosenPort(), QStringLiteral("COM2"));
    }

    void systemProberTellsAvailableInUseAndMissingPorts()
    {
        PtyModule module;
        QVERIFY2(module.isOpen(), qPrintable(module.errorString()));
        QtPortProber prober;
        QCOMPARE(prober.probe(module.slavePath()), PortState::Available);
        QSerialPort holder(module.slavePath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QCOMPARE(prober.probe(module.slavePath()), PortState::InUse);
        holder.close();
        QCOMPARE(prober.probe(module.slavePath()), PortState::Available);
        QCOMPARE(prober.probe("/dev/kvx-no-such-port"), PortState::NotExist);
    }

    void systemInfoStartsTheConfiguredProgramOrSaysItIsUnavailable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("started");
        QTest::newRow("not configured") << QString() << false;
        QTest::newRow("missing program") << "/nonexistent/kvx-sysinfo" << false;
        QTest::newRow("configured program") << "/bin/true" << true;
    }
    void systemInfoStartsTheConfiguredProgramOrSaysItIsUnavailable()
    {
        QFETCH(QString, path);
        QFETCH(bool, started);
        QFile::remove(settingsIniPath());
        if (!path.isEmpty()) {
            QSettings ini(settingsIniPath(), QSettings::IniFormat);
            ini.setValue("SystemInfo/Path", path);
        }
        ScriptedDialogs dialogs;
        QCOMPARE(startSystemInfo(dialogs), started);
        QCOMPARE(dialogs.shown, started ? QStringList() : QStringList{Unavailable});
    }
};

KVX_TEST_MAIN(TestPortScan)
#include "tst_port_scan.moc"
