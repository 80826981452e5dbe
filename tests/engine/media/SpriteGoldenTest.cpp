// Golden images of a sprite list written by the engine and played headless: two overlapping
// sprites with holes in them, one played forward and one backward, over a background.
#include "MediaFixture.h"
#include "SpriteSupport.h"

#include "support/Golden.h"

#include <cstdlib>

namespace {

constexpr u8 Felt = 10;
constexpr u8 Ruby = 100;
constexpr u8 Sky = 140;

// A green felt ramp, and two ramps of 32 shades for the shapes.
TColourTable SceneColours() {
    TColourTable c = RampColours();
    for (int i = 0; i < 32; ++i) {
        const u8 v = static_cast<u8>(60 + i * 4);
        c[static_cast<size_t>(Felt + i)] = {30, v, static_cast<u8>(v / 5), 0};
        c[static_cast<size_t>(Ruby + i)] = {static_cast<u8>(40 + i * 2), 30, v, 0};
        c[static_cast<size_t>(Sky + i)] = {v, static_cast<u8>(v - 50), 40, 0};
    }
    return c;
}

// Frame k of seven, w x h around its centre: opaque where the shape says, shaded by distance.
TAnmFrameSource Shape(i16 w, i16 h, int k, u8 base, bool (*inside)(i32 dx, i32 dy, int k)) {
    TAnmFrameSource f{w, h, static_cast<i16>(w / 2), static_cast<i16>(h / 2), {}, {}};
    for (i32 y = 0; y < h; ++y)
        for (i32 x = 0; x < w; ++x) {
            const i32 dx = std::abs(x - w / 2), dy = std::abs(y - h / 2);
            f.Opaque.push_back(inside(dx, dy, k) ? 1 : 0);
            f.Pixels.push_back(static_cast<u8>(base + (dx + dy) % 32));
        }
    return f;
}

// A ring whose hole and rim grow with k.
bool Ring(i32 dx, i32 dy, int k) {
    const i32 d2 = dx * dx + dy * dy;
    return d2 < (24 + 5 * k) * (24 + 5 * k) && d2 >= (6 + 3 * k) * (6 + 3 * k);
}

// A diamond with a square window, narrowing as k grows.
bool Diamond(i32 dx, i32 dy, int k) {
    const i32 half = 68 - 6 * k;
    return dx * 50 + dy * half < half * 50 && !(dx < 10 && dy < 10);
}

using SpriteGolden = MediaFixture;

TEST_F(SpriteGolden, AWrittenSpriteListPlaysForwardAndBackward) {
    WritePal("scene", SceneColours());
    std::vector<u8> felt(640 * 480);
    for (size_t i = 0; i < felt.size(); ++i)
        felt[i] = static_cast<u8>(Felt + i / 640 * 24 / 480 + (i % 640 % 40 == 0 ? 6 : 0));
    WriteBmp("felt", 640, 480, felt, SceneColours());
    std::vector<TAnmFrameSource> rings;
    std::vector<TAnmFrameSource> diamonds;
    for (int k = 0; k < 7; ++k) {
        rings.push_back(Shape(120, 120, k, Ruby, &Ring));
        diamonds.push_back(Shape(140, 100, k, Sky, &Diamond));
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
