// What the window system keeps about each window beside the framework's own fields.
#pragma once

#include "Cursor.h"
#include "platform/framework/WinTypes.h"

#include <string>
#include <vector>

// The window class attributes the program can choose (its GetWindowClass).
struct WNDCLASS {
    u32 style = 0;
    HCURSOR hCursor = nullptr;
    // The colour the default erase paints with; no brush leaves the background alone.
    bool hasBackground = true;
    u32 background = 0xFFFFFFFFU;
    std::string className;
};

struct TWindowState {
    bool Created = false;
    bool Visible = false;
    bool Enabled = true;
    bool Minimized = false;
    // Being destroyed: takes neither focus nor activation any more.
    bool Dying = false;
    // Window rectangle: desktop coordinates for top-level windows, the parent's client
    // coordinates for child windows.
    TRect Rect;
    // Bounding box of the invalid part, client coordinates.
    TRect Update;
    // The invalid part itself: rectangles inside Update that overlap one another nowhere. A
    // sprite that changed in a few places repaints those, not the box around them.
    std::vector<TRect> UpdateParts;
    bool UpdateErase = false;
    HMENU Menu = nullptr;
    WNDCLASS Class;
    // Child windows in stacking order, topmost first.
    std::vector<HWND> ZChildren;
    // The owned pop-up that was active last (GetLastActivePopup).
    HWND LastActivePopup = nullptr;
};
