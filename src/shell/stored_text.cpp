#include "shell/stored_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <iconv.h>

#include <cerrno>

namespace kvx {

namespace {

QString decodeCp932(const QByteArray &bytes)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);

    QByteArray out;
    out.resize(bytes.size() * 3 + 16);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *dst = out.data();
    size_t outLeft = size_t(out.size());
    static const char replacement[] = "\xEF\xBF\xBD";
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) { // cannot happen with 3 bytes out per byte in, but stay safe
            const qsizetype used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = size_t(out.size() - used);
            continue;
        }
        // An unreadable or cut-off byte: mark it and go on with the next one.
        if (outLeft < 3) {
            const qsizetype used = dst - out.data();
            out.resize(out.size() + 64);
            dst = out.data() + used;
            outLeft = size_t(out.size() - used);
        }
        for (char c : {replacement[0], replacement[1], replacement[2]})
            *dst++ = c;
        outLeft -= 3;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    out.truncate(dst - out.data());
    return QString::fromUtf8(out);
}

} // namespace

QString decodeStoredText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp932(bytes);
}

FileWriteResult writeFileSafely(const QString &path, const QByteArray &bytes)
{
    FileWriteResult result;
    result.path = path;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

QString writeFailureMessage(const FileWriteResult &result, const QString &uiLanguage)
{
    const QString path = QDir::toNativeSeparators(result.path);
    if (uiLanguage == QLatin1String("Japanese"))
        return QStringLiteral("ファイルを保存できませんでした。\n%1\n%2").arg(path, result.error);
    return QStringLiteral("The file could not be saved.\n%1\n%2").arg(path, result.error);
}

} // namespace kvx
