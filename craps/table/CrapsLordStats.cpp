// TCasinoCGameLord: each decided bet of a roll into its gambler's current session.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasinoPlayerData.h"
#include "craps/bets/BetLedger.h"
#include "craps/bets/BoxNumbers.h"
#include "craps/bets/spots/BoxNumberSpots.h"

namespace {

constexpr i16 FirstBuySpot = table_spot::FirstBuy;
constexpr i16 FirstLaySpot = table_spot::FirstLay;
constexpr int NoRow = -1;
constexpr int OtherRow = 23;

enum class ESide : u8 { None, Right, Wrong };

// Where a kind's money goes: the statistics row of the stake and of the odds, the house-edge
// counter, the side, and whether a win nets the multiple of the stake (the line, come,
// number and field bets) or the spot's own win amount.
struct TKindRows {
    int Stake = OtherRow;
    int Odds = NoRow;
    bool High = false;
    ESide Side = ESide::None;
    bool NetsMultiple = false;
};

TKindRows RowsOfKind(i32 kind) {
    switch (kind) {
    case bet_kind::PassLine:
        return {0, 1, true, ESide::Right, true};
    case bet_kind::DontPass:
        return {2, 3, true, ESide::Wrong, true};
    case bet_kind::Come:
        return {4, NoRow, true, ESide::Right, true};
    case bet_kind::DontCome:
        return {6, NoRow, true, ESide::Wrong, true};
    case bet_kind::ComeNumber:
        return {4, 5, true, ESide::Right, true};
    case bet_kind::DontComeNumber:
        return {6, 7, true, ESide::Wrong, true};
    case bet_kind::Hardway:
        return {9, NoRow, false, ESide::None, true};
    case bet_kind::Field:
        return {8, NoRow, false, ESide::None, true};
    case bet_kind::Big:
        return {10, NoRow, false, ESide::Right, true};
    default:
        return {};
    }
}

// A buy or place bet's row by the seat's kind of bet and the spot's number; only the placed 6
// and 8 are bets with a low house edge.
TKindRows BuyPlaceRows(const TCBetSpot& spot, i16 index, i16 seat) {
    const auto* buy = dynamic_cast<const TBetBuy*>(&spot);
    if (buy == nullptr || index < FirstBuySpot || index >= FirstBuySpot + 6)
        return {};
    const i16 number = BoxNumberSums[index - FirstBuySpot];
    TKindRows rows;
    rows.Side = ESide::Right;
    if (buy->IsBought(seat)) {
        constexpr int BoughtByPair[3] = {11, 18, 19};
        // Of 4 and 10, each has a row of its own.
        rows.Stake = number == 2 ? 11 : number == 8 ? 16 : BoughtByPair[BoxNumberPair(number)];
        return rows;
    }
    constexpr int PlacedByPlace[6] = {17, 12, 13, 14, 15, 17};
    rows.Stake = PlacedByPlace[BoxNumberPlace(number)];
    rows.High = rows.Stake == 13 || rows.Stake == 14;
    return rows;
}

TKindRows LayRows(i16 index) {
    if (index < FirstLaySpot || index >= FirstLaySpot + 6)
        return {OtherRow, NoRow, false, ESide::Wrong, false};
    return {20 + BoxNumberPair(BoxNumberSums[index - FirstLaySpot]), NoRow, false, ESide::Wrong,
            false};
}

void Count(u16& counter) {
    if (counter != 0xFFFF)
        ++counter;
}

// The roll as every spot is asked about it.
struct TRoll {
    i16 Die1;
    i16 Die2;
    i16 Point;
    u8 ComeOut;
    i16 Sum;
};

// How a decided bet came out: what was bet, and on a win what the stake and the odds net.
struct TOutcome {
    bool Won = false;
    TMoney Stake;
    TMoney Odds;
    TMoney Win;
    TMoney StakeNet;
    TMoney OddsNet;
};

// The rows of a spot's kind, for the seat's bet on it.
TKindRows RowsOfSpot(const TCBetSpot& spot, i16 index, i16 seat) {
    const i32 kind = spot.GetBetKind();
    return kind == bet_kind::BuyPlace ? BuyPlaceRows(spot, index, seat)
           : kind == bet_kind::Lay    ? LayRows(index)
                                      : RowsOfKind(kind);
}

// One decided bet into the session: the counts, the amounts, the kind's rows, the house-edge
// counter and the side's totals; the shoot's own fields only when a roll of the shoot decided
// it.
void RecordOutcome(TCCSession& s, const TKindRows& rows, const TOutcome& o, bool inShoot) {
    const bool won = o.Won;
    const TMoney bet = o.Stake + o.Odds;
    const bool oddsCount = rows.Odds != NoRow && o.Odds.WholeDollars() != 0;
    for (int n = oddsCount ? 2 : 1; n > 0; --n) {
        Count(won ? s.BetsWon : s.BetsLost);
        Count(s.BetsDecided);
    }
    s.TotalBet += bet;
    if (won)
        s.TotalWon += o.Win;
    else
        s.TotalLost += bet;

    s.BetByRow[static_cast<size_t>(rows.Stake)] += o.Stake;
    s.NetByRow[static_cast<size_t>(rows.Stake)] += won ? o.StakeNet : -o.Stake;
    if (rows.Odds != NoRow) {
        s.BetByRow[static_cast<size_t>(rows.Odds)] += o.Odds;
        s.NetByRow[static_cast<size_t>(rows.Odds)] += won ? o.OddsNet : -o.Odds;
    }
    u16& edge = rows.High ? s.HighPercentageBets : s.LowPercentageBets;
    Count(edge);
    if (rows.Odds != NoRow && o.Odds > TMoney())
        Count(edge);

    if (rows.Side == ESide::None)
        return;
    const bool right = rows.Side == ESide::Right;
    (right ? s.RightTotalBet : s.WrongTotalBet) += bet;
    const TMoney net = won ? o.Win : -bet;
    (right ? s.RightNet : s.WrongNet) += net;
    if (!inShoot)
        return;
    (right ? s.RightThisShoot : s.WrongThisShoot) = 1;
    (right ? s.RightShootNet : s.WrongShootNet) += net;
}

// One seat's bet on one spot, asked before the roll settles anything; nothing when the roll
// leaves it standing.
void RecordBet(TCCSession& s, TCBetSpot& spot, i16 index, i16 seat, const TCrapsBetOptions& options,
               const TRoll& roll) {
    const bool won = spot.TestWin(roll.Die1, roll.Die2, roll.Point, roll.ComeOut, options);
    if (!won && !spot.TestLose(roll.Die1, roll.Die2, roll.Point, roll.ComeOut, options))
        return;
    const i32 kind = spot.GetBetKind();
    const TKindRows rows = RowsOfSpot(spot, index, seat);
    TOutcome o{won, spot.GetAmount(seat), spot.GetOddsAmount(seat), TMoney(), TMoney(), TMoney()};
    if (won)
        o.Win = spot.GetWinAmount(seat, roll.Sum);
    // Come-out odds the gambler keeps off go back to him before the roll is settled: the
    // stake alone is decided.
    const bool oddsOff =
        (kind == bet_kind::ComeNumber && options[OptionComeOddsOnComeOut] == 0) ||
        (kind == bet_kind::DontComeNumber && options[OptionDontComeOddsOnComeOut] == 0);
    if (roll.ComeOut != 0 && oddsOff && o.Odds != TMoney()) {
        if (won)
            o.Win -= spot.OddsWin(o.Odds, roll.Sum);
        o.Odds = TMoney();
    }
    if (won) {
        o.StakeNet = rows.NetsMultiple ? o.Stake * spot.GetPayoutMultiplier() : o.Win;
        o.OddsNet = spot.OddsWin(o.Odds, roll.Sum);
    }
    RecordOutcome(s, rows, o, true);
}

} // namespace

