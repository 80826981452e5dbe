// The real window fitted again with the decorations a stand-in window manager tells once it is
// shown. Skips where there is no display; scripts/check runs it under Xvfb.
#include "SdlNoDisplay.h"
#include "SdlRunUntil.h"
#include "SdlScene.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Desktop.h"
#include "platform/sdl/SdlBackend.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

// A common laptop's screen with no panels.
constexpr TRect Laptop{0, 0, 1280, 720};
// A window manager's title bar and borders (openbox's own theme).
constexpr TSdlFrameEdges TitleBar{20, 1, 5, 1};

// The host window's client area, where it stands on the screen.
TRect ClientPlace(const TSdlBackend& sdl) {
    SDL_Window* window = SDL_GetWindowFromID(sdl.GetWindowId());
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    return {{x, y}, {w, h}};
}

// The desktop shown in the window for as long as it lives, and left bare after.
class TAttached {
public:
    explicit TAttached(TSdlBackend& sdl) {
        TResourceRegistry::Get().Clear();
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(&sdl);
    }
    ~TAttached() {
        TResourceRegistry::Get().Clear();
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(nullptr);
    }
    TAttached(const TAttached&) = delete;
    TAttached& operator=(const TAttached&) = delete;
};

// Read in a failure: the client area's size and its top left corner.
std::string Described(const TRect& r) {
    return std::to_string(r.Width()) + "x" + std::to_string(r.Height()) + " at (" +
           std::to_string(r.left) + ", " + std::to_string(r.top) + ")";
}

// Where the window belongs on the laptop with these decorations.
TRect FittedPlace(TSize shown, const std::optional<TSdlFrameEdges>& edges) {
    const TSdlDisplayRoom room{Laptop, edges};
    return PlaceSdlWindow(SdlOpeningSize(shown, room), room);
}

TEST(SdlWindowRefitTest, TheWindowIsFittedAgainWithTheDecorationsTheHostTells) {
    const struct {
        const char* Host;
        // What the window manager says of its decorations once the window is shown; none where
        // the host never says (the guess stands then).
        std::optional<TSdlFrameEdges> Told;
    } cases[] = {
        {"a window manager that tells its title bar", TitleBar},
        {"a host that never tells", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Host);
        TSdlOptions options;
        options.Audio = false;
        options.Title = "otcraps refit test";
        options.Display.ReadUsable = [](int, TRect& usable) {
            usable = Laptop;
            return true;
        };
        options.Display.ReadBorders = [&c](SDL_Window*, TSdlFrameEdges& edges) {
            if (c.Told)
                edges = *c.Told;
            return c.Told.has_value();
        };
        std::string error;
        std::unique_ptr<TSdlBackend> sdl = TSdlBackend::Create(options, &error);
        if (!sdl) {
            SkipWithoutDisplay(error);
            return;
        }
        const TSize shown = sdl->GetViewport().Shown.Size();
        const TRect fitted = FittedPlace(shown, c.Told);
        // The guess alone puts the window elsewhere, lower and smaller.
        if (c.Told) {
            ASSERT_NE(FittedPlace(shown, std::nullopt), fitted);
        }
        EXPECT_EQ(Described(ClientPlace(*sdl)), Described(fitted)) << "as opened";

        // And still there once the frame has said what it shows.
        const TAttached attached(*sdl);
        TApplication app{"refit"};
        const TSdlScene scene = BuildSdlScene(app);
        ASSERT_NE(scene.Frame, nullptr);
        EXPECT_TRUE(RunUntil(app, [&] { return WindowStands(*sdl); }));
        EXPECT_EQ(sdl->GetViewport().Shown.Size(), shown);
        EXPECT_EQ(Described(ClientPlace(*sdl)), Described(fitted)) << "with the frame up";
    }
}

} // namespace
