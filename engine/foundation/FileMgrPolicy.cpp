// When an image is in memory or has a buffer copy: level changes, loads, copies and the CD prompt.
#include "FileMgr.h"

#include "engine/foundation/DataFileDamage.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileName.h"
#include "engine/foundation/MemMgr.h"
#include "platform/host/MessageBox.h"

#include <algorithm>

namespace {

// The wait cursor stays up for exactly the span of one change, also when a fatal error
// unwinds through it.
class TFileWaitCursor {
public:
    TFileWaitCursor() { TEngineContext::GetMedia().SetFileWaitCursor(true); }
    ~TFileWaitCursor() { TEngineContext::GetMedia().SetFileWaitCursor(false); }
    TFileWaitCursor(const TFileWaitCursor&) = delete;
    TFileWaitCursor& operator=(const TFileWaitCursor&) = delete;
};

} // namespace

bool TJorpFileMgr::IsQuiet() const {
    return !TEngineContext::GetMedia().IsSoundPlaying();
}

bool TJorpFileMgr::IsOverBudget() const {
    return static_cast<u64>(JorpRamInUse) + JorpWaveBytes > JorpRamBudget;
}

u32 TJorpFileMgr::BudgetExcess() const {
    const u64 held = static_cast<u64>(JorpRamInUse) + JorpWaveBytes;
    if (held <= JorpRamBudget)
        return 0;
    return static_cast<u32>(std::min<u64>(held - JorpRamBudget, UINT32_MAX));
}

bool TJorpFileMgr::RoomFor(const TJorpBaseFile& image) const {
    const u64 room = DiskData->GetRoom();
    return room > FM_MIN_BUFFER_ROOM && room >= image.Size;
}

bool TJorpFileMgr::UpdateImage(TJorpBaseFile* image) {
    if (image == nullptr)
        return false;
    const u8 ram = image->GetRamLevel();
    const u8 disk = image->GetDiskLevel();
    const bool inMemory = image->IsInMemory();
    // Without the buffer folder nothing can be copied, so nothing is tried.
    const bool canCopy = image->MayBuffer() && BufferFolder;

    int memoryStep = 0;
    if (ram == FM_LEVEL_NOW && !inMemory)
        memoryStep = 1;
    else if (ram == 0 && inMemory)
        memoryStep = -1;

    int bufferStep = 0;
    if (disk == FM_LEVEL_NOW && !image->HasBufferCopy() && canCopy)
        bufferStep = 1;
    else if (disk != 0 && inMemory && memoryStep == -1 && !image->HasBufferCopy() && IsQuiet() &&
             canCopy && Buffering)
        bufferStep = 1;
    else if (disk == 0 && image->HasBufferCopy())
        bufferStep = -1;

    bool result = true;
    if (memoryStep != 0 || bufferStep != 0)
        result = ChangeImageRam(image, memoryStep, bufferStep);

    if (ram == FM_LEVEL_NOW && !image->IsInMemory())
        FatalError("Ram Immed Failure");

    if (IsOverBudget()) {
        u32 freed = 0;
        FileTable->Purge(4, BudgetExcess(), freed);
    }
    return result;
}

bool TJorpFileMgr::RequestChange(TJorpBaseFile* image, int memoryRequest, int bufferRequest) {
    if (image == nullptr)
        return false;
    const u8 ram = image->GetRamLevel();
    const u8 disk = image->GetDiskLevel();
    const bool inMemory = image->IsInMemory();
    const bool quiet = IsQuiet();

    int memoryStep = 0;
    if (ram == FM_LEVEL_NOW && !inMemory)
        memoryStep = 1;
    else if (memoryRequest == 1 && ram != 0 && quiet && !inMemory)
        memoryStep = 1;
    else if (memoryRequest == -1 && ram != FM_LEVEL_NOW)
        memoryStep = -1;

    const bool mayCopy = image->MayBuffer() && Buffering && BufferFolder && RoomFor(*image);
    int bufferStep = 0;
    if (bufferRequest == 1 && !image->HasBufferCopy() && disk != 0 && quiet && mayCopy)
        bufferStep = 1;
    else if (bufferRequest == 0 && memoryStep == -1 && quiet && mayCopy)
        bufferStep = 1; // a CD file goes to the buffer before its memory does
    else if (bufferRequest == -1 && disk != FM_LEVEL_NOW)
        bufferStep = -1;

    if (memoryStep != 0 || bufferStep != 0)
        return ChangeImageRam(image, memoryStep, bufferStep);
    return true;
}