void TCasinoCGameLord::ChangeSeatSessions(
    const std::function<void(i16 seat, TCCSession& session)>& change) {
    for (i16 seat = 0; seat < SeatCount; ++seat)
        GetSeatRecord(seat).EditCurrentSession([&](TCCSession& session) {
            change(seat, session);
            return true;
        });
}

// Each seat is judged by its own options, read straight from its record, so the current seat
// and the options copied for it stay as they were.
void TCasinoCGameLord::RecordRollStatistics() {
    const TRoll roll{Die1, Die2, Point, ComeOutFlag, static_cast<i16>(Die1 + Die2)};
    ChangeSeatSessions([&](i16 seat, TCCSession& session) {
        const TCrapsBetOptions options = CopyBettingOptions(seat);
        for (i16 index = 0; index < SpotCount; ++index) {
            TCBetSpot* spot = BetSpots[static_cast<size_t>(index)];
            if (spot != nullptr && spot->HasAmount(seat))
                RecordBet(session, *spot, index, seat, options, roll);
        }
    });
}

// A gambler who gets up leaves what may not come down to the house: counted as a bet lost, as
// the bankroll has lost it, but outside the shoot, which no roll decided.
void TCasinoCGameLord::RecordForfeits(i16 seat) {
    GetSeatRecord(seat).EditCurrentSession([&](TCCSession& session) {
        bool any = false;
        for (i16 index = 0; index < SpotCount; ++index) {
            const TCBetSpot* spot = BetSpots[static_cast<size_t>(index)];
            if (spot == nullptr || SeatMoney(*spot, seat) == TMoney())
                continue;
            const TOutcome lost{
                false,   spot->GetAmount(seat), spot->GetOddsAmount(seat), TMoney(), TMoney(),
                TMoney()};
            RecordOutcome(session, RowsOfSpot(*spot, index, seat), lost, false);
            any = true;
        }
        return any;
    });
}
