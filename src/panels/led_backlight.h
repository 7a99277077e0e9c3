#pragma once

#include "link/byte_sink.h"

#include <QString>
#include <QVector>

#include <optional>

namespace kvx {

class PanelContext;

// The animation sliders SldBL(0) to SldBL(5).
struct AnimationSettings
{
    int toneRed = 0;   // SldBL(0), -15..15: lowers red in steps of 16
    int toneGreen = 0; // SldBL(1)
    int toneBlue = 0;  // SldBL(2)
    int speed = 10;    // SldBL(3), -40..40: the wait between frames; negative runs backwards
    int phase = 0;     // SldBL(4), -20..20
    int length = 10;   // SldBL(5), -20..20: the wave length
};

// The colour of every LED in one animation frame.
struct AnimationFrame
{
    QVector<int> red;
    QVector<int> green;
    QVector<int> blue;
};

// The wave runs through a cycle of 21 brightness steps, and the frame tables hold
// one entry per LED of at most 21 LEDs.
constexpr int kWaveCycle = 21;
constexpr int kMaxAnimatedLeds = 21;

// The wave's brightness at position p shifted by offset o over a wave of length L
// (L = 0 is taken as 1 and written back).
int BacklightStepValue(const QVector<int> &wave, int p, int o, int &L);

// One frame: LED i takes the wave at position start + i, green a third of the cycle
// behind red and blue two thirds, each lowered by its tone; below 0 becomes 0.
AnimationFrame animationFrame(const QVector<int> &wave, const AnimationSettings &settings, int start, int ledCount);

// The start positions of the frames in the order they are sent: 1..frames, or
// frames..1 when the speed is negative.
QVector<int> animationFrameStarts(int frames, int speed);

// The LED count of the animation: a whole number 0..21 typed in the count box;
// nothing for any other text.
std::optional<int> animationLedCount(const QString &text);

// "WaitAction : 10X 14mS=140mSec"
QString waitActionLogName(int wait);

// Which colour "All" sends on the newer series (OptR, OptG, OptB, OptRGB).
enum class LedColourOption { Red, Green, Blue, RGB };

// The LEDs and backlight panel: LEDs on, one colour for all LEDs or a quarter of them,
// and the wave animation over the LED row.
class LedBacklightPanel
{
public:
    explicit LedBacklightPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // "LED ON".
    SendResult Command12_Click();

    // "All": on exactly the "2100" series the duty-adjusted or plain RGB command, on
    // every other series the colour the options choose.
    SendResult CmdLED_Click(int red, int green, int blue, LedColourOption option, bool dutyAdjust);
    // The mode "All" sends.
    static int allMode(const QString &moduleSeries, LedColourOption option, bool dutyAdjust);

    // "LED 0" to "LED 3": one colour for a quarter of the LEDs counted in TxtNoOfLED.
    SendResult CmdLedBlk_Click(int index, const QString &ledCountText, int red, int green, int blue, bool dutyAdjust);

    // The animation: index 1, 3 or 4 from the buttons sends `repeatText` frames each
    // followed by a wait; 100 or more (a slider moved) sends one frame and no wait.
    // Stops at the first command that does not go out; a click while an animation
    // runs starts nothing.
    SendResult CmdBL_Click(int index, const QString &ledCountText, const QString &repeatText,
                           const AnimationSettings &settings);
    bool animationRunning() const { return m_running; }

private:
    PanelContext &m_ctx;
    bool m_running = false;
};

} // namespace kvx
