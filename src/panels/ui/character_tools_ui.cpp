#include "panels/ui/character_tools_ui.h"

#include "link/link.h"
#include "link/send_run.h"
#include "shell/ui/panel_host.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvx {

namespace {

const char *const LitDot = "background-color: rgb(0, 0, 192); border: 1px solid gray;";
const char *const UnlitDot = "border: 1px solid gray;";

QPushButton *namedButton(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

} // namespace

ProgressWindow::~ProgressWindow()
{
    end();
}

void ProgressWindow::begin(const QString &label, int steps)
{
    end();
    m_dialog = new QProgressDialog(label, QString(), 0, steps, m_owner);
    m_dialog->setObjectName(QStringLiteral("UserFontProgress"));
    // Not modal: a modal progress dialog runs every event at each step (a timer could
    // send in the middle of the font) and its modality would keep the main window's
    // close request out. The rounds of the send hold the user's input instead.
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
    m_dialog->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SendRun::runRound();
}

void ProgressWindow::advance()
{
    if (m_dialog)
        m_dialog->setValue(m_dialog->value() + 1);
}

void ProgressWindow::end()
{
    if (!m_dialog)
        return;
    QApplication::restoreOverrideCursor();
    m_dialog->close();
    m_dialog->deleteLater();
    m_dialog = nullptr;
}

CharacterToolsUi::CharacterToolsUi(PanelHost &host)
    : QObject(host.hostWindow()), m_host(host), m_download(host.panelContext()),
      m_init(host.panelContext(), [&host] { host.requestControlReset(); }), m_progress(host.hostWindow()),
      m_userFont(
          host.panelContext(), [this] { InitializeCommandButton_Click(); }, &m_progress),
      m_test(host.panelContext(), [&host] {
          const auto *slider = host.hostWindow()->findChild<QAbstractSlider *>(QStringLiteral("WindowScrollSlider"));
          return slider ? slider->value() : 1;
      })
{
    // ---- download-character editor ----
    auto *frame = new QGroupBox(QStringLiteral("ASCII Font Download(upto 16)"));
    frame->setObjectName(QStringLiteral("DlFontDefineFrame"));
    auto *row = new QHBoxLayout(frame);

    auto *matrix = new QWidget;
    matrix->setObjectName(QStringLiteral("FontMatrix"));
    auto *grid = new QGridLayout(matrix);
    grid->setSpacing(1);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < DotGrid::Count; ++i) {
        auto *dot = namedButton(QStringLiteral("FontCommandButton_%1").arg(i), QString());
        dot->setFixedSize(14, 14);
        dot->setFlat(true);
        // No dot keeps the focus frame after a click.
        dot->setFocusPolicy(Qt::NoFocus);
        dot->setStyleSheet(QLatin1String(UnlitDot));
        grid->addWidget(dot, DotGrid::Rows - 1 - i % DotGrid::Rows, i / DotGrid::Rows);
        connect(dot, &QPushButton::clicked, this, [this, i] {
            m_download.FontCommandButton_Click(i);
            showDot(i);
        });
        m_dots[std::size_t(i)] = dot;
    }
    row->addWidget(matrix);

    auto *sizes = new QGroupBox(QStringLiteral("Size"));
    sizes->setObjectName(QStringLiteral("FontSizeFrame"));
    // Two columns of three, so the frame is no taller than the dot grid.
    auto *sizeGrid = new QGridLayout(sizes);
    const QStringList sizeCaptions = {QStringLiteral(" 5x7"),  QStringLiteral(" 7x8"),  QStringLiteral(" 6x8"),
                                      QStringLiteral(" 8x16"), QStringLiteral("16x32"), QStringLiteral("12x24")};
    for (int i = 0; i < DownloadCharacterPanel::SizeOptionCount; ++i) {
        auto *option = new QRadioButton(sizeCaptions[i]);
        option->setObjectName(QStringLiteral("FontSizeOption_%1").arg(i));
        sizeGrid->addWidget(option, i % 3, i / 3);
        connect(option, &QRadioButton::clicked, this, [this, i] {
            m_download.FontSizeOption_Click(i);
            showSize();
        });
        m_sizes[std::size_t(i)] = option;
    }
    row->addWidget(sizes);

