// The program on the headless desktop: how long OwlMain takes to its first frame, a new
// player's (the intro) and to the table, how much of a core the default mode takes while nothing
// happens, and what a frame of the real table costs, whole or idle, against a
// bare conversion of a 640 x 480 picture.
#include "BenchRuns.h"

#include "craps/table/CrapsFrame.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/CrapsMenuEnable.h"
#include "craps/table/OwlMain.h"
#include "craps/table/RoundStates.h"

#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModeWindow.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/draw/Surface.h"
#include "platform/framework/draw/WinG.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessScript.h"
#include "platform/sdl/SdlBackend.h"
#include "resources/Resources.h"
#include "support/TempDir.h"

#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/resource.h>
#include <thread>
#include <vector>

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

// The data set the build wrote (scripts/bench names its folder), copied into a fresh program
// folder whose settings skip the intro, so that the first mode is the table; with no settings,
// the folder is a new player's, whose first mode is the intro.
const char* BuiltDataFolder() {
    return std::getenv("OTCRAPS_BENCH_DATA");
}

struct TBuiltFolder {
    explicit TBuiltFolder(const std::string& settings = "[Intro]\nShow=0\n") {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        std::error_code ec;
        std::filesystem::create_directories(Dir.Host("data"), ec);
        for (const auto& entry : std::filesystem::directory_iterator(BuiltDataFolder(), ec))
            if (entry.is_regular_file())
                std::filesystem::copy_file(entry.path(), Dir.Host("data") / entry.path().filename(),
                                           ec);
        if (!settings.empty())
            Dir.WriteHostFile("otcraps.ini", settings);
    }
    TTempDir Dir;
};

// The folder of a player who has not played yet.
struct TNewPlayerFolder : TBuiltFolder {
    TNewPlayerFolder() : TBuiltFolder("") {}
};

bool AtTheTable() {
    const TJorpApp* app = TJorpApp::GetApp();
    const auto* frame = app != nullptr ? dynamic_cast<TCasOTCrapsGFW*>(app->GetFrame()) : nullptr;
    return frame != nullptr && frame->GetCrapsMenuEnable() != nullptr &&
           frame->GetCrapsMenuEnable()->CurrentModeId == TCasOTCrapsGFW::CrapsModeId;
}

TJorpModeWindow* ModeWindow() {
    const TJorpApp* app = TJorpApp::GetApp();
    TJorpGameFrameWindow* frame = app != nullptr ? app->GetFrame() : nullptr;
    return frame != nullptr ? frame->GetModeWindow() : nullptr;
}

// Wall time from the call of OwlMain to the end of the first frame. The headless clock only
// moves when the program waits, so this is the work alone: with a real clock the first frame
// also waits out the frame interval (167 ms, 25 ms of it slack) after the mode starts.
void BM_OwlMainToFirstFrame(benchmark::State& state) {
    if (BuiltDataFolder() == nullptr) {
        state.SkipWithError("OTCRAPS_BENCH_DATA names no data set");
        return;
    }
    double totalMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TNewPlayerFolder folder;
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
BENCHMARK(BM_OwlMainToFirstFrame)->Iterations(Runs(5))->Unit(benchmark::kMillisecond);

// The same with the data set the build wrote, to the table's first frame. The headless clock
// only moves while the program waits; what it moved is what a real clock would add to the work
// (the frame interval before the first frame, mostly), and the two together are the figure.
void BM_StartToFirstTableFrame(benchmark::State& state) {
    if (BuiltDataFolder() == nullptr) {
        state.SkipWithError("OTCRAPS_BENCH_DATA names no data set");
        return;
    }
    double workMs = 0;
    double waitedMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TBuiltFolder folder;
        THeadlessSession session;
        THeadlessBackend& backend = session.Backend();
        std::chrono::steady_clock::time_point start;
        u64 startTick = 0;
        double ms = -1;
        bool table = false;
        std::function<void()> poll = [&] {
            if (Frames() >= 1 && ms < 0) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               start)
                         .count();
                waitedMs += static_cast<double>(backend.Now() - startTick);
                table = AtTheTable();
                CloseNow(backend);
                return;
            }
            backend.After(1, poll);
        };
        backend.After(1, poll);
        state.ResumeTiming();
        startTick = backend.Now();
        start = std::chrono::steady_clock::now();
        if (RunProgram() != 0 || ms < 0 || !table) {
            state.SkipWithError("the program did not reach the table's first frame");
            return;
        }
        workMs += ms;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["work_ms"] = workMs / n;
    state.counters["waited_ms"] = waitedMs / n;
    state.counters["total_ms"] = (workMs + waitedMs) / n;
}
BENCHMARK(BM_StartToFirstTableFrame)->Iterations(Runs(5))->Unit(benchmark::kMillisecond);

