#include "image_list/text_io.h"

#include "link/codepage.h"
#include "shell/stored_text.h"

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

bool writeTextFile(const QString &path, const QString &text, QString *error)
{
    const FileWriteResult r = writeFileSafely(path, text.toUtf8());
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

} // namespace kvx
