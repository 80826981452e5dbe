// TCasChips: a seat's bankroll as six rail stacks of chips that change chip by chip.
#pragma once

#include "engine/foundation/Money.h"
#include "engine/media/Sprite.h"

#include <array>
#include <memory>
#include <utility>

class TAnm;
class TWav;

// Chip counts of the 1, 5, 25, 100, 1000 and 10000 dollar stacks, in that order.
using TChipCounts = std::array<i16, 6>;

namespace chips {
inline constexpr i16 StackCount = 6;
// Frame k of a stack shows k + 1 chips.
inline constexpr i16 MostPerStack = 10;
inline constexpr i32 Values[StackCount] = {1, 5, 25, 100, 1000, 10000};
// Amounts of this many dollars and more have no chips of their own.
inline constexpr i64 Drawn = 100000;

// Whole dollars of an amount, clamped to 0 .. 2,147,483,647 (a non-number is 0).
i64 ClampedDollars(TMoney amount);
// The amount itself, or its clamp when it is negative, too large or not a number.
TMoney Clamped(TMoney amount);
// Dollars (modulo the drawn limit; none below 0) as the fewest chips, largest first.
TChipCounts Split(i64 dollars);
// Shows count chips, or hides the stack at 0.
void ShowCount(TAnm& stack, i16 count);
} // namespace chips

// Unlike a bet spot's piles, the rack remembers how it got to its amount: incoming chips go on
// their stacks and are exchanged upward when a stack would overflow; outgoing chips come off
// and a larger chip is broken when a stack runs short. Read in two steps: construct, then
// Build (Make does both).
class TCasChips : public TSprite {
public:
    // Reads its own ".sp" file...
    TCasChips(TJorpOwner* owner, const TFileMode& mode);
    // ...or the image at the address inside its parent's, which must outlive Build.
    TCasChips(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TCasChips() override;

    template <class... Args> static std::unique_ptr<TCasChips> Make(Args&&... args) {
        auto rack = std::make_unique<TCasChips>(std::forward<Args>(args)...);
        rack->Build();
        return rack;
    }
    // Reads the sprite, silences its timeline, hides it and takes its stacks and sounds; a
    // sprite without the six stacks ends the program.
    void Build();

    // A newly seated gambler's remembered mix; a mix that does not add up to the amount (or has
    // a stack outside 0 to 10) is dropped and the rack built from nothing.
    void SetAmount(TMoney amount, i16 ones, i16 fives, i16 quarters, i16 hundreds, i16 thousands,
                   i16 tenThousands, u8 sound = 0);
    // Moves the rack to a new amount; sound lets incoming chips clink.
    void BuildStacks(TMoney amount, u8 sound);
    void AddChips(TMoney amount, u8 sound);
    void RemoveChips(TMoney amount);
    // Makes change so that chips of value become available; false when nothing larger is left.
    bool BreakChip(i32 value);
    // Adds the change for one chip of from: one chip of value and the rest largest first.
    void ChangeChip(i32 from, i32 value);
    void BindStacks();
    void BindSounds();
    void HideStacks();

    // The chips in stack i (0 for an index outside 0 to 5): what a gambler's record keeps.
    i16 GetCount(i16 i) const;
    TMoney GetAmountShown() const { return AmountShown; }

private:
    void ShowStack(i16 k);
    void ShowAllStacks();

    TEmbeddedAddress Address;
    TAnm* Stacks[chips::StackCount] = {};
    TWav* ChipSounds[3] = {};
    TChipCounts Counts = {5, 4, 3, 9, 0, 0};
    TMoney AmountShown{1000.0};
};
