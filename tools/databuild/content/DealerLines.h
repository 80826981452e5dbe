// What the dealer says: the call of each result and its other wordings, the point, the
// come-out, and the chatter of the round, by skit list and variant.
#pragma once

#include <string>
#include <vector>

// The dice total as the dealer says it ("four", "six", "eleven").
std::string TotalWord(int total);

// The 28 results in the program's order (1-28): the dice total and how the roll stands.
enum class TRollKind { ComeOut, PointMade, PointOn };
struct TResult {
    int Total;
    TRollKind Kind;
};
TResult ResultOf(int result);

// The plain call of a result, and a second wording of it.
std::string ResultCall(int result);
std::string ResultCallAgain(int result);
// The call in the fewest words, for the fastest game.
std::string TerseCall(int result);
// The call when the dice show a pair (4, 6, 8, 10 only; empty otherwise).
std::string HardCall(int result);

// The point number of box 0-5 (4, 5, 6, 8, 9, 10).
int BoxPoint(int box);
std::string PointCall(int box);
std::string PointCallAgain(int box);
std::string PointChatter(int box);
std::string MarkLine(int box);

// Lines with several wordings: the variant's text, variants counted from 0.
enum class TChatter {
    ComeOut,
    NewShooterComeOut,
    Greeting,
    PlaceBets,
    Advice,
    Stall,
    Winners,
    Payout,
    Losers,
    GiveDice,
    NoBet,
    SevenOut,
};
const std::vector<std::string>& Chatter(TChatter kind);
