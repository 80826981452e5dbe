// TCasinoPlayerData: defaults, sessions, and the record field by field.
#include "CasinoPlayerData.h"

#include <cmath>

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

bool TCasinoPlayerData::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    TPlayerData::Decode(bytes, size);
    SessionCode = JorpGetU32(bytes + SessionCodeAt);
    Instruction = bytes[InstructionAt];
    for (size_t i = 0; i < ChipKinds; ++i)
        Chips[i] = JorpGetU16(bytes + ChipsAt + 2 * i);
    History.Decode(bytes + HistoryAt, size - HistoryAt);
    return true;
}

bool TCasinoPlayerData::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    TPlayerData::Encode(bytes, size);
    JorpPutU32(bytes + SessionCodeAt, SessionCode);
    bytes[InstructionAt] = Instruction;
    for (size_t i = 0; i < ChipKinds; ++i)
        JorpPutU16(bytes + ChipsAt + 2 * i, Chips[i]);
    History.Encode(bytes + HistoryAt, size - HistoryAt);
    return true;
}

double TCasinoPlayerData::ReadBankroll(const u8* image) {
    const double bankroll = JorpGetF64(image + BankrollAt);
    return std::isfinite(bankroll) ? bankroll : 0.0;
}

void TCasinoPlayerData::WriteBankroll(u8* image, double bankroll) {
    JorpPutF64(image + BankrollAt, bankroll);
}

bool TCasinoPlayerData::ReadInstructionMode(const u8* image) {
    return image[InstructionAt] != 0;
}

void TCasinoPlayerData::ToggleInstructionMode(u8* image) {
    image[InstructionAt] = image[InstructionAt] == 0 ? 1 : 0;
}
