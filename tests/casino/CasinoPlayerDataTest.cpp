// Gambler records: every field at its offset through the save file and back, bytes nobody
// reads kept whole, hostile records read safely, and what clearing leaves.
#include "RecordsFixture.h"
#include "casino/GamblerRecord.h"

#include "platform/host/Clock.h"
#include "platform/host/DateTime.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string F64(double value) {
    u8 bytes[8];
    JorpPutF64(bytes, value);
    return std::string(reinterpret_cast<const char*>(bytes), 8);
}

std::string DefaultRecord() {
    return std::string("\0John Dough\0\0\0\1", 15) + F64(2000.0) + F64(2000.0) +
           std::string(5, '\0') + std::string("\5\0\4\0\3\0\x09\0\1\0\0\0", 12) +
           std::string(13140, '\0') + std::string("\1\0\0\0\1\0\1", 7);
}

using Records = CasinoRecords;

TEST_F(Records, EveryFieldSitsAtItsOffsetInTheFileAndComesBackWhole) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann Bigwin", 0, 750.25) && Mgr->ActivatePlayer(1, 0));
    u8* block = Mgr->GetDataBlock(1);
    TCasinoPlayerData ann = Decoded(std::string(reinterpret_cast<char*>(block), CasinoRecordSize));
    ann.SetBankroll(3.5);
    ann.SetStartBankroll(1e9);
    TFakeClock clock(0, 1'000'000'000);
    TScopedClockSource clockScope(clock);
    const u32 now = TTime().Seconds();
    ann.BeginSession(1, TMoney(1.0));
    for (i16 i = 0; i < 6; ++i)
        ann.SetChipCount(i, static_cast<u16>(0x0102 * (i + 1)));
    ann.Encode(block, CasinoRecordSize);
    TGamblerRecord(std::span(block, TCasinoPlayerData::EncodedSize)).ToggleInstructionMode();
    // In place: the history's current slot, its spare amount and the second betting option.
    block[48] = 0x11;
    block[13180] = 0x22;
    block[13189] = 1;
    const std::string image(reinterpret_cast<char*>(block), CasinoRecordSize);
    ASSERT_TRUE(Mgr->SaveFile());

    std::string expected = std::string("\1Ann Bigwin", 11) + std::string(4, '\0') + F64(3.5) +
                           F64(1e9) + std::string("\4\0\0\0\1", 5);
    for (int i = 1; i <= 6; ++i)
        expected += {static_cast<char>(2 * i), static_cast<char>(i)};
    // The history: its current slot overwritten, then the session opened in slot 0 on the
    // bankroll of the moment, the rest of the ring empty.
    expected += "\x11" + std::string(11, '\0') + "\1\1";
    for (int i = 0; i < 4; ++i)
        expected += static_cast<char>(now >> (8 * i));
    expected += std::string(4, '\0') + std::string("\1\0", 2) + F64(1.0) + F64(3.5) +
                std::string(48, '\0') + F64(3.5) + F64(3.5) + std::string(564, '\0');
    expected +=
        std::string(12464, '\0') + "\x22" + std::string(7, '\0') + std::string("\1\1\0\0\1\0\1", 7);
    EXPECT_EQ(RecordOnDisk(1), expected);

    // Ending the session the file left open clears the record's mark of it.
    TCasinoPlayerData left = Decoded(image);
    EXPECT_EQ(left.GetSessionCode(), 4U);
    left.EndSession();
    EXPECT_EQ(left.GetSessionCode(), 0U);

    // The next run reads the same bytes, which decode to the fields and encode unchanged, but
    // for that mark: the run that left the session open is over, and the next start ends it.
    Make();
    ASSERT_EQ(Mgr->GetActive(1), 1);
    const std::string loaded(reinterpret_cast<char*>(Mgr->GetDataBlock(1)), CasinoRecordSize);
    std::string ended = image;
    ended[31] = '\0';
    EXPECT_EQ(loaded, ended);
    TCasinoPlayerData back = Decoded(loaded);
    EXPECT_EQ(back.GetName() + std::to_string(back.GetSex()), "Ann Bigwin0");
    EXPECT_EQ(back.GetBankroll() + back.GetStartBankroll(), 1e9 + 3.5);
    EXPECT_EQ(back.GetSessionCode() * 10 + back.GetInstructionMode(), 1U);
    EXPECT_EQ(back.GetChipCount(5), 0x0102 * 6);
    EXPECT_TRUE(back.GetBetOption(1));
    EXPECT_EQ(Encoded(back), ended);
}

