// TBetBook: the table's 43 bet spots by BetSpotIndex, and one roll settled over all of them.
#pragma once

#include "craps/bets/BetLedger.h"

#include <array>
#include <memory>
#include <span>

enum class EBetEvent : u8 { Lost, Won };

// One seat's decided bet: a loss carries the stake taken, a win the amount collected (win and
// stake) and the win alone.
struct TBetEvent {
    i16 Spot = 0;
    i16 Seat = 0;
    EBetEvent Kind = EBetEvent::Lost;
    TMoney Amount;
    TMoney Win;
};

class TBetBook {
public:
    static constexpr i16 SpotCount = 43;
    // Every spot can decide every seat on one roll: the events never outgrow this.
    static constexpr size_t MaxEvents = SpotCount * TCBetLedger::SeatCount;

    // The spots of the one-roll, field, combination, big, hardway, buy or place and lay bets.
    // The line, come and don't-come spots (0-3, 23-28, 35-40) come with their own kinds;
    // until then those indices hold no spot and decide nothing.
    TBetBook();

    TCBetLedger* GetSpot(i16 index) const;

    // As the table places chips: buy or place spots take the seat's option for the number's
    // pair as buy flag. Returns what was not accepted; an empty index refuses everything.
    TMoney PlaceBet(i16 index, i16 seat, TMoney amount, u8 comeOut, i16 point,
                    const TCrapsBetOptions& options);

    // Losers first, then winners seat 2, 1, 0, spots in order; each seat is judged by its own
    // options, and its win test runs just before it is paid. Only seated seats are settled.
    // The events stay valid until the next roll.
    std::span<const TBetEvent> ResolveRoll(i16 die1, i16 die2, i16 point, u8 comeOut,
                                           const std::array<TCrapsBetOptions, 3>& options,
                                           const std::array<bool, 3>& seated);

private:
    std::array<std::unique_ptr<TCBetLedger>, SpotCount> Spots;
    std::array<TBetEvent, MaxEvents> Events;
};
