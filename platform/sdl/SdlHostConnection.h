// The window system connection under an SDL window, for waiting on it directly.
#pragma once

struct SDL_Window;

class TSdlHostConnection {
public:
    TSdlHostConnection() = default;
    // The X server connection; none (GetFd() < 0) for any other window system, which is then
    // waited on through SDL.
    explicit TSdlHostConnection(SDL_Window* window);

    int GetFd() const { return Fd; }
    // Events already read from the connection into the client library's queue but not yet
    // taken by SDL: any call that waits for a reply reads them there, and a wait on the
    // connection would not see them. Costs no system call.
    bool HasReadEvents() const;

private:
    void* Display = nullptr;
    int Fd = -1;
};
