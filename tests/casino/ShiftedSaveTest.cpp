// The gambler file with bytes put in or taken out at one point, up to a record's worth: every
// gambler comes back byte for byte as written or is told, nobody comes back who was not written,
// and who may be left out is pinned.
#include "DamagedSaveFixture.h"

#include "support/LoadedSave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace damaged_save;

class ShiftedSave : public DamagedSaveSweep {
protected:
    // What the recovery of a damaged file did with the gamblers written in it.
    struct TJudged {
        // The places of the gamblers left out, in order.
        std::vector<i16> LeftOut;
        // Those told that nobody wrote, among the nameless and by a name.
        size_t Strangers = 0;
        std::vector<std::string> NamedStrangers;
    };
    // Every gambler back is one written, byte for byte in his place; every one written and not
    // back is told, by his name, by his name with the damage in it, or among the nameless.
    TJudged Judge(const std::string& written, const std::string& damaged, size_t count,
                  const std::string& what) {
        TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, damaged);
        std::vector<std::string> names;
        for (i16 r = 0; r < 20 && written[231 + r * CasinoRecordSize] == 1; ++r)
            names.push_back(Decoded(written.substr(231 + r * CasinoRecordSize)).GetName());
        std::vector<bool> back(names.size(), false);
        for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole) {
            const auto r = static_cast<size_t>(found.Record);
            EXPECT_LT(r, names.size()) << what << ": a gambler never written";
            if (r >= names.size())
                continue;
            EXPECT_TRUE(found.Bytes.size() == CasinoRecordSize &&
                        std::memcmp(found.Bytes.data(), written.data() + 231 + r * CasinoRecordSize,
                                    CasinoRecordSize) == 0)
                << what << ": " << names[r] << " altered";
            back[r] = true;
        }
        std::vector<std::string> told = Names(recovery.LeftOut);
        size_t nameless = 0;
        if (!told.empty() && told.back().find(" whose name") != std::string::npos) {
            nameless = static_cast<size_t>(std::stoul(told.back()));
            told.pop_back();
        }
        TJudged judged;
        for (size_t g = 0; g < names.size(); ++g) {
            if (back[g])
                continue;
            judged.LeftOut.push_back(static_cast<i16>(g));
            auto named = std::find(told.begin(), told.end(), names[g]);
            if (named == told.end())
                named = std::find_if(told.begin(), told.end(), [&](const std::string& name) {
                    return ChangedAtOnePoint(name, names[g], count);
                });
            if (named != told.end())
                told.erase(named);
            else if (nameless > 0)
                --nameless;
            else
                ADD_FAILURE() << what << ": " << names[g] << " not told";
        }
        judged.Strangers = nameless;
        judged.NamedStrangers = told;
        return judged;
    }
    static std::string PutIn(const std::string& file, size_t at, const std::string& bytes) {
        return file.substr(0, at) + bytes + file.substr(at);
    }
    static std::string TakenOut(const std::string& file, size_t at, size_t count) {
        return file.substr(0, at) + file.substr(at + count);
    }
    // A save with all twenty places used.
    std::string Twenty() {
        // Gone before its save is: a manager still running would write it again as it ends.
        Mgr.reset();
        std::filesystem::remove(Dir.Host("data/otcraps.sav"));
        Make();
        for (int n = 1; n < 20; ++n)
            EXPECT_TRUE(Mgr->CreatePlayer("G" + std::to_string(n), n % 2, 10.0 * n));
        SeatNames("", "");
        Make();
        return File();
    }
};

constexpr size_t Joe = 231, Ann = Joe + CasinoRecordSize, Bob = Ann + CasinoRecordSize;
constexpr size_t Free3 = Bob + CasinoRecordSize;

