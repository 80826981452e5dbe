// Sprite sets: used sprites, idle states and their alternatives.
#include "engine/media/SpriteSet.h"

#include "engine/foundation/SpriteCreator.h"
#include "engine/media/Sprite.h"
#include "platform/host/RuntimeRandom.h"

#include <algorithm>

namespace {

// States and alternatives are numbered in 16 bits.
constexpr size_t MaxEntries = 0x7FFF;

} // namespace

TActiveSpriteElement::TActiveSpriteElement(TSprite* sprite, u32 key)
    : TJorpActiveElement(sprite, sprite != nullptr
                                     ? key + static_cast<u32>(static_cast<i32>(sprite->StartDelay))
                                     : key) {}

TSpriteSetIdle::TSpriteSetIdle(TSpriteCreator* creator, const std::string& spriteName)
    : Creator(creator), SpriteName(spriteName) {}

TSpriteSetIdle::~TSpriteSetIdle() {
    if (UseCount > 0 && Sprite != nullptr)
        Sprite->Release();
}

void TSpriteSetIdle::Resolve() {
    if (Creator == nullptr)
        return;
    SpriteIndex = Creator->FindSpriteIndex(SpriteName);
    Sprite = dynamic_cast<TSprite*>(Creator->GetSpriteAt(SpriteIndex));
    if (Sprite != nullptr && UseCount > 0)
        Sprite->Acquire(Creator->GetCreatorTick());
}

void TSpriteSetIdle::Acquire(u32 tick) {
    if (SpriteIndex == -1)
        Resolve();
    ++UseCount;
    if (Sprite != nullptr)
        Sprite->Acquire(tick);
}

void TSpriteSetIdle::Release() {
    if (UseCount > 0)
        --UseCount;
    if (Sprite != nullptr)
        Sprite->Release();
}

void TSpriteSetIdle::Forget(const TSprite* sprite) {
    if (sprite == nullptr || Sprite != sprite)
        return;
    Sprite = nullptr;
    SpriteIndex = -1;
}

TSpriteSet::TSpriteSet(TSpriteCreator* creator) : Creator(creator) {}

TSpriteSetIdle* TSpriteSet::GetMember(i16 index) const {
    if (index < 0 || static_cast<size_t>(index) >= Members.size())
        return nullptr;
    return Members[static_cast<size_t>(index)].get();
}

bool TSpriteSet::AddMember(const std::string& name) {
    if (Members.size() >= MaxEntries)
        return false;
    Members.push_back(std::make_unique<TSpriteSetIdle>(Creator, name));
    return true;
}

bool TSpriteSet::RemoveMember(i16 index) {
    if (GetMember(index) == nullptr)
        return false;
    Members.erase(Members.begin() + index);
    return true;
}

void TSpriteSet::StopCurrent() {
    if (TSpriteSetIdle* current = GetCurrent()) {
        if (TSprite* sprite = current->GetSprite())
            sprite->Stop();
        current->Done = 1;
    }
    CurrentMember = -1;
}

void TSpriteSet::Choose(u32 tick) {
    const i16 count = GetMemberCount();
    CurrentMember = count > 0 ? static_cast<i16>(rtl::rand() % count) : i16{0};
    TSpriteSetIdle* chosen = GetCurrent();
    if (chosen == nullptr)
        return;
    chosen->Done = 0;
    if (TSprite* sprite = chosen->GetSprite())
        sprite->Play(tick);
    else
        // Nothing to play would never finish and would keep the state silent for good.
        chosen->Done = 1;
}

void TSpriteSet::Update(u32 tick, bool stop) {
    if (stop) {
        // A used sprite of the set runs: the idle alternative gives way at once.
        StopCurrent();
        return;
    }
    TSpriteSetIdle* current = GetCurrent();
    if (current == nullptr || current->Done != 0) {
        Choose(tick);
        return;
    }
    if (TSprite* sprite = current->GetSprite())
        sprite->Tick(tick);
}

void TSpriteSet::ResolveAll() {
    for (auto& member : Members)
        member->Resolve();
}

void TSpriteSet::AcquireAll(u32 tick) {
    for (auto& member : Members)
        member->Acquire(tick);
}

void TSpriteSet::ReleaseAll() {
    for (auto& member : Members)
        member->Release();
}

void TSpriteSet::ShowAll() {
    for (auto& member : Members)
        if (TSprite* sprite = member->GetSprite())
            sprite->Show();
}

void TSpriteSet::HideAll() {
    for (auto& member : Members)
        if (TSprite* sprite = member->GetSprite())
            sprite->Hide();
}

void TSpriteSet::Forget(const TSprite* sprite) {
    for (auto& member : Members)
        member->Forget(sprite);
}

