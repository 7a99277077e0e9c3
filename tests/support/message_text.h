#pragma once

#include <QRegularExpression>
#include <QStringList>

namespace kvx::test {

// The Latin letters of a message once the given paths (the longest first, so a
// folder does not cut the files beneath it) are taken out: the program's own words
// that a Japanese message must not hold.
inline QString latinLettersBesidePaths(QString message, const QStringList &paths)
{
    for (const QString &p : paths)
        message.remove(p);
    return message.remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
}

} // namespace kvx::test
