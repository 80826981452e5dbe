// The host window fitted to the display: the room its panels and the window manager's title bar
// and borders leave a window's client area, the size the window opens at and where it stands.
#pragma once

#include "platform/framework/Geometry.h"

#include <optional>

// The window manager's title bar and borders around a window's client area.
struct TSdlFrameEdges {
    i32 Top = 0;
    i32 Left = 0;
    i32 Bottom = 0;
    i32 Right = 0;
    friend bool operator==(const TSdlFrameEdges&, const TSdlFrameEdges&) = default;
};

// A window manager says how large its decorations are only once the window is on the screen,
// and some hosts never say. Until then a window leaves room for a title bar as tall as the
// common desktops draw theirs, and thin borders: a little too small now and then, never cut
// off by the screen's edge.
inline constexpr TSdlFrameEdges GuessedFrameEdges{40, 4, 4, 4};

// What the display says of the room a window has.
struct TSdlDisplayRoom {
    // The display less its panels, in the host's screen pixels.
    TRect Usable;
    // The window manager's decorations, once it has said (none at all where there is no window
    // manager); unset until then.
    std::optional<TSdlFrameEdges> Edges;

    TSdlFrameEdges FrameEdges() const { return Edges.value_or(GuessedFrameEdges); }
    // What the client area of a window whose frame fits the usable area can take.
    TSize ClientRoom() const;
};

// The client area's size a window opens at: the size kept from an earlier run where the window
// fits the usable area with it, title bar and borders included; otherwise the whole scale asked
// for, or with none (0) the largest the room allows (TSdlViewport::FitWindow). A kept size the
// display cannot hold is fitted again, whatever the display's own bounds would take.
TSize SdlOpeningSize(TSize shown, const TSdlDisplayRoom& display, TSize kept = {}, i32 scale = 0);

// Where a client area of this size stands: centred in the usable area with its title bar and
// borders; one larger than the room shows its title bar and left edge rather than its far side.
TRect PlaceSdlWindow(TSize client, const TSdlDisplayRoom& display);
