// A save kept behind a symbolic link (in a synced folder, say): read and written through the
// link, which stays; a link that leads nowhere yet is left alone and the run saved beside it.
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

class LinkedSave : public CasinoRecords {
protected:
    TGamblerRecord Joe() {
        return TGamblerRecord(std::span(Mgr->GetDataBlock(Mgr->GetActive(0)), CasinoRecordSize));
    }
    std::filesystem::path Place() const { return Dir.Host("data/otcraps.sav"); }
};

// Every save, another program's version kept aside among them, reaches the linked file; the
// link stays, and nothing is left beside the linked file.
TEST_F(LinkedSave, ASaveBehindALinkIsReadAndWrittenThroughIt) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    Mgr.reset();
    const std::filesystem::path linked = Dir.Host("synced/mine.sav");
    std::filesystem::create_directories(linked.parent_path());
    std::filesystem::rename(Place(), linked);
    std::filesystem::create_symlink(linked, Place());
    Frame.Boxes.clear();
    Make();
    EXPECT_EQ(Frame.Boxes, Texts{});
    EXPECT_GE(Mgr->FindPlayer("Ann"), 0);
    Joe().SetBankroll(777.0);
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    EXPECT_EQ(Frame.Boxes, Texts{});
    EXPECT_TRUE(std::filesystem::is_symlink(Place()));
    EXPECT_EQ(
        Decoded(Dir.ReadHostFile("synced/mine.sav").substr(231, CasinoRecordSize)).GetBankroll(),
        777.0);

    const std::string other = Dir.ReadHostFile("synced/mine.sav") + "more";
    Dir.WriteHostFile("synced/mine.sav", other);
    Joe().SetBankroll(778.0);
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("That version is kept as otcraps.bad"), std::string::npos);
    EXPECT_TRUE(File("otcraps.bad") == other);
    EXPECT_FALSE(std::filesystem::is_symlink(Dir.Host("data/otcraps.bad")));
    Mgr.reset();
    EXPECT_TRUE(std::filesystem::is_symlink(Place()));
    const std::string saved = Dir.ReadHostFile("synced/mine.sav");
    ASSERT_EQ(saved.size(), 264131U);
    EXPECT_EQ(Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll(), 778.0);
    EXPECT_EQ(std::vector<std::filesystem::path>(
                  std::filesystem::directory_iterator(linked.parent_path()), {}),
              std::vector<std::filesystem::path>{linked});
}

// The folder the link leads into is not mounted yet: no fresh file takes the link's place; the
// run is saved beside it, told as a save point tells it, and its saves go on there.
TEST_F(LinkedSave, ALinkToNothingAtTheStartIsLeftAloneAndTheRunSavedBesideIt) {
    Settings.WriteInt("System", "PrevRun", 1);
    const std::filesystem::path linked = Dir.Host("unmounted/mine.sav");
    std::filesystem::create_symlink(linked, Place());
    testing::internal::CaptureStderr();
    Make();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: something that is no file stands in the save's place: "
              "<c:\\data\\otcraps.sav> is a link to nothing, left as it is; the gamblers of this "
              "run are saved beside it as otcraps.bad\n");
    EXPECT_EQ(Frame.Boxes,
              Texts{"Save File Saved Under Another Name\n<c:\\data\\otcraps.sav>\nis a link to "
                    "nothing, which is left as it is.\nThe gamblers of this run are saved beside "
                    "it as otcraps.bad; put that file in its place to play them at the next "
                    "start."});
    EXPECT_TRUE(std::filesystem::is_symlink(Place()));
    EXPECT_FALSE(std::filesystem::exists(linked.parent_path()));
    Frame.Boxes.clear();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    Joe().SetBankroll(777.0);
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    Mgr.reset();
    EXPECT_EQ(Frame.Boxes, Texts{});
    const std::string saved = File("otcraps.bad");
    ASSERT_EQ(saved.size(), 264131U);
    EXPECT_EQ(Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll(), 777.0);
    EXPECT_EQ(Decoded(saved.substr(231 + CasinoRecordSize, CasinoRecordSize)).GetName(), "Ann");
    EXPECT_TRUE(std::filesystem::is_symlink(Place()));
}

} // namespace
