#pragma once

#include "link/byte_sink.h"

#include <QString>

namespace kvx {

class PanelContext;

// The wait, scroll and blink actions of the module's display.
class ScreenActionsPanel
{
public:
    static constexpr int WaitMinimum = 0;
    static constexpr int WaitMaximum = 255;
    static constexpr int WaitStart = 1;

    explicit ScreenActionsPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // The wait slider's steps ("Short" / ">Long"): the new value, kept in range.
    static int Shorter_Click(int value) { return value > WaitMinimum ? value - 1 : value; }
    static int Longer_Click(int value) { return value < WaitMaximum ? value + 1 : value; }

    // t: the wait slider's value, in steps of 0.5 s.
    SendResult WaitCommandButton_Click(int t);
    // The box texts; shift and repetition take 0..65535, speed one byte.
    SendResult ScrollCommandButton_Click(const QString &shift, const QString &repetition, const QString &speed);
    // pattern: the list's index (-1 when nothing is chosen) and text.
    SendResult BlinkCommandButton_Click(int pattern, const QString &patternText, const QString &eventTime,
                                        const QString &normalTime, const QString &repetition);

private:
    PanelContext &m_ctx;
};

} // namespace kvx
