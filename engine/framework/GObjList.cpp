// TGObjList: the ".gol" entries of a mode, read, kept and written back; no members yet.
#include "GObjList.h"

#include "engine/framework/JorpMode.h"

#include <algorithm>
#include <numeric>

TGObjList::TGObjList(TJorpOwner* owner, TJorpMode* mode) : TJorpBase(owner), Mode(mode) {
    if (Mode != nullptr)
        Mode->SetGObjList(this);
}

TGObjList::TGObjList(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file)
    : TJorpBase(owner, 0, file), Mode(mode) {
    if (Mode != nullptr)
        Mode->SetGObjList(this);
}

TGObjList::~TGObjList() {
    if (Mode != nullptr && Mode->GetGObjList() == this)
        Mode->SetGObjList(nullptr);
}

TGObjList* TGObjList::CreateFromFile(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file) {
    auto* list = new TGObjList(owner, mode, file);
    list->AttachFile(file, true, false);
    return list;
}

std::string TGObjList::GetExtension() const {
    return ".gol";
}
void TGObjList::SetMajorVersion() {
    HeaderMajor = 2;
}
const char* TGObjList::GetHeaderId() const {
    return "GOL ";
}

bool TGObjList::ReadBody() {
    return HeaderMajor == 2 && ReadEntries();
}

bool TGObjList::ReadEntries() {
    u16 count = 0;
    if (!ReadU16(count) || count > 0x7FFF)
        return false;
    AllocPending(static_cast<i16>(count));
    for (size_t i = 0; i < count; ++i)
        if (!ReadString(PendingNames[i]) || !ReadI16(PendingValues[i]))
            return false;
    const bool made = CreateMembers(0);
    SetFlags(JOF_SORTED);
    return made;
}

void TGObjList::AllocPending(i16 n) {
    const size_t count = n > 0 ? static_cast<size_t>(n) : 0;
    PendingNames.assign(count, std::string());
    PendingValues.resize(count);
    std::iota(PendingValues.begin(), PendingValues.end(), static_cast<i16>(0));
}

void TGObjList::SetPendingName(i16 i, const std::string& name) {
    if (i >= 0 && static_cast<size_t>(i) < PendingNames.size())
        PendingNames[static_cast<size_t>(i)] = name;
}

bool TGObjList::CreateMembers(u8) {
    // No entry can become a game object yet; the mode still hears that loading is done.
    if (Mode != nullptr)
        Mode->CheckGameObjects();
    return true;
}

bool TGObjList::WriteBody() {
    if (!WriteU16(static_cast<u16>(PendingNames.size())))
        return false;
    for (size_t i = 0; i < PendingNames.size(); ++i)
        if (!WriteString(PendingNames[i]) || !WriteI16(PendingValues[i]))
            return false;
    return true;
}

bool TGObjList::SaveIfNeeded() {
    if (!HasFlags(JOF_SORTED)) {
        std::vector<size_t> order(PendingNames.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return PendingNames[a] < PendingNames[b]; });
        std::vector<std::string> names;
        std::vector<i16> values;
        for (size_t i : order) {
            names.push_back(PendingNames[i]);
            values.push_back(PendingValues[i]);
        }
        PendingNames = std::move(names);
        PendingValues = std::move(values);
    }
    return Save(nullptr);
}

void TGObjList::ForEachUpdate() {}
bool TGObjList::UseSkitAt(i16, i16, i16, u32) {
    return false;
}
bool TGObjList::UseSpriteAt(i16, i16, u32) {
    return false;
}
bool TGObjList::IsSpriteInUseAt(i16, i16) {
    return false;
}
bool TGObjList::CanActivateSpriteAt(i16, i16, u32) {
    return false;
}
void TGObjList::RunStates() {}
void TGObjList::StatesFrameBegin(u32) {}
void TGObjList::StatesUpdate(u32) {}

i16 TGObjList::IndexOfName(const std::string&) const {
    return -1;
}
u32 TGObjList::SpriteDurationAt(i16, i16) const {
    return 0;
}
u32 TGObjList::SkitDurationAt(i16, i16, i16) const {
    return 0;
}
