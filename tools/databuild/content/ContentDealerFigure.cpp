// The dealer's figure and the dice he handles, drawn in true colour over the table's background
// with anti-aliased strokes, then mapped to the game palette pixel by pixel.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/ContentDealer.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/TableLayout.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr TTrueRgb Ink{28, 26, 34};
constexpr TTrueRgb Shirt{238, 236, 226};
constexpr TTrueRgb ShirtShade{196, 194, 186};
constexpr TTrueRgb Vest{44, 40, 58};
// The sleeves' outline and the light along their folds, so an arm reads over the jacket.
constexpr TTrueRgb SleeveEdge{14, 12, 18};
constexpr TTrueRgb SleeveLight{82, 78, 94};
constexpr TTrueRgb Skin{232, 190, 150};
constexpr TTrueRgb SkinEdge{150, 100, 70};
constexpr TTrueRgb Tie{190, 30, 36};
constexpr TTrueRgb Wood{160, 106, 52};
constexpr TTrueRgb WoodDark{96, 60, 28};
constexpr TTrueRgb Ivory{246, 244, 236};
constexpr TTrueRgb Pip{20, 20, 24};
constexpr TTrueRgb DiceRed{200, 30, 40};
constexpr TTrueRgb ChipRed{200, 40, 40};
constexpr TTrueRgb ChipEdge{250, 245, 230};

// The head and shoulders: the figure stands behind the table, cut off by its rail.
constexpr double HeadX = 320;
constexpr double HeadY = 92;
constexpr double HeadR = 15;
constexpr double NeckY = HeadY + HeadR;
constexpr double ShoulderY = HeadY + 32;
constexpr double ShoulderHalf = 24;
constexpr double WaistY = 206;
constexpr double UpperArm = 38;
constexpr double Forearm = 38;
// The neck as wide as a neck is under a head this size, and the collar it stands in.
constexpr double NeckHalf = 6.5;
constexpr double CollarY = ShoulderY - 7;
// A sleeve's half-width at the shoulder, the elbow and the cuff.
constexpr double ShoulderR = 5.8;
constexpr double ElbowR = 4.8;
constexpr double CuffR = 4.0;

constexpr u32 BmpPixels = 14 + 40 + 1024;

// A screen of blended colour: pixels are read from the background the first time a stroke
// touches them, so a frame costs what it draws, not the whole table.
class TSketch {
public:
    explicit TSketch(const std::vector<TTrueRgb>& base)
        : Base(base), Colour(new TTrueRgb[Size()]), Touched(Size(), 0) {}

    void Reset() {
        for (i32 y = Top; y < Bottom; ++y)
            for (i32 x = Left; x < Right; ++x)
                Touched[Index(x, y)] = 0;
        Left = TABLE_WIDTH;
        Top = TABLE_HEIGHT;
        Right = 0;
        Bottom = 0;
    }

