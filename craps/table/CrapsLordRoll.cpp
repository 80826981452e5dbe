// TCasinoCGameLord: the roll, the point, come-out odds handed back, losers cleared, winners
// paid seat by seat, and come bets travelling to their numbers.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasChips.h"
#include "casino/CasMessageDisplay.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/MoneyLedger.h"
#include "platform/host/RuntimeRandom.h"

namespace {

constexpr i16 ComeSpot = table_spot::Come;
constexpr i16 DoNotComeSpot = table_spot::DontCome;
constexpr i16 FirstComeNumSpot = table_spot::FirstComeNumber;
constexpr i16 FirstDoNotComeNumSpot = table_spot::FirstDontComeNumber;
constexpr i16 SevenIndex = 5;
constexpr i16 BoxNumbers[6] = {2, 3, 4, 6, 7, 8};
constexpr TCasMessageId OddsReturnedMessage = 93;

bool IsBoxNumber(int sum) {
    for (const i16 number : BoxNumbers)
        if (number == sum)
            return true;
    return false;
}

} // namespace

void TCasinoCGameLord::RollDice() {
    Die1 = static_cast<i16>(rtl::rand() % 6);
    Die2 = static_cast<i16>(rtl::rand() % 6);
    RollCount = static_cast<u16>(RollCount + 1);
}

void TCasinoCGameLord::RoundHook() {}
void TCasinoCGameLord::PayoutHook() {}

bool TCasinoCGameLord::SetPoint() {
    const int sum = Die1 + Die2;
    if (!IsBoxNumber(sum))
        return false;
    Point = static_cast<i16>(sum);
    return true;
}

bool TCasinoCGameLord::IsPointOrSeven() {
    const int sum = Die1 + Die2;
    if (sum != SevenIndex && sum != Point)
        return false;
    ComeOutFlag = 1;
    return true;
}

void TCasinoCGameLord::StartPlaceMarkSkit(u32& start, u32& duration, u32& landing) {
    switch (Point) {
    case 2:
        landing = 7;
        break;
    case 3:
    case 4:
        landing = 8;
        break;
    case 6:
    case 7:
        landing = 9;
        break;
    case 8:
        landing = 10;
        break;
    default:
        break;
    }
    i16 skit = -1;
    ChooseSkit(static_cast<i16>(SkitLists[table_skit::PlaceMark]), start, duration, skit);
}

bool TCasinoCGameLord::ReturnOffOdds() {
    if (ComeOutFlag == 0)
        return false;
    for (i16 seat = SeatCount - 1; seat >= 0; --seat) {
        if (GetSeatPlayerData(seat) == nullptr)
            continue;
        RefreshSeat(seat);
        CopyBettingOptions();
        const struct {
            int Option;
            i16 First;
        } groups[2] = {{OptionComeOddsOnComeOut, FirstComeNumSpot},
                       {OptionDontComeOddsOnComeOut, FirstDoNotComeNumSpot}};
        for (const auto& group : groups) {
            if (BetOptions[static_cast<size_t>(group.Option)] != 0)
                continue;
            for (i16 index = group.First; index < group.First + 6; ++index) {
                TCBetSpot* spot = GetBetSpot(index);
                if (spot == nullptr)
                    continue;
                const TMoney amount = spot->ReturnOffOdds(seat, Die1, Die2);
                // Cents count too: the spot has already let go of whatever it gave back.
                if (amount == TMoney())
                    continue;
                spot->ShowChitOnSeatStack(seat);
                AddToBankroll(CurrentSeat, amount);
                if (Ledger != nullptr)
                    Ledger->OddsReturned(index, seat, amount);
                OddsReturnSpot = index;
                if (MessageDisplay != nullptr)
                    MessageDisplay->ShowMessage(OddsReturnedMessage, TMoney(), 0);
                ShowBankroll(GetBankroll(CurrentSeat));
                return true;
            }
        }
    }
    return false;
}

