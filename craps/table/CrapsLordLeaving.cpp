// TCasinoCGameLord: the bets a gambler who gets up would leave to the house, told before he goes.
#include "craps/table/CrapsGameLord.h"

#include "craps/bets/BetLedger.h"
#include "craps/bets/BoxNumbers.h"
#include "craps/bets/spots/BetSpot.h"

#include <string>

namespace {

// The spots a stake may stand on that no take-down gives back, by the names the layout shows.
std::string ContractSpotName(i16 spot) {
    if (spot == table_spot::PassLine)
        return "Pass Line";
    if (spot == table_spot::DontPass)
        return "Don't Pass";
    const auto numberOf = [](i16 place) { return std::to_string(BoxNumberSums[place] + 2); };
    if (spot >= table_spot::FirstComeNumber && spot < table_spot::FirstComeNumber + 6)
        return "Come " + numberOf(static_cast<i16>(spot - table_spot::FirstComeNumber));
    if (spot >= table_spot::FirstDontComeNumber && spot < table_spot::FirstDontComeNumber + 6)
        return "Don't Come " + numberOf(static_cast<i16>(spot - table_spot::FirstDontComeNumber));
    return "spot " + std::to_string(spot);
}

} // namespace

void TCasinoCGameLord::SettleBeforeLeaving() {
    SettleRollInPlay();
}

// A line bet is a contract once the point is on, and a come or don't-come stake from the roll
// that took it to its number: their take-downs give back the odds alone.
TMoney TCasinoCGameLord::StakeLeftBehind(i16 spotIndex, i16 seat) const {
    const TCBetSpot* spot = GetBetSpot(spotIndex);
    if (spot == nullptr)
        return TMoney();
    switch (spot->GetBetKind()) {
    case bet_kind::PassLine:
    case bet_kind::DontPass:
        return ComeOutFlag == 0 ? spot->GetAmount(seat) : TMoney();
    case bet_kind::ComeNumber:
    case bet_kind::DontComeNumber:
        return spot->GetAmount(seat);
    default:
        return TMoney();
    }
}

std::vector<TLeftBet> TCasinoCGameLord::BetsLeftBehind(i16 seat) const {
    std::vector<TLeftBet> left;
    if (SessionCloseMode != 0 || GetSeatPlayerData(seat) == nullptr)
        return left;
    for (i16 spot = 0; spot < SpotCount; ++spot)
        if (const TMoney stake = StakeLeftBehind(spot, seat); stake > TMoney())
            left.push_back({ContractSpotName(spot), stake});
    return left;
}