    // Every pixel within reach of the segment by `radius`, coverage from the distance.
    void Capsule(double x0, double y0, double x1, double y1, double radius, TTrueRgb colour,
                 double opacity = 1.0) {
        const double dx = x1 - x0;
        const double dy = y1 - y0;
        const double length2 = dx * dx + dy * dy;
        Cover(std::min(x0, x1) - radius, std::min(y0, y1) - radius, std::max(x0, x1) + radius,
              std::max(y0, y1) + radius, colour, opacity, [&](double px, double py) {
                  double t = length2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / length2 : 0;
                  t = std::clamp(t, 0.0, 1.0);
                  const double ex = px - (x0 + t * dx);
                  const double ey = py - (y0 + t * dy);
                  return radius + 0.5 - std::sqrt(ex * ex + ey * ey);
              });
    }
    // A capsule whose radius runs from r0 at the first end to r1 at the second: a limb.
    void Taper(double x0, double y0, double r0, double x1, double y1, double r1, TTrueRgb colour) {
        const double dx = x1 - x0;
        const double dy = y1 - y0;
        const double length2 = dx * dx + dy * dy;
        const double reach = std::max(r0, r1);
        Cover(std::min(x0, x1) - reach, std::min(y0, y1) - reach, std::max(x0, x1) + reach,
              std::max(y0, y1) + reach, colour, 1.0, [&](double px, double py) {
                  double t = length2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / length2 : 0;
                  t = std::clamp(t, 0.0, 1.0);
                  const double ex = px - (x0 + t * dx);
                  const double ey = py - (y0 + t * dy);
                  return r0 + (r1 - r0) * t + 0.5 - std::sqrt(ex * ex + ey * ey);
              });
    }
    void Disc(double cx, double cy, double radius, TTrueRgb colour) {
        Capsule(cx, cy, cx, cy, radius, colour);
    }
    void Ring(double cx, double cy, double radius, double width, TTrueRgb colour) {
        Cover(cx - radius - width, cy - radius - width, cx + radius + width, cy + radius + width,
              colour, 1.0, [&](double px, double py) {
                  const double d = std::hypot(px - cx, py - cy);
                  return width / 2 + 0.5 - std::abs(d - radius);
              });
    }
    // An axis-aligned box with rounded corners.
    void Box(double left, double top, double right, double bottom, double corner, TTrueRgb colour) {
        Cover(left, top, right, bottom, colour, 1.0, [&](double px, double py) {
            const double qx = std::max({left + corner - px, px - (right - corner), 0.0});
            const double qy = std::max({top + corner - py, py - (bottom - corner), 0.0});
            const double inside =
                std::min(std::min(px - left, right - px), std::min(py - top, bottom - py));
            if (qx > 0 && qy > 0)
                return corner + 0.5 - std::hypot(qx, qy);
            return inside + 0.5;
        });
    }
    // The polygon's inside, by a point test per subsample. The edges cross each row of
    // subsamples at places found once per row, so a sample costs a comparison per crossing.
    void Polygon(const std::vector<std::pair<double, double>>& points, TTrueRgb colour) {
        double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
        for (const auto& [x, y] : points) {
            l = std::min(l, x);
            t = std::min(t, y);
            r = std::max(r, x);
            b = std::max(b, y);
        }
        const i32 left = static_cast<i32>(std::floor(l));
        const i32 right = static_cast<i32>(std::ceil(r));
        std::vector<int> inside(static_cast<size_t>(std::max(0, right - left + 1)));
        std::vector<double> crossings;
        for (i32 y = static_cast<i32>(std::floor(t)); y <= static_cast<i32>(std::ceil(b)); ++y) {
            std::fill(inside.begin(), inside.end(), 0);
            for (int row = 0; row < 4; ++row) {
                Crossings(points, y + (row + 0.5) / 4, crossings);
                if (crossings.empty())
                    continue;
                for (i32 x = left; x <= right; ++x)
                    for (int column = 0; column < 4; ++column) {
                        const double sx = x + (column + 0.5) / 4;
                        bool in = false;
                        for (const double c : crossings)
                            if (sx < c)
                                in = !in;
                        inside[static_cast<size_t>(x - left)] += in ? 1 : 0;
                    }
            }
            for (i32 x = left; x <= right; ++x)
                if (const int n = inside[static_cast<size_t>(x - left)]; n > 0)
                    Blend(x, y, colour, n / 16.0);
        }
    }

    // The covered rectangle's pixels in the palette; uncovered ones transparent.
    TAnmFrameSource Cut(i32 left, i32 top, i32 right, i32 bottom) const {
        TAnmFrameSource frame;
        frame.Width = static_cast<i16>(right - left);
        frame.Height = static_cast<i16>(bottom - top);
        frame.Pixels.assign(static_cast<size_t>(frame.Width) * static_cast<size_t>(frame.Height),
                            0);
        frame.Opaque.assign(frame.Pixels.size(), 0);
        for (i32 y = std::max(top, Top); y < std::min(bottom, Bottom); ++y)
            for (i32 x = std::max(left, Left); x < std::min(right, Right); ++x) {
                if (!Touched[Index(x, y)])
                    continue;
                const TTrueRgb& c = Colour[Index(x, y)];
                const size_t at = static_cast<size_t>((y - top) * frame.Width + (x - left));
                frame.Pixels[at] = Nearest(Channel(c.R), Channel(c.G), Channel(c.B));
                frame.Opaque[at] = 1;
            }
        return frame;
    }

