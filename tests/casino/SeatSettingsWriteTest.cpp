// The seated gamblers' names at a save point: the settings file is rewritten once however many
// of them changed, and not at all when none did.
#include "RecordsFixture.h"

#include "platform/host/PrivateProfile.h"

#include <gtest/gtest.h>

namespace {

// The host's disk, counting the replacements of settings files.
class TSettingsRenames : public TProfileDisk {
public:
    TSettingsRenames() { SetPrivateProfileDisk(this); }
    ~TSettingsRenames() override { SetPrivateProfileDisk(nullptr); }
    bool Rename(const std::string& from, const std::string& to) override {
        Count += to.ends_with(".ini") ? 1 : 0;
        return TProfileDisk::Rename(from, to);
    }
    int Count = 0;
};

using SeatSettingsWrite = CasinoRecords;

TEST_F(SeatSettingsWrite, ASavePointRewritesTheSettingsOnceAndOnlyForAChange) {
    SeatNames("", "");
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
    ASSERT_TRUE(Mgr->ActivatePlayer(Mgr->FindPlayer("Ann"), 0) &&
                Mgr->ActivatePlayer(Mgr->FindPlayer("Bob"), 0));
    TSettingsRenames renames;
    // Three seats' names changed.
    Mgr->Save();
    EXPECT_EQ(renames.Count, 1);
    EXPECT_EQ(Settings.GetStringN("Players", 0, "?"), "Joe Gambler");
    EXPECT_EQ(Settings.GetStringN("Players", 1, "?"), "Ann");
    EXPECT_EQ(Settings.GetStringN("Players", 2, "?"), "Bob");
    // Saved again as they sit, and left.
    Mgr->Save();
    Mgr.reset();
    EXPECT_EQ(renames.Count, 1);
}

} // namespace
