#include "image_list/definition_listing.h"

#include "image_list/image_texts.h"

namespace kvx {

namespace {

// A number printed as an item of its own: sign place, digits, one blank.
QString item(qint64 value)
{
    return value < 0 ? QString::number(value) + QLatin1Char(' ')
                     : QLatin1Char(' ') + QString::number(value) + QLatin1Char(' ');
}

// The last width characters of blanks followed by text.
QString right(const QString &text, int width)
{
    return (QString(width, QLatin1Char(' ')) + text).right(width);
}

// Padded with blanks or cut to exactly width characters.
QString left(const QString &text, int width)
{
    return (text + QString(width, QLatin1Char(' '))).left(width);
}

QString baseName(const QString &fileName)
{
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString extensionOf(const QString &path)
{
    if (path.right(2) == QLatin1String(".c"))
        return QStringLiteral(".c");
    return path.right(4).toLower();
}

bool known(const QString &ext)
{
    return ext == QLatin1String(".txt") || ext == QLatin1String(".c") || ext == QLatin1String(".asm");
}

} // namespace

ListingTarget listingTarget(const QString &path, int filterIndex)
{
    ListingTarget target;
    target.path = path;
    if (!known(extensionOf(path))) {
        static const char *const byFilter[] = {".txt", ".c", ".asm"};
        target.path += QLatin1String(filterIndex >= 0 && filterIndex < 3 ? byFilter[filterIndex] : ".txt");
    }
    const QString ext = extensionOf(target.path);
    target.form = ext == QLatin1String(".c") ? ListingForm::C
        : ext == QLatin1String(".asm")       ? ListingForm::Assembler
                                             : ListingForm::Text;
    return target;
}

QString definitionListing(const QList<ImageListEntry> &entries, ListingForm form)
{
    QStringList lines;
    const QString total = QStringLiteral("Total number of Images : ") + item(entries.size());
    const QString title = QStringLiteral("Image List   ") + image_msg::authorCredit;
    switch (form) {
    case ListingForm::Text:
        lines << image_msg::banner << title << QString() << QStringLiteral("Rev1.20") << total << QString()
              << QStringLiteral("  No.  Label      FileName               X x  Y     P- Address") << QString();
        for (int i = 0; i < entries.size(); ++i) {
            const ImageListEntry &e = entries[i];
            lines << right(QString::number(i + 1), 5) + QLatin1Char(' ') + left(e.imgLabel, 10) + QLatin1Char(' ')
                    + left(e.imgFileName, 20) + QLatin1Char(' ') + right(QString::number(e.imgX), 4)
                    + QStringLiteral(" x") + right(QString::number(e.imgY), 4) + QLatin1Char(' ')
                    + right(QString::number(e.imgPage), 4) + QLatin1Char('-') + right(QString::number(e.imgAddress), 7);
        }
        lines << QString() << QStringLiteral("EOF");
        break;
    case ListingForm::C:
        lines << QStringLiteral("/** ") + image_msg::banner << QStringLiteral("*** ") + title << QStringLiteral("*** ")
              << QStringLiteral("*** Rev1.20") << QStringLiteral("*** ") + total << QStringLiteral("**/") << QString()
              << QString();
        for (const ImageListEntry &e : entries) {
            const QString name = baseName(e.imgFileName);
            lines << QStringLiteral("#define  _") + name + QStringLiteral("_page   ") + QString::number(e.imgPage)
                  << QStringLiteral("#define  _") + name + QStringLiteral("_adrs   ") + QString::number(e.imgAddress)
                  << QString();
        }
        lines << QString() << QString();
        break;
    case ListingForm::Assembler:
        lines << QStringLiteral("rem ") + image_msg::banner << QStringLiteral("rem ") + title << QStringLiteral("rem ")
              << QStringLiteral("rem Rev1.20") << QStringLiteral("rem ") + total << QString() << QString() << QString();
        for (const ImageListEntry &e : entries) {
            const QString name = baseName(e.imgFileName);
            lines << QStringLiteral(".equ ") + name + QStringLiteral("_page ") + QString::number(e.imgPage)
                  << QStringLiteral(".equ ") + name + QStringLiteral("_adrs ") + QString::number(e.imgAddress)
                  << QString();
        }
        lines << QString() << QString();
        break;
    }
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}

} // namespace kvx
