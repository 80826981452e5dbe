// The table background's painters and the map of what they drew where, which the build checks
// against the regions and buttons the program hit-tests.
#pragma once

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/model/TableDrawing.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// What a pixel of the background shows, for the checks: a bet spot's box (AREA_SPOT + spot),
// the layout's own felt, the name-plate strip, a caption on the felt, or nothing in particular.
enum TArea : u8 {
    AREA_NONE = 0,
    AREA_SPOT = 1,
    AREA_LAYOUT = 100,
    AREA_PLATE = 101,
    AREA_CAPTION = 102,
};

// A spot's words, numbers and pictures as drawn: the pixels they ink lie within the box, which
// no chip may cover.
struct TLabel {
    u16 Region;
    TBox Ink;
    std::string Text;
};

struct TBackgroundArt {
    TBackgroundArt();
    TCanvas Picture;
    TCanvas Areas;
    // The boxes and joints the layout is drawn with.
    std::vector<TDrawnBox> Boxes;
    std::vector<TJoint> Joints;
    // Every spot's lettering and pictures.
    std::vector<TLabel> Labels;
    // What the painters found wrong as they drew (a label running out of its box), each named.
    std::vector<std::string> Faults;
    // Marks the outline's pixels in the map as the area.
    void Mark(const TOutline& outline, u8 area);
    // The frame of a region's box; the region itself when the boxes have none for it.
    TBox Frame(u16 region) const;
};

// The background with the layout's boxes and joints drawn where the lists say.
TBackgroundArt PaintTableBackground(const std::vector<TDrawnBox>& boxes = DrawnBoxes(),
                                    const std::vector<TJoint>& joints = DrawnJoints());
// Every region whose centre is not on its box, every spot's box or label reaching into another
// spot's region, every caption on a region, every label a seat's chips may cover, every fault of
// the painters and every button whose up look is not the background's, each named; empty when
// the background agrees with the program.
std::vector<std::string> BackgroundFaults(const TBackgroundArt& art);

// The proposition box's top, and its right side, where the layout's edge steps up to the
// numbers' boxes.
constexpr i32 PROPS_TOP = 269;
constexpr i32 PROPS_RIGHT = 220;

// The painters, in drawing order.
void PaintRoom(TCanvas& canvas);
void PaintFelt(TCanvas& canvas);
// The layout's ground, every spot's box (its cloth, then every border over all of them) and the
// joints between a band's pieces.
void PaintBoxes(TBackgroundArt& art);
void PaintLayout(TBackgroundArt& art);
void PaintProps(TBackgroundArt& art);
void PaintButtonBar(TBackgroundArt& art);

// The pixels a run of capitals covers when Caps draws it centred on (cx, cy): drawn once on a
// scratch canvas at the same sub-pixel place.
TBox CapsInk(double cx, double cy, const std::string& text, const TTextStyle& style);

// Lettering inside a region's box, capitals centred on a point; lettering that runs out of the
// box's inside is recorded as a fault.
void BoxCaps(TBackgroundArt& art, u16 region, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour);
// Capitals one above the other inside a region's box, held to it as BoxCaps holds them.
void BoxCapsDown(TBackgroundArt& art, u16 region, double cx, double cy, const std::string& text,
                 const TTextStyle& style, double pitch, u8 colour);
// Records a fault unless the pixels drawn for `what` lie inside the region's box.
void HoldInBox(TBackgroundArt& art, u16 region, const TBox& ink, const std::string& what);
// A die inside a region's box, held to the box as lettering is.
void BoxDie(TBackgroundArt& art, u16 region, double x, double y, double size, int pips);
// Lettering on the felt beside a box too small to hold it: no border round it, and marked so
// that the check keeps it off every region.
void Caption(TBackgroundArt& art, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour);

// The felt's colour at a pixel: the cloth's grain under the lamp, `shift` ramp steps lighter
// (or darker, negative).
u8 FeltAt(i32 x, i32 y, i32 shift = 0);
// The pixels whose centres lie inside the outline (even-odd), each given colour(x, y).
void FillOutline(TCanvas& canvas, const TOutline& outline,
                 const std::function<u8(i32, i32)>& colour);
// A rectangle's outline.
TOutline BoxOutline(double left, double top, double right, double bottom);
// The outline's edges drawn as lines of the width, closed or not.
void Stroke(TCanvas& canvas, const TOutline& outline, double width, u8 colour, bool closed = true);
// Capitals centred on a point (by their cap height, not the font's line).
void Caps(TCanvas& canvas, double cx, double cy, const std::string& text, const TTextStyle& style,
          u8 colour);
// Capitals one above the other, centred on a point, a pitch apart.
void CapsDown(TCanvas& canvas, double cx, double cy, const std::string& text,
              const TTextStyle& style, double pitch, u8 colour);
// A die of the size, its top left corner at (x, y), showing 1-6 pips.
void Die(TCanvas& canvas, double x, double y, double size, int pips);

// The layout's lines and lettering.
u8 LineColour();
u8 InkColour();
u8 RedInk();
