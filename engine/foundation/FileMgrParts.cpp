// Data locations, buffer-copy names, the directory table and the buffer-drive figures.
#include "FileMgrParts.h"

#include "engine/foundation/MemMgr.h"
#include "platform/host/SystemInfo.h"

TFMNames::TFMNames(const std::string& drive, const std::string& directory,
                   const std::string& subdirectory)
    : Drive(drive), Directory(directory), Subdirectory(subdirectory) {
    // The CD directory is kept as the user wrote it, often without a trailing backslash;
    // without one here, file names appended to the path would replace its last directory.
    FullPath = Drive + Directory;
    if (!Directory.empty() && Directory.back() != '\\')
        FullPath += '\\';
    FullPath += Subdirectory;
}

std::string TFMHDBufferNames::NextTempName() {
    std::string name = "fm000000.tmp";
    const std::string number = std::to_string(NameCounter);
    name.replace(8 - number.size(), number.size(), number);
    if (ExtensionCounter > 0) {
        std::string extension = std::to_string(ExtensionCounter);
        if (extension.size() < 3)
            extension.insert(0, 3 - extension.size(), '0');
        name.replace(9, 3, extension);
    }
    if (NameCounter >= 999999) {
        ++ExtensionCounter;
        NameCounter = 0;
    } else {
        ++NameCounter;
    }
    return name;
}

TFMData::TFMData() {
    Directories.fill("\\");
}

void TFMData::SetEntry(i8 index, const std::string& directory) {
    if (index < 0 || index >= EntryCount)
        return;
    std::string entry = directory;
    if (!entry.empty() && entry.back() != '\\')
        entry += '\\';
    Directories[static_cast<size_t>(index)] = entry;
}

const std::string& TFMData::GetEntry(i8 index) const {
    if (index < 0 || index >= EntryCount)
        return Fallback;
    return Directories[static_cast<size_t>(index)];
}

TFMDiskData::TFMDiskData(i16 drive) : Drive(drive) {
    Measure();
}

void TFMDiskData::Measure() {
    Free = GetDiskFreeBytes(Drive);
    WrittenMark = Written;
}

u64 TFMDiskData::GetRoom() const {
    if (Written >= WrittenMark) {
        const u64 since = Written - WrittenMark;
        return Free > since ? Free - since : 0;
    }
    // Copies deleted since the measurement gave their room back.
    const u64 back = WrittenMark - Written;
    return Free > UINT64_MAX - back ? UINT64_MAX : Free + back;
}

void TFMDiskData::AddWritten(u32 n) {
    JorpCountAdd(Written, n);
}

void TFMDiskData::SubWritten(u32 n) {
    JorpCountRemove(Written, n);
}
