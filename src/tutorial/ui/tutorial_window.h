#pragma once

#include "shell/stored_text.h"
#include "shell/user_dialogs.h"
#include "tutorial/tutorial_engine.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWindow;

namespace kvx {

class TutorialHost;

// The tutorial window beside the main window: topic buttons coloured by progress, the
// instruction text, the progress bar, Back, Next, Reset and Abort. A secondary window
// of the main window that stays above it, never modal; it opens beside the main
// window (see tutorPlace) and its questions stand over it. The step engine runs
// exactly once for each of: Next, Back or a topic button; showTutorial(); the user
// coming back to this window from the main window. Other activations (after a
// message box, from another program) do not run it.
//
// What the main window does with it:
// - its tutorial picture: when the tutorial is not shown, showTutorial() and then set
//   TutorialShown and TutorialWaiting (loading the tutorial clears TutorialWaiting, so
//   the flags go after); otherwise hide() and clear both flags;
// - each completed command while TutorialWaiting: stop toviTimer, showTutorial();
// - a toviTimer tick while TutorialShown: showTutorial();
// - its series layouts: setSeriesLayout();
// - a change of the interface language: retranslate();
// - its shut-down, before anything else: unloadTutorial().
class TutorialWindow : public QWidget
{
    Q_OBJECT
public:
    TutorialWindow(TutorialHost *host, UserDialogs *dialogs, QWidget *mainWindow);

    // Shows the window (loading it first when it is not loaded: the record is read and
    // the tutorial starts at the welcome), brings it to the front and runs the step
    // engine once. It opens beside the main window the first time, and comes back where
    // it was every other time.
    void showTutorial();
    // The close: saves the record (when this copy changed it since loading, or it is
    // missing), clears TutorialWaiting then TutorialShown, stops toviTimer and hides the
    // window. The next showTutorial() loads it afresh. Does nothing when the tutorial is
    // not loaded.
    void unloadTutorial();
    bool isLoaded() const { return m_loaded; }

    // A series layout's caption and topic enablement (a topic switched off stays off
    // across a close and reopen, and the steps skip it). Loads the tutorial when it is
    // not loaded.
    void setSeriesLayout(const QString &caption, const QList<std::pair<int, bool>> &topics);
    // Captions in the main window's current language.
    void retranslate();

    TutorialEngine &engine() { return m_engine; }
    // Where the achievement record is kept (the program's folder by default). What was
    // loaded from another file says nothing of this one: the next unload writes it.
    void setRecordPath(const QString &path)
    {
        m_recordPath = path;
        m_record.took(std::nullopt);
    }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void ensureLoaded();
    void standBesideMainWindow();
    void runEngine();
    void render();
    void onFocusWindowChanged(QWindow *now);
    void next();
    void back();
    void topic(int index);
    void reset();
    void abort();

    TutorialHost *m_host;
    WindowDialogs m_dialogs;
    QPointer<QWidget> m_mainWindow;
    TutorialEngine m_engine;
    QString m_recordPath;
    // The record as this copy loaded or last saved it: another copy's progress is not
    // overwritten with counts this one never changed.
    KeptFile m_record;
    bool m_loaded = false;
    bool m_placed = false; // shown once, beside the main window

    // The window that had the focus before the present one.
    QPointer<QWindow> m_lastFocus;
    // showTutorial() has run the engine; the activation it asked for must not run it
    // again. Cleared by that activation, or after a while if it never comes.
    bool m_skipActivation = false;
    QTimer m_skipExpiry;

    QLabel *m_menuLabel = nullptr;
    QLabel *m_levelLabel = nullptr;
    QList<QPushButton *> m_topicButtons;
    QPlainTextEdit *m_text = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_abort = nullptr;
};

} // namespace kvx
