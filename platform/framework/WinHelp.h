// WinHelp: the program's requests for its help file, kept for the help window to show.
#pragma once

#include "WinTypes.h"

#include <optional>
#include <string>

constexpr u32 HELP_CONTEXT = 0x0001;
constexpr u32 HELP_QUIT = 0x0002;
constexpr u32 HELP_CONTENTS = 0x0003;

struct TWinHelpRequest {
    HWND Window = nullptr;
    // The help file's virtual path, as the program built it.
    std::string Path;
    u32 Command = 0;
    u32 Data = 0;
};

// False without a live window to own the help (the program has no main window yet) or
// without a path. Otherwise the request is kept as the latest one and accepted; there is no
// help window yet to show it.
bool WinHelpA(HWND window, const char* path, u32 command, u32 data);
inline bool WinHelp(HWND window, const char* path, u32 command, u32 data) {
    return WinHelpA(window, path, command, data);
}

// The latest accepted request; empty before the first one or after a clear.
std::optional<TWinHelpRequest> GetLastWinHelpRequest();
void ClearWinHelpRequests();
