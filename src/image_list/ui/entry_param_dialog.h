#pragma once

#include "image_list/image_list.h"
#include "shell/user_dialogs.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvx {

// The entry dialog: the memory, start address and size of one image-list entry,
// for images that no bitmap gives them (blank "VRAM" images, entries without a
// bitmap). The dialog is modal; Set stores the values through the list and accepts,
// Cancel (and the close box) changes nothing.
class EntryParamDialog : public QDialog
{
    Q_OBJECT
public:
    EntryParamDialog(ImageList &list, UserDialogs &dialogs, const QString &language, QWidget *parent = nullptr);

    // Shows the dialog for entry index; true when the user pressed Set.
    bool edit(int index);
    // Fills the boxes from entry index (what each showing does first).
    void fill(int index);
    int entryIndex() const { return m_index; }
    // Texts and messages in this interface language from now on.
    void setLanguage(const QString &language);

public slots:
    void cmdOK_Click();
    void Combo1_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addressRule();

    ImageList &m_list;
    WindowDialogs m_dialogs;
    QString m_language;
    int m_index = 0;
    QComboBox *m_memory = nullptr;
    QLabel *m_addressLabel = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_x = nullptr;
    QLineEdit *m_y = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

// The list's entry editor: the dialog, created on first use.
class DialogEntryEditor : public EntryEditor
{
public:
    DialogEntryEditor(ImageList &list, UserDialogs &dialogs, std::function<QString()> language, QWidget *parent)
        : m_list(list), m_dialogs(dialogs), m_language(std::move(language)), m_parent(parent)
    {
    }
    ~DialogEntryEditor() override;
    bool editEntry(int index) override;
    EntryParamDialog *dialog();

private:
    ImageList &m_list;
    UserDialogs &m_dialogs;
    std::function<QString()> m_language;
    QWidget *m_parent;
    EntryParamDialog *m_dialog = nullptr;
};

} // namespace kvx
