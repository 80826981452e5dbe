// The record check against what the game itself writes: names as the create box takes them, and
// free places that show the blank's face, damaged anywhere, bring back nobody.
#include "DamagedSaveFixture.h"

#include "casino/GamblerRules.h"
#include "platform/host/RuntimeRandom.h"
#include "support/LoadedSave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace damaged_save;

// The engine states the create box's rule again, as it cannot reach it: the two agree on every
// single byte and on names with blanks, long and short.
TEST_F(DamagedSaveSweep, TheRecordCheckTakesTheNamesTheCreateBoxTakesAndNoOthers) {
    Make();
    const auto boxTakes = [&](const std::string& name) {
        const TGamblerName::TVerdict verdict = TGamblerName::Check(name, *Mgr);
        return TGamblerName::Trim(name) == name &&
               (verdict == TGamblerName::TVerdict::Ok || verdict == TGamblerName::TVerdict::Taken);
    };
    std::vector<std::string> names = {
        "Joe Gambler",   "John Dough", "Ann Seed", "a b c d e f",       "Twelve Chars",
        "Thirteen Char", " Ann",       "Ann ",     "Ann  Seed",         "Ann\tSeed",
        "O'Brien",       "Ann-Marie",  "Zz09",     std::string(12, '9')};
    for (int c = 1; c < 256; ++c) {
        names.emplace_back(1, static_cast<char>(c));
        names.push_back("A" + std::string(1, static_cast<char>(c)) + "b");
    }
    for (const std::string& name : names)
        EXPECT_EQ(save_record::IsWrittenName(name), boxTakes(name)) << name;
}

// Random bytes over a lost disk block across Ann's and Bob's records: Bob, whose name took a
// byte the game never writes, is not taken as written but told. (Ann's tail took random bytes
// too: her record has no checksum to show it.)
TEST_F(DamagedSaveSweep, ANameWithAByteTheGameNeverWritesIsLeftOutAndTold) {
    const std::string three = ThreeGamblers();
    const std::vector<u8> good(three.begin(), three.end());
    const size_t bob = 231 + 2 * CasinoRecordSize;
    TLcgRandom random;
    random.Seed(5);
    for (int fill = 0; fill < 6; ++fill) {
        std::vector<u8> bytes = good;
        for (size_t at = 26112; at < 26624; ++at)
            bytes[at] = static_cast<u8>(random.Next());
        // His mark as it was, or lost; his name's first letter one the game never writes.
        bytes[bob] = static_cast<u8>(fill % 2);
        bytes[bob + 1] = static_cast<u8>(0x80 + fill);
        bytes[bob + 2] = 'o';
        SCOPED_TRACE(fill);
        EXPECT_FALSE(Mgr->HoldsOnlyWholeRecords(bytes));
        const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, bytes);
        ASSERT_FALSE(recovery.Whole.empty());
        EXPECT_EQ(recovery.Whole[0].Record, 0);
        EXPECT_TRUE(std::equal(recovery.Whole[0].Bytes.begin(), recovery.Whole[0].Bytes.end(),
                               good.begin() + 231));
        for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole)
            EXPECT_NE(found.Record, 2);
        const std::string name = std::string(1, static_cast<char>(0x80 + fill)) + "ob Decoy";
        EXPECT_NE(std::find(recovery.Shown.begin(), recovery.Shown.end(), "\"" + name + "\""),
                  recovery.Shown.end());
    }
}

// Nothing of a free place but its blank is ever written, and no gambler the game makes has the
// blank's face (its name, its start bankroll): a byte changed anywhere in one, or its mark set,
// leaves a damaged free place that brings nobody back and names nobody.
TEST_F(DamagedSaveSweep, AByteChangedAnywhereInAFreePlaceBringsNobodyBack) {
    const std::string three = ThreeGamblers();
    std::vector<u8> bytes(three.begin(), three.end());
    const size_t free3 = 231 + 3 * CasinoRecordSize;
    size_t files = 0;
    for (size_t k = 0; k < CasinoRecordSize; ++k) {
        const u8 kept = bytes[free3 + k];
        for (const u8 value : {u8{0x01}, u8{0x41}, u8{0xFF}}) {
            if (value == kept)
                continue;
            bytes[free3 + k] = value;
            ++files;
            ASSERT_FALSE(Mgr->HoldsOnlyWholeRecords(bytes)) << k;
            const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, bytes);
            ASSERT_EQ(recovery.Whole.size(), 3U) << k << " " << int(value);
            for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole)
                ASSERT_LT(found.Record, 3) << k << " " << int(value);
            ASSERT_EQ(recovery.LeftOut, Texts{}) << k << " " << int(value);
        }
        bytes[free3 + k] = kept;
    }
    EXPECT_GT(files, 3 * CasinoRecordSize - 13195 / 2);
}

