// The layout as the background draws it over the click regions: each spot region's box, the
// joints that carry a band across the gaps between its pieces, and where each seat's chips stand.
#pragma once

#include "tools/databuild/model/TableLayout.h"

#include <utility>
#include <vector>

// A box the layout draws for one spot region: the frame's outer edge, its border line the
// outermost ring of pixels and the spot's cloth within it.
struct TDrawnBox {
    u16 Region;
    TBox Frame;
};
// A frame's inside: the pixels within its border.
inline TBox Interior(const TBox& frame) {
    return {frame.L + 1, frame.T + 1, frame.R - 1, frame.B - 1};
}

// One box for each of the 50 spot regions: its border on the ring of pixels round the region, or
// on the region's own edge where the ring would lie on another spot's region. The inside of
// every box is then its region's, and a click anywhere on the cloth lands on the spot.
const std::vector<TDrawnBox>& DrawnBoxes();
// The drawn box of a region; aborts for a region without one.
const TBox& DrawnFrame(u16 region);

// A polygon's corners in order, on pixel edges: pixel (x, y) is the square from (x, y) to
// (x + 1, y + 1).
using TOutline = std::vector<std::pair<double, double>>;
// Whether the outline holds the pixel's centre (even-odd).
bool OutlineHolds(const TOutline& outline, i32 x, i32 y);
// The pixels an outline may hold: its bounds, grown to whole pixels.
TBox OutlineBounds(const TOutline& outline);

// Where two pieces of one spot do not touch, the band is carried across the gap by a joint: a
// rail drawn in the band's colour but without its cloth or lettering, which reads as the band's
// own and plainly as no place to bet. A joint lies on no region and on no other box.
struct TJoint {
    i16 Spot;
    TOutline Outline;
};
// The pass line's bend from its bottom piece up the right side and its step up to the top piece,
// and the don't pass bar's climb from the bar's end to its steps, past big 6 and 8.
const std::vector<TJoint>& DrawnJoints();

// Whether a click on the pixel lands on the spot by the program's regions; on the pixels two
// spots' regions share, on either.
bool AnswersFor(i16 spot, i32 x, i32 y);

// Where a seat's chips stand on a spot: the x and foot of its pile, the x of its odds pile (which
// starts on the pile's top) and of its buy marker (which stands on it).
struct TPilePlace {
    i32 X;
    i32 Foot;
    i32 OddsX;
    i32 MarkerX;
};
TPilePlace PilePlace(int spot, int seat);
