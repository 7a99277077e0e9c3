#pragma once

#include "tutorial/achievement_record.h"
#include "tutorial/tutorial_steps.h"

#include <QString>

#include <array>
#include <optional>

namespace kvx {

class TutorialHost;

// The tutorial's state and its step engine, without any window: which step is shown,
// whether its introduction was shown, the checkpoints achieved per topic, which topics
// the module series has, and what the window shows (text, topic colours, progress).
// It reads and presets the main window through a TutorialHost.
class TutorialEngine
{
public:
    enum class TopicState {
        Open,     // not completed: the button-face colour
        Complete, // all checkpoints achieved: light green
        Current,  // the topic of the step shown, whatever its progress: light red
    };
    // What the window's progress display shows; refreshed at the start of every run
    // of the step engine and by a reset, so a credit shows at the next run.
    struct Progress
    {
        QString title;
        std::array<TopicState, tutorial::TopicCount> topics{};
        int maximum = 0;
        int value = 0;
    };

    explicit TutorialEngine(TutorialHost *host);

    // The state a freshly loaded tutorial starts from: these counts, step 0, no
    // introduction shown. The topics' enablement is kept: it belongs to the main
    // window's series layout, not to the loaded tutorial.
    void load(const TopicCounts &counts);

    // Navigation. Each changes the step and clears the introduction flag; the caller
    // then runs the step. Disabled topics are skipped; stepping past step 24 lands on
    // the welcome, Back never does.
    void next();
    void back();
    // false (and nothing changes) for a disabled or unknown topic.
    bool goToTopic(int topic);

    // Shows the current step or judges what the user did in the main window.
    void run();

    // Clears every count and refreshes the progress display; the text stays.
    void resetAchievements();
    // Caption, topic colours and progress bar from the current state.
    void refreshProgress();

    void setTopicEnabled(int topic, bool enabled);
    bool topicEnabled(int topic) const;

    int currentStep() const { return m_step; }
    bool introShown() const { return m_introShown; }
    const TopicCounts &achieved() const { return m_achieved; }
    const Progress &progress() const { return m_progress; }
    // The instruction text, lines joined by CR LF.
    const QString &text() const { return m_text; }
    bool japanese() const;

    // A text of the text table in the current language with its placeholders filled.
    QString buildText(const QString &id) const;
    // Whether a placeholder token (without braces) is one buildText fills.
    static bool knownPlaceholder(const QString &token);
    // Byte number k (from 1) of a sent text, its two digits read in base 16 or 10;
    // nothing when the text is too short or the digits are not hexadecimal.
    static std::optional<int> sentByte(const QString &sentText, int byteNumber, int base);

    // Whether one condition of a check row holds now.
    bool holds(const StepCheck &check) const;

    // For tests that start from the middle of the tutorial.
    void setCurrentStepForTest(int step, bool introShown);

private:
    void creditCheckpoint();
    QString placeholder(const QString &token) const;

    TutorialHost *m_host;
    int m_step = 0;
    bool m_introShown = false;
    TopicCounts m_achieved{};
    std::array<bool, tutorial::TopicCount> m_enabled;
    Progress m_progress;
    QString m_text;
};

} // namespace kvx
