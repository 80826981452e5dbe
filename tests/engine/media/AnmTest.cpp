// Animations: encoded frames read back and drawn over sentinels, hostile files, the frame range,
// the timeline, leaving the screen, loading ahead of use, and clipping to the clip and the target.
#include "SpriteSupport.h"

#include "MediaFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/AnmList.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

namespace {

constexpr u8 Sentinel = 0xEE;

// Base point (x, y, z) without the file's anchor, so that the base point itself counts.
TAnmData Placed(i16 x, i16 y, i32 direction = ANM_FORWARD) {
    TAnmData data(x, y, 0, 0, 0xFFFF, 0, direction, true, true, true);
    data.SetFlag(ANMD_ANCHOR_FROM_FILE, false);
    return data;
}

std::unique_ptr<TAnm> LoadAnm(TJorpOwner* owner, const std::vector<u8>& bytes,
                              const TAnmData& data) {
    auto anm = std::make_unique<TAnm>(owner, TFileMode("test.anm", 1, 1), data);
    anm->LoadAt({bytes.data(), static_cast<u32>(bytes.size())}, true);
    return anm;
}

bool EdgeRuns(i32 x, i32 y) {
    return x == 0 || x == 8 || y == 2;
}
bool EmptyRows(i32, i32 y) {
    return y != 1 && y != 3;
}
bool Checker(i32 x, i32 y) {
    return (x + y) % 2 == 0;
}

TEST(AnmEncoder, FramesReadBackAndDrawOnlyTheirOpaquePixels) {
    const std::vector<TAnmFrameSource> frames = {
        MakeFrame(9, 4, 0, 0, &EdgeRuns),     MakeFrame(6, 5, 2, 1, &EmptyRows, 40),
        MakeFrame(7, 3, 0, 0, &Checker, 80),  MakeFrame(5, 5, -30, 20, &AllOpaque, 120),
        MakeFrame(0, 0, 0, 0, &AllOpaque, 0),
    };
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 3, 4);
    ASSERT_EQ(bytes, TAnmEncoder::Encode(frames, 3, 4));
    // "ANM " 2.0, the reserved and unread words 0, then the count and the reference.
    const std::vector<u8> head(bytes.begin(), bytes.begin() + 22);
    EXPECT_EQ(head, (std::vector<u8>{'A', 'N', 'M', ' ', 2, 0, 0, 0, 0, 0, 0,
                                     0,   5,   0,   0,   0, 0, 0, 3, 0, 4, 0}));

    TTickOwner owner;
    auto anm = LoadAnm(&owner, bytes, Placed(10, 5));
    ASSERT_EQ(anm->GetBytesRead(), static_cast<i32>(22 + 4 * frames.size()));
    ASSERT_EQ(anm->GetFrameCount(), frames.size());
    // Without the file's anchor the base point moves by one.
    EXPECT_EQ(anm->GetCurrentData().Position, (TGrPoint{11, 6, 0}));

    for (u16 k = 0; k < frames.size(); ++k) {
        SCOPED_TRACE(k);
        const TAnmFrameSource& f = frames[k];
        // A run is a longest opaque stretch: one per change from clear to opaque.
        const TAnmFrameInfo& info = *anm->GetImageFrames().GetFrame(k);
        for (i32 y = 0; y < f.Height; ++y) {
            int runs = 0;
            int starts = 0;
            TAnmImage::ForEachRun(bytes.data(), info, y, [&](i16, u16, const u8*) { ++runs; });
            for (i32 x = 0; x < f.Width; ++x)
                starts += f.Opaque[static_cast<size_t>(y * f.Width + x)] != 0 &&
                          (x == 0 || f.Opaque[static_cast<size_t>(y * f.Width + x - 1)] == 0);
            EXPECT_EQ(runs, starts) << "row " << y;
        }

        TPixelTarget target(64, 48, k % 2 == 0, Sentinel);
        anm->GetCurrentData().CurrentFrame = k;
        anm->SelectFrame();
        ASSERT_TRUE(anm->DrawFrame(target, {0, 0, 64, 48}));
        const i32 left = 11 - f.HotX;
        const i32 top = 6 - f.HotY;
        EXPECT_EQ(anm->GetRect(), TRect16(left, top, left + f.Width, top + f.Height));
        for (i32 y = 0; y < 48; ++y)
            for (i32 x = 0; x < 64; ++x) {
                const i32 fx = x - left;
                const i32 fy = y - top;
                const bool inside = fx >= 0 && fy >= 0 && fx < f.Width && fy < f.Height;
                const size_t i = static_cast<size_t>(fy * f.Width + fx);
                const u8 want = inside && f.Opaque[i] != 0 ? f.Pixels[i] : Sentinel;
                ASSERT_EQ(target.At(x, y), want) << x << "," << y;
            }
    }
}

