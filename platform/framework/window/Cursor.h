// Mouse cursors: the system's arrow and wait cursors and the program's own by resource id.
#pragma once

#include "platform/host/Types.h"

#include <vector>

class TModule;

// A cursor picture; resource cursors may come without one until the data set supplies it.
struct TCursorImage {
    i32 Width = 0;
    i32 Height = 0;
    i32 HotX = 0;
    i32 HotY = 0;
    std::vector<u32> Pixels;
};

struct TCursor {
    u32 Id = 0;
    bool System = false;
    const TCursorImage* Image = nullptr;
};

using HCURSOR = const TCursor*;

// A null module asks for a system cursor. Null when there is no such cursor.
HCURSOR LoadCursorA(const TModule* module, u32 id);
inline HCURSOR LoadCursor(const TModule* module, u32 id) {
    return LoadCursorA(module, id);
}

// Shows the cursor and returns the one shown before.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
