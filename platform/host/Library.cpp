// The registry of built-in libraries and their use counts.
#include "Library.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

class THostModule {
public:
    std::vector<TLibraryEntry> Entries;
    int Uses = 0;
};

namespace {

std::string Folded(const std::string& name) {
    std::string s = name;
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Modules stay allocated for the life of the process, so a stale handle is never dangling.
std::map<std::string, std::unique_ptr<THostModule>>& Libraries() {
    static std::map<std::string, std::unique_ptr<THostModule>> libraries;
    return libraries;
}

u32 LastLoadError = 0;

} // namespace

void RegisterBuiltinLibrary(const std::string& fileName, std::vector<TLibraryEntry> entries) {
    auto& slot = Libraries()[Folded(fileName)];
    if (!slot)
        slot = std::make_unique<THostModule>();
    slot->Entries = std::move(entries);
}

void UnregisterBuiltinLibraries() {
    for (auto& [name, module] : Libraries()) {
        module->Entries.clear();
        module->Uses = 0;
    }
}

THostModule* LoadLibraryA(const std::string& fileName) {
    const auto it = Libraries().find(Folded(fileName));
    if (it == Libraries().end() || it->second->Entries.empty()) {
        LastLoadError = LOAD_ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    LastLoadError = 0;
    ++it->second->Uses;
    return it->second.get();
}

u32 GetLastLoadError() {
    return LastLoadError;
}

TProcAddress GetProcAddress(THostModule* module, const std::string& name) {
    if (module == nullptr || module->Uses <= 0)
        return nullptr;
    const auto it = std::find_if(module->Entries.begin(), module->Entries.end(),
                                 [&](const TLibraryEntry& e) { return name == e.Name; });
    return it != module->Entries.end() ? it->Address : nullptr;
}

bool FreeLibrary(THostModule* module) {
    if (module == nullptr || module->Uses <= 0)
        return false;
    --module->Uses;
    return true;
}

int GetModuleUseCount(const THostModule* module) {
    return module != nullptr ? module->Uses : 0;
}
