#include "tutorial/tutorial_steps.h"

#include <array>

namespace kvx {

namespace tutorial {

namespace {

constexpr std::array<int, StepCount> StepTopics = {
    -1,               // 0 welcome
    0,  0,            // 1-2 Check Connection
    1,  1,  1,        // 3-5 Display Character
    2,  2,  2,  2, 2, // 6-10 Window Mode
    3,                // 11 Font Magnification
    4,                // 12 Proportional Font
    5,  5,            // 13-14 International Font
    6,                // 15 Font Modification
    7,                // 16 Writing Mode
    8,  8,            // 17-18 Graphic Data
    9,                // 19 User Window
    10, 10, 10,       // 20-22 Screen Actions
    11,               // 23 Brightness Control
    12,               // 24 Screen Saver
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

StepCheck StepCheck::sentByteVsBox(int byteNumber, int base, Compare compare, Operand operand, const QString &box)
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
    d.append({1, QStringLiteral("s1.intro"), QString(), 5000, {row({C::always()}, "s1.done", StepOutcome::Advance)}});
    d.append({2,
              QStringLiteral("s2.intro"),
              QString(),
              5000,
              {row({C::sentEquals(QStringLiteral("[1b][40]"))}, "s2.done", StepOutcome::Advance),
               row({C::always()}, "s2.hint", StepOutcome::Note)}});

    // Topic 1, Display Character.
    d.append({3,
              QStringLiteral("s3.intro"),
              QStringLiteral("Hello"),
              20000,
              {row({C::textSent()}, "s3.done", StepOutcome::Advance),
               row({C::sentNotEquals(QStringLiteral("[1b][40]"))}, "s3.hint", StepOutcome::Note)}});
    d.append(
        {4,
         QStringLiteral("s4.intro"),
         QString(),
         20000,
         {row({C::sentBeginsWith(QStringLiteral("[1f][24]"))}, "s4.cursor", StepOutcome::Stay),
          row({C::textSent()}, "s4.written", StepOutcome::Finish), row({C::always()}, "s4.hint", StepOutcome::Note)}});
    d.append({5,
              QStringLiteral("s5.intro"),
              QString(),
              20000,
              {row({C::textSent()}, "s5.done", StepOutcome::Advance),
               row({C::sentEquals(QStringLiteral("[0c]"))}, "s5.cleared", StepOutcome::Note)}});

    // Topic 2, Window Mode, and topic 3, Font Magnification. No row of these steps
    // returns to the introduction: a credit row credits again on every run that finds
    // its command, up to the topic's cap.
    const QString hello5200 = QStringLiteral("Hello5200");
    d.append({6,
              QStringLiteral("s6.intro"),
              hello5200,
              20000,
              {row({C::textSent()}, "s6.written", StepOutcome::Note),
               row({C::sentNotEquals(QStringLiteral("[1b][40]"))}, "s6.hint", StepOutcome::Note)}});
    d.append(
        {7,
         QStringLiteral("s7.intro"),
         hello5200,
         5000,
         {row({C::sentEquals(QStringLiteral("[1f][02]"))}, "s7.mode", StepOutcome::Stay),
          row({C::textSent()}, "s7.written", StepOutcome::Note), row({C::always()}, "s7.hint", StepOutcome::Note)}});
    d.append(
        {8,
         QStringLiteral("s8.intro"),
         hello5200,
         5000,
         {row({C::sentEquals(QStringLiteral("[1f][03]"))}, "s8.mode", StepOutcome::Stay),
          row({C::textSent()}, "s8.written", StepOutcome::Note), row({C::always()}, "s8.hint", StepOutcome::Note)}});
    d.append({9,
              QStringLiteral("s9.intro"),
              hello5200,
              5000,
              {row({C::sentEquals(QStringLiteral("[1f][73][04]"))}, "s9.four", StepOutcome::Stay),
               row({C::sentBeginsWith(QStringLiteral("[1f][73]"))}, "s9.speed", StepOutcome::Stay),
               row({C::textSent()}, "s9.written", StepOutcome::Note),
               row({C::sentEquals(QStringLiteral("[1f][01]"))}, "s9.over", StepOutcome::Stay),
               row({C::always()}, "s9.hint", StepOutcome::Note)}});
    d.append({10,
              QStringLiteral("s10.intro"),
              hello5200,
              5000,
              {row({C::sentEquals(QStringLiteral("[1f][28][77][10][01]"))}, "s10.all", StepOutcome::Stay),
               row({C::sentEquals(QStringLiteral("[1f][28][77][10][00]"))}, "s10.screen", StepOutcome::Note),
               // The text follows the option set now, not the command sent before.
               row({C::textSent(), C::optionChecked(QStringLiteral("BaseWindowWriteModeOption"), 0)},
                   "s10.writtenScreen", StepOutcome::Note),
               row({C::textSent()}, "s10.writtenAll", StepOutcome::Note),
               row({C::always()}, "s10.hint", StepOutcome::Note)}});
    d.append(
        {11,
         QStringLiteral("s11.intro"),
         hello5200,
         5000,
         {row({C::sentEquals(QStringLiteral("[1f][28][67][40][01][01]"))}, "s11.normal", StepOutcome::Stay),
          row({C::sentBeginsWith(QStringLiteral("[1f][28][67][40]"))}, "s11.size", StepOutcome::Stay),
          row({C::textSent()}, "s11.written", StepOutcome::Note), row({C::always()}, "s11.hint", StepOutcome::Note)}});

    // Topics 4 to 7: proportional font, international font and character set, font
    // modification, drawing modes.
    d.append(
        {12,
         QStringLiteral("s12.intro"),
         hello5200,
         5000,
         {row({C::sentEquals(QStringLiteral("[1f][28][67][03][03]"))}, "s12.two", StepOutcome::Stay),
          row({C::sentBeginsWith(QStringLiteral("[1f][28][67][03]"))}, "s12.gap", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[0d]"))}, "s12.cr", StepOutcome::Note),
          row({C::sentEquals(QStringLiteral("[0a]"))}, "s12.lf", StepOutcome::Note),
          row({C::sentEquals(QStringLiteral("[0c]"))}, "s12.cleared", StepOutcome::Note),
          row({C::textSent()}, "s12.written", StepOutcome::Note), row({C::always()}, "s12.hint", StepOutcome::Note)}});
    d.append(
        {13,
         QStringLiteral("s13.intro"),
         QStringLiteral("]"),
         5000,
         {row({C::sentEquals(QStringLiteral("[1b][52][01]"))}, "s13.france", StepOutcome::Stay),
          row({C::sentBeginsWith(QStringLiteral("[1b][52]"))}, "s13.other", StepOutcome::Note),
          row({C::textSent()}, "s13.written", StepOutcome::Note), row({C::always()}, "s13.hint", StepOutcome::Note)}});
    // Four half-width katakana, sent as one byte each.
    d.append(
        {14,
         QStringLiteral("s14.intro"),
         QString::fromUtf8("\uFF76\uFF80\uFF76\uFF85"),
         5000,
         {row({C::sentEquals(QStringLiteral("[1b][74][01]"))}, "s14.katakana", StepOutcome::Stay),
          row({C::sentBeginsWith(QStringLiteral("[1b][74]"))}, "s14.other", StepOutcome::Note),
          row({C::textSent()}, "s14.written", StepOutcome::Note), row({C::always()}, "s14.hint", StepOutcome::Note)}});
    const QString vx5200 = QStringLiteral("VX5200");
    d.append(
        {15,
         QStringLiteral("s15.intro"),
         vx5200,
         10000,
         {row({C::sentBeginsWith(QStringLiteral("[1b][26][01]"))}, "s15.defined", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[1b][25][01]"))}, "s15.enabled", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[1b][25][00]"))}, "s15.disabled", StepOutcome::Note),
          row({C::sentBeginsWith(QStringLiteral("[1b][3f][01]"))}, "s15.deleted", StepOutcome::Note),
          row({C::textSent()}, "s15.written", StepOutcome::Note), row({C::always()}, "s15.hint", StepOutcome::Note)}});
    d.append(
        {16,
         QStringLiteral("s16.intro"),
         vx5200,
         10000,
         {row({C::sentEquals(QStringLiteral("[1f][77][00]"))}, "s16.over", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[1f][77][01]"))}, "s16.or", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[1f][77][02]"))}, "s16.and", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[1f][77][03]"))}, "s16.exor", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[1f][72][01]"))}, "s16.reverseOn", StepOutcome::Stay),
          row({C::sentEquals(QStringLiteral("[1f][72][00]"))}, "s16.reverseOff", StepOutcome::Note),
          row({C::textSent()}, "s16.written", StepOutcome::Note), row({C::always()}, "s16.hint", StepOutcome::Note)}});

    // Topics 8 to 12: bit images, user windows, screen actions, brightness, screen
    // saver. These steps preset nothing but the timer.
    const QString bitImage = QStringLiteral("[1f][28][66][11]");
    const QString xSize = QStringLiteral("BmpXSizeBox");
    d.append(
        {17,
         QStringLiteral("s17.intro"),
         QString(),
         20000,
         {row({C::sentEquals(QStringLiteral("[0c]"))}, "s17.cleared", StepOutcome::Note),
          row({C::sentEquals(QStringLiteral("[1f][24][00][00][00][00]"))}, "s17.home", StepOutcome::Note),
          // The test pattern of the size boxes: its width's low byte is byte 5.
          row({C::sentBeginsWith(bitImage), C::sentByteVsBox(5, 16, C::Compare::Equal, C::Operand::BoxLowByte, xSize)},
              "s17.done", StepOutcome::Stay),
          row({C::always()}, "s17.hint", StepOutcome::Note)}});
    d.append({18,
              QStringLiteral("s18.intro"),
              QString(),
              20000,
              {row({C::sentEquals(QStringLiteral("[0c]"))}, "s18.cleared", StepOutcome::Note),
               // A bit image that is not the test pattern of the size boxes: a file.
               row({C::sentBeginsWith(bitImage),
                    C::sentByteVsBox(5, 16, C::Compare::NotEqual, C::Operand::BoxNumber, xSize)},
                   "s18.done", StepOutcome::Stay),
               row({C::always()}, "s18.hint", StepOutcome::Note)}});
    const QString defineWindow = QStringLiteral("[1f][28][77][02]");
    const QString selectWindow = QStringLiteral("[1f][28][77][01]");
    d.append({19,
              QStringLiteral("s19.intro"),
              QString(),
              20000,
              {row({C::sentEquals(QStringLiteral("[0c]"))}, "s19.cleared", StepOutcome::Note),
               row({C::sentBeginsWith(defineWindow), C::sentSliceEquals(21, QStringLiteral("[01]"))}, "s19.defined",
                   StepOutcome::Stay),
               row({C::sentBeginsWith(defineWindow), C::sentSliceEquals(21, QStringLiteral("[00]"))}, "s19.cancelled",
                   StepOutcome::Note),
               // The window number is read in decimal: "03" is 3.
               row({C::sentBeginsWith(selectWindow), C::sentByte(5, 10, C::Compare::Equal, 0)}, "s19.base",
                   StepOutcome::Stay),
               row({C::sentBeginsWith(selectWindow), C::sentByte(5, 10, C::Compare::NotEqual, 0)}, "s19.selected",
                   StepOutcome::Stay),
               row({C::always()}, "s19.hint", StepOutcome::Note)}});
    d.append({20,
              QStringLiteral("s20.intro"),
              QString(),
              10000,
              {row({C::sentBeginsWith(QStringLiteral("[1f][28][61][01]"))}, "s20.done", StepOutcome::Stay),
               row({C::always()}, "s20.hint", StepOutcome::Note)}});
    d.append({21,
              QStringLiteral("s21.intro"),
              QString(),
              10000,
              {row({C::sentBeginsWith(QStringLiteral("[1f][28][61][10]"))}, "s21.done", StepOutcome::Stay),
               row({C::always()}, "s21.hint", StepOutcome::Note)}});
    d.append({22,
              QStringLiteral("s22.intro"),
              QString(),
              10000,
              {row({C::sentBeginsWith(QStringLiteral("[1f][28][61][11]"))}, "s22.done", StepOutcome::Stay),
               row({C::always()}, "s22.hint", StepOutcome::Note)}});
    d.append({23,
              QStringLiteral("s23.intro"),
              QString(),
              10000,
              {row({C::sentBeginsWith(QStringLiteral("[1f][58]"))}, "s23.done", StepOutcome::Stay),
               row({C::always()}, "s23.hint", StepOutcome::Note)}});
    d.append({24,
              QStringLiteral("s24.intro"),
              QString(),
              10000,
              {row({C::sentBeginsWith(QStringLiteral("[1f][28][61][40][00]"))}, "s24.powerOff", StepOutcome::Stay),
               row({C::sentBeginsWith(QStringLiteral("[1f][28][61][40][01]"))}, "s24.powerOn", StepOutcome::Stay),
               row({C::sentBeginsWith(QStringLiteral("[1f][28][61][40][03]"))}, "s24.allOn", StepOutcome::Stay),
               row({C::sentBeginsWith(QStringLiteral("[1f][28][61][40][02]"))}, "s24.allOff", StepOutcome::Stay),
               row({C::sentBeginsWith(QStringLiteral("[1f][28][61][40][04]"))}, "s24.alternate", StepOutcome::Stay),
               row({C::always()}, "s24.hint", StepOutcome::Note)}});

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
