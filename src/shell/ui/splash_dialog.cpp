#include "shell/ui/splash_dialog.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace kvx {

SplashDialog::SplashDialog(const QString &mainCaption, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("KVX5200+2100"));
    setFixedSize(420, 240);
    m_version = new QLabel(mainCaption.mid(8, 6), this);
    m_version->setObjectName(QStringLiteral("Label1"));
    m_version->setStyleSheet(QStringLiteral("color: #9fffd0; font-size: 16px;"));
    m_version->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_version, 0, Qt::AlignRight | Qt::AlignBottom);
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(3000);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SplashDialog::Timer1_Timer);
    m_timer.start();
}

void SplashDialog::mousePressEvent(QMouseEvent *)
{
    done(Accepted);
}

void SplashDialog::paintEvent(QPaintEvent *)
{
    // The picture: a display glass glowing in the modules' blue-green.
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(10, 20, 30));
    g.setColorAt(1, QColor(0, 60, 70));
    p.fillRect(rect(), g);
    p.setPen(QColor(120, 255, 220));
    QFont f = font();
    f.setPointSize(28);
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect().adjusted(0, -30, 0, -30), Qt::AlignCenter, QStringLiteral("KVX35P"));
    f.setPointSize(11);
    f.setBold(false);
    p.setFont(f);
    p.drawText(rect().adjusted(0, 40, 0, 40), Qt::AlignCenter, QStringLiteral("Graphic VFD module evaluation tool"));
}

} // namespace kvx
