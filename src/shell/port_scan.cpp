#include "shell/port_scan.h"

#include "link/app_paths.h"
#include "link/serial_settings.h"
#include "shell/user_dialogs.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace kvx {

namespace {

// Compares names piece by piece, runs of digits by their value.
bool nameLess(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int ie = i;
            int je = j;
            while (ie < a.size() && a[ie].isDigit())
                ++ie;
            while (je < b.size() && b[je].isDigit())
                ++je;
            const QString na = a.mid(i, ie - i).remove(QRegularExpression(QStringLiteral("^0+(?=.)")));
            const QString nb = b.mid(j, je - j).remove(QRegularExpression(QStringLiteral("^0+(?=.)")));
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (na != nb)
                return na < nb;
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

QString portLabel(const QString &portText)
{
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    return number.match(portText).hasMatch() ? QStringLiteral("COM") + portText : portText;
}

PortCandidate portCandidate(const QString &device)
{
    static const QRegularExpression classic(QStringLiteral("^/dev/ttyS(\\d+)$"));
    const auto m = classic.match(device);
    bool ok = false;
    const int index = m.hasMatch() ? m.captured(1).toInt(&ok) : -1;
    if (ok && index < 65535) {
        const QString n = QString::number(index + 1);
        // Only a plain number names this device again in the port list.
        if (serialDevicePath(n) == device)
            return {device, n, portLabel(n)};
    }
    const QString prefix = QStringLiteral("/dev/");
    if (device.startsWith(prefix)) {
        const QString name = device.mid(prefix.size());
        if (serialDevicePath(name) == device)
            return {device, name, name};
    }
    return {device, device, device};
}

QList<PortCandidate> portCandidates(const QStringList &devices, int limit)
{
    QStringList sorted = devices;
    sorted.removeAll(QString());
    std::sort(sorted.begin(), sorted.end(), nameLess);
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QList<PortCandidate> out;
    for (const QString &d : std::as_const(sorted)) {
        if (out.size() >= limit)
            break;
        out << portCandidate(d);
    }
    return out;
}

QString portCaption(const QString &label, PortState state, bool japanese)
{
    switch (state) {
    case PortState::Available: return label + (japanese ? QStringLiteral(" : 使用可") : QStringLiteral(" : avilable."));
    case PortState::InUse: return label + (japanese ? QStringLiteral(" : 使用中") : QStringLiteral(" : in use."));
    case PortState::NotExist: break;
    }
    return label + (japanese ? QStringLiteral(" : なし") : QStringLiteral(" : NOT exist."));
}

void PortScanner::clear()
{
    for (Option &o : m_options)
        o.caption.clear();
}

void PortScanner::scan(const QString &mainPortText, bool japanese, const std::function<void(int)> &progress)
{
    const QList<PortCandidate> candidates = portCandidates(m_prober.devices(), OptionCount);
    m_selected = 0;
    for (int i = 0; i < OptionCount; ++i) {
        Option &o = m_options[size_t(i)];
        if (i >= candidates.size()) {
            o = Option();
            continue;
        }
        const PortCandidate &c = candidates[i];
        o.portText = c.portText;
        o.caption = c.label + QStringLiteral(" :");
        if (progress)
            progress(i + 1);
        const PortState state = m_prober.probe(c.device);
        o.caption = portCaption(c.label, state, japanese);
        o.enabled = state == PortState::Available;
        if (state == PortState::Available)
            m_selected = i;
        else if (state == PortState::InUse && m_selected == i)
            m_selected = -1;
    }
    if (m_options[0].enabled)
        m_selected = 0;
    const QString mainDevice = serialDevicePath(mainPortText);
    if (!mainDevice.isEmpty()) {
        for (int i = 0; i < candidates.size(); ++i) {
            if (candidates[i].device == mainDevice && m_options[size_t(i)].enabled)
                m_selected = i;
        }
    }
}

void PortScanner::select(int index)
{
    if (index >= 0 && index < OptionCount && m_options[size_t(index)].enabled)
        m_selected = index;
}

QString PortScanner::chosenPort() const
{
    if (m_selected < 0 || m_options[size_t(m_selected)].portText.isEmpty())
        return QString();
    return QStringLiteral("COM") + m_options[size_t(m_selected)].portText;
}

bool startSystemInfo(UserDialogs &dialogs)
{
    const QSettings settings(settingsIniPath(), QSettings::IniFormat);
    const QString program = settings.value(QStringLiteral("SystemInfo/Path")).toString().trimmed();
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
        return true;
    dialogs.message(QStringLiteral("System Information Is Unavailable At This Time"));
    return false;
}

} // namespace kvx
