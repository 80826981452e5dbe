// TCanvas: clipped plotting of rectangles, bevels, lines and ellipses, their anti-aliased kin,
// and frames cut from it.
#include "tools/databuild/art/Canvas.h"

#include "tools/databuild/art/Colours.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

TCanvas::TCanvas(i32 width, i32 height)
    : W(std::max(width, 0)), H(std::max(height, 0)), Pix(static_cast<size_t>(W) * H, 0),
      Cover(static_cast<size_t>(W) * H, 0), MatteColour(CL_FELT) {}

u8 TCanvas::At(i32 x, i32 y) const {
    return Inside(x, y) ? Pix[static_cast<size_t>(y) * W + x] : 0;
}

bool TCanvas::Covered(i32 x, i32 y) const {
    return Inside(x, y) && Cover[static_cast<size_t>(y) * W + x] != 0;
}

void TCanvas::Plot(i32 x, i32 y, u8 colour) {
    if (!Inside(x, y))
        return;
    const size_t at = static_cast<size_t>(y) * W + x;
    Pix[at] = colour;
    Cover[at] = 1;
}

void TCanvas::Fill(u8 colour) {
    FillRect(0, 0, W, H, colour);
}

void TCanvas::FillRect(i32 left, i32 top, i32 right, i32 bottom, u8 colour) {
    const i32 l = std::max(left, 0);
    const i32 t = std::max(top, 0);
    const i32 r = std::min(right, W);
    const i32 b = std::min(bottom, H);
    for (i32 y = t; y < b; ++y)
        for (i32 x = l; x < r; ++x)
            Plot(x, y, colour);
}

void TCanvas::FrameRect(i32 left, i32 top, i32 right, i32 bottom, u8 colour, i32 thickness) {
    for (i32 k = 0; k < thickness && left + k < right - k && top + k < bottom - k; ++k) {
        FillRect(left + k, top + k, right - k, top + k + 1, colour);
        FillRect(left + k, bottom - k - 1, right - k, bottom - k, colour);
        FillRect(left + k, top + k, left + k + 1, bottom - k, colour);
        FillRect(right - k - 1, top + k, right - k, bottom - k, colour);
    }
}

void TCanvas::Bevel(i32 left, i32 top, i32 right, i32 bottom, u8 face, u8 light, u8 dark,
                    bool pressed) {
    FillRect(left, top, right, bottom, face);
    const u8 upper = pressed ? dark : light;
    const u8 lower = pressed ? light : dark;
    FillRect(left, top, right, top + 1, upper);
    FillRect(left, top, left + 1, bottom, upper);
    FillRect(left, bottom - 1, right, bottom, lower);
    FillRect(right - 1, top + 1, right, bottom, lower);
}

