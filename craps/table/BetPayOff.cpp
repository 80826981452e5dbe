// TCBetPayOff: reading the payout stacks and laying an amount out as chips.
#include "craps/table/BetPayOff.h"

#include "craps/table/StillSprite.h"
#include "engine/media/Anm.h"

namespace {

constexpr i64 ChipValues[TCBetPayOff::ColumnCount] = {1, 5, 25, 100, 1000, 10000};

} // namespace

TCBetPayOff::TCBetPayOff(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TCBetPayOff::TCBetPayOff(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TCBetPayOff::~TCBetPayOff() = default;

void TCBetPayOff::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    Init();
}

void TCBetPayOff::Init() {
    for (i16 row = 0; row < RowCount; ++row)
        for (i16 column = 0; column < ColumnCount; ++column) {
            const auto n = static_cast<i16>(row * ColumnCount + column);
            Stacks[row][column] = &still_sprite::PinnedMember(*this, n, "CBetPayOff", "Chips", n);
        }
}

i16 TCBetPayOff::RowOfSeat(i16 seat) {
    return seat == 0 ? i16{1} : seat == 1 ? i16{0} : i16{2};
}

void TCBetPayOff::LayOutPayoutChips(i16 seat, TMoney amount) {
    TAnm* const* stacks = Stacks[RowOfSeat(seat)];
    const TGrPoint home = stacks[0]->GetTemplate().Base;
    i16 y = home.y;
    i16 z = home.z;
    // Whole dollars of the clamped amount: no value reaches an integer conversion out of
    // range, and below zero every count is at most 0, which hides its stack.
    i64 rest = amount.WholeDollars() % DrawnLimit;
    for (i16 column = ColumnCount - 1; column >= 0; --column) {
        const i64 k = rest / ChipValues[column];
        rest %= ChipValues[column];
        TAnm& stack = *stacks[column];
        if (k > 0)
            stack.StandAt(y, z, static_cast<u16>(k - 1));
        else
            stack.Hide();
        y = static_cast<i16>(y - 2 * k);
        z = static_cast<i16>(z + k);
    }
    SetFlags(JOF_SHOWN);
    ClearFlags(JOF_TIMED_ON);
}

TAnm* TCBetPayOff::GetStack(i16 row, i16 column) const {
    if (row < 0 || row >= RowCount || column < 0 || column >= ColumnCount)
        return nullptr;
    return Stacks[row][column];
}
