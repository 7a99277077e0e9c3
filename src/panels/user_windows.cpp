#include "panels/user_windows.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/panel_context.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

#include <cmath>

namespace kvx {

namespace {

const QString DefineHelp =
    QStringLiteral("-----OpCode-----  a   b xPL xPH yPL yPH xSL xSH ySL ySH (a:window 1<=a<=4)(b:0-Cancel,1-Define)"
                   "(xP:Left)(yP:Top)(xS:Width)(yS:Height)");
const QString CancelHelp = QStringLiteral("-----OpCode-----  a   b  (a:window 1<=a<=4)(b:0-Cancel,1-Define)");
const QString SelectHelp = QStringLiteral("-----OpCode-----  a  (0<=a<=4)");

// A box value that fits the command's 16-bit field: 0..32767 after rounding.
bool fitsField(double v)
{
    if (!std::isfinite(v))
        return false;
    const double r = roundHalfEven(v);
    return r >= 0 && r <= 32767;
}

} // namespace

UserWindowsPanel::UserWindowsPanel(PanelContext &ctx) : m_ctx(ctx)
{
    resetControls();
    m_labels = {QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    for (int i = 0; i < 4; ++i)
        m_boxes[size_t(i)] = defaultBoxes(i);
}

UserWindowBoxes UserWindowsPanel::defaultBoxes(int index)
{
    static const UserWindowBoxes d[4] = {
        {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("120"), QStringLiteral("1")},
        {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("70"), QStringLiteral("3")},
        {QStringLiteral("50"), QStringLiteral("1"), QStringLiteral("70"), QStringLiteral("1")},
        {QStringLiteral("50"), QStringLiteral("2"), QStringLiteral("70"), QStringLiteral("2")},
    };
    return d[index];
}

void UserWindowsPanel::resetControls()
{
    m_registered.fill(false);
    m_current = 0;
    redraw();
}

void UserWindowsPanel::redraw()
{
    if (DrawWindowLayout)
        DrawWindowLayout();
}

void UserWindowsPanel::UserWindowBox_Change(int index, Box box, const QString &text)
{
    UserWindowBoxes &b = m_boxes[size_t(index)];
    QString &field = box == Left ? b.left : box == Top ? b.top : box == Width ? b.width : b.height;
    if (field == text)
        return;
    field = text;
    registCheckChanged(index);
}

void UserWindowsPanel::UserWindowRegistCheck_Click(int index, bool ticked)
{
    m_registered[size_t(index)] = ticked;
    registCheckChanged(index);
}

void UserWindowsPanel::UserWin_OK(int index, const UserWindowBoxes &values)
{
    if (m_boxes[size_t(index)] == values)
        return;
    m_boxes[size_t(index)] = values;
    registCheckChanged(index);
}

bool UserWindowsPanel::fits(int index) const
{
    const UserWindowBoxes &b = m_boxes[size_t(index)];
    const double left = numericValue(b.left);
    const double top = numericValue(b.top);
    const double width = numericValue(b.width);
    const double height = numericValue(b.height);
    // A value the command cannot carry is a window that does not fit, not a fault.
    if (!fitsField(left) || !fitsField(top) || !fitsField(width) || !fitsField(height))
        return false;
    const double right = left + width;
    const double bottom = (top + height) * 8;
    return !m_ctx.encoder.OverSize(qint64(roundHalfEven(right)), qint64(roundHalfEven(bottom)));
}

void UserWindowsPanel::registCheckChanged(int index)
{
    const int a = index + 1;
    if (m_registered[size_t(index)]) {
        if (fits(index)) {
            const UserWindowBoxes &b = m_boxes[size_t(index)];
            const double left = numericValue(b.left);
            const double top = numericValue(b.top);
            const double width = numericValue(b.width);
            const double height = numericValue(b.height);
            m_ctx.run(
                [&](VX5200 &e) {
                    return e.UserWindowDefine(a, int(roundHalfEven(left)), int(roundHalfEven(top)),
                                              int(roundHalfEven(width)), int(roundHalfEven(height)));
                },
                QStringLiteral("UserWindowDefine : User%1 left=%2 top=%3 width=%4 height=%5")
                    .arg(a)
                    .arg(decimalText(left), decimalText(top), decimalText(width), decimalText(height)),
                DefineHelp);
        } else {
            m_ctx.dialogs.message(m_ctx.state.tr(QStringLiteral("Window is out of memory size."),
                                                 QStringLiteral("ウインドウが大きすぎます。")));
            // Unticking cancels the window in the module, as the user's untick would.
            m_registered[size_t(index)] = false;
            registCheckChanged(index);
        }
    } else {
        m_ctx.run([&](VX5200 &e) { return e.UserWindowCancel(a); }, QStringLiteral("UserWindowCancel User%1").arg(a),
                  CancelHelp);
        if (m_current == a)
            selectWindow(0);
    }
    redraw();
}

void UserWindowsPanel::WindowSelectOption_Click(int index)
{
    m_current = index;
    if (index >= 1 && index <= 4 && !m_registered[size_t(index - 1)]) {
        selectWindow(0);
        m_ctx.dialogs.message(
            m_ctx.state.tr(QStringLiteral("User window needs to be enabled to select it.: Error 1538"),
                           QStringLiteral("選択するためにはユーザーウインドウを定義してください。　エラー 1538")));
        return;
    }
    redraw();
    m_ctx.run([&](VX5200 &e) { return e.CurrentWindowSelect(index); },
              QStringLiteral("CurrentWindowSelect : ")
                  + (index == 0 ? QStringLiteral("Base") : QStringLiteral("User%1").arg(index)),
              SelectHelp);
}

// The base option chosen by the program: its handler runs only when the choice changes.
void UserWindowsPanel::selectWindow(int index)
{
    if (m_current == index)
        return;
    WindowSelectOption_Click(index);
}

void UserWindowsPanel::markCurrentWindow(const QString &mark)
{
    m_labels[size_t(m_current)] = mark;
    redraw();
}

std::array<LayoutWindow, 4> UserWindowsPanel::layoutWindows() const
{
    std::array<LayoutWindow, 4> w;
    for (size_t i = 0; i < 4; ++i) {
        w[i].shown = m_registered[i];
        w[i].left = numericValue(m_boxes[i].left);
        w[i].top = numericValue(m_boxes[i].top);
        w[i].width = numericValue(m_boxes[i].width);
        w[i].height = numericValue(m_boxes[i].height);
    }
    return w;
}

} // namespace kvx
