#include "image_list/param_text.h"

namespace kvx {

QString &trimSpaces(QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text = text.mid(start, end - start);
    return text;
}

QString normalizeParamText(QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first).unicode() <= ' ')
        ++first;
    text = text.mid(first);

    bool quoted = false;
    qsizetype pos = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text.at(pos).unicode();
        if (!quoted) {
            if (c <= '"')
                quoted = true;
            if (c <= ' ' || c == ',')
                break;
        } else if (c <= '"') {
            quoted = false;
        }
    }
    const QString token = text.left(pos);
    text = text.mid(pos);
    return token;
}

} // namespace kvx
