// Responders: priority order, removal during the walk, capture, hover, cursors and hot keys.
#include "engine/framework/Responder.h"

#include "engine/foundation/JorpBase.h"
#include "engine/framework/ResponderHost.h"
#include "engine/framework/ResponderList.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A mode window reduced to what responders need of it.
class THostWindow : public TWindow, public TResponderHost {
public:
    THostWindow() : TWindow(nullptr, "Mode") { List = std::make_unique<TResponderList>(this); }
    TResponderList* GetResponderList() const override { return List.get(); }
    HWND GetResponderHandle() const override { return GetHandle(); }
    void SetResponderCursor(const TCursorData& cursor) override { Cursors.push_back(cursor); }

    std::unique_ptr<TResponderList> List;
    std::vector<TCursorData> Cursors;
};

// Notes "code:kind" for every event it gets and takes those of the codes it is told to.
struct TOwner : TJorpBase {
    explicit TOwner(std::string& log) : TJorpBase(nullptr), Log(log) {}
    i32 EvResponder(TResponder* r) override {
        Log += (Log.empty() ? "" : " ") + std::to_string(r->GetCode()) + ":" +
               std::to_string(r->GetKind());
        const bool take = Takes.count(r->GetCode()) != 0;
        if (OnEvent)
            OnEvent(r);
        return take ? 1 : 0;
    }
    std::set<u16> Takes;
    std::function<void(TResponder*)> OnEvent;
    std::string& Log;
};

class Responders : public ::testing::Test {
protected:
    void SetUp() override {
        Host = new THostWindow;
        auto* frame = new TFrameWindow(nullptr, "Frame", nullptr, false);
        frame->SetClientWindow(Host);
        App.SetMainWindow(frame);
        ASSERT_TRUE(frame->Create());
        frame->ShowWindow(SW_SHOWNORMAL);
        App.PumpWaitingMessages();
    }

    TResponder* Make(u16 priority, const TRect& rect, u16 code, char hotKey = 0, bool hover = false,
                     TCursorData cursor = {}) {
        Made.push_back(std::make_unique<TResponder>(Host, priority, rect, code, &Owner, true,
                                                    hotKey, cursor, hover));
        return Made.back().get();
    }
    TResponderList& List() { return *Host->List; }
    // What the owners heard of one event.
    std::string Mouse(JorpEventKind kind, const TPoint& at) {
        List().DispatchMouse(kind, 0, at);
        return std::exchange(Log, {});
    }
    std::string Key(char key, u16 repeat = 1, u32 flags = 0) {
        List().DispatchKey(key, repeat, flags);
        return std::exchange(Log, {});
    }

    THeadlessSession Session;
    TApplication App{"responders"};
    THostWindow* Host = nullptr;
    std::string Log;
    TOwner Owner{Log};
    std::vector<std::unique_ptr<TResponder>> Made;
};

TEST_F(Responders, PriorityOrderIsSignedStableAndKeptForLatecomers) {
    // Right and bottom edges are outside.
    Make(10, {10, 20, 30, 40}, 1);
    for (TPoint in : {TPoint(10, 20), TPoint(29, 39)})
        EXPECT_EQ(Mouse(JEK_LBUTTONDOWN, in), "1:1");
    for (TPoint out : {TPoint(30, 20), TPoint(10, 40), TPoint(9, 25), TPoint(15, 19)})
        EXPECT_EQ(Mouse(JEK_LBUTTONDOWN, out), "");
    Made.clear();

    Make(50, {0, 0, 100, 100}, 50);
    Make(100, {50, 50, 150, 150}, 100);
    EXPECT_EQ(Mouse(JEK_LBUTTONDOWN, {60, 60}), "100:1 50:1");
    Owner.Takes = {100};
    EXPECT_EQ(Mouse(JEK_LBUTTONDOWN, {60, 60}), "100:1");
    // A latecomer with the highest priority goes first at the next dispatch; priorities
    // compare as signed numbers, so 0x8000 ranks below 0.
    Owner.Takes.clear();
    Make(0x8000, {0, 0, 200, 200}, 7);
    Make(0, {0, 0, 200, 200}, 0);
    Make(200, {0, 0, 200, 200}, 200);
    EXPECT_EQ(Mouse(JEK_LBUTTONUP, {60, 60}), "200:2 100:2 50:2 0:2 7:2");
    Made.clear();

    // More responders than the list's short-run sort covers, priorities interleaved: equal
    // priorities keep one order, the latest registered first, across dispatches and sorts.
    for (u16 code = 0; code < 45; ++code)
        Make(static_cast<u16>(code % 3), {0, 0, 640, 480}, code);
    std::string expected;
    for (int priority = 2; priority >= 0; --priority)
        for (int code = 44; code >= 0; --code)
            if (code % 3 == priority)
                expected += (expected.empty() ? "" : " ") + std::to_string(code) + ":1";
    EXPECT_EQ(Mouse(JEK_LBUTTONDOWN, {1, 1}), expected);
    Make(9, {700, 0, 800, 10}, 999);
    EXPECT_EQ(Mouse(JEK_LBUTTONDOWN, {1, 1}), expected);
}

