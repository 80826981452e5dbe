// TJorpActiveElement and TJorpActiveList: the members of a list in use, keyed by their start tick.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "engine/foundation/Sliq.h"

#include <functional>
#include <string>
#include <vector>

// One use of an object: it is played at the key's tick and dropped once it stops. Deleting
// an element gives the use back and stops the object unless it is stopping already.
class TJorpActiveElement {
public:
    TJorpActiveElement();
    // Takes no use of the object.
    TJorpActiveElement(TJorpBase* object, u8 active);
    // Active, and acquires the object with the key.
    TJorpActiveElement(TJorpBase* object, u32 key);
    virtual ~TJorpActiveElement();
    TJorpActiveElement(const TJorpActiveElement&) = delete;
    TJorpActiveElement& operator=(const TJorpActiveElement&) = delete;

    void PostTick(u32 tick);
    // Stops (unless stopping) and releases the object and lets it go; the element ends
    // inactive with no object.
    void Finish();

    u8 Active = 0;
    TJorpBase* Object = nullptr;
    u32 Key = 0;
};

// The elements are the list's own. Walks over them may run inside one another (an object
// played by one walk may drop another object's use); a removed element is finished at once
// (its object stopped and released) but unlinked and deleted only when no walk is under way,
// so no walk ever steps onto a deleted element.
class TJorpActiveList : public TSliq {
public:
    TJorpActiveList(TJorpOwner* owner, const std::string& name);
    ~TJorpActiveList() override;

    // Virtual operations of active lists, in slot order after the destructor.
    virtual TJorpActiveElement* NewElement(TJorpBase* object, u32 key);
    virtual TJorpActiveElement* NewEmptyElement();
    virtual void Tick(u32 tick);
    virtual void PostTick(u32 tick);

    bool AddElement(TJorpBase* object, u32 key);
    // The first element from the head (the newest) that stands for the object.
    TJorpActiveElement* FindElement(const TJorpBase* object);
    bool RemoveElement(TJorpActiveElement* element);
    void RemoveObject(TJorpBase* object);
    // Every element of the object, as when the object goes away.
    void RemoveAllOf(TJorpBase* object);
    void PurgeInactive();
    bool IsActive(const TJorpBase* object);
    bool AnyRunning();
    void SortByKey();

    // Calls the function for every element, head first, as a walk that survives removals.
    void ForEachElement(const std::function<void(TJorpActiveElement&)>& visit);

    const std::string& GetName() const { return Name; }
    TJorpOwner* GetOwner() const { return Owner; }

private:
    class TWalk;
    // Finishes an element now; it is unlinked and deleted when the last walk ends.
    void Discard(TJorpActiveElement* element);
    void DropRetired();

    std::string Name;
    TJorpOwner* Owner;
    i16 WalkDepth = 0;
    std::vector<TJorpActiveElement*> Retired;
};
