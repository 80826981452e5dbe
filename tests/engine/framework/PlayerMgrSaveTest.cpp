// The save file: made silently on the first run, reported when lost, damaged files kept aside
// untouched, every write all or nothing, the seated players in the settings, and the casino
// layer's sizes.
#include "PlayerMgrFakes.h"

#include "platform/host/DateTime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string CorruptKept = "Save File Corrupted\nThe old file is kept as ";

class SaveFile : public SaveFolder {
protected:
    TPlayerMgr& Make() {
        Mgr = std::make_unique<TPlayerMgr>(&Frame, "c:\\data\\", 3, 20);
        Mgr->SetSaveFileHost(&Host);
        return *Mgr;
    }
    // A manager that has read a good file holding Ann, Bob and Cy, with Ann seated.
    TPlayerMgr& Ready() {
        Make();
        EXPECT_TRUE(Mgr->LoadSaveFile());
        EXPECT_TRUE(Mgr->CreatePlayer("Ann", 0, 500.0));
        EXPECT_TRUE(Mgr->CreatePlayer("Bob", 1, 700.0));
        EXPECT_TRUE(Mgr->CreatePlayer("Cy", 1, 900.0));
        EXPECT_TRUE(Mgr->ActivatePlayer(0, 0));
        Frame.Boxes.clear();
        return *Mgr;
    }
    // The seated Ann wins: her block changes in memory only.
    void AnnWins(double bankroll) {
        TPlayerData data;
        u8* block = Mgr->GetDataBlock(0);
        ASSERT_NE(block, nullptr);
        data.Decode(block, TPlayerData::EncodedSize);
        data.SetBankroll(bankroll);
        data.Encode(block, TPlayerData::EncodedSize);
    }
    // What the file on disk holds for a record.
    TPlayerData OnDisk(i16 record, const std::string& file = "jorp.sav") const {
        const std::string bytes = SaveBytes(file);
        TPlayerData data;
        EXPECT_TRUE(data.Decode(reinterpret_cast<const u8*>(bytes.data()) + 24 + 31 * record,
                                TPlayerData::EncodedSize));
        return data;
    }
    std::string FreshFile() const {
        std::string bytes(644, '\0');
        TGameHeader().Encode(reinterpret_cast<u8*>(bytes.data()), 8);
        TGameData().Encode(reinterpret_cast<u8*>(bytes.data()) + 8, 16);
        for (int r = 0; r < 20; ++r)
            TPlayerData().Encode(reinterpret_cast<u8*>(bytes.data()) + 24 + 31 * r, 31);
        return bytes;
    }

    std::unique_ptr<TPlayerMgr> Mgr;
};

TEST_F(SaveFile, TheFirstRunMakesTheFileSilentlyAndALaterRunSaysItWasLost) {
    for (int prevRun : {0, 1}) {
        std::filesystem::remove(Dir.Host("data/jorp.sav"));
        SetPrevRun(prevRun);
        Frame.Boxes.clear();
        ASSERT_TRUE(Make().LoadSaveFile());
        // Header "SAVE" 1.0, four stamps of this moment, twenty default records.
        EXPECT_EQ(SaveBytes(), FreshFile());
        EXPECT_EQ(SaveBytes().substr(0, 8), std::string("SAVE\x01\x00\x00\x00", 8));
        EXPECT_EQ(TGameData().Stamps[0], TTime().Seconds());
        EXPECT_EQ(Mgr->CountUsed(), 0);
        EXPECT_EQ(Mgr->GetPlayerName(19), "John Dough");
        EXPECT_FALSE(InData("jorp.tmp"));
        if (prevRun == 0)
            EXPECT_TRUE(Frame.Boxes.empty());
        else
            EXPECT_EQ(Frame.Boxes,
                      (std::vector<std::string>{"Save File Not Found", "Creating New Save File"}));
    }
}

