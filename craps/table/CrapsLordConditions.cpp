// TCasinoCGameLord::TestSkitCondition: what the dealer's skits may ask about the table.
#include "CrapsGameLord.h"

#include "craps/bets/spots/BetSpot.h"
#include "engine/framework/DetailLevelHost.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/PlayerData.h"
#include "platform/host/DateTime.h"
#include "platform/host/RuntimeRandom.h"

#include <cmath>

namespace {

constexpr i16 PassLine = 0;
constexpr i16 DontPass = 1;
constexpr i16 Come = 2;
constexpr i16 DontCome = 3;
constexpr i16 Field = 4;
constexpr i16 AnyCraps = 7;
constexpr i16 Three = 10;
constexpr i16 FirstHard = 13;
constexpr i16 LastHard = 16;
constexpr i16 FirstNumber = 17;
constexpr i16 LastNumber = 28;
constexpr i16 CrapsEleven = 41;

// Two dice (0 to 5) thrown the hard way: a pair of 2s to 5s. Dice not yet thrown (-1) are no
// pair at all.
bool IsHardWay(i16 die1, i16 die2) {
    return die1 == die2 && die1 >= 1 && die1 <= 4;
}

i32 Total(const std::array<i16, 2>& roll) {
    return roll[0] + roll[1] + 2;
}

bool IsSeat(i16 seat) {
    return seat >= 0 && seat < TCasinoGameLord::SeatCount;
}

// The holiday season around the turn of the year.
bool IsHoliday(const TDate& today) {
    return (today.Month() == 12 && today.DayOfMonth() >= 22) ||
           (today.Month() == 1 && today.DayOfMonth() <= 2);
}

} // namespace

