// TModePause: the pause a mode window keeps while a modal dialog runs over the game.
#pragma once

class TJorpModeWindow;

// Sets the window's paused flag for the guard's life; when the flag was clear before, clears
// it again afterwards and lets the window resume. A window that went away meanwhile (a mode
// switch carried out inside the dialog's loop) is left alone. Null pauses nothing.
class TModePause {
public:
    explicit TModePause(TJorpModeWindow* window);
    ~TModePause();
    TModePause(const TModePause&) = delete;
    TModePause& operator=(const TModePause&) = delete;

private:
    TJorpModeWindow* Window;
    bool WasPaused = true;
};
