// TCBetPayOff: the payout chips stacked beside a winning spot while it is paid, one row of six
// stacks per seat.
#pragma once

#include "engine/foundation/Money.h"
#include "engine/media/Sprite.h"

#include <memory>
#include <utility>

class TAnm;

// Eighteen still pictures, hidden until a payout is laid out; Hide (the sprite's) clears them
// all. It is read in two steps, since its stacks are members its file builds: construct, then
// Build (Make does both).
class TCBetPayOff : public TSprite {
public:
    static constexpr i16 RowCount = 3;
    // Stacks of $1, $5, $25, $100, $1000 and $10000, left to right.
    static constexpr i16 ColumnCount = 6;
    // Payouts are drawn modulo this: the largest stacks hold nine chips.
    static constexpr i64 DrawnLimit = 100000;

    // From its own ".sp" file...
    TCBetPayOff(TJorpOwner* owner, const TFileMode& mode);
    // ...or from the address inside its parent's image, which must outlive Build.
    TCBetPayOff(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TCBetPayOff() override;

    template <class... Args> static std::unique_ptr<TCBetPayOff> Make(Args&&... args) {
        auto payoff = std::make_unique<TCBetPayOff>(std::forward<Args>(args)...);
        payoff->Build();
        return payoff;
    }
    // Reads the sprite, hides it and pins its stacks; one without all eighteen ends the
    // program.
    void Build();
    void Init();

    // Lays the whole dollars of the amount out on the seat's row, largest chips at the bottom,
    // each smaller denomination standing on the one below. Only that row changes. Nothing of
    // it is drawn for an amount below a dollar, a negative one or a non-number.
    void LayOutPayoutChips(i16 seat, TMoney amount);
    // Seat 1 is paid on the first row, seat 0 on the second, any other seat on the third.
    static i16 RowOfSeat(i16 seat);

    TAnm* GetStack(i16 row, i16 column) const;

private:
    TAnm* Stacks[RowCount][ColumnCount] = {};
    // Null for a sprite that reads its own file.
    TEmbeddedAddress Address;
};
