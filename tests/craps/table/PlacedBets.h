// Test support: a money ledger that keeps only the bets placed, each with its spot, seat and
// amount, in the order the table took them.
#pragma once

#include "craps/table/MoneyLedger.h"

#include <ostream>
#include <vector>

class TPlacedBets : public TMoneyLedger {
public:
    void Lost(i16, i16, TMoney) override {}
    void Forfeited(i16, i16, TMoney) override {}
    void Paid(i16, i16, TMoney, TMoney) override {}
    void OddsReturned(i16, i16, TMoney) override {}
    void Travelled(i16, i16, TMoney) override {}
    void Placed(i16 spot, i16 seat, TMoney amount, TMoney) override {
        Bets.push_back({spot, seat, amount.GetValue()});
    }
    void TookDown(i16, i16, TMoney) override {}

    std::vector<i16> Spots() const {
        std::vector<i16> spots;
        for (const TBet& bet : Bets)
            spots.push_back(bet.Spot);
        return spots;
    }

    struct TBet {
        i16 Spot;
        i16 Seat;
        double Amount;
        bool operator==(const TBet&) const = default;
        friend void PrintTo(const TBet& bet, std::ostream* out) {
            *out << "spot " << bet.Spot << " seat " << bet.Seat << " $" << bet.Amount;
        }
    };
    std::vector<TBet> Bets;
};
