#include "macro_editor/macro_writers.h"

#include <QFileInfo>

namespace kvx {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The byte's two digits as typed; lower case for a line read without them.
QString typedDigits(const MacroLine &line, qsizetype k)
{
    if (k < line.digits.size())
        return line.digits.at(k);
    return QStringLiteral("%1").arg(uchar(line.bytes.at(k)), 2, 16, QLatin1Char('0'));
}

// The line's bytes, each as prefix + its typed digits, joined by ", ".
QString byteItems(const MacroLine &line, QLatin1String prefix)
{
    QStringList items;
    for (qsizetype k = 0; k < line.bytes.size(); ++k)
        items << prefix + typedDigits(line, k);
    return items.join(QStringLiteral(", "));
}
// Appends the low `digits` hexadecimal digits of value, upper case. Written digit by
// digit: a HEX image of a large macro has over 100000 of them.
void appendUpperHex(QString &s, uint value, int digits)
{
    static constexpr char digitChars[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        s += QLatin1Char(digitChars[(value >> shift) & 0xF]);
}

// Text of a comment line made safe inside "/***" ... "**/": no "*/" inside, and no "/"
// right behind the opening stars.
QString cCommentText(QString text)
{
    text.replace(QLatin1String("*/"), QLatin1String("* /"));
    if (text.startsWith(QLatin1Char('/')))
        text.prepend(QLatin1Char(' '));
    return text;
}

} // namespace

QList<SaveFilter> saveFilters(bool demoEntries, const QList<HexVariant> &boards)
{
    QList<SaveFilter> filters{
        {QStringLiteral("Text Files (*.txt)"), QStringLiteral(".txt"), HexVariant::Plain},
        {QStringLiteral("5200seiData(*.sei)"), QStringLiteral(".sei"), HexVariant::Plain},
        {QStringLiteral("Intel Hex File(*.hex)"), QStringLiteral(".hex"), HexVariant::Plain},
        {QStringLiteral("Assembler Source(*.asm)"), QStringLiteral(".asm"), HexVariant::Plain},
        {QStringLiteral("C code(*.c)"), QStringLiteral(".c"), HexVariant::Plain},
    };
    if (!demoEntries)
        return filters;
    const std::pair<HexVariant, const char *> demo[] = {
        {HexVariant::KdbT640, "KDB-T640 Demo Program(*.hex)"},
        {HexVariant::Pic, "PIC Demo Program(*.hex)"},
        {HexVariant::Tq, "TQ Demo Board(*.hex)"},
    };
    for (const auto &[variant, entry] : demo) {
        if (boards.contains(variant))
            filters.append({QString::fromLatin1(entry), QStringLiteral(".hex"), variant});
    }
    return filters;
}

QString completeFileName(const QString &path, const QString &filterExtension)
{
    const QString name = QFileInfo(path).fileName();
    const QString last4 = name.right(4);
    const bool hasExtension = last4.endsWith(QLatin1String(".c")) || last4.startsWith(QLatin1Char('.'));
    return hasExtension ? path : path + filterExtension;
}

MacroFormat formatForFileName(const QString &path)
{
    const QString key = QFileInfo(path).fileName().right(3).toLower();
    if (key.endsWith(QLatin1String(".c")))
        return MacroFormat::CSource;
    if (key == QLatin1String("asm"))
        return MacroFormat::Assembler;
    if (key == QLatin1String("hex"))
        return MacroFormat::IntelHex;
    return MacroFormat::Text;
}

QString cNameForFile(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    for (QChar &c : name) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
        if (!ok)
            c = QLatin1Char('_');
    }
    return name;
}

QString textFile(const QString &macroText)
{
    return macroText + CrLf;
}

QString cSourceFile(const QList<MacroLine> &lines, const QString &cName)
{
    qsizetype count = 0;
    for (const MacroLine &line : lines)
        count += line.bytes.size();
    const QString leng = QLatin1Char('_') + cName + QStringLiteral("_leng");
    const QString code = QLatin1Char('_') + cName + QStringLiteral("_code");

    QString s;
    const auto out = [&s](const QString &line) { s += line + CrLf; };
    out(QStringLiteral("/**"));
    out(QStringLiteral("*** Telmarin Display Products"));
    out(QStringLiteral("***"));
    out(QStringLiteral("*** All rights reserved."));
    out(QStringLiteral("*** www.telmarin.example"));
    out(QStringLiteral("**/"));
    out(QString());
    out(QStringLiteral("#include <stdio.h>"));
    out(QString());
    out(QString());
    out(QStringLiteral("#define ") + leng + QStringLiteral("   ") + QString::number(count));
    out(QString());
    out(QStringLiteral("void main()"));
    out(QStringLiteral("{"));
    out(QString());
    out(QString());
    out(QStringLiteral("unsigned char  ") + code + QStringLiteral("[ ") + leng + QStringLiteral(" ] ="));
    out(QStringLiteral("{"));

    bool lastWasComment = false;
    for (const MacroLine &line : lines) {
        if (line.kind == MacroLine::Kind::Comment) {
            s += CrLf + QStringLiteral("/***") + cCommentText(line.text.mid(3)) + QStringLiteral("**/") + CrLf;
            if (lastWasComment)
                s += CrLf;
            lastWasComment = true;
            continue;
        }
        lastWasComment = false;
        if (line.bytes.isEmpty())
            continue; // a "PRT" line without bytes would leave a lone comma
        s += QStringLiteral("     ") + byteItems(line, QLatin1String(" 0x")) + QLatin1Char(',') + CrLf;
    }

    out(QStringLiteral("       };"));
    out(QString());
    out(QStringLiteral("int i;"));
    out(QString());
    out(QStringLiteral("for(i=0; i<") + leng + QStringLiteral("; i++)"));
    out(QStringLiteral("{"));
    out(QString());
    out(QStringLiteral("/*"));
    out(QStringLiteral("** Change this line to send code to VFD module"));
    out(QStringLiteral("*/"));
    out(QStringLiteral("    printf(\"%2x \",") + code + QStringLiteral("[i]);"));
    out(QString());
    out(QStringLiteral("/*"));
    out(QStringLiteral("** Example of Binary output"));
    out(QStringLiteral("**"));
    out(QStringLiteral("**  printf(\"%c \",") + code + QStringLiteral("[i]);"));
    out(QStringLiteral("*/"));
    out(QStringLiteral("}"));
    out(QStringLiteral("}"));
    return s + CrLf;
}

