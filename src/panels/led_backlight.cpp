#include "panels/led_backlight.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>

namespace kvx {

namespace {
const QString RgbHelp = QStringLiteral("-----OpCode-----  B(B), B(G), B(R)  (0 to FF 16 steps)");
const QString BrHelp = QStringLiteral("-----OpCode-----  Br (0 to FF 16 steps)");

QString bgr(int red, int green, int blue)
{
    return QStringLiteral("%1, %2, %3").arg(blue).arg(green).arg(red);
}

// The colour of one channel: the wave lowered by the tone in steps of 16; the
// remainder keeps the sign of the dividend, and a negative result becomes 0.
int channel(const QVector<int> &wave, int p, int offset, int length, int tone)
{
    const int v = (BacklightStepValue(wave, p, offset, length) - 16 * tone) % 256;
    return v < 0 ? 0 : v;
}
} // namespace

int BacklightStepValue(const QVector<int> &wave, int p, int o, int &L)
{
    if (L == 0)
        L = 1;
    auto v = qint64(roundHalfEven(double(p) * kWaveCycle / L - o));
    if (v < 0)
        v += (-v + kWaveCycle - 1) / kWaveCycle * kWaveCycle; // the same as adding 21 until not negative
    return wave.value(int(v % kWaveCycle), 0);
}

AnimationFrame animationFrame(const QVector<int> &wave, const AnimationSettings &s, int start, int ledCount)
{
    AnimationFrame f;
    const int n = qBound(0, ledCount, kMaxAnimatedLeds);
    for (int i = 0; i < n; ++i) {
        f.red.append(channel(wave, start + i, s.phase, s.length, s.toneRed));
        f.green.append(channel(wave, start + i, s.phase + 7, s.length, s.toneGreen));
        f.blue.append(channel(wave, start + i, s.phase + 14, s.length, s.toneBlue));
    }
    return f;
}

QVector<int> animationFrameStarts(int frames, int speed)
{
    QVector<int> starts;
    for (int k = 1; k <= frames; ++k)
        starts.append(speed < 0 ? frames - k + 1 : k);
    return starts;
}

std::optional<int> animationLedCount(const QString &text)
{
    // The text must begin with a number (a plain decimal or an "&H" hexadecimal);
    // anything else would read as 0 and light nothing without a word.
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?\s*(\d|\.\d)|&[Hh][0-9A-Fa-f]))"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const double v = roundHalfEven(numericValue(text));
    if (!(v >= 0 && v <= kMaxAnimatedLeds))
        return std::nullopt;
    return int(v);
}

QString waitActionLogName(int wait)
{
    return QStringLiteral("WaitAction : %1X 14mS=%2mSec").arg(wait).arg(wait * 14);
}

SendResult LedBacklightPanel::Command12_Click()
{
    return m_ctx.run([](VX5200 &e) { return e.LedOnOff(1); }, QStringLiteral("Back lighr LED ON (n = 0 for LED off)"),
                     QStringLiteral("-----OpCode----  n "));
}

int LedBacklightPanel::allMode(const QString &moduleSeries, LedColourOption option, bool dutyAdjust)
{
    // Only the plain older series knows the duty-adjusted RGB command; "2100B" takes
    // the options like the newer series.
    if (moduleSeries == QLatin1String("2100"))
        return dutyAdjust ? 128 : 129;
    switch (option) {
    case LedColourOption::Red: return 2;
    case LedColourOption::Green: return 1;
    case LedColourOption::Blue: return 0;
    case LedColourOption::RGB: break;
    }
    return 16;
}

SendResult LedBacklightPanel::CmdLED_Click(int red, int green, int blue, LedColourOption option, bool dutyAdjust)
{
    const int mode = allMode(m_ctx.encoder.moduleSeri(), option, dutyAdjust);
    QString name;
    QString help = BrHelp;
    switch (mode) {
    case 128:
        name = QStringLiteral("Back lighr Color with Duty adjust:RGB ") + bgr(red, green, blue);
        help = RgbHelp;
        break;
    case 129:
    case 16:
        name = QStringLiteral("Back lighr Color : RGB   ") + bgr(red, green, blue);
        help = RgbHelp;
        break;
    case 2: name = QStringLiteral("Back lighr Color : Red   %1").arg(red); break;
    case 1: name = QStringLiteral("Back lighr Color : Green %1").arg(green); break;
    default: name = QStringLiteral("Back lighr Color : Blue  %1").arg(blue); break;
    }
    return m_ctx.run([&](VX5200 &e) { return e.BackLight(mode, red, green, blue); }, name, help);
}

SendResult LedBacklightPanel::CmdLedBlk_Click(int index, const QString &ledCountText, int red, int green, int blue,
                                              bool dutyAdjust)
{
    const int mode = dutyAdjust ? 144 : 145;
    const double quarter = numericValue(ledCountText) / 4;
    const QString name = mode == 144
        ? QStringLiteral("Back lighr Color with Duty adjust : RGB   ") + bgr(red, green, blue)
        : QStringLiteral("Back lighr Color : Red   %1").arg(red);
    const QString help = mode == 144 ? RgbHelp : BrHelp;
    return m_ctx.run(
        [&](VX5200 &e) {
            const auto length = int(toWhole(quarter, IntWidth::Int16));
            const auto first = int(toWhole(quarter * index, IntWidth::Int16));
            return e.BackLight3(mode, red, green, blue, length, first);
        },
        name, help);
}

SendResult LedBacklightPanel::CmdBL_Click(int index, const QString &ledCountText, const QString &repeatText,
                                          const AnimationSettings &settings)
{
    if (m_running)
        return SendResult::Busy;
    const std::optional<int> leds = animationLedCount(ledCountText);
    if (!leds) {
        m_ctx.dialogs.message(m_ctx.state.tr(QStringLiteral("The number of LEDs must be 0 to 21."),
                                             QStringLiteral("LEDの数は0～21で指定してください。")),
                              UserDialogs::Icon::Warning);
        return SendResult::Skipped;
    }
    int frames = 1;
    if (index < 100) {
        try {
            frames = int(toWhole(numericValue(repeatText), IntWidth::Int16));
        } catch (const EncodeError &) {
            m_ctx.showValueOutOfRange();
            return SendResult::Skipped;
        }
    }
    const int wait = std::abs(settings.speed);

    m_running = true;
    struct Done
    {
        bool &flag;
        ~Done() { flag = false; }
    } done{m_running};

    SendResult r = SendResult::Skipped;
    for (const int start : animationFrameStarts(frames, settings.speed)) {
        const AnimationFrame f = animationFrame(m_ctx.state.BacklightWave, settings, start, *leds);
        r = m_ctx.run([&](VX5200 &e) { return e.BackLight2(145, f.red, f.green, f.blue, *leds); },
                      QStringLiteral("Back ligh Color : RGB"),
                      QStringLiteral("  -----OpCode-----  Br (0 to FF 16 steps)"));
        if (!wentOut(r))
            break;
        if (index < 100) {
            r = m_ctx.run([&](VX5200 &e) { return e.ShortWaitAction(wait); }, waitActionLogName(wait),
                          QStringLiteral("-----OpCode-----  t  (t:Time 0<=t<=255)"));
            if (!wentOut(r))
                break;
        }
    }
    return r;
}

} // namespace kvx
