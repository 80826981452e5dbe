// The desktop's pixels in the host window: uploaded only where they changed, drawn sharp at any
// size, presented only when something shown changed.
#pragma once

#include "SdlViewport.h"
#include "platform/framework/draw/Surface.h"

#include <string>

struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;
struct SDL_Window;

// The bounds of the pixels of the rectangle that differ between two surfaces of one size;
// empty when none do.
TRect DifferingBounds(const TScreenSurface& a, const TScreenSurface& b, const TRect& within);

// Two ways to the screen. With a renderer (a graphics card's), the desktop is a texture and
// every changed frame is drawn whole, which costs the card next to nothing. Without one the
// picture is drawn on the processor straight into the window's own surface, and at a whole
// scale only the changed part is drawn and sent to the window system.
class TSdlPicture {
public:
    TSdlPicture() = default;
    ~TSdlPicture();
    TSdlPicture(const TSdlPicture&) = delete;
    TSdlPicture& operator=(const TSdlPicture&) = delete;

    // A null renderer draws into the window's surface.
    bool Open(SDL_Window* window, SDL_Renderer* renderer, TSize desktop, std::string& error);
    void Close();

    // Takes the desktop's pixels within the changed rectangle, keeping only those that differ
    // from what was taken before; answers the rectangle that did (empty: nothing to show).
    TRect Take(const TScreenSurface& screen, const TRect& changed);
    // Shows what was taken since the last showing; the whole window after Invalidate or when
    // the viewport changed.
    void Show(const TSdlViewport& view);
    // The window must be drawn whole next time (exposed, resized, or its renderer lost what
    // its textures held).
    void Invalidate();
    // The window's pixels as last shown, at its own size.
    bool Read(const TSdlViewport& view, TScreenSurface& out);

private:
    void ShowRendered(const TSdlViewport& view);
    void DrawRendered(const TSdlViewport& view);
    SDL_Texture* SharpTexture(const TSdlViewport& view);
    void ShowOnSurface(const TSdlViewport& view);
    // Copies desktop pixels into a 32-bit surface at a whole scale, origin at the shown area.
    void Enlarge(const TRect& part, const TRect& shown, i32 scale, SDL_Surface* to, TPoint at);
    // The whole scale the sharp picture can be made at (1: none is made).
    i32 SharpScale(const TSdlViewport& view) const;

    SDL_Window* Window = nullptr;
    SDL_Renderer* Renderer = nullptr;
    SDL_Texture* Texture = nullptr;
    SDL_Texture* Sharp = nullptr;
    SDL_Surface* SharpSurface = nullptr;
    // What the sharp picture shows and at which scale.
    TRect SharpShown;
    i32 SharpWhole = 0;
    // The desktop pixels as last taken.
    TScreenSurface Held;
    // Desktop pixels taken since the window, and the sharp picture, last showed them.
    TRect Stale;
    TRect SharpStale;
    // The viewport last shown, and whether the whole window must be drawn again.
    TSdlViewport Shown;
    bool AllStale = true;
    i32 MaxTexture = 0;
    bool Targets = false;
};
