// Placeholder art and sprite files for the message board and cash displays, written through the
// engine's encoders and writers, and the amount as a display's parts draw it.
#pragma once

#include "engine/media/MediaFixture.h"
#include "engine/media/SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/MediaEncoders.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace boardtest {

constexpr u8 FeltIndex = 20;
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

// A frame with its hot spot at the top left, clear or filled with the background given.
inline TAnmFrameSource Blank(i16 width, i16 height, int background = -1) {
    const auto n = static_cast<size_t>(width * height);
    return {width,
            height,
            0,
            0,
            std::vector<u8>(n, static_cast<u8>(std::max(background, 0))),
            std::vector<u8>(n, background < 0 ? 0 : 1)};
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

inline void WriteAnm(TTempDir& cd, const std::string& name,
                     const std::vector<TAnmFrameSource>& frames) {
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
    cd.WriteHostFile(name + ".anm", std::string(bytes.begin(), bytes.end()));
}

// A box per frame showing the frame's number.
inline void WriteNumberedBoxes(TTempDir& cd, const std::string& name, int frames, i16 width,
                               u8 colour) {
    std::vector<TAnmFrameSource> boxes;
    for (int m = 0; m < frames; ++m) {
        boxes.push_back(Blank(width, 14, colour));
        const std::string text = std::to_string(m);
        for (size_t i = 0; i < text.size(); ++i)
            Stamp(boxes.back(), text[i] - '0', 2 + 8 * static_cast<int>(i), 2);
    }
    WriteAnm(cd, name, boxes);
}

// Digits (frame 0 the dollar sign, then 0 to 9), the comma, messages 0 to 99 and 16 icons.
inline void WriteBoardArt(TTempDir& cd) {
    std::vector<TAnmFrameSource> digits;
    for (int g : {10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        digits.push_back(Blank(8, 12));
        Stamp(digits.back(), g, 1, 0);
    }
    WriteAnm(cd, "digit", digits);
    TAnmFrameSource comma = Blank(8, 12);
    Stamp(comma, 11, 1, 2);
    WriteAnm(cd, "comma", {comma});
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

// Making the display must end the program, naming the first part missing.
template <class Make> void ExpectPartsReport(Make make, const std::string& display, int missing) {
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(make(), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
    const std::string& text = boxes.Boxes[0].Text;
    EXPECT_NE(text.find("Sprite name: " + display), std::string::npos) << text;
    EXPECT_NE(text.find("\nParts\n Num: " + std::to_string(missing) + "\n"), std::string::npos)
        << text;
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

// A felt screen the board's width for golden images of a display.
class BoardScreen : public MediaFixture {
protected:
    template <class T> std::unique_ptr<T> OnFelt(i16 height, int parts) {
        WriteBoardArt(Cd);
        WritePal("board", BoardColours());
        WriteBmp("felt", 188, height, std::vector<u8>(static_cast<size_t>(188 * height), FeltIndex),
                 BoardColours());
        WriteDisplayFile(Window, "display", parts);
        MakeScreen(LoadBmp("felt"), LoadPal("board"));
        Height = height;
        auto display = T::Make(Window, TFileMode("display", 0, FM_LEVEL_NOW));
        display->Play(0);
        return display;
    }
    // A few frames go by (pinned parts hold their frames), then the screen is drawn.
    ::testing::AssertionResult Matches(TSprite& display, const std::string& name) {
        for (u32 tick = 1; tick < 4; ++tick) {
            Window->FrameCount = tick;
            display.Tick(tick);
            display.PostTick(tick);
        }
        Video().RenderFrame();
        App.PumpWaitingMessages();
        return MatchesGolden(Session.Backend().GetScreen(), name,
                             TRect{ClientOrigin(), TSize{188, Height}});
    }

    i16 Height = 0;
};

} // namespace boardtest
