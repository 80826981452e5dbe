// TCasinoCGameLord: the advisor's judgement of a clicked bet and of the free odds before a
// roll, and the advice it shows.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasinoPlayerData.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsAsk.h"

#include <cmath>

namespace {

constexpr u16 PassLine = table_spot::PassLine;
constexpr u16 DontPass = table_spot::DontPass;
constexpr u16 Come = table_spot::Come;
constexpr u16 DontCome = table_spot::DontCome;
// The come and don't-come numbers 4, 5, 6, 8, 9, 10 start here.
constexpr u16 ComeNumbers = table_spot::FirstComeNumber;
constexpr u16 DontComeNumbers = table_spot::FirstDontComeNumber;
constexpr u16 NumberCount = 6;
// Sum indices of the points 6 and 8, and the places of 6 and 8 among the numbers.
constexpr i16 PointSix = 4;
constexpr i16 PointEight = 6;
constexpr u16 SixPlace = 2;
constexpr u16 EightPlace = 3;

// Topics of spots that are bad whatever else is on the table, by spot; 0 for a good bet.
constexpr i16 SpotTopics[TCasinoCGameLord::SpotCount] = {
    0,  0, 0, 0, 1, 2, 2, 3, 7, 4, 5, 5, 4, 10, 9, 9, 10, 11, 12, 0, 0, 12,
    11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0,  0,  0,  6, 8};

// Free odds may be taken up to twice the stake; on the 6 and the 8 an even stake may take two
// and a half times, which keeps the payout in whole dollars.
double MaxOdds(double stake, bool sixOrEight) {
    if (sixOrEight && std::fmod(std::trunc(stake), 2.0) == 0.0)
        return std::trunc(0.5 * stake + 2.0 * stake);
    return std::trunc(2.0 * stake);
}

} // namespace

bool TCasinoCGameLord::AnyInstructionMode() const {
    for (i16 seat = 0; seat < SeatCount; ++seat)
        if (GetSeatRecord(seat).GetInstructionMode())
            return true;
    return false;
}

i16 TCasinoCGameLord::BadBetTopic(u16 spot) const {
    const auto has = [this](i16 seat, u16 index) {
        const TCBetSpot* s = GetBetSpot(static_cast<i16>(index));
        return s != nullptr && s->GetAmount(seat).GetValue() > 0.0;
    };
    const auto count = [&](i16 seat, u16 line, u16 numbers) {
        int n = has(seat, line) ? 1 : 0;
        for (u16 k = 0; k < NumberCount; ++k)
            n += has(seat, static_cast<u16>(numbers + k)) ? 1 : 0;
        return n;
    };
    const auto anyOf = [&](i16 seat, u16 numbers) {
        for (u16 k = 0; k < NumberCount; ++k)
            if (has(seat, static_cast<u16>(numbers + k)))
                return true;
        return false;
    };
    // Any seat's bets count: two gamblers at one table who bet against each other are told too.
    for (i16 seat = 0; seat < SeatCount; ++seat) {
        const bool pass = has(seat, PassLine);
        const bool dontPass = has(seat, DontPass);
        const bool comeNumber = anyOf(seat, ComeNumbers);
        const bool dontComeNumber = anyOf(seat, DontComeNumbers);
        if ((pass && spot == DontPass) || (dontPass && spot == PassLine))
            return 13;
        if ((pass && spot == DontCome) || (dontComeNumber && spot == PassLine))
            return 14;
        if ((dontPass && spot == Come) || (comeNumber && spot == DontPass))
            return 15;
        if ((dontComeNumber && spot == Come) || (comeNumber && spot == DontCome))
            return 16;
    }
    for (i16 seat = 0; seat < SeatCount; ++seat) {
        if (spot == Come && count(seat, PassLine, ComeNumbers) >= 3)
            return 17;
        if (spot == DontCome && count(seat, DontPass, DontComeNumbers) >= 3)
            return 18;
    }
    return spot < SpotCount ? SpotTopics[spot] : i16{0};
}

i16 TCasinoCGameLord::FreeOddsTopic() const {
    if (ComeOutFlag == 1)
        return 0;
    const auto watched = [this](i16 seat) { return GetSeatRecord(seat).GetInstructionMode(); };
    const auto stake = [this](i16 seat, u16 index) {
        const TCBetSpot* s = GetBetSpot(static_cast<i16>(index));
        return s != nullptr ? s->GetAmount(seat).GetValue() : 0.0;
    };
    const auto odds = [this](i16 seat, u16 index) {
        const TCBetSpot* s = GetBetSpot(static_cast<i16>(index));
        return s != nullptr ? s->GetOddsAmount(seat).GetValue() : 0.0;
    };
    const auto noOdds = [&](i16 seat, u16 index) {
        return stake(seat, index) > 0.0 && std::trunc(odds(seat, index)) == 0.0;
    };
    const auto short_ = [&](i16 seat, u16 index, bool sixOrEight) {
        const double s = stake(seat, index);
        return s > 0.0 && MaxOdds(s, sixOrEight) > odds(seat, index);
    };

    for (i16 seat = 0; seat < SeatCount; ++seat) {
        if (!watched(seat))
            continue;
        for (u16 k = 0; k < NumberCount; ++k) {
            if (noOdds(seat, static_cast<u16>(ComeNumbers + k)))
                return 1;
            if (noOdds(seat, static_cast<u16>(DontComeNumbers + k)))
                return 2;
        }
        if (noOdds(seat, PassLine))
            return 3;
        if (noOdds(seat, DontPass))
            return 4;
    }
    const bool sixOrEightPoint = Point == PointSix || Point == PointEight;
    for (i16 seat = 0; seat < SeatCount; ++seat) {
        if (!watched(seat))
            continue;
        if (sixOrEightPoint && (short_(seat, PassLine, true) || short_(seat, DontPass, true)))
            return 5;
        for (u16 k = 0; k < NumberCount; ++k)
            if (short_(seat, static_cast<u16>(ComeNumbers + k), false) ||
                short_(seat, static_cast<u16>(DontComeNumbers + k), false))
                return 5;
        if (short_(seat, PassLine, false) || short_(seat, DontPass, false))
            return 5;
        for (const u16 place : {SixPlace, EightPlace})
            if (short_(seat, static_cast<u16>(ComeNumbers + place), true) ||
                short_(seat, static_cast<u16>(DontComeNumbers + place), true))
                return 5;
    }
    return 0;
}

// Each asks anew: a situation that has gone away since the button began to signal gets the
// general advice, not the text of some earlier question.
void TCasinoCGameLord::AskBadBet(u16 spot) {
    CopyBettingOptions();
    if (Ask != nullptr)
        Ask->GetBadBetAdvice(BadBetTopic(spot));
}

void TCasinoCGameLord::AskFreeOdds() {
    CopyBettingOptions();
    if (Ask != nullptr)
        Ask->GetFreeOddsAdvice(FreeOddsTopic());
}

void TCasinoCGameLord::AskGeneral() {
    if (Ask != nullptr)
        Ask->GetGeneralAdvice();
}

const std::string& TCasinoCGameLord::GetAdviceText() const {
    static const std::string none;
    return Ask != nullptr ? Ask->GetText() : none;
}
