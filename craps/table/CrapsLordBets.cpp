// TCasinoCGameLord: the bet in hand, placing it on a spot and taking bets down.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasChips.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsPlayer.h"
#include "craps/table/MoneyLedger.h"
#include "engine/framework/ModeWindowApi.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr i16 ComeSpot = table_spot::Come;
constexpr i16 DoNotComeSpot = table_spot::DontCome;
constexpr i16 FirstBuySpot = table_spot::FirstBuy;
constexpr i16 LastBuySpot = table_spot::FirstComeNumber - 1;
// The table limit as the chip buttons test it: a hand may reach the limit exactly.
constexpr double HandLimit = 100001.0;

constexpr const char* LimitCaption = "Table Limit";
constexpr const char* LimitText = "You may bet no more than $100,000 on any single bet spot.";

// A chip is a finite amount of no less than nothing: any other amount (no number, infinite,
// negative) would spoil the hand and the bankroll after it, so it changes nothing.
bool IsChipAmount(TMoney amount) {
    return std::isfinite(amount.GetValue()) && amount.GetValue() >= 0.0;
}

} // namespace

u16 TCasinoCGameLord::AddToBetInHand(TMoney amount) {
    TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat);
    if (player == nullptr || !IsChipAmount(amount))
        return 1;
    const TMoney bankroll = GetBankroll(CurrentSeat);
    if (bankroll.WholeDollars() == 0)
        NoCashNotice();
    if ((player->InHand + amount).GetValue() >= HandLimit) {
        Notify(LimitCaption, LimitText);
        return 0;
    }
    if (amount + BetInHand <= bankroll) {
        SetHand(BetInHand + amount);
        ShowBetAmount(player->InHand);
        if (BetInHand == bankroll)
            PlayTableSound(4);
        return 1;
    }
    if (BetInHand == bankroll || bankroll.WholeDollars() == 0) {
        PlayTableSound(5);
        return 1;
    }
    SetHand(bankroll);
    ShowBetAmount(player->InHand);
    PlayTableSound(4);
    return 1;
}

u16 TCasinoCGameLord::TakeFromBetInHand(TMoney amount) {
    if (GetCrapsPlayer(CurrentSeat) == nullptr || !IsChipAmount(amount))
        return 1;
    if (BetInHand >= amount) {
        SetHand(BetInHand - amount);
        ShowBetAmount(BetInHand);
    }
    return 1;
}

u16 TCasinoCGameLord::ClearBetInHand() {
    TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat);
    if (player == nullptr)
        return 1;
    SetHand(TMoney());
    player->LastBet = TMoney();
    ShowBetAmount(TMoney());
    return 1;
}

// The hand never grows past the bankroll: a debit the bankroll cannot cover would be clamped
// at 0, and the difference would go on the spot as money from nowhere.
u16 TCasinoCGameLord::RepeatLastBet() {
    TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat);
    if (player == nullptr)
        return 1;
    const TMoney bankroll = GetBankroll(CurrentSeat);
    if (bankroll >= player->LastBet)
        SetHand(std::min(BetInHand + player->LastBet, bankroll));
    return 1;
}

