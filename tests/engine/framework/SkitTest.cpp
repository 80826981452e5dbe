// Skits: criteria bits and matching, durations, starts in row and place order from the table and
// from the set-up list, the "SKIT", "Cell" and "CRIT" bodies, and the empty-table warning.
#include "SkitFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "engine/framework/SkitCriteria.h"
#include "engine/framework/SkitData.h"
#include "platform/host/MessageBox.h"

#include <gtest/gtest.h>

namespace {

TEST(SkitCriteria, EachConditionIsASignedTwoBitFieldOfItsWord) {
    struct Case {
        i32 Condition, Value, Word;
        u16 Bits;
    };
    const Case cases[] = {{0, 1, 0, 0x0001},    {0, -1, 0, 0x0003},    {0, -2, 0, 0x0002},
                          {7, 1, 0, 0x4000},    {7, -1, 0, 0xC000},    {7, -2, 0, 0x8000},
                          {8, 1, 1, 0x0001},    {8, -1, 1, 0x0003},    {8, -2, 1, 0x0002},
                          {199, 1, 24, 0x4000}, {199, -1, 24, 0xC000}, {199, -2, 24, 0x8000}};
    for (const Case& c : cases) {
        TSkitCriteria criteria;
        criteria.SetWord(c.Word, 0x5555);
        criteria.SetCriterion(c.Condition, c.Value);
        const u16 others = static_cast<u16>(0x5555 & ~(0xC000 >> (14 - 2 * (c.Condition % 8))));
        EXPECT_EQ(criteria.GetWord(c.Word), others | c.Bits) << c.Condition << " " << c.Value;
        EXPECT_EQ(criteria.GetCriterion(c.Condition), c.Value);
    }
    TSkitCriteria criteria;
    criteria.SetCriterion(200, 1);
    criteria.SetWord(25, 0xFFFF);
    for (i32 w = 0; w < 26; ++w)
        EXPECT_EQ(criteria.GetWord(w), 0) << w;
    criteria.SetWord(24, 0xFFFF);
    EXPECT_EQ(criteria.GetCriterion(200), 0);
}

TEST(SkitCriteria, BodiesKeepTwentyFiveWordsAndFailOnImpossibleCounts) {
    std::string thirty;
    for (u16 i = 1; i <= 30; ++i)
        thirty += Le16(i);
    const std::string bytes = CritBytes(30, thirty);
    auto read = TJorpBase::CreateLoadedAt<TSkitCriteria>(
        TEmbeddedAddress{reinterpret_cast<const u8*>(bytes.data()), static_cast<u32>(bytes.size())},
        true);
    ASSERT_EQ(read->GetBytesRead(), static_cast<i32>(bytes.size()));
    EXPECT_EQ(read->GetWord(0), 1);
    EXPECT_EQ(read->GetWord(24), 25);
    for (const std::string& bad :
         {CritBytes(-1), CritBytes(3, Le16(1) + Le16(2)), CritBytes(0x7FFF, thirty)}) {
        auto failed = TJorpBase::CreateLoadedAt<TSkitCriteria>(
            TEmbeddedAddress{reinterpret_cast<const u8*>(bad.data()), static_cast<u32>(bad.size())},
            true);
        EXPECT_EQ(failed->GetBytesRead(), -1);
        EXPECT_EQ(failed->GetWord(0), 0);
    }
}

TEST(SkitCriteria, OnlyAskedConditionsDecideAndAnUnknownAnswerNeverBlocks) {
    struct Case {
        i32 Wanted, Answer;
        bool Matches;
    };
    const Case cases[] = {{1, 1, true},   {1, 0, true},   {1, -1, false},  {-1, -1, true},
                          {-1, 1, false}, {-2, 1, false}, {-2, -1, false}, {-2, 0, true}};
    for (const Case& c : cases) {
        TSkitWindow window;
        TGameObject object(&window);
        TSkit skit(&window, &object);
        skit.SetCriterion(5, c.Wanted);
        skit.SetCriterion(199, 1);
        window.Conditions = {{5, c.Answer}, {199, 1}};
        EXPECT_EQ(skit.CriteriaMatch(), c.Matches) << c.Wanted << " " << c.Answer;
        const std::vector<u16> asked = c.Matches ? std::vector<u16>{5, 199} : std::vector<u16>{5};
        EXPECT_EQ(window.Asked, asked);
    }
}

class SkitPlay : public ::testing::Test {
protected:
    TSkitWindow Window;
    TGameObject Object{&Window};
};

TEST_F(SkitPlay, DurationIsTheLargestRowPlusCellAndEmptySkitsPlayNothing) {
    auto skit = MakeSkit(&Window, &Object, "a", {{0, 0, 0, 0, 10}, {8, 3, 0, 1, 4}});
    EXPECT_EQ(skit->ComputeDuration(), 12U);
    auto empty = MakeSkit(&Window, &Object, "e", {});
    TSkit lone(nullptr, nullptr);
    for (TSkit* s : {empty.get(), &lone}) {
        for (int setUp = 0; setUp < 2; ++setUp) {
            EXPECT_EQ(s->ComputeDuration(), 0U);
            EXPECT_TRUE(s->CanPlayAt(5));
            s->Play(5);
            s->FreeSetupData();
        }
        ASSERT_NE(s->GetDataList(), nullptr);
        EXPECT_EQ(s->GetDataList()->GetCount(), 0);
    }
    EXPECT_TRUE(Window.Starts.empty());
    EXPECT_EQ(Window.Tests, 0);
}

TEST_F(SkitPlay, StartsArriveInRowAndPlaceOrderAtTheirOffsetsBeforeAndAfterSetUp) {
    auto skit =
        MakeSkit(&Window, &Object, "a", {{3, 2, 1, 7, 1}, {0, 5, 0, 4, 1}, {0, 0, 2, 9, 1}});
    const std::vector<std::string> starts = {"2.9@100", "0.4@100", "1.7@103"};
    for (int setUp = 0; setUp < 2; ++setUp) {
        Window.Starts.clear();
        skit->Acquire(100);
        EXPECT_EQ(Window.Starts, starts) << setUp;
        EXPECT_TRUE(skit->HasFlags(JOF_ON));
        // Sprite 1.7 is free only from frame 104: the skit can start at 101, not at 100.
        Window.FreeFrom = {{{2, 9}, 0}, {{0, 4}, 0}, {{1, 7}, 104}};
        EXPECT_TRUE(skit->CanPlayAt(101));
        Window.Tests = 0;
        EXPECT_FALSE(skit->CanPlayAt(100));
        EXPECT_EQ(Window.Tests, 3);
        // The first refusal ends the test; a cell naming no sprite is refused.
        Window.FreeFrom.erase({2, 9});
        Window.Tests = 0;
        EXPECT_FALSE(skit->CanPlayAt(100));
        EXPECT_EQ(Window.Tests, 1);
        skit->FreeSetupData();
        EXPECT_EQ(skit->GetTable(), nullptr);
        EXPECT_TRUE(skit->HasFlags(JOF_SETUP_FREED));
    }
    auto nowhere = MakeSkit(&Window, &Object, "n", {{0, 0, 0xFFFF, 0xFFFF, 1}});
    EXPECT_FALSE(nowhere->CanPlayAt(0));
}

// One object's bytes, read in place; the object as it stands after the read.
template <class T, class... Args>
std::unique_ptr<T> ReadBytes(const std::string& bytes, Args&&... args) {
    return TJorpBase::CreateLoadedAt<T>(
        TEmbeddedAddress{reinterpret_cast<const u8*>(bytes.data()), static_cast<u32>(bytes.size())},
        true, std::forward<Args>(args)...);
}

TEST_F(SkitPlay, CellsOfEveryVersionAndSkitsOfBothMinorsRead) {
    const std::string names = Name9("dealer") + Name9("wave");
    struct Case {
        std::string Bytes, Made;
    };
    const Case cells[] = {
        {Header("Cell", 1, 1) + names, "dealer.go|wave.sp|65535|65535|0"},
        {Header("Cell", 1, 2) + names + Le16(2) + Le16(3) + Le32(40), "dealer.go|wave.sp|2|3|40"},
        {CellBytes("\\t\\d.go", "w", 4, 5, 6), "\\t\\d.go|w|4|5|6"},
        {Header("Cell", 3, 0) + Str("a") + Str("b") + Le16(4) + Le16(5) + Le32(6), "failed"},
        {Header("Cell", 1, 2) + names + Le16(2), "failed"},
    };
    for (const Case& c : cells) {
        auto cell = ReadBytes<TSkitCell>(c.Bytes, &Window, &Object);
        const std::string made = cell->GetBytesRead() < 0
                                     ? "failed"
                                     : cell->GetObjectName() + "|" + cell->GetSpriteName() + "|" +
                                           std::to_string(cell->GetObjectIndex()) + "|" +
                                           std::to_string(cell->GetSpriteIndex()) + "|" +
                                           std::to_string(cell->Duration);
        EXPECT_EQ(made, c.Made);
    }
    // Minor 1 stores the flag word, minor 0 does not; a table or criteria that cannot be
    // read fails the skit instead of being stepped over backwards.
    const Case skits[] = {
        {OneCellSkit(1, 6), "9 flagged 1 cells"},
        {OneCellSkit(0, 6), "9 plain 1 cells"},
        {Header("SKIT", 1, 1) + Le16(9) + Le16(0) + TableBytes(0, "") + CritBytes(0),
         "9 plain 0 cells"},
        {Header("SKIT", 1, 1) + Le16(9) + Le16(1) + TableBytes(1, RowBytes(1, "")), "failed"},
        {Header("SKIT", 1, 1) + Le16(9) + Le16(1) + TableBytes(0, "") + CritBytes(2, Le16(1)),
         "failed"},
        {Header("SKIT", 1, 1) + Le16(9) + Le16(1) + TableBytes(500, RowBytes(0, "")) + CritBytes(0),
         "failed"},
        {Header("SKIT", 1, 1) + Le16(9), "failed"},
    };
    for (const Case& c : skits) {
        auto skit = ReadBytes<TSkit>(c.Bytes, &Window, &Object);
        const std::string made =
            skit->GetBytesRead() != static_cast<i32>(c.Bytes.size())
                ? "failed"
                : std::to_string(skit->GetId()) +
                      (skit->HasFlags(SKIT_EMPTY_TABLE_OK) ? " flagged " : " plain ") +
                      std::to_string(skit->GetTable()->CountCells()) + " cells";
        EXPECT_EQ(made, c.Made) << c.Made;
    }
}

class SkitFiles : public ObjectFileFixture {
protected:
    TSkitWindow Window;
    TGameObject Object{&Window};
    TMessageBoxRecorder Boxes;
};

TEST_F(SkitFiles, AnEmptyTableWarnsUnlessFlaggedAndIsWrittenAnyway) {
    for (bool flagged : {false, true}) {
        auto skit = MakeSkit(&Window, &Object, flagged ? "quiet" : "loud", {});
        if (flagged)
            skit->SetFlags(SKIT_EMPTY_TABLE_OK);
        ASSERT_TRUE(skit->SaveIfNeeded());
        const std::string name = flagged ? "quiet.sk" : "loud.sk";
        auto read =
            TSkit::CreateNamed(&Window, TFileMode(TJorpFileName(name), 0, 4), &Object, true, false);
        EXPECT_TRUE(read->HasFlags(JOF_LOADED));
        EXPECT_EQ(read->HasFlags(SKIT_EMPTY_TABLE_OK), flagged);
    }
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Warning !! Skit Write");
    EXPECT_EQ(Boxes.Boxes[0].Text, "Saving skit 'loud.sk' with zero rows in table.");
    EXPECT_EQ(Boxes.Boxes[0].Owner, nullptr);
    EXPECT_EQ(Boxes.Boxes[0].Flags & MB_TASKMODAL, MB_TASKMODAL);
}

TEST_F(SkitFiles, AWrittenSkitReadsBackMeasuredAndSetUp) {
    auto skit = MakeSkit(&Window, &Object, "a", {{0, 0, 0, 0, 10}, {8, 3, 1, 2, 4}});
    skit->SetId(77);
    skit->SetCriterion(12, -2);
    ASSERT_TRUE(skit->SaveIfNeeded());
    auto read =
        TSkit::CreateNamed(&Window, TFileMode(TJorpFileName("a.sk"), 0, 4), &Object, true, false);
    EXPECT_EQ(read->GetId(), 77);
    EXPECT_EQ(read->Duration, 12U);
    EXPECT_EQ(read->GetCriterion(12), -2);
    EXPECT_EQ(read->GetTable(), nullptr);
    read->Play(20);
    EXPECT_EQ(Window.Starts, (std::vector<std::string>{"0.0@20", "1.2@28"}));
    // What was set up has no table left to write.
    EXPECT_FALSE(read->WriteBody());
}

} // namespace
