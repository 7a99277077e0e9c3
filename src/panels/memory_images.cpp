#include "panels/memory_images.h"

#include "image_list/image_list.h"
#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/model_series.h"
#include "shell/panel_context.h"

#include <QLocale>

#include <cmath>

namespace kvx {

namespace {

// A number as it is shown after "of (": a blank stands for the sign of a number that
// is not negative.
QString signedNumber(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

bool startsWithHexMark(const QString &t)
{
    return t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive);
}

} // namespace

int memoryAreaByte(const QString &imgMemory)
{
    if (imgMemory == QLatin1String("VRAM"))
        return 2;
    if (imgMemory == QLatin1String("RAM"))
        return 0;
    return 1;
}

QString imageSizeCaption(int imgX, int imgY)
{
    return QStringLiteral("Size (X x Y) of (") + signedNumber(imgX) + QStringLiteral(" x ") + signedNumber(imgY)
        + QLatin1Char(')');
}

QString drawHeightText(int imgY, int moduleDotY)
{
    return QString::number(imgY < moduleDotY ? imgY : moduleDotY);
}

bool isNumberText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    if (startsWithHexMark(t)) {
        const QString digits = t.mid(2);
        bool ok = false;
        digits.toULongLong(&ok, 16);
        return ok && !digits.isEmpty() && digits.size() <= 8;
    }
    bool ok = false;
    QLocale::c().toDouble(t, &ok);
    return ok;
}

std::optional<QString> offsetAddressText(const QString &text1, const QString &text2, int imgY)
{
    if (!isNumberText(text1) || !isNumberText(text2))
        return std::nullopt;
    const double columnBytes = roundHalfEven(numericValue(text1) * imgY);
    const double offset = roundHalfEven(numericValue(text2) + std::trunc(columnBytes / 8));
    // A whole number beyond 32 bits cannot be taken: the box keeps its text.
    if (!std::isfinite(offset) || std::fabs(offset) > 2147483647.0)
        return std::nullopt;
    const quint16 low = quint16(qint64(offset) & 0xFFFF);
    return QStringLiteral("&H") + QStringLiteral("%1").arg(low, 4, 16, QLatin1Char('0')).toUpper();
}

qint64 offsetFromText(const QString &text3)
{
    const QString t = text3.trimmed();
    if (startsWithHexMark(t)) {
        qint64 v = 0;
        for (QChar c : t.mid(2)) {
            const int d = hexDigit(c);
            if (d < 0)
                break;
            v = (v * 16 + d) & 0xFFFF;
        }
        return v;
    }
    if (!isNumberText(t))
        return 0;
    const double v = roundHalfEven(numericValue(t));
    return std::isfinite(v) && std::fabs(v) <= 2147483647.0 ? qint64(v) : 0;
}

bool drawMemoryImageEnabled(int seriesOption, bool validEntry)
{
    const auto controls = seriesOptionControls(seriesOption);
    return validEntry && controls && controls->CmdIndicate;
}

bool MemoryImagesPanel::validEntry(int index) const
{
    return index >= 0 && index < m_images.imgCount();
}

std::optional<MemoryImageView> MemoryImagesPanel::CmbImageName_Click(int index, int moduleDotY) const
{
    if (!validEntry(index))
        return std::nullopt;
    const ImageListEntry &e = m_images.entry(index);
    return MemoryImageView{imageSizeCaption(e.imgX, e.imgY), QString::number(e.imgX),
                           drawHeightText(e.imgY, moduleDotY)};
}

std::optional<QString> MemoryImagesPanel::offsetText(int index, const QString &text1, const QString &text2) const
{
    if (!validEntry(index))
        return std::nullopt;
    return offsetAddressText(text1, text2, m_images.entry(index).imgY);
}

SendResult MemoryImagesPanel::CmdIndicate_Click(const MemoryImageInputs &in)
{
    // Without a chosen entry there is no image to name: nothing is sent.
    if (!validEntry(in.index))
        return SendResult::Skipped;
    const ImageListEntry &e = m_images.entry(in.index);
    const int area = memoryAreaByte(e.imgMemory);
    const qint64 address = qint64(e.imgPage) * 65536 + e.imgAddress + offsetFromText(in.text3);
    const qint64 imageRows = e.imgY / 8;
    const double width = numericValue(in.text4);
    const double height = numericValue(in.text5);

    if (!in.oneDotUnit) {
        if (in.scroll) {
            const double speed = numericValue(in.speed);
            return m_ctx.run(
                [&](VX5200 &enc) {
                    return enc.DownloadedImageScrollDisplay(area, address, imageRows, toWhole(width, IntWidth::Int32),
                                                            toWhole(height, IntWidth::Int32) / 8,
                                                            int(toWhole(speed, IntWidth::Int16)));
                },
                QStringLiteral("Downloaded Image Scroll Display"),
                QStringLiteral("-Op-             m  --address-- -SizeY- -- X -- -- Y --  s  Speed"));
        }
        return m_ctx.run(
            [&](VX5200 &enc) {
                return enc.DownloadedImageDisplay(area, address, imageRows, toWhole(width, IntWidth::Int32),
                                                  toWhole(height, IntWidth::Int32) / 8);
            },
            QStringLiteral("Downloaded Image Display"),
            QStringLiteral("-Op-             m  --address-- -SizeY- -- X -- -- Y --  s"));
    }
    const double posX = numericValue(in.text6);
    const double posY = numericValue(in.text7);
    return m_ctx.run(
        [&](VX5200 &enc) {
            return enc.DotUnitDownloadedBitImageDisplay(
                double(toWhole(posX, IntWidth::Int32)), double(toWhole(posY, IntWidth::Int32)), area, address,
                imageRows, 0, 0, toWhole(width, IntWidth::Int32), toWhole(height, IntWidth::Int32));
        },
        QStringLiteral("Dot unit Downloaded Image Display"),
        QStringLiteral("-Op-             m  --address-- -SizeY- -- X -- -- Y --"));
}

} // namespace kvx
