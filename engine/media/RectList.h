// TJorpRectList, TRectMergeList, TRectNoOverlapList: the screen areas a frame redraws.
#pragma once

#include "engine/foundation/Sliq.h"
#include "engine/media/Rect16.h"

#include <memory>

// The rectangles are the list's own heap copies; callers never see their own rectangle
// changed. A list made with bounds clips what it merges or splits to them.
class TJorpRectList : public TSliq {
public:
    TJorpRectList();
    explicit TJorpRectList(const TRect16& bounds);
    ~TJorpRectList() override;

    // The plain list keeps every rectangle as given, empty ones included.
    virtual bool Add(const TRect16& rect);
    // Takes out the first rectangle equal in all four values; false when there is none.
    bool Remove(const TRect16& rect);
    void Clear();
    bool AddAll(TJorpRectList& source);
    // The bounding box of every rectangle; all 0 for an empty list.
    TRect16 GetBounds() const;

    // The walk in list order; null when it has ended.
    const TRect16* First() { return static_cast<const TRect16*>(WalkStart()); }
    const TRect16* Next() { return static_cast<const TRect16*>(WalkNext()); }

    // Removed and cleared rectangles go to the spare list and new ones come from it; without
    // one they are freed and allocated. The list does not own the spare list's node storage, only
    // the rectangles in it.
    void SetSpareList(TSliq* spare) { Spare = spare; }
    bool HasBounds() const { return BoundsSet != 0; }
    const TRect16& GetBoundsRect() const { return Bounds; }

protected:
    bool Append(const TRect16& rect);
    // Unlinks the first rectangle equal to this one and recycles it.
    bool Drop(const TRect16& rect);
    // The first rectangle that strictly overlaps, or null.
    const TRect16* FindOverlap(const TRect16& rect) const;

private:
    TRect16* NewRect(const TRect16& rect);
    void Recycle(TRect16* rect);

    TRect16 Bounds;
    u8 BoundsSet = 0;
    TSliq* Spare = nullptr;
};

// Overlapping rectangles become their union.
class TRectMergeList : public TJorpRectList {
public:
    using TJorpRectList::TJorpRectList;
    bool Add(const TRect16& rect) override;
};

// A new rectangle is cut into pieces that overlap nothing already in the list.
class TRectNoOverlapList : public TJorpRectList {
public:
    using TJorpRectList::TJorpRectList;
    bool Add(const TRect16& rect) override;

private:
    void Insert(const TRect16& piece);
};

// The surface's policy numbers: 0 merge, 1 no-overlap, anything else plain.
std::unique_ptr<TJorpRectList> NewRectList(i32 policy);
