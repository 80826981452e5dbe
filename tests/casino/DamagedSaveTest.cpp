// The gambler file damaged on the disk: cut short (its whole gamblers carried over) or with a bit
// flipped anywhere, or barred to the player; each kept aside or left as it is, told once, and
// the game starts. Also the record seed of the casino record fuzz target.
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"
#include "platform/host/Clock.h"
#include "platform/host/RuntimeRandom.h"
#include "support/FuzzSeed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
const std::string KeptAside = "Save File Corrupted\nThe old file is kept as otcraps.bad.";

class DamagedSave : public CasinoRecords {
protected:
    // A file with Ann and Bob beside Joe, none of them seated.
    std::string GoodFile() {
        Make();
        EXPECT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
        SeatNames("", "");
        Frame.Boxes.clear();
        return File();
    }
    // The game started: a gambler seated, and a save that says nothing.
    void ExpectStartedAndSaving(const std::string& what) {
        ASSERT_GE(Mgr->GetActive(0), 0) << what;
        const size_t boxes = Frame.Boxes.size();
        Mgr->Save();
        EXPECT_EQ(Frame.Boxes.size(), boxes) << what;
    }
};

TEST_F(DamagedSave, ACutFileIsKeptAsideWholeAndEveryGamblerWholeInItCarriedIntoTheFreshOne) {
    // Twelve gamblers who have each played a session, so that no two records are alike.
    Make();
    for (int n = 1; n < 12; ++n)
        ASSERT_TRUE(Mgr->CreatePlayer("G" + std::to_string(n), 1, 100.0 * n));
    for (i16 r = 1; r < 12; ++r) {
        ASSERT_TRUE(Mgr->LoadDataBlock(r));
        TGamblerRecord(std::span(Mgr->GetDataBlock(r), CasinoRecordSize))
            .Edit([r](TCasinoPlayerData& data) {
                data.BeginSession(1, TMoney(1.0));
                data.SetBankroll(data.GetBankroll() + r);
                data.EndSession();
            });
        ASSERT_TRUE(Mgr->WriteDataBlock(r));
        Mgr->FreeDataBlock(r);
    }
    SeatNames("", "");
    const std::string good = File();
    Frame.Boxes.clear();

    Settings.WriteInt("System", "PrevRun", 1);
    // At the edges of the records, then at seeded lengths up to past the twelfth.
    std::vector<size_t> lengths = {0,
                                   230,
                                   231 + CasinoRecordSize - 1,
                                   231 + CasinoRecordSize,
                                   231 + 12 * CasinoRecordSize,
                                   good.size() - 1};
    TLcgRandom random;
    random.Seed(7);
    for (int n = 0; n < 10; ++n)
        lengths.push_back(static_cast<size_t>(random.Next()) % (231 + 13 * CasinoRecordSize));
    std::set<size_t> counts;
    for (const size_t length : lengths) {
        SCOPED_TRACE(length);
        const std::string cut = good.substr(0, length);
        const size_t whole =
            length < 231 ? 0 : std::min<size_t>((length - 231) / CasinoRecordSize, 12);
        counts.insert(whole);
        SeatNames("", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", cut);
        Frame.Boxes.clear();
        Make();
        const std::string told = whole == 0 ? "No gambler could be recovered from it."
                                 : whole == 1
                                     ? "1 gambler was recovered from it."
                                     : std::to_string(whole) + " gamblers were recovered from it.";
        // The gambler the cut goes through is named where his name is still there whole.
        const size_t cutRecordAt = 231 + whole * CasinoRecordSize;
        const std::string leftOut =
            whole < 12 && length >= cutRecordAt + 14
                ? "\nLeft out as damaged: " +
                      (whole == 0 ? std::string("Joe Gambler") : "G" + std::to_string(whole)) + "."
                : "";
        EXPECT_EQ(Frame.Boxes,
                  (Texts{KeptAside + "\n" + told + leftOut, "Creating New Save File"}));
        EXPECT_EQ(File("otcraps.bad"), cut);
        ASSERT_EQ(File().size(), good.size());
        // Each gambler carried over has every byte he had, where he had it.
        for (i16 r = 0; r < static_cast<i16>(whole); ++r)
            EXPECT_TRUE(RecordOnDisk(r) ==
                        good.substr(231 + CasinoRecordSize * r, CasinoRecordSize))
                << r;
        for (i16 r = static_cast<i16>(whole); r < 20; ++r)
            EXPECT_FALSE(r > 0 && Mgr->IsUsed(r)) << r;
        // Without Joe among them, a fresh Joe sits down.
        EXPECT_EQ(Mgr->CountUsed(), std::max<size_t>(whole, 1));
        EXPECT_EQ(Mgr->GetBankroll(0),
                  whole == 0 ? 500.0 : Decoded(good.substr(231, CasinoRecordSize)).GetBankroll());
        ExpectStartedAndSaving("cut");
    }
    // The seeded cuts carried different numbers of them.
    EXPECT_GT(counts.size(), 6U);
}

// Only the header's versions tell a damaged file; a flip anywhere else is read as it stands, and
// whatever it made of a name or an amount stays a gambler the game can seat and save.
TEST_F(DamagedSave, AFlippedBitIsKeptAsideWhenTheHeaderShowsItAndOtherwiseReadAsItStands) {
    const std::string good = GoodFile();
    TLcgRandom random;
    random.Seed(11);
    int keptAside = 0, read = 0;
    for (int n = 0; n < 30; ++n) {
        // Every tenth flip lands in the header.
        const size_t at = static_cast<size_t>(random.Next()) % (n % 10 == 0 ? 8 : good.size());
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ (1 << (random.Next() % 8)));
        SCOPED_TRACE(at);
        SeatNames("", "");
        std::filesystem::remove(Dir.Host("data/otcraps.bad"));
        Dir.WriteHostFile("data/otcraps.sav", flipped);
        Frame.Boxes.clear();
        Make();
        if (at >= 4 && at < 8) {
            ++keptAside;
            // Another version's records are not this one's to read.
            EXPECT_EQ(Frame.Boxes, Texts{KeptAside + "\nNo gambler could be recovered from it."});
            EXPECT_EQ(File("otcraps.bad"), flipped);
            EXPECT_EQ(Mgr->CountUsed(), 1);
        } else {
            ++read;
            EXPECT_EQ(Frame.Boxes, Texts{});
            EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.bad")));
            // Nobody the file holds is lost; a flipped default gambler is made again.
            int used = 0;
            for (size_t r = 0; r < 20; ++r)
                used += flipped[231 + r * CasinoRecordSize] != 0;
            EXPECT_GE(Mgr->CountUsed(), used);
        }
        ExpectStartedAndSaving("flipped");
        Mgr.reset();
        ASSERT_EQ(File().size(), good.size());
    }
    EXPECT_GT(keptAside, 0);
    EXPECT_GT(read, 0);
}

