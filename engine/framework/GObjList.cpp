// TGObjList: reading and writing ".gol" files, making and removing members, and the passes
// and requests of the mode window.
#include "GObjList.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/ModeWindowApi.h"

#include <algorithm>
#include <numeric>

TGObjList::TGObjList(TJorpOwner* owner, TJorpMode* mode) : TJorpList(owner), Mode(mode) {
    if (Mode != nullptr)
        Mode->SetGObjList(this);
}

TGObjList::TGObjList(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file)
    : TJorpList(owner, 0, file), Mode(mode) {
    if (Mode != nullptr)
        Mode->SetGObjList(this);
}

TGObjList::~TGObjList() {
    if (TModeWindowApi* window = GetWindow())
        window->AllocObjectTable(0);
    FreePending();
    DeleteAll();
    if (Mode != nullptr && Mode->GetGObjList() == this)
        Mode->SetGObjList(nullptr);
}

TGObjList* TGObjList::CreateFromFile(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file) {
    auto* list = new TGObjList(owner, mode, file);
    list->AttachFile(file, true, false);
    return list;
}

TModeWindowApi* TGObjList::GetWindow() const {
    return dynamic_cast<TModeWindowApi*>(Owner);
}

bool TGObjList::Add(TJorpBase* member) {
    if (member != nullptr && dynamic_cast<TGameObject*>(member) == nullptr)
        return false;
    return TJorpList::Add(member);
}

TGameObject* TGObjList::GetMember(i16 n) const {
    return static_cast<TGameObject*>(GetAt(n));
}

void TGObjList::FreeSetupData() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->FreeSetupData();
}

void TGObjList::Tick(u32 tick) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->Tick(tick);
}

void TGObjList::PostTick(u32 tick) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->PostTick(tick);
}

void TGObjList::Acquire(u32 key) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->Acquire(key);
}

void TGObjList::Release() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->Release();
}

void TGObjList::Resolve() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->Resolve();
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
    if (!ReadU16(count))
        return false;
    // Each entry takes five bytes at least (a name of one NUL and a value); a count the file
    // cannot hold, or more members than there are data directories, fails at once.
    if (count > MaxEntries || count * 5U > GetReadPosition().Size)
        return false;
    AllocPending(static_cast<i16>(count));
    for (size_t i = 0; i < count; ++i) {
        u16 value = 0;
        if (!ReadString(PendingNames[i]) || !ReadU16(value))
            return false;
        PendingValues[i] = static_cast<i16>(value);
    }
    const bool made = CreateMembers(0);
    FreePending();
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

void TGObjList::FreePending() {
    PendingNames.clear();
    PendingValues.clear();
}

bool TGObjList::CreateMembers(u8 flag) {
    TFileMode file = FileMode;
    file.RamLevel = FM_LEVEL_NOW;
    for (size_t i = 0; i < PendingNames.size(); ++i) {
        file.Name = TJorpFileName(PendingNames[i]);
        if (!AddNew(file, PendingValues[i], flag))
            return false;
    }
    AfterLoad();
    return true;
}

void TGObjList::AfterLoad() {
    Resolve();
    Acquire(GetNextTick());
    if (TModeWindowApi* window = GetWindow())
        window->CheckGameObjects();
    FreeSetupData();
}

bool TGObjList::WriteBody() {
    // Empty places are not written, so they are not counted either.
    u16 count = 0;
    for (i16 i = 0; i <= LastIndex; ++i)
        count = static_cast<u16>(count + (GetMember(i) != nullptr ? 1 : 0));
    if (!WriteU16(count))
        return false;
    for (i16 i = 0; i <= LastIndex; ++i) {
        const TGameObject* member = GetMember(i);
        if (member == nullptr)
            continue;
        if (!WriteString(member->GetFileMode().Name.GetText()) ||
            !WriteU16(member->GetObjectValue()))
            return false;
    }
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->SaveIfNeeded();
    return true;
}

bool TGObjList::SaveIfNeeded() {
    if (!HasFlags(JOF_SORTED)) {
        SortByName();
        Resolve();
    }
    return Save(nullptr);
}

void TGObjList::ForEachUpdate() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->Update();
}

bool TGObjList::UseSkitAt(i16 object, i16 list, i16 skit, u32 key) {
    TGameObject* member = GetMember(object);
    return member != nullptr && member->UseSkit(list, skit, key);
}

bool TGObjList::UseSpriteAt(i16 object, i16 sprite, u32 key) {
    TGameObject* member = GetMember(object);
    return member != nullptr && member->UseSpriteAt(sprite, key);
}

bool TGObjList::IsSpriteInUseAt(i16 object, i16 sprite) {
    const TGameObject* member = GetMember(object);
    return member != nullptr && member->IsSpriteInUse(sprite);
}

