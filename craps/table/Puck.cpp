// TCPuck: reading the puck's picture and turning it on or off.
#include "craps/table/Puck.h"

#include "craps/table/StillSprite.h"
#include "engine/media/Anm.h"

TCPuck::TCPuck(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TCPuck::TCPuck(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TCPuck::~TCPuck() = default;

void TCPuck::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    Init();
}

void TCPuck::Init() {
    Picture = &still_sprite::PinnedMember(*this, 0, "CPuck", "Puck", 0);
}

u16 TCPuck::FrameOfPoint(i16 point) {
    // By sum index 0 to 8: the 7 (index 5) and the craps and eleven totals are no point.
    constexpr u16 frames[9] = {0, 0, 1, 2, 3, 0, 4, 5, 6};
    return point >= 0 && point < 9 ? frames[point] : u16{0};
}

void TCPuck::SetPoint(i16 point) {
    still_sprite::ShowFrame(*this, *Picture, FrameOfPoint(point));
}