// Options 5 and 6 are each gambler's own, so every seat on a spot is judged by its own.
void TCasinoCGameLord::TestLosingSpots() {
    CopyBettingOptions();
    for (i16 index = 0; index < SpotCount; ++index) {
        TCBetSpot* spot = BetSpots[static_cast<size_t>(index)];
        if (spot == nullptr)
            continue;
        bool losers[SeatCount] = {};
        int holders = 0;
        int lost = 0;
        for (i16 seat = 0; seat < SeatCount; ++seat) {
            if (!spot->HasAmount(seat))
                continue;
            ++holders;
            losers[seat] = spot->TestLose(Die1, Die2, Point, ComeOutFlag, CopyBettingOptions(seat));
            lost += losers[seat] ? 1 : 0;
        }
        if (lost == 0)
            continue;
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (losers[seat] && Ledger != nullptr)
                Ledger->Lost(index, seat, SeatMoney(*spot, seat));
        if (lost == holders) {
            spot->ClearAll();
            continue;
        }
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (losers[seat])
                spot->ForfeitSeat(seat);
    }
}

bool TCasinoCGameLord::TestWinningSpots() {
    CopyBettingOptions();
    for (i16 index = 0; index < SpotCount; ++index) {
        TCBetSpot* spot = BetSpots[static_cast<size_t>(index)];
        if (spot == nullptr)
            continue;
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (spot->HasAmount(seat) &&
                spot->TestWin(Die1, Die2, Point, ComeOutFlag, CopyBettingOptions(seat))) {
                WinningSpot = index;
                return true;
            }
    }
    return false;
}

bool TCasinoCGameLord::PayOutSpot(i16 index) {
    TCBetSpot* spot = GetBetSpot(index);
    if (spot == nullptr)
        return false;
    spot->ShowChitOnTopStack();
    PlayTableSound(0);
    PayoutHook();
    // The highest seat holding a bet on the spot that this roll wins by its own options.
    i16 payee = -1;
    for (i16 seat = SeatCount - 1; seat >= 0 && payee == -1; --seat)
        if (spot->HasAmount(seat) &&
            spot->TestWin(Die1, Die2, Point, ComeOutFlag, CopyBettingOptions(seat)))
            payee = seat;
    if (payee == -1)
        return false;
    RefreshSeat(payee);
    const auto sum = static_cast<i16>(Die1 + Die2);
    const TMoney win = spot->GetWinAmount(payee, sum);
    LayOutPayout(payee, win);
    // The board is told the roll (as its sum index), which picks the payout's icon.
    if (MessageDisplay != nullptr)
        MessageDisplay->ShowMessage(static_cast<TCasMessageId>(spot->GetSpotId(payee)), win, sum);
    const TMoney collected = spot->CollectWin(payee, sum);
    AddToBankroll(payee, collected);
    if (Ledger != nullptr)
        Ledger->Paid(index, payee, collected, win);
    if (ChipStacks != nullptr)
        ChipStacks->BuildStacks(GetBankroll(payee), 1);
    NoteSessionBankroll(payee, false);
    return true;
}

// A stake still on the number (an earlier come bet the gambler never took down) keeps its
// money: the travelling stake is added to it.
void TCasinoCGameLord::MoveComeBets() {
    const int sum = Die1 + Die2;
    int k = -1;
    for (int i = 0; i < 6; ++i)
        if (BoxNumbers[i] == sum)
            k = i;
    if (k < 0)
        return;
    const std::pair<i16, i16> routes[2] = {
        {ComeSpot, static_cast<i16>(FirstComeNumSpot + k)},
        {DoNotComeSpot, static_cast<i16>(FirstDoNotComeNumSpot + k)}};
    for (i16 seat = 0; seat < SeatCount; ++seat)
        for (const auto& [from, to] : routes) {
            TCBetSpot* source = GetBetSpot(from);
            TCBetSpot* target = GetBetSpot(to);
            if (source == nullptr || target == nullptr || !source->HasAmount(seat))
                continue;
            const TMoney stake = source->TakeDown(seat, ComeOutFlag);
            target->SetAmount(seat, target->GetAmount(seat) + stake);
            if (Ledger != nullptr)
                Ledger->Travelled(to, seat, stake);
        }
}
