// The program's compiled-in resources, registered at start and looked up by id through TModule.
#pragma once

#include "platform/framework/dialogs/DialogTemplate.h"
#include "platform/framework/window/Cursor.h"
#include "platform/framework/window/Icon.h"
#include "platform/host/Types.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TStringResource {
    u32 Id;
    const char* Text;
};

// One menu item; a popup carries its items, a separator has neither text nor id.
struct TMenuTemplateItem {
    std::string Text;
    u32 Id = 0;
    u32 Flags = 0;
    std::vector<TMenuTemplateItem> Items;
};

struct TMenuTemplate {
    std::vector<TMenuTemplateItem> Items;
};

struct TAccelEntry {
    u8 Flags;
    u16 Key;
    u16 Command;
};

struct TAccelTable {
    std::vector<TAccelEntry> Entries;
};

// Resources sit above the platform layer, so they register themselves here rather than
// being known to it. A later registration of an id replaces the earlier one.
class TResourceRegistry {
public:
    static TResourceRegistry& Get();

    void AddStrings(std::span<const TStringResource> strings);
    void AddMenu(u32 id, TMenuTemplate menu);
    void AddAccelerators(u32 id, TAccelTable table);
    void AddCursor(u32 id, TCursorImage image);
    void AddIcon(u32 id, TIconImage image);
    void AddDialog(u32 id, TDialogTemplate dialog);
    void Clear();

    std::optional<std::string> FindString(u32 id) const;
    const TMenuTemplate* FindMenu(u32 id) const;
    const TAccelTable* FindAccelerators(u32 id) const;
    HCURSOR FindCursor(u32 id) const;
    const TIconImage* FindIcon(u32 id) const;
    const TDialogTemplate* FindDialog(u32 id) const;

private:
    struct TCursorEntry {
        TCursorImage Image;
        TCursor Cursor;
    };

    std::map<u32, std::string> Strings;
    std::map<u32, TMenuTemplate> Menus;
    std::map<u32, TAccelTable> Accelerators;
    std::map<u32, TCursorEntry> Cursors;
    std::map<u32, TIconImage> Icons;
    std::map<u32, TDialogTemplate> Dialogs;
};
