// Placeholder art and sprite files for the casino's table sprites (chip stacks, buttons, name
// plates, the message board and cash displays), written through the engine's encoders and
// writers; a felt screen for their golden images, and the report a short sprite ends with.
#pragma once

#include "engine/media/MediaFixture.h"
#include "engine/media/SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/MediaEncoders.h"
#include "platform/framework/draw/Surface.h"
#include "platform/host/MessageBox.h"
#include "support/ChipPileArt.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace casinoart {

constexpr u8 FeltIndex = 20;

inline void WriteAnm(TTempDir& cd, const std::string& file,
                     const std::vector<TAnmFrameSource>& frames) {
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
    cd.WriteHostFile(file, std::string(bytes.begin(), bytes.end()));
}

// A frame with its hot spot at the top left, filled (clear when fill is negative) and edged
// when an edge colour is given.
inline TAnmFrameSource Box(i16 width, i16 height, int fill, int edge = -1) {
    TAnmFrameSource f{width, height, 0, 0, {}, {}};
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x) {
            const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            f.Opaque.push_back(fill < 0 ? 0 : 1);
            f.Pixels.push_back(static_cast<u8>(border && edge >= 0 ? edge : std::max(fill, 0)));
        }
    return f;
}

// Making the sprite must end the program with the set-up report naming the sprite and holding
// `missing`, the part not found.
template <class Make>
void ExpectSetupReport(Make make, const std::string& sprite, const std::string& missing) {
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(make(), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
    const std::string& text = boxes.Boxes[0].Text;
    EXPECT_NE(text.find("Sprite name: " + sprite), std::string::npos) << text;
    EXPECT_NE(text.find(missing), std::string::npos) << text;
}

// A felt screen for golden images of sprites drawn on it.
class FeltScreen : public MediaFixture {
protected:
    void Felt(i16 width, i16 height, const TColourTable& colours) {
        WritePal("felt", colours);
        WriteBmp("felt", width, height,
                 std::vector<u8>(static_cast<size_t>(width * height), FeltIndex), colours);
        MakeScreen(LoadBmp("felt"), LoadPal("felt"));
        Size = {width, height};
    }
    // The sprites run `frames` frames (pinned parts hold theirs), then the screen is drawn.
    ::testing::AssertionResult Matches(const std::vector<TSprite*>& sprites,
                                       const std::string& name, u32 frames = 1) {
        for (u32 tick = 1; tick <= frames; ++tick) {
            Window->FrameCount = tick;
            for (TSprite* sprite : sprites)
                sprite->Tick(tick), sprite->PostTick(tick);
        }
        Video().RenderFrame();
        App.PumpWaitingMessages();
        return MatchesGolden(Session.Backend().GetScreen(), name, TRect{ClientOrigin(), Size});
    }

    TSize Size{0, 0};
};

} // namespace casinoart

