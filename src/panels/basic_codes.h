#pragma once

#include "link/byte_sink.h"

#include <QString>

namespace kvx {

class PanelContext;

// The basic codes and cursor panel: control codes, cursor on/off, cursor position,
// and the two "Home" buttons beside the bitmap and test-pattern controls.
class BasicCodesPanel
{
public:
    explicit BasicCodesPanel(PanelContext &ctx) : m_ctx(ctx) {}

    // The buttons cmdBtn1(0..10); index 11 ("Write") belongs to the text panel.
    // cursorX and cursorY are the texts of CursorXBox and CursorYBox.
    SendResult cmdBtn1_Click(int index, const QString &cursorX, const QString &cursorY);
    SendResult CmdCursorHome_Click();
    SendResult CmdHome_Click();

    static QString cursorSetHelp();

private:
    PanelContext &m_ctx;
};

} // namespace kvx
