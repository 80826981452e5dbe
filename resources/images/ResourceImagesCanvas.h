// TRgbCanvas: a true-colour picture drawn on a grid four times finer each way and averaged
// down, so that every edge and letter comes out smooth.
#pragma once

#include "platform/host/Types.h"

#include <string>
#include <utility>
#include <vector>

struct TRgb {
    u8 R = 0;
    u8 G = 0;
    u8 B = 0;
};

// A colour part of the way from one to another (share 0..1).
TRgb Blend(TRgb from, TRgb to, double share);

using TPoints = std::vector<std::pair<double, double>>;

// Coordinates are picture pixels (fractions allowed); the canvas starts transparent and
// every operation clips at its edges.
class TRgbCanvas {
public:
    static constexpr i32 Over = 4;

    TRgbCanvas(i32 width, i32 height);

    i32 Width() const { return W; }
    i32 Height() const { return H; }

    void Fill(TRgb colour);
    // Right and bottom edges exclusive.
    void FillRect(double left, double top, double right, double bottom, TRgb colour);
    void VerticalGradient(double left, double top, double right, double bottom, TRgb upper,
                          TRgb lower);
    void FillRoundRect(double left, double top, double right, double bottom, double radius,
                       TRgb colour);
    void FillEllipse(double cx, double cy, double rx, double ry, TRgb colour);
    // Even-odd filling of a closed outline.
    void FillPolygon(const TPoints& points, TRgb colour);
    void Line(double x0, double y0, double x1, double y1, double width, TRgb colour);
    // Text whose top line starts at (x, top); the width drawn is returned.
    double Text(double x, double top, const std::string& text, i32 pixelSize, bool bold,
                TRgb colour);
    void TextCentred(double centreX, double top, const std::string& text, i32 pixelSize, bool bold,
                     TRgb colour);
    static double TextWidth(const std::string& text, i32 pixelSize, bool bold);

    // The picture averaged down: one 0xAARRGGBB word a pixel, top row first. Alpha is the
    // covered share; the colour is the average of the covered fine pixels.
    std::vector<u32> Argb() const;

private:
    void Span(i32 fineY, double fineX0, double fineX1, TRgb colour);

    i32 W;
    i32 H;
    // Fine pixels, 0 where nothing is drawn, else 0xFF000000 | rgb.
    std::vector<u32> Fine;
};

// A rounded square turned by an angle around its centre, as an outline.
TPoints TurnedRoundSquare(double cx, double cy, double side, double radius, double angle);

// The outline moved inward (a negative distance: outward) by a distance along each corner's
// bisector; the outline's winding does not matter.
TPoints Inset(const TPoints& points, double distance);

struct TDieLook {
    TRgb Body;
    TRgb Pip;
    TRgb Edge;
};
// A die showing a face (1-6) seen from above, turned by an angle, with an edge line around it.
void DrawDie(TRgbCanvas& canvas, double cx, double cy, double side, double angle, i32 face,
             const TDieLook& look);
