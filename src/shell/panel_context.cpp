#include "shell/panel_context.h"

#include "link/numbers.h"
#include "link/vx5200.h"
#include "shell/command_log.h"
#include "shell/shell_state.h"
#include "shell/user_dialogs.h"

namespace kvx {

void PanelContext::showValueOutOfRange()
{
    dialogs.message(state.tr(QStringLiteral("Value out of range."), QStringLiteral("値が範囲外です。")),
                    UserDialogs::Icon::Warning);
}

SendResult PanelContext::run(const std::function<SendResult(VX5200 &)> &command, const QString &name,
                             const QString &help)
{
    SendResult r;
    try {
        r = command(encoder);
    } catch (const EncodeError &) {
        showValueOutOfRange();
        return SendResult::Skipped;
    }
    if (wentOut(r))
        log.addLog(name, help);
    return r;
}

SendResult PanelContext::inOrder(std::initializer_list<std::function<SendResult()>> steps)
{
    SendResult r = SendResult::Skipped;
    for (const auto &step : steps) {
        r = step();
        if (!wentOut(r))
            break;
    }
    return r;
}

} // namespace kvx
