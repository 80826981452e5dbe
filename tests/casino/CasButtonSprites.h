// Placeholder art for table buttons and name plates, and their sprite files, written through the
// engine's encoders and writers.
#pragma once

#include "engine/media/MediaFixture.h"
#include "engine/media/SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/MediaEncoders.h"

#include <string>
#include <vector>

namespace buttontest {

constexpr u8 FeltIndex = 20;
// Face frame k is filled with colour FaceIndex + k and edged in EdgeIndex.
constexpr u8 FaceIndex = 60;
constexpr u8 EdgeIndex = 90;
constexpr u8 PlateIndex = 91;
constexpr u8 InkIndex = 92;
constexpr i16 FaceWidth = 36;
constexpr i16 FaceHeight = 18;

inline TColourTable ButtonColours() {
    TColourTable c = RampColours();
    // Entries are blue, green, red.
    c[FeltIndex] = {50, 110, 20, 0};
    // The twelve looks: three per cycle of four, up light, down dark, disabled grey.
    const u8 looks[12][3] = {{200, 200, 230}, {60, 60, 140},   {30, 60, 230},  {40, 220, 250},
                             {30, 120, 160},  {110, 110, 110}, {90, 220, 120}, {40, 110, 60},
                             {150, 150, 150}, {230, 160, 160}, {120, 60, 60},  {170, 170, 170}};
    for (int k = 0; k < 12; ++k)
        c[static_cast<size_t>(FaceIndex + k)] = {looks[k][0], looks[k][1], looks[k][2], 0};
    c[EdgeIndex] = {20, 20, 20, 0};
    c[PlateIndex] = {60, 170, 210, 0};
    c[InkIndex] = {30, 30, 30, 0};
    return c;
}

inline void WriteAnm(TTempDir& cd, const std::string& name,
                     const std::vector<TAnmFrameSource>& frames) {
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
    cd.WriteHostFile(name, std::string(bytes.begin(), bytes.end()));
}

// A framed rectangle of one colour with its hot spot at the top left.
inline TAnmFrameSource Box(i16 width, i16 height, u8 fill, u8 edge) {
    TAnmFrameSource f{width, height, 0, 0, {}, {}};
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x) {
            const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            f.Opaque.push_back(1);
            f.Pixels.push_back(border ? edge : fill);
        }
    return f;
}

// The face's twelve frames and a one-frame label animation above it.
inline void WriteButtonArt(TTempDir& cd) {
    std::vector<TAnmFrameSource> frames;
    for (int k = 0; k < 12; ++k)
        frames.push_back(Box(FaceWidth, FaceHeight, static_cast<u8>(FaceIndex + k), EdgeIndex));
    WriteAnm(cd, "face.anm", frames);
    WriteAnm(cd, "label.anm", {Box(FaceWidth - 12, 4, EdgeIndex, EdgeIndex)});
}

// A button sprite: the face (and the label when anms is 2) at (x, y), then `waves` waves.
inline void WriteButtonFile(TJorpOwner* owner, const std::string& name, i16 x, i16 y, int anms = 2,
                            int waves = 3) {
    std::vector<TCellSpec> cells;
    if (anms > 0)
        cells.push_back({0, 0, "face.anm", 1, 0, 1, x, y, 10});
    if (anms > 1)
        cells.push_back({0, 1, "label.anm", 1, 0, 1, static_cast<i16>(x + 6),
                         static_cast<i16>(y + FaceHeight + 2), 10});
    for (int w = 0; w < waves; ++w)
        cells.push_back(
            {0, static_cast<u8>(anms + w), "click" + std::to_string(w) + ".wav", 0, 0, 1, 0, 0, 0});
    auto sprite = MakeTableSprite(owner, name, cells);
    ASSERT_TRUE(sprite->SaveIfNeeded());
}

// Letters and digits on a 3 x 5 grid, fifteen cells each, row by row, drawn twice their size.
inline const char* const Font =
    "010101111101101110101110101110011100100100011110101101101110111100110100111111100110100100"
    "011100101101011101101111101101111010010010111001001001101010101101110101101100100100100111"
    "101111111101101110101101101101010101101101010110101110100100010101101110011110101110101101"
    "011100010001110111010010010010101101101101111101101101101010101101111111101101101010101101"
    "101101010010010111001010100111111101101101111010110010010111110001010100111110001010001110"
    "101101111001001111100110001110011100111101111111001010010010111101111101111111101111001110";
constexpr i16 GlyphWidth = 8;
constexpr i16 GlyphHeight = 12;

inline TAnmFrameSource Glyph(int index) {
    TAnmFrameSource f{GlyphWidth, GlyphHeight, 0, 0, {}, {}};
    for (i32 y = 0; y < GlyphHeight; ++y)
        for (i32 x = 0; x < GlyphWidth; ++x) {
            const i32 gx = (x - 1) / 2;
            const i32 gy = (y - 1) / 2;
            const bool inside = x >= 1 && y >= 1 && gx < 3 && gy < 5;
            const bool ink = inside && Font[index * 15 + gy * 3 + gx] == '1';
            f.Opaque.push_back(ink ? 1 : 0);
            f.Pixels.push_back(InkIndex);
        }
    return f;
}

// The plate's background and the 36-frame glyph strip every place uses.
inline void WritePlateArt(TTempDir& cd) {
    WriteAnm(cd, "plate.anm", {Box(12 * GlyphWidth + 8, GlyphHeight + 6, PlateIndex, EdgeIndex)});
    std::vector<TAnmFrameSource> frames;
    for (int k = 0; k < 36; ++k)
        frames.push_back(Glyph(k));
    WriteAnm(cd, "alpha.anm", frames);
}

// A plate sprite at (x, y) with `glyphs` glyph places after its background (none without it).
inline void WritePlateFile(TJorpOwner* owner, const std::string& name, i16 x, i16 y, int glyphs,
                           bool background = true) {
    std::vector<TCellSpec> cells;
    if (background)
        cells.push_back({0, 0, "plate.anm", 1, 0, 1, x, y, 10});
    for (int g = 0; g < glyphs; ++g)
        // A row holds eight cells; members are built row by row, slot by slot.
        cells.push_back({static_cast<i16>((g + 1) / 8), static_cast<u8>((g + 1) % 8), "alpha.anm",
                         1, 0, 1, static_cast<i16>(x + 4 + g * GlyphWidth), static_cast<i16>(y + 3),
                         11});
    auto sprite = MakeTableSprite(owner, name, cells);
    ASSERT_TRUE(sprite->SaveIfNeeded());
}

} // namespace buttontest
