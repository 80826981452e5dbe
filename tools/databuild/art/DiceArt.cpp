// Red casino dice with white pips (the shooter's pair and the landed faces), the ivory dice printed
// on the layout, the puck, the shooter's hands picking up the dice and the dealer's hand pushing
// returned odds back.
#include "tools/databuild/art/ChipArt.h"

#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/art/SoftPaint.h"

#include <algorithm>
#include <cmath>

namespace {

const TRgbF DieRed{196, 22, 32};
const TRgbF PipWhite{248, 248, 244};
const TRgbF Shadow{0, 0, 0};

// Pip places of each face on a 3 x 3 grid (column, row).
const std::vector<std::pair<int, int>> PipGrid[7] = {
    {},
    {{1, 1}},
    {{2, 0}, {0, 2}},
    {{2, 0}, {1, 1}, {0, 2}},
    {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}},
};

// The shooter's dice: the landed dice's look a little larger, so that their pips read at 1x.
// An odd size puts the middle pip on a pixel's centre.
constexpr double ShooterDie = 17;
constexpr i32 ShooterPairWidth = 38;
constexpr i32 ShooterPairHeight = 19;

// The pair as they lie in front of the shooter, foot at row `foot`, centred on cx: a five and a
// three, the right one a pixel further back.
void PaintShooterDice(TSoftPaint& paint, double cx, double foot) {
    PaintDieFace(paint, cx - ShooterDie - 2, foot - ShooterDie - 1, ShooterDie, 5);
    PaintDieFace(paint, cx + 1, foot - ShooterDie - 2, ShooterDie, 3);
}

struct THandLook {
    TRgbF Skin;
    TRgbF Sleeve;
    TRgbF Cuff;
    TRgbF Nails;
    double Finger;
    double PalmRx;
    bool Painted;
};

const THandLook MaleHand{{222, 170, 128}, {40, 44, 70}, {244, 244, 240}, {}, 2.5, 6.0, false};
const THandLook FemaleHand{
    {236, 190, 156}, {24, 112, 120}, {232, 196, 72}, {200, 20, 50}, 2.0, 5.2, true};
const THandLook DealerHand{{226, 178, 136}, {246, 246, 242}, {30, 30, 34}, {}, 2.4, 5.8, false};

// A shape with a darker outline, so the hand reads on felt and on the dice alike.
void PaintSkin(TSoftPaint& paint, const TShape& outline, const TShape& shape, TRgbF skin) {
    paint.Fill(outline, Shade(skin, 0.62f));
    paint.Fill(shape, skin);
}

