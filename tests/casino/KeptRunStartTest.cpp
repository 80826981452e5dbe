// A start whose save's place cannot take the run saves it under a kept name in the player's own
// folder, told with where; and the next start tells where the last run's gamblers are when they
// are not in the save.
#include "KeptRunFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;

using KeptRunStart = KeptRunFixture;

std::string LastRunBox(const std::string& save, const std::string& kept) {
    return "Last Run Saved Under Another Name\nThe gamblers of the last run are not in the save "
           "file\n" +
           save + "\nbut in\n" + kept +
           "\nTo play them, end the game and put that file in the save's place as otcraps.sav.";
}

// The data folder a file, a link to nothing or a loop of links: the start plays a fresh run and
// saves it beside that folder, the settings beside it too; the next start, the folder still in
// the way, names the last run's file before saving its own under the next name.
TEST_F(KeptRunStart, AStartWhoseDataFolderIsNoFolderSavesTheRunInThePlayersFolder) {
    const fs::path data = Player.Path / "data";
    const struct {
        const char* What;
        std::function<void()> Take;
    } cases[] = {
        {"a file", [&] { std::ofstream(data, std::ios::binary) << "the player's"; }},
        {"a link to nothing", [&] { fs::create_symlink(Player.Path / "elsewhere", data); }},
        {"a link to nothing", [&] { fs::create_symlink(data, data); }},
    };
    const std::string save = Host("data/otcraps.sav");
    const auto saved = [&](const std::string& standing, const std::string& kept) {
        return "The gamblers cannot be loaded: the save file\n" + save + "\ncannot be read: its " +
               "folder " + data.string() + " is " + standing +
               ".\n\nThat folder is left as it is, and the gamblers of this run are saved beside "
               "it as\n" +
               kept +
               "\nMake that folder again and put the file in it as otcraps.sav to play them at "
               "the next start.";
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Mgr.reset();
        for (const char* name : {"data", "otcraps.bad", "otcraps.b01", "otcraps.ini"})
            fs::remove_all(Player.Path / name);
        Frame.Boxes.clear();
        c.Take();
        Start();
        EXPECT_EQ(Frame.Boxes, Texts{saved(c.What, Host("otcraps.bad"))});
        EXPECT_FALSE(Mgr->IsSavingDisabled());
        EXPECT_TRUE(SavePoint(777.0));
        End();
        EXPECT_EQ(JoeIn("otcraps.bad"), 777.0);
        EXPECT_EQ(SavedAs(), "c:\\otcraps.bad");
        EXPECT_NE(ReadFileBytes(Player.Path / "otcraps.ini").find("Joe Gambler"),
                  std::string::npos);

        Frame.Boxes.clear();
        Start();
        EXPECT_EQ(Frame.Boxes, (Texts{LastRunBox(save, Host("otcraps.bad")),
                                      saved(c.What, Host("otcraps.b01"))}));
        EXPECT_EQ(JoeIn("otcraps.bad"), 777.0);
        EXPECT_EQ(SavedAs(), "c:\\otcraps.b01");
    }
}

// A loop of links in the save's place at the start: the run, fresh, is saved beside it, told
// with the system's reason, and the loop is left as it is.
TEST_F(KeptRunStart, ALoopOfLinksInTheSavesPlaceAtTheStartHasTheRunSavedBesideIt) {
    const fs::path save = Player.Path / "data/otcraps.sav";
    fs::create_symlink(save, save);
    Start();
    EXPECT_EQ(Frame.Boxes, Texts{"The gamblers cannot be loaded: the save file\n" + save.string() +
                                 "\ncannot be read (Too many levels of symbolic links).\n\nIt is "
                                 "left as it is, and the gamblers of this run are saved beside it "
                                 "as otcraps.bad."});
    EXPECT_TRUE(SavePoint(777.0));
    End();
    EXPECT_EQ(JoeIn("data/otcraps.bad"), 777.0);
    EXPECT_TRUE(fs::is_symlink(save));
}

