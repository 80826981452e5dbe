// TJorpListWAL: a list whose members take part in the frame only while they are in use.
#pragma once

#include "engine/foundation/JorpActiveList.h"
#include "engine/foundation/JorpList.h"

#include <memory>
#include <string>
#include <vector>

// Using a member puts an element for it into one of the active lists, keyed by the tick at
// which it is to start; the frame passes go to the active lists, not to the members.
class TJorpListWAL : public TJorpList {
public:
    explicit TJorpListWAL(TJorpOwner* owner);
    ~TJorpListWAL() override;

    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    bool IsInUse(TJorpBase* member) override;
    bool UseAt(i16 index, u32 key) override;
    bool Use(TJorpBase* member, u32 key) override;
    void Unuse(TJorpBase* member) override;

    // Virtual operations of these lists, in slot order after those of lists.
    virtual bool CanActivateAt(i16 index, u32 key);
    virtual bool CanActivate(TJorpBase* member, u32 key);
    virtual i16 GetActiveListIndex(TJorpBase* member);
    virtual TJorpActiveList* NewActiveList(const std::string& name);

    bool AddActiveList(const std::string& name);
    i16 GetActiveListCount() const { return static_cast<i16>(ActiveLists.size()); }
    // The active list of that number, or null.
    TJorpActiveList* GetActiveList(i16 index) const;

protected:
    // A member leaving the list takes its elements with it first.
    void MemberLeaving(TJorpBase* member) override;

private:
    TJorpActiveList* ActiveListOf(TJorpBase* member);

    std::vector<std::unique_ptr<TJorpActiveList>> ActiveLists;
};
