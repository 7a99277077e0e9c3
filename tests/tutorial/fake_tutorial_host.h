#pragma once

#include "link/numbers.h"
#include "link/vx5200.h"
#include "support/recording_sink.h"
#include "tutorial/tutorial_host.h"

#include <QHash>
#include <QStringList>

#include <functional>

namespace kvx::test {

// Stands in for the main window: English captions as the main window gives them, the
// boxes and lists the tutorial reads, and a real encoder whose last command becomes
// the sent text, the way the link announces it.
class FakeTutorialHost : public TutorialHost
{
public:
    FakeTutorialHost() : encoder(&sink)
    {
        encoder.moduleName(QStringLiteral("VX140X32_52K"));
        captions = {
            {QStringLiteral("cmdBtn1#0"), QStringLiteral("Set")},
            {QStringLiteral("cmdBtn1#1"), QStringLiteral("Clear")},
            {QStringLiteral("cmdBtn1#6"), QStringLiteral("Home")},
            {QStringLiteral("cmdBtn1#7"), QStringLiteral("Tab")},
            {QStringLiteral("cmdBtn1#8"), QStringLiteral("BS")},
            {QStringLiteral("cmdBtn1#9"), QStringLiteral("CR")},
            {QStringLiteral("cmdBtn1#10"), QStringLiteral("LF")},
            {QStringLiteral("cmdBtn1#11"), QStringLiteral("Write")},
            {QStringLiteral("InitializeCommandButton"), QStringLiteral("Initialize")},
            {QStringLiteral("Label2"), QStringLiteral("Cursor X-Y")},
            {QStringLiteral("CmdAsiaFont_ON"), QStringLiteral("Set up")},
            {QStringLiteral("WindowModeFrame"), QStringLiteral("Windows Action Selection")},
            {QStringLiteral("WindowModeCommandButton#0"), QStringLiteral("Over")},
            {QStringLiteral("WindowModeCommandButton#1"), QStringLiteral("V Scroll")},
            {QStringLiteral("WindowModeCommandButton#2"), QStringLiteral("H Scroll")},
            {QStringLiteral("Label23"), QStringLiteral("Horiz. Scroll Speed")},
            {QStringLiteral("BaseWindowWriteModeFrame"), QStringLiteral("Base Window Definition")},
            {QStringLiteral("BaseWindowWriteModeOption#0"), QStringLiteral("Display Screen")},
            {QStringLiteral("BaseWindowWriteModeOption#1"), QStringLiteral("All Memory")},
            {QStringLiteral("DeviceContextFrame"), QStringLiteral("User Font Style")},
            {QStringLiteral("Label8"), QStringLiteral("International Font:")},
            {QStringLiteral("Label9"), QStringLiteral("Char(80-FF) Font:")},
            {QStringLiteral("Label10"), QStringLiteral("Fixed/Proportional: ")},
            {QStringLiteral("Label11"), QStringLiteral("Font Aspect: ")},
            {QStringLiteral("Label33"), QStringLiteral("Code")},
            {QStringLiteral("DlFontDefineFrame"), QStringLiteral("ASCII Font Download(upto 16)")},
            {QStringLiteral("FontDefineCommandButton"), QStringLiteral("Define")},
            {QStringLiteral("FontDeleteCommandButton"), QStringLiteral("Delete")},
            {QStringLiteral("DownloadFontCheck"), QStringLiteral("Modified ASCII Font")},
            {QStringLiteral("DrawModeFrame"), QStringLiteral("Drawing Mode")},
            {QStringLiteral("ReverseCommandButton"), QStringLiteral("Reverse")},
            {QStringLiteral("BmpFrame"), QStringLiteral("Graphic Data")},
            {QStringLiteral("Label6"), QStringLiteral("X Size")},
            {QStringLiteral("Label7"), QStringLiteral("Y Size")},
            {QStringLiteral("BmpDrawButton"), QStringLiteral("Draw")},
            {QStringLiteral("SSTab1#0"), QStringLiteral("File Image")},
            {QStringLiteral("SSTab1#2"), QStringLiteral("Test")},
            {QStringLiteral("Label14"), QStringLiteral("Enable")},
            {QStringLiteral("WindowDefineFrame"), QStringLiteral("User Window Specification")},
            {QStringLiteral("UserWindowFrame"), QStringLiteral("User Window Sizing")},
            {QStringLiteral("WaitFrame"), QStringLiteral("Delay")},
            {QStringLiteral("WaitCommandButton"), QStringLiteral("Start")},
            {QStringLiteral("ScrollCommandButton"), QStringLiteral("Start")},
            {QStringLiteral("BlinkCommandButton"), QStringLiteral("Start")},
            {QStringLiteral("ControlFrame"), QStringLiteral("Power Controls")},
            {QStringLiteral("Label1"), QStringLiteral("Brightness")},
            {QStringLiteral("ScreenSaverFrame"), QStringLiteral("ScreenSaver")},
        };
        boxes = {{QStringLiteral("CursorXBox"), QStringLiteral("1")},
                 {QStringLiteral("CursorYBox"), QStringLiteral("1")}};
    }

    // Sends one command through the encoder; the sent text becomes its bytes.
    void send(const std::function<SendResult(VX5200 &)> &command)
    {
        sink.commands.clear();
        command(encoder);
        sent = sink.commands.isEmpty() ? QString() : bracketHex(sink.commands.last());
    }
    // Writes the text box the way the Write button does.
    void writeTextBox()
    {
        send([this](VX5200 &e) { return e.CharacterDisplay(boxes.value("TextBox").toLatin1()); });
    }

    // The step engine asks this first on every run, so it counts the runs.
    bool mainWindowNormal() const override
    {
        ++engineRuns;
        return normal;
    }
    QString uiLanguage() const override { return language; }
    QString moduleSeri() const override { return encoder.moduleSeri(); }
    QString lastSentText() const override { return sent; }
    QString caption(const QString &name, int index) const override
    {
        const QString key = index < 0 ? name : name + QLatin1Char('#') + QString::number(index);
        return captions.value(key, QStringLiteral("<") + key + QStringLiteral(">"));
    }
    QString boxText(const QString &name) const override { return boxes.value(name); }
    void setBoxText(const QString &name, const QString &text) override
    {
        boxes.insert(name, text);
        boxWrites.append(name + QLatin1Char('=') + text);
    }
    int listIndex(const QString &name) const override { return lists.contains(name) ? 0 : -1; }
    QString listEntry(const QString &name) const override { return lists.value(name); }
    int controlValue(const QString &name) const override { return values.value(name); }
    bool isChecked(const QString &name, int index) const override
    {
        return checked.contains(name + QLatin1Char('#') + QString::number(index));
    }
    void clearTutorialShown() override { tutorialShown = false; }
    void clearTutorialWaiting() override { tutorialWaiting = false; }
    void setTutorTimerInterval(int ms) override { timerInterval = ms; }
    void stopTutorTimer() override { timerStops++; }

    RecordingSink sink;
    VX5200 encoder;
    QString sent;
    bool normal = true;
    mutable int engineRuns = 0;
    QString language = QStringLiteral("English");
    QHash<QString, QString> captions;
    QHash<QString, QString> boxes;
    QHash<QString, QString> lists;
    QHash<QString, int> values;
    QStringList checked; // "name#index"
    QStringList boxWrites;
    bool tutorialShown = true;
    bool tutorialWaiting = true;
    int timerInterval = 0;
    int timerStops = 0;
};

} // namespace kvx::test
