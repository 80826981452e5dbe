// Animations: encoded frames read back and drawn over sentinels, hostile files, the frame range,
// the timeline, loading ahead of use, leaving the screen, and clipping to the clip and the target.
#include "SpriteSupport.h"

#include "MediaFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/AnmList.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

namespace {

constexpr u8 Sentinel = 0xEE;

// Without the file's anchor the base point itself counts (moved by one as the reader does).
TAnmData Placed(i16 x, i16 y, i32 direction = ANM_FORWARD) {
    TAnmData data(x, y, 0, 0, 0xFFFF, 0, direction, true, true, true);
    data.SetFlag(ANMD_ANCHOR_FROM_FILE, false);
    return data;
}

std::unique_ptr<TAnm> LoadAnm(TJorpOwner* owner, const std::vector<u8>& bytes,
                              const TAnmData& data = Placed(0, 0)) {
    auto anm = std::make_unique<TAnm>(owner, TFileMode("test.anm", 1, 1), data);
    anm->LoadAt({bytes.data(), static_cast<u32>(bytes.size())}, true);
    return anm;
}

void Show(TAnm& anm, u16 frame) {
    anm.GetCurrentData().CurrentFrame = frame;
    anm.SelectFrame();
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
bool Span2To9(i32 x, i32) {
    return x >= 2 && x < 9;
}

TEST(AnmEncoder, FramesReadBackAndDrawOnlyTheirOpaquePixels) {
    const std::vector<TAnmFrameSource> frames = {
        MakeFrame(9, 4, 0, 0, &EdgeRuns), MakeFrame(6, 5, 2, 1, &EmptyRows, 40),
        MakeFrame(7, 3, 0, 0, &Checker, 80), MakeFrame(5, 5, -30, 20, &AllOpaque, 120),
        MakeFrame(0, 0, 0, 0, &AllOpaque)};
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 3, 4);
    ASSERT_EQ(bytes, TAnmEncoder::Encode(frames, 3, 4));
    // "ANM " 2.0, the reserved and unread words 0, the count and the reference point.
    EXPECT_EQ(std::vector<u8>(bytes.begin(), bytes.begin() + 22),
              TBytes().Header("ANM ", 2, 0).W({5, 0, 0, 3, 4}).Data);
    TTickOwner owner;
    auto anm = LoadAnm(&owner, bytes, Placed(10, 5));
    ASSERT_EQ(anm->GetBytesRead(), static_cast<i32>(22 + 4 * frames.size()));
    EXPECT_EQ(anm->GetCurrentData().Position, (TGrPoint{11, 6, 0}));
    for (u16 k = 0; k < frames.size(); ++k) {
        const TAnmFrameSource& f = frames[k];
        // Runs are the longest opaque stretches: one for each clear-to-opaque step.
        for (i32 y = 0; y < f.Height; ++y) {
            int runs = 0, starts = 0;
            TAnmImage::ForEachRun(bytes.data(), *anm->GetImageFrames().GetFrame(k), y,
                                  [&](i16, u16, const u8*) { ++runs; });
            for (i32 x = 0; x < f.Width; ++x)
                starts += f.Opaque[y * f.Width + x] && (x == 0 || !f.Opaque[y * f.Width + x - 1]);
            EXPECT_EQ(runs, starts) << k << " row " << y;
        }
        TPixelTarget target(64, 48, k % 2 == 0, Sentinel);
        Show(*anm, k);
        ASSERT_TRUE(anm->DrawFrame(target, {0, 0, 64, 48}));
        const i32 left = 11 - f.HotX, top = 6 - f.HotY;
        for (i32 y = 0; y < 48; ++y)
            for (i32 x = 0; x < 64; ++x) {
                const i32 fx = x - left, fy = y - top;
                const bool in = fx >= 0 && fy >= 0 && fx < f.Width && fy < f.Height;
                const size_t i = static_cast<size_t>(fy * f.Width + fx);
                ASSERT_EQ(target.At(x, y), in && f.Opaque[i] ? f.Pixels[i] : Sentinel)
                    << k << ": " << x << "," << y;
            }
    }
}

TEST(AnmFile, HostileFilesFailOrEndTheProgramAndBadFramesAreNotDrawn) {
    const std::vector<u8> good = TAnmEncoder::Encode({2, MakeFrame(2, 2, 0, 0, &AllOpaque)}, 0, 0);
    auto patched = [&](size_t at, std::vector<u8> with) {
        std::vector<u8> b = good;
        std::copy(with.begin(), with.end(), b.begin() + static_cast<long>(at));
        return b;
    };
    const std::string fatal = "Invalid file version read\nBAD THINGS, MAN.\ntest.anm";
    const struct {
        const char* Case;
        std::vector<u8> Bytes;
        std::string Box;
        bool Reads;
    } cases[] = {
        {"another tag counts as version 1", patched(0, {'A', 'N', 'X'}), fatal, false},
        {"version 1", patched(4, {1}), fatal, false},
        {"version 3", patched(4, {3}), "Unknown anm file version 3: test.anm", false},
        {"shorter than the header", {good.begin(), good.begin() + 20}, "", false},
        {"frame table cut", {good.begin(), good.begin() + 25}, "", false},
        // The second frame's first row offset points past the end.
        {"a row outside", patched(GetLe32(good.data() + 26) + 20, {0xFF, 0xFF, 0xFF}), "", true},
    };
    TTickOwner owner;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        std::unique_ptr<TAnm> anm;
        try {
            anm = LoadAnm(&owner, c.Bytes);
            EXPECT_NE(c.Box, fatal);
        } catch (const TProcessExit& exit) {
            EXPECT_EQ(exit.Code, 1);
        }
        std::string shown;
        for (const auto& box : boxes.Boxes)
            shown += box.Text + "|" + box.Caption;
        EXPECT_EQ(shown, c.Box.empty() ? "" : c.Box + "|Error - TAnm");
        if (anm == nullptr)
            continue;
        ASSERT_EQ(anm->GetBytesRead() >= 0, c.Reads);
        if (!c.Reads)
            continue;
        TPixelTarget target(8, 8, true, Sentinel);
        for (u16 k : {1, 2}) {
            Show(*anm, k);
            EXPECT_FALSE(anm->DrawFrame(target, {0, 0, 8, 8})) << k;
        }
        EXPECT_EQ(target.Pixels, std::vector<u8>(target.Pixels.size(), Sentinel));
        Show(*anm, 0);
        EXPECT_TRUE(anm->DrawFrame(target, {0, 0, 8, 8}));
    }
}

