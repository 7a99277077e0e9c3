#include "shell/prt_macro_text.h"

#include <QRegularExpression>

namespace kvx {

QString prtCommentLines(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString out;
    for (const QString &line : text.split(lineBreak))
        out += QStringLiteral("*** ") + line + QStringLiteral(" ***\r\n");
    return out;
}

QString prtMacroBlock(const QString &name, const QString &help, const QByteArray &bytes)
{
    static const char digits[] = "0123456789abcdef";
    QString block = prtCommentLines(name) + prtCommentLines(help) + QStringLiteral("PRT");
    int onLine = 0;
    for (char ch : bytes) {
        const auto b = quint8(ch);
        block += QLatin1Char(' ');
        block += QLatin1Char(digits[b >> 4]);
        block += QLatin1Char(digits[b & 15]);
        block += QLatin1Char('h');
        if (++onLine == 16) {
            block += QStringLiteral(";\r\nPRT");
            onLine = 0;
        }
    }
    block += QStringLiteral(";\r\n\r\n");
    return block;
}

} // namespace kvx
