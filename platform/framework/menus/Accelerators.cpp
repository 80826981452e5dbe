// Matching key messages against accelerator tables.
#include "Accelerators.h"

#include "platform/framework/window/Desktop.h"

HACCEL LoadAcceleratorsA(const TModule* module, u32 id) {
    return module != nullptr ? module->LoadAccelerators(id) : nullptr;
}

u32 FindAcceleratorCommand(HACCEL table, const MSG& msg) {
    if (table == nullptr || (msg.message != WM_KEYDOWN && msg.message != WM_CHAR))
        return 0;
    TDesktop& desktop = TDesktop::Get();
    const bool shift = desktop.IsKeyDown(VK_SHIFT);
    const bool control = desktop.IsKeyDown(VK_CONTROL);
    const bool alt = desktop.IsKeyDown(VK_MENU);
    for (const TAccelEntry& e : table->Entries) {
        const bool virtualKey = (e.Flags & FVIRTKEY) != 0;
        if (virtualKey) {
            if (msg.message != WM_KEYDOWN || msg.wParam != e.Key)
                continue;
            if (shift != ((e.Flags & FSHIFT) != 0) || control != ((e.Flags & FCONTROL) != 0) ||
                alt != ((e.Flags & FALT) != 0))
                continue;
        } else if (msg.message != WM_CHAR || msg.wParam != e.Key) {
            continue;
        }
        return e.Command;
    }
    return 0;
}

bool TranslateAccelerator(HWND window, HACCEL table, const MSG& msg) {
    TDesktop& desktop = TDesktop::Get();
    if (!desktop.IsWindow(window))
        return false;
    const u32 command = FindAcceleratorCommand(table, msg);
    if (command == 0)
        return false;
    // A disabled window (one under a modal dialog) takes no commands from the keyboard.
    if (!desktop.IsWindowEnabled(window))
        return false;
    desktop.SendMessage(window, WM_COMMAND, MAKEWPARAM(command, 1), 0);
    return true;
}
