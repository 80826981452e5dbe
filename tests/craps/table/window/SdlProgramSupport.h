// Test support: the real program in a real SDL window, driven by input pushed as the host would
// send it, read back through the window's viewport.
#pragma once

#include "../LeavingRecorder.h"
#include "casino/CasButton.h"
#include "craps/table/CrapsFrame.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/CrapsMenuEnable.h"
#include "craps/table/OwlMain.h"
#include "craps/table/RoundStates.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "engine/framework/ResponderList.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/draw/WinG.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/MessageBox.h"
#include "platform/sdl/SdlBackend.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/TempDir.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The steps of a real-window run, taken one after another from the message hook as the program's
// state allows, never after a time. Past the run's limit the program is asked to close as the
// host would, and no step is taken after that: the program's objects are going. The time each
// step waited is kept, for the run's line of step times.
template <class TStage> class TSteps {
public:
    using TClock = std::chrono::steady_clock;

    TSteps(std::chrono::seconds limit, std::vector<const char*> names)
        : Limit(limit), Names(std::move(names)), Waited(Names.size()) {}

    TStage Now() const { return Stage; }
    const char* Name(TStage stage) const {
        const auto at = static_cast<size_t>(stage);
        return at < Names.size() ? Names[at] : "?";
    }
    // False once the run is over: asked to close at its limit, or finished.
    bool Running() {
        if (Closing)
            return false;
        if (TClock::now() - Start <= Limit)
            return true;
        Closing = true;
        TimedOut = true;
        Waited[static_cast<size_t>(Stage)] += TClock::now() - Since;
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        return false;
    }
    void Next(TStage stage) {
        Waited[static_cast<size_t>(Stage)] += TClock::now() - Since;
        Stage = stage;
        Since = TClock::now();
    }
    bool HasTimedOut() const { return TimedOut; }
    // The run's verdict, with its line of step times: past its limit one failure naming the
    // step it waited at and what the table showed then; otherwise every step taken.
    void ExpectFinished(TStage done, const std::string& shown) const {
        std::printf("%s\n", Times().c_str());
        if (TimedOut)
            ADD_FAILURE() << "the run stopped waiting at step " << Name(Stage)
                          << "; the table showed " << shown;
        else
            EXPECT_EQ(Stage, done) << "the program ended at step " << Name(Stage);
    }
    // Each step's wait and the run's limit, in seconds.
    std::string Times() const {
        std::string line;
        for (size_t i = 0; i + 1 < Names.size(); ++i) {
            const auto ms =
                std::chrono::duration_cast<std::chrono::milliseconds>(Waited[i]).count();
            line += std::string(Names[i]) + " " + std::to_string(ms / 1000) + "." +
                    std::to_string(ms % 1000 / 100) + " s, ";
        }
        return line + "the run's limit " + std::to_string(Limit.count()) + " s";
    }

private:
    std::chrono::seconds Limit;
    std::vector<const char*> Names;
    std::vector<TClock::duration> Waited;
    TStage Stage{};
    TClock::time_point Start = TClock::now();
    TClock::time_point Since = Start;
    bool Closing = false;
    bool TimedOut = false;
};

