// TRgbCanvas: drawing on the fine grid and averaging down.
#include "resources/images/ResourceImagesCanvas.h"

#include "platform/framework/draw/Font.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>

namespace {

u32 Packed(TRgb c) {
    return 0xFF000000U | (static_cast<u32>(c.R) << 16) | (static_cast<u32>(c.G) << 8) | c.B;
}

std::shared_ptr<TFontInstance> FontFor(i32 pixelSize, bool bold) {
    LOGFONT log;
    log.lfHeight = -pixelSize * TRgbCanvas::Over;
    log.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    std::strncpy(log.lfFaceName, "MS Sans Serif", sizeof(log.lfFaceName) - 1);
    return ResolveFont(log);
}

} // namespace

TRgb Blend(TRgb from, TRgb to, double share) {
    const auto mix = [share](u8 a, u8 b) {
        return static_cast<u8>(std::lround(a + (b - a) * std::clamp(share, 0.0, 1.0)));
    };
    return TRgb{mix(from.R, to.R), mix(from.G, to.G), mix(from.B, to.B)};
}

TRgbCanvas::TRgbCanvas(i32 width, i32 height)
    : W(std::max(width, 0)), H(std::max(height, 0)),
      Fine(static_cast<size_t>(W) * Over * static_cast<size_t>(H) * Over, 0) {}

void TRgbCanvas::Span(i32 fineY, double fineX0, double fineX1, TRgb colour) {
    if (fineY < 0 || fineY >= H * Over)
        return;
    // A fine pixel belongs to the span when its centre does.
    const i32 first = std::max(0, static_cast<i32>(std::ceil(fineX0 - 0.5)));
    const i32 last = std::min(W * Over, static_cast<i32>(std::ceil(fineX1 - 0.5)));
    const u32 packed = Packed(colour);
    u32* row = Fine.data() + static_cast<size_t>(fineY) * W * Over;
    for (i32 x = first; x < last; ++x)
        row[x] = packed;
}

void TRgbCanvas::Fill(TRgb colour) {
    std::fill(Fine.begin(), Fine.end(), Packed(colour));
}

void TRgbCanvas::FillRect(double left, double top, double right, double bottom, TRgb colour) {
    for (i32 y = std::max(0, static_cast<i32>(top * Over)); y < H * Over && y + 0.5 < bottom * Over;
         ++y)
        if (y + 0.5 >= top * Over)
            Span(y, left * Over, right * Over, colour);
}

void TRgbCanvas::VerticalGradient(double left, double top, double right, double bottom, TRgb upper,
                                  TRgb lower) {
    const double height = std::max(bottom - top, 1e-9);
    for (i32 y = std::max(0, static_cast<i32>(top * Over)); y < H * Over && y + 0.5 < bottom * Over;
         ++y)
        if (y + 0.5 >= top * Over)
            Span(y, left * Over, right * Over,
                 Blend(upper, lower, ((y + 0.5) / Over - top) / height));
}

void TRgbCanvas::FillRoundRect(double left, double top, double right, double bottom, double radius,
                               TRgb colour) {
    radius = std::clamp(radius, 0.0, std::min(right - left, bottom - top) / 2);
    FillRect(left + radius, top, right - radius, bottom, colour);
    FillRect(left, top + radius, right, bottom - radius, colour);
    FillEllipse(left + radius, top + radius, radius, radius, colour);
    FillEllipse(right - radius, top + radius, radius, radius, colour);
    FillEllipse(left + radius, bottom - radius, radius, radius, colour);
    FillEllipse(right - radius, bottom - radius, radius, radius, colour);
}