    // The drawn pixels into a screen of the same size.
    void CopyInto(std::vector<TTrueRgb>& screen) const {
        for (i32 y = Top; y < Bottom; ++y)
            for (i32 x = Left; x < Right; ++x)
                if (Touched[Index(x, y)])
                    screen[Index(x, y)] = Colour[Index(x, y)];
    }

    i32 Left = TABLE_WIDTH;
    i32 Top = TABLE_HEIGHT;
    i32 Right = 0;
    i32 Bottom = 0;

private:
    static size_t Size() { return static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT; }
    static size_t Index(i32 x, i32 y) { return static_cast<size_t>(y) * TABLE_WIDTH + x; }
    static u8 Channel(double v) { return static_cast<u8>(std::clamp(std::lround(v), 0L, 255L)); }

    // Where the polygon's edges cross the line at y, as an even-odd inside test sees them: a
    // point of the line is inside when an odd number of crossings lie to its right.
    static void Crossings(const std::vector<std::pair<double, double>>& p, double y,
                          std::vector<double>& out) {
        out.clear();
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
            if ((p[i].second > y) != (p[j].second > y))
                out.push_back((p[j].first - p[i].first) * (y - p[i].second) /
                                  (p[j].second - p[i].second) +
                              p[i].first);
    }

    template <typename TCoverage>
    void Cover(double l, double t, double r, double b, TTrueRgb colour, double opacity,
               TCoverage coverage) {
        for (i32 y = static_cast<i32>(std::floor(t)) - 1; y <= static_cast<i32>(std::ceil(b)); ++y)
            for (i32 x = static_cast<i32>(std::floor(l)) - 1; x <= static_cast<i32>(std::ceil(r));
                 ++x) {
                const double c = std::clamp(coverage(x + 0.5, y + 0.5), 0.0, 1.0);
                if (c > 0.02)
                    Blend(x, y, colour, c * opacity);
            }
    }

    void Blend(i32 x, i32 y, TTrueRgb colour, double alpha) {
        if (x < 0 || y < 0 || x >= TABLE_WIDTH || y >= TABLE_HEIGHT)
            return;
        TTrueRgb& c = Colour[Index(x, y)];
        if (!Touched[Index(x, y)]) {
            c = Base[Index(x, y)];
            Touched[Index(x, y)] = 1;
            Left = std::min(Left, x);
            Top = std::min(Top, y);
            Right = std::max(Right, x + 1);
            Bottom = std::max(Bottom, y + 1);
        }
        c.R += (colour.R - c.R) * alpha;
        c.G += (colour.G - c.G) * alpha;
        c.B += (colour.B - c.B) * alpha;
    }

    const std::vector<TTrueRgb>& Base;
    // Left unset: a pixel is read only once Touched says a stroke set it, and a sketch is made
    // for every figure, so filling the whole screen each time would cost more than the drawing.
    std::unique_ptr<TTrueRgb[]> Colour;
    std::vector<u8> Touched;
};

// The elbow of an arm from the shoulder to the hand: bent outward and down, as far as the
// two bones reach.
std::pair<double, double> Elbow(double sx, double sy, double hx, double hy, double outward) {
    const double dx = hx - sx;
    const double dy = hy - sy;
    const double d = std::max(1.0, std::min(std::hypot(dx, dy), UpperArm + Forearm - 0.5));
    const double a = (UpperArm * UpperArm - Forearm * Forearm + d * d) / (2 * d);
    const double h = std::sqrt(std::max(0.0, UpperArm * UpperArm - a * a));
    const double mx = sx + a * dx / std::max(1.0, std::hypot(dx, dy));
    const double my = sy + a * dy / std::max(1.0, std::hypot(dx, dy));
    const double nx = -dy / std::max(1.0, std::hypot(dx, dy));
    const double ny = dx / std::max(1.0, std::hypot(dx, dy));
    // Of the two bends, the one away from the body and lower.
    const double side = (nx * outward + ny * 0.6) >= 0 ? 1 : -1;
    return {mx + side * h * nx, my + side * h * ny};
}

