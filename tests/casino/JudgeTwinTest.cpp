// The one-point reader's speed-ups (runs of points judged by their ends, spans where a place
// is the blank's, agreements kept) against the same reader trying every point one by one.
#include "DamagedSaveFixture.h"

#include "platform/host/RuntimeRandom.h"
#include "support/FuzzSeed.h"
#include "support/LoadedSave.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace damaged_save;

// Images of the real layout, a few bytes or nearly a record's worth put in or taken out near
// the gamblers and the free places after them: both ways give the same verdicts.
TEST_F(DamagedSaveSweep, TheJudgesSpeedUpsGiveTheVerdictsOfEveryPointTriedAlone) {
    const std::string three = ThreeGamblers();
    const std::string alone = JoeAlone();
    TLcgRandom random;
    random.Seed(29);
    const auto next = [&random](size_t below) {
        return static_cast<size_t>(random.Next()) % below;
    };
    size_t judged = 0;
    for (int image = 0; image < 240; ++image) {
        const std::string& written = image % 3 == 0 ? alone : three;
        const size_t place = next(5);
        // Most points near a record's head, where the judged bytes are; some anywhere in it.
        const size_t offset = next(4) == 0 ? next(CasinoRecordSize) : next(64);
        const size_t at = 231 + place * CasinoRecordSize + offset;
        const size_t count = next(8) == 0 ? CasinoRecordSize - 1 - next(3) : 1 + next(16);
        std::string bytes = written;
        if (next(2) == 0) {
            const char fills[] = {'\0', '\1', 'A', static_cast<char>(next(256))};
            bytes.insert(at, std::string(count, fills[next(4)]));
        } else {
            bytes.erase(at, count);
        }
        const std::vector<u8> file(bytes.begin(), bytes.end());
        const TSaveRecordReader::TRecovery fast = RecoverAsLoaded(*Mgr, file);
        const TSaveRecordReader::TRecovery every = RecoverAsLoaded(*Mgr, file, true);
        const std::string what = std::to_string(count) + " at " + std::to_string(at);
        judged += fast.Reader == TSaveRecordReader::TReader::OnePoint;
        EXPECT_EQ(fast.Reader, every.Reader) << what;
        EXPECT_EQ(fast.Whole, every.Whole) << what;
        EXPECT_EQ(fast.LeftOut, every.LeftOut) << what;
    }
    // Most images are explained by some point: the comparison is of that reader's verdicts.
    EXPECT_GT(judged, 120U);
}

// Ann as the writer writes her, laid in place 1 with two bytes of her put in at her bankroll:
// the seed of the twin fuzz target (place, point, count, in, then the record).
TEST(CasinoJudgeTwinFuzzSeed, IsAWholeRecordWithTwoBytesPutInAtItsBankroll) {
    const std::string bytes = AnnSeedRecord();
    CheckFuzzSeed("casinojudgetwin_fuzz", "two_in_at_bankroll.rec",
                  std::string("\1\0\x15\1\1", 5) + bytes);
}

} // namespace
