#include "image_list/image_texts.h"

namespace kvx {

namespace {

struct TextPair
{
    ImageText id;
    const char *english;
    const char *japanese;
};

// Texts 4200, 4201, 4202, 4203, 4401 and 11 of the string table keep their exact
// wording (misspellings included): other code and users' notes compare them.
const TextPair kTexts[] = {
    {ImageText::ImageTool, "Image Tool", "イメージツール"},
    {ImageText::ImageLabelList, "Image Label List", "イメージラベルリスト"},
    {ImageText::ImageNo, "Image No.", "イメージ番号"},
    {ImageText::NotBmpOrNotAccessible, " is not a BMP file, or not accecible.", "はBMPでないか、アクセスできません。"},
    {ImageText::NoImageToExport, "No Image to be exported.", "変換するイメージがありません。"},
    {ImageText::NotAccessible, " is not accecible.", "にアクセスできません。"},
    {ImageText::ImageTooLarge, "Image is too large.", "このイメージが大きすぎます。"},
    {ImageText::ImageSizeRefused, "The image size %1 x %2 is not supported (1 to 32767 dots).",
     "画像サイズ %1 x %2 は扱えません（1～32767ドット）。"},
    {ImageText::CompressedBmp, "Compressed BMP files are not supported.", "圧縮されたBMPファイルは扱えません。"},
    {ImageText::ListReadError, "Line %1 of %2 cannot be read. The images before it were loaded.",
     "%2 の %1 行目を読めません。それより前のイメージは読み込みました。"},
    {ImageText::ListReadFailed, "%1 cannot be read.", "%1 を読めません。"},
    {ImageText::NotImageList, "%1 is not an image list: it holds no images. The list stays as it is.",
     "%1 はイメージリストではありません（イメージがありません）。リストはそのままです。"},
    {ImageText::NotCopiedNameTaken,
     "These files were not copied because a different file of the same name is already in %1:\n%2",
     "%1 に同じ名前の別のファイルがあるため、次のファイルはコピーしませんでした:\n%2"},
    {ImageText::NotCopied, "These files could not be copied:\n%1", "次のファイルをコピーできませんでした:\n%1"},
    {ImageText::PageWalkStalled, "No image starts at page %1, address %2. The export was stopped.",
     "ページ %1 のアドレス %2 から始まるイメージがありません。出力を中止しました。"},
    {ImageText::ExportLineMalformed, "Line %1 of the export text holds \"%2\", which is not a byte. Nothing was sent.",
     "出力テキストの %1 行目の \"%2\" はバイトではありません。何も送信していません。"},
    {ImageText::ModuleWriteStopped, "The module write stopped after %1 of %2 bytes.",
     "モジュールへの書込みを %2 バイト中 %1 バイトで中止しました。"},
    {ImageText::PortNotOpen, "Fail to open port.", "Fail to open port."},
    {ImageText::SizeChanged,
     "%1 is %4 x %5 dots now, not %2 x %3 as in the list. Add it to the list again. The export was stopped.",
     "%1 の大きさが %4 x %5 ドットに変わっています（リストでは %2 x %3）。リストに登録し直してください。"
     "出力を中止しました。"},
};

} // namespace

QString imageText(ImageText id, const QString &language)
{
    const bool japanese = language == QLatin1String("Japanese");
    for (const TextPair &t : kTexts) {
        if (t.id == id)
            return QString::fromUtf8(japanese ? t.japanese : t.english);
    }
    return QString();
}

namespace image_msg {

QString listFull(int imgMax)
{
    return QStringLiteral("No more than %1 images cannot be loaded.").arg(imgMax);
}

QString depthRefused(int bitCount)
{
    return QStringLiteral("This Color Depth is not supported Yet. %1").arg(bitCount);
}

} // namespace image_msg

} // namespace kvx
