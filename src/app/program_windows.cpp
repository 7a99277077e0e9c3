#include "app/program_windows.h"

#include "image_list/ui/image_list_window.h"
#include "macro_editor/ui/edit_form.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/shared_icon_style.h"
#include "tutorial/ui/tutorial_window.h"

// The pictures are compiled into the window library, from which the linker takes only
// what is called for: the program calls for them by name.
static void loadPictures()
{
    Q_INIT_RESOURCE(resources);
}

namespace kvx {

// The tutorial window behind the main window's tutorial seam.
class ProgramWindows::Tutorial : public TutorialSeam
{
public:
    explicit Tutorial(ProgramWindows &windows) : m_windows(windows) {}
    void showTutorial() override { m_windows.tutorWindow()->showTutorial(); }
    void hideTutorial() override { m_windows.tutorWindow()->hide(); }
    void unloadTutorial() override { m_windows.tutorWindow()->unloadTutorial(); }
    void setSeriesLayout(const QString &caption, const QList<std::pair<int, bool>> &topics) override
    {
        m_windows.tutorWindow()->setSeriesLayout(caption, topics);
    }

private:
    ProgramWindows &m_windows;
};

namespace {

// The program's fonts, style and pictures are in place before its first window is made.
std::unique_ptr<MainWindow> makeMainWindow(const MainWindow::Options &options)
{
    useProgramFonts();
    SharedIconStyle::install();
    loadPictures();
    return std::make_unique<MainWindow>(options);
}

} // namespace

ProgramWindows::ProgramWindows(MainWindow::Options options)
    : m_main(makeMainWindow(options)), m_tutorial(std::make_unique<Tutorial>(*this))
{
    MainWindow *main = m_main.get();
    // Both stand over the main window, which owns them. The macro editor's close box
    // unloads it, and the next opening makes a new one.
    main->setMacroEditorFactory([main]() -> MacroEditorSeam * {
        auto *form = new EditForm(main->host());
        QObject::connect(form, &EditForm::unloaded, main,
                         [main, seam = static_cast<MacroEditorSeam *>(form)] { main->macroEditorUnloaded(seam); });
        return form;
    });
    main->macroEditor();
    main->setImageList(new ImageListWindow(main->host()));
    main->setTutorial(m_tutorial.get());
}

ProgramWindows::~ProgramWindows()
{
    m_main->setTutorial(nullptr);
}

TutorialWindow *ProgramWindows::tutorWindow()
{
    if (!m_tutorWindow) {
        MainWindow &main = *m_main;
        m_tutorWindow = std::make_unique<TutorialWindow>(&main, &main.dialogs(), &main);
        QObject::connect(&main.host(), &PanelHost::languageChanged, m_tutorWindow.get(), &TutorialWindow::retranslate);
    }
    return m_tutorWindow.get();
}

} // namespace kvx
