#include "link/vx5200.h"

#include "link/numbers.h"

#include <initializer_list>

namespace kvx {

namespace {

// Builds one command; every append converts its value or throws before the command
// reaches portOut.
class Cmd
{
public:
    Cmd(std::initializer_list<int> head)
    {
        for (int b : head)
            bytes.append(char(b));
    }
    Cmd &byte(qint64 v)
    {
        bytes.append(char(plainByte(v)));
        return *this;
    }
    // The low byte of a 16-bit variable.
    Cmd &low16(qint64 v)
    {
        if (v > 32767)
            throw EncodeError(QStringLiteral("Overflow: %1").arg(v));
        bytes.append(char(lowByte(v)));
        return *this;
    }
    // The low byte of a 32-bit variable.
    Cmd &low32(qint64 v)
    {
        if (v > 2147483647)
            throw EncodeError(QStringLiteral("Overflow: %1").arg(v));
        bytes.append(char(lowByte(v)));
        return *this;
    }
    Cmd &le16(qint64 v)
    {
        appendLE16(bytes, v, IntWidth::Int16);
        return *this;
    }
    // A field of two bytes that takes the whole unsigned 16-bit range.
    Cmd &u16(qint64 v)
    {
        if (v < 0 || v > 65535)
            throw EncodeError(QStringLiteral("Overflow: %1 does not fit the field").arg(v));
        bytes.append(char(v % 256));
        bytes.append(char(v / 256));
        return *this;
    }
    Cmd &le32(qint64 v)
    {
        appendLE16(bytes, v, IntWidth::Int32);
        return *this;
    }
    Cmd &number(double v)
    {
        appendLE16(bytes, v);
        return *this;
    }
    Cmd &le24(qint64 v)
    {
        appendLE24(bytes, v);
        return *this;
    }
    Cmd &raw(const QByteArray &data)
    {
        bytes.append(data);
        return *this;
    }
    QByteArray bytes;
};

int dotValue(const QString &digits)
{
    const double v = roundHalfEven(numericValue(digits));
    return (v >= -32768 && v <= 32767) ? int(v) : 0;
}

int hexPairValue(const QString &pair)
{
    int v = 0;
    for (QChar c : pair) {
        const int d = hexDigit(c);
        if (d < 0)
            break;
        v = v * 16 + d;
    }
    return v;
}

} // namespace

VX5200::VX5200(ByteSink *sink, Notifier *notifier) : m_sink(sink), m_notifier(notifier) {}

// ---- identity ----

void VX5200::moduleName(const QString &name)
{
    m_modelName = name;
    m_dotX = dotValue(name.mid(2, 3));
    m_dotY = dotValue(name.mid(6, 3));
    m_series = name.right(2) == QLatin1String("1K") ? QStringLiteral("2100") : QStringLiteral("5200");
}

void VX5200::moduleRevB(bool revisionB)
{
    m_revision = revisionB ? QStringLiteral("B") : QString();
}

QString VX5200::moduleSeri() const
{
    return m_series + m_revision;
}

bool VX5200::New5290() const
{
    return !((m_dotX == 140 && m_dotY == 16) || (m_dotX == 128 && m_dotY == 32));
}

double VX5200::gramX() const
{
    // A module less than one byte high has no display memory to speak of.
    if (m_dotY < 8)
        return 0;
    return 1024.0 / (m_dotY / 8);
}

bool VX5200::OverSize(qint64 width, qint64 height) const
{
    // A model text without a usable height (from a damaged settings file) fits nothing.
    if (m_dotY < 8)
        return true;
    qint64 maxWidth;
    qint64 maxHeight;
    if (m_series == QLatin1String("5200")) {
        if (m_dotY <= 16) {
            maxWidth = 512;
            maxHeight = 16;
        } else if (m_dotY <= 32) {
            maxWidth = 256;
            maxHeight = 32;
        } else if (m_dotY <= 64) {
            maxWidth = 512;
            maxHeight = 64;
        } else {
            maxWidth = 512;
            maxHeight = 80;
        }
    } else {
        maxWidth = qint64(roundHalfEven(32768.0 / m_dotY));
        if (m_dotY == 128)
            maxWidth *= 2;
        maxHeight = m_dotY;
    }
    return width < 1 || height < 1 || width > maxWidth || height > maxHeight;
}

// ---- sending ----

SendResult VX5200::portOut(const QByteArray &bytes)
{
    if (!m_sink)
        return SendResult::NoLink;
    return m_sink->portOut(bytes);
}

void VX5200::notify(const QString &message)
{
    if (m_notifier)
        m_notifier->notify(message);
}

// ---- control codes ----

SendResult VX5200::BackSpace()
{
    return portOut(Cmd{0x08}.bytes);
}
SendResult VX5200::HorizontalTab()
{
    return portOut(Cmd{0x09}.bytes);
}
SendResult VX5200::LineFeed()
{
    return portOut(Cmd{0x0A}.bytes);
}
SendResult VX5200::HomePosition()
{
    return portOut(Cmd{0x0B}.bytes);
}
SendResult VX5200::DisplayClear()
{
    return portOut(Cmd{0x0C}.bytes);
}
SendResult VX5200::CarriageReturn()
{
    return portOut(Cmd{0x0D}.bytes);
}
SendResult VX5200::LineClear()
{
    return portOut(Cmd{0x18}.bytes);
}
SendResult VX5200::ClearToEnd()
{
    return portOut(Cmd{0x19}.bytes);
}

// ---- text ----

SendResult VX5200::CharacterDisplay(const QByteArray &text)
{
    if (text.isEmpty())
        return SendResult::Skipped;
    if (text.size() > 32767)
        throw EncodeError(QStringLiteral("Overflow: text of %1 bytes").arg(text.size()));
    return portOut(text);
}

SendResult VX5200::DotUnitCharacterDisplay(qint64 x, qint64 y, int p, const QByteArray &text)
{
    const qsizetype n = qMin<qsizetype>(text.size(), 255);
    if (n == 0)
        return SendResult::Skipped;
    Cmd c{0x1F, 0x28, 0x64, 0x30};
    c.le32(x).le32(y).low16(p % 2).byte(n).raw(text.left(n));
    return portOut(c.bytes);
}

// ---- escape sequences ----

SendResult VX5200::InitializeDisplay()
{
    return portOut(Cmd{0x1B, 0x40}.bytes);
}
SendResult VX5200::DownloadEnable(int n)
{
    return portOut(Cmd{0x1B, 0x25}.byte(n).bytes);
}

SendResult VX5200::DownloadCharacterDefine(int c1, int c2, const QByteArray &data)
{
    return portOut(Cmd{0x1B, 0x26, 0x01}.byte(c1).byte(c2).raw(data).bytes);
}

SendResult VX5200::DownloadCharacterDelete(int c)
{
    return portOut(Cmd{0x1B, 0x3F, 0x01}.byte(c).bytes);
}
SendResult VX5200::InternationalFontSet(int n)
{
    return portOut(Cmd{0x1B, 0x52}.byte(n).bytes);
}

SendResult VX5200::CharacterCodeTable(int n)
{
    // Tables 0..5 go out as themselves, 6..9 as 16..19, 10 as FF, 11 on as 21 on.
    qint64 t = n <= 5 ? n : qint64(n) + 10;
    if (t == 20)
        t = 255;
    return portOut(Cmd{0x1B, 0x74}.byte(t).bytes);
}

// ---- unit commands ----

SendResult VX5200::CursorSet(int x, int y)
{
    return portOut(Cmd{0x1F, 0x24}.le16(x).le16(y).bytes);
}
SendResult VX5200::CursorOnOff(int n)
{
    return portOut(Cmd{0x1F, 0x43}.low16(n).bytes);
}

SendResult VX5200::bright(int n)
{
    // Only the newer series takes the level as it is; the revision does not matter,
    // and an encoder without a model name adds 16 as the older series does.
    const qint64 b = m_series == QLatin1String("5200") ? n : qint64(n) + 16;
    return portOut(Cmd{0x1F, 0x58}.byte(b).bytes);
}

SendResult VX5200::MacroExecute(int n, qint64 t1, qint64 t2)
{
    return portOut(Cmd{0x1F, 0x5E}.low16(n).low32(t1).low32(t2).bytes);
}

SendResult VX5200::DrawReverseMode(int n)
{
    return portOut(Cmd{0x1F, 0x72}.byte(n).bytes);
}
SendResult VX5200::HorizontalScrollSpeed(int n)
{
    return portOut(Cmd{0x1F, 0x73}.byte(n).bytes);
}
SendResult VX5200::DrawMode(int n)
{
    return portOut(Cmd{0x1F, 0x77}.byte(n).bytes);
}

SendResult VX5200::WindowMode(const QString &name)
{
    int m = 0x01;
    if (name == QLatin1String("Vertical scroll"))
        m = 0x02;
    else if (name == QLatin1String("Horizontal scroll"))
        m = 0x03;
    else if (name == QLatin1String("Horizontal scroll ready"))
        m = 0x05;
    return portOut(Cmd{0x1F, m}.bytes);
}

SendResult VX5200::MacroDifine(int n, const QString &hexText, qint64 count)
{
    if (n < 0 || n > 4)
        return SendResult::Skipped;
    // The length field holds 16 bits: a longer macro would announce fewer bytes than
    // it sends and the module would run the rest as commands.
    if (count < 0 || count > 65535)
        throw EncodeError(QStringLiteral("Macro of %1 bytes does not fit its length field").arg(count));
    Cmd c = n == 0 ? Cmd{0x1F, 0x3A} : Cmd{0x1F, 0x28, 0x65, 0x12, n};
    c.le32(count);
    if (n != 0)
        c.byte(0x00).byte(0x14);
    c.bytes.reserve(c.bytes.size() + count);
    for (qint64 i = 0; i < count; ++i)
        c.bytes.append(char(hexPairValue(hexText.mid(4 * i, 2))));
    return portOut(c.bytes);
}

// ---- screen actions and power saving ----

SendResult VX5200::WaitAction(int t)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x01}.byte(t).bytes);
}
SendResult VX5200::ShortWaitAction(int t)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x02}.byte(t).bytes);
}

