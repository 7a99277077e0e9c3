#include "image_list/ui/entry_param_dialog.h"

#include "image_list/image_window_rules.h"
#include "shell/captions.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/window_place.h"
#include "shell/user_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace kvx {

namespace {

QLabel *label(const QString &name, const QString &text)
{
    auto *l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

QLineEdit *box(const QString &name)
{
    auto *e = new QLineEdit;
    e->setObjectName(name);
    e->setMaximumWidth(90);
    return e;
}

using P = TextProperty;

const ControlText Texts[] = {
    {"FrmEnterParam", -1, P::Caption, -1, "VRAM Image setting", "画像データ設定"},
    {"cmbMemory", -1, P::Caption, -1, "Memory", "メモリ"},
    {"Label1", -1, P::Caption, -1, "Start Address", "開始アドレス"},
    {"Label2", -1, P::Caption, -1, "Size X", "横ドット数"},
    {"Label3", -1, P::Caption, -1, "Size Y", "縦ドット数"},
    {"cmdOK", -1, P::Caption, -1, "Set", "設定"},
    {"cmdCancel", -1, P::Caption, -1, "Cancel", "キャンセル"},
};

} // namespace

EntryParamDialog::EntryParamDialog(ImageList &list, UserDialogs &dialogs, const QString &language, QWidget *parent)
    : QDialog(parent), m_list(list), m_dialogs(dialogs, this), m_language(language)
{
    setObjectName(QStringLiteral("FrmEnterParam"));
    keepPlaceWhenHidden(*this);
    setModal(true);

    m_memory = new QComboBox;
    m_memory->setObjectName(QStringLiteral("Combo1"));
    m_memory->setEditable(true);
    m_memory->setInsertPolicy(QComboBox::NoInsert);
    m_memory->addItems(entryMemoryChoices());
    m_address = box(QStringLiteral("txtAdrs"));
    m_x = box(QStringLiteral("txtX"));
    m_y = box(QStringLiteral("txtY"));
    m_addressLabel = label(QStringLiteral("Label1"), QString());
    m_ok = new QPushButton;
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_cancel = new QPushButton;
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    // No default button: Enter in a box does nothing.
    for (QPushButton *b : {m_ok, m_cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto *grid = new QGridLayout(this);
    grid->addWidget(label(QStringLiteral("cmbMemory"), QString()), 0, 0);
    grid->addWidget(m_memory, 0, 1);
    grid->addWidget(m_addressLabel, 1, 0);
    grid->addWidget(m_address, 1, 1);
    grid->addWidget(label(QStringLiteral("Label2"), QString()), 2, 0);
    grid->addWidget(m_x, 2, 1);
    grid->addWidget(label(QStringLiteral("Label3"), QString()), 3, 0);
    grid->addWidget(m_y, 3, 1);
    grid->addWidget(m_ok, 0, 2);
    grid->addWidget(m_cancel, 1, 2);
    setTabOrder(m_address, m_x);
    setTabOrder(m_x, m_y);
    setTabOrder(m_y, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_memory);

    for (QLineEdit *e : {m_address, m_x, m_y})
        e->installEventFilter(this);
    connect(m_memory, &QComboBox::activated, this, &EntryParamDialog::Combo1_Click);
    connect(m_ok, &QPushButton::clicked, this, &EntryParamDialog::cmdOK_Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    setLanguage(language);
}

void EntryParamDialog::setLanguage(const QString &language)
{
    m_language = language;
    applyWindowTexts(*this, Texts, isJapanese(language));
}

void EntryParamDialog::fill(int index)
{
    m_index = index;
    const ImageListEntry &e = m_list.entry(index);
    m_address->setText(QString::number(e.imgAddress));
    m_x->setText(QString::number(e.imgX));
    m_y->setText(QString::number(e.imgY));
    const QSignalBlocker block(m_memory);
    m_memory->setCurrentText(e.imgMemory.isEmpty() ? QStringLiteral("VRAM") : e.imgMemory);
    addressRule();
    (m_address->isEnabled() ? m_address : m_x)->setFocus();
}

bool EntryParamDialog::edit(int index)
{
    fill(index);
    return exec() == QDialog::Accepted;
}

// Only a "VRAM" entry keeps a typed address: the memory map places every other one.
void EntryParamDialog::addressRule()
{
    const bool vram = m_memory->currentText() == QLatin1String("VRAM");
    m_address->setEnabled(vram);
    m_addressLabel->setEnabled(vram);
}

void EntryParamDialog::Combo1_Click()
{
    addressRule();
}

void EntryParamDialog::cmdOK_Click()
{
    // The address box is read also when disabled: it still holds the entry's address.
    const EntryInput in = readEntryInput(m_address->text(), m_x->text(), m_y->text());
    if (!in.ok) {
        m_dialogs.message(isJapanese(m_language) ? QStringLiteral("値が範囲外です。")
                                                 : QStringLiteral("Value out of range."));
        if (QWidget *w = findChild<QWidget *>(in.field))
            w->setFocus();
        return;
    }
    m_list.setEntryParameters(m_index, in.address, in.x, in.y, m_memory->currentText());
    accept();
}

void EntryParamDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc does not cancel: only the Cancel button and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EntryParamDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Typing replaces the whole value (after the click that gave the focus).
        if (auto *e = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, e, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

DialogEntryEditor::~DialogEntryEditor() = default;

EntryParamDialog *DialogEntryEditor::dialog()
{
    const QString language = m_language ? m_language() : QString();
    if (!m_dialog)
        m_dialog = new EntryParamDialog(m_list, m_dialogs, language, m_parent);
    // The dialog follows the interface language from one opening to the next.
    m_dialog->setLanguage(language);
    return m_dialog;
}

bool DialogEntryEditor::editEntry(int index)
{
    return dialog()->edit(index);
}

} // namespace kvx
