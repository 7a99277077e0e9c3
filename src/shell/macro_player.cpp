#include "shell/macro_player.h"

#include "link/codepage.h"
#include "link/link.h"
#include "link/send_run.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

namespace kvx {

MacroPlayer::MacroPlayer(Link &link, ShellState &state, UserDialogs &dialogs, std::function<bool()> paused,
                         QObject *parent)
    : QObject(parent), m_link(link), m_state(state), m_dialogs(dialogs), m_paused(std::move(paused))
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &MacroPlayer::tick);
    // A lost link ends the play, shown stopped, paused or not: it does not go on by
    // itself once the user is on-line again.
    connect(&m_link, &Link::portLost, this, [this] {
        if (m_running || m_buttonActive)
            finish(false);
    });
}

bool MacroPlayer::play(const QString &text)
{
    if (!m_link.moduleReady()) {
        m_dialogs.message(m_state.tr(QStringLiteral("Display is not conected or no power"),
                                     QStringLiteral("ディスプレイが未接続か電源が入っていません。")));
        return false;
    }
    // Lines end at CR LF only, as the recorder writes them.
    m_lines = text.split(QStringLiteral("\r\n"));
    m_next = 0;
    m_running = true;
    m_buttonActive = true;
    m_waiting = false;
    m_inLine = false;
    ++m_generation;
    m_timer.start();
    emit stateChanged();
    return true;
}

void MacroPlayer::stop()
{
    m_buttonActive = false;
    // A line going out, the first line still to go, or the pause wait: the play ends
    // after that line, as it sees the button.
    if (m_running && !m_inLine && !m_waiting && m_next > 0)
        finish(false);
    emit stateChanged();
}

void MacroPlayer::pauseChanged()
{
    if (!m_waiting || pauseDown())
        return;
    m_waiting = false;
    waitOrGoOn();
}

bool MacroPlayer::pauseDown() const
{
    return m_paused && m_paused();
}

void MacroPlayer::abort()
{
    finish(false);
}

void MacroPlayer::finish(bool keepButton)
{
    m_running = false;
    m_waiting = false;
    m_inLine = false;
    ++m_generation;
    m_timer.stop();
    if (!keepButton)
        m_buttonActive = false;
    emit stateChanged();
}

void MacroPlayer::tick()
{
    // A tick that comes while a send goes on (timers run then) waits for it; a tick
    // left from a play that has ended or waits does nothing.
    if (!m_running || m_waiting || m_inLine || m_link.busy())
        return;
    // Pause pressed after the last line's tick took the clicks: the wait comes after a
    // line, so a play started with Pause down still sends its first line.
    if (m_next > 0 && pauseDown()) {
        waitOrGoOn();
        return;
    }
    if (m_next >= m_lines.size()) {
        finish(false);
        return;
    }
    const quint64 generation = m_generation;
    const int index = m_next++;
    m_inLine = true;
    if (!playLine(index)) {
        finish(true);
        return;
    }
    // The clicks that came while the line went out are taken now, before the next
    // line starts; the timer stands still meanwhile. They may have ended this play or
    // started another one.
    m_timer.stop();
    Link::takeHeldInput();
    if (generation != m_generation)
        return;
    m_inLine = false;
    if (!m_buttonActive) {
        finish(false);
        return;
    }
    waitOrGoOn();
}

void MacroPlayer::waitOrGoOn()
{
    if (pauseDown()) {
        // Nothing to do until Pause is released: the timer stands still.
        m_waiting = true;
        m_timer.stop();
        return;
    }
    if (m_next >= m_lines.size())
        finish(false);
    else
        m_timer.start();
}

bool MacroPlayer::playLine(int index)
{
    const MacroTokenizer tokenizer(systemCodePage(m_state.UILanguage));
    std::optional<MacroReadError> error;
    const MacroLine line = tokenizer.readLine(m_lines[index], index + 1, &error);
    if (error) {
        m_dialogs.message(dataErrorMessage(*error));
        return false;
    }
    if (line.kind != MacroLine::Kind::Command)
        return true;
    const SendRun run;
    for (char byte : line.bytes) {
        // Each byte is a command of its own; the first one that does not go out ends
        // the play (the link has said why).
        if (!wentOut(m_link.portOut(QByteArray(1, byte))))
            return false;
    }
    return true;
}

} // namespace kvx
