// The machine's physical memory and a drive's free space, with overrides for tests.
#pragma once

#include "Types.h"

#include <optional>

struct TMemoryStatus {
    u64 TotalPhys = 0;
    u64 AvailPhys = 0;
};

void GlobalMemoryStatus(TMemoryStatus* status);

// Free bytes on the host volume a virtual drive's files are written to (1 = a: ... 26 = z:);
// 0 when the drive has no root or cannot be measured.
u64 GetDiskFreeBytes(int driveNumber);

// Test overrides; nothing restores the real figures.
void SetPhysicalMemoryOverride(std::optional<u64> totalBytes);
void SetDiskFreeOverride(std::optional<u64> freeBytes);
