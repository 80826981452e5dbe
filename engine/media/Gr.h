// TGrDrawData, TGr, TGrList and TGrData: what can be drawn into a surface's back buffer.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "engine/foundation/Sliq.h"
#include "engine/media/Rect16.h"

#include <array>
#include <cstddef>

class TJorpDC;
class TJorpRectList;
class TJorpVideo;

// Drawing-state flags.
constexpr u16 GRD_CHANGED = 0x2;  // its areas must be repainted
constexpr u16 GRD_TOP_DOWN = 0x4; // pixel rows stored top row first
constexpr u16 GRD_WRITABLE = 0x8; // an uncompressed 8-bit DIB: its bits can be read and drawn
constexpr u16 GRD_PART = 0x10;    // with GRD_CHANGED: only the area Changed within it

// How many separate changed areas a graphic standing still keeps; more become their box.
constexpr size_t GR_CHANGED_PARTS = 8;

// The engine-object flag a graphic uses while it is in a surface's graphics list.
constexpr u16 GRF_IN_LIST = 0x0400;

struct TGrDrawData {
    TGrDrawData() = default;
    TGrDrawData(const TRect16& rect, i16 z, u8* bits, bool writable, bool topDown);
    TGrDrawData(i16 left, i16 top, i16 right, i16 bottom, i16 z, u8* bits, bool writable,
                bool topDown)
        : TGrDrawData(TRect16{left, top, right, bottom}, z, bits, writable, topDown) {}

    bool Has(u16 flag) const { return (Flags & flag) != 0; }

    u16 Flags = GRD_CHANGED;
    // Pixels of a DIB graphic, not owned.
    u8* Bits = nullptr;
    TRect16 PrevRect;
    TRect16 Rect;
    // Where the picture changed while it stood still (GRD_PART), on the screen: the box, and
    // the areas within it that are repainted.
    TRect16 Changed;
    std::array<TRect16, GR_CHANGED_PARTS> ChangedParts{};
    u8 ChangedCount = 0;
    i16 Z = 0;
    // The frame index last selected (animations).
    u16 Frame = 0;
};

class TGr : public TJorpBase {
public:
    explicit TGr(TJorpOwner* owner);
    ~TGr() override;

    // Draws into the bitmap selected in the DC, clipped to the rectangle; true when it drew.
    virtual bool Draw(TJorpDC& dc, const TRect16& rect);

    // Joins the graphics list of the surface of the owner's screen manager; false when the
    // owner has no surface or the list is full. Already in: true.
    bool AddToVideo();
    // Leaves the surface it joined, which repaints its old area next frame. Not in: true.
    bool RemoveFromVideo();
    bool IsInVideo() const { return HasFlags(GRF_IN_LIST); }
    // The surface it is in, or null.
    TJorpVideo* GetVideo() const { return Video; }

    // A new screen rectangle. Within one frame the previous rectangle stays the one last
    // painted, however often the graphic moves.
    void SetRect(const TRect16& rect);
    // The picture changed where it stands.
    void MarkChanged();
    // The picture changed only within the area (on the screen, inside its rectangle); a move
    // or a change of the whole picture since the last frame outweighs it.
    void MarkChangedWithin(const TRect16& area);
    // The same for several areas at once (empty ones count for nothing).
    void MarkChangedWithin(const TRect16* areas, size_t count);
    void SetZ(i16 z) {
        DrawData.Z = z;
        DrawStateTouched();
    }

    const TGrDrawData& GetDrawData() const { return DrawData; }
    const TRect16& GetRect() const { return DrawData.Rect; }
    i16 GetZ() const { return DrawData.Z; }
    bool IsChanged() const { return DrawData.Has(GRD_CHANGED); }

protected:
    // The rectangle, depth, change mark or surface changed: a graphic that skips passes while
    // nothing changes looks again.
    virtual void DrawStateTouched() {}

    TGrDrawData DrawData;

private:
    void AddChangedPart(const TRect16& area);

    friend class TJorpVideo;
    friend class TGrList;
    // Kept so that leaving never depends on the owner, its mode or its screen manager still
    // being there; the surface clears it when it goes first.
    TJorpVideo* Video = nullptr;
};

// The surface's graphics, not owned, in z order once sorted.
class TGrList : public TSliq {
public:
    TGrList();
    // Ascending z unless asked otherwise; equal z keep their order.
    bool Sort(bool descending = false);
    // Every changed graphic's previous and then current rectangle, in list order.
    bool CollectDirty(TJorpRectList& list);
    void ClearDirty();
    // The same rectangles into both lists, and the change marks cleared, in one walk: a frame
    // takes them so every time, over every graphic on the surface. True when the walk found
    // the list in ascending z already, as Sort would leave it.
    bool TakeDirty(TJorpRectList& first, TJorpRectList& second);

    TGr* First() { return static_cast<TGr*>(WalkStart()); }
    TGr* Next() { return static_cast<TGr*>(WalkNext()); }

private:
    static i32 CompareZ(const void* a, const void* b);
    static i32 CompareZDescending(const void* a, const void* b);
};

struct TGrPoint {
    i16 x = 0;
    i16 y = 0;
    i16 z = 0;
    friend constexpr bool operator==(const TGrPoint&, const TGrPoint&) = default;
};

// A position record of the animations' frame data: base point, offset and their sum where
// the owner keeps it so.
constexpr u16 GRDATA_KEEP = 0x1;

class TGrData {
public:
    TGrData() = default;
    TGrData(const TGrPoint& base, const TGrPoint& offset, const TGrPoint& position, bool keep)
        : Base(base), Offset(offset), Position(position), Flags(keep ? GRDATA_KEEP : 0) {}
    TGrData(i16 x, i16 y, i16 z, bool keep) : Base{x, y, z}, Flags(keep ? GRDATA_KEEP : 0) {}
    TGrData(const TGrData& other)
        : Base(other.Base), Offset(other.Offset), Position(other.Position),
          Flags(static_cast<u16>(other.Flags & GRDATA_KEEP)) {}
    TGrData& operator=(const TGrData& other) {
        Base = other.Base;
        Offset = other.Offset;
        Position = other.Position;
        Flags = static_cast<u16>(other.Flags & GRDATA_KEEP);
        return *this;
    }
    virtual ~TGrData() = default;

    TGrPoint Base;
    TGrPoint Offset;
    TGrPoint Position;
    u16 Flags = GRDATA_KEEP;
};
