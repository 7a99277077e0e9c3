#include "macro_editor/ui/edit_form.h"

#include "link/link.h"
#include "link/receive_monitor.h"
#include "link/vx5200.h"
#include "macro_editor/edit_form_texts.h"
#include "macro_editor/macro_upload.h"
#include "macro_editor/ui/progress_dialog.h"
#include "shell/shell_state.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/named_widgets.h"
#include "shell/ui/panel_host.h"
#include "shell/ui/window_place.h"
#include "shell/user_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>

namespace kvx {

namespace {

const QColor Red(255, 0, 0);

// The widget holds "\n" line ends; the macro text CR LF. A lone CR or LF in text
// handed in becomes one line end too.
QString toWidgetText(const QString &text)
{
    QString w = text;
    w.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    w.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return w;
}

QString fromWidgetText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

// The widget's text exactly (toPlainText() would turn no-break spaces into blanks).
QString rawWidgetText(const QPlainTextEdit *edit)
{
    QString raw = edit->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    raw.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return raw;
}

// Each line end before the position is one character in the widget, two in the macro.
int widgetToMacroPosition(const QString &widgetText, int pos)
{
    int macroPos = pos;
    for (int i = 0; i < pos && i < widgetText.size(); ++i)
        if (widgetText.at(i) == QLatin1Char('\n'))
            ++macroPos;
    return macroPos;
}

int macroToWidgetPosition(const QString &macroText, int pos)
{
    int widgetPos = pos;
    for (int i = 0; i + 1 < pos && i + 1 < macroText.size(); ++i)
        if (macroText.at(i) == QLatin1Char('\r') && macroText.at(i + 1) == QLatin1Char('\n'))
            --widgetPos;
    return widgetPos;
}

QPushButton *makeButton(const QString &name, const QString &toolTip, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QFont gothicFixedFont()
{
    // A fixed-pitch font that also holds the Japanese characters of the comments.
    for (const QString &family : {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")}) {
        if (QFontDatabase::hasFamily(family)) {
            QFont f(family);
            f.setStyleHint(QFont::TypeWriter);
            return f;
        }
    }
    return fixedFont();
}

int twipsToPixels(const QWidget *w, int twips, bool horizontal)
{
    return twips * (horizontal ? w->logicalDpiX() : w->logicalDpiY()) / 1440;
}

} // namespace

EditForm::EditForm(PanelHost &host)
    : QMainWindow(host.hostWindow(), Qt::Window), m_main(host), m_dialogs(host.dialogs(), this), m_files(m_dialogs)
{
    setObjectName(QStringLiteral("EditForm"));
    keepPlaceWhenHidden(*this);
    // Closing the editor never ends the program; its close box unloads it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose);
    buildUi();
    Form_Load();
    connect(&m_main, &PanelHost::receivedDataPanelNeeded, this, [this] { showSerialOut(true); });
    connect(&m_main, &PanelHost::receivedDataChanged, this, &EditForm::receivedDataChanged);
    connect(&m_main, &PanelHost::languageChanged, this, &EditForm::Form_Load);
}

EditForm::~EditForm() = default;

void EditForm::buildUi()
{
    auto *central = new QWidget;
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(6, 6, 6, 6);

    auto *buttons = new QHBoxLayout;
    m_play = makeButton(QStringLiteral("PlayCommandButton"), QStringLiteral("Play recorded command."), central);
    m_play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_stepButton =
        makeButton(QStringLiteral("StepCommandButton"), QStringLiteral("Play recorded commands by step."), central);
    m_pause = makeButton(QStringLiteral("PauseCommandButton"), QStringLiteral("Pause recording/Playing."), central);
    m_pause->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    m_stop = makeButton(QStringLiteral("StopCommandButton"), QStringLiteral("Stop recording/playing."), central);
    m_stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    m_clear = makeButton(QStringLiteral("ClearCommandButton"), QStringLiteral("Clear editing command."), central);
    auto *save = makeButton(QStringLiteral("SaveCommandButton"),
                            QStringLiteral("Save command data to disk by Vela-Demo format."), central);
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    auto *load = makeButton(QStringLiteral("LoadCommandButton"), QStringLiteral("Open command data."), central);
    load->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    for (QPushButton *b : {m_play, m_stepButton, m_pause, m_stop, m_clear, save, load})
        buttons->addWidget(b);
    buttons->addStretch(1);

    m_editBox = new QPlainTextEdit;
    m_editBox->setObjectName(QStringLiteral("EditBox"));
    m_editBox->setToolTip(QStringLiteral("Edit field"));
    m_editBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editBox->setFont(gothicFixedFont());

    m_lblSO = new QLabel;
    m_lblSO->setObjectName(QStringLiteral("LblSO"));
    m_clrSO = new QPushButton;
    m_clrSO->setObjectName(QStringLiteral("CmdClrSO"));
    m_txtSO = new QPlainTextEdit;
    m_txtSO->setObjectName(QStringLiteral("TxtSO"));
    m_txtSO->setReadOnly(true);
    m_txtSO->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtSO->setFont(fixedFont());
    const int soWidth = qMax(twipsToPixels(this, 1000, true),
                             m_txtSO->fontMetrics().horizontalAdvance(QStringLiteral("00h W  "))
                                 + m_txtSO->verticalScrollBar()->sizeHint().width() + 8);
    m_txtSO->setFixedWidth(soWidth);
    auto *soHead = new QHBoxLayout;
    soHead->addWidget(m_lblSO);
    soHead->addWidget(m_clrSO);

    grid->addLayout(buttons, 0, 0);
    grid->addLayout(soHead, 0, 1);
    grid->addWidget(m_editBox, 1, 0);
    grid->addWidget(m_txtSO, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    setCentralWidget(central);
    showSerialOut(false);

    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("File"));
    m_open = m_fileMenu->addAction(QString());
    m_open->setObjectName(QStringLiteral("Open_"));
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAs = m_fileMenu->addAction(QString());
    m_saveAs->setObjectName(QStringLiteral("SaveAs"));
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_fileMenu->addSeparator();
    m_macro = m_fileMenu->addAction(QString());
    m_macro->setObjectName(QStringLiteral("Macro"));
    m_fileMenu->addSeparator();
    m_close = m_fileMenu->addAction(QString());
    m_close->setObjectName(QStringLiteral("Close_"));
    m_close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_menu = menuBar()->addMenu(QString());
    m_menu->setObjectName(QStringLiteral("Menu_1"));
    m_stepAction = m_menu->addAction(QString());
    m_stepAction->setObjectName(QStringLiteral("Step_OP"));
    // F8 alone: with Shift, Ctrl or Alt held it is another key sequence and does nothing.
    m_stepAction->setShortcut(QKeySequence(Qt::Key_F8));

    connect(m_play, &QPushButton::clicked, this, &EditForm::PlayCommandButton_Click);
    connect(m_stepButton, &QPushButton::clicked, this, &EditForm::StepCommandButton_Click);
    connect(m_pause, &QPushButton::clicked, this, &EditForm::PauseCommandButton_Click);
    connect(m_stop, &QPushButton::clicked, this, &EditForm::StopCommandButton_Click);
    connect(m_clear, &QPushButton::clicked, this, &EditForm::ClearCommandButton_Click);
    connect(save, &QPushButton::clicked, this, &EditForm::SaveCommandButton_Click);
    connect(load, &QPushButton::clicked, this, &EditForm::LoadCommandButton_Click);
    connect(m_clrSO, &QPushButton::clicked, this, &EditForm::CmdClrSO_Click);
    connect(m_open, &QAction::triggered, this, &EditForm::LoadCommandButton_Click);
    connect(m_saveAs, &QAction::triggered, this, &EditForm::SaveCommandButton_Click);
    connect(m_macro, &QAction::triggered, this, &EditForm::Macro_Click);
    connect(m_close, &QAction::triggered, this, &EditForm::Close_Click);
    connect(m_stepAction, &QAction::triggered, this, &EditForm::StepCommandButton_Click);

    setMinimumSize(twipsToPixels(this, 8000, true), twipsToPixels(this, 2000, false));
    resize(760, 480);
}

bool EditForm::japanese() const
{
    return m_main.state().UILanguage == QLatin1String("Japanese");
}

// Captions by the main window's language, set whenever the window comes up again.
void EditForm::Form_Load()
{
    const bool ja = japanese();
    const auto caption = [ja](const char *name) { return editFormCaption(QLatin1String(name), ja); };
    setWindowTitle(caption("EditForm"));
    m_clear->setText(caption("ClearCommandButton"));
    m_stepButton->setText(caption("StepCommandButton"));
    m_macro->setText(caption("Macro"));
    m_fileMenu->setTitle(caption("File"));
    m_close->setText(caption("Close_"));
    m_menu->setTitle(caption("Menu_1"));
    m_open->setText(caption("Open_"));
    m_saveAs->setText(caption("SaveAs"));
    m_stepAction->setText(caption("Step_OP"));
    m_lblSO->setText(caption("LblSO"));
    m_clrSO->setText(caption("CmdClrSO"));
}

// The upload needs the older module series; the model may have changed meanwhile.
void EditForm::Form_Activate()
{
    m_macro->setEnabled(macroUploadAvailable(m_main.encoder().moduleSeri()));
}

void EditForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void EditForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // A cleared received-data box gives its room back to the text.
    if (m_txtSO->document()->isEmpty())
        showSerialOut(false);
}

void EditForm::showSerialOut(bool visible)
{
    m_lblSO->setVisible(visible);
    m_clrSO->setVisible(visible);
    m_txtSO->setVisible(visible);
}

void EditForm::receivedDataChanged(const QString &text)
{
    m_txtSO->setPlainText(toWidgetText(text));
    m_txtSO->moveCursor(QTextCursor::End);
    m_txtSO->ensureCursorVisible();
}

// ---------------------------------------------------------------- the seam

bool EditForm::isEditorVisible() const
{
    return isVisible();
}

void EditForm::showEditor()
{
    if (!isVisible())
        Form_Load();
    show();
    raise();
    activateWindow();
    Form_Activate();
}

QString EditForm::editorText() const
{
    return fromWidgetText(rawWidgetText(m_editBox));
}

QString EditForm::receivedDataText() const
{
    return fromWidgetText(rawWidgetText(m_txtSO));
}

void EditForm::setEditorText(const QString &text)
{
    m_editBox->setPlainText(toWidgetText(text));
}

void EditForm::insertAtCaret(const QString &text)
{
    m_editBox->insertPlainText(toWidgetText(text));
    m_editBox->ensureCursorVisible();
}

MacroSelection EditForm::selection() const
{
    const QString w = rawWidgetText(m_editBox);
    const QTextCursor c = m_editBox->textCursor();
    return {widgetToMacroPosition(w, c.selectionStart()), widgetToMacroPosition(w, c.selectionEnd())};
}

void EditForm::setSelection(MacroSelection selection)
{
    const QString text = editorText();
    QTextCursor c = m_editBox->textCursor();
    c.setPosition(macroToWidgetPosition(text, selection.start));
    c.setPosition(macroToWidgetPosition(text, selection.end), QTextCursor::KeepAnchor);
    m_editBox->setTextCursor(c);
    m_editBox->ensureCursorVisible();
}

// ---------------------------------------------------------------- handlers

void EditForm::hideEditor()
{
    m_main.state().MacroText = editorText();
    hide();
}

void EditForm::Close_Click()
{
    hideEditor();
}

void EditForm::closeEvent(QCloseEvent *event)
{
    // The close box unloads the editor: the text goes to MacroText first (a hidden
    // editor's text is already there), and the received bytes it showed go with it.
    if (isVisible())
        m_main.state().MacroText = editorText();
    if (ReceiveMonitor *monitor = m_main.receiveMonitor())
        monitor->clearReceivedData();
    event->accept();
    emit unloaded();
}

void EditForm::CmdClrSO_Click()
{
    // The monitor keeps the box's text; clearing it there keeps both in step.
    if (ReceiveMonitor *monitor = m_main.receiveMonitor())
        monitor->clearReceivedData();
    m_txtSO->clear();
}

void EditForm::PlayCommandButton_Click()
{
    // The main window's player plays; it takes the editor's text itself.
    m_main.PlayCommandButton_Click();
}

void EditForm::StepCommandButton_Click()
{
    if (!m_stepEncoder)
        m_stepEncoder = std::make_unique<VX5200>(&m_main.link(), &m_dialogs);
    MacroStep step(*m_stepEncoder, m_dialogs, [this] { return m_main.link().moduleReady(); });
    setSelection(step.step(editorText(), selection(), japanese()));
    m_editBox->setFocus();
}

void EditForm::PauseCommandButton_Click()
{
    m_pauseRed = !m_pauseRed;
    showFaceColour(m_pause, m_pauseRed ? Red : QColor());
    // The pause belongs to the main window's recorder and player.
    m_main.PauseCommandButton_Click();
}

void EditForm::StopCommandButton_Click()
{
    m_pauseRed = false;
    for (QPushButton *b : {m_play, m_stepButton, m_pause})
        showFaceColour(b, QColor());
    m_main.StopCommandButton_Click();
}

void EditForm::ClearCommandButton_Click()
{
    const bool ja = japanese();
    const UserDialogs::Answer a = m_dialogs.ask(ja ? QStringLiteral("現在のデータが失われますが、よろしいですか？")
                                                   : QStringLiteral("Are you sure? in process data will eliminate"),
                                                UserDialogs::Buttons::OkCancel, UserDialogs::Icon::Question,
                                                ja ? QStringLiteral("全消去") : QStringLiteral("All Clear"));
    if (a != UserDialogs::Answer::Ok)
        return;
    m_editBox->clear();
    m_main.state().MacroText.clear();
}

void EditForm::Macro_Click()
{
    ProgressDialog progress(japanese(), this);
    const auto *revisionB = m_main.hostWindow()->findChild<QCheckBox *>(QStringLiteral("Chk_B"));
    MacroUpload upload(m_main.encoder(), m_dialogs, &progress);
    upload.run(editorText(), revisionB && revisionB->isChecked(), japanese());
}

void EditForm::SaveCommandButton_Click()
{
    // The demonstration boards' entries are offered while Ctrl and Shift are held as
    // the save starts.
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    const bool demoEntries = keys.testFlag(Qt::ControlModifier) && keys.testFlag(Qt::ShiftModifier);
    m_files.setJapanese(japanese());
    m_files.save(editorText(), demoEntries, m_main.state().WorkFolder);
}

void EditForm::LoadCommandButton_Click()
{
    m_files.setJapanese(japanese());
    if (const std::optional<QString> text = m_files.load(editorText(), m_main.state().WorkFolder))
        setEditorText(*text);
}

} // namespace kvx
