// Matching key messages against accelerator tables.
#include "Accelerators.h"

#include "platform/framework/window/Desktop.h"

HACCEL LoadAcceleratorsA(const TModule* module, u32 id) {
    return module != nullptr ? module->LoadAccelerators(id) : nullptr;
}

bool TranslateAccelerator(HWND window, HACCEL table, const MSG& msg) {
    TDesktop& desktop = TDesktop::Get();
    if (table == nullptr || !desktop.IsWindow(window))
        return false;
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR)
        return false;
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
        // A disabled window (one under a modal dialog) takes no commands from the keyboard.
        if (!desktop.IsWindowEnabled(window))
            return false;
        desktop.SendMessage(window, WM_COMMAND, MAKEWPARAM(e.Command, 1), 0);
        return true;
    }
    return false;
}