// Points before the first record, between two and after the last change no gambler.
TEST_F(ShiftedSave, APointBeforeBetweenOrAfterTheRecordsLeavesEveryGamblerAsWritten) {
    const std::string three = ThreeGamblers();
    const std::string twenty = Twenty();
    const struct {
        const char* What;
        const std::string& Written;
        std::string Bytes;
    } cases[] = {
        {"a newline after a save with every place used", twenty, twenty + "\n"},
        // Ann's last option byte could as well be the 'A': only one that is no option.
        {"'A' put in just before Bob's mark", three, PutIn(three, Bob, "A")},
        {"a byte put into the game data", three, PutIn(three, 200, "x")},
    };
    for (const auto& c : cases) {
        const TJudged judged = Judge(c.Written, c.Bytes, 1, c.What);
        EXPECT_EQ(judged.LeftOut, std::vector<i16>{}) << c.What;
        EXPECT_EQ(judged.Strangers, 0U) << c.What;
        EXPECT_EQ(judged.NamedStrangers, Texts{}) << c.What;
    }
}

// The cases players reported, and a grid of counts and points around the three gamblers and the
// free places after them. A gambler is left out only where the damage lies in his record or one
// beside it; the free place beside bytes taken out can be told as a gambler whose name cannot
// be read, since one who lost his mark and name with them would leave the same bytes.
TEST_F(ShiftedSave, BytesAtOnePointBringEveryGamblerBackAsWrittenOrTellHim) {
    const std::string alone = JoeAlone();
    const std::string three = ThreeGamblers();
    struct TCase {
        std::string What;
        const std::string* Written;
        std::string Bytes;
        size_t Count;
        std::vector<i16> LeftOut;
    };
    std::vector<TCase> cases = {
        {"AA in Ann's chips", &three, PutIn(three, 13466, "AA"), 2, {1}},
        {"AA in Ann's bankroll", &three, PutIn(three, Ann + 21, "AA"), 2, {1}},
        {"AA in Joe's history, alone", &alone, PutIn(alone, Joe + 9000, "AA"), 2, {0}},
        {"two bytes out at Ann's mark", &three, TakenOut(three, Ann, 2), 2, {1}},
        {"two bytes out before Ann's mark", &three, TakenOut(three, Ann - 2, 2), 2, {0}},
        {"two bytes out at Bob's mark", &three, TakenOut(three, Bob, 2), 2, {2}},
    };
    // Two bytes at every offset of Ann's head past her name, and further in: each puts her in
    // doubt, but for AA at 49, which only one point explains.
    std::vector<size_t> annOffsets = {148, 300, 9000};
    for (size_t offset = 29; offset <= 59; ++offset)
        annOffsets.push_back(offset);
    for (const size_t offset : annOffsets) {
        const std::string at = " at Ann's " + std::to_string(offset);
        const std::vector<i16> ann = offset == 49 ? std::vector<i16>{} : std::vector<i16>{1};
        cases.push_back({"AA in" + at, &three, PutIn(three, Ann + offset, "AA"), 2, ann});
        cases.push_back(
            {"A0 in" + at, &three, PutIn(three, Ann + offset, std::string("A\0", 2)), 2, {1}});
        cases.push_back({"two out" + at, &three, TakenOut(three, Ann + offset, 2), 2, {1}});
    }
    for (const TCase& c : cases) {
        const TJudged judged = Judge(*c.Written, c.Bytes, c.Count, c.What);
        EXPECT_EQ(judged.LeftOut, c.LeftOut) << c.What;
        EXPECT_EQ(judged.Strangers, 0U) << c.What;
        EXPECT_EQ(judged.NamedStrangers, Texts{}) << c.What;
    }

    // The grid: each count put in and taken out at each point.
    const size_t counts[] = {2, 3, 15, 64, 200, 5000, CasinoRecordSize - 1};
    const size_t points[] = {100,      Joe,      Joe + 1,   Ann,         Ann + 1,
                             Ann + 13, Ann + 31, Ann + 50,  Ann + 100,   Ann + 9000,
                             Bob - 3,  Free3,    Free3 + 5, Free3 + 9000};
    size_t files = 0, leftOut = 0, strangers = 0;
    Texts named;
    for (const size_t count : counts) {
        for (const size_t at : points) {
            for (const bool in : {true, false}) {
                const std::string what =
                    std::to_string(count) + (in ? " in at " : " out at ") + std::to_string(at);
                const std::string bytes =
                    in ? PutIn(three, at, std::string(count, '\0')) : TakenOut(three, at, count);
                const TJudged judged = Judge(three, bytes, count, what);
                ++files;
                leftOut += judged.LeftOut.size();
                strangers += judged.Strangers;
                named.insert(named.end(), judged.NamedStrangers.begin(),
                             judged.NamedStrangers.end());
                // Only the records the damage reaches, and one either side: bytes taken out
                // could as well have been his neighbour's first or last ones with theirs.
                const auto placeOf = [](size_t offset) {
                    return static_cast<i16>(offset < Joe ? -1 : (offset - Joe) / CasinoRecordSize);
                };
                const i16 first = static_cast<i16>(placeOf(at) - 1);
                const i16 last = static_cast<i16>(placeOf(in ? at : at + count) + 1);
                for (const i16 r : judged.LeftOut)
                    EXPECT_TRUE(r >= first && r <= last) << what << ": gambler " << r;
            }
        }
    }
    EXPECT_EQ(files, 7U * 14 * 2);
    // 64, 200 and 5,000 bytes out at the end of Ann's name leave Bob whole the shift away: the
    // readings that once put him in doubt had a start bankroll of $0.00, no gambler's.
    EXPECT_EQ(leftOut, 189U);
    // Bytes taken out from a free place's mark on, past its face: a gambler who lost as much
    // would leave what it leaves. What is left of the blank's name shows its face, with its start
    // bankroll: no point reads it as a gambler.
    EXPECT_EQ(strangers, 6U);
    EXPECT_EQ(named, Texts{});
}

