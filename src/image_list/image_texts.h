#pragma once

#include <QString>

namespace kvx {

// Texts of the image list and its export in the interface language. The language is
// Japanese exactly when it equals "Japanese"; any other value gives English.
enum class ImageText {
    ImageTool,      // window caption after a save
    ImageLabelList, // window caption before one (after opening a list)
    ImageNo,        // "Image No." before an entry number
    NotBmpOrNotAccessible,
    NoImageToExport,
    NotAccessible,
    ImageTooLarge,
    // Texts of this program's own checks.
    ImageSizeRefused, // %1 width, %2 height
    CompressedBmp,
    ListReadError,       // %1 line number, %2 file
    ListReadFailed,      // %1 file
    NotImageList,        // %1 file
    NotCopiedNameTaken,  // %1 folder, %2 file names
    NotCopied,           // %1 file names
    PageWalkStalled,     // %1 page, %2 position
    ExportLineMalformed, // %1 line number, %2 token
    ModuleWriteStopped,  // %1 bytes sent, %2 bytes in all
    PortNotOpen,         // the module write finds no open link
    SizeChanged,         // %1 file, %2 x %3 in the list, %4 x %5 now
};

QString imageText(ImageText id, const QString &language);

// Messages that the program shows in English whatever the language.
namespace image_msg {
inline const QString notBmp = QStringLiteral("This is not a BMP file.");
inline const QString fileWriteError = QStringLiteral("File write error.");
inline const QString fileNotExist = QStringLiteral("File not exist:");
inline const QString error = QStringLiteral("Error");
inline const QString noImagesSelected = QStringLiteral("No images are selected.");
inline const QString fileConvertError = QStringLiteral(" File convert error.");
inline const QString noFrom = QStringLiteral("VX-5200 has no FROM.");
inline const QString cannotOpen = QStringLiteral(" File cannot be opened. error 121");
inline const QString colorTable16 = QStringLiteral("Color table size is larger than 16.");
inline const QString colorTable256 = QStringLiteral("Color table size is larger than expected.");
// First lines of the list files and listings.
inline const QString banner = QStringLiteral("Telmarin KVX35P evaluation tool");
inline const QString authorCredit = QStringLiteral("KVX35P");
// "No more than 1000 images cannot be loaded."
QString listFull(int imgMax);
// "This Color Depth is not supported Yet. 32"
QString depthRefused(int bitCount);
} // namespace image_msg

} // namespace kvx
