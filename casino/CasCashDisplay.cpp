// TCasCashDisplay: reading and pinning the display's digits, and laying out its amount.
#include "casino/CasCashDisplay.h"

#include "engine/media/Anm.h"

TCasCashDisplay::TCasCashDisplay(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TCasCashDisplay::TCasCashDisplay(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TCasCashDisplay::~TCasCashDisplay() = default;

void TCasCashDisplay::Build() {
    ReadDriven(Address);
    Address = {};
    Amounts[0] = TMoney();
    Amounts[1] = TMoney();
    Hide();
    BindDigits();
    DueTick = 0;
    Pending = 0;
}

void TCasCashDisplay::BindDigits() {
    Amount.Bind(*this, "CasCashDisplay");
}

void TCasCashDisplay::Tick(u32 tick) {
    if (Pending != 0 && tick >= DueTick) {
        Pending = 0;
        DueTick = 0;
    }
    TSprite::Tick(tick);
}

void TCasCashDisplay::SetAmount(TMoney amount, i32) {
    for (int k = 0; k < TCasAmountLayout::PlaceCount; ++k)
        GetPlace(k)->GetCurrentData().CurrentFrame = 0;
    for (int j = 0; j < TCasAmountLayout::SeparatorCount; ++j)
        GetSeparator(j)->GetCurrentData().CurrentFrame = 0;
    const i32 dollars = TCasAmountLayout::Dollars(amount);
    const i16 count = TCasAmountLayout::CharacterCount(dollars);
    // Two characters move the amount 8 pixels: the display keeps it roughly centred.
    Amount.Lay(dollars, static_cast<i16>(8 * (6 - count / 2)));
    ClearFlags(JOF_TIMED_ON);
}
