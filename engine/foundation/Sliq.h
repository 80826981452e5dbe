// TSliq: doubly linked list of pointer-sized values with a node pool, a walk and a sort.
#pragma once

#include "platform/host/Types.h"

// Orders two values for Sort: -1 when a goes before b, 1 when after, 0 when equal.
// Any other result counts as "not before".
using TSliqCompare = i32 (*)(const void* a, const void* b);

struct TSliqNode {
    void* Value;
    TSliqNode* Next;
    TSliqNode* Prev;
};

// The values are pointers the list never owns (a subclass may delete them when OwnValues is
// set); a null value reads as "nothing", so null is not a useful value to store. The walk
// fields stay open to subclasses: the active, bucket and responder lists step through them
// directly while they remove elements under the walk.
class TSliq {
public:
    TSliq(bool allowDuplicates, bool ownValues);
    virtual ~TSliq();

    TSliq(const TSliq&) = delete;
    TSliq& operator=(const TSliq&) = delete;

    bool Contains(const void* value) const;
    bool AddHead(void* value);
    bool AddTail(void* value);
    bool InsertAt(i16 index, void* value);
    void* RemoveHead();
    void* RemoveTail();
    bool Remove(const void* value);
    void* GetAt(i16 index) const;
    void* RemoveAt(i16 index);
    bool Sort();

    void SetCompare(TSliqCompare compare);
    i16 GetCount() const { return Count; }
    bool IsEmpty() const { return Count == 0; }
    bool OwnsValues() const { return OwnValues != 0; }

    // The walk. WalkStart and WalkNext return the value under the cursor, or null when the
    // walk has ended. Removing the cursor's value during a walk is safe: the next WalkNext
    // continues with the value that followed it.
    void SetForward(bool forward) { Forward = forward ? 1 : 0; }
    bool IsForward() const { return Forward != 0; }
    void* WalkStart();
    void* WalkNext();
    void* WalkValue() const { return Cursor ? Cursor->Value : nullptr; }

    static i32 CompareNone(const void* a, const void* b);

protected:
    TSliqNode* Pool = nullptr;
    u8 RestartMark = 0;
    u8 OwnValues;
    u8 Pooling = 1;
    TSliqCompare Compare = &TSliq::CompareNone;
    u8 AllowDuplicates;
    TSliqNode* Head = nullptr;
    TSliqNode* Tail = nullptr;
    TSliqNode* Cursor = nullptr;
    i16 Count = 0;
    u8 Forward = 1;

private:
    TSliqNode* TakeNode(void* value);
    void ReleaseNode(TSliqNode* node);
    TSliqNode* NodeAt(i16 index) const;
    TSliqNode* FindNode(const void* value) const;
    // Unlinks a node. When it is the cursor's, the cursor steps back against the walk
    // direction; with nowhere to step, the restart mark is set if asked for.
    void Unlink(TSliqNode* node, bool markRestart);
};
