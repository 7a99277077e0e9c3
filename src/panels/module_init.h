#pragma once

#include "link/byte_sink.h"

#include <functional>

namespace kvx {

class PanelContext;

// The "Initialize" button: initialises the module and puts the main window's settings
// controls back to their start values. Only the initialise command is sent; the
// controls are reset without sending.
class ModuleInitializer
{
public:
    ModuleInitializer(PanelContext &ctx, std::function<void()> resetControls)
        : m_ctx(ctx), m_resetControls(std::move(resetControls))
    {
    }

    // The controls are reset whether the command went out or not.
    SendResult InitializeCommandButton_Click();

private:
    PanelContext &m_ctx;
    std::function<void()> m_resetControls;
};

} // namespace kvx
