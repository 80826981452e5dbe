// The save file's field tables against the record layouts (each field's name, offset and
// width, each record's size), the tiling check that guards them, and the gambler record's
// view: a filled record through its getters, setters and edits, and short buffers refused.
#include "casino/GamblerLayout.h"
#include "casino/GamblerRecord.h"
#include "casino/GameDataLayout.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

struct TExpected {
    std::string_view Name;
    size_t At;
    size_t Width;
};

template <class T> void ExpectLayout(size_t size, const std::vector<TExpected>& expected) {
    EXPECT_EQ(TLayoutOf<T>::Size, size);
    const auto& fields = TLayoutOf<T>::Fields;
    ASSERT_EQ(std::size(fields), expected.size()) << "fields of the " << size << "-byte layout";
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fields[i].Name, expected[i].Name) << "field " << i << " of " << size;
        EXPECT_EQ(fields[i].At, expected[i].At) << expected[i].Name;
        EXPECT_EQ(fields[i].Width, expected[i].Width) << expected[i].Name;
    }
}

TEST(RecordLayout, EachTableGivesTheLayoutsOffsetsWidthsAndSize) {
    ExpectLayout<TPlayerData>(31, {{"Used", 0, 1},
                                   {"Name", 1, 13},
                                   {"Sex", 14, 1},
                                   {"Bankroll", 15, 8},
                                   {"StartBankroll", 23, 8}});
    ExpectLayout<TCasinoSession>(
        92, {{"Used", 0, 1},           {"Open", 1, 1},          {"StartTime", 2, 4},
             {"EndTime", 6, 4},        {"GameCode", 10, 2},     {"BetUnit", 12, 8},
             {"StartBankroll", 20, 8}, {"EndBankroll", 28, 8},  {"TotalBet", 36, 8},
             {"BetsWon", 44, 2},       {"BetsLost", 46, 2},     {"BetsDecided", 48, 2},
             {"ExtraCount1", 50, 2},   {"ExtraCount2", 52, 2},  {"ExtraCount3", 54, 2},
             {"ExtraCount4", 56, 2},   {"ExtraCount5", 58, 2},  {"ExtraMoney1", 60, 8},
             {"ExtraMoney2", 68, 8},   {"PeakBankroll", 76, 8}, {"LowBankroll", 84, 8}});
    ExpectLayout<TCCSession>(656, {{"Session", 0, 92},
                                   {"RightThisShoot", 92, 1},
                                   {"WrongThisShoot", 93, 1},
                                   {"RightShootNet", 94, 8},
                                   {"WrongShootNet", 102, 8},
                                   {"RightWinStreak", 110, 2},
                                   {"WrongWinStreak", 112, 2},
                                   {"ShootRolls", 114, 2},
                                   {"PassStreak", 116, 2},
                                   {"DontPassStreak", 118, 2},
                                   {"TotalShoots", 120, 2},
                                   {"PassWins", 122, 2},
                                   {"Naturals", 124, 2},
                                   {"PointsMade", 126, 2},
                                   {"DontPassWins", 128, 2},
                                   {"CrapOuts", 130, 2},
                                   {"SevenOuts", 132, 2},
                                   {"LongestShoot", 134, 2},
                                   {"LongestPassStreak", 136, 2},
                                   {"LongestDontPassStreak", 138, 2},
                                   {"RightShoots", 140, 2},
                                   {"RightTotalBet", 142, 8},
                                   {"RightAverageBet", 150, 8},
                                   {"RightShootsWon", 158, 2},
                                   {"RightShootsLost", 160, 2},
                                   {"RightNet", 162, 8},
                                   {"RightAverageNet", 170, 8},
                                   {"RightLongestWinStreak", 178, 2},
                                   {"RightMostWon", 180, 8},
                                   {"RightMostLost", 188, 8},
                                   {"WrongShoots", 196, 2},
                                   {"WrongTotalBet", 198, 8},
                                   {"WrongAverageBet", 206, 8},
                                   {"WrongShootsWon", 214, 2},
                                   {"WrongShootsLost", 216, 2},
                                   {"WrongNet", 218, 8},
                                   {"WrongAverageNet", 226, 8},
                                   {"WrongLongestWinStreak", 234, 2},
                                   {"WrongMostWon", 236, 8},
                                   {"WrongMostLost", 244, 8},
                                   {"BetByRow", 252, 192},
                                   {"TotalWon", 444, 8},
                                   {"TotalLost", 452, 8},
                                   {"NetByRow", 460, 192},
                                   {"HighPercentageBets", 652, 2},
                                   {"LowPercentageBets", 654, 2}});
    ExpectLayout<TCasinoData>(12, {{"Current", 0, 2}, {"Reserved", 2, 8}, {"Walk", 10, 2}});
    ExpectLayout<TCasinoCData>(
        13147,
        {{"Ring", 0, 12}, {"Sessions", 12, 13120}, {"Reserved", 13132, 8}, {"Options", 13140, 7}});
    ExpectLayout<TCasinoGameData>(223, {{"Stamps", 0, 16},
                                        {"First", 16, 4},
                                        {"Second", 20, 4},
                                        {"Amount", 24, 8},
                                        {"Counts", 32, 32},
                                        {"Amounts", 64, 72},
                                        {"Spare", 136, 75},
                                        {"Tail", 211, 12}});
    ExpectLayout<TCasinoPlayerData>(13195, {{"Player", 0, 31},
                                            {"SessionCode", 31, 4},
                                            {"Instruction", 35, 1},
                                            {"Chips", 36, 12},
                                            {"History", 48, 13147}});
}

