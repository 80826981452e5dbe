// The data-file manager's parts, its settings, and where each file is read from.
#include "FileMgr.h"

#include "engine/foundation/DetList.h"
#include "engine/foundation/FileName.h"
#include "engine/foundation/JorpIniFile.h"
#include "platform/host/PathKind.h"

#include <algorithm>

TJorpFileMgr::TJorpFileMgr(TJorpIniFile& settings) : Settings(settings) {
    Setup();
}

TJorpFileMgr::~TJorpFileMgr() {
    // The catalogues go first: they are engine objects that may still hold images.
    Catalogues = nullptr;
    delete DetList;
    DetList = nullptr;
    if (CDNames != nullptr) {
        Settings.SetCDDrive(CDNames->GetDrive());
        Settings.SetCDDir(CDNames->GetDirectory());
    }
    if (!Built)
        return;
    // Deleting the table deletes every image, which frees its memory and its buffer copy.
    delete FileTable;
    FileTable = nullptr;
    delete BufferNames;
    delete DataNames;
    delete CDNames;
    CDNames = nullptr;
    delete DiskData;
    DiskData = nullptr;
    delete Data;
}

bool TJorpFileMgr::Setup() {
    Buffering = (Settings.Buffering & 0xFFFF) != 0 ? 1 : 0;
    Data = new TFMData;
    BufferNames = new TFMHDBufferNames(Settings.GetDrive(), Settings.GetDirectory());
    DataNames = new TFMHDDataNames(Settings.GetDrive(), Settings.GetDirectory());
    CDNames = new TFMCDDataNames(Settings.GetCDDrive(), Settings.GetCDDir());
    DiskData =
        new TFMDiskData(static_cast<i16>(TJorpFileName(BufferNames->GetDrive()).GetDriveNumber()));
    FileTable = new TFMFLData(this);
    DetList = new TDetList();
    Catalogues = DetList;
    LookForBufferFolder();
    Built = 1;
    return true;
}

void TJorpFileMgr::LookForBufferFolder() {
    BufferFolder = TJorpFileName(BufferNames->GetFullPath()).DirExists();
}

bool TJorpFileMgr::OpenDet(const std::string& name) {
    return DetList != nullptr && DetList->OpenDet(name);
}

bool TJorpFileMgr::CloseDet(const std::string& name) {
    return DetList != nullptr && DetList->CloseDet(name);
}

void TJorpFileMgr::SetHDBuffering(bool on) {
    Buffering = on ? 1 : 0;
    Settings.Buffering = on ? 1 : 0;
}

namespace {

// The first of the places that holds a plain file; else the first where something else stands
// (a folder or a FIFO), so that the read names it as what it is; else none.
const TJorpFileName* FirstThere(const TJorpFileName& first, const TJorpFileName& second) {
    const THostPathKind firstKind = GetHostPathKind(first);
    const THostPathKind secondKind = GetHostPathKind(second);
    if (firstKind == THostPathKind::Regular)
        return &first;
    if (secondKind == THostPathKind::Regular)
        return &second;
    if (firstKind != THostPathKind::Missing)
        return &first;
    if (secondKind != THostPathKind::Missing)
        return &second;
    return nullptr;
}

// Only a plain file is measured: opening a FIFO to measure it would wait for a writer.
u32 MeasuredSize(const TJorpFileName& path) {
    if (GetHostPathKind(path) != THostPathKind::Regular)
        return 0;
    return static_cast<u32>(std::max(path.GetFileSize(), 0));
}

} // namespace

bool TJorpFileMgr::Locate(TJorpBaseFile* image, const std::string& name) {
    if (image == nullptr)
        return false;
    image->Name = name;
    image->WholeFile = false;
    TDetEntry entry;
    if (Catalogues != nullptr && Catalogues->Find(name, entry)) {
        const TJorpFileName onDisk = TJorpFileName(DataNames->GetFullPath()).Append(entry.PackName);
        const TJorpFileName onCD = TJorpFileName(CDNames->GetFullPath()).Append(entry.PackName);
        if (const TJorpFileName* pack = FirstThere(onDisk, onCD)) {
            // Already on the hard disk: a buffer copy would gain nothing.
            if (pack == &onDisk)
                image->Flags &= static_cast<u16>(~BF_MAY_BUFFER);
            image->SourcePath = *pack;
            image->Size = entry.Size;
            image->Offset = entry.Offset;
        } else {
            const TJorpFileName plain = TJorpFileName(CDNames->GetFullPath()).Append(name);
            image->SourcePath = plain;
            image->Size = MeasuredSize(plain);
            image->Offset = 0;
            image->WholeFile = true;
        }
    } else {
        const TJorpFileName onDisk = TJorpFileName(DataNames->GetFullPath()).Append(name);
        const TJorpFileName onCD = TJorpFileName(CDNames->GetFullPath()).Append(name);
        // A file that is nowhere is given its CD path; the first read prompts for the CD.
        const TJorpFileName* there = FirstThere(onDisk, onCD);
        const TJorpFileName& from = there != nullptr ? *there : onCD;
        image->SourcePath = from;
        image->Size = MeasuredSize(from);
        image->Offset = 0;
        image->WholeFile = true;
    }
    image->BufferPath = BufferNames->GetFullPath() + BufferNames->NextTempName();
    image->Flags &= static_cast<u16>(~BF_BUFFERED);
    return true;
}