TEST_F(SaveFile, ADamagedFileIsKeptAsideUntouchedAndAFreshOneMade) {
    std::string otherVersion = FreshFile();
    otherVersion[6] = 1;
    std::string renamed = FreshFile();
    renamed.replace(0, 4, "JUNK");
    const struct {
        const char* What;
        std::string Bytes;
        int PrevRun;
        bool KeptAside;
    } cases[] = {
        {"one byte too long", FreshFile() + "x", 0, true},
        {"one byte too short", FreshFile().substr(1), 1, true},
        {"empty", "", 0, true},
        {"version 1.1", otherVersion, 0, true},
        {"version 1.1 after a run", otherVersion, 1, true},
        // The id is not compared: another id with the right versions and size is used.
        {"another id", renamed, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::filesystem::remove(Dir.Host("data/jorp.bad"));
        Dir.WriteHostFile("data/jorp.sav", c.Bytes);
        SetPrevRun(c.PrevRun);
        Frame.Boxes.clear();
        ASSERT_TRUE(Make().LoadSaveFile());
        if (!c.KeptAside) {
            EXPECT_TRUE(Frame.Boxes.empty());
            EXPECT_EQ(SaveBytes(), c.Bytes);
            continue;
        }
        EXPECT_EQ(SaveBytes("jorp.bad"), c.Bytes);
        EXPECT_EQ(SaveBytes(), FreshFile());
        std::vector<std::string> boxes{CorruptKept + "jorp.bad."};
        if (c.PrevRun != 0)
            boxes.push_back("Creating New Save File");
        EXPECT_EQ(Frame.Boxes, boxes);
    }
}

TEST_F(SaveFile, AKeptFileIsNeverReplacedAndWithNoNameLeftNothingIsTouched) {
    Dir.WriteHostFile("data/jorp.bad", "first");
    Dir.WriteHostFile("data/jorp.b01", "second");
    Dir.WriteHostFile("data/jorp.sav", "third");
    ASSERT_TRUE(Make().LoadSaveFile());
    EXPECT_EQ(Frame.Boxes, (std::vector<std::string>{CorruptKept + "jorp.b02."}));
    EXPECT_EQ(SaveBytes("jorp.bad"), "first");
    EXPECT_EQ(SaveBytes("jorp.b01"), "second");
    EXPECT_EQ(SaveBytes("jorp.b02"), "third");

    // Every name taken: the damaged file stays where it is and this run saves nothing.
    for (int n = 3; n <= 99; ++n)
        Dir.WriteHostFile("data/jorp.b" + std::string(n < 10 ? "0" : "") + std::to_string(n), "k");
    Dir.WriteHostFile("data/jorp.sav", "fourth");
    Frame.Boxes.clear();
    EXPECT_FALSE(Make().LoadSaveFile());
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(Frame.Boxes[0].rfind("Save File Corrupted\nThe old file could not be set aside", 0),
              0U);
    EXPECT_TRUE(Mgr->IsSavingDisabled());
    EXPECT_FALSE(Mgr->CreatePlayer("Ann", 0, 10.0));
    EXPECT_FALSE(Mgr->SaveFile());
    EXPECT_FALSE(Mgr->RecreateSaveFile());
    // Told once; never written.
    EXPECT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(SaveBytes(), "fourth");
    EXPECT_FALSE(InData("jorp.tmp"));
}

TEST_F(SaveFile, ATemporaryFileLeftByACrashIsRemovedAtLoad) {
    Make().LoadSaveFile();
    const std::string good = SaveBytes();
    Dir.WriteHostFile("data/jorp.tmp", "half a fi");
    Frame.Boxes.clear();
    ASSERT_TRUE(Make().LoadSaveFile());
    EXPECT_FALSE(InData("jorp.tmp"));
    EXPECT_EQ(SaveBytes(), good);
    EXPECT_TRUE(Frame.Boxes.empty());
}

TEST_F(SaveFile, AFaultAtAnyStepOfASaveLeavesTheOldFileAndNoTemporaryFile) {
    const TFaultyHost::TStep steps[] = {TFaultyHost::FailRead,  TFaultyHost::FailCreateTemp,
                                        TFaultyHost::FailWrite, TFaultyHost::FailFlush,
                                        TFaultyHost::FailClose, TFaultyHost::FailMove};
    for (TFaultyHost::TStep step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << step);
        std::filesystem::remove(Dir.Host("data/jorp.sav"));
        Ready();
        const std::string before = SaveBytes();
        AnnWins(1234.0);
        Host.Armed = step;
        // Never made anew: that would forget Bob and Cy.
        EXPECT_FALSE(Mgr->SaveFile());
        EXPECT_EQ(Frame.Boxes, (std::vector<std::string>{"Write Save File Failed"}));
        EXPECT_EQ(SaveBytes(), before);
        EXPECT_FALSE(InData("jorp.tmp"));
        // The next save gets through.
        EXPECT_TRUE(Mgr->SaveFile());
        EXPECT_EQ(OnDisk(0).GetBankroll(), 1234.0);
        EXPECT_EQ(OnDisk(1).GetName(), "Bob");
    }
}

