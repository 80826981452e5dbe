// Button looks: a lacquered face in a dark rim with a gold label; chip buttons show their chip,
// the talk button the dealer's talk setting as lit bars.
#include "tools/databuild/content/ButtonArt.h"

#include "tools/databuild/art/Colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using TRgb = std::array<int, 3>;

constexpr int ExpertButton = 0;
constexpr int StatsButton = 1;
constexpr int TalkButton = 13;
constexpr int RollButton = 12;
constexpr int FirstChipButton = 6;
// The chip buttons' value stands in the rows above this one, and a pixel lower when pressed.
constexpr i32 ChipLabelBottom = 8;

// Top and bottom colours of a face, and its label's ink.
struct TFaceColours {
    TRgb Top;
    TRgb Bottom;
    TRgb Ink;
};

TFaceColours ColoursOf(int number, TButtonLook look) {
    switch (look) {
    case TButtonLook::Disabled:
        return {{104, 100, 96}, {64, 62, 60}, {150, 146, 140}};
    case TButtonLook::Signal:
        return {{255, 214, 90}, {232, 140, 20}, {60, 20, 8}};
    case TButtonLook::Pressed:
        if (number == RollButton)
            return {{110, 10, 12}, {170, 30, 28}, {255, 226, 130}};
        return {{48, 10, 14}, {96, 22, 28}, {236, 196, 96}};
    case TButtonLook::Up:
        break;
    }
    if (number == RollButton)
        return {{224, 56, 44}, {140, 14, 16}, {255, 236, 160}};
    return {{136, 34, 40}, {64, 10, 16}, {244, 206, 104}};
}

u8 Shade(const TRgb& c) {
    return Nearest(static_cast<u8>(c[0]), static_cast<u8>(c[1]), static_cast<u8>(c[2]));
}

TRgb Between(const TRgb& a, const TRgb& b, double t) {
    TRgb out{};
    for (size_t i = 0; i < 3; ++i)
        out[i] = static_cast<int>(std::lround(a[i] + (b[i] - a[i]) * t));
    return out;
}

TRgb Lighter(const TRgb& c, int by) {
    return {std::min(255, c[0] + by), std::min(255, c[1] + by), std::min(255, c[2] + by)};
}

// The rim, the same in every look so that a face sprite sits exactly on the painted up look:
// a dark line with its four corner pixels left to what lies under the button.
void Rim(TCanvas& face) {
    const i32 w = face.Width();
    const i32 h = face.Height();
    const u8 rim = Nearest(18, 12, 10);
    face.FrameRect(0, 0, w, h, rim);
    // Corners stay uncovered: the rim reads as rounded on any bar.
    TCanvas corners(w, h);
    for (i32 y = 0; y < h; ++y)
        for (i32 x = 0; x < w; ++x)
            if ((x == 0 || x == w - 1) && (y == 0 || y == h - 1))
                continue;
            else
                corners.Plot(x, y, face.At(x, y));
    face = corners;
}

// The face inside the rim: a vertical gradient with a light top edge and a dark bottom edge,
// swapped when pressed.
void Face(TCanvas& face, const TFaceColours& colours, bool pressed) {
    const i32 w = face.Width();
    const i32 h = face.Height();
    for (i32 y = 1; y < h - 1; ++y) {
        const double t = h > 3 ? static_cast<double>(y - 1) / (h - 3) : 0.0;
        face.FillRect(1, y, w - 1, y + 1, Shade(Between(colours.Top, colours.Bottom, t)));
    }
    const u8 light = Shade(Lighter(colours.Top, 56));
    const u8 dark = Shade(Between(colours.Bottom, TRgb{0, 0, 0}, 0.5));
    face.FillRect(1, 1, w - 1, 2, pressed ? dark : light);
    face.FillRect(1, 1, 2, h - 1, pressed ? dark : light);
    face.FillRect(1, h - 2, w - 1, h - 1, pressed ? light : dark);
    face.FillRect(w - 2, 2, w - 1, h - 1, pressed ? light : dark);
}

// The largest bold size up to `largest` at which the label fits the face.
TTextStyle FittingStyle(const std::string& label, i32 width, i32 largest) {
    for (i32 size = largest; size > 7; --size)
        if (TCanvas::TextWidth(label, TTextStyle{size, true, false}) <= width)
            return TTextStyle{size, true, false};
    return TTextStyle{7, true, false};
}

