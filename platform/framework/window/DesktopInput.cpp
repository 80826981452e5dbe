// The window system's input: backend events become mouse and key messages for windows.
#include "Desktop.h"

#include "ModalLoop.h"
#include "Window.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/host/Clock.h"

#include <algorithm>
#include <cstdlib>

bool TDesktop::TranslateInput(const TInputEvent& event, MSG& msg) {
    // Losing the keyboard, minimising or closing ends a menu session first.
    if (event.Kind != TInputKind::MouseMove && event.Kind != TInputKind::MouseButton &&
        event.Kind != TInputKind::MouseWheel && event.Kind != TInputKind::Key)
        TMenuUi::Get().OnInput(event);
    switch (event.Kind) {
    case TInputKind::MouseMove:
    case TInputKind::MouseButton:
        return TranslateMouse(event, msg);
    case TInputKind::MouseWheel:
        return TranslateWheel(event, msg);
    case TInputKind::Key:
        return TranslateKey(event, msg);
    case TInputKind::AppActive:
        if (!event.Down) {
            SetActiveWindow(nullptr);
        } else if (!AppActive) {
            HWND next = LastActive != nullptr && IsShowing(LastActive) ? LastActive : nullptr;
            for (HWND top : TopZ)
                if (next == nullptr && IsShowing(top))
                    next = top;
            SetActiveWindow(next);
        }
        return false;
    case TInputKind::Minimize:
        if (IsWindow(MainWindow))
            ShowWindow(MainWindow, SW_MINIMIZE);
        return false;
    case TInputKind::Restore:
        if (IsWindow(MainWindow))
            ShowWindow(MainWindow, SW_RESTORE);
        return false;
    case TInputKind::Close:
        // Under an open dialog or box the request waits for them to unwind (TModalLoop).
        if (TModalLoop::AnyOpen())
            RequestClose();
        else if (IsWindow(MainWindow))
            PostMessage(MainWindow, WM_CLOSE, 0, 0);
        return false;
    }
    return false;
}

