// Accelerator tables: keys that become commands before they become characters.
#pragma once

#include "platform/framework/WinTypes.h"
#include "platform/framework/window/Module.h"

HACCEL LoadAcceleratorsA(const TModule* module, u32 id);
inline HACCEL LoadAccelerators(const TModule* module, u32 id) {
    return LoadAcceleratorsA(module, id);
}

// The command the table gives the message's key with the modifiers held now; 0 when none.
u32 FindAcceleratorCommand(HACCEL table, const MSG& msg);

// Sends WM_COMMAND (high word 1) to the window when the message is a key of the table and
// the window is enabled; true when the key was taken.
bool TranslateAccelerator(HWND window, HACCEL table, const MSG& msg);
