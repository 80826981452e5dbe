// TJorpListWAL: the use protocol through the active lists and the frame passes over them.
#include "JorpListWAL.h"

TJorpListWAL::TJorpListWAL(TJorpOwner* owner) : TJorpList(owner) {}

// The elements go first: they stop and release members that are still alive.
TJorpListWAL::~TJorpListWAL() {
    ActiveLists.clear();
}

TJorpActiveList* TJorpListWAL::GetActiveList(i16 index) const {
    if (index < 0 || index >= GetActiveListCount())
        return nullptr;
    return ActiveLists[static_cast<size_t>(index)].get();
}

bool TJorpListWAL::AddActiveList(const std::string& name) {
    if (ActiveLists.size() >= static_cast<size_t>(MAX_PLACES))
        return false;
    ActiveLists.reserve(ActiveLists.size() + 1);
    ActiveLists.emplace_back(NewActiveList(name));
    return true;
}

TJorpActiveList* TJorpListWAL::NewActiveList(const std::string& name) {
    return new TJorpActiveList(Owner, name);
}

// By index, so that an active list added during a pass does not upset the loop.
void TJorpListWAL::Tick(u32 tick) {
    for (size_t i = 0; i < ActiveLists.size(); ++i)
        if (ActiveLists[i])
            ActiveLists[i]->Tick(tick);
}

void TJorpListWAL::PostTick(u32 tick) {
    for (size_t i = 0; i < ActiveLists.size(); ++i)
        if (ActiveLists[i])
            ActiveLists[i]->PostTick(tick);
}

bool TJorpListWAL::CanActivateAt(i16 index, u32 key) {
    return CanActivate(GetAt(index), key);
}

bool TJorpListWAL::CanActivate(TJorpBase*, u32) {
    return true;
}

i16 TJorpListWAL::GetActiveListIndex(TJorpBase*) {
    return 0;
}

TJorpActiveList* TJorpListWAL::ActiveListOf(TJorpBase* member) {
    return member != nullptr ? GetActiveList(GetActiveListIndex(member)) : nullptr;
}

bool TJorpListWAL::Use(TJorpBase* member, u32 key) {
    if (member == nullptr || !CanActivate(member, key))
        return false;
    TJorpActiveList* active = ActiveListOf(member);
    return active != nullptr && active->AddElement(member, key);
}

bool TJorpListWAL::UseAt(i16 index, u32 key) {
    return Use(GetAt(index), key);
}

void TJorpListWAL::Unuse(TJorpBase* member) {
    if (TJorpActiveList* active = ActiveListOf(member))
        active->RemoveObject(member);
}

bool TJorpListWAL::IsInUse(TJorpBase* member) {
    TJorpActiveList* active = ActiveListOf(member);
    return active != nullptr && active->IsActive(member);
}

void TJorpListWAL::MemberLeaving(TJorpBase* member) {
    // Every active list: the member may have been mapped elsewhere when it was used.
    for (size_t i = 0; i < ActiveLists.size(); ++i)
        if (ActiveLists[i])
            ActiveLists[i]->RemoveAllOf(member);
}
