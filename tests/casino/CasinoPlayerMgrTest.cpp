// The gambler manager: the first start, the gamblers seated last time, the force flag, resets,
// the twenty-gambler limit, the save file at the casino's size through every fault, the file's
// name, the two dialogs and what they stand over, creating with money, and the seat player.
#include "RecordsFixture.h"
#include "casino/GamblerRecord.h"

#include "casino/CasinoStatDialog.h"
#include "engine/framework/JorpApp.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/window/Window.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

class Gamblers : public CasinoRecords {
protected:
    std::vector<i16> Seats() const {
        return {Mgr->GetActive(0), Mgr->GetActive(1), Mgr->GetActive(2)};
    }
    // Joe left with 77.0, and Ann and Bob made; nobody stored as seated.
    void EarlierRun() {
        Make();
        TGamblerRecord(std::span(Mgr->GetDataBlock(0), TCasinoPlayerData::EncodedSize))
            .SetBankroll(77.0);
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
        SeatNames("", "");
        Frame.Boxes.clear();
    }
};

TEST_F(Gamblers, AFreshStartWritesTheWholeFileAndSeatsJoeGambler) {
    Make();
    ASSERT_EQ(File().size(), 264131U);
    EXPECT_TRUE(Frame.Boxes.empty());
    // The game data: the engine's stamps, a 1, then zeros.
    EXPECT_EQ(File().substr(8 + 16, 207), '\1' + std::string(206, '\0'));
    EXPECT_EQ(Seats(), (std::vector<i16>{0, -1, -1}));
    const TCasinoPlayerData joe = Decoded(RecordOnDisk(0));
    EXPECT_EQ(joe.GetName() + std::to_string(joe.GetUsed()) + std::to_string(joe.GetSex()),
              "Joe Gambler11");
    EXPECT_EQ(joe.GetBankroll() + joe.GetStartBankroll(), 1000.0);
    for (i16 r = 1; r < 20; ++r)
        ASSERT_EQ(RecordOnDisk(r), Encoded(TCasinoPlayerData())) << r;
    // Only the seated Joe's record is in memory.
    EXPECT_EQ(JorpRamInUse, 8U + 223U + CasinoRecordSize);
}

TEST_F(Gamblers, JoeKeepsHisBankrollStoredSeatsComeBackAndTheForceFlagSeatsANewJoe) {
    EarlierRun();
    const struct {
        const char* Stored[2];
        bool Force;
        std::vector<i16> Seats;
        double JoesBankroll;
    } cases[] = {
        {{"", ""}, false, {0, -1, -1}, 77.0},         {{"Bob", "Ann"}, false, {2, 1, -1}, 77.0},
        {{"Ghost", "Bob"}, false, {2, -1, -1}, 77.0}, {{"Ghost", ""}, false, {0, -1, -1}, 77.0},
        {{"Ann", "Bob"}, true, {0, -1, -1}, 500.0},
    };
    for (const auto& c : cases) {
        SeatNames(c.Stored[0], c.Stored[1]);
        Make(c.Force);
        EXPECT_EQ(Seats(), c.Seats) << c.Stored[0] << c.Force;
        EXPECT_EQ(Mgr->GetBankroll(Mgr->FindPlayer("Joe Gambler")), c.JoesBankroll);
        EXPECT_EQ(Mgr->CountUsed(), 3);
    }
}

TEST_F(Gamblers, DeletingResetsTheWholeRecordAndTwentyIsTheLimit) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->ActivatePlayer(1, 0));
    u8* ann = Mgr->GetDataBlock(1);
    std::fill(ann + 31, ann + CasinoRecordSize, u8{0x44});
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    ASSERT_NE(RecordOnDisk(1), Encoded(TCasinoPlayerData()));
    ASSERT_TRUE(Mgr->DeletePlayer(1));
    EXPECT_EQ(RecordOnDisk(1), Encoded(TCasinoPlayerData()));
    EXPECT_EQ(Mgr->GetDataBlock(1), nullptr);

    for (int n = 1; n < 20; ++n)
        ASSERT_TRUE(Mgr->CreatePlayer("G" + std::to_string(n), 1, 1.0)) << n;
    EXPECT_FALSE(Mgr->CreatePlayer("OneTooMany", 1, 1.0));
    EXPECT_EQ(Mgr->CountUsed(), 20);
    EXPECT_EQ(File().size(), 264131U);
}

