// TAnmData: where an animation stands and which of its frames it shows and steps through.
#pragma once

#include "engine/media/Gr.h"

// Frame-data flags.
constexpr u16 ANMD_ANCHOR_FROM_FILE = 0x1;   // the base point comes from the file's reference
constexpr u16 ANMD_RESET_RANGE = 0x2;        // the frame range is worked out again at each start
constexpr u16 ANMD_LEAVE_WHEN_STOPPED = 0x4; // a stopped animation leaves the screen
constexpr u16 ANMD_FRAME_PER_TICK = 0x8;     // one frame further at every tick

// Play directions.
constexpr i32 ANM_FORWARD = 1;
constexpr i32 ANM_BACKWARD = -1;
constexpr i32 ANM_HOLD = 0;

class TAnmData : public TGrData {
public:
    // Every flag set, frames 0 to 0xFFFF, forward.
    TAnmData();
    // Base point (x, y, z), offset and position 0; the anchor flag is always set.
    TAnmData(i16 x, i16 y, i16 z, u16 start, u16 last, u16 current, i32 direction, bool resetRange,
             bool leaveWhenStopped, bool framePerTick);
    // Every field, as it is.
    TAnmData(const TAnmData& other);
    // Every field, with the position worked out again from base point and offset.
    TAnmData& operator=(const TAnmData& other);

    // Position := base point + offset, each coordinate a 16-bit sum.
    void UpdatePosition();
    void SetOffset(const TGrPoint& offset);
    bool Has(u16 flag) const { return (Flags & flag) != 0; }
    void SetFlag(u16 flag, bool on);

    u16 StartFrame = 0;
    u16 LastFrame = 0xFFFF;
    u16 CurrentFrame = 0;
    i32 Direction = ANM_FORWARD;
};
