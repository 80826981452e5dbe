// Menu bars and pop-ups as loaded from menu resources, with the old system's menu calls.
#pragma once

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class TModule;

struct TMenuItem {
    std::string Text;
    u32 Id = 0;
    u32 Flags = 0;
    std::unique_ptr<TMenu> Popup;
};

class TMenu {
public:
    TMenu() = default;
    explicit TMenu(const std::vector<TMenuTemplateItem>& items);

    std::vector<TMenuItem> Items;

    // The item with this command id, searched through the pop-ups; null when none.
    TMenuItem* FindCommand(u32 id);
};

// Null when the module has no menu with this id.
HMENU LoadMenuA(const TModule* module, u32 id);
inline HMENU LoadMenu(const TModule* module, u32 id) {
    return LoadMenuA(module, id);
}
bool DestroyMenu(HMENU menu);

int GetMenuItemCount(HMENU menu);
HMENU GetSubMenu(HMENU menu, int position);
u32 GetMenuItemID(HMENU menu, int position);
// The item's flags (MF_GRAYED, MF_CHECKED, MF_POPUP...), or 0xFFFFFFFF when there is none.
u32 GetMenuState(HMENU menu, u32 item, u32 how);
// Both return the previous state of the item, or 0xFFFFFFFF when there is none.
u32 EnableMenuItem(HMENU menu, u32 item, u32 how);
u32 CheckMenuItem(HMENU menu, u32 item, u32 how);
