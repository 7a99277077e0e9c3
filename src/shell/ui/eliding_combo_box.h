#pragma once

#include <QComboBox>

namespace kvx {

// A list of items that come from outside (folders, image names): as wide as the given
// number of characters whatever it holds, so a long item never widens the window. An
// item longer than the box shows with "…" in its middle; the drop-down shows it whole.
class ElidingComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ElidingComboBox(int characters, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kvx
