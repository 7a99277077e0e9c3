#pragma once

#include "link/vx5200.h"
#include "macro_editor/macro_files.h"
#include "macro_editor/macro_step.h"
#include "shell/seams.h"
#include "shell/user_dialogs.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace kvx {

class PanelHost;

// The command macro editor: the macro text with its step, play, pause, stop and
// clear buttons, its file menu (open, save, macro upload, close) and the box that
// shows what the module sent back. One instance at a time, made through the factory
// the main window is handed and hidden until the main window shows it. Its Close item
// hides it; its close box unloads it (the window is deleted and the main window makes
// a new one at the next opening). Both hand its text to the main window's MacroText
// first.
//
// The text is kept with CR LF line ends; the text widget, which works with "\n", is
// converted to and from at its edge only.
class EditForm : public QMainWindow, public MacroEditorSeam
{
    Q_OBJECT
public:
    explicit EditForm(PanelHost &host);
    ~EditForm() override;

    // MacroEditorSeam
    bool isEditorVisible() const override;
    void insertAtCaret(const QString &text) override;
    void showEditor() override;
    QString editorText() const override;
    void setEditorText(const QString &text) override;
    QString receivedDataText() const override;
    void saveCommand() override { SaveCommandButton_Click(); }
    void loadCommand() override { LoadCommandButton_Click(); }

    // The selection of the text as positions of the CR LF text.
    MacroSelection selection() const;
    void setSelection(MacroSelection selection);

public slots:
    void SaveCommandButton_Click();
    void LoadCommandButton_Click();
    void PlayCommandButton_Click();
    void StepCommandButton_Click();
    void PauseCommandButton_Click();
    void StopCommandButton_Click();
    void ClearCommandButton_Click();
    void Macro_Click();
    void Close_Click();
    void CmdClrSO_Click();

signals:
    // The close box unloaded the window: it is deleted once control returns to the
    // event loop, and must no longer be used.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildUi();
    void Form_Load();
    void Form_Activate();
    bool japanese() const;
    void showSerialOut(bool visible);
    void receivedDataChanged(const QString &text);
    void hideEditor();

    PanelHost &m_main;
    // The editor's messages and file dialogs stand over the editor.
    WindowDialogs m_dialogs;
    MacroFileOperations m_files;
    // The step's own encoder: it only sends, and is made on the first step.
    std::unique_ptr<VX5200> m_stepEncoder;

    QPlainTextEdit *m_editBox = nullptr;
    QPlainTextEdit *m_txtSO = nullptr;
    QLabel *m_lblSO = nullptr;
    QPushButton *m_clrSO = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_stepButton = nullptr;
    QPushButton *m_pause = nullptr;
    bool m_pauseRed = false;
    QPushButton *m_stop = nullptr;
    QPushButton *m_clear = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_open = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_macro = nullptr;
    QAction *m_close = nullptr;
    QAction *m_stepAction = nullptr;
};

} // namespace kvx
