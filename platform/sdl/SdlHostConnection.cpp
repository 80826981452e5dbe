// The X server connection under an SDL window. Kept apart because Xlib's header defines
// macros (None, Bool, Status...) that clash with the window system's own names.
#include "SdlHostConnection.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

TSdlHostConnection::TSdlHostConnection(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11) && defined(OTCRAPS_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11 || info.info.x11.display == nullptr)
        return;
    Display = info.info.x11.display;
    Fd = ConnectionNumber(info.info.x11.display);
#else
    (void)window;
#endif
}

bool TSdlHostConnection::HasReadEvents() const {
#if defined(SDL_VIDEO_DRIVER_X11) && defined(OTCRAPS_X11)
    return Display != nullptr && XEventsQueued(static_cast<::Display*>(Display), QueuedAlready) > 0;
#else
    return false;
#endif
}