void TCanvas::Line(i32 x0, i32 y0, i32 x1, i32 y1, u8 colour) {
    const i32 dx = std::abs(x1 - x0);
    const i32 dy = -std::abs(y1 - y0);
    const i32 sx = x0 < x1 ? 1 : -1;
    const i32 sy = y0 < y1 ? 1 : -1;
    i32 error = dx + dy;
    for (;;) {
        Plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const i32 e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void TCanvas::FillEllipse(i32 left, i32 top, i32 right, i32 bottom, u8 colour) {
    // In doubled coordinates, so that pixel centres and the centre of an even-sized
    // rectangle are whole numbers and the test stays in integers.
    const i64 w = right - left;
    const i64 h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    for (i32 y = top; y < bottom; ++y)
        for (i32 x = left; x < right; ++x) {
            const i64 px = 2 * static_cast<i64>(x) + 1 - left - right;
            const i64 py = 2 * static_cast<i64>(y) + 1 - top - bottom;
            if (px * px * h * h + py * py * w * w <= w * w * h * h)
                Plot(x, y, colour);
        }
}

void TCanvas::Disc(i32 cx, i32 cy, i32 radius, u8 colour) {
    FillEllipse(cx - radius, cy - radius, cx + radius + 1, cy + radius + 1, colour);
}

void TCanvas::Blend(i32 x, i32 y, u8 colour, u32 coverage) {
    if (!Inside(x, y) || coverage == 0)
        return;
    const size_t at = static_cast<size_t>(y) * W + x;
    Pix[at] = Mix(Cover[at] != 0 ? Pix[at] : MatteColour, colour, coverage);
    Cover[at] = 1;
}

template <typename Distance>
void TCanvas::Shade(double left, double top, double right, double bottom, u8 colour,
                    Distance distance) {
    const i32 l = std::max(static_cast<i32>(std::floor(left)) - 1, 0);
    const i32 t = std::max(static_cast<i32>(std::floor(top)) - 1, 0);
    const i32 r = std::min(static_cast<i32>(std::ceil(right)) + 1, W);
    const i32 b = std::min(static_cast<i32>(std::ceil(bottom)) + 1, H);
    for (i32 y = t; y < b; ++y)
        for (i32 x = l; x < r; ++x) {
            // A pixel whose centre lies on the edge is half covered; one a pixel inside, all.
            const double d = distance(x + 0.5, y + 0.5);
            const double cover = std::clamp(0.5 - d, 0.0, 1.0);
            Blend(x, y, colour, static_cast<u32>(std::lround(cover * 255.0)));
        }
}

void TCanvas::DiscAA(double cx, double cy, double radius, u8 colour) {
    Shade(cx - radius, cy - radius, cx + radius, cy + radius, colour,
          [&](double x, double y) { return std::hypot(x - cx, y - cy) - radius; });
}

void TCanvas::RingAA(double cx, double cy, double radius, double width, u8 colour) {
    const double outer = radius + width / 2;
    Shade(cx - outer, cy - outer, cx + outer, cy + outer, colour, [&](double x, double y) {
        return std::abs(std::hypot(x - cx, y - cy) - radius) - width / 2;
    });
}

void TCanvas::FillEllipseAA(double left, double top, double right, double bottom, u8 colour) {
    const double a = (right - left) / 2;
    const double b = (bottom - top) / 2;
    if (a <= 0 || b <= 0)
        return;
    const double cx = left + a;
    const double cy = top + b;
    // The implicit function over its gradient: the distance to the outline, near enough
    // where it matters (within a pixel of it).
    Shade(left, top, right, bottom, colour, [&](double x, double y) {
        const double u = (x - cx) / a;
        const double v = (y - cy) / b;
        const double g = u * u + v * v - 1;
        const double gradient = 2 * std::hypot(u / a, v / b);
        return gradient > 1e-9 ? g / gradient : -1e9;
    });
}

void TCanvas::FillRoundRectAA(double left, double top, double right, double bottom, double radius,
                              u8 colour) {
    const double hw = (right - left) / 2;
    const double hh = (bottom - top) / 2;
    if (hw <= 0 || hh <= 0)
        return;
    const double r = std::clamp(radius, 0.0, std::min(hw, hh));
    const double cx = left + hw;
    const double cy = top + hh;
    Shade(left, top, right, bottom, colour, [&](double x, double y) {
        const double qx = std::abs(x - cx) - hw + r;
        const double qy = std::abs(y - cy) - hh + r;
        const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        return outside + std::min(std::max(qx, qy), 0.0) - r;
    });
}

void TCanvas::FillPolygonAA(const std::vector<std::pair<double, double>>& points, u8 colour) {
    if (points.size() < 3)
        return;
    double l = points[0].first, r = l, t = points[0].second, b = t;
    for (const auto& [x, y] : points) {
        l = std::min(l, x);
        r = std::max(r, x);
        t = std::min(t, y);
        b = std::max(b, y);
    }
    Shade(l, t, r, b, colour, [&](double x, double y) {
        double nearest = 1e18;
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [x0, y0] = points[j];
            const auto [x1, y1] = points[i];
            const double ex = x1 - x0;
            const double ey = y1 - y0;
            const double length2 = ex * ex + ey * ey;
            const double s =
                length2 > 0 ? std::clamp(((x - x0) * ex + (y - y0) * ey) / length2, 0.0, 1.0) : 0;
            nearest = std::min(nearest, std::hypot(x - x0 - s * ex, y - y0 - s * ey));
            if ((y0 > y) != (y1 > y) && x < x0 + (y - y0) * ex / (y1 - y0))
                inside = !inside;
        }
        return inside ? -nearest : nearest;
    });
}

void TCanvas::LineAA(double x0, double y0, double x1, double y1, double width, u8 colour) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    if (length <= 0 || width <= 0)
        return;
    const double ux = (x1 - x0) / length;
    const double uy = (y1 - y0) / length;
    const double mx = (x0 + x1) / 2;
    const double my = (y0 + y1) / 2;
    const double half = width / 2;
    Shade(std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half,
          std::max(y0, y1) + half, colour, [&](double x, double y) {
              const double along = std::abs((x - mx) * ux + (y - my) * uy) - length / 2;
              const double across = std::abs((x - mx) * uy - (y - my) * ux) - half;
              return std::max(along, across);
          });
}

void TCanvas::Draw(const TCanvas& source, i32 x, i32 y) {
    for (i32 sy = 0; sy < source.H; ++sy)
        for (i32 sx = 0; sx < source.W; ++sx)
            if (source.Covered(sx, sy))
                Plot(x + sx, y + sy, source.At(sx, sy));
}

TAnmFrameSource TCanvas::Frame(i16 hotX, i16 hotY) const {
    return TAnmFrameSource{static_cast<i16>(W), static_cast<i16>(H), hotX, hotY, Pix, Cover};
}
