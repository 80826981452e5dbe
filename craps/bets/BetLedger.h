// TCBetLedger: one bet spot's money per seat and the operations every bet kind answers.
#pragma once

#include "craps/bets/BetOptions.h"
#include "engine/foundation/Money.h"

// The kind of bet a ledger keeps, as the statistics file it: the line, come and number bets on
// the right side and the wrong, then the proposition, field, buy/place and lay bets.
namespace bet_kind {

constexpr i32 PassLine = 1;
constexpr i32 DontPass = 2;
constexpr i32 Come = 3;
constexpr i32 DontCome = 4;
constexpr i32 ComeNumber = 5;
constexpr i32 DontComeNumber = 6;
constexpr i32 Hardway = 7;
constexpr i32 Field = 8;
constexpr i32 Big = 9;
constexpr i32 OneRoll = 10;
constexpr i32 AnyCraps = 11;
constexpr i32 CrapsEleven = 12;
constexpr i32 BuyPlace = 13;
constexpr i32 Lay = 14;

} // namespace bet_kind

// Seats are 0 to 2 and dice 0 to 5 (face minus 1); a roll is judged on the sum index
// die1 + die2 (0 is a total of 2, 5 a seven). Anything outside those ranges decides nothing
// and changes nothing: the ledger is the last line before the bankroll.
class TCBetLedger {
public:
    static constexpr i16 SeatCount = 3;
    static constexpr i16 SevenIndex = 5;

    TCBetLedger(i32 betKind, i16 spotId) : BetKind(betKind), BetSpotId(spotId) {}
    virtual ~TCBetLedger() = default;
    TCBetLedger(const TCBetLedger&) = default;
    TCBetLedger& operator=(const TCBetLedger&) = default;

    i32 GetBetKind() const { return BetKind; }

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
    // Both return what was not accepted: a bad seat or a negative offer is handed back whole,
    // a non-finite one (which no bankroll can be credited) as 0.
    virtual TMoney AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point);
    virtual TMoney AddToAmount(i16 seat, TMoney amount, u8 comeOut, i16 point, u8 buyFlag);
    virtual bool CanAddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const;
    virtual bool CanRemoveChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const;
    virtual TMoney CollectWin(i16 seat, i16 sumIndex);
    virtual TMoney GetWinAmount(i16 seat, i16 sumIndex) const;
    virtual void ClearAll();
    virtual TMoney TakeOdds(i16 seat);
    virtual TMoney ReturnOffOdds(i16 seat, i16 die1, i16 die2);
    virtual TMoney GetOddsAmount(i16 seat) const;
    // One seat's bet lost while the other seats' stand: its stake and anything the kind
    // keeps per seat go to 0.
    virtual void ForfeitSeat(i16 seat);

    // Asked of every spot and seat on every roll, so kept inline.
    bool HasAmount(i16 seat) const { return IsSeat(seat) && Amounts[seat].GetValue() > 0.0; }
    bool HasAnyAmount() const;
    TMoney GetStakeAndWin(i16 seat) const;

    static bool IsSeat(i16 seat) { return seat >= 0 && seat < SeatCount; }
    static bool AreDice(i16 die1, i16 die2) {
        return die1 >= 0 && die1 <= 5 && die2 >= 0 && die2 <= 5;
    }

protected:
    // The shared acceptance rule of AddChips and AddToAmount; true when the offer was added.
    bool Accept(i16 seat, TMoney amount, TMoney& refused);

    TMoney Amounts[SeatCount];

private:
    i32 BetKind;

protected:
    i16 BetSpotId;
};
