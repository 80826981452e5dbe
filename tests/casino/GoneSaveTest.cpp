// A save that is gone and cannot be written again where it was: saved beside a data folder that
// is no folder, in the player's own folder, or else told in plain words that the run is saved
// nowhere yet and what would let the game save it.
#include "DataFolderRefusing.h"
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"
#include "support/PlayerRoot.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The host's calls; with Full set, every write is refused as a full disk refuses it.
class TFillingHost : public TSaveFileHost {
public:
    bool Write(THostFile* file, const void* data, u32 count, u32* done) override {
        if (!Full)
            return TSaveFileHost::Write(file, data, count, done);
        LastError = ENOSPC;
        if (done != nullptr)
            *done = 0;
        return false;
    }
    bool Full = false;
};

class GoneSave : public CasinoRecords {
protected:
    // Joe seated and Ann made and saved; then Joe wins, in memory only.
    void Play(TSaveFileHost* host = nullptr) {
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, false,
                                                 host != nullptr ? host : &Filling);
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
        Mgr->Save();
        ASSERT_EQ(Frame.Boxes, Texts{});
        Joe().SetBankroll(777.0);
    }
    TGamblerRecord Joe() {
        return TGamblerRecord(std::span(Mgr->GetDataBlock(Mgr->GetActive(0)), CasinoRecordSize));
    }
    void ExpectRun(const std::string& saved, double joe) {
        ASSERT_EQ(saved.size(), 264131U);
        EXPECT_EQ(Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll(), joe);
        EXPECT_EQ(Decoded(saved.substr(231 + CasinoRecordSize, CasinoRecordSize)).GetName(), "Ann");
    }

    TFillingHost Filling;
    // Outlives the manager, which the fixture takes down last.
    TDataFolderRefusing Refusing;
};

// The data folder replaced by a file, a link to nothing or a loop of links: nothing can be made in
// it, so the run goes beside it into the player's own folder, told once with where and as what
// the folder is; the run's later saves go on there.
TEST_F(GoneSave, ADataFolderReplacedByAFileDuringPlayIsSavedBesideItInThePlayersFolder) {
    const std::filesystem::path data = Dir.Host("data");
    const struct {
        const char* Standing;
        std::function<void()> Take;
    } cases[] = {
        {"a file", [&] { Dir.WriteHostFile("data", "the player's"); }},
        {"a link to nothing",
         [&] { std::filesystem::create_symlink(Dir.Host("elsewhere"), data); }},
        {"a link to nothing", [&] { std::filesystem::create_symlink(data, data); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Standing);
        Mgr.reset();
        std::filesystem::remove_all(data);
        std::filesystem::remove(Dir.Host("otcraps.bad"));
        std::filesystem::create_directories(data);
        Frame.Boxes.clear();
        Play();
        std::filesystem::remove_all(data);
        c.Take();
        const std::string save = Dir.Host("data/otcraps.sav").string();
        const std::string folder = data.string();
        const std::string kept = Dir.Host("otcraps.bad").string();
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Mgr->SaveSeatedPlayers());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "otcraps: the save's folder cannot be used: " + folder + " is " + c.Standing +
                      ", left as it is; the gamblers of this run are saved beside it as " + kept +
                      "\n");
        EXPECT_EQ(Frame.Boxes,
                  Texts{"Save File Saved Under Another Name\n" + save +
                        "\ncannot be written: its folder " + folder + " is " + c.Standing +
                        ", which is left as it is.\nThe gamblers of this run are "
                        "saved beside it as\n" +
                        kept +
                        "\nMake that folder again and put the file in it as otcraps.sav to play "
                        "them at the next start."});
        ExpectRun(Dir.ReadHostFile("otcraps.bad"), 777.0);
        if (std::string(c.Standing) == "a file") {
            EXPECT_EQ(Dir.ReadHostFile("data"), "the player's");
        } else {
            EXPECT_TRUE(std::filesystem::is_symlink(data));
        }

        Frame.Boxes.clear();
        Joe().SetBankroll(778.0);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Mgr->SaveSeatedPlayers());
        Mgr->Save();
        Mgr.reset();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(Frame.Boxes, Texts{});
        ExpectRun(Dir.ReadHostFile("otcraps.bad"), 778.0);
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("otcraps.b01")));
        std::filesystem::remove(data);
    }
}

