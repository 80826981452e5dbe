// The program on the headless desktop with a fixture data set: how long OwlMain takes to its
// first frame, and how much of a core the default mode takes while nothing happens.
#include "craps/table/OwlMain.h"

#include "engine/framework/FixtureDataSet.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/Desktop.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlBackend.h"
#include "resources/Resources.h"
#include "support/TempDir.h"

#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace {

u32 Frames() {
    const TJorpApp* app = TJorpApp::GetApp();
    const TJorpGameFrameWindow* frame = app != nullptr ? app->GetFrame() : nullptr;
    const TJorpModeWindow* mode = frame != nullptr ? frame->GetModeWindow() : nullptr;
    return mode != nullptr && mode->GetFrameTimer() != nullptr ? mode->GetFrameTimer()->GetCounter()
                                                               : 0;
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void CloseNow(THeadlessBackend& backend) {
    TInputEvent close;
    close.Kind = TInputKind::Close;
    backend.At(backend.Now(), close);
}

int RunProgram() {
    char program[] = "otcraps";
    char* argv[] = {program, nullptr};
    return OwlMain(1, argv);
}

// A fresh program folder with the data set, as a player's would be.
struct TProgramFolder {
    TProgramFolder() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        if (!WriteFixtureDataSet(Dir))
            std::abort();
    }
    TTempDir Dir;
};

// Wall time from the call of OwlMain to the end of the first frame. The headless clock only
// moves when the program waits, so this is the work alone: with a real clock the first frame
// also waits out the frame interval (167 ms, 25 ms of it slack) after the mode starts.
void BM_OwlMainToFirstFrame(benchmark::State& state) {
    double totalMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TProgramFolder folder;
        THeadlessSession session;
        THeadlessBackend& backend = session.Backend();
        std::chrono::steady_clock::time_point start;
        double ms = -1;
        std::function<void()> poll = [&] {
            if (Frames() >= 1 && ms < 0) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               start)
                         .count();
                CloseNow(backend);
                return;
            }
            backend.After(1, poll);
        };
        backend.After(1, poll);
        state.ResumeTiming();
        start = std::chrono::steady_clock::now();
        if (RunProgram() != 0 || ms < 0)
            state.SkipWithError("the program did not reach its first frame");
        totalMs += ms;
    }
    state.counters["first_frame_work_ms"] = totalMs / static_cast<double>(state.iterations());
    state.counters["with_interval_ms"] =
        totalMs / static_cast<double>(state.iterations()) + JorpFrameInterval;
}
BENCHMARK(BM_OwlMainToFirstFrame)->Iterations(5)->Unit(benchmark::kMillisecond);

// The default mode left alone for a minute of the program's time: the process's CPU time over
// that minute is the share of a core it takes (goal: under 1%).
void BM_IdleDefaultMode(benchmark::State& state) {
    constexpr u64 IdleMs = 60000;
    double share = 0;
    for (auto _ : state) {
        TProgramFolder folder;
        THeadlessSession session;
        THeadlessBackend& backend = session.Backend();
        double cpuAtStart = 0, cpuAtEnd = 0;
        u32 framesAtStart = 0, framesAtEnd = 0;
        // Settled first: start-up is not idleness.
        backend.After(1000, [&] {
            cpuAtStart = CpuSeconds();
            framesAtStart = Frames();
            backend.After(IdleMs, [&] {
                cpuAtEnd = CpuSeconds();
                framesAtEnd = Frames();
                CloseNow(backend);
            });
        });
        if (RunProgram() != 0)
            state.SkipWithError("the program did not end cleanly");
        share += (cpuAtEnd - cpuAtStart) / (static_cast<double>(IdleMs) / 1000.0);
        state.counters["frames_per_s"] =
            static_cast<double>(framesAtEnd - framesAtStart) / (IdleMs / 1000.0);
    }
    state.counters["core_percent"] = 100.0 * share / static_cast<double>(state.iterations());
}
BENCHMARK(BM_IdleDefaultMode)->Iterations(3)->Unit(benchmark::kMillisecond);

// The same in a real window on the real clock (needs a display): the process's CPU time over
// ten seconds of wall time once the window has settled, read from another thread, which then
// asks the host to close the window.
void BM_IdleDefaultModeInAWindow(benchmark::State& state) {
    static constexpr int Seconds = 10;
    double share = 0;
    for (auto _ : state) {
        TProgramFolder folder;
        std::string error;
        TSdlOptions options;
        options.Audio = false;
        std::unique_ptr<TSdlBackend> sdl = TSdlBackend::Create(options, &error);
        if (!sdl) {
            state.SkipWithError(("no display: " + error).c_str());
            return;
        }
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(sdl.get());
        double used = 0;
        std::thread closer([&used] {
            std::this_thread::sleep_for(std::chrono::seconds(2));
            const double before = CpuSeconds();
            std::this_thread::sleep_for(std::chrono::seconds(Seconds));
            used = CpuSeconds() - before;
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        });
        const int code = RunProgram();
        closer.join();
        share += used / Seconds;
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(nullptr);
        if (code != 0)
            state.SkipWithError("the program did not end cleanly");
    }
    state.counters["core_percent"] = 100.0 * share / static_cast<double>(state.iterations());
}
BENCHMARK(BM_IdleDefaultModeInAWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