SendResult VX5200::ScrollAction(int w, int c, int s)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x10}.u16(w).u16(c).byte(s).bytes);
}

SendResult VX5200::BlinkAction(int p, int eventTime, int normalTime, int c)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x11}.byte(p).byte(normalTime).byte(eventTime).byte(c).bytes);
}

SendResult VX5200::FountainAction(int a, int b, int t)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x13}.byte(a).byte(b).le16(t).bytes);
}

SendResult VX5200::DisolveAction(int p, int t)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x14}.byte(p).le16(t).bytes);
}

SendResult VX5200::ScreenSaver(int p)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x40}.byte(p).bytes);
}
SendResult VX5200::AutoOffTimer(int n)
{
    return portOut(Cmd{0x1F, 0x28, 0x61, 0x40, 0x11}.low16(n).bytes);
}

// ---- setup ----

SendResult VX5200::userModeIn()
{
    return portOut(Cmd{0x1F, 0x28, 0x65, 0x01, 0x49, 0x4E}.bytes);
}
SendResult VX5200::userModeOut()
{
    return portOut(Cmd{0x1F, 0x28, 0x65, 0x02, 0x4F, 0x55, 0x54}.bytes);
}

SendResult VX5200::SetMemorySwitch(int a, int b)
{
    return portOut(Cmd{0x1F, 0x28, 0x65, 0x03}.low16(a).low16(b).bytes);
}

