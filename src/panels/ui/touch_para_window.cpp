#include "panels/ui/touch_para_window.h"

#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/ui/caption_apply.h"
#include "shell/ui/window_place.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kvx {

TouchParaWindow::TouchParaWindow(PanelContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_sender(ctx)
{
    setObjectName(QStringLiteral("TouchPara"));
    keepPlaceWhenHidden(*this);

    auto *root = new QVBoxLayout(this);
    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("TabSetT"));
    m_tab = new QWidget;
    tabs->addTab(m_tab, QStringLiteral("VX-K4xxS"));
    root->addWidget(tabs);
    auto *grid = new QGridLayout(m_tab);

    const auto &ranges = touchParameterRanges();
    for (int k = 0; k < 4; ++k) {
        m_frames[k] = new QGroupBox;
        m_frames[k]->setObjectName(QStringLiteral("Frame%1").arg(k));
        auto *layout = new QGridLayout(m_frames[k]);
        m_sliders[k] = new QSlider(Qt::Horizontal);
        m_sliders[k]->setObjectName(QStringLiteral("Slider1_%1").arg(k));
        m_sliders[k]->setRange(ranges[size_t(k)].minimum, ranges[size_t(k)].maximum);
        m_sliders[k]->setValue(ranges[size_t(k)].factory);
        m_sliders[k]->setMinimumWidth(180);
        m_label2[k] = new QLabel;
        m_label2[k]->setObjectName(QStringLiteral("Label2_%1").arg(k));
        m_command2[2 * k] = new QPushButton(QStringLiteral("<"));
        m_command2[2 * k + 1] = new QPushButton(QStringLiteral(">"));
        m_command1[k] = new QPushButton;
        for (int j = 0; j < 2; ++j) {
            const int index = 2 * k + j;
            m_command2[index]->setObjectName(QStringLiteral("Command2_%1").arg(index));
            m_command2[index]->setFixedWidth(28);
            connect(m_command2[index], &QPushButton::clicked, this, [this, index] { Command2_Click(index); });
        }
        layout->addWidget(m_command2[2 * k], 0, 0);
        layout->addWidget(m_sliders[k], 0, 1);
        layout->addWidget(m_command2[2 * k + 1], 0, 2);
        layout->addWidget(m_command1[k], 0, 3);
        layout->addWidget(m_label2[k], 1, 1);
        grid->addWidget(m_frames[k], k, 0);
        connect(m_sliders[k], &QSlider::valueChanged, this, [this, k] { showToolTip(k); });
    }
    m_frames[4] = new QGroupBox;
    m_frames[4]->setObjectName(QStringLiteral("Frame4"));
    auto *general = new QVBoxLayout(m_frames[4]);
    m_label1 = new QLabel;
    m_label1->setObjectName(QStringLiteral("Label1"));
    general->addWidget(m_label1);
    grid->addWidget(m_frames[4], 4, 0);

    m_command1[4] = new QPushButton;
    m_command1[5] = new QPushButton;
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_command1[4]);
    buttons->addStretch(1);
    buttons->addWidget(m_command1[5]);
    root->addLayout(buttons);
    for (int i = 0; i < 6; ++i) {
        m_command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        connect(m_command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    Language();
    for (int k = 0; k < 4; ++k)
        showToolTip(k);
}

void TouchParaWindow::Language()
{
    const TouchParaTexts t = touchParaTexts(m_ctx.state.japanese());
    setWindowTitle(t.title);
    // The language's caption font, or the one that stands in for it here.
    QFont font;
    font.setFamilies(QStringList{t.fontFamily} + installedCaptionFamilies(m_ctx.state.japanese()));
    font.setStyleHint(m_ctx.state.japanese() ? QFont::SansSerif : QFont::Serif);
    auto apply = [&](QWidget *w, const QString &text) {
        w->setFont(font);
        if (auto *b = qobject_cast<QPushButton *>(w))
            b->setText(text);
        else if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(text);
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            g->setTitle(text);
    };
    for (int k = 0; k < 4; ++k)
        apply(m_label2[k], t.label2[size_t(k)]);
    for (int k = 0; k < 5; ++k)
        apply(m_frames[k], t.frames[size_t(k)]);
    for (int i = 0; i < 6; ++i)
        apply(m_command1[i], t.command1[size_t(i)]);
    // The note's lines are joined by CR LF; a label breaks lines at LF alone.
    apply(m_label1, QString(t.label1).remove(QLatin1Char('\r')));
}

void TouchParaWindow::showToolTip(int index)
{
    m_sliders[index]->setToolTip(touchParameterToolTip(m_sliders[index]->value()));
}

void TouchParaWindow::Command1_Click(int index)
{
    if (index >= 0 && index <= 3) {
        m_sender.send(index, m_sliders[index]->value());
    } else if (index == 4) {
        for (int k = 0; k < 4; ++k)
            m_sliders[k]->setValue(touchParameterRanges()[size_t(k)].factory);
        m_sender.sendFactorySettings();
    } else if (index == 5) {
        hide();
    }
}

void TouchParaWindow::Command2_Click(int index)
{
    const int k = index / 2;
    if (k < 0 || k > 3)
        return;
    m_sliders[k]->setValue(touchParameterStep(index, m_sliders[k]->value()));
}

} // namespace kvx