TSpriteActiveList::TSpriteActiveList(TJorpOwner* owner, TSpriteCreator* creator,
                                     const std::string& name)
    : TJorpActiveList(owner, name), Creator(creator) {}

// State 0 goes first, then the next, as the states were numbered.
TSpriteActiveList::~TSpriteActiveList() {
    for (auto& state : States)
        state.reset();
    States.clear();
}

TJorpActiveElement* TSpriteActiveList::NewElement(TJorpBase* sprite, u32 key) {
    return new TActiveSpriteElement(dynamic_cast<TSprite*>(sprite), key);
}

TJorpActiveElement* TSpriteActiveList::NewEmptyElement() {
    return new TActiveSpriteElement();
}

TSpriteSet* TSpriteActiveList::GetState(i16 index) const {
    if (index < 0 || static_cast<size_t>(index) >= States.size())
        return nullptr;
    return States[static_cast<size_t>(index)].get();
}

void TSpriteActiveList::Tick(u32 tick) {
    TJorpActiveList::Tick(tick);
    if (TSpriteSet* state = GetState(CurrentState))
        state->Update(tick, AnyRunning());
}

void TSpriteActiveList::PostTick(u32 tick) {
    TJorpActiveList::PostTick(tick);
    TSpriteSet* state = GetState(CurrentState);
    TSpriteSetIdle* current = state != nullptr ? state->GetCurrent() : nullptr;
    TSprite* sprite = current != nullptr ? current->GetSprite() : nullptr;
    if (sprite == nullptr)
        return;
    sprite->PostTick(tick);
    if (sprite->HasFlags(JOF_STOP_REQUESTED))
        current->Done = 1;
}

bool TSpriteActiveList::SetState(i16 state) {
    if (state == CurrentState)
        return true;
    if (TSpriteSet* old = GetState(CurrentState))
        old->StopCurrent();
    CurrentState = state;
    TSpriteSet* next = GetState(state);
    if (next != nullptr && !AnyRunning())
        next->Choose(Creator != nullptr ? Creator->GetCreatorTick() : 0);
    return true;
}

bool TSpriteActiveList::AddState() {
    if (States.size() >= MaxEntries)
        return false;
    States.push_back(std::make_unique<TSpriteSet>(Creator));
    return true;
}

bool TSpriteActiveList::RemoveState(i16 state) {
    if (GetState(state) == nullptr)
        return false;
    States.erase(States.begin() + state);
    return true;
}

bool TSpriteActiveList::AddMemberToState(i16 state, const std::string& name) {
    TSpriteSet* set = GetState(state);
    return set != nullptr && set->AddMember(name);
}

bool TSpriteActiveList::RemoveMemberFromState(i16 state, i16 member) {
    TSpriteSet* set = GetState(state);
    return set != nullptr && set->RemoveMember(member);
}

i16 TSpriteActiveList::GetMemberCount(i16 state) const {
    const TSpriteSet* set = GetState(state);
    return set != nullptr ? set->GetMemberCount() : i16{0};
}

std::string TSpriteActiveList::GetMemberName(i16 state, i16 member) const {
    const TSpriteSet* set = GetState(state);
    const TSpriteSetIdle* idle = set != nullptr ? set->GetMember(member) : nullptr;
    return idle != nullptr ? idle->GetSpriteName() : std::string();
}

void TSpriteActiveList::ResolveAll() {
    for (auto& state : States)
        state->ResolveAll();
}

void TSpriteActiveList::AcquireAll(u32 tick) {
    for (auto& state : States)
        state->AcquireAll(tick);
}

void TSpriteActiveList::ReleaseAll() {
    for (auto& state : States)
        state->ReleaseAll();
}

void TSpriteActiveList::ShowAll() {
    for (auto& state : States)
        state->ShowAll();
}

void TSpriteActiveList::HideAll() {
    for (auto& state : States)
        state->HideAll();
}

void TSpriteActiveList::ForgetSprite(const TSprite* sprite) {
    for (auto& state : States)
        state->Forget(sprite);
}

bool TSpriteActiveList::IsFree(u32 from, u32 to) {
    // Sorted copies of the keys, so that a walk of the list under way is not disturbed.
    struct TSpan {
        u32 Start;
        u32 Duration;
    };
    std::vector<TSpan> spans;
    ForEachElement([&spans](TJorpActiveElement& element) {
        if (element.Object != nullptr)
            spans.push_back({element.Key, element.Object->Duration});
    });
    std::stable_sort(spans.begin(), spans.end(),
                     [](const TSpan& a, const TSpan& b) { return a.Start < b.Start; });
    for (const TSpan& span : spans) {
        if (span.Start > to)
            return true;
        const u64 last = span.Duration == 0 ? span.Start : u64{span.Start} + span.Duration - 1;
        if (last >= from)
            return false;
    }
    return true;
}