TEST_F(Gamblers, AFaultAtAnySaveStepKeepsTheOldFileAndLeavingSavesEverything) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->ActivatePlayer(1, 0));
    for (TFaultyHost::TStep step :
         {TFaultyHost::FailRead, TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite,
          TFaultyHost::FailFlush, TFaultyHost::FailClose, TFaultyHost::FailMove}) {
        Frame.Boxes.clear();
        const std::string before = File();
        TGamblerRecord(std::span(Mgr->GetDataBlock(1), TCasinoPlayerData::EncodedSize))
            .SetBankroll(100.0 + static_cast<int>(step));
        Host.Armed = step;
        EXPECT_FALSE(Mgr->SaveFile()) << step;
        // The same failure again is not boxed until a save gets through.
        EXPECT_EQ(Frame.Boxes, step == TFaultyHost::FailRead
                                   ? Texts{WriteFailedBox("Write Save File Failed", "otcraps.sav")}
                                   : Texts{})
            << step;
        EXPECT_TRUE(File() == before && !std::filesystem::exists(Dir.Host("data/otcraps.tmp")))
            << step;
    }
    TGamblerRecord(std::span(Mgr->GetDataBlock(0), TCasinoPlayerData::EncodedSize))
        .SetBankroll(9.75);
    Mgr.reset();
    EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 9.75);
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetBankroll(),
              100.0 + static_cast<int>(TFaultyHost::FailMove));
    EXPECT_EQ(Settings.GetStringN("Players", 1, "?"), "Ann");
}

TEST_F(Gamblers, ADamagedFileIsKeptAsideAndGivesItsGamblersBackWhenMendedAndPutBack) {
    EarlierRun();
    const std::string good = File();
    Dir.WriteHostFile("data/otcraps.sav", good + "junk");
    Make();
    // Every record lies whole in a file that is only too long.
    EXPECT_EQ(Frame.Boxes, Texts{"Save File Corrupted\nThe old file is kept as otcraps.bad.\n"
                                 "3 gamblers were recovered from it."});
    EXPECT_EQ(File("otcraps.bad"), good + "junk");
    EXPECT_EQ(Mgr->CountUsed() * 1000 + Mgr->GetBankroll(0), 3077.0);

    SeatNames("", "");
    Dir.WriteHostFile("data/otcraps.sav", File("otcraps.bad").substr(0, good.size()));
    Make();
    EXPECT_EQ(Mgr->CountUsed() * 1000 + Mgr->GetBankroll(0), 3077.0);
    EXPECT_EQ(Mgr->GetPlayerName(2), "Bob");
}

TEST_F(Gamblers, AFileThatCannotBeReadKeepsItsGamblersAndJoePlaysFromMemory) {
    EarlierRun();
    SeatNames("Bob", "");
    const std::string saved = File();
    Host.BadPath = "c:\\data\\otcraps.sav";
    Host.ReadError = EIO;
    Make();
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("cannot be read (Input/output error)"), std::string::npos);
    // A table to play at, and nothing written over the gamblers.
    EXPECT_EQ(Mgr->GetPlayerName(Mgr->GetActive(0)), "Joe Gambler");
    EXPECT_EQ(Mgr->GetBankroll(Mgr->GetActive(0)), 500.0);
    Mgr->Save();
    Mgr.reset();
    EXPECT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(File(), saved);
    EXPECT_EQ(Settings.GetStringN("Players", 0, "?"), "Bob");

    Host.BadPath.clear();
    Make();
    EXPECT_EQ(Mgr->GetPlayerName(Mgr->GetActive(0)), "Bob");
    EXPECT_EQ(Mgr->GetBankroll(Mgr->FindPlayer("Joe Gambler")), 77.0);
}

TEST_F(Gamblers, ASaveFileThatIsADirectoryIsOneBoxFromStartToEnd) {
    std::filesystem::create_directories(Dir.Host("data/otcraps.sav"));
    Settings.WriteInt("System", "PrevRun", 1);
    Make();
    EXPECT_EQ(Mgr->CountActive(), 1);
    Mgr->ShowStatsDialog(0);
    Mgr->Save();
    ASSERT_TRUE(Mgr->DeactivatePlayer(Mgr->GetActive(0)));
    Mgr.reset();
    ASSERT_EQ(Frame.Boxes.size(), 2U);
    EXPECT_NE(Frame.Boxes[0].find("\nis a folder.\n"), std::string::npos);
    // The second is the default statistics box asked for above.
    EXPECT_EQ(Frame.Boxes[1], "Player Statistics Dialog: This is a default dialog.");
    EXPECT_TRUE(std::filesystem::is_directory(Dir.Host("data/otcraps.sav")));
}

