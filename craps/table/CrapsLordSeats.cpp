// TCasinoCGameLord: gamblers sitting down and leaving, the current seat, and their records.
#include "craps/table/CrapsGameLord.h"

#include "casino/CasChips.h"
#include "casino/CasinoPlayerData.h"
#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsPlayer.h"
#include "craps/table/MoneyLedger.h"
#include "engine/framework/ModeWindow.h"
#include "platform/host/MessageBox.h"

#include <cmath>

std::string TCasinoCGameLord::SeatName(i16 seat) const {
    return GetSeatRecord(seat).GetName();
}

void TCasinoCGameLord::BeginSeatSession(i16 seat) {
    GetSeatRecord(seat).Edit(
        [this](TCasinoPlayerData& data) { data.BeginSession(GameCode, Unit); });
}

void TCasinoCGameLord::EndSeatSession(i16 seat) {
    GetSeatRecord(seat).Edit([](TCasinoPlayerData& data) { data.EndSession(); });
}

// Only the current session's bytes are read and written back, and only when they change. A
// current slot outside the ring (a damaged file) leaves the record alone until the next
// session restarts the ring; a stored range that is no number takes the bankroll.
void TCasinoCGameLord::NoteSessionBankroll(i16 seat, bool low) {
    const TMoney bankroll = GetBankroll(seat);
    GetSeatRecord(seat).EditCurrentSession([&](TCCSession& session) {
        bool changed = false;
        if (bankroll > session.PeakBankroll || !std::isfinite(session.PeakBankroll.GetValue())) {
            session.PeakBankroll = bankroll;
            changed = true;
        }
        if (low &&
            (bankroll < session.LowBankroll || !std::isfinite(session.LowBankroll.GetValue()))) {
            session.LowBankroll = bankroll;
            changed = true;
        }
        return changed;
    });
}

// The rail shows the gambler's own chip mix when it still adds up to his bankroll.
void TCasinoCGameLord::ShowRack(i16 seat) {
    const TGamblerRecordView record = GetSeatRecord(seat);
    if (ChipStacks == nullptr || !record)
        return;
    i16 counts[TCasinoPlayerData::ChipKinds] = {};
    for (size_t i = 0; i < TCasinoPlayerData::ChipKinds; ++i)
        counts[i] = static_cast<i16>(record.GetChipCount(i));
    ChipStacks->SetAmount(GetBankroll(seat), counts[0], counts[1], counts[2], counts[3], counts[4],
                          counts[5]);
}

void TCasinoCGameLord::SaveRackCounts(i16 seat) {
    TGamblerRecord record = GetSeatRecord(seat);
    if (ChipStacks == nullptr || !record)
        return;
    for (size_t i = 0; i < TCasinoPlayerData::ChipKinds; ++i)
        record.SetChipCount(i, static_cast<u16>(ChipStacks->GetCount(static_cast<i16>(i))));
}

void TCasinoCGameLord::SetHand(TMoney amount) {
    BetInHand = amount;
    if (TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat))
        player->InHand = amount;
}

TMoney TCasinoCGameLord::SeatMoney(const TCBetSpot& spot, i16 seat) const {
    return spot.GetAmount(seat) + spot.GetOddsAmount(seat);
}

void TCasinoCGameLord::SetupSeat(i16 seat) {
    if (GetSeatPlayerData(seat) == nullptr)
        return;
    BeginSeatSession(seat);
    if (GetBankroll(seat).GetValue() >= OpeningBet)
        if (TCasinoCPlayer* player = GetCrapsPlayer(seat))
            player->LastBet = TMoney(OpeningBet);
    if (CurrentSeat != -1)
        return;
    CurrentSeat = seat;
    ShowButton(TakeDownButton, false);
    ShooterSeat = seat;
    ShowRack(seat);
    ShowBankroll(GetBankroll(seat));
    ShowPlate(seat);
}

