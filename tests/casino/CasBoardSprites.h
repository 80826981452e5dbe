// Placeholder art for the message board and cash displays: digit, separator, message and icon
// animations and the displays' sprite files, written through the engine's encoders and writers.
#pragma once

#include "engine/media/MediaFixture.h"
#include "engine/media/SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/MediaEncoders.h"

#include <array>
#include <string>
#include <vector>

namespace boardtest {

constexpr u8 FeltIndex = 20;
constexpr u8 InkIndex = 200;
constexpr u8 BoxIndex = 60;
constexpr u8 IconIndex = 140;

inline TColourTable BoardColours() {
    TColourTable c = RampColours();
    // Entries are blue, green, red.
    c[FeltIndex] = {40, 100, 20, 0};
    c[InkIndex] = {230, 240, 245, 0};
    c[BoxIndex] = {40, 40, 140, 0};
    c[IconIndex] = {20, 170, 230, 0};
    return c;
}

// Three-by-five glyphs, a row per string: the digits 0 to 9, then the dollar sign.
inline const std::array<const char*, 11>& Glyphs() {
    static const std::array<const char*, 11> glyphs = {"###"
                                                       "#.#"
                                                       "#.#"
                                                       "#.#"
                                                       "###",
                                                       ".#."
                                                       "##."
                                                       ".#."
                                                       ".#."
                                                       "###",
                                                       "###"
                                                       "..#"
                                                       "###"
                                                       "#.."
                                                       "###",
                                                       "###"
                                                       "..#"
                                                       ".##"
                                                       "..#"
                                                       "###",
                                                       "#.#"
                                                       "#.#"
                                                       "###"
                                                       "..#"
                                                       "..#",
                                                       "###"
                                                       "#.."
                                                       "###"
                                                       "..#"
                                                       "###",
                                                       "###"
                                                       "#.."
                                                       "###"
                                                       "#.#"
                                                       "###",
                                                       "###"
                                                       "..#"
                                                       ".#."
                                                       ".#."
                                                       ".#.",
                                                       "###"
                                                       "#.#"
                                                       "###"
                                                       "#.#"
                                                       "###",
                                                       "###"
                                                       "#.#"
                                                       "###"
                                                       "..#"
                                                       "###",
                                                       ".##"
                                                       "##."
                                                       ".#."
                                                       ".##"
                                                       "##."};
    return glyphs;
}

// A frame of the size with its hot spot at the top left, every pixel background (clear
// unless an index is given).
inline TAnmFrameSource Blank(i16 width, i16 height, int background = -1) {
    TAnmFrameSource f{width, height, 0, 0, {}, {}};
    const auto n = static_cast<size_t>(width * height);
    f.Pixels.assign(n, background < 0 ? u8{0} : static_cast<u8>(background));
    f.Opaque.assign(n, background < 0 ? u8{0} : u8{1});
    return f;
}

// Glyph g (10 is the dollar sign) drawn twice its size at (x, y).
inline void Stamp(TAnmFrameSource& f, int g, int x, int y, u8 ink) {
    const char* rows = Glyphs()[static_cast<size_t>(g)];
    for (int gy = 0; gy < 5; ++gy)
        for (int gx = 0; gx < 3; ++gx)
            if (rows[gy * 3 + gx] == '#')
                for (int d = 0; d < 4; ++d) {
                    const int px = x + 2 * gx + d % 2;
                    const int py = y + 2 * gy + d / 2;
                    const auto at = static_cast<size_t>(py * f.Width + px);
                    f.Pixels[at] = ink;
                    f.Opaque[at] = 1;
                }
}

// A number written in glyphs from (x, y).
inline void StampNumber(TAnmFrameSource& f, int n, int x, int y, u8 ink) {
    const std::string text = std::to_string(n);
    for (size_t i = 0; i < text.size(); ++i)
        Stamp(f, text[i] - '0', x + 8 * static_cast<int>(i), y, ink);
}

inline void WriteAnm(TTempDir& cd, const std::string& name,
                     const std::vector<TAnmFrameSource>& frames) {
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
    cd.WriteHostFile(name + ".anm", std::string(bytes.begin(), bytes.end()));
}

// Digits (frame 0 the dollar sign, then 0 to 9) and the separator; messages show their
// number in a box, icons their frame number in a box of their own.
inline void WriteBoardArt(TTempDir& cd, int messages = 100) {
    std::vector<TAnmFrameSource> digits;
    for (int g : {10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        TAnmFrameSource f = Blank(8, 12);
        Stamp(f, g, 1, 0, InkIndex);
        digits.push_back(f);
    }
    WriteAnm(cd, "digit", digits);
    TAnmFrameSource comma = Blank(8, 12);
    for (int y = 9; y < 12; ++y)
        for (int x = 2; x < 4; ++x) {
            comma.Pixels[static_cast<size_t>(y * 8 + x)] = InkIndex;
            comma.Opaque[static_cast<size_t>(y * 8 + x)] = 1;
        }
    WriteAnm(cd, "comma", {comma});
    std::vector<TAnmFrameSource> texts;
    for (int m = 0; m < messages; ++m) {
        TAnmFrameSource f = Blank(180, 14, BoxIndex);
        StampNumber(f, m, 2, 2, InkIndex);
        texts.push_back(f);
    }
    WriteAnm(cd, "message", texts);
    std::vector<TAnmFrameSource> icons;
    for (int i = 0; i < 16; ++i) {
        TAnmFrameSource f = Blank(20, 14, IconIndex);
        StampNumber(f, i, 2, 2, InkIndex);
        icons.push_back(f);
    }
    WriteAnm(cd, "icon", icons);
}

// Where the first amount part stands; the others follow 8 pixels apart.
constexpr TGrPoint AmountHome{60, 24, 1};
constexpr TGrPoint MessageHome{4, 4, 1};
constexpr TGrPoint IconHome{4, 24, 1};

// The first `parts` cells of a display, one per row in part order: the amount's fourteen, the
// message, the icon.
inline std::vector<TCellSpec> DisplayCells(int parts) {
    std::vector<TCellSpec> cells;
    for (int i = 0; i < parts; ++i) {
        const bool separator = i == 2 || i == 6 || i == 10;
        TGrPoint at{static_cast<i16>(AmountHome.x + 8 * i), AmountHome.y, AmountHome.z};
        std::string name = separator ? "comma.anm" : "digit.anm";
        if (i == 14) {
            at = MessageHome;
            name = "message.anm";
        } else if (i == 15) {
            at = IconHome;
            name = "icon.anm";
        }
        cells.push_back({static_cast<i16>(i), 0, name, 1, 0, 1, at.x, at.y, at.z});
    }
    return cells;
}

// Writes "<name>.sp" with the first `parts` parts into the folder the owner's files come from.
inline void WriteDisplayFile(TJorpOwner* owner, const std::string& name, int parts) {
    auto sprite = MakeTableSprite(owner, name, DisplayCells(parts));
    ASSERT_TRUE(sprite->SaveIfNeeded());
}

} // namespace boardtest
