// SDL events as the window system's input: mouse points through the viewport, keys as the
// virtual-key codes and characters the window system expects, and the host's own shortcuts.
#pragma once

#include "SdlViewport.h"
#include "platform/framework/Backend.h"
#include "platform/host/Types.h"

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_keycode.h>

struct TSdlKey {
    u32 VirtualKey = 0;
    // The character the press types; 0 for keys that type none.
    u32 Char = 0;
};

// Keys the program knows nothing of give virtual key 0. Characters follow the US layout for
// shifted symbols; letters follow the host's layout, which SDL already applies to the key
// code. Esc types no character: it must reach the accelerators as a key. A key pressed with Alt
// keeps its character, for a dialog's underlined letters; the window system never types it.
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
    // The renderer lost its textures' contents: they are uploaded and drawn again.
    Restore,
    // F11 or Alt+Enter: the window goes full-screen or back. The program never sees these keys.
    ToggleFullScreen,
};

// F11, or Enter with Alt: the keys that switch full-screen on and off.
bool IsFullScreenKey(SDL_Keycode key, u16 modifiers);

// A host event of the desktop's window (windowId) as window-system input. modState is the
// keyboard's modifier state, which mouse events do not carry themselves.
TSdlEventUse TranslateSdlEvent(const SDL_Event& e, const TSdlViewport& view, u32 windowId,
                               u16 modState, TInputEvent& event);