void TRgbCanvas::FillEllipse(double cx, double cy, double rx, double ry, TRgb colour) {
    if (rx <= 0 || ry <= 0)
        return;
    const double fcx = cx * Over;
    const double fcy = cy * Over;
    const double frx = rx * Over;
    const double fry = ry * Over;
    for (i32 y = std::max(0, static_cast<i32>(fcy - fry) - 1);
         y <= std::min(H * Over - 1, static_cast<i32>(fcy + fry) + 1); ++y) {
        const double dy = (y + 0.5 - fcy) / fry;
        if (dy * dy >= 1)
            continue;
        const double half = frx * std::sqrt(1 - dy * dy);
        Span(y, fcx - half, fcx + half, colour);
    }
}

void TRgbCanvas::FillPolygon(const TPoints& points, TRgb colour) {
    if (points.size() < 3)
        return;
    double top = points[0].second;
    double bottom = top;
    for (const auto& p : points) {
        top = std::min(top, p.second);
        bottom = std::max(bottom, p.second);
    }
    std::vector<double> crossings;
    for (i32 y = std::max(0, static_cast<i32>(top * Over) - 1);
         y <= std::min(H * Over - 1, static_cast<i32>(bottom * Over) + 1); ++y) {
        const double sy = (y + 0.5) / Over;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const auto& a = points[i];
            const auto& b = points[(i + 1) % points.size()];
            if ((a.second <= sy) != (b.second <= sy))
                crossings.push_back(a.first +
                                    (sy - a.second) / (b.second - a.second) * (b.first - a.first));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            Span(y, crossings[i] * Over, crossings[i + 1] * Over, colour);
    }
}

void TRgbCanvas::Line(double x0, double y0, double x1, double y1, double width, TRgb colour) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    if (length <= 0) {
        FillEllipse(x0, y0, width / 2, width / 2, colour);
        return;
    }
    const double nx = -(y1 - y0) / length * width / 2;
    const double ny = (x1 - x0) / length * width / 2;
    FillPolygon({{x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}},
                colour);
    FillEllipse(x0, y0, width / 2, width / 2, colour);
    FillEllipse(x1, y1, width / 2, width / 2, colour);
}

double TRgbCanvas::Text(double x, double top, const std::string& text, i32 pixelSize, bool bold,
                        TRgb colour) {
    const std::shared_ptr<TFontInstance> font = FontFor(pixelSize, bold);
    const i32 baseline = static_cast<i32>(std::lround(top * Over)) + font->Metrics.tmAscent;
    i32 pen = static_cast<i32>(std::lround(x * Over));
    const i32 start = pen;
    const u32 packed = Packed(colour);
    for (char c : text) {
        const TGlyph& glyph = font->Glyph(static_cast<u8>(c));
        for (i32 gy = 0; gy < glyph.Height; ++gy) {
            const i32 fy = baseline + glyph.Top + gy;
            if (fy < 0 || fy >= H * Over)
                continue;
            for (i32 gx = 0; gx < glyph.Width; ++gx) {
                const i32 fx = pen + glyph.Left + gx;
                if (fx >= 0 && fx < W * Over &&
                    glyph.Ink[static_cast<size_t>(gy) * glyph.Width + gx] != 0)
                    Fine[static_cast<size_t>(fy) * W * Over + fx] = packed;
            }
        }
        pen += glyph.Advance;
    }
    return static_cast<double>(pen - start) / Over;
}

double TRgbCanvas::TextWidth(const std::string& text, i32 pixelSize, bool bold) {
    const std::shared_ptr<TFontInstance> font = FontFor(pixelSize, bold);
    i32 width = 0;
    for (char c : text)
        width += font->Glyph(static_cast<u8>(c)).Advance;
    return static_cast<double>(width) / Over;
}

void TRgbCanvas::TextCentred(double centreX, double top, const std::string& text, i32 pixelSize,
                             bool bold, TRgb colour) {
    Text(centreX - TextWidth(text, pixelSize, bold) / 2, top, text, pixelSize, bold, colour);
}

