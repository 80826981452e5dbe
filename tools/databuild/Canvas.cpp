// TCanvas: clipped plotting of rectangles, bevels, lines and ellipses, and frames cut from it.
#include "tools/databuild/Canvas.h"

#include <algorithm>
#include <cstdlib>

TCanvas::TCanvas(i32 width, i32 height)
    : W(std::max(width, 0)), H(std::max(height, 0)), Pix(static_cast<size_t>(W) * H, 0),
      Cover(static_cast<size_t>(W) * H, 0) {}

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

void TCanvas::Draw(const TCanvas& source, i32 x, i32 y) {
    for (i32 sy = 0; sy < source.H; ++sy)
        for (i32 sx = 0; sx < source.W; ++sx)
            if (source.Covered(sx, sy))
                Plot(x + sx, y + sy, source.At(sx, sy));
}

TAnmFrameSource TCanvas::Frame(i16 hotX, i16 hotY) const {
    return TAnmFrameSource{static_cast<i16>(W), static_cast<i16>(H), hotX, hotY, Pix, Cover};
}
