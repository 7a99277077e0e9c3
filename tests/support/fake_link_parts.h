#pragma once

#include "link/clock.h"
#include "link/serial_port_io.h"
#include "link/usb_link.h"

#include <QByteArray>
#include <QList>
#include <functional>

namespace kvx::test {

// A clock that only moves when told to, or by `step` ms each time a wait pauses.
class FakeClock : public Clock
{
public:
    qint64 nsecs() override { return now * 1'000'000; }
    void pause(qint64) override { now += step; }
    qint64 now = 0;
    qint64 step = 1;
};

// A serial port in memory. `ready` decides clear-to-send; `beforeReadyCheck` runs on
// every readiness test, so a test can change the world in the middle of a wait.
class FakeSerialPort : public SerialPortIo
{
public:
    QString open(const QString &device, const QString &settings) override
    {
        if (!openError.isEmpty())
            return openError;
        opened = true;
        name = device;
        lastSettings = settings;
        return QString();
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    QString deviceName() const override { return name; }
    qint64 byteTimeNs() const override { return 0; }
    bool ctsHolding() override
    {
        ++readyChecks;
        if (beforeReadyCheck)
            beforeReadyCheck(*this);
        return cts;
    }
    int outBufferCount() override { return outQueue; }
    PortWrite writeByte(quint8 byte) override
    {
        if (failWrites)
            return PortWrite::Failed;
        if (refusals > 0) {
            --refusals;
            return PortWrite::NotTaken;
        }
        written.append(char(byte));
        return PortWrite::Taken;
    }
    int inBufferCount() override { return int(incoming.size()); }
    QByteArray readAll() override
    {
        QByteArray a = incoming;
        incoming.clear();
        return a;
    }
    void setLostHandler(std::function<void()> handler) override { lost = std::move(handler); }

    bool opened = false;
    QString name;
    QString lastSettings;
    QString openError;
    bool cts = true;
    int outQueue = 0;
    bool failWrites = false;
    int refusals = 0; // the next writes refused as "would block"
    int readyChecks = 0;
    std::function<void(FakeSerialPort &)> beforeReadyCheck;
    // What the owner asked to hear when the device goes away: a test calls it.
    std::function<void()> lost;
    QByteArray written;
    QByteArray incoming;
};

// A USB link in memory that keeps every chunk.
class FakeUsbLink : public UsbLink
{
public:
    bool IsUsbOpen() const override { return open; }
    SendResult UsbWriteData(const QByteArray &chunk) override
    {
        chunks.append(chunk);
        return result;
    }
    bool open = true;
    SendResult result = SendResult::Sent;
    QList<QByteArray> chunks;
};

} // namespace kvx::test
