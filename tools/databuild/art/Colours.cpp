// The game palette's colours, and the rule that keeps the data set's entries apart from the
// statics.
#include "tools/databuild/art/Colours.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace {

using TRgb = std::array<u8, 3>;

constexpr std::array<TRgb, 20> Statics = {{
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
}};

// In TColour order from CL_FELT.
constexpr TRgb Named[] = {
    {16, 104, 52},   // felt
    {8, 72, 36},     // felt, dark
    {40, 136, 76},   // felt, light
    {92, 52, 24},    // rail
    {140, 88, 44},   // rail, light
    {56, 30, 12},    // rail, dark
    {232, 196, 72},  // gold
    {244, 236, 208}, // cream
    {200, 32, 32},   // craps red
    {36, 36, 44},    // panel
    {100, 100, 116}, // panel edge
    {12, 12, 20},    // board
    {255, 176, 32},  // amber
    {120, 80, 16},   // amber, dim
    {172, 168, 160}, // button
    {228, 224, 216}, // button light
    {84, 80, 76},    // button shadow
    {24, 24, 28},    // button text
    {96, 136, 200},  // pressed
    {112, 112, 108}, // disabled
    {156, 156, 150}, // disabled text
    {255, 120, 40},  // signal
    {236, 236, 228}, // chip $1
    {196, 24, 28},   // chip $5
    {28, 148, 60},   // chip $25
    {28, 28, 32},    // chip $100
    {132, 60, 180},  // chip $1000
    {236, 140, 20},  // chip $10000
    {250, 246, 232}, // chip stripe
    {248, 244, 228}, // ivory
    {20, 20, 24},    // pip
    {60, 120, 220},  // seat 0
    {220, 60, 60},   // seat 1
    {220, 180, 40},  // seat 2
    {250, 248, 220}, // caption
    {30, 30, 60},    // caption text
    {244, 208, 64},  // title
    {60, 24, 8},     // title shadow
    {228, 180, 140}, // skin
};
static_assert(sizeof(Named) / sizeof(Named[0]) == CL_NAMED_END - CL_FELT);

// A ramp: its length and the colours it passes through, evenly spaced along it.
struct TRampShape {
    u32 Length;
    std::vector<TRgb> Anchors;
};

constexpr TRgb FeltRgb{16, 104, 52};
constexpr TRgb CreamRgb{244, 236, 208};
constexpr TRgb GoldRgb{232, 196, 72};
constexpr TRgb CrapsRedRgb{200, 32, 32};
constexpr TRgb WoodRgb{92, 52, 24};

// In TRamp order. The blends (felt to cream...) hold the edge colours of the lettering and
// trim drawn on the felt and rail, which a plain ramp would leave far from any entry.
const std::vector<TRampShape>& RampShapes() {
    static const std::vector<TRampShape> shapes = {
        {28, {{2, 26, 12}, {8, 72, 36}, FeltRgb, {40, 136, 76}, {84, 176, 118}}},
        {6, {FeltRgb, CreamRgb}},
        {5, {FeltRgb, GoldRgb}},
        {4, {FeltRgb, CrapsRedRgb}},
        {18, {{24, 10, 2}, {56, 30, 12}, WoodRgb, {140, 88, 44}, {196, 140, 84}}},
        {4, {WoodRgb, GoldRgb}},
        {12, {{80, 54, 8}, {160, 120, 30}, GoldRgb, {252, 236, 150}, {255, 248, 210}}},
        {8, {{196, 186, 156}, CreamRgb, {255, 253, 246}}},
        {10, {{80, 44, 26}, {160, 110, 80}, {228, 180, 140}, {252, 222, 196}}},
        {8, {{6, 6, 8}, {48, 46, 50}}},
        {16, {{20, 20, 20}, {248, 248, 248}}},
        {8, {{40, 36, 32}, {220, 210, 196}}},
        {12, {{40, 4, 4}, {128, 12, 12}, CrapsRedRgb, {240, 90, 80}, {255, 180, 170}}},
        {12, {{4, 8, 48}, {20, 50, 140}, {60, 120, 220}, {150, 190, 250}, {220, 235, 255}}},
        {6, {{24, 28, 44}, {140, 150, 180}}},
        {8, {{6, 50, 18}, {28, 148, 60}, {150, 230, 160}}},
        {8, {{30, 8, 50}, {132, 60, 180}, {220, 180, 245}}},
        {8, {{70, 30, 0}, {236, 140, 20}, {255, 215, 150}}},
        {8, {{60, 40, 0}, {255, 176, 32}, {255, 235, 150}}},
        {4, {{0, 60, 60}, {100, 200, 200}}},
        {4, {{120, 40, 70}, {250, 180, 210}}},
    };
    return shapes;
}

// A blend ramp (two anchors, both named colours) leaves its ends out: they are entries already.
bool IsBlend(TRamp ramp) {
    return ramp == TRamp::FeltToCream || ramp == TRamp::FeltToGold || ramp == TRamp::FeltToRed ||
           ramp == TRamp::WoodToGold;
}

TRgb RampColour(TRamp ramp, u32 step) {
    const TRampShape& shape = RampShapes()[static_cast<size_t>(ramp)];
    const double t = IsBlend(ramp) ? (step + 1.0) / (shape.Length + 1.0)
                                   : (shape.Length > 1 ? step / (shape.Length - 1.0) : 0.0);
    const double at = t * static_cast<double>(shape.Anchors.size() - 1);
    const size_t i = std::min(static_cast<size_t>(at), shape.Anchors.size() - 2);
    const double f = at - static_cast<double>(i);
    TRgb c{};
    for (size_t k = 0; k < 3; ++k)
        c[k] = static_cast<u8>(
            std::lround(shape.Anchors[i][k] * (1 - f) + shape.Anchors[i + 1][k] * f));
    return c;
}

