#include "image_list/ui/list_export_window.h"

#include "image_list/image_list.h"
#include "image_list/image_texts.h"
#include "image_list/text_io.h"
#include "link/app_paths.h"
#include "link/link.h"
#include "link/send_run.h"
#include "link/vx5200.h"
#include "shell/connection.h"
#include "shell/port_scan.h"
#include "shell/shell_state.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/panel_host.h"
#include "shell/ui/window_place.h"
#include "shell/user_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

namespace {

QPushButton *button(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Sends through the main window's link, taking a link that closed during the write
// as a failure: the rest of the image would otherwise only be logged.
class OpenLinkSink : public ByteSink
{
public:
    explicit OpenLinkSink(ByteSink &link) : m_link(link) {}
    SendResult portOut(const QByteArray &bytes) override
    {
        const SendResult r = m_link.portOut(bytes);
        return r == SendResult::NoLink ? SendResult::Failed : r;
    }

private:
    ByteSink &m_link;
};

using P = TextProperty;

const ControlText Texts[] = {
    {"frmListExport", -1, P::Caption, -1, "File Export", "ファイルに出力"},
    {"Frame1", -1, P::Caption, -1, "Target Memory: Used Size", "ターゲットメモリ:使用容量"},
    {"cmdChkAll", -1, P::Caption, -1, "Check All", "全てにチェック"},
    {"cmdRemove", -1, P::Caption, -1, "Remove All", "全チェックを消す"},
    {"Frame2", -1, P::Caption, -1, "Export to File", "ファイルに出力"},
    {"cmdExport2File", -1, P::Caption, -1, "Export to File", "実行"},
    {"Frame3", -1, P::Caption, -1, "Write Module", "VFDモジュールに出力"},
    {"cmdSearch", -1, P::Caption, -1, "Port Search", "ポート検出"},
    {"cmdWrite", -1, P::Caption, -1, "Write Module", "書込み"},
    {"cmfVXConfig", -1, P::Caption, -1, "VX Info.", "モジュール情報"},
    {"Label1", -1, P::Caption, -1, "Convert", "変換"},
    {"Label2", -1, P::Caption, -1, "Write", "書込"},
    {"cmdClose", -1, P::Caption, -1, "Close", "終了"},
};

} // namespace

ListExportWindow::ListExportWindow(PanelHost &main, ImageList &list, QWidget *parent)
    : QDialog(parent), m_main(main), m_list(list), m_dialogs(main.dialogs(), this)
{
    setObjectName(QStringLiteral("frmListExport"));
    keepPlaceWhenHidden(*this);
    setModal(true);
    auto *areas = new QGroupBox;
    areas->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(areas);
    const QFont mono = fixedFont();
    m_ram = new QCheckBox(ramBoxCaption(0, main.state().japanese()));
    m_ram->setObjectName(QStringLiteral("chkRAM"));
    m_ram->setFont(mono);
    grid->addWidget(m_ram, 0, 0);
    for (int n = 0; n < 16; ++n) {
        m_from[size_t(n)] = new QCheckBox(fromBoxCaption(n, 0, main.state().japanese()));
        m_from[size_t(n)]->setObjectName(QStringLiteral("chkFROM_%1").arg(n));
        m_from[size_t(n)]->setFont(mono);
        grid->addWidget(m_from[size_t(n)], 1 + n % 8, n / 8);
    }
    auto *checkAll = button(QStringLiteral("cmdChkAll"), QString());
    auto *removeAll = button(QStringLiteral("cmdRemove"), QString());
    grid->addWidget(checkAll, 9, 0);
    grid->addWidget(removeAll, 9, 1);

    auto *toFile = new QGroupBox;
    toFile->setObjectName(QStringLiteral("Frame2"));
    auto *fileRow = new QHBoxLayout(toFile);
    m_export = button(QStringLiteral("cmdExport2File"), QString());
    fileRow->addWidget(m_export);

    auto *toModule = new QGroupBox;
    toModule->setObjectName(QStringLiteral("Frame3"));
    auto *moduleGrid = new QGridLayout(toModule);
    m_port = new QComboBox;
    m_port->setObjectName(QStringLiteral("comList"));
    m_port->setEditable(true);
    for (int i = 1; i <= 16; ++i)
        m_port->addItem(QStringLiteral("COM%1").arg(i));
    auto *search = button(QStringLiteral("cmdSearch"), QString());
    m_write = button(QStringLiteral("cmdWrite"), QString());
    auto *info = button(QStringLiteral("cmfVXConfig"), QString());
    moduleGrid->addWidget(m_port, 0, 0);
    moduleGrid->addWidget(search, 0, 1);
    moduleGrid->addWidget(m_write, 1, 0);
    moduleGrid->addWidget(info, 1, 1);

    auto *progress = new QGridLayout;
    auto *convertLabel = new QLabel;
    convertLabel->setObjectName(QStringLiteral("Label1"));
    auto *writeLabel = new QLabel;
    writeLabel->setObjectName(QStringLiteral("Label2"));
    m_images = new QProgressBar;
    m_images->setObjectName(QStringLiteral("ProgressBar1"));
    m_sent = new QProgressBar;
    m_sent->setObjectName(QStringLiteral("ProgressBar2"));
    progress->addWidget(convertLabel, 0, 0);
    progress->addWidget(m_images, 0, 1);
    progress->addWidget(writeLabel, 1, 0);
    progress->addWidget(m_sent, 1, 1);

    m_close = button(QStringLiteral("cmdClose"), QString());

    auto *root = new QVBoxLayout(this);
    root->addWidget(areas);
    auto *outputs = new QHBoxLayout;
    outputs->addWidget(toFile);
    outputs->addWidget(toModule);
    root->addLayout(outputs);
    root->addLayout(progress);
    root->addWidget(m_close, 0, Qt::AlignRight);

    m_ram->setChecked(true);
    for (int n = 0; n < 5; ++n)
        m_from[size_t(n)]->setChecked(true);

    connect(checkAll, &QPushButton::clicked, this, &ListExportWindow::cmdChkAll_Click);
    connect(removeAll, &QPushButton::clicked, this, &ListExportWindow::cmdRemove_Click);
    connect(m_close, &QPushButton::clicked, this, &ListExportWindow::cmdClose_Click);
    connect(search, &QPushButton::clicked, this, &ListExportWindow::cmdSearch_Click);
    connect(m_export, &QPushButton::clicked, this, &ListExportWindow::cmdExport2File_Click);
    connect(m_write, &QPushButton::clicked, this, &ListExportWindow::cmdWrite_Click);
    applyWindowTexts(*this, Texts, main.state().japanese());
}

QString ListExportWindow::language() const
{
    return m_main.state().UILanguage;
}

bool ListExportWindow::activate()
{
    // The window follows the interface language from one opening to the next.
    const bool japanese = m_main.state().japanese();
    applyWindowTexts(*this, Texts, japanese);
    const MemoryMap &map = m_list.memoryMap();
    m_ram->setText(ramBoxCaption(map.ramUsed, japanese));
    for (int n = 0; n < 16; ++n)
        m_from[size_t(n)]->setText(fromBoxCaption(n, map.fromUsed[size_t(n)], japanese));
    if (m_list.imgCount() == 0) {
        m_dialogs.message(image_msg::noImagesSelected);
        hide();
        return false;
    }
    m_port->setCurrentText(portLabel(m_main.connection().portText()));
    enableButtons(true);
    m_sent->show();
    for (QProgressBar *bar : {m_images, m_sent}) {
        bar->setRange(0, m_list.imgCount());
        bar->setValue(0);
    }
    const AreaBoxStates states = exportAreaStates(map, m_main.seriesOption(), m_main.encoder().moduleSeri());
    auto apply = [](QCheckBox *box, bool enabled) {
        box->setEnabled(enabled);
        if (!enabled)
            box->setChecked(false);
    };
    apply(m_ram, states.ram);
    for (size_t n = 0; n < 16; ++n)
        apply(m_from[n], states.from[n]);
    cmdChkAll_Click();
    return true;
}

void ListExportWindow::run()
{
    if (activate())
        exec();
}

ExportAreas ListExportWindow::areas() const
{
    ExportAreas a;
    a.chkRAM = m_ram->isChecked() ? 1 : 0;
    for (size_t n = 0; n < 16; ++n)
        a.chkFROM[n] = m_from[n]->isChecked() ? 1 : 0;
    return a;
}

void ListExportWindow::cmdChkAll_Click()
{
    m_ram->setChecked(m_ram->isEnabled());
    for (QCheckBox *box : m_from)
        box->setChecked(box->isEnabled());
}

void ListExportWindow::cmdRemove_Click()
{
    m_ram->setChecked(false);
    for (QCheckBox *box : m_from)
        box->setChecked(false);
}

void ListExportWindow::cmdSearch_Click()
{
    m_main.connection().Command2_Click();
}

void ListExportWindow::enableButtons(bool on)
{
    m_close->setEnabled(on);
    m_export->setEnabled(on);
    m_write->setEnabled(on);
}

ExportContext ListExportWindow::context() const
{
    ExportContext c;
    c.entries = m_list.entries();
    c.map = m_list.memoryMap();
    c.areas = areas();
    c.seriesOption = m_main.seriesOption();
    c.language = language();
    return c;
}

void ListExportWindow::cmdExport2File_Click()
{
    m_images->setValue(0);
    m_sent->setValue(0);
    enableButtons(false);
    const ExportAreas a = areas();
    int ticked = a.chkRAM;
    for (int v : a.chkFROM)
        ticked += v;
    if (ticked == 0) {
        m_dialogs.message(imageText(ImageText::NoImageToExport, language()));
        enableButtons(true);
        return;
    }
    UserDialogs::FileRequest request;
    request.start = m_exportFile.isEmpty() ? m_main.state().WorkFolder : m_exportFile;
    request.filters = {QStringLiteral("All Files (*.*)"), QStringLiteral("Text Files (*.txt)")};
    request.filterIndex = 1;
    request.confirmOverwrite = true;
    const UserDialogs::FileChoice choice = m_dialogs.saveFile(request);
    if (!choice.accepted || choice.path.isEmpty()) {
        enableButtons(true);
        return;
    }
    m_exportFile = choice.path;
    // The working folder is a folder: the one the export went to.
    const QString folder = QFileInfo(choice.path).absolutePath();
    m_main.state().WorkFolder = folder;
    m_list.setWorkFolder(folder);
    m_sent->hide();
    repaint();
    ImageExporter exporter(m_dialogs);
    exporter.imageWritten = [this] { m_images->setValue(m_images->value() + 1); };
    const bool written = exporter.writeExportFile(choice.path, context()) != 0;
    enableButtons(true);
    if (written)
        done(QDialog::Accepted);
}

void ListExportWindow::cmdWrite_Click()
{
    enableButtons(false);
    UserDialogs &dialogs = m_dialogs;
    // Nothing is converted or sent without a link to send it over.
    if (!m_main.link().anyLinkOpen()) {
        dialogs.message(imageText(ImageText::PortNotOpen, language()));
        enableButtons(true);
        return;
    }
    ImageExporter exporter(dialogs);
    exporter.imageWritten = [this] { m_images->setValue(m_images->value() + 1); };
    const QString path = programFile(QStringLiteral("temp.txt"));
    QString text;
    if (exporter.writeExportFile(path, context()) == 0 || !readTextFile(path, text)) {
        dialogs.message(image_msg::fileConvertError);
        enableButtons(true);
        return;
    }
    // The whole text is converted before the first byte goes out.
    const ModuleBytes bytes = exportTextToBytes(text);
    if (!bytes.ok) {
        dialogs.message(moduleBytesError(bytes, language()));
        enableButtons(true);
        return;
    }
    m_sent->show();
    m_sent->setRange(0, 100);
    m_sent->setValue(0);
    OpenLinkSink sink(m_main.link());
    const SendReport report = sendModuleBytes(sink, bytes.bytes, [this](qsizetype sent, qsizetype total) {
        const int percent = int(sent * 100 / std::max<qsizetype>(total, 1));
        if (percent != m_sent->value()) {
            m_sent->setValue(percent);
            m_sent->repaint();
        }
        // A page takes seconds: timers (the receive monitor) go on, clicks wait, and a
        // timer's send waits for the end of the write.
        if (sent % 256 == 0)
            SendRun::runRound();
    });
    if (report.result != SendResult::Sent) {
        // A module that stopped taking bytes has been reported as not ready; how far
        // it got is not known (the port's queue holds bytes it never took).
        if (report.result != SendResult::NotReady)
            dialogs.message(
                imageText(ImageText::ModuleWriteStopped, language()).arg(report.sent).arg(bytes.bytes.size()));
        enableButtons(true);
        return;
    }
    // The buttons stay disabled until the window is shown again.
    done(QDialog::Accepted);
}

} // namespace kvx
