#pragma once

#include "shell/stored_text.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kvx {

class UserDialogs;

// Tool-tip button colours as Config.dat stores them (signed 32-bit).
inline constexpr qint32 ButtonFaceColour = qint32(0x8000000Fu - 0x100000000ull); // tool tips off
inline constexpr qint32 ToolTipsOnColour = 0x8080FF;

// Every setting Config.dat holds, starting with the values the main window has before
// the file is read.
struct ConfigSettings
{
    QString port = QStringLiteral("1");                   // CommPortList text
    QString portSettings = QStringLiteral("38400,n,8,1"); // CommSettingsList text
    QString model = QStringLiteral("VX140X32_52K");       // HinmeiList text
    qint32 hintColour = ButtonFaceColour;                 // HintCommandButton back colour
    int series = 0;                                       // index of the chosen OptSeries
    QString bitmapFolder;                                 // Dir1 path / WorkFolder
    bool revisionB = false;                               // Chk_B
    QString language = QStringLiteral("English");         // UILanguage

    bool operator==(const ConfigSettings &) const = default;
};

// The settings at start-up: the defaults above with the program's own folder as the
// bitmap folder.
ConfigSettings defaultConfigSettings();

// The layouts Config.dat has had, oldest first; each holds the records of the one
// before it and one more. The program writes the newest.
const QStringList &configTags();
inline constexpr const char *CurrentConfigTag = "5200seiV30b2";

// What one read of Config.dat found. A setting is present only when its record was
// read in full and holds a value the program can take; absent settings keep whatever
// the window holds.
struct ConfigRead
{
    bool fileFound = false;
    QString tag;     // the first field, whatever it is
    int layout = -1; // index into configTags(); -1: not a known tag, nothing else read

    std::optional<QString> port;
    std::optional<QString> portSettings;
    std::optional<QString> model; // the model list's spelling (matched regardless of case)
    std::optional<qint32> hintColour;
    std::optional<int> series; // only for one of the four series strings
    std::optional<QString> bitmapFolder;
    std::optional<bool> revisionB;   // true only for the field "1"
    std::optional<QString> language; // kept as read, whatever it says

    // Every setting was read: what the window takes from the file is all it holds.
    bool readInFull() const
    {
        return port && portSettings && model && hintColour && series && bitmapFolder && revisionB && language;
    }

    // Puts what was read into the settings. A folder that does not exist (any more)
    // is passed over, so the bitmap folder always names a real folder.
    void applyTo(ConfigSettings &settings) const;
};

// Reads the fields of a Config.dat in any of its layouts.
ConfigRead parseConfig(const QByteArray &bytes);
// The bytes of Config.dat in the newest layout.
QByteArray configBytes(const ConfigSettings &settings);

// Config.dat and Tmp.sei in the program's own folder.
QString configPath();
QString textMemoPath();

// `LoadConfig` without the window: a missing or unreadable file is a read that found
// nothing.
ConfigRead loadConfig(const QString &path = configPath());
// `SaveConfig` without the window.
FileWriteResult saveConfig(const ConfigSettings &settings, const QString &path = configPath());

// Tmp.sei holds the remembered macro text followed by CR LF. The reader takes that one
// CR LF off again, so a save and a load give back the same text.
QByteArray textMemoBytes(const QString &macroText);
QString parseTextMemo(const QByteArray &bytes);
// `SaveTextMemo` / `LoadTextMemo` without the window; a missing file gives nothing, so
// MacroText stays as it was.
FileWriteResult saveTextMemo(const QString &macroText, const QString &path = textMemoPath());
std::optional<QString> loadTextMemo(const QString &path = textMemoPath());

// The first-run language question.
inline constexpr const char *LanguageQuestionTitle = "メニュー言語選択";
inline constexpr const char *LanguageQuestionText = "日本語画面にしますか？";

// The English name of the user's language ("Japanese", "English", ...), or nothing when
// the locale cannot be asked.
std::optional<QString> systemLocaleLanguageName();

// Settles UILanguage once Config.dat has been read. A language read from the file
// stays as read; otherwise a locale whose English language name is exactly "Japanese"
// asks the user (Yes: "Japanese", anything else: "English"), and every other locale,
// or none, gives "English".
QString decideLanguage(const std::optional<QString> &fileLanguage, const std::optional<QString> &localeLanguageName,
                       UserDialogs &dialogs);

} // namespace kvx