// A hand whose wrist is at (cx, wrist), pointing up (dir -1) or down (dir 1); open shows the
// spread fingers, closed a fist with its knuckles forward.
void PaintHand(TSoftPaint& paint, const THandLook& look, double cx, double wrist, double dir,
               bool closed, bool sleeve = true) {
    const double edge = closed ? 7.0 : look.PalmRx + 0.8;
    // A gambler's arm reaches in from beyond the frame; the dealer's hand shows a short sleeve.
    const double sleeveEnd = sleeve ? (dir < 0 ? paint.Height() + 1.0 : -1.0) : wrist - dir * 5;
    paint.Fill(
        TShape::Rect(cx - edge, std::min(wrist, sleeveEnd), cx + edge, std::max(wrist, sleeveEnd)),
        [&](double x, double) {
            return Shade(look.Sleeve, static_cast<float>(1.0 - 0.03 * std::abs(x - cx)));
        });
    paint.Fill(TShape::Rect(cx - edge, std::min(wrist, wrist - 2 * dir), cx + edge,
                            std::max(wrist, wrist - 2 * dir)),
               look.Cuff);
    const double palmY = wrist + dir * 5.5;
    if (closed) {
        PaintSkin(paint, TShape::Ellipse(cx, palmY, 6.6, 5.6), TShape::Ellipse(cx, palmY, 6, 5),
                  look.Skin);
        for (int k = 0; k < 4; ++k) {
            const double kx = cx - 4.5 + 3 * k;
            const double ky = palmY + dir * 4.2;
            PaintSkin(paint, TShape::Ellipse(kx, ky, 2.0, 1.8), TShape::Ellipse(kx, ky, 1.5, 1.3),
                      Shade(look.Skin, 1.06f));
        }
        const TShape thumb =
            TShape::Capsule(cx - 5, palmY + dir, cx + 1, palmY + dir * 2.5, look.Finger + 0.6);
        const TShape thumbLine =
            TShape::Capsule(cx - 5, palmY + dir, cx + 1, palmY + dir * 2.5, look.Finger + 1.6);
        PaintSkin(paint, thumbLine, thumb, Shade(look.Skin, 0.96f));
        return;
    }
    // Knuckle offsets, lengths and spread of the four fingers, then the thumb.
    const double xs[4] = {-4.2, -1.4, 1.4, 4.0};
    const double lengths[4] = {6.5, 8.0, 7.5, 5.8};
    const double spread[4] = {-1.8, -0.5, 0.6, 1.8};
    const double knuckleY = palmY + dir * 4.0;
    for (int f = 0; f < 4; ++f) {
        const double x0 = cx + xs[f] * look.PalmRx / 6.0;
        const double x1 = x0 + spread[f];
        const double y1 = knuckleY + dir * lengths[f];
        PaintSkin(paint, TShape::Capsule(x0, knuckleY, x1, y1, look.Finger + 1.1),
                  TShape::Capsule(x0, knuckleY, x1, y1, look.Finger), look.Skin);
        if (look.Painted)
            paint.Fill(TShape::Ellipse(x1, y1 - dir * 0.3, 0.8, 1.0), look.Nails);
    }
    const double tx = cx - look.PalmRx - 3.5;
    const double ty = palmY + dir * 3.5;
    PaintSkin(paint, TShape::Capsule(cx - look.PalmRx + 2, palmY - dir, tx, ty, look.Finger + 1.7),
              TShape::Capsule(cx - look.PalmRx + 2, palmY - dir, tx, ty, look.Finger + 0.6),
              look.Skin);
    PaintSkin(paint, TShape::Ellipse(cx, palmY, look.PalmRx + 0.6, 5.6),
              TShape::Ellipse(cx, palmY, look.PalmRx, 5.0),
              [&] { return Shade(look.Skin, 1.04f); }());
}

} // namespace

// Rounded body lit from the top left, a soft shadow, crisp pips.
void PaintDieFace(TSoftPaint& paint, double left, double top, double size, int face) {
    const double radius = size * 0.2;
    paint.Fill(TShape::RoundRect(left + 1, top + 1, left + size + 1, top + size + 1, radius),
               Shadow, 0.45f);
    paint.Fill(TShape::RoundRect(left, top, left + size, top + size, radius),
               [&](double x, double y) {
                   const double t = ((x - left) + (y - top)) / (2 * size);
                   return Shade(DieRed, static_cast<float>(1.25 - 0.55 * t));
               });
    // The edge catches light along the top and left.
    paint.Fill(
        TShape::RoundRect(left + 0.9, top + 0.9, left + size - 0.6, top + size - 0.6, radius * 0.8),
        [&](double x, double y) {
            const double t = ((x - left) + (y - top)) / (2 * size);
            return Shade(DieRed, static_cast<float>(1.05 - 0.45 * t));
        });
    const double step = size * 4 / 15;
    const double pip = size * 0.105;
    for (const auto& [col, row] : PipGrid[std::clamp(face, 0, 6)]) {
        // Each pip centred on a pixel, so that it shows as a solid spot three pixels across
        // rather than a smear over four.
        const double cx = std::floor(left + size / 2 + (col - 1) * step) + 0.5;
        const double cy = std::floor(top + size / 2 + (row - 1) * step) + 0.5;
        paint.Fill(TShape::Ellipse(cx, cy, pip, pip), PipWhite);
    }
}

void PaintLayoutDie(TCanvas& canvas, i32 left, i32 top, i32 size, int pips) {
    // The face with its corners cut, which reads as rounded at this size.
    canvas.FillRect(left + 1, top, left + size - 1, top + size, CL_IVORY);
    canvas.FillRect(left, top + 1, left + size, top + size - 1, CL_IVORY);
    // Pips on whole pixels, the outer ones as far from the edge as from the middle one.
    const i32 pip = std::max(2, size / 5);
    const i32 margin = (size - 3 * pip) / 4;
    const i32 at[3] = {margin, (size - pip) / 2, size - margin - pip};
    for (const auto& [col, row] : PipGrid[std::clamp(pips, 0, 6)])
        canvas.FillRect(left + at[col], top + at[row], left + at[col] + pip, top + at[row] + pip,
                        CL_PIP);
}

