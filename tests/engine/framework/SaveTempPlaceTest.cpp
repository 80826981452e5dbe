// Whatever stands where the save is first written (its temporary name) is taken out of the way,
// a folder kept aside whole; one that cannot be moved is named in the box with the reason.
#include "PlayerMgrFakes.h"

#include "platform/host/VirtualPath.h"
#include "support/FileBytes.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using Boxes = std::vector<std::string>;

class SaveTempPlace : public SaveFolder {
protected:
    ~SaveTempPlace() override { TVirtualPaths::SetPlayerRoot(""); }
    // A fresh file with Ann made and seated.
    void Start() {
        Mgr = std::make_unique<TPlayerMgr>(&Frame, "c:\\data\\", 3, 20);
        Mgr->SetSaveFileHost(&Host);
        ASSERT_TRUE(Mgr->LoadSaveFile());
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 1, 500.0) && Mgr->ActivatePlayer(0, 0));
    }
    void AnnWins(double bankroll) {
        TPlayerData data;
        data.Decode(Mgr->GetDataBlock(0), 31);
        data.SetBankroll(bankroll);
        data.Encode(Mgr->GetDataBlock(0), 31);
    }
    double AnnOnDisk() const {
        TPlayerData data;
        data.Decode(reinterpret_cast<const u8*>(SaveBytes().data()) + 24, 31);
        return data.GetBankroll();
    }
    void MakeFolder() {
        std::filesystem::create_directory(Temp);
        Dir.WriteHostFile("data/jorp.tmp/notes.txt", "the player's");
    }

    std::filesystem::path Temp = Dir.Host("data/jorp.tmp");
    std::unique_ptr<TPlayerMgr> Mgr;
};

TEST_F(SaveTempPlace, WhateverStandsThereIsTakenOutOfTheWayAndTheSaveGetsThrough) {
    const std::filesystem::path elsewhere = Dir.Host("elsewhere.txt");
    const struct {
        const char* What;
        bool AtTheStart;
        std::function<void()> Make;
        bool KeptAside;
        // What the file a link points at holds afterwards; null when there must be none.
        const char* Elsewhere;
    } cases[] = {
        {"a folder found at the start", true, [this] { MakeFolder(); }, true, nullptr},
        {"a folder made during play", false, [this] { MakeFolder(); }, true, nullptr},
        {"a FIFO", false, [this] { ASSERT_EQ(::mkfifo(Temp.c_str(), 0600), 0); }, false, nullptr},
        // Only the link goes: nothing is written where it points.
        {"a link to nowhere", false, [&] { std::filesystem::create_symlink(elsewhere, Temp); },
         false, nullptr},
        {"a link to a file", false,
         [&] {
             Dir.WriteHostFile("elsewhere.txt", "kept");
             std::filesystem::create_symlink(elsewhere, Temp);
         },
         false, "kept"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::filesystem::remove_all(Dir.Host("data"));
        std::filesystem::create_directories(Dir.Host("data"));
        std::filesystem::remove(elsewhere);
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        if (c.AtTheStart)
            c.Make();
        Start();
        if (!c.AtTheStart)
            c.Make();
        AnnWins(612.5);
        EXPECT_TRUE(Mgr->SaveFile());
        Mgr.reset();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Frame.Boxes.empty());
        EXPECT_EQ(AnnOnDisk(), 612.5);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(Temp)));
        if (c.KeptAside) {
            EXPECT_EQ(Dir.ReadHostFile("data/jorp.old/notes.txt"), "the player's");
            EXPECT_NE(said.find("<c:\\data\\jorp.tmp> is kept as jorp.old"), std::string::npos)
                << said;
        } else {
            EXPECT_FALSE(InData("jorp.old"));
        }
        EXPECT_FALSE(InData("jorp.bad"));
        if (c.Elsewhere != nullptr)
            EXPECT_EQ(Dir.ReadHostFile("elsewhere.txt"), c.Elsewhere);
        else
            EXPECT_FALSE(std::filesystem::exists(elsewhere));
    }
}