// Installed, the player's folder is not the program's. With the data folder replaced by a file
// and every name beside it taken, the question before the end and the error output name the
// save where the player has it, not the name tried for it in the folder above.
TEST_F(GoneSave, ADataFolderReplacedByAFileWithEveryKeptNameTakenIsNamedWhereThePlayerHasIt) {
    const TScratchDir player("player");
    const TPlayerRoot root(player.Path.string());
    std::filesystem::create_directories(player.Path / "data");
    Play();
    std::filesystem::remove_all(player.Path / "data");
    const auto write = [&player](const std::string& name) {
        std::ofstream(player.Path / name, std::ios::binary) << "the player's";
    };
    write("data");
    write("otcraps.bad");
    for (int n = 1; n <= 99; ++n)
        write("otcraps.b" + std::string(n < 10 ? "0" : "") + std::to_string(n));
    const std::string save = (player.Path / "data" / "otcraps.sav").string();
    const std::string what = "cannot be written: its folder " + (player.Path / "data").string() +
                             " is a file, which is left as it is, and no name is free to save "
                             "beside it (otcraps.bad and otcraps.b01 to otcraps.b99 are all taken)";
    const std::string advice = "he gamblers of this run were not saved: move some of those "
                               "elsewhere so that the game can save them";
    Frame.Answers = {false};
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mgr->SaveBeforeEnding());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: the save could not be written: " + save + " " + what + "; t" + advice +
                  "\n");
    EXPECT_EQ(Frame.Questions,
              Texts{"Write Save File Failed\n" + save + "\n" + what + ".\nT" + advice +
                    ".\n\nEnd the game without saving? Choose No to go back to the table, set "
                    "this right and end the game again."});
    EXPECT_EQ(Frame.Boxes, Texts{});
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("otcraps.sav")));
    EXPECT_EQ(ReadFileBytes(player.Path / "data"), "the player's");
    EXPECT_EQ(ReadFileBytes(player.Path / "otcraps.b99"), "the player's");
    // The run ends while the player's folder is the one it was played in.
    testing::internal::CaptureStderr();
    Mgr.reset();
    testing::internal::GetCapturedStderr();
}

// Removed while the disk is full: nothing of the run is anywhere. Said so in plain words once,
// with what would let the game save it, and once more as the game ends without it; room made
// before the end saves the run.
TEST_F(GoneSave, ASaveGoneThatCannotBeWrittenAgainIsToldSavedNowhere) {
    const std::string save = Dir.Host("data/otcraps.sav").string();
    const std::string gone = save + "\nis gone, and it cannot be written again (No space left on "
                                    "device).\n";
    const std::string nowhere =
        "The gamblers of this run are saved nowhere yet: free some space on the disk so that the "
        "game can save them; it tries again at the next save point and when the game ends.";
    for (const bool room : {false, true}) {
        SCOPED_TRACE(room ? "room made before the end" : "the disk full to the end");
        Mgr.reset();
        std::filesystem::remove_all(Dir.Host("data"));
        std::filesystem::create_directories(Dir.Host("data"));
        Filling.Full = false;
        Frame.Boxes.clear();
        Play();
        std::filesystem::remove(Dir.Host("data/otcraps.sav"));
        Filling.Full = true;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(Mgr->SaveSeatedPlayers());
        Joe().SetBankroll(778.0);
        EXPECT_FALSE(Mgr->SaveSeatedPlayers());
        Filling.Full = !room;
        Mgr->Save();
        Mgr.reset();
        const std::string said = testing::internal::GetCapturedStderr();
        const Texts full{"Write Save File Failed\n" + gone + nowhere};
        if (room) {
            ASSERT_EQ(Frame.Boxes.size(), 2U);
            EXPECT_EQ(Frame.Boxes[0], full[0]);
            EXPECT_EQ(Frame.Boxes[1].rfind("Save File Written Again\n", 0), 0U) << Frame.Boxes[1];
            ExpectRun(File(), 778.0);
            continue;
        }
        EXPECT_EQ(Frame.Boxes, (Texts{full[0], "Write Save File Failed\n" + gone +
                                                   "The game ends, and the gamblers of this run "
                                                   "are saved nowhere."}));
        const std::string line = "otcraps: the save could not be written: " + save +
                                 " is gone, and it cannot be written again (No space left on "
                                 "device); ";
        EXPECT_EQ(said, line +
                            "the gamblers of this run are saved nowhere yet: free some space "
                            "on the disk so that the game can save them; it tries again at "
                            "the next save point and when the game ends\n" +
                            line +
                            "the game ends, and the gamblers of this run are saved "
                            "nowhere\n");
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.sav")));
    }
}

