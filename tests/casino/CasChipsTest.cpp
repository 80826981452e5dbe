// The chip rack read from its sprite file: chips coming in and going out, change made, bad
// mixes and amounts, the fatal report and a golden image.
#include "CasChipsSprites.h"

#include "casino/CasChips.h"
#include "engine/media/Sound.h"

#include "platform/host/MessageBox.h"
#include "platform/host/RuntimeRandom.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

using namespace chiptest;

class CasChipsTest : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteStackArt(Cd);
        WriteChipsFile(&Owner, "rack");
    }
    std::unique_ptr<TCasChips> Rack() {
        return TCasChips::Make(&Owner, TFileMode("rack", 0, FM_LEVEL_NOW));
    }
    // A rack with its first mix shown, as a seat's set-up leaves it.
    std::unique_ptr<TCasChips> Seated() {
        auto rack = Rack();
        rack->SetAmount(TMoney(1000), 5, 4, 3, 9, 0, 0);
        return rack;
    }
    // The counts the rack keeps, each checked against what its stack shows.
    static TChipCounts Counts(const TCasChips& rack) {
        TChipCounts counts{};
        for (i16 k = 0; k < 6; ++k) {
            counts[static_cast<size_t>(k)] = rack.GetCount(k);
            EXPECT_EQ(ShownChips(*rack.GetAnm(k)), rack.GetCount(k)) << "stack " << k;
        }
        return counts;
    }
    static i64 Value(const TChipCounts& c) {
        return c[0] + 5 * c[1] + 25 * c[2] + 100 * c[3] + 1000 * c[4] + 10000 * c[5];
    }
    // Which of the three chip sounds have played.
    static std::array<bool, 3> Played(const TCasChips& rack) {
        return {rack.GetWav(0)->HasFlags(JOF_ON), rack.GetWav(1)->HasFlags(JOF_ON),
                rack.GetWav(2)->HasFlags(JOF_ON)};
    }

    TTickOwner Owner;
};

