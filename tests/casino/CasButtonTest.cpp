// Table buttons: reading and binding, the click, release and hot-key event tables through the
// region list, a press cut short by disabling or locking, flashes, the look cycle and the golden.
#include "CasinoArt.h"

#include "casino/CasButton.h"
#include "casino/CasPressQueue.h"
#include "engine/framework/ResponderList.h"
#include "engine/media/Anm.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"
#include "engine/media/Sound.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

using namespace buttontest;

constexpr u16 Id = 7;
constexpr TRect Rect{10, 10, 46, 28};
constexpr TPoint Inside{20, 20};
constexpr TPoint Outside{100, 100};

// The mode window as far as a button needs it: a frame counter and the regions' list.
struct THost : TTickOwner, TResponderHost {
    TResponderList* GetResponderList() const override { return &List; }
    HWND GetResponderHandle() const override { return nullptr; }
    void SetResponderCursor(const TCursorData&) override {}

    mutable TResponderList List{this};
};

// A lord that notes every button event and answers with its own value.
struct TLord : TJorpBase {
    TLord() : TJorpBase(nullptr) {}
    i32 EvButton(u16 id, i32 code, u32 value) override {
        Events.push_back({static_cast<i16>(id), code});
        EXPECT_EQ(value, 0U);
        return Answer;
    }
    std::vector<std::pair<i16, i32>> Events;
    i32 Answer = 1;
    u8 Busy = 0;
};

using TEvents = std::vector<std::pair<i16, i32>>;

class CasButton : public ObjectFileFixture {
public:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteButtonArt(Cd);
        WriteButtonFile(&Host, "btn", 10, 10);
    }
    std::unique_ptr<TCasButton> MakeButton(const std::string& name = "btn") {
        return TCasButton::Make(&Host, TFileMode(name, 0, FM_LEVEL_NOW),
                                TCasButtonTarget{&Lord, &Lord.Busy}, u16{100}, Rect, Id, u8{1}, 'r',
                                TCursorData(nullptr, 32649), TCursorData(nullptr, 32646));
    }
    // Frames run on from the owner's counter to `to`, the button ticked at each.
    void RunTo(TCasButton& button, u32 to) {
        while (Host.Tick < to)
            button.Tick(++Host.Tick);
    }
    void Mouse(JorpEventKind kind, TPoint at) { Host.List.DispatchMouse(kind, 0, at); }
    static i16 FaceFrame(const TCasButton& b) {
        return b.GetFace()->IsShown() ? static_cast<i16>(b.GetFace()->GetCurrentData().CurrentFrame)
                                      : i16{-1};
    }
    // The tick a wave last played at; 0 when it never did.
    static u32 Played(const TCasButton& b, i16 wave) { return b.GetWav(wave)->PlayStartTick; }

    THost Host;
    TLord Lord;
};

TEST_F(CasButton, BothFormsBindTheFaceAndRegisterTheRegionUntilTheyGo) {
    const std::string image = Cd.ReadHostFile("btn.sp");
    const TEmbeddedAddress address{reinterpret_cast<const u8*>(image.data()),
                                   static_cast<u32>(image.size())};
    std::unique_ptr<TCasButton> buttons[] = {
        MakeButton(),
        TCasButton::Make(&Host, TFileMode("btn", 0, 0), address, TCasButtonTarget{&Lord, nullptr},
                         u16{100}, Rect, Id, u8{1}, 'r', TCursorData(), TCursorData())};
    for (const auto& b : buttons) {
        EXPECT_FALSE(b->IsShown());
        ASSERT_EQ(b->GetFace(), b->GetAnm(0));
        EXPECT_EQ(b->GetFace()->GetCurrentData().Direction, ANM_HOLD);
        ASSERT_NE(b->GetResponder(), nullptr);
        EXPECT_TRUE(b->GetResponder()->IsRegistered());
        EXPECT_EQ(b->GetResponder()->GetCode(), Id);
    }
    // Going, a button takes its region out of the list.
    buttons[0].reset();
    Mouse(JEK_LBUTTONDOWN, Inside);
    Mouse(JEK_LBUTTONUP, Inside);
    RunTo(*buttons[1], 3);
    EXPECT_EQ(Lord.Events, (TEvents{{Id, -1}, {Id, 0}}));
}

TEST_F(CasButton, ASpriteWithoutAFaceEndsTheProgram) {
    WriteButtonFile(&Host, "bare", 0, 0, 0, 3);
    ExpectSetupReport([&] { MakeButton("bare"); }, "button", "Description: \nA \n Num: 0\n");
}

