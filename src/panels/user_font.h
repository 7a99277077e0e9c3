#pragma once

#include "link/byte_sink.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace kvx {

class PanelContext;

// A user-font file: "PRT" lines whose values, in file order, form the one command
// 1F 28 65 13 m followed by the patterns of the characters 80h..FFh.
struct UserFontFile
{
    enum class Status {
        Ok,
        Unreadable,  // a value that is no byte (negative, above 255, not a number)
        WrongHeader, // the first four values are not 1F 28 65 13
        WrongSize,   // m is not 1, 2 or 4
        TooFew,
        TooMany,
    };
    Status status = Status::Unreadable;
    int m = 0;           // the font size code of the header
    qsizetype count = 0; // the values read
    QByteArray command;  // the whole command when Ok

    // The number of values a font of size code m takes, header included; 0 for others.
    static qsizetype expectedCount(int m);
    static UserFontFile parse(const QString &text);
};

// Cuts the first number off a "PRT" line's rest (the text comes back shortened). One
// blank or one comma separates numbers, so an empty field reads 0; a number ending in
// "H" is hexadecimal, any other decimal; a ";" right behind a number is dropped. A token
// that is neither decimal digits nor hexadecimal digits with "H" gives no value.
std::optional<int> nextUserFontNumber(QString &text);

// Shows the user that a long send runs; the main window takes no input meanwhile.
class LoadProgress
{
public:
    virtual ~LoadProgress() = default;
    virtual void begin(const QString &label, int steps) = 0;
    virtual void advance() = 0;
    virtual void end() = 0;
};

// The "UDF" button: loads a user-font file into the module's flash memory, framed by
// the module's user set-up mode, and initialises the module afterwards.
class UserFontLoader
{
public:
    // initialize: the main window's module initialisation (sends 1B 40, resets controls).
    UserFontLoader(PanelContext &ctx, std::function<void()> initialize, LoadProgress *progress = nullptr)
        : m_ctx(ctx), m_initialize(std::move(initialize)), m_progress(progress)
    {
    }

    // The whole load; true when the font went out.
    bool CmdUDF_Click();
    // The load of a chosen file (after the dialog).
    bool loadFile(const QString &path);

private:
    void notLoaded();
    void say(const QString &english, const QString &inJapanese);

    PanelContext &m_ctx;
    std::function<void()> m_initialize;
    LoadProgress *m_progress;
};

} // namespace kvx