// Found gone only at the end: the question says what would let the game save the run, and once
// the player chose to end without it, the leaving's saves tell it on the error output only.
TEST_F(GoneSave, ASaveGoneAtTheEndIsPutToThePlayerAndHisEndIsNotBoxedAgain) {
    Play();
    std::filesystem::remove(Dir.Host("data/otcraps.sav"));
    Filling.Full = true;
    const std::string save = Dir.Host("data/otcraps.sav").string();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Mgr->SaveBeforeEnding());
    Mgr->Save();
    Mgr.reset();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Frame.Questions,
              Texts{"Write Save File Failed\n" + save +
                    "\nis gone, and it cannot be written again (No space left on device).\nThe "
                    "gamblers of this run are saved nowhere yet: free some space on the disk so "
                    "that the game can save them.\n\nEnd the game without saving? Choose No to "
                    "go back to the table, set this right and end the game again."});
    EXPECT_EQ(Frame.Boxes, Texts{});
    EXPECT_NE(said.find("; the game ends, and the gamblers of this run are saved nowhere\n"),
              std::string::npos)
        << said;
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.sav")));
    Filling.Full = false;
}

// The save removed while only the data folder refuses new files, full or read-only: a logout's
// quit signal saves the run in the player's own folder under a kept name, said on the error
// output with where; nothing of it is lost.
TEST_F(GoneSave, ASaveGoneWhereTheDataFolderRefusesWritesIsSavedInThePlayersFolderAtAQuit) {
    for (const int refused : {ENOSPC, EROFS}) {
        SCOPED_TRACE(refused);
        Mgr.reset();
        std::filesystem::remove(Dir.Host("otcraps.bad"));
        std::filesystem::remove_all(Dir.Host("data"));
        std::filesystem::create_directories(Dir.Host("data"));
        Refusing.Error = 0;
        Play(&Refusing);
        std::filesystem::remove(Dir.Host("data/otcraps.sav"));
        Refusing.Error = refused;
        const TQuitSignalled quit;
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Mgr->SaveBeforeEnding());
        Mgr.reset();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Frame.Boxes, Texts{});
        const std::string kept = Dir.Host("otcraps.bad").string();
        EXPECT_EQ(said, "otcraps: the save's place cannot take the run: " +
                            Dir.Host("data/otcraps.sav").string() +
                            " is gone, and it cannot be written again (" + std::strerror(refused) +
                            "); the gamblers of this run are saved instead as " + kept + "\n");
        ExpectRun(Dir.ReadHostFile("otcraps.bad"), 777.0);
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.sav")));
    }
}

