// TDirEntry: one node of a data catalogue's directory tree: a catalogued file or a directory.
#pragma once

#include "engine/foundation/Str.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>
#include <vector>

class TDet;

class TDirEntry {
public:
    // Child counts are 16-bit in the file, so a node never has more children than this.
    static constexpr i16 MAX_CHILDREN = 0x7FFF;

    explicit TDirEntry(TDet* catalogue);
    ~TDirEntry();
    TDirEntry(const TDirEntry&) = delete;
    TDirEntry& operator=(const TDirEntry&) = delete;

    // Reads this node and everything below it at the catalogue's read cursor. A failed
    // read leaves the children read before it in the tree.
    bool Read();
    // Writes this node and everything below it into the catalogue's open write file, the
    // children of every node in name order, as the lookups expect them.
    bool Write(TDet& catalogue) const;

    // The child of that exact name, searched by halving: the children must be in name order.
    TDirEntry* FindChild(const std::string& name) const;
    // The node a path leads to, one directory component at a time.
    TDirEntry* FindPath(const std::string& path) const;
    // Appends at the end; false (and the caller keeps the child) for null or a full node.
    bool AddChild(TDirEntry* child);
    // Deletes the child at the index and closes the gap; false for an index outside.
    bool RemoveChild(i16 index);

    std::string GetName() const { return Name.ToString(); }
    void SetName(const std::string& name) { Name = name; }
    u32 GetSize() const { return Size; }
    void SetSize(u32 size) { Size = size; }
    u32 GetOffset() const { return Offset; }
    void SetOffset(u32 offset) { Offset = offset; }
    bool IsDirectory() const { return Directory != 0; }
    void SetDirectory(bool directory) { Directory = directory ? 1 : 0; }
    TDet* GetCatalogue() const { return Catalogue; }
    i16 GetChildCount() const { return static_cast<i16>(Children.size()); }
    // The child at an index, null outside 0..count - 1.
    TDirEntry* GetChild(i16 index) const;

private:
    bool ReadAt(i32 depth);
    bool WriteAt(TDet& catalogue, i32 depth) const;

    u32 Size = 0;
    u32 Offset = 0;
    TDet* Catalogue;
    std::vector<std::unique_ptr<TDirEntry>> Children;
    TStr Name;
    u8 Directory = 0;
};
