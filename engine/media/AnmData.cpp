// TAnmData: construction, copies and the position sum.
#include "engine/media/AnmData.h"

namespace {

i16 Sum16(i16 a, i16 b) {
    return static_cast<i16>(static_cast<u16>(static_cast<u16>(a) + static_cast<u16>(b)));
}

} // namespace

TAnmData::TAnmData() {
    Flags =
        ANMD_ANCHOR_FROM_FILE | ANMD_RESET_RANGE | ANMD_LEAVE_WHEN_STOPPED | ANMD_FRAME_PER_TICK;
}

TAnmData::TAnmData(i16 x, i16 y, i16 z, u16 start, u16 last, u16 current, i32 direction,
                   bool resetRange, bool leaveWhenStopped, bool framePerTick)
    : TGrData(x, y, z, true), StartFrame(start), LastFrame(last), CurrentFrame(current),
      Direction(direction) {
    SetFlag(ANMD_RESET_RANGE, resetRange);
    SetFlag(ANMD_LEAVE_WHEN_STOPPED, leaveWhenStopped);
    SetFlag(ANMD_FRAME_PER_TICK, framePerTick);
}

TAnmData::TAnmData(const TAnmData& other)
    : TGrData(other), StartFrame(other.StartFrame), LastFrame(other.LastFrame),
      CurrentFrame(other.CurrentFrame), Direction(other.Direction) {
    Flags = other.Flags;
}

TAnmData& TAnmData::operator=(const TAnmData& other) {
    if (this == &other)
        return *this;
    TGrData::operator=(other);
    Flags = other.Flags;
    StartFrame = other.StartFrame;
    LastFrame = other.LastFrame;
    CurrentFrame = other.CurrentFrame;
    Direction = other.Direction;
    UpdatePosition();
    return *this;
}

void TAnmData::UpdatePosition() {
    Position = {Sum16(Base.x, Offset.x), Sum16(Base.y, Offset.y), Sum16(Base.z, Offset.z)};
}

void TAnmData::SetOffset(const TGrPoint& offset) {
    Offset = offset;
    UpdatePosition();
}

void TAnmData::SetFlag(u16 flag, bool on) {
    Flags = static_cast<u16>(on ? (Flags | flag) : (Flags & ~flag));
}
