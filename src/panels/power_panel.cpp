#include "panels/power_panel.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"

namespace kvx {

namespace {
const QString SaverHelp =
    QStringLiteral("-----OpCode-----  p  (p:Mode 0-DisplayPowerOff,1-DisplayPowerOn,2-FullOn,3-FullOff,4-Reverse4sec)");
} // namespace

QStringList PowerPanel::powerOffTimerItems(bool japanese)
{
    QStringList items{japanese ? QStringLiteral("なし") : QStringLiteral("None")};
    items << QStringLiteral("1") << QStringLiteral("2") << QStringLiteral("5") << QStringLiteral("10")
          << QStringLiteral("20") << QStringLiteral("30") << QStringLiteral("45") << QStringLiteral("60")
          << QStringLiteral("90") << QStringLiteral("120") << QStringLiteral("255");
    return items;
}

SendResult PowerPanel::BrightSlider_Change(int n)
{
    const QString help = m_ctx.encoder.moduleSeri() == QLatin1String("5200")
        ? QStringLiteral("-OpCode-  n  (n:Brightness 1<=n<=8)")
        : QStringLiteral("-OpCode-  n  (n:Brightness 0<=n<=8)");
    return m_ctx.run([&](VX5200 &e) { return e.bright(n); },
                     QStringLiteral("bright : %1(%2%)").arg(n).arg(decimalText(n * 12.5)), help);
}

SendResult PowerPanel::saver(int p, const QString &name)
{
    return m_ctx.run([&](VX5200 &e) { return e.ScreenSaver(p); }, name, SaverHelp);
}

SendResult PowerPanel::FullOnCommandButton_Click()
{
    return saver(3, QStringLiteral("ScreenSaver type=FullOn"));
}

SendResult PowerPanel::FullOffCommandButton_Click()
{
    return saver(2, QStringLiteral("ScreenSaver type=FullOff"));
}

SendResult PowerPanel::Reverse4CommandButton_Click()
{
    return saver(4, QStringLiteral("ScreenSaver type=Reverse4"));
}

SendResult PowerPanel::ScreenSaverCancelCommandButton_Click()
{
    const SendResult r = saver(1, QStringLiteral("ScreenSaver cancel(type=DispPowerOn)"));
    if (wentOut(r))
        m_power = Power::On;
    return r;
}

SendResult PowerPanel::DispPowerCommandButton_Click(bool timerEnabled, const QString &timerText)
{
    if (m_power != Power::On) {
        const SendResult r = saver(1, QStringLiteral("ScreenSaver type=DispPowerOn"));
        if (wentOut(r))
            m_power = Power::On;
        return r;
    }
    const double minutes = numericValue(timerText);
    if (timerEnabled && minutes != 0) {
        SendResult r = m_ctx.run([&](VX5200 &e) { return e.AutoOffTimer(int(toWhole(minutes, IntWidth::Int16))); },
                                 QStringLiteral("ScreenSaver:Set Power Auto Off timer"),
                                 QStringLiteral("-----OpCode-----  p  Min."));
        if (!wentOut(r))
            return r;
        r = saver(16, QStringLiteral("ScreenSaver type=DispPowerAutoOff"));
        if (wentOut(r))
            m_power = Power::TimedOff;
        return r;
    }
    const SendResult r = saver(0, QStringLiteral("ScreenSaver type=DispPowerOff"));
    if (wentOut(r))
        m_power = Power::Off;
    return r;
}

} // namespace kvx
