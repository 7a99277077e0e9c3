#pragma once

#include "link/byte_sink.h"

#include <QString>

#include <functional>

namespace kvx {

class PanelContext;

// The character-set display test: writes the codes 32..255, and again from 32, one
// character every n timer ticks, until stopped. The window owns the timer and calls
// TimerTestMode_Timer on each tick.
class CharacterSetTest
{
public:
    static constexpr int DesignInterval = 14; // ms, the timer's interval while stopped
    static constexpr int RunningInterval = 15;

    // ticksPerCharacter: n (the scroll-speed slider); 1 when not given.
    explicit CharacterSetTest(PanelContext &ctx, std::function<int()> ticksPerCharacter = {})
        : m_ctx(ctx), m_ticksPerCharacter(std::move(ticksPerCharacter))
    {
    }

    bool running() const { return m_running; }
    // Command1's caption in the interface language.
    QString caption() const;
    // The stopped captions in either language: a button re-captioned to one of them
    // (by a change of language) stops the test at the next tick.
    static bool isStoppedCaption(const QString &caption);

    // TxtTestCode: the next code in decimal, or "'" and a character.
    QString testCode() const { return m_code; }
    void setTestCode(const QString &text) { m_code = text; }
    // TxtTimer: ticks since the last character.
    int tickCount() const { return m_ticks; }

    // Starts or stops; refused while the tutorial is shown.
    void Command1_Click();
    // Stops (the button re-captioned, the link lost).
    void stop() { m_running = false; }
    // One tick of the timer. A character the link refuses as busy (another send is
    // under way) goes at the next tick.
    void TimerTestMode_Timer();

private:
    PanelContext &m_ctx;
    std::function<int()> m_ticksPerCharacter;
    bool m_running = false;
    QString m_code = QStringLiteral("32");
    int m_ticks = 0;
};

} // namespace kvx
