// The old system's window calls by their own names, over the window system.
#pragma once

#include "WinConstants.h"
#include "WinTypes.h"
#include "platform/framework/menus/Accelerators.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/window/Cursor.h"
#include "platform/framework/window/Desktop.h"

bool PostMessage(HWND window, u32 msg, WPARAM wp, LPARAM lp);
inline bool PostMessageA(HWND window, u32 msg, WPARAM wp, LPARAM lp) {
    return PostMessage(window, msg, wp, lp);
}
LRESULT SendMessage(HWND window, u32 msg, WPARAM wp, LPARAM lp);
inline LRESULT SendMessageA(HWND window, u32 msg, WPARAM wp, LPARAM lp) {
    return SendMessage(window, msg, wp, lp);
}
void PostQuitMessage(int exitCode);

u32 SetTimer(HWND window, u32 id, u32 elapseMs, void (*callback)() = nullptr);
bool KillTimer(HWND window, u32 id);

int GetSystemMetrics(int index);
HWND FindWindowA(const char* className, const char* windowName);
inline HWND FindWindow(const char* className, const char* windowName) {
    return FindWindowA(className, windowName);
}
bool IsWindow(HWND window);
bool DestroyWindow(HWND window);

bool GetCursorPos(TPoint* point);
bool ScreenToClient(HWND window, TPoint* point);
bool ClientToScreen(HWND window, TPoint* point);
HWND WindowFromPoint(TPoint point);
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND window);
HWND GetFocus();
HWND GetActiveWindow();

bool ShowWindow(HWND window, int cmd);
bool IsWindowVisible(HWND window);
bool EnableWindow(HWND window, bool enable);
bool IsWindowEnabled(HWND window);
bool IsIconic(HWND window);
bool OpenIcon(HWND window);
bool BringWindowToTop(HWND window);
HWND GetLastActivePopup(HWND window);
bool MoveWindow(HWND window, i32 x, i32 y, i32 cx, i32 cy, bool repaint);
bool SetWindowPos(HWND window, HWND insertAfter, i32 x, i32 y, i32 cx, i32 cy, u32 flags);
bool GetWindowRect(HWND window, TRect* rect);
bool GetClientRect(HWND window, TRect* rect);
bool SetWindowTextA(HWND window, const char* text);

bool InvalidateRect(HWND window, const TRect* rect, bool erase);
bool ValidateRect(HWND window, const TRect* rect);
bool UpdateWindow(HWND window);
// The RDW_ flags this layer honours: invalidate (with erase) the rectangle, or the whole
// client area when it is null, of the window and with RDW_ALLCHILDREN of all its
// descendants; RDW_UPDATENOW then paints them at once. False for a dead window.
bool RedrawWindow(HWND window, const TRect* update, u32 flags);
// The desktop has no window object of its own: null, which GetDC and GetWindowDC take
// for the whole screen.
HWND GetDesktopWindow();

// The system's alert sound; there is none to play, so beeps are only counted (tests read
// the count). -1 (0xFFFFFFFF) is the plain beep.
bool MessageBeep(u32 type);
int GetMessageBeepCount();

HMENU GetMenu(HWND window);
bool SetMenu(HWND window, HMENU menu);