// One scripted exchange: what the lord hears, whether the release sounded, the look at the end.
struct TScript {
    const char* Name;
    std::function<void(CasButton&, TCasButton&)> Run;
    TEvents Events;
    bool ReleaseSound;
    i16 Face;
    u8 Enabled;
};

TEST_F(CasButton, EventTables) {
    const auto click = [](JorpEventKind down, JorpEventKind up, TPoint release) {
        return [=](CasButton& t, TCasButton& b) {
            t.Host.Tick = 5;
            t.Mouse(down, Inside);
            t.RunTo(b, 6);
            t.Mouse(up, release);
            t.RunTo(b, 8);
        };
    };
    const auto leftClick = click(JEK_LBUTTONDOWN, JEK_LBUTTONUP, Inside);
    // clang-format off
    const TScript scripts[] = {
        {"left click", leftClick, {{Id, -1}, {Id, 0}}, true, -1, 1},
        {"right click", click(JEK_RBUTTONDOWN, JEK_RBUTTONUP, Inside),
         {{Id, -1}, {Id, 1}}, true, -1, 1},
        {"released outside", click(JEK_LBUTTONDOWN, JEK_LBUTTONUP, Outside),
         {{Id, -1}, {-2, 0}}, false, -1, 1},
        {"hot key",
         [](CasButton& t, TCasButton& b) {
             t.Host.Tick = 5;
             t.Host.List.DispatchKey('R', 1, 0);
             EXPECT_EQ(t.Lord.Busy, 1);
             t.RunTo(b, 8);
         },
         {{Id, -1}, {Id, 0}}, true, -1, 1},
        {"another button busy",
         [&](CasButton& t, TCasButton& b) { t.Lord.Busy = 1; leftClick(t, b); },
         {}, false, -1, 1},
        {"disabled with its look",
         [&](CasButton& t, TCasButton& b) {
             b.ShowDisabled();
             leftClick(t, b);
             t.Host.List.DispatchKey('r', 1, 0);
         },
         {{Id, -5}, {Id, -5}, {Id, -5}}, false, 1, 0},
        {"disabled without its look",
         [&](CasButton& t, TCasButton& b) { b.SetEnabled(0); leftClick(t, b); },
         {}, false, -1, 0},
        {"disabled while held",
         [](CasButton& t, TCasButton& b) {
             t.Host.Tick = 5;
             t.Mouse(JEK_LBUTTONDOWN, Inside);
             t.RunTo(b, 6);
             b.ShowDisabled();
             t.Mouse(JEK_LBUTTONUP, Inside);
             EXPECT_EQ(t.Host.List.GetCaptureHolder(), nullptr);
             t.RunTo(b, 8);
         },
         {{Id, -1}, {Id, -5}, {-2, 0}}, false, 1, 0},
        {"locked while held",
         [](CasButton& t, TCasButton& b) {
             b.SetUpFrame(0);
             t.Host.Tick = 5;
             t.Mouse(JEK_LBUTTONDOWN, Inside);
             t.RunTo(b, 6);
             b.SetLocked(1);
             t.Mouse(JEK_RBUTTONUP, Inside);
             t.RunTo(b, 8);
         },
         {{Id, -1}, {-2, 0}}, false, 0, 1},
    };
    // clang-format on
    for (const TScript& s : scripts) {
        SCOPED_TRACE(s.Name);
        Lord.Events.clear();
        Lord.Busy = 0;
        Host.Tick = 0;
        auto button = MakeButton();
        s.Run(*this, *button);
        EXPECT_EQ(Lord.Events, s.Events);
        EXPECT_EQ(Played(*button, 1) != 0, s.ReleaseSound);
        EXPECT_EQ(FaceFrame(*button), s.Face);
        EXPECT_EQ(button->GetEnabled(), s.Enabled);
        // Nothing is left held: no capture, no press, nothing waiting to be reported.
        EXPECT_EQ(Host.List.GetCaptureHolder(), nullptr);
        EXPECT_EQ(button->GetPressTick(), 0U);
        EXPECT_EQ(button->GetPendingId(), -1);
    }
}

TEST_F(CasButton, AClickShowsThePressOnTheNextFrameAndReportsTheReleaseAfterIt) {
    auto button = MakeButton();
    button->SetDownFrame(4);
    Host.Tick = 5;
    Mouse(JEK_LBUTTONDOWN, Inside);
    EXPECT_EQ(Lord.Events, (TEvents{{Id, -1}}));
    EXPECT_EQ(Host.List.GetCaptureHolder(), button->GetResponder());
    EXPECT_EQ(button->GetPressTick(), 6U);
    // Released before the press was even drawn: pressed look first, release a frame later.
    Mouse(JEK_LBUTTONUP, Inside);
    EXPECT_EQ(Lord.Busy, 1);
    EXPECT_EQ(Host.List.GetCaptureHolder(), nullptr);
    RunTo(*button, 6);
    EXPECT_EQ(FaceFrame(*button), 4);
    EXPECT_EQ(Played(*button, 0), 6U);
    EXPECT_EQ(Lord.Events.size(), 1U);
    RunTo(*button, 7);
    EXPECT_EQ(FaceFrame(*button), -1);
    EXPECT_EQ(Played(*button, 1), 7U);
    EXPECT_EQ(Lord.Events, (TEvents{{Id, -1}, {Id, 0}}));
}