// The yardstick for a frame: every pixel of a 640 x 480 8-bit picture through a palette table
// into a screen surface.
void BM_BareConvert640x480(benchmark::State& state) {
    std::vector<u8> buffer(640 * 480);
    for (size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<u8>(i * 7);
    std::array<u32, 256> table{};
    for (u32 i = 0; i < 256; ++i)
        table[i] = MakeArgb(static_cast<u8>(i), static_cast<u8>(i * 3), static_cast<u8>(255 - i));
    TScreenSurface screen({640, 480});
    for (auto _ : state) {
        for (i32 y = 0; y < 480; ++y) {
            const u8* from = buffer.data() + static_cast<size_t>(y) * 640;
            u32* to = screen.Row(y);
            for (i32 x = 0; x < 640; ++x)
                to[x] = table[from[x]];
        }
        benchmark::DoNotOptimize(screen.Row(0));
    }
}
BENCHMARK(BM_BareConvert640x480)->Unit(benchmark::kMicrosecond);

// Frames of the real table with the built data set, settled and left alone (the dealer's idle
// gestures go on): the mode window's whole frame, objects ticked, the surface rendered and
// shown. A full frame first makes the whole surface dirty, as a new background does.
void TableFrames(benchmark::State& state, bool full) {
    if (BuiltDataFolder() == nullptr) {
        state.SkipWithError("OTCRAPS_BENCH_DATA names no data set");
        return;
    }
    TBuiltFolder folder;
    THeadlessSession session;
    THeadlessBackend& backend = session.Backend();
    bool ran = false;
    u32 missed = 0;
    u32 presents = 0;
    // Ten seconds of the program's time: past the greeting, the table at rest.
    backend.After(10000, [&] {
        TJorpModeWindow* window = ModeWindow();
        TJorpMode* mode = window != nullptr ? window->GetMode() : nullptr;
        if (!AtTheTable() || mode == nullptr || mode->GetScreenMgr() == nullptr) {
            CloseNow(backend);
            return;
        }
        ran = true;
        presents = backend.GetPresentCount();
        for (auto _ : state) {
            backend.Advance(JorpFrameInterval);
            if (full)
                mode->GetScreenMgr()->SetBackground(mode->GetBackground());
            missed += window->FrameTick() ? 0 : 1;
            // What the frame left invalid is painted within it, as the message loop would next:
            // a new background is shown even in a frame where nothing on it moved.
            window->UpdateWindow();
        }
        presents = backend.GetPresentCount() - presents;
        CloseNow(backend);
    });
    if (RunProgram() != 0 || !ran) {
        state.SkipWithError("the program did not reach the table");
        return;
    }
    if (missed != 0)
        state.SkipWithError("a frame was not due");
    else if (full && static_cast<benchmark::IterationCount>(presents) < state.iterations())
        state.SkipWithError("a full frame showed nothing");
    state.counters["presented"] =
        static_cast<double>(presents) / static_cast<double>(state.iterations());
}

void BM_TableFullFrame(benchmark::State& state) {
    TableFrames(state, true);
}
// Each run starts the program, so the count of frames is fixed rather than found.
BENCHMARK(BM_TableFullFrame)->Iterations(Runs(300))->Unit(benchmark::kMicrosecond);

void BM_TableIdleFrame(benchmark::State& state) {
    TableFrames(state, false);
}
// Ten times as many as full frames, for an idle frame costs a tenth of one or less: measured over
// the few milliseconds of 300, the figure moves with whatever else the machine does.
BENCHMARK(BM_TableIdleFrame)->Iterations(Runs(3000))->Unit(benchmark::kMicrosecond);

TCasinoCGameLord* TableLord() {
    TJorpModeWindow* window = ModeWindow();
    return window != nullptr ? dynamic_cast<TCasinoCGameLord*>(window->GetMainGameObject())
                             : nullptr;
}

bool BettingOpen() {
    TCasinoCGameLord* lord = TableLord();
    TState* state = lord != nullptr ? lord->GetRoundState() : nullptr;
    while (state != nullptr && state->GetSubState() != nullptr)
        state = state->GetSubState();
    return dynamic_cast<TCAct1State*>(state) != nullptr ||
           dynamic_cast<TCRemoveState*>(state) != nullptr;
}

// A session of 1,000 rolls at the real table on the built data set, on the fastest game speed:
// each time betting opens, a dollar on the line (or come) and the field, then the Roll key. The
// process's peak memory over it, run alone in its process, is the figure (goal: under 64 MB;
// the headless desktop stands in for the window system, whose own memory is not counted). The
// session ends with its bets standing, as a quit signal ends the program: a close would ask
// about them first.
void BM_ThousandRollSessionMemory(benchmark::State& state) {
    const int Rolls = BenchOnce() ? 5 : 1000;
    if (BuiltDataFolder() == nullptr) {
        state.SkipWithError("OTCRAPS_BENCH_DATA names no data set");
        return;
    }
    int rolls = 0;
    for (auto _ : state) {
        TBuiltFolder folder("[Intro]\nShow=0\n[Craps]\nDetail Level=0\n");
        THeadlessSession session;
        THeadlessBackend& backend = session.Backend();
        bool wasBetting = false;
        std::function<void()> watch = [&] {
            const bool betting = TableLord() != nullptr && BettingOpen();
            if (betting && !wasBetting) {
                if (rolls == Rolls) {
                    QueueHeadlessQuit(backend);
                    return;
                }
                TCasinoCGameLord* lord = TableLord();
                for (const i16 spot : {i16{4}, lord->GetPoint() < 0 ? i16{0} : i16{2}}) {
                    lord->AddToBetInHand(TMoney(1.0));
                    lord->PlaceBet(spot);
                    lord->ClearBetInHand();
                }
                ++rolls;
                backend.Key(VK_RETURN, '\r');
            }
            wasBetting = betting;
            backend.After(20, watch);
        };
        backend.After(20, watch);
        // A session that stalls still ends.
        backend.At(backend.Now() + 20'000'000, [&] { QueueHeadlessQuit(backend); });
        if (RunProgram() != 0 || rolls != Rolls) {
            state.SkipWithError("the session did not play its rolls");
            return;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rolls"] = rolls;
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_ThousandRollSessionMemory)->Iterations(Runs(1))->Unit(benchmark::kMillisecond);

// The default mode left alone for a minute of the program's time: the process's CPU time over
// that minute is the share of a core it takes (goal: under 1%).
void BM_IdleDefaultMode(benchmark::State& state) {
    if (BuiltDataFolder() == nullptr) {
        state.SkipWithError("OTCRAPS_BENCH_DATA names no data set");
        return;
    }
    constexpr u64 IdleMs = 60000;
    double share = 0;
    for (auto _ : state) {
        TNewPlayerFolder folder;
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
BENCHMARK(BM_IdleDefaultMode)->Iterations(Runs(3))->Unit(benchmark::kMillisecond);

// The same in a real window on the real clock (needs a display): the process's CPU time over
// ten seconds of wall time once the window has settled, read from another thread, which then
// asks the host to close the window.
void BM_IdleDefaultModeInAWindow(benchmark::State& state) {
    if (BuiltDataFolder() == nullptr) {
        state.SkipWithError("OTCRAPS_BENCH_DATA names no data set");
        return;
    }
    static constexpr int Seconds = 10;
    double share = 0;
    for (auto _ : state) {
        TNewPlayerFolder folder;
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
BENCHMARK(BM_IdleDefaultModeInAWindow)->Iterations(Runs(1))->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