// What a recovery brought back, in place order, and what it told.
struct TBack {
    std::vector<i16> Places;
    Texts LeftOut;
    bool operator==(const TBack&) const = default;
};

TBack Recovered(TCasinoPlayerMgr& mgr, const std::vector<u8>& bytes) {
    const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(mgr, bytes);
    TBack back{{}, recovery.LeftOut};
    for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole)
        back.Places.push_back(found.Record);
    return back;
}

std::ostream& operator<<(std::ostream& out, const TBack& back) {
    for (const i16 r : back.Places)
        out << r << " ";
    for (const std::string& told : back.LeftOut)
        out << told << " ";
    return out;
}

constexpr size_t Free3 = 231 + 3 * CasinoRecordSize;

// Zeros a lost write left over a free place's name tail, sex and both bankrolls: with its mark
// as it was, what is left is the blank's and the place was free; with its mark set, what is left
// is still the blank's, and nobody was there. Nobody comes back from it or is told.
TEST_F(DamagedSaveSweep, ZerosOverAFreePlacesFaceBringNobodyBackWithNothingToStartWith) {
    const std::string three = ThreeGamblers();
    std::vector<u8> wiped(three.begin(), three.end());
    std::fill_n(wiped.begin() + Free3 + 7, 24, u8{0});
    EXPECT_FALSE(Mgr->HoldsOnlyWholeRecords(wiped));
    EXPECT_EQ(Recovered(*Mgr, wiped), (TBack{{0, 1, 2}, {}}));
    wiped[Free3] = 1;
    EXPECT_FALSE(Mgr->HoldsOnlyWholeRecords(wiped));
    EXPECT_EQ(Recovered(*Mgr, wiped), (TBack{{0, 1, 2}, {}}));
}

// Zeros from a free place's name into its start bankroll, whose top bytes are left ($1,984 or
// $2.00), its mark set: what reads there ("J" to "John Doug", $0.00) is the blank's bytes and
// zeros, no gambler the game made. The file is damaged, and nobody comes back from it.
TEST_F(DamagedSaveSweep, ZerosOverAFreePlacesHeadWithItsMarkSetMakeNobodyUp) {
    const std::string three = ThreeGamblers();
    for (const size_t from : {2U, 3U, 4U, 5U, 7U, 10U}) {
        for (const size_t to : {28U, 29U}) {
            std::vector<u8> wiped(three.begin(), three.end());
            std::fill(wiped.begin() + static_cast<std::ptrdiff_t>(Free3 + from),
                      wiped.begin() + static_cast<std::ptrdiff_t>(Free3 + to + 1), u8{0});
            wiped[Free3] = 1;
            EXPECT_FALSE(Mgr->HoldsOnlyWholeRecords(wiped)) << from << " to " << to;
            EXPECT_EQ(Recovered(*Mgr, wiped), (TBack{{0, 1, 2}, {}})) << from << " to " << to;
        }
    }
}

// A lost sector of other bytes over a free place's head, its mark among them: outside that run
// the place is the blank's, and nobody was there to be told.
TEST_F(DamagedSaveSweep, ASectorOfOtherBytesOverAFreePlacesHeadTellsNobody) {
    const std::string three = ThreeGamblers();
    TLcgRandom random;
    random.Seed(17);
    for (const size_t sector : {512U, 4096U}) {
        for (int fill = 0; fill < 9; ++fill) {
            std::vector<u8> bytes(three.begin(), three.end());
            for (size_t i = 0; i < sector; ++i)
                bytes[Free3 + i] = fill == 0 ? u8{0x5A} : static_cast<u8>(random.Next());
            EXPECT_EQ(Recovered(*Mgr, bytes), (TBack{{0, 1, 2}, {}})) << sector << " " << fill;
        }
    }
}

// Two damages in a free place: a letter of its name changed, and bytes put in inside its start
// bankroll. What reads there is no gambler the game wrote ("John 0ough" with the blank's
// $2,000), in the three gamblers' save and in the one a new player's first game writes.
TEST_F(DamagedSaveSweep, ALetterAndBytesPutInInsideOneFreePlaceMakeNobodyUp) {
    const std::string three = ThreeGamblers();
    const std::string alone = JoeAlone();
    for (const std::string* written : {&three, &alone}) {
        const size_t free = written == &three ? Free3 : 231 + CasinoRecordSize;
        const std::vector<i16> gamblers =
            written == &three ? std::vector<i16>{0, 1, 2} : std::vector<i16>{0};
        for (const char* put : {"AA", "A", "AAAA"}) {
            std::string bytes = *written;
            bytes[free + 6] = '0';
            bytes.insert(free + 27, put);
            EXPECT_EQ(Recovered(*Mgr, std::vector<u8>(bytes.begin(), bytes.end())),
                      (TBack{gamblers, {}}))
                << put;
        }
    }
}

