// TCasinoGameLord: seats found through the mode window's seat table, and plain double
// arithmetic on the seated gamblers' bankrolls.
#include "CasinoGameLord.h"

#include "engine/framework/ModeWindow.h"
#include "engine/framework/Player.h"

TCasinoGameLord::TCasinoGameLord(TJorpOwner* owner, u16 gameCode, u16 unitIndex)
    : TGameLord(owner), GameCode(gameCode), Unit(1, static_cast<i16>(unitIndex)) {}

TPlayer* TCasinoGameLord::GetSeatPlayer(i16 seat) const {
    const auto* window = dynamic_cast<const TJorpModeWindow*>(GetModeWindow());
    if (window == nullptr || seat < 0 || seat >= window->GetObjectCount())
        return nullptr;
    return dynamic_cast<TPlayer*>(window->GetObjectTableEntry(seat));
}

TGamblerRecord TCasinoGameLord::GetSeatRecord(i16 seat) {
    TPlayer* player = GetSeatPlayer(seat);
    return player != nullptr ? TGamblerRecord(player->GetRecord()) : TGamblerRecord();
}

TGamblerRecordView TCasinoGameLord::GetSeatRecord(i16 seat) const {
    const TPlayer* player = GetSeatPlayer(seat);
    return player != nullptr ? TGamblerRecordView(player->GetRecord()) : TGamblerRecordView();
}

u8* TCasinoGameLord::GetSeatPlayerData(i16 seat) {
    TPlayer* player = GetSeatPlayer(seat);
    return player != nullptr ? player->GetRecordData() : nullptr;
}

const u8* TCasinoGameLord::GetSeatPlayerData(i16 seat) const {
    const TPlayer* player = GetSeatPlayer(seat);
    return player != nullptr ? player->GetRecordData() : nullptr;
}

void TCasinoGameLord::AddToBankroll(i16 seat, TMoney amount) {
    TGamblerRecord record = GetSeatRecord(seat);
    record.SetBankroll(record.GetBankroll() + amount.GetValue());
}

void TCasinoGameLord::SubtractFromBankroll(i16 seat, TMoney amount) {
    TGamblerRecord record = GetSeatRecord(seat);
    const double left = record.GetBankroll() - amount.GetValue();
    record.SetBankroll(left < 0.0 ? 0.0 : left);
}

void TCasinoGameLord::SetBankroll(i16 seat, TMoney amount) {
    GetSeatRecord(seat).SetBankroll(amount.GetValue());
}

TMoney TCasinoGameLord::GetBankroll(i16 seat) const {
    return TMoney(GetSeatRecord(seat).GetBankroll());
}

i16 TCasinoGameLord::CountOccupiedSeats() const {
    i16 n = 0;
    for (i16 seat = 0; seat < SeatCount; ++seat)
        n = static_cast<i16>(n + (GetSeatPlayerData(seat) != nullptr ? 1 : 0));
    return n;
}

i16 TCasinoGameLord::NextOccupiedSeat(i16 seat) const {
    // The truncating remainder: from -1 the seats 0, 1 and 2 are tried.
    for (int step = 1; step <= SeatCount; ++step) {
        const auto candidate = static_cast<i16>((seat + step) % SeatCount);
        if (GetSeatPlayerData(candidate) != nullptr)
            return candidate;
    }
    return -1;
}

i16 TCasinoGameLord::GetUnitIndex() const {
    return Unit.IndexOfDenomination();
}

i32 TCasinoGameLord::GetZero() {
    return 0;
}

i16 TCasinoGameLord::TestSkitCondition(u16) {
    return 0;
}

void TCasinoGameLord::SelectSeat(i16) {}
void TCasinoGameLord::DoGameCommand() {}

void TCasinoGameLord::SettleBeforeLeaving() {}

std::vector<TLeftBet> TCasinoGameLord::BetsLeftBehind(i16) const {
    return {};
}