void TCasinoCGameLord::UpdateSeat(i16 seat) {
    if (GetSeatPlayerData(seat) == nullptr)
        return;
    HidePlate(seat);
    for (i16 index = 0; index < SpotCount; ++index)
        if (TCBetSpot* spot = BetSpots[static_cast<size_t>(index)]) {
            const TMoney given = spot->TakeDown(seat, ComeOutFlag);
            AddToBankroll(seat, given);
            if (Ledger != nullptr && given != TMoney())
                Ledger->TookDown(index, seat, given);
        }
    // What may not come down stays with the house, and counts in his statistics as lost; the
    // spot's own forfeit clears every part the seat had on it, odds included.
    RecordForfeits(seat);
    for (i16 index = 0; index < SpotCount; ++index) {
        TCBetSpot* spot = BetSpots[static_cast<size_t>(index)];
        if (spot == nullptr)
            continue;
        const TMoney left = SeatMoney(*spot, seat);
        if (Ledger != nullptr && left != TMoney())
            Ledger->Forfeited(index, seat, left);
        spot->ForfeitSeat(seat);
        spot->UpdateChips();
    }
    if (seat == CurrentSeat) {
        BetInHand = TMoney();
        SaveRackCounts(seat);
    }
    if (CountOccupiedSeats() == 1) {
        if (ChipStacks != nullptr)
            ChipStacks->HideStacks();
        ShowButton(TakeDownButton, false);
        HideAllPlates();
        BetInHand = TMoney();
        if (TCasinoCPlayer* player = GetCrapsPlayer(CurrentSeat)) {
            player->InHand = TMoney();
            player->LastBet = TMoney();
        }
        ShowBetAmount(TMoney());
        ShowBankroll(TMoney());
        CurrentSeat = -1;
        ShooterSeat = -1;
    } else {
        const i16 next = NextOccupiedSeat(seat);
        if (seat == ShooterSeat) {
            ShooterSeat = next;
            ResetDice();
        }
        if (seat == CurrentSeat) {
            CurrentSeat = next;
            ShowButton(TakeDownButton, SeatHasAnyBet(next));
            ShowRack(next);
            TCasinoCPlayer* player = GetCrapsPlayer(next);
            if (player != nullptr && GetBankroll(next) > player->LastBet) {
                SetHand(BetInHand + player->LastBet);
                ShowBetAmount(player->LastBet);
            } else {
                ShowBetAmount(TMoney());
            }
            ShowBankroll(GetBankroll(next));
            ShowPlate(next);
        }
    }
    EndSeatSession(seat);
}

void TCasinoCGameLord::SelectSeat(i16 seat) {
    if (GetSeatPlayerData(seat) == nullptr)
        return;
    CurrentSeat = seat;
    ShowRack(seat);
    if (CountOccupiedSeats() > 1)
        ShowPlate(seat);
}

void TCasinoCGameLord::RefreshSeat(i16 seat) {
    if (GetSeatPlayerData(seat) == nullptr || seat == CurrentSeat)
        return;
    if (CurrentSeat != -1) {
        SetHand(TMoney());
        SaveRackCounts(CurrentSeat);
        HidePlate(CurrentSeat);
    }
    CurrentSeat = seat;
    ShowButton(TakeDownButton, SeatHasAnyBet(seat));
    TCasinoCPlayer* player = GetCrapsPlayer(seat);
    if (player != nullptr && GetBankroll(seat) > player->LastBet) {
        SetHand(BetInHand + player->LastBet);
        ShowBetAmount(player->LastBet);
    } else {
        SetHand(TMoney());
        if (player != nullptr)
            player->LastBet = TMoney();
        ShowBetAmount(TMoney());
    }
    ShowBankroll(GetBankroll(seat));
    ShowRack(seat);
    if (CountOccupiedSeats() > 1)
        ShowPlate(seat);
}

void TCasinoCGameLord::RefreshNextSeat() {
    if (CurrentSeat != -1)
        RefreshSeat(NextOccupiedSeat(CurrentSeat));
}

void TCasinoCGameLord::Notify(const char* caption, const char* text) const {
    MessageBoxExA(dynamic_cast<TWindow*>(GetModeWindow()), text, caption, MB_OK);
}

void TCasinoCGameLord::NoCashNotice() {
    if (CurrentSeat != -1 && SeatHasAnyBet(CurrentSeat))
        Notify("Out of Cash", "You're out of money and may not make additional bets. Your "
                              "current bets are your only hope.");
    else
        Notify("Bankrupt!", "You've hit rock bottom. Your gambler is bankrupt. Select "
                            "Create/Delete under the FILE menu to create or select a new gambler.");
}
