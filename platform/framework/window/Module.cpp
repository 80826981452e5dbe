// Resource lookups of a module in the process's resource registry.
#include "Module.h"

#include "platform/framework/menus/Menu.h"

#include <algorithm>
#include <cstring>

int TModule::LoadString(u32 id, char* buffer, int bufferSize) const {
    if (buffer == nullptr || bufferSize <= 0)
        return 0;
    const std::optional<std::string> text = TResourceRegistry::Get().FindString(id);
    if (!text) {
        buffer[0] = '\0';
        return 0;
    }
    const size_t count = std::min(text->size(), static_cast<size_t>(bufferSize - 1));
    std::memcpy(buffer, text->data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

std::string TModule::LoadString(u32 id) const {
    return TResourceRegistry::Get().FindString(id).value_or(std::string());
}

bool TModule::HasString(u32 id) const {
    return TResourceRegistry::Get().FindString(id).has_value();
}

HMENU TModule::LoadMenu(u32 id) const {
    return LoadMenuA(this, id);
}

const TMenuTemplate* TModule::FindMenuResource(u32 id) const {
    return TResourceRegistry::Get().FindMenu(id);
}

HACCEL TModule::LoadAccelerators(u32 id) const {
    return TResourceRegistry::Get().FindAccelerators(id);
}

HCURSOR TModule::LoadCursor(u32 id) const {
    return TResourceRegistry::Get().FindCursor(id);
}
