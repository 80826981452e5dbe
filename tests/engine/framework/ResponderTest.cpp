// Responders: priority order, removal during the walk, capture, hover, cursors and hot keys.
#include "engine/framework/Responder.h"

#include "engine/foundation/JorpBase.h"
#include "engine/framework/ResponderHost.h"
#include "engine/framework/ResponderList.h"
#include "platform/framework/Application.h"
#include "platform/framework/FrameWindow.h"
#include "platform/framework/WinApi.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A mode window reduced to what responders need of it.
class THostWindow : public TWindow, public TResponderHost {
public:
    THostWindow() : TWindow(nullptr, "Mode") {
        Attr.W = 640;
        Attr.H = 480;
        List = std::make_unique<TResponderList>(this);
    }
    TResponderList* GetResponderList() const override { return List.get(); }
    HWND GetResponderHandle() const override { return GetHandle(); }
    void SetResponderCursor(const TCursorData& cursor) override { Cursors.push_back(cursor); }

    std::unique_ptr<TResponderList> List;
    std::vector<TCursorData> Cursors;
};

// Logs "code:kind" for every event it gets and takes those of the codes it is told to.
class TOwner : public TJorpBase {
public:
    explicit TOwner(Lines& log) : TJorpBase(nullptr), Log(log) {}
    i32 EvResponder(TResponder* r) override {
        Log.push_back(std::to_string(r->GetCode()) + ":" + std::to_string(r->GetKind()));
        const bool take = Takes.count(r->GetCode()) != 0;
        if (OnEvent)
            OnEvent(r);
        return take ? 1 : 0;
    }
    std::set<u16> Takes;
    std::function<void(TResponder*)> OnEvent;

private:
    Lines& Log;
};

