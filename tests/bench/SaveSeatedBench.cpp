// The cost of saving the seated gamblers as a shoot ends: the casino's 264,131-byte file read,
// three records laid over it, and the whole written beside it, flushed to the disk and renamed
// into place. The folder is a fresh one under OTCRAPS_TEST_TMP (else the system's temporary
// folder), which should be on the disk the player's folder is on.
#include "casino/CasinoPlayerData.h"
#include "casino/CasinoPlayerMgr.h"
#include "casino/GamblerRecord.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/PlayerMgrOwner.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

class TQuietFrame : public TPlayerMgrOwner {
public:
    void ShowPlayerMessage(const std::string&, const std::string&) override {}
    TModeWindowApi* GetCurrentModeWindow() const override { return nullptr; }
};

void SeatedGamblersSaved(benchmark::State& state) {
    TTempDir dir;
    std::filesystem::create_directories(dir.Host("data"));
    TJorpIniFile settings{"c:", "\\", "otcraps", "otcraps.ini", true};
    TEngineContext::Settings = &settings;
    {
        TQuietFrame frame;
        TCasinoPlayerMgr players(&frame, "c:\\data\\", 3, 20, false);
        for (const char* name : {"Ann", "Bob"})
            players.ActivatePlayer(
                players.CreatePlayer(name, 1, 100.0) ? players.FindPlayer(name) : i16{-1}, 0);
        if (players.CountActive() != 3)
            state.SkipWithError("three gamblers could not be seated");
        double bankroll = 0;
        for (auto _ : state) {
            TGamblerRecord(std::span(players.GetDataBlock(players.GetActive(0)),
                                     TCasinoPlayerData::EncodedSize))
                .SetBankroll(bankroll += 1);
            if (!players.SaveSeatedPlayers())
                state.SkipWithError("the save failed");
        }
    }
    TEngineContext::Settings = nullptr;
}
BENCHMARK(SeatedGamblersSaved)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
