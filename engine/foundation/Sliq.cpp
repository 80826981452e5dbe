// TSliq: doubly linked list of pointer-sized values with a node pool, a walk and a sort.
#include "engine/foundation/Sliq.h"

#include <cstddef>
#include <new>

namespace {

constexpr i16 MaxCount = 32767;

// Runs of this many values or fewer are put in order by insertion alone, so a short list
// sorts exactly as a plain insertion sort would, even with an inconsistent compare.
constexpr i32 InsertionRun = 20;

// Stable: a value moves in front of an earlier one only when the compare says exactly -1.
void InsertionSort(void** values, i32 count, TSliqCompare compare) {
    for (i32 i = 1; i < count; ++i) {
        void* moving = values[i];
        i32 j = i;
        while (j > 0 && compare(moving, values[j - 1]) == -1) {
            values[j] = values[j - 1];
            --j;
        }
        values[j] = moving;
    }
}

// Merges the sorted runs [lo, mid) and [mid, hi) of from into to. Taking from the right run
// only on an exact -1 keeps equal values in their original order.
void Merge(void** from, void** to, i32 lo, i32 mid, i32 hi, TSliqCompare compare) {
    i32 left = lo;
    i32 right = mid;
    i32 out = lo;
    while (left < mid && right < hi) {
        if (compare(from[right], from[left]) == -1) {
            to[out++] = from[right++];
        } else {
            to[out++] = from[left++];
        }
    }
    while (left < mid) {
        to[out++] = from[left++];
    }
    while (right < hi) {
        to[out++] = from[right++];
    }
}

} // namespace

i32 TSliq::CompareNone(const void*, const void*) {
    return 0;
}

TSliq::TSliq(bool allowDuplicates, bool ownValues)
    : OwnValues(ownValues ? 1 : 0), AllowDuplicates(allowDuplicates ? 1 : 0) {}

TSliq::~TSliq() {
    while (Head) {
        RemoveHead();
    }
    Head = nullptr;
    Tail = nullptr;
    Cursor = nullptr;
    Count = 0;
    Compare = nullptr;
    Forward = 1;
    while (Pool) {
        TSliqNode* next = Pool->Next;
        delete Pool;
        Pool = next;
    }
}

void TSliq::SetCompare(TSliqCompare compare) {
    Compare = compare ? compare : &TSliq::CompareNone;
}

TSliqNode* TSliq::TakeNode(void* value) {
    // The count is 16 bits; a list that full takes no more, as if memory had run out.
    if (Count >= MaxCount) {
        return nullptr;
    }
    TSliqNode* node = Pool;
    if (node) {
        Pool = node->Next;
    } else {
        node = new (std::nothrow) TSliqNode;
        if (!node) {
            return nullptr;
        }
    }
    node->Value = value;
    node->Next = nullptr;
    node->Prev = nullptr;
    return node;
}

void TSliq::ReleaseNode(TSliqNode* node) {
    if (Pooling) {
        node->Value = nullptr;
        node->Prev = nullptr;
        node->Next = Pool;
        Pool = node;
    } else {
        delete node;
    }
}

TSliqNode* TSliq::NodeAt(i16 index) const {
    if (index < 0 || index >= Count) {
        return nullptr;
    }
    TSliqNode* node = Head;
    for (i16 i = 0; i < index && node; ++i) {
        node = node->Next;
    }
    return node;
}

TSliqNode* TSliq::FindNode(const void* value) const {
    for (TSliqNode* node = Head; node; node = node->Next) {
        if (node->Value == value) {
            return node;
        }
    }
    return nullptr;
}

bool TSliq::Contains(const void* value) const {
    return FindNode(value) != nullptr;
}

bool TSliq::AddHead(void* value) {
    if (!AllowDuplicates && Contains(value)) {
        return false;
    }
    TSliqNode* node = TakeNode(value);
    if (!node) {
        return false;
    }
    if (!Head) {
        Head = Tail = node;
    } else {
        node->Next = Head;
        Head->Prev = node;
        Head = node;
    }
    ++Count;
    return true;
}

