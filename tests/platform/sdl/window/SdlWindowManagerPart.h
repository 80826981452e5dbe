// Test support: a window manager's part, played on an X server that has none.
#pragma once

struct SDL_Window;

// Does to the window what window managers do to a maximised window that goes full-screen:
// its state then says full-screen only. False where the window is not on an X server.
bool DropMaximizedLikeAWindowManager(SDL_Window* window);
