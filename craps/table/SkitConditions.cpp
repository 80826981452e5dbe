// The skit conditions' table: what each number asks about the seats, the chips and the round.
#include "craps/table/SkitConditions.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/TableRegions.h"
#include "platform/host/DateTime.h"
#include "platform/host/RuntimeRandom.h"

#include <algorithm>
#include <cmath>

namespace skit_condition {
namespace {

using namespace table_spot;

// The number bets: buy or place, then the come numbers.
constexpr i16 FirstNumber = FirstBuy;
constexpr i16 LastNumber = FirstLay - 1;
constexpr i16 SpotCount = TCasinoCGameLord::SpotCount;
constexpr i16 SeatCount = TCasinoCGameLord::SeatCount;

using TAsk = const TTable&;

// Two dice (0 to 5) thrown the hard way: a pair of 2s to 5s. Dice not yet thrown (-1) are no
// pair at all.
bool IsHardWay(i16 die1, i16 die2) {
    return die1 == die2 && die1 >= 1 && die1 <= 4;
}

i32 Total(const std::array<i16, 2>& roll) {
    return roll[0] + roll[1] + 2;
}

bool IsSeat(i16 seat) {
    return seat >= 0 && seat < SeatCount;
}

// The holiday season around the turn of the year.
bool IsHoliday(const TDate& today) {
    return (today.Month() == 12 && today.DayOfMonth() >= 22) ||
           (today.Month() == 1 && today.DayOfMonth() <= 2);
}

bool Holds(TAsk t, i16 seat, i16 index) {
    const TCBetSpot* s = t.Spot(index);
    return IsSeat(seat) && s != nullptr && s->HasAmount(seat);
}

bool AnyHolds(TAsk t, i16 index) {
    for (i16 seat = 0; seat < SeatCount; ++seat)
        if (Holds(t, seat, index))
            return true;
    return false;
}

double Amount(TAsk t, i16 seat, i16 index) {
    const TCBetSpot* s = t.Spot(index);
    return s != nullptr ? s->GetAmount(seat).GetValue() : 0.0;
}

bool AnyAbove(TAsk t, i16 index, double limit) {
    for (i16 seat = 0; seat < SeatCount; ++seat)
        if (Amount(t, seat, index) > limit)
            return true;
    return false;
}

// Pairs (seat, spot) held over every seat, for spots first to last.
int HeldPairs(TAsk t, i16 first, i16 last) {
    int n = 0;
    for (i16 seat = 0; seat < SeatCount; ++seat)
        for (i16 index = first; index <= last; ++index)
            n += Holds(t, seat, index) ? 1 : 0;
    return n;
}

bool NoSeatedSex(TAsk t, int sex) {
    for (i16 seat = 0; seat < SeatCount; ++seat)
        if (t.SeatSex(seat) == sex)
            return false;
    return true;
}

// Bets of the occupied seats that the roll in hand decides, each seat judged by its own
// options.
int DecidedBets(TAsk t, bool wins) {
    const TRound& r = t.Round();
    int n = 0;
    for (i16 seat = 0; seat < SeatCount; ++seat) {
        if (!t.Seated(seat))
            continue;
        const TCrapsBetOptions options = t.Options(seat);
        for (i16 index = 0; index < SpotCount; ++index) {
            TCBetSpot* s = t.Spot(index);
            if (s == nullptr || !s->HasAmount(seat))
                continue;
            if (wins ? s->TestWin(r.Die1, r.Die2, r.Point, r.ComeOutFlag, options)
                     : s->TestLose(r.Die1, r.Die2, r.Point, r.ComeOutFlag, options))
                ++n;
        }
    }
    return n;
}

double WinOfWinningSpot(TAsk t) {
    const TRound& r = t.Round();
    const TCBetSpot* s = t.Spot(r.WinningSpot);
    if (!IsSeat(r.CurrentSeat) || s == nullptr)
        return 0.0;
    return s->GetWinAmount(r.CurrentSeat, static_cast<i16>(r.Die1 + r.Die2)).GetValue();
}

// Judged by the current gambler's options over every seat's chips; no current seat has no
// options to judge by.
bool TwoWinningSpots(TAsk t) {
    const TRound& r = t.Round();
    if (!IsSeat(r.CurrentSeat))
        return false;
    const TCrapsBetOptions options = t.Options(r.CurrentSeat);
    int n = 0;
    for (i16 index = 0; index < SpotCount; ++index) {
        TCBetSpot* s = t.Spot(index);
        n += s != nullptr && s->TestWin(r.Die1, r.Die2, r.Point, r.ComeOutFlag, options) &&
                     s->HasAnyAmount()
                 ? 1
                 : 0;
    }
    return n >= 2;
}

bool FourSpotsHeld(TAsk t) {
    int n = 0;
    for (i16 index = 0; index < SpotCount; ++index)
        n += t.Spot(index) != nullptr && t.Spot(index)->HasAnyAmount() ? 1 : 0;
    return n >= 4;
}

template <i16 Seats> bool SeatsTaken(TAsk t) {
    return t.OccupiedSeats() == Seats;
}

bool Holiday(TAsk) {
    return IsHoliday(TDate());
}

template <int Sex> bool NobodyOfSex(TAsk t) {
    return NoSeatedSex(t, Sex);
}

// An empty shooter seat counts as either.
template <int Sex> bool ShooterIs(TAsk t) {
    const int sex = t.SeatSex(t.Round().ShooterSeat);
    return sex == -1 || sex == Sex;
}

bool Always(TAsk) {
    return true;
}

bool EightRolls(TAsk t) {
    return t.Round().RollCount >= 8;
}

bool ComingOut(TAsk t) {
    return t.Round().ComeOutFlag != 0;
}

bool FreshShooter(TAsk t) {
    return t.Round().NewShooter != 0;
}

bool ComingOutAgain(TAsk t) {
    return t.Round().ComeOutFlag != 0 && t.Round().NewShooter == 0;
}

template <i32 Number> bool PointIs(TAsk t) {
    return t.Round().Point + 2 == Number;
}

template <i32 Sum> bool LastRollIs(TAsk t) {
    return Total(t.Round().LastRoll) == Sum;
}

bool LastRollHard(TAsk t) {
    return IsHardWay(t.Round().LastRoll[0], t.Round().LastRoll[1]);
}

bool TwoSevens(TAsk t) {
    return Total(t.Round().LastRoll) == 7 && Total(t.Round().RollBeforeLast) == 7;
}

template <i32 Sum> bool RollIs(TAsk t) {
    return t.Round().Die1 + t.Round().Die2 + 2 == Sum;
}

bool RollHard(TAsk t) {
    return IsHardWay(t.Round().Die1, t.Round().Die2);
}

template <i16 Index> bool ShooterHolds(TAsk t) {
    return Holds(t, t.Round().ShooterSeat, Index);
}

template <i16 Index> bool SomeoneHolds(TAsk t) {
    return AnyHolds(t, Index);
}

bool PassAbove5000(TAsk t) {
    return AnyAbove(t, PassLine, 5000.0);
}

bool ShootersPass200(TAsk t) {
    const i16 shooter = t.Round().ShooterSeat;
    return Holds(t, shooter, PassLine) && std::trunc(Amount(t, shooter, PassLine)) == 200.0;
}

template <int AtLeast> bool NumberBets(TAsk t) {
    return HeldPairs(t, FirstNumber, LastNumber) >= AtLeast;
}

template <int AtLeast> bool HardwayBets(TAsk t) {
    return HeldPairs(t, FirstHard, LastHard) >= AtLeast;
}

// True with nobody seated.
template <i16 Index> bool EveryoneHolds(TAsk t) {
    for (i16 seat = 0; seat < SeatCount; ++seat)
        if (t.Seated(seat) && !Holds(t, seat, Index))
            return false;
    return true;
}

// Each asks about its own hardway and every higher one.
template <i16 First> bool BigHardway(TAsk t) {
    for (i16 index = First; index <= LastHard; ++index)
        if (AnyAbove(t, index, 1000.0))
            return true;
    return false;
}

bool FieldAbove5000(TAsk t) {
    return AnyAbove(t, Field, 5000.0);
}

template <u16 Variant> bool DiceLanded(TAsk t) {
    return t.Round().DiceLandVariant == Variant;
}

bool DiceHandedOver(TAsk t) {
    return t.Round().DiceGiven != 0;
}

template <u16 Count> bool Stalls(TAsk t) {
    return t.Round().StallCount == Count;
}

bool ManyStalls(TAsk t) {
    return t.Round().StallCount >= 4;
}

template <i16 Setting> bool Talk(TAsk t) {
    return t.Round().TalkSetting == Setting;
}

template <i32 Below> bool Chance(TAsk) {
    return rtl::rand() % 100 < Below;
}

bool OneWinner(TAsk t) {
    return DecidedBets(t, true) == 1;
}

bool AnyWinner(TAsk t) {
    return DecidedBets(t, true) >= 1;
}

bool BigWin(TAsk t) {
    return WinOfWinningSpot(t) > 100000.0;
}

bool FieldWin(TAsk t) {
    return t.Round().WinningSpot == Field && WinOfWinningSpot(t) > 10000.0;
}

bool HardWin(TAsk t) {
    const i16 spot = t.Round().WinningSpot;
    return spot >= FirstHard && spot <= LastHard && WinOfWinningSpot(t) > 50000.0;
}

bool OneLoser(TAsk t) {
    return DecidedBets(t, false) == 1;
}

template <int AtLeast> bool Losers(TAsk t) {
    return DecidedBets(t, false) >= AtLeast;
}

bool LongHand(TAsk t) {
    return t.Round().PointRollCount > 9;
}

bool ComeOutsAbove3(TAsk t) {
    return t.Round().ShooterComeOuts > 3;
}

bool ComeOutsBelow6(TAsk t) {
    return t.Round().ShooterComeOuts < 6;
}

template <u16 Count> bool ComeOuts(TAsk t) {
    return t.Round().ShooterComeOuts == Count;
}

bool ComeOutsAbove20(TAsk t) {
    return t.Round().ShooterComeOuts > 20;
}

template <u16 AtMost> bool ShakesUpTo(TAsk t) {
    return t.Round().ShakeCount <= AtMost;
}

template <i16 AtLeast> bool SpeedAtLeast(TAsk t) {
    return t.GameSpeed() >= AtLeast;
}

constexpr TCondition Table[] = {
    {0, "OneSeat", SeatsTaken<1>},
    {1, "TwoSeats", SeatsTaken<2>},
    {2, "ThreeSeats", SeatsTaken<3>},
    {3, "Holidays", Holiday},
    {4, "NoWoman", NobodyOfSex<0>},
    {5, "NoMan", NobodyOfSex<1>},
    {6, "ShooterNoWoman", ShooterIs<1>},
    {7, "ShooterNoMan", ShooterIs<0>},
    {8, "Always", Always},
    {9, "EightRolls", EightRolls},
    {10, "ComeOut", ComingOut},
    {11, "NewShooter", FreshShooter},
    {12, "ComeOutSameShooter", ComingOutAgain},
    {13, "Point4", PointIs<4>},
    {14, "Point5", PointIs<5>},
    {15, "Point6", PointIs<6>},
    {16, "Point8", PointIs<8>},
    {17, "Point9", PointIs<9>},
    {18, "Point10", PointIs<10>},
    {19, "LastRoll2", LastRollIs<2>},
    {20, "LastRoll3", LastRollIs<3>},
    {21, "LastRoll4", LastRollIs<4>},
    {22, "LastRoll5", LastRollIs<5>},
    {23, "LastRoll6", LastRollIs<6>},
    {24, "LastRoll7", LastRollIs<7>},
    {25, "LastRoll8", LastRollIs<8>},
    {26, "LastRoll9", LastRollIs<9>},
    {27, "LastRoll10", LastRollIs<10>},
    {28, "LastRoll11", LastRollIs<11>},
    {29, "LastRoll12", LastRollIs<12>},
    {30, "LastRollHard", LastRollHard},
    {31, "TwoSevens", TwoSevens},
    {32, "Roll2", RollIs<2>},
    {33, "Roll3", RollIs<3>},
    {34, "Roll4", RollIs<4>},
    {35, "Roll5", RollIs<5>},
    {36, "Roll6", RollIs<6>},
    {37, "Roll7", RollIs<7>},
    {38, "Roll8", RollIs<8>},
    {39, "Roll9", RollIs<9>},
    {40, "Roll10", RollIs<10>},
    {41, "Roll11", RollIs<11>},
    {42, "Roll12", RollIs<12>},
    {43, "RollHard", RollHard},
    {44, "Busy", FourSpotsHeld},
    {45, "ShooterPass", ShooterHolds<PassLine>},
    {46, "AnyPass", SomeoneHolds<PassLine>},
    {47, "AnyPassToo", SomeoneHolds<PassLine>},
    {48, "PassAbove5000", PassAbove5000},
    {49, "ShooterPass200", ShootersPass200},
    {50, "ShooterDontPass", ShooterHolds<DontPass>},
    {51, "AnyDontPass", SomeoneHolds<DontPass>},
    {52, "Numbers2", NumberBets<2>},
    {53, "AnyCome", SomeoneHolds<Come>},
    {54, "AnyDontCome", SomeoneHolds<DontCome>},
    {55, "Numbers3", NumberBets<3>},
    {56, "Numbers4", NumberBets<4>},
    {57, "AnyHardway", HardwayBets<1>},
    {58, "Hardways2", HardwayBets<2>},
    {59, "ShooterHard4", ShooterHolds<FirstHard>},
    {60, "ShooterHard6", ShooterHolds<FirstHard + 1>},
    {61, "ShooterHard8", ShooterHolds<FirstHard + 2>},
    {62, "ShooterHard10", ShooterHolds<FirstHard + 3>},
    {63, "EveryoneHard4", EveryoneHolds<FirstHard>},
    {64, "EveryoneHard6", EveryoneHolds<FirstHard + 1>},
    {65, "EveryoneHard8", EveryoneHolds<FirstHard + 2>},
    {66, "EveryoneHard10", EveryoneHolds<FirstHard + 3>},
    {67, "BigHard4Up", BigHardway<FirstHard>},
    {68, "BigHard6Up", BigHardway<FirstHard + 1>},
    {69, "BigHard8Up", BigHardway<FirstHard + 2>},
    {70, "BigHard10", BigHardway<FirstHard + 3>},
    {71, "AnyField", SomeoneHolds<Field>},
    {72, "FieldAbove5000", FieldAbove5000},
    {73, "AnyThree", SomeoneHolds<Three>},
    {74, "AnyCrapsEleven", SomeoneHolds<CrapsEleven>},
    {75, "AnyCraps", SomeoneHolds<AnyCraps>},
    {76, "DiceLand1", DiceLanded<1>},
    {77, "DiceLand2", DiceLanded<2>},
    {78, "DiceLand3", DiceLanded<3>},
    {79, "DiceGiven", DiceHandedOver},
    {80, "Stalls0", Stalls<0>},
    {81, "Stalls1", Stalls<1>},
    {82, "Stalls2", Stalls<2>},
    {83, "Stalls3", Stalls<3>},
    {84, "Stalls4Up", ManyStalls},
    {85, "TalkSetting0", Talk<0>},
    {86, "TalkSetting1", Talk<1>},
    {87, "TalkSetting2", Talk<2>},
    {88, "Chance5", Chance<5>},
    {89, "Chance10", Chance<10>},
    {90, "Chance20", Chance<20>},
    {91, "Chance30", Chance<30>},
    {92, "Chance40", Chance<40>},
    {93, "Chance50", Chance<50>},
    {94, "Chance75", Chance<75>},
    {95, "PointIs4", PointIs<4>},
    {96, "PointIs5", PointIs<5>},
    {97, "PointIs6", PointIs<6>},
    {98, "PointIs8", PointIs<8>},
    {99, "PointIs9", PointIs<9>},
    {100, "PointIs10", PointIs<10>},
    {101, "OneWinner", OneWinner},
    {102, "AnyWinner", AnyWinner},
    {103, "Winners2", TwoWinningSpots},
    {104, "BigWin", BigWin},
    {105, "FieldWin", FieldWin},
    {106, "HardWin", HardWin},
    {107, "OneLoser", OneLoser},
    {108, "AnyLoser", Losers<1>},
    {109, "Losers2", Losers<2>},
    {110, "Losers7", Losers<7>},
    {111, "LongHand", LongHand},
    {112, "ComeOutsAbove3", ComeOutsAbove3},
    {113, "ComeOutsBelow6", ComeOutsBelow6},
    {114, "ComeOuts6", ComeOuts<6>},
    {115, "ComeOuts7", ComeOuts<7>},
    {116, "ComeOuts8", ComeOuts<8>},
    {117, "ComeOuts9", ComeOuts<9>},
    {118, "ComeOuts10", ComeOuts<10>},
    {119, "ComeOuts11", ComeOuts<11>},
    {120, "ComeOuts12", ComeOuts<12>},
    {121, "ComeOuts13", ComeOuts<13>},
    {122, "ComeOuts14", ComeOuts<14>},
    {123, "ComeOuts15", ComeOuts<15>},
    {124, "ComeOuts16", ComeOuts<16>},
    {125, "ComeOuts17", ComeOuts<17>},
    {126, "ComeOuts18", ComeOuts<18>},
    {127, "ComeOuts19", ComeOuts<19>},
    {128, "ComeOuts20", ComeOuts<20>},
    {129, "ComeOutsAbove20", ComeOutsAbove20},
    {130, "Talk0", Talk<0>},
    {131, "Talk1", Talk<1>},
    {132, "Talk2", Talk<2>},
    {133, "Talk3", Talk<3>},
    {134, "FirstShake", ShakesUpTo<1>},
    {135, "ShakeUpTo11", ShakesUpTo<11>},
    {136, "Speed2", SpeedAtLeast<2>},
    {137, "Speed1", SpeedAtLeast<1>},
    {138, "Speed3", SpeedAtLeast<3>},
};

} // namespace

std::span<const TCondition> Conditions() {
    return Table;
}

const TCondition* Find(u16 number) {
    const auto* found = std::find_if(std::begin(Table), std::end(Table),
                                     [number](const TCondition& c) { return c.Number == number; });
    return found != std::end(Table) ? found : nullptr;
}

i16 Test(u16 number, const TTable& table) {
    const TCondition* condition = Find(number);
    if (condition == nullptr)
        return 0;
    return condition->Holds(table) ? 1 : -1;
}

} // namespace skit_condition