TEST_F(CasChipsTest, TheRackMovesChipByChip) {
    using TStep = std::function<void(TCasChips&)>;
    const auto build = [](double amount, u8 sound = 0) -> TStep {
        return [=](TCasChips& r) { r.BuildStacks(TMoney(amount), sound); };
    };
    const auto seat = [](double amount, TChipCounts m) -> TStep {
        return
            [=](TCasChips& r) { r.SetAmount(TMoney(amount), m[0], m[1], m[2], m[3], m[4], m[5]); };
    };
    const struct {
        const char* Case;
        std::vector<TStep> Steps;
        TChipCounts Want;
        double Shown;
        std::array<bool, 3> Sounds;
    } cases[] = {
        {"a rack of 1000 taking 3 adds three ones, clinking a few",
         {build(1003, 1)},
         {8, 4, 3, 9, 0, 0},
         1003,
         {false, true, false}},
        {"4 more: five ones become a five",
         {build(1003), build(1007)},
         {7, 5, 3, 9, 0, 0},
         1007,
         {}},
        {"a hundred broken for change when no small stack holds two",
         {seat(907, {2, 1, 0, 9, 0, 0}), build(900)},
         {5, 4, 3, 8, 0, 0},
         900,
         {}},
        {"a mix that adds up is shown as it is",
         {seat(2000, {5, 4, 3, 9, 1, 0})},
         {5, 4, 3, 9, 1, 0},
         2000,
         {}},
        {"a mix that does not is built from nothing",
         {seat(2500, {5, 4, 3, 9, 1, 0})},
         {0, 0, 0, 5, 2, 0},
         2500,
         {}},
        {"cents have no chips: the mix still matches",
         {seat(12.5, {2, 2, 0, 0, 0, 0})},
         {2, 2, 0, 0, 0, 0},
         12.5,
         {}},
        {"a stack of eleven is no mix",
         {seat(11, {11, 0, 0, 0, 0, 0})},
         {1, 2, 0, 0, 0, 0},
         11,
         {}},
        {"nor is a negative count", {seat(10, {-5, 3, 0, 0, 0, 0})}, {0, 2, 0, 0, 0, 0}, 10, {}},
        {"nothing left hides everything", {seat(2000, {5, 4, 3, 9, 1, 0}), build(0)}, {}, 0, {}},
        {"no change for six fives going to 4: rebuilt from the fewest chips",
         {seat(30, {0, 6, 0, 0, 0, 0}), build(4)},
         {4, 0, 0, 0, 0, 0},
         4,
         {}},
        {"and the next move starts from the new amount",
         {seat(30, {0, 6, 0, 0, 0, 0}), build(4), build(9, 1)},
         {4, 1, 0, 0, 0, 0},
         9,
         {true, false, false}},
        {"a hidden hundred-thousand is broken when nothing shown is large enough",
         {build(0), build(100005), build(100004)},
         {4, 5, 3, 9, 9, 9},
         100004,
         {}},
        {"five or more chips clink the most",
         {build(1049, 1)},
         {9, 8, 4, 9, 0, 0},
         1049,
         {false, false, true}},
        {"a non-number is nothing", {build(std::nan(""))}, {}, 0, {}},
        {"a negative amount is nothing", {build(-250)}, {}, 0, {}},
        {"an amount past 32 bits is held at its largest",
         {build(1e300)},
         {7, 8, 4, 5, 3, 8},
         2147483647.0,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto rack = Seated();
        for (const TStep& step : c.Steps)
            step(*rack);
        EXPECT_EQ(Counts(*rack), c.Want);
        EXPECT_EQ(rack->GetAmountShown().GetValue(), c.Shown);
        EXPECT_EQ(Played(*rack), c.Sounds);
    }
}

TEST_F(CasChipsTest, AWalkOfTenThousandAmountsKeepsStacksTrueToTheAmountShown) {
    auto rack = Seated();
    TLcgRandom random;
    random.Seed(23);
    for (int step = 0; step < 10000; ++step) {
        // Mostly small moves, as bets and payouts make, now and then a jump across the range.
        const i64 now = rack->GetAmountShown().WholeDollars();
        const i32 r = random.Next();
        i64 next = r % 8 == 0 ? r % 100000 : now + (r % 401) - 200;
        next = std::clamp<i64>(next, 0, 99999);
        const double cents = (r / 7) % 3 == 0 ? 0.5 : 0.0;
        rack->SetFlags(JOF_TIMED_ON);
        rack->BuildStacks(TMoney(static_cast<double>(next) + cents), 1);
        const TChipCounts counts = Counts(*rack);
        for (i16 c : counts)
            ASSERT_TRUE(c >= 0 && c <= 10) << "step " << step << " count " << c;
        ASSERT_EQ(Value(counts), next) << "step " << step;
        ASSERT_EQ(rack->HasFlags(JOF_TIMED_ON), next == 0 && cents == 0.0) << "step " << step;
    }
}

TEST_F(CasChipsTest, StacksArePinnedStillPicturesAndTheRackStartsHidden) {
    auto rack = Rack();
    EXPECT_FALSE(rack->IsShown());
    EXPECT_TRUE(rack->HasFlags(JOF_START_NOW));
    const TChipCounts start = {5, 4, 3, 9, 0, 0};
    for (i16 k = 0; k < 6; ++k) {
        const TAnmData& data = rack->GetAnm(k)->GetCurrentData();
        EXPECT_EQ(data.Direction, ANM_HOLD);
        EXPECT_FALSE(data.Has(ANMD_RESET_RANGE));
        EXPECT_FALSE(data.Has(ANMD_LEAVE_WHEN_STOPPED));
        EXPECT_EQ(rack->GetCount(k), start[static_cast<size_t>(k)]);
    }
    EXPECT_EQ(rack->GetCount(-1), 0);
    EXPECT_EQ(rack->GetCount(6), 0);
}

TEST_F(CasChipsTest, ARackWithoutItsSoundsStaysSilent) {
    WriteChipsFile(&Owner, "quiet", 6, 0);
    auto rack = TCasChips::Make(&Owner, TFileMode("quiet", 0, FM_LEVEL_NOW));
    rack->SetAmount(TMoney(1000), 5, 4, 3, 9, 0, 0);
    rack->BuildStacks(TMoney(1090), 1);
    EXPECT_EQ(Counts(*rack), (TChipCounts{5, 7, 6, 9, 0, 0}));
}

TEST_F(CasChipsTest, ARackShortOfAStackEndsTheProgramNamingIt) {
    WriteChipsFile(&Owner, "short", 4, 0);
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(TCasChips::Make(&Owner, TFileMode("short", 0, FM_LEVEL_NOW)), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
    EXPECT_NE(boxes.Boxes[0].Text.find("Sprite name: CasChips"), std::string::npos);
    EXPECT_NE(boxes.Boxes[0].Text.find("Chips\n Num: 4"), std::string::npos) << boxes.Boxes[0].Text;
}

TEST_F(CasChipsTest, GoldenRackAfterAWinAndALoss) {
    auto rack = Rack();
    rack->Play(0);
    rack->Show();
    rack->BuildStacks(TMoney(1000), 0);
    rack->BuildStacks(TMoney(1007), 0);
    rack->BuildStacks(TMoney(900), 0);
    EXPECT_TRUE(MatchesGolden(Render(*rack, 120, 48), "casino_rack_1007_to_900"));
}

} // namespace