TEST_F(Responders, OwnersMayRemoveRespondersWhileTheWalkIsOnThem) {
    // Unregistering or deleting the responder under the walk, or the one after it.
    for (size_t victim : {0, 1})
        for (bool destroy : {false, true}) {
            Made.clear();
            TResponder* first = Make(30, {0, 0, 10, 10}, 3);
            Make(20, {0, 0, 10, 10}, 2);
            Make(10, {0, 0, 10, 10}, 1);
            Owner.OnEvent = [&, first](TResponder* r) {
                if (r == first)
                    destroy ? Made[victim].reset() : Made[victim]->Unregister();
            };
            EXPECT_EQ(Mouse(JEK_LBUTTONDOWN, {5, 5}), victim == 0 ? "3:1 2:1 1:1" : "3:1 1:1")
                << victim << destroy;
            EXPECT_EQ(List().GetCount(), 2);
            Owner.OnEvent = nullptr;
        }
}

TEST_F(Responders, TheCaptureHolderGetsTheMouseEverywhereAndKeysReachNobody) {
    TResponder* holder = Make(10, {0, 0, 50, 50}, 1, JORP_ANY_KEY);
    TResponder* other = Make(20, {100, 100, 200, 200}, 2, 'x');
    ASSERT_TRUE(holder->CaptureMouse());
    EXPECT_EQ(GetCapture(), Host);
    // A second holder is refused; asking again keeps the capture.
    EXPECT_FALSE(other->CaptureMouse());
    EXPECT_TRUE(holder->CaptureMouse());
    EXPECT_TRUE(holder->HoldsCapture());

    Owner.Takes = {1};
    EXPECT_EQ(Mouse(JEK_LBUTTONUP, {400, 400}), "1:2");
    // When the holder refuses, the event goes the usual way; the holder is tried again
    // only where the point lies inside it.
    Owner.Takes.clear();
    EXPECT_EQ(Mouse(JEK_LBUTTONUP, {150, 150}), "1:2 2:2");
    EXPECT_EQ(Mouse(JEK_LBUTTONUP, {10, 10}), "1:2 1:2");
    EXPECT_EQ(Key('x'), "");
    EXPECT_EQ(Key('^'), "");

    holder->ReleaseMouse();
    EXPECT_EQ(GetCapture(), nullptr);
    // Releasing someone else's capture does nothing; unregistering the holder releases it.
    ASSERT_TRUE(other->CaptureMouse());
    holder->ReleaseMouse();
    EXPECT_EQ(GetCapture(), Host);
    other->Unregister();
    EXPECT_EQ(List().GetCaptureHolder(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);

    // A responder that never registered may still take the capture; when it goes, so does
    // its capture, and the next event finds no holder to hand to.
    auto loose = std::make_unique<TResponder>(Host, 5, TRect(0, 0, 10, 10), 9, &Owner, false,
                                              char{0}, TCursorData(), false);
    ASSERT_TRUE(loose->CaptureMouse());
    loose.reset();
    EXPECT_EQ(List().GetCaptureHolder(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    Owner.Takes = {1};
    EXPECT_EQ(Mouse(JEK_LBUTTONUP, {400, 400}), "");
}

TEST_F(Responders, HoverSendsLeaveBeforeEnterAndNothingWhileInside) {
    Make(10, {0, 0, 100, 100}, 1, 0, true);
    Make(10, {100, 0, 200, 100}, 2, 0, true);
    Make(30, {200, 0, 300, 100}, 3, 0, false);
    Make(20, {50, 50, 150, 150}, 4, 0, true); // over parts of 1 and 2
    const struct {
        TPoint At;
        const char* Seen;
    } moves[] = {
        {{10, 10}, "1:10"},       {{20, 30}, ""},
        {{150, 10}, "1:11 2:10"}, {{250, 10}, "2:11"}, // a region that does not track hover
        {{400, 400}, ""},         {{60, 60}, "4:10"}, // the higher priority of two overlapping ones
        {{140, 120}, ""},         {{40, 160}, "4:11"},
    };
    for (const auto& m : moves)
        EXPECT_EQ(Mouse(JEK_CURSOR, m.At), m.Seen) << m.At.x << "," << m.At.y;
    // A repeated enter goes to the hover responder at the mouse, in client coordinates.
    TPoint screen{70, 90};
    ASSERT_TRUE(ClientToScreen(Host, &screen));
    Session.Backend().MouseMove(screen);
    App.PumpWaitingMessages();
    Mouse(JEK_CURSOR, {70, 90});
    List().SendToHover(JEK_HOVER_ENTER);
    EXPECT_EQ(Log, "4:10");
    EXPECT_EQ(List().GetHover()->GetPoint(), TPoint(70, 90));
}

TEST_F(Responders, HoverSurvivesOwnersThatUnregisterDuringEnterOrLeave) {
    TResponder* a = Make(10, {0, 0, 100, 100}, 1, 0, true);
    Make(10, {100, 0, 200, 100}, 2, 0, true);
    EXPECT_EQ(Mouse(JEK_CURSOR, {10, 10}), "1:10");
    // Unregistering the hover responder ends hover without a leave.
    a->Unregister();
    EXPECT_EQ(List().GetHover(), nullptr);
    EXPECT_EQ(Mouse(JEK_CURSOR, {120, 10}), "2:10");

    // The mouse moves from a wide low-priority region into a higher one inside it, whose
    // owner goes away while the wide one hears of the leave: no enter, no hover.
    TResponder* wide = Make(5, {0, 0, 300, 100}, 5, 0, true);
    EXPECT_EQ(Mouse(JEK_CURSOR, {250, 10}), "2:11 5:10");
    a->Register();
    Owner.OnEvent = [&](TResponder* r) {
        if (r == wide && r->GetKind() == JEK_HOVER_LEAVE)
            std::erase_if(Made, [a](auto& m) { return m.get() == a; });
    };
    EXPECT_EQ(Mouse(JEK_CURSOR, {50, 10}), "5:11");
    EXPECT_EQ(List().GetHover(), nullptr);

    // A responder that leaves the list when it is entered leaves no hover behind.
    Owner.OnEvent = [](TResponder* r) {
        if (r->GetKind() == JEK_HOVER_ENTER)
            r->Unregister();
    };
    EXPECT_EQ(Mouse(JEK_CURSOR, {60, 10}), "5:10");
    EXPECT_EQ(List().GetHover(), nullptr);
    EXPECT_FALSE(wide->IsRegistered());
}

TEST_F(Responders, AnOwnerSwitchingHoverOffEndsItSilently) {
    TResponder* a = Make(10, {0, 0, 100, 100}, 1, 0, true);
    TResponder* b = Make(20, {100, 0, 200, 100}, 2, 0, true);
    EXPECT_EQ(Mouse(JEK_CURSOR, {10, 10}), "1:10");
    // Off while hovered: no leave now, and none when the mouse goes.
    a->SetTracksHover(false);
    EXPECT_EQ(List().GetHover(), nullptr);
    for (TPoint at : {TPoint(20, 10), TPoint(300, 300), TPoint(30, 10)})
        EXPECT_EQ(Mouse(JEK_CURSOR, at), "") << at.x;
    // On again: the next move inside enters.
    a->SetTracksHover(true);
    EXPECT_EQ(Mouse(JEK_CURSOR, {31, 10}), "1:10");

    // Switched off by its owner on the enter: the owner may delete it afterwards and the
    // list holds nothing of it.
    Owner.OnEvent = [](TResponder* r) {
        if (r->GetKind() == JEK_HOVER_ENTER)
            r->SetTracksHover(false);
    };
    EXPECT_EQ(Mouse(JEK_CURSOR, {150, 10}), "1:11 2:10");
    EXPECT_EQ(List().GetHover(), nullptr);
    std::erase_if(Made, [b](auto& m) { return m.get() == b; });
    EXPECT_EQ(Mouse(JEK_CURSOR, {300, 300}), "");

    // The region left behind switches off the one the mouse moves into: it hears nothing.
    Owner.OnEvent = [&](TResponder* r) {
        if (r->GetKind() == JEK_HOVER_LEAVE)
            for (auto& m : Made)
                m->SetTracksHover(false);
    };
    TResponder* wide = Make(5, {0, 0, 300, 300}, 5, 0, true);
    a->SetTracksHover(true);
    EXPECT_EQ(Mouse(JEK_CURSOR, {250, 250}), "5:10");
    EXPECT_EQ(Mouse(JEK_CURSOR, {50, 50}), "5:11");
    EXPECT_EQ(List().GetHover(), nullptr);
    EXPECT_FALSE(wide->TracksHover());
}

TEST_F(Responders, AGroupsPiecesHandTheHoverOnUnheardWhileItsOtherMembersLeaveAndEnter) {
    // Side by side, 100 wide: members 1 and 2 and pieces 3 and 4 of one group, a piece of
    // another group, a piece of none and a responder without a group.
    const std::pair<u16, bool> groups[] = {{7, false}, {7, false}, {7, true}, {7, true},
                                           {8, true},  {0, true},  {0, false}};
    std::vector<TResponder*> r;
    for (u16 i = 0; i < 7; ++i) {
        r.push_back(Make(10, {i * 100, 0, i * 100 + 100, 100}, static_cast<u16>(i + 1), 0, true));
        r.back()->SetHoverGroup(groups[i].first, groups[i].second);
    }
    const struct {
        i32 X;
        const char* Seen;
    } moves[] = {
        {50, "1:10"},       {150, "1:11 2:10"}, // two members are two things
        {250, ""},          {350, ""},          {50, ""},
        {350, ""},          {450, "4:11 5:10"}, // the leave goes to the one the mouse is in
        {550, "5:11 6:10"}, {650, "6:11 7:10"}, // no group joins nothing
        {250, "7:11 3:10"},                     // a group entered by its piece
        {150, ""},          {1500, "2:11"},
    };
    for (const auto& m : moves)
        EXPECT_EQ(Mouse(JEK_CURSOR, {m.X, 10}), m.Seen) << m.X;

    // A member gone from the list is no longer there to hand the hover to: the piece is left.
    EXPECT_EQ(Mouse(JEK_CURSOR, {250, 10}), "3:10");
    r[1]->Unregister();
    EXPECT_EQ(Mouse(JEK_CURSOR, {150, 10}), "3:11");
    r[1]->Register();
    EXPECT_EQ(Mouse(JEK_CURSOR, {150, 20}), "2:10");
    EXPECT_EQ(Mouse(JEK_CURSOR, {250, 20}), "");
    EXPECT_EQ(List().GetHover(), r[2]);
    // Taken out of its group, the piece is a thing of its own again.
    r[2]->SetHoverGroup(0, true);
    EXPECT_EQ(Mouse(JEK_CURSOR, {150, 20}), "3:11 2:10");
}

TEST_F(Responders, WhereRankedRespondersOverlapTheHoverGoesToTheLowestRankAsTheirClicksDo) {
    // 1 and 2 overlap at x 90-99: 2, registered later, is tried first, but 1 ranks first. 3 is
    // a piece of 2's group below the overlap.
    TResponder* a = Make(10, {0, 0, 100, 100}, 1, 0, true);
    TResponder* b = Make(10, {90, 0, 200, 100}, 2, 0, true);
    TResponder* piece = Make(10, {90, 100, 200, 120}, 3, 0, true);
    a->SetClickRank(1);
    b->SetClickRank(2);
    piece->SetClickRank(3);
    b->SetHoverGroup(2, false);
    piece->SetHoverGroup(2, true);
    const struct {
        TPoint At;
        const char* Seen;
    } moves[] = {
        {{50, 50}, "1:10"},       {{95, 50}, ""},          // 1 still stands for the overlap
        {{150, 50}, "1:11 2:10"}, {{95, 50}, "2:11 1:10"}, // though 2 still holds the mouse
        {{95, 110}, "1:11 3:10"}, {{95, 50}, "3:11 1:10"}, // 2's piece hands nothing to 1
        {{300, 300}, "1:11"},     {{95, 50}, "1:10"},
    };
    for (const auto& m : moves)
        EXPECT_EQ(Mouse(JEK_CURSOR, m.At), m.Seen) << m.At.x << "," << m.At.y;
    // Tried first and unranked, a responder stands for the point whatever ranks lie behind it;
    // one of a higher priority does, ranked or not.
    TResponder* wide = Make(10, {0, 0, 200, 100}, 4, 0, true);
    EXPECT_EQ(Mouse(JEK_CURSOR, {96, 50}), "1:11 4:10");
    wide->Unregister();
    Make(20, {0, 0, 50, 100}, 5, 0, true)->SetClickRank(9);
    EXPECT_EQ(Mouse(JEK_CURSOR, {20, 50}), "5:10");
}

TEST_F(Responders, TheFirstCursorUnderTheMouseWinsAndNoneClearsTheSlot) {
    TModule* module = &App;
    TResponder* plain = Make(50, {0, 0, 100, 100}, 1);
    Make(10, {0, 0, 200, 100}, 2, 0, false, {module, 6});
    // Owners never hear of cursor movement.
    for (TPoint at : {TPoint(50, 50), TPoint(150, 50), TPoint(300, 300)})
        EXPECT_EQ(Mouse(JEK_CURSOR, at), "");
    EXPECT_EQ(Host->Cursors, (std::vector<TCursorData>{{module, 6}, {module, 6}, {}}));
    plain->SetCursorData({nullptr, 32649});
    Mouse(JEK_CURSOR, {50, 50});
    EXPECT_EQ(Host->Cursors.back(), TCursorData(nullptr, 32649));

    // Without a list nothing registers or captures; without an owner only the cursor answers.
    Host->List.reset();
    Made.clear();
    TResponder orphan(Host, 10, {0, 0, 10, 10}, 9, &Owner, true, 'q', TCursorData(), false);
    EXPECT_FALSE(orphan.IsRegistered() || orphan.CaptureMouse());
    TResponder bare(nullptr, 10, {0, 0, 10, 10}, 9, nullptr, true, 'q', nullptr, 5, false);
    EXPECT_FALSE(bare.Fire(JEK_LBUTTONDOWN, 0, {0, 0}) || bare.SendKind(JEK_HOTKEY, 1, 0));
    EXPECT_TRUE(bare.Fire(JEK_CURSOR, 0, {0, 0}));
}

TEST_F(Responders, HotKeysMatchEitherCaseTheWildcardAndTheSecondKey) {
    TResponder* a = Make(30, {0, 0, 10, 10}, 1, 'A');
    Make(20, {0, 0, 10, 10}, 2, JORP_ANY_KEY);
    Make(10, {0, 0, 10, 10}, 3, 'r');
    Make(5, {0, 0, 10, 10}, 4); // no hot key
    // Every responder's second hot key is the wildcard; a typed NUL is no hot key, not even
    // of responders that have none.
    const std::pair<char, const char*> cases[] = {
        {'a', "1:8 2:8"}, {'A', "1:8 2:8"},         {'R', "2:8 3:8"},
        {'z', "2:8"},     {'^', "1:8 2:8 3:8 4:8"}, {'\0', "2:8"},
    };
    for (const auto& [key, seen] : cases)
        EXPECT_EQ(Key(key), seen) << static_cast<int>(key);
    // The walk stops at the first owner that takes the key.
    Owner.Takes = {2};
    EXPECT_EQ(Key('^', 3, 0x00140000), "1:8 2:8");
    EXPECT_EQ(a->GetRepeat(), 3);
    EXPECT_EQ(a->GetData(), 0x00140000U);
}

} // namespace