TEST_F(CasButton, TheHeldButtonShowsThePressCursorUntilItIsReleased) {
    THeadlessSession session;
    TMediaServices services;
    TCursorMgr cursors(nullptr);
    services.SetCursorMgr(&cursors);
    TEngineContext::Media = &services;
    auto button = MakeButton();
    Mouse(JEK_LBUTTONDOWN, Inside);
    RunTo(*button, 1);
    EXPECT_EQ(cursors.GetSlot(CURSOR_SLOT_REGION), TCursorData(nullptr, 32646));
    Mouse(JEK_LBUTTONUP, Outside);
    RunTo(*button, 2);
    EXPECT_FALSE(cursors.GetSlot(CURSOR_SLOT_REGION).IsSet());
    button.reset();
    TEngineContext::Media = &Media;
}

TEST_F(CasButton, AFlashLastsThirtyFramesThenTheUpLookReturns) {
    auto button = MakeButton();
    button->SetUpFrame(0);
    Host.Tick = 10;
    button->Flash();
    EXPECT_EQ(button->GetFlashTick(), 11U);
    EXPECT_EQ(FaceFrame(*button), 2);
    EXPECT_EQ(Played(*button, 2), 10U);
    EXPECT_FALSE(button->HasFlags(JOF_TIMED_ON));
    RunTo(*button, 40);
    EXPECT_EQ(FaceFrame(*button), 2);
    RunTo(*button, 41);
    EXPECT_EQ(FaceFrame(*button), 0);
    EXPECT_EQ(button->GetFlashTick(), 0U);
    // Without a third wave a signal is silent.
    WriteButtonFile(&Host, "mute", 10, 10, 2, 2);
    auto mute = MakeButton("mute");
    mute->ShowSignal();
    EXPECT_EQ(FaceFrame(*mute), 2);
    EXPECT_EQ(mute->GetWav(2), nullptr);
}

TEST_F(CasButton, ATwelveFrameFaceStepsThroughFourLooksAndBack) {
    auto button = MakeButton();
    button->SetUpFrame(11);
    const i16 want[5][3] = {{11, 0, 1}, {2, 3, 4}, {5, 6, 7}, {8, 9, 10}, {11, 0, 1}};
    for (int release = 0; release <= 4; ++release) {
        SCOPED_TRACE(release);
        EXPECT_EQ(button->GetUpFrame(), want[release][0]);
        EXPECT_EQ(button->GetDownFrame(), want[release][1]);
        EXPECT_EQ(button->GetDisabledFrame(), want[release][2]);
        if (release == 4)
            break;
        Host.List.DispatchKey('r', 1, 0);
        RunTo(*button, Host.Tick + 1);
        EXPECT_EQ(FaceFrame(*button), want[release][1]);
        RunTo(*button, Host.Tick + 1);
        EXPECT_EQ(FaceFrame(*button), want[release + 1][0]);
        Lord.Busy = 0;
    }
}