TEST(AnmEncoder, RefusesFramesItCannotHold) {
    TAnmFrameSource shortMask = MakeFrame(4, 4, 0, 0, &AllOpaque);
    shortMask.Opaque.resize(15);
    EXPECT_TRUE(TAnmEncoder::Encode({shortMask}, 0, 0).empty());
    EXPECT_TRUE(TAnmEncoder::Encode({TAnmFrameSource{-1, 2, 0, 0, {}, {}}}, 0, 0).empty());
}

TEST(AnmFile, WrongTagsVersionsAndShortFiles) {
    const std::vector<u8> good = TAnmEncoder::Encode({MakeFrame(2, 2, 0, 0, &AllOpaque)}, 0, 0);
    auto patched = [&](size_t at, std::vector<u8> with) {
        std::vector<u8> b = good;
        std::copy(with.begin(), with.end(), b.begin() + static_cast<long>(at));
        return b;
    };
    const struct {
        const char* Case;
        std::vector<u8> Bytes;
        bool Fatal;
        const char* Box;
    } cases[] = {
        {"another tag counts as version 1", patched(0, {'A', 'N', 'X', ' '}), true, nullptr},
        {"version 1", patched(4, {1, 0}), true, nullptr},
        {"version 3", patched(4, {3, 0}), false, "Unknown anm file version"},
        {"shorter than the header", std::vector<u8>(good.begin(), good.begin() + 20), false,
         nullptr},
        {"frame table cut", std::vector<u8>(good.begin(), good.begin() + 24), false, nullptr},
        {"count beyond the file", patched(12, {0xFF, 0x7F}), false, nullptr},
    };
    TTickOwner owner;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        auto anm = std::make_unique<TAnm>(&owner, TFileMode("bad.anm", 1, 1), TAnmData());
        try {
            anm->LoadAt({c.Bytes.data(), static_cast<u32>(c.Bytes.size())}, true);
            EXPECT_FALSE(c.Fatal);
        } catch (const TProcessExit& exit) {
            EXPECT_TRUE(c.Fatal);
            EXPECT_EQ(exit.Code, 1);
            ASSERT_EQ(boxes.Boxes.size(), 1U);
            EXPECT_EQ(boxes.Boxes[0].Caption, "Error - TAnm");
            EXPECT_EQ(boxes.Boxes[0].Text, "Invalid file version read\nBAD THINGS, MAN.\nbad.anm");
            continue;
        }
        EXPECT_EQ(anm->GetBytesRead(), -1);
        EXPECT_EQ(anm->GetFrameCount(), 0);
        ASSERT_EQ(boxes.Boxes.size(), c.Box != nullptr ? 1U : 0U);
        if (c.Box != nullptr) {
            EXPECT_EQ(boxes.Boxes[0].Text, c.Box);
            EXPECT_EQ(boxes.Boxes[0].Caption, "Error - TAnm");
        }
    }
}

TEST(AnmFile, AFrameReachingOutsideIsNotDrawnButTheOthersAre) {
    std::vector<u8> bytes = TAnmEncoder::Encode(
        {MakeFrame(3, 2, 0, 0, &AllOpaque), MakeFrame(3, 2, 0, 0, &AllOpaque, 50)}, 0, 0);
    // The second frame's first row offset points past the end.
    const u32 frame1 = GetLe32(bytes.data() + 26);
    for (int i = 0; i < 4; ++i)
        bytes[frame1 + 20 + static_cast<u32>(i)] = 0xFF;
    TTickOwner owner;
    auto anm = LoadAnm(&owner, bytes, Placed(0, 0));
    ASSERT_EQ(anm->GetFrameCount(), 2);
    TPixelTarget target(8, 8, true, Sentinel);
    anm->GetCurrentData().CurrentFrame = 1;
    anm->SelectFrame();
    EXPECT_FALSE(anm->DrawFrame(target, {0, 0, 8, 8}));
    EXPECT_EQ(target.Pixels, std::vector<u8>(target.Pixels.size(), Sentinel));
    anm->GetCurrentData().CurrentFrame = 0;
    anm->SelectFrame();
    EXPECT_TRUE(anm->DrawFrame(target, {0, 0, 8, 8}));
    EXPECT_EQ(target.At(1, 1), 1);
    // A frame number beyond the count draws nothing either.
    anm->GetCurrentData().CurrentFrame = 2;
    EXPECT_FALSE(anm->DrawFrame(target, {0, 0, 8, 8}));
}

