#include "panels/module_init.h"

#include "link/vx5200.h"
#include "shell/panel_context.h"

namespace kvx {

SendResult ModuleInitializer::InitializeCommandButton_Click()
{
    const SendResult r = m_ctx.run([](VX5200 &e) { return e.InitializeDisplay(); }, QStringLiteral("Initialize"),
                                   QStringLiteral("-OpCode-"));
    if (m_resetControls)
        m_resetControls();
    return r;
}

} // namespace kvx
