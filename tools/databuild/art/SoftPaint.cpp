// TSoftPaint: supersampled painting in full colour, reduced to the game palette per pixel.
#include "tools/databuild/art/SoftPaint.h"

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/art/Colours.h"

#include <algorithm>
#include <cmath>

namespace {

u8 Channel(float v) {
    return static_cast<u8>(std::clamp(std::lround(v), 0L, 255L));
}

u8 PaletteIndex(TRgbF c) {
    return Nearest(Channel(c.R), Channel(c.G), Channel(c.B));
}

} // namespace

TRgbF Shade(TRgbF c, float factor) {
    if (factor <= 1)
        return {c.R * factor, c.G * factor, c.B * factor};
    const float t = std::min(factor - 1, 1.0f);
    return Blend(c, {255, 255, 255}, t);
}

TRgbF Blend(TRgbF a, TRgbF b, float t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

TRgbF PaletteRgb(u8 index) {
    const std::array<u8, 3> c = RgbOf(index);
    return {static_cast<float>(c[0]), static_cast<float>(c[1]), static_cast<float>(c[2])};
}

TRgbF FeltRgb() {
    return PaletteRgb(CL_FELT);
}

TShape TShape::Ellipse(double cx, double cy, double rx, double ry) {
    return {[=](double x, double y) {
                const double dx = (x - cx) / rx;
                const double dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1;
            },
            cx - rx, cy - ry, cx + rx, cy + ry};
}

TShape TShape::Rect(double l, double t, double r, double b) {
    return {[=](double x, double y) { return x >= l && x < r && y >= t && y < b; }, l, t, r, b};
}

TShape TShape::RoundRect(double l, double t, double r, double b, double radius) {
    return {[=](double x, double y) {
                if (x < l || x >= r || y < t || y >= b)
                    return false;
                // Distance past the inner rectangle whose corners are the rounding's centres.
                const double dx = std::max({l + radius - x, 0.0, x - (r - radius)});
                const double dy = std::max({t + radius - y, 0.0, y - (b - radius)});
                return dx * dx + dy * dy <= radius * radius;
            },
            l, t, r, b};
}

TShape TShape::Capsule(double x0, double y0, double x1, double y1, double width) {
    const double half = width / 2;
    return {[=](double x, double y) {
                const double vx = x1 - x0;
                const double vy = y1 - y0;
                const double length2 = vx * vx + vy * vy;
                double t = length2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / length2 : 0;
                t = std::clamp(t, 0.0, 1.0);
                const double dx = x - (x0 + t * vx);
                const double dy = y - (y0 + t * vy);
                return dx * dx + dy * dy <= half * half;
            },
            std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half,
            std::max(y0, y1) + half};
}

TShape TShape::Polygon(std::vector<std::pair<double, double>> points) {
    double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
    for (const auto& [x, y] : points) {
        l = std::min(l, x);
        t = std::min(t, y);
        r = std::max(r, x);
        b = std::max(b, y);
    }
    return {[points = std::move(points)](double x, double y) {
                // Even-odd crossings of a ray to the right.
                bool inside = false;
                for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                    const auto& [xi, yi] = points[i];
                    const auto& [xj, yj] = points[j];
                    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                        inside = !inside;
                }
                return inside;
            },
            l, t, r, b};
}

TShape TShape::Cylinder(double cx, double cy, double rx, double ry, double depth) {
    return {[=](double x, double y) {
                const double u = (x - cx) / rx;
                if (u * u > 1)
                    return false;
                const double e = ry * std::sqrt(1 - u * u);
                return y >= cy - e && y <= cy + depth + e;
            },
            cx - rx, cy - ry, cx + rx, cy + depth + ry};
}

TSoftPaint::TSoftPaint(i32 width, i32 height)
    : W(std::max(width, 0)), H(std::max(height, 0)),
      Colour(static_cast<size_t>(W) * H * Samples * Samples),
      Alpha(static_cast<size_t>(W) * H * Samples * Samples, 0) {}

void TSoftPaint::Fill(const TShape& shape, TRgbF colour, float alpha) {
    Fill(
        shape, [colour](double, double) { return colour; }, alpha);
}

