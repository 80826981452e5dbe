// The gambler manager: the first start, the gamblers seated last time, the force flag, resets,
// the twenty-gambler limit, the save file at the casino's size through every fault, and the
// statistics dialog's maker.
#include "RecordsFolder.h"

#include "casino/CasinoStatDialog.h"
#include "engine/framework/JorpApp.h"
#include "platform/framework/Dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Boxes = std::vector<std::string>;

class Gamblers : public RecordsFolder {
protected:
    ~Gamblers() override { SetCasinoStatDialogFactory(nullptr); }

    std::vector<i16> Seats() const {
        return {Mgr->GetActive(0), Mgr->GetActive(1), Mgr->GetActive(2)};
    }
    // A run that leaves Joe with the given bankroll and Ann and Bob made, nobody stored as
    // seated.
    void EarlierRun(double joesBankroll) {
        Make();
        u8* joe = Mgr->GetDataBlock(0);
        ASSERT_NE(joe, nullptr);
        TCasinoPlayerData::WriteBankroll(joe, joesBankroll);
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
        Mgr.reset();
        SeatNames("", "", "");
        Frame.Boxes.clear();
    }
};

TEST_F(Gamblers, AFreshStartWritesTheWholeFileAndSeatsJoeGambler) {
    Make();
    const std::string file = File();
    ASSERT_EQ(file.size(), CasinoFileSize);
    EXPECT_TRUE(Frame.Boxes.empty());
    EXPECT_EQ(file.substr(0, 8), std::string("SAVE\1\0\0\0", 8));
    // The game data: the engine's stamps of this moment, then zeros.
    EXPECT_EQ(file.substr(8 + 16, 223 - 16), std::string(207, '\0'));
    EXPECT_EQ(Seats(), (std::vector<i16>{0, -1, -1}));
    const TCasinoPlayerData joe = Decoded(RecordOnDisk(0));
    EXPECT_EQ(joe.GetName(), "Joe Gambler");
    EXPECT_EQ(joe.GetUsed() * 10 + joe.GetSex(), 11);
    EXPECT_EQ(joe.GetBankroll(), 500.0);
    EXPECT_EQ(joe.GetStartBankroll(), 500.0);
    // Every other record is a cleared one, casino fields and all.
    for (i16 r = 1; r < 20; ++r)
        ASSERT_EQ(RecordOnDisk(r), Encoded(TCasinoPlayerData())) << r;
    // The seated Joe's whole record is in memory, and only his.
    EXPECT_EQ(JorpRamInUse, 8U + 223U + CasinoRecordSize);
}

TEST_F(Gamblers, JoeKeepsHisBankrollAndTheGamblersSeatedLastTimeSitAgain) {
    EarlierRun(1234.5);
    Make();
    EXPECT_EQ(Seats(), (std::vector<i16>{0, -1, -1}));
    EXPECT_EQ(Mgr->GetBankroll(0), 1234.5);
    EXPECT_EQ(Mgr->CountUsed(), 3);

    // Stored seats come back; Joe is left alone then, even standing.
    SeatNames("Bob", "Ghost", "Ann");
    Make();
    EXPECT_EQ(Seats(), (std::vector<i16>{2, 1, -1}));
    EXPECT_EQ(Mgr->GetBankroll(0), 1234.5);
    // Stored names that seat nobody bring Joe back.
    SeatNames("Ghost", "", "");
    Make();
    EXPECT_EQ(Seats(), (std::vector<i16>{0, -1, -1}));
}

TEST_F(Gamblers, TheForceFlagMakesJoeAnewAndSeatsOnlyHim) {
    EarlierRun(1234.5);
    SeatNames("Ann", "Bob", "");
    Make(true);
    EXPECT_EQ(Seats(), (std::vector<i16>{0, -1, -1}));
    EXPECT_EQ(Mgr->GetPlayerName(0), "Joe Gambler");
    EXPECT_EQ(Mgr->GetBankroll(0), 500.0);
    EXPECT_EQ(Mgr->CountUsed(), 3);
    // Without a Joe in the file he is simply made.
    std::filesystem::remove(Dir.Host("data/otcraps.sav"));
    Make(true);
    EXPECT_EQ(Mgr->GetBankroll(Mgr->FindPlayer("Joe Gambler")), 500.0);
    EXPECT_EQ(Mgr->CountUsed(), 1);
}

TEST_F(Gamblers, DeletingAGamblerResetsHisWholeRecordAndTwentyIsTheLimit) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0));
    u8* ann = Mgr->GetDataBlock(1);
    std::fill(ann + 31, ann + CasinoRecordSize, u8{0x44});
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    ASSERT_NE(RecordOnDisk(1), Encoded(TCasinoPlayerData()));
    ASSERT_TRUE(Mgr->DeletePlayer(1));
    EXPECT_EQ(RecordOnDisk(1), Encoded(TCasinoPlayerData()));
    EXPECT_EQ(Mgr->GetDataBlock(1), nullptr);
    // A new gambler in that record starts from the defaults too.
    ASSERT_TRUE(Mgr->CreatePlayer("Cy", 1, 5.0));
    TCasinoPlayerData cy = Decoded(RecordOnDisk(1));
    EXPECT_EQ(cy.GetChipCount(0) * 10 + cy.GetBetOption(0), 51);

    for (int n = 2; n < 20; ++n)
        ASSERT_TRUE(Mgr->CreatePlayer("G" + std::to_string(n), 1, 1.0)) << n;
    EXPECT_FALSE(Mgr->HasFreeRecord());
    EXPECT_FALSE(Mgr->CreatePlayer("OneTooMany", 1, 1.0));
    EXPECT_EQ(Mgr->FindPlayer("OneTooMany"), -1);
    EXPECT_EQ(File().size(), CasinoFileSize);
    // A record index outside the table resets nothing.
    Mgr->ResetPlayerData(20);
    Mgr->ResetPlayerData(-1);
    EXPECT_EQ(Mgr->CountUsed(), 20);
}

