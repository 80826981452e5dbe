// The real window: the scene opened in an SDL window, read back, and compared pixel for pixel
// with the same scene on the headless desktop. Skips where there is no display; scripts/check
// runs it under Xvfb with a screen large enough for scale 2.
#include "SdlScene.h"
#include "SdlNoDisplay.h"
#include "SdlRunUntil.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/PngWriter.h"
#include "platform/sdl/SdlBackend.h"
#include "support/FailurePictures.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// The shown part of the desktop inside the host window: every desktop pixel must fill its whole
// block of the whole scale with one colour (nearest-neighbour, no smoothing).
::testing::AssertionResult Unscale(const TScreenSurface& host, const TSdlViewport& view,
                                   TScreenSurface& desktop) {
    if (!view.IsWhole())
        return ::testing::AssertionFailure() << "the picture is not at a whole scale";
    const i32 scale = view.Whole;
    desktop.Resize(view.Shown.Size());
    for (i32 y = 0; y < view.Shown.Height(); ++y) {
        for (i32 x = 0; x < view.Shown.Width(); ++x) {
            const i32 hx = view.Picture.left + x * scale;
            const i32 hy = view.Picture.top + y * scale;
            const u32 c = host.GetPixel(hx, hy) | 0xFF000000U;
            for (i32 dy = 0; dy < scale; ++dy)
                for (i32 dx = 0; dx < scale; ++dx)
                    if ((host.GetPixel(hx + dx, hy + dy) | 0xFF000000U) != c)
                        return ::testing::AssertionFailure() << "the block of desktop pixel (" << x
                                                             << "," << y << ") is not one colour";
            desktop.SetPixel(x, y, c);
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameImage(const TScreenSurface& expected, const TScreenSurface& actual,
                                     const std::string& name, const TFailurePictures& pictures) {
    WritePng(pictures.File(name + ".sdl.png"), actual);
    WritePng(pictures.File(name + ".headless.png"), expected);
    if (expected.GetSize() != actual.GetSize())
        return ::testing::AssertionFailure() << name << ": sizes differ";
    int differing = 0;
    TPoint first{-1, -1};
    for (i32 y = 0; y < actual.GetHeight(); ++y)
        for (i32 x = 0; x < actual.GetWidth(); ++x)
            if ((actual.GetPixel(x, y) | 0xFF000000U) != (expected.GetPixel(x, y) | 0xFF000000U)) {
                if (differing++ == 0)
                    first = {x, y};
            }
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ, the first at (" << first.x << ","
           << first.y << "); images in " << pictures.File(name + ".*.png");
}

// The part of the headless desktop the real window shows, opaque.
TScreenSurface Opaque(const TScreenSurface& s, const TRect& part) {
    TScreenSurface out(part.Size());
    for (i32 y = 0; y < part.Height(); ++y)
        for (i32 x = 0; x < part.Width(); ++x)
            out.SetPixel(x, y, s.GetPixel(part.left + x, part.top + y) | 0xFF000000U);
    return out;
}

void PushMouse(u32 window, Uint32 type, TPoint host) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
        e.motion.windowID = window;
        e.motion.x = host.x;
        e.motion.y = host.y;
    } else {
        e.button.windowID = window;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = host.x;
        e.button.y = host.y;
    }
    SDL_PushEvent(&e);
}

// The headless desktop's pictures of the scene: as opened, and with a menu pulled down.
struct THeadlessPictures {
    // The frame's menu bar and client area, which is all the real window shows.
    TRect Shown;
    TScreenSurface Opened;
    TScreenSurface MenuOpen;
};

THeadlessPictures RenderHeadless() {
    THeadlessPictures pictures;
    THeadlessSession session;
    TResourceRegistry::Get().Clear();
    {
        TApplication app{"scene"};
        const TSdlScene scene = BuildSdlScene(app);
        EXPECT_NE(scene.Dialog, nullptr);
        app.PumpWaitingMessages();
        pictures.Shown = TDesktop::Get().GetShownArea();
        pictures.Opened = Opaque(session.Backend().GetScreen(), pictures.Shown);
        const TPoint item = SceneBarItemCentre(scene.Frame, 1);
        session.Backend().MouseMove(item);
        session.Backend().Click(item);
        app.PumpWaitingMessages();
        pictures.MenuOpen = Opaque(session.Backend().GetScreen(), pictures.Shown);
    }
    TResourceRegistry::Get().Clear();
    return pictures;
}

TEST(SdlSceneTest, TheRealWindowShowsWhatTheHeadlessDesktopShows) {
    std::string error;
    TSdlOptions options;
    options.Audio = false;
    options.Title = "otcraps scene test";
    std::unique_ptr<TSdlBackend> sdl = TSdlBackend::Create(options, &error);
    if (!sdl) {
        SkipWithoutDisplay(error);
        return;
    }
    const THeadlessPictures expected = RenderHeadless();
    const TFailurePictures pictures("sdl-scene");

    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(sdl.get());
    TResourceRegistry::Get().Clear();
    {
        TApplication app{"scene"};
        const TSdlScene scene = BuildSdlScene(app);
        ASSERT_NE(scene.Dialog, nullptr);
        // The host places and sizes the window in its own time.
        ASSERT_TRUE(RunUntil(app, [&] { return WindowStands(*sdl); }));
        // The table fills the frame's client area, which has grown to hold the menu bar.
        const TRect frameClient = TDesktop::Get().ScreenClientRect(scene.Frame);
        EXPECT_EQ(scene.Frame->GetClientWindow()->GetWindowRect(), frameClient);
        EXPECT_EQ(frameClient.Size(), TSize(640, 480));
        const TSdlViewport view = sdl->GetViewport();
        RecordProperty("scale", view.Whole);
        // The window shows the frame's menu bar and client area and nothing around them; its
        // title bar is the host's, with the frame's caption.
        EXPECT_EQ(view.Shown, expected.Shown);
        EXPECT_EQ(view.Shown, (TRect{80, 41, 720, 540}));
        SDL_Window* window = SDL_GetWindowFromID(sdl->GetWindowId());
        EXPECT_STREQ(SDL_GetWindowTitle(window), "Craps Table");
        scene.Frame->SetCaption("Craps Table - Stats");
        EXPECT_STREQ(SDL_GetWindowTitle(window), "Craps Table - Stats");
        // scripts/check gives the X server a screen that takes the frame twice over, so that
        // the unscaling below is really tested.
        if (std::getenv("OTCRAPS_REQUIRE_DISPLAY") != nullptr) {
            EXPECT_EQ(view.Whole, 2);
            int w = 0, h = 0;
            SDL_GetWindowSize(window, &w, &h);
            EXPECT_EQ(TSize(w, h), TSize(1280, 998));
        }
        scene.Frame->SetCaption("Craps Table");
        app.PumpWaitingMessages();

        TScreenSurface host;
        TScreenSurface shown;
        ASSERT_TRUE(sdl->ReadWindowPixels(host));
        WritePng(pictures.File("sdl_scene_window.png"), host);
        ASSERT_TRUE(Unscale(host, view, shown));
        EXPECT_TRUE(SameImage(expected.Opened, shown, "sdl_scene_opened", pictures));

        // A click in host pixels, at the scale, pulls the menu down: the mouse is mapped
        // back and only the changed parts are presented again.
        const TPoint item = SceneBarItemCentre(scene.Frame, 1);
        const TPoint at = view.ToHost(item);
        PushMouse(sdl->GetWindowId(), SDL_MOUSEMOTION, at);
        PushMouse(sdl->GetWindowId(), SDL_MOUSEBUTTONDOWN, at);
        PushMouse(sdl->GetWindowId(), SDL_MOUSEBUTTONUP, at);
        ASSERT_TRUE(RunUntil(app, [] { return TMenuUi::Get().GetPopup() != nullptr; }));
        app.PumpWaitingMessages();
        ASSERT_TRUE(sdl->ReadWindowPixels(host));
        ASSERT_TRUE(Unscale(host, view, shown));
        EXPECT_TRUE(SameImage(expected.MenuOpen, shown, "sdl_scene_menu_open", pictures));
    }
    TResourceRegistry::Get().Clear();
    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(nullptr);
}

} // namespace
