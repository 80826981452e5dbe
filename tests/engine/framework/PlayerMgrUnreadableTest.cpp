// A save file that cannot be read is not a damaged one: it stays as it is, the player is told
// once why, and the game goes on from memory without saving where the disk fails, or saves the
// run beside it where what stands there refuses the game or is no file; an unusable player's
// folder is left alone without a word.
#include "PlayerMgrFakes.h"

#include "platform/host/VirtualPath.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using Boxes = std::vector<std::string>;

std::string Unreadable(const char* reason) {
    return std::string("The gamblers cannot be loaded: the save file\n<c:\\data\\jorp.sav>\n"
                       "cannot be read (") +
           reason + ").\n\nNothing will be saved until the game is started again.";
}

// What stands in the file's place, said as the settings' box says it, and the run saved beside
// it.
std::string NoFile(const char* is) {
    return std::string("The gamblers cannot be loaded: the save file\n<c:\\data\\jorp.sav>\nis ") +
           is +
           ".\n\nIt is left as it is, and the gamblers of this run are saved beside it as "
           "jorp.bad.";
}

class UnreadableSave : public SaveFolder {
protected:
    ~UnreadableSave() override { TVirtualPaths::SetPlayerFolderUsable(true); }

    TPlayerMgr& Make() {
        Mgr = std::make_unique<TPlayerMgr>(&Frame, "c:\\data\\", 3, 20);
        Mgr->SetSaveFileHost(&Host);
        return *Mgr;
    }
    // A file of an earlier run holding Ann and Bob, with Bob stored as seated.
    void EarlierRun() {
        std::filesystem::remove(Dir.Host("data/jorp.sav"));
        ASSERT_TRUE(Make().LoadSaveFile());
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 150.0) && Mgr->CreatePlayer("Bob", 1, 250.0));
        ASSERT_TRUE(Mgr->ActivatePlayer(1, 0) && Mgr->SaveFile());
        Mgr.reset();
        SetPrevRun(1);
        Saved = SaveBytes();
        Frame.Boxes.clear();
    }
    // Whatever this run does, the file and the settings stay as the earlier run left them.
    void PlayWithoutSaving() {
        EXPECT_TRUE(Mgr->IsSavingDisabled());
        EXPECT_EQ(Mgr->CountUsed(), 0);
        ASSERT_TRUE(Mgr->CreatePlayer("Joe", 1, 500.0));
        ASSERT_TRUE(Mgr->ActivatePlayer(Mgr->FindPlayer("Joe"), 0));
        TPlayerData joe;
        ASSERT_TRUE(joe.Decode(Mgr->GetDataBlock(0), 31));
        joe.SetBankroll(42.0);
        joe.Encode(Mgr->GetDataBlock(0), 31);
        ASSERT_TRUE(Mgr->DeactivatePlayer(0));
        // Played from memory: what his seat wrote back is what he sits down with again.
        ASSERT_TRUE(Mgr->ActivatePlayer(0, 0));
        ASSERT_TRUE(joe.Decode(Mgr->GetDataBlock(0), 31));
        EXPECT_EQ(joe.GetName() + " " + std::to_string(joe.GetBankroll()), "Joe 42.000000");
        EXPECT_FALSE(Mgr->SaveFile());
        Mgr->FlushInactiveBlocks();
        Mgr.reset();
        EXPECT_EQ(SaveBytes(), Saved);
        EXPECT_EQ(Settings.GetStringN("Players", 0, "?"), "Bob");
        EXPECT_FALSE(InData("jorp.bad") || InData("jorp.tmp"));
    }

    std::unique_ptr<TPlayerMgr> Mgr;
    std::string Saved;
};