TEST_F(DamagedSave, AFileThePlayerMayNotReadIsToldOnceLeftAsItIsAndTheGamePlaysFromMemory) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads a file whatever its permissions say";
    const std::string good = GoodFile();
    const std::filesystem::path save = Dir.Host("data/otcraps.sav");
    std::filesystem::permissions(save, std::filesystem::perms::none);
    Make();
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("cannot be read (Permission denied)"), std::string::npos);
    ASSERT_GE(Mgr->GetActive(0), 0);
    Mgr->Save();
    Mgr.reset();
    EXPECT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.bad")));
    std::filesystem::permissions(save, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    EXPECT_EQ(File(), good);
}

// A gambler who has played three sessions, as the save file holds him.
TEST(CasinoRecordFuzzSeed, IsARecordWithSessionsAsTheWriterWritesIt) {
    // The sessions' times are stamped from the clock.
    TFakeClock clock(0, 1'000'000'000);
    TScopedClockSource clockScope(clock);
    TCasinoPlayerData record;
    record.SetName("Ann");
    record.SetBankroll(1250.5);
    record.SetChipCount(2, 7);
    for (int session = 0; session < 3; ++session) {
        record.BeginSession(3, TMoney(5.0 * (session + 1)));
        record.SetBankroll(record.GetBankroll() + 25.0);
        record.EndSession();
    }
    std::string bytes(TCasinoPlayerData::EncodedSize, '\0');
    ASSERT_TRUE(record.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    CheckFuzzSeed("casinorecord_fuzz", "three_sessions.rec", bytes);
}

} // namespace
