// The mouse cursors SDL shows for the ones the window system asks for.
#pragma once

#include "platform/framework/window/Cursor.h"

#include <map>

struct SDL_Cursor;

// A resource cursor's picture enlarged by the desktop's scale, pixel for pixel, so that it
// keeps its size against the scaled desktop. Empty when the picture is unusable (no size,
// or fewer pixels than its size says).
TCursorImage ScaleCursorImage(const TCursorImage& image, i32 scale);

class TSdlCursors {
public:
    TSdlCursors() = default;
    ~TSdlCursors();
    TSdlCursors(const TSdlCursors&) = delete;
    TSdlCursors& operator=(const TSdlCursors&) = delete;

    // A null cursor hides the pointer, as the old system did. The wait cursor and the arrow
    // are the host's own; resource cursors become colour cursors; anything SDL cannot make
    // shows as the arrow.
    void Show(HCURSOR cursor);
    // Resource cursors are made again at a new scale.
    void SetScale(i32 scale);
    // Frees every cursor made; the backend calls it while SDL's video is still up.
    void Clear();

private:
    SDL_Cursor* Make(HCURSOR cursor);

    i32 Scale = 1;
    HCURSOR Shown = nullptr;
    std::map<HCURSOR, SDL_Cursor*> Made;
};
