// Taking the changed pixels, and drawing them through a renderer or into the window's surface.
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

namespace {

bool SameView(const TSdlViewport& a, const TSdlViewport& b) {
    return a.Shown == b.Shown && a.Picture == b.Picture && a.Whole == b.Whole;
}

SDL_Rect ToSdl(const TRect& r) {
    return {r.left, r.top, r.Width(), r.Height()};
}

// Surfaces this code writes pixels into by hand: 32 bits, blue in the low byte.
bool IsXrgb(const SDL_Surface* s) {
    return s != nullptr && (s->format->format == SDL_PIXELFORMAT_RGB888 ||
                            s->format->format == SDL_PIXELFORMAT_ARGB8888);
}

} // namespace

TSdlPicture::~TSdlPicture() {
    Close();
}

bool TSdlPicture::Open(SDL_Window* window, SDL_Renderer* renderer, TSize desktop,
                       std::string& error) {
    Close();
    Window = window;
    Renderer = renderer;
    Held.Resize(desktop);
    Held.Fill(Held.Bounds(), 0xFF000000U);
    if (Renderer != nullptr) {
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
    } else if (!IsXrgb(SDL_GetWindowSurface(Window))) {
        error = "the window's surface is not of 32-bit pixels";
        return false;
    }
    Invalidate();
    return true;
}

void TSdlPicture::Close() {
    if (Sharp != nullptr)
        SDL_DestroyTexture(Sharp);
    if (Texture != nullptr)
        SDL_DestroyTexture(Texture);
    if (SharpSurface != nullptr)
        SDL_FreeSurface(SharpSurface);
    Sharp = Texture = nullptr;
    SharpSurface = nullptr;
    SharpWhole = 0;
    SharpShown = {};
    Renderer = nullptr;
    Window = nullptr;
}

void TSdlPicture::Invalidate() {
    AllStale = true;
    Stale = SharpStale = Held.Bounds();
    // A renderer may have lost the texture's pixels too.
    if (Texture != nullptr)
        SDL_UpdateTexture(Texture, nullptr, Held.Row(0),
                          Held.GetWidth() * static_cast<int>(sizeof(u32)));
}

TRect TSdlPicture::Take(const TScreenSurface& screen, const TRect& changed) {
    if (Window == nullptr)
        return {};
    const TRect r = DifferingBounds(screen, Held, changed & Held.Bounds());
    if (r.IsEmpty())
        return {};
    for (i32 y = r.top; y < r.bottom; ++y)
        std::memcpy(Held.Row(y) + r.left, screen.Row(y) + r.left,
                    static_cast<size_t>(r.Width()) * sizeof(u32));
    if (Texture != nullptr) {
        const SDL_Rect area = ToSdl(r);
        SDL_UpdateTexture(Texture, &area, Held.Row(r.top) + r.left,
                          Held.GetWidth() * static_cast<int>(sizeof(u32)));
    }
    Stale = Stale | r;
    SharpStale = SharpStale | r;
    return r;
}

i32 TSdlPicture::SharpScale(const TSdlViewport& view) const {
    if (view.IsWhole() || (Renderer != nullptr && !Targets))
        return 1;
    i32 whole = view.Whole;
    // A renderer that limits texture sizes gets the largest whole scale it can hold.
    if (Renderer != nullptr && MaxTexture > 0)
        whole =
            std::min(whole, MaxTexture / std::max({1, view.Shown.Width(), view.Shown.Height()}));
    return std::max(1, whole);
}

void TSdlPicture::Show(const TSdlViewport& view) {
    if (Window == nullptr)
        return;
    if (!SameView(view, Shown)) {
        AllStale = true;
        Shown = view;
    }
    if (Renderer != nullptr)
        ShowRendered(view);
    else
        ShowOnSurface(view);
    AllStale = false;
    Stale = {};
}

// ---- With a renderer.

SDL_Texture* TSdlPicture::SharpTexture(const TSdlViewport& view) {
    const i32 whole = SharpScale(view);
    if (whole <= 1) {
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
                                  view.Shown.Width() * whole, view.Shown.Height() * whole);
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
        const SDL_Rect from = ToSdl(stale);
        const SDL_Rect to =
            ToSdl({{(stale.left - view.Shown.left) * whole, (stale.top - view.Shown.top) * whole},
                   TSize{stale.Width() * whole, stale.Height() * whole}});
        SDL_RenderCopy(Renderer, Texture, &from, &to);
        SDL_SetRenderTarget(Renderer, nullptr);
    }
    SharpStale = {};
    return Sharp;
}