TEST_F(Gamblers, TheFileIsNamedAfterTheProgram) {
    TJorpApp app("c:", "\\", "mygame");
    Make();
    EXPECT_EQ(File("mygame.sav").size(), 264131U);
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.sav")));
}

TEST_F(Gamblers, TheDialogsSeeCurrentBankrollsAndStatisticsLetReadRecordsGo) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    TGamblerRecord(std::span(Mgr->GetDataBlock(0), TCasinoPlayerData::EncodedSize))
        .SetBankroll(640.0);
    Mgr->ShowPlayerDialog();
    EXPECT_EQ(Mgr->GetBankroll(0), 640.0);

    // Without a maker installed, the engine's box; records it read are written and let go.
    ASSERT_TRUE(Mgr->LoadDataBlock(1));
    TGamblerRecord(std::span(Mgr->GetDataBlock(1), TCasinoPlayerData::EncodedSize))
        .SetBankroll(3.0);
    Mgr->ShowStatsDialog(1);
    EXPECT_EQ(Frame.Boxes, Texts{"Player Statistics Dialog: This is a default dialog."});
    EXPECT_EQ(Mgr->GetDataBlock(1), nullptr);
    EXPECT_NE(Mgr->GetDataBlock(0), nullptr);
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetBankroll(), 3.0);
    // The seated Joe's record is saved as the statistics close, too.
    EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 640.0);

    // The maker's dialog stands over the window that asked for it.
    std::vector<TWindow*> parents;
    SetCasinoStatDialogFactory([&](TWindow* parent, TPlayerMgr&, i16) {
        parents.push_back(parent);
        return std::unique_ptr<TDialog>();
    });
    TWindow list;
    Mgr->ShowStatsDialog(0, &list);
    Mgr->ShowStatsDialog(0);
    SetCasinoStatDialogFactory(nullptr);
    // Without one, the owner's window: this owner is none.
    EXPECT_EQ(parents, (std::vector<TWindow*>{&list, nullptr}));
}

TEST_F(Gamblers, CreatingAGamblerWithMoneyIsCreatingAPlayer) {
    Make();
    ASSERT_TRUE(Mgr->CreateGambler("Ann", 0, TMoney(250.75)));
    const TCasinoPlayerData ann = Decoded(RecordOnDisk(1));
    EXPECT_EQ(ann.GetName() + std::to_string(ann.GetUsed()) + std::to_string(ann.GetSex()),
              "Ann10");
    EXPECT_EQ(ann.GetBankroll(), 250.75);
    EXPECT_EQ(ann.GetStartBankroll(), 250.75);
    EXPECT_EQ(Mgr->GetBankroll(1), 250.75);
    EXPECT_EQ(Mgr->GetDataBlock(1), nullptr);
    // Refused as CreatePlayer refuses: a name in use (as stored, 12 characters), a full table.
    EXPECT_FALSE(Mgr->CreateGambler("Ann", 1, TMoney(1.0)));
    ASSERT_TRUE(Mgr->CreateGambler("TwelveLetter", 1, TMoney(1.0)));
    EXPECT_FALSE(Mgr->CreateGambler("TwelveLetters", 1, TMoney(1.0)));
    for (int n = 3; n < 20; ++n)
        ASSERT_TRUE(Mgr->CreateGambler("G" + std::to_string(n), 1, TMoney(1.0))) << n;
    EXPECT_FALSE(Mgr->CreateGambler("OneTooMany", 1, TMoney(1.0)));
    EXPECT_EQ(Mgr->CountUsed(), 20);
}

TEST(CasinoPlayer, ASeatPlayerStartsEmptyAndDeletesWhatItOwns) {
    bool gone = false;
    class TNoted : public TJorpBase {
    public:
        explicit TNoted(bool& gone) : TJorpBase(nullptr), Gone(gone) {}
        ~TNoted() override { Gone = true; }
        bool& Gone;
    };
    {
        TCasinoPlayer player(nullptr, 1);
        EXPECT_EQ(player.SeatObject, nullptr);
        EXPECT_EQ(player.SeatMoney, TMoney());
        EXPECT_EQ(player.GetRecordData(), nullptr);
        player.SeatObject = std::make_unique<TNoted>(gone);
        EXPECT_FALSE(gone);
    }
    EXPECT_TRUE(gone);
}

} // namespace
