#include "panels/ui/test_patterns_ui.h"
#include "shell/ui/named_widgets.h"

#include "shell/ui/panel_host.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

TestPatternPanelUi::TestPatternPanelUi(PanelHost &host) : QObject(host.hostWindow()), m_logic(host.panelContext())
{
    setObjectName(QStringLiteral("TestPatternPanelUi"));
    auto *outer = new QGroupBox(QStringLiteral("Test Pattern"));
    outer->setObjectName(QStringLiteral("TestPatternFrame"));
    auto *outerLayout = new QVBoxLayout(outer);

    auto *grid = new QGridLayout;
    m_x = new QLineEdit(QStringLiteral("100"));
    m_x->setObjectName(QStringLiteral("BmpXSizeBox"));
    m_y = new QLineEdit(QStringLiteral("3"));
    m_y->setObjectName(QStringLiteral("BmpYSizeBox"));
    for (QLineEdit *size : {m_x, m_y})
        size->setMaximumWidth(60);
    grid->addWidget(label(QStringLiteral("Label6"), QStringLiteral("X Size")), 0, 0);
    grid->addWidget(m_x, 0, 1);
    grid->addWidget(label(QStringLiteral("Label4"), QStringLiteral("Dots")), 0, 2);
    grid->addWidget(label(QStringLiteral("Label7"), QStringLiteral("Y Size")), 1, 0);
    grid->addWidget(m_y, 1, 1);
    grid->addWidget(label(QStringLiteral("Label22"), QStringLiteral("Bytes  8 Dots")), 1, 2);
    grid->setColumnStretch(3, 1);
    outerLayout->addLayout(grid);
    // The pattern buttons stand at the foot of the frame, which takes its page's height.
    outerLayout->addStretch(1);

    auto *buttons = new QGridLayout;
    auto *allOff = button(QStringLiteral("CmdAllOff"), QStringLiteral("ALL Off"));
    auto *allOn = button(QStringLiteral("CmdAllOn"), QStringLiteral("ALL ON"));
    auto *checker = button(QStringLiteral("CmdTextChecker"), QStringLiteral("Checker"));
    auto *ramp = button(QStringLiteral("TestPatternCommandButton"), QStringLiteral("Incremental Binary"));
    buttons->addWidget(allOff, 0, 0);
    buttons->addWidget(allOn, 0, 1);
    buttons->addWidget(checker, 0, 2);
    buttons->addWidget(ramp, 0, 3);
    for (int i = 0; i < 4; ++i) {
        auto *stripe = button(QStringLiteral("CmdTestStripe_%1").arg(i), QStringLiteral("Stripe %1").arg(i + 1));
        buttons->addWidget(stripe, 1, i);
        connect(stripe, &QPushButton::clicked, this,
                [this, i] { m_logic.CmdTestStripe_Click(i, m_x->text(), m_y->text()); });
    }
    outerLayout->addLayout(buttons);

    connect(allOff, &QPushButton::clicked, this, [this] { m_logic.CmdAllOff_Click(m_x->text(), m_y->text()); });
    connect(allOn, &QPushButton::clicked, this, [this] { m_logic.CmdAllOn_Click(m_x->text(), m_y->text()); });
    connect(checker, &QPushButton::clicked, this, [this] { m_logic.CmdTextChecker_Click(m_x->text(), m_y->text()); });
    connect(ramp, &QPushButton::clicked, this,
            [this] { m_logic.TestPatternCommandButton_Click(m_x->text(), m_y->text()); });

    m_frame = outer;
}

} // namespace kvx
