// The layout as the background draws it from the spots' outlines: the spot each pixel shows and
// the spot a click there lands on, the layout's lines, the shapes' faults, and where each seat's
// chips stand.
#pragma once

#include "craps/bets/TableOutlines.h"
#include "craps/bets/TableSpots.h"
#include "tools/databuild/model/TableLayout.h"

#include <string>
#include <vector>

// What a pixel of the drawing shows besides a spot's cloth (a spot 0-42).
constexpr i16 DRAWN_FELT = -1;
constexpr i16 DRAWN_LINE = -2;

using TOutlines = std::vector<table_outline::TSpotOutline>;

// The drawing of the spots' outlines over a list of regions (in the order the program registers
// them). A pixel inside an outline shows its spot; a click on a pixel lands on the first region
// registered that holds it. The lines are the pixels within two of a shape that no shape holds.
class TShapeMap {
public:
    TShapeMap(const std::vector<TClickRegion>& ordered, const TOutlines& outlines);
    // The spot a click on the pixel lands on; -1 for none or off the table.
    i16 AnswerAt(i32 x, i32 y) const;
    // The spot the pixel shows, DRAWN_LINE or DRAWN_FELT.
    i16 DrawnAt(i32 x, i32 y) const;
    // The pixels the spot shows; empty for a spot drawn nowhere.
    TBox Bounds(i16 spot) const;
    const std::vector<TClickRegion>& Ordered() const { return Regions; }

private:
    std::vector<TClickRegion> Regions;
    std::vector<i16> Answer;
    std::vector<i16> Drawn;
};

// The regions in the order the program registers them, and the spots' outlines.
std::vector<TClickRegion> RegisteredRegions();
TOutlines SpotOutlines();
// The table's own drawing.
const TShapeMap& TableShapes();

// Whether a click on the pixel lands on the spot.
bool AnswersFor(i16 spot, i32 x, i32 y);

// Every shape crossing another spot's region (beyond the pixels two regions share), every spot
// whose shape leaves out part of its own regions (but for a line of at most two pixels on a
// region's edge), every pixel drawn as a spot where a click lands elsewhere and every pixel off
// the shapes where a click lands on a spot (but for those lines), every two spots that meet with
// no line between them and every pixel of felt inside the layout between the shapes; each names
// the spot.
std::vector<std::string> ShapeFaults(const TShapeMap& map);
// Every pixel the drawing makes a line where the picture does not show the line colour.
std::vector<std::string> DrawnLineFaults(const TShapeMap& map, const std::vector<u8>& pixels,
                                         i32 width, i32 height, u8 line);

// A pixel as the faults name it, "x,y".
std::string Point(i32 x, i32 y);
// A spot named as the faults name it.
std::string NamedSpot(i16 spot);

// Where a seat's chips stand on a spot: the x and foot of its pile, the x of its odds pile (which
// starts on the pile's top) and of its buy marker (which stands on it).
struct TPilePlace {
    i32 X;
    i32 Foot;
    i32 OddsX;
    i32 MarkerX;
};
TPilePlace PilePlace(int spot, int seat);