// The result says whether the memory the levels ask for could be had. A buffer copy is
// only a convenience: when it cannot be written the file keeps being read from its source.
bool TJorpFileMgr::ChangeImageRam(TJorpBaseFile* image, int memoryStep, int bufferStep) {
    TFileWaitCursor wait;
    if (memoryStep == 1 || bufferStep == 1)
        Data->ActivityMark = Data->FrameMark;

    if (memoryStep == 1) {
        const bool loaded = LoadToRam(image);
        if (loaded && bufferStep == 1)
            MakeBufferCopy(image);
        else if (bufferStep == -1)
            image->DeleteBufferCopy();
        return loaded;
    }
    if (memoryStep == 0) {
        if (bufferStep == 1) {
            if (image->IsInMemory()) {
                MakeBufferCopy(image);
            } else if (LoadToRam(image)) {
                MakeBufferCopy(image);
                if (image->GetDiskLevel() < FM_LEVEL_NOW)
                    image->FreeData();
            }
        } else if (bufferStep == -1) {
            image->DeleteBufferCopy();
        }
        return true;
    }
    if (bufferStep == 1)
        MakeBufferCopy(image);
    image->FreeData();
    if (bufferStep == -1)
        image->DeleteBufferCopy();
    return true;
}

bool TJorpFileMgr::LoadToRam(TJorpBaseFile* image, u8 minClass) {
    const u8 level = std::max(image->GetRamLevel(), minClass);
    if (level == FM_LEVEL_NOW &&
        static_cast<u64>(JorpRamInUse) + JorpWaveBytes + image->Size <= JorpRamBudget &&
        LoadImage(image))
        return true;
    u32 freed = 0;
    for (int classes = 1; classes < level; ++classes)
        if (FileTable->Purge(classes, image->Size, freed) && LoadImage(image))
            return true;
    return level == FM_LEVEL_NOW && LoadImage(image);
}

bool TJorpFileMgr::LoadImage(TJorpBaseFile* image) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        switch (image->LoadData()) {
        case BF_DONE:
            return true;
        case BF_NO_MEMORY:
            return false;
        case BF_FAILED:
            // A file no catalogue holds may be one a damaged catalogue lost; no disk brings
            // that back.
            if (attempt == 0 && Catalogues != nullptr) {
                TDetDamage damage;
                if (Catalogues->ExplainMissing(image->Name, damage))
                    JorpDamagedDataFile(damage.Catalogue, damage.Problem);
            }
            PromptForCD(image->SourcePath);
            // A file that was missing when it was located had its size measured as 0;
            // now that the disk may be in, it is measured again.
            if (image->WholeFile)
                image->Size = image->GetSourceKind() == THostPathKind::Regular
                                  ? static_cast<u32>(
                                        std::max(TJorpFileName::GetFileSize(image->SourcePath), 0))
                                  : 0;
            break;
        // No disk can mend a file that is there but cannot be read; asking for one would
        // only mislead.
        case BF_NOT_A_FILE:
            JorpDamagedDataFile(image->SourcePath, NotAFileProblem(image->GetSourceKind()));
        case BF_UNREADABLE:
            JorpDamagedDataFile(image->SourcePath, UnreadableProblem());
        case BF_SHORT_SOURCE: {
            const i32 held = TJorpFileName::GetFileSize(image->SourcePath);
            // A pack that is whole is not what is short: the catalogue's entry is wrong.
            TDetDamage damage;
            if (!image->WholeFile && Catalogues != nullptr &&
                Catalogues->ExplainShortPack(image->Name, static_cast<u64>(std::max(held, 0)),
                                             damage))
                JorpDamagedDataFile(damage.Catalogue, damage.Problem);
            JorpDamagedDataFile(image->SourcePath, ShortSourceProblem(*image, held));
        }
        default:
            FatalError("");
        }
    }
    FatalError("Couldn't find file: " + image->SourcePath);
}

bool TJorpFileMgr::MakeBufferCopy(TJorpBaseFile* image, u8 minClass) {
    if (image->HasBufferCopy())
        return true;
    if (!image->IsInMemory())
        return false;
    const u8 level = std::max(image->GetDiskLevel(), minClass);
    if (level == 0 || (!IsQuiet() && level != FM_LEVEL_NOW))
        return false;
    if (!BufferFolder || !RoomFor(*image))
        return false;
    switch (image->WriteBufferCopy()) {
    case BF_DONE:
        return true;
    case BF_WRITE_FAILED:
        return RetryBufferCopy(image, level);
    default:
        return false;
    }
}

bool TJorpFileMgr::RetryBufferCopy(TJorpBaseFile* image, u8 level) {
    u32 freed = 0;
    for (int classes = 1; classes < level; ++classes) {
        FileTable->PurgeBuffers(classes, image->Size, freed);
        const u16 result = image->WriteBufferCopy();
        if (result == BF_DONE)
            return true;
        if (result != BF_WRITE_FAILED)
            return false;
    }
    return false;
}

bool TJorpFileMgr::PromptForCD(const std::string& path) {
    MessageBoxExA(nullptr, "Couldn't find CDRom File: " + path + "\n" + " - Please Insert Disk",
                  "CD Rom Error", MB_ICONHAND | MB_SYSTEMMODAL);
    return true;
}

void TJorpFileMgr::FatalError(const std::string& text) {
    ::FatalError(nullptr, text.empty() ? "Unknown fatal error" : text, "Error - File Mgr", MB_OK);
}
