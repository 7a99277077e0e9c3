#include "shell/ui/comm_scan.h"

#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvx {

namespace {

QPushButton *button(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

CommScan::CommScan(PortProber &prober, const ShellState &state, UserDialogs &dialogs, const QString &mainPortText,
                   QWidget *parent)
    : QDialog(parent), m_scanner(prober), m_state(state), m_dialogs(dialogs), m_mainPortText(mainPortText)
{
    setObjectName(QStringLiteral("CommScan"));
    setModal(true);
    setWindowTitle(state.tr(QStringLiteral("COM Port Scanning"), QStringLiteral("COMポート検索")));

    auto *ports = new QGroupBox(state.tr(QStringLiteral("Comm Port"), QStringLiteral("COMポート")));
    ports->setObjectName(QStringLiteral("frmCommPort"));
    auto *grid = new QGridLayout(ports);
    m_group = new QButtonGroup(this);
    for (int i = 0; i < PortScanner::OptionCount; ++i) {
        m_options[i] = new QRadioButton;
        m_options[i]->setObjectName(QStringLiteral("optCOM_%1").arg(i));
        m_group->addButton(m_options[i], i);
        grid->addWidget(m_options[i], i % 8, i / 8);
    }
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) { m_scanner.select(id); });

    m_scanFrame = new QGroupBox(state.tr(QStringLiteral("Searching"), QStringLiteral("検索中")));
    m_scanFrame->setObjectName(QStringLiteral("frmScan"));
    m_bar = new QProgressBar;
    m_bar->setObjectName(QStringLiteral("Bar1"));
    m_bar->setRange(0, PortScanner::OptionCount);
    m_bar->setTextVisible(false);
    (new QVBoxLayout(m_scanFrame))->addWidget(m_bar);
    m_scanFrame->setVisible(false);

    auto *set = button(QStringLiteral("cmdSet"), state.tr(QStringLiteral("SET"), QStringLiteral("設定")));
    auto *close = button(QStringLiteral("cmdClose"), state.tr(QStringLiteral("Close"), QStringLiteral("キャンセル")));
    auto *search = button(QStringLiteral("cmdSearch"), state.tr(QStringLiteral("Refresh"), QStringLiteral("再検索")));
    auto *check = button(QStringLiteral("cmdVXCheck"), state.tr(QStringLiteral("VX Check"), QStringLiteral("VX確認")));
    auto *sysinfo =
        button(QStringLiteral("cmdSysinfo"), state.tr(QStringLiteral("System Info"), QStringLiteral("システム情報")));
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {set, close, search, check, sysinfo})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *body = new QHBoxLayout;
    body->addWidget(ports, 1);
    body->addLayout(buttons);
    auto *top = new QVBoxLayout(this);
    top->addLayout(body);
    top->addWidget(m_scanFrame);

    connect(set, &QPushButton::clicked, this, &CommScan::cmdSet_Click);
    connect(close, &QPushButton::clicked, this, &CommScan::cmdClose_Click);
    connect(search, &QPushButton::clicked, this, &CommScan::ScanPorts);
    connect(sysinfo, &QPushButton::clicked, this, &CommScan::cmdSysinfo_Click);

    m_scanner.clear();
    showOptions();
}

void CommScan::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (!isActiveWindow()) {
        const QWidget *now = QApplication::activeWindow();
        m_leftForOwnWindow = now && now != this;
        return;
    }
    // Every activation probes the ports again, except the return from one of our own
    // message boxes; the scan runs once the activation has been handled.
    if (m_leftForOwnWindow) {
        m_leftForOwnWindow = false;
        return;
    }
    QMetaObject::invokeMethod(this, &CommScan::ScanPorts, Qt::QueuedConnection);
}

void CommScan::ScanPorts()
{
    // The scan lets the window repaint between probes; an activation or a click on
    // "Refresh" arriving meanwhile must not start a second scan inside this one.
    if (m_scanning)
        return;
    m_scanning = true;
    m_bar->setValue(0);
    m_scanFrame->setVisible(true);
    m_scanner.scan(m_mainPortText, m_state.japanese(), [this](int p) {
        showOptions();
        m_bar->setValue(p);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    showOptions();
    m_scanFrame->setVisible(false);
    m_scanning = false;
    emit scanFinished();
}

void CommScan::showOptions()
{
    const int selected = m_scanner.selected();
    m_group->setExclusive(false);
    for (int i = 0; i < PortScanner::OptionCount; ++i) {
        const PortScanner::Option &o = m_scanner.option(i);
        m_options[i]->setText(o.caption);
        m_options[i]->setEnabled(o.enabled);
        m_options[i]->setChecked(i == selected);
    }
    m_group->setExclusive(true);
}

void CommScan::cmdSet_Click()
{
    m_selectedPort = m_scanner.chosenPort();
    accept();
}

void CommScan::cmdClose_Click()
{
    m_selectedPort.clear();
    reject();
}

void CommScan::cmdSysinfo_Click()
{
    startSystemInfo(m_dialogs);
}

} // namespace kvx
