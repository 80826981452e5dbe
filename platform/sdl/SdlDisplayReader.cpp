// The display's room and the window manager's decorations as SDL tells them.
#include "SdlDisplayReader.h"

#include <SDL2/SDL.h>

TSdlDisplayReader SdlDisplayReader() {
    TSdlDisplayReader reader;
    reader.ReadUsable = [](int display, TRect& usable) {
        SDL_Rect r{};
        if (SDL_GetDisplayUsableBounds(display, &r) != 0 && SDL_GetDisplayBounds(display, &r) != 0)
            return false;
        usable = {r.x, r.y, r.x + r.w, r.y + r.h};
        return true;
    };
    reader.ReadBorders = [](SDL_Window* window, TSdlFrameEdges& e) {
        return SDL_GetWindowBordersSize(window, &e.Top, &e.Left, &e.Bottom, &e.Right) == 0;
    };
    return reader;
}
