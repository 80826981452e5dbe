// TDirEntry: reading, writing and searching the nodes of a catalogue's directory tree.
#include "DirEntry.h"

#include "engine/foundation/Det.h"
#include "engine/foundation/FileName.h"
#include "engine/foundation/NameCompare.h"

#include <algorithm>
#include <cstring>

TDirEntry::TDirEntry(TDet* catalogue) : Catalogue(catalogue) {}

TDirEntry::~TDirEntry() = default;

TDirEntry* TDirEntry::GetChild(i16 index) const {
    if (index < 0 || index >= GetChildCount())
        return nullptr;
    return Children[static_cast<std::size_t>(index)].get();
}

bool TDirEntry::AddChild(TDirEntry* child) {
    if (child == nullptr || GetChildCount() >= MAX_CHILDREN)
        return false;
    Children.emplace_back(child);
    return true;
}

bool TDirEntry::RemoveChild(i16 index) {
    if (index < 0 || index >= GetChildCount())
        return false;
    Children.erase(Children.begin() + index);
    return true;
}

bool TDirEntry::Read() {
    return ReadAt(0);
}

bool TDirEntry::ReadAt(i32 depth) {
    if (Catalogue == nullptr)
        return false;
    TDet& det = *Catalogue;
    // The name is read as any string is (a length of 0 is refused, the text ends at its first
    // NUL); what is noted besides is whether the record can be right, since a length or a
    // count that is not throws every field after it out of step.
    const u32 at = det.GetReadCursor();
    u16 length = 0;
    if (!det.ReadU16(length) || length == 0)
        return false;
    const auto badLength = [&] {
        det.NoteBadRecord({true, TDetBadRecord::NameLength, at, length, {}});
    };
    std::string bytes(length, '\0');
    if (det.ReadBytes(bytes.data(), length) != length) {
        // A file cut inside a name ends in part of the name, which holds no NUL. A NUL among
        // the bytes left is where the name really ends: its length field is what is wrong.
        const TEmbeddedAddress left = det.GetReadPosition();
        if (length > DET_LONGEST_NAME + 1 || (det.HasFlags(JOF_CURSOR_MODE) && !left.IsNull() &&
                                              std::memchr(left.Data, 0, left.Size) != nullptr))
            badLength();
        return false;
    }
    const std::size_t text = strnlen(bytes.c_str(), length);
    if (text + 1 != length || length > DET_LONGEST_NAME + 1)
        badLength();
    Name = bytes.substr(0, text);
    u16 directory = 0;
    i16 count = 0;
    if (!det.ReadU32(Size) || !det.ReadU32(Offset) || !det.ReadU16(directory))
        return false;
    Directory = directory != 0 ? 1 : 0;
    const u32 countAt = det.GetReadCursor();
    if (!det.ReadI16(count))
        return false;
    if (count > 0 && depth > 0 && Directory == 0)
        det.NoteBadRecord({true, TDetBadRecord::FileWithEntries, countAt, count, GetName()});
    if (count > 0 && depth >= DET_MAX_DEPTH)
        return false;
    // Children are made only as their records are read: a count the file cannot back up
    // ends at the first short read instead of costing memory first.
    for (i16 i = 0; i < count; ++i) {
        auto child = std::make_unique<TDirEntry>(Catalogue);
        const u32 childAt = det.GetReadCursor();
        if (!child->ReadAt(depth + 1)) {
            const TEmbeddedAddress left = det.GetReadPosition();
            if (det.GetReadCursor() == childAt && det.RanOutOfBytes() &&
                det.HasFlags(JOF_CURSOR_MODE) && !left.IsNull() && left.Size == 0)
                det.NoteBadRecord(
                    {true, TDetBadRecord::CountPastEnd, countAt, count, GetName(), i, childAt});
            return false;
        }
        Children.push_back(std::move(child));
    }
    return true;
}

bool TDirEntry::Write(TDet& catalogue) const {
    return WriteAt(catalogue, 0);
}

bool TDirEntry::WriteAt(TDet& catalogue, i32 depth) const {
    // What the reader would refuse is not written either.
    if (!Children.empty() && depth >= DET_MAX_DEPTH)
        return false;
    if (!catalogue.WriteString(GetName()) || !catalogue.WriteU32(Size) ||
        !catalogue.WriteU32(Offset) || !catalogue.WriteU16(Directory) ||
        !catalogue.WriteI16(GetChildCount()))
        return false;
    std::vector<const TDirEntry*> sorted;
    sorted.reserve(Children.size());
    for (const auto& child : Children)
        sorted.push_back(child.get());
    std::stable_sort(sorted.begin(), sorted.end(), [](const TDirEntry* a, const TDirEntry* b) {
        return JorpNameCompare(a->GetName(), b->GetName()) < 0;
    });
    for (const TDirEntry* child : sorted)
        if (!child->WriteAt(catalogue, depth + 1))
            return false;
    return true;
}

TDirEntry* TDirEntry::FindChild(const std::string& name) const {
    int lo = 0;
    int hi = static_cast<int>(Children.size()) - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const i32 order = JorpNameCompare(name, Children[static_cast<std::size_t>(mid)]->GetName());
        if (order < 0)
            hi = mid - 1;
        else if (order > 0)
            lo = mid + 1;
        else
            return Children[static_cast<std::size_t>(mid)].get();
    }
    return nullptr;
}

TDirEntry* TDirEntry::FindPath(const std::string& path) const {
    std::string first;
    std::string rest;
    TJorpFileName(path).SplitFirstDir(first, rest);
    if (first.empty())
        return FindChild(rest);
    const TDirEntry* child = FindChild(first);
    return child != nullptr ? child->FindPath(rest) : nullptr;
}
