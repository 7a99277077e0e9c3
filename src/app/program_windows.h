#pragma once

#include "shell/ui/main_window.h"

#include <memory>

namespace kvx {

class TutorialWindow;

// The one place that knows every window of the program: it creates the main window
// and the windows it opens, and hands them to the main window through its seams.
class ProgramWindows
{
public:
    explicit ProgramWindows(MainWindow::Options options = {});
    ~ProgramWindows();

    MainWindow &mainWindow() { return *m_main; }
    // The main window's tutorial window, created on first use.
    TutorialWindow *tutorWindow();

private:
    class Tutorial;

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<TutorialWindow> m_tutorWindow;
    std::unique_ptr<Tutorial> m_tutorial;
};

} // namespace kvx