// ---- fonts ----

SendResult VX5200::FontSize(double n)
{
    return portOut(Cmd{0x1F, 0x28, 0x67, 0x01}.byte(toWhole(n, IntWidth::Int32)).bytes);
}

SendResult VX5200::SelectFontSize8x16()
{
    return portOut(Cmd{0x1F, 0x28, 0x67, 0x01, 0x02}.bytes);
}
SendResult VX5200::KanjiModeActive()
{
    return portOut(Cmd{0x1F, 0x28, 0x67, 0x02, 0x01}.bytes);
}
SendResult VX5200::KanjiModeDeactive()
{
    return portOut(Cmd{0x1F, 0x28, 0x67, 0x02, 0x00}.bytes);
}
SendResult VX5200::FontGapMode(int n)
{
    return portOut(Cmd{0x1F, 0x28, 0x67, 0x03}.byte(n).bytes);
}
SendResult VX5200::ExtensionFontSelect(quint8 b)
{
    return portOut(Cmd{0x1F, 0x28, 0x67, 0x05, b}.bytes);
}

SendResult VX5200::Select2ByteLanguage(const QString &language)
{
    int s = -1;
    if (m_series == QLatin1String("5200"))
        s = 0x0F;
    else if (m_series == QLatin1String("2100"))
        s = 0x03;
    int l = -1;
    if (language == QLatin1String("Japanese") || language == QStringLiteral("日本語"))
        l = 0x00;
    else if (language == QLatin1String("Korean") || language == QStringLiteral("韓国語"))
        l = 0x01;
    else if (language == QLatin1String("Simplified Chinese") || language == QStringLiteral("簡体字"))
        l = 0x02;
    else if (language == QLatin1String("Traditional Chinese") || language == QStringLiteral("繁体字"))
        l = 0x03;
    // A guessed selector would switch the module to some other font: say what is
    // wrong and send nothing.
    if (s < 0)
        notify(QStringLiteral("Unknown module type for Language setting. ERROR 76432"));
    if (l < 0)
        notify(QStringLiteral("Unknown Font is selected"));
    if (s < 0 || l < 0)
        return SendResult::Skipped;
    return portOut(Cmd{0x1F, 0x28, 0x67, s, l}.bytes);
}

