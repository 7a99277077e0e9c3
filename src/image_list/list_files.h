#pragma once

#include "image_list/image_entry.h"
#include "image_list/image_texts.h"
#include "shell/stored_text.h"

#include <QList>
#include <QString>

namespace kvx {

class ImageList;
class UserDialogs;

// Text of an image-list file (.iml). File references under base (the folder of the
// list file) are written relative to it ("./pics/a.bmp"); with withBmp every
// reference is "./" and the bare file name.
QString imageListFileText(const QList<ImageListEntry> &entries, const QString &base, bool withBmp);

// Text of temp.iml, the list kept between runs: the same lines with full paths (the
// working folder it was once relative to moves), and its own header word.
QString tempImageListText(const QList<ImageListEntry> &entries);

// What a list file held. A line that cannot be read stops the reading: the entries
// before it stay and errorLine (from 1) names it. More entries than the list holds
// stop the reading with full set.
struct ImageListRead
{
    QList<ImageListEntry> entries;
    int errorLine = 0;
    bool full = false;
    QString currentPath; // a "CurrentPath" line: folder and "/*.iml"

    // A file without a single entry ("No =" line) is no image list: opening it must
    // not empty the list that is open.
    bool isList() const { return !entries.isEmpty(); }
};
// Relative references (starting with ".") resolve against base; "\" separators of
// files made on Windows become "/".
ImageListRead parseImageList(const QString &text, const QString &base, int maxEntries);

// The image list's files: opening and saving lists, temp.iml, Imgpath.tmp, the
// bitmaps copied beside a list, and the definition listings. Messages and dialogs go
// through dialogs; the working folder and language come from the list.
class ImageListFiles
{
public:
    ImageListFiles(ImageList &list, UserDialogs &dialogs);

    // The window caption in the list's language: what was done last and the file.
    QString caption() const;
    // The list file last opened or saved ("" for none).
    QString listPath() const { return m_listPath; }
    bool withBmp() const { return m_withBmp; }
    void setWithBmp(bool on) { m_withBmp = on; }
    void toggleWithBmp() { m_withBmp = !m_withBmp; }

    void newImageList();
    bool openImageList();
    bool readImageListFile(const QString &path, const QString &base);
    // At start-up: Imgpath.tmp, then temp.iml (a missing file is no error).
    void loadImgPathFile();
    void loadTempImageList();
    bool saveImageList();
    bool saveImageListAs();
    bool writeImageListFile(const QString &path);
    // Written when this copy changed what the file holds since it read it, or when the
    // file is missing; a file left as it is counts as saved.
    bool saveTempImageList();
    bool saveImgPathFile();
    void copyBmpFilesToListFolder(const QString &folder);
    // "Output List": the definition listing to a file the user chooses.
    bool outputList();

private:
    // Reads and parses a list file; false (after a message) when it cannot be read.
    bool readListFile(const QString &path, const QString &base, ImageListRead &read);
    // Puts what was read into the list and reports what stopped the reading; true
    // when nothing did.
    bool takeList(const ImageListRead &read, const QString &path);
    void setCaption(ImageText word, const QString &path);
    // Tells the user (in the list's language) why a write failed; the write's success.
    bool reportWrite(const FileWriteResult &result);
    QByteArray tempListBytes() const;
    QByteArray imgPathBytes() const;

    ImageList &m_list;
    UserDialogs &m_dialogs;
    ImageText m_captionWord = ImageText::ImageLabelList;
    QString m_captionFile; // the file's name without its folder; "" for none
    QString m_listPath;
    QString m_listDialogFile; // where the list dialogs start
    QString m_listingPath;
    bool m_withBmp = false;
    // temp.iml and Imgpath.tmp as this copy took them at start-up or last wrote them:
    // another copy's are not overwritten with what this one never changed.
    KeptFile m_tempList;
    KeptFile m_imgPath;
};

} // namespace kvx