bool Span2To9(i32 x, i32) {
    return x >= 2 && x < 9;
}

TEST(AnmDraw, RunsAreCutToTheClipAndTheTargetInEitherRowOrder) {
    const std::vector<u8> bytes = TAnmEncoder::Encode({MakeFrame(12, 3, 0, 0, &Span2To9)}, 0, 0);
    TTickOwner owner;
    auto anm = LoadAnm(&owner, bytes, Placed(-1, -1));
    anm->GetCurrentData().CurrentFrame = 0;
    anm->SelectFrame();
    ASSERT_EQ(anm->GetRect(), TRect16(0, 0, 12, 3));
    const struct {
        TRect16 Clip;
        i32 TargetWidth;
        i32 From, To; // columns written
    } cases[] = {
        {{5, 0, 7, 3}, 16, 5, 7},    // a run starting left of the clip starts at its edge
        {{0, 0, 2, 3}, 16, 0, 0},    // a run wholly right of the clip is skipped
        {{0, 0, 640, 480}, 6, 2, 6}, // a clip past the target writes only the target
    };
    for (const auto& c : cases) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.Clip.left << "-" << c.Clip.right << " "
                                            << (topDown ? "top-down" : "bottom-up"));
            TPixelTarget target(c.TargetWidth, 3, topDown, Sentinel);
            ASSERT_TRUE(anm->DrawFrame(target, c.Clip));
            for (i32 y = 0; y < 3; ++y)
                for (i32 x = 0; x < c.TargetWidth; ++x) {
                    const bool drawn =
                        x >= c.From && x < c.To && y >= c.Clip.top && y < c.Clip.bottom;
                    EXPECT_EQ(target.At(x, y), drawn ? static_cast<u8>(1 + x + 7 * y) : Sentinel)
                        << x << "," << y;
                }
            // Screen row 0 of a bottom-up target is its last stored row.
            if (!topDown && c.From < c.To) {
                EXPECT_EQ(target.Pixels[static_cast<size_t>(2 * target.GetPitch() + c.From)],
                          1 + c.From);
            }
        }
    }
}

TEST(AnmFrames, TheRangeIsWorkedOutAgainAtEachStart) {
    const std::vector<TAnmFrameSource> seven(7, MakeFrame(1, 1, 0, 0, &AllOpaque));
    const std::vector<u8> bytes = TAnmEncoder::Encode(seven, 0, 0);
    const struct {
        i32 Direction;
        u16 Start;
        u32 Duration;
        u16 WantStart, WantLast;
    } cases[] = {
        {ANM_FORWARD, 0, 0, 0, 6},  {ANM_FORWARD, 2, 3, 2, 4},   {ANM_FORWARD, 5, 10, 5, 6},
        {ANM_BACKWARD, 0, 0, 6, 0}, {ANM_BACKWARD, 4, 0, 6, 0},  {ANM_BACKWARD, 5, 2, 5, 3},
        {ANM_BACKWARD, 1, 5, 1, 0}, {ANM_HOLD, 3, 0, 3, 0xFFFF},
    };
    TTickOwner owner;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Direction << " " << c.Start << " " << c.Duration);
        TAnmData data = Placed(0, 0, c.Direction);
        data.StartFrame = c.Start;
        auto anm = LoadAnm(&owner, bytes, data);
        anm->Duration = c.Duration;
        anm->ResetFrames();
        EXPECT_EQ(anm->GetCurrentData().StartFrame, c.WantStart);
        EXPECT_EQ(anm->GetCurrentData().LastFrame, c.WantLast);
        EXPECT_EQ(anm->GetCurrentData().CurrentFrame, c.WantStart);
    }
}

