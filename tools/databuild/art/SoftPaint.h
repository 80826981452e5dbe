// TSoftPaint: small pictures painted in full colour at several samples a pixel and only then
// reduced to palette frames, so that shading and edges blend before the palette is chosen.
#pragma once

#include "engine/media/AnmEncoder.h"
#include "platform/host/Types.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct TRgbF {
    float R = 0;
    float G = 0;
    float B = 0;
};

// A colour scaled towards black (factor < 1) or white (factor > 1).
TRgbF Shade(TRgbF c, float factor);
TRgbF Blend(TRgbF a, TRgbF b, float t);

// A region of the plane in pixel units (pixel (x, y) covers x..x+1, y..y+1) with the box that
// holds it, so that painting only visits samples that can be inside.
struct TShape {
    std::function<bool(double, double)> Inside;
    double L = 0;
    double T = 0;
    double R = 0;
    double B = 0;

    static TShape Ellipse(double cx, double cy, double rx, double ry);
    static TShape Rect(double l, double t, double r, double b);
    static TShape RoundRect(double l, double t, double r, double b, double radius);
    // A line with round ends.
    static TShape Capsule(double x0, double y0, double x1, double y1, double width);
    static TShape Polygon(std::vector<std::pair<double, double>> points);
    // A cylinder's silhouette: the ellipse at (cx, cy) swept down by depth.
    static TShape Cylinder(double cx, double cy, double rx, double ry, double depth);
};

class TSoftPaint {
public:
    static constexpr i32 Samples = 4;
    using TShader = std::function<TRgbF(double, double)>;

    TSoftPaint(i32 width, i32 height);
    i32 Width() const { return W; }
    i32 Height() const { return H; }

    void Fill(const TShape& shape, TRgbF colour, float alpha = 1);
    void Fill(const TShape& shape, const TShader& shader, float alpha = 1);
    // One line of bold text centred on (cx, cy), drawn with the platform's fonts at sample
    // resolution.
    void Text(double cx, double cy, const std::string& text, i32 pixelSize, TRgbF colour);
    // Another painting laid over this one, its top left corner at whole pixel (x, y).
    void Stamp(const TSoftPaint& source, i32 x, i32 y);

    // The painting as a frame: a pixel less than a quarter covered stays transparent; a
    // partly covered one blends with the matte, the colour it will mostly stand on.
    TAnmFrameSource Frame(i16 hotX, i16 hotY, TRgbF matte) const;

private:
    i32 W;
    i32 H;
    // Per sample: colour and coverage.
    std::vector<TRgbF> Colour;
    std::vector<float> Alpha;
};

// A palette entry's colour.
TRgbF PaletteRgb(u8 index);
// The felt most table pieces lie on.
TRgbF FeltRgb();