TEST_F(SaveTempPlace, AFolderThatCannotBeMovedIsNamedOnceWithTheReason) {
    Start();
    MakeFolder();
    // Every name a folder could be kept under is taken.
    Dir.WriteHostFile("data/jorp.old", "");
    for (int n = 1; n <= 99; ++n)
        Dir.WriteHostFile("data/jorp.o" + std::string(n < 10 ? "0" : "") + std::to_string(n), "");
    const std::string before = SaveBytes();
    AnnWins(700.0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mgr->SaveFile());
    EXPECT_FALSE(Mgr->SaveSeatedPlayers());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Frame.Boxes, Boxes{"Write Save File Failed\n<c:\\data\\jorp.tmp>\nis a folder where "
                                 "the save is first written, and it cannot be moved aside "
                                 "(jorp.old and jorp.o01 to jorp.o99 are all taken).\nThe "
                                 "gamblers of this run were not saved: move some of those "
                                 "elsewhere so that the game can save them."});
    EXPECT_NE(said.find("<c:\\data\\jorp.tmp> is a folder"), std::string::npos) << said;
    EXPECT_EQ(SaveBytes(), before);
    EXPECT_EQ(Dir.ReadHostFile("data/jorp.tmp/notes.txt"), "the player's");

    // A name free again: the folder goes there and the save gets through.
    std::filesystem::remove(Dir.Host("data/jorp.o42"));
    EXPECT_TRUE(Mgr->SaveFile());
    EXPECT_EQ(AnnOnDisk(), 700.0);
    EXPECT_EQ(Dir.ReadHostFile("data/jorp.o42/notes.txt"), "the player's");
    EXPECT_EQ(Frame.Boxes.size(), 1U);
}

// Only a name in use sends the move on to the next name: any other refusal would meet them all.
TEST_F(SaveTempPlace, AMoveRefusedForAnotherReasonTriesNoFurtherName) {
    Start();
    MakeFolder();
    const std::string before = SaveBytes();
    AnnWins(800.0);
    Host.Armed = TFaultyHost::FailMove;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mgr->SaveFile());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Frame.Boxes, Boxes{"Write Save File Failed\n<c:\\data\\jorp.tmp>\nis a folder where "
                                 "the save is first written, and it cannot be moved aside "
                                 "(Input/output error)."});
    EXPECT_FALSE(InData("jorp.old") || InData("jorp.o01"));
    EXPECT_EQ(Dir.ReadHostFile("data/jorp.tmp/notes.txt"), "the player's");
    EXPECT_EQ(SaveBytes(), before);
}

// Installed, the program's folder is not the player's, and may be on another disk or closed to
// him: a folder found under the temporary name is kept among his files, never beside the program.
TEST_F(SaveTempPlace, AFolderKeptAsideStaysInThePlayersFolderAndNothingGoesBesideTheProgram) {
    const auto tree = [](const std::filesystem::path& root) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            names.insert(std::filesystem::relative(entry.path(), root).string());
        return names;
    };
    const TScratchDir player("player");
    TVirtualPaths::SetPlayerRoot(player.Path.string());
    std::filesystem::create_directories(player.Path / "data" / "otcraps.tmp");
    std::ofstream(player.Path / "data" / "otcraps.tmp" / "notes.txt") << "the player's";
    const std::set<std::string> beside = tree(Dir.Path);
    testing::internal::CaptureStderr();
    TCasinoSizedMgr mgr(&Frame, "c:\\data\\", 3, 20);
    EXPECT_TRUE(mgr.LoadSaveFile());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Frame.Boxes.empty());
    EXPECT_EQ(ReadFileBytes(player.Path / "data" / "otcraps.sav").size(), 264131U);
    EXPECT_EQ(ReadFileBytes(player.Path / "data" / "otcraps.old" / "notes.txt"), "the player's");
    EXPECT_NE(
        said.find((player.Path / "data" / "otcraps.tmp").string() + " is kept as otcraps.old"),
        std::string::npos)
        << said;
    EXPECT_EQ(tree(Dir.Path), beside);
}

// A folder cleared away keeps a name of its own: the names a damaged save is kept under stay
// the damaged saves', so the box that names one names the player's old save.
TEST_F(SaveTempPlace, AFolderClearedAwayLeavesTheDamagedSavesNamesToThem) {
    MakeFolder();
    Dir.WriteHostFile("data/jorp.sav", "damaged");
    Mgr = std::make_unique<TPlayerMgr>(&Frame, "c:\\data\\", 3, 20);
    Mgr->SetSaveFileHost(&Host);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(Mgr->LoadSaveFile());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Frame.Boxes, Boxes{"Save File Corrupted\nThe old file is kept as jorp.bad.\nNo "
                                 "gambler could be recovered from it."});
    EXPECT_EQ(SaveBytes("jorp.bad"), "damaged");
    EXPECT_EQ(Dir.ReadHostFile("data/jorp.old/notes.txt"), "the player's");
}

} // namespace
