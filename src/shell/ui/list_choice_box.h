#pragma once

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>

namespace kvx {

// An editable list that tells a choice from its list apart from typing. `chosen`
// follows a pick from the pop-up or with the arrow keys; QComboBox also reports
// `activated` when the typed text matches an entry as the box loses the focus or on
// Return, and typing only changes the text. Typed text never joins the list.
class ListChoiceBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ListChoiceBox(QWidget *parent = nullptr) : QComboBox(parent)
    {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        connect(this, &QComboBox::activated, this, [this](int index) {
            if (!m_typedTextEnds)
                emit chosen(index);
        });
    }

signals:
    void chosen(int index);

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        m_typedTextEnds = true;
        QComboBox::focusOutEvent(event);
        m_typedTextEnds = false;
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        m_typedTextEnds = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        QComboBox::keyPressEvent(event);
        m_typedTextEnds = false;
    }

private:
    // True while the line edit finishes its text (focus out, Return).
    bool m_typedTextEnds = false;
};

} // namespace kvx
