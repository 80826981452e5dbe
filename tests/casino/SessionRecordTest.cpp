// Session records and the casino game data against byte images written from their layouts:
// every field read from its offset, written back to it, and bytes nobody interprets kept.
#include "casino/CCSession.h"
#include "casino/CasinoCData.h"
#include "casino/CasinoGameData.h"
#include "casino/CasinoPlayerData.h"
#include "platform/host/Clock.h"
#include "platform/host/DateTime.h"

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// A record image built by offset, independently of the records' own writers.
struct TImage {
    explicit TImage(size_t size, char fill = '\0') : Bytes(size, fill) {}
    void Put(size_t at, u64 value, size_t width) {
        for (size_t i = 0; i < width; ++i)
            Bytes.at(at + i) = static_cast<char>(value >> (8 * i));
    }
    void F64(size_t at, double value) { Put(at, std::bit_cast<u64>(value), 8); }
    const u8* Data() const { return reinterpret_cast<const u8*>(Bytes.data()); }
    std::string Bytes;
};

template <class T> std::string EncodedBytes(const T& record, size_t size) {
    // One byte more than the record, to show that nothing past it is written.
    std::string bytes(size + 1, '\xEE');
    EXPECT_TRUE(record.Encode(reinterpret_cast<u8*>(bytes.data()), size + 1));
    EXPECT_EQ(bytes.back(), '\xEE');
    bytes.pop_back();
    return bytes;
}

