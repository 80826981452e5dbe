// TJorpList: the engine's growable array of engine objects, itself an engine object.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "engine/foundation/JorpProgress.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>
#include <vector>

class TJorpList;

// Makes the gauge window a list shows its loading progress in when its owner has none.
// The framework installs one; the caller owns what it returns (null for nothing).
using TJorpGaugeFactory = TJorpProgress* (*)(TJorpList& list, TJorpOwner* owner,
                                             const std::string& caption);

// Members sit in places 0 to the last index; a place may be empty (null). The place
// numbers are 16-bit throughout the engine, so a list never has more than 32767 places.
class TJorpList : public TJorpBase {
public:
    static constexpr i16 MAX_PLACES = 0x7FFF;

    TJorpList();
    explicit TJorpList(TJorpOwner* owner);
    TJorpList(TJorpOwner* owner, int unused, const TFileMode& mode);
    ~TJorpList() override;

    // Forwarding to the members.
    void Prepare() override;
    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    void Play(u32 tick) override;
    void Start() override;
    void Stop() override;
    void Show() override;
    void Hide() override;
    void Acquire(u32 key) override;
    void Release() override;

    // Virtual operations of lists, in slot order after those of every engine object.
    virtual void SortByName();
    virtual TJorpProgress* StartGauge(const std::string& caption);
    virtual TJorpProgress* CreateGauge(const std::string& caption);
    virtual void EndGauge(TJorpProgress* gauge);
    virtual bool Add(TJorpBase* member);
    virtual i16 GetGrowStep() const;
    // The member's index, or -1 when it could not be added (the caller keeps it then).
    virtual i16 AddGetIndex(TJorpBase* member);
    virtual bool RemoveAt(i16 index);
    virtual i16 IndexOfName(const std::string& name) const;
    virtual bool IsInUseAt(i16 index);
    virtual bool IsInUse(TJorpBase* member);
    virtual bool UseAt(i16 index, u32 key);
    virtual bool Use(TJorpBase* member, u32 key);
    virtual void UnuseAt(i16 index);
    virtual void Unuse(TJorpBase* member);
    virtual u32 GetLastExtent() const;

    TJorpBase* FindByName(const std::string& name) const;
    i16 IndexOf(const std::string& name) const;
    bool Grow(i16 n);
    void DeleteAll();
    void SetMemberFileModes(u8 first, u8 second);
    void SetMembersStartDelay(i16 value);

    // The member at a place, or null for an empty place or one outside 0..last index.
    TJorpBase* GetAt(i16 index) const;
    i16 GetLastIndex() const { return LastIndex; }
    i16 GetCount() const { return static_cast<i16>(LastIndex + 1); }
    i16 GetCapacity() const { return Capacity; }
    bool IsSorted() const { return HasFlags(JOF_SORTED); }

    // Installed by the framework; without one a list reports to a reporter that shows nothing.
    static void SetGaugeFactory(TJorpGaugeFactory factory);

protected:
    // Called before a member leaves the list through RemoveAt or DeleteAll, while it still
    // lives, so that a subclass can drop what it holds on the member.
    virtual void MemberLeaving(TJorpBase*) {}

    std::unique_ptr<TJorpBase*[]> Members;
    i16 Capacity = 0;
    i16 LastIndex = -1;

private:
    // The binary search of a sorted list; -1 when it misses.
    i16 SearchSorted(const std::string& name) const;
    i16 SearchLinear(const std::string& name) const;

    // The gauges this list made for itself, deleted again by EndGauge or with the list.
    std::vector<std::unique_ptr<TJorpProgress>> OwnGauges;
};
