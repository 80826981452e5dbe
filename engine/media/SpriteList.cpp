// TSpriteList: the sets, starting sprites within their sets, and the lookups of sprites.
#include "engine/media/SpriteList.h"

#include "engine/foundation/JorpOwner.h"
#include "engine/foundation/SpriteCreator.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteSet.h"

TSpriteList::TSpriteList(TJorpOwner* owner, TSpriteCreator* creator)
    : TJorpListWAL(owner), Creator(creator) {
    AddActiveList("none");
}

TSpriteList::TSpriteList(TJorpOwner* owner, const TFileMode& mode, TSpriteCreator* creator)
    : TJorpListWAL(owner), Creator(creator) {
    FileMode = mode;
    AddActiveList("none");
}

TSpriteList::~TSpriteList() = default;

TJorpActiveList* TSpriteList::NewActiveList(const std::string& name) {
    return new TSpriteActiveList(Owner, Creator, name);
}

TSprite* TSpriteList::NewSprite() {
    return new TSprite(Owner);
}

TSprite* TSpriteList::NewSpriteFromFile(const std::string& name, u16 type,
                                        TEmbeddedAddress address) {
    if (Creator != nullptr) {
        TJorpBase* made = Creator->CreateObject(name, type, address);
        auto* sprite = dynamic_cast<TSprite*>(made);
        if (sprite == nullptr)
            delete made;
        return sprite;
    }
    TFileMode mode = FileMode;
    mode.Name = name;
    mode.DiskLevel = 0;
    mode.RamLevel = 0;
    return TSprite::MakeEmbedded(address, Owner, mode).release();
}

TSpriteActiveList* TSpriteList::GetSet(i16 set) const {
    return dynamic_cast<TSpriteActiveList*>(GetActiveList(set));
}

TSprite* TSpriteList::GetSprite(i16 index) const {
    return dynamic_cast<TSprite*>(GetAt(index));
}

i16 TSpriteList::SetOfSprite(TJorpBase* sprite) const {
    if (sprite == nullptr)
        return 0;
    const u16 id = sprite->GetId();
    return id < static_cast<u16>(GetActiveListCount()) ? static_cast<i16>(id) : i16{0};
}

bool TSpriteList::CanActivate(TJorpBase* sprite, u32 tick) {
    if (sprite == nullptr)
        return false;
    const i16 set = SetOfSprite(sprite);
    TSpriteActiveList* active = GetSet(set);
    if (active == nullptr)
        return false;
    return set == 0 || active->IsFree(tick, tick + sprite->Duration);
}

void TSpriteList::MemberLeaving(TJorpBase* member) {
    TJorpListWAL::MemberLeaving(member);
    const auto* sprite = dynamic_cast<const TSprite*>(member);
    for (i16 i = 0; i < GetActiveListCount(); ++i)
        if (TSpriteActiveList* set = GetSet(i))
            set->ForgetSprite(sprite);
}

void TSpriteList::FreeSetupData() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* sprite = Members[i])
            sprite->FreeSetupData();
}

void TSpriteList::Show() {
    TJorpList::Show();
    for (i16 i = 0; i < GetActiveListCount(); ++i)
        if (TSpriteActiveList* set = GetSet(i))
            set->ShowAll();
}

void TSpriteList::Hide() {
    for (i16 i = 0; i < GetActiveListCount(); ++i)
        if (TSpriteActiveList* set = GetSet(i))
            set->HideAll();
    TJorpList::Hide();
}

// The sprites themselves are acquired when they are used, not here.
void TSpriteList::Acquire(u32 tick) {
    TJorpBase::Acquire(tick);
    for (i16 i = 0; i < GetActiveListCount(); ++i)
        if (TSpriteActiveList* set = GetSet(i))
            set->AcquireAll(tick);
}

void TSpriteList::Release() {
    for (i16 i = 0; i < GetActiveListCount(); ++i)
        if (TSpriteActiveList* set = GetSet(i))
            set->ReleaseAll();
    TJorpBase::Release();
}

void TSpriteList::Resolve() {
    for (i16 i = 0; i < GetActiveListCount(); ++i)
        if (TSpriteActiveList* set = GetSet(i))
            set->ResolveAll();
}

bool TSpriteList::SaveIfNeeded() {
    bool saved = true;
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* sprite = Members[i])
            saved = sprite->SaveIfNeeded() && saved;
    return Save(nullptr) && saved;
}

bool TSpriteList::SetSetState(i16 set, i16 state) {
    TSpriteActiveList* active = GetSet(set);
    return active != nullptr && active->SetState(state);
}

i16 TSpriteList::GetSetState(i16 set) const {
    const TSpriteActiveList* active = GetSet(set);
    return active != nullptr ? active->GetCurrentState() : i16{-1};
}

bool TSpriteList::AddStateToSet(i16 set) {
    TSpriteActiveList* active = GetSet(set);
    return active != nullptr && active->AddState();
}

bool TSpriteList::RemoveStateFromSet(i16 set, i16 state) {
    TSpriteActiveList* active = GetSet(set);
    return active != nullptr && active->RemoveState(state);
}

bool TSpriteList::AddMemberToSetState(i16 set, i16 state, const std::string& name) {
    TSpriteActiveList* active = GetSet(set);
    return active != nullptr && active->AddMemberToState(state, name);
}

bool TSpriteList::RemoveMemberFromSetState(i16 set, i16 state, i16 member) {
    TSpriteActiveList* active = GetSet(set);
    return active != nullptr && active->RemoveMemberFromState(state, member);
}

i16 TSpriteList::GetStateCount(i16 set) const {
    const TSpriteActiveList* active = GetSet(set);
    return active != nullptr ? active->GetStateCount() : i16{0};
}

std::string TSpriteList::GetSetName(i16 set) const {
    const TSpriteActiveList* active = GetSet(set);
    return active != nullptr ? active->GetName() : std::string();
}

i16 TSpriteList::GetStateMemberCount(i16 set, i16 state) const {
    const TSpriteActiveList* active = GetSet(set);
    return active != nullptr ? active->GetMemberCount(state) : i16{0};
}

std::string TSpriteList::GetStateMemberName(i16 set, i16 state, i16 member) const {
    const TSpriteActiveList* active = GetSet(set);
    return active != nullptr ? active->GetMemberName(state, member) : std::string();
}

std::string TSpriteList::GetSpriteFileName(i16 index) const {
    const TJorpBase* sprite = GetAt(index);
    return sprite != nullptr ? sprite->GetFileMode().Name.GetText() : std::string();
}

bool TSpriteList::SetSpriteAt(i16 index, TSprite* sprite) {
    if (index < 0 || index > LastIndex)
        return false;
    Members[index] = sprite;
    ClearFlags(JOF_SORTED);
    return true;
}

TSprite* TSpriteList::ReplaceSpriteAt(i16 index, TSprite* sprite) {
    if (index < 0 || index > LastIndex || sprite == nullptr)
        return nullptr;
    auto* old = dynamic_cast<TSprite*>(Members[index]);
    // The caller may delete the old sprite: no set may go on using it.
    if (Members[index] != nullptr)
        MemberLeaving(Members[index]);
    Members[index] = sprite;
    ClearFlags(JOF_SORTED);
    Resolve();
    return old;
}

bool TSpriteList::RemoveSprite(const std::string& name) {
    const i16 index = IndexOf(name);
    if (index < 0)
        return false;
    RemoveAt(index);
    if (Owner != nullptr)
        Owner->ResolveGameObjects();
    return true;
}