class Responders : public ::testing::Test {
protected:
    void SetUp() override {
        Host = new THostWindow;
        auto* frame = new TFrameWindow(nullptr, "Frame", nullptr, false);
        frame->Attr.X = 50;
        frame->Attr.Y = 40;
        frame->Attr.W = 700;
        frame->Attr.H = 520;
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
    Lines Take() {
        Lines out;
        out.swap(Log);
        return out;
    }

    THeadlessSession Session;
    TApplication App{"responders"};
    THostWindow* Host = nullptr;
    Lines Log;
    TOwner Owner{Log};
    std::vector<std::unique_ptr<TResponder>> Made;
};

TEST_F(Responders, RectanglesIncludeTheLeftAndTopEdgesOnly) {
    TResponder* r = Make(10, {10, 20, 30, 40}, 1);
    const struct {
        TPoint At;
        bool Inside;
    } cases[] = {
        {{10, 20}, true},  {{29, 39}, true}, {{30, 20}, false},
        {{10, 40}, false}, {{9, 25}, false}, {{15, 19}, false},
    };
    for (const auto& c : cases) {
        List().DispatchMouse(JEK_LBUTTONDOWN, 0, c.At);
        EXPECT_EQ(Take(), c.Inside ? Lines{"1:1"} : Lines{}) << c.At.x << "," << c.At.y;
    }
    List().DispatchMouse(JEK_RBUTTONUP, 0x0008, {12, 22});
    EXPECT_EQ(r->GetKind(), JEK_RBUTTONUP);
    EXPECT_EQ(r->GetData(), 0x0008U);
    EXPECT_EQ(r->GetPoint(), TPoint(12, 22));
}

TEST_F(Responders, HigherPriorityIsTriedFirstAndPassesOnWhatItRefuses) {
    Make(50, {0, 0, 100, 100}, 50);
    Make(100, {50, 50, 150, 150}, 100);
    List().DispatchMouse(JEK_LBUTTONDOWN, 0, {60, 60});
    EXPECT_EQ(Take(), (Lines{"100:1", "50:1"}));
    Owner.Takes = {100};
    List().DispatchMouse(JEK_LBUTTONDOWN, 0, {60, 60});
    EXPECT_EQ(Take(), (Lines{"100:1"}));

    // A latecomer with the highest priority goes first at the next dispatch; priorities
    // compare as signed numbers, so 0x8000 ranks below 0.
    Owner.Takes.clear();
    Make(0x8000, {0, 0, 200, 200}, 7);
    Make(0, {0, 0, 200, 200}, 0);
    Make(200, {0, 0, 200, 200}, 200);
    EXPECT_TRUE(List().GetNeedsSort());
    List().DispatchMouse(JEK_LBUTTONUP, 0, {60, 60});
    EXPECT_EQ(Take(), (Lines{"200:2", "100:2", "50:2", "0:2", "7:2"}));
    EXPECT_FALSE(List().GetNeedsSort());
}

TEST_F(Responders, EqualPrioritiesKeepOneOrderAcrossDispatchesAndSorts) {
    // More responders than the list's short-run sort covers, priorities interleaved.
    const TRect all{0, 0, 640, 480};
    for (u16 code = 0; code < 45; ++code)
        Make(static_cast<u16>(code % 3), all, code);
    Lines expected;
    for (int priority = 2; priority >= 0; --priority)
        for (int code = 44; code >= 0; --code) // latest registered first
            if (code % 3 == priority)
                expected.push_back(std::to_string(code) + ":1");

    List().DispatchMouse(JEK_LBUTTONDOWN, 0, {1, 1});
    EXPECT_EQ(Take(), expected);
    // Another registration sorts again; nobody of equal priority changes places.
    Make(9, {700, 0, 800, 10}, 999);
    List().DispatchMouse(JEK_LBUTTONDOWN, 0, {1, 1});
    EXPECT_EQ(Take(), expected);
}

TEST_F(Responders, OwnersMayRemoveRespondersWhileTheWalkIsOnThem) {
    // Unregistering or deleting the responder under the walk, or the one after it.
    for (int victimIndex : {0, 1})
        for (bool destroy : {false, true}) {
            Made.clear();
            Make(30, {0, 0, 10, 10}, 3);
            Make(20, {0, 0, 10, 10}, 2);
            Make(10, {0, 0, 10, 10}, 1);
            TResponder* first = Made[0].get();
            Owner.OnEvent = [&, first](TResponder* r) {
                if (r != first)
                    return;
                if (destroy)
                    Made[victimIndex].reset();
                else
                    Made[victimIndex]->Unregister();
            };
            List().DispatchMouse(JEK_LBUTTONDOWN, 0, {5, 5});
            const Lines seen = victimIndex == 0 ? Lines{"3:1", "2:1", "1:1"} : Lines{"3:1", "1:1"};
            EXPECT_EQ(Take(), seen) << victimIndex << destroy;
            EXPECT_EQ(List().GetCount(), 2);
            Owner.OnEvent = nullptr;
        }
}

TEST_F(Responders, TheCaptureHolderGetsTheMouseEverywhereAndKeysReachNobody) {
    TResponder* holder = Make(10, {0, 0, 50, 50}, 1, JORP_ANY_KEY);
    TResponder* other = Make(20, {100, 100, 200, 200}, 2, 'x');
    ASSERT_TRUE(holder->CaptureMouse());
    EXPECT_TRUE(holder->HoldsCapture());
    EXPECT_EQ(GetCapture(), Host);
    // A second holder is refused; the first keeps the capture, and asking again keeps it.
    EXPECT_FALSE(other->CaptureMouse());
    EXPECT_EQ(List().GetCaptureHolder(), holder);
    EXPECT_TRUE(holder->CaptureMouse());
    EXPECT_TRUE(holder->HoldsCapture());

    Owner.Takes = {1};
    List().DispatchMouse(JEK_LBUTTONUP, 0, {400, 400});
    EXPECT_EQ(Take(), (Lines{"1:2"}));
    // When the holder refuses, the event goes the usual way; the holder is tried again
    // only where the point lies inside it.
    Owner.Takes.clear();
    List().DispatchMouse(JEK_LBUTTONUP, 0, {150, 150});
    EXPECT_EQ(Take(), (Lines{"1:2", "2:2"}));
    List().DispatchMouse(JEK_LBUTTONUP, 0, {10, 10});
    EXPECT_EQ(Take(), (Lines{"1:2", "1:2"}));
    List().DispatchKey('x', 1, 0);
    List().DispatchKey('^', 1, 0);
    EXPECT_EQ(Take(), Lines{});

    holder->ReleaseMouse();
    EXPECT_FALSE(holder->HoldsCapture());
    EXPECT_EQ(List().GetCaptureHolder(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    // Releasing someone else's capture does nothing; unregistering the holder releases it.
    ASSERT_TRUE(other->CaptureMouse());
    holder->ReleaseMouse();
    EXPECT_EQ(GetCapture(), Host);
    other->Unregister();
    EXPECT_EQ(List().GetCaptureHolder(), nullptr);
    EXPECT_FALSE(other->HoldsCapture());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Responders, HoverSendsLeaveBeforeEnterAndNothingWhileInside) {
    Make(10, {0, 0, 100, 100}, 1, 0, true);
    Make(10, {100, 0, 200, 100}, 2, 0, true);
    Make(30, {200, 0, 300, 100}, 3, 0, false);
    Make(20, {50, 50, 150, 150}, 4, 0, true); // over parts of 1 and 2
    const struct {
        TPoint At;
        Lines Seen;
    } moves[] = {
        {{10, 10}, {"1:10"}},  {{20, 30}, {}},        {{150, 10}, {"1:11", "2:10"}},
        {{250, 10}, {"2:11"}},                       // a region that does not track hover
        {{400, 400}, {}},      {{60, 60}, {"4:10"}}, // the higher priority of two overlapping ones
        {{140, 120}, {}},      {{40, 160}, {"4:11"}},
    };
    for (const auto& m : moves) {
        List().DispatchMouse(JEK_CURSOR, 0, m.At);
        EXPECT_EQ(Take(), m.Seen) << m.At.x << "," << m.At.y;
    }
    // A repeated enter goes to the hover responder at the mouse, in client coordinates.
    TPoint screen{70, 90};
    ASSERT_TRUE(ClientToScreen(Host, &screen));
    Session.Backend().MouseMove(screen);
    App.PumpWaitingMessages();
    List().DispatchMouse(JEK_CURSOR, 0, {70, 90});
    Take();
    List().SendToHover(JEK_HOVER_ENTER);
    EXPECT_EQ(Take(), (Lines{"4:10"}));
    EXPECT_EQ(List().GetHover()->GetPoint(), TPoint(70, 90));
}

TEST_F(Responders, HoverSurvivesOwnersThatUnregisterDuringEnterOrLeave) {
    TResponder* a = Make(10, {0, 0, 100, 100}, 1, 0, true);
    Make(10, {100, 0, 200, 100}, 2, 0, true);
    List().DispatchMouse(JEK_CURSOR, 0, {10, 10});
    EXPECT_EQ(List().GetHover(), a);
    // Unregistering the hover responder ends hover without a leave.
    a->Unregister();
    EXPECT_EQ(List().GetHover(), nullptr);
    List().DispatchMouse(JEK_CURSOR, 0, {120, 10});
    EXPECT_EQ(Take(), (Lines{"1:10", "2:10"}));

    // The mouse moves from a wide low-priority region into a higher one inside it, whose
    // owner goes away while the wide one hears of the leave: no enter, no hover.
    TResponder* wide = Make(5, {0, 0, 300, 100}, 5, 0, true);
    List().DispatchMouse(JEK_CURSOR, 0, {250, 10});
    EXPECT_EQ(Take(), (Lines{"2:11", "5:10"}));
    a->Register();
    Owner.OnEvent = [&](TResponder* r) {
        if (r == wide && r->GetKind() == JEK_HOVER_LEAVE)
            for (auto& m : Made)
                if (m.get() == a)
                    m.reset();
    };
    List().DispatchMouse(JEK_CURSOR, 0, {50, 10});
    EXPECT_EQ(Take(), (Lines{"5:11"}));
    EXPECT_EQ(List().GetHover(), nullptr);

    // A responder that leaves the list when it is entered leaves no hover behind.
    Owner.OnEvent = [](TResponder* r) {
        if (r->GetKind() == JEK_HOVER_ENTER)
            r->Unregister();
    };
    List().DispatchMouse(JEK_CURSOR, 0, {60, 10});
    EXPECT_EQ(Take(), (Lines{"5:10"}));
    EXPECT_EQ(List().GetHover(), nullptr);
    EXPECT_FALSE(wide->IsRegistered());
}

TEST_F(Responders, TheFirstCursorUnderTheMouseWinsAndNoneClearsTheSlot) {
    TModule* module = &App;
    TResponder* plain = Make(50, {0, 0, 100, 100}, 1);
    Make(10, {0, 0, 200, 100}, 2, 0, false, {module, 6});
    List().DispatchMouse(JEK_CURSOR, 0, {50, 50});
    List().DispatchMouse(JEK_CURSOR, 0, {150, 50});
    List().DispatchMouse(JEK_CURSOR, 0, {300, 300});
    EXPECT_EQ(Host->Cursors, (std::vector<TCursorData>{{module, 6}, {module, 6}, {}}));
    // Owners never hear of cursor movement.
    EXPECT_EQ(Take(), Lines{});

    Host->Cursors.clear();
    plain->SetCursorData({nullptr, 32649});
    EXPECT_EQ(Host->Cursors, (std::vector<TCursorData>{{nullptr, 32649}}));
    List().DispatchMouse(JEK_CURSOR, 0, {50, 50});
    EXPECT_EQ(Host->Cursors.back(), TCursorData(nullptr, 32649));
}

TEST_F(Responders, HotKeysMatchEitherCaseTheWildcardAndTheSecondKey) {
    TResponder* a = Make(30, {0, 0, 10, 10}, 1, 'A');
    Make(20, {0, 0, 10, 10}, 2, JORP_ANY_KEY);
    Make(10, {0, 0, 10, 10}, 3, 'r');
    Make(5, {0, 0, 10, 10}, 4); // no hot key
    const struct {
        char Key;
        Lines Seen;
    } cases[] = {
        {'a', {"1:8", "2:8"}},
        {'A', {"1:8", "2:8"}},
        {'R', {"2:8", "3:8"}},
        {'z', {"2:8"}},
        // Every responder's second hot key is the wildcard.
        {'^', {"1:8", "2:8", "3:8", "4:8"}},
        // A typed NUL is no hot key, not even of responders that have none.
        {'\0', {"2:8"}},
    };
    for (const auto& c : cases) {
        List().DispatchKey(c.Key, 1, 0);
        EXPECT_EQ(Take(), c.Seen) << static_cast<int>(c.Key);
    }
    // The walk stops at the first owner that takes the key.
    Owner.Takes = {2};
    List().DispatchKey('^', 3, 0x00140000);
    EXPECT_EQ(Take(), (Lines{"1:8", "2:8"}));
    EXPECT_EQ(a->GetRepeat(), 3);
    EXPECT_EQ(a->GetData(), 0x00140000U);
    EXPECT_EQ(a->GetSecondHotKey(), JORP_ANY_KEY);
}

TEST_F(Responders, WithoutAListOrAnOwnerNothingHappens) {
    // Registering twice is one registration.
    TResponder* twice = Make(10, {0, 0, 10, 10}, 1);
    twice->Register();
    EXPECT_EQ(List().GetCount(), 1);

    // A responder without an owner answers only the cursor question.
    TResponder bare(Host);
    EXPECT_FALSE(bare.IsRegistered());
    EXPECT_FALSE(bare.Fire(JEK_LBUTTONDOWN, 0, {0, 0}));
    EXPECT_FALSE(bare.SendKind(JEK_HOTKEY, 1, 0));
    EXPECT_FALSE(bare.Fire(JEK_CURSOR, 0, {0, 0}));
    bare.SetCursorData({nullptr, 32512});
    EXPECT_TRUE(bare.Fire(JEK_CURSOR, 0, {0, 0}));

    // The mode is gone: nothing registers, nothing captures.
    twice->Unregister();
    Host->List.reset();
    TResponder orphan(Host, 10, {0, 0, 10, 10}, 9, &Owner, true, 'q', TCursorData(), false);
    EXPECT_FALSE(orphan.IsRegistered());
    EXPECT_EQ(orphan.GetResponderList(), nullptr);
    EXPECT_FALSE(orphan.CaptureMouse());
    orphan.ReleaseMouse();
    EXPECT_FALSE(orphan.HoldsCapture());
    TResponder windowless(nullptr, 10, {0, 0, 10, 10}, 9, &Owner, true, 'q', nullptr, 5, false);
    EXPECT_FALSE(windowless.IsRegistered());
    EXPECT_EQ(windowless.GetCursor(), TCursorData(nullptr, 5));
    EXPECT_TRUE(windowless.Fire(JEK_CURSOR, 0, {0, 0}));
}

} // namespace
