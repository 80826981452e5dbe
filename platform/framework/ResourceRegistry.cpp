// Storage and lookup of the registered resources.
#include "ResourceRegistry.h"

TResourceRegistry& TResourceRegistry::Get() {
    static TResourceRegistry registry;
    return registry;
}

void TResourceRegistry::AddStrings(std::span<const TStringResource> strings) {
    for (const TStringResource& s : strings)
        Strings[s.Id] = s.Text != nullptr ? s.Text : "";
}

void TResourceRegistry::AddMenu(u32 id, TMenuTemplate menu) {
    Menus[id] = std::move(menu);
}

void TResourceRegistry::AddAccelerators(u32 id, TAccelTable table) {
    Accelerators[id] = std::move(table);
}

void TResourceRegistry::AddCursor(u32 id, TCursorImage image) {
    TCursorEntry& entry = Cursors[id];
    entry.Image = std::move(image);
    // The map node never moves, so the cursor can point at its own picture.
    entry.Cursor = TCursor{id, false, &entry.Image};
}

void TResourceRegistry::AddIcon(u32 id, TIconImage image) {
    Icons[id] = std::move(image);
}

void TResourceRegistry::AddDialog(u32 id, TDialogTemplate dialog) {
    Dialogs[id] = std::move(dialog);
}

void TResourceRegistry::Clear() {
    Strings.clear();
    Menus.clear();
    Accelerators.clear();
    Cursors.clear();
    Icons.clear();
    Dialogs.clear();
}

std::optional<std::string> TResourceRegistry::FindString(u32 id) const {
    const auto it = Strings.find(id);
    if (it == Strings.end())
        return std::nullopt;
    return it->second;
}

const TMenuTemplate* TResourceRegistry::FindMenu(u32 id) const {
    const auto it = Menus.find(id);
    return it == Menus.end() ? nullptr : &it->second;
}

const TAccelTable* TResourceRegistry::FindAccelerators(u32 id) const {
    const auto it = Accelerators.find(id);
    return it == Accelerators.end() ? nullptr : &it->second;
}

HCURSOR TResourceRegistry::FindCursor(u32 id) const {
    const auto it = Cursors.find(id);
    return it == Cursors.end() ? nullptr : &it->second.Cursor;
}

const TIconImage* TResourceRegistry::FindIcon(u32 id) const {
    const auto it = Icons.find(id);
    return it == Icons.end() ? nullptr : &it->second;
}

const TDialogTemplate* TResourceRegistry::FindDialog(u32 id) const {
    const auto it = Dialogs.find(id);
    return it == Dialogs.end() ? nullptr : &it->second;
}