class TSdlProgramFixture : public ::testing::Test {
protected:
    TSdlProgramFixture() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
    }
    ~TSdlProgramFixture() override {
        TDesktop::Get().SetMessageHook(nullptr);
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(nullptr);
        TResourceRegistry::Get().Clear();
    }

    // Opens the window; why it could not be opened otherwise. A test that gets a reason skips,
    // except where scripts/check runs it under Xvfb and says so (RequireDisplay): there it
    // fails instead of passing by skipping.
    std::string OpenWindow(const TSdlOptions& options) {
        std::string error;
        Sdl = TSdlBackend::Create(options, &error);
        return Sdl ? std::string() : "no display to open a window on (" + error + ")";
    }
    static bool RequireDisplay() { return std::getenv("OTCRAPS_REQUIRE_DISPLAY") != nullptr; }

    static TCasOTCrapsGFW* Frame() {
        TJorpApp* app = TJorpApp::GetApp();
        return app != nullptr ? dynamic_cast<TCasOTCrapsGFW*>(app->GetFrame()) : nullptr;
    }
    static u16 CurrentModeId() {
        TCasOTCrapsGFW* frame = Frame();
        return frame != nullptr && frame->GetCrapsMenuEnable() != nullptr
                   ? frame->GetCrapsMenuEnable()->CurrentModeId
                   : 0;
    }
    static TCasinoCGameLord* Lord() {
        TJorpModeWindow* mode = Frame() != nullptr ? Frame()->GetModeWindow() : nullptr;
        return mode != nullptr ? dynamic_cast<TCasinoCGameLord*>(mode->GetMainGameObject())
                               : nullptr;
    }
    // Frames the current mode has run; none before its first, while the window still shows what
    // came before (the loading box, on the way to the table).
    static u32 FramesRun() {
        TJorpModeWindow* mode = Frame() != nullptr ? Frame()->GetModeWindow() : nullptr;
        const TJorpTime* timer = mode != nullptr ? mode->GetFrameTimer() : nullptr;
        return timer != nullptr ? timer->GetCounter() : 0;
    }
    // The picture is laid out for the window's present size, so a click pushed now lands on the
    // desktop point it was aimed at.
    bool WindowStands() const {
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(SDL_GetWindowFromID(Sdl->GetWindowId()), &w, &h);
        const TSdlViewport view = Sdl->GetViewport();
        return w > 0 && h > 0 && view.Picture == TSdlViewport::For(view.Shown, {w, h}).Picture;
    }
    // The title card takes a click from its second frame, as every mode but the table does.
    bool IntroTakesClicks() const {
        return CurrentModeId() == TCasOTCrapsGFW::IntroModeId && FramesRun() >= 2 && WindowStands();
    }
    // The table takes clicks from its first frame, the first that draws it: a click before it
    // lands on the loading box, not on the table.
    bool TableDrawn() const {
        return CurrentModeId() == TCasOTCrapsGFW::CrapsModeId && Lord() != nullptr &&
               FramesRun() >= 1 && WindowStands();
    }
    // What the table showed, for a run that stopped waiting: a step that waits on it for
    // ever tells why.
    static std::string TableState() {
        TCasinoCGameLord* lord = Lord();
        if (lord == nullptr)
            return "no table";
        const TCasButton* roll = lord->GetRoundTable().Button(table_button::Roll);
        TJorpModeWindow* mode = Frame()->GetModeWindow();
        const TResponderList* regions = mode != nullptr ? mode->GetResponderList() : nullptr;
        const TResponder* held = regions != nullptr ? regions->GetCaptureHolder() : nullptr;
        std::string state = "frame " + std::to_string(FramesRun()) + ", hand $" +
                            std::to_string(lord->GetBetInHand().WholeDollars()) + ", bankroll $" +
                            std::to_string(lord->GetBankroll(0).WholeDollars()) + ", shooter " +
                            std::to_string(lord->GetShooterSeat()) + ", Roll asked " +
                            std::to_string(lord->GetButtonFlag(table_button::Roll)) +
                            ", last button code " + std::to_string(lord->GetLastButtonCode());
        if (roll != nullptr)
            state += ", Roll enabled " + std::to_string(roll->GetEnabled()) + " pressed at " +
                     std::to_string(roll->GetPressTick());
        state += ", mouse held by " + (held != nullptr ? std::to_string(held->GetCode()) : "none");
        state += ", keys to " +
                 std::string(TDesktop::Get().GetFocus() != nullptr ? "a window" : "nothing");
        state += TDesktop::Get().IsAppActive() ? ", active" : ", inactive";
        TState* round = lord->GetOwnState();
        while (round != nullptr && round->GetSubState() != nullptr)
            round = round->GetSubState();
        const auto* betting = dynamic_cast<const TCAct1State*>(round);
        if (betting == nullptr)
            return state + "; the round is past betting";
        return state + "; betting: roll asked " + std::to_string(betting->GetRollRequested()) +
               ", begun " + std::to_string(betting->GetRollBegun()) + ", dice given " +
               std::to_string(betting->GetGiveDiceDone()) + ", rolled " +
               std::to_string(betting->GetDiceRolled()) + ", call " +
               std::to_string(betting->GetRollPending()) + ", pick-up " +
               std::to_string(betting->GetPickUpRunning()) + ", shake " +
               std::to_string(betting->GetShakeRunning()) + ", throw " +
               std::to_string(betting->GetThrowRunning()) + ", landing " +
               std::to_string(betting->GetDiceLanding());
    }
    static bool HandHolds(TMoney amount) {
        return Lord() != nullptr && Lord()->GetBetInHand() == amount;
    }
    static TPoint Centre(const TRect& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    // A left click at a desktop point, pushed where the window shows that point.
    void Click(TPoint desktop) {
        const TPoint at = Sdl->GetViewport().ToHost(desktop);
        for (Uint32 type : {SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event e{};
            e.type = type;
            if (type == SDL_MOUSEMOTION) {
                e.motion.windowID = Sdl->GetWindowId();
                e.motion.x = at.x;
                e.motion.y = at.y;
            } else {
                e.button.windowID = Sdl->GetWindowId();
                e.button.button = SDL_BUTTON_LEFT;
                e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
                e.button.clicks = 1;
                e.button.x = at.x;
                e.button.y = at.y;
            }
            SDL_PushEvent(&e);
        }
    }
    void PushKey(SDL_Keycode key, bool down, u16 mod = KMOD_NONE) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = Sdl->GetWindowId();
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = key;
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
    }
    // The desktop as the window shows it, where the picture is at a whole scale: each shown
    // desktop pixel is one block of it; the rest of the desktop stays black.
    bool ReadBack(TScreenSurface& desktop) {
        TScreenSurface host;
        const TSdlViewport view = Sdl->GetViewport();
        if (!view.IsWhole() || !Sdl->ReadWindowPixels(host))
            return false;
        desktop.Resize(TDesktop::Get().GetScreenSize());
        desktop.Fill(desktop.Bounds(), 0xFF000000U);
        for (i32 y = view.Shown.top; y < view.Shown.bottom; ++y)
            for (i32 x = view.Shown.left; x < view.Shown.right; ++x)
                desktop.SetPixel(
                    x, y,
                    host.GetPixel(view.Picture.left + (x - view.Shown.left) * view.Whole,
                                  view.Picture.top + (y - view.Shown.top) * view.Whole) |
                        0xFF000000U);
        return true;
    }

    int RunOwlMain() {
        char program[] = "otcraps";
        char* argv[] = {program, nullptr};
        try {
            return OwlMain(1, argv);
        } catch (const TProcessExit& exit) {
            return exit.Code;
        }
    }

    TTempDir Dir;
    // The question before leaving bets to the house is answered Yes and kept apart.
    TLeavingRecorder Boxes;
    TExitTrap Exits;
    std::unique_ptr<TSdlBackend> Sdl;
};
