// Bet-unit chips read from their sprite file: amounts laid out afresh, bad amounts, the report.
#include "CasinoArt.h"

#include "casino/BetUnitChips.h"
#include "engine/media/Sound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace chiptest;

class BetUnitChipsTest : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteStackArt(Cd);
    }
    TTickOwner Owner;
};

TEST_F(BetUnitChipsTest, EachAmountIsLaidOutAfreshLargestChipsFirst) {
    WriteChipsFile(&Owner, "units", 6, 1);
    auto units = TBetUnitChips::Make(&Owner, TFileMode("units", 0, FM_LEVEL_NOW));
    EXPECT_FALSE(units->IsShown());
    const struct {
        double Amount;
        TChipCounts Shown;
    } cases[] = {
        {137, {2, 2, 1, 1, 0, 0}},
        // No memory of the 137: the hundred and the quarter go.
        {5, {0, 1, 0, 0, 0, 0}},
        {99999, {4, 4, 3, 9, 9, 9}},
        {100000, {}},
        {100137.75, {2, 2, 1, 1, 0, 0}},
        {0.99, {}},
        {-40, {}},
        {std::nan(""), {}},
        {std::numeric_limits<double>::infinity(), {2, 4, 1, 6, 3, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Amount);
        units->SetFlags(JOF_TIMED_ON);
        units->SetAmount(TMoney(c.Amount));
        TChipCounts shown{};
        for (i16 k = 0; k < 6; ++k)
            shown[static_cast<size_t>(k)] = ShownChips(*units->GetAnm(k));
        EXPECT_EQ(shown, c.Shown);
        // Nothing to show leaves the frame alone.
        EXPECT_EQ(units->HasFlags(JOF_TIMED_ON),
                  std::trunc(c.Amount) == 0 || std::isnan(c.Amount) || c.Amount < 0);
    }
}

} // namespace
