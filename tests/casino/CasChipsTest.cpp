// The chip rack read from its sprite file: chips coming in and going out, change made, bad
// mixes and amounts, the fatal report and a golden image.
#include "CasinoArt.h"

#include "casino/BetUnitChips.h"
#include "casino/CasChips.h"
#include "engine/media/Sound.h"

#include "platform/host/RuntimeRandom.h"

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
    // Each case starts from 1000 as 5, 4, 3, 9, 0, 0; Wave is the chip sound played (-1 none).
    const struct {
        const char* Case;
        std::vector<TStep> Steps;
        TChipCounts Want;
        double Shown;
        i16 Wave;
    } cases[] = {
        // clang-format off
        {"3 more ones clink a few", {build(1003, 1)}, {8, 4, 3, 9, 0, 0}, 1003, 1},
        {"then five ones become a five", {build(1003), build(1007)}, {7, 5, 3, 9, 0, 0}, 1007, -1},
        {"five or more chips clink the most", {build(1049, 1)}, {9, 8, 4, 9, 0, 0}, 1049, 2},
        {"no small stack of two: a hundred is broken",
         {seat(907, {2, 1, 0, 9, 0, 0}), build(900)}, {5, 4, 3, 8, 0, 0}, 900, -1},
        {"a mix that adds up", {seat(2000, {5, 4, 3, 9, 1, 0})}, {5, 4, 3, 9, 1, 0}, 2000, -1},
        {"one that does not", {seat(2500, {5, 4, 3, 9, 1, 0})}, {0, 0, 0, 5, 2, 0}, 2500, -1},
        {"cents have no chips", {seat(12.5, {2, 2, 0, 0, 0, 0})}, {2, 2, 0, 0, 0, 0}, 12.5, -1},
        {"a stack of eleven is no mix", {seat(11, {11, 0, 0, 0, 0, 0})}, {1, 2, 0, 0, 0, 0}, 11, -1},
        {"nor is a negative count", {seat(10, {-5, 3, 0, 0, 0, 0})}, {0, 2, 0, 0, 0, 0}, 10, -1},
        {"nothing hides all", {seat(2000, {5, 4, 3, 9, 1, 0}), build(0)}, {}, 0, -1},
        {"no change: rebuilt", {seat(30, {0, 6, 0, 0, 0, 0}), build(4)}, {4, 0, 0, 0, 0, 0}, 4, -1},
        {"and moved on from there",
         {seat(30, {0, 6, 0, 0, 0, 0}), build(4), build(9, 1)}, {4, 1, 0, 0, 0, 0}, 9, 0},
        {"a hidden 100,000 broken", {build(0), build(100005), build(100004)},
         {4, 5, 3, 9, 9, 9}, 100004, -1},
        {"a non-number is nothing", {build(std::nan(""))}, {}, 0, -1},
        {"a negative amount is nothing", {build(-250)}, {}, 0, -1},
        {"past 32 bits: the largest", {build(1e300)}, {7, 8, 4, 5, 3, 8}, 2147483647.0, -1},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto rack = Seated();
        for (const TStep& step : c.Steps)
            step(*rack);
        EXPECT_EQ(Counts(*rack), c.Want);
        EXPECT_EQ(rack->GetAmountShown().GetValue(), c.Shown);
        for (i16 w = 0; w < 3; ++w)
            EXPECT_EQ(rack->GetWav(w)->HasFlags(JOF_ON), w == c.Wave) << "wave " << w;
    }
}

// On a rack without its sounds, which stays silent.
TEST_F(CasChipsTest, AWalkOfTenThousandAmountsKeepsStacksTrueToTheAmountShown) {
    WriteChipsFile(&Owner, "quiet", 6, 0);
    auto rack = TCasChips::Make(&Owner, TFileMode("quiet", 0, FM_LEVEL_NOW));
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

TEST_F(CasChipsTest, ASpriteShortOfAStackEndsTheProgramNamingIt) {
    const struct {
        int Stacks;
        std::function<void()> Make;
        std::string Text;
    } cases[] = {
        {4, [&] { TCasChips::Make(&Owner, TFileMode("short4", 0, FM_LEVEL_NOW)); }, "CasChips\n"},
        {5, [&] { TBetUnitChips::Make(&Owner, TFileMode("short5", 0, FM_LEVEL_NOW)); },
         "BetUnitChips\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        WriteChipsFile(&Owner, "short" + std::to_string(c.Stacks), c.Stacks, 0);
        ExpectSetupReport(c.Make, c.Text, "Chips\n Num: " + std::to_string(c.Stacks));
    }
}

TEST_F(CasChipsTest, GoldenRackAfterAWinAndALoss) {
    auto rack = Rack();
    EXPECT_FALSE(rack->IsShown());
    rack->Play(0);
    rack->Show();
    rack->BuildStacks(TMoney(1000), 0);
    rack->BuildStacks(TMoney(1007), 0);
    rack->BuildStacks(TMoney(900), 0);
    EXPECT_TRUE(MatchesGolden(Render(*rack, 120, 48), "casino_rack_1007_to_900"));
}

} // namespace
