#include "shell/macro_player.h"

#include "link/codepage.h"
#include "link/link.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

namespace kvx {

MacroPlayer::MacroPlayer(Link &link, ShellState &state, UserDialogs &dialogs, std::function<bool()> paused,
                         QObject *parent)
    : QObject(parent), m_link(link), m_state(state), m_dialogs(dialogs), m_paused(std::move(paused))
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &MacroPlayer::tick);
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
    m_stopAfterLine = false;
    m_timer.start();
    emit stateChanged();
    return true;
}

void MacroPlayer::stop()
{
    m_buttonActive = false;
    if (m_running && pauseDown())
        m_stopAfterLine = true;
    else
        finish(false);
    emit stateChanged();
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
    m_stopAfterLine = false;
    m_timer.stop();
    if (!keepButton)
        m_buttonActive = false;
    emit stateChanged();
}

void MacroPlayer::tick()
{
    if (!m_running) {
        m_timer.stop();
        return;
    }
    // The wait comes after a line, the last one too: a play started with Pause down
    // sends its first line, then waits.
    if (m_next > 0 && pauseDown() && !m_stopAfterLine)
        return;
    // Timers run while a send goes on: a tick that comes then waits for the line.
    if (m_link.isSending())
        return;
    if (m_next >= m_lines.size()) {
        finish(false);
        return;
    }
    const int index = m_next++;
    if (!playLine(index)) {
        finish(true);
        return;
    }
    if (m_stopAfterLine || (m_next >= m_lines.size() && !pauseDown()))
        finish(false);
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
    for (char byte : line.bytes) {
        // Each byte is a command of its own; the first one that does not go out ends
        // the play (the link has said why).
        if (!wentOut(m_link.portOut(QByteArray(1, byte))))
            return false;
    }
    return true;
}

} // namespace kvx
