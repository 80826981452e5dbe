// CPU time of the message loop on the SDL backend while nothing moves: a frame window on the
// desktop, no timers, no input, the loop waiting for a fixed stretch of wall time.
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/sdl/SdlBackend.h"

#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <poll.h>

#include <chrono>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// A shown frame, so that the loop has a window, a painted desktop and a cursor to keep.
void IdleLoop(benchmark::State& state, u32 timerMs) {
    std::string error;
    TSdlOptions options;
    options.Audio = state.range(0) != 0;
    std::unique_ptr<TSdlBackend> sdl = TSdlBackend::Create(options, &error);
    if (!sdl) {
        state.SkipWithError(("no display: " + error).c_str());
        return;
    }
    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(sdl.get());
    {
        TApplication app{"bench"};
        auto* frame = new TFrameWindow(nullptr, "Idle", nullptr, true);
        frame->Attr.X = 100;
        frame->Attr.Y = 100;
        frame->Attr.W = 400;
        frame->Attr.H = 300;
        app.SetMainWindow(frame);
        if (!frame->Create()) {
            state.SkipWithError("the frame could not be made");
        } else {
            frame->ShowWindow(SW_SHOWNORMAL);
            if (timerMs != 0)
                frame->SetTimer(1, timerMs);
            // Settle first: the host's exposure and focus events are not idleness.
            app.RunFor(300);
            for (auto _ : state)
                app.RunFor(500);
        }
    }
    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(nullptr);
}

// Real time per iteration is the fixed half second; CPU time (of every thread, the audio
// device's included) is what the idle loop costs in it.
void BM_IdleLoop(benchmark::State& state) {
    IdleLoop(state, 0);
}
BENCHMARK(BM_IdleLoop)
    ->ArgName("audio")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(4)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// For comparison: the game keeps a 1 ms timer running, which fires every 10 ms.
void BM_TimerLoop(benchmark::State& state) {
    IdleLoop(state, 1);
}
BENCHMARK(BM_TimerLoop)
    ->ArgName("audio")
    ->Arg(0)
    ->Iterations(4)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The floor under both: a bare thread that wakes every 10 ms and does nothing else. On a
// virtual machine the wake alone can take a good part of the 1% the game is allowed.
void BM_WakeFloor(benchmark::State& state) {
    for (auto _ : state) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        while (std::chrono::steady_clock::now() < end)
            poll(nullptr, 0, 10);
    }
}
BENCHMARK(BM_WakeFloor)
    ->Iterations(4)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

// SDL is started once for the whole run: started and ended again for each benchmark, this
// SDL (2.26) was seen to lose the X display on the third start.
int main(int argc, char** argv) {
    bool video = false;
    {
#if defined(__SANITIZE_ADDRESS__)
        // What the host's libraries keep from SDL's start is not the loop's.
        __lsan::ScopedDisabler hostLibraries;
#endif
        video = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (video)
        SDL_Quit();
    return 0;
}