bool TSliq::AddTail(void* value) {
    if (!AllowDuplicates && Contains(value)) {
        return false;
    }
    TSliqNode* node = TakeNode(value);
    if (!node) {
        return false;
    }
    if (!Tail) {
        Head = Tail = node;
    } else {
        node->Prev = Tail;
        Tail->Next = node;
        Tail = node;
    }
    ++Count;
    return true;
}

bool TSliq::InsertAt(i16 index, void* value) {
    if (index == 0) {
        return AddHead(value);
    }
    // Inner positions only: InsertAt never appends, and skips the duplicate test.
    TSliqNode* at = NodeAt(index);
    if (!at) {
        return false;
    }
    TSliqNode* node = TakeNode(value);
    if (!node) {
        return false;
    }
    node->Prev = at->Prev;
    node->Next = at;
    at->Prev->Next = node;
    at->Prev = node;
    ++Count;
    return true;
}

void TSliq::Unlink(TSliqNode* node, bool markRestart) {
    if (node == Cursor) {
        Cursor = Forward ? node->Prev : node->Next;
        if (!Cursor && markRestart) {
            RestartMark = 1;
        }
    }
    if (node->Prev) {
        node->Prev->Next = node->Next;
    } else {
        Head = node->Next;
    }
    if (node->Next) {
        node->Next->Prev = node->Prev;
    } else {
        Tail = node->Prev;
    }
    if (Count > 0) {
        --Count;
    }
    ReleaseNode(node);
}

void* TSliq::RemoveHead() {
    if (!Head) {
        return nullptr;
    }
    void* value = Head->Value;
    Unlink(Head, false);
    return value;
}

void* TSliq::RemoveTail() {
    if (!Tail) {
        return nullptr;
    }
    void* value = Tail->Value;
    Unlink(Tail, false);
    return value;
}

bool TSliq::Remove(const void* value) {
    if (!value) {
        return false;
    }
    TSliqNode* node = FindNode(value);
    if (!node) {
        return false;
    }
    Unlink(node, true);
    return true;
}

void* TSliq::GetAt(i16 index) const {
    TSliqNode* node = NodeAt(index);
    return node ? node->Value : nullptr;
}

void* TSliq::RemoveAt(i16 index) {
    if (index < 0 || index >= Count) {
        return nullptr;
    }
    if (index == 0) {
        return RemoveHead();
    }
    if (index == Count - 1) {
        return RemoveTail();
    }
    // An inner node may be under a walk: treat it as Remove does, so the walk goes on.
    TSliqNode* node = NodeAt(index);
    void* value = node->Value;
    Unlink(node, true);
    return value;
}

bool TSliq::Sort() {
    if (Count <= 0) {
        return true;
    }
    const i32 count = Count;
    void** values = new (std::nothrow) void*[static_cast<std::size_t>(count) * 2];
    if (!values) {
        return false;
    }
    void** spare = values + count;
    i32 filled = 0;
    for (TSliqNode* node = Head; node && filled < count; node = node->Next) {
        values[filled++] = node->Value;
    }

    for (i32 lo = 0; lo < filled; lo += InsertionRun) {
        const i32 len = filled - lo < InsertionRun ? filled - lo : InsertionRun;
        InsertionSort(values + lo, len, Compare);
    }
    void** from = values;
    void** to = spare;
    for (i32 width = InsertionRun; width < filled; width *= 2) {
        for (i32 lo = 0; lo < filled; lo += 2 * width) {
            const i32 mid = lo + width < filled ? lo + width : filled;
            const i32 hi = lo + 2 * width < filled ? lo + 2 * width : filled;
            Merge(from, to, lo, mid, hi, Compare);
        }
        void** swap = from;
        from = to;
        to = swap;
    }

    // The nodes keep their places; only the values they hold change.
    i32 i = 0;
    for (TSliqNode* node = Head; node && i < filled; node = node->Next) {
        node->Value = from[i++];
    }
    delete[] values;
    return true;
}

void* TSliq::WalkStart() {
    RestartMark = 0;
    Cursor = Forward ? Head : Tail;
    return WalkValue();
}

void* TSliq::WalkNext() {
    if (RestartMark) {
        RestartMark = 0;
        Cursor = Forward ? Head : Tail;
    } else if (!Cursor) {
        return nullptr;
    } else {
        Cursor = Forward ? Cursor->Next : Cursor->Prev;
    }
    return WalkValue();
}
