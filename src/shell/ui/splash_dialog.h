#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace kvx {

// The splash window shown while the program starts: the version, for 3 s or until
// clicked.
class SplashDialog : public QDialog
{
    Q_OBJECT
public:
    // mainCaption is the main window's caption; the version is read back from it.
    explicit SplashDialog(const QString &mainCaption, QWidget *parent = nullptr);

    QTimer *timer() { return &m_timer; }

public slots:
    void Timer1_Timer() { done(Accepted); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    QLabel *m_version;
};

} // namespace kvx
