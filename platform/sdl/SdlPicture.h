// The desktop's pixels in the host window's renderer: uploaded only where they changed, drawn
// sharp at any size, presented only when something shown changed.
#pragma once

#include "SdlViewport.h"
#include "platform/framework/Surface.h"

#include <string>

struct SDL_Renderer;
struct SDL_Texture;

// The bounds of the pixels of the rectangle that differ between two surfaces of one size;
// empty when none do.
TRect DifferingBounds(const TScreenSurface& a, const TScreenSurface& b, const TRect& within);

class TSdlPicture {
public:
    TSdlPicture() = default;
    ~TSdlPicture();
    TSdlPicture(const TSdlPicture&) = delete;
    TSdlPicture& operator=(const TSdlPicture&) = delete;

    bool Open(SDL_Renderer* renderer, TSize desktop, std::string& error);
    void Close();

    // Takes the desktop's pixels within the changed rectangle, uploading only those that differ
    // from what was taken before; answers the rectangle that did (empty: nothing to show).
    TRect Take(const TScreenSurface& screen, const TRect& changed);
    // Draws the viewport's picture into the renderer's back buffer, black around it.
    void Draw(const TSdlViewport& view);
    // Draws and presents.
    void Show(const TSdlViewport& view);
    // The renderer lost what its textures held: everything is uploaded and drawn again.
    void Restore();

private:
    // The whole-scale picture that a scale that is not whole is smoothed down from; null when
    // the viewport is drawn without one.
    SDL_Texture* SharpFor(const TSdlViewport& view);

    SDL_Renderer* Renderer = nullptr;
    SDL_Texture* Texture = nullptr;
    SDL_Texture* Sharp = nullptr;
    // What the sharp picture shows and at which scale.
    TRect SharpShown;
    i32 SharpWhole = 0;
    // The desktop pixels as last taken, which the texture holds.
    TScreenSurface Held;
    // Desktop pixels taken since the sharp picture was last drawn.
    TRect SharpStale;
    i32 MaxTexture = 0;
    bool Targets = false;
};