// A whole record's worth taken out reads the same at every border between two records: the
// places are read where they were written, and a file cut at a border after the gamblers
// brings them all back.
TEST_F(ShiftedSave, ARecordsWorthTakenOutBringsBackEveryGamblerWholeInHisPlace) {
    const std::string three = ThreeGamblers();
    const size_t last = Joe + 19 * CasinoRecordSize;
    for (const size_t at : {Free3, Free3 + CasinoRecordSize, last}) {
        const std::string what = "a record out at " + std::to_string(at);
        const TJudged judged =
            Judge(three, TakenOut(three, at, CasinoRecordSize), CasinoRecordSize, what);
        EXPECT_EQ(judged.LeftOut, std::vector<i16>{}) << what;
        EXPECT_EQ(judged.Strangers, 0U) << what;
        EXPECT_EQ(judged.NamedStrangers, Texts{}) << what;
    }
    // Joe's own record gone: those after him are whole a place early, byte for byte, and no
    // name is told twice.
    const std::string noJoe = TakenOut(three, Joe, CasinoRecordSize);
    const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, noJoe);
    ASSERT_EQ(recovery.Whole.size(), 2U);
    EXPECT_EQ(std::string(recovery.Whole[1].Bytes.begin(), recovery.Whole[1].Bytes.end()),
              three.substr(Bob, CasinoRecordSize));
    EXPECT_EQ(recovery.LeftOut, Texts{});
}

// A record's worth put in at any border explains the file alike: whichever it was, the gamblers
// after it lie a place along and nobody is added. A free place put in adds nobody and a copy of a
// gambler comes back once. One put inside a gambler is read around the point: his body does not
// show where it lies, so he is told.
TEST_F(ShiftedSave, ARecordsWorthPutInBringsEveryGamblerBackOnce) {
    const std::string three = ThreeGamblers();
    const std::string blank = three.substr(Free3, CasinoRecordSize);
    const std::string ann = three.substr(Ann, CasinoRecordSize);
    using TReader = TSaveRecordReader::TReader;
    const struct {
        const char* What;
        std::string Bytes;
        TReader Reader;
        std::vector<i16> LeftOut;
    } cases[] = {
        {"the blank appended", three + blank, TReader::Slots, {}},
        {"the blank put in between Ann and Bob", PutIn(three, Bob, blank), TReader::Slots, {}},
        {"the blank put in before Joe", PutIn(three, Joe, blank), TReader::Slots, {}},
        {"a copy of Ann put in after hers", PutIn(three, Bob, ann), TReader::Slots, {}},
        {"the blank put in inside Ann", PutIn(three, Ann + 5000, blank), TReader::OnePoint, {1}},
    };
    for (const auto& c : cases) {
        const TJudged judged = Judge(three, c.Bytes, CasinoRecordSize, c.What);
        EXPECT_EQ(judged.LeftOut, c.LeftOut) << c.What;
        EXPECT_EQ(judged.Strangers, 0U) << c.What;
        EXPECT_EQ(judged.NamedStrangers, Texts{}) << c.What;
        const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, c.Bytes);
        EXPECT_EQ(recovery.Whole.size(), 3U - c.LeftOut.size()) << c.What;
        EXPECT_EQ(recovery.Reader, c.Reader) << c.What;
    }
}

