#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

namespace kvx {

class SerialPortIo;

// The texts that show what the module sent back. The module's replies are never
// interpreted, only shown: one line per byte in the macro editor's received-data box
// ("41h A"), hexadecimal pairs in the main window's boxes ("41 "), and a separator
// after each burst. Plain logic: no timer, no port.
class ReceiveText
{
public:
    // Above this many characters the received-data box loses 500 from its start.
    static constexpr int kEditorLimit = 3000;
    static constexpr int kEditorCut = 500;

    // Bytes above 32 are shown with their character of the system code page:
    // CP932 when the interface language is "Japanese", Windows-1252 otherwise.
    void setLanguage(const QString &uiLanguage);
    bool japanese() const { return m_japanese; }

    // "1Bh \r\n41h A\r\n": two upper-case digits, "h ", the character, a line break.
    QString editorLines(const QByteArray &bytes) const;
    // "1B 41 ": two upper-case digits and a blank per byte.
    static QString hexText(const QByteArray &bytes);

    // The received-data box as the monitor keeps it.
    const QString &editorBox() const { return m_editorBox; }
    // Takes up a box that already holds text (shown before the port was reopened).
    void keepEditorBox(const QString &box);
    void clearEditorBox()
    {
        m_editorBox.clear();
        m_holdsBytes = false;
    }
    // Whether received bytes went into the box since it was last cleared. (A bare
    // separator does not count: the box must still be laid out for the first bytes.)
    bool holdsBytes() const { return m_holdsBytes; }

    // A burst arrived: its lines go into the received-data box (cut back to the
    // limit) and a separator becomes due.
    void received(const QByteArray &bytes);
    // A quiet moment: closes the last burst with "-----" in the box. True when it
    // did (once per burst, and once after start), so the caller closes the main
    // window's boxes too.
    bool quiet();
    bool separatorDue() const { return m_pending; }

    static QString editorSeparator() { return QStringLiteral("-----\r\n"); }
    static QString sendBoxSeparator() { return QStringLiteral(" >"); }
    static QString touchBoxSeparator() { return QStringLiteral("\r\n>"); }

private:
    QString m_editorBox;
    bool m_pending = true;
    bool m_holdsBytes = false;
    bool m_japanese = false;
};

// Polls the serial port every 50 ms and hands what arrived, as text, to the boxes
// that show it (the macro editor's received-data box, the main window's sent-bytes
// box and the touch-switch panel's box). Lives while the serial port is in use.
class ReceiveMonitor : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 50;

    explicit ReceiveMonitor(SerialPortIo *port, QObject *parent = nullptr);

    void setLanguage(const QString &uiLanguage) { m_text.setLanguage(uiLanguage); }
    QString receivedDataText() const { return m_text.editorBox(); }
    // The received-data box holds this text already: the monitor appends to it.
    void keepReceivedData(const QString &text) { m_text.keepEditorBox(text); }
    const QTimer &timer() const { return m_timer; }

public slots:
    // One poll: shows the bytes waiting, or closes the last burst with a separator.
    void tick();
    // The received-data box's clear button.
    void clearReceivedData();

signals:
    // The first bytes since the received-data box was cleared: lay it out and make it
    // visible.
    void receivedDataPanelNeeded();
    // The received-data box's whole new text (caret to its end).
    void receivedDataChanged(const QString &text);
    // Text to append to the main window's sent-bytes box (caret to its end).
    void sendTextAppended(const QString &text);
    // Text to append to the touch-switch panel's box (caret to its end).
    void touchTextAppended(const QString &text);

private:
    SerialPortIo *m_port;
    ReceiveText m_text;
    QTimer m_timer;
};

} // namespace kvx