u16 TCasinoCGameLord::PlaceBet(i16 spotIndex, bool held) {
    // Held clicks are taken one a frame with no click of the player's between them, so a box
    // for each refusal would pile up where a live click could meet only one: a held click's
    // refusal is recorded for its run, and told the first time.
    auto recordRefusalToTell = [&](EHeldRefusal refusal) {
        return !held || HeldClicks.RecordRefusal(CurrentSeat, refusal);
    };
    TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat);
    TCBetSpot* spot = GetBetSpot(spotIndex);
    if (player == nullptr || spot == nullptr)
        return 1;
    const bool comeOnComeOut =
        ComeOutFlag == 1 && (spotIndex == ComeSpot || spotIndex == DoNotComeSpot);
    if (!comeOnComeOut) {
        if (BetInHand.WholeDollars() == 0)
            RepeatLastBet();
        if (GetBankroll(CurrentSeat).WholeDollars() == 0 && BetInHand.WholeDollars() == 0) {
            if (!recordRefusalToTell(EHeldRefusal::NoCash)) {
                SetHand(TMoney());
                return 1;
            }
            NoCashNotice();
        }
        if ((BetInHand + spot->GetAmount(CurrentSeat)).GetValue() > TableLimit) {
            if (recordRefusalToTell(EHeldRefusal::TableLimit))
                Notify(LimitCaption, LimitText);
            return 0;
        }
        // A hand left over a bankroll that shrank (cents a chip button could not see) is cut
        // to what the bankroll holds, so the debit is never clamped.
        SetHand(std::min(BetInHand, GetBankroll(CurrentSeat)));
        player->LastBet = BetInHand;
        SubtractFromBankroll(CurrentSeat, BetInHand);
        CopyBettingOptions();
        TMoney refused;
        if (spotIndex >= FirstBuySpot && spotIndex <= LastBuySpot) {
            // 4 and 10 share option 0, 5 and 9 option 1, 6 and 8 option 2.
            const int position = spotIndex - FirstBuySpot;
            const u8 buy = BetOptions[static_cast<size_t>(position < 3 ? position : 5 - position)];
            refused = spot->AddToAmount(CurrentSeat, BetInHand, ComeOutFlag, Point, buy);
        } else {
            refused = spot->AddChips(CurrentSeat, BetInHand, ComeOutFlag, Point);
        }
        PlayTableSound(static_cast<i16>(ChipSoundClass(BetInHand)));
        SetHand(TMoney());
        if (Ledger != nullptr)
            Ledger->Placed(spotIndex, CurrentSeat, player->LastBet, refused);
        // Every cent the spot refused goes back, not only its whole dollars.
        AddToBankroll(CurrentSeat, refused);
        ShowBankroll(GetBankroll(CurrentSeat));
    }
    ShowButton(RollButton, TableHasAnyBet());
    ShowButton(TakeDownButton, SeatHasAnyBet(CurrentSeat));
    const TMoney bankroll = GetBankroll(CurrentSeat);
    if (bankroll < player->LastBet) {
        player->LastBet = bankroll;
        ShowBetAmount(player->LastBet);
    }
    if (ChipStacks != nullptr)
        ChipStacks->BuildStacks(bankroll, 1);
    return 1;
}

u16 TCasinoCGameLord::TakeDownBet(i16 spotIndex) {
    TCBetSpot* spot = GetBetSpot(spotIndex);
    if (GetSeatPlayerData(CurrentSeat) == nullptr || spot == nullptr)
        return 1;
    if (spot->HasAmount(CurrentSeat)) {
        const TMoney given = spot->TakeDown(CurrentSeat, ComeOutFlag);
        AddToBankroll(CurrentSeat, given);
        if (Ledger != nullptr)
            Ledger->TookDown(spotIndex, CurrentSeat, given);
    }
    // The mouse still rests on the spot just cleared: its help and cursor must say so now,
    // not when the mouse next moves.
    if (TModeWindowApi* window = GetModeWindow())
        window->PokeHoverResponder();
    const TMoney bankroll = GetBankroll(CurrentSeat);
    ShowBankroll(bankroll);
    ShowButton(RollButton, TableHasAnyBet());
    if (!SeatHasAnyBet(CurrentSeat))
        ShowButton(TakeDownButton, false);
    if (ChipStacks != nullptr)
        ChipStacks->BuildStacks(bankroll, 1);
    return 1;
}

u16 TCasinoCGameLord::ChipSoundClass(TMoney amount) {
    constexpr i64 Chips[6] = {10000, 1000, 100, 25, 5, 1};
    i64 left = amount.WholeDollars() % 100001;
    if (left < 0)
        left = 0;
    i64 total = 0;
    for (const i64 chip : Chips) {
        total += left / chip;
        left %= chip;
    }
    return total == 0 ? 5 : total == 1 ? 1 : total <= 4 ? 2 : 3;
}

bool TCasinoCGameLord::SeatHasAnyBet(i16 seat) const {
    if (seat == -1)
        return false;
    return std::any_of(BetSpots.begin(), BetSpots.end(), [seat](const TCBetSpot* spot) {
        return spot != nullptr && spot->HasAmount(seat);
    });
}

bool TCasinoCGameLord::TableHasAnyBet() const {
    return std::any_of(BetSpots.begin(), BetSpots.end(), [](const TCBetSpot* spot) {
        return spot != nullptr && spot->HasAnyAmount();
    });
}
