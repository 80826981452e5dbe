// Host window to desktop: where the shown part of the desktop lies in the host window, at what
// scale it is drawn, and which desktop pixel a host point falls on.
#pragma once

#include "platform/framework/Geometry.h"

// The shown part of the desktop drawn as large as the host's drawable area allows with its
// proportions kept, centred, the rest black. A picture whose scale is not whole is drawn at the
// next whole scale up (nearest neighbour, so the pixels stay square) and then smoothed down to
// its size; one smaller than the desktop's own pixels is smoothed down straight away.
struct TSdlViewport {
    // The desktop pixels shown.
    TRect Shown;
    // Where they are drawn, in host pixels.
    TRect Picture;
    // The whole scale drawn before smoothing; the picture's own scale when that is whole.
    i32 Whole = 1;

    // The window a shown part of this size opens in, in an area of the screen: the largest
    // whole scale that fits where a scale of 2 does, otherwise the largest size with the shown
    // part's proportions that fits; never below the shown size, so a screen smaller than the
    // shown part still opens a window that shows it, at 1.
    static TSize FitWindow(TSize shown, TSize area);
    // The viewport for a drawable area of this size.
    static TSdlViewport For(const TRect& shown, TSize area);

    // The picture is exactly Whole times the shown size: drawn in one nearest-neighbour pass.
    bool IsWhole() const;
    // A host point as the desktop pixel drawn there; points off the picture give the nearest
    // edge pixel, so that a drag that leaves the picture still reports where it left.
    TPoint ToDesktop(i32 hostX, i32 hostY) const;
    // The host pixel in the middle of those that show a desktop pixel; ToDesktop of it gives
    // the pixel back whenever the picture is at least the shown size.
    TPoint ToHost(TPoint desktop) const;
};