void TSdlPicture::DrawRendered(const TSdlViewport& view) {
    SDL_Texture* sharp = SharpTexture(view);
    SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
    SDL_RenderClear(Renderer);
    const SDL_Rect target = ToSdl(view.Picture);
    if (sharp != nullptr) {
        SDL_RenderCopy(Renderer, sharp, nullptr, &target);
        return;
    }
    // Whole scales stay square pixels; a picture smaller than the desktop's pixels is smoothed.
    SDL_SetTextureScaleMode(Texture, view.IsWhole() ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    const SDL_Rect from = ToSdl(view.Shown);
    SDL_RenderCopy(Renderer, Texture, &from, &target);
}

void TSdlPicture::ShowRendered(const TSdlViewport& view) {
    DrawRendered(view);
    SDL_RenderPresent(Renderer);
}

// ---- Into the window's surface.

void TSdlPicture::Enlarge(const TRect& part, const TRect& shown, i32 scale, SDL_Surface* to,
                          TPoint at) {
    const TRect r = part & shown & Held.Bounds();
    if (r.IsEmpty())
        return;
    const i32 left = at.x + (r.left - shown.left) * scale;
    const i32 width = r.Width() * scale;
    // Never past the surface, whatever the viewport says.
    if (left < 0 || left + width > to->w)
        return;
    const size_t rowBytes = static_cast<size_t>(width) * sizeof(u32);
    for (i32 y = r.top; y < r.bottom; ++y) {
        const i32 top = at.y + (y - shown.top) * scale;
        if (top < 0 || top + scale > to->h)
            continue;
        auto* row = reinterpret_cast<u32*>(static_cast<u8*>(to->pixels) +
                                           static_cast<size_t>(top) * to->pitch) +
                    left;
        const u32* from = Held.Row(y) + r.left;
        u32* out = row;
        // The window's own scales, 1 and 2, written without the inner loop.
        if (scale == 1) {
            std::memcpy(out, from, rowBytes);
        } else if (scale == 2) {
            for (i32 x = 0; x < r.Width(); ++x, out += 2)
                out[0] = out[1] = from[x];
        } else {
            for (i32 x = 0; x < r.Width(); ++x)
                for (i32 k = 0; k < scale; ++k)
                    *out++ = from[x];
        }
        for (i32 k = 1; k < scale; ++k)
            std::memcpy(reinterpret_cast<u8*>(row) + static_cast<size_t>(k) * to->pitch, row,
                        rowBytes);
    }
}

void TSdlPicture::ShowOnSurface(const TSdlViewport& view) {
    SDL_Surface* surface = SDL_GetWindowSurface(Window);
    if (!IsXrgb(surface))
        return;
    if (AllStale)
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    const TRect& p = view.Picture;
    if (view.IsWhole()) {
        const TRect part = AllStale ? view.Shown : (Stale & view.Shown);
        if (part.IsEmpty() && !AllStale)
            return;
        Enlarge(part, view.Shown, view.Whole, surface, p.TopLeft());
        if (AllStale) {
            SDL_UpdateWindowSurface(Window);
            return;
        }
        // Only the changed blocks go to the window system.
        const SDL_Rect sent = ToSdl({{p.left + (part.left - view.Shown.left) * view.Whole,
                                      p.top + (part.top - view.Shown.top) * view.Whole},
                                     TSize{part.Width() * view.Whole, part.Height() * view.Whole}});
        SDL_UpdateWindowSurfaceRects(Window, &sent, 1);
        return;
    }
    // Not a whole scale: the whole-scale picture, changed where the desktop changed, smoothed
    // down whole into the window.
    const i32 whole = SharpScale(view);
    SDL_Surface* from = nullptr;
    SDL_Rect fromRect{};
    if (whole > 1) {
        if (SharpSurface == nullptr || whole != SharpWhole || view.Shown != SharpShown) {
            if (SharpSurface != nullptr)
                SDL_FreeSurface(SharpSurface);
            SharpSurface = SDL_CreateRGBSurfaceWithFormat(0, view.Shown.Width() * whole,
                                                          view.Shown.Height() * whole, 32,
                                                          surface->format->format);
            if (SharpSurface == nullptr)
                return;
            SharpWhole = whole;
            SharpShown = view.Shown;
            SharpStale = Held.Bounds();
        }
        Enlarge(SharpStale, view.Shown, whole, SharpSurface, {0, 0});
        SharpStale = {};
        from = SharpSurface;
        fromRect = {0, 0, SharpSurface->w, SharpSurface->h};
    } else {
        // Smaller than the desktop's pixels: smoothed straight from them.
        from = SDL_CreateRGBSurfaceWithFormatFrom(
            Held.Row(0), Held.GetWidth(), Held.GetHeight(), 32,
            Held.GetWidth() * static_cast<int>(sizeof(u32)), surface->format->format);
        fromRect = ToSdl(view.Shown);
    }
    if (from == nullptr)
        return;
    SDL_Rect to = ToSdl(p);
    SDL_SoftStretchLinear(from, &fromRect, surface, &to);
    if (from != SharpSurface)
        SDL_FreeSurface(from);
    SDL_UpdateWindowSurfaceRects(Window, &to, 1);
    if (AllStale)
        SDL_UpdateWindowSurface(Window);
}

bool TSdlPicture::Read(const TSdlViewport& view, TScreenSurface& out) {
    if (Window == nullptr)
        return false;
    if (Renderer != nullptr) {
        int w = 0;
        int h = 0;
        if (SDL_GetRendererOutputSize(Renderer, &w, &h) != 0 || w <= 0 || h <= 0)
            return false;
        // What was presented is gone from the back buffer; draw it again before reading.
        DrawRendered(view);
        out.Resize({w, h});
        const bool ok = SDL_RenderReadPixels(Renderer, nullptr, SDL_PIXELFORMAT_ARGB8888,
                                             out.Row(0), w * static_cast<int>(sizeof(u32))) == 0;
        SDL_RenderPresent(Renderer);
        return ok;
    }
    Show(view);
    SDL_Surface* surface = SDL_GetWindowSurface(Window);
    if (!IsXrgb(surface))
        return false;
    out.Resize({surface->w, surface->h});
    for (i32 y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const u32*>(static_cast<const u8*>(surface->pixels) +
                                                       static_cast<size_t>(y) * surface->pitch);
        for (i32 x = 0; x < surface->w; ++x)
            out.Row(y)[x] = row[x] | 0xFF000000U;
    }
    return true;
}
