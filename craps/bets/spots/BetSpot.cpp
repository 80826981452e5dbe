// TCBetSpot: reading and pinning the spot's sprite, and the operations forwarded to its ledger.
#include "craps/bets/spots/BetSpot.h"

#include "engine/media/Anm.h"

TCBetSpot::TCBetSpot(TJorpOwner* owner, const TFileMode& name, i16 spotId)
    : TCBetSpot(owner, name, TEmbeddedAddress{}, std::make_unique<TCBetLedger>(0, spotId)) {}

TCBetSpot::TCBetSpot(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TCBetLedger>(0, spotId)) {}

TCBetSpot::TCBetSpot(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                     std::unique_ptr<TCBetLedger> ledger)
    : TSprite(owner, name), Ledger(std::move(ledger)), Address(address) {}

void TCBetSpot::Build() {
    ReadDriven(Address);
    Address = {};
    Hide();
    BindSprites();
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat) {
        TopY[seat] = -1;
        TopZ[seat] = -1;
    }
}

void TCBetSpot::BindSprites() {
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat)
        for (i16 d = 0; d < DenominationCount; ++d) {
            const i16 entry = static_cast<i16>(seat * DenominationCount + d);
            TAnm* anm = GetAnm(entry);
            if (anm == nullptr)
                FatalAnmSetup("CBetSpot", "Chips", entry);
            anm->Pin();
            Chips[seat][d] = anm;
        }
    for (i16 entry = MarkerChitEntry; entry < FirstSeatChitEntry + TCBetLedger::SeatCount;
         ++entry) {
        TAnm* anm = GetAnm(entry);
        if (anm == nullptr)
            FatalAnmSetup("CBetSpot", "Chits", entry);
        anm->Pin();
        if (entry == MarkerChitEntry)
            MarkerChit = anm;
        else
            SeatChits[entry - FirstSeatChitEntry] = anm;
    }
}

i16 TCBetSpot::GetSpotId(i16 seat) const {
    return Ledger->GetSpotId(seat);
}

void TCBetSpot::SetAmount(i16 seat, TMoney amount) {
    Ledger->SetAmount(seat, amount);
}

bool TCBetSpot::IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) {
    return Ledger->IsWin(die1, die2, point, comeOut);
}

bool TCBetSpot::TestWin(i16 die1, i16 die2, i16 point, u8 comeOut,
                        const TCrapsBetOptions& options) {
    return Ledger->TestWin(die1, die2, point, comeOut, options);
}

bool TCBetSpot::IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) {
    return Ledger->IsLose(die1, die2, point, comeOut);
}

bool TCBetSpot::TestLose(i16 die1, i16 die2, i16 point, u8 comeOut,
                         const TCrapsBetOptions& options) {
    return Ledger->TestLose(die1, die2, point, comeOut, options);
}

i32 TCBetSpot::GetPayoutMultiplier() const {
    return Ledger->GetPayoutMultiplier();
}

TMoney TCBetSpot::OddsWin(TMoney amount, i16 sumIndex) const {
    return Ledger->OddsWin(amount, sumIndex);
}

TMoney TCBetSpot::BetWin(TMoney amount, i16 sumIndex, i16 seat) const {
    return Ledger->BetWin(amount, sumIndex, seat);
}

TMoney TCBetSpot::GetAmount(i16 seat) const {
    return Ledger->GetAmount(seat);
}

TMoney TCBetSpot::TakeDown(i16 seat, u8 comeOut) {
    const TMoney given = Ledger->TakeDown(seat, comeOut);
    UpdateChips();
    return given;
}

TMoney TCBetSpot::AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) {
    const TMoney refused = Ledger->AddChips(seat, amount, comeOut, point);
    UpdateChips();
    return refused;
}

TMoney TCBetSpot::AddToAmount(i16 seat, TMoney amount, u8 comeOut, i16 point, u8 buyFlag) {
    const TMoney refused = Ledger->AddToAmount(seat, amount, comeOut, point, buyFlag);
    UpdateChips();
    return refused;
}

bool TCBetSpot::CanAddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const {
    return Ledger->CanAddChips(seat, amount, comeOut, point);
}

bool TCBetSpot::CanRemoveChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const {
    return Ledger->CanRemoveChips(seat, amount, comeOut, point);
}

// The payout animation still stands on the pile being paid: no redraw here.
TMoney TCBetSpot::CollectWin(i16 seat, i16 sumIndex) {
    return Ledger->CollectWin(seat, sumIndex);
}

TMoney TCBetSpot::GetWinAmount(i16 seat, i16 sumIndex) const {
    return Ledger->GetWinAmount(seat, sumIndex);
}

void TCBetSpot::ClearAll() {
    Ledger->ClearAll();
    Hide();
}

void TCBetSpot::UpdateChips() {
    LayOutPiles(true);
}

TMoney TCBetSpot::TakeOdds(i16 seat) {
    return Ledger->TakeOdds(seat);
}

TMoney TCBetSpot::ReturnOffOdds(i16 seat, i16 die1, i16 die2) {
    return Ledger->ReturnOffOdds(seat, die1, die2);
}

TMoney TCBetSpot::GetOddsAmount(i16 seat) const {
    return Ledger->GetOddsAmount(seat);
}

void TCBetSpot::ForfeitSeat(i16 seat) {
    if (!TCBetLedger::IsSeat(seat))
        return;
    Ledger->ForfeitSeat(seat);
    UpdateChips();
    HideIfEmpty();
}

void TCBetSpot::HideIfEmpty() {
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat)
        if (Ledger->GetAmount(seat).WholeDollars() != 0)
            return;
    Hide();
}

TAnm* TCBetSpot::GetChipStack(i16 seat, i16 denomination) const {
    if (!TCBetLedger::IsSeat(seat) || denomination < 0 || denomination >= DenominationCount)
        return nullptr;
    return Chips[seat][denomination];
}

TAnm* TCBetSpot::GetSeatChit(i16 seat) const {
    return TCBetLedger::IsSeat(seat) ? SeatChits[seat] : nullptr;
}