SendResult VX5200::FontMagnified(int x, int y)
{
    return portOut(Cmd{0x1F, 0x28, 0x67, 0x40}.byte(x).byte(y).bytes);
}

// ---- windows ----

SendResult VX5200::CurrentWindowSelect(int n)
{
    return portOut(Cmd{0x1F, 0x28, 0x77, 0x01}.byte(n).bytes);
}

SendResult VX5200::UserWindowDefine(int a, int x, int y, int w, int h)
{
    return portOut(Cmd{0x1F, 0x28, 0x77, 0x02}.byte(a).byte(0x01).le16(x).le16(y).le16(w).le16(h).bytes);
}

SendResult VX5200::UserWindowCancel(int a)
{
    return portOut(Cmd{0x1F, 0x28, 0x77, 0x02}.byte(a).byte(0x00).bytes);
}

SendResult VX5200::WriteScreenMode(int n)
{
    return portOut(Cmd{0x1F, 0x28, 0x77, 0x10}.byte(n).bytes);
}

// ---- bit images ----

SendResult VX5200::BitImageDisplay(int x, int y, const QByteArray &data)
{
    return portOut(Cmd{0x1F, 0x28, 0x66, 0x11}.le16(x).le16(y).byte(0x01).raw(data).bytes);
}

SendResult VX5200::DownloadedImageDisplay(int area, qint64 address, qint64 imageRows, qint64 x, qint64 y)
{
    Cmd c{0x1F, 0x28, 0x66, 0x10};
    c.low16(area).le24(address).le32(imageRows).le32(x).le32(y).byte(0x01);
    return portOut(c.bytes);
}

SendResult VX5200::DownloadedImageScrollDisplay(int area, qint64 address, qint64 imageRows, qint64 x, qint64 y,
                                                int speed)
{
    Cmd c{0x1F, 0x28, 0x66, 0x90};
    c.low16(area).le24(address).le32(imageRows).le32(x).le32(y).byte(0x01).byte(speed);
    return portOut(c.bytes);
}

