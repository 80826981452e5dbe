// The data-file manager's upkeep: per-frame trimming, low-memory notices and purges at mode
// changes.
#include "FileMgr.h"

#include "engine/foundation/MemMgr.h"

bool JorpPurgePending = false;

bool TJorpFileMgr::IdleAction() {
    return IsQuiet();
}

void TJorpFileMgr::IdleStep(u32 frame) {
    if (frame % 30 == 0 || JorpPurgePending) {
        if (IsOverBudget()) {
            u32 freed = 0;
            FileTable->Purge(4, BudgetExcess(), freed);
        }
        JorpPurgePending = false;
    }
    if (frame % 6 == 0) {
        DiskData->Measure();
        LookForBufferFolder();
    }
    // With no copies on the drive there is nothing to delete, and no reason to walk every
    // list each frame looking for one.
    const u64 room = DiskData->GetRoom();
    if (room <= FM_MIN_BUFFER_ROOM && DiskData->Written > 0) {
        u32 freed = 0;
        FileTable->PurgeBuffers(4, static_cast<u32>(FM_MIN_BUFFER_ROOM - room), freed);
    }
}

void TJorpFileMgr::Compact(u32 /*ratio*/, bool now) {
    if (!now) {
        JorpPurgePending = true;
        return;
    }
    u32 freed = 0;
    FileTable->Purge(4, 0xFFFFFFFF, freed);
    JorpPurgePending = false;
}

void TJorpFileMgr::PurgeLowClasses() {
    FileTable->DeleteUnusedImages();
    u32 freed = 0;
    FileTable->Purge(2, 0xFFFFFFFF, freed);
    if (Catalogues != nullptr)
        Catalogues->RemoveUnused();
}

void TJorpFileMgr::PurgeAllClasses() {
    FileTable->DeleteUnusedImages();
    u32 freed = 0;
    FileTable->Purge(4, 0xFFFFFFFF, freed);
}
