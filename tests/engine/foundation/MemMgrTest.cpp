// The memory budget's 32-bit clamp and the saturating totals.
#include "engine/foundation/MemMgr.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(MemMgr, BudgetIsHalfOfPhysicalMemoryHeldToThirtyTwoBits) {
    EXPECT_EQ(TJorpMemMgr::BudgetFor(64ULL << 20), 32U << 20);
    // Halving the low word of 8 GiB would give 0; the figure is held first.
    EXPECT_EQ(TJorpMemMgr::BudgetFor(8ULL << 30), 0x7FFFFFFFU);
    EXPECT_EQ(TJorpMemMgr::BudgetFor(0xFFFFFFFFULL), 0x7FFFFFFFU);
    EXPECT_EQ(TJorpMemMgr::BudgetFor(0), 0U);
    EXPECT_GT(JorpRamBudget, 0U);
}

TEST(MemMgr, TotalsNeverGoBelowZeroNorWrap) {
    const u32 saved = JorpRamInUse;
    JorpRamInUse = 100;
    JorpRamRemove(40);
    EXPECT_EQ(JorpRamInUse, 60U);
    JorpRamRemove(1000);
    EXPECT_EQ(JorpRamInUse, 0U);
    JorpRamAdd(0xFFFFFFF0U);
    JorpRamAdd(0x100);
    EXPECT_EQ(JorpRamInUse, 0xFFFFFFFFU);

    u32 waves = 5;
    JorpCountRemove(waves, 6);
    EXPECT_EQ(waves, 0U);
    JorpRamInUse = saved;
}

TEST(MemMgr, WholeFileLoadReportsByResult) {
    TTempDir dir;
    dir.WriteHostFile("blob.bin", std::string("\x01\x02\x03", 3));
    std::vector<u8> block;
    EXPECT_EQ(TJorpMemMgr::LoadWholeFile("c:\\blob.bin", block), 0);
    EXPECT_EQ(block, (std::vector<u8>{1, 2, 3}));
    EXPECT_EQ(TJorpMemMgr::LoadWholeFile("c:\\missing.bin", block), 1);

    dir.WriteHostFile("empty.bin", "");
    EXPECT_EQ(TJorpMemMgr::LoadWholeFile("c:\\empty.bin", block), 0);
    EXPECT_TRUE(block.empty());
}

} // namespace