TEST_F(SaveFile, AFaultWhenASeatEmptiesOrAPlayerIsMadeOrDeletedChangesNothing) {
    Ready();
    AnnWins(42.0);
    const std::string before = SaveBytes();
    const u32 ram = JorpRamInUse;
    Host.Armed = TFaultyHost::FailMove;
    EXPECT_TRUE(Mgr->DeactivatePlayer(0));
    EXPECT_EQ(Frame.Boxes, (std::vector<std::string>{"Write Player Data Failed"}));
    EXPECT_EQ(SaveBytes(), before);
    EXPECT_EQ(Mgr->GetDataBlock(0), nullptr);
    EXPECT_EQ(JorpRamInUse, ram - 31);

    Frame.Boxes.clear();
    Host.Armed = TFaultyHost::FailWrite;
    EXPECT_FALSE(Mgr->CreatePlayer("Dee", 0, 10.0));
    Host.Armed = TFaultyHost::FailFlush;
    EXPECT_FALSE(Mgr->DeletePlayer(1));
    // Reported by the result only; nothing kept in memory either.
    EXPECT_TRUE(Frame.Boxes.empty());
    EXPECT_EQ(Mgr->FindPlayer("Dee"), -1);
    EXPECT_EQ(Mgr->FindPlayer("Bob"), 1);
    EXPECT_EQ(JorpRamInUse, ram - 31);
    EXPECT_EQ(SaveBytes(), before);
    EXPECT_FALSE(InData("jorp.tmp"));
}

TEST_F(SaveFile, AFreshFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    for (TFaultyHost::TStep step :
         {TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite, TFaultyHost::FailMove}) {
        Frame.Boxes.clear();
        Make();
        Host.Armed = step;
        EXPECT_FALSE(Mgr->LoadSaveFile());
        EXPECT_EQ(Frame.Boxes, (std::vector<std::string>{"Create New Save File Failed"}));
        EXPECT_FALSE(InData("jorp.sav"));
        EXPECT_FALSE(InData("jorp.tmp"));
        // Without a header read, nothing is ever written.
        EXPECT_FALSE(Mgr->CreatePlayer("Ann", 0, 1.0));
        EXPECT_FALSE(InData("jorp.sav"));
    }
}

