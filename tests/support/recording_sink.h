#pragma once

#include "link/byte_sink.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace kvx::test {

// Takes the place of the link: keeps every command handed to portOut.
class RecordingSink : public ByteSink
{
public:
    SendResult portOut(const QByteArray &bytes) override
    {
        commands.append(bytes);
        return result;
    }
    QByteArray all() const
    {
        QByteArray a;
        for (const QByteArray &c : commands)
            a += c;
        return a;
    }
    QList<QByteArray> commands;
    SendResult result = SendResult::Sent;
};

// Keeps the messages an operation shows.
class RecordingNotifier : public Notifier
{
public:
    void notify(const QString &message) override { messages.append(message); }
    QStringList messages;
};

// "1F 28 67" -> the bytes.
inline QByteArray hexBytes(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

} // namespace kvx::test