void TSoftPaint::Fill(const TShape& shape, const TShader& shader, float alpha) {
    const i32 sw = W * Samples;
    const i32 sh = H * Samples;
    const i32 l = std::max(0, static_cast<i32>(std::floor(shape.L * Samples)));
    const i32 t = std::max(0, static_cast<i32>(std::floor(shape.T * Samples)));
    const i32 r = std::min(sw, static_cast<i32>(std::ceil(shape.R * Samples)) + 1);
    const i32 b = std::min(sh, static_cast<i32>(std::ceil(shape.B * Samples)) + 1);
    for (i32 sy = t; sy < b; ++sy)
        for (i32 sx = l; sx < r; ++sx) {
            const double x = (sx + 0.5) / Samples;
            const double y = (sy + 0.5) / Samples;
            if (!shape.Inside(x, y))
                continue;
            const size_t at = static_cast<size_t>(sy) * sw + sx;
            Colour[at] = Blend(Colour[at], shader(x, y), Alpha[at] > 0 ? alpha : 1);
            Alpha[at] = Alpha[at] + alpha * (1 - Alpha[at]);
        }
}

void TSoftPaint::Text(double cx, double cy, const std::string& text, i32 pixelSize, TRgbF colour) {
    const TTextStyle style{pixelSize * Samples, true, false};
    const i32 width = TCanvas::TextWidth(text, style);
    const i32 height = TCanvas::TextHeight(style);
    TCanvas big(width, height);
    big.Text(0, 0, text, style, CL_WHITE);
    const i32 left = static_cast<i32>(std::lround(cx * Samples)) - width / 2;
    const i32 top = static_cast<i32>(std::lround(cy * Samples)) - height / 2;
    const i32 sw = W * Samples;
    const i32 sh = H * Samples;
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x) {
            const i32 sx = left + x;
            const i32 sy = top + y;
            if (!big.Covered(x, y) || sx < 0 || sy < 0 || sx >= sw || sy >= sh)
                continue;
            const size_t at = static_cast<size_t>(sy) * sw + sx;
            Colour[at] = colour;
            Alpha[at] = 1;
        }
}

void TSoftPaint::Stamp(const TSoftPaint& source, i32 x, i32 y) {
    const i32 sw = W * Samples;
    const i32 sh = H * Samples;
    const i32 srcW = source.W * Samples;
    for (i32 sy = 0; sy < source.H * Samples; ++sy)
        for (i32 sx = 0; sx < srcW; ++sx) {
            const size_t from = static_cast<size_t>(sy) * srcW + sx;
            const float a = source.Alpha[from];
            const i32 tx = x * Samples + sx;
            const i32 ty = y * Samples + sy;
            if (a <= 0 || tx < 0 || ty < 0 || tx >= sw || ty >= sh)
                continue;
            const size_t at = static_cast<size_t>(ty) * sw + tx;
            Colour[at] = Blend(Colour[at], source.Colour[from], Alpha[at] > 0 ? a : 1);
            Alpha[at] = Alpha[at] + a * (1 - Alpha[at]);
        }
}

TAnmFrameSource TSoftPaint::Frame(i16 hotX, i16 hotY, TRgbF matte) const {
    TAnmFrameSource frame{static_cast<i16>(W), static_cast<i16>(H), hotX, hotY, {}, {}};
    frame.Pixels.assign(static_cast<size_t>(W) * H, 0);
    frame.Opaque.assign(static_cast<size_t>(W) * H, 0);
    const i32 sw = W * Samples;
    for (i32 y = 0; y < H; ++y)
        for (i32 x = 0; x < W; ++x) {
            float coverage = 0;
            TRgbF sum;
            for (i32 j = 0; j < Samples; ++j)
                for (i32 i = 0; i < Samples; ++i) {
                    const size_t at = static_cast<size_t>(y * Samples + j) * sw + x * Samples + i;
                    const float a = Alpha[at];
                    coverage += a;
                    sum = {sum.R + Colour[at].R * a, sum.G + Colour[at].G * a,
                           sum.B + Colour[at].B * a};
                }
            if (coverage < 0.25f * Samples * Samples)
                continue;
            const TRgbF own{sum.R / coverage, sum.G / coverage, sum.B / coverage};
            const float share = coverage / (Samples * Samples);
            const size_t at = static_cast<size_t>(y) * W + x;
            frame.Pixels[at] = PaletteIndex(share >= 0.95f ? own : Blend(matte, own, share));
            frame.Opaque[at] = 1;
        }
    return frame;
}
