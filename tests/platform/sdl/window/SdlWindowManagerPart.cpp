// Test support: the window manager's part, through Xlib's calls in the library SDL itself
// uses (apart from the tests, whose names Xlib's macros would clash with).
#include "SdlWindowManagerPart.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)

bool DropMaximizedLikeAWindowManager(SDL_Window* window) {
    using TInternAtom = Atom (*)(Display*, const char*, Bool);
    using TChangeProperty =
        int (*)(Display*, Window, Atom, Atom, int, int, const unsigned char*, int);
    using TFlush = int (*)(Display*);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
        return false;
    void* xlib = SDL_LoadObject("libX11.so.6");
    if (xlib == nullptr)
        return false;
    const auto internAtom = reinterpret_cast<TInternAtom>(SDL_LoadFunction(xlib, "XInternAtom"));
    const auto changeProperty =
        reinterpret_cast<TChangeProperty>(SDL_LoadFunction(xlib, "XChangeProperty"));
    const auto flush = reinterpret_cast<TFlush>(SDL_LoadFunction(xlib, "XFlush"));
    const bool loaded = internAtom != nullptr && changeProperty != nullptr && flush != nullptr;
    if (loaded) {
        Display* display = info.info.x11.display;
        const Atom full = internAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
        changeProperty(display, info.info.x11.window, internAtom(display, "_NET_WM_STATE", False),
                       XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&full),
                       1);
        flush(display);
    }
    SDL_UnloadObject(xlib);
    return loaded;
}

#else

bool DropMaximizedLikeAWindowManager(SDL_Window*) {
    return false;
}

#endif
