// The window system's focus, activation, capture and cursor.
#include "Desktop.h"

#include "Window.h"

HWND TDesktop::SetFocus(HWND w) {
    if (w != nullptr && (!IsWindow(w) || w->Sys.Dying))
        return nullptr;
    const HWND old = Focus;
    if (w == old)
        return old;
    if (w != nullptr) {
        // An invisible top-level window (a hidden notification window) takes the focus
        // without becoming the active window.
        const HWND top = TopLevelOf(w);
        if (top != Active && top->Sys.Visible) {
            SetActiveWindow(top);
            if (Focus == w || !IsWindow(w))
                return old;
        }
    }
    const HWND previous = Focus;
    if (previous != nullptr && IsWindow(previous))
        SendMessage(previous, WM_KILLFOCUS, HwndToParam(w), 0);
    Focus = w;
    if (w != nullptr && IsWindow(w))
        SendMessage(w, WM_SETFOCUS, HwndToParam(previous), 0);
    return old;
}

HWND TDesktop::SetActiveWindow(HWND w) {
    if (w != nullptr) {
        w = TopLevelOf(w);
        if (!IsWindow(w) || w->Sys.Dying || !w->Sys.Visible)
            return nullptr;
    }
    const HWND old = Active;
    if (w == old)
        return old;
    const bool appWasActive = AppActive;
    if (old != nullptr && IsWindow(old))
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, old->Sys.Minimized ? 1 : 0),
                    static_cast<LPARAM>(HwndToParam(w)));
    Active = w;
    if (w != nullptr) {
        LastActive = w;
        if (HWND owner = TopLevelOf(w->Parent); owner != nullptr && IsWindow(owner))
            owner->Sys.LastActivePopup = w;
    }
    // The window coming to the front is asked to realise its palette in the foreground, as
    // the old system asked before telling the application it became active.
    if (w != nullptr)
        SendMessage(w, WM_QUERYNEWPALETTE, 0, 0);
    if (!appWasActive && w != nullptr) {
        AppActive = true;
        for (HWND top : std::vector<HWND>(TopZ))
            if (IsWindow(top))
                SendMessage(top, WM_ACTIVATEAPP, 1, 0);
    } else if (appWasActive && w == nullptr) {
        AppActive = false;
        for (HWND top : std::vector<HWND>(TopZ))
            if (IsWindow(top))
                SendMessage(top, WM_ACTIVATEAPP, 0, 0);
        if (Focus != nullptr) {
            const HWND lost = Focus;
            Focus = nullptr;
            if (IsWindow(lost))
                SendMessage(lost, WM_KILLFOCUS, 0, 0);
        }
    }
    // Captions show which window is active.
    if (old != nullptr && IsWindow(old))
        PaintNonClientArea(old);
    if (w != nullptr && IsWindow(w) && Active == w)
        PaintNonClientArea(w);
    if (w != nullptr && IsWindow(w) && Active == w)
        SendMessage(w, WM_ACTIVATE, MAKEWPARAM(PendingActivation, w->Sys.Minimized ? 1 : 0),
                    static_cast<LPARAM>(HwndToParam(old)));
    return old;
}

HWND TDesktop::SetCapture(HWND w) {
    const HWND old = Capture;
    if (IsWindow(w))
        Capture = w;
    return old;
}

bool TDesktop::ReleaseCapture() {
    Capture = nullptr;
    return true;
}

HCURSOR TDesktop::SetCursor(HCURSOR cursor) {
    const HCURSOR old = CurrentCursor;
    if (cursor != old) {
        CurrentCursor = cursor;
        if (Backend != nullptr)
            Backend->SetCursor(cursor);
    }
    return old;
}

bool TDesktop::IsKeyDown(u32 vk) const {
    switch (vk) {
    case VK_SHIFT:
        return ShiftDown;
    case VK_CONTROL:
        return ControlDown;
    case VK_MENU:
        return AltDown;
    default:
        return false;
    }
}
