#include "shell/shell_state.h"
#include "shell/ui/comm_scan.h"
#include "shell/ui/main_window.h"
#include "support/fake_port_prober.h"
#include "support/pty_module.h"
#include "support/queued_input.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace kvx;
using namespace kvx::test;

namespace {

const PortState A = PortState::Available;
const PortState N = PortState::NotExist;
const PortState U = PortState::InUse;

QString ttyS(int n)
{
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

QRadioButton *option(QWidget &scan, int index)
{
    return scan.findChild<QRadioButton *>(QStringLiteral("optCOM_%1").arg(index));
}

void click(QWidget &scan, const QString &name)
{
    scan.findChild<QAbstractButton *>(name)->click();
}

// Runs `act` on the modal port search window as soon as its scan is over; closes the
// window after 5 s if that never happens. Returns a flag that tells whether `act` ran.
std::shared_ptr<bool> whenScanned(std::function<void(CommScan &)> act)
{
    auto done = std::make_shared<bool>(false);
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto *scan = qobject_cast<CommScan *>(QApplication::activeModalWidget());
        if (clock->elapsed() > 5000) {
            timer->deleteLater();
            if (scan)
                scan->reject();
            return;
        }
        if (!scan || scan->findChild<QWidget *>(QStringLiteral("frmScan"))->isVisible()
            || scan->scanner().option(0).caption.isEmpty())
            return;
        timer->stop();
        timer->deleteLater();
        *done = true;
        act(*scan);
    });
    timer->start();
    return done;
}

} // namespace

class TestCommScan : public QObject
{
    Q_OBJECT
private slots:
    void showingTheWindowScansAndSetReturnsThePortPicked()
    {
        FakePortProber prober;
        prober.ports = {{ttyS(1), N}, {ttyS(2), U}, {ttyS(3), A}, {ttyS(5), A}};
        ShellState state;
        ScriptedDialogs dialogs;
        CommScan scan(prober, state, dialogs, "5");
        QStringList captions;
        QList<bool> enabled;
        int checked = -1;
        auto ran = whenScanned([&](CommScan &w) {
            for (int i = 0; i < 5; ++i) {
                captions << option(w, i)->text();
                enabled << option(w, i)->isEnabled();
                if (option(w, i)->isChecked())
                    checked = i;
            }
            option(w, 2)->click();
            click(w, "cmdSet");
        });
        QCOMPARE(scan.exec(), int(QDialog::Accepted));
        QVERIFY(*ran);
        QCOMPARE(captions,
                 (QStringList{"COM1 : NOT exist.", "COM2 : in use.", "COM3 : avilable.", "COM5 : avilable.", ""}));
        QCOMPARE(enabled, (QList<bool>{false, false, true, true, false}));
        QCOMPARE(checked, 3); // the main window's port
        QCOMPARE(scan.SelectedPort(), QStringLiteral("COM3"));
    }

    void refreshProbesAgainButAScanNeverRunsInsideAnother()
    {
        FakePortProber prober;
        prober.ports = {{ttyS(1), N}, {ttyS(2), N}};
        ShellState state;
        ScriptedDialogs dialogs;
        CommScan scan(prober, state, dialogs, "1");
        scan.ScanPorts();
        QCOMPARE(prober.probed.size(), 2);
        // Whatever arrives while a port is probed (an activation, "Refresh") starts
        // no second scan.
        prober.ports[ttyS(2)] = A;
        prober.onProbe = [&](const QString &) { click(scan, "cmdSearch"); };
        click(scan, "cmdSearch");
        QCOMPARE(prober.probed.size(), 4);
        QCOMPARE(option(scan, 1)->text(), QStringLiteral("COM2 : avilable."));
        QVERIFY(option(scan, 1)->isChecked());
        QVERIFY(!option(scan, 0)->isChecked());
    }

    void comingBackFromOwnMessageBoxDoesNotRescanButFromElsewhereDoes()
    {
        FakePortProber prober;
        prober.ports = {{ttyS(1), A}};
        ShellState state;
        ScriptedDialogs dialogs;
        CommScan scan(prober, state, dialogs, "1");
        QWidget ownBox;
        scan.show();
        ownBox.show();
        kvx::test::activateNow(&scan);
        QTRY_COMPARE(prober.probed.size(), 1);
        kvx::test::activateNow(&ownBox);
        kvx::test::activateNow(&scan);
        QTest::qWait(20);
        QCOMPARE(prober.probed.size(), 1);
        kvx::test::activateNow(nullptr); // another program
        kvx::test::activateNow(&scan);
        QTRY_COMPARE(prober.probed.size(), 2);
    }

    void systemInfoWithoutAProgramSaysItIsUnavailable()
    {
        FakePortProber prober;
        ShellState state;
        state.UILanguage = "Japanese";
        ScriptedDialogs dialogs;
        CommScan scan(prober, state, dialogs, "1");
        QCOMPARE(scan.windowTitle(), QStringLiteral("COMポート検索"));
        click(scan, "cmdSysinfo");
        QCOMPARE(dialogs.shown, QStringList{"System Information Is Unavailable At This Time"});
    }

    void mainWindowSearchTakesThePortChosenAndCancelKeepsIt()
    {
        PtyModule module;
        QVERIFY(module.isOpen());
        FakePortProber prober;
        prober.ports = {{ttyS(1), A}, {ttyS(3), A}, {"/dev/ttyUSB0", A}};
        ScriptedDialogs dialogs;
        MainWindow::Options o;
        o.dialogs = &dialogs;
        o.showSplash = false;
        o.portProber = &prober;
        MainWindow window(o);
        auto *ports = window.findChild<QComboBox *>("CommPortList");
        ports->setCurrentText(module.slavePath());
        window.startUp();
        auto *onLine = window.findChild<QLabel *>("imgOnLine");
        QVERIFY(onLine->isVisibleTo(&window));
        QVERIFY(window.link().serialOpen());

        auto ran = whenScanned([](CommScan &w) {
            option(w, 1)->click();
            click(w, "cmdSet");
        });
        window.findChild<QPushButton *>("Command2")->click();
        QVERIFY(*ran);
        QCOMPARE(ports->currentText(), QStringLiteral("3"));
        QVERIFY(!window.link().serialOpen());
        QVERIFY(!onLine->isVisibleTo(&window));

        ran = whenScanned([](CommScan &w) {
            option(w, 2)->click();
            click(w, "cmdClose");
        });
        window.findChild<QPushButton *>("Command2")->click();
        QVERIFY(*ran);
        QCOMPARE(ports->currentText(), QStringLiteral("3"));

        ran = whenScanned([](CommScan &w) {
            option(w, 2)->click();
            click(w, "cmdSet");
        });
        window.findChild<QPushButton *>("Command2")->click();
        QVERIFY(*ran);
        QCOMPARE(ports->currentText(), QStringLiteral("ttyUSB0"));
        QVERIFY(dialogs.shown.isEmpty());
    }
};

KVX_TEST_MAIN(TestCommScan)
#include "tst_comm_scan.moc"
