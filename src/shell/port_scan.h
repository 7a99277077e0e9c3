#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace kvx {

class UserDialogs;

// What one probe of a serial device found.
enum class PortState { Available, NotExist, InUse };

// Tells which serial devices the system has and whether each can be opened. The
// real one asks QSerialPortInfo and opens the device; tests use a fake.
class PortProber
{
public:
    virtual ~PortProber() = default;
    // The serial devices the system reports, as full paths ("/dev/ttyS0").
    virtual QStringList devices() = 0;
    // Opens the device and closes it again.
    virtual PortState probe(const QString &device) = 0;
};

// One port the search offers: the device, the text the main window's port list
// takes for it ("3" for /dev/ttyS2, "ttyUSB0" for /dev/ttyUSB0) and its name on the
// option button ("COM3", "ttyUSB0").
struct PortCandidate
{
    QString device;
    QString portText;
    QString label;

    bool operator==(const PortCandidate &) const = default;
};

// How a port of the port list is named to the user: "COM" and the number for a
// numbered port ("3" gives "COM3"), any other port (a device name or path, "USB") as
// it is.
QString portLabel(const QString &portText);

// The candidate for one device path.
PortCandidate portCandidate(const QString &device);
// The devices to offer: at most `limit`, without repeats, in name order (numbers in
// a name compare by value, so ttyS2 comes before ttyS10).
QList<PortCandidate> portCandidates(const QStringList &devices, int limit = 16);
// The option button's caption for a probed port: "COM3 : avilable.", ...
QString portCaption(const QString &label, PortState state, bool japanese);

// The port search: the 16 options, their captions, enabled states and selection.
// A scan probes every candidate; the user then picks an available one.
class PortScanner
{
public:
    static constexpr int OptionCount = 16;
    struct Option
    {
        QString caption;
        bool enabled = false;
        QString portText; // empty when no device stands behind the option
    };

    explicit PortScanner(PortProber &prober) : m_prober(prober) {}

    // Empties every caption (the window's load).
    void clear();
    // Probes the candidates in order. `progress(p)` is called with p = 1, 2, ...
    // once option p - 1 shows its "<name> :" caption, before that port is probed.
    // Afterwards the selection is the port the main window shows (`mainPortText`)
    // when it is available, else the first option when available, else the last
    // available port found.
    void scan(const QString &mainPortText, bool japanese, const std::function<void(int)> &progress = {});

    const Option &option(int index) const { return m_options[size_t(index)]; }
    // The selected option, -1 when none.
    int selected() const { return m_selected; }
    // The user picks an option; only an enabled one can be picked.
    void select(int index);
    // "COM" followed by the port text of the selected option, or "" when no port
    // stands behind it. The main window's port list takes the part after "COM".
    QString chosenPort() const;

private:
    PortProber &m_prober;
    std::array<Option, OptionCount> m_options;
    int m_selected = 0;
};

// Starts the system-information program named by the settings value
// SystemInfo/Path; when none is set or it cannot be started, tells the user
// "System Information Is Unavailable At This Time". Returns whether it started.
bool startSystemInfo(UserDialogs &dialogs);

} // namespace kvx
