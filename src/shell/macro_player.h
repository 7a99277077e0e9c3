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
// timer, each byte of a "PRT" line as one command of its own, so Stop, Pause and
// every other control stay usable between lines. The player's own sends are never
// recorded.
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
    // The play button goes back to normal; the line being played is finished first.
    // While paused, the next line is still played before the player stops.
    void stop();
    // Ends the play at once, paused or not: nothing more is sent (the program closes).
    void abort();

    // The play button shows red: from the start of a play until the end of the macro
    // or Stop (a data error or a failed send ends the play but leaves it red).
    bool playButtonActive() const { return m_buttonActive; }
    bool running() const { return m_running; }
    int nextLine() const { return m_next; }

public slots:
    void tick();

signals:
    void stateChanged();

private:
    void finish(bool keepButton);
    bool pauseDown() const;
    bool playLine(int index);

    Link &m_link;
    ShellState &m_state;
    UserDialogs &m_dialogs;
    std::function<bool()> m_paused;
    QTimer m_timer;
    QStringList m_lines;
    int m_next = 0;
    bool m_running = false;
    bool m_buttonActive = false;
    bool m_stopAfterLine = false;
};

} // namespace kvx
