// Waiting in the real window: a wait ends for input SDL holds, for input read into Xlib's queue
// by another call, for input the X server sends and for the audio device's wake, and otherwise
// lasts its timeout. Skips where there is no display; scripts/check runs it under Xvfb.
#include "SdlNoDisplay.h"

#include "platform/sdl/SdlBackend.h"
#include "tests/platform/audio/WaveMixTestSupport.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// How long a wait took, in milliseconds of the host's clock.
i64 TimedWait(TSdlBackend& sdl, u64 timeoutMs) {
    const auto start = std::chrono::steady_clock::now();
    sdl.WaitEvent(timeoutMs);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

int DrainInput(TSdlBackend& sdl) {
    int mouseMoves = 0;
    TInputEvent e;
    while (sdl.PollEvent(e))
        mouseMoves += e.Kind == TInputKind::MouseMove ? 1 : 0;
    return mouseMoves;
}

// Moves the pointer over the window as another X client would: the server sends the motion
// on the window's own connection, which nothing in this process reads first.
bool WarpFromAnotherClient(SDL_Window* window) {
    void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (xlib == nullptr)
        return false;
    using OpenFn = void* (*)(const char*);
    using RootFn = unsigned long (*)(void*);
    using WarpFn =
        int (*)(void*, unsigned long, unsigned long, int, int, unsigned, unsigned, int, int);
    using SyncFn = int (*)(void*, int);
    using CloseFn = int (*)(void*);
    const auto open = reinterpret_cast<OpenFn>(dlsym(xlib, "XOpenDisplay"));
    const auto root = reinterpret_cast<RootFn>(dlsym(xlib, "XDefaultRootWindow"));
    const auto warp = reinterpret_cast<WarpFn>(dlsym(xlib, "XWarpPointer"));
    const auto sync = reinterpret_cast<SyncFn>(dlsym(xlib, "XSync"));
    const auto close = reinterpret_cast<CloseFn>(dlsym(xlib, "XCloseDisplay"));
    // Xvfb refuses the odd connection under load; a person's mouse has no such trouble.
    void* display = nullptr;
    for (int attempt = 0; open != nullptr && display == nullptr && attempt < 5; ++attempt)
        display = open(nullptr);
    const bool ok = display != nullptr && root != nullptr && warp != nullptr && sync != nullptr &&
                    close != nullptr;
    if (ok) {
        int x = 0;
        int y = 0;
        SDL_GetWindowPosition(window, &x, &y);
        warp(display, 0, root(display), 0, 0, 0, 0, x + 20, y + 20);
        sync(display, 0);
    }
    if (display != nullptr && close != nullptr)
        close(display);
    dlclose(xlib);
    return ok;
}

class SdlWaitTest : public TWaveMixFixture {
protected:
    // SDL's video is started once for all these windows, so that each test does not bring
    // another chance of the refusal below.
    static void SetUpTestSuite() {
#if defined(__SANITIZE_ADDRESS__)
        // What the host's libraries keep from SDL's start is not the backend's.
        __lsan::ScopedDisabler hostLibraries;
#endif
        if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
            return;
        // Xvfb refuses the odd connection under load, and SDL then falls back to drawing
        // into memory; a few more tries find the server.
        for (int attempt = 0; attempt < 5 && !VideoStarted; ++attempt) {
            VideoStarted = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
            const char* driver = VideoStarted ? SDL_GetCurrentVideoDriver() : nullptr;
            if (VideoStarted && driver != nullptr && SDL_strcmp(driver, "offscreen") == 0) {
                SDL_QuitSubSystem(SDL_INIT_VIDEO);
                VideoStarted = false;
            }
        }
    }

    static void TearDownTestSuite() {
        if (VideoStarted)
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        VideoStarted = false;
    }

    void SetUp() override {
        TWaveMixFixture::SetUp();
        std::string error;
        TSdlOptions options;
        options.Title = "otcraps wait test";
        Sdl = TSdlBackend::Create(options, &error);
        if (!Sdl) {
            SkipWithoutDisplay(error);
            return;
        }
        Window = SDL_GetWindowFromID(Sdl->GetWindowId());
        // The window's first exposure and focus come in over the first moments.
        for (int i = 0; i < 10; ++i) {
            DrainInput(*Sdl);
            Sdl->WaitEvent(20);
        }
        DrainInput(*Sdl);
    }

    void TearDown() override {
        Sdl.reset();
        TWaveMixFixture::TearDown();
    }

    inline static bool VideoStarted = false;
    std::unique_ptr<TSdlBackend> Sdl;
    SDL_Window* Window = nullptr;
};

TEST_F(SdlWaitTest, AWaitEndsForInputFromAnySourceAndOtherwiseLastsItsTimeout) {
    const struct {
        const char* Source;
        std::function<bool(SDL_Window*)> Send;
    } cases[] = {
        {"nothing", nullptr},
        {"a warp by another X client", [](SDL_Window* w) { return WarpFromAnotherClient(w); }},
        {"nothing after input", nullptr},
        {"an event pushed into SDL's queue",
         [id = Sdl->GetWindowId()](SDL_Window*) {
             SDL_Event e{};
             e.type = SDL_MOUSEMOTION;
             e.motion.windowID = id;
             e.motion.x = 30;
             e.motion.y = 40;
             return SDL_PushEvent(&e) == 1;
         }},
        // SDL waits for the server's answer, so the motion is read into Xlib's queue, off the
        // connection.
        {"a warp through SDL",
         [](SDL_Window* w) {
             SDL_WarpMouseInWindow(w, 50, 60);
             return true;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Source);
        ASSERT_EQ(DrainInput(*Sdl), 0);
        if (!c.Send) {
            EXPECT_GE(TimedWait(*Sdl, 150), 140);
            EXPECT_EQ(DrainInput(*Sdl), 0);
            continue;
        }
        ASSERT_TRUE(c.Send(Window));
        // Far below the timeout, however busy the machine.
        EXPECT_LT(TimedWait(*Sdl, 10000), 5000);
        EXPECT_GE(DrainInput(*Sdl), 1);
    }
}

// A loop kept busy by its messages polls without ever waiting; the pumps it skips after a
// quiet wait must not leave host input unread.
TEST_F(SdlWaitTest, ALoopThatNeverWaitsStillSeesHostInput) {
    ASSERT_TRUE(WarpFromAnotherClient(Window));
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int moves = 0;
    while (moves == 0 && std::chrono::steady_clock::now() < giveUp)
        moves = DrainInput(*Sdl);
    EXPECT_GE(moves, 1);
}

TEST_F(SdlWaitTest, TheAudioDevicesWakeEndsAWait) {
    // A second of sound, so that every block the device pulls meanwhile wakes the window thread.
    TWaveMixSession* s = OpenSession(2, 22);
    TMixWave* wave = Open(s, wave_image::Mono16(std::vector<i16>(22050, 1000)));
    ASSERT_EQ(Play(s, 0, wave, 0), MMSYSERR_NOERROR);
    // The device opens in the first round of polling.
    DrainInput(*Sdl);
    if (!Sdl->HasSound())
        GTEST_SKIP() << "no audio device (scripts/check runs this with SDL_AUDIODRIVER=dummy)";
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(TimedWait(*Sdl, 10000), 5000);
        DrainInput(*Sdl);
    }
}

} // namespace
