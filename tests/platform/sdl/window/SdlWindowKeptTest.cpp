// The real window's size and state between runs and within one: kept in the player's folder and
// opened at again, back to maximised after full screen, one size from the title card to the
// table, and a player's folder that cannot be used told once. Skips where there is no display;
// scripts/check runs it under Xvfb.
#include "SdlRunUntil.h"
#include "SdlScene.h"
#include "SdlWindowManagerPart.h"

#include "platform/framework/PlatformMain.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/PlayerFolder.h"
#include "platform/host/VirtualPath.h"
#include "platform/sdl/ProgramBackends.h"
#include "platform/sdl/SdlBackend.h"
#include "support/ScratchDir.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>

namespace {

namespace fs = std::filesystem;

bool RequireDisplay() {
    return std::getenv("OTCRAPS_REQUIRE_DISPLAY") != nullptr;
}

// Why no window can be opened here; empty when one can.
std::string NoDisplay() {
    TSdlOptions options;
    options.Audio = false;
    std::string error;
    if (TSdlBackend::Create(options, &error))
        return {};
    return "no display to open a window on (" + error + ")";
}

#define SKIP_WITHOUT_DISPLAY()                                                                     \
    if (const std::string why = NoDisplay(); !why.empty()) {                                       \
        if (RequireDisplay())                                                                      \
            FAIL() << why;                                                                         \
        GTEST_SKIP() << why << "; scripts/check runs this under xvfb-run";                         \
    }

TSdlBackend* AttachedSdl() {
    return dynamic_cast<TSdlBackend*>(TDesktop::Get().GetBackend());
}

SDL_Window* HostWindow(const TSdlBackend& sdl) {
    return SDL_GetWindowFromID(sdl.GetWindowId());
}

TSize WindowSize(const TSdlBackend& sdl) {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(HostWindow(sdl), &w, &h);
    return {w, h};
}

u32 WindowFlags(const TSdlBackend& sdl) {
    return SDL_GetWindowFlags(HostWindow(sdl));
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A run of the program on the game's own "sdl" backend, with OTCRAPS_HOME set for it.
class TProgramRun {
public:
    explicit TProgramRun(const fs::path& home) {
        if (const char* was = std::getenv("OTCRAPS_HOME"); was != nullptr)
            Before = was;
        setenv("OTCRAPS_HOME", home.c_str(), 1);
    }
    ~TProgramRun() {
        if (Before)
            setenv("OTCRAPS_HOME", Before->c_str(), 1);
        else
            unsetenv("OTCRAPS_HOME");
        // The run maps drive c: to the program's folder and leaves it so.
        TVirtualPaths::SetDriveRoot('c', "");
        TResourceRegistry::Get().Clear();
        TDesktop::Get().Reset();
    }
    TProgramRun(const TProgramRun&) = delete;
    TProgramRun& operator=(const TProgramRun&) = delete;

    static int Run(int (*program)(int, char**),
                   const std::function<void(TBackend&)>& madeBackend = {}) {
        ClearRegisteredBackends();
        RegisterProgramBackends();
        TBackendChoice sdl = GetRegisteredBackends().front();
        ClearRegisteredBackends();
        if (madeBackend) {
            sdl.Create = [create = sdl.Create, madeBackend] {
                std::unique_ptr<TBackend> backend = create();
                if (backend)
                    madeBackend(*backend);
                return backend;
            };
        }
        const TBackendChoice choices[] = {sdl};
        char name[] = "otcraps";
        char* argv[] = {name, nullptr};
        TResourceRegistry::Get().Clear();
        TDesktop::Get().Reset();
        return PlatformMain(1, argv, program, choices);
    }

private:
    std::optional<std::string> Before;
};

// What the programs below saw of their window.
struct TSeen {
    TSize Opened;
    TSize Left;
    bool Resized = false;
};
TSeen Seen;

// Opens the scene, gives the window a size of the player's and leaves.
int ResizeAndLeave(int, char**) {
    TApplication app{"kept"};
    const TSdlScene scene = BuildSdlScene(app);
    TSdlBackend* sdl = AttachedSdl();
    if (scene.Frame == nullptr || sdl == nullptr ||
        !RunUntil(app, [&] { return WindowStands(*sdl); }))
        return 3;
    Seen.Opened = WindowSize(*sdl);
    SDL_SetWindowSize(HostWindow(*sdl), 1001, 777);
    Seen.Resized = RunUntil(app, [&] {
        return WindowSize(*sdl) == TSize(1001, 777) && sdl->GetViewport().Picture.Height() == 777;
    });
    Seen.Left = WindowSize(*sdl);
    return 0;
}

// Opens the scene and looks at the window.
int OpenAndLeave(int, char**) {
    TApplication app{"kept"};
    const TSdlScene scene = BuildSdlScene(app);
    TSdlBackend* sdl = AttachedSdl();
    if (scene.Frame == nullptr || sdl == nullptr)
        return 3;
    Seen.Opened = WindowSize(*sdl);
    app.RunFor(100);
    Seen.Left = WindowSize(*sdl);
    return 0;
}

TEST(SdlWindowKeptTest, TheSizeIsKeptInThePlayersFolderAndTheNextRunOpensAtIt) {
    SKIP_WITHOUT_DISPLAY();
    const TScratchDir scratch("kept");
    const fs::path home = scratch.Path / "home";
    // Beside the program: where drive c: stands, which holds the data.
    const std::string program = TVirtualPaths::ProgramDirectory(nullptr);
    const fs::path besides[] = {fs::path(program) / "otcraps.ini",
                                fs::path(LocateDataFolder(program)) / "otcraps.ini"};
    std::vector<std::optional<std::string>> before;
    for (const fs::path& p : besides)
        before.push_back(fs::exists(p) ? std::optional(ReadFile(p)) : std::nullopt);
    {
        const TProgramRun run(home);
        Seen = {};
        EXPECT_EQ(TProgramRun::Run(ResizeAndLeave), 0);
    }
    EXPECT_TRUE(Seen.Resized);
    EXPECT_EQ(Seen.Left, TSize(1001, 777));
    EXPECT_NE(Seen.Opened, TSize(1001, 777));
    const std::string kept = ReadFile(home / "otcraps.ini");
    EXPECT_NE(kept.find("[Window]"), std::string::npos) << kept;
    EXPECT_NE(kept.find("Width=1001"), std::string::npos) << kept;
    EXPECT_NE(kept.find("Height=777"), std::string::npos) << kept;
    EXPECT_NE(kept.find("FullScreen=0"), std::string::npos) << kept;
    for (size_t i = 0; i < std::size(besides); ++i) {
        SCOPED_TRACE(besides[i].string());
        const bool there = fs::exists(besides[i]);
        EXPECT_EQ(there, before[i].has_value()) << "written beside the program";
        if (there && before[i]) {
            EXPECT_EQ(ReadFile(besides[i]), *before[i]);
        }
        // Left tidy for the next run of the tests.
        if (there && !before[i])
            fs::remove(besides[i]);
    }

    // The next run opens at the kept size, before its frame is up and after.
    {
        const TProgramRun run(home);
        Seen = {};
        EXPECT_EQ(TProgramRun::Run(OpenAndLeave), 0);
    }
    EXPECT_EQ(Seen.Opened, TSize(1001, 777));
    EXPECT_EQ(Seen.Left, TSize(1001, 777));
}

TEST(SdlWindowKeptTest, AFolderThatCannotBeUsedIsToldInOneBoxAndTheWindowKeepsItsSize) {
    SKIP_WITHOUT_DISPLAY();
    const TScratchDir scratch("kept");
    // A file stands where a folder of the path must be: nothing can be made there.
    std::ofstream(scratch.Path / "file") << "x";
    const fs::path home = scratch.Path / "file" / "home";
    std::set<HWND> boxes;
    {
        const TProgramRun run(home);
        Seen = {};
        // The box comes as the window opens, before the program runs: Enter answers it.
        const int code = TProgramRun::Run(ResizeAndLeave, [&](TBackend& backend) {
            TDesktop::Get().SetMessageHook([&](HWND w, u32, WPARAM, LPARAM) {
                if (w != nullptr && w->GetCaption() == "Warning")
                    boxes.insert(w);
            });
            for (const bool down : {true, false}) {
                SDL_Event e{};
                e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
                e.key.windowID = static_cast<TSdlBackend&>(backend).GetWindowId();
                e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
                e.key.keysym.sym = SDLK_RETURN;
                e.key.keysym.scancode = SDL_SCANCODE_RETURN;
                SDL_PushEvent(&e);
            }
        });
        EXPECT_EQ(code, 0);
    }
    TDesktop::Get().SetMessageHook(nullptr);
    // One box, shown in the window, for the folder; none for the window's size it cannot keep.
    EXPECT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(Seen.Resized);
    EXPECT_EQ(Seen.Left, TSize(1001, 777));
    EXPECT_FALSE(fs::exists(home));
    TVirtualPaths::SetPlayerFolderUsable(true);
}

class SdlWindowStateTest : public ::testing::Test {
protected:
    ~SdlWindowStateTest() override {
        App.reset();
        TResourceRegistry::Get().Clear();
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(nullptr);
    }
    // Opens the window and the scene in it; false (and the test skipped or failed) without a
    // display.
    bool Open() {
        TSdlOptions options;
        options.Audio = false;
        std::string error;
        Sdl = TSdlBackend::Create(options, &error);
        if (!Sdl)
            return false;
        TResourceRegistry::Get().Clear();
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(Sdl.get());
        App.emplace("state");
        Scene = BuildSdlScene(*App);
        return Scene.Frame != nullptr && RunUntil(*App, [&] { return WindowStands(*Sdl); });
    }

    std::unique_ptr<TSdlBackend> Sdl;
    std::optional<TApplication> App;
    TSdlScene Scene;
};

TEST_F(SdlWindowStateTest, LeavingFullScreenReturnsToTheMaximizedWindow) {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(Open());
    SDL_Window* window = HostWindow(*Sdl);
    SDL_SetWindowSize(window, 700, 500);
    ASSERT_TRUE(RunUntil(*App, [&] { return Sdl->GetPlacement().Size == TSize(700, 500); }));
    SDL_MaximizeWindow(window);
    // A window manager makes the window as large as the screen allows; an X server alone
    // only marks it maximised.
    ASSERT_TRUE(RunUntil(*App, [&] {
        return (WindowFlags(*Sdl) & SDL_WINDOW_MAXIMIZED) != 0 &&
               Sdl->GetViewport().Picture.Width() <= WindowSize(*Sdl).cx;
    }));
    ASSERT_TRUE(RunUntil(*App, [&] { return WindowStands(*Sdl); }));
    const TSize maximized = WindowSize(*Sdl);
    Sdl->SetFullScreen(true);
    ASSERT_TRUE(RunUntil(*App, [&] { return Sdl->IsFullScreen(); }));
    if ((WindowFlags(*Sdl) & SDL_WINDOW_MAXIMIZED) != 0) {
        // No window manager took the state away: this one does.
        if (!DropMaximizedLikeAWindowManager(window))
            GTEST_SKIP() << "not an X server: the window manager's part cannot be played";
        ASSERT_TRUE(
            RunUntil(*App, [&] { return (WindowFlags(*Sdl) & SDL_WINDOW_MAXIMIZED) == 0; }));
    }
    // Kept now, the window would open maximised and full-screen.
    EXPECT_TRUE(Sdl->GetPlacement().Maximized);
    EXPECT_TRUE(Sdl->GetPlacement().FullScreen);

    // Back maximised, and where a window manager sized it, at that size again.
    Sdl->SetFullScreen(false);
    const bool managed = maximized != TSize(700, 500);
    EXPECT_TRUE(RunUntil(*App,
                         [&] {
                             return !Sdl->IsFullScreen() &&
                                    (WindowFlags(*Sdl) & SDL_WINDOW_MAXIMIZED) != 0 &&
                                    (!managed || WindowSize(*Sdl) == maximized);
                         }))
        << "left at " << WindowSize(*Sdl).cx << " x " << WindowSize(*Sdl).cy << ", maximised at "
        << maximized.cx << " x " << maximized.cy;
    EXPECT_TRUE(Sdl->GetPlacement().Maximized);
    EXPECT_FALSE(Sdl->GetPlacement().FullScreen);
    // The size before maximising is still the one kept.
    EXPECT_EQ(Sdl->GetPlacement().Size, TSize(700, 500));
}

TEST_F(SdlWindowStateTest, TheWindowKeepsOneSizeWhenTheFrameLosesAndRegainsTheMenuBarsRows) {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(Open());
    const TSize opened = WindowSize(*Sdl);
    const TRect table = Sdl->GetViewport().Shown;
    // The title card's frame: its menu bar takes rows of the client area, and the frame is
    // that much shorter than at the table.
    const TRect frame = Scene.Frame->GetWindowRect();
    const i32 menu = GetSystemMetrics(SM_CYMENU);
    for (const i32 height : {frame.Height() - menu, frame.Height()}) {
        SCOPED_TRACE(height);
        Scene.Frame->SetWindowPos(nullptr, 0, 0, frame.Width(), height,
                                  SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const i32 shown = table.Height() - (height == frame.Height() ? 0 : menu);
        EXPECT_TRUE(RunUntil(*App, [&] {
            return Sdl->GetViewport().Shown.Height() == shown && WindowStands(*Sdl);
        }));
        const TSdlViewport view = Sdl->GetViewport();
        EXPECT_EQ(view.Shown.Height(), shown);
        EXPECT_EQ(WindowSize(*Sdl), opened);
        // Drawn as large as the window holds, across its width; at the table's whole scale
        // where the window is at one.
        EXPECT_EQ(view.Picture.Width(), opened.cx);
        const i32 scale = std::max(1, opened.cx / table.Width());
        if (opened == TSize(table.Width() * scale, table.Height() * scale)) {
            EXPECT_TRUE(view.IsWhole());
            EXPECT_EQ(view.Whole, scale);
        }
    }
}

} // namespace
