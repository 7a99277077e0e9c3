#include "panels/test_patterns.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

#include <cmath>

namespace kvx {

QByteArray testPatternBytes(TestPattern pattern, int x, int y, int phase)
{
    if (x <= 0 || y <= 0)
        return QByteArray();
    static const char stripe[4] = {char(0x88), 0x44, 0x22, 0x11};
    const qsizetype total = qsizetype(x) * y;
    QByteArray bytes(total, '\0');
    for (qsizetype i = 0; i < total; ++i) {
        const qsizetype column = i / y;
        char b = 0;
        switch (pattern) {
        case TestPattern::AllOff: b = 0; break;
        case TestPattern::AllOn: b = char(0xFF); break;
        case TestPattern::Stripe: b = stripe[((column + phase) % 4 + 4) % 4]; break;
        case TestPattern::Checker: b = column % 2 == 0 ? char(0x55) : char(0xAA); break;
        case TestPattern::IncrementalBinary: b = char(i % 256); break;
        }
        bytes[i] = b;
    }
    return bytes;
}

QString TestPatternPanel::help()
{
    return QStringLiteral("-----OpCode----- xL  xH  yL  yH  01  d1  d2  d3  .   .   .   "
                          "(x:Width)(y:Height)(d:BmpData 0 - 255)");
}

SendResult TestPatternPanel::draw(TestPattern pattern, int phase, const QString &xText, const QString &yText)
{
    const double xs = roundHalfEven(numericValue(xText));
    const double ys = roundHalfEven(numericValue(yText));
    // A size beyond any module is refused like any other size that does not fit,
    // before it is used as a number of bytes.
    constexpr double Beyond = 1e9;
    const bool representable =
        std::isfinite(xs) && std::isfinite(ys) && std::fabs(xs) < Beyond && std::fabs(ys) < Beyond;
    if (!representable || m_ctx.encoder.OverSize(qint64(xs), qint64(ys) * 8)) {
        m_ctx.dialogs.message(
            m_ctx.state.tr(QStringLiteral("Image size is too large."), QStringLiteral("画像が大きすぎます。")));
        return SendResult::Skipped;
    }
    const int x = int(xs);
    const int y = int(ys);
    const QByteArray data = testPatternBytes(pattern, x, y, phase);
    return m_ctx.run([&](VX5200 &e) { return e.BitImageDisplay(x, y, data); },
                     QStringLiteral("BitImageDisplay xSize=%1 ySize=%2 test pattern").arg(x).arg(y), help());
}

} // namespace kvx
