// What the SDL backend asks the host of the room its window has: the display's usable bounds and
// the window manager's title bar and borders.
#pragma once

#include "SdlWindowFit.h"

#include <functional>

struct SDL_Window;

// The host answers through SDL. A test answers instead, for a display or a window manager its
// X server has not got: an X server alone has no panels and no decorations to tell.
struct TSdlDisplayReader {
    // The display's bounds less its panels, in the host's screen pixels; false where the host
    // cannot say.
    std::function<bool(int display, TRect& usable)> ReadUsable;
    // The title bar and borders around the window's client area; false where the host cannot
    // say. Asked only once the window is shown and the host's word on it read: a window manager
    // tells none before.
    std::function<bool(SDL_Window* window, TSdlFrameEdges& edges)> ReadBorders;
};

// SDL's answers: the usable bounds, or the display's whole bounds where it knows no panels.
TSdlDisplayReader SdlDisplayReader();