SendResult VX5200::DotUnitDownloadedBitImageDisplay(double posX, double posY, int area, qint64 address,
                                                    qint64 imageRows, double value6, double value7, qint64 w, qint64 h)
{
    Cmd c{0x1F, 0x28, 0x64, 0x20};
    c.number(posX).number(posY).low16(area).le24(address).le32(imageRows);
    c.number(value6).number(value7).le32(w).le32(h).byte(0x01);
    return portOut(c.bytes);
}

// ---- bitmap files ----

VX5200::BmpLoad VX5200::loadBmpFile(const QString &path)
{
    BmpLoad load;
    auto refuse = [&](const QString &message) {
        load.messages.append(message);
        notify(message);
    };
    const Bmp1Read read = readBmpFileToImage(path);
    if (!read.ok) {
        if (!read.message.isEmpty())
            refuse(read.message);
        refuse(QStringLiteral("Image File cannot be opened!"));
        return load;
    }
    m_image = read.image;
    if (OverSize(read.image.width, read.image.height)) {
        refuse(QStringLiteral("ERROR: Image size is too large."));
        return load;
    }
    load.ok = true;
    load.image = read.image;
    return load;
}

SendResult VX5200::sendBmpImage(const Bmp1Image &image)
{
    if (image.width <= 0 || image.height <= 0)
        return SendResult::Skipped;
    return BitImageDisplay(image.width, image.columnBytes(), image.columns);
}

bool VX5200::printBmpFile(const QString &path)
{
    const BmpLoad load = loadBmpFile(path);
    return load.ok && wentOut(sendBmpImage(load.image));
}

// ---- backlight, LEDs and touch switches ----

SendResult VX5200::LedOnOff(int n)
{
    return portOut(Cmd{0x1F, 0x4C, 0x61, 0x40}.byte(n).bytes);
}

SendResult VX5200::BackLight(int mode, int b, int c, int d)
{
    switch (mode) {
    case 0: return portOut(Cmd{0x1F, 0x4C, 0x00}.byte(d).bytes);
    case 1: return portOut(Cmd{0x1F, 0x4C, 0x01}.byte(c).bytes);
    case 2: return portOut(Cmd{0x1F, 0x4C, 0x02}.byte(b).bytes);
    case 16:
    case 128:
    case 129: return portOut(Cmd{0x1F, 0x4C, mode}.byte(d).byte(c).byte(b).bytes);
    default: return SendResult::Skipped;
    }
}

SendResult VX5200::BackLight2(int group, const QVector<int> &first, const QVector<int> &second,
                              const QVector<int> &third, int count)
{
    Cmd c{0x1F, 0x4C};
    c.byte(group).byte(count);
    if (first.size() < count || second.size() < count || third.size() < count)
        throw EncodeError(QStringLiteral("Colour tables hold fewer than %1 switches").arg(count));
    for (int i = 0; i < count; ++i)
        c.byte(i).low16(third[i]).low16(second[i]).low16(first[i]);
    c.byte(0x00);
    return portOut(c.bytes);
}

SendResult VX5200::BackLight3(int group, int c1, int c2, int c3, int count, int start)
{
    Cmd c{0x1F, 0x4C};
    c.byte(group).byte(count);
    for (int i = 0; i < count; ++i)
        c.byte(qint64(start) + i).low16(c3).low16(c2).low16(c1);
    c.byte(0x00);
    return portOut(c.bytes);
}

SendResult VX5200::ReadAllSwitches()
{
    return portOut(Cmd{0x1F, 0x4B, 0x10}.bytes);
}
SendResult VX5200::ReadOneSwitch(int n)
{
    return portOut(Cmd{0x1F, 0x4B, 0x11}.byte(n).bytes);
}
SendResult VX5200::ReadAllSwitcheLevel()
{
    return portOut(Cmd{0x1F, 0x4B, 0x14}.bytes);
}
SendResult VX5200::SetReadSwitch(int n)
{
    return portOut(Cmd{0x1F, 0x4B, 0x18}.byte(n).bytes);
}
SendResult VX5200::TouchParameter(int a, int b)
{
    return portOut(Cmd{0x1F, 0x4B, 0x70}.byte(a).byte(b).bytes);
}

} // namespace kvx
