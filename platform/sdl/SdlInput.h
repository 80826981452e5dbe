// Host window to desktop: the integer scale and where the desktop sits, and SDL keys as the
// virtual-key codes and characters the window system expects.
#pragma once

#include "platform/framework/Backend.h"
#include "platform/host/Types.h"

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_keycode.h>

// The desktop drawn at a whole-number scale, centred in the host window's drawable area.
struct TSdlViewport {
    i32 Scale = 1;
    i32 OffsetX = 0;
    i32 OffsetY = 0;
    TSize Desktop;

    // The largest whole factor at which the desktop fits in the area; never below 1, so a
    // monitor smaller than the desktop still shows it (cut off) rather than nothing.
    static i32 FitScale(TSize desktop, TSize area);
    // The viewport for a host drawable area of this size.
    static TSdlViewport For(TSize desktop, TSize area);
    // Where the desktop goes in the host window.
    TRect HostRect() const;
    // A host window point as a desktop point, clamped onto the desktop so that a drag that
    // leaves the picture still reports its nearest edge.
    TPoint ToDesktop(i32 hostX, i32 hostY) const;
};

struct TSdlKey {
    u32 VirtualKey = 0;
    // The character the press types; 0 for keys that type none.
    u32 Char = 0;
};

// Keys the program knows nothing of give virtual key 0. Characters follow the US layout for
// shifted symbols; letters follow the host's layout, which SDL already applies to the key
// code. Esc types no character: it must reach the accelerators as a key.
TSdlKey MapSdlKey(SDL_Keycode key, u16 modifiers);

// What a host event means to the backend.
enum class TSdlEventUse {
    None,
    // It became window-system input.
    Input,
    // The window needs drawing again (it was exposed).
    Redraw,
    // The window's size changed: the viewport must be worked out again, then drawn.
    Resized,
};

// A host event of the desktop's window (windowId) as window-system input. modState is the
// keyboard's modifier state, which mouse events do not carry themselves.
TSdlEventUse TranslateSdlEvent(const SDL_Event& e, const TSdlViewport& view, u32 windowId,
                               u16 modState, TInputEvent& event);
