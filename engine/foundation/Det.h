// TDet: a data catalogue (".det"): which data files its pack (".dew") holds, and where.
#pragma once

#include "engine/foundation/DirEntry.h"
#include "engine/foundation/FileName.h"
#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>

// How many levels of nodes a catalogue may hold below its root. Real catalogues use two or
// three; the limit keeps a damaged or hostile file from driving the reader's recursion deep.
constexpr i32 DET_MAX_DEPTH = 32;
// No name in a catalogue is longer than a whole path may be.
constexpr u16 DET_LONGEST_NAME = 260;

// The first node record read that cannot be right although it reads: a name that does not fit
// its length field, or a file that claims entries below it. Either throws every field after it
// out of step, so it explains a read that fails further on. Also a count of entries the file
// ends without, exactly where the next entry would start: no entry is cut, so the count may be
// what is wrong, and is named.
struct TDetBadRecord {
    enum TKind { NameLength, FileWithEntries, CountPastEnd };
    bool Found = false;
    TKind Kind = NameLength;
    u32 At = 0;       // the length field or the count field, counted from the file's start
    i32 Value = 0;    // what that field says
    std::string Name; // the file's or the folder's name, for a count
    i32 Read = 0;     // for a count past the end: the entries there were
    u32 End = 0;      // and the byte the file ends at
};

// The body is one node record, the root, with all other nodes nested inside it:
//   u16 name length (with the NUL), name and NUL, u32 size, u32 offset,
//   u16 directory (not 0: yes), i16 child count, then the child records.
// Final: its loading constructor attaches the file itself, which reaches the right reader
// only while no class derives from it.
class TDet final : public TJorpBase {
public:
    // Registers the ".det" file with the data-file manager and, when load is set, reads it.
    TDet(const TFileMode& mode, bool load, bool keep);
    // Only named, for building a catalogue and writing it: nothing is registered or loaded.
    TDet(int unused, const TFileMode& mode);
    ~TDet() override;

    bool ReadBody() override;
    bool WriteBody() override;
    std::string GetExtension() const override;
    const char* GetHeaderId() const override;

    // The node of a catalogued name, or null. The drive plays no part and the name is
    // looked up in lower case.
    TDirEntry* Find(const std::string& name) const;

    // The name the catalogue was opened under, and its pack file: the same name part with
    // the extension ".dew", without drive or directory.
    const TJorpFileName& GetDetName() const { return DetName; }
    const TJorpFileName& GetPackName() const { return PackName; }

    TDirEntry* GetRoot() const { return Root.get(); }
    // The root, made empty first when the catalogue has none.
    TDirEntry* MakeRoot();
    // Catalogues a file under its path, making the directories on the way; the new node,
    // or null when the path names no file or the file is already catalogued.
    TDirEntry* AddFile(const std::string& path, u32 size, u32 offset);

    // Where the catalogue was read from, and how many bytes of it its tree left unread.
    void SetSource(const std::string& path, u32 unreadBytes);
    const std::string& GetSourcePath() const { return SourcePath; }
    u32 GetUnreadBytes() const { return UnreadBytes; }

    // Kept by the tree's reader.
    void NoteBadRecord(const TDetBadRecord& record);
    const TDetBadRecord& GetBadRecord() const { return BadRecord; }

    // Opens minus closes through the data-file manager; never below 0.
    i16 GetDetUseCount() const { return DetUseCount; }
    void AddDetUse();
    void DropDetUse();

private:
    std::unique_ptr<TDirEntry> Root;
    TJorpFileName DetName;
    TJorpFileName PackName;
    i16 DetUseCount = 0;
    std::string SourcePath;
    u32 UnreadBytes = 0;
    TDetBadRecord BadRecord;
};
