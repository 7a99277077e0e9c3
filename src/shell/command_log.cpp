#include "shell/command_log.h"

#include "link/link.h"
#include "shell/prt_macro_text.h"
#include "shell/shell_state.h"

namespace kvx {

CommandLog::CommandLog(ShellState &state, QObject *parent) : QObject(parent), m_state(state) {}

void CommandLog::attachLink(Link *link)
{
    connect(link, &Link::commandSent, this,
            [this](const QByteArray &bytes, const QString &) { commandCompleted(bytes); });
}

void CommandLog::commandCompleted(const QByteArray &bytes)
{
    m_pending = bytes;
}

void CommandLog::addLog(const QString &name, const QString &help)
{
    m_name = name;
    m_help = help;
    const QByteArray bytes = m_pending;
    m_pending.clear();
    emit logged(name, help);
    if (!recordingActive())
        return;
    const QString block = prtMacroBlock(name, help, bytes);
    if (m_target && m_target->isEditorVisible()) {
        m_target->insertAtCaret(QStringLiteral("\r\n") + block + QStringLiteral("\r\n"));
    } else {
        // A block starts on a line of its own, also behind a text whose last line has no
        // line end (one typed in the editor, or kept in Tmp.sei, whose reader drops the
        // final line end).
        if (!m_state.MacroText.isEmpty() && !m_state.MacroText.endsWith(QLatin1String("\r\n")))
            m_state.MacroText += QStringLiteral("\r\n");
        m_state.MacroText += block;
        emit macroTextChanged();
    }
}

} // namespace kvx
