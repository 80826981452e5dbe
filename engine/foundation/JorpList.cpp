// TJorpList: places, growth, removal, lookups by name and forwarding to the members.
#include "JorpList.h"

#include "engine/foundation/NameCompare.h"

#include <algorithm>
#include <new>

TJorpList::TJorpList() : TJorpList(nullptr) {}

TJorpList::TJorpList(TJorpOwner* owner) : TJorpBase(owner) {
    SetFlags(JOF_OWNS_MEMBERS);
}

TJorpList::TJorpList(TJorpOwner* owner, int unused, const TFileMode& mode)
    : TJorpBase(owner, unused, mode) {
    SetFlags(JOF_OWNS_MEMBERS);
}

// Members go whatever the flags say: a list that does not own its members is emptied by
// its user before it is destroyed.
TJorpList::~TJorpList() {
    DeleteAll();
}

TJorpBase* TJorpList::GetAt(i16 index) const {
    if (index < 0 || index > LastIndex)
        return nullptr;
    return Members[index];
}

bool TJorpList::Grow(i16 n) {
    if (n <= Capacity)
        return false;
    std::unique_ptr<TJorpBase*[]> places(new (std::nothrow) TJorpBase*[n]);
    if (!places)
        return false;
    std::fill(places.get(), places.get() + n, nullptr);
    if (Members)
        std::copy(Members.get(), Members.get() + Capacity, places.get());
    Members = std::move(places);
    Capacity = n;
    return true;
}

i16 TJorpList::GetGrowStep() const {
    return 1;
}

bool TJorpList::Add(TJorpBase* member) {
    if (LastIndex + 1 >= Capacity) {
        // Computed wide: the last steps before the limit only grow as far as it.
        const int wanted = std::min<int>(Capacity + GetGrowStep(), MAX_PLACES);
        if (!Grow(static_cast<i16>(wanted)))
            return false;
    }
    ++LastIndex;
    Members[LastIndex] = member;
    ClearFlags(JOF_SORTED);
    return true;
}

i16 TJorpList::AddGetIndex(TJorpBase* member) {
    return Add(member) ? LastIndex : i16{-1};
}

bool TJorpList::RemoveAt(i16 index) {
    if (index < 0 || index > LastIndex)
        return false;
    TJorpBase* removed = Members[index];
    if (removed != nullptr)
        MemberLeaving(removed);
    if (HasFlags(JOF_KEEPS_PLACES)) {
        Members[index] = nullptr;
    } else {
        // The last member fills the gap, so the order of the rest changes.
        Members[index] = Members[LastIndex];
        Members[LastIndex] = nullptr;
        --LastIndex;
    }
    if (HasFlags(JOF_OWNS_MEMBERS))
        delete removed;
    ClearFlags(JOF_SORTED);
    return true;
}

void TJorpList::DeleteAll() {
    for (i16 i = 0; i <= LastIndex; ++i) {
        TJorpBase* member = Members[i];
        if (member == nullptr)
            continue;
        MemberLeaving(member);
        Members[i] = nullptr;
        delete member;
    }
    Members.reset();
    // The array is gone, so no place is left to fill either.
    Capacity = 0;
    LastIndex = -1;
}

void TJorpList::SortByName() {
    if (LastIndex >= 0) {
        // Empty places go last, where the binary search expects them.
        std::sort(Members.get(), Members.get() + LastIndex + 1,
                  [](const TJorpBase* a, const TJorpBase* b) {
                      if (a == nullptr)
                          return false;
                      if (b == nullptr)
                          return true;
                      return JorpNameCompare(a->GetFileMode().Name.GetText(),
                                             b->GetFileMode().Name.GetText()) < 0;
                  });
    }
    SetFlags(JOF_SORTED);
}

i16 TJorpList::SearchSorted(const std::string& name) const {
    int low = 0;
    int high = LastIndex;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const TJorpBase* member = Members[middle];
        const i32 order =
            member != nullptr ? JorpNameCompare(name, member->GetFileMode().Name.GetText()) : -1;
        if (order < 0)
            high = middle - 1;
        else if (order > 0)
            low = middle + 1;
        else
            return static_cast<i16>(middle);
    }
    return -1;
}