std::vector<u32> TRgbCanvas::Argb() const {
    std::vector<u32> out(static_cast<size_t>(W) * H, 0);
    const size_t stride = static_cast<size_t>(W) * Over;
    for (i32 y = 0; y < H; ++y)
        for (i32 x = 0; x < W; ++x) {
            u32 count = 0;
            u32 r = 0;
            u32 g = 0;
            u32 b = 0;
            for (i32 sy = 0; sy < Over; ++sy)
                for (i32 sx = 0; sx < Over; ++sx) {
                    const u32 p = Fine[(static_cast<size_t>(y) * Over + sy) * stride +
                                       static_cast<size_t>(x) * Over + sx];
                    if (p == 0)
                        continue;
                    ++count;
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                }
            if (count == 0)
                continue;
            const u32 alpha = (count * 255 + Over * Over / 2) / (Over * Over);
            out[static_cast<size_t>(y) * W + x] = (alpha << 24) | ((r + count / 2) / count << 16) |
                                                  ((g + count / 2) / count << 8) |
                                                  ((b + count / 2) / count);
        }
    return out;
}

TPoints TurnedRoundSquare(double cx, double cy, double side, double radius, double angle) {
    constexpr i32 ArcSteps = 6;
    const double inner = side / 2 - radius;
    TPoints points;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (i32 corner = 0; corner < 4; ++corner) {
        const double ox = (corner == 0 || corner == 3) ? inner : -inner;
        const double oy = (corner < 2) ? inner : -inner;
        for (i32 step = 0; step <= ArcSteps; ++step) {
            const double a = (corner + static_cast<double>(step) / ArcSteps) * std::numbers::pi / 2;
            const double px = ox + radius * std::cos(a);
            const double py = oy + radius * std::sin(a);
            points.emplace_back(cx + px * c - py * s, cy + px * s + py * c);
        }
    }
    return points;
}

TPoints Inset(const TPoints& points, double distance) {
    double area = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const auto& a = points[i];
        const auto& b = points[(i + 1) % points.size()];
        area += a.first * b.second - b.first * a.second;
    }
    // With y down, a positive area winds clockwise on the screen, its inside to the right.
    const double side = area > 0 ? 1.0 : -1.0;
    TPoints out;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const auto& prev = points[(i + n - 1) % n];
        const auto& at = points[i];
        const auto& next = points[(i + 1) % n];
        const auto normal = [side](std::pair<double, double> a, std::pair<double, double> b) {
            const double dx = b.first - a.first;
            const double dy = b.second - a.second;
            const double len = std::max(std::hypot(dx, dy), 1e-9);
            return std::pair<double, double>{-dy / len * side, dx / len * side};
        };
        const auto n1 = normal(prev, at);
        const auto n2 = normal(at, next);
        const double dot = n1.first * n2.first + n1.second * n2.second;
        const double scale = distance / std::max(1 + dot, 0.2);
        out.emplace_back(at.first + (n1.first + n2.first) * scale,
                         at.second + (n1.second + n2.second) * scale);
    }
    return out;
}

void DrawDie(TRgbCanvas& canvas, double cx, double cy, double side, double angle, i32 face,
             const TDieLook& look) {
    const double radius = side * 0.18;
    const double edge = std::max(side * 0.05, 0.8);
    canvas.FillPolygon(TurnedRoundSquare(cx, cy, side + 2 * edge, radius + edge, angle), look.Edge);
    canvas.FillPolygon(TurnedRoundSquare(cx, cy, side, radius, angle), look.Body);
    // Pip places on a 3 x 3 grid, -1..1 each way, for each face.
    static const std::vector<std::pair<i32, i32>> Pips[6] = {
        {{0, 0}},
        {{-1, -1}, {1, 1}},
        {{-1, -1}, {0, 0}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
    };
    const double step = side * 0.27;
    const double pip = side * (face == 1 ? 0.13 : 0.095);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (const auto& [gx, gy] : Pips[std::clamp(face, 1, 6) - 1]) {
        const double px = gx * step;
        const double py = gy * step;
        canvas.FillEllipse(cx + px * c - py * s, cy + px * s + py * c, pip, pip, look.Pip);
    }
}
