#pragma once

#include "link/byte_sink.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace kvx {

class PanelContext;
struct ShellState;

// ---- touch switches panel ----

// The automatic-transmission modes of ComboTSW(1), in list order.
QStringList autoTransmitItems(bool japanese);

// The note in lblTouch at start and after "Cancell" (the two differ in wording).
QString touchNoteInitial(bool japanese);
QString touchNoteCancelled(bool japanese);
QString touchNoteAutoTransmit(bool japanese);

// What `UpdateTouchControls` does for the list index of ComboTSW(1): mode 0 enables
// the three read buttons; modes 1..3 disable them and set the note; any other index
// (nothing chosen) changes nothing.
struct TouchControls
{
    bool readButtonsEnabled = true;
    std::optional<QString> note; // lblTouch's new text; nothing: leave it
};
std::optional<TouchControls> updateTouchControls(int modeIndex, bool japanese);

// Text12 holds what the module answers; in the automatic modes that never stops, so
// the box keeps only its newest characters.
constexpr int kTouchTextLimit = 3000;
// `text` with `added` appended; above `limit` characters the oldest whole lines go so
// that at most `limit` remain, never the newest data (the last line, or the one before
// a bare ">"): when that alone is longer, its newest end stays.
QString appendTouchText(const QString &text, const QString &added, int limit = kTouchTextLimit);

// The touch switches panel: switch reads and the automatic transmit modes.
class TouchSwitchPanel
{
public:
    explicit TouchSwitchPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // cmdTouch(index) for the commands: 0 read all, 1 read the switch at list index
    // `switchIndex` of ComboTSW(0), 2 read levels, 3 cancel, 5 all switches, 6 one
    // switch. Index 4 opens the parameter window and sends nothing.
    SendResult cmdTouch_Click(int index, int switchIndex);

    // The transmit mode a button puts into ComboTSW(1) before its command is sent
    // (3 -> 0, 5 -> 1, 6 -> 2); nothing for the other buttons.
    static std::optional<int> modeForButton(int index);

private:
    PanelContext &m_ctx;
};

// ---- touch-parameter window ----

struct TouchParameterRange
{
    int minimum;
    int maximum;
    int factory; // the start value and the factory setting
};
// Threshold 0..7 (7), samples for "on" 1..254 (3), samples for "off" 1..254 (6),
// calibration time 0..64 (10).
const std::array<TouchParameterRange, 4> &touchParameterRanges();

// A slider's tool tip: its value in upper-case hexadecimal followed by "h" ("Ah").
QString touchParameterToolTip(int value);

// The fine-step button Command2(index) on slider index / 2 holding `value`: even
// indexes step down, odd ones up, never leaving the slider's range.
int touchParameterStep(int index, int value);

// The window's texts in one language.
struct TouchParaTexts
{
    QString title;
    std::array<QString, 4> label2;
    std::array<QString, 5> frames; // Frame0..Frame4
    std::array<QString, 6> command1;
    QString label1;
    QString fontFamily;
};
TouchParaTexts touchParaTexts(bool japanese);

// Sends the touch parameters with the main window's encoder.
class TouchParameterSender
{
public:
    explicit TouchParameterSender(PanelContext &ctx) : m_ctx(ctx) {}
    // "Send" of parameter 0..3.
    SendResult send(int parameter, int value);
    // "Send Factory Settings": parameters 0..3 with their factory values, in order,
    // each logged; stops at the first that does not go out.
    SendResult sendFactorySettings();

private:
    PanelContext &m_ctx;
};

} // namespace kvx
