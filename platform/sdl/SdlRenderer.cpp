// Renderer choice: the accelerated one unless its GL draws on the processor.
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

} // namespace

bool IsSoftwareGl(const char* glRenderer) {
    if (glRenderer == nullptr)
        return false;
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (std::strstr(glRenderer, name) != nullptr)
            return true;
    return false;
}

SDL_Renderer* CreateCardRenderer(SDL_Window* window) {
    const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (named != nullptr && *named != '\0')
        return SDL_CreateRenderer(window, -1, 0);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    SDL_RendererInfo info{};
    const bool software =
        renderer == nullptr ||
        (SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0) ||
        IsSoftwareGl(GlRendererOf(renderer));
    if (!software)
        return renderer;
    if (renderer != nullptr)
        SDL_DestroyRenderer(renderer);
    if (SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION) == nullptr)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return nullptr;
}
