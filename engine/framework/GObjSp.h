// TGObjSp: a game object with a sprite list: the factory its list builds members through, and
// the operations that start its sprites and those of the mode's other objects.
#pragma once

#include "engine/foundation/SpriteCreator.h"
#include "engine/framework/GObjBase.h"

#include <memory>
#include <string>

class TJorpListWAL;

// The sprite list is a media class; it is held as the foundation's list with active lists
// and made through the installed TSpriteMaker. Sprites are engine objects here.
class TGObjSp : public TGObjBase, public TSpriteCreator {
public:
    explicit TGObjSp(TJorpOwner* owner);
    ~TGObjSp() override;

    void FreeSetupData() override;
    // The sprites' ticks: the object's own start and stop marks play no part.
    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    void Acquire(u32 key) override;
    void Release() override;
    void Resolve() override;

    // Virtual operations of game objects with sprites, in slot order. The base factory
    // makes plain sprites: an inline member from the list's image, else one read from its
    // own ".sp" file.
    TJorpBase* CreateObject(const std::string& name, u16 type, TEmbeddedAddress address) override;
    // The first call only: PrepareFirst, then PrepareSecond.
    void PrepareObjects() override;
    virtual void PrepareFirst();
    virtual void PrepareSecond();
    u16 ObjectTypeFromName(const std::string& name) override;
    // The sprite list of that file, read now and not kept, with this object as its creator.
    virtual TJorpListWAL* CreateSpriteList(const TFileMode& file);

    // The sprite list made for the file; a file without a name makes none. True.
    bool LoadSpriteList(const TFileMode& file);
    // Fatal: the box "Sprite Setup", then the end of the process with code 1.
    [[noreturn]] void SpriteSetupError(const std::string& what, const std::string& spriteName);

    // Sprite operations. Without a sprite list each answers false, -1, 0 or null.
    // The caller keeps a sprite the list did not take.
    bool AddSprite(TJorpBase* sprite);
    // A new unloaded sprite of that name in the object's data location; its index, or -1
    // (and no sprite) when it could not be added.
    i16 AddSpriteName(const std::string& name);
    bool SetSpriteSetState(i16 set, i16 state);
    i16 FindSpriteIndex(const std::string& name) override;
    i16 IndexOfSprite(const TJorpBase* sprite) const;
    TJorpBase* GetSpriteAt(i16 n) override;
    TJorpBase* GetSprite(const std::string& name);
    i16 LastSpriteIndex() const;
    u32 GetSpriteDuration(i16 n) const;
    bool CanActivateSpriteAt(i16 n, u32 key);
    bool UseSpriteAt(i16 n, u32 key);
    bool UseSprite(const TJorpBase* sprite, u32 key);
    bool UseSpriteNow(i16 n);
    // Starts sprite n at the first frame from key on (20 frames at most) at which it can
    // start; key ends at the frame tried last that could start it, duration at its length.
    bool UseSpriteWithFreeKey(i16 n, u32& key, u32& duration);
    bool IsSpriteInUse(i16 n) const;
    u32 GetCreatorTick() const override { return GetOwnerTick(); }

    // The sprites of the mode's other game objects, through the mode window; -1, 0 or
    // false without one.
    i16 FindModeSpriteIndex(i16 object, const std::string& name) const;
    u32 GetModeSpriteDuration(i16 object, i16 sprite) const;
    bool CanActivateModeSprite(i16 object, i16 sprite, u32 key) const;
    bool UseModeSprite(i16 object, i16 sprite, u32 key) const;

    TJorpListWAL* GetSpriteList() const { return SpriteList.get(); }
    const std::string& GetSpriteListName() const { return SpriteListName; }
    u8 GetObjectsPrepared() const { return ObjectsPrepared; }

protected:
    std::unique_ptr<TJorpListWAL> SpriteList;
    u8 ObjectsPrepared = 0;
    std::string SpriteListName;
};