// A chip button: its value along the top, and below it the groove the gambler's stack of that
// chip stands in (the rack's sprite, drawn over the face), short enough to leave the value
// clear. An empty groove shows the chip's colour, so that the button still says which chip it
// sells.
void Chip(TCanvas& face, int denomination, const std::string& label, const TFaceColours& colours,
          bool disabled, i32 shift) {
    static constexpr std::array<TRgb, 6> ChipColours = {{{236, 140, 20},
                                                         {132, 60, 180},
                                                         {34, 34, 40},
                                                         {28, 148, 60},
                                                         {196, 24, 28},
                                                         {236, 236, 228}}};
    const TRgb body =
        disabled ? TRgb{120, 116, 112} : ChipColours[static_cast<size_t>(denomination)];
    const double cx = face.Width() / 2.0 + shift;
    const double foot = face.Height() - 4.0 + shift;
    // The groove: a dark hollow, the chip's colour at its bottom.
    face.FillEllipseAA(cx - 6.5, foot - 3, cx + 6.5, foot + 2,
                       Shade(Between(colours.Bottom, TRgb{0, 0, 0}, 0.6)));
    face.FillEllipseAA(cx - 4.5, foot - 2, cx + 4.5, foot + 1,
                       Shade(Between(body, colours.Bottom, 0.35)));
    face.SetMatte(Shade(Between(colours.Top, colours.Bottom, 0.15)));
    face.TextIn(shift, shift, face.Width() + shift, ChipLabelBottom + shift, label,
                FittingStyle(label, face.Width() - 2, 8), Shade(colours.Ink));
}

// Three bars rising left to right, as many lit as the dealer's talk setting.
void TalkBars(TCanvas& face, int setting, const TFaceColours& colours, i32 shift) {
    const u8 lit = Shade(colours.Ink);
    const u8 unlit = Shade(Between(colours.Bottom, colours.Ink, 0.25));
    const i32 right = face.Width() - 5 + shift;
    for (int bar = 0; bar < 3; ++bar) {
        const i32 x = right - (3 - bar) * 4;
        const i32 top = face.Height() - 4 - 3 * (bar + 1) + shift;
        face.FillRect(x, top, x + 3, face.Height() - 3 + shift, bar < setting ? lit : unlit);
    }
}

// The two tall buttons carry a picture over their label: the expert a question mark in a ring,
// the statistics a bar chart.
void Picture(TCanvas& face, int number, const TFaceColours& colours, i32 shift) {
    const u8 ink = Shade(colours.Ink);
    const double cx = face.Width() / 2.0 + shift;
    const double cy = 18.0 + shift;
    if (number == ExpertButton) {
        face.DiscAA(cx, cy, 12.5, ink);
        face.DiscAA(cx, cy, 10.5, Shade(Between(colours.Top, colours.Bottom, 0.3)));
        face.SetMatte(Shade(Between(colours.Top, colours.Bottom, 0.3)));
        face.TextIn(shift, static_cast<i32>(cy) - 10, face.Width() + shift,
                    static_cast<i32>(cy) + 11, "?", TTextStyle{19, true, false}, ink);
        return;
    }
    const i32 base = 29 + shift;
    static constexpr i32 Heights[4] = {8, 14, 11, 19};
    for (int bar = 0; bar < 4; ++bar) {
        const i32 x = 11 + bar * 7 + shift;
        face.FillRect(x, base - Heights[bar], x + 5, base, ink);
    }
    face.FillRect(8 + shift, base, face.Width() - 8 + shift, base + 1, ink);
}

} // namespace

TCanvas ButtonFace(const TTableButton& button, TButtonLook look, const std::string& label) {
    const i32 w = button.Box.Width();
    const i32 h = button.Box.Height();
    const bool pressed = look == TButtonLook::Pressed;
    const TFaceColours colours = ColoursOf(button.Number, look);
    TCanvas face(w, h);
    Face(face, colours, pressed);
    const i32 shift = pressed ? 1 : 0;
    face.SetMatte(Shade(Between(colours.Top, colours.Bottom, 0.5)));
    if (button.Number >= FirstChipButton && button.Number < FirstChipButton + 6) {
        Chip(face, button.Number - FirstChipButton, label, colours, look == TButtonLook::Disabled,
             shift);
        Rim(face);
        return face;
    }
    if (button.Number == TalkButton) {
        // The label names the setting; the bars show it.
        const bool named = !label.empty() && label.back() >= '0' && label.back() <= '3';
        const int setting = named ? label.back() - '0' : 3;
        face.TextIn(4 + shift, shift, w - 16 + shift, h + shift, "TALK",
                    FittingStyle("TALK", w - 20, 10), Shade(colours.Ink), TAlign::Left);
        TalkBars(face, setting, colours, shift);
        Rim(face);
        return face;
    }
    if (button.Number == ExpertButton || button.Number == StatsButton) {
        Picture(face, button.Number, colours, shift);
        face.SetMatte(Shade(Between(colours.Top, colours.Bottom, 0.8)));
        face.TextIn(shift, h - 16 + shift, w + shift, h - 3 + shift, label,
                    FittingStyle(label, w - 6, 10), Shade(colours.Ink));
        Rim(face);
        return face;
    }
    face.TextIn(shift, shift, w + shift, h + shift, label,
                FittingStyle(label, w - 6, std::min(13, h - 4)), Shade(colours.Ink));
    Rim(face);
    return face;
}