bool TGObjList::CanActivateSpriteAt(i16 object, i16 sprite, u32 key) {
    TGameObject* member = GetMember(object);
    return member != nullptr && member->CanActivateSpriteAt(sprite, key);
}

void TGObjList::RunStates() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->RunState();
}

TGameObject* TGObjList::NewGameObject(const TFileMode& file) {
    return NewMemberAtEnd(file);
}

void TGObjList::StatesFrameBegin(u32 tick) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->StateFrameBegin(tick);
}

void TGObjList::StatesUpdate(u32 tick) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TGameObject* member = GetMember(i))
            member->StateUpdate(tick);
}

u32 TGObjList::SpriteDurationAt(i16 object, i16 sprite) const {
    const TGameObject* member = GetMember(object);
    return member != nullptr ? member->GetSpriteDuration(sprite) : 0;
}

u32 TGObjList::SkitDurationAt(i16 object, i16 list, i16 skit) const {
    const TGameObject* member = GetMember(object);
    return member != nullptr ? member->GetSkitDuration(list, skit) : 0;
}

bool TGObjList::AddMember(TGameObject* object) {
    return object != nullptr && Add(object);
}

TGameObject* TGObjList::NewMember(const TFileMode& file, i16 value, u8 flag) {
    TModeWindowApi* window = GetWindow();
    if (Mode == nullptr || window == nullptr)
        return nullptr;
    const i16 place = GetCount();
    // Beyond the directory table there is no directory to give the member.
    if (place >= static_cast<i16>(MaxEntries))
        return nullptr;
    SetDataLocation(static_cast<u8>(place), file.Name.GetText());
    TFileMode member = file;
    member.DataLocation = static_cast<u8>(place);
    return window->CreateGameObject(member, value, flag);
}

TGameObject* TGObjList::NewMemberAtEnd(const TFileMode& file) {
    return NewMember(file, GetCount(), 0);
}

bool TGObjList::AddNew(const TFileMode& file, i16 value, u8 flag) {
    TGameObject* object = NewMember(file, value, flag);
    if (object == nullptr)
        return false;
    if (AddMember(object))
        return true;
    RemoveMember(object);
    return false;
}

bool TGObjList::AddNewAtEnd(const TFileMode& file) {
    return AddNew(file, GetCount(), 0);
}

TGameObject* TGObjList::NewMemberFromPath(const std::string& path) {
    SetDataLocation(static_cast<u8>(std::min<i16>(GetCount(), 0xFF)), path);
    const TFileMode file(TJorpFileName(path), 0, 0, 0, FM_NO_LOCATION);
    return TGameObject::CreateLoaded(Owner, file, GetCount() > 0, false).release();
}

TGameObject* TGObjList::AddFromPath(const std::string& path) {
    TGameObject* object = NewMemberFromPath(path);
    if (AddMember(object))
        return object;
    RemoveMember(object);
    return nullptr;
}

TGameObject* TGObjList::DetachAt(i16 i) {
    TGameObject* member = GetMember(i);
    if (member == nullptr)
        return nullptr;
    const bool owns = HasFlags(JOF_OWNS_MEMBERS);
    ClearFlags(JOF_OWNS_MEMBERS);
    const bool removed = RemoveAt(i);
    if (owns)
        SetFlags(JOF_OWNS_MEMBERS);
    return removed ? member : nullptr;
}

bool TGObjList::DeleteAt(i16 i) {
    if (i < 0 || i > LastIndex)
        return false;
    delete DetachAt(i);
    return true;
}

void TGObjList::RemoveMember(TGameObject* object) {
    if (object == nullptr)
        return;
    // By the object itself: two members may share a file name.
    for (i16 i = 0; i <= LastIndex; ++i)
        if (GetAt(i) == object) {
            DetachAt(i);
            break;
        }
    if (TModeWindowApi* window = GetWindow())
        window->DeleteGameObject(object);
    else
        delete object;
}

bool TGObjList::SetDataLocation(u8 index, const std::string& path) {
    if (TEngineContext::FileMgr != nullptr) {
        const TJorpFileName name(path);
        TEngineContext::FileMgr->GetData().SetEntry(static_cast<i8>(index),
                                                    name.GetDrive() + name.GetDirectory());
    }
    return true;
}

void TGObjList::ApplyPendingValues() {
    for (size_t i = 0; i < PendingValues.size(); ++i)
        if (TGameObject* member = GetMember(static_cast<i16>(i)))
            member->SetObjectValue(static_cast<u16>(PendingValues[i]));
}

void TGObjList::AllocModeObjects(i16 n) {
    if (n > 0 && Mode != nullptr)
        Mode->AllocWindowObjects(n);
}
