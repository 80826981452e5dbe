// The room a display leaves the host window, the size the window opens at and its place.
#include "SdlWindowFit.h"

#include "SdlViewport.h"

#include <algorithm>

TSize TSdlDisplayRoom::ClientRoom() const {
    const TSdlFrameEdges e = FrameEdges();
    return {std::max(0, Usable.Width() - e.Left - e.Right),
            std::max(0, Usable.Height() - e.Top - e.Bottom)};
}

TSize SdlOpeningSize(TSize shown, const TSdlDisplayRoom& display, TSize kept, i32 scale) {
    const TSize room = display.ClientRoom();
    if (kept.cx > 0 && kept.cy > 0 && kept.cx <= room.cx && kept.cy <= room.cy)
        return kept;
    if (scale > 0)
        return {shown.cx * scale, shown.cy * scale};
    return TSdlViewport::FitWindow(shown, room);
}

TRect PlaceSdlWindow(TSize client, const TSdlDisplayRoom& display) {
    const TSdlFrameEdges e = display.FrameEdges();
    const TSize room = display.ClientRoom();
    const i32 left = display.Usable.left + e.Left + std::max(0, (room.cx - client.cx) / 2);
    const i32 top = display.Usable.top + e.Top + std::max(0, (room.cy - client.cy) / 2);
    return {{left, top}, client};
}
