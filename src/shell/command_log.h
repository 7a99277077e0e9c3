#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace kvx {

class Link;
struct ShellState;

// Where a recorded block goes while the macro editor is shown: at its caret.
class MacroInsertTarget
{
public:
    virtual ~MacroInsertTarget() = default;
    virtual bool isEditorVisible() const = 0;
    // Replaces the editor's selection (an empty one inserts) with the text.
    virtual void insertAtCaret(const QString &text) = 0;
};

// The command log: every command handler ends with addLog(name, help) after its
// command went out. The log shows both texts and, while recording (and not paused),
// appends the command to the macro: at the editor's caret while the editor is shown,
// otherwise on a line of its own at the end of MacroText. The bytes recorded are those
// the link kept for the command that completed since the last addLog; when none did,
// the block has no bytes ("PRT;").
class CommandLog : public QObject
{
    Q_OBJECT
public:
    CommandLog(ShellState &state, QObject *parent = nullptr);

    void attachLink(Link *link);
    void setInsertTarget(MacroInsertTarget *target) { m_target = target; }

    void addLog(const QString &name, const QString &help);

    void setRecording(bool on) { m_recording = on; }
    bool recording() const { return m_recording; }
    void setPaused(bool on) { m_paused = on; }
    bool paused() const { return m_paused; }
    bool recordingActive() const { return m_recording && !m_paused; }

    QString lastName() const { return m_name; }
    QString lastHelp() const { return m_help; }

public slots:
    void commandCompleted(const QByteArray &bytes);

signals:
    void logged(const QString &name, const QString &help);
    void macroTextChanged();

private:
    ShellState &m_state;
    MacroInsertTarget *m_target = nullptr;
    bool m_recording = false;
    bool m_paused = false;
    QByteArray m_pending;
    QString m_name;
    QString m_help;
};

} // namespace kvx
