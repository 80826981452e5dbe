// TDetList: lookups across the open catalogues, and their opening, closing and trimming.
#include "DetList.h"

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/DataFileDamage.h"

#include <memory>

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
        JorpDamagedDataFile(image->SourcePath, CatalogueProblem(image->Size, det->GetReadCursor(),
                                                                det->RanOutOfBytes()));
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
