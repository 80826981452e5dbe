// Uploading the changed pixels, the whole-scale picture and the smoothed one, presenting.
#include "SdlPicture.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>

TRect DifferingBounds(const TScreenSurface& a, const TScreenSurface& b, const TRect& within) {
    if (a.GetSize() != b.GetSize())
        return within & a.Bounds();
    const TRect r = within & a.Bounds();
    if (r.IsEmpty())
        return {};
    const size_t bytes = static_cast<size_t>(r.Width()) * sizeof(u32);
    TRect found;
    for (i32 y = r.top; y < r.bottom; ++y) {
        const u32* pa = a.Row(y) + r.left;
        const u32* pb = b.Row(y) + r.left;
        if (std::memcmp(pa, pb, bytes) == 0)
            continue;
        i32 left = 0;
        while (pa[left] == pb[left])
            ++left;
        i32 right = r.Width() - 1;
        while (pa[right] == pb[right])
            --right;
        found = found | TRect{r.left + left, y, r.left + right + 1, y + 1};
    }
    return found;
}

TSdlPicture::~TSdlPicture() {
    Close();
}

bool TSdlPicture::Open(SDL_Renderer* renderer, TSize desktop, std::string& error) {
    Close();
    Renderer = renderer;
    Texture = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                desktop.cx, desktop.cy);
    if (Texture == nullptr) {
        error = SDL_GetError();
        return false;
    }
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(Renderer, &info) == 0)
        MaxTexture = std::min(info.max_texture_width, info.max_texture_height);
    Targets = SDL_RenderTargetSupported(Renderer) == SDL_TRUE;
    // The texture starts as what Held says it holds, so that only real changes are uploaded.
    Held.Resize(desktop);
    Held.Fill(Held.Bounds(), 0);
    Restore();
    return true;
}

void TSdlPicture::Close() {
    if (Sharp != nullptr)
        SDL_DestroyTexture(Sharp);
    if (Texture != nullptr)
        SDL_DestroyTexture(Texture);
    Sharp = Texture = nullptr;
    SharpWhole = 0;
    SharpShown = {};
    Renderer = nullptr;
}

void TSdlPicture::Restore() {
    if (Texture == nullptr)
        return;
    SDL_UpdateTexture(Texture, nullptr, Held.Row(0),
                      Held.GetWidth() * static_cast<int>(sizeof(u32)));
    SharpStale = Held.Bounds();
}

TRect TSdlPicture::Take(const TScreenSurface& screen, const TRect& changed) {
    if (Texture == nullptr)
        return {};
    const TRect r = DifferingBounds(screen, Held, changed & Held.Bounds());
    if (r.IsEmpty())
        return {};
    for (i32 y = r.top; y < r.bottom; ++y)
        std::memcpy(Held.Row(y) + r.left, screen.Row(y) + r.left,
                    static_cast<size_t>(r.Width()) * sizeof(u32));
    const SDL_Rect area{r.left, r.top, r.Width(), r.Height()};
    SDL_UpdateTexture(Texture, &area, Held.Row(r.top) + r.left,
                      Held.GetWidth() * static_cast<int>(sizeof(u32)));
    SharpStale = SharpStale | r;
    return r;
}

SDL_Texture* TSdlPicture::SharpFor(const TSdlViewport& view) {
    const i32 w = view.Shown.Width();
    const i32 h = view.Shown.Height();
    i32 whole = view.Whole;
    // A renderer that limits texture sizes gets the largest whole scale it can hold.
    if (MaxTexture > 0)
        whole = std::min(whole, MaxTexture / std::max({1, w, h}));
    if (view.IsWhole() || whole <= 1 || !Targets) {
        if (Sharp != nullptr)
            SDL_DestroyTexture(Sharp);
        Sharp = nullptr;
        SharpWhole = 0;
        return nullptr;
    }
    if (Sharp == nullptr || whole != SharpWhole || view.Shown != SharpShown) {
        if (Sharp != nullptr)
            SDL_DestroyTexture(Sharp);
        Sharp = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                  w * whole, h * whole);
        if (Sharp == nullptr)
            return nullptr;
        SDL_SetTextureScaleMode(Sharp, SDL_ScaleModeLinear);
        SharpWhole = whole;
        SharpShown = view.Shown;
        SharpStale = Held.Bounds();
    }
    // Only what changed is drawn into the whole-scale picture again.
    const TRect stale = SharpStale & view.Shown;
    if (!stale.IsEmpty()) {
        SDL_SetRenderTarget(Renderer, Sharp);
        SDL_SetTextureScaleMode(Texture, SDL_ScaleModeNearest);
        const SDL_Rect from{stale.left, stale.top, stale.Width(), stale.Height()};
        const SDL_Rect to{(stale.left - view.Shown.left) * whole,
                          (stale.top - view.Shown.top) * whole, stale.Width() * whole,
                          stale.Height() * whole};
        SDL_RenderCopy(Renderer, Texture, &from, &to);
        SDL_SetRenderTarget(Renderer, nullptr);
    }
    SharpStale = {};
    return Sharp;
}

void TSdlPicture::Draw(const TSdlViewport& view) {
    if (Texture == nullptr)
        return;
    SDL_Texture* sharp = SharpFor(view);
    SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
    SDL_RenderClear(Renderer);
    const SDL_Rect target{view.Picture.left, view.Picture.top, view.Picture.Width(),
                          view.Picture.Height()};
    if (sharp != nullptr) {
        SDL_RenderCopy(Renderer, sharp, nullptr, &target);
        return;
    }
    // Whole scales stay square pixels; a picture smaller than the desktop's pixels is smoothed.
    SDL_SetTextureScaleMode(Texture, view.IsWhole() ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    const SDL_Rect from{view.Shown.left, view.Shown.top, view.Shown.Width(), view.Shown.Height()};
    SDL_RenderCopy(Renderer, Texture, &from, &target);
}

void TSdlPicture::Show(const TSdlViewport& view) {
    Draw(view);
    SDL_RenderPresent(Renderer);
}
