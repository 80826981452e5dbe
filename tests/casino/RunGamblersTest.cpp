// The run's gamblers come from what the run read and wrote itself: another program's save put in
// the save's place at the table, or the save taken away, never gives a gambler back as that file
// has him, nor keeps one from being seated, made or deleted.
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class RunGamblers : public CasinoRecords {
protected:
    // Joe seated, Ann ($100) and Bob ($200) made and saved.
    void Play() {
        Make();
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0) && Mgr->CreatePlayer("Bob", 1, 200.0));
        Mgr->Save();
        ASSERT_EQ(Frame.Boxes, std::vector<std::string>{});
    }
    double Seated(i16 record) {
        return TGamblerRecord(std::span(Mgr->GetDataBlock(record), CasinoRecordSize)).GetBankroll();
    }
    static size_t At(i16 record) { return 231 + CasinoRecordSize * static_cast<size_t>(record); }
};

// Another version of the save copied in at the table: Ann richer there, Bob not in it. Seated,
// she plays with what this run has of her; Bob's deletion and Cy's making are this run's, and
// the other version stays whole under its kept name.
TEST_F(RunGamblers, AnotherProgramsSaveInThePlaceGivesBackNoGamblerOfIts) {
    Play();
    std::string other = File();
    std::string ann = RecordOnDisk(1);
    TGamblerRecord(std::span(reinterpret_cast<u8*>(ann.data()), ann.size())).SetBankroll(9999.0);
    other.replace(At(1), CasinoRecordSize, ann);
    other.replace(At(2), CasinoRecordSize, RecordOnDisk(5));
    Dir.WriteHostFile("data/otcraps.sav", other);

    testing::internal::CaptureStderr();
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0));
    EXPECT_EQ(Seated(1), 100.0);
    ASSERT_TRUE(Mgr->CreatePlayer("Cy", 1, 500.0));
    ASSERT_TRUE(Mgr->DeletePlayer(2));
    Mgr.reset();
    testing::internal::GetCapturedStderr();

    EXPECT_TRUE(File("otcraps.bad") == other);
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetName(), "Ann");
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetBankroll(), 100.0);
    EXPECT_EQ(Decoded(RecordOnDisk(2)).GetUsed(), 0);
    EXPECT_EQ(Decoded(RecordOnDisk(3)).GetName(), "Cy");
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.b01")));
}

// The save taken away at the table: Bob is seated and Dee made all the same, and the save that
// makes her writes the file again whole.
TEST_F(RunGamblers, ASaveRemovedAtTheTableStillSeatsAndMakesGamblers) {
    Play();
    std::filesystem::remove(Dir.Host("data/otcraps.sav"));
    testing::internal::CaptureStderr();
    ASSERT_TRUE(Mgr->ActivatePlayer(2, 0));
    EXPECT_EQ(Seated(2), 200.0);
    ASSERT_TRUE(Mgr->CreatePlayer("Dee", 0, 2500.0));
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(Frame.Boxes[0].rfind("Save File Written Again\n", 0), 0U) << Frame.Boxes[0];
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetName(), "Ann");
    EXPECT_EQ(Decoded(RecordOnDisk(2)).GetName(), "Bob");
    EXPECT_EQ(Decoded(RecordOnDisk(3)).GetBankroll(), 2500.0);
}

} // namespace
