// THeldClicks: the presses and clicks the table holds while something made before them has not
// been taken, whose turn each click was made in, and how each is heard again in its turn.
#pragma once

#include "casino/CasPressQueue.h"
#include "craps/table/HeldTurns.h"
#include "engine/foundation/Money.h"
#include "engine/framework/Responder.h"
#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

#include <optional>
#include <string>

// Owned by the table's lord, which decides when a click must wait and hands the presses on
// once what came before them is taken. It holds regions and buttons by address, so its owner
// empties it before they go.
class THeldClicks {
public:
    // The queue the table's buttons hold their presses in; the clicks wait in it too, so that
    // every press is heard again in the order made.
    TCasPressQueue& GetPresses() { return Presses; }
    bool IsEmpty() const { return Presses.IsEmpty(); }
    // A click of a spot or the seat area held in `turn`, the gambler whose turn it is and the
    // hand he sees; one the full queue lets go leaves no note.
    void HoldClick(TResponder& region, JorpEventKind kind, const TPoint& point, THeldTurn turn);
    // Hears the first held press again: a click heard meanwhile is a held one.
    void HandOnFirst();
    bool IsHandingOn() const { return HandingOn; }
    // Once every held click is taken, the next one held starts a new run.
    void EndRunWhenEmpty();
    // A round's start empties the hand and trims the last bet, which a click held before it
    // was not made with.
    void NoteRoundStart() { ++RoundsStarted; }

    // The note of the click being heard again; null when it has none (a button's press, or
    // a test's event).
    const THeldTurn* NextTurn() const { return Turns.Next(); }
    // The click's fate, given whose turn it is now and who sits at its gambler's seat now;
    // its note goes.
    EHeldClick TakeTurn(i16 currentSeat, const std::string& sittingThere) {
        return Turns.Take(currentSeat, sittingThere);
    }
    // The hand the click's gambler saw when he made it, for him to bet it as a click made then
    // would have: none when no round has started since (his hand is as he saw it), or when the
    // turn is now another gambler's (a held seat change before it), who bets his own. Neither
    // the hand nor the last bet goes past the bankroll he has now, as the chips and the round's
    // start never do.
    std::optional<THeldHand> HandSeen(const THeldTurn& turn, i16 currentSeat,
                                      TMoney bankroll) const;
    // A held click of the seat met the refusal: recorded for the run, and true the first time,
    // when it is told.
    bool RecordRefusal(i16 seat, EHeldRefusal refusal) {
        return Turns.RecordRefusal(seat, refusal);
    }
    void Clear();

private:
    TCasPressQueue Presses;
    THeldTurns Turns;
    u32 RoundsStarted = 0;
    bool HandingOn = false;
};