    auto *buttons = new QGridLayout;
    auto *codeLabel = new QLabel(QStringLiteral("Code"));
    codeLabel->setObjectName(QStringLiteral("Label33"));
    m_code = new QLineEdit(QStringLiteral("30"));
    m_code->setObjectName(QStringLiteral("FontCodeTextBox"));
    m_code->setMaximumWidth(48);
    auto *define = namedButton(QStringLiteral("FontDefineCommandButton"), QStringLiteral("Define"));
    auto *remove = namedButton(QStringLiteral("FontDeleteCommandButton"), QStringLiteral("Delete"));
    auto *clear = namedButton(QStringLiteral("FontClearCommandButton"), QStringLiteral("Clear"));
    buttons->addWidget(codeLabel, 0, 0);
    buttons->addWidget(m_code, 0, 1);
    buttons->addWidget(define, 1, 0, 1, 2);
    buttons->addWidget(remove, 2, 0, 1, 2);
    buttons->addWidget(clear, 3, 0, 1, 2);
    buttons->setRowStretch(4, 1);
    row->addLayout(buttons);
    connect(define, &QPushButton::clicked, this, [this] { m_download.FontDefineCommandButton_Click(m_code->text()); });
    connect(remove, &QPushButton::clicked, this, [this] { m_download.FontDeleteCommandButton_Click(m_code->text()); });
    connect(clear, &QPushButton::clicked, this, [this] {
        m_download.FontClearCommandButton_Click();
        for (int i = 0; i < DotGrid::Count; ++i)
            showDot(i);
    });
    m_frames.downloadCharacter = frame;

    // ---- user font and character-set test ----
    auto *tools = new QWidget;
    auto *toolRow = new QHBoxLayout(tools);
    toolRow->setContentsMargins(0, 0, 0, 0);
    auto *udf = namedButton(QStringLiteral("CmdUDF"), QStringLiteral("UDF"));
    connect(udf, &QPushButton::clicked, this, &CharacterToolsUi::CmdUDF_Click);
    m_command1 = namedButton(QStringLiteral("Command1"), m_test.caption());
    connect(m_command1, &QPushButton::clicked, this, &CharacterToolsUi::Command1_Click);
    m_testCode = new QLineEdit(m_test.testCode());
    m_testCode->setObjectName(QStringLiteral("TxtTestCode"));
    m_testCode->setMaximumWidth(48);
    connect(m_testCode, &QLineEdit::textEdited, this, [this](const QString &text) { m_test.setTestCode(text); });
    m_testTimer = new QLineEdit(QStringLiteral("0"));
    m_testTimer->setObjectName(QStringLiteral("TxtTimer"));
    m_testTimer->setReadOnly(true);
    m_testTimer->setMaximumWidth(40);
    toolRow->addWidget(udf);
    toolRow->addWidget(m_command1);
    toolRow->addWidget(m_testCode);
    toolRow->addWidget(m_testTimer);
    toolRow->addStretch(1);
    m_frames.toolRow = tools;

    m_timer.setObjectName(QStringLiteral("TimerTestMode"));
    m_timer.setInterval(CharacterSetTest::DesignInterval);
    connect(&m_timer, &QTimer::timeout, this, &CharacterToolsUi::TimerTestMode_Timer);
    // A lost link stops the test, so it does not go on by itself once the user is
    // on-line again.
    connect(&host.link(), &Link::portLost, this, [this] {
        m_test.stop();
        showTest();
    });

    m_sizes[0]->setChecked(true);
    showSize();
}

void CharacterToolsUi::showDot(int index)
{
    m_dots[std::size_t(index)]->setStyleSheet(QLatin1String(m_download.grid().lit(index) ? LitDot : UnlitDot));
}

void CharacterToolsUi::showSize()
{
    const int size = m_download.sizeOption();
    m_sizes[std::size_t(size)]->setChecked(true);
    for (int i = 0; i < DotGrid::Count; ++i)
        m_dots[std::size_t(i)]->setVisible(DownloadCharacterPanel::dotVisible(size, i));
}

void CharacterToolsUi::InitializeCommandButton_Click()
{
    m_init.InitializeCommandButton_Click();
}

void CharacterToolsUi::CmdUDF_Click()
{
    m_userFont.CmdUDF_Click();
}

void CharacterToolsUi::Command1_Click()
{
    m_test.Command1_Click();
    if (m_test.running()) {
        m_timer.setInterval(CharacterSetTest::RunningInterval);
        m_timer.start();
    }
    showTest();
}

void CharacterToolsUi::TimerTestMode_Timer()
{
    // A button re-captioned to the stopped caption (a change of language) ends the run.
    if (CharacterSetTest::isStoppedCaption(m_command1->text()))
        m_test.stop();
    m_test.TimerTestMode_Timer();
    showTest();
}

void CharacterToolsUi::showTest()
{
    // A stopped test's timer stands still.
    if (!m_test.running()) {
        m_timer.stop();
        m_timer.setInterval(CharacterSetTest::DesignInterval);
    }
    m_command1->setText(m_test.caption());
    if (m_testCode->text() != m_test.testCode())
        m_testCode->setText(m_test.testCode());
    m_testTimer->setText(QString::number(m_test.tickCount()));
}

} // namespace kvx
