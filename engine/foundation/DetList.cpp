// TDetList: lookups across the open catalogues, and their opening, closing and trimming.
#include "DetList.h"

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/DataFileDamage.h"
#include "engine/foundation/NameCompare.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Catalogues are listed under their file name, which always carries ".det".
std::string DetFileName(const std::string& name) {
    TJorpFileName file(name);
    file.SetExtension(".det");
    return file.GetText();
}

} // namespace

TDetList::TDetList() = default;

TDetList::~TDetList() = default;

TDet* TDetList::GetDetAt(i16 index) const {
    return dynamic_cast<TDet*>(GetAt(index));
}

TDirEntry* TDetList::Find(const std::string& name) const {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (const TDet* det = GetDetAt(i))
            if (TDirEntry* node = det->Find(name))
                return node;
    return nullptr;
}

bool TDetList::Find(const std::string& name, TDetEntry& entry) const {
    const TDirEntry* node = Find(name);
    if (node == nullptr || node->GetCatalogue() == nullptr)
        return false;
    entry.PackName = node->GetCatalogue()->GetPackName().GetText();
    entry.Offset = node->GetOffset();
    entry.Size = node->GetSize();
    return true;
}

void TDetList::RemoveUnused() {
    bool removed = true;
    while (removed) {
        removed = false;
        for (i16 i = 0; i <= LastIndex; ++i) {
            const TDet* det = GetDetAt(i);
            if (det != nullptr && det->GetDetUseCount() == 0) {
                removed = RemoveAt(i);
                break;
            }
        }
    }
}

TDet* TDetList::FindDet(const std::string& name) const {
    if (name.empty())
        return nullptr;
    return dynamic_cast<TDet*>(FindByName(DetFileName(name)));
}

bool TDetList::OpenDet(const std::string& name) {
    if (name.empty())
        return false;
    if (TDet* open = FindDet(name)) {
        open->AddDetUse();
        return true;
    }
    // Read into memory at once and parsed into the tree; the file image is let go again
    // once it has been seen whole.
    auto det =
        std::make_unique<TDet>(TFileMode(name, 0, FM_LEVEL_NOW, 0, FM_NO_LOCATION), true, true);
    // A catalogue that is there but cannot be read to its end would answer for only some
    // of the files, and the game would fail later over one it cannot find, naming that file
    // instead of this one.
    const TJorpBaseFile* image = det->GetImage();
    if (!det->HasFlags(JOF_LOADED) && image != nullptr && image->IsInMemory())
        JorpDamagedDataFile(image->SourcePath,
                            CatalogueProblem(image->Size, det->GetReadCursor(),
                                             det->RanOutOfBytes(), det->GetBadRecord()));
    // Kept to name the catalogue should a lookup later show it damaged.
    if (image != nullptr && det->HasFlags(JOF_LOADED))
        det->SetSource(image->SourcePath,
                       image->Size - std::min(image->Size, det->GetReadCursor()));
    det->ReleaseImage();
    if (!Add(det.get()))
        return false;
    det.release()->AddDetUse();
    return true;
}

bool TDetList::CloseDet(const std::string& name) {
    TDet* det = FindDet(name);
    if (det == nullptr)
        return false;
    det->DropDetUse();
    return true;
}