i16 TJorpList::SearchLinear(const std::string& name) const {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (Members[i] != nullptr && Members[i]->GetFileMode().Name.GetText() == name)
            return i;
    return -1;
}

i16 TJorpList::IndexOf(const std::string& name) const {
    if (HasFlags(JOF_SORTED)) {
        const i16 found = SearchSorted(name);
        if (found >= 0)
            return found;
    }
    return SearchLinear(name);
}

TJorpBase* TJorpList::FindByName(const std::string& name) const {
    return GetAt(IndexOf(name));
}

i16 TJorpList::IndexOfName(const std::string& name) const {
    return SearchLinear(name);
}

bool TJorpList::IsInUseAt(i16 index) {
    return IsInUse(GetAt(index));
}

bool TJorpList::IsInUse(TJorpBase* member) {
    return member != nullptr && member->GetUseCount() > 0;
}

bool TJorpList::UseAt(i16 index, u32 key) {
    return Use(GetAt(index), key);
}

bool TJorpList::Use(TJorpBase* member, u32 key) {
    if (member == nullptr)
        return false;
    member->Acquire(key);
    return true;
}

void TJorpList::UnuseAt(i16 index) {
    Unuse(GetAt(index));
}

void TJorpList::Unuse(TJorpBase* member) {
    if (member != nullptr)
        member->Release();
}

u32 TJorpList::GetLastExtent() const {
    // Signed, so that a member of duration 0 and no delay cannot wrap to a huge extent.
    i64 extent = 0;
    for (i16 i = 0; i <= LastIndex; ++i)
        if (const TJorpBase* member = Members[i])
            extent =
                std::max<i64>(extent, static_cast<i64>(member->Duration) + member->StartDelay - 1);
    return static_cast<u32>(extent);
}

void TJorpList::SetMemberFileModes(u8 first, u8 second) {
    for (i16 i = 0; i <= LastIndex; ++i) {
        TJorpBase* member = Members[i];
        if (member == nullptr)
            continue;
        TFileMode mode = member->GetFileMode();
        mode.RamLevel = first;
        member->ChangeFile(mode);
        if (second != first) {
            mode.RamLevel = second;
            member->ChangeFile(mode);
        }
    }
}

void TJorpList::SetMembersStartDelay(i16 value) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (Members[i] != nullptr)
            Members[i]->StartDelay = value;
}

// Each loop reads the last index afresh, so a member that empties places of its list
// while it is called cannot make the loop run past the array.

void TJorpList::Prepare() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* member = Members[i])
            member->Prepare();
}

// Whether the list runs is decided once per pass: a member that stops the list during the
// pass does not keep the members after it from their share of the frame.
void TJorpList::Tick(u32 tick) {
    if ((Flags & (JOF_ON | JOF_STOP_REQUESTED)) != JOF_ON)
        return;
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* member = Members[i])
            member->Tick(tick);
}

void TJorpList::PostTick(u32 tick) {
    if ((Flags & (JOF_ON | JOF_STOP_REQUESTED)) != JOF_ON)
        return;
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* member = Members[i])
            member->PostTick(tick);
}

void TJorpList::Play(u32 tick) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* member = Members[i])
            member->Play(tick);
}

void TJorpList::Start() {
    TJorpBase::Start();
}

void TJorpList::Stop() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* member = Members[i])
            member->Stop();
    TJorpBase::Stop();
}

void TJorpList::Show() {
    TJorpBase::Show();
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* member = Members[i])
            member->Show();
}

void TJorpList::Hide() {
    TJorpBase::Hide();
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* member = Members[i])
            member->Hide();
}

void TJorpList::Acquire(u32 key) {
    TJorpBase::Acquire(key);
    for (i16 i = 0; i <= LastIndex; ++i)
        UseAt(i, key);
}

void TJorpList::Release() {
    for (i16 i = 0; i <= LastIndex; ++i)
        UnuseAt(i);
    TJorpBase::Release();
}
