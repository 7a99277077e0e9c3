#pragma once

#include "link/bmp1_reader.h"
#include "link/byte_sink.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kvx {

// The command encoder: holds one module identity and turns every display operation
// into the module's exact bytes, which it hands to portOut in one call.
//
// Parameter types follow the fields they fill: `int` parameters are 16-bit values
// (0..32767 where a 16-bit field takes them), `qint64` parameters 32-bit values and
// `double` parameters general numbers that are rounded halves to even. A value that
// does not fit raises EncodeError before anything is sent.
class VX5200
{
public:
    explicit VX5200(ByteSink *sink = nullptr, Notifier *notifier = nullptr);

    void setSink(ByteSink *sink) { m_sink = sink; }
    ByteSink *sink() const { return m_sink; }
    void setNotifier(Notifier *notifier) { m_notifier = notifier; }
    Notifier *notifier() const { return m_notifier; }

    // ---- identity and limits (nothing is sent) ----
    void moduleName(const QString &name);
    QString moduleName() const { return m_modelName; }
    void moduleRevB(bool revisionB);
    QString moduleRevB() const { return m_revision; }
    QString moduleSeri() const;
    // The series alone ("5200" or "2100"), without the revision letter.
    QString series() const { return m_series; }
    bool New5290() const;
    int moduleDotX() const { return m_dotX; }
    int moduleDotY() const { return m_dotY; }
    int moduleByteY() const { return m_dotY / 8; }
    double gramX() const;
    double gramY() const { return m_dotY / 8; }
    int NumberOfSW() const { return m_dotY <= 32 ? 16 : 32; }
    bool OverSize(qint64 width, qint64 height) const;

    // ---- sending ----
    SendResult portOut(const QByteArray &bytes);

    // ---- control codes ----
    SendResult BackSpace();
    SendResult HorizontalTab();
    SendResult LineFeed();
    SendResult HomePosition();
    SendResult DisplayClear();
    SendResult CarriageReturn();
    SendResult LineClear();
    SendResult ClearToEnd();

    // ---- text ----
    SendResult CharacterDisplay(const QByteArray &text);
    SendResult DotUnitCharacterDisplay(qint64 x, qint64 y, int p, const QByteArray &text);

    // ---- escape sequences ----
    SendResult InitializeDisplay();
    SendResult DownloadEnable(int n);
    SendResult DownloadCharacterDefine(int c1, int c2, const QByteArray &data);
    SendResult DownloadCharacterDelete(int c);
    SendResult InternationalFontSet(int n);
    SendResult CharacterCodeTable(int n);

    // ---- unit commands ----
    SendResult CursorSet(int x, int y);
    SendResult CursorOnOff(int n);
    SendResult bright(int n);
    SendResult MacroExecute(int n, qint64 t1, qint64 t2);
    SendResult DrawReverseMode(int n);
    SendResult HorizontalScrollSpeed(int n);
    SendResult DrawMode(int n);
    SendResult WindowMode(const QString &name);
    // Writes a macro: n = 0 the RAM macro, 1..4 the flash macros; any other n sends
    // nothing. hexText holds 4 characters per byte, two hexadecimal digits first.
    SendResult MacroDifine(int n, const QString &hexText, qint64 count);

    // ---- screen actions and power saving ----
    SendResult WaitAction(int t);
    SendResult ShortWaitAction(int t);
    // Shift and repetition are two-byte fields of 0..65535.
    SendResult ScrollAction(int w, int c, int s);
    // The module takes the normal time before the event time.
    SendResult BlinkAction(int p, int eventTime, int normalTime, int c);
    SendResult FountainAction(int a, int b, int t);
    SendResult DisolveAction(int p, int t);
    SendResult ScreenSaver(int p);
    SendResult AutoOffTimer(int n);

    // ---- setup and memory switches ----
    SendResult userModeIn();
    SendResult userModeOut();
    SendResult SetMemorySwitch(int a, int b);

    // ---- fonts ----
    SendResult FontSize(double n);
    SendResult SelectFontSize8x16();
    SendResult KanjiModeActive();
    SendResult KanjiModeDeactive();
    SendResult FontGapMode(int n);
    SendResult ExtensionFontSelect(quint8 b);
    SendResult Select2ByteLanguage(const QString &language);
    SendResult FontMagnified(int x, int y);

    // ---- windows ----
    SendResult CurrentWindowSelect(int n);
    SendResult UserWindowDefine(int a, int x, int y, int w, int h);
    SendResult UserWindowCancel(int a);
    SendResult WriteScreenMode(int n);

    // ---- bit images ----
    SendResult BitImageDisplay(int x, int y, const QByteArray &data);
    SendResult DownloadedImageDisplay(int area, qint64 address, qint64 imageRows, qint64 x, qint64 y);
    SendResult DownloadedImageScrollDisplay(int area, qint64 address, qint64 imageRows, qint64 x, qint64 y, int speed);
    SendResult DotUnitDownloadedBitImageDisplay(double posX, double posY, int area, qint64 address, qint64 imageRows,
                                                double value6, double value7, qint64 w, qint64 h);

    // ---- bitmap files ----
    // A bitmap file checked for drawing: the image, or the messages the user was shown.
    struct BmpLoad
    {
        bool ok = false;
        Bmp1Image image;
        QStringList messages;
    };
    // Reads a 1-bit bitmap file and checks that it fits the module, sending nothing.
    // Every refusal is shown through the notifier (and listed); on success the image
    // fields hold the picture.
    BmpLoad loadBmpFile(const QString &path);
    // Draws a loaded picture: its height rounded up to whole bytes, the padding dark.
    SendResult sendBmpImage(const Bmp1Image &image);
    // Both steps; true when the picture went out.
    bool printBmpFile(const QString &path);
    int imageWidth() const { return m_image.width; }
    int imageHeight() const { return m_image.height; }
    QByteArray imageBuffer() const { return m_image.columns; }

    // ---- backlight, LEDs and touch switches ----
    SendResult LedOnOff(int n);
    SendResult BackLight(int mode, int b, int c, int d);
    SendResult BackLight2(int group, const QVector<int> &first, const QVector<int> &second, const QVector<int> &third,
                          int count);
    SendResult BackLight3(int group, int c1, int c2, int c3, int count, int start);
    SendResult ReadAllSwitches();
    SendResult ReadOneSwitch(int n);
    SendResult ReadAllSwitcheLevel();
    SendResult SetReadSwitch(int n);
    SendResult TouchParameter(int a, int b);

private:
    void notify(const QString &message);

    ByteSink *m_sink = nullptr;
    Notifier *m_notifier = nullptr;
    QString m_modelName;
    QString m_series;
    QString m_revision;
    int m_dotX = 0;
    int m_dotY = 0;
    Bmp1Image m_image; // the bitmap file last read for drawing
};

} // namespace kvx
