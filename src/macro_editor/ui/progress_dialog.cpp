#include "macro_editor/ui/progress_dialog.h"

#include "link/send_run.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvx {

ProgressDialog::ProgressDialog(bool japanese, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("ProgressDialog"));
    m_label = new QLabel(japanese ? QStringLiteral("ダウンロード実行中") : QStringLiteral("Download in Progress"));
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumWidth(220);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
}

void ProgressDialog::showProgress(const QString &caption, const QString &label)
{
    setWindowTitle(caption);
    m_label->setText(label);
    show();
    raise();
    // The caller keeps the window thread busy: draw now, without taking user input.
    SendRun::runRound();
    repaint();
}

void ProgressDialog::hideProgress()
{
    hide();
}

} // namespace kvx
