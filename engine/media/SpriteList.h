// TSpriteList: all sprites of one game object, read from its ".spl" file with the sprites inline,
// grouped into sprite sets.
#pragma once

#include "engine/foundation/JorpListWAL.h"

#include <string>
#include <vector>

class TSprite;
class TSpriteActiveList;
class TSpriteCreator;

// The members are the sprites (owned) sorted by file name once read; the active lists are the
// sprite sets, set 0 "none" always first. The list is read after it is built
// (TJorpBase::CreateAttached), so that its own body reader runs.
class TSpriteList : public TJorpListWAL {
public:
    TSpriteList(TJorpOwner* owner, TSpriteCreator* creator);
    // Bound to its ".spl" file, not yet read.
    TSpriteList(TJorpOwner* owner, const TFileMode& mode, TSpriteCreator* creator);
    ~TSpriteList() override;

    void FreeSetupData() override;
    void Show() override;
    void Hide() override;
    void Acquire(u32 tick) override;
    void Release() override;
    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    // Every sprite's save, then the list's own; false when any of them failed.
    bool SaveIfNeeded() override;
    std::string GetExtension() const override { return ".spl"; }
    void SetMajorVersion() override { HeaderMajor = 2; }
    void SetMinorVersion() override { HeaderMinor = 3; }
    const char* GetHeaderId() const override { return "PLST"; }
    bool CanActivate(TJorpBase* sprite, u32 tick) override;
    i16 GetActiveListIndex(TJorpBase* sprite) override { return SetOfSprite(sprite); }
    TJorpActiveList* NewActiveList(const std::string& name) override;

    // Virtual operations of sprite lists, after those of lists with active lists.
    // An empty sprite; the caller owns it.
    virtual TSprite* NewSprite();
    // The creator's sprite of that type read from the address (a plain sprite without a
    // creator); the caller owns it.
    virtual TSprite* NewSpriteFromFile(const std::string& name, u16 type, TEmbeddedAddress address);

    // The set a sprite belongs to: its id when that names a set, else 0.
    i16 SetOfSprite(TJorpBase* sprite) const;
    TSpriteActiveList* GetSet(i16 set) const;

    bool SetSetState(i16 set, i16 state);
    i16 GetSetState(i16 set) const;
    bool AddStateToSet(i16 set);
    bool RemoveStateFromSet(i16 set, i16 state);
    bool AddMemberToSetState(i16 set, i16 state, const std::string& name);
    bool RemoveMemberFromSetState(i16 set, i16 state, i16 member);
    i16 GetStateCount(i16 set) const;
    std::string GetSetName(i16 set) const;
    i16 GetStateMemberCount(i16 set, i16 state) const;
    std::string GetStateMemberName(i16 set, i16 state, i16 member) const;
    std::string GetSpriteFileName(i16 index) const;
    // The sprite at an index, or null.
    TSprite* GetSprite(i16 index) const;
    // Stores the sprite in the place without deleting the one there.
    bool SetSpriteAt(i16 index, TSprite* sprite);
    // Stores the sprite in the place and gives back the one there, which the caller owns.
    TSprite* ReplaceSpriteAt(i16 index, TSprite* sprite);
    // Deletes the sprite of that file name and has the mode's game objects look their sprites
    // up again.
    bool RemoveSprite(const std::string& name);

    TSpriteCreator* GetCreator() const { return Creator; }

protected:
    // Sets let go of a sprite that leaves, so that none keeps it after it is deleted.
    void MemberLeaving(TJorpBase* member) override;

private:
    struct TEntry {
        std::string Name;
        u16 Type = 0;
    };
    // The name as stored: a counted string, or a 9-byte name made a full file name.
    bool ReadMemberName(bool oldNames, std::string& name);
    bool ReadSets(bool oldNames);
    bool ReadSprites(const std::vector<TEntry>& entries, bool prepared);
    std::string FullName(const std::string& name) const;

    TSpriteCreator* Creator;
};
