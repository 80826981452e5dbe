// TCursorData: which cursor to show, as a module and a cursor resource id.
#pragma once

#include "platform/host/Types.h"

class TModule;

// A null module names a system cursor; an id of 0 means "no cursor".
struct TCursorData {
    TCursorData() = default;
    TCursorData(TModule* module, u32 id) : Module(module), Id(id) {}

    bool IsSet() const { return Id != 0; }
    friend bool operator==(const TCursorData&, const TCursorData&) = default;

    TModule* Module = nullptr;
    u32 Id = 0;
};