namespace chiptest {
using namespace casinoart;

using chipart::ChipIndex;
using chipart::ChipPile;
// Chips of 1, 5, 25, 100, 1000 and 10000 dollars (0xRRGGBB).
constexpr u32 Colours[6] = {0xEBEBE6, 0xD22828, 0x28A03C, 0x282828, 0xE6C828, 0x963CBE};

// Felt green, chips in three shades (light, body, edge) of their colour, anything else magenta.
inline u32 ColourOf(u8 index) {
    const int c = (index - 100) / 3;
    if (index < 100 || c >= 6)
        return index == FeltIndex ? 0x326E14 : 0xFF00FF;
    const u32 scale[3] = {5, 4, 2};
    u32 out = 0;
    for (u32 shift : {16U, 8U, 0U})
        out |= std::min(245U, ((Colours[c] >> shift) & 0xFF) * scale[(index - 100) % 3] / 4)
               << shift;
    return out;
}

// Six stacks of ten frames each: "stack0.anm" to "stack5.anm".
inline void WriteStackArt(TTempDir& cd) {
    for (int d = 0; d < 6; ++d) {
        std::vector<TAnmFrameSource> frames;
        for (int k = 1; k <= 10; ++k)
            frames.push_back(ChipPile(d, k));
        WriteAnm(cd, "stack" + std::to_string(d) + ".anm", frames);
    }
}

// Writes "<name>.sp": the first `stacks` stacks side by side, 18 pixels apart from x 12 with
// their feet on y 40, then `waves` chip sounds.
inline void WriteChipsFile(TJorpOwner* owner, const std::string& name, int stacks = 6,
                           int waves = 3) {
    std::vector<TCellSpec> cells;
    for (int k = 0; k < stacks; ++k)
        cells.push_back({static_cast<i16>(k), 0, "stack" + std::to_string(k) + ".anm", 1, 0, 1,
                         static_cast<i16>(12 + 18 * k), 40, 10});
    for (int w = 0; w < waves; ++w)
        cells.push_back(
            {static_cast<i16>(stacks + w), 0, "clink" + std::to_string(w) + ".wav", 0, 5, 1});
    auto sprite = MakeTableSprite(owner, name, cells);
    ASSERT_TRUE(sprite->SaveIfNeeded());
}

// What a stack shows: 0 when hidden, else the chips of its frame.
inline i16 ShownChips(const TAnm& stack) {
    return stack.IsShown() ? static_cast<i16>(stack.GetCurrentData().CurrentFrame + 1) : i16{0};
}

// The sprite's shown animations drawn on felt, as colours.
inline TScreenSurface Render(const TSprite& sprite, i32 width, i32 height) {
    TPixelTarget target(width, height, true, FeltIndex);
    for (i16 i = 0; i < sprite.GetAnmList()->GetCount(); ++i) {
        TAnm* anm = sprite.GetAnm(i);
        if (!anm->IsShown())
            continue;
        EXPECT_TRUE(
            anm->DrawFrame(target, {0, 0, static_cast<i16>(width), static_cast<i16>(height)}));
    }
    TScreenSurface screen(TSize{width, height});
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x)
            screen.SetPixel(x, y, 0xFF000000U | ColourOf(target.At(x, y)));
    return screen;
}

} // namespace chiptest

