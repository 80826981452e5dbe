// TBetUnitChips: an amount shown as six chip stacks worked out afresh each time.
#pragma once

#include "casino/CasChips.h"

// The rack's stacks without its memory: the fewest chips for the amount, largest first. A
// ready part for table games; read in two steps like the rack (Make does both).
class TBetUnitChips : public TSprite {
public:
    TBetUnitChips(TJorpOwner* owner, const TFileMode& mode);
    TBetUnitChips(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TBetUnitChips() override;

    template <class... Args> static std::unique_ptr<TBetUnitChips> Make(Args&&... args) {
        auto units = std::make_unique<TBetUnitChips>(std::forward<Args>(args)...);
        units->Build();
        return units;
    }
    // Reads the sprite, silences its timeline, hides it and binds its parts; a sprite without
    // the six stacks ends the program.
    void Build();

    void SetAmount(TMoney amount);
    void BindParts();

    TWav* GetSound() const { return Sound; }

private:
    TEmbeddedAddress Address;
    TAnm* Stacks[chips::StackCount] = {};
    TWav* Sound = nullptr;
};
