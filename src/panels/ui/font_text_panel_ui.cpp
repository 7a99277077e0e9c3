#include "panels/ui/font_text_panel_ui.h"
#include "shell/ui/named_widgets.h"

#include "link/vx5200.h"
#include "shell/series_layout.h"
#include "shell/shell_state.h"
#include "shell/ui/panel_host.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace kvx {

namespace {

QComboBox *list(const QString &name, const QStringList &items = {})
{
    auto *c = new QComboBox;
    c->setObjectName(name);
    c->addItems(items);
    return c;
}

void fill(QComboBox *combo, const ListFill &content)
{
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(content.items);
    combo->setCurrentIndex(content.index);
}

void showText(QComboBox *combo, const QString &text)
{
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(combo->findText(text));
}

// Fonts that hold the characters of a font character set.
QStringList familiesForCharset(int charset)
{
    switch (charset) {
    case 128: return {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Sans Serif")};
    case 129: return {QStringLiteral("Noto Sans CJK KR"), QStringLiteral("UnDotum"), QStringLiteral("Sans Serif")};
    case 134:
        return {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Sans Serif")};
    case 136:
        return {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("AR PL UMing TW"), QStringLiteral("Sans Serif")};
    default: return {QStringLiteral("Sans Serif")};
    }
}

} // namespace

FontTextPanelUi::FontTextPanelUi(PanelHost &host)
    : QObject(host.hostWindow()), m_host(host), m_font(host.panelContext()), m_text(host.panelContext())
{
    setObjectName(QStringLiteral("FontTextPanelUi"));
    m_frames = {buildTextEntryPage(), buildDotTextPage(), buildAsianPage(), buildFontFrame()};
    // Until the window's model choice lays them out, the lists stand for its default
    // module, a 32-dot-high newer-series module.
    const QString series = QStringLiteral("5200");
    fill(m_size, ListFill{fontSizeItems(series, 32), 0});
    fill(m_magnification, FillMagnificationList(series, 32, QStringLiteral("X1 Y1")));
    fill(m_codeTable, ListFill{codeTableItems(false), 0});
    SetupAsianFontList(QStringLiteral("5200"), host.state().UILanguage);
}

// ---------------------------------------------------------------- building

QGroupBox *FontTextPanelUi::buildFontFrame()
{
    auto *g = new QGroupBox(QStringLiteral("User Font Style"));
    g->setObjectName(QStringLiteral("DeviceContextFrame"));
    auto *grid = new QGridLayout(g);
    m_size = list(QStringLiteral("ListSize"));
    m_magnification = list(QStringLiteral("MagunifiedList"));
    auto *gapLabel = label(QStringLiteral("Label10"), QStringLiteral("Fixed/Proportional: "));
    m_gap = list(QStringLiteral("GapList"), FontPanel::gapItems());
    m_gap->setCurrentIndex(1); // "Fixed width 2"
    m_international = list(QStringLiteral("InterNationalFontList"), FontPanel::internationalItems());
    m_codeTable = list(QStringLiteral("CharacterCodeList"));
    m_download = new QCheckBox(QStringLiteral("Modified ASCII Font"));
    m_download->setObjectName(QStringLiteral("DownloadFontCheck"));
    m_text8 = new QLineEdit(QStringLiteral("2"));
    m_text8->setObjectName(QStringLiteral("Text8"));
    auto *extensionFont = button(QStringLiteral("CmdFontExtension"), QStringLiteral("Extension Font"));

    grid->addWidget(label(QStringLiteral("labelSize"), QStringLiteral("Size")), 0, 0);
    grid->addWidget(m_size, 0, 1);
    grid->addWidget(label(QStringLiteral("Label11"), QStringLiteral("Font Aspect: ")), 1, 0);
    grid->addWidget(m_magnification, 1, 1);
    grid->addWidget(label(QStringLiteral("Label36"), QStringLiteral("x = Width  y = Hight")), 1, 2);
    grid->addWidget(gapLabel, 2, 0);
    grid->addWidget(m_gap, 2, 1);
    grid->addWidget(label(QStringLiteral("Label8"), QStringLiteral("International Font:")), 3, 0);
    grid->addWidget(m_international, 3, 1);
    grid->addWidget(label(QStringLiteral("Label9"), QStringLiteral("Char(80-FF) Font:")), 4, 0);
    grid->addWidget(m_codeTable, 4, 1, 1, 2);
    grid->addWidget(m_download, 5, 0, 1, 2);
    auto *extension = new QHBoxLayout;
    extension->addWidget(m_text8);
    extension->addWidget(extensionFont);
    grid->addLayout(extension, 6, 0, 1, 2);

    connect(m_size, &QComboBox::activated, this, [this] {
        m_font.ListSize_Click(m_size->currentText());
        fill(m_magnification, m_font.magnificationFill(m_magnification->currentText()));
    });
    connect(m_magnification, &QComboBox::activated, this,
            [this] { m_font.MagunifiedList_Click(m_magnification->currentText()); });
    connect(m_gap, &QComboBox::activated, this, [this](int i) { m_font.GapList_Click(i, m_gap->itemText(i)); });
    connect(m_international, &QComboBox::activated, this,
            [this](int i) { m_font.InterNationalFontList_Click(i, m_international->itemText(i)); });
    connect(m_codeTable, &QComboBox::activated, this,
            [this](int i) { m_font.CharacterCodeList_Click(i, m_codeTable->itemText(i)); });
    connect(m_download, &QCheckBox::clicked, this, [this](bool ticked) { m_font.DownloadFontCheck_Click(ticked); });
    connect(extensionFont, &QPushButton::clicked, this, [this] { m_font.CmdFontExtension_Click(m_text8->text()); });
    return g;
}

QWidget *FontTextPanelUi::buildTextEntryPage()
{
    QWidget *page = tabPage();
    m_textBox = new QPlainTextEdit;
    m_textBox->setObjectName(QStringLiteral("TextBox"));
    m_textBox->setMaximumHeight(64);
    auto *write = button(QStringLiteral("cmdBtn1_11"), QStringLiteral("Write"));
    // Write right beside the box it sends; the box stands clear of it and of the
    // page's edges.
    page->layout()->setContentsMargins(12, 12, 12, 12);
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(m_textBox, 1);
    row->addWidget(write);
    static_cast<QBoxLayout *>(page->layout())->addLayout(row);
    connect(write, &QPushButton::clicked, this,
            [this] { m_text.SendTextAction(textBoxText(), m_languages->currentText()); });
    return page;
}

QWidget *FontTextPanelUi::buildDotTextPage()
{
    QWidget *page = tabPage();
    auto *grid = new QGridLayout;
    m_rich = new QTextEdit;
    m_rich->setObjectName(QStringLiteral("RichTextBox1"));
    m_rich->setAcceptRichText(false);
    m_rich->setMaximumHeight(64);
    m_x = new QLineEdit(QStringLiteral("0"));
    m_x->setObjectName(QStringLiteral("Text9"));
    m_y = new QLineEdit(QStringLiteral("0"));
    m_y->setObjectName(QStringLiteral("Text10"));
    auto *continued = button(QStringLiteral("Command8"), QStringLiteral("con'd"));
    auto *write = button(QStringLiteral("Command9"), QStringLiteral("Write"));
    auto *reverse = button(QStringLiteral("Command10"), QStringLiteral("Reverse"));
    auto *normal = button(QStringLiteral("Command11"), QStringLiteral("Normal"));
    grid->addWidget(label(QStringLiteral("Label53"), QStringLiteral("Character")), 0, 0);
    grid->addWidget(m_rich, 0, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("X")), 1, 0);
    grid->addWidget(m_x, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Y")), 1, 2);
    grid->addWidget(m_y, 1, 3);
    grid->addWidget(continued, 1, 4);
    grid->addWidget(reverse, 2, 1);
    grid->addWidget(normal, 2, 2);
    grid->addWidget(write, 2, 4);
    static_cast<QBoxLayout *>(page->layout())->addLayout(grid);

    connect(continued, &QPushButton::clicked, this, [this] { m_x->setText(TextPanel::continuedX()); });
    connect(reverse, &QPushButton::clicked, this, [this] { setReverseMark(true); });
    connect(normal, &QPushButton::clicked, this, [this] { setReverseMark(false); });
    connect(write, &QPushButton::clicked, this, [this] {
        m_text.Command9_Click(richChars(*m_rich->document()), m_x->text(), m_y->text(), m_languages->currentText());
    });
    return page;
}

QWidget *FontTextPanelUi::buildAsianPage()
{
    QWidget *page = tabPage();
    m_asiaFrame = new QGroupBox(QStringLiteral("Asian Font (521x, 529x Only)"));
    m_asiaFrame->setObjectName(QStringLiteral("FrmASIA"));
    auto *row = new QHBoxLayout(m_asiaFrame);
    m_languages = list(QStringLiteral("Combo1"));
    m_asiaOn = button(QStringLiteral("CmdAsiaFont_ON"), QStringLiteral("Set up"));
    m_asiaOff = button(QStringLiteral("CmdAsiaFont_OFF"), QStringLiteral("Deactive"));
    row->addWidget(m_languages, 1);
    row->addWidget(m_asiaOn);
    row->addWidget(m_asiaOff);
    auto *download = new QGroupBox(QStringLiteral("CJK Font Download"));
    download->setObjectName(QStringLiteral("DlFontDefineFrame2"));
    auto *downloadRow = new QHBoxLayout(download);
    auto *check = button(QStringLiteral("Command7"), QStringLiteral("Check"));
    downloadRow->addWidget(check);
    downloadRow->addStretch(1);
    page->layout()->addWidget(m_asiaFrame);
    page->layout()->addWidget(download);

    connect(m_languages, &QComboBox::activated, this, &FontTextPanelUi::Combo1_Click);
    connect(m_asiaOn, &QPushButton::clicked, this, [this] {
        if (m_text.CmdAsiaFont_ON_Click(m_languages->currentText()).sizeSelected)
            showText(m_size, QStringLiteral("8x16"));
    });
    connect(m_asiaOff, &QPushButton::clicked, this, [this] { m_text.CmdAsiaFont_OFF_Click(); });
    connect(check, &QPushButton::clicked, this, [this] { m_text.Command7_Click(); });
    return page;
}

// ---------------------------------------------------------------- text

QString FontTextPanelUi::textBoxText() const
{
    QString text = m_textBox->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QList<RichChar> FontTextPanelUi::richChars(const QTextDocument &document)
{
    QList<RichChar> chars;
    const auto append = [&chars](char32_t ch, bool reversed) { chars.append(RichChar{ch, reversed}); };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            // The line break keeps the mark of the character before it, so a run that
            // spans lines stays one run.
            const bool reversed = !chars.isEmpty() && chars.last().reversed;
            append(U'\r', reversed);
            append(U'\n', reversed);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool reversed = fragment.charFormat().boolProperty(ReverseMarkProperty);
            for (char32_t ch : fragment.text().toUcs4()) {
                if (ch == 0x2028) {
                    append(U'\r', reversed);
                    append(U'\n', reversed);
                } else {
                    append(ch, reversed);
                }
            }
        }
    }
    return chars;
}

void FontTextPanelUi::setReverseMark(bool reversed)
{
    QTextCursor selection = m_rich->textCursor();
    if (!selection.hasSelection())
        return;
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    QTextCursor c(m_rich->document());
    c.beginEditBlock();
    for (int i = start; i < end; ++i) {
        c.setPosition(i);
        c.setPosition(i + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format = c.charFormat();
        if (reversed) {
            // Shown the way the module shows it: light on dark.
            format.setProperty(ReverseMarkProperty, true);
            format.setBackground(Qt::black);
            format.setForeground(Qt::white);
        } else {
            format.clearProperty(ReverseMarkProperty);
            format.clearBackground();
            format.clearForeground();
        }
        c.setCharFormat(format);
    }
    c.endEditBlock();
}

void FontTextPanelUi::Combo1_Click()
{
    QFont font = m_textBox->font();
    font.setFamilies(familiesForCharset(TextPanel::charsetOf(m_languages->currentText())));
    m_textBox->setFont(font);
    m_rich->setFont(font);
}

// ---------------------------------------------------------------- module and language

void FontTextPanelUi::SetupAsianFontList()
{
    SetupAsianFontList(m_host.encoder().moduleSeri(), m_host.state().UILanguage);
}

void FontTextPanelUi::SetupAsianFontList(const QString &moduleSeri, const QString &uiLanguage)
{
    const TextPanel::AsianFontList setup =
        TextPanel::SetupAsianFontList(moduleSeri, uiLanguage, m_languages->currentIndex());
    for (QWidget *w : {static_cast<QWidget *>(m_asiaFrame), static_cast<QWidget *>(m_languages),
                       static_cast<QWidget *>(m_asiaOn), static_cast<QWidget *>(m_asiaOff)})
        w->setEnabled(setup.enabled);
    if (setup.refill) {
        fill(m_languages, ListFill{setup.items, setup.index});
        m_asiaFrame->setTitle(setup.caption);
    } else if (m_languages->count() > 0) {
        const QSignalBlocker block(m_languages);
        m_languages->setCurrentIndex(qMin(setup.index, m_languages->count() - 1));
    }
    // Choosing the language again sets the text boxes' fonts, as the user's choice would.
    Combo1_Click();
}

void FontTextPanelUi::resetControls()
{
    showText(m_magnification, QStringLiteral("X1 Y1"));
    showText(m_gap, QStringLiteral("Fixed width 2"));
    showText(m_international, QStringLiteral("America"));
    showText(m_codeTable, QStringLiteral("PC437(USA Euro std)"));
    showText(m_size, QStringLiteral("6x8"));
    const QSignalBlocker block(m_download);
    m_download->setChecked(false);
}

} // namespace kvx