// A damaged save in a data folder that takes no new file (full, read-only) stays where it was,
// and the gamblers recovered from it are saved in the player's folder, told with where; the
// run's later saves go on there, and the damaged file is never touched.
TEST_F(KeptRunStart, ADamagedSaveInADataFolderThatTakesNoNewFileIsRecoveredIntoThePlayersFolder) {
    for (const int refused : {ENOSPC, EROFS}) {
        SCOPED_TRACE(refused);
        PlayAgain();
        Mgr.reset();
        const std::string damaged = ReadFileBytes(Player.Path / "data/otcraps.sav") + "x";
        std::ofstream(Player.Path / "data/otcraps.sav", std::ios::binary) << damaged;
        Refusing.Error = refused;
        Start();
        ASSERT_EQ(Frame.Boxes.size(), 1U) << Said;
        const std::string& box = Frame.Boxes[0];
        EXPECT_EQ(box.rfind("Save File Corrupted\n" + Host("data/otcraps.sav") +
                                "\nis damaged, and the file to replace it cannot be written (" +
                                std::strerror(refused) + "), so it stays where it was.\n",
                            0),
                  0U)
            << box;
        const std::string end = "\nThe gamblers of this run are saved instead as\n" +
                                Host("otcraps.bad") +
                                "\nPut that file in the save's place as otcraps.sav to play them "
                                "at the next start.";
        ASSERT_GT(box.size(), end.size());
        EXPECT_EQ(box.substr(box.size() - end.size()), end);
        EXPECT_FALSE(Mgr->IsSavingDisabled());
        EXPECT_TRUE(SavePoint(777.0));
        End();
        EXPECT_EQ(Frame.Boxes.size(), 1U);
        EXPECT_EQ(JoeIn("otcraps.bad"), 777.0);
        EXPECT_TRUE(ReadFileBytes(Player.Path / "data/otcraps.sav") == damaged);
    }
}

// Where the last run went under a kept name, the next start says so before anything else,
// whether the save it finds is the one the last run left standing or gone; a start that finds
// the kept file put in the save's place, as the player was told, says nothing of it.
TEST_F(KeptRunStart, TheNextStartTellsWhereTheLastRunsGamblersAre) {
    const std::string save = Host("data/otcraps.sav");
    const struct {
        const char* What;
        std::function<void()> Before;
        Texts Boxes;
        double Joe;
    } cases[] = {
        {"the save standing", [] {}, {LastRunBox(save, Host("otcraps.bad"))}, 500.0},
        {"the save gone",
         [&] { fs::remove(Player.Path / "data/otcraps.sav"); },
         {LastRunBox(save, Host("otcraps.bad")), "Save File Not Found", "Creating New Save File",
          "Save File Saved Under Another Name\n" + save +
              "\ncannot be written (No space left on device).\nThe "
              "gamblers of this run are saved instead as\n" +
              Host("otcraps.b01") +
              "\nPut that file in the save's place as otcraps.sav to play them at the next "
              "start."},
         500.0},
        {"the kept file put in its place",
         [&] {
             Refusing.Error = 0;
             fs::copy_file(Player.Path / "otcraps.bad", Player.Path / "data/otcraps.sav",
                           fs::copy_options::overwrite_existing);
         },
         {},
         777.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Mgr.reset();
        for (const char* name : {"data", "otcraps.bad", "otcraps.b01"})
            fs::remove_all(Player.Path / name);
        fs::create_directories(Player.Path / "data");
        Refusing.Error = 0;
        Frame.Boxes.clear();
        Settings.WriteInt("System", "PrevRun", 0);
        Play();
        Settings.WriteInt("System", "PrevRun", 1);
        Refusing.Error = ENOSPC;
        EXPECT_TRUE(SavePoint(777.0));
        End();
        EXPECT_EQ(SavedAs(), "c:\\otcraps.bad");

        c.Before();
        Frame.Boxes.clear();
        Start();
        EXPECT_EQ(Frame.Boxes, c.Boxes);
        EXPECT_EQ(Joe().GetBankroll(), c.Joe);
        EXPECT_EQ(JoeIn("otcraps.bad"), 777.0);
        End();
    }
}

} // namespace
