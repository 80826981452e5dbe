// The real program's window at the sizes a player gives it: it opens at the size that fits the
// screen, goes full-screen and back by F11 and Alt+Enter, takes any size, and a
// click on the pass line lands on the pass line at each; the size is kept for the next run.
// Skips where there is no display; scripts/check runs it under Xvfb on a 1920 x 1080 screen.
#include "SdlProgramSupport.h"
#include "support/FailurePictures.h"

#include "../../../tools/databuild/TestDataSet.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/headless/PngWriter.h"
#include "platform/sdl/SdlPlacement.h"
#include "tools/databuild/writer/Build.h"

#include <cstdio>
#include <vector>

namespace {

constexpr TPoint PassLine{556, 465};
constexpr TPoint FiveDollarChip{636, 521};
// Still on the pass line, away from where the clicks leave the mouse.
constexpr TPoint AfterTheKeys{PassLine.x + 20, PassLine.y};
constexpr TRect FrameArea{80, 41, 720, 540};
constexpr auto RunLimit = std::chrono::seconds(90);
constexpr const char* Settings = "c:\\otcraps.ini";

class SdlProgramWindow : public TSdlProgramFixture {
protected:
    // How the window stood when the pass line was clicked, and where the click arrived.
    struct TSizeSeen {
        const char* Name;
        TSize Window;
        TSdlViewport View;
        TPoint Arrived{-1, -1};
        bool Full = false;
    };
    void PushMotion(TPoint desktop) {
        const TPoint at = Sdl->GetViewport().ToHost(desktop);
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = Sdl->GetWindowId();
        e.motion.x = at.x;
        e.motion.y = at.y;
        SDL_PushEvent(&e);
    }
    TSize WindowSize() const {
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(SDL_GetWindowFromID(Sdl->GetWindowId()), &w, &h);
        return {w, h};
    }
};

TEST_F(SdlProgramWindow, FitsTheScreenGoesFullScreenAndBackAndTakesClicksAtEverySize) {
    TSdlOptions options;
    options.Audio = false;
    options.SettingsFile = Settings;
    if (const std::string why = OpenWindow(options); !why.empty()) {
        if (RequireDisplay())
            FAIL() << why;
        GTEST_SKIP() << why << "; scripts/check runs this under xvfb-run";
    }
    std::string error;
    ASSERT_TRUE(PutDataSet(Dir.Host("data"), error)) << error;
    SDL_Rect usable{};
    ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &usable), 0);
    SDL_Rect display{};
    ASSERT_EQ(SDL_GetDisplayBounds(0, &display), 0);
    const TSize fitting = TSdlViewport::FitWindow(FrameArea.Size(), {usable.w, usable.h});

    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(Sdl.get());

    enum TStage { Intro, Table, Chip, Windowed, Full, Back, Keys, Odd, Closing, Done };
    TSteps<TStage> steps(RunLimit, {"Intro", "Table", "Chip", "Windowed", "Full", "Back", "Keys",
                                    "Odd", "Closing", "Done"});
    std::vector<TSizeSeen> seen;
    // The host window's title and the frame's caption.
    std::string title;
    std::string caption;
    bool menuOpenedByAltEnter = false;
    // The window's pixels full-screen.
    TScreenSurface full;
    bool fullRead = false;
    TMoney bankrollBefore;
    TMoney bankrollAfter;
    // The window and its picture at the title card.
    TSize introWindow;
    TSdlViewport introView;
    // Whether the mouse has come to the pass line after the keys that left full screen: every
    // key pushed before it has been taken.
    bool keysTaken = false;
    // Clicks the pass line as the window stands now.
    const auto clickPassLine = [&](const char* name) {
        seen.push_back({name, WindowSize(), Sdl->GetViewport(), {-1, -1}, Sdl->IsFullScreen()});
        Click(PassLine);
    };
    const auto lastClickArrived = [&] { return !seen.empty() && seen.back().Arrived.x >= 0; };
    // What the table showed when the run stopped waiting.
    std::string stoppedAt;
    TDesktop::Get().SetMessageHook([&](HWND w, u32 msg, WPARAM, LPARAM lp) {
        if (!steps.Running()) {
            if (steps.HasTimedOut() && stoppedAt.empty())
                stoppedAt = TableState();
            return;
        }
        if (msg == WM_LBUTTONDOWN && !seen.empty() && seen.back().Arrived.x < 0)
            seen.back().Arrived = TDesktop::Get().ClientToScreen(w, LParamToPoint(lp));
        if (msg == WM_MOUSEMOVE && steps.Now() == Keys &&
            TDesktop::Get().ClientToScreen(w, LParamToPoint(lp)) == AfterTheKeys)
            keysTaken = true;
        switch (steps.Now()) {
        case Intro:
            if (IntroTakesClicks()) {
                introWindow = WindowSize();
                introView = Sdl->GetViewport();
                TPoint p(320, 240);
                Frame()->GetModeWindow()->ClientToScreen(p);
                Click(p);
                steps.Next(Table);
            }
            break;
        case Table:
            if (TableDrawn()) {
                title = SDL_GetWindowTitle(SDL_GetWindowFromID(Sdl->GetWindowId()));
                caption = Frame()->GetCaption();
                Click(FiveDollarChip);
                steps.Next(Chip);
            }
            break;
        case Chip:
            // A click while the dealer still greets the players is held: the chip goes into the
            // hand once betting begins.
            if (HandHolds(TMoney(5.0))) {
                bankrollBefore = Lord()->GetBankroll(0);
                clickPassLine("windowed");
                steps.Next(Windowed);
            }
            break;
        case Windowed:
            // Each step waits for what the last one did, however slowly a busy machine does it.
            if (Lord() != nullptr && Lord()->GetBankroll(0) != bankrollBefore) {
                bankrollAfter = Lord()->GetBankroll(0);
                PushKey(SDLK_F11, true);
                PushKey(SDLK_F11, false);
                steps.Next(Full);
            }
            break;
        case Full:
            if (Sdl->IsFullScreen() && WindowSize() == TSize(display.w, display.h)) {
                // The host's notice of the new size may come later than the switch.
                Sdl->FollowWindowSize();
                fullRead = Sdl->ReadWindowPixels(full);
                clickPassLine("full-screen");
                // Back by the other shortcut; the Alt released after it must not open the
                // menu bar.
                PushKey(SDLK_LALT, true, KMOD_LALT);
                PushKey(SDLK_RETURN, true, KMOD_LALT);
                PushKey(SDLK_RETURN, false, KMOD_LALT);
                PushKey(SDLK_LALT, false);
                steps.Next(Back);
            }
            break;
        case Back:
            if (lastClickArrived() && !Sdl->IsFullScreen() && WindowSize() == seen[0].Window) {
                Sdl->FollowWindowSize();
                PushMotion(AfterTheKeys);
                steps.Next(Keys);
            }
            break;
        case Keys:
            // The mouse moved after the keys comes once they have all been taken, unless the
            // menu bar they must not open has taken it.
            if (keysTaken || TMenuUi::Get().IsActive()) {
                menuOpenedByAltEnter = TMenuUi::Get().IsActive();
                clickPassLine("windowed again");
                SDL_SetWindowSize(SDL_GetWindowFromID(Sdl->GetWindowId()), 1001, 777);
                steps.Next(Odd);
            }
            break;
        case Odd:
            if (lastClickArrived() && WindowSize() == TSize(1001, 777)) {
                Sdl->FollowWindowSize();
                clickPassLine("1001 x 777");
                steps.Next(Closing);
            }
            break;
        case Closing:
            if (lastClickArrived()) {
                // The host's close button closes the frame.
                SDL_Event close{};
                close.type = SDL_WINDOWEVENT;
                close.window.windowID = Sdl->GetWindowId();
                close.window.event = SDL_WINDOWEVENT_CLOSE;
                SDL_PushEvent(&close);
                steps.Next(Done);
            }
            break;
        case Done:
            break;
        }
    });
    const int code = RunOwlMain();
    TDesktop::Get().SetMessageHook(nullptr);

    steps.ExpectFinished(Done, stoppedAt);
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(caption.empty());
    EXPECT_EQ(title, caption);
    EXPECT_EQ(bankrollAfter, bankrollBefore - TMoney(5.0));
    EXPECT_FALSE(menuOpenedByAltEnter);
    ASSERT_EQ(seen.size(), 4U);
    for (const TSizeSeen& s : seen) {
        SCOPED_TRACE(s.Name);
        // The window shows the frame's menu bar and client area, as large as it can.
        EXPECT_EQ(s.View.Shown, FrameArea);
        EXPECT_TRUE(s.View.Picture.Width() == s.Window.cx ||
                    s.View.Picture.Height() == s.Window.cy);
        EXPECT_EQ(s.Arrived, PassLine);
    }
    // Opened to fit the screen's usable area: the size worked out for it, where no window
    // manager's decorations take some of it, and filled by the picture.
    const TSize opened = seen[0].Window;
    EXPECT_LE(opened.cx, fitting.cx);
    EXPECT_LE(opened.cy, fitting.cy);
    EXPECT_EQ(seen[0].View.Picture, (TRect{0, 0, opened.cx, opened.cy}));
    EXPECT_EQ(seen[0].View.IsWhole(), fitting.cx >= 2 * FrameArea.Width());
    EXPECT_FALSE(seen[0].Full);
    EXPECT_TRUE(seen[1].Full);
    EXPECT_FALSE(seen[2].Full);
    EXPECT_EQ(seen[2].Window, seen[0].Window);
    EXPECT_EQ(seen[3].Window, TSize(1001, 777));
    // The title card's frame is shorter than the table's (its menu bar takes rows of its client
    // area): the window keeps its size, and the card is drawn at the table's scale.
    EXPECT_EQ(introWindow, seen[0].Window);
    EXPECT_EQ(introView.IsWhole(), seen[0].View.IsWhole());
    EXPECT_EQ(introView.Whole, seen[0].View.Whole);
    if (RequireDisplay()) {
        // scripts/check's screen: twice the frame in a window, full-screen between two bars.
        EXPECT_EQ(opened, fitting);
        EXPECT_EQ(opened, TSize(1280, 998));
        EXPECT_EQ(seen[1].Window, TSize(display.w, display.h));
        EXPECT_EQ(seen[1].View.Picture, (TRect{267, 0, 1652, 1080}));
        EXPECT_EQ(seen[3].View.Picture, (TRect{2, 0, 999, 777}));
    }
    ASSERT_TRUE(fullRead);
    const TFailurePictures pictures("sdl-window");
    WritePng(pictures.File("sdl_program_full_screen.png"), full);
    // Black beside the picture, the table's felt in it.
    const TSdlViewport& fullView = seen[1].View;
    int barPixels = 0;
    int blackBarPixels = 0;
    for (i32 y = 0; y < full.GetHeight(); y += 7) {
        for (i32 x = 0; x < full.GetWidth(); x += 7) {
            if (fullView.Picture.Contains({x, y}))
                continue;
            ++barPixels;
            blackBarPixels += (full.GetPixel(x, y) & 0xFFFFFFU) == 0;
        }
    }
    EXPECT_GT(barPixels, 0);
    EXPECT_EQ(blackBarPixels, barPixels);
    const TPoint feltAt = fullView.ToHost({400, 300});
    EXPECT_NE(full.GetPixel(feltAt.x, feltAt.y) & 0xFFFFFFU, 0U);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;

    // The size the player left the window at is kept, and the next window opens at it.
    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(nullptr);
    Sdl.reset();
    const TSdlPlacement kept = ReadSdlPlacement(Settings, {1, 1}, {100000, 100000});
    EXPECT_EQ(kept, (TSdlPlacement{{1001, 777}, false, false}));
    ASSERT_TRUE(OpenWindow(options).empty());
    TDesktop::Get().AttachBackend(Sdl.get());
    EXPECT_EQ(WindowSize(), TSize(1001, 777));
}

} // namespace
