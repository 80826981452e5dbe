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
}

TEST(MemMgr, TotalsNeverGoBelowZeroNorWrap) {
    u32 total = 100;
    JorpCountRemove(total, 40);
    EXPECT_EQ(total, 60U);
    JorpCountRemove(total, 1000);
    EXPECT_EQ(total, 0U);
    JorpCountAdd(total, 0xFFFFFFF0U);
    JorpCountAdd(total, 0x100);
    EXPECT_EQ(total, 0xFFFFFFFFU);
}

TEST(MemMgr, WholeFileLoadReportsByResult) {
    TTempDir dir;
    dir.WriteHostFile("blob.bin", std::string("\x01\x02\x03", 3));
    dir.WriteHostFile("empty.bin", "");
    std::vector<u8> block;
    EXPECT_EQ(TJorpMemMgr::LoadWholeFile("c:\\blob.bin", block), 0);
    EXPECT_EQ(block, (std::vector<u8>{1, 2, 3}));
    EXPECT_EQ(TJorpMemMgr::LoadWholeFile("c:\\missing.bin", block), 1);
    EXPECT_EQ(TJorpMemMgr::LoadWholeFile("c:\\empty.bin", block), 0);
    EXPECT_TRUE(block.empty());
}

} // namespace
