// The engine's memory budget and the process-wide totals the data-file manager weighs against it.
#pragma once

#include "platform/host/Types.h"

#include <string>
#include <vector>

// Bytes the engine holds in file images, write buffers, copy blocks and the save file's
// buffer; kept by JorpRamAdd and JorpRamRemove.
extern u32 JorpRamInUse;
// Bytes of waves the sound mixer holds open.
extern u32 JorpWaveBytes;
// Half the machine's physical memory, fixed at start-up.
extern u32 JorpRamBudget;

// Counting helpers: additions saturate at the top of the range, removals stop at 0.
void JorpCountAdd(u32& total, u64 bytes);
void JorpCountRemove(u32& total, u64 bytes);
inline void JorpRamAdd(u64 bytes) {
    JorpCountAdd(JorpRamInUse, bytes);
}
inline void JorpRamRemove(u64 bytes) {
    JorpCountRemove(JorpRamInUse, bytes);
}

class TJorpMemMgr {
public:
    TJorpMemMgr();

    // Recomputes the budget from a physical-memory figure: the figure is first held to
    // 32 bits, so that a machine with more than 4 GiB gets a large budget, never 0.
    static u32 BudgetFor(u64 physicalBytes);

    // Tests fix the budget here; nothing puts the machine's figure back but a new value.
    static void OverrideBudget(u32 bytes) { JorpRamBudget = bytes; }

    // Reads a whole file into one zero-filled block. 0 done, 1 the file cannot be opened,
    // 3 no memory. Nothing in the game calls it.
    static int LoadWholeFile(const std::string& virtualPath, std::vector<u8>& block);
};
