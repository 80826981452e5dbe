// What a backend supplies to the window system: pixels out, input in, waiting, the cursor.
#pragma once

#include "Geometry.h"
#include "platform/framework/draw/Surface.h"
#include "platform/framework/window/Cursor.h"
#include "platform/framework/window/Icon.h"

#include <limits>
#include <string>
#include <vector>

enum class TInputKind {
    MouseMove,
    MouseButton,
    // The wheel turned by WheelDelta at Pos.
    MouseWheel,
    Key,
    // The host gave or took the keyboard from the program as a whole.
    AppActive,
    // The host window was minimised or restored.
    Minimize,
    Restore,
    // The host asks the program to close.
    Close,
};

enum class TMouseButton { Left, Right };

struct TInputEvent {
    TInputKind Kind = TInputKind::MouseMove;
    // Desktop coordinates for mouse events.
    TPoint Pos;
    TMouseButton Button = TMouseButton::Left;
    // Button or key pressed (true) or released; for AppActive, gained (true) or lost.
    bool Down = true;
    // The wheel's turn: WHEEL_DELTA a notch, positive away from the user.
    i32 WheelDelta = 0;
    u32 VirtualKey = 0;
    // The character a key press produces; 0 for keys without one.
    u32 Char = 0;
    u16 Repeat = 1;
    bool Shift = false;
    bool Control = false;
    bool Alt = false;
};

class TBackend {
public:
    static constexpr u64 Infinite = std::numeric_limits<u64>::max();

    virtual ~TBackend() = default;
    virtual TSize GetScreenSize() const = 0;
    // Shows the desktop; only the changed rectangle differs from the last frame shown.
    virtual void Present(const TScreenSurface& screen, const TRect& changed) = 0;
    // The same when only the pieces (inside changed, apart from one another) were painted; one
    // showing of the frame all the same. A backend that shows whole boxes shows the box.
    virtual void PresentParts(const TScreenSurface& screen, const TRect& changed,
                              const std::vector<TRect>& /*parts*/) {
        Present(screen, changed);
    }
    // The next input event, without waiting.
    virtual bool PollEvent(TInputEvent& event) = 0;
    // Waits until input may be ready or the timeout has passed; false when nothing can
    // ever arrive (an infinite wait with no source of events).
    virtual bool WaitEvent(u64 timeoutMs) = 0;
    virtual void SetCursor(HCURSOR cursor) = 0;
    // Restores the host window when minimised and raises it above the host's others, where
    // the host's window system lets a program do that; nothing where there is no host window.
    virtual void RaiseHostWindow() {}
    // The picture the host shows for the program's window; nothing where there is no host window.
    virtual void SetHostIcon(const TIconImage& /*icon*/) {}
    // The part of the desktop the host window shows: the main frame less the border and caption
    // the host draws itself. Empty while there is no main frame; a backend that shows the whole
    // desktop ignores it.
    virtual void SetShownArea(const TRect& /*area*/) {}
    // The host window's title: the main frame's caption.
    virtual void SetHostTitle(const std::string& /*title*/) {}
};
