// Physical memory from sysinfo and free space from statvfs, each with a test override.
#include "SystemInfo.h"

#include "VirtualPath.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>

namespace {
std::optional<u64> MemoryOverride;
std::optional<u64> DiskOverride;
} // namespace

void SetPhysicalMemoryOverride(std::optional<u64> totalBytes) {
    MemoryOverride = totalBytes;
}

void SetDiskFreeOverride(std::optional<u64> freeBytes) {
    DiskOverride = freeBytes;
}

void GlobalMemoryStatus(TMemoryStatus* status) {
    if (status == nullptr)
        return;
    *status = TMemoryStatus{};
    if (MemoryOverride) {
        status->TotalPhys = *MemoryOverride;
        status->AvailPhys = *MemoryOverride;
        return;
    }
    struct sysinfo info {};
    if (sysinfo(&info) == 0) {
        status->TotalPhys = static_cast<u64>(info.totalram) * info.mem_unit;
        status->AvailPhys = static_cast<u64>(info.freeram) * info.mem_unit;
    }
}

u64 GetDiskFreeBytes(int driveNumber) {
    if (DiskOverride)
        return *DiskOverride;
    if (driveNumber < 1 || driveNumber > 26)
        return 0;
    // The space that counts is where the drive's files are written: the buffer copies of c:
    // go to the player's folder.
    const auto root = TVirtualPaths::GetWritableRoot(static_cast<char>('a' + driveNumber - 1));
    if (!root)
        return 0;
    struct statvfs fs {};
    if (statvfs(root->c_str(), &fs) != 0)
        return 0;
    return static_cast<u64>(fs.f_bavail) * fs.f_frsize;
}
