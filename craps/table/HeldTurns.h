// THeldTurns: whose turn it was at the table when each click the table holds was made, and the
// hand he saw then, so that each is taken for the gambler who made it, or for nobody.
#pragma once

#include "engine/foundation/Money.h"
#include "platform/host/Types.h"

#include <array>
#include <deque>
#include <string>

// The hand the gambler saw when he clicked: the chips in it, the last bet an empty hand
// repeats, and how many rounds the table had started by then (a round's start empties the
// hand and trims the last bet, which the click was not made with).
struct THeldHand {
    TMoney InHand;
    TMoney LastBet;
    u32 Round = 0;
};

// The gambler whose turn it was: his seat (-1 for nobody's turn) and his name, which no other
// gambler shares.
struct THeldTurn {
    i16 Seat = -1;
    std::string Gambler;
    THeldHand Hand{};
};

// What becomes of a held click when its turn to be taken comes.
enum class EHeldClick : u8 {
    // Taken in the turn that the clicks taken before it left.
    Take,
    // The table moved the turn on meanwhile (a new shooter, the shooter's pick-up): it goes
    // back to the click's gambler, then the click is taken.
    TurnBack,
    // Its gambler has left the seat, or it was nobody's turn: no bet is made for anybody.
    LetGo,
};

// Why the table refused a bet, as far as the held clicks behind it would be refused alike.
enum class EHeldRefusal : u8 {
    NoCash,
    TableLimit,
};

// One note for each held click, in the order held, beside the table's held presses.
class THeldTurns {
public:
    static constexpr i16 Seats = 3;

    void Note(THeldTurn turn) { Turns.push_back(std::move(turn)); }
    bool IsEmpty() const { return Turns.empty(); }
    // The next click's note; null when no click is noted.
    const THeldTurn* Next() const { return Turns.empty() ? nullptr : &Turns.front(); }
    // The next click's fate, given whose turn it is now and who sits at its gambler's seat now
    // (empty for nobody); its note goes. A click with no note is taken as it is.
    EHeldClick Take(i16 currentSeat, const std::string& sittingThere);
    // Records that a held click of the seat met the refusal, and answers true the first time
    // in a run: that one is told as a click made then would be. The ones behind it that meet
    // it again were made before the player could see it, and go without a word.
    bool RecordRefusal(i16 seat, EHeldRefusal refusal);
    // The clicks held so far are all taken or let go: the next one held starts a new run.
    void Clear();

private:
    static constexpr i16 NoRun = -2;
    std::deque<THeldTurn> Turns;
    // The seat whose turn it was when the click taken last in this run was made.
    i16 LastSeat = NoRun;
    // By seat, a bit for each refusal told in this run.
    std::array<u8, Seats> Told{};
};