TEST_F(UnreadableSave, AFileTheDiskRefusesStaysAsItIsAndIsToldOnceWithItsReason) {
    const struct { int OpenError, ReadError; } cases[] = {{EIO, 0}, {0, EIO}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.OpenError << " " << c.ReadError);
        EarlierRun();
        Host.BadPath = "c:\\data\\jorp.sav";
        Host.OpenError = c.OpenError;
        Host.ReadError = c.ReadError;
        EXPECT_FALSE(Make().LoadSaveFile());
        EXPECT_EQ(Frame.Boxes,
                  Boxes{Unreadable(std::strerror(c.OpenError != 0 ? c.OpenError : c.ReadError))});
        PlayWithoutSaving();
        EXPECT_EQ(Frame.Boxes.size(), 1U);

        // Readable again at the next start: everybody is back.
        Host.BadPath.clear();
        Frame.Boxes.clear();
        ASSERT_TRUE(Make().LoadSaveFile());
        EXPECT_TRUE(Frame.Boxes.empty());
        EXPECT_EQ(Mgr->GetPlayerName(0) + Mgr->GetPlayerName(1), "AnnBob");
        EXPECT_EQ(Mgr->GetBankroll(1), 250.0);
        Mgr.reset();
    }
}

// A file that refuses the game (its permissions) may hold every gambler: it is left as it is,
// and the run, fresh, is saved beside it and told where; the next start that can read it has
// everybody back, and is told where the last run's gamblers are.
TEST_F(UnreadableSave, AFileThatRefusesTheGameIsLeftAsItIsAndTheRunSavedBesideIt) {
    for (const int refused : {EACCES, EPERM}) {
        SCOPED_TRACE(refused);
        std::filesystem::remove(Dir.Host("data/jorp.bad"));
        EarlierRun();
        Host.BadPath = "c:\\data\\jorp.sav";
        Host.OpenError = refused;
        ASSERT_TRUE(Make().LoadSaveFile());
        EXPECT_EQ(Frame.Boxes,
                  Boxes{std::string("The gamblers cannot be loaded: the save file\n<c:\\data\\jorp."
                                    "sav>\ncannot be read (") +
                        std::strerror(refused) +
                        ").\n\nIt is left as it is, and the gamblers of this run are saved "
                        "beside it as jorp.bad."});
        EXPECT_FALSE(Mgr->IsSavingDisabled());
        EXPECT_EQ(Mgr->CountUsed(), 0);
        ASSERT_TRUE(Mgr->CreatePlayer("Joe", 1, 500.0));
        EXPECT_TRUE(Mgr->SaveFile());
        Mgr.reset();
        EXPECT_EQ(Frame.Boxes.size(), 1U);
        EXPECT_EQ(SaveBytes(), Saved);
        EXPECT_EQ(SaveBytes("jorp.bad").size(), Saved.size());
        EXPECT_NE(SaveBytes("jorp.bad").find("Joe"), std::string::npos);
        EXPECT_FALSE(InData("jorp.tmp"));

        // Readable again at the next start: everybody is back, and the run kept beside named.
        Host.BadPath.clear();
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        ASSERT_TRUE(Make().LoadSaveFile());
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(Frame.Boxes,
                  Boxes{"Last Run Saved Under Another Name\nThe gamblers of the last run are not "
                        "in the save file\n<c:\\data\\jorp.sav>\nbut in\n<c:\\data\\jorp.bad>\nTo "
                        "play them, end the game and put that file in the save's place as "
                        "jorp.sav."});
        EXPECT_EQ(Mgr->GetPlayerName(0) + Mgr->GetPlayerName(1), "AnnBob");
        Mgr.reset();
    }
}

