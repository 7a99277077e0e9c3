#include "panels/charset_test.h"

#include "link/codepage.h"
#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

namespace kvx {

namespace {
const QString StoppedEnglish = QStringLiteral("Diplay Character Set");
const QString StoppedJapanese = QStringLiteral("文字順次表示");
} // namespace

QString CharacterSetTest::caption() const
{
    if (m_running)
        return m_ctx.state.tr(QStringLiteral("Diplay STOP"), QStringLiteral("順次表示停止"));
    return m_ctx.state.tr(StoppedEnglish, StoppedJapanese);
}

bool CharacterSetTest::isStoppedCaption(const QString &caption)
{
    return caption == StoppedEnglish || caption == StoppedJapanese;
}

void CharacterSetTest::Command1_Click()
{
    if (m_ctx.state.TutorialShown) {
        m_ctx.dialogs.message(QStringLiteral("This button is not available under tutorial."));
        return;
    }
    if (m_running) {
        m_running = false;
        return;
    }
    m_running = true;
    m_ticks = 0;
}

void CharacterSetTest::TimerTestMode_Timer()
{
    if (!m_running)
        return;
    const SystemCodePage page = systemCodePage(m_ctx.state.UILanguage);
    if (m_code.startsWith(QLatin1Char('\''))) {
        const QList<uint> chars = m_code.mid(1).toUcs4();
        // A lone quote: the user has not typed the character yet.
        if (chars.isEmpty())
            return;
        m_code = QString::number(systemCodeOf(char32_t(chars.first()), page));
    }
    m_code = decimalText(numericValue(m_code));
    ++m_ticks;
    const int n = m_ticksPerCharacter ? m_ticksPerCharacter() : 1;
    if (m_ticks < n)
        return;
    const double typed = roundHalfEven(numericValue(m_code));
    const int code = typed >= 32 && typed <= 255 ? int(typed) : 32;
    m_code = QString::number(code);
    const SendResult r = m_ctx.run([code](VX5200 &e) { return e.portOut(QByteArray(1, char(code))); },
                                   QStringLiteral("Write a character '") + systemCharOf(quint8(code), page), QString());
    // Another send is under way: the count stays due, so the character goes next tick.
    if (r == SendResult::Busy)
        return;
    m_ticks = 0;
    if (!wentOut(r)) {
        // The module is not taking characters: the sending routine has told the user.
        m_running = false;
        return;
    }
    m_code = QString::number(code >= 255 ? 32 : code + 1);
}

} // namespace kvx
