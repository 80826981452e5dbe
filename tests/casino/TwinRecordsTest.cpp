// Two records of one name in a save of the save's own size, through the start: the game never
// writes two, so the file is damaged whatever else it holds, kept aside and told; two versions of
// a gambler both stay out, named, and a copy byte for byte comes back once.
#include "DamagedSaveFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace damaged_save;

TEST_F(DamagedSaveSweep, TwoRecordsOfOneNameInAWholeFileAreToldAndTheStaleOneNeverSeated) {
    constexpr size_t joe = 231, ann = joe + CasinoRecordSize, free3 = joe + 3 * CasinoRecordSize;
    const std::string three = ThreeGamblers();
    const std::string annRecord = three.substr(ann, CasinoRecordSize);
    std::string older = annRecord;
    JorpPutF64(reinterpret_cast<u8*>(older.data()) + 15, 21.0);
    // Ann moved on to place 5; place 1 free, then written over by an older copy of her or by
    // her very bytes.
    std::string moved = three;
    moved.replace(ann, CasinoRecordSize, three.substr(free3, CasinoRecordSize));
    moved.replace(joe + 5 * CasinoRecordSize, CasinoRecordSize, annRecord);
    const struct {
        const char* What;
        std::string Over;
        Texts Roster;
        std::string Told;
    } cases[] = {
        {"an older Ann over a free place before her",
         older,
         {"Joe Gambler", "Bob Decoy"},
         "2 gamblers were recovered from it.\nLeft out as damaged: \"Ann Seed\"."},
        {"a copy of Ann over a free place before her",
         annRecord,
         {"Joe Gambler", "Ann Seed", "Bob Decoy"},
         "3 gamblers were recovered from it."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        std::string bytes = moved;
        bytes.replace(ann, CasinoRecordSize, c.Over);
        ASSERT_EQ(bytes.size(), three.size());
        SeatNames("Ann Seed", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", bytes);
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        Make();
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(Frame.Boxes, Texts{KeptAside + "\n" + c.Told});
        EXPECT_TRUE(File("otcraps.bad") == bytes);
        Texts roster;
        for (i16 r = 0; r < 20; ++r)
            if (Mgr->IsUsed(r))
                roster.push_back(Mgr->GetPlayerName(r));
        EXPECT_EQ(roster, c.Roster);
        // Nobody sits down with the older version's $21.
        for (i16 s = 0; s < 3; ++s) {
            if (const i16 r = Mgr->GetActive(s); r >= 0) {
                EXPECT_NE(Mgr->GetBankroll(r), 21.0) << Mgr->GetPlayerName(r);
            }
        }
        ExpectStartedAndSaving(c.What);
    }
}

} // namespace