void DrawDie(TSketch& s, double cx, double cy, int face) {
    s.Box(cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, 1.6, DiceRed);
    static const int Pips[7][6][2] = {{},
                                      {{0, 0}},
                                      {{-1, -1}, {1, 1}},
                                      {{-1, -1}, {0, 0}, {1, 1}},
                                      {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
                                      {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}},
                                      {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}}};
    const int f = std::clamp(face, 1, 6);
    for (int p = 0; p < f; ++p)
        s.Disc(cx + Pips[f][p][0] * 2.3, cy + Pips[f][p][1] * 2.3, 0.55, Ivory);
}

void DrawCarried(TSketch& s, const TDealerPose& pose) {
    const double x = pose.CarriedX;
    const double y = pose.CarriedY;
    switch (pose.Carried) {
    case TCarried::Nothing:
        break;
    case TCarried::PuckOff:
    case TCarried::PuckOn: {
        const bool on = pose.Carried == TCarried::PuckOn;
        s.Disc(x + 1, y + 1.5, 7.5, TTrueRgb{0, 0, 0});
        s.Disc(x, y, 7.5, on ? Ivory : Pip);
        s.Ring(x, y, 7.0, 1.0, on ? Pip : Ivory);
        // The word on the puck reads at this size as a bar.
        s.Capsule(x - 3, y, x + 3, y, 0.8, on ? Pip : Ivory);
        break;
    }
    case TCarried::Dice:
        DrawDie(s, x - 5.5, y, pose.Faces[0]);
        DrawDie(s, x + 5.5, y + 1, pose.Faces[1]);
        break;
    case TCarried::Chips:
        for (int c = 0; c < 4; ++c) {
            s.Box(x - 7, y - 2 - 2 * c, x + 7, y + 2 - 2 * c, 2, ChipRed);
            s.Capsule(x - 3, y - 2 * c, x + 3, y - 2 * c, 0.5, ChipEdge);
        }
        break;
    }
}

void DrawStick(TSketch& s, const TDealerPose& pose) {
    const double hx = pose.HandX[1];
    const double hy = pose.HandY[1];
    const double dx = pose.TipX - hx;
    const double dy = pose.TipY - hy;
    const double d = std::max(1.0, std::hypot(dx, dy));
    // The butt runs back past the hand, the hook lies across the tip.
    s.Capsule(hx - dx / d * 22, hy - dy / d * 22, pose.TipX, pose.TipY, 1.4, WoodDark);
    s.Capsule(hx - dx / d * 22, hy - dy / d * 22, pose.TipX, pose.TipY, 0.7, Wood);
    const double nx = -dy / d;
    const double ny = dx / d;
    s.Capsule(pose.TipX - nx * 7, pose.TipY - ny * 7, pose.TipX + nx * 7, pose.TipY + ny * 7, 1.5,
              WoodDark);
}

