#pragma once

#include "panels/user_windows.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kvx {

struct ShellState;

// "User Window Resize": edits the four numbers of one user window. Modeless; its
// buttons hide it. OK hands the four values over at once.
class UserWinDialog : public QDialog
{
    Q_OBJECT
public:
    UserWinDialog(const ShellState &state, QWidget *parent);

    // Shows the dialog for window `index` filled with its boxes.
    void openFor(int index, const UserWindowBoxes &boxes);
    int windowIndex() const { return m_index; }
    UserWindowBoxes values() const;
    // Puts the texts up in the interface language (also while the dialog is open).
    void retranslate();

signals:
    void okClicked(int index, const UserWindowBoxes &values);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void cmdOK_Click();

    const ShellState &m_state;
    int m_index = 0;
    QLineEdit *m_left;
    QLineEdit *m_top;
    QLineEdit *m_width;
    QLineEdit *m_height;
    QLabel *m_number;
};

} // namespace kvx
