#pragma once

#include "link/byte_sink.h"

#include <QByteArray>
#include <QString>

namespace kvx {

class PanelContext;

// The dot patterns that check every dot of the display.
enum class TestPattern {
    AllOff,            // every dot dark
    AllOn,             // every dot lit
    Stripe,            // diagonal lines one dot down per column, every 4 dots
    Checker,           // single-dot checkerboard
    IncrementalBinary, // byte i holds i mod 256
};

// The bit image of a pattern: x columns of y bytes (DotColumnBytes order, bit 7 the
// top dot). `phase` is the stripe's starting phase 0..3 ("Stripe 1".."Stripe 4").
// An empty or negative size gives no bytes.
QByteArray testPatternBytes(TestPattern pattern, int x, int y, int phase = 0);

// The test-pattern buttons: each draws its pattern at the size of BmpXSizeBox (dots)
// and BmpYSizeBox (bytes of 8 dots) as one bit image.
class TestPatternPanel
{
public:
    explicit TestPatternPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // Reads the two size texts, refuses a size the module cannot take with "Image size
    // is too large." (nothing sent), else sends the pattern and logs it.
    SendResult draw(TestPattern pattern, int phase, const QString &xText, const QString &yText);

    SendResult CmdAllOff_Click(const QString &x, const QString &y) { return draw(TestPattern::AllOff, 0, x, y); }
    SendResult CmdAllOn_Click(const QString &x, const QString &y) { return draw(TestPattern::AllOn, 0, x, y); }
    SendResult CmdTestStripe_Click(int index, const QString &x, const QString &y)
    {
        return draw(TestPattern::Stripe, index, x, y);
    }
    SendResult CmdTextChecker_Click(const QString &x, const QString &y) { return draw(TestPattern::Checker, 0, x, y); }
    SendResult TestPatternCommandButton_Click(const QString &x, const QString &y)
    {
        return draw(TestPattern::IncrementalBinary, 0, x, y);
    }

    static QString help();

private:
    PanelContext &m_ctx;
};

} // namespace kvx
