// TAnmImage: an "ANM " 2.0 image read in place, with every frame, row and run checked against its
// bytes once, when it is read.
#pragma once

#include "engine/media/LittleEndian.h"
#include "engine/media/Rect16.h"
#include "platform/host/Types.h"

#include <array>
#include <vector>

// Tag, versions, reserved word, frame count, two unread words and the reference point.
constexpr u32 ANM_HEADER_SIZE = 22;
// Width, height, hotspot and twelve unread bytes, before the row offsets.
constexpr u32 ANM_FRAME_HEADER_SIZE = 20;

// Where one frame differs from another, as bands of rows apart from one another, top first,
// each as wide as its rows differ. A diagonal arm that moves repaints along itself rather than
// the whole box it lies in.
constexpr size_t ANM_CHANGED_PARTS = 8;
struct TAnmChangedParts {
    std::array<TRect16, ANM_CHANGED_PARTS> Rects{};
    u8 Count = 0;
};

struct TAnmFrameInfo {
    i16 Width = 0;
    i16 Height = 0;
    i16 HotX = 0;
    i16 HotY = 0;
    u32 Offset = 0;
    // The header lies inside the image: the frame has a size and a place.
    bool Known = false;
    // Every row and every run lies inside the image: the frame can be drawn.
    bool Drawable = false;
};

class TAnmImage {
public:
    // Reads the frame count and the reference point and checks every frame. False, and
    // nothing kept, when the bytes are shorter than the header and its frame table.
    bool Check(const u8* data, u32 size);
    void Clear();

    u16 GetFrameCount() const { return static_cast<u16>(Frames.size()); }
    u16 GetRefX() const { return RefX; }
    u16 GetRefY() const { return RefY; }
    // The byte count the frames were checked against; an image of any other size is not
    // the one checked and is not drawn from.
    u32 GetCheckedSize() const { return CheckedSize; }
    bool IsChecked() const { return Checked; }
    // Null for a frame outside the count or whose header lies outside the image.
    const TAnmFrameInfo* GetFrame(u16 k) const;
    // Where frame to differs from frame from, both drawn with their top left corners at (0, 0)
    // (empty where they are alike), from the image checked. False when the frames cannot be
    // compared so (not drawable, not of one size, larger than a screen) or when too many pairs
    // are remembered already: the whole picture then counts as changed. Parts, when given,
    // gets the area cut into bands (none where the frames are alike).
    bool ChangedArea(const u8* data, u16 from, u16 to, TRect16& area,
                     TAnmChangedParts* parts = nullptr);

    // Calls visit(x, length, pixels) for each run of one row of a drawable frame, reading
    // the image it was checked against.
    template <class F>
    static void ForEachRun(const u8* data, const TAnmFrameInfo& frame, i32 row, F&& visit) {
        const u32 rowAt = GetLe32(data + frame.Offset + ANM_FRAME_HEADER_SIZE + 4 * row);
        const u16 runs = GetLe16(data + rowAt);
        const u8* table = data + rowAt + 2;
        for (u16 i = 0; i < runs; ++i) {
            const u8* run = data + GetLe32(table + 4 * i);
            visit(static_cast<i16>(GetLe16(run)), GetLe16(run + 2), run + 4);
        }
    }

private:
    // A pair of frames compared already: a picture that loops goes through the same ones
    // again and again.
    struct TChange {
        u16 From;
        u16 To;
        TRect16 Area;
        TAnmChangedParts Parts;
    };

    std::vector<TAnmFrameInfo> Frames;
    std::vector<TChange> Changes;
    u16 RefX = 0;
    u16 RefY = 0;
    u32 CheckedSize = 0;
    bool Checked = false;
};
