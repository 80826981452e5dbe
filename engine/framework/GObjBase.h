// TGObjBase: the root of game objects: per-frame hooks, its own state machine, misc data and
// the questions it asks its mode.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>

class TMiscData;
class TModeWindowApi;
class TState;

class TGObjBase : public TJorpBase {
public:
    explicit TGObjBase(TJorpOwner* owner);
    ~TGObjBase() override;

    std::string GetExtension() const override;

    // Virtual operations of game objects, in slot order after those of every engine object.
    // Sets Updated on the first call.
    virtual void Update();
    virtual void ReservedHookA();
    virtual void DeleteState();
    virtual void ReservedHookB();
    // The misc data of that file, read now and not kept; the caller owns it.
    virtual TMiscData* CreateMiscData(const TFileMode& file);

    // The misc data made for the file; a file without a name makes none. True.
    bool LoadMiscData(const TFileMode& file);

    // The per-frame steps of the object's own state; nothing without one.
    void RunState();
    void StateFrameBegin(u32 tick);
    void StateUpdate(u32 tick);

    // The mode's answer: +1 holds, -1 does not, 0 unknown (also without a mode window).
    i32 TestSkitCondition(u16 condition);
    // The index of the mode's game object of that file name; -1 for none, also when the
    // mode has no list or the object no mode window.
    i16 FindGameObject(const std::string& name);

    u8 GetUpdated() const { return Updated; }
    TState* GetOwnState() const { return OwnState.get(); }
    TMiscData* GetMiscData() const { return MiscData.get(); }
    const std::string& GetMiscDataName() const { return MiscDataName; }

protected:
    // Derived game lords make their state and hand it over here; the object deletes it.
    void InstallState(std::unique_ptr<TState> state);
    // The mode window that runs the object, or null (no owner, or an owner that is none).
    TModeWindowApi* GetModeWindow() const;

    u8 Updated = 0;
    std::string MiscDataName;
    std::unique_ptr<TState> OwnState;
    std::unique_ptr<TMiscData> MiscData;
};
