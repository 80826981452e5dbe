// TGObjList: a mode's game-object list, for now without game objects: it reads and writes its
// ".gol" entries and answers every question about a member as a list with no members does.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

#include <string>
#include <vector>

class TJorpMode;

// Game objects are not built yet, so no entry ever becomes a member: every pass over the
// members does nothing and every question about member n answers false or 0. The entries
// read (from the list's own file or from an older mode file) stay pending, in file order,
// and are what the list writes back, so that a mode saved again loses none of them.
class TGObjList : public TJorpBase {
public:
    // An empty list; the mode takes it as its list.
    TGObjList(TJorpOwner* owner, TJorpMode* mode);
    // The same, bound to a file mode without reading it.
    TGObjList(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file);
    ~TGObjList() override;

    // The list bound to its ".gol" file, read at once (not kept).
    static TGObjList* CreateFromFile(TJorpOwner* owner, TJorpMode* mode, const TFileMode& file);

    // The passes over the members: every member's, so nothing while there are none.
    void Prepare() override {}
    void FreeSetupData() override {}
    void Tick(u32) override {}
    void PostTick(u32) override {}
    void Show() override {}
    void Hide() override {}
    void Acquire(u32) override {}
    void Release() override {}
    void Resolve() override {}

    bool ReadBody() override;
    bool WriteBody() override;
    bool SaveIfNeeded() override;
    std::string GetExtension() const override;
    void SetMajorVersion() override;
    const char* GetHeaderId() const override;

    // The reading steps: room for n entries named "" with values 0, 1, ...; entry i takes a
    // name; the entries become members.
    void AllocPending(i16 n);
    void SetPendingName(i16 i, const std::string& name);
    bool CreateMembers(u8 flag);

    // The passes of the mode window's frame.
    void ForEachUpdate();
    bool UseSkitAt(i16 object, i16 list, i16 skit, u32 key);
    bool UseSpriteAt(i16 object, i16 sprite, u32 key);
    bool IsSpriteInUseAt(i16 object, i16 sprite);
    bool CanActivateSpriteAt(i16 object, i16 sprite, u32 key);
    void RunStates();
    void StatesFrameBegin(u32 tick);
    void StatesUpdate(u32 tick);

    i16 IndexOfName(const std::string& name) const;
    u32 SpriteDurationAt(i16 object, i16 sprite) const;
    u32 SkitDurationAt(i16 object, i16 list, i16 skit) const;
    i16 GetLastIndex() const { return -1; }

    const std::vector<std::string>& GetPendingNames() const { return PendingNames; }
    const std::vector<i16>& GetPendingValues() const { return PendingValues; }
    TJorpMode* GetMode() const { return Mode; }

private:
    bool ReadEntries();

    std::vector<std::string> PendingNames;
    std::vector<i16> PendingValues;
    TJorpMode* Mode;
};
