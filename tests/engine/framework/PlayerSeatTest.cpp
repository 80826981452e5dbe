// Player records and seats: the 31 bytes of a record and hostile ones, unique names cut to 12
// characters, a record seated only once, full tables, deleting players, and the table's size.
#include "PlayerMgrFakes.h"

#include <gtest/gtest.h>

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

TEST(PlayerData, RecordsAreThirtyOneBytesFieldByFieldAndHostileOnesReadSafely) {
    TPlayerData made;
    made.SetUsed(1);
    made.SetName("Ann");
    made.SetSex(0);
    made.SetBankroll(-12.5);
    made.SetStartBankroll(1e6);
    TPlayerData longName;
    longName.SetName("Bartholomew Bigwin");
    EXPECT_EQ(Encoded(TPlayerData()),
              std::string("\0John Dough\0\0\0\1", 15) + F64(2000.0) + F64(2000.0));
    EXPECT_EQ(Encoded(made),
              std::string("\1Ann", 4) + std::string(11, '\0') + F64(-12.5) + F64(1e6));
    EXPECT_EQ(Encoded(longName), std::string("\0Bartholomew \0\1", 15) + F64(2000.0) + F64(2000.0));
    u8 small[30] = {};
    EXPECT_FALSE(made.Encode(small, sizeof small));
    EXPECT_EQ(small[0], 0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string Bytes;
        const char* Name;
        double Bankroll, Start;
    } cases[] = {
        // A name that fills its field without a NUL keeps twelve characters.
        {"\1" + std::string(13, 'Z') + "\1" + F64(5) + F64(6), "ZZZZZZZZZZZZ", 5, 6},
        // Amounts that are no numbers read as nothing.
        {std::string("\1Bo", 3) + std::string(11, '\0') + "\1" + F64(nan) + F64(-inf), "Bo", 0, 0},
        {std::string(14, '\0') + "\1" + F64(1.7976931348623157e308) + F64(-0.0), "",
         1.7976931348623157e308, 0},
    };
    for (const auto& c : cases) {
        TPlayerData data;
        ASSERT_TRUE(data.Decode(reinterpret_cast<const u8*>(c.Bytes.data()), 31));
        EXPECT_EQ(data.GetName(), c.Name);
        EXPECT_EQ(data.GetBankroll(), c.Bankroll) << c.Name;
        EXPECT_EQ(data.GetStartBankroll(), c.Start) << c.Name;
        // Fewer than 31 bytes: nothing taken.
        EXPECT_FALSE(made.Decode(reinterpret_cast<const u8*>(c.Bytes.data()), 30));
        EXPECT_EQ(made.GetName(), "Ann");
    }
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
    const std::pair<const char*, bool> cases[] = {
        {"ABCDEFGHIJKLMNO", true}, {"ABCDEFGHIJKLXYZ", false}, {"ABCDEFGHIJKL", false},
        {"ABCDEFGHIJK", true},     {"abcdefghijklmno", true},
    };
    for (const auto& [name, made] : cases)
        EXPECT_EQ(Mgr.CreatePlayer(name, 1, 100.0), made) << name;
    EXPECT_EQ(Mgr.CountUsed(), 3);
    EXPECT_EQ(Mgr.GetPlayerName(0), "ABCDEFGHIJKL");
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
    EXPECT_FALSE(Mgr.ActivatePlayer(0, 0) || Mgr.LoadDataBlock(0));
    EXPECT_EQ(Mgr.CountActive(), 1);
    EXPECT_EQ(Mgr.GetDataBlock(0), block);
    EXPECT_EQ(JorpRamInUse, oneSeated);

    ASSERT_TRUE(Mgr.ActivatePlayer(1, 0) && Mgr.ActivatePlayer(2, 0));
    const u32 full = JorpRamInUse;
    EXPECT_FALSE(Mgr.ActivatePlayer(3, 0) || Mgr.ActivatePlayer(-1, 0) ||
                 Mgr.ActivatePlayer(20, 0));
    EXPECT_EQ(JorpRamInUse, full);
    EXPECT_EQ(Mgr.GetDataBlock(3), nullptr);
    EXPECT_FALSE(Mgr.SetSeat(1, 3));

    // Standing up writes the record back and lets it go; a second time does nothing.
    ASSERT_TRUE(Mgr.DeactivatePlayer(1) && Mgr.DeactivatePlayer(1));
    EXPECT_EQ(Mgr.GetDataBlock(1), nullptr);
    EXPECT_EQ(Mgr.FirstFreeSeat(), 1);
    EXPECT_EQ(JorpRamInUse, full - 31);
}

TEST_F(Seats, DeletingFreesTheRecordButNeverASeatedOne) {
    ASSERT_TRUE(Mgr.CreatePlayer("Ann", 0, 10.0) && Mgr.CreatePlayer("Bob", 1, 20.0));
    ASSERT_TRUE(Mgr.ActivatePlayer(0, 0));
    EXPECT_FALSE(Mgr.DeletePlayer(0));
    EXPECT_TRUE(Mgr.IsUsed(0));
    EXPECT_TRUE(Mgr.DeletePlayer(1));
    EXPECT_EQ(Mgr.FirstFreeRecord(), 1);
    // Not used, or no record at all: nothing to do.
    EXPECT_TRUE(Mgr.DeletePlayer(1) && Mgr.DeletePlayer(-3));
    EXPECT_EQ(SaveBytes().substr(24 + 31, 31), Encoded(TPlayerData()));

    // A record is cleared from what the run has of it, whatever the disk holds there now: the
    // defaults over the casino's size leave the place as the game writes a free one.
    TCasinoSizedMgr casino(&Frame, "c:\\data\\", 3, 2);
    casino.SetSaveFileHost(&Host);
    ASSERT_TRUE(casino.LoadSaveFile() && casino.CreatePlayer("Ann", 0, 10.0));
    std::string other = SaveBytes("otcraps.sav");
    other.replace(casino.GetRecordOffset(0) + 31, 13195 - 31, 13195 - 31, '\x77');
    Dir.WriteHostFile("data/otcraps.sav", other);
    ASSERT_TRUE(casino.DeletePlayer(0));
    const std::string record = SaveBytes("otcraps.sav").substr(casino.GetRecordOffset(0), 13195);
    EXPECT_EQ(record, SaveBytes("otcraps.sav").substr(casino.GetRecordOffset(1), 13195));
    EXPECT_EQ(record.substr(0, 31), Encoded(TPlayerData()));
}

TEST_F(Seats, TheTableIsHeldToOneToTwentyPlacesAndTheDefaultDialogSaysSo) {
    const i16 cases[][4] = {{0, -5, 1, 1}, {99, 21, 20, 20}, {3, 20, 3, 20}};
    for (const auto& c : cases) {
        TPlayerMgr mgr(&Frame, "c:\\data\\", c[0], c[1]);
        EXPECT_EQ(mgr.GetSeatCount() * 100 + mgr.GetTableSize(), c[2] * 100 + c[3]);
        EXPECT_EQ(mgr.GetSaveFileSize(), 8 + 16 + 31 * c[3]);
    }
    Mgr.ShowPlayerDialog();
    Mgr.ShowStatsDialog(0);
    EXPECT_EQ(Frame.Boxes,
              (std::vector<std::string>{"Player Management Dialog: This is a default dialog.",
                                        "Player Statistics Dialog: This is a default dialog."}));
}

} // namespace