TAnmFrameSource PuckFrame(bool on) {
    TSoftPaint puck(20, 15);
    const double cx = 10;
    const double cy = 5.9;
    const TRgbF dark{26, 26, 30};
    const TRgbF light{246, 246, 240};
    const TRgbF face = on ? light : dark;
    const TRgbF side = on ? Shade(light, 0.72f) : Shade(dark, 1.25f);
    puck.Fill(TShape::Ellipse(cx + 1, cy + 4.2, 9.6, 5.5), Shadow, 0.35f);
    puck.Fill(TShape::Cylinder(cx, cy, 9.5, 5.4, 3), [&](double x, double) {
        return Shade(side, static_cast<float>(1.0 - 0.025 * (x - cx)));
    });
    puck.Fill(TShape::Ellipse(cx, cy, 9.5, 5.4), Shade(face, on ? 0.85f : 1.6f));
    puck.Fill(TShape::Ellipse(cx, cy, 8.6, 4.6), face);
    puck.Text(cx, cy + 0.3, on ? "ON" : "OFF", on ? 8 : 7, on ? dark : light);
    return puck.Frame(10, 15, FeltRgb());
}

TAnmFrameSource ShooterDiceFrame() {
    TSoftPaint pair(ShooterPairWidth, ShooterPairHeight);
    PaintShooterDice(pair, ShooterPairWidth / 2, ShooterPairHeight);
    return pair.Frame(ShooterPairWidth / 2, ShooterPairHeight, FeltRgb());
}

std::vector<TAnmFrameSource> BigDieFrames() {
    std::vector<TAnmFrameSource> frames;
    for (int face = 1; face <= 6; ++face) {
        TSoftPaint die(16, 16);
        PaintDieFace(die, 0, 0, 15, face);
        frames.push_back(die.Frame(0, 0, FeltRgb()));
    }
    return frames;
}

std::vector<TAnmFrameSource> PickFrames(bool female) {
    // The hand comes in over the rail below the dice, closes on them and draws back.
    constexpr i32 Width = ShooterPairWidth + 4;
    constexpr i32 Height = 42;
    constexpr i32 Foot = 32;
    const THandLook& look = female ? FemaleHand : MaleHand;
    struct TStep {
        double Wrist;
        bool Closed;
        bool DiceShown;
    };
    const TStep steps[4] = {
        {44, false, true}, {39, false, true}, {36, true, false}, {44, true, false}};
    std::vector<TAnmFrameSource> frames;
    for (const TStep& step : steps) {
        TSoftPaint paint(Width, Height);
        if (step.DiceShown)
            PaintShooterDice(paint, Width / 2, Foot);
        PaintHand(paint, look, Width / 2.0 + 1, step.Wrist, -1, step.Closed);
        frames.push_back(paint.Frame(Width / 2, Foot, FeltRgb()));
    }
    return frames;
}

std::vector<TAnmFrameSource> OddsReturnFrames() {
    // A $5 and a $25 pile slide towards the gambler, the dealer's flat hand behind them.
    constexpr i32 Width = 30;
    constexpr i32 Height = 58;
    constexpr i32 Frames = 6;
    const std::vector<TAnmFrameSource> red = ChipStackFrames(1);
    const std::vector<TAnmFrameSource> green = ChipStackFrames(2);
    std::vector<TAnmFrameSource> frames;
    for (i32 f = 0; f < Frames; ++f) {
        const i32 foot = 26 + 6 * f;
        TSoftPaint paint(Width, Height);
        PaintHand(paint, DealerHand, Width / 2.0, foot - 22.0, 1, false, false);
        TAnmFrameSource frame = paint.Frame(Width / 2, Height - 2, FeltRgb());
        // The piles are palette frames already: laid over the painted hand as they are.
        auto lay = [&](const TAnmFrameSource& pile, i32 left) {
            const i32 top = foot - pile.Height;
            for (i32 y = 0; y < pile.Height; ++y)
                for (i32 x = 0; x < pile.Width; ++x) {
                    const size_t from = static_cast<size_t>(y) * pile.Width + x;
                    const i32 tx = left + x;
                    const i32 ty = top + y;
                    if (pile.Opaque[from] == 0 || tx < 0 || ty < 0 || tx >= Width || ty >= Height)
                        continue;
                    const size_t at = static_cast<size_t>(ty) * Width + tx;
                    frame.Pixels[at] = pile.Pixels[from];
                    frame.Opaque[at] = 1;
                }
        };
        lay(red[2], 1);
        lay(green[1], 14);
        frames.push_back(std::move(frame));
    }
    return frames;
}
