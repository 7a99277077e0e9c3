#include "panels/ui/user_win_dialog.h"

#include "shell/shell_state.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvx {

UserWinDialog::UserWinDialog(const ShellState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("UserWin"));
    setModal(false);
    setWindowTitle(state.tr(QStringLiteral("User Window Resize"), QStringLiteral("ユーザウインドウ設定変更")));
    auto *grid = new QGridLayout(this);
    m_number = new QLabel;
    m_number->setObjectName(QStringLiteral("lblUserWindowNo"));
    grid->addWidget(m_number, 0, 0, 1, 2);
    auto edit = [](const char *name) {
        auto *e = new QLineEdit(QStringLiteral("0"));
        e->setObjectName(QLatin1String(name));
        return e;
    };
    m_left = edit("TxtLeft");
    m_top = edit("txtTop");
    m_width = edit("txtWidth");
    m_height = edit("txtHight");
    const struct
    {
        const char *name;
        QString english;
        QString japanese;
        QLineEdit *box;
    } rows[4] = {
        {"Label2", QStringLiteral("Left"), QStringLiteral("左位置"), m_left},
        {"Label1", QStringLiteral("Top"), QStringLiteral("上位置"), m_top},
        {"Label3", QStringLiteral("Width"), QStringLiteral("幅"), m_width},
        {"Label4", QStringLiteral("Height"), QStringLiteral("高さ"), m_height},
    };
    for (int r = 0; r < 4; ++r) {
        auto *label = new QLabel(state.tr(rows[r].english, rows[r].japanese));
        label->setObjectName(QLatin1String(rows[r].name));
        grid->addWidget(label, r + 1, 0);
        grid->addWidget(rows[r].box, r + 1, 1);
    }
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto *close = new QPushButton(QStringLiteral("Cancel"));
    close->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(ok);
    buttons->addWidget(close);
    grid->addLayout(buttons, 5, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &UserWinDialog::cmdOK_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

void UserWinDialog::openFor(int index, const UserWindowBoxes &boxes)
{
    m_index = index;
    m_left->setText(boxes.left);
    m_top->setText(boxes.top);
    m_width->setText(boxes.width);
    m_height->setText(boxes.height);
    show();
    raise();
    activateWindow();
}

void UserWinDialog::showEvent(QShowEvent *event)
{
    m_number->setText(m_state.tr(QStringLiteral("USER WINDOR No.:"), QStringLiteral("ユーザウインドウ　No.:")) +
                      QString::number(m_index + 1));
    QDialog::showEvent(event);
}

UserWindowBoxes UserWinDialog::values() const
{
    return {m_left->text(), m_top->text(), m_width->text(), m_height->text()};
}

void UserWinDialog::cmdOK_Click()
{
    hide();
    emit okClicked(m_index, values());
}

} // namespace kvx