// Damage in free places alone: a lost sector of zeros over a free place's head, and a byte
// changed in one with bytes put in at another's name, which no one point explains. Each
// gambler lies whole in his own place and comes back; nobody is told.
TEST_F(DamagedSaveSweep, DamageInFreePlacesAloneBringsEveryGamblerBackAndTellsNobody) {
    const std::string three = ThreeGamblers();
    for (const size_t sector : {512U, 4096U}) {
        std::vector<u8> bytes(three.begin(), three.end());
        std::fill_n(bytes.begin() + Free3, sector, u8{0});
        EXPECT_EQ(Recovered(*Mgr, bytes), (TBack{{0, 1, 2}, {}})) << sector;
    }
    for (const size_t count : {1U, 5U, 16U}) {
        std::string bytes = three;
        bytes[Free3 + 20] = 'A';
        bytes.insert(Free3 + 5, std::string(count, '\0'));
        EXPECT_EQ(Recovered(*Mgr, std::vector<u8>(bytes.begin(), bytes.end())),
                  (TBack{{0, 1, 2}, {}}))
            << count;
    }
}

// A changed byte and bytes put in, both in free places, at the heads the reader judges: the
// gamblers lying whole in their places come back, and nobody is told or made up.
TEST_F(DamagedSaveSweep, TwoDamagesInFreePlacesHeadsBringEveryGamblerBackAndMakeNobody) {
    const std::string three = ThreeGamblers();
    const auto place = [](size_t k, size_t offset) { return 231 + k * CasinoRecordSize + offset; };
    struct TCase {
        const char* What;
        size_t Changed;
        size_t PutAt;
        std::string Put;
    };
    const TCase cases[] = {
        {"a name's letter, then zeros in a later start bankroll", place(9, 1), place(11, 30),
         std::string(15, '\0')},
        {"a mark, then letters at a later head", place(8, 0), place(18, 0), std::string(13, 'x')},
        {"letters in a name, which would read as a gambler", place(13, 31), place(8, 1), "xx"},
        {"a mark, then as many zeros as put the blank's sex on a mark", place(17, 0), place(18, 35),
         std::string(14, '\0')},
    };
    for (const TCase& c : cases) {
        std::string bytes = three;
        bytes[c.Changed] = 'A';
        bytes.insert(c.PutAt, c.Put);
        EXPECT_EQ(Recovered(*Mgr, std::vector<u8>(bytes.begin(), bytes.end())),
                  (TBack{{0, 1, 2}, {}}))
            << c.What;
    }
}

// Zeros from a free place's name into its start bankroll, its mark set, and then a shift in a
// later free place: the one-point judge weighs the shift, and what it reads at the wiped place is
// still the blank's bytes and zeros. Nobody comes back from it or is told.
TEST_F(DamagedSaveSweep, ZerosOverAFreePlacesHeadAndAShiftInALaterOneMakeNobodyUp) {
    const std::string three = ThreeGamblers();
    std::string wiped = three;
    std::fill_n(wiped.begin() + static_cast<std::ptrdiff_t>(Free3 + 2), 27, '\0');
    wiped[Free3] = 1;
    const size_t free10 = 231 + 10 * CasinoRecordSize;
    for (const size_t offset : {0U, 1U, 5U, 16U, 30U, 200U}) {
        for (size_t count = 1; count <= 16; ++count) {
            for (const char put : {'\0', 'A'}) {
                std::string bytes = wiped;
                bytes.insert(free10 + offset, std::string(count, put));
                EXPECT_EQ(Recovered(*Mgr, std::vector<u8>(bytes.begin(), bytes.end())),
                          (TBack{{0, 1, 2}, {}}))
                    << count << " of " << int(put) << " put in at " << offset;
            }
            std::string bytes = wiped;
            bytes.erase(free10 + offset, count);
            EXPECT_EQ(Recovered(*Mgr, std::vector<u8>(bytes.begin(), bytes.end())),
                      (TBack{{0, 1, 2}, {}}))
                << count << " taken out at " << offset;
        }
    }
}

} // namespace