// What never moves: neck, shirt, jacket, collar and tie. The jacket's shoulders rise to the
// collar, and the neck stands in it, shaded under the jaw.
void DrawTorso(TSketch& s) {
    const double lx = HeadX - ShoulderHalf;
    const double rx = HeadX + ShoulderHalf;
    s.Box(HeadX - NeckHalf - 1, NeckY - 8, HeadX + NeckHalf + 1, ShoulderY, 3, SkinEdge);
    s.Box(HeadX - NeckHalf, NeckY - 8, HeadX + NeckHalf, ShoulderY, 2.5, Skin);
    s.Capsule(HeadX - NeckHalf + 1.5, NeckY + 1.5, HeadX + NeckHalf - 1.5, NeckY + 1.5, 2.2,
              SkinEdge, 0.45);
    s.Polygon({{lx - 2, ShoulderY},
               {HeadX - NeckHalf - 3, CollarY + 1},
               {HeadX + NeckHalf + 3, CollarY + 1},
               {rx + 2, ShoulderY},
               {rx - 6, WaistY},
               {lx + 6, WaistY}},
              Shirt);
    s.Polygon({{lx - 2, ShoulderY},
               {HeadX - NeckHalf - 3, CollarY + 1},
               {HeadX - 7, ShoulderY + 4},
               {HeadX - 3, WaistY},
               {lx + 6, WaistY}},
              Vest);
    s.Polygon({{rx + 2, ShoulderY},
               {HeadX + NeckHalf + 3, CollarY + 1},
               {HeadX + 7, ShoulderY + 4},
               {HeadX + 3, WaistY},
               {rx - 6, WaistY}},
              Vest);
    // The shirt's collar round the neck, its wings turned down over the tie.
    s.Box(HeadX - NeckHalf - 1, CollarY - 1, HeadX + NeckHalf + 1, CollarY + 3, 1.5, ShirtShade);
    s.Box(HeadX - NeckHalf - 0.5, CollarY - 1.5, HeadX + NeckHalf + 0.5, CollarY + 2, 1.5, Shirt);
    s.Polygon(
        {{HeadX - NeckHalf - 1, CollarY + 1}, {HeadX - 1, CollarY + 3}, {HeadX - 5, CollarY + 7}},
        Shirt);
    s.Polygon(
        {{HeadX + NeckHalf + 1, CollarY + 1}, {HeadX + 1, CollarY + 3}, {HeadX + 5, CollarY + 7}},
        Shirt);
    const double bowY = CollarY + 6;
    s.Polygon({{HeadX - 8, bowY - 4}, {HeadX, bowY}, {HeadX - 8, bowY + 4}}, Tie);
    s.Polygon({{HeadX + 8, bowY - 4}, {HeadX, bowY}, {HeadX + 8, bowY + 4}}, Tie);
    s.Disc(HeadX, bowY, 2.2, Tie);
}

// Face, hair, eyes and mouth.
void DrawHead(TSketch& s, const TDealerPose& pose) {
    const double hx = HeadX + pose.Lean;
    s.Disc(hx, HeadY, HeadR + 1.2, SkinEdge);
    s.Disc(hx, HeadY, HeadR, Skin);
    // Hair: a cap over the crown, parted to one side.
    std::vector<std::pair<double, double>> hair;
    for (int k = 0; k <= 12; ++k) {
        const double a = 3.14159 * (1.05 + 0.9 * k / 12.0);
        hair.push_back({hx + std::cos(a) * (HeadR + 1.4), HeadY + std::sin(a) * (HeadR + 1.4)});
    }
    for (int k = 12; k >= 0; --k) {
        const double a = 3.14159 * (1.05 + 0.9 * k / 12.0);
        hair.push_back({hx + std::cos(a) * (HeadR - 2) + 1, HeadY - 4 + std::sin(a) * (HeadR - 9)});
    }
    s.Polygon(hair, Ink);
    const double look = pose.Look * 2.5;
    s.Disc(hx - 5.5 + look, HeadY + 1, 1.5, Ink);
    s.Disc(hx + 5.5 + look, HeadY + 1, 1.5, Ink);
    if (pose.MouthOpen)
        s.Box(hx - 3.5 + look / 2, HeadY + 6, hx + 3.5 + look / 2, HeadY + 11, 2.2, Ink);
    else
        s.Capsule(hx - 4 + look / 2, HeadY + 8, hx + 4 + look / 2, HeadY + 8, 0.9, Ink);
}

