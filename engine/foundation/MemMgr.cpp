// The memory budget from the machine's physical memory, and the engine's saturating totals.
#include "MemMgr.h"

#include "platform/host/HostFile.h"
#include "platform/host/SystemInfo.h"

#include <limits>
#include <new>

u32 JorpRamInUse = 0;
u32 JorpWaveBytes = 0;
u32 JorpRamBudget = 0;

namespace {
// Constructed before main, as the engine expects its budget to be known from the start.
const TJorpMemMgr TheMemMgr;
} // namespace

void JorpCountAdd(u32& total, u64 bytes) {
    const u64 sum = static_cast<u64>(total) + bytes;
    total = sum > std::numeric_limits<u32>::max() ? std::numeric_limits<u32>::max()
                                                  : static_cast<u32>(sum);
}

void JorpCountRemove(u32& total, u64 bytes) {
    total = bytes >= total ? 0 : static_cast<u32>(total - bytes);
}

TJorpMemMgr::TJorpMemMgr() {
    TMemoryStatus status;
    GlobalMemoryStatus(&status);
    JorpRamBudget = BudgetFor(status.TotalPhys);
}

u32 TJorpMemMgr::BudgetFor(u64 physicalBytes) {
    const u64 held = physicalBytes > std::numeric_limits<u32>::max()
                         ? std::numeric_limits<u32>::max()
                         : physicalBytes;
    return static_cast<u32>(held / 2);
}

int TJorpMemMgr::LoadWholeFile(const std::string& virtualPath, std::vector<u8>& block) {
    THostFile* file =
        CreateFileA(virtualPath, GENERIC_READ, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (file == nullptr)
        return 1;
    const u32 length = SetFilePointer(file, 0, FILE_END);
    if (length == INVALID_SET_FILE_POINTER || SetFilePointer(file, 0, FILE_BEGIN) != 0) {
        CloseHandle(file);
        return 1;
    }
    try {
        block.assign(length, 0);
    } catch (const std::bad_alloc&) {
        CloseHandle(file);
        return 3;
    }
    u32 done = 0;
    const bool ok = length == 0 || (ReadFile(file, block.data(), length, &done) && done == length);
    CloseHandle(file);
    if (!ok) {
        block.clear();
        return 1;
    }
    return 0;
}
