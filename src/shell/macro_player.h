#pragma once

#include "shell/macro_tokenizer.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace kvx {

class Link;
class UserDialogs;
struct ShellState;

// Plays command macro text to the module: one line per tick of a zero-interval
// timer, each byte of a "PRT" line as one command of its own. After each line the
// player lets the window take what the user did meanwhile (a click is kept out of a
// line while it goes out), so Stop, Pause and every other control are seen after the
// line and before the next one starts. While Pause is down the timer stands still
// and the player waits for the release, costing nothing. The player's own sends are
// never recorded.
class MacroPlayer : public QObject
{
    Q_OBJECT
public:
    // `paused` tells whether the pause button is down (shared with the recorder).
    MacroPlayer(Link &link, ShellState &state, UserDialogs &dialogs, std::function<bool()> paused,
                QObject *parent = nullptr);

    // Plays the text from its first line; refuses with a message when the module is
    // not ready. A play already running starts again from the first line.
    bool play(const QString &text);
    // The play button goes back to normal, and the play ends after its current line.
    // Stopped before its first line went out, the play sends that line, then ends;
    // stopped while paused, it waits for the release, plays the next line, then ends.
    void stop();
    // The window calls this when the pause button changes: a release ends the wait.
    void pauseChanged();
    // Ends the play at once, paused or not: nothing more is sent (the program closes).
    void abort();

    // The play button shows red: from the start of a play until the end of the macro
    // or Stop (a data error or a failed send ends the play but leaves it red).
    bool playButtonActive() const { return m_buttonActive; }
    bool running() const { return m_running; }
    // Paused between lines: the timer stands still until Pause is released.
    bool waiting() const { return m_waiting; }
    int nextLine() const { return m_next; }

public slots:
    void tick();

signals:
    void stateChanged();

private:
    void finish(bool keepButton);
    bool pauseDown() const;
    bool playLine(int index);
    void waitOrGoOn();

    Link &m_link;
    ShellState &m_state;
    UserDialogs &m_dialogs;
    std::function<bool()> m_paused;
    QTimer m_timer;
    QStringList m_lines;
    int m_next = 0;
    bool m_running = false;
    bool m_buttonActive = false;
    bool m_waiting = false;
    // A tick is between sending its line and seeing what the user did meanwhile.
    bool m_inLine = false;
    // Counts plays begun and ended, so a tick knows whether its play is still the
    // one running after the window has taken the user's clicks.
    quint64 m_generation = 0;
};

} // namespace kvx