TEST_F(SaveFile, ASaveWritesOnlyTheLoadedBlocksAndKeepsEveryOtherByte) {
    Ready();
    // Bytes the engine does not know (a derived record's, say) in Bob's record and a free one.
    std::string bytes = SaveBytes();
    bytes[24 + 31 + 30] = '\x77';
    bytes[24 + 31 * 7 + 3] = '\x55';
    Dir.WriteHostFile("data/jorp.sav", bytes);
    AnnWins(88.0);
    ASSERT_TRUE(Mgr->SaveFile());
    std::string expected = bytes;
    TPlayerData ann;
    ann.Decode(Mgr->GetDataBlock(0), 31);
    ann.Encode(reinterpret_cast<u8*>(expected.data()) + 24, 31);
    EXPECT_EQ(SaveBytes(), expected);
    // Gone when the file disappears meanwhile: nothing is made in its place.
    std::filesystem::remove(Dir.Host("data/jorp.sav"));
    EXPECT_FALSE(Mgr->SaveFile());
    EXPECT_FALSE(InData("jorp.sav"));
    Dir.WriteHostFile("data/jorp.sav", bytes + "x");
    EXPECT_FALSE(Mgr->SaveFile());
    EXPECT_EQ(SaveBytes(), bytes + "x");
}

TEST_F(SaveFile, TheSeatedPlayersAreStoredAndComeBackInTheirOrder) {
    Ready();
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0));
    ASSERT_TRUE(Mgr->ActivatePlayer(2, 0));
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    ASSERT_TRUE(Mgr->SaveFile());
    EXPECT_EQ(Settings.GetStringN("Players", 0, "?"), "Ann");
    EXPECT_EQ(Settings.GetStringN("Players", 1, "?"), "");
    EXPECT_EQ(Settings.GetStringN("Players", 2, "?"), "Cy");

    const struct {
        const char* What;
        std::vector<const char*> Stored;
        std::vector<i16> Seats;
    } cases[] = {
        {"as stored", {"Ann", "", "Cy"}, {0, 2, -1}},
        {"unknown and repeated names", {"Ghost", "Cy", "Cy"}, {2, -1, -1}},
        {"the same player in every key", {"Bob", "Bob", "Bob"}, {1, -1, -1}},
    };
    for (const auto& c : cases) {
        for (int key = 0; key < 3; ++key)
            Settings.WriteStringN("Players", key, c.Stored[static_cast<size_t>(key)]);
        Make();
        ASSERT_TRUE(Mgr->LoadSaveFile());
        Mgr->RestoreActivePlayers();
        for (i16 seat = 0; seat < 3; ++seat)
            EXPECT_EQ(Mgr->GetActive(seat), c.Seats[static_cast<size_t>(seat)]) << c.What;
    }
}

TEST_F(SaveFile, TheCasinoSizesMakeAFileOf264131BytesWithTheirOwnRecords) {
    auto mgr = std::make_unique<TCasinoSizedMgr>(&Frame, "c:\\data\\", 3, 20);
    ASSERT_TRUE(mgr->LoadSaveFile());
    const std::string bytes = SaveBytes("otcraps.sav");
    ASSERT_EQ(bytes.size(), 264131U);
    EXPECT_EQ(mgr->GetGameDataOffset(), 8U);
    EXPECT_EQ(mgr->GetRecordOffset(19), 8U + 223U + 19U * 13195U);
    for (i16 r = 0; r < 20; ++r) {
        const size_t at = mgr->GetRecordOffset(r);
        EXPECT_EQ(static_cast<u8>(bytes[at + 31]), 0xCA);
        EXPECT_EQ(static_cast<u8>(bytes[at + 13194]), 0x5E);
    }
    // A player made and seated brings his whole record into memory, and only that.
    ASSERT_TRUE(mgr->CreatePlayer("Dealer Dan", 1, 2000.0));
    ASSERT_TRUE(mgr->ActivatePlayer(0, 0));
    EXPECT_EQ(JorpRamInUse, 8U + 223U + 13195U);
    ASSERT_TRUE(mgr->SaveFile());
    EXPECT_EQ(SaveBytes("otcraps.sav").size(), 264131U);
    mgr.reset();
    EXPECT_EQ(JorpRamInUse, 0U);
}

} // namespace
