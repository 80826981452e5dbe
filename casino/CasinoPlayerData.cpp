// TCasinoPlayerData: defaults, sessions, and the record through its table.
#include "CasinoPlayerData.h"

#include "casino/GamblerLayout.h"

#include <algorithm>

namespace {

constexpr u16 DefaultChipMix[TCasinoPlayerData::ChipKinds] = {5, 4, 3, 9, 1, 0};

} // namespace

TCasinoPlayerData::TCasinoPlayerData() {
    Clear();
}

void TCasinoPlayerData::Clear() {
    SetDefaults();
    SessionCode = 0;
    SetDefaultChipMix();
    Instruction = 0;
    History.Clear();
}

void TCasinoPlayerData::SetDefaultChipMix() {
    for (size_t i = 0; i < ChipKinds; ++i)
        Chips[i] = DefaultChipMix[i];
}

u16 TCasinoPlayerData::GetChipCount(i16 i) const {
    return i >= 0 && static_cast<size_t>(i) < ChipKinds ? Chips[static_cast<size_t>(i)] : u16{0};
}

void TCasinoPlayerData::SetChipCount(i16 i, u16 count) {
    if (i >= 0 && static_cast<size_t>(i) < ChipKinds)
        Chips[static_cast<size_t>(i)] = count;
}

void TCasinoPlayerData::BeginSession(u16 gameCode, TMoney unit) {
    SessionCode = SessionOpen;
    History.BeginSession(TMoney(GetBankroll()), gameCode, unit);
}

void TCasinoPlayerData::EndSession() {
    History.EndSession(TMoney(GetBankroll()));
    SessionCode = 0;
}

bool TCasinoPlayerData::CloseLeftSession(u32 lastSaved) {
    TCCSession* session = History.GetCurrentSession();
    const bool open = session != nullptr && session->IsOpen();
    if (!open && SessionCode == 0)
        return false;
    // A closed session keeps the end it was given.
    if (open) {
        session->End(TMoney(GetBankroll()));
        session->EndTime = std::max(lastSaved, session->StartTime);
    }
    SessionCode = 0;
    return true;
}

bool TCasinoPlayerData::Decode(const u8* bytes, size_t size) {
    return bytes != nullptr && DecodeRecord(*this, std::span(bytes, size));
}

bool TCasinoPlayerData::Encode(u8* bytes, size_t size) const {
    return bytes != nullptr && EncodeRecord(*this, std::span(bytes, size));
}