// The check every table passes at build time, shown to catch what it is there for.
struct TTiny {
    u8 A = 0;
    u16 B = 0;
};
constexpr TRecordField<TTiny> Whole[] = {Field<TTiny, &TTiny::A>("A", 0),
                                         Field<TTiny, &TTiny::B>("B", 1)};
constexpr TRecordField<TTiny> Gap[] = {Field<TTiny, &TTiny::A>("A", 0),
                                       Field<TTiny, &TTiny::B>("B", 2)};
constexpr TRecordField<TTiny> Overlap[] = {Field<TTiny, &TTiny::A>("A", 0),
                                           Field<TTiny, &TTiny::B>("B", 0)};
static_assert(FieldsTile(Whole, 3));
static_assert(!FieldsTile(Whole, 4), "a record longer than its fields");
static_assert(!FieldsTile(Whole, 2), "fields past the record's end");
static_assert(!FieldsTile(Gap, 4), "a gap between fields");
static_assert(!FieldsTile(Overlap, 2), "fields over each other");

std::vector<u8> DefaultRecord() {
    std::vector<u8> bytes(TCasinoPlayerData::EncodedSize, 0xEE);
    EXPECT_TRUE(TCasinoPlayerData().Encode(bytes.data(), bytes.size()));
    return bytes;
}

TEST(GamblerRecord, AFilledRecordReadsBackThroughTheViewAndWholeDecode) {
    std::vector<u8> bytes = DefaultRecord();
    TGamblerRecord record{std::span(bytes)};
    ASSERT_TRUE(record.IsValid());
    ASSERT_TRUE(record.Edit([](TCasinoPlayerData& data) {
        data.SetName("Ann Bigwin");
        data.SetSex(0);
        data.SetBankroll(750.25);
        data.BeginSession(1, TMoney(5.0));
    }));
    record.SetBankroll(812.5);
    for (size_t i = 0; i < TCasinoPlayerData::ChipKinds; ++i)
        record.SetChipCount(i, static_cast<u16>(0x0102 * (i + 1)));
    record.SetBetOption(1, true);
    record.SetBetOption(0, false);
    record.ToggleInstructionMode();
    ASSERT_TRUE(record.EditCurrentSession([](TCCSession& session) {
        session.TotalWon = TMoney(62.5);
        return true;
    }));

    EXPECT_EQ(record.GetName(), "Ann Bigwin");
    EXPECT_EQ(record.GetSex(), 0);
    EXPECT_EQ(record.GetBankroll(), 812.5);
    EXPECT_EQ(record.GetSessionCode(), TCasinoPlayerData::SessionOpen);
    EXPECT_TRUE(record.GetInstructionMode());
    EXPECT_EQ(record.GetChipCount(5), 0x0102 * 6);
    EXPECT_EQ(record.GetChipCount(6), 0);
    EXPECT_TRUE(record.GetBetOption(1) && !record.GetBetOption(0) && !record.GetBetOption(7));

    // The same record decoded whole, and written again byte for byte.
    TCasinoPlayerData data;
    ASSERT_TRUE(record.Decode(data));
    EXPECT_EQ(data.GetBankroll(), 812.5);
    EXPECT_EQ(data.GetChipCount(2), 0x0102 * 3);
    EXPECT_TRUE(data.GetInstructionMode() && data.GetBetOption(1) && !data.GetBetOption(0));
    const TCCSession* session = data.GetHistory().GetCurrentSession();
    ASSERT_NE(session, nullptr);
    EXPECT_TRUE(session->IsOpen());
    EXPECT_EQ(session->StartBankroll, TMoney(750.25));
    EXPECT_EQ(session->BetUnit, TMoney(5.0));
    EXPECT_EQ(session->TotalWon, TMoney(62.5));
    std::vector<u8> again(bytes.size(), 0);
    ASSERT_TRUE(data.Encode(again.data(), again.size()));
    EXPECT_EQ(again, bytes);
}

