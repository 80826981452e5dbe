// The host window's renderer, chosen for what a frame costs.
#pragma once

struct SDL_Window;
struct SDL_Renderer;

// True for the GL renderer strings of GL libraries that draw on the processor (Mesa's
// llvmpipe, softpipe and swrast).
bool IsSoftwareGl(const char* glRenderer);

// SDL's own choice of renderer, except where that is OpenGL drawn on the processor: SDL's
// software renderer then does the same for a fraction of the cost, since it only copies
// pixels. A driver named in SDL_RENDER_DRIVER is left as named. Null when none can be made.
SDL_Renderer* CreateSdlRenderer(SDL_Window* window);
