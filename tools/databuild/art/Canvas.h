// TCanvas: an 8-bit picture with a coverage mask, drawn with rectangles, lines, ellipses, polygons
// and text (crisp or anti-aliased), and cut into animation frames or bitmap rows.
#pragma once

#include "engine/media/AnmEncoder.h"
#include "platform/host/Types.h"

#include <string>
#include <utility>
#include <vector>

// Text in the platform's fonts: a proportional face, or a fixed-pitch one for digits.
struct TTextStyle {
    i32 PixelSize = 12;
    bool Bold = false;
    bool Fixed = false;
    // One-bit glyphs instead of the anti-aliased ones.
    bool Crisp = false;
};

// The face file (in the platform's DejaVu folder) a style's text is drawn with.
std::string FontFileOf(const TTextStyle& style);

// Where a line of text sits in a rectangle.
enum class TAlign { Left, Centre, Right };

// Pixels outside the canvas are never drawn: every operation clips. Only covered pixels
// belong to a frame cut from the canvas; a new canvas covers nothing.
//
// The anti-aliased shapes (the ...AA members and the default text) take pixel edges as
// coordinates: pixel (x, y) is the square from (x, y) to (x + 1, y + 1). A pixel a shape
// partly covers becomes the palette's nearest blend of the shape's colour with what is under
// it, or, where nothing is drawn yet, with the matte: the colour the picture will be seen on.
class TCanvas {
public:
    TCanvas(i32 width, i32 height);

    i32 Width() const { return W; }
    i32 Height() const { return H; }
    // Palette index and coverage at a point; 0 and false outside.
    u8 At(i32 x, i32 y) const;
    bool Covered(i32 x, i32 y) const;

    void Plot(i32 x, i32 y, u8 colour);
    void Fill(u8 colour);
    // Rectangles take their right and bottom edges as exclusive, as the table's regions do.
    void FillRect(i32 left, i32 top, i32 right, i32 bottom, u8 colour);
    void FrameRect(i32 left, i32 top, i32 right, i32 bottom, u8 colour, i32 thickness = 1);
    // A raised (or, pressed, sunken) box: face colour inside a light and a dark edge.
    void Bevel(i32 left, i32 top, i32 right, i32 bottom, u8 face, u8 light, u8 dark,
               bool pressed = false);
    // Both end points are drawn.
    void Line(i32 x0, i32 y0, i32 x1, i32 y1, u8 colour);
    // The ellipse inscribed in the rectangle, filled.
    void FillEllipse(i32 left, i32 top, i32 right, i32 bottom, u8 colour);
    void Disc(i32 cx, i32 cy, i32 radius, u8 colour);

    // The colour an uncovered pixel blends with; the felt unless set.
    void SetMatte(u8 colour) { MatteColour = colour; }
    u8 Matte() const { return MatteColour; }
    // The colour laid over the pixel with a coverage of 0 (none) .. 255 (all of it).
    void Blend(i32 x, i32 y, u8 colour, u32 coverage);
    void DiscAA(double cx, double cy, double radius, u8 colour);
    void FillEllipseAA(double left, double top, double right, double bottom, u8 colour);
    void FillRoundRectAA(double left, double top, double right, double bottom, double radius,
                         u8 colour);
    // Points in order around the outline (either way); the even-odd rule for crossings.
    void FillPolygonAA(const std::vector<std::pair<double, double>>& points, u8 colour);
    // A circle's outline of the width, centred on the radius.
    void RingAA(double cx, double cy, double radius, double width, u8 colour);
    // A stroke of the width, its ends square at the end points.
    void LineAA(double x0, double y0, double x1, double y1, double width, u8 colour);

    // The pen starts at the left end of the text's top line (ascent below it); the width
    // drawn is returned.
    i32 Text(i32 x, i32 y, const std::string& text, const TTextStyle& style, u8 colour);
    // One line aligned in a rectangle and centred vertically on it.
    void TextIn(i32 left, i32 top, i32 right, i32 bottom, const std::string& text,
                const TTextStyle& style, u8 colour, TAlign align = TAlign::Centre);
    static i32 TextWidth(const std::string& text, const TTextStyle& style);
    // Ascent plus descent of the style's font.
    static i32 TextHeight(const TTextStyle& style);
    // From the top of a line to its baseline.
    static i32 TextAscent(const TTextStyle& style);

    // Covered pixels of another canvas, its top left corner at (x, y).
    void Draw(const TCanvas& source, i32 x, i32 y);

    // A frame of the whole canvas with its hotspot.
    TAnmFrameSource Frame(i16 hotX, i16 hotY) const;
    // Pixel rows, top row first (uncovered pixels keep their index).
    const std::vector<u8>& Pixels() const { return Pix; }

private:
    // Coverage from a signed distance (negative inside) over the pixels of the box.
    template <typename Distance>
    void Shade(double left, double top, double right, double bottom, u8 colour, Distance distance);
    i32 TextAA(i32 x, i32 y, const std::string& text, const TTextStyle& style, u8 colour);

    bool Inside(i32 x, i32 y) const { return x >= 0 && y >= 0 && x < W && y < H; }

    i32 W;
    i32 H;
    std::vector<u8> Pix;
    std::vector<u8> Cover;
    u8 MatteColour;
};
