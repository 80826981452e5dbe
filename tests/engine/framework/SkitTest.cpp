// Skits: criteria bits and matching, durations, starts in row and place order from the table and
// from the set-up list, the "SKIT", "Cell" and "CRIT" bodies, and the empty-table warning.
#include "SkitFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "engine/framework/SkitCriteria.h"
#include "engine/framework/SkitData.h"
#include "platform/host/MessageBox.h"

#include <gtest/gtest.h>

namespace {

TEST(SkitCriteria, EachConditionIsASignedTwoBitFieldOfItsWordAndBodiesKeep25Words) {
    const struct {
        i32 Condition, Value, Word;
        u16 Bits;
    } cases[] = {{0, 1, 0, 0x0001},     {0, -1, 0, 0x0003},    {0, -2, 0, 0x0002},
                 {7, 1, 0, 0x4000},     {7, -1, 0, 0xC000},    {7, -2, 0, 0x8000},
                 {8, 1, 1, 0x0001},     {8, -2, 1, 0x0002},    {199, 1, 24, 0x4000},
                 {199, -1, 24, 0xC000}, {199, -2, 24, 0x8000}, {200, 1, 24, 0}};
    for (const auto& c : cases) {
        TSkitCriteria criteria;
        criteria.SetWord(c.Word, 0x5555);
        criteria.SetCriterion(c.Condition, c.Value);
        // The neighbours' bits stay as they were.
        const u16 kept = static_cast<u16>(0x5555 & ~(3 << (2 * (c.Condition % 8))));
        EXPECT_EQ(criteria.GetWord(c.Word), c.Bits != 0 ? kept | c.Bits : 0x5555) << c.Condition;
        EXPECT_EQ(criteria.GetCriterion(c.Condition), c.Bits != 0 ? c.Value : 0);
    }
    std::string thirty;
    for (u16 i = 1; i <= 30; ++i)
        thirty += Le16(i);
    auto read = ReadBytes<TSkitCriteria>(CritBytes(30, thirty));
    EXPECT_EQ(read->GetBytesRead(), 12 + 2 + 60);
    EXPECT_EQ(read->GetWord(24), 25);
    for (const std::string& bad :
         {CritBytes(-1), CritBytes(3, Le16(1) + Le16(2)), CritBytes(0x7FFF, thirty)}) {
        auto failed = ReadBytes<TSkitCriteria>(bad);
        EXPECT_EQ(failed->GetBytesRead(), -1);
        EXPECT_EQ(failed->GetWord(0), 0);
    }
}

TEST(SkitCriteria, OnlyAskedConditionsDecideAndAnUnknownAnswerNeverBlocks) {
    const struct {
        i32 Wanted, Answer;
        bool Matches;
    } cases[] = {{1, 1, true},   {1, 0, true},   {1, -1, false},  {-1, -1, true},
                 {-1, 1, false}, {-2, 1, false}, {-2, -1, false}, {-2, 0, true}};
    for (const auto& c : cases) {
        TSkitWindow window;
        TGameObject object(&window);
        TSkit skit(&window, &object);
        skit.SetCriterion(5, c.Wanted);
        skit.SetCriterion(199, 1);
        window.Conditions = {{5, c.Answer}, {199, 1}};
        EXPECT_EQ(skit.CriteriaMatch(), c.Matches) << c.Wanted << " " << c.Answer;
        EXPECT_EQ(window.Asked, (c.Matches ? std::vector<u16>{5, 199} : std::vector<u16>{5}));
    }
}

class SkitPlay : public ::testing::Test {
protected:
    TSkitWindow Window;
    TGameObject Object{&Window};
};

TEST_F(SkitPlay, StartsArriveInRowAndPlaceOrderAtTheirOffsetsBeforeAndAfterSetUp) {
    EXPECT_EQ(
        MakeSkit(&Window, &Object, "d", {{0, 0, 0, 0, 10}, {8, 3, 0, 1, 4}})->ComputeDuration(),
        12U);
    auto skit =
        MakeSkit(&Window, &Object, "a", {{3, 2, 1, 7, 1}, {0, 5, 0, 4, 1}, {0, 0, 2, 9, 1}});
    for (int setUp = 0; setUp < 2; ++setUp) {
        Window.Starts.clear();
        skit->Acquire(100);
        EXPECT_EQ(Window.Starts, (std::vector<std::string>{"2.9@100", "0.4@100", "1.7@103"}));
        // Sprite 1.7 is free only from frame 104: the skit can start at 101, not at 100.
        Window.FreeFrom = {{{2, 9}, 0}, {{0, 4}, 0}, {{1, 7}, 104}};
        EXPECT_TRUE(skit->CanPlayAt(101));
        // The first refusal ends the test; a sprite the window does not know is refused.
        Window.FreeFrom.erase({2, 9});
        Window.Tests = 0;
        EXPECT_FALSE(skit->CanPlayAt(101));
        EXPECT_EQ(Window.Tests, 1);
        skit->FreeSetupData();
        EXPECT_EQ(skit->GetTable(), nullptr);
    }
    // An empty skit lasts 0 frames, plays nothing and can always play, set up or not.
    Window.Starts.clear();
    Window.Tests = 0;
    auto empty = MakeSkit(&Window, &Object, "e", {});
    TSkit lone(nullptr, nullptr);
    for (TSkit* s : {empty.get(), &lone, empty.get(), &lone}) {
        EXPECT_EQ(s->ComputeDuration(), 0U);
        EXPECT_TRUE(s->CanPlayAt(5));
        s->Play(5);
        s->FreeSetupData();
        EXPECT_EQ(s->GetDataList()->GetCount(), 0);
    }
    EXPECT_TRUE(Window.Starts.empty());
    EXPECT_EQ(Window.Tests, 0);
}

TEST_F(SkitPlay, CellsOfEveryVersionAndSkitsOfBothMinorsRead) {
    const std::string names = Name9("dealer") + Name9("wave");
    const std::pair<std::string, std::string> cells[] = {
        {Header("Cell", 1, 1) + names, "dealer.go|wave.sp|65535|65535|0"},
        {Header("Cell", 1, 2) + names + Le16(2) + Le16(3) + Le32(40), "dealer.go|wave.sp|2|3|40"},
        {CellBytes("\\t\\d.go", "w", 4, 5, 6), "\\t\\d.go|w|4|5|6"},
        {Header("Cell", 3, 0) + Str("a") + Str("b") + Le16(4) + Le16(5) + Le32(6), "failed"},
        {Header("Cell", 1, 2) + names + Le16(2), "failed"},
    };
    for (const auto& [bytes, made] : cells) {
        auto c = ReadBytes<TSkitCell>(bytes, &Window, &Object);
        EXPECT_EQ(c->GetBytesRead() < 0
                      ? "failed"
                      : c->GetObjectName() + "|" + c->GetSpriteName() + "|" +
                            std::to_string(c->GetObjectIndex()) + "|" +
                            std::to_string(c->GetSpriteIndex()) + "|" + std::to_string(c->Duration),
                  made);
    }
    // Minor 1 stores the flag word, minor 0 does not; a table or criteria that cannot be
    // read fails the skit instead of being stepped over backwards.
    const std::string flagged = Header("SKIT", 1, 1) + Le16(9) + Le16(1);
    const std::pair<std::string, std::string> skits[] = {
        {OneCellSkit(1, 6), "9 flagged 1"},
        {OneCellSkit(0, 6), "9 plain 1"},
        {Header("SKIT", 1, 1) + Le16(9) + Le16(0) + TableBytes(0, "") + CritBytes(0), "9 plain 0"},
        {flagged + TableBytes(1, RowBytes(1, "")), "failed"},
        {flagged + TableBytes(0, "") + CritBytes(2, Le16(1)), "failed"},
        {flagged + TableBytes(500, RowBytes(0, "")) + CritBytes(0), "failed"},
        {flagged, "failed"},
    };
    for (const auto& [bytes, made] : skits) {
        auto s = ReadBytes<TSkit>(bytes, &Window, &Object);
        EXPECT_EQ(s->GetBytesRead() != static_cast<i32>(bytes.size())
                      ? "failed"
                      : std::to_string(s->GetId()) +
                            (s->HasFlags(SKIT_EMPTY_TABLE_OK) ? " flagged " : " plain ") +
                            std::to_string(s->GetTable()->CountCells()),
                  made);
    }
}

TEST_F(ObjectFileFixture, AnEmptySkitTableWarnsUnlessFlaggedAndIsWrittenAnyway) {
    TMessageBoxRecorder boxes;
    for (bool flagged : {false, true}) {
        auto skit = MakeSkit(nullptr, nullptr, flagged ? "quiet" : "loud", {});
        if (flagged)
            skit->SetFlags(SKIT_EMPTY_TABLE_OK);
        ASSERT_TRUE(skit->SaveIfNeeded());
        TFileMode file = skit->GetFileMode();
        file.RamLevel = FM_LEVEL_NOW;
        auto read = TSkit::CreateNamed(nullptr, file, nullptr, true, false);
        ASSERT_TRUE(read->HasFlags(JOF_LOADED));
        EXPECT_EQ(read->HasFlags(SKIT_EMPTY_TABLE_OK), flagged);
        // A set-up skit has no table left to write.
        EXPECT_FALSE(read->WriteBody());
    }
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Warning !! Skit Write");
    EXPECT_EQ(boxes.Boxes[0].Text, "Saving skit 'loud.sk' with zero rows in table.");
    EXPECT_EQ(boxes.Boxes[0].Owner, nullptr);
    EXPECT_EQ(boxes.Boxes[0].Flags & MB_TASKMODAL, MB_TASKMODAL);
}

} // namespace
