// The game palette's colours, and the rule that keeps the data set's entries apart from the
// statics.
#include "tools/databuild/Colours.h"

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
    for (int i = CL_NAMED_END; i < 246; ++i) {
        const u8 v = static_cast<u8>((i - CL_NAMED_END) * 255 / (245 - CL_NAMED_END));
        put(i, {v, v, v});
    }
    return table;
}