QString assemblerFile(const QList<MacroLine> &lines)
{
    QString s;
    bool lastWasComment = false;
    bool commentOpen = false; // a comment line still waits for its line end
    for (const MacroLine &line : lines) {
        if (line.kind == MacroLine::Kind::Comment) {
            // A comment line starts on a line of its own; the second of two comment
            // lines is ended at once.
            s += CrLf + QStringLiteral(";***") + line.text.mid(3);
            commentOpen = !lastWasComment;
            if (lastWasComment)
                s += CrLf;
            lastWasComment = true;
            continue;
        }
        lastWasComment = false;
        if (line.bytes.isEmpty())
            continue;
        if (commentOpen)
            s += CrLf; // a single comment line must not swallow the directive
        commentOpen = false;
        s += QStringLiteral(" .db ") + byteItems(line, QLatin1String("$")) + CrLf;
    }
    return s + CrLf;
}

QByteArray macroDataBlock(const QByteArray &macroBytes)
{
    QByteArray block;
    block.reserve(macroBytes.size() + 2);
    block.append(char((macroBytes.size() >> 8) & 0xFF)).append(char(macroBytes.size() & 0xFF));
    return block + macroBytes;
}

int demoBoardCapacity(HexVariant variant)
{
    switch (variant) {
    case HexVariant::Pic: return 3328;
    case HexVariant::Tq: return 13310;
    default: return 0;
    }
}

HexFile intelHexFile(const QByteArray &macroBytes, HexVariant variant, const DemoFirmware &firmware, bool japanese)
{
    HexFile file;
    QByteArray block = macroDataBlock(macroBytes);
    if (variant == HexVariant::Pic) {
        // Each byte becomes the PIC instruction that returns it as a constant.
        QByteArray words;
        words.reserve(block.size() * 2);
        for (char b : block)
            words.append(b).append(char(0x34));
        block = words;
    }
    // The block ends below the first address the firmware fills, or at 0xFFFF.
    const qsizetype room = firmware.firstFilledFrom(MacroBlockAddress) - MacroBlockAddress;
    if (macroBytes.size() > 0xFFFF || block.size() > room) {
        const qsizetype most = qMax<qsizetype>(0, (variant == HexVariant::Pic ? room / 2 : room) - 2);
        file.refusal = japanese
            ? QStringLiteral("マクロが大きすぎて書き込めません。このファイルには %1 バイトまで入ります。").arg(most)
            : QStringLiteral("The macro is too large for this file: it holds at most %1 bytes.").arg(most);
        return file;
    }
    if (const int capacity = demoBoardCapacity(variant)) {
        const qsizetype used = macroBytes.size() + 2;
        if (used <= capacity) {
            file.capacityMessage = japanese ? QStringLiteral("あと%1バイト残っています。").arg(capacity - used)
                                            : QStringLiteral("Remaining Memory: %1Bytes").arg(capacity - used);
        } else {
            file.capacityMessage = japanese ? QStringLiteral("表示データがROM容量を越えています。")
                                            : QStringLiteral("Out of Memory of Target.");
        }
    }

    QString s;
    // Each record of 16 bytes takes 45 characters with its line end.
    s.reserve((block.size() / 16 + 2) * 45 + firmware.records.size() * 45);
    for (const QString &record : firmware.records)
        s += record + CrLf;
    int address = MacroBlockAddress;
    for (qsizetype pos = 0; pos < block.size();) {
        const int length = int(qMin<qsizetype>(16, block.size() - pos));
        uint sum = uint(length) + uint(address >> 8) + uint(address & 0xFF);
        s += QLatin1Char(':');
        appendUpperHex(s, uint(length), 2);
        appendUpperHex(s, uint(address), 4);
        s += QLatin1String("00");
        for (int k = 0; k < length; ++k) {
            const uchar b = uchar(block.at(pos + k));
            sum += b;
            appendUpperHex(s, b, 2);
        }
        appendUpperHex(s, (256 - sum % 256) % 256, 2);
        s += CrLf;
        pos += length;
        address += length;
    }
    s += QStringLiteral(":00000001FF") + CrLf + CrLf;
    file.content = std::move(s);
    return file;
}

} // namespace kvx
