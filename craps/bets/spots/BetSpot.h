// TCBetSpot: a bet spot as the table shows it, a sprite of chip piles and chits over a ledger.
#pragma once

#include "craps/bets/BetLedger.h"
#include "engine/media/Sprite.h"

#include <memory>
#include <utility>

class TAnm;

// Every rule and all the money live in the ledger; the spot forwards each question to it and
// redraws its piles whenever an amount may have changed. A spot is read in two steps, since
// its chips are members its file builds: construct, then Build (Make does both).
class TCBetSpot : public TSprite {
public:
    static constexpr i16 DenominationCount = 6;
    static constexpr i16 ChipEntryCount = TCBetLedger::SeatCount * DenominationCount;
    static constexpr i16 MarkerChitEntry = 18;
    static constexpr i16 FirstSeatChitEntry = 19;
    // The largest amount one seat's pile draws exactly; above it the pile starts again.
    static constexpr i64 DrawnLimit = 100000;

    // A base spot that never wins or loses. Build reads it from its own ".sp" file...
    TCBetSpot(TJorpOwner* owner, const TFileMode& name, i16 spotId);
    // ...or from the address inside its parent's image, which must outlive Build.
    TCBetSpot(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId);

    // A T made from the arguments, read and set up.
    template <class T, class... Args> static std::unique_ptr<T> Make(Args&&... args) {
        auto spot = std::make_unique<T>(std::forward<Args>(args)...);
        spot->Build();
        return spot;
    }
    // Reads the sprite, then silences its timeline, hides it and pins its chips and chits.
    // A sprite without the 22 animations a spot draws with ends the program.
    void Build();

    // Virtual operations of bet spots, after those of sprites.
    virtual void BindSprites();
    virtual i16 GetSpotId(i16 seat) const;
    virtual void SetAmount(i16 seat, TMoney amount);
    virtual bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut);
    virtual bool TestWin(i16 die1, i16 die2, i16 point, u8 comeOut,
                         const TCrapsBetOptions& options);
    virtual bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut);
    virtual bool TestLose(i16 die1, i16 die2, i16 point, u8 comeOut,
                          const TCrapsBetOptions& options);
    virtual i32 GetPayoutMultiplier() const;
    virtual TMoney OddsWin(TMoney amount, i16 sumIndex) const;
    virtual TMoney BetWin(TMoney amount, i16 sumIndex, i16 seat) const;
    virtual TMoney GetAmount(i16 seat) const;
    virtual TMoney TakeDown(i16 seat, u8 comeOut);
    virtual TMoney AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point);
    virtual TMoney AddToAmount(i16 seat, TMoney amount, u8 comeOut, i16 point, u8 buyFlag);
    virtual bool CanAddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const;
    virtual bool CanRemoveChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const;
    virtual TMoney CollectWin(i16 seat, i16 sumIndex);
    virtual TMoney GetWinAmount(i16 seat, i16 sumIndex) const;
    virtual void ClearAll();
    virtual void UpdateChips();
    virtual TMoney TakeOdds(i16 seat);
    virtual TMoney ReturnOffOdds(i16 seat, i16 die1, i16 die2);
    virtual TMoney GetOddsAmount(i16 seat) const;
    // One seat lost while the others' bets stand: its money goes, its pile with it, and the
    // spot leaves the table when nothing is left on it.
    virtual void ForfeitSeat(i16 seat);

    bool HasAmount(i16 seat) const { return Ledger->HasAmount(seat); }
    bool HasAnyAmount() const { return Ledger->HasAnyAmount(); }
    void ShowChitOnTopStack();
    void ShowChitOnSeatStack(i16 seat);
    void HideChit();
    TMoney GetStakeAndWin(i16 seat) const { return Ledger->GetStakeAndWin(seat); }
    void HideIfEmpty();
    void HideChipStacks();

    i32 GetBetKind() const { return Ledger->GetBetKind(); }
    const TCBetLedger& GetLedger() const { return *Ledger; }
    // Where the next chip above a seat's pile would go (y, z); -1 before the first layout.
    i16 GetTopY(i16 seat) const { return TCBetLedger::IsSeat(seat) ? TopY[seat] : i16{-1}; }
    i16 GetTopZ(i16 seat) const { return TCBetLedger::IsSeat(seat) ? TopZ[seat] : i16{-1}; }
    TAnm* GetChipStack(i16 seat, i16 denomination) const;
    TAnm* GetMarkerChit() const { return MarkerChit; }
    TAnm* GetSeatChit(i16 seat) const;

protected:
    TCBetSpot(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
              std::unique_ptr<TCBetLedger> ledger);

    // The three seats' piles from their amounts; the seats' chits are hidden unless the kind
    // shows them itself.
    void LayOutPiles(bool hideSeatChits);
    // The kind's own ledger, as the kind's constructor made it.
    template <class T> const T& LedgerAs() const { return static_cast<const T&>(*Ledger); }
    // Where the marker chit of a seat goes, for kinds that stack more above the seat's pile.
    void SetSeatTop(i16 seat, i16 y, i16 z);

    // Splits whole dollars into chips, largest first; counts[d] is the number of chips of the
    // d-th denomination ($1, $5, $25, $100, $1000, $10000).
    static void CountChips(i64 dollars, i64 (&counts)[DenominationCount]);

private:
    void PlaceChit(i16 seat);

    std::unique_ptr<TCBetLedger> Ledger;
    // Null for a spot that reads its own file.
    TEmbeddedAddress Address;
    TAnm* Chips[TCBetLedger::SeatCount][DenominationCount] = {};
    TAnm* MarkerChit = nullptr;
    TAnm* SeatChits[TCBetLedger::SeatCount] = {};
    i16 TopY[TCBetLedger::SeatCount] = {-1, -1, -1};
    i16 TopZ[TCBetLedger::SeatCount] = {-1, -1, -1};
};
