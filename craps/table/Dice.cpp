// TCDice and TCBigDice: reading the die pictures and choosing the frame each shows.
#include "craps/table/Dice.h"

#include "craps/table/StillSprite.h"
#include "engine/media/Anm.h"

TCDice::TCDice(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TCDice::TCDice(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TCDice::~TCDice() = default;

void TCDice::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    Init();
}

void TCDice::Init() {
    Picture = &still_sprite::PinnedMember(*this, 0, "CDice", "Dice", 0);
}

void TCDice::Reset() {
    still_sprite::ShowFrame(*this, *Picture, 0);
}

TCBigDice::TCBigDice(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TCBigDice::TCBigDice(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TCBigDice::~TCBigDice() = default;

void TCBigDice::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    Init();
}

void TCBigDice::Init() {
    Picture = &still_sprite::PinnedMember(*this, 0, "Ask Expert", "bigdice", 0);
}

void TCBigDice::SetFrame(i16 face) {
    if (Picture == nullptr)
        return;
    if (face < 0 || face >= FaceCount) {
        Hide();
        return;
    }
    still_sprite::ShowFrame(*this, *Picture, static_cast<u16>(face));
}
