// Physical memory and free-space queries, real and overridden.
#include "platform/host/SystemInfo.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemInfo, ReportsMemoryAndFreeSpaceAndHonoursOverrides) {
    TMemoryStatus status;
    GlobalMemoryStatus(&status);
    EXPECT_GT(status.TotalPhys, 0U);

    SetPhysicalMemoryOverride(8ULL << 30);
    GlobalMemoryStatus(&status);
    EXPECT_EQ(status.TotalPhys, 8ULL << 30);
    SetPhysicalMemoryOverride(std::nullopt);

    // Free space is 64-bit and zero for unmapped drives.
    TTempDir dir('c');
    EXPECT_GT(GetDiskFreeBytes(3), 0U);
    EXPECT_EQ(GetDiskFreeBytes(0), 0U);
    EXPECT_EQ(GetDiskFreeBytes(27), 0U);
    TVirtualPaths::SetDriveRoot('q', "");
    EXPECT_EQ(GetDiskFreeBytes(17), 0U);

    SetDiskFreeOverride(6ULL << 30);
    EXPECT_EQ(GetDiskFreeBytes(3), 6ULL << 30);
    SetDiskFreeOverride(std::nullopt);
}

} // namespace
