#pragma once

#include <QList>
#include <QString>

namespace kvx {

// The tutorial's fixed tables: 25 steps (0..24) in 13 topics (0..12).
namespace tutorial {

inline constexpr int StepCount = 25;
inline constexpr int TopicCount = 13;

// The topic of a step, -1 for step 0 (the welcome) and for any value out of range.
int stepTopic(int step);
// The checkpoints a topic holds, the cap of its achieved count (0 out of range).
int topicCheckpoints(int topic);
// The step a topic button leads to (-1 out of range).
int firstStepOfTopic(int topic);

} // namespace tutorial

// One condition of a step's check row. All conditions of a row must hold.
struct StepCheck
{
    enum class Kind {
        Always,          // holds
        SentEquals,      // the last sent text is `literal`
        SentNotEquals,   // the last sent text is not `literal`
        SentSliceEquals, // the characters from `position` (1-based) are `literal`; a
                         // shorter text fails. Position 1 is a prefix test.
        TextSent,        // the sent text is 4 characters per character of TextBox
        SentByte,        // byte number `position` (1-based) read in `base` compares
                         // with `operand`; a text without that byte fails
        OptionChecked,   // control `control` (`index`) is set, or not, as `wanted`
    };
    enum class Compare { Equal, NotEqual };
    enum class Operand {
        Number,     // `number`
        BoxNumber,  // the number a box's text begins with, as typed
        BoxLowByte, // that number rounded, modulo 256
        // A box number that is not finite, or a rounded one beyond 32 bits, matches
        // nothing, whatever the comparison.
    };

    Kind kind = Kind::Always;
    QString literal;
    int position = 1;
    int base = 16;
    Compare compare = Compare::Equal;
    Operand operand = Operand::Number;
    double number = 0;
    QString control;
    int index = -1;
    bool wanted = true;

    static StepCheck always() { return {}; }
    static StepCheck sentEquals(const QString &text);
    static StepCheck sentNotEquals(const QString &text);
    static StepCheck sentBeginsWith(const QString &text);
    static StepCheck sentSliceEquals(int position, const QString &text);
    static StepCheck textSent();
    static StepCheck sentByte(int byteNumber, int base, Compare compare, double number);
    static StepCheck sentByteVsBox(int byteNumber, int base, Compare compare, Operand operand, const QString &box);
    static StepCheck optionChecked(const QString &control, int index, bool wanted = true);
};

// What a row does when it holds (besides showing its text).
enum class StepOutcome {
    Advance, // credit a checkpoint; the next run shows the introduction again
    Stay,    // credit a checkpoint; later runs keep checking
    Note,    // no credit; later runs keep checking (a hint or a remark)
    Finish,  // no credit; the next run shows the introduction again
};

struct StepRow
{
    QList<StepCheck> checks; // all must hold
    QString textId;          // the feedback text
    StepOutcome outcome = StepOutcome::Note;
};

// A step with its introduction and its check rows, tested in order; the first row
// that holds wins, and when none holds the text shown stays.
struct StepDefinition
{
    int step = 0;
    QString introId;
    QString textBoxPreset; // written into TextBox with the introduction when not null
    int timerMs = 0;       // toviTimer interval set with the introduction
    QList<StepRow> rows;
};

// The definition of a step, or nullptr for step 0 (handled by the engine) and for a
// step not defined yet.
const StepDefinition *stepDefinition(int step);
// Every defined step, in step order.
const QList<StepDefinition> &stepDefinitions();

} // namespace kvx