// The save still standing in a data folder that takes no new file (full, or read-only): each
// save point saves the run in the player's own folder, told once with where, the save left as
// the last save put it and never taken for another program's; a quit signal's end saves there
// too; once the folder takes files again the run goes back to its own place, told.
TEST_F(GoneSave, ASaveStandingInADataFolderThatTakesNoNewFileIsSavedInThePlayersFolder) {
    for (const int refused : {ENOSPC, EROFS, EACCES}) {
        SCOPED_TRACE(refused);
        Mgr.reset();
        std::filesystem::remove(Dir.Host("otcraps.bad"));
        std::filesystem::remove_all(Dir.Host("data"));
        std::filesystem::create_directories(Dir.Host("data"));
        Frame.Boxes.clear();
        Refusing.Error = 0;
        Play(&Refusing);
        const std::string before = Dir.ReadHostFile("data/otcraps.sav");
        Refusing.Error = refused;
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Mgr->SaveSeatedPlayers());
        Joe().SetBankroll(888.0);
        EXPECT_TRUE(Mgr->SaveSeatedPlayers());
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_EQ(Frame.Boxes.size(), 1U) << said;
        EXPECT_NE(Frame.Boxes[0].find(std::string("cannot be written (") + std::strerror(refused) +
                                      ").\nThe gamblers of this run are saved instead as\n" +
                                      Dir.Host("otcraps.bad").string()),
                  std::string::npos)
            << Frame.Boxes[0];
        ExpectRun(Dir.ReadHostFile("otcraps.bad"), 888.0);
        EXPECT_EQ(Dir.ReadHostFile("data/otcraps.sav"), before);
        {
            Joe().SetBankroll(999.0);
            const TQuitSignalled quit;
            testing::internal::CaptureStderr();
            EXPECT_TRUE(Mgr->SaveBeforeEnding());
            testing::internal::GetCapturedStderr();
        }
        ExpectRun(Dir.ReadHostFile("otcraps.bad"), 999.0);
        EXPECT_EQ(Frame.Boxes.size(), 1U);
        Refusing.Error = 0;
        EXPECT_TRUE(Mgr->SaveSeatedPlayers());
        ExpectRun(Dir.ReadHostFile("data/otcraps.sav"), 999.0);
        ASSERT_EQ(Frame.Boxes.size(), 2U);
        EXPECT_EQ(Frame.Boxes[1].rfind("Save File Written in Its Place\n", 0), 0U)
            << Frame.Boxes[1];
        Mgr.reset();
    }
}

// The data folder made a file after the run's last save point, and a quit signal with nothing
// played since: the run's file is gone from under it all the same, so the end saves it beside
// that file, in the player's folder.
TEST_F(GoneSave, ADataFolderMadeNoFolderAfterTheLastSavePointIsSavedBesideItAtAQuit) {
    Play();
    ASSERT_TRUE(Mgr->SaveSeatedPlayers());
    std::filesystem::remove_all(Dir.Host("data"));
    Dir.WriteHostFile("data", "the player's");
    const TQuitSignalled quit;
    testing::internal::CaptureStderr();
    Mgr.reset();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Frame.Boxes, Texts{});
    ExpectRun(Dir.ReadHostFile("otcraps.bad"), 777.0);
    EXPECT_EQ(Dir.ReadHostFile("data"), "the player's");
}

// A save the game may no longer read (its permissions changed while the game runs; the stand-in
// refuses its opens, as the tests run as root): it is left as it is, and the run is saved beside
// it, told once with where; the later saves, a quit signal's included, go on there.
TEST_F(GoneSave, ASaveTheGameCannotReadIsLeftAsItIsAndTheRunSavedBesideIt) {
    Play(&Host);
    const std::string before = File();
    Host.BadPath = "c:\\data\\otcraps.sav";
    Host.OpenError = EACCES;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: the save cannot be read: <c:\\data\\otcraps.sav> (Permission denied), left "
              "as it is; the gamblers of this run are saved beside it as otcraps.bad\n");
    EXPECT_EQ(Frame.Boxes,
              Texts{"Save File Saved Under Another Name\n<c:\\data\\otcraps.sav>\ncannot be read "
                    "(Permission denied), and is left as it is.\nThe gamblers of this run are "
                    "saved beside it as otcraps.bad; put that file in its place to play them at "
                    "the next start."});
    ExpectRun(File("otcraps.bad"), 777.0);

    Frame.Boxes.clear();
    Joe().SetBankroll(779.0);
    {
        const TQuitSignalled quit;
        testing::internal::CaptureStderr();
        Mgr.reset();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
    EXPECT_EQ(Frame.Boxes, Texts{});
    ExpectRun(File("otcraps.bad"), 779.0);
    EXPECT_TRUE(File() == before);
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.b01")));
    Host.BadPath.clear();
}

} // namespace