// Where the points disagree on a place, nobody is taken from it: Bob's last option byte 2 makes
// the first reading explain nothing, and a byte 0 put in between Joe and Ann could be Joe's last
// or Ann's mark's neighbour: the second reading's points give each of them two sets of bytes.
TEST_F(ShiftedSave, APlaceThePointsDisagreeOnIsLeftOutAndTold) {
    std::string three = ThreeGamblers();
    three[Free3 - 1] = '\2';
    const std::string bytes = PutIn(three, Ann, std::string(1, '\0'));
    const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, bytes);
    for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole) {
        EXPECT_NE(found.Record, 0);
        EXPECT_NE(found.Record, 1);
    }
    EXPECT_EQ(recovery.LeftOut, (Texts{"\"Joe Gambler\"", "\"Ann Seed\""}));
}

// Past the first damaged place of a file read in place, a place counts only where it reads as a
// whole gambler: two records' worth of bytes 1 at Ann's mark make marks of 1 over names of
// control bytes, and nobody comes back who was not written. Those after the bytes put in come
// back from where they lie whole, once each; nobody comes back twice.
TEST_F(ShiftedSave, MoreThanARecordsWorthPutInBringsBackOnlyGamblersWritten) {
    const std::string three = ThreeGamblers();
    const struct {
        const char* What;
        std::string Bytes;
        size_t Back;
        Texts LeftOut;
    } cases[] = {
        // Whole records' worth: Ann and Bob lie whole two places along.
        {"two records of bytes 1 at Ann's mark",
         PutIn(three, Ann, std::string(2 * CasinoRecordSize, '\1')),
         3,
         {}},
        {"a record and a byte of bytes 1 at Ann's mark",
         PutIn(three, Ann, std::string(CasinoRecordSize + 1, '\1')),
         3,
         {}},
        {"13,200 zero bytes at Bob's mark", PutIn(three, Bob, std::string(13200, '\0')), 3, {}},
    };
    for (const auto& c : cases) {
        const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, c.Bytes);
        EXPECT_EQ(recovery.Reader, TSaveRecordReader::TReader::UpToDamage) << c.What;
        std::vector<std::string> back;
        for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole) {
            back.emplace_back(found.Bytes.begin(), found.Bytes.end());
            EXPECT_TRUE(back.back() == three.substr(Joe, CasinoRecordSize) ||
                        back.back() == three.substr(Ann, CasinoRecordSize) ||
                        back.back() == three.substr(Bob, CasinoRecordSize))
                << c.What << ": place " << found.Record;
            EXPECT_EQ(std::count(back.begin(), back.end(), back.back()), 1) << c.What;
        }
        EXPECT_EQ(back.size(), c.Back) << c.What;
        EXPECT_EQ(recovery.LeftOut, c.LeftOut) << c.What;
    }
}

