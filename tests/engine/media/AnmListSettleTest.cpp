// Settled animation lists: pictures that hold still are passed over, and every change to them
// still shows exactly as it would had each frame passed over every one.
#include "SpriteSupport.h"

#include "MediaFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/AnmList.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using AnmSettle = MediaFixture;

// What a frame leaves of a picture that anything after it can see.
struct TSeen {
    TRect16 Rect;
    TRect16 PrevRect;
    i16 Z = 0;
    u16 Frame = 0;
    u16 Flags = 0;
    bool InVideo = false;
    bool Changed = false;

    explicit TSeen(const TAnm& anm)
        : Rect(anm.GetRect()), Z(anm.GetZ()), Frame(anm.GetDrawData().Frame),
          Flags(static_cast<u16>(anm.GetFlags() & (JOF_ON | JOF_STOP_REQUESTED | JOF_SHOWN))),
          InVideo(anm.IsInVideo()) {
        // Off the surface the previous rectangle and the change mark count for nothing: joining
        // it sets both afresh.
        if (InVideo) {
            PrevRect = anm.GetDrawData().PrevRect;
            Changed = anm.IsChanged();
        }
    }
    friend bool operator==(const TSeen&, const TSeen&) = default;
};

// Three pinned pictures in a list, and their twins passed over one by one every frame, each
// change made to both: on the surface, hidden, and shown after a start delay.
TEST_F(AnmSettle, ChangesToSettledPicturesShowAsIfEveryFrameHadPassedOverThem) {
    WriteBmp("felt", 640, 480, std::vector<u8>(640 * 480, 12));
    MakeScreen(LoadBmp("felt"), nullptr);
    const std::vector<u8> bytes =
        TAnmEncoder::Encode({MakeFrame(4, 4, 0, 0, &AllOpaque), MakeFrame(6, 3, 1, 2, &AllOpaque),
                             MakeFrame(9, 5, 3, 0, &AllOpaque)},
                            0, 0);
    TAnmData data(20, 30, 2, 0, 0xFFFF, 0, ANM_FORWARD, true, true, true);
    data.SetFlag(ANMD_ANCHOR_FROM_FILE, false);
    TAnmList list(Window, nullptr);
    std::vector<TAnm*> settling;
    std::vector<std::unique_ptr<TAnm>> twins;
    for (int i = 0; i < 3; ++i)
        for (bool inList : {true, false}) {
            auto anm = std::make_unique<TAnm>(Window, TFileMode("test.anm", 1, 1), data);
            anm->LoadAt({bytes.data(), static_cast<u32>(bytes.size())}, true);
            anm->Pin();
            if (i == 1)
                anm->Hide();
            if (i == 2)
                anm->StartDelay = 4;
            if (inList) {
                settling.push_back(anm.get());
                ASSERT_TRUE(list.Add(anm.release()));
            } else {
                twins.push_back(std::move(anm));
            }
        }
    Window->FrameCount = 100;
    list.Play(100);
    for (auto& twin : twins)
        twin->Play(100);

    const auto both = [&](int i, const std::function<void(TAnm&)>& change) {
        change(*settling[static_cast<size_t>(i)]);
        change(*twins[static_cast<size_t>(i)]);
    };
    const auto expectSame = [&](u32 t, const char* when) {
        for (size_t i = 0; i < twins.size(); ++i)
            EXPECT_TRUE(TSeen(*settling[i]) == TSeen(*twins[i]))
                << "picture " << i << " " << when << " frame " << t;
    };
    int settledFrames = 0;
    for (u32 t = 101; t <= 140; ++t) {
        Window->FrameCount = t;
        switch (t) {
        case 108: // a frame set without selecting it
            both(0, [](TAnm& a) { a.GetCurrentData().CurrentFrame = 2; });
            break;
        case 112:
            both(1, [](TAnm& a) { a.SetOffset({6, 3, 0}); });
            break;
        case 116:
            both(0, [](TAnm& a) { a.Hide(); });
            both(1, [](TAnm& a) { a.Show(); });
            break;
        case 122:
            both(0, [](TAnm& a) { a.Show(); });
            both(1, [](TAnm& a) { a.SetZ(9); });
            break;
        case 126:
            both(1, [](TAnm& a) { a.SetRect({0, 0, 1, 1}); });
            both(2, [](TAnm& a) { a.GetCurrentData().CurrentFrame = 1; });
            break;
        case 132:
            both(2, [](TAnm& a) { a.Stop(); });
            break;
        default:
            break;
        }
        settledFrames += list.IsSettled() ? 1 : 0;
        list.Tick(t);
        for (auto& twin : twins)
            twin->Tick(t);
        expectSame(t, "ticked");
        Video().RenderFrame();
        list.PostTick(t);
        for (auto& twin : twins)
            twin->PostTick(t);
        expectSame(t, "post-ticked");
    }
    // The delayed one started at 104 and the list went quiet between the changes.
    EXPECT_EQ(settling[2]->GetCurrentData().CurrentFrame, 1);
    EXPECT_TRUE(settling[1]->IsInVideo());
    EXPECT_GE(settledFrames, 20);
}

TEST_F(AnmSettle, ADelayedStartAndAnUnreadImageKeepTheListPassing) {
    const std::vector<u8> bytes = TAnmEncoder::Encode(
        {MakeFrame(4, 4, 0, 0, &AllOpaque), MakeFrame(5, 5, 0, 0, &AllOpaque)}, 0, 0);
    TTickOwner owner;
    TAnmList list(&owner, nullptr);
    TAnmData data(0, 0, 0, 0, 0xFFFF, 0, ANM_HOLD, true, false, false);
    data.SetFlag(ANMD_ANCHOR_FROM_FILE, false);
    auto* waiting = new TAnm(&owner, TFileMode("test.anm", 1, 1), data);
    waiting->LoadAt({bytes.data(), static_cast<u32>(bytes.size())}, true);
    // Never read: nothing was ever selected, so nothing says the next pass would change nothing.
    auto* unread = new TAnm(&owner, TFileMode("none.anm", 1, 1), data);
    ASSERT_TRUE(list.Add(waiting) && list.Add(unread));
    for (TAnm* anm : {waiting, unread})
        anm->Hide();
    waiting->StartDelay = 5;
    owner.Tick = 10;
    list.Play(10);
    for (u32 t = 11; t <= 20; ++t) {
        owner.Tick = t;
        list.Tick(t);
        list.PostTick(t);
        EXPECT_EQ(waiting->HasFlags(JOF_ON), t >= 15) << t;
        EXPECT_FALSE(list.IsSettled()) << t;
    }
    // Without the unread one the list settles once the started one has been selected, and a
    // frame set through the frame data brings the passes back.
    list.RemoveAt(1);
    owner.Tick = 21;
    list.Tick(21);
    EXPECT_TRUE(list.IsSettled());
    waiting->GetCurrentData().CurrentFrame = 1;
    EXPECT_FALSE(list.IsSettled());
    owner.Tick = 22;
    list.Tick(22);
    EXPECT_EQ(waiting->GetDrawData().Frame, 1);
    EXPECT_EQ(waiting->GetRect(), (TRect16{1, 1, 6, 6}));
}

} // namespace
