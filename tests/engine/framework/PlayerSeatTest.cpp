// Player records and seats: the 31 bytes of a record, hostile records, unique names cut to 12
// characters, a record seated only once, seats that are full, and deleting players.
#include "PlayerMgrFakes.h"

#include "engine/framework/ModeWindowApi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string F64(double value) {
    u8 bytes[8];
    JorpPutF64(bytes, value);
    return std::string(reinterpret_cast<const char*>(bytes), 8);
}

std::string Encoded(const TPlayerData& data) {
    std::string bytes(31, '\xEE');
    EXPECT_TRUE(data.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    return bytes;
}

TEST(PlayerData, RecordsAreThirtyOneBytesFieldByField) {
    TPlayerData fresh;
    TPlayerData made;
    made.SetUsed(1);
    made.SetName("Ann");
    made.SetSex(0);
    made.SetBankroll(-12.5);
    made.SetStartBankroll(1e6);
    TPlayerData longName;
    longName.SetName("Bartholomew Bigwin");
    const struct {
        const char* What;
        const TPlayerData& Data;
        std::string Bytes;
    } cases[] = {
        {"defaults", fresh,
         std::string("\x00John Dough\x00\x00\x00\x01", 15) + F64(2000.0) + F64(2000.0)},
        {"a player", made,
         std::string("\x01"
                     "Ann",
                     4) +
             std::string(10, '\0') + '\0' + F64(-12.5) + F64(1e6)},
        {"a name cut to twelve", longName,
         std::string("\x00"
                     "Bartholomew ",
                     13) +
             '\0' + '\x01' + F64(2000.0) + F64(2000.0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encoded(c.Data), c.Bytes) << c.What;
        TPlayerData back;
        ASSERT_TRUE(back.Decode(reinterpret_cast<const u8*>(c.Bytes.data()), 31)) << c.What;
        EXPECT_EQ(Encoded(back), c.Bytes) << c.What;
    }
    EXPECT_EQ(longName.GetName(), "Bartholomew ");
    EXPECT_EQ(fresh.GetName(), "John Dough");
    // Too little room: nothing written.
    u8 small[30] = {};
    EXPECT_FALSE(fresh.Encode(small, sizeof small));
    EXPECT_EQ(small[1], 0);
}

TEST(PlayerData, HostileRecordsReadAsSafeValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* What;
        std::string Bytes;
        const char* Name;
        double Bankroll, Start;
    } cases[] = {
        {"a name without its NUL", "\x01" + std::string(13, 'Z') + "\x01" + F64(5) + F64(6),
         "ZZZZZZZZZZZZ", 5, 6},
        {"amounts that are no numbers",
         std::string("\x01"
                     "Bo",
                     3) +
             std::string(11, '\0') + "\x01" + F64(nan) + F64(-inf),
         "Bo", 0.0, 0.0},
        {"the largest finite amount",
         std::string("\x01", 1) + std::string(13, '\0') + "\x01" + F64(1.7976931348623157e308) +
             F64(-0.0),
         "", 1.7976931348623157e308, 0.0},
    };
    for (const auto& c : cases) {
        TPlayerData data;
        ASSERT_TRUE(data.Decode(reinterpret_cast<const u8*>(c.Bytes.data()), 31)) << c.What;
        EXPECT_EQ(data.GetName(), c.Name) << c.What;
        EXPECT_EQ(data.GetBankroll(), c.Bankroll) << c.What;
        EXPECT_EQ(data.GetStartBankroll(), c.Start) << c.What;
    }
    // Fewer than 31 bytes: nothing taken.
    TPlayerData data;
    const std::string bytes = cases[0].Bytes;
    EXPECT_FALSE(data.Decode(reinterpret_cast<const u8*>(bytes.data()), 30));
    EXPECT_EQ(data.GetName(), "John Dough");
}

class Seats : public SaveFolder {
protected:
    Seats() {
        Mgr.SetSaveFileHost(&Host);
        EXPECT_TRUE(Mgr.LoadSaveFile());
    }
    TPlayerMgr Mgr{&Frame, "c:\\data\\", 3, 20};
};

TEST_F(Seats, NamesAreUniqueAsStoredCutToTwelveCharacters) {
    const struct {
        const char* Name;
        bool Made;
    } cases[] = {
        {"ABCDEFGHIJKLMNO", true},  // stored as ABCDEFGHIJKL
        {"ABCDEFGHIJKLXYZ", false}, // the same twelve characters
        {"ABCDEFGHIJKL", false},    // exactly the stored name
        {"ABCDEFGHIJK", true},      // a name of its own
        {"abcdefghijklmno", true},  // names are compared case by case
    };
    for (const auto& c : cases)
        EXPECT_EQ(Mgr.CreatePlayer(c.Name, 1, 100.0), c.Made) << c.Name;
    EXPECT_EQ(Mgr.CountUsed(), 3);
    EXPECT_EQ(Mgr.GetPlayerName(0), "ABCDEFGHIJKL");
    EXPECT_EQ(Mgr.FindPlayer("ABCDEFGHIJK"), 1);
    EXPECT_EQ(Mgr.GetBankroll(2), 100.0);
    EXPECT_EQ(Mgr.GetRecord(2).GetStartBankroll(), 100.0);
    // Made records are on disk at once, and no block stays in memory.
    EXPECT_EQ(JorpRamInUse, 24U);
    TPlayerMgr again(&Frame, "c:\\data\\", 3, 20);
    ASSERT_TRUE(again.LoadSaveFile());
    EXPECT_EQ(again.FindPlayer("abcdefghijkl"), 2);
}

TEST_F(Seats, ARecordTakesOneSeatAndAFullTableLeavesNothingLoaded) {
    for (const char* name : {"A", "B", "C", "D"})
        ASSERT_TRUE(Mgr.CreatePlayer(name, 1, 10.0));
    ASSERT_TRUE(Mgr.ActivatePlayer(0, 0));
    const u32 oneSeated = JorpRamInUse;
    u8* block = Mgr.GetDataBlock(0);
    // Seated already: a second seat would read the record again under its first seat.
    EXPECT_FALSE(Mgr.ActivatePlayer(0, 0));
    EXPECT_EQ(Mgr.CountActive(), 1);
    EXPECT_EQ(Mgr.GetDataBlock(0), block);
    EXPECT_EQ(JorpRamInUse, oneSeated);
    EXPECT_FALSE(Mgr.LoadDataBlock(0));
    EXPECT_EQ(Mgr.GetDataBlock(0), block);

    ASSERT_TRUE(Mgr.ActivatePlayer(1, 0));
    ASSERT_TRUE(Mgr.ActivatePlayer(2, 0));
    const u32 full = JorpRamInUse;
    EXPECT_FALSE(Mgr.ActivatePlayer(3, 0));
    EXPECT_EQ(JorpRamInUse, full);
    EXPECT_EQ(Mgr.GetDataBlock(3), nullptr);
    EXPECT_EQ(Mgr.FirstFreeSeat(), -1);
    // Invalid records and seats.
    EXPECT_FALSE(Mgr.ActivatePlayer(-1, 0));
    EXPECT_FALSE(Mgr.ActivatePlayer(20, 0));
    EXPECT_EQ(Mgr.GetSeatOf(2), 2);
    EXPECT_EQ(Mgr.GetActive(3), -1);
    EXPECT_FALSE(Mgr.IsSeatTaken(-1));
    EXPECT_FALSE(Mgr.SetSeat(1, 3));

    // A record standing up is written back and let go.
    ASSERT_TRUE(Mgr.DeactivatePlayer(1));
    EXPECT_EQ(Mgr.GetDataBlock(1), nullptr);
    EXPECT_EQ(Mgr.FirstFreeSeat(), 1);
    EXPECT_TRUE(Mgr.DeactivatePlayer(1));
    EXPECT_EQ(JorpRamInUse, full - 31);
}

TEST_F(Seats, DeletingFreesTheRecordButNeverASeatedOne) {
    ASSERT_TRUE(Mgr.CreatePlayer("Ann", 0, 10.0));
    ASSERT_TRUE(Mgr.CreatePlayer("Bob", 1, 20.0));
    ASSERT_TRUE(Mgr.ActivatePlayer(0, 0));
    EXPECT_FALSE(Mgr.DeletePlayer(0));
    EXPECT_TRUE(Mgr.IsUsed(0));
    EXPECT_TRUE(Mgr.DeletePlayer(1));
    EXPECT_FALSE(Mgr.IsUsed(1));
    EXPECT_EQ(Mgr.FirstFreeRecord(), 1);
    // Not used, or no record at all: nothing to do.
    EXPECT_TRUE(Mgr.DeletePlayer(1));
    EXPECT_TRUE(Mgr.DeletePlayer(-3));
    const std::string bytes = SaveBytes();
    TPlayerData bob;
    bob.Decode(reinterpret_cast<const u8*>(bytes.data()) + 24 + 31, 31);
    EXPECT_EQ(bob.GetUsed(), 0);
    EXPECT_EQ(bob.GetName(), "John Dough");
}

TEST_F(Seats, ARecordThatCannotBeReadIsDeletedAsAWholeRecordOfDefaults) {
    // The casino's record size: the cleared record covers all of it, not 31 bytes.
    TCasinoSizedMgr mgr(&Frame, "c:\\data\\", 3, 2);
    mgr.SetSaveFileHost(&Host);
    ASSERT_TRUE(mgr.LoadSaveFile());
    ASSERT_TRUE(mgr.CreatePlayer("Ann", 0, 10.0));
    Host.Armed = TFaultyHost::FailRead;
    ASSERT_TRUE(mgr.DeletePlayer(0));
    const std::string bytes = Dir.ReadHostFile("data/otcraps.sav");
    const std::string record = bytes.substr(mgr.GetRecordOffset(0), 13195);
    EXPECT_EQ(record.substr(0, 31), Encoded(TPlayerData()));
    EXPECT_EQ(record.substr(31), std::string(13195 - 31, '\0'));
    EXPECT_EQ(bytes.size(), 8U + 223U + 2U * 13195U);
}

TEST_F(Seats, ASeatChangeTheGameRefusesChangesNothing) {
    struct TLockedWindow : TModeWindowApi {
        TResponderList* GetResponderList() const override { return nullptr; }
        HWND GetResponderHandle() const override { return nullptr; }
        void SetResponderCursor(const TCursorData&) override {}
        bool FrameTick() override { return false; }
        bool CanChangePlayers() override { return Open; }
        void OnPlayerActivated(i16 seat) override { Heard.push_back(seat); }
        void OnPlayerDeactivated(i16 seat) override { Heard.push_back(-1 - seat); }
        bool Open = false;
        std::vector<int> Heard;
    } window;
    Frame.Window = &window;
    ASSERT_TRUE(Mgr.CreatePlayer("Ann", 0, 10.0));
    EXPECT_FALSE(Mgr.ActivatePlayer(0, 0));
    EXPECT_EQ(Mgr.CountActive(), 0);
    window.Open = true;
    ASSERT_TRUE(Mgr.ActivatePlayer(0, 0));
    window.Open = false;
    EXPECT_FALSE(Mgr.DeactivatePlayer(0));
    EXPECT_EQ(Mgr.CountActive(), 1);
    window.Open = true;
    EXPECT_TRUE(Mgr.DeactivatePlayer(0));
    EXPECT_EQ(window.Heard, (std::vector<int>{0, -1}));
}

TEST_F(Seats, TheTableIsHeldToOneToTwentyPlacesAndTheDefaultDialogSaysSo) {
    const struct {
        i16 Seats, Records, WantSeats, WantRecords;
    } cases[] = {{0, -5, 1, 1}, {99, 21, 20, 20}, {3, 20, 3, 20}};
    for (const auto& c : cases) {
        TPlayerMgr mgr(&Frame, "c:\\data\\", c.Seats, c.Records);
        EXPECT_EQ(mgr.GetSeatCount(), c.WantSeats);
        EXPECT_EQ(mgr.GetTableSize(), c.WantRecords);
        EXPECT_EQ(mgr.GetSaveFileSize(), 8 + 16 + 31 * c.WantRecords);
    }
    Mgr.ShowPlayerDialog();
    Mgr.ShowStatsDialog(0);
    EXPECT_EQ(Frame.Boxes,
              (std::vector<std::string>{"Player Management Dialog: This is a default dialog.",
                                        "Player Statistics Dialog: This is a default dialog."}));
}

} // namespace
