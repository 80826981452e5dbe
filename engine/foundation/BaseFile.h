// TJorpBaseFile: the shared in-memory image of one data file and the use levels of its users.
#pragma once

#include "platform/host/PathKind.h"
#include "platform/host/Types.h"

#include <string>

// Image flags.
constexpr u16 BF_MAY_BUFFER = 0x0001; // a copy may be kept in the hard-disk buffer folder
constexpr u16 BF_BUFFERED = 0x0002;   // a buffer copy exists at the buffer path
constexpr u16 BF_LISTED = 0x0004;     // listed with the data-file manager
constexpr u16 BF_HASHED = 0x0008;     // listed in a name bucket (clear: in the private list)

// Results of LoadData and WriteBufferCopy.
constexpr u16 BF_DONE = 4;
constexpr u16 BF_NO_MEMORY = 1;    // LoadData: no block for the bytes
constexpr u16 BF_NOTHING = 1;      // WriteBufferCopy: the image is not in memory
constexpr u16 BF_FAILED = 0;       // LoadData: missing or unreadable
constexpr u16 BF_SHORT_SOURCE = 3; // LoadData: the source is there but ends too soon
constexpr u16 BF_WRITE_FAILED = 2;
constexpr u16 BF_NOT_A_FILE = 5; // LoadData: a folder, a FIFO or a device stands at the source
constexpr u16 BF_UNREADABLE = 6; // LoadData: the source is a file, but reading it failed

class TJorpBaseFile {
public:
    TJorpBaseFile() = default;
    virtual ~TJorpBaseFile();

    TJorpBaseFile(const TJorpBaseFile&) = delete;
    TJorpBaseFile& operator=(const TJorpBaseFile&) = delete;

    // One user more or less at a disk level and a RAM level; counts never go below 0.
    void AddLevelUse(u8 diskLevel, u8 ramLevel);
    void DropLevelUse(u8 diskLevel, u8 ramLevel);

    u16 LoadData();
    u16 WriteBufferCopy();
    // Frees the memory block (taking it off the engine's total) and deletes the buffer copy.
    void FreeData();
    void DeleteBufferCopy();

    // The manager's count of bytes in buffer copies; nothing happens without a manager.
    static void AddBufferedBytes(u32 n);
    static void SubBufferedBytes(u32 n);

    bool IsInMemory() const { return Data != nullptr; }
    bool HasBufferCopy() const { return (Flags & BF_BUFFERED) != 0; }
    bool MayBuffer() const { return (Flags & BF_MAY_BUFFER) != 0; }
    // What stands at the source path; it is asked before the source is opened, so that a FIFO
    // or a device is never opened at all.
    THostPathKind GetSourceKind() const;
    // The file's bytes while in memory (Size of them), else null.
    const u8* GetData() const { return Data; }
    u8 GetRamLevel() const { return RamLevel; }
    u8 GetDiskLevel() const { return DiskLevel; }
    // Users counted at a level (1 to 4; any other value reads the "other" count).
    i16 GetRamCount(u8 level) const { return RamCounts[CountIndex(level)]; }
    i16 GetDiskCount(u8 level) const { return DiskCounts[CountIndex(level)]; }

    // Kept by the manager and by the objects that register the file.
    i16 Bucket = -1;
    i16 UseCount = 0;
    u32 Offset = 0;
    u32 Size = 0;
    std::string Name;
    std::string SourcePath;
    std::string BufferPath;
    u16 Flags = BF_MAY_BUFFER | BF_HASHED;
    u32 AllocFlags = 2;
    // The source is a plain file read whole, so its size can be measured again: a file that
    // was missing when located is measured once more after the CD prompt.
    bool WholeFile = false;

private:
    // Slots 0 to 3 count levels 4, 3, 2 and 1; slot 4 everything else.
    static int CountIndex(u8 level) { return (level >= 1 && level <= 4) ? 4 - level : 4; }
    static u8 HighestLevel(const i16 counts[5]);
    bool Allocate();
    bool ReadFrom(const std::string& path, u32 offset);
    bool SourceEndsTooSoon() const;

    u8* Data = nullptr;
    i16 DiskCounts[5] = {0, 0, 0, 0, 0};
    i16 RamCounts[5] = {0, 0, 0, 0, 0};
    u8 RamLevel = 0;
    u8 DiskLevel = 0;
};
