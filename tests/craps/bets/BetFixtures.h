// Builders of every bet kind's ledger and the settling of one $60 bet on one roll, for the tests.
#pragma once

#include "craps/bets/BoxNumberBets.h"
#include "craps/bets/NumberBets.h"
#include "craps/bets/OneRollBets.h"

#include <functional>
#include <memory>
#include <string>

namespace bettest {

constexpr TCrapsBetOptions AllOn = {1, 1, 1, 1, 1, 1, 1};
constexpr TCrapsBetOptions AllOff = {0, 0, 0, 0, 0, 0, 0};

// One kind as a layout has it: a name for failures, a maker and the buy flag it is placed with.
struct TBetKindCase {
    std::string Name;
    std::function<std::unique_ptr<TCBetLedger>()> Make;
    u8 BuyFlag = 0;
};

enum class EDecision { None, Win, Lose };

struct TSettled {
    EDecision Decision = EDecision::None;
    double Collected = 0.0;
};

// Places the stake on seat 0 the way the table does (buy flag for the box numbers), runs the
// tests with the given options, and collects a win.
inline TSettled SettleOne(const TBetKindCase& kind, double stake, i16 die1, i16 die2, i16 point,
                          u8 comeOut, const TCrapsBetOptions& options) {
    const auto bet = kind.Make();
    bet->AddToAmount(0, TMoney(stake), comeOut, point, kind.BuyFlag);
    const bool win = bet->TestWin(die1, die2, point, comeOut, options);
    const bool lose = bet->TestLose(die1, die2, point, comeOut, options);
    if (win && lose) {
        return {EDecision::None, -1.0}; // never valid: flagged by the callers' comparisons
    }
    if (win) {
        return {EDecision::Win, bet->CollectWin(0, static_cast<i16>(die1 + die2)).GetValue()};
    }
    return {lose ? EDecision::Lose : EDecision::None, 0.0};
}

inline TBetKindCase OneRoll(const std::string& name, i16 number, i16 id) {
    return {name, [=] { return std::make_unique<TBet1RollLedger>(number, id); }};
}
inline TBetKindCase Big(const std::string& name, i16 number, i16 id) {
    return {name, [=] { return std::make_unique<TBetBigLedger>(number, id); }};
}
inline TBetKindCase Hard(const std::string& name, i16 number, i16 id) {
    return {name, [=] { return std::make_unique<TBetHardLedger>(number, id); }};
}
inline TBetKindCase Place(const std::string& name, i16 number, i16 id, u8 buyFlag) {
    return {name, [=] { return std::make_unique<TBetBuyLedger>(number, id); }, buyFlag};
}
inline TBetKindCase Lay(const std::string& name, i16 number, i16 id) {
    return {name, [=] { return std::make_unique<TBetLayLedger>(number, id); }};
}
inline TBetKindCase Field() {
    return {"field", [] { return std::make_unique<TBetFieldLedger>(62); }};
}
inline TBetKindCase AnyCraps() {
    return {"any craps", [] { return std::make_unique<TBetAnyCrapsLedger>(86); }};
}
inline TBetKindCase CAndE() {
    return {"C and E", [] { return std::make_unique<TBetCraps11Ledger>(92, 0); }};
}
inline TBetKindCase Horn() {
    return {"Horn", [] { return std::make_unique<TBetCraps11Ledger>(91, 1); }};
}

} // namespace bettest
