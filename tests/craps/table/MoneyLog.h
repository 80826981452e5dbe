// Test support: every money event of the table's lord written as a line of text (seat, spot,
// kind, amount, bankroll after), with the house's side of each kept beside.
#pragma once

#include "casino/CasinoGameLord.h"
#include "craps/table/MoneyLedger.h"

#include <cmath>
#include <cstdio>
#include <string>

// The 43 spots as the log names them, in table order.
inline const char* SpotName(i16 spot) {
    static const char* const Names[43] = {
        "pass",       "dont_pass",  "come",       "dont_come",  "field",       "big6",
        "big8",       "any_craps",  "any_seven",  "two",        "three",       "eleven",
        "twelve",     "hard4",      "hard6",      "hard8",      "hard10",      "place4",
        "place5",     "place6",     "place8",     "place9",     "place10",     "come4",
        "come5",      "come6",      "come8",      "come9",      "come10",      "lay4",
        "lay5",       "lay6",       "lay8",       "lay9",       "lay10",       "dont_come4",
        "dont_come5", "dont_come6", "dont_come8", "dont_come9", "dont_come10", "c_and_e",
        "horn"};
    return spot >= 0 && spot < 43 ? Names[spot] : "?";
}

// An amount as the log writes it: dollars and cents, and the fraction of a cent the table
// keeps when it has one (a placed six's 7 to 6, a lay's commission), so a change there shows.
inline std::string Amount(TMoney m) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", m.GetValue());
    std::string s = text;
    if (s.ends_with("00"))
        s.resize(s.size() - 2);
    return s == "-0.00" ? "0.00" : s;
}

// The nearest whole cents of an amount.
inline i64 Cents(TMoney m) {
    return std::llround(m.GetValue() * 100.0);
}

// Every money event of the lord, as a line, with the house's side kept beside.
class TMoneyLog : public TMoneyLedger {
public:
    explicit TMoneyLog(const TCasinoGameLord& lord) : Lord(lord) {}

    void Lost(i16 spot, i16 seat, TMoney amount) override {
        House += amount.GetValue();
        Line(seat, spot, "lost", Amount(amount), Lord.GetBankroll(seat));
    }
    void Forfeited(i16 spot, i16 seat, TMoney amount) override {
        House += amount.GetValue();
        Line(seat, spot, "forfeited", Amount(amount), Lord.GetBankroll(seat));
    }
    void Paid(i16 spot, i16 seat, TMoney collected, TMoney win) override {
        House -= win.GetValue();
        Line(seat, spot, "paid", Amount(collected) + " win " + Amount(win), Lord.GetBankroll(seat));
    }
    void OddsReturned(i16 spot, i16 seat, TMoney amount) override {
        Line(seat, spot, "odds_returned", Amount(amount), Lord.GetBankroll(seat));
    }
    void Travelled(i16 spot, i16 seat, TMoney amount) override {
        Line(seat, spot, "travelled", Amount(amount), Lord.GetBankroll(seat));
    }
    // Told before the refused part is handed back: the bankroll after is with it.
    void Placed(i16 spot, i16 seat, TMoney offered, TMoney refused) override {
        std::string what = Amount(offered);
        if (refused != TMoney())
            what += " refused " + Amount(refused);
        Line(seat, spot, "placed", what, Lord.GetBankroll(seat) + refused);
    }
    void TookDown(i16 spot, i16 seat, TMoney amount) override {
        Line(seat, spot, "took_down", Amount(amount), Lord.GetBankroll(seat));
    }

    void Note(const std::string& text) {
        if (Keep)
            Text += text + '\n';
    }

    // Whether lines are written; the soak counts the house's side only.
    bool Keep = true;
    std::string Text;
    // The house's result: stakes it took less winnings it paid. Summed in the widest float,
    // the table's fractions of a cent included, and judged once rounded to cents.
    long double House = 0.0L;
    long Events = 0;

private:
    void Line(i16 seat, i16 spot, const char* kind, const std::string& what, TMoney bankroll) {
        ++Events;
        if (Keep)
            Text += "  seat " + std::to_string(seat) + ' ' + SpotName(spot) + ' ' + kind + ' ' +
                    what + " bankroll " + Amount(bankroll) + '\n';
    }
    const TCasinoGameLord& Lord;
};
