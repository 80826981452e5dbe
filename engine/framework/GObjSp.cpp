// TGObjSp: the sprite list's part in the object's passes, the member factory, and the sprite
// operations of game objects.
#include "GObjSp.h"

#include "engine/foundation/JorpListWAL.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/SpriteMaker.h"

TGObjSp::TGObjSp(TJorpOwner* owner) : TGObjBase(owner) {}

TGObjSp::~TGObjSp() {
    SpriteList.reset();
}

void TGObjSp::FreeSetupData() {
    if (SpriteList)
        SpriteList->FreeSetupData();
}

void TGObjSp::Tick(u32 tick) {
    if (SpriteList)
        SpriteList->Tick(tick);
}

void TGObjSp::PostTick(u32 tick) {
    if (SpriteList)
        SpriteList->PostTick(tick);
}

void TGObjSp::Acquire(u32 key) {
    TJorpBase::Acquire(key);
    if (SpriteList)
        SpriteList->Acquire(key);
}

void TGObjSp::Release() {
    if (SpriteList)
        SpriteList->Release();
    TJorpBase::Release();
}

void TGObjSp::Resolve() {
    if (SpriteList)
        SpriteList->Resolve();
}

TJorpBase* TGObjSp::CreateObject(const std::string& name, u16, TEmbeddedAddress address) {
    TFileMode file = FileMode;
    file.Name = TJorpFileName(name);
    file.DiskLevel = 0;
    TSpriteMaker& maker = TSpriteMaker::Get();
    if (!address.IsNull()) {
        // Inline in the list's image, which is held while the list reads.
        file.RamLevel = 0;
        return maker.MakeEmbeddedSprite(Owner, file, address);
    }
    file.RamLevel = FM_LEVEL_NOW;
    return maker.MakeNamedSprite(Owner, file);
}

void TGObjSp::PrepareObjects() {
    if (ObjectsPrepared != 0)
        return;
    ObjectsPrepared = 1;
    PrepareFirst();
    PrepareSecond();
}

void TGObjSp::PrepareFirst() {}
void TGObjSp::PrepareSecond() {}

u16 TGObjSp::ObjectTypeFromName(const std::string&) {
    return 0;
}

TJorpListWAL* TGObjSp::CreateSpriteList(const TFileMode& file) {
    return TSpriteMaker::Get().MakeSpriteList(Owner, file, this, true, false);
}

bool TGObjSp::LoadSpriteList(const TFileMode& file) {
    SpriteList.reset();
    if (!file.Name.IsEmpty())
        SpriteList.reset(CreateSpriteList(file));
    return true;
}

void TGObjSp::SpriteSetupError(const std::string& what, const std::string& spriteName) {
    JorpFatalError(
        this, "Error setting up " + what + "\n Sprite Name: " + spriteName + "\n Exiting program",
        "Sprite Setup");
}

bool TGObjSp::AddSprite(TJorpBase* sprite) {
    return SpriteList && sprite != nullptr && SpriteList->Add(sprite);
}

i16 TGObjSp::AddSpriteName(const std::string& name) {
    if (!SpriteList)
        return -1;
    TFileMode file = FileMode;
    file.Name = TJorpFileName(name);
    std::unique_ptr<TJorpBase> sprite(TSpriteMaker::Get().MakeUnloadedSprite(Owner, file));
    if (!sprite)
        return -1;
    // The list's name of the sprite carries the extension the sprite gave itself.
    const std::string fileName = sprite->GetFileMode().Name.GetText();
    if (!AddSprite(sprite.get()))
        return -1;
    sprite.release();
    return SpriteList->IndexOf(fileName);
}

bool TGObjSp::SetSpriteSetState(i16 set, i16 state) {
    return SpriteList && TSpriteMaker::Get().SetSetState(SpriteList.get(), set, state);
}

i16 TGObjSp::FindSpriteIndex(const std::string& name) {
    return SpriteList ? SpriteList->IndexOf(name) : i16{-1};
}

i16 TGObjSp::IndexOfSprite(const TJorpBase* sprite) const {
    if (sprite == nullptr || !SpriteList)
        return -1;
    return SpriteList->IndexOf(sprite->GetFileMode().Name.GetText());
}

TJorpBase* TGObjSp::GetSpriteAt(i16 n) {
    return SpriteList ? SpriteList->GetAt(n) : nullptr;
}

TJorpBase* TGObjSp::GetSprite(const std::string& name) {
    return GetSpriteAt(FindSpriteIndex(name));
}

i16 TGObjSp::LastSpriteIndex() const {
    return SpriteList ? SpriteList->GetLastIndex() : i16{-1};
}

u32 TGObjSp::GetSpriteDuration(i16 n) const {
    const TJorpBase* sprite = SpriteList ? SpriteList->GetAt(n) : nullptr;
    return sprite != nullptr ? sprite->Duration : 0;
}

bool TGObjSp::CanActivateSpriteAt(i16 n, u32 key) {
    // The base list lets anything start, even a place with no sprite.
    return SpriteList && SpriteList->GetAt(n) != nullptr && SpriteList->CanActivateAt(n, key);
}

bool TGObjSp::UseSpriteAt(i16 n, u32 key) {
    return SpriteList && SpriteList->UseAt(n, key);
}

bool TGObjSp::UseSprite(const TJorpBase* sprite, u32 key) {
    return SpriteList && UseSpriteAt(IndexOfSprite(sprite), key);
}

bool TGObjSp::UseSpriteNow(i16 n) {
    return UseSpriteAt(n, GetNextTick());
}

bool TGObjSp::UseSpriteWithFreeKey(i16 n, u32& key, u32& duration) {
    if (n < 0)
        return false;
    const u32 first = key;
    duration = GetSpriteDuration(n);
    for (u32 k = first; k != first + 20; ++k) {
        if (!CanActivateSpriteAt(n, k))
            continue;
        key = k;
        if (UseSpriteAt(n, k))
            return true;
    }
    return false;
}

bool TGObjSp::IsSpriteInUse(i16 n) const {
    return SpriteList && SpriteList->IsInUseAt(n);
}

i16 TGObjSp::FindModeSpriteIndex(i16 object, const std::string& name) const {
    const TModeWindowApi* window = GetModeWindow();
    return window != nullptr ? window->GetSpriteIndex(object, name) : i16{-1};
}

u32 TGObjSp::GetModeSpriteDuration(i16 object, i16 sprite) const {
    const TModeWindowApi* window = GetModeWindow();
    return window != nullptr ? window->GetSpriteDuration(object, sprite) : 0;
}

bool TGObjSp::CanActivateModeSprite(i16 object, i16 sprite, u32 key) const {
    TModeWindowApi* window = GetModeWindow();
    return window != nullptr && window->CanActivateSprite(object, sprite, key);
}

bool TGObjSp::UseModeSprite(i16 object, i16 sprite, u32 key) const {
    TModeWindowApi* window = GetModeWindow();
    return window != nullptr && window->UseSprite(object, sprite, key);
}
