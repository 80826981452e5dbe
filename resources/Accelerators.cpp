// Accelerator tables: keys that arrive as commands.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinConstants.h"

void RegisterAcceleratorTables() {
    // Table 124: Esc toggles the small-screen caption (123), F1 opens help.
    TAccelTable frame;
    frame.Entries = {
        {FVIRTKEY, static_cast<u16>(VK_ESCAPE), 123},
        {FVIRTKEY, static_cast<u16>(VK_F1), static_cast<u16>(CM_HELP)},
    };
    TResourceRegistry::Get().AddAccelerators(124, std::move(frame));
}