// Two buttons of one table: presses made while one waits are held in the order made, a mouse
// press until its release, and each is taken once the lord has taken the one before.
TEST_F(CasButton, PressesMadeWhileAnotherWaitsAreTakenInTheOrderMade) {
    TCasPressQueue queue;
    const TRect otherRect{60, 10, 96, 28};
    const TPoint onOther{70, 20};
    auto make = [&](u16 id, const TRect& rect, char key) {
        return TCasButton::Make(&Host, TFileMode("btn", 0, FM_LEVEL_NOW),
                                TCasButtonTarget{&Lord, &Lord.Busy, &queue}, u16{100}, rect, id,
                                u8{1}, key, TCursorData(), TCursorData());
    };
    auto first = make(Id, Rect, 'r');
    auto second = make(Id + 1, otherRect, 's');
    const auto frames = [&](u32 count) {
        for (u32 n = 0; n < count; ++n) {
            ++Host.Tick;
            first->Tick(Host.Tick);
            second->Tick(Host.Tick);
        }
    };
    // The lord takes the action that waits and hands on the next press.
    const auto take = [&] {
        Lord.Busy = 0;
        return queue.Step();
    };
    Host.Tick = 5;
    Host.List.DispatchKey('r', 1, 0);
    Host.List.DispatchKey('s', 1, 0);
    // The first button again, right-clicked, while its own key press still shows.
    Mouse(JEK_RBUTTONDOWN, Inside);
    EXPECT_EQ(Host.List.GetCaptureHolder(), first->GetResponder());
    Mouse(JEK_RBUTTONUP, Inside);
    // Pressed on the second and let go outside it: that press never was.
    Mouse(JEK_LBUTTONDOWN, onOther);
    Mouse(JEK_LBUTTONUP, Outside);
    EXPECT_EQ(Host.List.GetCaptureHolder(), nullptr);
    Host.List.DispatchKey('s', 1, 0);
    EXPECT_EQ(queue.GetCount(), 3U);
    EXPECT_EQ(Lord.Events, (TEvents{{Id, -1}}));
    frames(2);
    EXPECT_EQ(Lord.Events, (TEvents{{Id, -1}, {Id, 0}}));
    const TEvents order = {{Id, -1}, {Id, 0}, {Id + 1, -1}, {Id + 1, 0},
                           {Id, -1}, {Id, 1}, {Id + 1, -1}, {Id + 1, 0}};
    for (size_t taken = 2; taken < order.size(); taken += 2) {
        // Nothing more is heard until the lord has taken what came before.
        frames(3);
        EXPECT_EQ(Lord.Events.size(), taken);
        EXPECT_TRUE(take());
        frames(2);
    }
    EXPECT_EQ(Lord.Events, order);
    EXPECT_FALSE(take());
    // A press held down keeps the queue waiting until its release; a button that stops taking
    // presses meanwhile lets its press go, and the next is taken.
    Lord.Busy = 1;
    Mouse(JEK_LBUTTONDOWN, Inside);
    Lord.Busy = 0;
    EXPECT_FALSE(queue.Step());
    Mouse(JEK_LBUTTONUP, Inside);
    Host.List.DispatchKey('s', 1, 0);
    EXPECT_EQ(queue.GetCount(), 2U);
    first->ShowDisabled();
    EXPECT_TRUE(queue.Step());
    EXPECT_EQ(Lord.Events.back(), (std::pair<i16, i32>{Id + 1, -1}));
    EXPECT_TRUE(queue.IsEmpty());
}

TEST_F(CasButton, TwoFrameModeUsesFramesZeroAndOneWhateverElseIsSet) {
    auto button = MakeButton();
    button->SetUpFrame(TCasButton::TwoFrameMode);
    button->SetDownFrame(7);
    button->ShowUp();
    EXPECT_EQ(FaceFrame(*button), 0);
    button->ShowPressed();
    EXPECT_EQ(FaceFrame(*button), 1);
    button->ShowReleased();
    EXPECT_EQ(FaceFrame(*button), 0);
    EXPECT_EQ(button->GetDownFrame(), 7);
    button->SetDisabledFrame(-1);
    button->ShowDisabled();
    EXPECT_EQ(FaceFrame(*button), -1);
    // A disabled frame of -1 counts as the disabled look being on.
    Mouse(JEK_LBUTTONDOWN, Inside);
    EXPECT_EQ(Lord.Events, (TEvents{{Id, -5}}));
}

using CasButtonGolden = FeltScreen;

TEST_F(CasButtonGolden, UpPressedDisabledAndSignalling) {
    WriteButtonArt(Cd);
    Felt(200, 40, ButtonColours());
    std::vector<std::unique_ptr<TCasButton>> buttons;
    std::vector<TSprite*> drawn;
    for (int i = 0; i < 4; ++i) {
        const std::string name = "btn" + std::to_string(i);
        WriteButtonFile(Window, name, static_cast<i16>(8 + 48 * i), 8);
        buttons.push_back(TCasButton::Make(Window, TFileMode(name, 0, FM_LEVEL_NOW),
                                           TCasButtonTarget{}, u16{100}, Rect, static_cast<u16>(i),
                                           u8{0}, 0, TCursorData(), TCursorData()));
        buttons.back()->SetUpFrame(3);
        buttons.back()->SetDownFrame(4);
        buttons.back()->SetDisabledFrame(5);
        buttons.back()->Play(0);
        buttons.back()->Show();
        drawn.push_back(buttons.back().get());
    }
    buttons[0]->ShowUp();
    buttons[1]->ShowPressed();
    buttons[2]->ShowDisabled();
    buttons[3]->ShowSignal();
    EXPECT_TRUE(Matches(drawn, "casino_button_looks"));
}

} // namespace