TEST_F(Gamblers, TheManagerSavesAsItGoesAndAFaultAtAnyStepKeepsTheOldFile) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->ActivatePlayer(1, 0));
    for (TFaultyHost::TStep step :
         {TFaultyHost::FailRead, TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite,
          TFaultyHost::FailFlush, TFaultyHost::FailClose, TFaultyHost::FailMove}) {
        SCOPED_TRACE(testing::Message() << "step " << step);
        Frame.Boxes.clear();
        const std::string before = File();
        TCasinoPlayerData::WriteBankroll(Mgr->GetDataBlock(1), 100.0 + static_cast<int>(step));
        Host.Armed = step;
        Mgr->Save();
        EXPECT_EQ(Frame.Boxes, Boxes{"Write Save File Failed"});
        EXPECT_EQ(File(), before);
        EXPECT_FALSE(InData("otcraps.tmp"));
    }
    // Gone with the frame: the file is written, seats and all.
    TCasinoPlayerData::WriteBankroll(Mgr->GetDataBlock(0), 9.75);
    Mgr.reset();
    EXPECT_EQ(File().size(), CasinoFileSize);
    EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 9.75);
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetBankroll(),
              100.0 + static_cast<int>(TFaultyHost::FailMove));
    EXPECT_EQ(Settings.GetStringN("Players", 1, "?"), "Ann");
}

TEST_F(Gamblers, ADamagedFileIsKeptAsideAndGivesItsGamblersBackWhenMendedAndPutBack) {
    EarlierRun(77.0);
    const std::string good = File();
    Dir.WriteHostFile("data/otcraps.sav", good + "junk");
    Make();
    EXPECT_EQ(Frame.Boxes, Boxes{"Save File Corrupted\nThe old file is kept as otcraps.bad."});
    EXPECT_EQ(SaveBytes("otcraps.bad"), good + "junk");
    EXPECT_EQ(Mgr->CountUsed(), 1);
    EXPECT_EQ(Mgr->GetBankroll(0), 500.0);
    Mgr.reset();

    const std::string kept = SaveBytes("otcraps.bad");
    Dir.WriteHostFile("data/otcraps.sav", kept.substr(0, CasinoFileSize));
    SeatNames("", "", "");
    Make();
    EXPECT_EQ(Mgr->CountUsed(), 3);
    EXPECT_EQ(Mgr->GetBankroll(0), 77.0);
    EXPECT_EQ(Mgr->GetPlayerName(2), "Bob");
}

TEST_F(Gamblers, TheFileIsNamedAfterTheProgram) {
    TJorpApp app("c:", "\\", "mygame");
    Make();
    EXPECT_TRUE(InData("mygame.sav"));
    EXPECT_FALSE(InData("otcraps.sav"));
    EXPECT_EQ(SaveBytes("mygame.sav").size(), CasinoFileSize);
}

TEST_F(Gamblers, TheDialogsSeeCurrentBankrollsAndStatisticsLetReadRecordsGo) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    TCasinoPlayerData::WriteBankroll(Mgr->GetDataBlock(0), 640.0);
    EXPECT_EQ(Mgr->GetBankroll(0), 500.0);
    Mgr->ShowPlayerDialog();
    EXPECT_EQ(Mgr->GetBankroll(0), 640.0);

    // Without a maker installed, the engine's box; a record the dialog read goes back.
    ASSERT_TRUE(Mgr->LoadDataBlock(1));
    TCasinoPlayerData::WriteBankroll(Mgr->GetDataBlock(1), 3.0);
    Mgr->ShowStatsDialog(1);
    EXPECT_EQ(Frame.Boxes, Boxes{"Player Statistics Dialog: This is a default dialog."});
    EXPECT_EQ(Mgr->GetDataBlock(1), nullptr);
    EXPECT_NE(Mgr->GetDataBlock(0), nullptr);
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetBankroll(), 3.0);

    // The installed maker is asked for the record (none when the seat is empty).
    std::vector<i16> asked;
    SetCasinoStatDialogFactory([&](TWindow*, TPlayerMgr& players, i16 record) {
        EXPECT_EQ(&players, Mgr.get());
        asked.push_back(record);
        players.LoadDataBlock(1);
        return std::unique_ptr<TDialog>();
    });
    Mgr->ShowStatsDialog(-1);
    EXPECT_EQ(asked, std::vector<i16>{-1});
    EXPECT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(Mgr->GetDataBlock(1), nullptr);
}

} // namespace
