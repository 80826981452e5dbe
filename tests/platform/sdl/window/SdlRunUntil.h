// Test support: running a real window's loop until the host has done what a step needs.
#pragma once

#include "platform/framework/window/Application.h"
#include "platform/sdl/SdlBackend.h"

#include <SDL2/SDL.h>

#include <chrono>
#include <functional>

// Longer than any machine that works takes, loaded or not: the bound only turns a host that
// never answers into a failure of the step that waited for it.
inline constexpr std::chrono::seconds SdlStepLimit{60};

// Runs the loop until done says the host has done what was asked; false past the limit.
inline bool RunUntil(TApplication& app, const std::function<bool()>& done) {
    const auto start = std::chrono::steady_clock::now();
    while (!done()) {
        if (std::chrono::steady_clock::now() - start > SdlStepLimit)
            return false;
        app.RunFor(20);
    }
    return true;
}

// The picture is laid out for the window's present size: the host has placed and sized the
// window, and a click pushed now lands where it is aimed.
inline bool WindowStands(const TSdlBackend& sdl) {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(SDL_GetWindowFromID(sdl.GetWindowId()), &w, &h);
    const TSdlViewport view = sdl.GetViewport();
    return w > 0 && h > 0 && view.Picture == TSdlViewport::For(view.Shown, {w, h}).Picture;
}
