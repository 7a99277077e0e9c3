#include "panels/screen_actions.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"

namespace kvx {

namespace {

// A typed value for a command field of 0..maximum, rounded halves to even;
// EncodeError when the field cannot take it.
int fieldValue(double value, qint64 maximum)
{
    const qint64 v = toWhole(value, IntWidth::Int32);
    if (v < 0 || v > maximum)
        throw EncodeError(QStringLiteral("Overflow: %1 does not fit the field").arg(v));
    return int(v);
}

// The rounded value as the log writes it (only used once the value went out).
QString rounded(double value)
{
    return decimalText(roundHalfEven(value));
}

} // namespace

SendResult ScreenActionsPanel::WaitCommandButton_Click(int t)
{
    return m_ctx.run([&](VX5200 &e) { return e.WaitAction(t); },
                     QStringLiteral("WaitAction : %1X 0.5sec=%2sec").arg(t).arg(decimalText(t * 0.5)),
                     QStringLiteral("-----OpCode-----  t  (t:Time 0<=t<=255)"));
}

SendResult ScreenActionsPanel::ScrollCommandButton_Click(const QString &shift, const QString &repetition,
                                                         const QString &speed)
{
    const double w = numericValue(shift);
    const double c = numericValue(repetition);
    const double s = numericValue(speed);
    return m_ctx.run(
        [&](VX5200 &e) { return e.ScrollAction(fieldValue(w, 65535), fieldValue(c, 65535), fieldValue(s, 255)); },
        QStringLiteral("ScrollAction shift=%1 Repetition=%2 speed=%3(%4msec)")
            .arg(rounded(w), rounded(c), rounded(s), decimalText(roundHalfEven(s) * 0.014)),
        QStringLiteral("-----OpCode----- wL  wH  cL  cH   s  (w:Shift 0<=w<=1023)(c:Repetition 1<=c<=65535)"
                       "(s:Speed 0<=s<=255)"));
}

SendResult ScreenActionsPanel::BlinkCommandButton_Click(int pattern, const QString &patternText,
                                                        const QString &eventTime, const QString &normalTime,
                                                        const QString &repetition)
{
    // Without a chosen pattern there is no pattern byte to send.
    if (pattern < 0) {
        m_ctx.showValueOutOfRange();
        return SendResult::Skipped;
    }
    const double t2 = numericValue(eventTime);
    const double t1 = numericValue(normalTime);
    const double c = numericValue(repetition);
    return m_ctx.run(
        [&](VX5200 &e) { return e.BlinkAction(pattern, fieldValue(t2, 255), fieldValue(t1, 255), fieldValue(c, 255)); },
        QStringLiteral("BlinkAction pattern=%1 eventTime=%2(%3msec)  normalTime=%4(%5msec)  repetition=%6")
            .arg(patternText, rounded(t2), decimalText(roundHalfEven(t2) * 0.014), rounded(t1),
                 decimalText(roundHalfEven(t1) * 0.014), repetition),
        QStringLiteral("-----OpCode-----  p  t1  t2   c  (p:Pattern 0-Normal,1-Blank,2-Reverse)"
                       "(t1:NormalTime 1<=t1<=255)(t2:EventTime 1<=t2<=255)(c:Repetition 0<=c<=255)"));
}

} // namespace kvx
