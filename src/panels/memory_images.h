#pragma once

#include "link/byte_sink.h"

#include <QString>

#include <optional>

namespace kvx {

class ImageList;
class PanelContext;

// The memory area byte of the drawing commands for an image list memory text:
// "VRAM" 2, "RAM" 0, any flash text (or none) 1.
int memoryAreaByte(const QString &imgMemory);

// Label48 for a stored image: "Size (X x Y) of ( 128 x  32)", each number after a
// sign blank when it is not negative.
QString imageSizeCaption(int imgX, int imgY);

// Text5 for a chosen image: its height, clipped to the module's dot height.
QString drawHeightText(int imgY, int moduleDotY);

// True when the text is a number as a typed number box takes one ("12", " -3.5",
// "1E3", "&H1F"); empty and partly numeric texts are not.
bool isNumberText(const QString &text);

// Text3 for the offset boxes: the bytes before column Text1 of an image imgY dots high
// plus the rows of Text2, as "&H" and four upper-case hexadecimal digits (the low 16
// bits). Nothing when a box is not a number (Text3 then stays as it was).
std::optional<QString> offsetAddressText(const QString &text1, const QString &text2, int imgY);

// The offset Text3 holds: the hexadecimal number after "&H" (0..FFFF); another text
// counts as the number it begins with, and a text that is not a number as 0.
qint64 offsetFromText(const QString &text3);

// "Draw Memory Image" is offered when the series option allows it and an entry of
// the list is chosen.
bool drawMemoryImageEnabled(int seriesOption, bool validEntry);

// What choosing an image shows.
struct MemoryImageView
{
    QString label48; // stored size
    QString text4;   // width to draw
    QString text5;   // height to draw
};

// The values of the panel's controls when "Draw Memory Image" is pressed.
struct MemoryImageInputs
{
    int index = -1; // CmbImageName's list index
    QString text3 = QStringLiteral("0");
    QString text4;           // width in dots
    QString text5;           // height in dots
    QString text6;           // display position X (Y:1Dot)
    QString text7;           // display position Y (Y:1Dot)
    bool oneDotUnit = false; // OpYByte(1) "Y:1Dot" chosen
    bool scroll = false;     // ChkScroll ticked and enabled
    QString speed = QStringLiteral("2");
};

// The memory images panel: shows an image already stored in the module's display
// memory, RAM or flash, chosen from the image list.
class MemoryImagesPanel
{
public:
    MemoryImagesPanel(PanelContext &ctx, const ImageList &images) : m_ctx(ctx), m_images(images) {}

    // True when index names an entry of the current list.
    bool validEntry(int index) const;

    // CmbImageName_Click: what the size boxes show for entry index; nothing for an
    // index that names no entry (nothing changes then).
    std::optional<MemoryImageView> CmbImageName_Click(int index, int moduleDotY) const;

    // Text1_Change / Text2_Change: the new Text3 for entry index, nothing when Text3
    // stays as it was.
    std::optional<QString> offsetText(int index, const QString &text1, const QString &text2) const;

    // Sends one of the three drawing commands and logs it. An index that names no entry
    // sends nothing.
    SendResult CmdIndicate_Click(const MemoryImageInputs &in);

private:
    PanelContext &m_ctx;
    const ImageList &m_images;
};

} // namespace kvx