TEST_F(UnreadableSave, ASaveFileThatIsADirectoryIsOneBoxAndIsLeftAlone) {
    EarlierRun();
    std::filesystem::remove(Dir.Host("data/jorp.sav"));
    std::filesystem::create_directory(Dir.Host("data/jorp.sav"));
    Dir.WriteHostFile("data/jorp.sav/inside", "kept");
    EXPECT_TRUE(Make().LoadSaveFile());
    EXPECT_EQ(Frame.Boxes, Boxes{NoFile("a folder")});
    EXPECT_EQ(Mgr->CountUsed(), 0);
    ASSERT_TRUE(Mgr->CreatePlayer("Joe", 1, 500.0) && Mgr->ActivatePlayer(0, 0));
    EXPECT_TRUE(Mgr->SaveFile());
    Mgr.reset();
    EXPECT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(Dir.ReadHostFile("data/jorp.sav/inside"), "kept");
    EXPECT_NE(SaveBytes("jorp.bad").find("Joe"), std::string::npos);
    EXPECT_FALSE(InData("jorp.tmp"));
}

TEST_F(UnreadableSave, AFifoOrADeviceInTheFilesPlaceIsNamedForWhatItIsAndLeftAlone) {
    const std::filesystem::path save = Dir.Host("data/jorp.sav");
    const struct {
        const char* What;
        std::function<void()> Make;
    } cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(save.c_str(), 0600), 0); }},
        {"a link to a device", [&] { std::filesystem::create_symlink("/dev/null", save); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        EarlierRun();
        std::filesystem::remove(save);
        c.Make();
        std::filesystem::remove(Dir.Host("data/jorp.bad"));
        EXPECT_TRUE(Make().LoadSaveFile());
        EXPECT_EQ(Frame.Boxes, Boxes{NoFile("not a file (a FIFO, a device or a socket)")});
        EXPECT_TRUE(Mgr->SaveFile());
        Mgr.reset();
        EXPECT_EQ(Frame.Boxes.size(), 1U);
        EXPECT_FALSE(std::filesystem::is_regular_file(std::filesystem::symlink_status(save)));
        EXPECT_EQ(SaveBytes("jorp.bad").size(), Saved.size());
        EXPECT_FALSE(InData("jorp.tmp"));
    }
}

TEST_F(UnreadableSave, AMissingFileIsStillMadeAfreshAndADamagedOneSetAside) {
    EarlierRun();
    std::filesystem::remove(Dir.Host("data/jorp.sav"));
    ASSERT_TRUE(Make().LoadSaveFile());
    EXPECT_EQ(Frame.Boxes, (Boxes{"Save File Not Found", "Creating New Save File"}));
    EXPECT_FALSE(Mgr->IsSavingDisabled());
    EXPECT_EQ(SaveBytes().size(), Saved.size());

    // Read whole and wrong: set aside and replaced, as before.
    Dir.WriteHostFile("data/jorp.sav", Saved.substr(1));
    Frame.Boxes.clear();
    ASSERT_TRUE(Make().LoadSaveFile());
    EXPECT_EQ(SaveBytes("jorp.bad"), Saved.substr(1));
    EXPECT_EQ(SaveBytes().size(), Saved.size());
    EXPECT_EQ(Frame.Boxes.size(), 2U);
}

TEST_F(UnreadableSave, WithThePlayerFolderUnusableNothingIsTouchedAndNothingMoreIsSaid) {
    EarlierRun();
    // Damaged, even: it is not looked at.
    Dir.WriteHostFile("data/jorp.sav", "not a save file");
    Dir.WriteHostFile("data/jorp.tmp", "left by a crash");
    Saved = SaveBytes();
    TVirtualPaths::SetPlayerFolderUsable(false);
    EXPECT_FALSE(Make().LoadSaveFile());
    EXPECT_TRUE(Frame.Boxes.empty());
    ASSERT_TRUE(Mgr->CreatePlayer("Joe", 1, 500.0) && Mgr->ActivatePlayer(0, 0));
    EXPECT_FALSE(Mgr->SaveFile());
    Mgr.reset();
    EXPECT_TRUE(Frame.Boxes.empty());
    EXPECT_EQ(SaveBytes(), Saved);
    EXPECT_EQ(SaveBytes("jorp.tmp"), "left by a crash");
    EXPECT_FALSE(InData("jorp.bad"));
}

} // namespace
