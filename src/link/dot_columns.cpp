#include "link/dot_columns.h"

namespace kvx {

QByteArray DotColumnBytes(int width, int height, const std::function<bool(int x, int y)> &isLit)
{
    if (width <= 0 || height <= 0)
        return {};
    const int perColumn = dotColumnByteCount(height);
    QByteArray out(qsizetype(width) * perColumn, '\0');
    char *p = out.data();
    for (int x = 0; x < width; ++x) {
        for (int group = 0; group < perColumn; ++group) {
            quint8 b = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int y = group * 8 + bit;
                if (y < height && isLit(x, y))
                    b |= quint8(0x80 >> bit);
            }
            *p++ = char(b);
        }
    }
    return out;
}

} // namespace kvx
