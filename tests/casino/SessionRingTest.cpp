// A gambler's ring of sessions: slots taken in turn and wrapping, the walk oldest first over
// rings with gaps, and rings damaged in the file.
#include "casino/CasinoCData.h"
#include "platform/host/Clock.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

namespace {

using Slots = std::vector<i16>;

Slots Walked(TCasinoCData& history) {
    Slots slots;
    for (i16 slot = history.FirstSession(); slot != -1; slot = history.NextSession()) {
        slots.push_back(slot);
        if (slots.size() > 40)
            break; // a walk that never ends
    }
    return slots;
}

Slots Range(i16 from, i16 to) {
    Slots slots;
    for (i16 slot = from; slot <= to; ++slot)
        slots.push_back(slot);
    return slots;
}

Slots operator+(Slots a, const Slots& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A stored history: the current slot and walk as u16, the listed slots marked in use, each
// with its slot number as its start bankroll so a misplaced read shows.
std::string StoredHistory(u16 current, const Slots& used, u16 walk = 0) {
    std::string bytes(TCasinoCData::EncodedSize, '\0');
    auto put16 = [&](size_t at, u16 value) {
        bytes[at] = static_cast<char>(value);
        bytes[at + 1] = static_cast<char>(value >> 8);
    };
    put16(0, current);
    put16(10, walk);
    for (i16 slot : used) {
        const size_t at = 12 + 656 * static_cast<size_t>(slot);
        bytes[at] = 1;
        const u64 bits = std::bit_cast<u64>(static_cast<double>(slot));
        for (size_t i = 0; i < 8; ++i)
            bytes[at + 20 + i] = static_cast<char>(bits >> (8 * i));
    }
    return bytes;
}

TCasinoCData Read(const std::string& bytes) {
    TCasinoCData history;
    EXPECT_TRUE(history.Decode(reinterpret_cast<const u8*>(bytes.data()), bytes.size()));
    return history;
}

std::string Written(const TCasinoCData& history) {
    std::string bytes(TCasinoCData::EncodedSize, '\0');
    EXPECT_TRUE(history.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    return bytes;
}

TEST(SessionRing, SessionsTakeTheSlotsInTurnAndTheTwentyFirstReplacesTheOldest) {
    TFakeClock clock(0, 1'000'000'000);
    TScopedClockSource scope(clock);
    TCasinoCData history;
    EXPECT_EQ(history.FirstSession(), -1);
    for (i16 n = 0; n < 20; ++n) {
        history.BeginSession(TMoney(100.0 + n), 1, TMoney(1.0));
        ASSERT_EQ(history.Current, n);
        history.GetCurrentSession()->PassWins = static_cast<u16>(n + 1);
        history.EndSession(TMoney(90.0 + n));
    }
    EXPECT_EQ(Walked(history), Range(0, 19));

    history.BeginSession(TMoney(120.0), 1, TMoney(1.0));
    EXPECT_EQ(history.Current, 0);
    EXPECT_EQ(Walked(history), Range(1, 19) + Slots{0});
    const TCCSession& newest = *history.GetSession(0);
    EXPECT_EQ(newest.StartBankroll.GetValue() + newest.EndBankroll.GetValue(), 120.0);
    EXPECT_TRUE(newest.IsOpen() && newest.PassWins == 0);
    EXPECT_EQ(history.GetSession(1)->PassWins, 2);
}

TEST(SessionRing, TheWalkRunsOldestFirstAndEndsAtTheFirstGap) {
    const struct {
        const char* Name;
        u16 Current;
        Slots Used;
        Slots Walk;
    } cases[] = {
        {"empty", 0, {}, {}},
        {"first only", 0, {0}, {0}},
        {"five before a wrap", 4, Range(0, 4), Range(0, 4)},
        {"full ring", 7, Range(0, 19), Range(8, 19) + Range(0, 7)},
        {"full ring ending at 19", 19, Range(0, 19), Range(0, 19)},
        {"current alone", 5, {5}, {5}},
        {"gap after the oldest", 2, {0, 2}, {0}},
        {"gap inside a wrapped ring", 7, Range(0, 11) + Range(13, 19), Range(8, 11)},
        {"current not in use", 3, {0, 1, 2}, {}},
    };
    for (const auto& c : cases) {
        TCasinoCData history = Read(StoredHistory(c.Current, c.Used));
        const Slots walk = Walked(history);
        EXPECT_EQ(walk, c.Walk) << c.Name;
        for (i16 slot : walk)
            EXPECT_EQ(history.GetSession(slot)->StartBankroll.GetValue(), slot) << c.Name;
        // The walk has ended for good.
        EXPECT_EQ(history.NextSession(), -1) << c.Name;
        EXPECT_EQ(history.Walk, -1) << c.Name;
    }
}

// A current slot outside the ring: nothing reads or writes through it, and the next session
// starts the ring again at slot 0.
TEST(SessionRing, ADamagedCurrentSlotShowsNoSessionUntilTheNextOneRestartsTheRing) {
    TFakeClock clock(0, 1'000'000'000);
    TScopedClockSource scope(clock);
    for (u16 current : {20, 255, 0x7FFF, 0x8000, 0xFFFF}) {
        SCOPED_TRACE(current);
        const std::string stored = StoredHistory(current, Range(0, 19), 4);
        TCasinoCData history = Read(stored);
        EXPECT_EQ(history.GetCurrentSession(), nullptr);
        history.EndSession(TMoney(1.0));
        EXPECT_EQ(Written(history), stored);
        EXPECT_EQ(history.NextSession(), -1);
        EXPECT_EQ(Walked(history), Slots{});

        history.BeginSession(TMoney(42.0), 1, TMoney(1.0));
        EXPECT_EQ(history.Current, 0);
        ASSERT_EQ(history.GetCurrentSession(), history.GetSession(0));
        EXPECT_EQ(history.GetSession(0)->StartBankroll.GetValue(), 42.0);
        EXPECT_EQ(Walked(history), Range(1, 19) + Slots{0});
        history.BeginSession(TMoney(43.0), 1, TMoney(1.0));
        EXPECT_EQ(history.Current, 1);
    }
}

TEST(SessionRing, AStoredWalkPositionOrAnEmptyNewestIsNotTrusted) {
    for (u16 walk : {20, 300, 0xFFFE, 0x8000}) {
        TCasinoCData history = Read(StoredHistory(4, Range(0, 4), walk));
        EXPECT_EQ(history.NextSession(), -1) << walk;
        EXPECT_EQ(history.Walk, -1) << walk;
    }
    // Walking on from a stored position onto an empty current slot.
    EXPECT_EQ(Read(StoredHistory(4, Range(0, 3), 3)).NextSession(), -1);
}

} // namespace
