#include "tutorial/achievement_record.h"

#include "link/app_paths.h"

#include <QFile>

#include <algorithm>

namespace kvx::achievement_record {

namespace {

// A version tag and a note not to edit the file by hand; the reader skips it.
const char Header[] = "V1.0 直に触っちゃだめ。";

} // namespace

QString defaultPath()
{
    return programFile(QStringLiteral("enma.tmp"));
}

QByteArray format(const TopicCounts &counts)
{
    QByteArray out(Header);
    out += "\r\n";
    for (int n : counts) {
        out += n < 0 ? QByteArray::number(n) : ' ' + QByteArray::number(n);
        out += " \r\n";
    }
    return out;
}

TopicCounts parse(const QByteArray &content)
{
    TopicCounts counts{};
    QList<QByteArray> lines = content.split('\n');
    // Line 1 is the header; an empty last piece after the final line end is no line.
    for (int topic = 0; topic < tutorial::TopicCount; ++topic) {
        const int line = topic + 1;
        if (line >= lines.size())
            break;
        QByteArray text = lines[line];
        if (text.endsWith('\r'))
            text.chop(1);
        bool ok = false;
        const int n = text.trimmed().toInt(&ok);
        if (!ok)
            break;
        counts[topic] = std::clamp(n, 0, tutorial::topicCheckpoints(topic));
    }
    return counts;
}

TopicCounts load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TopicCounts{};
    return parse(file.readAll());
}

FileWriteResult save(const QString &path, const TopicCounts &counts)
{
    return writeFileSafely(path, format(counts));
}

} // namespace kvx::achievement_record