// A hand from its wrist along the forearm's direction (dx, dy): palm, fingers together and the
// thumb toward the body; a hand that holds the stick closes round it.
void DrawHand(TSketch& s, double x, double y, double dx, double dy, double thumbSide, bool fist) {
    const double nx = -dy * thumbSide;
    const double ny = dx * thumbSide;
    const double knuckle = 3.0;
    const double tip = fist ? 5.5 : 7.5;
    const double fingers = fist ? 3.6 : 3.0;
    auto limb = [&](double a, double b, double na, double nb, double r, TTrueRgb colour) {
        s.Capsule(x + dx * a + nx * na, y + dy * a + ny * na, x + dx * b + nx * nb,
                  y + dy * b + ny * nb, r, colour);
    };
    for (const auto& [grow, colour] : {std::pair{0.9, SkinEdge}, std::pair{0.0, Skin}}) {
        limb(-3.5, knuckle, 0, 0, 3.9 + grow, colour);
        limb(knuckle, tip, 0, fist ? 0.8 : 0, fingers + grow, colour);
        limb(-1.5, 2.5, 3.0, 4.6, 1.5 + grow, colour);
    }
    // The fingers' partings.
    for (double across : {-1.1, 1.1})
        s.Capsule(x + dx * (knuckle + 0.8) + nx * across, y + dy * (knuckle + 0.8) + ny * across,
                  x + dx * (tip + 1) + nx * across, y + dy * (tip + 1) + ny * across, 0.3, SkinEdge,
                  0.7);
}

// Arms, hands and stick over the torso, and what the stick carries: each arm a jacket sleeve
// that narrows from the shoulder to the cuff, the shirt's cuff at the wrist, then the hand.
void DrawBody(TSketch& s, const TDealerPose& pose) {
    const double lx = HeadX - ShoulderHalf;
    const double rx = HeadX + ShoulderHalf;
    // The stick under the arms, the arms over the jacket, the hands last.
    if (pose.Stick)
        DrawStick(s, pose);
    for (int side = 0; side < 2; ++side) {
        const double sx = side == 0 ? lx : rx;
        const double sy = ShoulderY + 2;
        const double hx = pose.HandX[static_cast<size_t>(side)];
        const double hy = pose.HandY[static_cast<size_t>(side)];
        const auto [ex, ey] = Elbow(sx, sy, hx, hy, side == 0 ? -1 : 1);
        const double d = std::max(1.0, std::hypot(hx - ex, hy - ey));
        const double dx = (hx - ex) / d;
        const double dy = (hy - ey) / d;
        // The sleeve ends short of the hand's middle, where the cuff shows.
        const double wx = hx - dx * 6;
        const double wy = hy - dy * 6;
        s.Taper(sx, sy, ShoulderR + 1, ex, ey, ElbowR + 1, SleeveEdge);
        s.Taper(ex, ey, ElbowR + 1, wx, wy, CuffR + 1, SleeveEdge);
        s.Taper(sx, sy, ShoulderR, ex, ey, ElbowR, Vest);
        s.Taper(ex, ey, ElbowR, wx, wy, CuffR, Vest);
        // Light along the upper side of each bone, away from the body.
        const double out = side == 0 ? -1 : 1;
        s.Capsule(sx + out * 2.2, sy - 1, ex + out * 1.8, ey - 1, 0.8, SleeveLight, 0.7);
        s.Capsule(ex + out * 1.5, ey - 1, wx + out * 1.2, wy - 1, 0.7, SleeveLight, 0.6);
        s.Capsule(wx - dx * 0.5, wy - dy * 0.5, wx + dx * 2, wy + dy * 2, CuffR - 0.6, ShirtShade);
        s.Capsule(wx, wy, wx + dx * 1.6, wy + dy * 1.6, CuffR - 1.1, Shirt);
        DrawHand(s, hx - dx * 1.5, hy - dy * 1.5, dx, dy, side == 0 ? -1 : 1,
                 side == 1 && pose.Stick);
    }
    DrawCarried(s, pose);
}

void DrawFist(TSketch& s, const TDealerPose& pose) {
    // The shooter's fist closes over the dice, a wrist coming up from the rail.
    const double x = pose.CarriedX;
    const double y = pose.CarriedY;
    s.Capsule(x + 4, y + 6, x + 10, y + 26, 5.5, SkinEdge);
    s.Capsule(x + 4, y + 6, x + 10, y + 26, 4.6, Skin);
    s.Disc(x, y + 2, 8.5, SkinEdge);
    s.Disc(x, y + 2, 7.6, Skin);
    for (int k = -1; k <= 1; ++k)
        s.Capsule(x - 6, y + 2 + k * 3.2, x - 1, y + 2 + k * 3.2, 0.5, SkinEdge);
}

