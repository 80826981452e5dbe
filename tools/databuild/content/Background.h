// The table background's painters and the map of what they drew where, which the build checks
// against the regions and buttons the program hit-tests.
#pragma once

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/model/TableDrawing.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A polygon's corners in order, on pixel edges: pixel (x, y) is the square from (x, y) to
// (x + 1, y + 1).
using TOutline = std::vector<std::pair<double, double>>;
// Whether the outline holds the pixel's centre (even-odd).
bool OutlineHolds(const TOutline& outline, i32 x, i32 y);

// What a pixel of the background shows, for the checks: a bet spot's box (AREA_SPOT + spot),
// the layout's own felt, the name-plate strip, a caption on the felt, or nothing in particular.
enum TArea : u8 {
    AREA_NONE = 0,
    AREA_SPOT = 1,
    AREA_LAYOUT = 100,
    AREA_PLATE = 101,
    AREA_CAPTION = 102,
};

// A spot's words, numbers and pictures as drawn: the pixels they ink lie within the spot's
// drawn shape, which no chip may cover.
struct TLabel {
    u16 Region;
    TBox Ink;
    std::string Text;
    // The height of its capitals, for a word; 0 for a picture.
    i32 CapHeight = 0;
};

// The least height of a word's capitals a player reads at the table's own size.
constexpr i32 LEAST_CAP_HEIGHT = 6;
// The least size of a die a player reads at the table's own size: its pips two pixels across
// with a pixel of its face between them.
constexpr i32 LEAST_DIE_SIZE = 10;

struct TBackgroundArt {
    TBackgroundArt();
    TCanvas Picture;
    TCanvas Areas;
    // Every spot's lettering and pictures.
    std::vector<TLabel> Labels;
    // What the painters found wrong as they drew (a label running off its spot, a word or a
    // die too small to read), each naming the spot.
    std::vector<std::string> Faults;
    // Marks the outline's pixels in the map as the area.
    void Mark(const TOutline& outline, u8 area);
};

// The background with the layout drawn from the shapes.
TBackgroundArt PaintTableBackground();
// Every region whose centre is not on its picture, every spot's shape or label reaching into
// another spot's region, every label a seat's chips may cover, every fault of the painters and
// every button whose up look is not the background's, each named; empty when the background
// agrees with the program.
std::vector<std::string> BackgroundFaults(const TBackgroundArt& art);

// The painters, in drawing order.
void PaintRoom(TCanvas& canvas);
void PaintFelt(TCanvas& canvas);
// Every spot's cloth where its shape lies and the layout's lines between the shapes.
void PaintShapes(TBackgroundArt& art, const TShapeMap& shapes);
void PaintLayout(TBackgroundArt& art, const TShapeMap& shapes);
void PaintProps(TBackgroundArt& art);
void PaintButtonBar(TBackgroundArt& art);

// The height of the style's capitals: an E drawn in one-bit glyphs, without the blended edge
// that smooth text adds above and below.
i32 CapHeight(const TTextStyle& style);
// The pixels a run of capitals covers when Caps draws it centred on (cx, cy): drawn once on a
// scratch canvas at the same sub-pixel place.
TBox CapsInk(double cx, double cy, const std::string& text, const TTextStyle& style);

// The first and last-but-one x of the spot's drawn pixels in a row; {0, 0} where it has none.
std::pair<i32, i32> RowSpan(i16 spot, i32 y);

// Lettering on a spot, capitals centred on a point: lettering that runs off the spot's drawn
// pixels, or whose capitals stand less than LEAST_CAP_HEIGHT tall, is recorded as a fault.
void SpotCaps(TBackgroundArt& art, i16 spot, double cx, double cy, const std::string& text,
              const TTextStyle& style, u8 colour);
// Capitals one above the other on a spot, centred on the x the row gives (so that they follow a
// leaning band), from the first row down a pitch apart; a space or an apostrophe takes less.
void SpotCapsDown(TBackgroundArt& art, i16 spot, const std::function<double(double)>& cx,
                  double top, const std::string& text, const TTextStyle& style, double pitch,
                  u8 colour);
// Records a fault unless every pixel of the ink's box is drawn as the spot.
void HoldOnSpot(TBackgroundArt& art, i16 spot, const TBox& ink, const std::string& what);
// Lettering on the felt outside the layout, which no click region may hold: marked so that the
// check keeps it off every region.
void Caption(TBackgroundArt& art, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour);
// A die on a spot, its top left corner at (x, y), held to it as lettering is: a die under
// LEAST_DIE_SIZE is recorded as a fault.
void SpotDie(TBackgroundArt& art, i16 spot, i32 x, i32 y, i32 size, int pips);

// The felt's colour at a pixel: the cloth's grain under the lamp, `shift` ramp steps lighter
// (or darker, negative).
u8 FeltAt(i32 x, i32 y, i32 shift = 0);
// The pixels whose centres lie inside the outline (even-odd), each given colour(x, y).
void FillOutline(TCanvas& canvas, const TOutline& outline,
                 const std::function<u8(i32, i32)>& colour);
// A rectangle's outline.
TOutline BoxOutline(double left, double top, double right, double bottom);
// Capitals centred on a point (by their cap height, not the font's line).
void Caps(TCanvas& canvas, double cx, double cy, const std::string& text, const TTextStyle& style,
          u8 colour);

// The layout's lines and lettering.
u8 LineColour();
u8 InkColour();
u8 RedInk();
u8 SoftInk();