TEST(AnmDraw, RunsAreCutToTheClipAndTheTargetInEitherRowOrder) {
    TTickOwner owner;
    // Read in place: the bytes outlive the animation.
    const auto bytes = TAnmEncoder::Encode({MakeFrame(12, 3, 0, 0, &Span2To9)}, 0, 0);
    auto anm = LoadAnm(&owner, bytes, Placed(-1, -1));
    Show(*anm, 0);
    const struct {
        TRect16 Clip;
        i32 Width, From, To; // the target's width, the columns written
    } cases[] = {
        {{5, 1, 7, 3}, 16, 5, 7},    // a run starting left of the clip starts at its edge
        {{0, 0, 2, 3}, 16, 0, 0},    // a run wholly right of the clip is skipped
        {{0, 0, 640, 480}, 6, 2, 6}, // a clip past the target writes only the target
    };
    for (const auto& c : cases)
        for (bool topDown : {false, true}) {
            TPixelTarget target(c.Width, 3, topDown, Sentinel);
            ASSERT_TRUE(anm->DrawFrame(target, c.Clip));
            for (i32 y = 0; y < 3; ++y)
                for (i32 x = 0; x < c.Width; ++x) {
                    const bool drawn = x >= c.From && x < c.To && y >= c.Clip.top;
                    EXPECT_EQ(target.At(x, y), drawn ? 1 + x + 7 * y : Sentinel)
                        << c.From << " " << topDown << ": " << x << "," << y;
                }
        }
}

bool RunOfRowLength(i32 x, i32 y) {
    return x >= 1 && x <= y + 1;
}

// Row y holds one run of y + 1 pixels from column 1: every length from 1 to 40, each cut by
// clips starting and ending at each column near it, copies exactly its own pixels.
TEST(AnmDraw, RunsOfEveryLengthAreCopiedExactlyWhereverTheClipCutsThem) {
    TTickOwner owner;
    constexpr i32 Width = 44;
    constexpr i32 Height = 40;
    const auto bytes = TAnmEncoder::Encode({MakeFrame(Width, Height, 0, 0, &RunOfRowLength)}, 0, 0);
    auto anm = LoadAnm(&owner, bytes, Placed(-1, -1));
    Show(*anm, 0);
    for (i32 left = 0; left < 6; ++left)
        for (i32 right = Width - 6; right <= Width; ++right) {
            TPixelTarget target(Width, Height, true, Sentinel);
            ASSERT_TRUE(anm->DrawFrame(
                target, {static_cast<i16>(left), 0, static_cast<i16>(right), Height}));
            for (i32 y = 0; y < Height; ++y)
                for (i32 x = 0; x < Width; ++x) {
                    const bool drawn = RunOfRowLength(x, y) && x >= left && x < right;
                    ASSERT_EQ(target.At(x, y), drawn ? static_cast<u8>(1 + x + 7 * y) : Sentinel)
                        << "clip " << left << ".." << right << " at " << x << "," << y;
                }
        }
}