// Every frame cut to the union of what the frames cover.
TFigureFrames CutAll(TSketch& sketch, const std::vector<TDealerPose>& poses,
                     void (*draw)(TSketch&, const TDealerPose&)) {
    i32 left = TABLE_WIDTH, top = TABLE_HEIGHT, right = 0, bottom = 0;
    for (const TDealerPose& pose : poses) {
        sketch.Reset();
        draw(sketch, pose);
        left = std::min(left, sketch.Left);
        top = std::min(top, sketch.Top);
        right = std::max(right, sketch.Right);
        bottom = std::max(bottom, sketch.Bottom);
    }
    if (right <= left || bottom <= top)
        throw TBuildError("dealer", "a gesture draws nothing");
    TFigureFrames out;
    out.Left = left;
    out.Top = top;
    for (const TDealerPose& pose : poses) {
        sketch.Reset();
        draw(sketch, pose);
        out.Frames.push_back(sketch.Cut(left, top, right, bottom));
    }
    sketch.Reset();
    return out;
}

} // namespace

TDealerPose RestPose() {
    TDealerPose pose;
    pose.HandX = {HeadX - 20, HeadX + 28};
    pose.HandY = {ShoulderY + 58, ShoulderY + 52};
    pose.TipX = HeadX + 70;
    pose.TipY = 226;
    return pose;
}

TFigureArtist::TFigureArtist(const TDataSet& set) {
    const TRawFile* bmp = set.FindRaw(TableFile("f1craps.bmp"));
    const size_t pixels = static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT;
    Plain.resize(pixels);
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const size_t from = BmpPixels +
                                static_cast<size_t>(TABLE_HEIGHT - 1 - y) * TABLE_WIDTH +
                                static_cast<size_t>(x);
            const u8 under = bmp != nullptr && bmp->Bytes.size() >= BmpPixels + pixels
                                 ? bmp->Bytes[from]
                                 : static_cast<u8>(CL_FELT);
            const std::array<u8, 3> rgb = RgbOf(under);
            Plain[static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x)] = {
                static_cast<double>(rgb[0]), static_cast<double>(rgb[1]),
                static_cast<double>(rgb[2])};
        }
    // The torso once, and the moving parts blended over it.
    TSketch torso(Plain);
    DrawTorso(torso);
    TorsoFrames.Left = torso.Left;
    TorsoFrames.Top = torso.Top;
    TorsoFrames.Frames.push_back(torso.Cut(torso.Left, torso.Top, torso.Right, torso.Bottom));
    WithTorso = Plain;
    torso.CopyInto(WithTorso);
}

TFigureFrames TFigureArtist::Dealer(const std::vector<TDealerPose>& poses) {
    TSketch sketch(WithTorso);
    return CutAll(sketch, poses, [](TSketch& s, const TDealerPose& pose) {
        DrawHead(s, pose);
        DrawBody(s, pose);
    });
}

TFigureFrames TFigureArtist::Head(const std::vector<TDealerPose>& poses) {
    TSketch sketch(WithTorso);
    return CutAll(sketch, poses, DrawHead);
}

TFigureFrames TFigureArtist::Body(const std::vector<TDealerPose>& poses) {
    TSketch sketch(WithTorso);
    return CutAll(sketch, poses, DrawBody);
}

TFigureFrames TFigureArtist::Dice(const std::vector<TDealerPose>& poses, bool fist) {
    TSketch sketch(Plain);
    if (fist)
        return CutAll(sketch, poses, [](TSketch& s, const TDealerPose& pose) {
            DrawCarried(s, pose);
            DrawFist(s, pose);
        });
    return CutAll(sketch, poses, DrawCarried);
}

TFigureArtist& FigureArtist(const TDataSet& set) {
    // Made once per data set: the background and torso are the same for every beat.
    static const TDataSet* owner = nullptr;
    static std::unique_ptr<TFigureArtist> artist;
    if (owner != &set || artist == nullptr) {
        artist = std::make_unique<TFigureArtist>(set);
        owner = &set;
    }
    return *artist;
}
