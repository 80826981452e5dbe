// The data-file image: level counting, loading from the buffer copy or the source, buffer copies.
#include "BaseFile.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/FileName.h"
#include "engine/foundation/MemMgr.h"

#include <limits>
#include <new>

TJorpBaseFile::~TJorpBaseFile() {
    FreeData();
    DeleteBufferCopy();
}

u8 TJorpBaseFile::HighestLevel(const i16 counts[5]) {
    for (int i = 0; i < 4; ++i)
        if (counts[i] > 0)
            return static_cast<u8>(4 - i);
    return 0;
}

void TJorpBaseFile::AddLevelUse(u8 diskLevel, u8 ramLevel) {
    i16& disk = DiskCounts[CountIndex(diskLevel)];
    if (disk < std::numeric_limits<i16>::max())
        ++disk;
    i16& ram = RamCounts[CountIndex(ramLevel)];
    if (ram < std::numeric_limits<i16>::max())
        ++ram;
    DiskLevel = HighestLevel(DiskCounts);
    RamLevel = HighestLevel(RamCounts);
}

void TJorpBaseFile::DropLevelUse(u8 diskLevel, u8 ramLevel) {
    i16& disk = DiskCounts[CountIndex(diskLevel)];
    if (disk > 0)
        --disk;
    i16& ram = RamCounts[CountIndex(ramLevel)];
    if (ram > 0)
        --ram;
    DiskLevel = HighestLevel(DiskCounts);
    RamLevel = HighestLevel(RamCounts);
}

bool TJorpBaseFile::Allocate() {
    // A zero-byte file still gets a block of its own, so that "in memory" means the same
    // for it as for any other file; its reader then finds no bytes and fails by itself.
    Data = new (std::nothrow) u8[Size > 0 ? Size : 1];
    if (Data == nullptr)
        return false;
    JorpRamAdd(Size);
    return true;
}

void TJorpBaseFile::FreeData() {
    if (Data == nullptr)
        return;
    JorpRamRemove(Size);
    delete[] Data;
    Data = nullptr;
}

bool TJorpBaseFile::ReadFrom(const std::string& path, u32 offset) {
    if (Size == 0)
        return TJorpFileName::Exists(path);
    constexpr u32 limit = static_cast<u32>(std::numeric_limits<i32>::max());
    if (Size > limit || offset > limit)
        return false;
    return TJorpFileName::ReadBlock(path, Data, static_cast<i32>(Size), static_cast<i32>(offset));
}

bool TJorpBaseFile::SourceEndsTooSoon() const {
    const i32 held = TJorpFileName::GetFileSize(SourcePath);
    return held >= 0 && static_cast<u64>(Offset) + Size > static_cast<u64>(held);
}

THostPathKind TJorpBaseFile::GetSourceKind() const {
    return GetHostPathKind(SourcePath);
}

u16 TJorpBaseFile::LoadData() {
    if (IsInMemory())
        return BF_DONE;
    const bool fromCopy = HasBufferCopy() && GetHostPathKind(BufferPath) == THostPathKind::Regular;
    // Only a plain file is read: a missing one may still come with the disk the manager asks
    // for, but nothing can make a folder or a FIFO readable.
    const auto sourceState = [this]() -> u16 {
        switch (GetSourceKind()) {
        case THostPathKind::Missing:
            return BF_FAILED;
        case THostPathKind::Regular:
            // Before any memory is taken: a size from a damaged catalogue can be anything.
            return SourceEndsTooSoon() ? BF_SHORT_SOURCE : BF_DONE;
        default:
            return BF_NOT_A_FILE;
        }
    };
    if (!fromCopy) {
        if (const u16 state = sourceState(); state != BF_DONE)
            return state;
    }
    if (!Allocate())
        return BF_NO_MEMORY;
    if (fromCopy && ReadFrom(BufferPath, 0))
        return BF_DONE;
    // The copy failed: the source is looked at as if there had been no copy.
    if (fromCopy) {
        if (const u16 state = sourceState(); state != BF_DONE) {
            FreeData();
            return state;
        }
    }
    if (ReadFrom(SourcePath, Offset))
        return BF_DONE;
    FreeData();
    // Gone since it was looked at, or there and refusing to be read.
    return GetSourceKind() == THostPathKind::Missing ? BF_FAILED : BF_UNREADABLE;
}

u16 TJorpBaseFile::WriteBufferCopy() {
    if (HasBufferCopy())
        return BF_DONE;
    if (!IsInMemory())
        return BF_NOTHING;
    const TJorpFileName copy(BufferPath);
    const bool written = Size <= static_cast<u32>(std::numeric_limits<i32>::max()) &&
                         copy.WriteBlock(Data, static_cast<i32>(Size), 0);
    if (!written) {
        // A half-written copy would never be read or deleted again.
        if (!BufferPath.empty())
            copy.Delete();
        return BF_WRITE_FAILED;
    }
    Flags |= BF_BUFFERED;
    AddBufferedBytes(Size);
    return BF_DONE;
}

void TJorpBaseFile::DeleteBufferCopy() {
    if (!HasBufferCopy())
        return;
    TJorpFileName(BufferPath).Delete();
    Flags &= static_cast<u16>(~BF_BUFFERED);
    SubBufferedBytes(Size);
}

void TJorpBaseFile::AddBufferedBytes(u32 n) {
    if (TJorpFileMgr* mgr = TEngineContext::FileMgr)
        mgr->GetDiskData().AddWritten(n);
}

void TJorpBaseFile::SubBufferedBytes(u32 n) {
    if (TJorpFileMgr* mgr = TEngineContext::FileMgr)
        mgr->GetDiskData().SubWritten(n);
}