i16 TCasinoCGameLord::TestSkitCondition(u16 condition) {
    if (condition > 138)
        return 0;
    const auto spot = [this](i16 index) { return GetBetSpot(index); };
    const auto holds = [&](i16 seat, i16 index) {
        const TCBetSpot* s = spot(index);
        return IsSeat(seat) && s != nullptr && s->HasAmount(seat);
    };
    const auto anyHolds = [&](i16 index) {
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (holds(seat, index))
                return true;
        return false;
    };
    const auto amount = [&](i16 seat, i16 index) {
        const TCBetSpot* s = spot(index);
        return s != nullptr ? s->GetAmount(seat).GetValue() : 0.0;
    };
    const auto anyAbove = [&](i16 index, double limit) {
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (amount(seat, index) > limit)
                return true;
        return false;
    };
    // Pairs (seat, spot) held over every seat, for spots first to last.
    const auto heldPairs = [&](i16 first, i16 last) {
        int n = 0;
        for (i16 seat = 0; seat < SeatCount; ++seat)
            for (i16 index = first; index <= last; ++index)
                n += holds(seat, index) ? 1 : 0;
        return n;
    };
    // -1 for an empty seat.
    const auto sexOf = [this](i16 seat) {
        const TGamblerRecordView record = GetSeatRecord(seat);
        return !record ? -1 : record.GetSex() != 0 ? 1 : 0;
    };
    const auto noSeatedSex = [&](int sex) {
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (sexOf(seat) == sex)
                return false;
        return true;
    };
    // Bets of the occupied seats that the roll in hand decides, each seat judged by its own
    // options.
    const auto decidedBets = [&](bool wins) {
        int n = 0;
        for (i16 seat = 0; seat < SeatCount; ++seat) {
            if (GetSeatPlayerData(seat) == nullptr)
                continue;
            const TCrapsBetOptions options = CopyBettingOptions(seat);
            for (i16 index = 0; index < SpotCount; ++index) {
                TCBetSpot* s = spot(index);
                if (s == nullptr || !s->HasAmount(seat))
                    continue;
                if (wins ? s->TestWin(Die1, Die2, Point, ComeOutFlag, options)
                         : s->TestLose(Die1, Die2, Point, ComeOutFlag, options))
                    ++n;
            }
        }
        return n;
    };
    const auto winOfWinningSpot = [&]() {
        const TCBetSpot* s = spot(WinningSpot);
        if (!IsSeat(CurrentSeat) || s == nullptr)
            return 0.0;
        return s->GetWinAmount(CurrentSeat, static_cast<i16>(Die1 + Die2)).GetValue();
    };
    const auto gameSpeed = [this]() {
        const auto* host = dynamic_cast<const TDetailLevelHost*>(GetModeWindow());
        return host != nullptr ? host->GetDetailLevel() : i16{3};
    };
    const auto chance = [](i32 below) { return rtl::rand() % 100 < below; };

    const i32 c = condition;
    bool holdsNow = false;
    if (c <= 2) {
        holdsNow = CountOccupiedSeats() == c + 1;
    } else if (c == 3) {
        holdsNow = IsHoliday(TDate());
    } else if (c == 4 || c == 5) {
        holdsNow = noSeatedSex(c == 4 ? 0 : 1);
    } else if (c == 6 || c == 7) {
        const int sex = sexOf(ShooterSeat);
        holdsNow = sex == -1 || sex == (c == 6 ? 1 : 0);
    } else if (c == 8) {
        holdsNow = true;
    } else if (c == 9) {
        holdsNow = RollCount >= 8;
    } else if (c == 10) {
        holdsNow = ComeOutFlag != 0;
    } else if (c == 11) {
        holdsNow = NewShooter != 0;
    } else if (c == 12) {
        holdsNow = ComeOutFlag != 0 && NewShooter == 0;
    } else if ((c >= 13 && c <= 18) || (c >= 95 && c <= 100)) {
        static constexpr i32 Points[6] = {4, 5, 6, 8, 9, 10};
        holdsNow = Point + 2 == Points[(c >= 95 ? c - 95 : c - 13)];
    } else if (c <= 29) {
        holdsNow = Total(LastRoll) == c - 17;
    } else if (c == 30) {
        holdsNow = IsHardWay(LastRoll[0], LastRoll[1]);
    } else if (c == 31) {
        holdsNow = Total(LastRoll) == 7 && Total(RollBeforeLast) == 7;
    } else if (c <= 42) {
        holdsNow = Die1 + Die2 + 2 == c - 30;
    } else if (c == 43) {
        holdsNow = IsHardWay(Die1, Die2);
    } else if (c == 44) {
        int n = 0;
        for (i16 index = 0; index < SpotCount; ++index)
            n += spot(index) != nullptr && spot(index)->HasAnyAmount() ? 1 : 0;
        holdsNow = n >= 4;
    } else if (c == 45) {
        holdsNow = holds(ShooterSeat, PassLine);
    } else if (c == 46 || c == 47) {
        holdsNow = anyHolds(PassLine);
    } else if (c == 48) {
        holdsNow = anyAbove(PassLine, 5000.0);
    } else if (c == 49) {
        holdsNow =
            holds(ShooterSeat, PassLine) && std::trunc(amount(ShooterSeat, PassLine)) == 200.0;
    } else if (c == 50) {
        holdsNow = holds(ShooterSeat, DontPass);
    } else if (c == 51) {
        holdsNow = anyHolds(DontPass);
    } else if (c == 52 || c == 55 || c == 56) {
        holdsNow = heldPairs(FirstNumber, LastNumber) >= (c == 52 ? 2 : c == 55 ? 3 : 4);
    } else if (c == 53) {
        holdsNow = anyHolds(Come);
    } else if (c == 54) {
        holdsNow = anyHolds(DontCome);
    } else if (c == 57) {
        holdsNow = heldPairs(FirstHard, LastHard) >= 1;
    } else if (c == 58) {
        holdsNow = heldPairs(FirstHard, LastHard) >= 2;
    } else if (c <= 62) {
        holdsNow = holds(ShooterSeat, static_cast<i16>(FirstHard + c - 59));
    } else if (c <= 66) {
        const auto index = static_cast<i16>(FirstHard + c - 63);
        holdsNow = true;
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (GetSeatPlayerData(seat) != nullptr && !holds(seat, index))
                holdsNow = false;
    } else if (c <= 70) {
        // Each asks about its own hardway and every higher one.
        for (auto index = static_cast<i16>(FirstHard + c - 67); index <= LastHard; ++index)
            holdsNow = holdsNow || anyAbove(index, 1000.0);
    } else if (c == 71) {
        holdsNow = anyHolds(Field);
    } else if (c == 72) {
        holdsNow = anyAbove(Field, 5000.0);
    } else if (c == 73) {
        holdsNow = anyHolds(Three);
    } else if (c == 74) {
        holdsNow = anyHolds(CrapsEleven);
    } else if (c == 75) {
        holdsNow = anyHolds(AnyCraps);
    } else if (c <= 78) {
        holdsNow = DiceLandVariant == c - 75;
    } else if (c == 79) {
        holdsNow = DiceGiven != 0;
    } else if (c <= 83) {
        holdsNow = StallCount == c - 80;
    } else if (c == 84) {
        holdsNow = StallCount >= 4;
    } else if (c <= 87) {
        holdsNow = TalkSetting == c - 85;
    } else if (c <= 94) {
        static constexpr i32 Below[7] = {5, 10, 20, 30, 40, 50, 75};
        holdsNow = chance(Below[c - 88]);
    } else if (c == 101) {
        holdsNow = decidedBets(true) == 1;
    } else if (c == 102) {
        holdsNow = decidedBets(true) >= 1;
    } else if (c == 103) {
        // Judged by the current gambler's options over every seat's chips; no current seat
        // has no options to judge by.
        if (IsSeat(CurrentSeat)) {
            const TCrapsBetOptions options = CopyBettingOptions(CurrentSeat);
            int n = 0;
            for (i16 index = 0; index < SpotCount; ++index) {
                TCBetSpot* s = spot(index);
                n += s != nullptr && s->TestWin(Die1, Die2, Point, ComeOutFlag, options) &&
                             s->HasAnyAmount()
                         ? 1
                         : 0;
            }
            holdsNow = n >= 2;
        }
    } else if (c == 104) {
        holdsNow = winOfWinningSpot() > 100000.0;
    } else if (c == 105) {
        holdsNow = WinningSpot == Field && winOfWinningSpot() > 10000.0;
    } else if (c == 106) {
        holdsNow =
            WinningSpot >= FirstHard && WinningSpot <= LastHard && winOfWinningSpot() > 50000.0;
    } else if (c <= 110) {
        static constexpr int AtLeast[4] = {1, 1, 2, 7};
        const int n = decidedBets(false);
        holdsNow = c == 107 ? n == 1 : n >= AtLeast[c - 107];
    } else if (c == 111) {
        holdsNow = PointRollCount > 9;
    } else if (c == 112) {
        holdsNow = ShooterComeOuts > 3;
    } else if (c == 113) {
        holdsNow = ShooterComeOuts < 6;
    } else if (c <= 128) {
        holdsNow = ShooterComeOuts == c - 108;
    } else if (c == 129) {
        holdsNow = ShooterComeOuts > 20;
    } else if (c <= 133) {
        holdsNow = TalkSetting == c - 130;
    } else if (c == 134) {
        holdsNow = ShakeCount <= 1;
    } else if (c == 135) {
        holdsNow = ShakeCount <= 11;
    } else {
        static constexpr i16 AtLeast[3] = {2, 1, 3};
        holdsNow = gameSpeed() >= AtLeast[c - 136];
    }
    return holdsNow ? 1 : -1;
}
