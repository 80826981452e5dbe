// Golden images of a sprite list written by the engine and played headless: two overlapping
// sprites with holes in them, one played forward and one backward, over a background.
#include "MediaFixture.h"
#include "SpriteSupport.h"

#include "support/Golden.h"

#include <cmath>

namespace {

constexpr u8 Felt = 10;
constexpr u8 Ruby = 100;
constexpr u8 Sky = 140;

TColourTable SceneColours() {
    TColourTable c = RampColours();
    for (int i = 0; i < 32; ++i) {
        const u8 v = static_cast<u8>(60 + i * 4);
        c[static_cast<size_t>(Felt + i)] = {30, v, static_cast<u8>(v / 5), 0};
        c[static_cast<size_t>(Ruby + i)] = {static_cast<u8>(40 + i * 2), 30,
                                            static_cast<u8>(v + 40), 0};
        c[static_cast<size_t>(Sky + i)] = {static_cast<u8>(v + 50), static_cast<u8>(v), 40, 0};
    }
    return c;
}

// A felt ramp from top to bottom with a faint grid.
std::vector<u8> Background() {
    std::vector<u8> pixels(640 * 480);
    for (i32 y = 0; y < 480; ++y)
        for (i32 x = 0; x < 640; ++x)
            pixels[static_cast<size_t>(y * 640 + x)] =
                static_cast<u8>(Felt + y * 24 / 480 + ((x % 40 == 0 || y % 40 == 0) ? 6 : 0));
    return pixels;
}

// Frame k of seven: a ring whose hole and rim grow, shaded from its centre outwards.
TAnmFrameSource Ring(int k) {
    TAnmFrameSource f{120, 120, 60, 60, {}, {}};
    const double outer = 24 + 5 * k;
    const double inner = 6 + 3 * k;
    for (i32 y = 0; y < 120; ++y)
        for (i32 x = 0; x < 120; ++x) {
            const double d = std::hypot(x - 59.5, y - 59.5);
            f.Opaque.push_back(d < outer && d >= inner ? 1 : 0);
            f.Pixels.push_back(static_cast<u8>(Ruby + static_cast<int>(d) % 32));
        }
    return f;
}

// Frame k of seven: a diamond with a square window, narrowing as k grows.
TAnmFrameSource Diamond(int k) {
    TAnmFrameSource f{140, 100, 70, 50, {}, {}};
    const i32 half = 68 - 6 * k;
    for (i32 y = 0; y < 100; ++y)
        for (i32 x = 0; x < 140; ++x) {
            const i32 dx = std::abs(x - 70);
            const i32 dy = std::abs(y - 50);
            const bool inDiamond = dx * 50 + dy * half < half * 50;
            const bool window = dx < 10 && dy < 10;
            f.Opaque.push_back(inDiamond && !window ? 1 : 0);
            f.Pixels.push_back(static_cast<u8>(Sky + (dx + dy) % 32));
        }
    return f;
}

using SpriteGolden = MediaFixture;

TEST_F(SpriteGolden, AWrittenSpriteListPlaysForwardAndBackward) {
    WritePal("scene", SceneColours());
    WriteBmp("felt", 640, 480, Background(), SceneColours());
    std::vector<TAnmFrameSource> rings;
    std::vector<TAnmFrameSource> diamonds;
    for (int k = 0; k < 7; ++k) {
        rings.push_back(Ring(k));
        diamonds.push_back(Diamond(k));
    }
    for (const auto& [name, frames] : {std::pair{"ring.anm", rings}, {"diamond.anm", diamonds}}) {
        const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
        Cd.WriteHostFile(name, std::string(bytes.begin(), bytes.end()));
    }
    {
        TSpriteList list(Window, TFileMode("show.spl", 0, 0), nullptr);
        auto forward = MakeTableSprite(Window, "forward", {{0, 0, "ring.anm", 1, 0, 1, 0, 0, 1}});
        forward->SetPosition({260, 200, 0});
        auto backward =
            MakeTableSprite(Window, "backward", {{0, 0, "diamond.anm", 1, 0, -1, 0, 0, 2}});
        backward->SetPosition({330, 240, 0});
        for (auto* s : {forward.get(), backward.get()})
            s->SetFlags(SPF_KEEP_DURATION);
        list.Add(forward.release());
        list.Add(backward.release());
        ASSERT_TRUE(list.Save(nullptr));
    }
    MakeScreen(LoadBmp("felt"), LoadPal("scene"));
    const TFileMode mode("show.spl", 0, FM_LEVEL_NOW);
    auto list = TJorpBase::CreateAttached<TSpriteList>(mode, true, false, Window, mode, nullptr);
    ASSERT_EQ(list->GetCount(), 2);
    ASSERT_TRUE(list->UseAt(list->IndexOf("forward.sp"), 0));
    ASSERT_TRUE(list->UseAt(list->IndexOf("backward.sp"), 0));

    const TRect client = TRect{ClientOrigin(), TSize{640, 480}};
    for (u32 t = 0; t <= 6; ++t) {
        Window->FrameCount = t;
        list->Tick(t);
        Video().RenderFrame();
        App.PumpWaitingMessages();
        if (t % 3 == 0) {
            EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(),
                                      "sprites_tick" + std::to_string(t), client));
        }
        list->PostTick(t);
    }
    // Both have run their frames: they leave the screen and their uses end.
    Window->FrameCount = 7;
    list->Tick(7);
    EXPECT_EQ(Video().GetGraphics().GetCount(), 0);
    EXPECT_FALSE(list->IsInUseAt(0));
    EXPECT_FALSE(list->IsInUseAt(1));
}

} // namespace
