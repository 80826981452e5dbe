// Renderer choice: the accelerated one unless its GL is software, then SDL's software one.
#include "SdlRenderer.h"

#include <SDL2/SDL.h>

#include <cstring>
#include <initializer_list>

namespace {

constexpr unsigned GlRendererName = 0x1F01;

// The GL renderer string of the renderer's context, or null for renderers that are not GL.
const char* GlRendererOf(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr ||
        std::strncmp(info.name, "opengl", 6) != 0 || SDL_GL_GetCurrentContext() == nullptr)
        return nullptr;
    using TGetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<TGetString>(SDL_GL_GetProcAddress("glGetString"));
    return getString != nullptr ? reinterpret_cast<const char*>(getString(GlRendererName))
                                : nullptr;
}

int SoftwareDriverIndex() {
    const int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info{};
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && info.name != nullptr &&
            std::strcmp(info.name, "software") == 0)
            return i;
    }
    return -1;
}

} // namespace

bool IsSoftwareGl(const char* glRenderer) {
    if (glRenderer == nullptr)
        return false;
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(glRenderer, name) != nullptr)
            return true;
    return false;
}

SDL_Renderer* CreateSdlRenderer(SDL_Window* window) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (renderer != nullptr && (named == nullptr || *named == '\0') &&
        IsSoftwareGl(GlRendererOf(renderer))) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
        if (const int software = SoftwareDriverIndex(); software >= 0)
            renderer = SDL_CreateRenderer(window, software, SDL_RENDERER_SOFTWARE);
        // Whatever refused the software renderer, the GL one worked a moment ago.
        if (renderer == nullptr)
            renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    }
    if (renderer == nullptr)
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    return renderer;
}
