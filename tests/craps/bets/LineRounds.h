// A line or come bet carried through the book to its decision: the bet, a first roll, odds at
// a given amount behind the number it moved to, and a second roll.
#pragma once

#include "craps/bets/BetBook.h"

#include "BetFixtures.h"

#include <memory>

namespace bettest {

enum class ELineKind { Pass, DoNotPass, Come, DoNotCome };

struct TRoundResult {
    EDecision Decision = EDecision::None;
    double Collected = 0.0; // credited to the seat over the round
    bool Moved = false;     // the first roll set a point (or moved the come bet) to its total
};

inline bool IsDoSide(ELineKind kind) {
    return kind == ELineKind::Pass || kind == ELineKind::Come;
}

// Settles seat 0's bet on `book` for one roll; the table's point is `point` (the come bets
// never read it) and the roll is no come-out unless said.
inline TRoundResult Settle(TBetBook& book, int die1, int die2, i16 point, u8 comeOut) {
    const std::array<TCrapsBetOptions, 3> options = {AllOn, AllOn, AllOn};
    TRoundResult result;
    for (const TBetEvent& event : book.ResolveRoll(static_cast<i16>(die1), static_cast<i16>(die2),
                                                   point, comeOut, options, {true, true, true})) {
        if (event.Kind == EBetEvent::Won) {
            result.Decision = EDecision::Win;
            result.Collected += event.Amount.GetValue();
        } else if (event.Kind == EBetEvent::Lost) {
            result.Decision = EDecision::Lose;
        } else if (event.Kind == EBetEvent::Travelled) {
            result.Moved = true;
        }
    }
    return result;
}

// Places `line` on the kind's spot, rolls die1/die2 (faces 0-5); when that sets the number,
// places `odds` behind it (failing the round with Collected -1 if any comes back) and, when
// second dice are given, rolls them too.
inline TRoundResult PlayRound(ELineKind kind, double line, double odds, int die1, int die2,
                              int second1 = -1, int second2 = -1) {
    TBetBook book;
    const bool onLine = kind == ELineKind::Pass || kind == ELineKind::DoNotPass;
    const i16 lineSpot = static_cast<i16>(kind == ELineKind::Pass        ? 0
                                          : kind == ELineKind::DoNotPass ? 1
                                          : kind == ELineKind::Come      ? 2
                                                                         : 3);
    constexpr i16 TablePoint = 3; // what the come bets are placed under; it plays no part
    book.PlaceBet(lineSpot, 0, TMoney(line), onLine ? 1 : 0, onLine ? -1 : TablePoint, AllOn);
    TRoundResult first = Settle(book, die1, die2, onLine ? -1 : TablePoint, onLine ? 1 : 0);
    const auto number = static_cast<i16>(die1 + die2);
    const bool box = number >= 2 && number <= 8 && number != 5;
    first.Moved = onLine ? box && first.Decision == EDecision::None : first.Moved;
    if (!first.Moved || second1 < 0) {
        return first;
    }
    const int offset = number < 5 ? number - 2 : number - 3;
    const i16 oddsSpot =
        onLine ? lineSpot : static_cast<i16>((kind == ELineKind::Come ? 23 : 35) + offset);
    const i16 point = onLine ? number : TablePoint;
    if (book.PlaceBet(oddsSpot, 0, TMoney(odds), 0, point, AllOn) != TMoney()) {
        return {EDecision::None, -1.0, true};
    }
    TRoundResult second = Settle(book, second1, second2, point, 0);
    second.Moved = true;
    return second;
}

} // namespace bettest