class AnmTimeline : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<TAnmFrameSource> three(3, MakeFrame(2, 2, 0, 0, &AllOpaque));
        Bytes = TAnmEncoder::Encode(three, 0, 0);
    }
    TAnm& Add(TAnmData data, i16 delay = 0) {
        auto anm = LoadAnm(&Owner, Bytes, data);
        anm->StartDelay = delay;
        TAnm& raw = *anm;
        EXPECT_TRUE(List.Add(anm.release()));
        return raw;
    }
    static bool Running(const TAnm& anm) {
        return (anm.GetFlags() & (JOF_ON | JOF_STOP_REQUESTED)) == JOF_ON;
    }

    std::vector<u8> Bytes;
    TTickOwner Owner;
    TAnmList List{&Owner, nullptr};
};

TEST_F(AnmTimeline, ADelayedAnimationStartsAtItsTickAndAPastOneAtOnce) {
    TAnm& delayed = Add(Placed(0, 0), 3);
    TAnm& late = Add(Placed(0, 0), 0);
    Owner.Tick = 10;
    delayed.Play(10);
    late.Play(7);
    EXPECT_EQ(delayed.GetStartTick(), 13U);
    EXPECT_FALSE(Running(delayed));
    // A start tick the counter has passed already is not waited for.
    EXPECT_TRUE(Running(late));
    EXPECT_EQ(List.GetPlayingCount(), 2);
    for (u32 t = 11; t <= 13; ++t) {
        Owner.Tick = t;
        delayed.Tick(t);
        EXPECT_EQ(Running(delayed), t == 13) << t;
    }
}

TEST_F(AnmTimeline, TheLastFrameStopsItAndTheListWhenNoneIsLeft) {
    TAnm& anm = Add(Placed(0, 0));
    List.Play(0);
    ASSERT_TRUE(Running(anm));
    for (u32 t = 1; t <= 2; ++t) {
        anm.PostTick(t - 1);
        anm.Tick(t);
    }
    EXPECT_EQ(anm.GetCurrentData().CurrentFrame, 2);
    EXPECT_EQ(List.GetPlayingCount(), 1);
    anm.PostTick(2);
    EXPECT_TRUE(anm.HasFlags(JOF_STOP_REQUESTED));
    EXPECT_EQ(List.GetPlayingCount(), 0);
    EXPECT_TRUE(List.HasFlags(JOF_STOP_REQUESTED));
}

TEST_F(AnmTimeline, StoppingWithoutLeavingKeepsItRunningButUncounted) {
    TAnmData stays = Placed(0, 0);
    stays.SetFlag(ANMD_LEAVE_WHEN_STOPPED, false);
    TAnm& leaves = Add(Placed(0, 0));
    TAnm& keeps = Add(stays);
    List.Play(0);
    leaves.Stop();
    keeps.Stop();
    EXPECT_FALSE(Running(leaves));
    EXPECT_TRUE(Running(keeps));
    EXPECT_EQ(List.GetPlayingCount(), 0);
    EXPECT_FALSE(keeps.HasFlags(ANMF_COUNTED));
}

using AnmOnScreen = MediaFixture;

TEST_F(AnmOnScreen, ItLoadsWhenNeededSoonAndLeavesTheScreenOnlyWithItsFlag) {
    const std::vector<u8> bytes = TAnmEncoder::Encode({MakeFrame(4, 4, 0, 0, &AllOpaque)}, 0, 0);
    Cd.WriteHostFile("spin.anm", std::string(bytes.begin(), bytes.end()));
    WriteBmp("felt", 640, 480, std::vector<u8>(640 * 480, 12));
    MakeScreen(LoadBmp("felt"), nullptr);
    Window->FrameCount = 100;

    TAnmData stays = Placed(0, 0);
    stays.SetFlag(ANMD_LEAVE_WHEN_STOPPED, false);
    auto leaves = TAnm::Create(Window, TFileMode("spin", 1, 1), Placed(0, 0), false, true);
    auto keeps = TAnm::Create(Window, TFileMode("spin", 1, 1), stays, false, true);
    leaves->Acquire(161);
    EXPECT_FALSE(leaves->HasFlags(JOF_LOADED));
    leaves->Acquire(160);
    EXPECT_TRUE(leaves->HasFlags(JOF_LOADED));
    EXPECT_EQ(leaves->GetFrameCount(), 1);

    for (TAnm* anm : {leaves.get(), keeps.get()})
        anm->Play(100);
    EXPECT_TRUE(leaves->IsInVideo());
    EXPECT_TRUE(keeps->IsInVideo());
    leaves->Stop();
    keeps->Stop();
    EXPECT_FALSE(leaves->IsInVideo());
    EXPECT_TRUE(keeps->IsInVideo());
}

} // namespace
