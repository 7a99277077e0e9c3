#pragma once

#include "link/byte_sink.h"
#include "link/clock.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

namespace kvx {

class SerialPortIo;
class UsbLink;

// The one road of every byte to the module. Owns the serial port (while on-line) and
// reaches the USB link through its interface. Each byte over the serial port waits
// until the module holds clear-to-send, the output queue is empty and the port takes
// it, at most 30 ticks of 1000 ms; over USB the bytes go in chunks of up to 8.
//
// A send runs on the window's thread: it sleeps while the wire is busy and runs a
// round of events (SendRun) every few milliseconds, so the window repaints, its timers
// (receive monitor, busy countdown) go on and a close request is heard; the user's
// other input waits for the end of the run.
//
// The link keeps the bytes of the last completed command and their "[1b][40]" text,
// and announces each completed command once; the recorder and the tutorial read
// that, never the sent-bytes box (which also shows received bytes).
class Link : public QObject, public ByteSink
{
    Q_OBJECT
public:
    static constexpr int ReadyTicks = 30;
    static constexpr int TickMs = 1000;
    // Events run this often while a send goes on, so a close request stops the send
    // within this time (a round costs little, but a round every byte of a fast line
    // would cost more than the line itself)...
    static constexpr int EventsEveryMs = 10;
    // ...and while a long ready wait goes on, at least this often.
    static constexpr int LongWaitPollMs = 20;
    // The longest the held input is taken for at once.
    static constexpr int HeldInputMs = 20;

    explicit Link(QObject *parent = nullptr);
    ~Link() override;

    void setNotifier(Notifier *notifier) { m_notifier = notifier; }
    void setClock(Clock *clock);
    void setUsbLink(UsbLink *usb) { m_usb = usb; }
    UsbLink *usbLink() const { return m_usb; }

    // Takes the serial port (open or not); the link owns it from now on, and hears
    // from it when its device goes away.
    void setSerialPort(std::unique_ptr<SerialPortIo> port);
    SerialPortIo *serialPort() const { return m_serial.get(); }
    // Closes and drops the serial port (going off-line). A send waiting meanwhile ends
    // without a message: the program closed the port on purpose.
    void releaseSerialPort();
    // The USB link's watch found the bridge gone (it has closed the link): told as a
    // lost link, without a message.
    void usbBridgeGone();

    bool serialOpen() const;
    bool usbOpen() const;
    bool anyLinkOpen() const { return serialOpen() || usbOpen(); }
    // Whether the module can take a byte now: over the serial port it holds
    // clear-to-send, over USB the link is open. Used before a macro is played.
    bool moduleReady() const;

    // Refused as Busy while busy(); a sender that runs by a timer tries again on its
    // next tick.
    SendResult portOut(const QByteArray &bytes) override;

    // Whether a send may not start now: one is waiting for the module, or the caller
    // runs in the middle of a run (SendRun::interrupted), so its bytes would come
    // between another sender's. The one rule of every sender, portOut's own included.
    bool busy() const;
    // A send, or a run of sends (SendRun), is under way.
    bool isSending() const;
    // Lets the window take what the user did while sends went out (their clicks were
    // held back), before the caller starts its next send: a caller that sends from a
    // timer calls it after each send, with that timer stopped (a due timer would keep
    // the rounds going to their limit).
    static void takeHeldInput();
    // Ticks left of the current byte's wait; -1 once the byte went out.
    int busyCount() const { return m_busyCount; }

    QByteArray lastBytes() const { return m_lastBytes; }
    QString lastText() const { return m_lastText; }

signals:
    // A send starts: the sent-bytes box is cleared.
    void sendStarted();
    // A command completed (sent, or logged with no link open): once per command.
    void commandSent(const QByteArray &bytes, const QString &text);
    void busyCountChanged(int ticksLeft);
    // The link to the module is gone: the serial port's device (it refused a byte of
    // a send, or went away while the port was idle; the user has been told once and
    // the port is closed now), or the USB bridge. The program is off-line until it goes
    // on-line again, and whatever sends by a timer stops here, so that nothing sends by
    // itself once the user goes on-line.
    void portLost();

private:
    enum class Wait { Sent, TimedOut, Closed, Failed, Cancelled };
    Wait sendSerialByte(quint8 byte);
    qint64 pauseNs(qint64 now, qint64 waitStart, bool &sleptForWire) const;
    void beginEvents();
    void runEventsIfDue();
    void notify(const QString &message);
    SendResult loseSerialPort();
    void serialPortVanished();

    std::unique_ptr<SerialPortIo> m_serial;
    UsbLink *m_usb = nullptr;
    Notifier *m_notifier = nullptr;
    SteadyClock m_steadyClock;
    Clock *m_clock = &m_steadyClock;
    // The port's device vanished in the middle of a run and nobody has told yet.
    bool m_lostInRun = false;
    bool m_sending = false;
    bool m_releasedWhileSending = false;
    int m_busyCount = -1;
    // When the last byte handed to the serial port should have left the wire.
    qint64 m_wireFreeNs = 0;
    // When events run next during a send, and when the last send ended.
    qint64 m_eventsDueNs = 0;
    qint64 m_sendEndedNs = 0;
    bool m_sentBefore = false;
    QByteArray m_lastBytes;
    QString m_lastText;
};

} // namespace kvx
