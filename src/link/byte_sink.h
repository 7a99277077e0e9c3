#pragma once

#include <QByteArray>
#include <QString>

namespace kvx {

// What became of one command handed to the sending routine.
enum class SendResult {
    Sent,     // every byte went out over an open link
    NoLink,   // no link is open: the bytes were only logged
    NotReady, // the module did not become ready in time; the rest was not sent
    Failed,   // the link reported an error; the rest was not sent
    Busy,     // another send is still waiting for the module; nothing was sent
    Skipped,  // the command had no bytes (or was refused with a message): nothing was sent
};

// A command went out (or would have, with no link open) and may be logged and recorded.
inline bool wentOut(SendResult r)
{
    return r == SendResult::Sent || r == SendResult::NoLink;
}

// The one road bytes take to the module.
class ByteSink
{
public:
    virtual ~ByteSink() = default;
    virtual SendResult portOut(const QByteArray &bytes) = 0;
};

// Shows a message to the user (a message box with an OK button in the program).
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString &message) = 0;
};

} // namespace kvx
