// Deleting a game object's skit catalogue of 64 lists, each level of whose portfolios writes its
// cursor to the settings file as the catalogue goes (640 writes); goal: under 200 ms.
#include "BenchRuns.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitList.h"
#include "engine/framework/SkitPortfolio.h"
#include "platform/host/SystemInfo.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int LISTS = 64;

// A program folder whose data holds the catalogue and its lists, each list with one entry
// per level, and the engine's settings and file manager over it.
struct TSkitFolder {
    TSkitFolder() {
        std::filesystem::create_directories(Dir.Host("data"));
        std::filesystem::create_directories(Dir.Host("buffer"));
        SetDiskFreeOverride(1ULL << 30);
        Settings.SetCDDrive("c:");
        Settings.SetCDDir("\\data");
        TEngineContext::Settings = &Settings;
        Manager = std::make_unique<TJorpFileMgr>(Settings);
        TEngineContext::FileMgr = Manager.get();
        TSkitCat catalogue(nullptr, nullptr, TFileMode(TJorpFileName("dealer"), 0, 0));
        for (int i = 0; i < LISTS; ++i) {
            std::string name = "l";
            name += std::to_string(i);
            auto* list = new TSkitList(nullptr, nullptr, TFileMode(TJorpFileName(name), 0, 0));
            for (i16 level = 0; level < TSkitPortfolio::LEVELS; ++level)
                list->GetPortfolio()->AddElement(level, "s.sk", 0);
            catalogue.Add(list);
        }
        Written = catalogue.SaveIfNeeded();
    }
    ~TSkitFolder() {
        Manager.reset();
        TEngineContext::FileMgr = nullptr;
        TEngineContext::Settings = nullptr;
        SetDiskFreeOverride(std::nullopt);
    }

    TTempDir Dir;
    TJorpIniFile Settings{"c:", "\\", "otcraps", "otcraps.ini", true};
    std::unique_ptr<TJorpFileMgr> Manager;
    bool Written = false;
};

void BM_DeleteCatalogueOf64Lists(benchmark::State& state) {
    TSkitFolder folder;
    double worstMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto catalogue = TSkitCat::CreateNamed(
            nullptr, TFileMode(TJorpFileName("dealer.skc"), 0, 4), nullptr, true, false);
        if (catalogue->GetCount() != LISTS) {
            state.SkipWithError("the catalogue did not load its lists");
            break;
        }
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        catalogue.reset();
        const auto end = std::chrono::steady_clock::now();
        worstMs = std::max(worstMs, std::chrono::duration<double, std::milli>(end - start).count());
    }
    // Every level of every list wrote its cursor.
    const std::string written = folder.Dir.ReadHostFile("otcraps.ini");
    if (!folder.Written || written.find("[l63.skl]") == std::string::npos)
        state.SkipWithError("the cursors were not written");
    state.counters["WorstMs"] = worstMs;
    state.counters["GoalMs"] = 200;
}
BENCHMARK(BM_DeleteCatalogueOf64Lists)->Unit(benchmark::kMillisecond)->Iterations(Runs(5));

} // namespace

BENCHMARK_MAIN();
