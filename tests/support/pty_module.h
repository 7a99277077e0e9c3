#pragma once

#include <QByteArray>
#include <QString>

namespace kvx::test {

// A stand-in display module on a pseudo-terminal pair: the program opens the slave
// path as its serial port; every byte it writes arrives on the master, where this
// helper collects it, and bytes written here come back to the program as the
// module's reply. Both sides are raw, so every byte value passes unchanged.
class PtyModule
{
public:
    PtyModule();
    ~PtyModule();
    PtyModule(const PtyModule &) = delete;
    PtyModule &operator=(const PtyModule &) = delete;

    bool isOpen() const { return m_master >= 0; }
    QString errorString() const { return m_error; }
    // "/dev/pts/N": the name to give the program as its port.
    QString slavePath() const { return m_slavePath; }

    // Reads whatever has arrived by now without waiting; returns those bytes (they
    // are also added to received()).
    QByteArray readAvailable();
    // Waits until received() holds at least n bytes or timeoutMs have passed,
    // processing Qt events meanwhile. True when the bytes are there.
    bool waitForBytes(qsizetype n, int timeoutMs = 5000);

    // Everything collected so far.
    const QByteArray &received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

    // The module answers: the bytes go to whoever reads the slave.
    bool write(const QByteArray &bytes);

    // The module vanishes: whatever has arrived is collected, then the master side
    // closes, so every later write on the slave fails (as when a cable is pulled).
    void closeMaster();

private:
    int m_master = -1;
    int m_slave = -1; // held open so the pair lives while the program opens and closes it
    QString m_slavePath;
    QString m_error;
    QByteArray m_received;
};

} // namespace kvx::test
