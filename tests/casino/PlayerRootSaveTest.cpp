// The names the save is kept under at the root, in the player's own folder and never in the
// program's: installed, the two are apart, and the program's is only read.
#include "RecordsFixture.h"

#include "platform/host/VirtualPath.h"
#include "support/FileBytes.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class PlayerRootSave : public CasinoRecords {
protected:
    PlayerRootSave() { TVirtualPaths::SetPlayerRoot(Player.Path.string()); }
    ~PlayerRootSave() override { TVirtualPaths::SetPlayerRoot(""); }
    void TearDown() override {
        // The run ends while the player's folder is the one it was played in.
        testing::internal::CaptureStderr();
        CasinoRecords::TearDown();
        testing::internal::GetCapturedStderr();
    }

    const TScratchDir Player{"player"};
};

// The data folder in the way twice over: the run goes beside it under the first free kept name,
// here otcraps.b01, and a folder standing under the temporary name there is moved to otcraps.old;
// all of them in the player's folder.
TEST_F(PlayerRootSave, TheRunKeptOutsideADataFolderInTheWayStaysInThePlayersFolder) {
    std::filesystem::create_directories(Player.Path / "data");
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    Mgr->Save();
    std::filesystem::remove_all(Player.Path / "data");
    std::ofstream(Player.Path / "data", std::ios::binary) << "the player's";
    std::ofstream(Player.Path / "otcraps.bad", std::ios::binary) << "an earlier run";
    std::filesystem::create_directories(Player.Path / "otcraps.tmp" / "inside");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFileBytes(Player.Path / "otcraps.b01").size(), 264131U);
    EXPECT_TRUE(std::filesystem::is_directory(Player.Path / "otcraps.old" / "inside"));
    EXPECT_EQ(ReadFileBytes(Player.Path / "otcraps.bad"), "an earlier run");
    for (const char* name : {"otcraps.b01", "otcraps.old", "otcraps.tmp", "otcraps.bad"})
        EXPECT_FALSE(std::filesystem::exists(Dir.Host(name))) << name;
}

} // namespace
