// THeldClicks: holding the table's clicks with their turns, and the hand a held click bets.
#include "craps/table/HeldClicks.h"

#include <algorithm>
#include <utility>

void THeldClicks::HoldClick(TResponder& region, JorpEventKind kind, const TPoint& point,
                            THeldTurn turn) {
    if (!Presses.HoldRegion(region, kind, point))
        return;
    turn.Hand.Round = RoundsStarted;
    Turns.Note(std::move(turn));
}

void THeldClicks::HandOnFirst() {
    HandingOn = true;
    Presses.Step();
    HandingOn = false;
}

void THeldClicks::EndRunWhenEmpty() {
    if (Presses.IsEmpty())
        Turns.Clear();
}

std::optional<THeldHand> THeldClicks::HandSeen(const THeldTurn& turn, i16 currentSeat,
                                               TMoney bankroll) const {
    if (turn.Hand.Round == RoundsStarted || turn.Seat != currentSeat)
        return std::nullopt;
    return THeldHand{std::min(turn.Hand.InHand, bankroll), std::min(turn.Hand.LastBet, bankroll),
                     turn.Hand.Round};
}

void THeldClicks::Clear() {
    Presses.Clear();
    Turns.Clear();
}
