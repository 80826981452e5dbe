// THeldTurns: judging a held click's turn against the table's turn when it is taken.
#include "craps/table/HeldTurns.h"

EHeldClick THeldTurns::Take(i16 currentSeat, const std::string& sittingThere) {
    if (Turns.empty())
        return EHeldClick::Take;
    const THeldTurn turn = std::move(Turns.front());
    Turns.pop_front();
    // Between two clicks of a run only the table can have moved the turn: a click on the seat
    // area that would have moved it is itself held, and moves it again when it is taken.
    const bool movedByTable = turn.Seat != LastSeat;
    LastSeat = turn.Seat;
    if (sittingThere != turn.Gambler)
        return EHeldClick::LetGo;
    if (!movedByTable || turn.Seat == currentSeat)
        return EHeldClick::Take;
    return turn.Seat < 0 ? EHeldClick::LetGo : EHeldClick::TurnBack;
}

bool THeldTurns::RecordRefusal(i16 seat, EHeldRefusal refusal) {
    if (seat < 0 || seat >= Seats)
        return true;
    const auto bit = static_cast<u8>(1u << static_cast<u8>(refusal));
    u8& told = Told[static_cast<size_t>(seat)];
    if ((told & bit) != 0)
        return false;
    told = static_cast<u8>(told | bit);
    return true;
}

void THeldTurns::Clear() {
    Turns.clear();
    LastSeat = NoRun;
    Told.fill(0);
}