TEST(GamblerRecord, OneFieldChangedLeavesEveryOtherByte) {
    std::vector<u8> bytes = DefaultRecord();
    // A name that fills its field without a NUL, which a whole decode would tidy.
    for (size_t i = 1; i <= 13; ++i)
        bytes[i] = 'Q';
    std::vector<u8> expected = bytes;
    TGamblerRecord record{std::span(bytes)};
    record.SetBankroll(1.5);
    JorpPutF64(expected.data() + 15, 1.5);
    record.SetChipCount(3, 0xBEEF);
    JorpPutU16(expected.data() + 36 + 6, 0xBEEF);
    record.SetBetOption(6, false);
    expected[48 + 13140 + 6] = 0;
    EXPECT_EQ(bytes, expected);

    // A session left as it was is not written back.
    bytes[48 + 12 + 76 + 7] = 0x7F;
    bytes[48 + 12 + 76 + 6] = 0xF8; // the peak bankroll a NaN
    expected = bytes;
    EXPECT_TRUE(record.EditCurrentSession([](TCCSession&) { return false; }));
    EXPECT_EQ(bytes, expected);
}

TEST(GamblerRecord, ShortBuffersAndSlotsOutsideTheRingAreRefused) {
    std::vector<u8> bytes = DefaultRecord();
    bytes.pop_back();
    const std::vector<u8> before = bytes;
    TGamblerRecord shortRecord{std::span(bytes)};
    EXPECT_FALSE(shortRecord.IsValid());
    shortRecord.SetBankroll(9.0);
    shortRecord.ToggleInstructionMode();
    shortRecord.SetChipCount(0, 9);
    shortRecord.SetBetOption(0, false);
    bool called = false;
    EXPECT_FALSE(shortRecord.Edit([&](TCasinoPlayerData&) { called = true; }));
    EXPECT_FALSE(shortRecord.EditCurrentSession([&](TCCSession&) { return called = true; }));
    EXPECT_FALSE(called);
    EXPECT_EQ(bytes, before);
    EXPECT_EQ(shortRecord.GetBankroll() + shortRecord.GetChipCount(0), 0.0);
    EXPECT_TRUE(shortRecord.GetName().empty() && !shortRecord.GetBetOption(0));
    EXPECT_FALSE(TGamblerRecordView(std::span<const u8>()).IsValid());

    // Each layout takes nothing from, and writes nothing into, one byte less than its size.
    TCasinoGameData game;
    game.First = 7;
    EXPECT_FALSE(DecodeRecord(game, std::span(bytes).first(TCasinoGameData::EncodedSize - 1)));
    EXPECT_EQ(game.First, 7U);
    EXPECT_FALSE(EncodeRecord(game, std::span(bytes).first(TCasinoGameData::EncodedSize - 1)));
    TCCSession session;
    EXPECT_FALSE(session.Decode(bytes.data(), TCCSession::EncodedSize - 1));
    EXPECT_FALSE(session.Encode(bytes.data(), TCCSession::EncodedSize - 1));
    EXPECT_FALSE(TCasinoData().Encode(bytes.data(), TCasinoData::EncodedSize - 1));
    EXPECT_EQ(bytes, before);

    // A damaged file's current slot: no session is read or written, and nothing changes.
    std::vector<u8> damaged = DefaultRecord();
    JorpPutU16(damaged.data() + 48, 20);
    const std::vector<u8> stored = damaged;
    TGamblerRecord record{std::span(damaged)};
    TCCSession current;
    EXPECT_FALSE(record.DecodeCurrentSession(current));
    EXPECT_FALSE(record.EditCurrentSession([&](TCCSession&) { return called = true; }));
    EXPECT_FALSE(called);
    EXPECT_EQ(damaged, stored);
}

} // namespace
