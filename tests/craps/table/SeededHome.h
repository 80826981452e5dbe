// Test support: a player's folder as the real program leaves it after its first run (Joe seated),
// with more gamblers put in the save beside him.
#pragma once

#include "ProgramRun.h"
#include "SaveRecords.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

struct TSeedGambler {
    const char* Name;
    u8 Sex;
    double Bankroll;
};

// The folder holds `home/` after a first run, the save there with `others` in records 1 on; null
// when the build wrote no data set or the first run left no save of the game's size.
inline std::unique_ptr<TTempDir> SeededHome(char tag, const std::vector<TSeedGambler>& others) {
    namespace fs = std::filesystem;
    if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
        return nullptr;
    auto seed = std::make_unique<TTempDir>(tag);
    seed->WriteHostFile("first.txt", "2500 click 400 300\n3000 close\n");
    const TProgramRun first =
        RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + seed->Host("first.txt").string()},
                   seed->Host("home").string());
    const fs::path save = seed->Host("home/data/otcraps.sav");
    std::string bytes = ReadSaveFile(save);
    if (first.Code != 0 ||
        bytes.size() != SaveHeaderSize + SaveRecordCount * TCasinoPlayerData::EncodedSize)
        return nullptr;
    // Each made from Joe's record, so that only the name, sex and bankroll differ.
    TCasinoPlayerData record = GamblersIn(bytes)[0];
    for (size_t i = 0; i < others.size(); ++i) {
        record.SetName(others[i].Name);
        record.SetSex(others[i].Sex);
        record.SetBankroll(others[i].Bankroll);
        PutGambler(bytes, i + 1, record);
    }
    std::ofstream(save, std::ios::binary | std::ios::trunc) << bytes;
    return seed;
}
