#include "tutorial/tutorial_steps.h"

#include <array>

namespace kvx {

namespace tutorial {

namespace {

constexpr std::array<int, StepCount> StepTopics = {
    -1,         // 0 welcome
    0,  0,      // 1-2 Check Connection
    1,  1,  1,  // 3-5 Display Character
    2,  2,  2,  2, 2, // 6-10 Window Mode
    3,          // 11 Font Magnification
    4,          // 12 Proportional Font
    5,  5,      // 13-14 International Font
    6,          // 15 Font Modification
    7,          // 16 Writing Mode
    8,  8,      // 17-18 Graphic Data
    9,          // 19 User Window
    10, 10, 10, // 20-22 Screen Actions
    11,         // 23 Brightness Control
    12,         // 24 Screen Saver
};

constexpr std::array<int, TopicCount> Checkpoints = {2, 3, 4, 1, 1, 2, 2, 5, 2, 2, 3, 1, 5};
constexpr std::array<int, TopicCount> FirstSteps = {1, 3, 6, 11, 12, 13, 15, 16, 17, 19, 20, 23, 24};

} // namespace

int stepTopic(int step)
{
    return step >= 0 && step < StepCount ? StepTopics[step] : -1;
}

int topicCheckpoints(int topic)
{
    return topic >= 0 && topic < TopicCount ? Checkpoints[topic] : 0;
}

int firstStepOfTopic(int topic)
{
    return topic >= 0 && topic < TopicCount ? FirstSteps[topic] : -1;
}

bool topicMissingOnOlderSeries(int topic)
{
    return topic == 4 || topic == 6 || topic == 12;
}

} // namespace tutorial

StepCheck StepCheck::sentEquals(const QString &text)
{
    StepCheck c;
    c.kind = Kind::SentEquals;
    c.literal = text;
    return c;
}

StepCheck StepCheck::sentNotEquals(const QString &text)
{
    StepCheck c;
    c.kind = Kind::SentNotEquals;
    c.literal = text;
    return c;
}

StepCheck StepCheck::sentBeginsWith(const QString &text)
{
    return sentSliceEquals(1, text);
}

StepCheck StepCheck::sentSliceEquals(int position, const QString &text)
{
    StepCheck c;
    c.kind = Kind::SentSliceEquals;
    c.position = position;
    c.literal = text;
    return c;
}

StepCheck StepCheck::textSent()
{
    StepCheck c;
    c.kind = Kind::TextSent;
    return c;
}

StepCheck StepCheck::sentByte(int byteNumber, int base, Compare compare, double number)
{
    StepCheck c;
    c.kind = Kind::SentByte;
    c.position = byteNumber;
    c.base = base;
    c.compare = compare;
    c.operand = Operand::Number;
    c.number = number;
    return c;
}

StepCheck StepCheck::sentByteVsBox(int byteNumber, int base, Compare compare, Operand operand,
                                   const QString &box)
{
    StepCheck c = sentByte(byteNumber, base, compare, 0);
    c.operand = operand;
    c.control = box;
    return c;
}

StepCheck StepCheck::optionChecked(const QString &control, int index, bool wanted)
{
    StepCheck c;
    c.kind = Kind::OptionChecked;
    c.control = control;
    c.index = index;
    c.wanted = wanted;
    return c;
}

namespace {

using C = StepCheck;

StepRow row(QList<StepCheck> checks, const char *textId, StepOutcome outcome)
{
    return StepRow{std::move(checks), QString::fromLatin1(textId), outcome};
}

QList<StepDefinition> buildDefinitions()
{
    QList<StepDefinition> d;

    // Topic 0, Check Connection. Step 1 has nothing to check: coming back to the
    // tutorial after the introduction is the success.
    d.append({1, QStringLiteral("s1.intro"), QString(), 5000,
              {row({C::always()}, "s1.done", StepOutcome::Advance)}});
    d.append({2, QStringLiteral("s2.intro"), QString(), 5000,
              {row({C::sentEquals(QStringLiteral("[1b][40]"))}, "s2.done", StepOutcome::Advance),
               row({C::always()}, "s2.hint", StepOutcome::Note)}});

    // Topic 1, Display Character.
    d.append({3, QStringLiteral("s3.intro"), QStringLiteral("Hello"), 20000,
              {row({C::textSent()}, "s3.done", StepOutcome::Advance),
               row({C::sentNotEquals(QStringLiteral("[1b][40]"))}, "s3.hint", StepOutcome::Note)}});
    d.append({4, QStringLiteral("s4.intro"), QString(), 20000,
              {row({C::sentBeginsWith(QStringLiteral("[1f][24]"))}, "s4.cursor", StepOutcome::Stay),
               row({C::textSent()}, "s4.written", StepOutcome::Finish),
               row({C::always()}, "s4.hint", StepOutcome::Note)}});
    d.append({5, QStringLiteral("s5.intro"), QString(), 20000,
              {row({C::textSent()}, "s5.done", StepOutcome::Advance),
               row({C::sentEquals(QStringLiteral("[0c]"))}, "s5.cleared", StepOutcome::Note)}});

    return d;
}

} // namespace

const QList<StepDefinition> &stepDefinitions()
{
    static const QList<StepDefinition> definitions = buildDefinitions();
    return definitions;
}

const StepDefinition *stepDefinition(int step)
{
    for (const StepDefinition &d : stepDefinitions())
        if (d.step == step)
            return &d;
    return nullptr;
}

} // namespace kvx