// What came back, each by his name and bankroll in place order, and what was told.
struct TRead {
    std::vector<std::string> Back;
    Texts LeftOut;
    bool operator==(const TRead&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TRead& read) {
    for (const std::string& back : read.Back)
        out << back << " ";
    for (const std::string& told : read.LeftOut)
        out << told << " ";
    return out;
}

TRead Read(TCasinoPlayerMgr& mgr, const std::string& bytes) {
    const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(mgr, bytes);
    TRead read{{}, recovery.LeftOut};
    for (const TSaveRecordReader::TFoundRecord& found : recovery.Whole) {
        const TCasinoPlayerData data = Decoded(std::string(found.Bytes.begin(), found.Bytes.end()));
        read.Back.push_back(std::to_string(found.Record) + " " + data.GetName() + " " +
                            std::to_string(static_cast<int>(data.GetBankroll())));
    }
    return read;
}

// A record and a byte of zeros put in inside a gambler's head leave there a name with nothing to
// start with: he is told by what is left of his name, and those after him, whole the shift away,
// come back.
TEST_F(ShiftedSave, ARecordAndAByteOfZerosInAGamblersHeadTellHimAndBringTheOthersBack) {
    const std::string three = ThreeGamblers();
    const std::string zeros(CasinoRecordSize + 1, '\0');
    EXPECT_EQ(Read(*Mgr, PutIn(three, Joe + 14, zeros)),
              (TRead{{"1 Ann Seed 321", "2 Bob Decoy 1234"}, {"\"Joe Gambler\""}}));
    EXPECT_EQ(Read(*Mgr, PutIn(three, Ann + 9, zeros)),
              (TRead{{"0 Joe Gambler 495", "2 Bob Decoy 1234"}, {"\"Ann Seed\""}}));
    EXPECT_EQ(Read(*Mgr, PutIn(three, Joe + 2, zeros)),
              (TRead{{"1 Ann Seed 321", "2 Bob Decoy 1234"}, {"\"J\""}}));
}

// A record and a few bytes put in at the first places' heads take the file past what the load
// reads, so the last place's copy the shift away is not there to be judged: a byte that lies in
// that place is no mark, and nobody is told or comes back who was not written.
TEST_F(ShiftedSave, ARecordAndAFewBytesPutInAtAHeadTellNobodyWhoWasNotWritten) {
    const std::string three = ThreeGamblers();
    size_t files = 0;
    for (size_t place = 0; place < 5; ++place) {
        for (const size_t offset : {0, 1, 5, 12, 14, 15, 23, 30}) {
            for (size_t count = 1; count <= 16; ++count) {
                for (const char fill : {'\0', 'A'}) {
                    const size_t at = Joe + place * CasinoRecordSize + offset;
                    const std::string what = std::to_string(count) + (fill == 'A' ? " A" : " 0") +
                                             " at " + std::to_string(at);
                    const TJudged judged =
                        Judge(three, PutIn(three, at, std::string(CasinoRecordSize + count, fill)),
                              CasinoRecordSize + count, what);
                    ++files;
                    EXPECT_EQ(judged.Strangers, 0U) << what;
                    EXPECT_EQ(judged.NamedStrangers, Texts{}) << what;
                }
            }
        }
    }
    EXPECT_EQ(files, 1280U);
}

// Joe's head damaged, then bytes put in or taken out at a free place after him, or a record's
// worth put in at a border: Ann and Bob lie whole in their own places before the bytes, and come
// back; Joe is told. A reading that takes their places for free places the shift away (byte 16
// of a whole-dollar bankroll is 0, as a free mark is) explains nothing.
TEST_F(ShiftedSave, AGamblerLyingWholeInHisPlaceBeforeTheShiftComesBack) {
    const std::string three = ThreeGamblers();
    const size_t free10 = Joe + 10 * CasinoRecordSize;
    const struct {
        const char* What;
        size_t At;
        std::string Bytes;
        const char* Told;
    } heads[] = {
        {"his start bankroll zeroed", Joe + 23, std::string(8, '\0'), "\"Joe Gambler\""},
        {"a control byte in his name", Joe + 2, "\x07", Nameless},
        {"his sex 5", Joe + 14, "\x05", "\"Joe Gambler\""},
        {"his bankroll all 0xFF", Joe + 15, std::string(8, '\xFF'), "\"Joe Gambler\""},
    };
    for (const auto& head : heads) {
        std::string damaged = three;
        damaged.replace(head.At, head.Bytes.size(), head.Bytes);
        std::vector<std::pair<std::string, std::string>> images;
        for (size_t count = 2; count <= 16; ++count)
            images.emplace_back(std::to_string(count) + " out in free place 10",
                                TakenOut(damaged, free10 + 100, count));
        images.emplace_back("16 in in free place 10",
                            PutIn(damaged, free10 + 100, std::string(16, '\0')));
        images.emplace_back("a record of zeros at border 10",
                            PutIn(damaged, free10, std::string(CasinoRecordSize, '\0')));
        images.emplace_back("the blank at border 10",
                            PutIn(damaged, free10, three.substr(Free3, CasinoRecordSize)));
        for (const auto& [what, bytes] : images)
            EXPECT_EQ(Read(*Mgr, bytes),
                      (TRead{{"1 Ann Seed 321", "2 Bob Decoy 1234"}, {head.Told}}))
                << head.What << ", " << what;
    }
}

// The game never writes two gamblers of one name. An older copy of Ann ($300) put in as a
// record's worth, after her or before Joe, or with a few bytes more after her: neither of her
// versions comes back and she is told once; a copy byte for byte comes back once.
TEST_F(ShiftedSave, TwoRecordsOfOneNameThatDifferAreNeitherBroughtBackAndAreToldOnce) {
    const std::string three = ThreeGamblers();
    const std::string ann = three.substr(Ann, CasinoRecordSize);
    std::string older = ann;
    JorpPutF64(reinterpret_cast<u8*>(older.data()) + 15, 300.0);
    const TRead annTold{{"0 Joe Gambler 495", "2 Bob Decoy 1234"}, {"\"Ann Seed\""}};
    EXPECT_EQ(Read(*Mgr, PutIn(three, Bob, older)), annTold);
    EXPECT_EQ(Read(*Mgr, PutIn(three, Joe, older)), annTold);
    EXPECT_EQ(Read(*Mgr, PutIn(three, Bob, older + "AAA")), annTold);
    EXPECT_EQ(Read(*Mgr, PutIn(three, Ann, older + "AAA")), annTold);
    const TRead allBack{{"0 Joe Gambler 495", "1 Ann Seed 321", "2 Bob Decoy 1234"}, {}};
    EXPECT_EQ(Read(*Mgr, PutIn(three, Bob, ann + "AAA")), allBack);
    EXPECT_EQ(Read(*Mgr, PutIn(three, Free3, ann + "AAA")), allBack);
    // The load reads no further than a record past the save's size: the last place's copy the
    // shift away is not read, and a byte in place tells nobody.
    for (const size_t count : {1U, 3U, 7U})
        EXPECT_EQ(Read(*Mgr, PutIn(three, Bob, ann + std::string(count, 'x'))), allBack) << count;
}

// A record's worth of zeros at any border is a free place lost to zeros, and a record's worth
// put in before the gambler in the last place is read from the slot past it: every gambler
// comes back as written, nobody is told.
TEST_F(ShiftedSave, ARecordsWorthAtABorderBringsEveryGamblerBackFromEverySlot) {
    const std::string three = ThreeGamblers();
    const std::string zeros(CasinoRecordSize, '\0');
    for (const size_t at : {Joe, Ann, Bob, Free3}) {
        const std::string what = "zeros at " + std::to_string(at);
        const TJudged judged = Judge(three, PutIn(three, at, zeros), CasinoRecordSize, what);
        EXPECT_EQ(judged.LeftOut, std::vector<i16>{}) << what;
        EXPECT_EQ(judged.Strangers, 0U) << what;
    }
    const std::string twenty = Twenty();
    const size_t last = Joe + 19 * CasinoRecordSize;
    for (const std::string& put : {zeros, three.substr(Free3, CasinoRecordSize)}) {
        const std::string bytes = PutIn(twenty, last, put);
        const TJudged judged = Judge(twenty, bytes, CasinoRecordSize, "before the last");
        EXPECT_EQ(judged.LeftOut, std::vector<i16>{});
        const TSaveRecordReader::TRecovery recovery = RecoverAsLoaded(*Mgr, bytes);
        EXPECT_EQ(recovery.Reader, TSaveRecordReader::TReader::Slots);
        EXPECT_EQ(recovery.Whole.size(), 20U);
    }
}

} // namespace
