// TBetUnitChips: binding the six stacks and laying an amount out on them.
#include "casino/BetUnitChips.h"

#include "engine/media/Anm.h"

TBetUnitChips::TBetUnitChips(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TBetUnitChips::TBetUnitChips(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TBetUnitChips::~TBetUnitChips() = default;

void TBetUnitChips::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    BindParts();
}

void TBetUnitChips::BindParts() {
    for (i16 k = 0; k < chips::StackCount; ++k) {
        TAnm* stack = GetAnm(k);
        if (stack == nullptr)
            FatalAnmSetup("BetUnitChips", "Chips", k);
        stack->Pin();
        Stacks[k] = stack;
    }
    Sound = GetWav(0);
}

void TBetUnitChips::SetAmount(TMoney amount) {
    const i64 dollars = chips::ClampedDollars(amount);
    if (dollars == 0) {
        for (TAnm* stack : Stacks)
            stack->Hide();
        return;
    }
    const TChipCounts counts = chips::Split(dollars);
    for (i16 k = 0; k < chips::StackCount; ++k)
        chips::ShowCount(*Stacks[k], counts[static_cast<size_t>(k)]);
    ClearFlags(JOF_TIMED_ON);
}
