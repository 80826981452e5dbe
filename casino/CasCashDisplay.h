// TCasCashDisplay: a dollar amount shown on the table in digit pictures (a bankroll, the chips in
// hand).
#pragma once

#include "casino/CasAmountLayout.h"
#include "engine/media/Sprite.h"

#include <memory>
#include <utility>

// Keeps no amount: every SetAmount rebuilds all fourteen parts. Read in two steps like every
// sprite whose parts its file builds: construct, then Build (Make does both).
class TCasCashDisplay : public TSprite {
public:
    TCasCashDisplay(TJorpOwner* owner, const TFileMode& mode);
    TCasCashDisplay(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TCasCashDisplay() override;

    template <class... Args> static std::unique_ptr<TCasCashDisplay> Make(Args&&... args) {
        auto display = std::make_unique<TCasCashDisplay>(std::forward<Args>(args)...);
        display->Build();
        return display;
    }
    // Reads the sprite, hides it, silences its timeline and pins its parts. A sprite without
    // the fourteen parts ends the program.
    void Build();

    // Lets a pending mark lapse at its due tick, then ticks as a sprite.
    void Tick(u32 tick) override;
    // The trailing argument some callers pass has no effect.
    void SetAmount(TMoney amount, i32 unused = 0);
    void BindDigits();

    TAnm* GetPlace(int k) const { return Amount.GetPlace(k); }
    TAnm* GetSeparator(int j) const { return Amount.GetSeparator(j); }

private:
    TCasAmountLayout Amount;
    // A mark that lapses at its due tick, and two amounts: nothing in the game sets or reads
    // them yet.
    u32 DueTick = 0;
    TMoney Amounts[2] = {};
    u8 Pending = 0;
    // Null for a display that reads its own file.
    TEmbeddedAddress Address;
};
