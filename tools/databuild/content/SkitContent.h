// The skits of the dealer's lists: for each list, skits made of beats, each on a portfolio level
// with the conditions it needs. The builder turns them into skit files.
#pragma once

#include "tools/databuild/content/ContentDealer.h"
#include "tools/databuild/model/SkitCoverage.h"

#include <string>
#include <vector>

// Conditions the skits ask about (the program's numbering).
namespace cond {
constexpr u8 OneSeat = 0, TwoSeats = 1, ThreeSeats = 2, Holidays = 3, NoWoman = 4, NoMan = 5;
constexpr u8 ComeOut = 10, NewShooter = 11;
// Point 4, 5, 6, 8, 9, 10 by number box 0-5.
constexpr u8 Point(int box) {
    return static_cast<u8>(13 + box);
}
// The total of the roll being resolved, 2-12.
constexpr u8 Roll(int total) {
    return static_cast<u8>(30 + total);
}
constexpr u8 RollHard = 43, Busy = 44, AnyPass = 46, AnyDontPass = 51, AnyHardway = 57;
constexpr u8 AnyField = 71, DiceGiven = 79;
// The shooter has stalled 0, 1, 2, 3 times; 4 or more.
constexpr u8 Stalls(int n) {
    return static_cast<u8>(80 + (n < 4 ? n : 4));
}
constexpr u8 Chance20 = 90, Chance50 = 93;
constexpr u8 OneWinner = 101, AnyWinner = 102, Winners2 = 103, BigWin = 104, FieldWin = 105,
             HardWin = 106;
constexpr u8 OneLoser = 107, AnyLoser = 108, Losers7 = 110, LongHand = 111;
// The talk setting: 0 silent, 1 calls only, 2 no chatter, 3 everything.
constexpr u8 Talk0 = 130, Talk1 = 131;
constexpr u8 FirstShake = 134, ShakeUpTo11 = 135;
// Game speed at least 2, at least 1, exactly 3 (3 is the richest, 0 the fastest).
constexpr u8 Speed2 = 136, Speed1 = 137, Speed3 = 138;
} // namespace cond

struct TSkitPlan {
    // The list's file suffix ("kcr1").
    std::string List;
    i16 Level = 9;
    TCriteria Criteria;
    // Dealer beats play one after the other; dice beats likewise, alongside them.
    std::vector<TBeat> Beats;
};

// What a moment plays when nothing more particular applies, by the dealer's talk setting (a
// talking dealer, a silent one) and the game's speed (any but the fastest, the fastest).
struct TPlainBeats {
    std::vector<TBeat> Spoken;
    std::vector<TBeat> Silent;
    std::vector<TBeat> Brisk;
    std::vector<TBeat> BriskSilent;
};

// The same beats whatever the talk setting, briskly at the fastest speed.
TPlainBeats Plain(const std::vector<TBeat>& beats, const std::vector<TBeat>& brisk);

// One moment's list, laid out so that the chooser never falls past the level it draws:
// - the last resort, on level 9 without criteria: silent and brisk, since the chooser reaches
//   it whatever the table's state, talk setting and speed;
// - the particular skits, played at any speed but the fastest (their Level and Criteria kept);
// - on level 8, level 9 and every level a particular skit uses, plain skits for every state
//   that no particular skit of the level answers for sure, by key (the state a plain skit
//   needs, such as the point for the puck), talk setting and speed.
struct TKeyedPlain {
    TCriteria Key;
    TPlainBeats Beats;
};
void AddList(std::vector<TSkitPlan>& skits, const std::string& list,
             const std::vector<TBeat>& lastResort, std::vector<TSkitPlan> particular,
             const std::vector<TKeyedPlain>& plain);

// Every skit of every played list.
std::vector<TSkitPlan> SkitPlans();
// By area: the calls of the rolls; the round's own lists; the shooter's lists.
void AddCallSkits(std::vector<TSkitPlan>& skits);
void AddRoundSkits(std::vector<TSkitPlan>& skits);
void AddShooterSkits(std::vector<TSkitPlan>& skits);

// Criteria helpers: the condition must hold, must not hold.
inline std::pair<u8, i8> Yes(u8 c) {
    return {c, 1};
}
inline std::pair<u8, i8> No(u8 c) {
    return {c, -1};
}
// Spoken chatter: not with a silent dealer or one who only calls the rolls.
inline TCriteria Chatty(TCriteria more = {}) {
    more.push_back(No(cond::Talk0));
    more.push_back(No(cond::Talk1));
    return more;
}
// A spoken call: any talk setting but the silent one.
inline TCriteria Spoken(TCriteria more = {}) {
    more.push_back(No(cond::Talk0));
    return more;
}
inline TCriteria Silent(TCriteria more = {}) {
    more.push_back(Yes(cond::Talk0));
    return more;
}
inline TBeat Say(const std::string& line, i32 minTicks = 0) {
    return {TGesture::Talk, minTicks, line};
}
// Standing silent for that many ticks.
inline TBeat Hush(i32 ticks) {
    return Say("", ticks);
}
// The gesture made in as few ticks as its moment allows, for the fastest speed.
inline TBeat Briskly(TBeat beat) {
    beat.Brisk = true;
    return beat;
}
