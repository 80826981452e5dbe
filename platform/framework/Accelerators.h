// Accelerator tables: keys that become commands before they become characters.
#pragma once

#include "Module.h"
#include "WinTypes.h"

HACCEL LoadAcceleratorsA(const TModule* module, u32 id);
inline HACCEL LoadAccelerators(const TModule* module, u32 id) {
    return LoadAcceleratorsA(module, id);
}

// Sends WM_COMMAND (high word 1) to the window when the message is a key of the table and
// the window is enabled; true when the key was taken.
bool TranslateAccelerator(HWND window, HACCEL table, const MSG& msg);
