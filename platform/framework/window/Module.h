// TModule: where the program's resources are looked up by id.
#pragma once

#include "Cursor.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinTypes.h"

#include <string>

using HACCEL = const TAccelTable*;

class TModule {
public:
    explicit TModule(const char* name = nullptr) : Name(name != nullptr ? name : "") {}
    virtual ~TModule() = default;
    TModule(const TModule&) = delete;
    TModule& operator=(const TModule&) = delete;

    const std::string& GetName() const { return Name; }

    // The old system's call: copies at most bufferSize - 1 characters and a terminator and
    // returns the number copied; 0 (and an empty buffer) when the string is absent.
    int LoadString(u32 id, char* buffer, int bufferSize) const;
    // The whole string; empty when absent.
    std::string LoadString(u32 id) const;
    bool HasString(u32 id) const;

    // A new menu the caller owns, or null when there is no such menu.
    HMENU LoadMenu(u32 id) const;
    const TMenuTemplate* FindMenuResource(u32 id) const;
    HACCEL LoadAccelerators(u32 id) const;
    HCURSOR LoadCursor(u32 id) const;

private:
    std::string Name;
};
