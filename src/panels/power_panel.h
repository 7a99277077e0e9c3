#pragma once

#include "link/byte_sink.h"

#include <QString>
#include <QStringList>

namespace kvx {

class PanelContext;

// Brightness, the screen-saver modes and the display power with its power-off
// timer. The display power is a small state machine kept here; the power button's
// colour only shows it.
class PowerPanel
{
public:
    enum class Power { On, Off, TimedOff };

    static constexpr int BrightMaximum = 8;

    explicit PowerPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // The power-off time list in the interface language, "None" first.
    static QStringList powerOffTimerItems(bool japanese);

    // The brightness slider moved by the user to n.
    SendResult BrightSlider_Change(int n);
    SendResult FullOnCommandButton_Click();
    SendResult FullOffCommandButton_Click();
    SendResult Reverse4CommandButton_Click();
    SendResult ScreenSaverCancelCommandButton_Click();
    // timerEnabled and timerText: the power-off time list.
    SendResult DispPowerCommandButton_Click(bool timerEnabled, const QString &timerText);
    Power power() const { return m_power; }

    // The start state, without sending.
    void resetControls() { m_power = Power::On; }

private:
    SendResult saver(int p, const QString &name);

    PanelContext &m_ctx;
    Power m_power = Power::On;
};

} // namespace kvx
