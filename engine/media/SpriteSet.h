// TSpriteActiveList (a sprite set), its states (TSpriteSet), their alternatives (TSpriteSetIdle)
// and TActiveSpriteElement: which sprites of a set run, and what plays while none does.
#pragma once

#include "engine/foundation/JorpActiveList.h"

#include <memory>
#include <string>
#include <vector>

class TSprite;
class TSpriteCreator;

// A sprite in use: started at the use's key plus the sprite's own start delay.
class TActiveSpriteElement : public TJorpActiveElement {
public:
    TActiveSpriteElement() = default;
    // Acquires the sprite with its start tick.
    TActiveSpriteElement(TSprite* sprite, u32 key);
};

// One alternative of a state: a sprite named by its file name, looked up in the creator's
// sprite list.
class TSpriteSetIdle {
public:
    TSpriteSetIdle(TSpriteCreator* creator, const std::string& spriteName);
    // Gives back the use it holds on its sprite.
    ~TSpriteSetIdle();
    TSpriteSetIdle(const TSpriteSetIdle&) = delete;
    TSpriteSetIdle& operator=(const TSpriteSetIdle&) = delete;

    void Resolve();
    void Acquire(u32 tick);
    void Release();
    // The sprite goes away: the alternative no longer names it until it is resolved again.
    void Forget(const TSprite* sprite);

    const std::string& GetSpriteName() const { return SpriteName; }
    TSprite* GetSprite() const { return Sprite; }
    i16 GetSpriteIndex() const { return SpriteIndex; }
    i16 GetUseCount() const { return UseCount; }

    // Its sprite has finished or was stopped: another alternative may be chosen.
    u8 Done = 1;

private:
    TSpriteCreator* Creator;
    i16 SpriteIndex = -1;
    std::string SpriteName;
    TSprite* Sprite = nullptr;
    i16 UseCount = 0;
};

// One state of a set: alternatives of which one, chosen at random, plays at a time.
class TSpriteSet {
public:
    explicit TSpriteSet(TSpriteCreator* creator);

    bool AddMember(const std::string& name);
    bool RemoveMember(i16 index);
    // The per-frame step; stop says a used sprite of the set is running.
    void Update(u32 tick, bool stop);
    // Chooses an alternative at random and plays it at the tick.
    void Choose(u32 tick);
    // The current alternative's sprite is stopped and no alternative is current.
    void StopCurrent();
    void ResolveAll();
    void AcquireAll(u32 tick);
    void ReleaseAll();
    void ShowAll();
    void HideAll();
    void Forget(const TSprite* sprite);

    i16 GetMemberCount() const { return static_cast<i16>(Members.size()); }
    // The alternative at an index, or null.
    TSpriteSetIdle* GetMember(i16 index) const;
    TSpriteSetIdle* GetCurrent() const { return GetMember(CurrentMember); }
    i16 GetCurrentIndex() const { return CurrentMember; }

private:
    TSpriteCreator* Creator;
    i16 CurrentMember = -1;
    // Grown geometrically: a file may announce very many alternatives.
    std::vector<std::unique_ptr<TSpriteSetIdle>> Members;
};

class TSpriteActiveList : public TJorpActiveList {
public:
    TSpriteActiveList(TJorpOwner* owner, TSpriteCreator* creator, const std::string& name);
    ~TSpriteActiveList() override;

    TJorpActiveElement* NewElement(TJorpBase* sprite, u32 key) override;
    TJorpActiveElement* NewEmptyElement() override;
    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;

    bool SetState(i16 state);
    bool AddState();
    bool RemoveState(i16 state);
    bool AddMemberToState(i16 state, const std::string& name);
    bool RemoveMemberFromState(i16 state, i16 member);
    i16 GetMemberCount(i16 state) const;
    std::string GetMemberName(i16 state, i16 member) const;
    void ResolveAll();
    void AcquireAll(u32 tick);
    void ReleaseAll();
    void ShowAll();
    void HideAll();
    void ForgetSprite(const TSprite* sprite);
    // No used sprite of the set runs within the ticks from and to.
    bool IsFree(u32 from, u32 to);

    i16 GetCurrentState() const { return CurrentState; }
    i16 GetStateCount() const { return static_cast<i16>(States.size()); }
    // The state at an index, or null.
    TSpriteSet* GetState(i16 index) const;

private:
    TSpriteCreator* Creator;
    i16 CurrentState = -1;
    std::vector<std::unique_ptr<TSpriteSet>> States;
};
