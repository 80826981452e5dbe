// Gambler records: every field at its offset through the save file and back, bytes nobody
// reads kept whole, hostile records read safely, and the defaults a reset brings.
#include "RecordsFolder.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string F64(double value) {
    u8 bytes[8];
    JorpPutF64(bytes, value);
    return std::string(reinterpret_cast<const char*>(bytes), 8);
}

// A fresh record as the file holds it, field by field.
std::string DefaultRecord() {
    std::string bytes = std::string("\0John Dough\0\0\0\1", 15) + F64(2000.0) + F64(2000.0);
    bytes += std::string(5, '\0');
    bytes += std::string("\5\0\4\0\3\0\x09\0\1\0\0\0", 12);
    bytes += std::string(13140, '\0');
    bytes += std::string("\1\0\0\0\1\0\1", 7);
    return bytes;
}

using Records = RecordsFolder;

TEST_F(Records, EveryFieldSitsAtItsOffsetInTheFileAndComesBackFromIt) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann Bigwin", 0, 750.25));
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0));
    u8* block = Mgr->GetDataBlock(1);
    ASSERT_NE(block, nullptr);
    TCasinoPlayerData ann = Decoded(std::string(reinterpret_cast<char*>(block), CasinoRecordSize));
    ann.SetBankroll(-3.5);
    ann.SetStartBankroll(1e9);
    ann.BeginSession(1, TMoney(1.0));
    ann.Encode(block, CasinoRecordSize);
    TCasinoPlayerData::ToggleInstructionMode(block);
    for (i16 i = 0; i < 6; ++i)
        JorpPutU16(block + 36 + 2 * i, static_cast<u16>(0x0102 * (i + 1)));
    // History bytes only a later reader knows, and a betting option changed.
    block[48] = 0x11;
    block[13180] = 0x22;
    block[13189] = 1;
    const std::string image(reinterpret_cast<char*>(block), CasinoRecordSize);
    ASSERT_TRUE(Mgr->SaveFile());

    std::string expected = std::string("\1Ann Bigwin", 11) + std::string(4, '\0') + F64(-3.5) +
                           F64(1e9) + std::string("\4\0\0\0\1", 5);
    for (int i = 1; i <= 6; ++i)
        expected += {static_cast<char>(2 * i), static_cast<char>(i)};
    expected += "\x11" + std::string(13131, '\0') + "\x22" + std::string(7, '\0') +
                std::string("\1\1\0\0\1\0\1", 7);
    ASSERT_EQ(expected.size(), CasinoRecordSize);
    EXPECT_EQ(RecordOnDisk(1), expected);

    // Read back by a new run, the record decodes to what went in and encodes to the same bytes.
    Mgr.reset();
    Make();
    EXPECT_EQ(Mgr->GetActive(1), 1);
    const std::string loaded(reinterpret_cast<char*>(Mgr->GetDataBlock(1)), CasinoRecordSize);
    EXPECT_EQ(loaded, image);
    const TCasinoPlayerData back = Decoded(loaded);
    EXPECT_EQ(back.GetName() + "/" + std::to_string(back.GetSex()), "Ann Bigwin/0");
    EXPECT_EQ(back.GetBankroll(), -3.5);
    EXPECT_EQ(back.GetSessionCode(), TCasinoPlayerData::SessionOpen);
    EXPECT_TRUE(back.GetInstructionMode());
    EXPECT_EQ(back.GetChipCount(5), 0x0102 * 6);
    EXPECT_TRUE(back.GetBetOption(1));
    EXPECT_EQ(Encoded(back), image);
}

TEST(CasinoPlayerData, HostileRecordsReadSafelyAndFlagsAboveOneCountAsSet) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::string bytes = DefaultRecord();
    bytes.replace(1, 13, std::string(13, 'Q'));
    bytes.replace(15, 8, F64(nan));
    bytes.replace(23, 8, F64(-std::numeric_limits<double>::infinity()));
    bytes[35] = '\x07';
    bytes[13188 + 2] = '\x09';
    const auto* at = reinterpret_cast<const u8*>(bytes.data());
    TCasinoPlayerData data;
    ASSERT_TRUE(data.Decode(at, bytes.size()));
    EXPECT_EQ(data.GetName(), std::string(12, 'Q'));
    EXPECT_EQ(data.GetBankroll(), 0.0);
    EXPECT_EQ(data.GetStartBankroll(), 0.0);
    EXPECT_EQ(TCasinoPlayerData::ReadBankroll(at), 0.0);
    EXPECT_TRUE(data.GetInstructionMode() && TCasinoPlayerData::ReadInstructionMode(at));
    EXPECT_TRUE(data.GetBetOption(2));
    EXPECT_FALSE(data.GetBetOption(7));
    // A set byte of any value turns off, and then on as 1.
    std::string toggled = bytes;
    TCasinoPlayerData::ToggleInstructionMode(reinterpret_cast<u8*>(toggled.data()));
    EXPECT_EQ(toggled[35], '\0');
    TCasinoPlayerData::ToggleInstructionMode(reinterpret_cast<u8*>(toggled.data()));
    EXPECT_EQ(toggled[35], '\1');

    // One byte short: nothing taken, nothing written.
    TCasinoPlayerData kept;
    kept.SetName("Kept");
    EXPECT_FALSE(kept.Decode(at, CasinoRecordSize - 1));
    EXPECT_EQ(kept.GetName(), "Kept");
    std::string small(CasinoRecordSize - 1, '\x5A');
    EXPECT_FALSE(kept.Encode(reinterpret_cast<u8*>(small.data()), small.size()));
    EXPECT_EQ(small, std::string(CasinoRecordSize - 1, '\x5A'));
    // Chip kinds outside 0..5 read as none and change nothing.
    kept.SetChipCount(6, 77);
    kept.SetChipCount(-1, 77);
    EXPECT_EQ(kept.GetChipCount(6) + kept.GetChipCount(-1), 0);
    EXPECT_EQ(Encoded(kept).substr(36, 12), DefaultRecord().substr(36, 12));
}

TEST(CasinoPlayerData, ClearingForgetsEverythingOfTheOldGambler) {
    std::string bytes(CasinoRecordSize, '\x33');
    TCasinoPlayerData data;
    ASSERT_TRUE(data.Decode(reinterpret_cast<const u8*>(bytes.data()), bytes.size()));
    data.BeginSession(1, TMoney(5.0));
    data.Clear();
    EXPECT_EQ(Encoded(data), DefaultRecord());
    EXPECT_EQ(Encoded(TCasinoPlayerData()), DefaultRecord());
    data.BeginSession(0, TMoney());
    data.EndSession();
    EXPECT_EQ(data.GetSessionCode(), 0U);
}

} // namespace