// Bytes with every kind of f64 pattern in them: NaNs with payloads, infinities, denormals.
std::string Noise(size_t size, u32 seed) {
    std::mt19937 gen(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(gen() & 0xFF);
    for (size_t at = 0; at + 8 <= size; at += 37)
        bytes[at + 7] = static_cast<char>(at % 2 ? 0x7F : 0xFF), bytes[at + 6] = '\xF3';
    return bytes;
}

struct TField {
    std::string Name;
    size_t At;
    size_t Width; // 8 is an amount
    std::function<double(const TCCSession&)> Get;
};

// clang-format off
double Num(double value) { return value; }
double Num(TMoney amount) { return amount.GetValue(); }

// The craps session's layout, field by field: name, offset, width.
#define FIELD(name, at, width) TField{#name, at, width, [](const TCCSession& s) { return Num(s.name); }}
std::vector<TField> SessionLayout() {
    std::vector<TField> fields = {
        FIELD(Used, 0, 1), FIELD(Open, 1, 1), FIELD(StartTime, 2, 4), FIELD(EndTime, 6, 4),
        FIELD(GameCode, 10, 2), FIELD(BetUnit, 12, 8), FIELD(StartBankroll, 20, 8),
        FIELD(EndBankroll, 28, 8), FIELD(TotalBet, 36, 8), FIELD(BetsWon, 44, 2),
        FIELD(BetsLost, 46, 2), FIELD(BetsDecided, 48, 2), FIELD(ExtraCount1, 50, 2),
        FIELD(ExtraCount2, 52, 2), FIELD(ExtraCount3, 54, 2), FIELD(ExtraCount4, 56, 2),
        FIELD(ExtraCount5, 58, 2), FIELD(ExtraMoney1, 60, 8), FIELD(ExtraMoney2, 68, 8),
        FIELD(PeakBankroll, 76, 8), FIELD(LowBankroll, 84, 8), FIELD(RightThisShoot, 92, 1),
        FIELD(WrongThisShoot, 93, 1), FIELD(RightShootNet, 94, 8), FIELD(WrongShootNet, 102, 8),
        FIELD(RightWinStreak, 110, 2), FIELD(WrongWinStreak, 112, 2), FIELD(ShootRolls, 114, 2),
        FIELD(PassStreak, 116, 2), FIELD(DontPassStreak, 118, 2), FIELD(TotalShoots, 120, 2),
        FIELD(PassWins, 122, 2), FIELD(Naturals, 124, 2), FIELD(PointsMade, 126, 2),
        FIELD(DontPassWins, 128, 2), FIELD(CrapOuts, 130, 2), FIELD(SevenOuts, 132, 2),
        FIELD(LongestShoot, 134, 2), FIELD(LongestPassStreak, 136, 2),
        FIELD(LongestDontPassStreak, 138, 2), FIELD(RightShoots, 140, 2),
        FIELD(RightTotalBet, 142, 8), FIELD(RightAverageBet, 150, 8), FIELD(RightShootsWon, 158, 2),
        FIELD(RightShootsLost, 160, 2), FIELD(RightNet, 162, 8), FIELD(RightAverageNet, 170, 8),
        FIELD(RightLongestWinStreak, 178, 2), FIELD(RightMostWon, 180, 8),
        FIELD(RightMostLost, 188, 8), FIELD(WrongShoots, 196, 2), FIELD(WrongTotalBet, 198, 8),
        FIELD(WrongAverageBet, 206, 8), FIELD(WrongShootsWon, 214, 2),
        FIELD(WrongShootsLost, 216, 2), FIELD(WrongNet, 218, 8), FIELD(WrongAverageNet, 226, 8),
        FIELD(WrongLongestWinStreak, 234, 2), FIELD(WrongMostWon, 236, 8),
        FIELD(WrongMostLost, 244, 8), FIELD(TotalWon, 444, 8), FIELD(TotalLost, 452, 8),
        FIELD(HighPercentageBets, 652, 2), FIELD(LowPercentageBets, 654, 2)
    };
    // clang-format on
    for (size_t i = 0; i < 24; ++i) {
        fields.push_back({"BetByRow" + std::to_string(i), 252 + 8 * i, 8,
                          [i](const TCCSession& s) { return Num(s.BetByRow[i]); }});
        fields.push_back({"NetByRow" + std::to_string(i), 460 + 8 * i, 8,
                          [i](const TCCSession& s) { return Num(s.NetByRow[i]); }});
    }
    return fields;
}
#undef FIELD

// A value for each field that no other field shares, so a field read from its neighbour's
// bytes shows.
double ValueAt(const TField& field) {
    switch (field.Width) {
    case 1:
        return static_cast<double>(field.At % 200 + 2);
    case 2:
        return static_cast<double>(1000 + field.At);
    case 4:
        return static_cast<double>(3'000'000'000U + field.At);
    default:
        return -static_cast<double>(field.At) - 0.25;
    }
}

TImage SessionImage(const std::vector<TField>& layout) {
    TImage image(TCCSession::EncodedSize);
    for (const TField& field : layout) {
        if (field.Width == 8)
            image.F64(field.At, ValueAt(field));
        else
            image.Put(field.At, static_cast<u64>(ValueAt(field)), field.Width);
    }
    return image;
}

TEST(SessionRecord, EveryCrapsSessionFieldIsReadFromAndWrittenToItsOffset) {
    const std::vector<TField> layout = SessionLayout();
    const TImage image = SessionImage(layout);
    TCCSession session;
    ASSERT_TRUE(session.Decode(image.Data(), image.Bytes.size()));
    for (const TField& field : layout)
        EXPECT_EQ(field.Get(session), ValueAt(field)) << field.Name;
    EXPECT_EQ(EncodedBytes(session, TCCSession::EncodedSize), image.Bytes);

    // One byte short: nothing taken.
    TCCSession untouched;
    EXPECT_FALSE(untouched.Decode(image.Data(), TCCSession::EncodedSize - 1));
    EXPECT_EQ(untouched.StartTime + untouched.LowPercentageBets, 0U);
}

TEST(SessionRecord, BeginLeavesNothingOfTheSlotsOldSessionAndEndOnlyMovesTheEnd) {
    TFakeClock clock(0, 1'200'000'000);
    TScopedClockSource scope(clock);
    const u32 now = TTime().Seconds();
    const std::string old = Noise(TCCSession::EncodedSize, 7);
    TCCSession session;
    ASSERT_TRUE(session.Decode(reinterpret_cast<const u8*>(old.data()), old.size()));

    session.Begin(TMoney(500.0), 1, TMoney(1.0));
    TImage opened(TCCSession::EncodedSize);
    opened.Put(0, 1, 1);
    opened.Put(1, 1, 1);
    opened.Put(2, now, 4);
    opened.Put(10, 1, 2);
    opened.F64(12, 1.0);
    opened.F64(20, 500.0);
    opened.F64(76, 500.0);
    opened.F64(84, 500.0);
    EXPECT_EQ(EncodedBytes(session, TCCSession::EncodedSize), opened.Bytes);

    clock.Advance(90'000);
    session.End(TMoney(420.5));
    TImage closed = opened;
    closed.Put(1, 0, 1);
    closed.Put(6, now + 90, 4);
    closed.F64(28, 420.5);
    EXPECT_EQ(EncodedBytes(session, TCCSession::EncodedSize), closed.Bytes);

    clock.Advance(30'000);
    session.End(TMoney(-2.0));
    closed.Put(6, now + 120, 4);
    closed.F64(28, -2.0);
    EXPECT_EQ(EncodedBytes(session, TCCSession::EncodedSize), closed.Bytes);
    EXPECT_TRUE(session.IsUsed() && !session.IsOpen());

    session.Clear();
    EXPECT_EQ(EncodedBytes(session, TCCSession::EncodedSize),
              std::string(TCCSession::EncodedSize, '\0'));
}

TEST(SessionRecord, HistoryBookkeepingSlotsSpareAmountAndOptionsSitAtTheirOffsets) {
    TImage image(TCasinoCData::EncodedSize);
    image.Put(0, 0xFFFE, 2);                       // current slot -2: damaged, kept as read
    image.F64(2, 12.5);                            // spare amount
    image.Put(10, 7, 2);                           // walk position
    image.F64(12 + 656 * 3 + 20, 333.0);           // slot 3's start bankroll
    image.F64(12 + 656 * 19 + 460 + 8 * 23, -9.5); // slot 19's last net row
    image.F64(13132, 4.0);                         // second spare amount
    // Option bytes above 1 count as on, and are kept as they are.
    const u8 options[8] = {2, 0, 255, 1, 0, 0x80, 0};
    for (size_t i = 0; i < 7; ++i)
        image.Put(13140 + i, options[i], 1);

    TCasinoCData history;
    ASSERT_TRUE(history.Decode(image.Data(), image.Bytes.size()));
    EXPECT_EQ(history.Current, -2);
    EXPECT_EQ(history.Reserved.GetValue(), 12.5);
    EXPECT_EQ(history.Walk, 7);
    ASSERT_NE(history.GetSession(3), nullptr);
    EXPECT_EQ(history.GetSession(3)->StartBankroll.GetValue(), 333.0);
    EXPECT_EQ(history.GetSession(19)->NetByRow[23].GetValue(), -9.5);
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(history.GetBetOption(i), options[i] != 0) << i;
    EXPECT_EQ(EncodedBytes(history, TCasinoCData::EncodedSize), image.Bytes);

    // Clearing keeps only the walk position; the options go back to their defaults.
    history.Clear();
    TImage cleared(TCasinoCData::EncodedSize);
    cleared.Put(10, 7, 2);
    const u8 defaults[7] = {1, 0, 0, 0, 1, 0, 1};
    for (size_t i = 0; i < 7; ++i)
        cleared.Put(13140 + i, defaults[i], 1);
    EXPECT_EQ(EncodedBytes(history, TCasinoCData::EncodedSize), cleared.Bytes);
    EXPECT_FALSE(history.Decode(image.Data(), TCasinoCData::EncodedSize - 1));
    EXPECT_EQ(history.Current, 0);
}

// Whatever a file holds, a record that nobody changes goes back out byte for byte.
TEST(SessionRecord, NoiseDecodesAndEncodesUnchangedInEveryRecord) {
    for (u32 seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::string history = Noise(TCasinoCData::EncodedSize, seed);
        TCasinoCData h;
        ASSERT_TRUE(h.Decode(reinterpret_cast<const u8*>(history.data()), history.size()));
        EXPECT_EQ(EncodedBytes(h, history.size()), history);

        const std::string game = Noise(TCasinoGameData::EncodedSize, seed);
        TCasinoGameData g;
        ASSERT_TRUE(g.Decode(reinterpret_cast<const u8*>(game.data()), game.size()));
        EXPECT_EQ(EncodedBytes(g, game.size()), game);

        // The whole gambler record, with the name and amounts the engine's part accepts.
        std::string record = Noise(TCasinoPlayerData::EncodedSize, seed);
        record.replace(1, 13, std::string("Noisy\0\0\0\0\0\0\0\0", 13));
        record.replace(15, 16, std::string(16, '\0'));
        TCasinoPlayerData p;
        ASSERT_TRUE(p.Decode(reinterpret_cast<const u8*>(record.data()), record.size()));
        EXPECT_EQ(EncodedBytes(p, record.size()), record);
    }
}

} // namespace
