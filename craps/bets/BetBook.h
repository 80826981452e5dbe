// TBetBook: the table's 43 bet spots by spot number (0-42), and one roll settled over them all.
#pragma once

#include "craps/bets/BetLedger.h"
#include "craps/bets/TableSpots.h"

#include <array>
#include <memory>
#include <span>

// OddsReturned: odds off on a come-out roll handed back before the roll is decided.
// Travelled: a come or don't come stake moved to the number rolled (Spot is where it went).
enum class EBetEvent : u8 { Lost, Won, OddsReturned, Travelled };

// One seat's money moved by a roll: a loss carries the stake and odds taken, a win the amount
// collected (stake, odds and win) and the win alone, a return the odds credited, a travel the
// stake moved.
struct TBetEvent {
    i16 Spot = 0;
    i16 Seat = 0;
    EBetEvent Kind = EBetEvent::Lost;
    TMoney Amount;
    TMoney Win;
};

class TBetBook {
public:
    static constexpr i16 SpotCount = table_spot::Count;
    // Every spot can decide every seat on one roll, after the twelve number spots returned
    // their odds and before the two come spots moved their stakes: never more events.
    static constexpr size_t MaxEvents = (SpotCount + 12 + 2) * TCBetLedger::SeatCount;

    TBetBook();

    TCBetLedger* GetSpot(i16 index) const;

    // As the table places chips: buy or place spots take the seat's option for the number's
    // pair as buy flag. Returns what was not accepted; an empty index refuses everything.
    TMoney PlaceBet(i16 index, i16 seat, TMoney amount, u8 comeOut, i16 point,
                    const TCrapsBetOptions& options);

    // On a come-out roll odds each seat's options keep off are handed back first (seats 2, 1,
    // 0, each seat's come numbers before its don't come numbers); then losers, then winners
    // seat 2, 1, 0, spots in order, each seat judged by its own options and its win test run
    // just before it is paid; last, on a box number, come and don't come stakes move to that
    // number (seats 0, 1, 2), added to any stake there. Only seated seats are settled; every
    // seat's stake travels. The events stay valid until the next roll.
    std::span<const TBetEvent> ResolveRoll(i16 die1, i16 die2, i16 point, u8 comeOut,
                                           const std::array<TCrapsBetOptions, 3>& options,
                                           const std::array<bool, 3>& seated);

private:
    void ReturnComeOutOdds(i16 die1, i16 die2, const std::array<TCrapsBetOptions, 3>& options,
                           const std::array<bool, 3>& seated, size_t& count);
    void Travel(i16 sumIndex, size_t& count);

    std::array<std::unique_ptr<TCBetLedger>, SpotCount> Owned;
    // The same spots, as the hot loops of ResolveRoll walk them.
    std::array<TCBetLedger*, SpotCount> Spots{};
    std::array<TBetEvent, MaxEvents> Events;
};
