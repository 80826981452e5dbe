// The three rectangle lists: plain, merging and non-overlapping.
#include "engine/media/RectList.h"

TJorpRectList::TJorpRectList() : TSliq(true, false) {}

TJorpRectList::TJorpRectList(const TRect16& bounds)
    : TSliq(true, false), Bounds(bounds), BoundsSet(1) {}

TJorpRectList::~TJorpRectList() {
    Clear();
    if (Spare != nullptr)
        while (!Spare->IsEmpty())
            delete static_cast<TRect16*>(Spare->RemoveHead());
}

TRect16* TJorpRectList::NewRect(const TRect16& rect) {
    if (Spare != nullptr && !Spare->IsEmpty()) {
        auto* reused = static_cast<TRect16*>(Spare->RemoveHead());
        *reused = rect;
        return reused;
    }
    return new TRect16(rect);
}

void TJorpRectList::Recycle(TRect16* rect) {
    if (Spare != nullptr && Spare->AddTail(rect))
        return;
    delete rect;
}

bool TJorpRectList::Append(const TRect16& rect) {
    TRect16* copy = NewRect(rect);
    if (AddTail(copy))
        return true;
    // A list at its 16-bit count limit takes no more.
    delete copy;
    return false;
}

bool TJorpRectList::Add(const TRect16& rect) {
    Append(rect);
    return true;
}

bool TJorpRectList::Drop(const TRect16& rect) {
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        auto* r = static_cast<TRect16*>(node->Value);
        if (*r == rect) {
            TSliq::Remove(r);
            Recycle(r);
            return true;
        }
    }
    return false;
}

bool TJorpRectList::Remove(const TRect16& rect) {
    return Drop(rect);
}

void TJorpRectList::Clear() {
    while (!IsEmpty())
        Recycle(static_cast<TRect16*>(RemoveHead()));
}

bool TJorpRectList::AddAll(TJorpRectList& source) {
    // The source's own walk is left alone, so a list may take in another under its walk.
    for (TSliqNode* node = source.Head; node != nullptr; node = node->Next)
        Add(*static_cast<const TRect16*>(node->Value));
    return true;
}

TRect16 TJorpRectList::GetBounds() const {
    if (Head == nullptr)
        return {};
    TRect16 box = *static_cast<const TRect16*>(Head->Value);
    for (TSliqNode* node = Head->Next; node != nullptr; node = node->Next)
        box = box.Union(*static_cast<const TRect16*>(node->Value));
    return box;
}

const TRect16* TJorpRectList::FindOverlap(const TRect16& rect) const {
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        const auto* r = static_cast<const TRect16*>(node->Value);
        if (r->Overlaps(rect))
            return r;
    }
    return nullptr;
}

bool TRectMergeList::Add(const TRect16& rect) {
    TRect16 copy = HasBounds() ? rect.Intersect(GetBoundsRect()) : rect;
    if (copy.IsEmpty())
        return true;
    // Each union swallows one member, so the walk restarts at most once per member.
    while (const TRect16* hit = FindOverlap(copy)) {
        if (*hit == copy)
            return true;
        const TRect16 member = *hit;
        copy = copy.Union(member);
        Drop(member);
    }
    Append(copy);
    return true;
}

bool TRectNoOverlapList::Add(const TRect16& rect) {
    const TRect16 copy = HasBounds() ? rect.Intersect(GetBoundsRect()) : rect;
    if (copy.IsEmpty())
        return true;
    Insert(copy);
    return true;
}

void TRectNoOverlapList::Insert(const TRect16& n) {
    if (n.IsEmpty())
        return;
    const TRect16* hit = FindOverlap(n);
    if (hit == nullptr) {
        Append(n);
        return;
    }
    // The part inside the member is already covered; up to four pieces lie around it.
    const TRect16 i = n.Intersect(*hit);
    if (n.top < i.top)
        Insert({n.left, n.top, n.right, i.top});
    if (n.left < i.left)
        Insert({n.left, i.top, i.left, i.bottom});
    if (n.right > i.right)
        Insert({i.right, i.top, n.right, i.bottom});
    if (n.bottom > i.bottom)
        Insert({n.left, i.bottom, n.right, n.bottom});
}

std::unique_ptr<TJorpRectList> NewRectList(i32 policy) {
    switch (policy) {
    case 0:
        return std::make_unique<TRectMergeList>();
    case 1:
        return std::make_unique<TRectNoOverlapList>();
    default:
        return std::make_unique<TJorpRectList>();
    }
}
