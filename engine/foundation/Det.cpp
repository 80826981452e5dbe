// TDet: a data catalogue's body, its lookups by name and the building of a new catalogue.
#include "Det.h"

namespace {

TJorpFileName PackNameOf(const TJorpFileName& name) {
    TJorpFileName pack(name.GetName());
    pack.SetExtension(".dew");
    return pack;
}

} // namespace

TDet::TDet(const TFileMode& mode, bool load, bool keep)
    : TJorpBase(nullptr, 0, mode), DetName(mode.Name), PackName(PackNameOf(mode.Name)) {
    // The class is final, so its own tag and body reader are the ones reached.
    AttachFile(FileMode, load, keep);
}

TDet::TDet(int, const TFileMode& mode)
    : TJorpBase(nullptr, 0, mode), DetName(mode.Name), PackName(PackNameOf(mode.Name)) {
    FileMode.Name.SetExtension(GetExtension());
}

TDet::~TDet() = default;

std::string TDet::GetExtension() const {
    return ".det";
}
const char* TDet::GetHeaderId() const {
    return "DET ";
}

bool TDet::ReadBody() {
    BadRecord = TDetBadRecord{};
    Root = std::make_unique<TDirEntry>(this);
    return Root->Read();
}

bool TDet::WriteBody() {
    return MakeRoot()->Write(*this);
}

TDirEntry* TDet::MakeRoot() {
    if (Root == nullptr)
        Root = std::make_unique<TDirEntry>(this);
    return Root.get();
}

TDirEntry* TDet::Find(const std::string& name) const {
    if (Root == nullptr)
        return nullptr;
    std::string first;
    std::string rest;
    TJorpFileName(name).SplitFirstDir(first, rest);
    if (first.empty() && rest.empty())
        return Root.get();
    return Root->FindPath(name);
}

TDirEntry* TDet::AddFile(const std::string& path, u32 size, u32 offset) {
    TDirEntry* node = MakeRoot();
    std::string first;
    std::string rest;
    TJorpFileName(path).SplitFirstDir(first, rest);
    // The tree is not in name order while it is built, so children are matched one by one.
    auto childNamed = [](const TDirEntry* parent, const std::string& name) -> TDirEntry* {
        for (i16 i = 0; i < parent->GetChildCount(); ++i)
            if (parent->GetChild(i)->GetName() == name)
                return parent->GetChild(i);
        return nullptr;
    };
    while (!first.empty()) {
        TDirEntry* dir = childNamed(node, first);
        if (dir == nullptr) {
            auto made = std::make_unique<TDirEntry>(this);
            made->SetName(first);
            made->SetDirectory(true);
            if (!node->AddChild(made.get()))
                return nullptr;
            dir = made.release();
        }
        node = dir;
        TJorpFileName(rest).SplitFirstDir(first, rest);
    }
    if (rest.empty() || childNamed(node, rest) != nullptr)
        return nullptr;
    auto file = std::make_unique<TDirEntry>(this);
    file->SetName(rest);
    file->SetSize(size);
    file->SetOffset(offset);
    if (!node->AddChild(file.get()))
        return nullptr;
    return file.release();
}

void TDet::AddDetUse() {
    if (DetUseCount < 0x7FFF)
        ++DetUseCount;
}

void TDet::DropDetUse() {
    if (DetUseCount > 0)
        --DetUseCount;
}

void TDet::SetSource(const std::string& path, u32 unreadBytes) {
    SourcePath = path;
    UnreadBytes = unreadBytes;
}

void TDet::NoteBadRecord(const TDetBadRecord& record) {
    if (!BadRecord.Found) {
        BadRecord = record;
        BadRecord.Found = true;
    }
}
