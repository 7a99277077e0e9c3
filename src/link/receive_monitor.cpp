#include "link/receive_monitor.h"

#include "link/codepage.h"
#include "link/serial_port_io.h"

namespace kvx {

namespace {

QChar upperHexDigit(int v)
{
    return QChar(u"0123456789ABCDEF"[v & 0xF]);
}

} // namespace

// ---- ReceiveText ----

void ReceiveText::setLanguage(const QString &uiLanguage)
{
    m_japanese = uiLanguage == QLatin1String("Japanese");
}

QString ReceiveText::editorLines(const QByteArray &bytes) const
{
    QString out;
    out.reserve(bytes.size() * 7);
    for (char c : bytes) {
        const auto b = quint8(c);
        out += upperHexDigit(b >> 4);
        out += upperHexDigit(b);
        out += QLatin1String("h ");
        if (b > 32)
            out += systemCharOf(b, m_japanese ? SystemCodePage::Cp932 : SystemCodePage::Windows1252);
        out += QLatin1String("\r\n");
    }
    return out;
}

QString ReceiveText::hexText(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size() * 3);
    for (char c : bytes) {
        out += upperHexDigit(quint8(c) >> 4);
        out += upperHexDigit(quint8(c));
        out += QLatin1Char(' ');
    }
    return out;
}

void ReceiveText::received(const QByteArray &bytes)
{
    m_editorBox += editorLines(bytes);
    // One cut keeps the box bounded only while a burst adds less than the cut; a
    // long burst is cut as often as needed. The first character always stays.
    while (m_editorBox.size() > kEditorLimit)
        m_editorBox.remove(1, kEditorCut);
    m_pending = true;
    m_holdsBytes = true;
}

void ReceiveText::keepEditorBox(const QString &box)
{
    m_editorBox = box;
    // Separators alone do not count as bytes shown.
    m_holdsBytes = !QString(box).remove(editorSeparator()).isEmpty();
}

bool ReceiveText::quiet()
{
    if (!m_pending)
        return false;
    m_editorBox += editorSeparator();
    m_pending = false;
    return true;
}

// ---- ReceiveMonitor ----

ReceiveMonitor::ReceiveMonitor(SerialPortIo *port, QObject *parent) : QObject(parent), m_port(port)
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ReceiveMonitor::tick);
    m_timer.start();
}

void ReceiveMonitor::tick()
{
    // A closed port has nothing waiting; the separator still follows the last burst.
    const bool waiting = m_port && m_port->isOpen() && m_port->inBufferCount() > 0;
    if (waiting) {
        const QByteArray bytes = m_port->readAll();
        if (bytes.isEmpty()) // the port went away between the count and the read
            return;
        const bool first = !m_text.holdsBytes();
        m_text.received(bytes);
        if (first)
            emit receivedDataPanelNeeded();
        emit receivedDataChanged(m_text.editorBox());
        const QString hex = ReceiveText::hexText(bytes);
        emit sendTextAppended(hex);
        emit touchTextAppended(hex);
        return;
    }
    if (m_text.quiet()) {
        emit receivedDataChanged(m_text.editorBox());
        emit sendTextAppended(ReceiveText::sendBoxSeparator());
        emit touchTextAppended(ReceiveText::touchBoxSeparator());
    }
}

void ReceiveMonitor::clearReceivedData()
{
    m_text.clearEditorBox();
    emit receivedDataChanged(m_text.editorBox());
}

} // namespace kvx
