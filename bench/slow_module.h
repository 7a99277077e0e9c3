#pragma once

#include "link/serial_port_io.h"
#include "shell/ui/main_window.h"
#include "support/scripted_dialogs.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QComboBox>
#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kvx::bench {

// A module in memory that takes a byte at most every `byteNs`, or none while stopped;
// keeps every byte and the time it was taken.
class SlowModule : public SerialPortIo
{
public:
    SlowModule(const QElapsedTimer &clock, qint64 byteNs) : m_clock(clock), m_byteNs(byteNs) {}
    QString open(const QString &, const QString &) override
    {
        m_open = true;
        return QString();
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    QString deviceName() const override { return QStringLiteral("slow"); }
    qint64 byteTimeNs() const override { return m_byteNs; }
    bool ctsHolding() override
    {
        return !stopped && (times.empty() || m_clock.nsecsElapsed() - times.back() >= m_byteNs);
    }
    int outBufferCount() override { return 0; }
    PortWrite writeByte(quint8 byte) override
    {
        times.push_back(m_clock.nsecsElapsed());
        bytes.append(char(byte));
        if (atByte && times.size() == atCount)
            std::exchange(atByte, {})();
        return PortWrite::Taken;
    }
    int inBufferCount() override { return 0; }
    QByteArray readAll() override { return QByteArray(); }

    bool stopped = false;
    QByteArray bytes;
    std::vector<qint64> times;
    // Runs once as byte number atCount is taken (in the middle of a send).
    std::function<void()> atByte;
    std::size_t atCount = 0;

private:
    const QElapsedTimer &m_clock;
    qint64 m_byteNs;
    bool m_open = false;
};

// The main window (no splash, scripted dialogs) started on a slow module.
struct WindowOnSlowModule
{
    WindowOnSlowModule(const QElapsedTimer &clock, qint64 byteNs)
    {
        options.dialogs = &dialogs;
        options.showSplash = false;
        options.portFactory = [this, &clock, byteNs]() -> std::unique_ptr<SerialPortIo> {
            auto p = std::make_unique<SlowModule>(clock, byteNs);
            module = p.get();
            return p;
        };
        window = std::make_unique<MainWindow>(options);
        window->findChild<QComboBox *>(QStringLiteral("CommPortList"))->setCurrentText(QStringLiteral("slow"));
        window->startUp();
    }
    QAbstractButton *button(const char *name) const
    {
        return window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }
    test::ScriptedDialogs dialogs;
    MainWindow::Options options;
    SlowModule *module = nullptr;
    std::unique_ptr<MainWindow> window;
};

} // namespace kvx::bench
