// The old system's window calls, each forwarded to the window system.
#include "WinApi.h"

#include "platform/framework/window/Window.h"

#include <vector>

namespace {
TDesktop& D() {
    return TDesktop::Get();
}
} // namespace

bool PostMessage(HWND window, u32 msg, WPARAM wp, LPARAM lp) {
    return D().PostMessage(window, msg, wp, lp);
}
LRESULT SendMessage(HWND window, u32 msg, WPARAM wp, LPARAM lp) {
    return D().SendMessage(window, msg, wp, lp);
}
void PostQuitMessage(int exitCode) {
    D().PostQuitMessage(exitCode);
}

u32 SetTimer(HWND window, u32 id, u32 elapseMs, void (*)()) {
    return D().SetTimer(window, id, elapseMs);
}
bool KillTimer(HWND window, u32 id) {
    return D().KillTimer(window, id);
}

int GetSystemMetrics(int index) {
    return D().GetSystemMetrics(index);
}
HWND FindWindowA(const char* className, const char* windowName) {
    return D().FindWindow(className, windowName);
}
bool IsWindow(HWND window) {
    return D().IsWindow(window);
}
bool DestroyWindow(HWND window) {
    return D().DestroyWindow(window);
}

bool GetCursorPos(TPoint* point) {
    if (point == nullptr)
        return false;
    *point = D().GetCursorPos();
    return true;
}
bool ScreenToClient(HWND window, TPoint* point) {
    if (point == nullptr || !D().IsWindow(window))
        return false;
    *point = D().ScreenToClient(window, *point);
    return true;
}
bool ClientToScreen(HWND window, TPoint* point) {
    if (point == nullptr || !D().IsWindow(window))
        return false;
    *point = D().ClientToScreen(window, *point);
    return true;
}
HWND WindowFromPoint(TPoint point) {
    return D().WindowFromPoint(point);
}
HWND SetCapture(HWND window) {
    return D().SetCapture(window);
}
bool ReleaseCapture() {
    return D().ReleaseCapture();
}
HWND GetCapture() {
    return D().GetCapture();
}
HWND SetFocus(HWND window) {
    return D().SetFocus(window);
}
HWND GetFocus() {
    return D().GetFocus();
}
HWND GetActiveWindow() {
    return D().GetActiveWindow();
}

bool ShowWindow(HWND window, int cmd) {
    return D().ShowWindow(window, cmd);
}
bool IsWindowVisible(HWND window) {
    return D().IsWindowVisible(window);
}
bool EnableWindow(HWND window, bool enable) {
    return D().EnableWindow(window, enable);
}
bool IsWindowEnabled(HWND window) {
    return D().IsWindowEnabled(window);
}
bool IsIconic(HWND window) {
    return D().IsIconic(window);
}
bool OpenIcon(HWND window) {
    if (!D().IsWindow(window))
        return false;
    D().ShowWindow(window, SW_SHOWNORMAL);
    return true;
}
bool BringWindowToTop(HWND window) {
    return D().BringWindowToTop(window);
}
HWND GetLastActivePopup(HWND window) {
    return D().GetLastActivePopup(window);
}
bool MoveWindow(HWND window, i32 x, i32 y, i32 cx, i32 cy, bool repaint) {
    return D().SetWindowPos(window, x, y, cx, cy,
                            SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}
bool SetWindowPos(HWND window, HWND, i32 x, i32 y, i32 cx, i32 cy, u32 flags) {
    return D().SetWindowPos(window, x, y, cx, cy, flags);
}
bool GetWindowRect(HWND window, TRect* rect) {
    if (rect == nullptr || !D().IsWindow(window))
        return false;
    *rect = D().GetWindowRect(window);
    return true;
}
bool GetClientRect(HWND window, TRect* rect) {
    if (rect == nullptr || !D().IsWindow(window))
        return false;
    *rect = D().GetClientRect(window);
    return true;
}
bool SetWindowTextA(HWND window, const char* text) {
    return D().SetWindowText(window, text != nullptr ? text : "");
}

bool InvalidateRect(HWND window, const TRect* rect, bool erase) {
    return D().InvalidateRect(window, rect, erase);
}
bool ValidateRect(HWND window, const TRect*) {
    return D().ValidateRect(window);
}
bool UpdateWindow(HWND window) {
    return D().UpdateWindow(window);
}
bool RedrawWindow(HWND window, const TRect* update, u32 flags) {
    if (!D().IsWindow(window))
        return false;
    if ((flags & RDW_INVALIDATE) != 0) {
        const bool erase = (flags & RDW_ERASE) != 0;
        D().InvalidateRect(window, update, erase);
        if ((flags & RDW_ALLCHILDREN) != 0) {
            std::vector<HWND> below(window->GetChildren().begin(), window->GetChildren().end());
            for (size_t i = 0; i < below.size(); ++i) {
                D().InvalidateRect(below[i], nullptr, erase);
                below.insert(below.end(), below[i]->GetChildren().begin(),
                             below[i]->GetChildren().end());
            }
        }
    }
    // UpdateWindow paints the window's descendants that need it as well.
    if ((flags & RDW_UPDATENOW) != 0)
        D().UpdateWindow(window);
    return true;
}
HWND GetDesktopWindow() {
    return nullptr;
}

namespace {
int MessageBeeps = 0;
} // namespace
bool MessageBeep(u32) {
    ++MessageBeeps;
    return true;
}
int GetMessageBeepCount() {
    return MessageBeeps;
}

HMENU GetMenu(HWND window) {
    return D().GetMenu(window);
}
bool SetMenu(HWND window, HMENU menu) {
    return D().SetMenu(window, menu);
}