bool TDesktop::TranslateMouse(const TInputEvent& event, MSG& msg) {
    CursorPos = {std::clamp(event.Pos.x, 0, std::max(0, Screen.GetWidth() - 1)),
                 std::clamp(event.Pos.y, 0, std::max(0, Screen.GetHeight() - 1))};
    ShiftDown = event.Shift;
    ControlDown = event.Control;
    AltDown = event.Alt;
    u32 mouseMsg = WM_MOUSEMOVE;
    if (event.Kind == TInputKind::MouseButton) {
        const bool left = event.Button == TMouseButton::Left;
        (left ? LeftDown : RightDown) = event.Down;
        if (left)
            mouseMsg = event.Down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        else
            mouseMsg = event.Down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    }
    // A menu session takes the mouse; a press on a menu bar starts one.
    if (TMenuUi::Get().OnInput(event))
        return false;
    if (FollowCaptionDrag(mouseMsg))
        return false;
    const bool buttonDown = mouseMsg == WM_LBUTTONDOWN || mouseMsg == WM_RBUTTONDOWN;

    HWND target = nullptr;
    if (Capture != nullptr && IsWindow(Capture)) {
        // The capture holder gets every mouse message, wherever the mouse is, and no
        // set-cursor messages.
        target = Capture;
    } else {
        int hit = HTNOWHERE;
        target = HitTest(CursorPos, hit);
        if (target == nullptr)
            return false;
        if (buttonDown && hit != HTERROR) {
            const HWND top = TopLevelOf(target);
            if (top != Active) {
                PendingActivation = WA_CLICKACTIVE;
                SetActiveWindow(top);
                PendingActivation = WA_ACTIVE;
                if (!IsWindow(target))
                    return false;
            }
        }
        SendMessage(
            target, WM_SETCURSOR, HwndToParam(target),
            MAKELPARAM(static_cast<u16>(static_cast<i16>(hit)), static_cast<u16>(mouseMsg)));
        if (mouseMsg == WM_LBUTTONDOWN && IsWindow(target))
            StartCaptionDrag(target, hit);
        if (!IsWindow(target) || hit != HTCLIENT)
            return false;
    }

    const u64 now = GetTickCount64();
    if (buttonDown) {
        const bool wantsDouble = (target->Sys.Class.style & CS_DBLCLKS) != 0;
        if (wantsDouble && LastClick.Window == target && LastClick.Message == mouseMsg &&
            now - LastClick.Time <= DoubleClickMs &&
            std::abs(LastClick.Pos.x - CursorPos.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
            std::abs(LastClick.Pos.y - CursorPos.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2) {
            LastClick = {};
            mouseMsg += 2;
        } else {
            LastClick = {target, mouseMsg, now, CursorPos};
        }
    }

    const u32 keys = MouseKeyFlags();
    msg = MSG{};
    msg.hwnd = target;
    msg.message = mouseMsg;
    msg.wParam = keys;
    msg.lParam = PointToLParam(ScreenToClient(target, CursorPos));
    msg.time = static_cast<u32>(now);
    msg.pt = CursorPos;
    return true;
}

bool TDesktop::TranslateKey(const TInputEvent& event, MSG& msg) {
    ShiftDown = event.Shift;
    ControlDown = event.Control;
    AltDown = event.Alt;
    // Alt, F10 and Alt+letter open the menu bar; a menu session takes every key.
    if (TMenuUi::Get().OnInput(event))
        return false;
    HWND target = Focus != nullptr ? Focus : Active;
    if (!IsWindow(target))
        return false;
    // A window a modal dialog holds disabled takes no keys: one pressed then is nobody's,
    // rather than waiting in the table's input for the dialog to close.
    if (!IsEffectivelyEnabled(target))
        return false;
    const u32 repeat = event.Repeat == 0 ? 1 : event.Repeat;
    u32 flags = repeat & 0xFFFF;
    if (!event.Down)
        flags |= 0xC0000000U;
    if (event.Alt)
        flags |= KF_ALTDOWN_LPARAM;
    msg = MSG{};
    msg.hwnd = target;
    msg.message = event.Down ? WM_KEYDOWN : WM_KEYUP;
    msg.wParam = event.VirtualKey;
    msg.lParam = static_cast<LPARAM>(flags);
    msg.time = GetTickCount();
    msg.pt = CursorPos;
    msg.keyChar = event.Down ? event.Char : 0;
    return true;
}

bool TDesktop::StartCaptionDrag(HWND w, int hit) {
    // The main window stands for the host window, whose own title bar moves it.
    if (hit != HTCAPTION || !IsTopLevel(w) || w == MainWindow || w->Sys.Minimized ||
        (w->Attr.Style & WS_MAXIMIZE) != 0)
        return false;
    const TRect r = ScreenWindowRect(w);
    CaptionDrag = {w, {CursorPos.x - r.left, CursorPos.y - r.top}};
    return true;
}

bool TDesktop::FollowCaptionDrag(u32 mouseMsg) {
    const HWND w = CaptionDrag.Window;
    if (w == nullptr)
        return false;
    if (!IsWindow(w) || !IsShowing(w) || !w->Sys.Enabled) {
        CaptionDrag = {};
        return false;
    }
    if (mouseMsg == WM_MOUSEMOVE || mouseMsg == WM_LBUTTONUP) {
        // Kept where the player can see it and take hold of it again (SetWindowPos keeps a
        // window other than the main one within what the host shows).
        SetWindowPos(w, CursorPos.x - CaptionDrag.Grip.x, CursorPos.y - CaptionDrag.Grip.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (mouseMsg == WM_LBUTTONUP || !LeftDown)
        CaptionDrag = {};
    // Any other button during the move is the move's, as the window system's move loop takes it.
    return true;
}

bool TDesktop::TranslateWheel(const TInputEvent& event, MSG& msg) {
    CursorPos = {std::clamp(event.Pos.x, 0, std::max(0, Screen.GetWidth() - 1)),
                 std::clamp(event.Pos.y, 0, std::max(0, Screen.GetHeight() - 1))};
    ShiftDown = event.Shift;
    ControlDown = event.Control;
    AltDown = event.Alt;
    // An open menu does not scroll; the turn is dropped rather than ending the session.
    if (event.WheelDelta == 0 || TMenuUi::Get().OnInput(event))
        return false;
    // The window under the mouse scrolls, so a list need not have the focus first; a window a
    // modal dialog has disabled, or a point off every client area, leaves it to the focus.
    HWND target = nullptr;
    if (Capture != nullptr && IsWindow(Capture)) {
        target = Capture;
    } else {
        int hit = HTNOWHERE;
        HWND under = HitTest(CursorPos, hit);
        target = under != nullptr && hit == HTCLIENT ? under : Focus;
    }
    if (!IsWindow(target))
        return false;
    const u32 keys = MouseKeyFlags();
    const i32 delta = std::clamp(event.WheelDelta, -32768, 32767);
    msg = MSG{};
    msg.hwnd = target;
    msg.message = WM_MOUSEWHEEL;
    msg.wParam = MAKEWPARAM(static_cast<u16>(keys), static_cast<u16>(static_cast<i16>(delta)));
    // Screen coordinates, as the old system gives them for the wheel.
    msg.lParam = PointToLParam(CursorPos);
    msg.time = GetTickCount();
    msg.pt = CursorPos;
    return true;
}

u32 TDesktop::MouseKeyFlags() const {
    u32 keys = 0;
    if (LeftDown)
        keys |= MK_LBUTTON;
    if (RightDown)
        keys |= MK_RBUTTON;
    if (ShiftDown)
        keys |= MK_SHIFT;
    if (ControlDown)
        keys |= MK_CONTROL;
    return keys;
}
