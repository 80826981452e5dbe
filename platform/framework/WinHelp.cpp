// WinHelp requests: checked against the live windows and kept as the latest one.
#include "WinHelp.h"

#include "Desktop.h"

namespace {
std::optional<TWinHelpRequest> LastRequest;
} // namespace

bool WinHelpA(HWND window, const char* path, u32 command, u32 data) {
    if (window == nullptr || path == nullptr || !TDesktop::Get().IsWindow(window))
        return false;
    LastRequest = TWinHelpRequest{window, path, command, data};
    return true;
}

std::optional<TWinHelpRequest> GetLastWinHelpRequest() {
    return LastRequest;
}

void ClearWinHelpRequests() {
    LastRequest.reset();
}
