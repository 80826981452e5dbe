// TGObjList: a mode's game-object list: reads its ".gol" file, makes every member through the
// mode window, gives each its own data directory, and drives the members for the window.
#pragma once

#include "engine/foundation/JorpList.h"
#include "platform/host/Types.h"

#include <string>
#include <vector>

class TGameObject;
class TJorpMode;
class TModeWindowApi;

// The owner is the mode window, which the list reaches through TModeWindowApi. Member i's
// data location is i, and entry i of the file manager's directory table holds the directory
// of member i's file; so a list holds at most 127 members from its file.
class TGObjList : public TJorpList {
public:
    static constexpr u16 MaxEntries = 127;

    // An empty list; the mode takes it as its list.
    TGObjList(TJorpOwner* owner, TJorpMode* mode);
    // The same, bound to a file mode without reading it.
    TGObjList(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file);
    // Empties the mode window's table of seat players (they are members), then deletes the
    // members.
    ~TGObjList() override;

    // The list bound to its ".gol" file, read at once (not kept), which makes the members.
    static TGObjList* CreateFromFile(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file);

    void FreeSetupData() override;
    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    void Show() override {}
    void Hide() override {}
    // The members' uses; the list's own count does not change.
    void Acquire(u32 key) override;
    void Release() override;
    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    // Sorted by name first unless read so; then saved with every member.
    bool SaveIfNeeded() override;
    std::string GetExtension() const override;
    void SetMajorVersion() override;
    const char* GetHeaderId() const override;
    // Only game objects (or empty places) join: the frame passes then take each member as
    // one without asking its type again, several times a frame.
    bool Add(TJorpBase* member) override;
    bool IsInUseAt(i16) override { return true; }
    bool IsInUse(TJorpBase*) override { return true; }
    bool UseAt(i16, u32) override { return true; }
    bool Use(TJorpBase*, u32) override { return true; }
    void UnuseAt(i16) override {}
    void Unuse(TJorpBase*) override {}

    // Virtual operations of game-object lists, in slot order after those of lists. An
    // operation on member n answers false or 0 when there is no member n.
    // Makes the pending entries, in order; false at the first that makes nothing (those
    // made stay).
    virtual bool CreateMembers(u8 flag);
    virtual void ForEachUpdate();
    virtual bool UseSkitAt(i16 object, i16 list, i16 skit, u32 key);
    virtual bool UseSpriteAt(i16 object, i16 sprite, u32 key);
    virtual bool IsSpriteInUseAt(i16 object, i16 sprite);
    virtual bool CanActivateSpriteAt(i16 object, i16 sprite, u32 key);
    virtual void RunStates();
    // A member for the file at the end of the list, not added.
    virtual TGameObject* NewGameObject(const TFileMode& file);
    virtual void StatesFrameBegin(u32 tick);
    virtual void StatesUpdate(u32 tick);

    // Member n, or null.
    TGameObject* GetMember(i16 n) const;
    u32 SpriteDurationAt(i16 object, i16 sprite) const;
    u32 SkitDurationAt(i16 object, i16 list, i16 skit) const;
    bool AddMember(TGameObject* object);
    // What the mode window makes for the file at the list's next place: the file's
    // directory becomes that place's data directory. Null without a mode.
    TGameObject* NewMember(const TFileMode& file, i16 value, u8 flag);
    TGameObject* NewMemberAtEnd(const TFileMode& file);
    // NewMember, then AddMember; an object the list did not take is deleted.
    bool AddNew(const TFileMode& file, i16 value, u8 flag);
    bool AddNewAtEnd(const TFileMode& file);
    TGameObject* NewMemberFromPath(const std::string& path);
    TGameObject* AddFromPath(const std::string& path);
    // Member i out of the list, alive; null when there is none.
    TGameObject* DetachAt(i16 i);
    bool DeleteAt(i16 i);
    // Takes the object out of the list (when it is in it), then has the mode window delete it.
    void RemoveMember(TGameObject* object);
    bool SetDataLocation(u8 index, const std::string& path);
    void ApplyPendingValues();
    void AllocModeObjects(i16 n);

    // The reading steps: room for n entries named "" with values 0, 1, ...; entry i takes a
    // name; after all members exist: resolve, acquire, the window's check, free set-up data.
    void AllocPending(i16 n);
    void SetPendingName(i16 i, const std::string& name);
    void FreePending();
    void AfterLoad();

    const std::vector<std::string>& GetPendingNames() const { return PendingNames; }
    const std::vector<i16>& GetPendingValues() const { return PendingValues; }
    TJorpMode* GetMode() const { return Mode; }

private:
    bool ReadEntries();
    TModeWindowApi* GetWindow() const;

    std::vector<std::string> PendingNames;
    std::vector<i16> PendingValues;
    TJorpMode* Mode;
};
