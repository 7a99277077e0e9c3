#pragma once

#include "panels/charset_test.h"
#include "panels/download_character.h"
#include "panels/module_init.h"
#include "panels/user_font.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kvx {

class PanelHost;

// A progress window over the main window while a user font is sent.
class ProgressWindow : public LoadProgress
{
public:
    explicit ProgressWindow(QWidget *owner) : m_owner(owner) {}
    ~ProgressWindow() override;
    void begin(const QString &label, int steps) override;
    void advance() override;
    void end() override;

private:
    QWidget *m_owner;
    QPointer<QProgressDialog> m_dialog;
};

// The download-character editor, the user-font button, the character-set test and
// the logic of the "Initialize" button, installed into the main window's left column.
class CharacterToolsUi : public QObject
{
    Q_OBJECT
public:
    explicit CharacterToolsUi(PanelHost &host);

    DownloadCharacterPanel &downloadPanel() { return m_download; }
    CharacterSetTest &characterSetTest() { return m_test; }
    QTimer &testTimer() { return m_timer; }

    // What the panel builds, for the main window's layout to place: the
    // download-character frame and the row of the user-font and test buttons.
    struct Frames
    {
        QWidget *downloadCharacter;
        QWidget *toolRow;
    };
    const Frames &frames() const { return m_frames; }

public slots:
    // The "Initialize" button: 1B 40, then every panel resets its controls.
    void InitializeCommandButton_Click();
    void CmdUDF_Click();
    void Command1_Click();
    void TimerTestMode_Timer();

private:
    void showDot(int index);
    void showSize();
    void showTest();

    PanelHost &m_host;
    DownloadCharacterPanel m_download;
    ModuleInitializer m_init;
    ProgressWindow m_progress;
    UserFontLoader m_userFont;
    CharacterSetTest m_test;
    QTimer m_timer;
    Frames m_frames{};

    std::array<QPushButton *, DotGrid::Count> m_dots{};
    std::array<QRadioButton *, DownloadCharacterPanel::SizeOptionCount> m_sizes{};
    QLineEdit *m_code = nullptr;
    QPushButton *m_command1 = nullptr;
    QLineEdit *m_testCode = nullptr;
    QLineEdit *m_testTimer = nullptr;
};

} // namespace kvx