namespace buttontest {
using namespace casinoart;

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

// The face's twelve frames and a one-frame label animation above it.
inline void WriteButtonArt(TTempDir& cd) {
    std::vector<TAnmFrameSource> frames;
    for (int k = 0; k < 12; ++k)
        frames.push_back(Box(FaceWidth, FaceHeight, FaceIndex + k, EdgeIndex));
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

namespace boardtest {
using namespace casinoart;

constexpr u8 InkIndex = 200;
constexpr u8 BoxIndex = 60;
constexpr u8 IconIndex = 140;

// Green felt, pale ink, a red box for messages and an orange one for icons (blue, green, red).
inline TColourTable BoardColours() {
    TColourTable c = RampColours();
    c[FeltIndex] = {40, 100, 20, 0};
    c[InkIndex] = {230, 240, 245, 0};
    c[BoxIndex] = {40, 40, 140, 0};
    c[IconIndex] = {20, 170, 230, 0};
    return c;
}

// Glyph g (0 to 9, then 10 the dollar sign and 11 the comma), three by five pixels, a bit
// per pixel from the top left, drawn twice its size at (x, y).
inline void Stamp(TAnmFrameSource& f, int g, int x, int y) {
    constexpr u16 glyphs[12] = {0x7b6f, 0x2c97, 0x73e7, 0x72cf, 0x5bc9, 0x79cf,
                                0x79ef, 0x7292, 0x7bef, 0x7bcf, 0x3c9e, 0x0012};
    for (int p = 0; p < 15 * 4; ++p)
        if ((glyphs[g] >> (14 - p / 4)) & 1) {
            const auto at = static_cast<size_t>((y + 2 * (p / 4 / 3) + p % 4 / 2) * f.Width + x +
                                                2 * (p / 4 % 3) + p % 2);
            f.Pixels[at] = InkIndex;
            f.Opaque[at] = 1;
        }
}

// A box per frame showing the frame's number.
inline void WriteNumberedBoxes(TTempDir& cd, const std::string& name, int frames, i16 width,
                               u8 colour) {
    std::vector<TAnmFrameSource> boxes;
    for (int m = 0; m < frames; ++m) {
        boxes.push_back(Box(width, 14, colour));
        const std::string text = std::to_string(m);
        for (size_t i = 0; i < text.size(); ++i)
            Stamp(boxes.back(), text[i] - '0', 2 + 8 * static_cast<int>(i), 2);
    }
    WriteAnm(cd, name + ".anm", boxes);
}

// Digits (frame 0 the dollar sign, then 0 to 9), the comma, messages 0 to 99 and 16 icons.
inline void WriteBoardArt(TTempDir& cd) {
    std::vector<TAnmFrameSource> digits;
    for (int g : {10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        digits.push_back(Box(8, 12, -1));
        Stamp(digits.back(), g, 1, 0);
    }
    WriteAnm(cd, "digit.anm", digits);
    TAnmFrameSource comma = Box(8, 12, -1);
    Stamp(comma, 11, 1, 2);
    WriteAnm(cd, "comma.anm", {comma});
    WriteNumberedBoxes(cd, "message", 100, 180, BoxIndex);
    WriteNumberedBoxes(cd, "icon", 16, 20, IconIndex);
}

// "<name>.sp" with the first `parts` parts, one per row: the amount's fourteen 8 pixels apart,
// the message, the icon.
inline void WriteDisplayFile(TJorpOwner* owner, const std::string& name, int parts) {
    std::vector<TCellSpec> cells;
    for (int i = 0; i < parts; ++i) {
        const char* anm = i == 14                       ? "message.anm"
                          : i == 15                     ? "icon.anm"
                          : i == 2 || i == 6 || i == 10 ? "comma.anm"
                                                        : "digit.anm";
        const auto x = static_cast<i16>(i == 14 || i == 15 ? 4 : 60 + 8 * i);
        cells.push_back({static_cast<i16>(i), 0, anm, 1, 0, 1, x, i == 14 ? i16{4} : i16{24}, 1});
    }
    ASSERT_TRUE(MakeTableSprite(owner, name, cells)->SaveIfNeeded());
}

// One amount: what the fourteen parts spell from left to right, the character count that
// centres it, and whether the dollar sign closes up 3 pixels to the digits.
struct TAmountCase {
    double Amount;
    const char* Text;
    i16 Count;
    bool Nudged;
};

// Shown one after another on one display: each starts from what the last left.
inline const std::vector<TAmountCase>& AmountCases() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    static const std::vector<TAmountCase> cases = {
        {0.0, "$0", 0, false},           {5.0, "$5", 1, false},        {12.75, "$12", 2, false},
        {999.0, "$999", 3, true},        {1000.0, "$1,000", 5, false}, {2500.0, "$2,500", 5, false},
        {123.99, "$123", 3, true},       {123456.0, "$123,456", 7, true},
        {1e6, "$1,000,000", 9, false},   {1e7, "$10,000,000", 10, false},
        {123456789.0, "$123,456,789", 11, true},  {2147483647.0, "$2,147,483,647", 13, false},
        {2147483648.0, "$2,147,483,647", 13, false}, {inf, "$2,147,483,647", 13, false},
        {1e9, "$1,000,000,000", 13, false}, {-5.0, "$0", 0, false},
        {std::nan(""), "$0", 0, false},  {5.0, "$5", 1, false}};
    // clang-format on
    return cases;
}

// The amount parts read left to right: '$', a digit or ',' for each shown part, every one of
// which must stand at its home x (where its file put it) less the shift, the sign nudged.
inline std::string DrawnAmount(const TSprite& display, i16 shift, bool nudged) {
    std::string text;
    for (i16 i = 0; i < 14; ++i) {
        const TAnm& part = *display.GetAnm(i);
        if (!part.IsShown())
            continue;
        const u16 frame = part.GetCurrentData().CurrentFrame;
        const char c = i == 2 || i == 6 || i == 10 ? ','
                       : frame == 0                ? '$'
                                                   : static_cast<char>('0' + frame - 1);
        text += c;
        EXPECT_EQ(part.GetCurrentData().Position.x,
                  part.GetTemplate().Base.x - shift + (c == '$' && nudged ? 3 : 0))
            << "part " << i << " ('" << c << "')";
    }
    return text;
}

// The display on a felt screen the board's width, playing.
class BoardScreen : public FeltScreen {
protected:
    template <class T> std::unique_ptr<T> OnFelt(i16 height, int parts) {
        WriteBoardArt(Cd);
        WriteDisplayFile(Window, "display", parts);
        Felt(188, height, BoardColours());
        auto display = T::Make(Window, TFileMode("display", 0, FM_LEVEL_NOW));
        display->Play(0);
        return display;
    }
};

} // namespace boardtest