namespace {

// Two names of one length that differ in a single bit of a single byte.
bool OneBitApart(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    int bits = 0;
    for (std::size_t i = 0; i < a.size() && bits < 2; ++i)
        bits += std::popcount(static_cast<unsigned>(static_cast<unsigned char>(a[i] ^ b[i])));
    return bits == 1;
}

// What a catalogue's folder shows about a name component it does not hold; empty when nothing.
std::string FolderProblem(const TDirEntry& folder, const std::string& folderPath,
                          const std::string& component, const std::string& name) {
    const std::string where = folderPath.empty() ? "at its top" : "in " + folderPath;
    for (i16 i = 1; i < folder.GetChildCount(); ++i) {
        const std::string before = folder.GetChild(static_cast<i16>(i - 1))->GetName();
        const std::string after = folder.GetChild(i)->GetName();
        if (JorpNameCompare(before, after) > 0)
            return "Its list of files is out of order " + where + ": " + before + " comes before " +
                   after + ", so " + name + " cannot be found in it.";
    }
    for (i16 i = 0; i < folder.GetChildCount(); ++i) {
        const std::string other = folder.GetChild(i)->GetName();
        if (OneBitApart(other, component))
            return "It does not list " + name + ", which the game asks for; its entry " +
                   folderPath + other + " differs from " + folderPath + component + " by one bit.";
    }
    return {};
}

// Every file entry of a tree: its node and where its bytes end in the pack.
void CollectEnds(const TDirEntry& node, std::vector<std::pair<const TDirEntry*, u64>>& ends) {
    for (i16 i = 0; i < node.GetChildCount(); ++i) {
        const TDirEntry& child = *node.GetChild(i);
        if (child.GetChildCount() > 0 || child.IsDirectory())
            CollectEnds(child, ends);
        else
            ends.emplace_back(&child, static_cast<u64>(child.GetOffset()) + child.GetSize());
    }
}

// The file a catalogue was read from; one never read from a file goes by its name.
std::string SourceOf(const TDet& det) {
    return det.GetSourcePath().empty() ? det.GetDetName().GetText() : det.GetSourcePath();
}

} // namespace

bool TDetList::ExplainMissing(const std::string& name, TDetDamage& damage) const {
    if (Find(name) != nullptr)
        return false;
    for (i16 i = 0; i <= LastIndex; ++i) {
        const TDet* det = GetDetAt(i);
        if (det == nullptr || det->GetRoot() == nullptr)
            continue;
        // Down the folders the name passes through, as a lookup goes, to the one that lacks
        // the next part of it.
        const TDirEntry* folder = det->GetRoot();
        std::string folderPath;
        std::string first;
        std::string rest;
        TJorpFileName(name).SplitFirstDir(first, rest);
        for (;;) {
            const std::string component = first.empty() ? rest : first;
            const TDirEntry* next = folder->FindChild(component);
            if (next == nullptr) {
                std::string problem = FolderProblem(*folder, folderPath, component, name);
                // A record that could not be right, though the tree read to its end.
                if (problem.empty() && det->GetBadRecord().Found)
                    problem = "It does not list " + name + ", which the game asks for. " +
                              CatalogueProblem(0, 0, false, det->GetBadRecord());
                if (problem.empty() && det->GetUnreadBytes() > 0)
                    problem = "It does not list " + name + ", which the game asks for, and its " +
                              std::to_string(det->GetUnreadBytes()) +
                              " last bytes lie past the end of its list of files: a count in "
                              "the list is damaged.";
                if (!problem.empty()) {
                    damage = TDetDamage{SourceOf(*det), problem};
                    return true;
                }
                break;
            }
            if (first.empty())
                break;
            folderPath += component;
            folder = next;
            TJorpFileName(rest).SplitFirstDir(first, rest);
        }
    }
    return false;
}

bool TDetList::ExplainShortPack(const std::string& name, u64 packSize, TDetDamage& damage) const {
    const TDirEntry* entry = Find(name);
    if (entry == nullptr || entry->GetCatalogue() == nullptr)
        return false;
    const TDet& det = *entry->GetCatalogue();
    std::vector<std::pair<const TDirEntry*, u64>> ends;
    CollectEnds(*det.GetRoot(), ends);
    // A pack cut short ends inside one of its files, or, cut just between two, where the next
    // file starts. One that ends where a file of it ends, with no file starting there, is whole.
    bool endsWithAFile = false;
    bool aFileStartsAtItsEnd = false;
    for (const auto& [node, end] : ends) {
        if (node != entry && end == packSize)
            endsWithAFile = true;
        if (node->GetOffset() == packSize)
            aFileStartsAtItsEnd = true;
    }
    if (!endsWithAFile || aFileStartsAtItsEnd)
        return false;
    const u64 offset = entry->GetOffset();
    damage.Catalogue = SourceOf(det);
    damage.Problem = "Its entry for " + name + " puts " + std::to_string(entry->GetSize()) +
                     " bytes at byte " + std::to_string(offset) + ", but " +
                     det.GetPackName().GetText() + " is whole and ends at byte " +
                     std::to_string(packSize) + ".";
    return true;
}
