#include "image_list/text_io.h"

#include "link/codepage.h"

#include <QFile>

namespace kvx {

bool readTextFile(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    text = decodeFileText(bytes);
    return true;
}

FileWriteResult writeTextFile(const QString &path, const QString &text)
{
    return writeFileSafely(path, text.toUtf8());
}

} // namespace kvx
