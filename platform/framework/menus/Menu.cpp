// Menus built from templates, and item lookup, enabling and checking.
#include "Menu.h"

#include "platform/framework/WinConstants.h"
#include "platform/framework/window/Module.h"

TMenu::TMenu(const std::vector<TMenuTemplateItem>& items) {
    Items.reserve(items.size());
    for (const TMenuTemplateItem& t : items) {
        TMenuItem item;
        item.Text = t.Text;
        item.Id = t.Id;
        item.Flags = t.Flags & ~MF_POPUP;
        if (!t.Items.empty() || (t.Flags & MF_POPUP) != 0) {
            item.Flags |= MF_POPUP;
            item.Popup = std::make_unique<TMenu>(t.Items);
        }
        Items.push_back(std::move(item));
    }
}

TMenuItem* TMenu::FindCommand(u32 id) {
    for (TMenuItem& item : Items) {
        if (item.Popup) {
            if (TMenuItem* found = item.Popup->FindCommand(id))
                return found;
        } else if ((item.Flags & MF_SEPARATOR) == 0 && item.Id == id) {
            return &item;
        }
    }
    return nullptr;
}

HMENU LoadMenuA(const TModule* module, u32 id) {
    if (module == nullptr)
        return nullptr;
    const TMenuTemplate* menu = module->FindMenuResource(id);
    if (menu == nullptr)
        return nullptr;
    return new TMenu(menu->Items);
}

bool DestroyMenu(HMENU menu) {
    if (menu == nullptr)
        return false;
    delete menu;
    return true;
}

namespace {

TMenuItem* ItemOf(HMENU menu, u32 item, u32 how) {
    if (menu == nullptr)
        return nullptr;
    if ((how & MF_BYPOSITION) != 0)
        return item < menu->Items.size() ? &menu->Items[item] : nullptr;
    return menu->FindCommand(item);
}

} // namespace

int GetMenuItemCount(HMENU menu) {
    return menu == nullptr ? -1 : static_cast<int>(menu->Items.size());
}

HMENU GetSubMenu(HMENU menu, int position) {
    if (menu == nullptr || position < 0 || static_cast<size_t>(position) >= menu->Items.size())
        return nullptr;
    return menu->Items[static_cast<size_t>(position)].Popup.get();
}

u32 GetMenuItemID(HMENU menu, int position) {
    if (menu == nullptr || position < 0 || static_cast<size_t>(position) >= menu->Items.size())
        return 0xFFFFFFFFU;
    const TMenuItem& item = menu->Items[static_cast<size_t>(position)];
    return item.Popup ? 0xFFFFFFFFU : item.Id;
}

u32 GetMenuState(HMENU menu, u32 item, u32 how) {
    const TMenuItem* found = ItemOf(menu, item, how);
    return found == nullptr ? 0xFFFFFFFFU : found->Flags;
}

u32 EnableMenuItem(HMENU menu, u32 item, u32 how) {
    TMenuItem* found = ItemOf(menu, item, how);
    if (found == nullptr)
        return 0xFFFFFFFFU;
    const u32 previous = found->Flags & (MF_GRAYED | MF_DISABLED);
    found->Flags = (found->Flags & ~(MF_GRAYED | MF_DISABLED)) | (how & (MF_GRAYED | MF_DISABLED));
    return previous;
}

u32 CheckMenuItem(HMENU menu, u32 item, u32 how) {
    TMenuItem* found = ItemOf(menu, item, how);
    if (found == nullptr)
        return 0xFFFFFFFFU;
    const u32 previous = found->Flags & MF_CHECKED;
    found->Flags = (found->Flags & ~MF_CHECKED) | (how & MF_CHECKED);
    return previous;
}
