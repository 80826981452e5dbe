// Cursor pictures made into SDL cursors, kept for as long as the backend lives.
#include "SdlCursor.h"

#include "platform/framework/WinConstants.h"

#include <SDL2/SDL.h>

#include <algorithm>

TCursorImage ScaleCursorImage(const TCursorImage& image, i32 scale) {
    const i64 count = static_cast<i64>(image.Width) * image.Height;
    if (image.Width <= 0 || image.Height <= 0 || scale <= 0 ||
        static_cast<i64>(image.Pixels.size()) < count)
        return {};
    TCursorImage out;
    out.Width = image.Width * scale;
    out.Height = image.Height * scale;
    out.HotX = std::clamp(image.HotX, 0, image.Width - 1) * scale;
    out.HotY = std::clamp(image.HotY, 0, image.Height - 1) * scale;
    out.Pixels.resize(static_cast<size_t>(out.Width) * out.Height);
    for (i32 y = 0; y < out.Height; ++y)
        for (i32 x = 0; x < out.Width; ++x)
            out.Pixels[static_cast<size_t>(y) * out.Width + x] =
                image.Pixels[static_cast<size_t>(y / scale) * image.Width + x / scale];
    return out;
}

TSdlCursors::~TSdlCursors() {
    Clear();
}

void TSdlCursors::Clear() {
    if (Made.empty())
        return;
    // The default cursor goes back before the shown one is freed.
    SDL_SetCursor(SDL_GetDefaultCursor());
    for (auto& [cursor, made] : Made)
        if (made != nullptr)
            SDL_FreeCursor(made);
    Made.clear();
}

void TSdlCursors::SetScale(i32 scale) {
    if (scale == Scale)
        return;
    Scale = scale;
    Clear();
    const HCURSOR shown = Shown;
    Shown = nullptr;
    if (shown != nullptr)
        Show(shown);
}

SDL_Cursor* TSdlCursors::Make(HCURSOR cursor) {
    if (cursor->System || cursor->Image == nullptr) {
        const SDL_SystemCursor id = cursor->System && cursor->Id == IDC_WAIT
                                        ? SDL_SYSTEM_CURSOR_WAIT
                                        : SDL_SYSTEM_CURSOR_ARROW;
        return SDL_CreateSystemCursor(id);
    }
    TCursorImage big = ScaleCursorImage(*cursor->Image, Scale);
    if (big.Pixels.empty())
        return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        big.Pixels.data(), big.Width, big.Height, 32, big.Width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr)
        return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    // SDL copies the pixels into the cursor.
    SDL_Cursor* made = SDL_CreateColorCursor(surface, big.HotX, big.HotY);
    SDL_FreeSurface(surface);
    return made != nullptr ? made : SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
}

void TSdlCursors::Show(HCURSOR cursor) {
    Shown = cursor;
    if (cursor == nullptr) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    auto it = Made.find(cursor);
    if (it == Made.end())
        it = Made.emplace(cursor, Make(cursor)).first;
    SDL_SetCursor(it->second != nullptr ? it->second : SDL_GetDefaultCursor());
    SDL_ShowCursor(SDL_ENABLE);
}
