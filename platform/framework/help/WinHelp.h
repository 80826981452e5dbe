// WinHelp: the program's requests for its help file, shown in the help window and kept as the
// latest request.
#pragma once

#include "platform/framework/WinTypes.h"

#include <optional>
#include <string>

class THelpWindow;

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
// without a path. Otherwise the request is kept as the latest one. HELP_QUIT closes the help
// window; any other command reads the help file and shows the topic of the context
// (HELP_CONTEXT; the contents for an id the file does not hold) or the contents in the help
// window, which a second request reuses. A help file that is missing or damaged is reported
// in a message box and the answer is false.
bool WinHelpA(HWND window, const char* path, u32 command, u32 data);
inline bool WinHelp(HWND window, const char* path, u32 command, u32 data) {
    return WinHelpA(window, path, command, data);
}

// The latest accepted request; empty before the first one or after a clear.
std::optional<TWinHelpRequest> GetLastWinHelpRequest();
void ClearWinHelpRequests();

// The help window while it is up, or null.
THelpWindow* GetHelpWindow();