TEST(CasinoPlayerData, HostileRecordsReadSafelyAndClearingForgetsEverything) {
    std::string bytes = DefaultRecord();
    bytes.replace(1, 13, std::string(13, 'Q'));
    bytes.replace(15, 16,
                  F64(std::numeric_limits<double>::quiet_NaN()) +
                      F64(-std::numeric_limits<double>::infinity()));
    bytes[35] = '\x07';
    bytes[13190] = '\x09';
    auto* at = reinterpret_cast<u8*>(bytes.data());
    TCasinoPlayerData data = Decoded(bytes);
    EXPECT_EQ(data.GetName(), std::string(12, 'Q'));
    EXPECT_EQ(data.GetBankroll() + data.GetStartBankroll() +
                  TGamblerRecordView(std::span<const u8>(at, TCasinoPlayerData::EncodedSize))
                      .GetBankroll(),
              0.0);
    // Flag bytes above 1 count as set; a set one of any value toggles off, then on as 1.
    EXPECT_TRUE(data.GetInstructionMode() &&
                TGamblerRecordView(std::span<const u8>(at, TCasinoPlayerData::EncodedSize))
                    .GetInstructionMode());
    EXPECT_TRUE(data.GetBetOption(2) && !data.GetBetOption(7));
    TGamblerRecord(std::span(at, TCasinoPlayerData::EncodedSize)).ToggleInstructionMode();
    EXPECT_EQ(bytes[35], '\0');
    TGamblerRecord(std::span(at, TCasinoPlayerData::EncodedSize)).ToggleInstructionMode();
    EXPECT_EQ(bytes[35], '\1');

    // One byte short: nothing taken, nothing written.
    data.SetName("Kept");
    EXPECT_FALSE(data.Decode(at, CasinoRecordSize - 1) || data.Encode(at, CasinoRecordSize - 1));
    EXPECT_EQ(data.GetName() + bytes.substr(1, 1), "KeptQ");
    data.SetChipCount(6, 77);
    data.SetChipCount(-1, 77);
    EXPECT_EQ(data.GetChipCount(6) + data.GetChipCount(-1), 0);

    data.BeginSession(1, TMoney(5.0));
    data.Clear();
    EXPECT_EQ(Encoded(data), DefaultRecord());
    EXPECT_EQ(Encoded(TCasinoPlayerData()), DefaultRecord());
}

} // namespace

// What a run that did not live to end its session leaves, closed at the next start.
TEST(CasinoPlayerData, ASessionLeftOpenClosesOnceOnTheBankrollAndNeverBeforeItBegan) {
    TFakeClock clock(0, 1'000'000'000);
    TScopedClockSource clockScope(clock);
    TCasinoPlayerData record;
    EXPECT_FALSE(record.CloseLeftSession(5));
    EXPECT_EQ(Encoded(record), Encoded(TCasinoPlayerData()));

    record.SetBankroll(2040.0);
    record.BeginSession(1, TMoney(1.0));
    record.SetBankroll(2075.0);
    const TCCSession& session = *record.GetHistory().GetCurrentSession();
    ASSERT_TRUE(record.CloseLeftSession(session.StartTime + 600));
    EXPECT_FALSE(session.IsOpen());
    EXPECT_EQ(session.EndBankroll.GetValue() - session.StartBankroll.GetValue(), 35.0);
    EXPECT_EQ(session.EndTime - session.StartTime, 600U);
    EXPECT_EQ(record.GetSessionCode(), 0U);
    // Closed already: nothing more to do, the end stays where it was put.
    const std::string closed = Encoded(record);
    EXPECT_FALSE(record.CloseLeftSession(session.StartTime + 9000));
    EXPECT_EQ(Encoded(record), closed);

    // A clock that stood behind the session's start gives it no time at all.
    record.BeginSession(1, TMoney(1.0));
    const TCCSession& next = *record.GetHistory().GetCurrentSession();
    ASSERT_NE(&next, &session);
    ASSERT_TRUE(record.CloseLeftSession(next.StartTime - 3600));
    EXPECT_EQ(next.EndTime, next.StartTime);

    // Only the record's mark left (its session closed): the mark goes, the session stays.
    std::string marked = Encoded(record);
    marked[31] = '\4';
    TCasinoPlayerData left = Decoded(marked);
    ASSERT_TRUE(left.CloseLeftSession(next.StartTime + 50));
    EXPECT_EQ(Encoded(left), Encoded(record));
}
