// The host window's renderer, chosen for what a frame costs.
#pragma once

struct SDL_Window;
struct SDL_Renderer;

// True for the GL renderer strings of GL libraries that draw on the processor (Mesa's
// llvmpipe, softpipe and swrast).
bool IsSoftwareGl(const char* glRenderer);

// SDL's accelerated renderer where a graphics card draws; null where drawing would be done on
// the processor anyway (no accelerated renderer, or OpenGL drawn by Mesa on the processor, at
// several times the cost of copying the pixels oneself): the picture is then drawn straight
// into the window's surface, which SDL is told to keep in the window system's own shared memory
// rather than behind yet another GL texture. A driver named in SDL_RENDER_DRIVER is made as
// named.
SDL_Renderer* CreateCardRenderer(SDL_Window* window);