u32 RampStart(TRamp ramp) {
    u32 at = CL_NAMED_END;
    for (size_t i = 0; i < static_cast<size_t>(ramp); ++i)
        at += RampShapes()[i].Length;
    return at;
}

bool IsStatic(const TRgb& c) {
    for (const TRgb& s : Statics)
        if (s == c)
            return true;
    return false;
}

} // namespace

const std::array<TRgb, 20>& StaticColours() {
    return Statics;
}

TColourTable GamePalette() {
    TColourTable table{};
    auto put = [&table](int i, TRgb c) {
        // A colour the screen already shows as a static would be mapped onto it: its blue
        // is raised until it is a colour of its own.
        if (i >= 10 && i < 246)
            while (IsStatic(c))
                c[2] = static_cast<u8>(c[2] + 1);
        table[static_cast<size_t>(i)] = {c[2], c[1], c[0], 0};
    };
    for (int i = 0; i < 10; ++i) {
        put(i, Statics[static_cast<size_t>(i)]);
        put(246 + i, Statics[static_cast<size_t>(10 + i)]);
    }
    for (int i = CL_FELT; i < CL_NAMED_END; ++i)
        put(i, Named[i - CL_FELT]);
    for (size_t r = 0; r < static_cast<size_t>(TRamp::Count); ++r) {
        const TRamp ramp = static_cast<TRamp>(r);
        for (u32 step = 0; step < RampLength(ramp); ++step)
            put(static_cast<int>(RampStart(ramp) + step), RampColour(ramp, step));
    }
    return table;
}

u32 RampLength(TRamp ramp) {
    return RampShapes()[static_cast<size_t>(ramp)].Length;
}

u8 RampStep(TRamp ramp, u32 step) {
    return static_cast<u8>(RampStart(ramp) + std::min(step, RampLength(ramp) - 1));
}

u8 RampEntry(TRamp ramp, u32 level) {
    const u32 length = RampLength(ramp);
    return static_cast<u8>(RampStart(ramp) + std::min(level, 255u) * (length - 1) / 255);
}

namespace {

struct TPaletteRgb {
    std::array<TRgb, 256> Rgb;
    TPaletteRgb() {
        const TColourTable table = GamePalette();
        for (size_t i = 0; i < 256; ++i)
            Rgb[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue};
    }
};

const TPaletteRgb& PaletteRgb() {
    static const TPaletteRgb palette;
    return palette;
}

// Light in linear terms, so that a half-covered edge looks half as bright as the ink and not
// darker (sRGB values do not add).
double ToLinear(u8 v) {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (size_t i = 0; i < 256; ++i)
            t[i] = std::pow(static_cast<double>(i) / 255.0, 2.2);
        return t;
    }();
    return table[v];
}

u8 FromLinear(double v) {
    return static_cast<u8>(std::lround(std::pow(std::clamp(v, 0.0, 1.0), 1 / 2.2) * 255.0));
}

// The blends are cached per coverage step: 64 steps are finer than the eye tells apart on
// an 8-bit palette.
constexpr u32 MixSteps = 64;

} // namespace

u8 Nearest(u8 r, u8 g, u8 b) {
    // The search walks the whole palette, and the pictures converted have far fewer distinct
    // colours than pixels.
    static std::unordered_map<u32, u8> known;
    const u32 key = (u32{r} << 16) | (u32{g} << 8) | b;
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    // Weighted by how the eye tells the channels apart, the red weight following the mean red.
    u8 best = 0;
    i64 bestDistance = -1;
    const auto& rgb = PaletteRgb().Rgb;
    for (size_t i = 0; i < 256; ++i) {
        const i64 mean = (static_cast<i64>(r) + rgb[i][0]) / 2;
        const i64 dr = static_cast<i64>(r) - rgb[i][0];
        const i64 dg = static_cast<i64>(g) - rgb[i][1];
        const i64 db = static_cast<i64>(b) - rgb[i][2];
        const i64 d = (512 + mean) * dr * dr + 1024 * dg * dg + (767 - mean) * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<u8>(i);
        }
    }
    known.emplace(key, best);
    return best;
}

u8 Mix(u8 under, u8 over, u32 coverage) {
    const u32 step = (std::min(coverage, 255u) * MixSteps + 127) / 255;
    if (step == 0 || under == over)
        return under;
    if (step == MixSteps)
        return over;
    static std::vector<u16> cache(256 * 256 * (MixSteps + 1), 0xFFFF);
    u16& cached = cache[(static_cast<size_t>(under) * 256 + over) * (MixSteps + 1) + step];
    if (cached == 0xFFFF) {
        const TRgb a = RgbOf(under);
        const TRgb b = RgbOf(over);
        const double f = static_cast<double>(step) / MixSteps;
        TRgb c{};
        for (size_t k = 0; k < 3; ++k)
            c[k] = FromLinear(ToLinear(a[k]) * (1 - f) + ToLinear(b[k]) * f);
        cached = Nearest(c[0], c[1], c[2]);
    }
    return static_cast<u8>(cached);
}

std::array<u8, 3> RgbOf(u8 index) {
    return PaletteRgb().Rgb[index];
}
