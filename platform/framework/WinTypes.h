// Message parameters, window handles and the message record, with the old system's shapes.
#pragma once

#include "Geometry.h"
#include "platform/host/Types.h"

#include <cstdint>

class TWindow;
class TMenu;

// A window handle is the window object itself; a destroyed window's pointer is never
// dereferenced because the window system checks it against the set of live windows.
using HWND = TWindow*;
using HMENU = TMenu*;

// Wide enough to carry a window or menu pointer, as on the 64-bit old system.
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr u16 LOWORD(std::uintptr_t v) {
    return static_cast<u16>(v & 0xFFFF);
}
constexpr u16 HIWORD(std::uintptr_t v) {
    return static_cast<u16>((v >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(u16 lo, u16 hi) {
    return static_cast<WPARAM>(lo) | (static_cast<WPARAM>(hi) << 16);
}
constexpr LPARAM MAKELPARAM(u16 lo, u16 hi) {
    return static_cast<LPARAM>(static_cast<u32>(lo) | (static_cast<u32>(hi) << 16));
}
// Mouse positions travel as two signed 16-bit halves.
constexpr LPARAM PointToLParam(const TPoint& p) {
    return MAKELPARAM(static_cast<u16>(p.x), static_cast<u16>(p.y));
}
constexpr TPoint LParamToPoint(LPARAM l) {
    return {static_cast<i16>(LOWORD(static_cast<std::uintptr_t>(l))),
            static_cast<i16>(HIWORD(static_cast<std::uintptr_t>(l)))};
}

inline WPARAM HwndToParam(HWND w) {
    return reinterpret_cast<WPARAM>(w);
}
inline HWND ParamToHwnd(std::uintptr_t v) {
    return reinterpret_cast<HWND>(v);
}

// A posted or generated message as the loop retrieves it.
struct MSG {
    HWND hwnd = nullptr;
    u32 message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    u32 time = 0;
    TPoint pt;
    // The character a key-down produces, for TranslateMessage; 0 for none.
    u32 keyChar = 0;
};

struct MINMAXINFO {
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

// SendMessage to every top-level window; never dereferenced.
inline const HWND HWND_BROADCAST = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xFFFF));
