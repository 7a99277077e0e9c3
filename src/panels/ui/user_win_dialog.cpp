#include "panels/ui/user_win_dialog.h"

#include "shell/shell_state.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/window_place.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvx {

namespace {

using P = TextProperty;

const ControlText Texts[] = {
    {"UserWin", -1, P::Caption, -1, "User Window Resize", "ユーザウインドウ設定変更"},
    {"Label2", -1, P::Caption, -1, "Left", "左位置"},
    {"Label1", -1, P::Caption, -1, "Top", "上位置"},
    {"Label3", -1, P::Caption, -1, "Width", "幅"},
    {"Label4", -1, P::Caption, -1, "Height", "高さ"},
    {"cmdOK", -1, P::Caption, -1, "OK", "OK"},
    {"cmdClose", -1, P::Caption, -1, "Cancel", "キャンセル"},
};

} // namespace

UserWinDialog::UserWinDialog(const ShellState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("UserWin"));
    keepPlaceWhenHidden(*this);
    setModal(false);
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
    QLineEdit *const boxes[4] = {m_left, m_top, m_width, m_height};
    // The four caption labels follow the title in the table, in the boxes' order.
    for (int r = 0; r < 4; ++r) {
        auto *label = new QLabel;
        label->setObjectName(QLatin1String(Texts[r + 1].name));
        grid->addWidget(label, r + 1, 0);
        grid->addWidget(boxes[r], r + 1, 1);
    }
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton;
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto *close = new QPushButton;
    close->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(ok);
    buttons->addWidget(close);
    grid->addLayout(buttons, 5, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &UserWinDialog::cmdOK_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    retranslate();
}

void UserWinDialog::retranslate()
{
    applyWindowTexts(*this, Texts, m_state.japanese());
    m_number->setText(m_state.tr(QStringLiteral("USER WINDOR No.:"), QStringLiteral("ユーザウインドウ　No.:"))
                      + QString::number(m_index + 1));
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
    retranslate();
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
