// The intro on the built data set: how it ends (clicks, keys, its own end), that it asks
// for the table once, and how it shows.
#include "ProgramSupport.h"

#include "craps/table/IntroGameLord.h"
#include "platform/framework/window/Desktop.h"
#include "support/Golden.h"
#include "tools/databuild/content/ContentIntro.h"

namespace {

class Intro : public ProgramFixture {
protected:
    Intro() { Build(); }

    static TOTCrapsIntroGameLord* Lord() {
        return dynamic_cast<TOTCrapsIntroGameLord*>(Mode()->GetMainGameObject());
    }
};

TEST_F(Intro, AReleaseOrAKeyEndsTheIntroAPressAloneDoesNot) {
    struct Case {
        const char* Name;
        std::function<void(THeadlessBackend&)> Input;
        u16 After;
    };
    const Case cases[] = {
        {"left click", [&](THeadlessBackend& b) { b.Click(OnMode(320, 240)); },
         TCasOTCrapsGFW::CrapsModeId},
        {"right click",
         [&](THeadlessBackend& b) { b.Click(OnMode(320, 240), TMouseButton::Right); },
         TCasOTCrapsGFW::CrapsModeId},
        {"a key", [](THeadlessBackend& b) { b.Type('q'); }, TCasOTCrapsGFW::CrapsModeId},
        {"left press",
         [&](THeadlessBackend& b) { b.MouseButton(OnMode(320, 240), TMouseButton::Left, true); },
         TCasOTCrapsGFW::IntroModeId},
        {"right press",
         [&](THeadlessBackend& b) { b.MouseButton(OnMode(320, 240), TMouseButton::Right, true); },
         TCasOTCrapsGFW::IntroModeId},
    };
    THeadlessBackend& backend = Session.Backend();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        u16 before = 0, after = 0;
        const u64 start = backend.Now();
        backend.At(start + 2500, [&] {
            before = CurrentModeId();
            c.Input(backend);
        });
        backend.At(start + 3500, [&] { after = CurrentModeId(); });
        CloseAt(start + 3600);
        EXPECT_EQ(RunOwlMain(), 0);
        EXPECT_EQ(before, TCasOTCrapsGFW::IntroModeId);
        EXPECT_EQ(after, c.After);
    }
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(Intro, ShowsItsCardAndEndsByItselfAtTheAnimationsEnd) {
    THeadlessBackend& backend = Session.Backend();
    ::testing::AssertionResult shown = ::testing::AssertionFailure() << "never shown";
    u32 endTick = 0;
    u16 late = 0, done = 0;
    backend.At(2500, [&] {
        shown = MatchesGolden(backend.GetScreen(), "craps_intro");
        endTick = Lord()->GetEndTick();
    });
    // Frames come about every 167 ms: the end tick is well past by twice its time.
    const u64 end = INTRO_TICKS * 167;
    backend.At(end / 2, [&] { late = CurrentModeId(); });
    backend.At(2 * end, [&] { done = CurrentModeId(); });
    CloseAt(2 * end + 100);
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_TRUE(shown);
    EXPECT_EQ(endTick, INTRO_TICKS);
    EXPECT_EQ(late, TCasOTCrapsGFW::IntroModeId);
    EXPECT_EQ(done, TCasOTCrapsGFW::CrapsModeId);
}

TEST_F(Intro, TicksAndInputAfterItsEndAskForTheTableOnlyOnce) {
    THeadlessBackend& backend = Session.Backend();
    int asked = -1;
    bool ended = false;
    backend.At(2500, [&] {
        TOTCrapsIntroGameLord* lord = Lord();
        for (u32 k = 0; k < 5; ++k)
            lord->Tick(lord->GetEndTick() + k);
        ended = lord->HasEnded();
        // Everything queued now: the requests for the table are counted, the rest goes back.
        asked = 0;
        std::vector<MSG> kept;
        for (MSG msg; TDesktop::Get().PeekMessage(msg);) {
            if (msg.message == WM_COMMAND && msg.wParam == CM_GOTOCRAPS)
                ++asked;
            else if (msg.message == WM_COMMAND)
                kept.push_back(msg);
        }
        for (const MSG& msg : kept)
            ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        Post(CM_GOTOCRAPS);
    });
    CloseAt(3100);
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_TRUE(ended);
    EXPECT_EQ(asked, 1);
}

} // namespace