TEST(AnmFrames, TheRangeIsWorkedOutAgainAtEachStart) {
    const auto bytes = TAnmEncoder::Encode({7, MakeFrame(1, 1, 0, 0, &AllOpaque)}, 0, 0);
    const struct {
        i32 Direction;
        u16 Start;
        u32 Duration;
        u16 WantStart, WantLast;
    } cases[] = {{ANM_FORWARD, 0, 0, 0, 6},  {ANM_FORWARD, 2, 3, 2, 4},  {ANM_FORWARD, 5, 10, 5, 6},
                 {ANM_BACKWARD, 0, 0, 6, 0}, {ANM_BACKWARD, 4, 0, 6, 0}, {ANM_BACKWARD, 5, 2, 5, 3},
                 {ANM_BACKWARD, 1, 5, 1, 0}, {ANM_HOLD, 3, 0, 3, 0xFFFF}};
    TTickOwner owner;
    for (const auto& c : cases) {
        TAnmData data = Placed(0, 0, c.Direction);
        data.StartFrame = c.Start;
        auto anm = LoadAnm(&owner, bytes, data);
        anm->Duration = c.Duration;
        anm->ResetFrames();
        const TAnmData& now = anm->GetCurrentData();
        EXPECT_EQ(std::vector<u16>({now.StartFrame, now.LastFrame, now.CurrentFrame}),
                  std::vector<u16>({c.WantStart, c.WantLast, c.WantStart}))
            << c.Direction << " " << c.Start << " " << c.Duration;
    }
}

TEST(AnmTimeline, DelayedAndLateStartsAndTheLastFrameStoppingTheList) {
    TTickOwner owner;
    TAnmList list(&owner, nullptr);
    const auto bytes = TAnmEncoder::Encode({3, MakeFrame(2, 2, 0, 0, &AllOpaque)}, 0, 0);
    auto running = [](const TAnm* a) {
        return (a->GetFlags() & (JOF_ON | JOF_STOP_REQUESTED)) == JOF_ON;
    };
    TAnm* delayed = LoadAnm(&owner, bytes).release();
    TAnm* late = LoadAnm(&owner, bytes).release();
    ASSERT_TRUE(list.Add(delayed) && list.Add(late));
    delayed->StartDelay = 3;
    owner.Tick = 10;
    list.Play(10);
    // Played at 10 with delay 3 it starts at 13; one played now starts within Play.
    EXPECT_FALSE(running(delayed));
    EXPECT_TRUE(running(late));
    // A start tick the counter has passed is not waited for.
    late->Play(7);
    EXPECT_TRUE(running(late));
    EXPECT_EQ(list.GetPlayingCount(), 2);
    for (u32 t = 11; t <= 15; ++t) {
        owner.Tick = t;
        list.Tick(t);
        EXPECT_EQ(running(delayed), t >= 13) << t;
        list.PostTick(t);
    }
    // Three frames from 13: the last one showed at 15 and stopped it.
    EXPECT_EQ(delayed->GetCurrentData().CurrentFrame, 2);
    EXPECT_EQ(list.GetPlayingCount(), 0);
    EXPECT_TRUE(list.HasFlags(JOF_STOP_REQUESTED));
}

using AnmOnScreen = MediaFixture;

TEST_F(AnmOnScreen, ItIsReadWhenNeededSoonAndLeavesTheScreenOnlyWithItsFlag) {
    const auto bytes = TAnmEncoder::Encode({MakeFrame(4, 4, 0, 0, &AllOpaque)}, 0, 0);
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
    EXPECT_EQ(leaves->GetFrameCount(), 1);
    for (TAnm* anm : {leaves.get(), keeps.get()}) {
        anm->Play(100);
        EXPECT_TRUE(anm->IsInVideo());
        anm->Stop();
        EXPECT_FALSE(anm->HasFlags(ANMF_COUNTED));
    }
    EXPECT_FALSE(leaves->IsInVideo());
    EXPECT_TRUE(keeps->IsInVideo());
    EXPECT_TRUE(keeps->HasFlags(JOF_ON) && !keeps->HasFlags(JOF_STOP_REQUESTED));
}

} // namespace
